// The fuzz driver: mutated images and compressed streams through the memory
// bitmap loader and the resource loader, every bitmap that loads painted.
// The inputs run in a child process, so that a crash or a hang costs one input
// and is counted. Input i of a seed is the same in every run: a fault printed
// as input i replays with --seed=S --from=i --count=i+1.
//   fuzz_loaders [--count=N] [--seed=S] [--from=I] [--seconds=T]
#include "frame/VeluFrame.h"
#include "frame/VeluFrameInternal.h"
#include "skin/VeluSkin.h"
#include "support/harness.h"
#include "tools/bmpheaders.h"

#include <zlib.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

namespace {

typedef std::vector<BYTE> Bytes;

// Seeded with the seed and the input's index alone, which make the input.
typedef std::mt19937_64 Rng;

uint32_t Below(Rng& rng, size_t n)
{
    return n ? uint32_t(rng() % n) : 0;
}

bool Chance(Rng& rng, uint32_t outOf)
{
    return Below(rng, outOf) == 0;
}

// ---------------------------------------------------------------- the bases

// Where a lie can be told: a header field of an image, or (size 0) the start
// of a block of a compressed stream.
struct Field { size_t at; int size; };
const Field kImageFields[] = {{2, 4}, {10, 4}, {14, 4}, {18, 4}, {22, 4}, {26, 2}, {28, 2}, {30, 4}, {34, 4},
                              {46, 4}, {50, 4}};

struct Base
{
    Bytes bytes;
    std::vector<Field> fields;
};

struct Kind
{
    int width, height, bitCount;
    DWORD compression, clrUsed;   // clrUsed 0: the depth's whole table
    bool topDown;
    std::vector<DWORD> masks;
};
const Kind kKinds[] = {
    {13, 7, 1, BI_RGB, 0, false, {}},  {13, 7, 1, BI_RGB, 0, true, {}},   {9, 5, 4, BI_RGB, 0, false, {}},
    {9, 5, 4, BI_RGB, 5, true, {}},    {7, 6, 8, BI_RGB, 0, false, {}},   {7, 6, 8, BI_RGB, 16, true, {}},
    {6, 4, 16, BI_RGB, 0, false, {}},  {6, 4, 16, BI_BITFIELDS, 0, true, {0xF800, 0x07E0, 0x001F}},
    {5, 4, 24, BI_RGB, 0, false, {}},  {5, 4, 24, BI_RGB, 0, true, {}},   {5, 4, 24, BI_RGB, 7, false, {}},
    {4, 3, 32, BI_RGB, 0, false, {}},  {4, 3, 32, BI_BITFIELDS, 0, true, {0xFF0000, 0xFF00, 0xFF}},
    {16, 8, 8, BI_RLE8, 0, false, {}}, {16, 8, 4, BI_RLE4, 0, false, {}},
};

// Each row: an absolute run of four pixels, encoded runs of three, the end of
// the line; the last line ends the bitmap.
Bytes EncodeRle(const Kind& k)
{
    Bytes out;
    for (int y = 0; y < k.height; ++y) {
        out.insert(out.end(), {0, 4});
        for (int i = 0; i < (k.bitCount == 4 ? 2 : 4); ++i)
            out.push_back(BYTE(y * 37 + i * 11));
        for (int x = 4; x < k.width; x += 3)
            out.insert(out.end(), {BYTE(std::min(3, k.width - x)), BYTE(x * 13 + y)});
        out.insert(out.end(), {0, 0});
    }
    out.back() = 1;
    return out;
}

Bytes MakeImage(const Kind& k)
{
    const DWORD table = k.bitCount <= 8 && !k.clrUsed ? 1u << k.bitCount : k.clrUsed;
    Bytes bits = k.compression == BI_RLE8 || k.compression == BI_RLE4 ? EncodeRle(k) : Bytes();
    for (int y = 0; bits.empty() && y < k.height; ++y) {
        Bytes row(bmp::Stride(k.width, k.bitCount));
        for (int x = 0; x < k.width; ++x) {
            DWORD v = DWORD(x * 2654435761u + y * 40503u) >> 7;
            v = k.bitCount <= 8 ? v % table : k.bitCount < 32 ? v & ((1u << k.bitCount) - 1) : v;
            const int bit = x * k.bitCount;
            for (int i = 0; i < (k.bitCount + 7) / 8; ++i)
                row[bit / 8 + i] |= k.bitCount < 8 ? BYTE(v << (8 - k.bitCount - bit % 8)) : BYTE(v >> (8 * i));
        }
        bits.insert(bits.end(), row.begin(), row.end());
    }
    const DWORD offset = bmp::kFileHeaderSize + bmp::kInfoHeaderSize + DWORD(k.masks.size() + table) * 4;
    Bytes out;
    bmp::PutFileHeader(out, offset + DWORD(bits.size()), offset);
    bmp::PutInfoHeader(out, k.width, k.topDown ? -k.height : k.height, k.bitCount, k.compression,
                       DWORD(bits.size()), k.clrUsed);
    for (DWORD m : k.masks)
        bmp::Put32(out, m);
    for (DWORD i = 0; i < table; ++i)
        bmp::Put32(out, (i * 0x010305 + 0x203040) & 0xFFFFFF);
    out.insert(out.end(), bits.begin(), bits.end());
    return out;
}

// A raw DEFLATE stream flushed every `chunk` bytes, so that each block starts
// on a byte the mutations know.
Base Deflate(const Bytes& data, int level, int strategy, size_t chunk)
{
    Base stream;
    z_stream zs = {};
    deflateInit2(&zs, level, Z_DEFLATED, -MAX_WBITS, 8, strategy);
    stream.bytes.resize(deflateBound(&zs, data.size()) + 64 * (data.size() / chunk + 2));
    zs.next_out = stream.bytes.data();
    zs.avail_out = uInt(stream.bytes.size());
    for (size_t at = 0; at < data.size(); at += chunk) {
        stream.fields.push_back({zs.total_out, 0});
        zs.next_in = const_cast<Bytef*>(data.data() + at);
        zs.avail_in = uInt(std::min(chunk, data.size() - at));
        deflate(&zs, at + chunk >= data.size() ? Z_FINISH : Z_FULL_FLUSH);
    }
    stream.bytes.resize(zs.total_out);
    deflateEnd(&zs);
    return stream;
}

const char* const kCarried[] = {
    VELU_XZP_BTNDEF, VELU_XZP_BTNNORM, VELU_XZP_BTNDIS, VELU_XZP_BTNHOT, VELU_XZP_BTNDOWN, VELU_XZP_CHECK,
    VELU_XZP_DIALOG, VELU_XZP_PROGRESS, VELU_XZP_BALLOON, VELU_XZP_TOOLTIP, VELU_XZP_FLTBARBTN,
};

// Images: one of every depth and layout and the carried skins. Streams: the
// carried resources as stored, and every generated image and the large skins
// packed as stored, fixed and dynamic blocks.
void BuildCorpus(std::vector<Base>& images, std::vector<Base>& streams)
{
    const std::vector<Field> fields(std::begin(kImageFields), std::end(kImageFields));
    for (const Kind& k : kKinds)
        images.push_back({MakeImage(k), fields});
    for (const char* name : kCarried) {
        DWORD size = 0;
        LPBYTE block = LoadBinaryResourceName(g_hVeluInstance, name, &size);
        images.push_back({Bytes(block, block + size), fields});
        FreeBinaryResource(block);
        HRSRC res = ::FindResourceA(g_hVeluInstance, name, VELU_XZP_TYPE);
        const BYTE* stored = static_cast<const BYTE*>(::LockResource(::LoadResource(g_hVeluInstance, res)));
        streams.push_back({Bytes(stored, stored + ::SizeofResource(g_hVeluInstance, res)), {{0, 0}}});
    }
    for (const Base& image : images) {
        if (&image - &images[0] >= int(std::size(kKinds)) && image.bytes.size() < 30000)
            continue;
        for (const auto& p : {std::make_pair(0, size_t(40)), std::make_pair(6, size_t(64)), std::make_pair(9, size_t(500))})
            streams.push_back(Deflate(image.bytes, p.first, p.first == 6 ? Z_FIXED : Z_DEFAULT_STRATEGY, p.second));
    }
}

// ---------------------------------------------------------------- the mutations

const uint32_t kEdges[] = {
    0, 1, 2, 3, 4, 6, 7, 8, 12, 15, 16, 24, 32, 40, 48, 52, 56, 64, 108, 124, 255, 256, 257, 4096, 0x7FFF, 0x8000,
    0xFFFF, 0x10000, 0x1000000, 0x3FFFFFFF, 0x40000000, 0x40000001, 0x7FFFFFFF, 0x80000000, 0xFFFFFFF0, 0xFFFFFFFF,
};

uint32_t Lie(Rng& rng, uint32_t old)
{
    switch (Below(rng, 6)) {
    case 0: return kEdges[Below(rng, std::size(kEdges))];
    case 1: return old + Below(rng, 7) - 3;
    case 2: return old << (1 + Below(rng, 8));
    case 3: return 0u - old;
    case 4: return uint32_t(rng());
    default: return old ^ (1u << Below(rng, 32));
    }
}

// Little-endian fields of 1, 2 or 4 bytes, where they fit.
void Store(Bytes& b, size_t at, int size, uint32_t v)
{
    if (at + size <= b.size())
        std::memcpy(&b[at], &v, size);
}

uint32_t Load(const Bytes& b, size_t at, int size)
{
    uint32_t v = 0;
    if (at + size <= b.size())
        std::memcpy(&v, &b[at], size);
    return v;
}

// Lies in header fields and block headers, bit flips (few in the header: more
// mostly make sizes no header may declare), bytes and escape codes written
// anywhere, the end cut off or grown by a slice of itself or by junk.
void Mutate(Rng& rng, const Base& base, Bytes& b)
{
    switch (Below(rng, 10)) {
    case 0: case 1: case 2: case 3:
        for (uint32_t n = 1 + Below(rng, 3); n > 0; --n) {
            const Field f = base.fields[Below(rng, base.fields.size())];
            if (f.size != 0) {
                Store(b, f.at, f.size, Lie(rng, Load(b, f.at, f.size)));
            } else if (Chance(rng, 2)) {   // another block type, final or not
                b[f.at] = BYTE((b[f.at] & ~7) | Below(rng, 8));
            } else if (f.at + 5 <= b.size()) {   // a stored block whose lengths lie
                b[f.at] = BYTE(b[f.at] & ~6);
                const uint32_t len = Chance(rng, 2) ? Lie(rng, Load(b, f.at + 1, 2)) : Below(rng, 0x10000);
                Store(b, f.at + 1, 2, len);
                Store(b, f.at + 3, 2, Chance(rng, 3) ? uint32_t(rng()) : ~len);
            }
        }
        break;
    case 4: case 5: {
        const size_t span = Chance(rng, 2) ? std::min<size_t>(b.size(), 54 + 1024) : b.size();
        for (uint32_t n = 1 + Below(rng, span == b.size() ? 8 : 2); n > 0; --n)
            b[Below(rng, span)] ^= BYTE(1u << Below(rng, 8));
        break;
    }
    case 6: case 7: {   // past an image's headers, where RLE escapes and runs live
        const size_t first = base.fields[0].size != 0 && b.size() > 56 ? 54 : 0;
        for (uint32_t n = 1 + Below(rng, 4); n > 0; --n)
            Store(b, first + Below(rng, b.size() - first), 2, Chance(rng, 2) ? Below(rng, 3) << 8 : uint32_t(rng()));
        break;
    }
    default:
        if (Chance(rng, 2)) {
            b.resize(1 + Below(rng, b.size()));
        } else {
            const size_t from = Below(rng, b.size());
            Bytes tail(b.begin() + from, b.begin() + std::min(b.size(), from + 1 + Below(rng, 512)));
            for (BYTE& c : tail)
                c = Chance(rng, 2) ? c : BYTE(rng());
            b.insert(b.end(), tail.begin(), tail.end());
        }
    }
}

// ---------------------------------------------------------------- the loaders

const SIZE_T kPage = 0x10000;

// Committed memory followed by a page that faults: a loader that reads past
// what it was given cannot go unnoticed.
class Guarded
{
public:
    explicit Guarded(SIZE_T size)
        : m_size(size), m_base(static_cast<BYTE*>(::VirtualAlloc(NULL, size + kPage, MEM_RESERVE, PAGE_NOACCESS)))
    {
        ::VirtualAlloc(m_base, size, MEM_COMMIT, PAGE_READWRITE);
    }
    ~Guarded() { ::VirtualFree(m_base, 0, MEM_RELEASE); }
    Guarded(const Guarded&) = delete;
    Guarded& operator=(const Guarded&) = delete;

protected:
    SIZE_T m_size;
    BYTE* m_base;
};

// The bitmap loader takes no length and reads what the header declares: an
// image sits at the start of a zero-filled arena as large as the largest
// image the loader accepts.
class Arena : public Guarded
{
public:
    Arena() : Guarded((SIZE_T(256) << 20) + 4 * kPage) {}
    BYTE* Place(const Bytes& bytes)
    {
        const size_t n = std::min<size_t>(bytes.size(), 4 * kPage);
        std::memcpy(m_base, bytes.data(), n);
        std::memset(m_base + n, 0, m_used > n ? m_used - n : 0);
        m_used = n;
        return m_base;
    }

private:
    size_t m_used = 0;
};

// A module image in memory with one resource of the library's type, id 7,
// whose bytes end where the faulting page begins: the headers hold just what
// the platform reads to find a resource.
class FakeModule : public Guarded
{
public:
    static const WORD kId = 7;

