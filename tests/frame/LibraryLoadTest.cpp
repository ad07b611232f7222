// LibraryLoadTest.cpp - loading and unloading the library: shared resources made, kept and released.
#include "FrameTestSupport.h"

#include "frame/VeluFrame.h"

#include <afxx_test.h>


using frametest::Module;

namespace {

typedef BOOL (WINAPI* EntryFn)(HINSTANCE, DWORD, LPVOID);

const char* const kFixedSkinHolders[] = {
    "g_hSkinBtnDefault", "g_hSkinBtnNormal", "g_hSkinBtnDisabled",
    "g_hSkinBtnHot", "g_hSkinBtnDown", "g_hSkinCheck",
};

struct LazySkin { const char* holder; const char* resource; };
const LazySkin kLazySkins[] = {
    {"g_hSkinBalloon", VELU_XZP_BALLOON}, {"g_hSkinToolTip", VELU_XZP_TOOLTIP},
    {"g_hSkinDialog", VELU_XZP_DIALOG},   {"g_hSkinProgress", VELU_XZP_PROGRESS},
};

// Loads a copy, uses every lazily made resource, frees it. A second user of a
// lazy skin gets the first one's handle (a second bitmap would also show as a
// leak); a missing skin gives null and leaves its holder empty.
void LoadUseAndFree(const std::string& path)
{
    Module module(::LoadLibraryA(path.c_str()));
    ASSERT_NE(nullptr, module.get());
    const auto load = module.Export<HBITMAP(HBITMAP*, LPCSTR)>("VeluLoadSharedSkin");
    ASSERT_NE(nullptr, load);
    for (const LazySkin& lazy : kLazySkins) {
        HBITMAP* holder = module.Export<HBITMAP>(lazy.holder);
        const HBITMAP first = load(holder, lazy.resource);
        EXPECT_NE(nullptr, first) << lazy.resource;
        EXPECT_EQ(first, *holder) << lazy.resource;
        EXPECT_EQ(first, load(holder, lazy.resource)) << lazy.resource;
    }
    HBITMAP missing = NULL;
    EXPECT_EQ(nullptr, load(&missing, "NO_SUCH_XZP"));
    EXPECT_EQ(nullptr, missing);
    for (const char* name : {"VeluCreateCtrlBarImageList", "VeluCreateButtonListImageList"}) {
        const auto create = module.Export<BOOL()>(name);
        ASSERT_NE(nullptr, create);
        EXPECT_TRUE(create()) << name;
    }
}

EntryFn EntryPointOf(HMODULE module)
{
    const BYTE* base = reinterpret_cast<const BYTE*>(module);
    const IMAGE_DOS_HEADER* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const IMAGE_NT_HEADERS* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    return reinterpret_cast<EntryFn>(const_cast<BYTE*>(base) + nt->OptionalHeader.AddressOfEntryPoint);
}

}  // namespace

// Each test loads its own copies of the library, so that the entry function
// runs in a module whose holders start empty.
class LibraryLoad : public ::testing::Test
{
protected:
    std::string Copy(const char* fileName)
    {
        const std::string path = frametest::CopyLibrary(m_folder, fileName);
        EXPECT_FALSE(path.empty()) << fileName;
        return path;
    }

    static Module Load(const std::string& path) { return Module(::LoadLibraryA(path.c_str())); }

    frametest::TempFolder m_folder;
};

