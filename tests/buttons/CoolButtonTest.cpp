// The skinned push button driven by real mouse and keyboard input, read back as pixels.
#include <algorithm>

#include "ButtonFixture.h"

using namespace btntest;

namespace {

// The top border row and an inner row, in the middle where the painter
// stretches the skin's top edge without changing its rows, match the skin.
::testing::AssertionResult ShowsSkin(const vt::Capture& shot, HBITMAP skin)
{
    BITMAP bm = {};
    if (!::GetObject(skin, sizeof(bm), &bm))
        return ::testing::AssertionFailure() << "the skin is missing";
    for (int row = 0; row <= 2; row += 2) {
        ::testing::AssertionResult result =
            vt::PixelIs(shot, shot.width() / 2, row, SkinPixel(skin, bm.bmWidth / 2, row));
        if (!result)
            return result << " (skin row " << row << ")";
    }
    return ::testing::AssertionSuccess();
}

class CoolButtonTest : public ControlTest<CCoolButton>
{
protected:
    CoolButtonTest() : ControlTest(CRect(20, 20, 140, 48), RGB(255, 255, 255)) {}

    // The rectangle a standard button draws its caption and icon in.
    CRect Content() const
    {
        return CRect(kButtonClipInsetX, kButtonClipInsetY, rect.Width() - kButtonClipInsetX, rect.Height() - kButtonClipInsetY);
    }
    bool Press()
    {
        vt::MouseDown();
        return WaitFor(kStatePressed);
    }
    void WalkStates(bool allColours)
    {
        const COLORREF plain = ::GetSysColor(COLOR_WINDOWTEXT), gray = ::GetSysColor(COLOR_GRAYTEXT);
        const struct { const char* name; std::function<bool()> act; HBITMAP skin; int state; } steps[] = {
            {"normal", [] { return true; }, g_hSkinBtnNormal, 1},
            {"hot", [&] { return Hover(); }, g_hSkinBtnHot, 3},
            {"pressed while held", [&] { return Press(); }, g_hSkinBtnDown, 4},
            {"released", [&] { vt::MouseUp(); return WaitFor(kStateHot); }, g_hSkinBtnHot, 3},
            // The click left the focus on the button: once the mouse leaves it shows as focused.
            {"left, focused", [&] { return Leave() && Focus() && WaitFor(kStateDefault); }, g_hSkinBtnDefault, 0},
            {"disabled", [&] { ctl.EnableWindow(FALSE); return WaitFor(kStateDisabled); }, g_hSkinBtnDisabled, 2},
        };
        ASSERT_TRUE(Make("Colours"));
        EXPECT_EQ((DWORD)BS_OWNERDRAW, ctl.GetStyle() & 0x0F);
        host.ClearReceived();
        ctl.messages.clear();
        for (const auto& step : steps) {
            SCOPED_TRACE(step.name);
            ASSERT_TRUE(step.act());
            const vt::Capture shot = Shot();
            EXPECT_TRUE(ShowsSkin(shot, step.skin));
            const COLORREF expected = allColours || step.state == 3 ? kCaptionColors[step.state]
                                                                    : step.state == 2 ? gray : plain;
            EXPECT_GT(vt::CountColour(shot, Content(), expected), 0);
            for (COLORREF other : kCaptionColors)
                EXPECT_TRUE(other == expected || vt::CountColour(shot, Content(), other) == 0) << vt::ColourText(other);
        }
        EXPECT_EQ(1, host.CountReceived(WM_COMMAND));
        // The move alone repaints nothing: the hot look waits for the hover notification.
        const auto& log = ctl.messages;
        const auto hover = std::find(log.begin(), log.end(), (UINT)WM_MOUSEHOVER);
        EXPECT_TRUE(std::find(log.begin(), log.end(), (UINT)WM_MOUSEMOVE) < hover);
        EXPECT_TRUE(hover < std::find(log.begin(), log.end(), kPaintMark + kStateHot));
    }
    bool ShowsNoSkin() { return vt::CountColour(Shot(), CRect(rect.Width() / 2, 0, rect.Width() / 2 + 1, 4), host.Background()) == 4; }
};

// Walks the button through its states by real input: each state shows its
// own skin, the hot one only once the mouse rests, and a caption colour only
// where one is set (gray when disabled without one); the click in the walk
// sends one command. (Leaving for the normal skin: TypicalEvent.)
TEST_F(CoolButtonTest, EveryStateShowsItsSkinAndItsOwnCaptionColour)
{
    ctl.SetTextColors(kCaptionColors[0], kCaptionColors[1], kCaptionColors[2], kCaptionColors[3], kCaptionColors[4]);
    WalkStates(true);
}

TEST_F(CoolButtonTest, OnlyTheHotCaptionChangesAfterSetHotTextColorAndDisabledTurnsGray)
{
    ctl.SetHotTextColor(kCaptionColors[3]);
    WalkStates(false);
}

// Only the normal icon is given: the hot button drops it and centres its caption alone.
TEST_F(CoolButtonTest, IconAndCaptionAreCentredAsOneBlockWithAFivePixelGap)
{
    const COLORREF iconColour = RGB(0, 0, 255);
    SolidIcon icon(iconColour);
    ctl.SetIcons(icon.get(), NULL);
    ctl.SetNormalTextColor(kCaptionColors[1]);
    ctl.SetHotTextColor(kCaptionColors[3]);
    ASSERT_TRUE(Make("OK"));
    const CRect rc = Content();
    const int textWidth = vt::TextExtent(font, "OK").cx, ink = InkLeft(font, "OK");
    const int iconTop = rc.top + (rc.Height() - 16) / 2;
    const int left = rc.left + (rc.Width() - textWidth - 16 - kButtonIconGap) / 2;
    vt::Capture shot = Shot();
    EXPECT_EQ(CRect(left, iconTop, left + 16, iconTop + 16), vt::BoundsOf(shot, Whole(), iconColour));
    EXPECT_EQ(left + 16 + kButtonIconGap + ink, vt::BoundsOf(shot, Whole(), kCaptionColors[1]).left);

    ASSERT_TRUE(Hover());
    shot = Shot();
    EXPECT_EQ(0, vt::CountColour(shot, Whole(), iconColour));
    EXPECT_EQ(rc.left + (rc.Width() - textWidth) / 2 + ink, vt::BoundsOf(shot, Whole(), kCaptionColors[3]).left);

    // Without a caption there is no gap: the icon alone is centred.
    ASSERT_TRUE(Leave());
    ctl.SetWindowText("");
    const int alone = rc.left + (rc.Width() - 16) / 2;
    EXPECT_EQ(CRect(alone, iconTop, alone + 16, iconTop + 16), vt::BoundsOf(Shot(), Whole(), iconColour));
}

TEST_F(CoolButtonTest, FlatButtonShowsNoSkinUntilHoverAndNeverAFocusRectangleAndIgnoresNegativeShapesAndNullSkins)
{
    ctl.SetButtonInfo(kButtonShapeFlat, NULL, NULL, NULL, g_hSkinBtnDown, NULL);
    ctl.SetButtonShape(-1);                                  // both ignored: the button stays flat
    ctl.SetButtonInfo(-1, NULL, NULL, NULL, NULL, NULL);     // and null skins put the shared ones back
    ctl.SetDrawFocusedRect(TRUE);
    ASSERT_TRUE(Make());
    EXPECT_TRUE(ShowsNoSkin());
    ASSERT_TRUE(Focus());
    ASSERT_TRUE(WaitFor(kStateDefault));
    EXPECT_TRUE(ShowsNoSkin());
    ASSERT_TRUE(Hover());
    EXPECT_TRUE(ShowsSkin(Shot(), g_hSkinBtnHot));
    ASSERT_TRUE(Press());
    const vt::Capture shot = Shot();
    EXPECT_TRUE(ShowsSkin(shot, g_hSkinBtnDown));
    EXPECT_EQ(ctl.m_hWnd, ::GetFocus());
    EXPECT_FALSE(IsBlackOrWhite(shot.At(kButtonFocusInset, rect.Height() / 2)));
}

// (Subclassing a dialog template's button goes the way of creation: TypicalEvent's dialog;
// the focus alone shows the default skin: the state walks.)
TEST_F(CoolButtonTest, DefaultButtonShowsTheDefaultSkinWithoutFocusAndFocusedACheckerboardThreePixelsInsideOnlyWhenAsked)
{
    ASSERT_TRUE(Make("OK", BS_DEFPUSHBUTTON));
    ASSERT_NE(ctl.m_hWnd, ::GetFocus());
    EXPECT_TRUE(ShowsSkin(Shot(), g_hSkinBtnDefault));
    ASSERT_TRUE(Focus());
    BITMAP bm = {};
    ::GetObject(g_hSkinBtnDefault, sizeof(bm), &bm);
    const int mid = rect.Width() / 2;
    EXPECT_PIXEL(Shot(), mid, kButtonFocusInset, SkinPixel(g_hSkinBtnDefault, bm.bmWidth / 2, kButtonFocusInset));

    ctl.SetDrawFocusedRect(TRUE);
    const vt::Capture shot = Shot();
    // The monochrome focus pattern's dots take the DC's text (black) and background colours in turn.
    const COLORREF dot = shot.At(kButtonFocusInset, kButtonFocusInset);
    const COLORREF gap = shot.At(kButtonFocusInset + 1, kButtonFocusInset);
    EXPECT_NE(dot, gap);
    EXPECT_TRUE(dot == RGB(0, 0, 0) || gap == RGB(0, 0, 0));
    const CRect frame(kButtonFocusInset, kButtonFocusInset, rect.Width() - 1 - kButtonFocusInset,
                      rect.Height() - 1 - kButtonFocusInset);
    EXPECT_TRUE(FrameHolds(frame, [&](int x, int y) { return shot.At(x, y) == ((x + y) % 2 == 0 ? dot : gap); }));
    EXPECT_PIXEL(shot, mid, kButtonFocusInset - 1, SkinPixel(g_hSkinBtnDefault, bm.bmWidth / 2, kButtonFocusInset - 1));
}

TEST_F(CoolButtonTest, EnterOnTheFocusedButtonSendsOneClickAndNeverReachesIt)
{
    ASSERT_TRUE(Make());
    ASSERT_TRUE(Focus());
    host.ClearReceived();
    ctl.messages.clear();
    vt::KeyPress(VK_RETURN);
    ASSERT_TRUE(vt::PumpUntil([&] { return host.CountReceived(WM_COMMAND) > 0; }));
    vt::PumpFor(100);
    ASSERT_EQ(1, host.CountReceived(WM_COMMAND));
    const auto command = std::find_if(host.received().begin(), host.received().end(),
                                      [](const vt::HostWnd::Msg& m) { return m.message == WM_COMMAND; });
    EXPECT_EQ(MAKEWPARAM(kButtonId, BN_CLICKED), command->wParam);
    EXPECT_EQ((LPARAM)ctl.m_hWnd, command->lParam);
    EXPECT_EQ(0, std::count(ctl.messages.begin(), ctl.messages.end(), (UINT)WM_KEYDOWN));
    EXPECT_EQ(0, std::count(ctl.messages.begin(), ctl.messages.end(), (UINT)WM_CHAR));
}

}  // namespace
