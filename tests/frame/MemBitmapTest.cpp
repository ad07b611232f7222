// MemBitmapTest.cpp - BMP file images in memory turned into bitmaps, and single pixels sampled back.
#include "FrameTestSupport.h"

#include "frame/VeluFrameInternal.h"

#include <algorithm>
#include <cstring>

using frametest::BmpSpec;
using frametest::Bytes;
using frametest::DescribeColour;

namespace {

const COLORREF kOrange = RGB(250, 140, 20);
const COLORREF kTeal = RGB(10, 130, 140);

// 48 x 4, 24 bpp: teal everywhere except column 24 of the bottom row.
BmpSpec Wide24()
{
    BmpSpec spec;
    spec.width = 48;
    spec.height = 4;
    std::vector<COLORREF> plain(48, kTeal), marked(48, kTeal);
    marked[24] = kOrange;
    spec.rows = {frametest::Row24(plain), frametest::Row24(plain), frametest::Row24(plain), frametest::Row24(marked)};
    return spec;
}

// 8 bpp, 16 colours used; pixel (x, y) has index (x + y) % 16.
BmpSpec Paletted8()
{
    BmpSpec spec;
    spec.width = 8;
    spec.height = 2;
    spec.bitCount = 8;
    spec.clrUsed = 16;
    for (int i = 0; i < 16; ++i)
        spec.colourTable.push_back(RGBQUAD{BYTE(i * 3), BYTE(100 + i), BYTE(255 - i * 10), 0});
    for (int y = 0; y < 2; ++y)
    {
        Bytes row;
        for (int x = 0; x < 8; ++x)
            row.push_back(BYTE((x + y) % 16));
        spec.rows.push_back(row);
    }
    return spec;
}

COLORREF Sample(HBITMAP bitmap, int scanLine, int column)
{
    vt::WindowDC screen(NULL);
    return GetBmpPixelColor(screen, bitmap, scanLine, column);
}

// A bottom-up DIB section of the given depth whose scan line `line` holds
// `bytes` from its start; the rest of the bits are zero.
HBITMAP MakeSection(int width, int height, WORD bitCount, const std::vector<RGBQUAD>& table,
                    int line, const Bytes& bytes)
{
    struct
    {
        BITMAPINFOHEADER header;
        RGBQUAD colours[256];
    } info = {};
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    info.header.biWidth = width;
    info.header.biHeight = height;
    info.header.biPlanes = 1;
    info.header.biBitCount = bitCount;
    info.header.biCompression = BI_RGB;
    info.header.biClrUsed = DWORD(table.size());
    std::copy(table.begin(), table.end(), info.colours);
    void* bits = nullptr;
    HBITMAP section = ::CreateDIBSection(NULL, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, NULL, 0);
    if (!section)
        return NULL;
    const int stride = ((width * bitCount + 31) / 32) * 4;
    std::memset(bits, 0, size_t(stride) * height);
    std::copy(bytes.begin(), bytes.end(), static_cast<BYTE*>(bits) + size_t(stride) * line);
    ::GdiFlush();
    return section;
}

}  // namespace

TEST(MemoryBitmap, BitsAreFoundBehindTheHeaderWhateverTheOffsetFieldSays)
{
    for (DWORD offsetField : {1u, 9999u, 0xFFFFFFF0u})
    {
        SCOPED_TRACE(offsetField);
        BmpSpec spec = Wide24();
        spec.bitsOffsetField = offsetField;
        Bytes image = frametest::BuildBmp(spec);
        SIZE size = {};
        vt::GdiObject bitmap(VELULoadMemBmp(image.data(), NULL, &size));
        ASSERT_NE(nullptr, bitmap.get());
        EXPECT_EQ(48, size.cx);
        EXPECT_EQ(4, size.cy);
        EXPECT_EQ(DescribeColour(kOrange), DescribeColour(Sample(bitmap.bitmap(), 0, 24)));
        EXPECT_EQ(DescribeColour(kTeal), DescribeColour(Sample(bitmap.bitmap(), 0, 23)));
        EXPECT_EQ(DescribeColour(kTeal), DescribeColour(Sample(bitmap.bitmap(), 3, 24)));
    }
}

