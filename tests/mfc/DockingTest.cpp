// Docking: bars docked on each side and at a rectangle, dragged by the
// gripper to float and back, toggled by a double-click, kept floating with
// Ctrl, resized while floating, and hidden by their floating frame's close.
#include "frame/TestFrame.h"

namespace {

CDockBar* DockBar(CFrameWnd* pFrame, UINT nID)
{
    return (CDockBar*)pFrame->GetControlBar(nID);
}

CFrameWnd* FloatingFrame(CControlBar& bar)
{
    return bar.IsFloating() ? bar.GetDockingFrame() : NULL;
}

CRect ScreenRect(const CWnd* pWnd)
{
    CRect rect;
    pWnd->GetWindowRect(&rect);
    return rect;
}

// A point on a floating frame's caption, left of its close button.
CPoint CaptionPoint(CFrameWnd* pFrame)
{
    CRect rectWindow = ScreenRect(pFrame);
    CRect rectClient;
    pFrame->GetClientRect(&rectClient);
    pFrame->ClientToScreen(&rectClient);
    return CPoint(rectClient.left + 8, (rectWindow.top + rectClient.top) / 2 + 1);
}

void DoubleClickQueued(CPoint screen)
{
    vt::MoveCursor(screen);
    for (int i = 0; i < 2; i++) {
        QueueMouseButton(true);
        QueueMouseButton(false);
    }
    vt::PumpPending();
}

class Docking : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(frame.get() != NULL);
        frame->GetClientRect(&client);
        frame->ClientToScreen(&client);
    }
    void TearDown() override { vt::ParkCursor(); }

    // Drags the main tool bar by its gripper into the middle of the frame.
    void FloatByDrag()
    {
        DragMouse(frame->GripperPoint(&bar()), client.CenterPoint());
        ASSERT_TRUE(bar().IsFloating());
    }
    CToolBar& bar() { return frame->m_wndToolBar; }

    FrameHolder frame;
    CRect client;   // the frame's client area on the screen
};

}  // namespace

TEST_F(Docking, DockControlBarPutsTheBarInThatSidesDockBar)
{
    CRect rectClient;
    frame->GetClientRect(&rectClient);
    struct Side { UINT nDockBar; DWORD dwAlign; };
    const Side sides[] = {
        {AFX_IDW_DOCKBAR_LEFT, CBRS_ALIGN_LEFT},
        {AFX_IDW_DOCKBAR_RIGHT, CBRS_ALIGN_RIGHT},
        {AFX_IDW_DOCKBAR_BOTTOM, CBRS_ALIGN_BOTTOM},
        {AFX_IDW_DOCKBAR_TOP, CBRS_ALIGN_TOP},
    };
    for (const Side& side : sides) {
        SCOPED_TRACE(side.nDockBar);
        frame->DockControlBar(&bar(), side.nDockBar);
        frame->RecalcLayout();
        CDockBar* pDockBar = DockBar(frame.get(), side.nDockBar);
        ASSERT_TRUE(pDockBar != NULL);
        EXPECT_EQ(bar().m_pDockBar, pDockBar);
        EXPECT_EQ(bar().GetParent(), pDockBar);
        EXPECT_EQ(bar().m_dwStyle & CBRS_ALIGN_ANY, side.dwAlign);
        EXPECT_FALSE(bar().IsFloating());
        CRect rect = frame->RectInClient(&bar());
        CRect dock = frame->RectInClient(pDockBar);
        EXPECT_TRUE(dock.PtInRect(rect.TopLeft()));
        EXPECT_TRUE(dock.PtInRect(rect.BottomRight() - CSize(1, 1)));
        // Upright bars stack their buttons, lying ones line them up.
        CRect first, last;
        bar().GetItemRect(0, &first);
        bar().GetItemRect(bar().CommandToIndex(ID_TEST_DELTA), &last);
        BOOL bVert = (side.dwAlign & CBRS_ORIENT_VERT) != 0;
        EXPECT_EQ(last.top > first.top, bVert);
        EXPECT_EQ(last.left > first.left, !bVert);
        if (side.dwAlign == CBRS_ALIGN_LEFT) {
            EXPECT_EQ(rect.left, 0);
        } else if (side.dwAlign == CBRS_ALIGN_RIGHT) {
            EXPECT_EQ(rect.right, rectClient.right);
        } else if (side.dwAlign == CBRS_ALIGN_TOP) {
            EXPECT_EQ(rect.top, 0);
        }
    }
}

