// The help button: a link without skin or focus frame, link colours, the hand cursor and fitting to its caption.
#include "ButtonFixture.h"

using namespace btntest;

namespace {

class HelpButtonTest : public ControlTest<CCoolHelpButton>
{
protected:
    HelpButtonTest() : ControlTest(CRect(40, 20, 200, 48), RGB(255, 255, 255)) {}

    bool Make(const char* caption = "Help me")
    {
        return CreateButton(ctl, host, rect, caption, 0, font) != FALSE;
    }

    CRect WindowInHost() const
    {
        CRect rc;
        ctl.GetWindowRect(&rc);
        host.ScreenToClient(&rc);
        return rc;
    }

    // Pixels that are neither the host's background nor caption: skin or focus frame.
    int Foreign(const vt::Capture& shot, COLORREF caption) const
    {
        return shot.width() * shot.height() - CountColour(shot, Whole(), host.Background()) -
               CountColour(shot, Whole(), caption);
    }
};

// Even skins handed in and a focus rectangle asked for are not painted.
TEST_F(HelpButtonTest, LinkColoursPerStateAndNeverASkinOrFocusFrame)
{
    ctl.SetButtonInfo(0, g_hSkinBtnHot, g_hSkinBtnHot, g_hSkinBtnHot, g_hSkinBtnHot, g_hSkinBtnHot);
    ctl.SetDrawFocusedRect(TRUE);
    ASSERT_TRUE(Make());
    EXPECT_TRUE(ctl.IsKindOf(RUNTIME_CLASS(CCoolButton)));
    const COLORREF gray = ::GetSysColor(COLOR_GRAYTEXT);
    Walk({
        {"normal", [] { return true; }, kHelpLinkColor, kHelpHotColor},
        {"hot", [&] { return Hover(); }, kHelpHotColor, kHelpLinkColor},
        {"pressed", [&] { vt::MouseDown(); return WaitFor(kStatePressed); }, kHelpLinkColor, kHelpHotColor},
        {"focused", [&] { vt::MouseUp(); return Leave() && FocusOn(host, ctl) && WaitFor(kStateDefault); },
         kHelpLinkColor, kHelpHotColor},
        {"disabled", [&] { ctl.EnableWindow(FALSE); return WaitFor(kStateDisabled); }, gray, kHelpLinkColor},
    }, Whole(), [&](size_t i, const vt::Capture& shot) {
        // Disabled text is embossed, so it brings other pixels than its colour.
        if (i < 4) {
            EXPECT_EQ(0, Foreign(shot, i == 1 ? kHelpHotColor : kHelpLinkColor));
        }
    });
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

// Fitting keeps the left or right edge and sizes to icon + caption + 16, with no icon gap.
TEST_F(HelpButtonTest, FittingKeepsTheLeftOrRightEdgeAndLeavesSixteenPixels)
{
    ASSERT_TRUE(Make("More about this"));
    const int textWidth = MeasureText(font, "More about this").cx;
    ctl.LeftAndFitText();
    CRect rc = WindowInHost();
    EXPECT_EQ(rect.left, rc.left);
    EXPECT_EQ(rect.top, rc.top);
    EXPECT_EQ(rect.Height(), rc.Height());
    EXPECT_EQ(textWidth + kHelpFitMargin, rc.Width());

    ctl.MoveWindow(&rect);
    ctl.RightAndFitText();
    rc = WindowInHost();
    EXPECT_EQ(rect.right, rc.right);
    EXPECT_EQ(rect.right - textWidth - kHelpFitMargin, rc.left);
    EXPECT_EQ(rect.top, rc.top);

    SolidIcon icon(RGB(0, 0, 255));
    ctl.SetIcons(icon.get(), NULL);
    ctl.SetWindowText("Info");
    ctl.LeftAndFitText();
    EXPECT_EQ(16 + MeasureText(font, "Info").cx + kHelpFitMargin, WindowInHost().Width());
    ctl.SetWindowText("");
    ctl.LeftAndFitText();
    EXPECT_EQ(16 + kHelpFitMargin, WindowInHost().Width());
}

}  // namespace
