// Base tip window, through the plain balloon: show delay, display time, capture and click-through.
#include "BalloonProbe.h"

namespace tips_test {
namespace {

// The only case with real waits: the delay and the show time against the clock.
TEST_F(BalloonTest, TipAppearsAfterTheDelayAndKeepsItsFirstShowTimeWhenShownAgain)
{
    const DWORD start = ::GetTickCount();
    Show("Appears a little later", 250, CPoint(300, 300));
    EXPECT_FALSE(m_tip.Visible());
    ASSERT_TRUE(vt::PumpUntil([&] { return m_tip.Visible(); }, 2000));
    const DWORD shownAt = ::GetTickCount();
    // GetTickCount moves in steps of up to about 16 ms; a busy machine only delays.
    EXPECT_GE(shownAt - start, DWORD(kBaseTipShowDelay - 20));
    EXPECT_LT(shownAt - start, DWORD(kBaseTipShowDelay + 700));
    EXPECT_EQ(m_tip.m_hWnd, ::GetCapture());
    EXPECT_EQ(m_host.m_hWnd, ::GetForegroundWindow()) << "shown without activation";

    // Shown again with a long show time: reshaped at once, gone when the first one ends.
    const int widthBefore = m_tip.WindowRect().Width();
    Show("Shown again with a much longer text", 30000, CPoint(300, 300));
    EXPECT_GT(m_tip.WindowRect().Width(), widthBefore);
    EXPECT_EQ(kBaseTipDisplayTimerId, m_tip.RunningTimer());
    ASSERT_TRUE(vt::PumpUntil([&] { return !m_tip.Visible(); }, 2000));
    EXPECT_GE(::GetTickCount() - shownAt, DWORD(250 - 20));
    EXPECT_EQ(nullptr, ::GetCapture());
}

// An activated tip shows at once (one waits for the delay, above); it takes
// the capture when the delay fires, kills that timer and lets go when the
// display time ends.
TEST_F(BalloonTest, ActivatedTipShowsAtOnceAndTheDelayTimerFiresOnceThenTheDisplayTimerHides)
{
    m_tip.NeedActivation(TRUE);
    Show("Timed", 5000, CPoint(300, 300));
    const struct { UINT fire; bool visible, captured; UINT next; } steps[] = {
        {0, true, false, kBaseTipDelayTimerId},
        {kBaseTipDelayTimerId, true, true, kBaseTipDisplayTimerId},
        {kBaseTipDisplayTimerId, false, false, 0}};
    for (const auto& step : steps) {
        if (step.fire != 0)
            m_tip.Fire(step.fire);
        EXPECT_EQ(step.visible, m_tip.Visible()) << step.fire;
        EXPECT_EQ(step.captured, ::GetCapture() == m_tip.m_hWnd) << step.fire;
        EXPECT_EQ(step.next, m_tip.RunningTimer()) << step.fire;
    }
    EXPECT_FALSE(::KillTimer(m_tip.m_hWnd, kBaseTipDelayTimerId)) << "delay timer still set";
// Hiding a hidden tip still lets go of whatever capture this thread holds.
    ::SetCapture(m_host.m_hWnd);
    m_tip.HideMe();
    EXPECT_EQ(nullptr, ::GetCapture());
}

// The tip holds the capture, so a press anywhere reaches it; the replayed
// press and release arrive below before the user lets go.
TEST_F(BalloonTest, PressAnywhereHidesTipAndReplaysTheClickToTheWindowBelow)
{
    ASSERT_TRUE(::CreateWindowExA(0, "BUTTON", "Below", WS_CHILD | WS_VISIBLE, 20, 20, 100, 30,
                                  m_host.m_hWnd, reinterpret_cast<HMENU>(7), nullptr, nullptr));
    const struct { const char* name; bool right; CPoint at; UINT arrives; int afterRelease; } cases[] = {
        // at: host client point; arrives: at the host before the user's release; afterRelease: how many in all
        {"left press on a button clicks it once", false, CPoint(70, 35), WM_COMMAND, 1},
        {"right press on the host", true, CPoint(200, 150), WM_RBUTTONUP, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        vt::MoveCursor(m_host.ToScreen(c.at));
        Show("Click through me", 5000, m_host.ToScreen(c.at) + CPoint(-10, -10));
        m_tip.Fire(kBaseTipDelayTimerId);
        ASSERT_EQ(m_tip.m_hWnd, ::GetCapture());
        m_host.ClearReceived();
        vt::MouseDown(c.right);
        EXPECT_TRUE(vt::PumpUntil([&] { return m_host.CountReceived(c.arrives) == 1; }, 1000));
        EXPECT_FALSE(m_tip.Visible());
        vt::MouseUp(c.right);
        vt::PumpFor(50);
        EXPECT_EQ(c.afterRelease, m_host.CountReceived(c.arrives));
        EXPECT_NE(m_tip.m_hWnd, ::GetCapture());
    }
}

} // namespace
} // namespace tips_test