    FakeModule() : Guarded(32 * kPage)
    {
        auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(m_base);
        dos->e_magic = IMAGE_DOS_SIGNATURE;
        dos->e_lfanew = 0x80;
        auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(m_base + dos->e_lfanew);
        nt->Signature = IMAGE_NT_SIGNATURE;
        nt->OptionalHeader.Magic = IMAGE_NT_OPTIONAL_HDR_MAGIC;
        nt->OptionalHeader.NumberOfRvaAndSizes = IMAGE_NUMBEROF_DIRECTORY_ENTRIES;
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_RESOURCE] = {kDir, 0x100};
        // root -> the type, named -> id 7 -> the neutral language -> the data entry
        const DWORD type = 0x18, lang = 0x30, name = 0x60;
        Directory(0, 1, 0x80000000 | name, 0x80000000 | type);
        Directory(type, 0, kId, 0x80000000 | lang);
        Directory(lang, 0, 0, 0x48);
        m_entry = reinterpret_cast<IMAGE_RESOURCE_DATA_ENTRY*>(m_base + kDir + 0x48);
        WORD* text = reinterpret_cast<WORD*>(m_base + kDir + name);   // names are kept in upper case
        text[0] = WORD(std::strlen(VELU_XZP_TYPE));
        for (WORD i = 0; i < text[0]; ++i)
            text[1 + i] = WORD(std::toupper(VELU_XZP_TYPE[i]));
    }
    HMODULE Place(const Bytes& stream)
    {
        m_entry->Size = DWORD(std::min<size_t>(stream.size(), m_size - 2 * kPage));
        m_entry->OffsetToData = DWORD(m_size) - m_entry->Size;
        std::memcpy(m_base + m_entry->OffsetToData, stream.data(), m_entry->Size);
        return reinterpret_cast<HMODULE>(m_base);
    }

private:
    static const DWORD kDir = 0x400;
    // A directory with one entry, named or by id.
    void Directory(DWORD at, WORD named, DWORD name, DWORD offset)
    {
        auto* d = reinterpret_cast<IMAGE_RESOURCE_DIRECTORY*>(m_base + kDir + at);
        d->NumberOfNamedEntries = named;
        d->NumberOfIdEntries = WORD(1 - named);
        reinterpret_cast<DWORD*>(d + 1)[0] = name;
        reinterpret_cast<DWORD*>(d + 1)[1] = offset;
    }
    IMAGE_RESOURCE_DATA_ENTRY* m_entry = nullptr;
};

