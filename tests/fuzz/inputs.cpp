// The fuzz inputs: base images of every depth and layout, the library's own
// skins and streams, and the mutations made of them.
#include "fuzz.h"

#include "frame/VeluFrame.h"
#include "tools/bmpheaders.h"

#include <zlib.h>

#include <cstring>

namespace fuzz {

uint64_t Rng::Next()
{
    uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

namespace {

// One image kind: size, depth, compression and how the file lays it out.
struct Kind
{
    int width, height, bitCount;
    DWORD compression;
    DWORD clrUsed;                // 0: the depth's full table
    bool topDown;
    std::vector<DWORD> masks;     // bit fields, written before the table
};

DWORD PixelValue(int x, int y, int bitCount)
{
    const DWORD v = DWORD(x * 2654435761u + y * 40503u) >> 7;
    return bitCount >= 32 ? v : v & ((1u << bitCount) - 1);
}

void PutPixel(Bytes& row, int x, int bitCount, DWORD v)
{
    if (bitCount < 8) {
        const int bit = x * bitCount;
        row[bit / 8] |= BYTE(v << (8 - bitCount - bit % 8));
        return;
    }
    for (int i = 0; i < bitCount / 8; ++i)
        row[x * bitCount / 8 + i] = BYTE(v >> (8 * i));
}

// Runs of one colour, an absolute run in the middle of every row, the end of
// each line and of the bitmap: the encoded forms of RLE8 and RLE4.
Bytes EncodeRle(const Kind& k)
{
    Bytes out;
    const bool four = k.bitCount == 4;
    for (int y = 0; y < k.height; ++y) {
        for (int x = 0; x < k.width;) {
            const int n = std::min(k.width - x, 3 + (x + y) % 5);
            if (x == 4 && n >= 4) {   // absolute mode, padded to a word
                out.insert(out.end(), {0, BYTE(n)});
                const int bytes = four ? (n + 1) / 2 : n;
                for (int i = 0; i < bytes; ++i)
                    out.push_back(BYTE(PixelValue(x + i, y, 8)));
                if (bytes % 2)
                    out.push_back(0);
            } else {
                out.insert(out.end(), {BYTE(n), BYTE(PixelValue(x, y, 8))});
            }
            x += n;
        }
        out.insert(out.end(), {0, 0});
    }
    out.insert(out.end(), {0, 1});
    return out;
}

Bytes MakeImage(const Kind& k)
{
    const int tableSize = k.bitCount <= 8 ? int(k.clrUsed ? k.clrUsed : 1u << k.bitCount) : int(k.clrUsed);
    Bytes bits;
    if (k.compression == BI_RLE8 || k.compression == BI_RLE4) {
        bits = EncodeRle(k);
    } else {
        const int stride = bmp::Stride(k.width, k.bitCount);
        for (int y = 0; y < k.height; ++y) {
            Bytes row(stride);
            for (int x = 0; x < k.width; ++x)
                PutPixel(row, x, k.bitCount, PixelValue(x, y, k.bitCount) % (tableSize && k.bitCount <= 8 ? tableSize : 0xFFFFFFFFu));
            bits.insert(bits.end(), row.begin(), row.end());
        }
    }
    const DWORD offset = bmp::kFileHeaderSize + bmp::kInfoHeaderSize + DWORD(k.masks.size() + tableSize) * 4;
    Bytes out;
    bmp::PutFileHeader(out, offset + DWORD(bits.size()), offset);
    bmp::PutInfoHeader(out, k.width, k.topDown ? -k.height : k.height, k.bitCount, k.compression,
                       DWORD(bits.size()), k.clrUsed);
    for (DWORD m : k.masks)
        bmp::Put32(out, m);
    for (int i = 0; i < tableSize; ++i)
        bmp::Put32(out, DWORD(i * 0x010305 + 0x203040) & 0xFFFFFF);
    out.insert(out.end(), bits.begin(), bits.end());
    return out;
}

const std::vector<Kind>& Kinds()
{
    static const std::vector<Kind> kinds = {
        {13, 7, 1, BI_RGB, 0, false, {}},        {13, 7, 1, BI_RGB, 0, true, {}},
        {9, 5, 4, BI_RGB, 0, false, {}},         {9, 5, 4, BI_RGB, 5, true, {}},
        {7, 6, 8, BI_RGB, 0, false, {}},         {7, 6, 8, BI_RGB, 16, true, {}},
        {6, 4, 16, BI_RGB, 0, false, {}},        {6, 4, 16, BI_BITFIELDS, 0, true, {0xF800, 0x07E0, 0x001F}},
        {5, 4, 24, BI_RGB, 0, false, {}},        {5, 4, 24, BI_RGB, 0, true, {}},
        {4, 3, 32, BI_RGB, 0, false, {}},        {4, 3, 32, BI_BITFIELDS, 0, true, {0xFF0000, 0xFF00, 0xFF}},
        {16, 8, 8, BI_RLE8, 0, false, {}},       {16, 8, 4, BI_RLE4, 0, false, {}},
        {5, 4, 24, BI_RGB, 7, false, {}},        // a deep image carrying a table of 7
    };
    return kinds;
}

const char* const kCarried[] = {
    VELU_XZP_BTNDEF, VELU_XZP_BTNNORM, VELU_XZP_BTNDIS, VELU_XZP_BTNHOT, VELU_XZP_BTNDOWN, VELU_XZP_CHECK,
    VELU_XZP_DIALOG, VELU_XZP_PROGRESS, VELU_XZP_BALLOON, VELU_XZP_TOOLTIP, VELU_XZP_FLTBARBTN,
};

// A raw DEFLATE stream flushed every `chunk` input bytes; each flush ends on a
// byte boundary, so the next block starts at a known offset.
Bytes Deflate(const Bytes& data, int level, int strategy, size_t chunk, std::vector<size_t>& starts)
{
    z_stream zs = {};
    deflateInit2(&zs, level, Z_DEFLATED, -MAX_WBITS, 8, strategy);
    Bytes out(deflateBound(&zs, data.size()) + 64 * (data.size() / chunk + 2));
    zs.next_out = out.data();
    zs.avail_out = uInt(out.size());
    starts.assign(1, 0);
    for (size_t at = 0; at < data.size(); at += chunk) {
        const size_t n = std::min(chunk, data.size() - at);
        zs.next_in = const_cast<Bytef*>(data.data() + at);
        zs.avail_in = uInt(n);
        const bool last = at + n == data.size();
        deflate(&zs, last ? Z_FINISH : Z_FULL_FLUSH);
        if (!last)
            starts.push_back(zs.total_out);
    }
    out.resize(zs.total_out);
    deflateEnd(&zs);
    return out;
}

// Field offsets in a BMP file that a lie can be told in, and their sizes.
struct Field { int offset, size; };
const Field kFields[] = {
    {2, 4}, {10, 4}, {14, 4}, {18, 4}, {22, 4}, {26, 2}, {28, 2}, {30, 4}, {34, 4}, {46, 4}, {50, 4},
};

const uint32_t kEdges[] = {
    0, 1, 2, 3, 4, 6, 7, 8, 12, 15, 16, 24, 32, 40, 48, 52, 56, 64, 108, 124, 255, 256, 257, 4096,
    0x7FFF, 0x8000, 0xFFFF, 0x10000, 0x1000000, 0x3FFFFFFF, 0x40000000, 0x40000001,
    0x7FFFFFFF, 0x80000000, 0xFFFFFFF0, 0xFFFFFFFE, 0xFFFFFFFF,
};

uint32_t Lie(Rng& rng, uint32_t old)
{
    switch (rng.Below(6)) {
    case 0: return kEdges[rng.Below(sizeof(kEdges) / sizeof(kEdges[0]))];
    case 1: return old + rng.Below(7) - 3;
    case 2: return old << (1 + rng.Below(8));
    case 3: return 0u - old;
    case 4: return uint32_t(rng.Next());
    default: return old ^ (1u << rng.Below(32));
    }
}

void Store(Bytes& b, size_t at, int size, uint32_t v)
{
    for (int i = 0; i < size && at + i < b.size(); ++i)
        b[at + i] = BYTE(v >> (8 * i));
}

uint32_t Load(const Bytes& b, size_t at, int size)
{
    uint32_t v = 0;
    for (int i = 0; i < size && at + i < b.size(); ++i)
        v |= uint32_t(b[at + i]) << (8 * i);
    return v;
}

void FlipBits(Rng& rng, Bytes& b, size_t span, uint32_t most = 8)
{
    for (uint32_t n = 1 + rng.Below(most); n > 0 && span > 0; --n)
        b[rng.Below(uint32_t(span))] ^= BYTE(1u << rng.Below(8));
}

void Overwrite(Rng& rng, Bytes& b)
{
    const size_t at = rng.Below(uint32_t(b.size()));
    for (uint32_t n = 1 + rng.Below(16); n > 0 && at + n <= b.size(); --n)
        b[at + n - 1] = BYTE(rng.Next());
}

void Reshape(Rng& rng, Bytes& b)
{
    if (rng.Chance(2)) {
        b.resize(1 + rng.Below(uint32_t(b.size())));
    } else {   // a slice of itself appended, or junk
        const size_t from = rng.Below(uint32_t(b.size()));
        Bytes tail(b.begin() + from, b.begin() + std::min(b.size(), from + 1 + rng.Below(512)));
        if (rng.Chance(2))
            for (BYTE& c : tail)
                c = BYTE(rng.Next());
        b.insert(b.end(), tail.begin(), tail.end());
    }
}

void MutateImage(Rng& rng, Bytes& b)
{
    const uint32_t header = std::min<uint32_t>(uint32_t(b.size()), 54 + 1024);
    switch (rng.Below(10)) {
    case 0: case 1: case 2: case 3:
        for (uint32_t n = 1 + rng.Below(3); n > 0; --n) {
            const Field f = kFields[rng.Below(sizeof(kFields) / sizeof(kFields[0]))];
            Store(b, f.offset, f.size, Lie(rng, Load(b, f.offset, f.size)));
        }
        break;
    case 4: case 5:
        // Few flips in the header: more would mostly make sizes no header may declare.
        if (rng.Chance(2))
            FlipBits(rng, b, header, 2);
        else
            FlipBits(rng, b, b.size());
        break;
    case 6:
        Overwrite(rng, b);
        break;
    case 7:
        Reshape(rng, b);
        break;
    default:   // escapes and runs written anywhere into the bits (RLE or not)
        for (uint32_t n = 1 + rng.Below(4); n > 0; --n) {
            const size_t at = 54 + rng.Below(uint32_t(b.size() > 56 ? b.size() - 56 : 1));
            Store(b, at, 2, rng.Chance(2) ? uint32_t(rng.Below(3)) << 8 : uint32_t(rng.Next()));
        }
        FlipBits(rng, b, header, 2);
        break;
    }
}

void MutateStream(Rng& rng, Bytes& b, const std::vector<size_t>& starts)
{
    const size_t start = starts[rng.Below(uint32_t(starts.size()))];
    switch (rng.Below(7)) {
    case 0: case 1:
        FlipBits(rng, b, b.size());
        break;
    case 2:   // another block type, final or not
        if (start < b.size())
            b[start] = BYTE((b[start] & ~7) | rng.Below(8));
        break;
    case 3:   // a stored block whose lengths lie
        if (start + 5 <= b.size()) {
            b[start] = BYTE(b[start] & ~6);
            const uint32_t len = rng.Chance(2) ? Lie(rng, Load(b, start + 1, 2)) : rng.Below(0x10000);
            Store(b, start + 1, 2, len);
            Store(b, start + 3, 2, rng.Chance(3) ? uint32_t(rng.Next()) : ~len);
        }
        break;
    case 4:
        Reshape(rng, b);
        break;
    default:
        Overwrite(rng, b);
        break;
    }
}

}  // namespace

Corpus BuildCorpus()
{
    Corpus c;
    for (const Kind& k : Kinds())
        c.images.push_back(MakeImage(k));
    for (const char* name : kCarried) {
        DWORD size = 0;
        LPBYTE block = LoadBinaryResourceName(g_hVeluInstance, name, &size);
        if (block != NULL)
            c.images.emplace_back(block, block + size);
        FreeBinaryResource(block);
        HRSRC res = ::FindResourceA(g_hVeluInstance, name, VELU_XZP_TYPE);
        const BYTE* stored = res ? static_cast<const BYTE*>(::LockResource(::LoadResource(g_hVeluInstance, res))) : NULL;
        if (stored != NULL) {
            c.streams.emplace_back(stored, stored + ::SizeofResource(g_hVeluInstance, res));
            c.blockStarts.push_back({0});
        }
    }
    // Every generated image and a large skin as stored, fixed and dynamic blocks.
    const struct { int level, strategy; size_t chunk; } packings[] = {
        {0, Z_DEFAULT_STRATEGY, 40}, {6, Z_FIXED, 64}, {9, Z_DEFAULT_STRATEGY, 500},
    };
    const size_t generated = Kinds().size();
    for (size_t i = 0; i < c.images.size(); ++i) {
        if (i >= generated && c.images[i].size() < 30000)
            continue;
        for (const auto& p : packings) {
            std::vector<size_t> starts;
            c.streams.push_back(Deflate(c.images[i], p.level, p.strategy, p.chunk, starts));
            c.blockStarts.push_back(starts);
        }
    }
    return c;
}

Input MakeInput(const Corpus& corpus, uint64_t seed, uint32_t index)
{
    Rng rng(seed * 0x2545F4914F6CDD1Dull + index);
    Input in;
    in.isStream = rng.Chance(4);
    in.palette = int(rng.Below(4));
    if (in.isStream) {
        const uint32_t pick = rng.Below(uint32_t(corpus.streams.size()));
        in.bytes = corpus.streams[pick];
        MutateStream(rng, in.bytes, corpus.blockStarts[pick]);
    } else {
        in.bytes = corpus.images[rng.Below(uint32_t(corpus.images.size()))];
        MutateImage(rng, in.bytes);
    }
    return in;
}

}  // namespace fuzz
