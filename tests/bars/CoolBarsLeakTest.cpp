// What the soak's frame of bars does not do, many times: controls, texts, states and bad
// queries on the bars, and the bitmap utilities with good and bad input; nothing stays behind.
#include "BarFixture.h"

using namespace bartest;

// The soak docks, floats and paints plain bars; here they hold controls, texts, icons and states.
TEST(CoolBarsLeaks, BarsWithControlsTextsAndStatesAndTheBitmapUtilitiesLeaveNothing)
{
    const CString longText(_T('W'), 3000);
    const HDC hBogus = reinterpret_cast<HDC>(static_cast<ULONG_PTR>(0x7A5C0));
    vt::MemoryCanvas dest(80, 60), src(40, 40);
    HGDIOBJ hDestBitmap = ::GetCurrentObject(dest, OBJ_BITMAP);
    EXPECT_TRUE(vt::LeavesNothingBehind([&] {
        FrameHolder frame(StandardIds());
        CProbeToolBar& bar = frame->m_wndToolBar;
        CComboBox combo;
        CEdit edit;
        CCoolFloatBar floatBar;
        CCoolStatusBar statusBar;
        ASSERT_TRUE(AddFloatBar(frame.get(), floatBar, AFX_IDW_DOCKBAR_TOP) && AddStatusBar(frame.get(), statusBar));
        combo.Create(WS_CHILD | CBS_DROPDOWNLIST, CRect(0, 0, 60, 120), &bar, kIdFirst + 5);
        edit.Create(WS_CHILD | WS_BORDER, CRect(0, 0, 40, 18), &bar, kIdFirst + 6);
        const RECT slot = {0, 0, 64, 20};
        bar.InsertControl(&combo, &slot, kIdFirst + 5);
        bar.InsertControl(&edit, &slot, kIdFirst + 6);
        bar.SetButtonText(0, "Open");
        frame->m_checked = {kIdFirst + 2};
        frame->m_disabled = {kIdFirst + 3};
        floatBar.SetWindowText(longText);
        floatBar.GetDockedButtonsRect(NULL, NULL);
        floatBar.GetWorkingRect(NULL);
        statusBar.SetPaneText(0, longText);
        statusBar.SetPaneIcon(0, ::LoadIcon(NULL, IDI_INFORMATION));
        statusBar.SetPaneIcon(-1, ::LoadIcon(NULL, IDI_ERROR));
        frame->Dock(bar, AFX_IDW_DOCKBAR_LEFT);
        frame->PaintBar(bar);
        floatBar.m_pDockContext->ToggleDocking();
        frame->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);

        CCoolToolBar::TransparentBlt(dest, 1, 1, 32, 30, src, 0, 0, 16, 15, kKey);
        ::DeleteObject(CCoolToolBar::MakeGrayBitmap(dest, src, 16, 15));
        ::DeleteObject(CCoolToolBar::MakeTransparentBitmap(dest, src, 16, 15, kKey, kBarBackground));
        // Contexts that are none and empty sizes: nothing made, nothing drawn, nothing kept.
        EXPECT_TRUE(CCoolToolBar::MakeGrayBitmap(hBogus, src, 16, 15) == NULL);
        EXPECT_TRUE(CCoolToolBar::MakeTransparentBitmap(hBogus, src, 16, 15, kKey, 0) == NULL);
        CCoolToolBar::TransparentBlt(NULL, 1, 1, 16, 15, src, 0, 0, 16, 15, kKey);
        CCoolToolBar::TransparentBlt(dest, 1, 1, 0, 0, NULL, 0, 0, 16, 15, kKey);
        ::DeleteObject(CCoolToolBar::MakeGrayBitmap(dest, src, 0, 0));
    }, 5));
    EXPECT_EQ(hDestBitmap, ::GetCurrentObject(dest, OBJ_BITMAP));
}
