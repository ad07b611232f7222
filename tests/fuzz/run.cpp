// Feeding a range of inputs through the memory bitmap loader and the
// resource loader, painting every bitmap they make, and counting what is left.
#include "fuzz.h"

#include "frame/VeluFrameInternal.h"
#include "skin/VeluSkin.h"
#include "support/harness.h"

#include <cstring>

namespace fuzz {
namespace {

const SIZE_T kPage = 0x10000;

// A loader that takes no length reads what the header declares: images sit at
// the start of a zero-filled arena as long as the largest image it accepts,
// followed by a page that faults.
class Arena
{
public:
    static const SIZE_T kSize = (SIZE_T(256) << 20) + 4 * kPage;

    Arena() : m_base(static_cast<BYTE*>(::VirtualAlloc(NULL, kSize + kPage, MEM_RESERVE, PAGE_NOACCESS)))
    {
        ::VirtualAlloc(m_base, kSize, MEM_COMMIT, PAGE_READWRITE);
    }
    ~Arena() { ::VirtualFree(m_base, 0, MEM_RELEASE); }
    Arena(const Arena&) = delete;
    Arena& operator=(const Arena&) = delete;

    BYTE* Place(const Bytes& bytes)
    {
        const size_t n = std::min<size_t>(bytes.size(), kPage * 4);
        std::memcpy(m_base, bytes.data(), n);
        if (m_used > n)
            std::memset(m_base + n, 0, m_used - n);
        m_used = n;
        return m_base;
    }

private:
    BYTE* m_base;
    size_t m_used = 0;
};

// A module image in memory holding one "BINARY" resource, found both as
// "FUZZ" and as id 7. The resource's bytes end where a faulting page begins,
// so reading past its size cannot go unnoticed.
class FakeModule
{
public:
    static const WORD kId = 7;
    static const DWORD kDirectory = 0x400;
    static const SIZE_T kSize = 32 * kPage;

    FakeModule() : m_base(static_cast<BYTE*>(::VirtualAlloc(NULL, kSize + kPage, MEM_RESERVE, PAGE_NOACCESS)))
    {
        ::VirtualAlloc(m_base, kSize, MEM_COMMIT, PAGE_READWRITE);
        IMAGE_DOS_HEADER* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(m_base);
        dos->e_magic = IMAGE_DOS_SIGNATURE;
        dos->e_lfanew = 0x80;
        IMAGE_NT_HEADERS* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(m_base + dos->e_lfanew);
        nt->Signature = IMAGE_NT_SIGNATURE;
#ifdef _WIN64
        nt->FileHeader.Machine = IMAGE_FILE_MACHINE_AMD64;
#else
        nt->FileHeader.Machine = IMAGE_FILE_MACHINE_I386;
#endif
        nt->FileHeader.SizeOfOptionalHeader = sizeof(nt->OptionalHeader);
        nt->FileHeader.Characteristics = IMAGE_FILE_EXECUTABLE_IMAGE | IMAGE_FILE_DLL;
        nt->OptionalHeader.Magic = IMAGE_NT_OPTIONAL_HDR_MAGIC;
        nt->OptionalHeader.SizeOfImage = DWORD(kSize);
        nt->OptionalHeader.SizeOfHeaders = kDirectory;
        nt->OptionalHeader.NumberOfRvaAndSizes = IMAGE_NUMBEROF_DIRECTORY_ENTRIES;
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_RESOURCE] = {kDirectory, 0x200};

        // root -> "BINARY" -> {"FUZZ", 7} -> neutral language -> the data entry
        const DWORD type = 0x20, names = 0x48, lang = 0x70, data = 0x88, strings = 0xA0;
        Dir(0, 1, 0);
        Entry(0x10, 0x80000000 | strings, 0x80000000 | type);
        Dir(type, 1, 1);
        Entry(type + 0x10, 0x80000000 | (strings + 0x10), 0x80000000 | lang);
        Entry(type + 0x18, kId, 0x80000000 | lang);
        (void)names;
        Dir(lang, 0, 1);
        Entry(lang + 0x10, 0, data);
        m_entry = reinterpret_cast<IMAGE_RESOURCE_DATA_ENTRY*>(m_base + kDirectory + data);
        String(strings, L"BINARY");
        String(strings + 0x10, L"FUZZ");
    }
    ~FakeModule() { ::VirtualFree(m_base, 0, MEM_RELEASE); }
    FakeModule(const FakeModule&) = delete;
    FakeModule& operator=(const FakeModule&) = delete;

