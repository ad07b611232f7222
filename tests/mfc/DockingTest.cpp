// Docking: bars docked at a rectangle, dragged by the
// gripper to float and back, toggled by a double-click, kept floating with
// Ctrl, resized while floating, and hidden by their floating frame's close.
#include "frame/TestFrame.h"

namespace {

CRect ScreenRect(const CWnd* pWnd)
{
    CRect rect;
    pWnd->GetWindowRect(&rect);
    return rect;
}

// A point on a floating frame's caption, left of its close button.
CPoint CaptionPoint(CFrameWnd* pFrame)
{
    CRect rectClient;
    pFrame->GetClientRect(&rectClient);
    pFrame->ClientToScreen(&rectClient);
    return CPoint(rectClient.left + 8, (ScreenRect(pFrame).top + rectClient.top) / 2 + 1);
}

void DoubleClickQueued(CPoint screen)
{
    vt::MoveCursor(screen);
    for (bool down : {true, false, true, false})
        QueueMouseButton(down);
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

    CToolBar& bar() { return frame->m_wndToolBar; }
    CDockBar* DockBar(UINT nID) { return (CDockBar*)frame->GetControlBar(nID); }
    CFrameWnd* Floating() { return bar().IsFloating() ? bar().GetDockingFrame() : NULL; }
    // The bar lies in the dock bar's rectangle.
    ::testing::AssertionResult InDockBar(UINT nID)
    {
        const CRect rect = ScreenRect(&bar()), dock = ScreenRect(DockBar(nID));
        if (bar().m_pDockBar == DockBar(nID) && !bar().IsFloating() && (rect & dock) == rect)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "not in dock bar " << nID;
    }

    FrameHolder frame;
    CRect client;   // the frame's client area on the screen
};

}  // namespace

TEST_F(Docking, DockingAtARectangleJoinsTheRowItFallsInOrStartsANewOne)
{
    CToolBar second;
    ASSERT_TRUE(second.CreateEx(frame.get(), TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER));
    ASSERT_TRUE(second.LoadToolBar(IDR_PALETTE));
    second.EnableDocking(CBRS_ALIGN_ANY);
    const CRect first = ScreenRect(&bar());
    const struct { CRect at; CPoint placed; } rows[] = {
        {CRect(first.right + 40, first.top, first.right + 140, first.bottom), CPoint(first.right + 40, first.top)},
        {CRect(first.left + 30, first.bottom + 4, first.left + 130, first.bottom + 4 + first.Height()), CPoint(first.left + 30, first.bottom)},
    };
    for (const auto& row : rows) {
        frame->DockControlBar(&second, AFX_IDW_DOCKBAR_TOP, &row.at);
        frame->RecalcLayout();
        EXPECT_EQ(ScreenRect(&second).TopLeft(), row.placed);
        EXPECT_EQ(ScreenRect(&bar()), first);
    }
    // The dock bar grew to hold the second row.
    EXPECT_EQ(ScreenRect(DockBar(AFX_IDW_DOCKBAR_TOP)).bottom, ScreenRect(&second).bottom);
}

// Upright at the left edge; along the bottom where the outline was.
TEST_F(Docking, DraggingTheGripperToAnEdgeDocksThereInItsOrientation)
{
    const struct { CPoint to; UINT nDockBar; } drops[] = {
        {CPoint(client.left + 2, client.top + client.Height() / 3), AFX_IDW_DOCKBAR_LEFT},
        {CPoint(client.CenterPoint().x, client.bottom - 2), AFX_IDW_DOCKBAR_BOTTOM},
    };
    int nPressOffset = -6;   // presses in different places, so no two make a double-click
    for (const auto& drop : drops) {
        SCOPED_TRACE(drop.nDockBar);
        frame->DockControlBar(&bar(), AFX_IDW_DOCKBAR_TOP);
        frame->RecalcLayout();
        const CRect before = ScreenRect(&bar());
        const CPoint from = frame->GripperPoint(&bar()) + CSize(0, nPressOffset += 6);
        DragMouse(from, drop.to);
        const CRect after = ScreenRect(&bar());
        EXPECT_TRUE(InDockBar(drop.nDockBar));
        const bool bLeft = drop.nDockBar == AFX_IDW_DOCKBAR_LEFT;
        EXPECT_EQ(after.left, bLeft ? client.left : before.left + (drop.to.x - from.x));
        EXPECT_EQ(after.Height() > after.Width(), bLeft);
    }
}