// What the driver and its children share, counted over the whole run.
struct Shared
{
    volatile LONG current, done, stop;
    LONG fed[2], made[2], refused[2];   // per loader: images, streams
    LONG gdiLeak;
    LONGLONG heapLeak;
};

class Feeder
{
public:
    Feeder() : m_canvas(64, 64) {}

    // The bitmap loader (0) takes images, the resource loader (1) streams;
    // true when the loader made something. outs: bit 0 asks for a palette,
    // bit 1 for the size.
    bool Feed(int loader, const Bytes& bytes, int outs) { return loader ? Stream(bytes, outs) : Image(bytes, outs); }

private:
    bool Image(const Bytes& image, int outs)
    {
        HPALETTE palette = NULL;
        SIZE size;
        HBITMAP bitmap = VELULoadMemBmp(m_arena.Place(image), outs & 1 ? &palette : NULL, outs & 2 ? &size : NULL);
        // Painted the ways the library does: blitted, stretched, as a nine-grid
        // skin, and sampled when its scan line fits the sampler.
        BITMAP bm = {};
        if (bitmap != NULL && ::GetObject(bitmap, sizeof(bm), &bm)) {
            HDC dc = ::CreateCompatibleDC(m_canvas);
            HGDIOBJ old = ::SelectObject(dc, bitmap);
            ::BitBlt(m_canvas, 0, 0, 64, 64, dc, 0, 0, SRCCOPY);
            ::StretchBlt(m_canvas, 0, 0, 48, 48, dc, 0, 0, bm.bmWidth, bm.bmHeight, SRCCOPY);
            ::SelectObject(dc, old);
            ::DeleteDC(dc);
            const RECT rc = {4, 4, 60, 40};
            CRoundBitmap().ShowMe(m_canvas, &rc, bitmap, g_nStdCornerInsets, kStdCornerSize);
            if (LONGLONG(bm.bmWidth) * bm.bmBitsPixel * bm.bmPlanes <= 8 * 4096)
                GetBmpPixelColor(m_canvas, bitmap, 0, bm.bmWidth / 2);
        }
        ::DeleteObject(bitmap);
        ::DeleteObject(palette);
        return bitmap != NULL;
    }
    // An image inflated is fed to the bitmap loader as the library does.
    bool Stream(const Bytes& stream, int outs)
    {
        DWORD size = 0;
        LPBYTE block = LoadBinaryResource(m_module.Place(stream), FakeModule::kId, &size);
        if (size >= 2 && block[0] == 'B' && block[1] == 'M')
            Image(Bytes(block, block + size), outs);
        FreeBinaryResource(block);
        return block != NULL;
    }

