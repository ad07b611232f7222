// XzpResourceTest.cpp - the library's compressed skins and the loader of "BINARY" resources.
#include "FrameTestSupport.h"

#include "frame/VeluFrameInternal.h"

#include <cstring>
#include <memory>

using frametest::Bytes;
using vt::ColourText;

namespace {

struct Sample { int x, y; COLORREF colour; };   // top-down pixel coordinates
struct CarriedSkin { const char* name; DWORD inflated; int width, height; std::vector<Sample> samples; };

const COLORREF kWhite = RGB(255, 255, 255);

// The four one-pixel border sides of a skin, sampled at their middles.
std::vector<Sample> Border(int width, int height, COLORREF colour, std::vector<Sample> more)
{
    more.insert(more.end(), {{width / 2, 0, colour}, {width / 2, height - 1, colour},
                             {0, height / 2, colour}, {width - 1, height / 2, colour}});
    return more;
}

// Sizes of every skin the library carries and colours of the button skins; the left column of
// the two plain button skins differs from the rest of their border.
const std::vector<CarriedSkin>& CarriedSkins()
{
    static const std::vector<CarriedSkin> skins = {
        {"IDB_BTNDEF_XZP", 2614, 42, 20, {{21, 0, RGB(160, 173, 194)}, {21, 19, RGB(160, 173, 194)},
            {41, 10, RGB(160, 173, 194)}, {0, 10, RGB(134, 152, 178)}, {21, 1, kWhite}, {21, 18, RGB(196, 210, 219)}}},
        {"IDB_BTNNORM_XZP", 2614, 42, 20, {{21, 0, RGB(175, 192, 216)}, {21, 19, RGB(175, 192, 216)},
            {41, 10, RGB(175, 192, 216)}, {0, 10, RGB(139, 165, 199)}, {21, 1, kWhite}, {21, 18, RGB(218, 231, 238)}}},
        {"IDB_BTNDIS_XZP", 2454, 40, 20, Border(40, 20, RGB(173, 178, 181), {{20, 1, RGB(252, 252, 252)},
            {1, 10, RGB(252, 252, 252)}, {20, 18, RGB(252, 252, 252)}, {20, 10, RGB(244, 244, 244)}})},
        {"IDB_BTNHOT_XZP", 2616, 42, 20, Border(42, 20, RGB(163, 153, 130),
            {{21, 1, RGB(254, 241, 218)}, {21, 18, RGB(250, 210, 133)}})},
        {"IDB_BTNDOWN_XZP", 2616, 42, 20, Border(42, 20, RGB(100, 100, 100), {{21, 1, RGB(251, 214, 144)},
            {21, 2, RGB(254, 239, 212)}, {21, 17, RGB(250, 210, 133)}, {21, 18, RGB(240, 190, 110)}})},
        {"IDB_COOLTBCHECK_XZP", 2456, 40, 20, Border(40, 20, RGB(122, 152, 175),
            {{20, 1, RGB(242, 247, 249)}, {20, 10, RGB(242, 247, 249)}})},
        // The frames and faces of the dialog, progress and tooltip skins are checked where those
        // controls paint; here only the dialog's white first row and the progress skin's white middle.
        {"IDB_COOLDLG_XZP", 33894, 125, 90, {{62, 3, kWhite}}}, {"IDR_COOLPGS_XZP", 3094, 50, 20, {{25, 10, kWhite}}},
        {"IDR_XBMPTIP_XZP", 5238, 48, 36, {}},   {"IDR_XTOOLTIP_XZP", 5238, 48, 36, {}},
        {"IDB_FLTBARBTN_XZP", 774, 15, 15, {}},
    };
    return skins;
}

// Owns a block from the loader.
struct FreeBlock { void operator()(LPBYTE block) const { FreeBinaryResource(block); } };
typedef std::unique_ptr<BYTE, FreeBlock> Block;

// A copy of the library holding test resources, written with UpdateResource
// as type "BINARY" (the loader asks for "Binary"); returns its path or "".
// Loaded as a data file, its entry function does not run.
std::string WriteDataCopy(frametest::TempFolder& folder, const Bytes& payload)
{
    // A long stored block that is not final, then bytes of an invalid block type.
    Bytes partialThenBad = frametest::StoredDeflate(payload, false);
    partialThenBad.insert(partialThenBad.end(), {0xFF, 0xFF, 0xFF, 0xFF});
    const Bytes id5 = frametest::StoredDeflate(Bytes{'f', 'i', 'v', 'e'});
    const std::string path = frametest::CopyLibrary(folder, "xzpdata.dll");
    const bool written = !path.empty() && frametest::EditResources(path, {
        {"BINARY", MAKEINTRESOURCEA(5), id5},
        {"BINARY", "PAYLOAD", frametest::StoredDeflate(payload)},
        {"BINARY", "NOT_DEFLATE", Bytes{0xFF, 0xFE, 0xFD, 0xFC, 0x13, 0x37}},
        {"BINARY", "PARTIAL_THEN_BAD", partialThenBad},
        {"BINARY", "EMPTY_STREAM", Bytes{0x03, 0x00}},
        {"BINARY", "TRUNCATED", Bytes(id5.begin(), id5.end() - 2)}});
    return written ? path : std::string();
}

}  // namespace

