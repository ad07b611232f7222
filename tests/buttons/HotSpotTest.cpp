// The hot spot's mouse capture, press and focus tracking, driven by real input.
#include <algorithm>

#include "ButtonFixture.h"

using namespace btntest;

namespace {

const COLORREF kBackground = RGB(40, 160, 90);

class HotSpotTest : public ControlTest<CHotSpot>
{
protected:
    HotSpotTest() : ControlTest(CRect(20, 20, 120, 40), kBackground) {}

    bool Make() { return ctl.Create(WS_CHILD | WS_VISIBLE, rect, &host, kButtonId) != FALSE; }

    CPoint Below() const { return CPoint(rect.CenterPoint().x, rect.bottom + 30); }
};

// Entering takes the capture, a press the focus, leaving gives the capture
// back; a release outside is not seen, so the press lasts until the left
// button goes up over the hot spot again.
TEST_F(HotSpotTest, CaptureWhileOverItFocusOnPressAndAPressReleasedOutsideLasts)
{
    ASSERT_TRUE(Make());
    ASSERT_TRUE(Hover());
    EXPECT_EQ(ctl.m_hWnd, ::GetCapture());
    EXPECT_EQ(kHotSpotHot, ctl.Flags());
    vt::MouseDown();
    ASSERT_TRUE(WaitFor(kStatePressed));
    EXPECT_EQ(ctl.m_hWnd, ::GetFocus());
    vt::MouseUp();
    ASSERT_TRUE(WaitFor(kStateHot));
    EXPECT_EQ(kHotSpotHot, ctl.Flags());
    // A bare hot spot paints nothing of its own.
    EXPECT_EQ(Whole().Width() * Whole().Height(), vt::CountColour(Shot(), Whole(), kBackground));
    // Focused but neither hot nor pressed: the focused (default) state.
    ASSERT_TRUE(MoveTo(Below(), kStateDefault));
    EXPECT_EQ(NULL, ::GetCapture());
    EXPECT_EQ(0u, ctl.Flags());

    // Pressed away from the first click, so that the two make no double click.
    ASSERT_TRUE(MoveTo(CPoint(rect.left + 10, rect.top + 10), kStateHot));
    vt::MouseDown();
    ASSERT_TRUE(WaitFor(kStatePressed));
    vt::MoveCursor(host.ToScreen(Below()));
    ASSERT_TRUE(vt::PumpUntil([&] { return ::GetCapture() == NULL; }));
    vt::MouseUp();
    vt::PumpFor(50);
    EXPECT_EQ(kHotSpotPressed, ctl.Flags());
    ctl.states.clear();
    ASSERT_TRUE(MoveTo(rect.CenterPoint(), kStatePressed));
    EXPECT_EQ(kHotSpotHot | kHotSpotPressed, ctl.Flags());
    vt::MouseDown();
    vt::MouseUp();
    ASSERT_TRUE(WaitFor(kStateHot));
}

TEST_F(HotSpotTest, DoubleClickPlaysPressPauseAndHotLikeAClick)
{
    ASSERT_TRUE(Make());
    ASSERT_TRUE(Hover());
    ctl.states.clear();
    ctl.times.clear();
    vt::DoubleClick(host.ToScreen(rect.CenterPoint()));
    ASSERT_TRUE(vt::PumpUntil([&] { return ctl.states.size() >= 4 && ctl.LastState() == kStateHot; }));

    // The last pressed drawing is the played press; the next one comes after the pause.
    const auto last = std::find(ctl.states.rbegin(), ctl.states.rend(), (DWORD)kStatePressed);
    ASSERT_TRUE(last != ctl.states.rend());
    const size_t lastPressed = ctl.states.rend() - last - 1;
    ASSERT_LT(lastPressed + 1, ctl.states.size());
    EXPECT_EQ(kStateHot, ctl.states[lastPressed + 1]);
    // GetTickCount moves in steps of up to about 16 ms.
    EXPECT_GE(ctl.times[lastPressed + 1] - ctl.times[lastPressed], kHotSpotDblClkPause - 20);
}

TEST_F(HotSpotTest, AWindowOverlappingTheHotSpotTakesHotAway)
{
    ASSERT_TRUE(Make());
    CWnd cover;
    const CRect coverRect(rect.CenterPoint().x, rect.top - 5, rect.right + 20, rect.bottom + 5);
    // SS_NOTIFY: a plain static is transparent to hit-testing and so to WindowFromPoint.
    ASSERT_TRUE(cover.Create("STATIC", "", WS_CHILD | WS_VISIBLE | SS_NOTIFY, coverRect, &host, 2));
    cover.SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);

    ASSERT_TRUE(MoveTo(CPoint(rect.left + 10, rect.top + 10), kStateHot));
    // Still inside the hot spot's rectangle, but the other window is under the pointer.
    ASSERT_TRUE(MoveTo(CPoint(rect.right - 10, rect.top + 10), kStateNormal));
    EXPECT_EQ(NULL, ::GetCapture());
    EXPECT_EQ(0u, ctl.Flags());
}

TEST_F(HotSpotTest, FocusLeavingClearsTheFocusedHotSpot)
{
    ASSERT_TRUE(Make());
    ASSERT_TRUE(Focus());
    ASSERT_TRUE(WaitFor(kStateDefault));
    EXPECT_EQ(&ctl, g_pFocusedHotSpot);
    host.SetFocus();
    ASSERT_TRUE(WaitFor(kStateNormal));
    EXPECT_EQ(NULL, g_pFocusedHotSpot);
    ctl.EnableWindow(FALSE);
    ctl.RedrawWindow();
    EXPECT_EQ(kStateDisabled, ctl.LastState());
    // Destroyed while focused, it is no longer the focused hot spot either.
    ctl.EnableWindow(TRUE);
    ASSERT_TRUE(Focus());
    ctl.DestroyWindow();
    EXPECT_EQ(NULL, g_pFocusedHotSpot);
}

}  // namespace
