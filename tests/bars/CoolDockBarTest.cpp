// Dock bars read back from a real frame: fill and edge line per side, whole repaints without an erase
// after a move or a resize, and frames with the bars built, docked, floated and destroyed many times.
#include "BarFixture.h"

using namespace bartest;

namespace {

class CoolDockBarTest : public BarTest
{
protected:
    void SetUp() override { Make(); }
    CDockBar* Dock(UINT nID) { return (CDockBar*)Frame()->GetControlBar(nID); }
    // The part of the dock bar the tool bar leaves free, in its window coordinates.
    CRect Free(CDockBar* pDock, bool bHorz)
    {
        CRect dock, bar;
        pDock->GetWindowRect(&dock);
        Bar().GetWindowRect(&bar);
        bar -= dock.TopLeft();
        return bHorz ? CRect(bar.right, 0, dock.Width(), dock.Height()) : CRect(0, bar.bottom, dock.Width(), dock.Height());
    }
};

}  // namespace

TEST_F(CoolDockBarTest, FillsWithTheBarColourAndLinesTheEdgeFacingTheClient)
{
    for (UINT nID : {AFX_IDW_DOCKBAR_TOP, AFX_IDW_DOCKBAR_BOTTOM, AFX_IDW_DOCKBAR_LEFT, AFX_IDW_DOCKBAR_RIGHT}) {
        Frame()->Dock(Bar(), nID);
        CDockBar* pDock = Dock(nID);
        ASSERT_TRUE(pDock->IsKindOf(RUNTIME_CLASS(CCoolDockBar)));
        const vt::Capture shot = Frame()->PaintBar(*pDock);
        const int cx = shot.width(), cy = shot.height();
        const CRect free = Free(pDock, nID == AFX_IDW_DOCKBAR_TOP || nID == AFX_IDW_DOCKBAR_BOTTOM);
        ASSERT_FALSE(free.IsRectEmpty());
        const CRect line = nID == AFX_IDW_DOCKBAR_TOP ? CRect(0, cy - 1, cx, cy) : nID == AFX_IDW_DOCKBAR_BOTTOM ? CRect(0, 0, cx, 1)
                         : nID == AFX_IDW_DOCKBAR_LEFT ? CRect(cx - 1, 0, cx, cy) : CRect(0, 0, 1, cy);
        EXPECT_TRUE(RegionMatches(shot, free, [&](int x, int y, COLORREF cr) {
            return cr == (line.PtInRect(CPoint(x, y)) ? kBarEdge : kBarBackground);
        })) << nID;
    }
}

TEST_F(CoolDockBarTest, MoveOrShrinkRepaintsAllOfItWithoutAnErase)
{
    // Moved, or made narrower, by itself the dock bar would get no paint
    // from the system: all it repaints comes from its own invalidation,
    // which asks for no erase.
    CDockBar* pDock = Dock(AFX_IDW_DOCKBAR_TOP);
    vt::GdiObject red(::CreateSolidBrush(RGB(255, 0, 0)));
    for (CSize change : {CSize(3, 0), CSize(0, 60)}) {   // down by cx, narrower by cy
        Frame()->RecalcLayout();
        vt::PumpPending();
        CRect client, update, rect;
        pDock->GetClientRect(&client);
        ::FillRect(vt::WindowDC(pDock->m_hWnd), &client, red.brush());
        vt::MessageRecorder recorder;
        recorder.Watch(pDock->m_hWnd);
        recorder.Only({WM_PAINT, WM_ERASEBKGND});
        pDock->GetWindowRect(&rect);
        Frame()->ScreenToClient(&rect);
        pDock->SetWindowPos(NULL, rect.left, rect.top + change.cx, rect.Width() - change.cy, rect.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
        pDock->GetClientRect(&client);
        ASSERT_TRUE(pDock->GetUpdateRect(&update, FALSE));
        EXPECT_EQ(client, update);
        vt::PumpUntil([&] { return !pDock->GetUpdateRect(NULL, FALSE); });
        EXPECT_TRUE(vt::SequenceIs(recorder.Messages(pDock->m_hWnd), {WM_PAINT}));
        EXPECT_TRUE(RegionMatches(vt::Capture::FromWindow(pDock->m_hWnd, true), Free(pDock, true),
                                  [](int, int, COLORREF cr) { return cr == kBarBackground || cr == kBarEdge; }));
    }
    // Neither bar erases anything when asked to.
    vt::MemoryCanvas canvas(8, 8, kBackground);
    EXPECT_EQ(TRUE, pDock->SendMessage(WM_ERASEBKGND, (WPARAM)canvas.dc()));
    EXPECT_EQ(TRUE, Bar().SendMessage(WM_ERASEBKGND, (WPARAM)canvas.dc()));
    EXPECT_TRUE(RegionIs(canvas.Snapshot(), CRect(0, 0, 8, 8), kBackground));
}

TEST(CoolDockBar, FramesWithTheBarsLeakNothing)
{
    EXPECT_TRUE(LeaksNothing([] {
        CBarFrame* pFrame = CBarFrame::Make(StandardIds());
        ASSERT_TRUE(pFrame != NULL);
        CProbeToolBar& bar = pFrame->m_wndToolBar;
        CComboBox combo;
        CEdit edit;
        combo.Create(WS_CHILD | CBS_DROPDOWNLIST, CRect(0, 0, 60, 120), &bar, kIdFirst + 5);
        edit.Create(WS_CHILD | WS_BORDER, CRect(0, 0, 40, 18), &bar, kIdFirst + 6);
        const RECT slot = {0, 0, 64, 20};
        bar.InsertControl(&combo, &slot, kIdFirst + 5);
        bar.InsertControl(&edit, &slot, kIdFirst + 6);
        bar.SetButtonDropDown(kIdFirst + 1);
        bar.SetButtonText(0, "Open");
        pFrame->m_checked = {kIdFirst + 2};
        pFrame->m_disabled = {kIdFirst + 3};
        vt::MoveCursor(pFrame->ButtonCenter(0));
        for (UINT nID : {AFX_IDW_DOCKBAR_TOP, AFX_IDW_DOCKBAR_LEFT, 0, AFX_IDW_DOCKBAR_BOTTOM}) {
            nID != 0 ? pFrame->Dock(bar, nID) : pFrame->Float(bar);
            pFrame->PaintBar(bar);
            pFrame->PaintBar(*bar.GetParent());
        }
        pFrame->DestroyWindow();
        vt::PumpPending();
    }, 5));
}