TEST(XzpResource, EveryCarriedSkinInflatesToABmpFileOfItsSizeAndColours)
{
    vt::WindowDC screen(NULL);
    for (const CarriedSkin& skin : CarriedSkins()) {
        SCOPED_TRACE(skin.name);
        DWORD size = 0;
        Block block(LoadBinaryResourceName(g_hVeluInstance, skin.name, &size));
        ASSERT_NE(nullptr, block.get());
        EXPECT_EQ(skin.inflated, size);
        EXPECT_EQ(0, std::memcmp(block.get(), "BM", 2));
        DWORD recorded = 0;
        std::memcpy(&recorded, block.get() + 2, sizeof(recorded));
        EXPECT_EQ(size, recorded) << "the file size in the header";

        SIZE bitmapSize = {};
        vt::GdiObject bitmap(VELULoadMemBmp(block.get(), NULL, &bitmapSize));
        ASSERT_NE(nullptr, bitmap.get());
        EXPECT_EQ(skin.width, bitmapSize.cx);
        EXPECT_EQ(skin.height, bitmapSize.cy);
        for (const Sample& s : skin.samples)
            EXPECT_EQ(ColourText(s.colour),
                      ColourText(GetBmpPixelColor(screen, bitmap.bitmap(), skin.height - 1 - s.y, s.x)))
                << "at (" << s.x << ", " << s.y << ")";
    }
}

TEST(XzpResource, LoaderReadsWholeStreamsAndRejectsMissingOrBrokenOnes)
{
    frametest::TempFolder folder;
    Bytes payload(40000);   // longer than the inflater's 32 KB window
    for (size_t i = 0; i < payload.size(); ++i)
        payload[i] = BYTE(i * 7);
    const frametest::Module copy(::LoadLibraryExA(WriteDataCopy(folder, payload).c_str(), NULL, LOAD_LIBRARY_AS_DATAFILE));
    const HMODULE module = copy.get();
    ASSERT_NE(nullptr, module);

    DWORD size = 0;
    Block five(LoadBinaryResource(module, 0x10005, &size));
    ASSERT_NE(nullptr, five.get());
    EXPECT_EQ(4u, size);
    EXPECT_EQ(0, std::memcmp(five.get(), "five", 4));
    Block whole(LoadBinaryResourceName(module, "PAYLOAD", &size));
    ASSERT_NE(nullptr, whole.get());
    ASSERT_EQ(payload.size(), size);
    EXPECT_EQ(0, std::memcmp(whole.get(), payload.data(), size));

    // (That a refused stream leaves no block behind is counted by the fuzz.)
    for (const char* name : {"NO_SUCH_XZP", "NOT_DEFLATE", "PARTIAL_THEN_BAD", "TRUNCATED"}) {
        size = 99;
        EXPECT_EQ(nullptr, LoadBinaryResourceName(module, name, &size)) << name;
        EXPECT_EQ(99u, size) << name;
    }
    EXPECT_EQ(nullptr, LoadBinaryResource(module, 77, &size));
    EXPECT_EQ(99u, size);
    EXPECT_EQ(nullptr, LoadBinaryResourceName(module, "EMPTY_STREAM", &size)) << "a stream of nothing";
    EXPECT_EQ(0u, size) << "a stream of nothing";
    // (Freeing the null a refused stream gives is done for every refused input of the fuzz.)
}