// The second copy's hot-skin resource was renamed out of reach.
TEST_F(LibraryLoad, AttachMakesTheFixedResourcesAndNoLazyOneSkipsAMissingSkinAndThreadsChangeNothing)
{
    const std::string whole = Copy("velufresh.dll"), noHot = Copy("velunohot.dll");
    ASSERT_TRUE(frametest::RenameResource(noHot, VELU_XZP_BTNHOT, "IDB_BTNHOT_XZQ"));
    for (const std::string& path : {whole, noHot}) {
        SCOPED_TRACE(path);
        const Module module = Load(path);
        ASSERT_NE(nullptr, module.get());
        const bool hotGone = path == noHot;
        EXPECT_EQ(hotGone, nullptr == ::FindResourceA(module.get(), VELU_XZP_BTNHOT, VELU_XZP_TYPE));
        EXPECT_EQ(static_cast<void*>(module.get()), *module.Export<void*>("g_hVeluInstance"));
        EXPECT_NE(nullptr, *module.Export<HCURSOR>("g_hCursorHand"));
        EXPECT_NE(nullptr, *module.Export<HBRUSH>("g_hBrushFocus"));
        for (const char* name : kFixedSkinHolders)
            EXPECT_EQ(hotGone && std::string(name) == "g_hSkinBtnHot", nullptr == *module.Export<HBITMAP>(name)) << name;
        for (const LazySkin& lazy : kLazySkins)
            EXPECT_EQ(nullptr, *module.Export<HBITMAP>(lazy.holder)) << lazy.holder;
        // Thread attach and detach return 1 and neither make nor free anything.
        const int gdi = vt::GdiObjectCount();
        const EntryFn entry = EntryPointOf(module.get());
        EXPECT_EQ(TRUE, entry(reinterpret_cast<HINSTANCE>(module.get()), DLL_THREAD_ATTACH, NULL));
        EXPECT_EQ(TRUE, entry(reinterpret_cast<HINSTANCE>(module.get()), DLL_THREAD_DETACH, NULL));
        EXPECT_EQ(gdi, vt::GdiObjectCount());
    }
}

TEST(SharedResources, FontsAreNineAndTenPointOfTheNamedFace)
{
    vt::WindowDC screen(NULL);
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    const struct { const CFont* font; int tenths; } fonts[] = {{&g_fontShared9, 90}, {&g_fontShared10, 100}};
    for (const auto& shared : fonts) {
        SCOPED_TRACE(shared.tenths);
        LOGFONTA font = {};
        ASSERT_TRUE(::GetObjectA(shared.font->GetSafeHandle(), sizeof(font), &font));
        EXPECT_STREQ("MS San Serif", font.lfFaceName);
        EXPECT_EQ(-(shared.tenths * dpi / 720), font.lfHeight);
        EXPECT_LE(font.lfWeight, FW_NORMAL) << "normal weight, not bold";
        EXPECT_FALSE(font.lfItalic);
    }
}

// Black on even squares from the brush origin, white on odd ones.
TEST(SharedResources, FocusBrushPaintsTheCheckerboard)
{
    vt::MemoryCanvas canvas(16, 16, RGB(0, 128, 255));
    const RECT all = {0, 0, 16, 16};
    ::FillRect(canvas, &all, g_hBrushFocus);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x)
            EXPECT_EQ((x + y) % 2 == 0 ? RGB(0, 0, 0) : RGB(255, 255, 255), canvas.At(x, y))
                << "at (" << x << ", " << y << ")";
    }
}

// Loaded, used and freed again and again, and once refused by a failing MFC
// registration (which must not leave the module mapped), the library leaves
// no GDI object or window behind; a later load registers normally.
TEST_F(LibraryLoad, LoadingFreeingAndARefusedLoadLeaveNoGdiObjectOrWindow)
{
    const std::string path = Copy("velucycle.dll");
    LoadUseAndFree(path);   // warm up the loader and GDI's own caches
    Load(path);
    const int gdi = vt::GdiObjectCount();
    const int windows = vt::ThreadWindowCount();
    for (int i = 0; i < 5; ++i) {
        LoadUseAndFree(path);
        EXPECT_EQ(gdi, vt::GdiObjectCount()) << "after cycle " << i << " with every lazy skin used";
        EXPECT_NE(nullptr, Load(path).get());
        EXPECT_EQ(gdi, vt::GdiObjectCount()) << "after cycle " << i << " with no lazy skin used";
    }
    mfcx::FailExtensionInit(TRUE);
    const Module refused = Load(path);
    mfcx::FailExtensionInit(FALSE);
    EXPECT_EQ(nullptr, refused.get());
    EXPECT_EQ(nullptr, ::GetModuleHandleA("velucycle.dll")) << "the module is not left mapped";
    EXPECT_EQ(gdi, vt::GdiObjectCount());
    EXPECT_EQ(windows, vt::ThreadWindowCount());
    EXPECT_NE(nullptr, Load(path).get()) << "a later load registers normally";
}
