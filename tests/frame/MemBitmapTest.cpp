// MemBitmapTest.cpp - BMP file images in memory turned into bitmaps, and single pixels sampled back.
#include "FrameTestSupport.h"

#include "frame/VeluFrameInternal.h"

#include <algorithm>
#include <cstring>

using frametest::BmpShape;
using frametest::Bytes;
using vt::ColourText;

namespace {

const COLORREF kOrange = RGB(250, 140, 20), kTeal = RGB(10, 130, 140);

// 48 x 4, 24 bpp: teal everywhere except column 24 of the bottom row.
BmpShape Wide24(DWORD bitsOffsetField = 0, bool topDown = false)
{
    std::vector<COLORREF> marked(48, kTeal);
    marked[24] = kOrange;
    const Bytes plain = frametest::Row24(std::vector<COLORREF>(48, kTeal));
    BmpShape shape(48, 4, 24, {plain, plain, plain, frametest::Row24(marked)});
    shape.bitsOffsetField = bitsOffsetField;
    shape.topDown = topDown;
    return shape;
}

// 16 bpp with 5-6-5 bit-field masks: pixel 2 of the one row is pure red.
BmpShape BitFields565()
{
    BmpShape shape(4, 1, 16, {Bytes{0, 0, 0, 0, 0x00, 0xF8, 0, 0}});
    shape.compression = BI_BITFIELDS;
    shape.masks = {0xF800, 0x07E0, 0x001F};
    return shape;
}

COLORREF Sample(HBITMAP bitmap, int scanLine, int column)
{
    vt::WindowDC screen(NULL);
    return GetBmpPixelColor(screen, bitmap, scanLine, column);
}

COLORREF ColourOf(const RGBQUAD& q)
{
    return RGB(q.rgbRed, q.rgbGreen, q.rgbBlue);
}

// A colour table of n entries, entry i made by make(i).
template <class Make>
std::vector<RGBQUAD> Table(int n, Make make)
{
    std::vector<RGBQUAD> table;
    for (int i = 0; i < n; ++i)
        table.push_back(make(i));
    return table;
}

// A DIB section made from a BMP image, so that it keeps the image's depth.
HBITMAP MakeSection(const BmpShape& shape)
{
    const Bytes image = frametest::BuildBmp(shape);
    void* bits = nullptr;
    const BITMAPINFO* info = reinterpret_cast<const BITMAPINFO*>(&image[sizeof(BITMAPFILEHEADER)]);
    HBITMAP section = ::CreateDIBSection(NULL, info, DIB_RGB_COLORS, &bits, NULL, 0);
    if (section) {
        const BITMAPFILEHEADER* file = reinterpret_cast<const BITMAPFILEHEADER*>(image.data());
        std::copy(image.begin() + file->bfOffBits, image.end(), static_cast<BYTE*>(bits));
        ::GdiFlush();
    }
    return section;
}

}  // namespace