    Arena m_arena;
    FakeModule m_module;
    vt::MemoryCanvas m_canvas;
};

void RunChild(Shared& s, uint64_t seed, uint32_t from, uint32_t to)
{
    std::vector<Base> bases[2];
    BuildCorpus(bases[0], bases[1]);
    Feeder feeder;
    for (int loader = 0; loader < 2; ++loader) {   // every base once: what the platform makes on first use is not counted
        for (const Base& base : bases[loader])
            feeder.Feed(loader, base.bytes, 3);
    }
    const int gdi = vt::GdiObjectCount();
    const SIZE_T heap = vt::HeapBytesInUse();
    for (uint32_t i = from; i < to && !s.stop; ++i) {
        s.current = LONG(i);
        Rng rng(seed * 0x2545F4914F6CDD1Dull + i);
        const int loader = Chance(rng, 4) ? 1 : 0;   // one input in four is a stream
        const Base& base = bases[loader][Below(rng, bases[loader].size())];
        Bytes bytes = base.bytes;
        Mutate(rng, base, bytes);
        ++s.fed[loader];
        ++(feeder.Feed(loader, bytes, int(Below(rng, 4))) ? s.made : s.refused)[loader];
        ++s.done;
    }
    s.gdiLeak += vt::GdiObjectCount() - gdi;
    s.heapLeak += LONGLONG(vt::HeapBytesInUse()) - LONGLONG(heap);
}