    HMODULE Place(const Bytes& stream)
    {
        const DWORD size = DWORD(std::min<size_t>(stream.size(), kSize - 2 * kPage));
        m_entry->OffsetToData = DWORD(kSize) - size;
        m_entry->Size = size;
        std::memcpy(m_base + m_entry->OffsetToData, stream.data(), size);
        return reinterpret_cast<HMODULE>(m_base);
    }

private:
    void Dir(DWORD at, WORD named, WORD ids)
    {
        IMAGE_RESOURCE_DIRECTORY* d = reinterpret_cast<IMAGE_RESOURCE_DIRECTORY*>(m_base + kDirectory + at);
        d->NumberOfNamedEntries = named;
        d->NumberOfIdEntries = ids;
    }
    void Entry(DWORD at, DWORD name, DWORD offset)
    {
        DWORD* e = reinterpret_cast<DWORD*>(m_base + kDirectory + at);
        e[0] = name;
        e[1] = offset;
    }
    void String(DWORD at, const wchar_t* text)
    {
        WORD* s = reinterpret_cast<WORD*>(m_base + kDirectory + at);
        s[0] = WORD(wcslen(text));
        for (WORD i = 0; i < s[0]; ++i)
            s[1 + i] = WORD(text[i]);
    }

    BYTE* m_base;
    IMAGE_RESOURCE_DATA_ENTRY* m_entry = nullptr;
};

// Paints a bitmap the ways the library does: blitted, stretched, as a
// nine-grid skin, and sampled when its scan line fits the sampler.
void Paint(HBITMAP bitmap, HDC canvas)
{
    BITMAP bm = {};
    ::GetObject(bitmap, sizeof(bm), &bm);
    HDC dc = ::CreateCompatibleDC(canvas);
    HGDIOBJ old = ::SelectObject(dc, bitmap);
    ::BitBlt(canvas, 0, 0, 64, 64, dc, 0, 0, SRCCOPY);
    ::StretchBlt(canvas, 0, 0, 48, 48, dc, 0, 0, bm.bmWidth, bm.bmHeight, SRCCOPY);
    ::SelectObject(dc, old);
    ::DeleteDC(dc);
    const RECT rc = {4, 4, 60, 40};
    CRoundBitmap painter;
    painter.ShowMe(canvas, &rc, bitmap, g_nStdCornerInsets, kStdCornerSize);
    if (LONGLONG(bm.bmWidth) * bm.bmBitsPixel * bm.bmPlanes <= 8 * 4096)
        GetBmpPixelColor(canvas, bitmap, 0, bm.bmWidth / 2);
}

class Feeder
{
public:
    explicit Feeder(Counts& counts) : m_counts(counts), m_canvas(64, 64) {}

    void Image(const Bytes& image, int outs)
    {
        HPALETTE palette = NULL;
        SIZE size;
        HBITMAP bitmap = VELULoadMemBmp(m_arena.Place(image), (outs & 1) ? &palette : NULL,
                                        (outs & 2) ? &size : NULL);
        if (bitmap != NULL) {
            Paint(bitmap, m_canvas);
            ::DeleteObject(bitmap);
            ++m_counts.loaded;
        } else {
            ++m_counts.refused;
        }
        if (palette != NULL)
            ::DeleteObject(palette);
    }

    void Stream(const Bytes& stream, bool byId, int outs)
    {
        HMODULE module = m_module.Place(stream);
        DWORD size = 0;
        LPBYTE block = byId ? LoadBinaryResource(module, FakeModule::kId, &size)
                            : LoadBinaryResourceName(module, "FUZZ", &size);
        if (block == NULL) {
            ++m_counts.rejected;
            return;
        }
        ++m_counts.inflated;
        if (size >= 2 && block[0] == 'B' && block[1] == 'M')
            Image(Bytes(block, block + size), outs);
        FreeBinaryResource(block);
    }

    void Feed(const Input& in, uint32_t index)
    {
        if (in.isStream) {
            ++m_counts.streams;
            Stream(in.bytes, index & 1, in.palette);
        } else {
            ++m_counts.images;
            Image(in.bytes, in.palette);
        }
    }

private:
    Counts& m_counts;
    Arena m_arena;
    FakeModule m_module;
    vt::MemoryCanvas m_canvas;
};

}  // namespace

void RunRange(const Corpus& corpus, uint64_t seed, uint32_t from, uint32_t to, Counts& counts)
{
    Counts scratch = {};
    {
        // Every base once, so that what the platform makes on first use is not counted.
        Feeder warmUp(scratch);
        for (const Bytes& image : corpus.images)
            warmUp.Image(image, 3);
        for (const Bytes& stream : corpus.streams)
            warmUp.Stream(stream, false, 3);
    }
    Feeder feeder(counts);
    const int gdi = vt::GdiObjectCount();
    const SIZE_T heap = vt::HeapBytesInUse();
    for (uint32_t i = from; i < to; ++i) {
        counts.current = LONG(i);
        feeder.Feed(MakeInput(corpus, seed, i), i);
        counts.done = LONG(i + 1 - from);
    }
    counts.gdiLeak = vt::GdiObjectCount() - gdi;
    counts.heapLeak = LONGLONG(vt::HeapBytesInUse()) - LONGLONG(heap);
    counts.finished = 1;
}

}  // namespace fuzz