// The bits are found behind the header and its masks whatever the offset
// field says; size-out and the bitmap's dimension keep the header's sign.
TEST(MemoryBitmap, BitsAreFoundBehindTheHeaderAndTheSizeIsReported)
{
    struct Pixel { int scanLine, column; COLORREF colour; };
    struct Case { const char* what; BmpShape shape; SIZE size; std::vector<Pixel> pixels; };
    const std::vector<Pixel> marked = {{0, 24, kOrange}, {0, 23, kTeal}, {3, 24, kTeal}};
    const std::vector<Case> cases = {
        {"offset field 1", Wide24(1), {48, 4}, marked},
        {"offset field 9999", Wide24(9999), {48, 4}, marked},
        {"offset field 0xFFFFFFF0", Wide24(0xFFFFFFF0u), {48, 4}, marked},
        // The marked row is the last one in a top-down file, still the bottom one on screen.
        {"top-down", Wide24(0, true), {48, -4}, marked},
        {"bit fields", BitFields565(), {4, 1}, {{0, 2, RGB(255, 0, 0)}, {0, 1, RGB(0, 0, 0)}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Bytes image = frametest::BuildBmp(c.shape);
        SIZE size = {};
        HPALETTE none = reinterpret_cast<HPALETTE>(0x1234);
        vt::GdiObject bitmap(VELULoadMemBmp(const_cast<BYTE*>(image.data()), &none, &size));
        ASSERT_NE(nullptr, bitmap.get());
        EXPECT_EQ(nullptr, none) << "no colour table, no palette";
        EXPECT_EQ(c.size.cx, size.cx);
        EXPECT_EQ(c.size.cy, size.cy);
        SIZE dimension = {};
        ASSERT_TRUE(::GetBitmapDimensionEx(bitmap.bitmap(), &dimension));
        EXPECT_EQ(c.size.cx, dimension.cx);
        EXPECT_EQ(c.size.cy, dimension.cy);
        for (const Pixel& p : c.pixels)
            EXPECT_EQ(ColourText(p.colour), ColourText(Sample(bitmap.bitmap(), p.scanLine, p.column)))
                << "scan line " << p.scanLine << ", column " << p.column;
    }
}

TEST(MemoryBitmap, OnlyAnImageWithAColourTableGetsAPaletteOfTheColoursItUses)
{
    // (Images without a table get none: BitsAreFoundBehindTheHeaderAndTheSizeIsReported.)
    // 8 bpp, 16 colours used; pixel (x, y) has index (x + y) % 16.
    const BmpShape shape(8, 2, 8, {{0, 1, 2, 3, 4, 5, 6, 7}, {1, 2, 3, 4, 5, 6, 7, 8}},
                         Table(16, [](int i) { return RGBQUAD{BYTE(i * 3), BYTE(100 + i), BYTE(255 - i * 10), 0}; }), 16);
    Bytes image = frametest::BuildBmp(shape);
    HPALETTE palette = NULL;
    vt::GdiObject bitmap(VELULoadMemBmp(image.data(), &palette, NULL));
    vt::GdiObject paletteOwner(palette);
    ASSERT_NE(nullptr, bitmap.get());
    ASSERT_NE(nullptr, palette);
    WORD entries = 0;
    ASSERT_TRUE(::GetObject(palette, sizeof(entries), &entries));
    EXPECT_EQ(16, entries);
    PALETTEENTRY entry = {};
    ASSERT_EQ(1u, ::GetPaletteEntries(palette, 5, 1, &entry));
    EXPECT_EQ(ColourText(ColourOf(shape.colourTable[5])), ColourText(RGB(entry.peRed, entry.peGreen, entry.peBlue)));
    EXPECT_EQ(0, entry.peFlags);
    // The bits sit right behind the 16 used entries: pixel (3, top row) has index 3.
    EXPECT_EQ(ColourText(ColourOf(shape.colourTable[3])), ColourText(Sample(bitmap.bitmap(), 1, 3)));
    // (That loading leaves only the bitmap and the palette behind is counted by the fuzz.)
}

// Each depth decodes its pixel as the platform's DIB layout stores it.
TEST(PixelSampling, EveryDepthDecodesTheStoredPixel)
{
    const auto table2 = Table(2, [](int i) { return i ? RGBQUAD{50, 100, 200, 0} : RGBQUAD{30, 20, 10, 0}; });
    const auto table16 = Table(16, [](int i) { return RGBQUAD{BYTE(16 * i), BYTE(200 - 5 * i), BYTE(7 * i), 0}; });
    const auto table256 = Table(256, [](int i) { return RGBQUAD{BYTE(i), BYTE(255 - i), BYTE(i / 2), 0}; });
    // line: the start of scan line 2; differsFromZeroBits: whether an all-zero scan line gives another colour.
    struct Case { const char* what; WORD bitCount; std::vector<RGBQUAD> table; Bytes line; int column; COLORREF expected; bool differsFromZeroBits; };
    const std::vector<Case> cases = {
        {"1 bpp, column 10 is bit 5 of byte 1", 1, table2, {0x00, 0x20}, 10, ColourOf(table2[1]), true},
        {"1 bpp, column 9 is clear", 1, table2, {0x00, 0x20}, 9, ColourOf(table2[0]), false},
        {"4 bpp, even column takes the high nibble", 4, table16, {0x00, 0x00, 0x9C}, 4, ColourOf(table16[9]), true},
        {"4 bpp, odd column takes the low nibble", 4, table16, {0x00, 0x00, 0x9C}, 5, ColourOf(table16[12]), true},
        {"8 bpp", 8, table256, {0, 0, 0, 77}, 3, ColourOf(table256[77]), true},
        {"16 bpp, 0x7FFF is 248 grey", 16, {}, {0, 0, 0, 0, 0xFF, 0x7F}, 2, RGB(248, 248, 248), true},
        {"16 bpp, red bits", 16, {}, {0x00, 0x7C}, 0, RGB(248, 0, 0), true},
        {"16 bpp, green bits", 16, {}, {0xE0, 0x03}, 0, RGB(0, 248, 0), true},
        {"24 bpp, blue green red", 24, {}, {0, 0, 0, 0x11, 0x22, 0x33}, 1, RGB(0x33, 0x22, 0x11), true},
        {"32 bpp", 32, {}, {0, 0, 0, 0, 0x44, 0x55, 0x66, 0x00}, 1, RGB(0x66, 0x55, 0x44), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        // Scan line 2 counts from the bottom.
        vt::GdiObject section(MakeSection(BmpShape(24, 4, c.bitCount, {{}, c.line, {}, {}}, c.table)));
        ASSERT_NE(nullptr, section.get());
        EXPECT_EQ(ColourText(c.expected), ColourText(Sample(section.bitmap(), 2, c.column)));
        if (c.differsFromZeroBits) {
            EXPECT_NE(ColourText(c.expected), ColourText(Sample(section.bitmap(), 1, c.column)))
                << "another scan line must not give the marked pixel";
        }
    }
    EXPECT_EQ(RGB(0, 0, 0), Sample(NULL, 0, 0)) << "an unreadable bitmap samples black";
}

// A header that declares what no image has is refused before anything is
// made: the platform would follow it far outside the caller's buffer.
TEST(MemoryBitmap, ImpossibleHeadersAreRefusedAndRealVariantsStillLoad)
{
    auto wide8 = [] { return BmpShape(8, 2, 8, {Bytes(8, 1), Bytes(8, 2)}, std::vector<RGBQUAD>(16, {1, 2, 3, 0}), 16); };
    // Offsets into the file: 0 signature, 14 header size, 18 width, 22 height, 28 depth,
    // 30 compression, 34 image size, 46 colours used.
    struct Case { const char* what; BmpShape shape; std::vector<std::pair<int, DWORD>> fields; bool loads; };
    const std::vector<Case> cases = {
        {"V2 header", Wide24(), {{14, 52}}, true},   {"V3 header", Wide24(), {{14, 56}}, true},
        {"OS/2 header", Wide24(), {{14, 64}}, true}, {"V4 header", Wide24(), {{14, 108}}, true},
        {"V5 header", Wide24(), {{14, 124}}, true},  {"all 256 colours of a table", wide8(), {{46, 256}}, true},
        {"a deep image with a table of 256", Wide24(), {{46, 256}}, true},
        {"an \"MB\" signature", Wide24(), {{0, 0x424D}}, false}, {"core header", Wide24(), {{14, 12}}, false},
        {"header size 41", Wide24(), {{14, 41}}, false}, {"header size of 700 MB", Wide24(), {{14, 700000000}}, false},
        {"header size -40", Wide24(), {{14, 0xFFFFFFD8}}, false}, {"257 colours of 8 bits", wide8(), {{46, 257}}, false},
        {"17 colours of 4 bits", wide8(), {{28, 4}, {46, 17}}, false}, {"a deep table of 257", Wide24(), {{46, 257}}, false},
        {"a table whose offset wraps", Wide24(), {{46, 0x40000000}}, false}, {"width 0", Wide24(), {{18, 0}}, false},
        {"width -48", Wide24(), {{18, DWORD(-48)}}, false}, {"height 0", Wide24(), {{22, 0}}, false},
        {"rows whose size wraps", Wide24(), {{18, 0x10000}, {22, 0x10000}}, false},
        {"a screen bitmap past 64 MB", Wide24(), {{18, 4097}, {22, 4096}}, false},
        {"depth 0", Wide24(), {{28, 0}}, false}, {"depth 2", Wide24(), {{28, 2}}, false},
        {"depth 48", Wide24(), {{28, 48}}, false}, {"RLE8 of 24 bits", Wide24(), {{30, BI_RLE8}}, false},
        {"top-down RLE8", wide8(), {{22, DWORD(-2)}, {30, BI_RLE8}}, false},
        {"RLE8 of 512 MB", wide8(), {{30, BI_RLE8}, {34, 0x20000000}}, false},
        {"bit fields of 24 bits", Wide24(), {{30, BI_BITFIELDS}}, false}, {"JPEG", Wide24(), {{30, 4}}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Bytes image = frametest::BuildBmp(c.shape);
        for (const auto& field : c.fields)
            std::memcpy(&image[field.first], &field.second, field.first == 28 || field.first == 0 ? 2 : 4);
        image.resize(image.size() + 4096, 0);   // room for what a real header of this kind reads
        const int before = vt::GdiObjectCount();
        SIZE size = {7, 7};
        HPALETTE palette = reinterpret_cast<HPALETTE>(0x1234);
        vt::GdiObject bitmap(VELULoadMemBmp(image.data(), &palette, &size));
        vt::GdiObject paletteOwner(palette);
        EXPECT_EQ(c.loads, bitmap.get() != nullptr);
        EXPECT_TRUE(c.loads || (palette == nullptr && size.cx == 0 && size.cy == 0 && before == vt::GdiObjectCount()))
            << "a refused image leaves no palette, a zero size and no GDI object";
    }
}