TEST_F(Docking, DraggingTheFloatingCaptionOverADockBarDocksUnlessCtrlIsHeld)
{
    DragMouse(frame->GripperPoint(&bar()), client.CenterPoint());
    for (bool ctrl : {true, false}) {
        SCOPED_TRACE(ctrl ? "Ctrl held" : "plain");
        ASSERT_TRUE(Floating() != NULL);
        const CRect before = ScreenRect(Floating());
        const CPoint caption = CaptionPoint(Floating()), top(caption.x, client.top);
        DragMouse(caption, top, ctrl);
        if (ctrl) {
            EXPECT_EQ(ScreenRect(Floating()).TopLeft(), before.TopLeft() + (top - caption));
        }
    }
    EXPECT_TRUE(InDockBar(AFX_IDW_DOCKBAR_TOP));
}

// Dropped in the middle, the bar floats where the outline was, in a mini
// frame titled with the bar's name.
TEST_F(Docking, DroppedInTheMiddleItFloatsThereDoubleClicksToggleKeepingPlaceAndSizeAndCloseHides)
{
    const CRect docked = ScreenRect(&bar());
    const CPoint from = frame->GripperPoint(&bar());
    DragMouse(from, client.CenterPoint());
    ASSERT_TRUE(Floating() != NULL);
    EXPECT_TRUE(Floating()->IsKindOf(RUNTIME_CLASS(CMiniDockFrameWnd)));
    EXPECT_EQ(ScreenRect(&bar()).TopLeft(), docked.TopLeft() + (client.CenterPoint() - from));
    EXPECT_EQ(bar().m_pDockContext->m_rectLast, ScreenRect(Floating()));
    CString title;
    Floating()->GetWindowText(title);
    EXPECT_STREQ(title, "Standard");
    // Narrower by its right edge: the buttons wrap into more rows.
    const CRect wide = ScreenRect(Floating());
    const CPoint edge(wide.right - 2, wide.CenterPoint().y);
    ASSERT_EQ(Floating()->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(edge.x, edge.y)), HTRIGHT);
    DragMouse(edge, CPoint(edge.x - wide.Width() / 2, edge.y));
    const CRect narrow = ScreenRect(Floating());
    EXPECT_LT(narrow.Width(), wide.Width());
    EXPECT_GT(narrow.Height(), wide.Height());
    EXPECT_EQ(narrow.TopLeft(), wide.TopLeft());

    DoubleClickQueued(CaptionPoint(Floating()));
    ASSERT_FALSE(bar().IsFloating());
    EXPECT_EQ(ScreenRect(&bar()), docked);
    DoubleClickQueued(frame->GripperPoint(&bar()) + CSize(0, 6));
    ASSERT_TRUE(Floating() != NULL);
    EXPECT_EQ(ScreenRect(Floating()), narrow);

    // The floating frame's close hides both; showing the bar shows both.
    CFrameWnd* pFloat = Floating();
    pFloat->PostMessage(WM_SYSCOMMAND, SC_CLOSE);
    vt::PumpPending();
    for (BOOL bShown : {FALSE, TRUE}) {
        EXPECT_EQ(bar().IsWindowVisible(), bShown);
        EXPECT_EQ(pFloat->IsWindowVisible(), bShown);
        EXPECT_TRUE(bar().IsFloating());
        frame->ShowControlBar(&bar(), TRUE, FALSE);
    }
}

// Frames loaded from their resources with a tool bar, a status bar and a
// dialog bar. (Bars dragged by the mouse many times: the demo's docking
// rounds, counted in its process.)
TEST(DockingLeaks, FramesWithBarsDockedFloatedAndDestroyedLeaveNothing)
{
    auto cycle = [] {
        FrameHolder frame;
        frame->FloatControlBar(&frame->m_wndToolBar, CPoint(240, 240));
        frame->DockControlBar(&frame->m_wndToolBar, AFX_IDW_DOCKBAR_LEFT);
        frame->FloatControlBar(&frame->m_wndDialogBar, CPoint(200, 200), CBRS_ALIGN_TOP);
        frame->ShowControlBar(&frame->m_wndDialogBar, FALSE, FALSE);
        frame->RecalcLayout();
        vt::PumpPending();
    };
    // Wine keeps one GDI object for good after the second dialog whose
    // focus it sets (the dialog bar's; measured without this layer too):
    // the warm-up rounds take it.
    EXPECT_TRUE(vt::LeavesNothingBehind(cycle, 5));
}
