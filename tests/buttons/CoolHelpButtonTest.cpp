// The help button: a link without skin or focus frame, link colours, the hand cursor and fitting to its caption.
#include "ButtonFixture.h"

using namespace btntest;

namespace {

class HelpButtonTest : public ControlTest<CCoolHelpButton>
{
protected:
    HelpButtonTest() : ControlTest(CRect(40, 20, 200, 48), RGB(255, 255, 255)) {}

    CRect InHost() const
    {
        CRect rc;
        ctl.GetWindowRect(&rc);
        host.ScreenToClient(&rc);
        return rc;
    }
};

// Even skins handed in and a focus rectangle asked for are not painted.
TEST_F(HelpButtonTest, LinkColoursPerStateTheHandWhileOverItAndNeverASkinOrFocusFrame)
{
    ctl.SetButtonInfo(0, g_hSkinBtnHot, g_hSkinBtnHot, g_hSkinBtnHot, g_hSkinBtnHot, g_hSkinBtnHot);
    ctl.SetDrawFocusedRect(TRUE);
    ASSERT_TRUE(Make());
    EXPECT_TRUE(ctl.IsKindOf(RUNTIME_CLASS(CCoolButton)));
    ASSERT_NE(HCURSOR(NULL), g_hCursorHand);
    Walk({
        {"normal", [] { return true; }, kHelpLinkColor, kHelpHotColor},
        {"hot, with the hand cursor", [&] { return Hover() && vt::PumpUntil([] { return ::GetCursor() == g_hCursorHand; }); },
         kHelpHotColor, kHelpLinkColor},
        {"pressed", [&] { vt::MouseDown(); return WaitFor(kStatePressed); }, kHelpLinkColor, kHelpHotColor},
        {"focused", [&] { vt::MouseUp(); return Leave() && Focus() && WaitFor(kStateDefault); }, kHelpLinkColor, kHelpHotColor},
        {"disabled", [&] { ctl.EnableWindow(FALSE); return WaitFor(kStateDisabled); }, ::GetSysColor(COLOR_GRAYTEXT), kHelpLinkColor},
    }, Whole(), [&](size_t i, const vt::Capture& shot) {
        // Nothing but background and caption (disabled text is embossed, so it brings other pixels).
        const COLORREF caption = i == 1 ? kHelpHotColor : kHelpLinkColor;
        if (i < 4) {
            EXPECT_EQ(shot.width() * shot.height(), vt::CountColour(shot, Whole(), host.Background()) +
                                                        vt::CountColour(shot, Whole(), caption));
        }
    });
}

// Fitting keeps the left or the right edge and sizes to icon + caption + 16, with no icon gap.
TEST_F(HelpButtonTest, FittingKeepsTheLeftOrRightEdgeAndLeavesSixteenPixels)
{
    ASSERT_TRUE(Make("More about this"));
    const int textWidth = vt::TextExtent(font, "More about this").cx;
    ctl.LeftAndFitText();
    EXPECT_EQ(CRect(rect.left, rect.top, rect.left + textWidth + kHelpFitMargin, rect.bottom), InHost());
    ctl.MoveWindow(&rect);
    ctl.RightAndFitText();
    EXPECT_EQ(CRect(rect.right - textWidth - kHelpFitMargin, rect.top, rect.right, rect.bottom), InHost());

    SolidIcon icon(RGB(0, 0, 255));
    ctl.SetIcons(icon.get(), NULL);
    ctl.SetWindowText("Info");
    ctl.LeftAndFitText();
    EXPECT_EQ(16 + vt::TextExtent(font, "Info").cx + kHelpFitMargin, InHost().Width());
    ctl.SetWindowText("");
    ctl.LeftAndFitText();
    EXPECT_EQ(16 + kHelpFitMargin, InHost().Width());
}

}  // namespace
