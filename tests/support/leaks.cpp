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

const GdiHandleEntry* GdiHandleTable()
{
#if defined(_WIN64)
    const size_t kTableOffset = 0xF8;
#else
    const size_t kTableOffset = 0x94;
#endif
    PROCESS_BASIC_INFORMATION info = {};
    if (::NtQueryInformationProcess(::GetCurrentProcess(), ProcessBasicInformation, &info,
                                    sizeof(info), NULL) != 0)
        return nullptr;
    const BYTE* peb = reinterpret_cast<const BYTE*>(info.PebBaseAddress);
    return *reinterpret_cast<GdiHandleEntry* const*>(peb + kTableOffset);
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
    const DWORD reported = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    if (reported != 0)
        return static_cast<int>(reported);
    const GdiHandleEntry* table = GdiHandleTable();
    if (table == nullptr)
        return -1;
    int live = 0;
    for (int i = 0; i < kGdiTableEntries; ++i) {
        if (table[i].type != 0 && (table[i].unique & 0x80) == 0)
            ++live;
    }
    return live;
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

}  // namespace vt
