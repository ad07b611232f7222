// Tooltip manager window: delay and hide timers, placement, capture hand-back and painting
// (the real delay is timed by the typical event, in the panes suite).
#include "ToolTipFixture.h"

namespace tips_test {
namespace {

// A real timer, measured against the clock (the delay's is the typical
// event's): a tip shown for 300 ms goes after 300 ms, giving the capture back.
TEST_F(ToolTipTest, TipGoesAfterItsShowTime)
{
    const DWORD start = ::GetTickCount();
    m_tip.ShowMe("Briefly", 300, 50, 50);
    ASSERT_TRUE(TipVisible());
    ASSERT_TRUE(vt::PumpUntil([&] { return !TipVisible(); }, 3000));
    // GetTickCount moves in steps of up to about 16 ms; a busy machine only delays.
    EXPECT_GE(::GetTickCount() - start, DWORD(300 - 20));
    EXPECT_LT(::GetTickCount() - start, DWORD(300 + 400));
    EXPECT_NE(m_tip.m_hWnd, ::GetCapture());
    EXPECT_EQ(0u, m_tip.RunningTimer());
}

// A cursor that left during the delay shows nothing when the delay runs
// out; a tip that timed out comes back only after the cursor left the tool
// and returned.
TEST_F(ToolTipTest, TipShowsOncePerVisitAndNotAfterTheCursorLeftDuringTheDelay)
{
    ASSERT_TRUE(m_tip.AddTool(m_toolA, "Once per visit"));
    RestOn(m_toolA);
    vt::MoveCursor(m_host.ToScreen(kHostBlankPoint));   // not relayed: the expiry itself must look
    FireTimer(kToolTipDelayTimerId);
    EXPECT_FALSE(TipVisible());
    EXPECT_NE(m_tip.m_hWnd, ::GetCapture());
    LeaveTools();
    ShowFor(m_toolA);
    FireTimer(kToolTipHideTimerId);
    vt::MoveCursor(CentreOf(m_toolA) + CPoint(5, 3));
    Relay(WM_MOUSEMOVE);
    Relay(WM_LBUTTONUP);
    EXPECT_EQ(0u, m_tip.RunningTimer()) << "no delay runs, so no tip comes";
    LeaveTools();
    RestOn(m_toolA);
    EXPECT_EQ(kToolTipDelayTimerId, m_tip.RunningTimer());
}

TEST_F(ToolTipTest, MovingToAnotherToolHidesTipAndStartsANewDelay)
{
    ASSERT_TRUE(m_tip.AddTool(m_toolA, "Alpha"));
    ASSERT_TRUE(m_tip.AddTool(m_toolB, "Beta"));
    ShowFor(m_toolA);
    // The tip holds the capture, so the move reaches it without any relaying.
    vt::MoveCursor(CentreOf(m_toolB));
    EXPECT_TRUE(vt::PumpUntil([&] { return !TipVisible(); }, 1000));
    EXPECT_NE(m_tip.m_hWnd, ::GetCapture());
    Relay(WM_MOUSEMOVE);
    EXPECT_EQ(kToolTipDelayTimerId, m_tip.RunningTimer());
    FireTimer(kToolTipDelayTimerId);
    ASSERT_TRUE(TipVisible());
    EXPECT_EQ("Beta", m_tip.Text());
}

TEST_F(ToolTipTest, ButtonOverAnotherWindowHidesTipButOverTheToolKeepsIt)
{
    ASSERT_TRUE(m_tip.AddTool(m_toolA, "Pressed on"));
    ShowFor(m_toolA);
    Relay(WM_LBUTTONDOWN);
    EXPECT_TRUE(TipVisible());
    // Relayed directly: a real move would reach the tip through its capture and hide it first.
    const CPoint blank = m_host.ToScreen(kHostBlankPoint);
    ::SetCursorPos(blank.x, blank.y);
    Relay(WM_RBUTTONUP);
    EXPECT_FALSE(TipVisible());
}

// At a point, or beside the cursor and then 5 pixels inside the work area's
// right and bottom edges; the size is the text's, as wide as its widest line
// and as high as all lines, plus the margins either way.
TEST_F(ToolTipTest, TipGoesToItsPointOrBesideTheCursorInsideTheWorkArea)
{
    CRect work;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const char kText[] = "Near the edge\nof the work area\nend";
    m_tip.SetMarginToAdjustSize(8, 2);
    const CSize size = MeasureLines(kText) + CSize(16, 4);
    const CPoint blank = m_host.ToScreen(kHostBlankPoint);
    const struct { const char* name; CPoint cursor; int x, y; CPoint expected; } cases[] = {
        {"beside the cursor", blank, -1, -1, blank + CPoint(10, 10)},
        {"x only", blank, -1, 100, CPoint(-1, 100)},
        {"y only", blank, 100, -1, CPoint(100, -1)},
        {"at a point", blank, 30, 40, CPoint(30, 40)},
        {"right edge", CPoint(work.right - 3, work.top + 100), -1, -1, CPoint(work.right - size.cx - 5, work.top + 110)},
        {"bottom edge", CPoint(work.left + 100, work.bottom - 3), -1, -1, CPoint(work.left + 110, work.bottom - size.cy - 5)},
        {"bottom right corner", CPoint(work.right - 2, work.bottom - 2), -1, -1, work.BottomRight() - size - CSize(5, 5)},
        {"just fits", work.BottomRight() - size - CSize(10, 10), -1, -1, work.BottomRight() - size},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ::SetCursorPos(c.cursor.x, c.cursor.y);
        m_tip.ShowMe(kText, 3000, c.x, c.y);
        ASSERT_TRUE(TipVisible());
        EXPECT_EQ(CRect(c.expected, size), TipRect());
        EXPECT_EQ(kToolTipHideTimerId, m_tip.RunningTimer());
        EXPECT_EQ(m_tip.m_hWnd, ::GetCapture());
        m_tip.HideMe();
    }
}

TEST_F(ToolTipTest, SecondManagersTipHandsTheCaptureBackToItsEarlierHolder)
{
    ProbeToolTip other;
    ASSERT_TRUE(other.Create());
    ::SetCapture(m_host.m_hWnd);
    m_tip.ShowMe("First manager", 5000, 100, 100);
    EXPECT_EQ(m_tip.m_hWnd, ::GetCapture());
    other.ShowMe("Second manager", 5000, 100, 200);
    EXPECT_FALSE(TipVisible());
    EXPECT_TRUE(::IsWindowVisible(other.m_hWnd));
    EXPECT_EQ(other.m_hWnd, ::GetCapture());
    other.HideMe();
    EXPECT_EQ(m_host.m_hWnd, ::GetCapture());
    // The first manager's hide timer still runs out later, on a tip already down.
    FireTimer(kToolTipHideTimerId);
    EXPECT_EQ(m_host.m_hWnd, ::GetCapture());
    ::ReleaseCapture();
}

TEST_F(ToolTipTest, TipOfADestroyedToolStaysUntilItsTimerOrAPress)
{
    for (bool byPress : {false, true}) {
        SCOPED_TRACE(byPress ? "ended by a press" : "ended by the hide timer");
        HWND tool = MakeTool(CRect(150, 10, 250, 50), 3);
        ASSERT_TRUE(m_tip.AddTool(tool, "Soon gone"));
        ShowFor(tool);
        ::DestroyWindow(tool);
        vt::MoveCursor(m_host.ToScreen(kHostBlankPoint));
        vt::PumpFor(50);
        EXPECT_TRUE(TipVisible());
        if (byPress) {
            // The press is taken by the tip and replayed to the window under the cursor.
            m_host.ClearReceived();
            vt::MouseDown();
            EXPECT_TRUE(vt::PumpUntil([&] { return !TipVisible(); }, 1000));
            EXPECT_TRUE(vt::PumpUntil([&] { return m_host.CountReceived(WM_LBUTTONDOWN) > 0; }, 1000));
            vt::MouseUp();
            EXPECT_TRUE(vt::PumpUntil([&] { return m_host.CountReceived(WM_LBUTTONUP) > 0; }, 1000));
        } else {
            FireTimer(kToolTipHideTimerId);
            EXPECT_FALSE(TipVisible());
        }
        EXPECT_NE(m_tip.m_hWnd, ::GetCapture());
        m_tip.Clear();
        LeaveTools();
    }
}

TEST_F(ToolTipTest, TipPaintsItsTextOnTheTooltipSkin)
{
    const COLORREF kInk = RGB(200, 0, 0);
    m_tip.SetTipColor(kInk);
    m_tip.ShowMe("Skin", 3000, 60, 60);
    m_tip.UpdateWindow();
    const vt::Capture shot = vt::Capture::FromWindow(m_tip.m_hWnd);
    const int w = shot.width(), h = shot.height();
    ASSERT_EQ(TipRect().Width(), w);
    EXPECT_PIXEL(shot, 0, h / 2, RGB(0, 60, 115));        // frame
    EXPECT_PIXEL(shot, w / 2, 0, RGB(0, 60, 115));
    EXPECT_PIXEL(shot, w - 3, h / 2, RGB(255, 255, 231)); // face, in the right margin
    EXPECT_PIXEL(shot, w / 2, h - 4, RGB(255, 255, 231)); // face, in the bottom margin
    // The text's colour only inside the margins, and some of it there.
    const CRect text(kToolTipMargin, kToolTipMargin, w - kToolTipMargin, h - kToolTipMargin);
    const CRect ink = vt::BoundsOf(shot, CRect(0, 0, w, h), kInk);
    EXPECT_FALSE(ink.IsRectEmpty());
    EXPECT_EQ(ink, ink & text) << "ink outside the margins";
    if (HasFailure())
        vt::DumpForCurrentTest(shot, "tip");
}

} // namespace
} // namespace tips_test
