// XzpResourceTest.cpp - the library's compressed skins and the loader of "BINARY" resources.
#include "FrameTestSupport.h"

#include "frame/VeluFrameInternal.h"

#include <cstring>

using frametest::Bytes;

namespace {

struct Sample
{
    int x, y;            // top-down pixel coordinates
    COLORREF colour;
    const char* what;
};

struct SkinSpec
{
    const char* name;
    DWORD inflated;
    int width, height;
    std::vector<Sample> samples;
};

// Sizes and colours of every skin the library carries.
const std::vector<SkinSpec>& CarriedSkins()
{
    static const std::vector<SkinSpec> skins = {
        {"IDB_BTNDEF_XZP", 2614, 42, 20, {
            {21, 0, RGB(160, 173, 194), "top border"},
            {21, 19, RGB(160, 173, 194), "bottom border"},
            {41, 10, RGB(160, 173, 194), "right border"},
            {0, 10, RGB(134, 152, 178), "left column"},
            {21, 1, RGB(255, 255, 255), "first fill row"},
            {21, 18, RGB(196, 210, 219), "last fill row"}}},
        {"IDB_BTNNORM_XZP", 2614, 42, 20, {
            {21, 0, RGB(175, 192, 216), "top border"},
            {21, 19, RGB(175, 192, 216), "bottom border"},
            {41, 10, RGB(175, 192, 216), "right border"},
            {0, 10, RGB(139, 165, 199), "left column"},
            {21, 1, RGB(255, 255, 255), "first fill row"},
            {21, 18, RGB(218, 231, 238), "last fill row"}}},
        {"IDB_BTNDIS_XZP", 2454, 40, 20, {
            {20, 0, RGB(173, 178, 181), "top border"},
            {0, 10, RGB(173, 178, 181), "left border"},
            {39, 10, RGB(173, 178, 181), "right border"},
            {20, 19, RGB(173, 178, 181), "bottom border"},
            {20, 1, RGB(252, 252, 252), "top highlight"},
            {1, 10, RGB(252, 252, 252), "left highlight"},
            {20, 18, RGB(252, 252, 252), "bottom highlight"},
            {20, 10, RGB(244, 244, 244), "flat fill"}}},
        {"IDB_BTNHOT_XZP", 2616, 42, 20, {
            {21, 0, RGB(163, 153, 130), "top border"},
            {0, 10, RGB(163, 153, 130), "left border"},
            {21, 19, RGB(163, 153, 130), "bottom border"},
            {21, 1, RGB(254, 241, 218), "first fill row"},
            {21, 18, RGB(250, 210, 133), "last fill row"}}},
        {"IDB_BTNDOWN_XZP", 2616, 42, 20, {
            {21, 0, RGB(100, 100, 100), "top border"},
            {0, 10, RGB(100, 100, 100), "left border"},
            {21, 19, RGB(100, 100, 100), "bottom border"},
            {21, 1, RGB(251, 214, 144), "top inner row"},
            {21, 2, RGB(254, 239, 212), "gradient start"},
            {21, 17, RGB(250, 210, 133), "gradient end"},
            {21, 18, RGB(240, 190, 110), "bottom inner row"}}},
        {"IDB_COOLTBCHECK_XZP", 2456, 40, 20, {
            {20, 0, RGB(122, 152, 175), "top border"},
            {0, 10, RGB(122, 152, 175), "left border"},
            {20, 19, RGB(122, 152, 175), "bottom border"},
            {20, 1, RGB(242, 247, 249), "fill top"},
            {20, 10, RGB(242, 247, 249), "fill middle"}}},
        {"IDB_COOLDLG_XZP", 33894, 125, 90, {
            {62, 0, RGB(123, 155, 225), "frame, outer top line"},
            {62, 2, RGB(123, 155, 225), "frame, inner top line"},
            {0, 45, RGB(123, 155, 225), "frame, left"},
            {2, 45, RGB(123, 155, 225), "frame, left inner line"},
            {124, 45, RGB(123, 155, 225), "frame, right"},
            {62, 89, RGB(123, 155, 225), "frame, bottom"},
            {62, 3, RGB(255, 255, 255), "white upper line of the panel"},
            {62, 45, RGB(232, 237, 250), "panel"},
            {3, 45, RGB(232, 237, 250), "panel at its left edge"}}},
        {"IDR_COOLPGS_XZP", 3094, 50, 20, {
            {25, 0, RGB(104, 104, 104), "outer line"},
            {0, 10, RGB(104, 104, 104), "outer line, left"},
            {25, 1, RGB(190, 190, 190), "middle line"},
            {25, 2, RGB(239, 239, 239), "inner line"},
            {47, 10, RGB(239, 239, 239), "inner line, right"},
            {25, 10, RGB(255, 255, 255), "white field"}}},
        {"IDR_XBMPTIP_XZP", 5238, 48, 36, {}},
        {"IDR_XTOOLTIP_XZP", 5238, 48, 36, {
            {24, 0, RGB(0, 60, 115), "frame, top"},
            {0, 18, RGB(0, 60, 115), "frame, left"},
            {47, 18, RGB(0, 60, 115), "frame, right"},
            {24, 35, RGB(0, 60, 115), "frame, bottom"},
            {24, 18, RGB(255, 255, 231), "face"}}},
        {"IDB_FLTBARBTN_XZP", 774, 15, 15, {}},
    };
    return skins;
}

DWORD ReadDword(const BYTE* p)
{
    DWORD v;
    std::memcpy(&v, p, sizeof(v));
    return v;
}

// Owns a block from LoadBinaryResourceName.
class Block
{
public:
    explicit Block(LPBYTE block) : m_block(block) {}
    ~Block() { FreeBinaryResource(m_block); }
    Block(const Block&) = delete;
    Block& operator=(const Block&) = delete;
    LPBYTE get() const { return m_block; }

private:
    LPBYTE m_block;
};

COLORREF PixelAt(HBITMAP bitmap, int height, int x, int y)
{
    vt::WindowDC screen(NULL);
    return GetBmpPixelColor(screen, bitmap, height - 1 - y, x);
}

}  // namespace