TEST(MemoryBitmap, SizeIsRecordedInTheBitmapToo)
{
    Bytes image = frametest::BuildBmp(Wide24());
    vt::GdiObject bitmap(VELULoadMemBmp(image.data(), NULL, NULL));
    ASSERT_NE(nullptr, bitmap.get());
    SIZE dimension = {};
    ASSERT_TRUE(::GetBitmapDimensionEx(bitmap.bitmap(), &dimension));
    EXPECT_EQ(48, dimension.cx);
    EXPECT_EQ(4, dimension.cy);
}

TEST(MemoryBitmap, TrueColourImageGetsNoPalette)
{
    Bytes image = frametest::BuildBmp(Wide24());
    HPALETTE palette = reinterpret_cast<HPALETTE>(0x1234);
    vt::GdiObject bitmap(VELULoadMemBmp(image.data(), &palette, NULL));
    EXPECT_NE(nullptr, bitmap.get());
    EXPECT_EQ(nullptr, palette);
}

TEST(MemoryBitmap, PalettedImageGetsAPaletteOfTheColoursItUses)
{
    const BmpSpec spec = Paletted8();
    Bytes image = frametest::BuildBmp(spec);
    HPALETTE palette = NULL;
    SIZE size = {};
    vt::GdiObject bitmap(VELULoadMemBmp(image.data(), &palette, &size));
    vt::GdiObject paletteOwner(palette);
    ASSERT_NE(nullptr, bitmap.get());
    ASSERT_NE(nullptr, palette);
    WORD entries = 0;
    ASSERT_TRUE(::GetObject(palette, sizeof(entries), &entries));
    EXPECT_EQ(16, entries);
    PALETTEENTRY entry = {};
    ASSERT_EQ(1u, ::GetPaletteEntries(palette, 5, 1, &entry));
    EXPECT_EQ(spec.colourTable[5].rgbRed, entry.peRed);
    EXPECT_EQ(spec.colourTable[5].rgbGreen, entry.peGreen);
    EXPECT_EQ(spec.colourTable[5].rgbBlue, entry.peBlue);
    EXPECT_EQ(0, entry.peFlags);
    // The bits sit right behind the 16 used entries: pixel (3, top row) has index 3.
    const RGBQUAD& q = spec.colourTable[3];
    EXPECT_EQ(DescribeColour(RGB(q.rgbRed, q.rgbGreen, q.rgbBlue)), DescribeColour(Sample(bitmap.bitmap(), 1, 3)));
}

TEST(MemoryBitmap, TopDownImageReportsANegativeHeight)
{
    BmpSpec spec = Wide24();
    spec.topDown = true;
    Bytes image = frametest::BuildBmp(spec);
    SIZE size = {};
    vt::GdiObject bitmap(VELULoadMemBmp(image.data(), NULL, &size));
    ASSERT_NE(nullptr, bitmap.get());
    EXPECT_EQ(48, size.cx);
    EXPECT_EQ(-4, size.cy);
    // The marked row is the last row in a top-down file, still the bottom one on screen.
    EXPECT_EQ(DescribeColour(kOrange), DescribeColour(Sample(bitmap.bitmap(), 0, 24)));
}

TEST(MemoryBitmap, BitFieldImageFindsItsBitsBehindTheMasks)
{
    BmpSpec spec;
    spec.width = 4;
    spec.height = 1;
    spec.bitCount = 16;
    spec.compression = BI_BITFIELDS;
    spec.masks = {0xF800, 0x07E0, 0x001F};   // 5-6-5
    spec.rows = {Bytes{0, 0, 0, 0, 0x00, 0xF8, 0, 0}};   // pixel 2 pure red
    Bytes image = frametest::BuildBmp(spec);
    vt::GdiObject bitmap(VELULoadMemBmp(image.data(), NULL, NULL));
    ASSERT_NE(nullptr, bitmap.get());
    EXPECT_EQ(DescribeColour(RGB(255, 0, 0)), DescribeColour(Sample(bitmap.bitmap(), 0, 2)));
    EXPECT_EQ(DescribeColour(RGB(0, 0, 0)), DescribeColour(Sample(bitmap.bitmap(), 0, 1)));
}

TEST(MemoryBitmap, WrongSignatureGivesNullAndResetsTheOutputs)
{
    Bytes image = frametest::BuildBmp(Wide24());
    image[0] = 'M';
    image[1] = 'B';
    const int before = vt::GdiObjectCount();
    SIZE size = {7, 7};
    HPALETTE palette = reinterpret_cast<HPALETTE>(0x1234);
    EXPECT_EQ(nullptr, VELULoadMemBmp(image.data(), &palette, &size));
    EXPECT_EQ(0, size.cx);
    EXPECT_EQ(0, size.cy);
    EXPECT_EQ(nullptr, palette);
    EXPECT_EQ(before, vt::GdiObjectCount());
}

