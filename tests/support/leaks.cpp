// Counting what a control could leak: GDI objects, windows and heap bytes.
#include "support/harness.h"

#include <winternl.h>

#include <algorithm>

namespace vt {
namespace {

// Wine keeps a per-process GDI handle table laid out as on 64-bit Windows
// and points the PEB at it; an entry is live while its type byte is set.
struct GdiHandleEntry
{
    UINT64 object;
    UINT32 owner;
    UINT16 unique;   // bit 7 of the low byte marks a stock object
    UINT8 type;
    UINT8 flags;
    UINT64 userPointer;
};
static_assert(sizeof(GdiHandleEntry) == 24, "GDI handle table entries are 24 bytes");

constexpr int kGdiTableEntries = 0x10000;

// The table's address in the given process (of this one's architecture),
// read from its PEB; another process's is read through its memory.
const GdiHandleEntry* GdiHandleTable(HANDLE process)
{
#if defined(_WIN64)
    const size_t kTableOffset = 0xF8;
#else
    const size_t kTableOffset = 0x94;
#endif
    PROCESS_BASIC_INFORMATION info = {};
    if (::NtQueryInformationProcess(process, ProcessBasicInformation, &info, sizeof(info), NULL) != 0)
        return nullptr;
    const BYTE* peb = reinterpret_cast<const BYTE*>(info.PebBaseAddress);
    const GdiHandleEntry* table = nullptr;
    if (!::ReadProcessMemory(process, peb + kTableOffset, &table, sizeof(table), NULL))
        return nullptr;
    return table;
}

int CountLive(const GdiHandleEntry* table)
{
    int live = 0;
    for (int i = 0; i < kGdiTableEntries; ++i) {
        if (table[i].type != 0 && (table[i].unique & 0x80) == 0)
            ++live;
    }
    return live;
}

BOOL CALLBACK CountChild(HWND, LPARAM counter)
{
    ++*reinterpret_cast<int*>(counter);
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND hwnd, LPARAM counter)
{
    ++*reinterpret_cast<int*>(counter);
    ::EnumChildWindows(hwnd, CountChild, counter);
    return TRUE;
}

}  // namespace

int GdiObjectCount()
{
    ::GdiFlush();
    return GdiObjectCount(::GetCurrentProcess());
}

// Another process's table is read through its memory, and so is this one's.
int GdiObjectCount(HANDLE process)
{
    const DWORD reported = ::GetGuiResources(process, GR_GDIOBJECTS);
    if (reported != 0)
        return static_cast<int>(reported);
    const GdiHandleEntry* remote = GdiHandleTable(process);
    if (remote == nullptr)
        return -1;
    std::vector<GdiHandleEntry> table(kGdiTableEntries);
    if (!::ReadProcessMemory(process, remote, table.data(), table.size() * sizeof(GdiHandleEntry), NULL))
        return -1;
    return CountLive(table.data());
}

SIZE_T HeapBytesInUse()
{
    HANDLE heaps[256];
    const DWORD count = std::min<DWORD>(::GetProcessHeaps(256, heaps), 256);
    SIZE_T used = 0;
    for (DWORD i = 0; i < count; ++i) {
        if (!::HeapLock(heaps[i]))
            continue;
        PROCESS_HEAP_ENTRY entry = {};
        while (::HeapWalk(heaps[i], &entry)) {
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY)
                used += entry.cbData;
        }
        ::HeapUnlock(heaps[i]);
    }
    return used;
}

int ThreadWindowCount()
{
    int count = 0;
    ::EnumThreadWindows(::GetCurrentThreadId(), CountTopLevel, reinterpret_cast<LPARAM>(&count));
    return count;
}

struct ProcessSearch
{
    DWORD processId;
    int count;
};

BOOL CALLBACK CountOfProcess(HWND hwnd, LPARAM lParam)
{
    ProcessSearch* s = reinterpret_cast<ProcessSearch*>(lParam);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(hwnd, &owner);
    if (owner == s->processId)
        CountTopLevel(hwnd, reinterpret_cast<LPARAM>(&s->count));
    return TRUE;
}

int ProcessWindowCount(DWORD processId)
{
    ProcessSearch search = {processId, 0};
    ::EnumWindows(CountOfProcess, reinterpret_cast<LPARAM>(&search));
    return search.count;
}

}  // namespace vt