TEST(XzpResource, EveryCarriedSkinInflatesToAWholeBmpFile)
{
    for (const SkinSpec& skin : CarriedSkins())
    {
        SCOPED_TRACE(skin.name);
        DWORD size = 0;
        Block block(LoadBinaryResourceName(g_hVeluInstance, skin.name, &size));
        ASSERT_NE(nullptr, block.get());
        EXPECT_EQ(skin.inflated, size);
        EXPECT_EQ('B', block.get()[0]);
        EXPECT_EQ('M', block.get()[1]);
        EXPECT_EQ(size, ReadDword(block.get() + 2));
    }
}

TEST(XzpResource, EveryCarriedSkinBecomesABitmapOfItsSizeAndColours)
{
    for (const SkinSpec& skin : CarriedSkins())
    {
        SCOPED_TRACE(skin.name);
        Block block(LoadBinaryResourceName(g_hVeluInstance, skin.name, NULL));
        ASSERT_NE(nullptr, block.get());
        SIZE size = {};
        vt::GdiObject bitmap(VELULoadMemBmp(block.get(), NULL, &size));
        ASSERT_NE(nullptr, bitmap.get());
        EXPECT_EQ(skin.width, size.cx);
        EXPECT_EQ(skin.height, size.cy);
        for (const Sample& s : skin.samples)
            EXPECT_EQ(frametest::DescribeColour(s.colour),
                      frametest::DescribeColour(PixelAt(bitmap.bitmap(), skin.height, s.x, s.y)))
                << s.what << " at (" << s.x << ", " << s.y << ")";
    }
}

// The balloon tip takes its fill from column 24 of scan line 12 and its frame
// from the top scan line 35; the skin must be drawn so those are its colours.
TEST(XzpResource, BalloonSkinSamplesGiveItsFillAndItsFrame)
{
    Block block(LoadBinaryResourceName(g_hVeluInstance, VELU_XZP_BALLOON, NULL));
    ASSERT_NE(nullptr, block.get());
    vt::GdiObject bitmap(VELULoadMemBmp(block.get(), NULL, NULL));
    ASSERT_NE(nullptr, bitmap.get());
    vt::WindowDC screen(NULL);
    const COLORREF fill = GetBmpPixelColor(screen, bitmap.bitmap(), 12, 24);
    const COLORREF frame = GetBmpPixelColor(screen, bitmap.bitmap(), 35, 24);
    EXPECT_NE(fill, frame);
    EXPECT_EQ(fill, GetBmpPixelColor(screen, bitmap.bitmap(), 18, 24)) << "middle of the box";
    EXPECT_EQ(frame, GetBmpPixelColor(screen, bitmap.bitmap(), 18, 0)) << "left edge";
    EXPECT_EQ(frame, GetBmpPixelColor(screen, bitmap.bitmap(), 0, 24)) << "bottom edge";
    EXPECT_LT(GetRValue(frame) + GetGValue(frame) + GetBValue(frame),
              GetRValue(fill) + GetGValue(fill) + GetBValue(fill)) << "the frame is darker than the fill";
}

