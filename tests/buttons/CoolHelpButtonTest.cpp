// The help button: a link without skin or focus frame, link colours, the hand cursor and fitting to its caption.
#include "ButtonFixture.h"

using namespace btntest;

namespace {

class HelpButtonTest : public ::testing::Test
{
protected:
    CursorParked parked;
    vt::HostWnd host{320, 200};
    TestFont font;
    HelpButtonProbe button;
    const CRect rect{40, 20, 200, 48};

    bool Make(const char* caption = "Help me")
    {
        return CreateButton(button, host, rect, caption, 0, font.get()) != FALSE;
    }

    vt::Capture Shot()
    {
        Settle(host.m_hWnd);
        return vt::Capture::FromWindow(button.m_hWnd);
    }

    CRect Whole() const { return CRect(0, 0, rect.Width(), rect.Height()); }

    bool Hover()
    {
        vt::MoveCursor(host.ToScreen(rect.CenterPoint()));
        return WaitForState(button, kStateHot);
    }

    CRect WindowInHost() const
    {
        CRect rc;
        button.GetWindowRect(&rc);
        host.ScreenToClient(&rc);
        return rc;
    }

    void TearDown() override
    {
        vt::MouseUp();
        vt::ParkCursor();
    }
};

// Nothing but caption pixels differs from the host's background: no skin, no focus frame.
int NonBackgroundOutsideCaption(const vt::Capture& shot, COLORREF background, COLORREF caption)
{
    int count = 0;
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            const COLORREF c = shot.At(x, y);
            count += c != background && c != caption;
        }
    }
    return count;
}

TEST_F(HelpButtonTest, LinkColoursPerStateAndNeverASkin)
{
    // Even skins handed in are not painted.
    button.SetButtonInfo(0, g_hSkinBtnHot, g_hSkinBtnHot, g_hSkinBtnHot, g_hSkinBtnHot, g_hSkinBtnHot);
    ASSERT_TRUE(Make());
    EXPECT_STREQ("CCoolHelpButton", button.GetRuntimeClass()->m_lpszClassName);
    EXPECT_TRUE(button.IsKindOf(RUNTIME_CLASS(CCoolButton)));

    vt::Capture shot = Shot();
    EXPECT_GT(CountColour(shot, Whole(), kHelpLinkColor), 0);
    EXPECT_EQ(0, NonBackgroundOutsideCaption(shot, host.Background(), kHelpLinkColor));

    ASSERT_TRUE(Hover());
    shot = Shot();
    EXPECT_GT(CountColour(shot, Whole(), kHelpHotColor), 0);
    EXPECT_EQ(0, CountColour(shot, Whole(), kHelpLinkColor));
    EXPECT_EQ(0, NonBackgroundOutsideCaption(shot, host.Background(), kHelpHotColor));

    vt::MouseDown();
    ASSERT_TRUE(WaitForState(button, kStatePressed));
    shot = Shot();
    EXPECT_GT(CountColour(shot, Whole(), kHelpLinkColor), 0);
    EXPECT_EQ(0, NonBackgroundOutsideCaption(shot, host.Background(), kHelpLinkColor));
    vt::MouseUp();
}

TEST_F(HelpButtonTest, NoFocusFrameEvenWhenAskedForAndGrayWhenDisabled)
{
    ASSERT_TRUE(Make());
    button.SetDrawFocusedRect(TRUE);
    ASSERT_TRUE(FocusOn(host, button));
    ASSERT_TRUE(WaitForState(button, kStateDefault));
    EXPECT_EQ(0, NonBackgroundOutsideCaption(Shot(), host.Background(), kHelpLinkColor));

    const COLORREF gray = ::GetSysColor(COLOR_GRAYTEXT);
    button.EnableWindow(FALSE);
    ASSERT_TRUE(WaitForState(button, kStateDisabled));
    const vt::Capture shot = Shot();
    EXPECT_GT(CountColour(shot, Whole(), gray), 0);
    EXPECT_EQ(0, CountColour(shot, Whole(), kHelpLinkColor));
}

TEST_F(HelpButtonTest, HandCursorWhileOverIt)
{
    ASSERT_TRUE(Make());
    ASSERT_NE(HCURSOR(NULL), g_hCursorHand);
    vt::MoveCursor(host.ToScreen(rect.CenterPoint()));
    ASSERT_TRUE(vt::PumpUntil([&] { return ::GetCursor() == g_hCursorHand; }));
    vt::MoveCursor(host.ToScreen(CPoint(rect.left + 5, rect.top + 5)));
    EXPECT_EQ(g_hCursorHand, ::GetCursor());
}

TEST_F(HelpButtonTest, FittingKeepsTheLeftOrRightEdgeAndLeavesSixteenPixels)
{
    ASSERT_TRUE(Make("More about this"));
    const int textWidth = MeasureText(font.get(), "More about this").cx;

    button.LeftAndFitText();
    CRect rc = WindowInHost();
    EXPECT_EQ(rect.left, rc.left);
    EXPECT_EQ(rect.top, rc.top);
    EXPECT_EQ(rect.Height(), rc.Height());
    EXPECT_EQ(textWidth + kHelpFitMargin, rc.Width());

    button.MoveWindow(&rect);
    button.RightAndFitText();
    rc = WindowInHost();
    EXPECT_EQ(rect.right, rc.right);
    EXPECT_EQ(rect.right - textWidth - kHelpFitMargin, rc.left);
    EXPECT_EQ(rect.top, rc.top);
}

TEST_F(HelpButtonTest, FittingCountsTheIconButNotTheGap)
{
    SolidIcon icon(RGB(0, 0, 255));
    button.SetIcons(icon.get(), NULL);
    ASSERT_TRUE(Make("Info"));
    button.LeftAndFitText();
    EXPECT_EQ(16 + MeasureText(font.get(), "Info").cx + kHelpFitMargin, WindowInHost().Width());

    button.SetWindowText("");
    button.LeftAndFitText();
    EXPECT_EQ(16 + kHelpFitMargin, WindowInHost().Width());
}

TEST_F(HelpButtonTest, ManyPaintsAndCreateDestroyCyclesLeakNothing)
{
    auto cycle = [&] {
        CCoolHelpButton probe;
        ASSERT_TRUE(CreateButton(probe, host, rect, "Leak", 0, font.get()));
        probe.LeftAndFitText();
        for (int i = 0; i < 5; ++i)
            probe.RedrawWindow();
        probe.DestroyWindow();
        vt::PumpPending();
    };
    EXPECT_TRUE(LeavesNothingBehind(cycle));
}

}  // namespace
