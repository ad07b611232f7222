// Base tip window, through the plain balloon: show delay, display time, capture and click-through.
#include "BalloonProbe.h"

namespace tips_test {
namespace {

const COLORREF kFill = RGB(255, 255, 225);
const COLORREF kFrame = RGB(0, 0, 160);
const COLORREF kInk = RGB(160, 0, 0);

class BaseTipTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        vt::ParkCursor();
        ASSERT_TRUE(m_tip.Create());
        vt::Activate(m_host.m_hWnd);
    }

    void TearDown() override
    {
        m_tip.HideMe();
        vt::ParkCursor();
        vt::PumpPending();
    }

    void Show(const char* text, int showTime, CPoint anchor = CPoint(300, 300))
    {
        m_tip.ShowMe(anchor.x, anchor.y, text, 10, kBalloonTailTopLeft, kFill, kFrame, kInk, showTime);
    }

    static double NowMs()
    {
        LARGE_INTEGER now, frequency;
        ::QueryPerformanceCounter(&now);
        ::QueryPerformanceFrequency(&frequency);
        return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
    }

    vt::HostWnd m_host{320, 240};
    ProbeBalloon m_tip;
};

// The only case with real waits: the delay and the show time measured against the clock.
TEST_F(BaseTipTest, TipAppearsAfterTheDelayAndKeepsItsFirstShowTimeWhenShownAgain)
{
    const double start = NowMs();
    Show("Appears a little later", 250);
    EXPECT_FALSE(m_tip.Visible());
    EXPECT_EQ(kBaseTipDelayTimerId, m_tip.RunningTimer());

    ASSERT_TRUE(vt::PumpUntil([&] { return m_tip.Visible(); }, 2000));
    const double shownAt = NowMs();
    EXPECT_GE(shownAt - start, kBaseTipShowDelay - 15);
    EXPECT_LT(shownAt - start, kBaseTipShowDelay + 700);
    EXPECT_EQ(m_tip.m_hWnd, ::GetCapture());
    EXPECT_EQ(kBaseTipDisplayTimerId, m_tip.RunningTimer());
    EXPECT_EQ(m_host.m_hWnd, ::GetForegroundWindow()) << "shown without activation";

    // Shown again with a long show time: reshaped at once, gone when the first one ends.
    const int widthBefore = m_tip.WindowRect().Width();
    Show("Shown again with a much longer text", 30000);
    EXPECT_TRUE(m_tip.Visible());
    EXPECT_GT(m_tip.WindowRect().Width(), widthBefore);
    EXPECT_EQ(kBaseTipDisplayTimerId, m_tip.RunningTimer());
    ASSERT_TRUE(vt::PumpUntil([&] { return !m_tip.Visible(); }, 2000));
    EXPECT_GE(NowMs() - shownAt, 250 - 15);
    EXPECT_EQ(nullptr, ::GetCapture());
    EXPECT_EQ(0u, m_tip.RunningTimer());
}

TEST_F(BaseTipTest, DelayTimerFiresOnceThenTheDisplayTimerHides)
{
    for (BOOL activate : {FALSE, TRUE})
    {
        SCOPED_TRACE(activate ? "with activation" : "without activation");
        m_tip.NeedActivation(activate);
        Show("Timed", 5000);
        EXPECT_EQ(activate != FALSE, m_tip.Visible()) << "an activated tip shows at once";
        EXPECT_NE(m_tip.m_hWnd, ::GetCapture());
        EXPECT_EQ(kBaseTipDelayTimerId, m_tip.RunningTimer());

        m_tip.Fire(kBaseTipDelayTimerId);
        EXPECT_TRUE(m_tip.Visible());
        EXPECT_EQ(m_tip.m_hWnd, ::GetCapture());
        EXPECT_EQ(kBaseTipDisplayTimerId, m_tip.RunningTimer());
        EXPECT_FALSE(::KillTimer(m_tip.m_hWnd, kBaseTipDelayTimerId)) << "delay timer still set";

        m_tip.Fire(kBaseTipDisplayTimerId);
        EXPECT_FALSE(m_tip.Visible());
        EXPECT_EQ(nullptr, ::GetCapture());
        EXPECT_EQ(0u, m_tip.RunningTimer());
        EXPECT_FALSE(::KillTimer(m_tip.m_hWnd, kBaseTipDisplayTimerId)) << "display timer still set";
    }
}

// The tip holds the capture, so the press reaches it wherever the cursor is;
// the replayed press and release arrive below before the user lets go.
TEST_F(BaseTipTest, PressAnywhereHidesTipAndReplaysTheClickToTheWindowBelow)
{
    const HWND button = ::CreateWindowExA(0, "BUTTON", "Below", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                                          20, 20, 100, 30, m_host.m_hWnd, reinterpret_cast<HMENU>(7),
                                          nullptr, nullptr);
    ASSERT_NE(nullptr, button);
    const struct Case
    {
        const char* name;
        bool right;
        CPoint at;          // host client coordinates
        UINT arrives;       // at the host, before the user's release
        int afterRelease;   // how many once the user's own release has come too
    } cases[] = {
        {"left press on a button clicks it once", false, CPoint(70, 35), WM_COMMAND, 1},
        {"right press on the host", true, CPoint(200, 150), WM_RBUTTONUP, 2},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        vt::MoveCursor(m_host.ToScreen(c.at));
        Show("Click through me", 5000, m_host.ToScreen(c.at) + CPoint(-10, -10));
        m_tip.Fire(kBaseTipDelayTimerId);
        ASSERT_EQ(m_tip.m_hWnd, ::GetCapture());
        m_host.ClearReceived();

        vt::MouseDown(c.right);
        EXPECT_TRUE(vt::PumpUntil([&] { return m_host.CountReceived(c.arrives) == 1; }, 1000));
        EXPECT_FALSE(m_tip.Visible());
        EXPECT_EQ(0u, m_tip.RunningTimer());
        vt::MouseUp(c.right);
        vt::PumpFor(50);
        EXPECT_EQ(c.afterRelease, m_host.CountReceived(c.arrives));
        EXPECT_NE(m_tip.m_hWnd, ::GetCapture());
    }
}

TEST_F(BaseTipTest, HideMeReleasesTheCaptureAndAnUncreatedTipDoesNothing)
{
    ::SetCapture(m_host.m_hWnd);
    m_tip.HideMe();
    EXPECT_EQ(nullptr, ::GetCapture());

    ProbeBalloon uncreated;
    uncreated.ShowMe(100, 100, "Never created", 10, 0, kFill, kFrame, kInk, 1000);
    EXPECT_EQ(0u, uncreated.RunningTimer());
    uncreated.HideMe();
    vt::PumpFor(20);
}

} // namespace
} // namespace tips_test