// A crash in the child ends it at once, with no debugger and no dialog.
LONG WINAPI Die(EXCEPTION_POINTERS* info)
{
    ::TerminateProcess(::GetCurrentProcess(), info->ExceptionRecord->ExceptionCode);
    return EXCEPTION_EXECUTE_HANDLER;
}

}  // namespace

int main(int argc, char** argv)
{
    unsigned long long seed = 1, count = 100000, from = 0, seconds = 0;
    const DWORD kHangMs = 20000;   // a child that feeds nothing for this long hangs
    char child[64] = "";
    for (int i = 1; i < argc; ++i) {
        const char* a = argv[i];
        if (!std::sscanf(a, "--seed=%llu", &seed) && !std::sscanf(a, "--count=%llu", &count) &&
            !std::sscanf(a, "--from=%llu", &from) && !std::sscanf(a, "--seconds=%llu", &seconds) &&
            !std::sscanf(a, "--child=%63s", child)) {
            std::fprintf(stderr, "usage: fuzz_loaders [--count=N] [--seed=S] [--from=I] [--seconds=T]\n");
            return 2;
        }
    }
    if (child[0] != '\0') {
        ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
        ::SetUnhandledExceptionFilter(Die);
        HANDLE map = ::OpenFileMappingA(FILE_MAP_WRITE, FALSE, child);
        Shared* s = map ? static_cast<Shared*>(::MapViewOfFile(map, FILE_MAP_WRITE, 0, 0, 0)) : NULL;
        if (s == NULL)
            return 3;
        RunChild(*s, seed, uint32_t(from), uint32_t(count));
        return 0;
    }

    // The driver: a child on what is left of the range, again after every
    // fault or hang, until the range or the time is used up.
    const std::string name = "VeluFuzz-" + std::to_string(::GetCurrentProcessId());
    HANDLE map = ::CreateFileMappingA(INVALID_HANDLE_VALUE, NULL, PAGE_READWRITE, 0, sizeof(Shared), name.c_str());
    Shared* s = static_cast<Shared*>(::MapViewOfFile(map, FILE_MAP_WRITE, 0, 0, 0));   // zero-filled
    char exe[MAX_PATH];
    ::GetModuleFileNameA(NULL, exe, MAX_PATH);
    LONG faults = 0, hangs = 0;
    const DWORD start = ::GetTickCount();
    for (uint64_t next = from; next < count && !s->stop;) {
        s->current = LONG(next);
        std::string cmd = "\"" + std::string(exe) + "\" --child=" + name + " --seed=" + std::to_string(seed) +
                          " --count=" + std::to_string(count) + " --from=" + std::to_string(next);
        STARTUPINFOA si = {sizeof(si)};
        PROCESS_INFORMATION pi = {};
        if (!::CreateProcessA(NULL, &cmd[0], NULL, NULL, FALSE, 0, NULL, NULL, &si, &pi)) {
            std::printf("fuzz: cannot start the child (%lu)\n", ::GetLastError());
            return 2;
        }
        LONG seen = -1;
        DWORD still = ::GetTickCount();
        bool hung = false;
        while (::WaitForSingleObject(pi.hProcess, 100) == WAIT_TIMEOUT) {
            if (seconds && ::GetTickCount() - start > seconds * 1000)
                s->stop = 1;
            if (s->done != seen) {
                seen = s->done;
                still = ::GetTickCount();
            } else if (::GetTickCount() - still > kHangMs) {
                hung = true;
                ::TerminateProcess(pi.hProcess, 1);
                ::WaitForSingleObject(pi.hProcess, INFINITE);
            }
        }
        DWORD code = 0;
        ::GetExitCodeProcess(pi.hProcess, &code);
        ::CloseHandle(pi.hThread);
        ::CloseHandle(pi.hProcess);
        if (code == 0 && !hung)
            break;
        ++(hung ? hangs : faults);
        std::printf("fuzz: input %ld %s (exit 0x%08lX)\n", s->current, hung ? "hangs" : "faults", code);
        next = uint64_t(s->current) + 1;
    }
    std::printf("fuzz: seed %llu, %ld inputs from %llu in %.1f s%s\n", seed, s->fed[0] + s->fed[1], from,
                (::GetTickCount() - start) / 1000.0, s->stop ? " (time budget reached)" : "");
    std::printf("fuzz: %ld images, %ld streams; bitmaps loaded %ld, refused %ld; streams inflated %ld, rejected %ld\n",
                s->fed[0], s->fed[1], s->made[0], s->refused[0], s->made[1], s->refused[1]);
    std::printf("fuzz: faults %ld, hangs %ld, leaked GDI objects %ld, leaked heap bytes %lld\n", faults, hangs,
                s->gdiLeak, (long long)s->heapLeak);
    return faults || hangs || s->gdiLeak || s->heapLeak ? 1 : 0;
}
