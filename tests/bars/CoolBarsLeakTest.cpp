// What the soak's frame of bars does not do, many times: images on the tool bar (the soak's bars
// have none) painted plain, checked, disabled and under a text, and the bitmap utilities with bad
// input; nothing stays behind.
#include "BarFixture.h"

using namespace bartest;

// The soak docks, floats and paints the tool bar, the floating bar and the status bar with an icon;
// inserted controls, long texts and pane icons make no GDI object of their own.
TEST(CoolBarsLeaks, ToolBarImagesAndTheBitmapUtilitiesOnBadInputLeaveNothing)
{
    const HDC hBogus = reinterpret_cast<HDC>(static_cast<ULONG_PTR>(0x7A5C0));
    vt::MemoryCanvas dest(80, 60), src(40, 40);
    HGDIOBJ hDestBitmap = ::GetCurrentObject(dest, OBJ_BITMAP);
    EXPECT_TRUE(vt::LeavesNothingBehind([&] {
        FrameHolder frame(StandardIds());
        frame->m_wndToolBar.SetButtonText(0, "Open");
        frame->m_checked = {kIdFirst + 2};
        frame->m_disabled = {kIdFirst + 3};
        vt::PumpPending();
        frame->PaintBar(frame->m_wndToolBar);

        // Contexts that are none and empty sizes: nothing made, nothing drawn, nothing kept.
        EXPECT_TRUE(CCoolToolBar::MakeGrayBitmap(hBogus, src, 16, 15) == NULL);
        EXPECT_TRUE(CCoolToolBar::MakeTransparentBitmap(hBogus, src, 16, 15, kKey, 0) == NULL);
        CCoolToolBar::TransparentBlt(NULL, 1, 1, 16, 15, src, 0, 0, 16, 15, kKey);
        CCoolToolBar::TransparentBlt(dest, 1, 1, 0, 0, NULL, 0, 0, 16, 15, kKey);
        ::DeleteObject(CCoolToolBar::MakeGrayBitmap(dest, src, 0, 0));
    }, 5));
    EXPECT_EQ(hDestBitmap, ::GetCurrentObject(dest, OBJ_BITMAP));
}