// Test resources are written into a copy of the library at test time with
// UpdateResource (as type "BINARY"; the loader asks for "Binary") and read
// from it as a data file.
class BinaryResourceLoad : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_folder = new frametest::TempFolder;
        const std::string path = frametest::CopyLibrary(*s_folder, "xzpdata.dll");
        ASSERT_FALSE(path.empty());
        Bytes payload(40000);
        for (size_t i = 0; i < payload.size(); ++i)
            payload[i] = BYTE(i * 7);
        s_payload = new Bytes(payload);
        // A long stored block that is not final, then bytes of an invalid block type.
        Bytes partialThenBad = frametest::StoredDeflate(payload, false);
        partialThenBad.insert(partialThenBad.end(), {0xFF, 0xFF, 0xFF, 0xFF});
        const Bytes id5 = frametest::StoredDeflate(Bytes{'f', 'i', 'v', 'e'});
        ASSERT_TRUE(frametest::EditResources(path, {
            {"BINARY", MAKEINTRESOURCEA(5), id5},
            {"BINARY", "PAYLOAD", frametest::StoredDeflate(payload)},
            {"BINARY", "NOT_DEFLATE", Bytes{0xFF, 0xFE, 0xFD, 0xFC, 0x13, 0x37}},
            {"BINARY", "PARTIAL_THEN_BAD", partialThenBad},
            {"BINARY", "EMPTY_STREAM", Bytes{0x03, 0x00}},
            {"BINARY", "TRUNCATED", Bytes(id5.begin(), id5.end() - 2)},
        }));
        s_module = ::LoadLibraryExA(path.c_str(), NULL, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(nullptr, s_module);
    }

    static void TearDownTestSuite()
    {
        if (s_module)
            ::FreeLibrary(s_module);
        delete s_folder;
        delete s_payload;
        s_module = NULL;
        s_folder = nullptr;
        s_payload = nullptr;
    }

    static HMODULE s_module;
    static frametest::TempFolder* s_folder;
    static Bytes* s_payload;
};

HMODULE BinaryResourceLoad::s_module = NULL;
frametest::TempFolder* BinaryResourceLoad::s_folder = nullptr;
Bytes* BinaryResourceLoad::s_payload = nullptr;

TEST_F(BinaryResourceLoad, NumericIdDropsItsHighBits)
{
    DWORD size = 0;
    Block block(LoadBinaryResource(s_module, 0x10005, &size));
    ASSERT_NE(nullptr, block.get());
    EXPECT_EQ(4u, size);
    EXPECT_EQ(0, std::memcmp(block.get(), "five", 4));
}

TEST_F(BinaryResourceLoad, LongStreamArrivesWhole)
{
    DWORD size = 0;
    Block block(LoadBinaryResourceName(s_module, "PAYLOAD", &size));
    ASSERT_NE(nullptr, block.get());
    ASSERT_EQ(s_payload->size(), size);
    EXPECT_EQ(0, std::memcmp(block.get(), s_payload->data(), size));
}

TEST_F(BinaryResourceLoad, MissingNameGivesNullAndLeavesTheCountAlone)
{
    DWORD size = 1234;
    EXPECT_EQ(nullptr, LoadBinaryResourceName(s_module, "NO_SUCH_XZP", &size));
    EXPECT_EQ(1234u, size);
    EXPECT_EQ(nullptr, LoadBinaryResource(s_module, 77, &size));
    EXPECT_EQ(1234u, size);
}

TEST_F(BinaryResourceLoad, BytesThatAreNotDeflateGiveNullAndLeakNothing)
{
    // Warm up once so that lazily made loader state is not counted.
    FreeBinaryResource(LoadBinaryResourceName(s_module, "PARTIAL_THEN_BAD", NULL));
    const SIZE_T before = frametest::HeapBytesInUse();
    for (int i = 0; i < 20; ++i)
    {
        DWORD size = 99;
        EXPECT_EQ(nullptr, LoadBinaryResourceName(s_module, "NOT_DEFLATE", &size));
        EXPECT_EQ(99u, size);
        EXPECT_EQ(nullptr, LoadBinaryResourceName(s_module, "PARTIAL_THEN_BAD", &size));
        EXPECT_EQ(99u, size);
        EXPECT_EQ(nullptr, LoadBinaryResourceName(s_module, "TRUNCATED", &size));
        EXPECT_EQ(99u, size);
    }
    // Each leaked partial block would be over 32 KB; allow the heap's own noise.
    EXPECT_LT(frametest::HeapBytesInUse(), before + 4096);
}

TEST_F(BinaryResourceLoad, StreamOfNothingGivesNullWithCountZero)
{
    DWORD size = 55;
    EXPECT_EQ(nullptr, LoadBinaryResourceName(s_module, "EMPTY_STREAM", &size));
    EXPECT_EQ(0u, size);
}

TEST(XzpResource, FreeingNullDoesNothing)
{
    const SIZE_T before = frametest::HeapBytesInUse();
    FreeBinaryResource(NULL);
    EXPECT_EQ(before, frametest::HeapBytesInUse());
}
