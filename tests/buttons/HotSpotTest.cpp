// The hot spot's mouse capture, press and focus tracking, driven by real input.
#include "ButtonFixture.h"

using namespace btntest;

namespace {

// Logs every state the hot spot draws, with the time it was drawn.
class HotSpotProbe : public CHotSpot
{
public:
    std::vector<DWORD> states;
    std::vector<DWORD> times;

    DWORD LastState() const { return states.empty() ? 0 : states.back(); }
    DWORD Flags() const { return m_dwMouseFlags; }

protected:
    void DrawBackground(CDC* pDC, RECT* pRect, DWORD dwState) override
    {
        states.push_back(dwState);
        times.push_back(::GetTickCount());
        CHotSpot::DrawBackground(pDC, pRect, dwState);
    }
};

class HotSpotTest : public ::testing::Test
{
protected:
    CursorParked parked;
    vt::HostWnd host{320, 200, RGB(40, 160, 90)};
    HotSpotProbe spot;
    const CRect rect{20, 20, 120, 40};

    bool Make()
    {
        if (!spot.Create(WS_CHILD | WS_VISIBLE, rect, &host, kButtonId))
            return false;
        Settle(host.m_hWnd);
        return true;
    }

    CPoint Inside() const { return host.ToScreen(rect.CenterPoint()); }
    CPoint Outside() const { return host.ToScreen(CPoint(rect.CenterPoint().x, rect.bottom + 30)); }

    bool MoveTo(CPoint screen, DWORD state)
    {
        vt::MoveCursor(screen);
        return WaitForState(spot, state);
    }

    void TearDown() override
    {
        vt::MouseUp();
        ::ReleaseCapture();
        vt::ParkCursor();
    }
};

TEST_F(HotSpotTest, EnteringTakesTheCaptureAndLeavingReleasesIt)
{
    ASSERT_TRUE(Make());
    EXPECT_STREQ("CHotSpot", spot.GetRuntimeClass()->m_lpszClassName);
    ASSERT_TRUE(MoveTo(Inside(), kStateHot));
    EXPECT_EQ(spot.m_hWnd, ::GetCapture());
    EXPECT_EQ(kHotSpotHot, spot.Flags());

    ASSERT_TRUE(MoveTo(Outside(), kStateNormal));
    EXPECT_EQ(NULL, ::GetCapture());
    EXPECT_EQ(0u, spot.Flags());
}

TEST_F(HotSpotTest, PressDrawsPressedTakesFocusAndReleaseInsideLeavesItHot)
{
    ASSERT_TRUE(Make());
    ASSERT_TRUE(MoveTo(Inside(), kStateHot));
    vt::MouseDown();
    ASSERT_TRUE(WaitForState(spot, kStatePressed));
    EXPECT_EQ(spot.m_hWnd, ::GetFocus());
    EXPECT_EQ(&spot, g_pFocusedHotSpot);

    vt::MouseUp();
    ASSERT_TRUE(WaitForState(spot, kStateHot));
    EXPECT_EQ(kHotSpotHot, spot.Flags());

    // Focused but neither hot nor pressed: the focused (default) state.
    ASSERT_TRUE(MoveTo(Outside(), kStateDefault));
}

TEST_F(HotSpotTest, ReleaseOutsideIsNotSeenSoThePressLastsUntilReleasedOverIt)
{
    ASSERT_TRUE(Make());
    ASSERT_TRUE(MoveTo(Inside(), kStateHot));
    vt::MouseDown();
    ASSERT_TRUE(WaitForState(spot, kStatePressed));

    vt::MoveCursor(Outside());
    ASSERT_TRUE(vt::PumpUntil([&] { return ::GetCapture() == NULL; }));
    EXPECT_EQ(kHotSpotPressed, spot.Flags());
    vt::MouseUp();
    vt::PumpFor(50);
    EXPECT_EQ(kHotSpotPressed, spot.Flags());

    spot.states.clear();
    ASSERT_TRUE(MoveTo(Inside(), kStatePressed));
    EXPECT_EQ(kHotSpotHot | kHotSpotPressed, spot.Flags());
    vt::MouseDown();
    vt::MouseUp();
    ASSERT_TRUE(WaitForState(spot, kStateHot));
}

TEST_F(HotSpotTest, DoubleClickPlaysPressPauseAndHotLikeAClick)
{
    ASSERT_TRUE(Make());
    ASSERT_TRUE(MoveTo(Inside(), kStateHot));
    spot.states.clear();
    spot.times.clear();
    vt::DoubleClick(Inside());
    ASSERT_TRUE(vt::PumpUntil([&] { return spot.states.size() >= 4 && spot.LastState() == kStateHot; }));

    // The last pressed drawing is the played press of the double click; the
    // next drawing comes after the pause.
    size_t lastPressed = spot.states.size();
    for (size_t i = 0; i < spot.states.size(); ++i) {
        if (spot.states[i] == kStatePressed)
            lastPressed = i;
    }
    ASSERT_LT(lastPressed + 1, spot.states.size());
    EXPECT_EQ(kStateHot, spot.states[lastPressed + 1]);
    // GetTickCount moves in steps of up to about 16 ms.
    EXPECT_GE(spot.times[lastPressed + 1] - spot.times[lastPressed], kHotSpotDblClkPause - 20);
}

TEST_F(HotSpotTest, AWindowOverlappingTheHotSpotTakesHotAway)
{
    ASSERT_TRUE(Make());
    CWnd cover;
    const CRect coverRect(rect.CenterPoint().x, rect.top - 5, rect.right + 20, rect.bottom + 5);
    // SS_NOTIFY: a plain static is transparent to hit-testing and so to WindowFromPoint.
    ASSERT_TRUE(cover.Create("STATIC", "", WS_CHILD | WS_VISIBLE | SS_NOTIFY, coverRect, &host, 2));
    cover.SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);