TEST_F(Docking, DockingAtARectangleJoinsTheRowItFallsInOrStartsANewOne)
{
    CToolBar second;
    ASSERT_TRUE(second.CreateEx(frame.get(), TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER));
    ASSERT_TRUE(second.LoadToolBar(IDR_PALETTE));
    second.EnableDocking(CBRS_ALIGN_ANY);
    CRect first = ScreenRect(&bar());

    CRect sameRow(first.right + 40, first.top, first.right + 140, first.bottom);
    frame->DockControlBar(&second, AFX_IDW_DOCKBAR_TOP, &sameRow);
    frame->RecalcLayout();
    CRect rect = ScreenRect(&second);
    EXPECT_EQ(rect.TopLeft(), sameRow.TopLeft());
    EXPECT_EQ(ScreenRect(&bar()), first);

    CRect nextRow(first.left + 30, first.bottom + 4, first.left + 130, first.bottom + 4 + first.Height());
    frame->DockControlBar(&second, AFX_IDW_DOCKBAR_TOP, &nextRow);
    frame->RecalcLayout();
    rect = ScreenRect(&second);
    EXPECT_EQ(rect.TopLeft(), CPoint(nextRow.left, first.bottom));
    CDockBar* pTop = DockBar(frame.get(), AFX_IDW_DOCKBAR_TOP);
    EXPECT_EQ(ScreenRect(pTop).bottom, rect.bottom);
    // Rows of the dock bar: each ends with a NULL.
    ASSERT_EQ(pTop->m_arrBars.GetSize(), 5);
    EXPECT_EQ(pTop->m_arrBars[1], &bar());
    EXPECT_EQ(pTop->m_arrBars[2], (void*)NULL);
    EXPECT_EQ(pTop->m_arrBars[3], &second);
    EXPECT_EQ(pTop->m_arrBars[4], (void*)NULL);
}

TEST_F(Docking, DraggingTheGripperFloatsOrDocksWhereItIsDropped)
{
    struct Drop { const char* where; CPoint to; UINT nDockBar; };
    const Drop drops[] = {
        {"middle", client.CenterPoint(), 0},
        {"left edge", CPoint(client.left + 2, client.top + client.Height() / 3), AFX_IDW_DOCKBAR_LEFT},
        {"bottom edge", CPoint(client.CenterPoint().x, client.bottom - 2), AFX_IDW_DOCKBAR_BOTTOM},
    };
    // Presses in different places, so no two make a double-click.
    int nPressOffset = -6;
    for (const Drop& drop : drops) {
        SCOPED_TRACE(drop.where);
        frame->DockControlBar(&bar(), AFX_IDW_DOCKBAR_TOP);
        frame->RecalcLayout();
        CRect before = ScreenRect(&bar());
        CPoint from = frame->GripperPoint(&bar()) + CSize(0, nPressOffset);
        nPressOffset += 6;
        DragMouse(from, drop.to);
        if (drop.nDockBar == 0) {
            // Floats where the outline was: the bar moved with the mouse.
            ASSERT_TRUE(bar().IsFloating());
            CFrameWnd* pFloat = FloatingFrame(bar());
            EXPECT_TRUE(pFloat->IsKindOf(RUNTIME_CLASS(CMiniDockFrameWnd)));
            EXPECT_TRUE(pFloat->IsWindowVisible());
            EXPECT_EQ(ScreenRect(&bar()).TopLeft(), before.TopLeft() + (drop.to - from));
            EXPECT_EQ(bar().m_pDockContext->m_rectLast, ScreenRect(pFloat));
            CString title;
            pFloat->GetWindowText(title);
            EXPECT_STREQ(title, "Standard");
        } else {
            EXPECT_FALSE(bar().IsFloating());
            CDockBar* pDockBar = DockBar(frame.get(), drop.nDockBar);
            EXPECT_EQ(bar().m_pDockBar, pDockBar);
            CRect after = ScreenRect(&bar());
            CRect dock = ScreenRect(pDockBar);
            EXPECT_TRUE(dock.PtInRect(after.TopLeft()));
            EXPECT_TRUE(dock.PtInRect(after.BottomRight() - CSize(1, 1)));
            // Upright at the left edge; along the bottom where the outline was.
            if (drop.nDockBar == AFX_IDW_DOCKBAR_LEFT) {
                EXPECT_EQ(after.left, client.left);
                EXPECT_GT(after.Height(), after.Width());
            } else {
                EXPECT_EQ(after.left, before.left + (drop.to.x - from.x));
            }
        }
    }
}