TEST(MemoryBitmap, LoadingLeavesOnlyTheBitmapAndPaletteBehind)
{
    Bytes image = frametest::BuildBmp(Paletted8());
    HPALETTE warm = NULL;
    ::DeleteObject(VELULoadMemBmp(image.data(), &warm, NULL));
    ::DeleteObject(warm);
    const int before = vt::GdiObjectCount();
    for (int i = 0; i < 50; ++i)
    {
        HPALETTE palette = NULL;
        HBITMAP bitmap = VELULoadMemBmp(image.data(), &palette, NULL);
        EXPECT_NE(nullptr, bitmap);
        ::DeleteObject(bitmap);
        ::DeleteObject(palette);
    }
    EXPECT_EQ(before, vt::GdiObjectCount());
}

// Each depth decodes its pixel as the platform's DIB layout stores it.
TEST(PixelSampling, EveryDepthDecodesTheStoredPixel)
{
    const std::vector<RGBQUAD> table16 = [] {
        std::vector<RGBQUAD> t;
        for (int i = 0; i < 16; ++i)
            t.push_back(RGBQUAD{BYTE(16 * i), BYTE(200 - 5 * i), BYTE(7 * i), 0});
        return t;
    }();
    const std::vector<RGBQUAD> table2 = {RGBQUAD{30, 20, 10, 0}, RGBQUAD{50, 100, 200, 0}};
    const std::vector<RGBQUAD> table256 = [] {
        std::vector<RGBQUAD> t;
        for (int i = 0; i < 256; ++i)
            t.push_back(RGBQUAD{BYTE(i), BYTE(255 - i), BYTE(i / 2), 0});
        return t;
    }();
    auto colourOf = [](const RGBQUAD& q) { return RGB(q.rgbRed, q.rgbGreen, q.rgbBlue); };

    struct Case
    {
        const char* what;
        WORD bitCount;
        std::vector<RGBQUAD> table;
        Bytes line;     // the start of scan line 2
        int column;
        COLORREF expected;
        bool differsFromZeroBits;   // whether an all-zero scan line gives another colour
    };
    const std::vector<Case> cases = {
        {"1 bpp, column 10 is bit 5 of byte 1", 1, table2, {0x00, 0x20}, 10, colourOf(table2[1]), true},
        {"1 bpp, column 9 is clear", 1, table2, {0x00, 0x20}, 9, colourOf(table2[0]), false},
        {"4 bpp, even column takes the high nibble", 4, table16, {0x00, 0x00, 0x9C}, 4, colourOf(table16[9]), true},
        {"4 bpp, odd column takes the low nibble", 4, table16, {0x00, 0x00, 0x9C}, 5, colourOf(table16[12]), true},
        {"8 bpp", 8, table256, {0, 0, 0, 77}, 3, colourOf(table256[77]), true},
        {"16 bpp, 0x7FFF is 248 grey", 16, {}, {0, 0, 0, 0, 0xFF, 0x7F}, 2, RGB(248, 248, 248), true},
        {"16 bpp, red bits", 16, {}, {0x00, 0x7C}, 0, RGB(248, 0, 0), true},
        {"16 bpp, green bits", 16, {}, {0xE0, 0x03}, 0, RGB(0, 248, 0), true},
        {"24 bpp, blue green red", 24, {}, {0, 0, 0, 0x11, 0x22, 0x33}, 1, RGB(0x33, 0x22, 0x11), true},
        {"32 bpp", 32, {}, {0, 0, 0, 0, 0x44, 0x55, 0x66, 0x00}, 1, RGB(0x66, 0x55, 0x44), true},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        vt::GdiObject section(MakeSection(24, 4, c.bitCount, c.table, 2, c.line));
        ASSERT_NE(nullptr, section.get());
        EXPECT_EQ(DescribeColour(c.expected), DescribeColour(Sample(section.bitmap(), 2, c.column)));
        if (c.differsFromZeroBits)
        {
            EXPECT_NE(DescribeColour(c.expected), DescribeColour(Sample(section.bitmap(), 1, c.column)))
                << "another scan line must not give the marked pixel";
        }
    }
}

TEST(PixelSampling, UnreadableBitmapSamplesBlack)
{
    EXPECT_EQ(RGB(0, 0, 0), Sample(NULL, 0, 0));
}