    ASSERT_TRUE(MoveTo(host.ToScreen(CPoint(rect.left + 10, rect.top + 10)), kStateHot));
    // Still inside the hot spot's rectangle, but the other window is under the pointer.
    ASSERT_TRUE(MoveTo(host.ToScreen(CPoint(rect.right - 10, rect.top + 10)), kStateNormal));
    EXPECT_EQ(NULL, ::GetCapture());
    EXPECT_EQ(0u, spot.Flags());
}

TEST_F(HotSpotTest, FocusLeavingClearsTheFocusedHotSpot)
{
    ASSERT_TRUE(Make());
    ASSERT_TRUE(FocusOn(host, spot));
    ASSERT_TRUE(WaitForState(spot, kStateDefault));
    EXPECT_EQ(&spot, g_pFocusedHotSpot);
    host.SetFocus();
    ASSERT_TRUE(WaitForState(spot, kStateNormal));
    EXPECT_EQ(NULL, g_pFocusedHotSpot);
    spot.EnableWindow(FALSE);
    spot.RedrawWindow();
    EXPECT_EQ(kStateDisabled, spot.LastState());
}

TEST_F(HotSpotTest, ABareHotSpotPaintsNothingVisible)
{
    ASSERT_TRUE(Make());
    const vt::Capture before = vt::Capture::FromWindow(spot.m_hWnd);
    ASSERT_TRUE(MoveTo(Inside(), kStateHot));
    vt::MouseDown();
    ASSERT_TRUE(WaitForState(spot, kStatePressed));
    vt::MouseUp();
    ASSERT_TRUE(WaitForState(spot, kStateHot));
    Settle(host.m_hWnd);
    const vt::Capture after = vt::Capture::FromWindow(spot.m_hWnd);
    ASSERT_EQ(before.width(), after.width());
    int changed = 0;
    for (int y = 0; y < after.height(); ++y) {
        for (int x = 0; x < after.width(); ++x)
            changed += before.At(x, y) != after.At(x, y);
    }
    EXPECT_EQ(0, changed);
}

TEST_F(HotSpotTest, ManyCreateDestroyCyclesLeakNothing)
{
    auto cycle = [&] {
        HotSpotProbe probe;
        ASSERT_TRUE(probe.Create(WS_CHILD | WS_VISIBLE, rect, &host, kButtonId));
        ::SetFocus(probe.m_hWnd);
        for (int i = 0; i < 5; ++i)
            probe.RedrawWindow();
        probe.DestroyWindow();
        vt::PumpPending();
    };
    EXPECT_TRUE(LeavesNothingBehind(cycle));
    EXPECT_EQ(NULL, g_pFocusedHotSpot);
}

}  // namespace