TEST_F(Docking, DraggingTheFloatingCaptionOverADockBarDocksUnlessCtrlIsHeld)
{
    FloatByDrag();
    CFrameWnd* pFloat = FloatingFrame(bar());
    CPoint caption = CaptionPoint(pFloat);
    CPoint top(caption.x, client.top);
    CRect before = ScreenRect(pFloat);
    DragMouse(caption, top, true);
    ASSERT_TRUE(bar().IsFloating());
    EXPECT_EQ(ScreenRect(FloatingFrame(bar())).TopLeft(), before.TopLeft() + (top - caption));

    caption = CaptionPoint(FloatingFrame(bar()));
    DragMouse(caption, CPoint(caption.x, client.top));
    EXPECT_FALSE(bar().IsFloating());
    EXPECT_EQ(bar().m_pDockBar, DockBar(frame.get(), AFX_IDW_DOCKBAR_TOP));
}

TEST_F(Docking, DoubleClickTogglesAndTheFloatingPlaceAndSizeAreKept)
{
    CRect docked = ScreenRect(&bar());
    FloatByDrag();
    // Narrower by its right edge: the buttons wrap into more rows.
    CFrameWnd* pFloat = FloatingFrame(bar());
    CRect wide = ScreenRect(pFloat);
    CPoint edge(wide.right - 2, wide.CenterPoint().y);
    ASSERT_EQ(pFloat->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(edge.x, edge.y)), HTRIGHT);
    DragMouse(edge, CPoint(edge.x - wide.Width() / 2, edge.y));
    CRect narrow = ScreenRect(FloatingFrame(bar()));
    EXPECT_LT(narrow.Width(), wide.Width());
    EXPECT_GT(narrow.Height(), wide.Height());
    EXPECT_EQ(narrow.TopLeft(), wide.TopLeft());

    DoubleClickQueued(CaptionPoint(FloatingFrame(bar())));
    ASSERT_FALSE(bar().IsFloating());
    EXPECT_EQ(ScreenRect(&bar()), docked);

    DoubleClickQueued(frame->GripperPoint(&bar()) + CSize(0, 6));
    ASSERT_TRUE(bar().IsFloating());
    EXPECT_EQ(ScreenRect(FloatingFrame(bar())), narrow);
}

TEST_F(Docking, ClosingTheFloatingFrameHidesTheBar)
{
    FloatByDrag();
    CFrameWnd* pFloat = FloatingFrame(bar());
    pFloat->PostMessage(WM_SYSCOMMAND, SC_CLOSE);
    vt::PumpPending();
    EXPECT_FALSE(bar().IsWindowVisible());
    EXPECT_FALSE(pFloat->IsWindowVisible());
    EXPECT_TRUE(bar().IsFloating());

    frame->ShowControlBar(&bar(), TRUE, FALSE);
    EXPECT_TRUE(bar().IsWindowVisible());
    EXPECT_TRUE(pFloat->IsWindowVisible());
}

TEST(DockingLeaks, FramesWithBarsDockedFloatedAndDestroyedLeaveNothing)
{
    auto cycle = [] {
        FrameHolder frame;
        CToolBar& bar = frame->m_wndToolBar;
        CRect client;
        frame->GetClientRect(&client);
        frame->ClientToScreen(&client);
        DragMouse(frame->GripperPoint(&bar), client.CenterPoint());
        frame->DockControlBar(&bar, AFX_IDW_DOCKBAR_LEFT);
        frame->FloatControlBar(&frame->m_wndDialogBar, CPoint(200, 200), CBRS_ALIGN_TOP);
        frame->ShowControlBar(&frame->m_wndDialogBar, FALSE, FALSE);
        frame->RecalcLayout();
        vt::PumpPending();
    };
    // Wine keeps one GDI object for good after the second dialog whose
    // focus it sets (the dialog bar's; measured without this layer too), so
    // two rounds warm up.
    cycle();
    cycle();
    const int nGdi = vt::GdiObjectCount();
    const int nWindows = vt::ThreadWindowCount();
    for (int i = 0; i < 5; i++)
        cycle();
    EXPECT_EQ(vt::GdiObjectCount(), nGdi);
    EXPECT_EQ(vt::ThreadWindowCount(), nWindows);
    vt::ParkCursor();
}
