// The skinned push button driven by real mouse and keyboard input, read back as pixels.
#include <algorithm>

#include "ButtonFixture.h"

using namespace btntest;

namespace {

// The top border row and an inner row of the shot, taken in the middle where
// the painter stretches the skin's top edge without changing its rows, match the skin.
::testing::AssertionResult ShowsSkin(const vt::Capture& shot, HBITMAP skin)
{
    if (skin == NULL)
        return ::testing::AssertionFailure() << "the skin is missing";
    BITMAP bm = {};
    ::GetObject(skin, sizeof(bm), &bm);
    for (int row = 0; row <= 2; row += 2) {
        ::testing::AssertionResult result =
            vt::PixelIs(shot, shot.width() / 2, row, SkinPixel(skin, bm.bmWidth / 2, row));
        if (!result)
            return result << " (skin row " << row << ")";
    }
    return ::testing::AssertionSuccess();
}

// The top rows show the host's background in the middle, where a skin's edge would be.
bool ShowsNoSkin(const vt::Capture& shot, COLORREF background)
{
    return CountColour(shot, CRect(shot.width() / 2, 0, shot.width() / 2 + 1, 4), background) == 4;
}

class CoolButtonTest : public ControlTest<CCoolButton>
{
protected:
    CoolButtonTest() : ControlTest(CRect(20, 20, 140, 48), RGB(255, 255, 255)) {}

    bool Make(const char* caption = "Press", DWORD style = 0)
    {
        return CreateButton(ctl, host, rect, caption, style, font) != FALSE;
    }

    // The content rectangle a standard button draws its caption and icon in.
    CRect ContentRect() const
    {
        CRect rc = Whole();
        rc.DeflateRect(kButtonClipInsetX, kButtonClipInsetY);
        return rc;
    }

    bool Press()
    {
        vt::MouseDown();
        return WaitFor(kStatePressed);
    }
};

TEST_F(CoolButtonTest, HotSkinShowsOnlyAfterTheMouseRestsAndGoesOnLeave)
{
    ASSERT_TRUE(Make());
    EXPECT_EQ((DWORD)BS_OWNERDRAW, ctl.GetStyle() & 0x0F);
    EXPECT_STREQ("CCoolButton", ctl.GetRuntimeClass()->m_lpszClassName);
    EXPECT_TRUE(ShowsSkin(Shot(), g_hSkinBtnNormal));
    ctl.messages.clear();
    ctl.states.clear();
    ASSERT_TRUE(Hover());

    // The move alone repaints nothing: the hot look waits for the hover notification.
    const auto& log = ctl.messages;
    const auto move = std::find(log.begin(), log.end(), (UINT)WM_MOUSEMOVE);
    const auto hover = std::find(log.begin(), log.end(), (UINT)WM_MOUSEHOVER);
    const auto hotPaint = std::find(log.begin(), log.end(), kPaintMark + kStateHot);
    ASSERT_TRUE(hotPaint != log.end());
    EXPECT_TRUE(move < hover);
    EXPECT_TRUE(hover < hotPaint);
    EXPECT_TRUE(ShowsSkin(Shot(), g_hSkinBtnHot));

    ASSERT_TRUE(Leave());
    EXPECT_EQ(kStateNormal, ctl.LastState());
    EXPECT_TRUE(ShowsSkin(Shot(), g_hSkinBtnNormal));
}

// Walks one button through its states by real input; each shows its own skin
// and only its own caption colour.
TEST_F(CoolButtonTest, EveryStateShowsItsSkinAndCaptionColour)
{
    ASSERT_TRUE(Make("Colours"));
    ctl.SetTextColors(kCaptionColors[0], kCaptionColors[1], kCaptionColors[2],
                      kCaptionColors[3], kCaptionColors[4]);
    ctl.Invalidate();
    struct Step { const char* name; std::function<bool()> act; HBITMAP skin; int colour; };
    const Step steps[] = {
        {"normal", [] { return true; }, g_hSkinBtnNormal, 1},
        {"hot", [&] { return Hover(); }, g_hSkinBtnHot, 3},
        {"pressed while held", [&] { host.ClearReceived(); return Press(); }, g_hSkinBtnDown, 4},
        {"released", [&] { vt::MouseUp(); return WaitFor(kStateHot); }, g_hSkinBtnHot, 3},
        // The click left the focus on the button: once the mouse leaves it shows as focused.
        {"left, focused", [&] { return Leave() && FocusOn(host, ctl) && WaitFor(kStateDefault); },
         g_hSkinBtnDefault, 0},
        {"disabled", [&] { ctl.EnableWindow(FALSE); return WaitFor(kStateDisabled); }, g_hSkinBtnDisabled, 2},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        ASSERT_TRUE(step.act());
        const vt::Capture shot = Shot();
        EXPECT_TRUE(ShowsSkin(shot, step.skin));
        for (int i = 0; i < kStateCount; ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(i == step.colour, CountColour(shot, ContentRect(), kCaptionColors[i]) > 0);
        }
    }
    EXPECT_EQ(1, host.CountReceived(WM_COMMAND));
}

TEST_F(CoolButtonTest, OnlyTheHotCaptionChangesAfterSetHotTextColorAndDisabledTurnsGray)
{
    ASSERT_TRUE(Make("Hot only"));
    ctl.SetHotTextColor(kCaptionColors[3]);
    ctl.Invalidate();
    // Uncoloured states keep the window-text colour the parent's control-colour answer leaves in the DC.
    const COLORREF plain = ::GetSysColor(COLOR_WINDOWTEXT), gray = ::GetSysColor(COLOR_GRAYTEXT);
    Walk({
        {"normal", [] { return true; }, plain, kCaptionColors[3]},
        {"hot", [&] { return Hover(); }, kCaptionColors[3], plain},
        {"left", [&] { return Leave(); }, plain, kCaptionColors[3]},
        {"disabled", [&] { ctl.EnableWindow(FALSE); return WaitFor(kStateDisabled); }, gray, plain},
    }, ContentRect());
}

TEST_F(CoolButtonTest, DefaultButtonShowsTheDefaultSkinWithoutFocusCreatedOrFromATemplate)
{
    ASSERT_TRUE(Make("OK", BS_DEFPUSHBUTTON));
    ASSERT_NE(ctl.m_hWnd, ::GetFocus());
    EXPECT_TRUE(ShowsSkin(Shot(), g_hSkinBtnDefault));
    ctl.DestroyWindow();

    TemplateDialog dialog("BUTTON", BS_DEFPUSHBUTTON | WS_TABSTOP, "OK", rect);
    Probe<CCoolButton> templated;
    ASSERT_TRUE(dialog.Open(templated));
    EXPECT_EQ((DWORD)BS_OWNERDRAW, templated.GetStyle() & 0x0F);
    templated.Invalidate();
    Settle(dialog.m_hWnd);
    EXPECT_TRUE(ShowsSkin(vt::Capture::FromWindow(templated.m_hWnd), g_hSkinBtnDefault));
    templated.DestroyWindow();
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
    const CRect rc = ContentRect();
    const int textWidth = MeasureText(font, "OK").cx;
    const int ink = InkLeft(font, "OK");
    const int iconTop = rc.top + (rc.Height() - 16) / 2;
    const int left = rc.left + (rc.Width() - textWidth - 16 - kButtonIconGap) / 2;

    vt::Capture shot = Shot();
    EXPECT_EQ(CRect(left, iconTop, left + 16, iconTop + 16), BoundsOf(shot, Whole(), iconColour));
    EXPECT_EQ(left + 16 + kButtonIconGap + ink, BoundsOf(shot, Whole(), kCaptionColors[1]).left);

    ASSERT_TRUE(Hover());
    shot = Shot();
    EXPECT_EQ(0, CountColour(shot, Whole(), iconColour));
    EXPECT_EQ(rc.left + (rc.Width() - textWidth) / 2 + ink, BoundsOf(shot, Whole(), kCaptionColors[3]).left);

    // Without a caption there is no gap: the icon alone is centred.
    ASSERT_TRUE(Leave());
    ctl.SetWindowText("");
    ctl.Invalidate();
    const int alone = rc.left + (rc.Width() - 16) / 2;
    EXPECT_EQ(CRect(alone, iconTop, alone + 16, iconTop + 16), BoundsOf(Shot(), Whole(), iconColour));
}

TEST_F(CoolButtonTest, FlatButtonShowsNoSkinUntilHoverAndNeverAFocusRectangleAndIgnoresNegativeShapes)
{
    ctl.SetButtonShape(kButtonShapeFlat);
    ctl.SetButtonShape(-1);   // ignored: the button stays flat
    ctl.SetDrawFocusedRect(TRUE);
    ASSERT_TRUE(Make());
    EXPECT_TRUE(ShowsNoSkin(Shot(), host.Background()));
    ASSERT_TRUE(FocusOn(host, ctl));
    ASSERT_TRUE(WaitFor(kStateDefault));
    EXPECT_TRUE(ShowsNoSkin(Shot(), host.Background()));

    ASSERT_TRUE(Hover());
    EXPECT_TRUE(ShowsSkin(Shot(), g_hSkinBtnHot));
    ASSERT_TRUE(Press());
    const vt::Capture shot = Shot();
    EXPECT_TRUE(ShowsSkin(shot, g_hSkinBtnDown));
    EXPECT_EQ(ctl.m_hWnd, ::GetFocus());
    EXPECT_FALSE(IsBlackOrWhite(shot.At(kButtonFocusInset, rect.Height() / 2)));
}

TEST_F(CoolButtonTest, FocusedButtonShowsDefaultSkinAndACheckerboardThreePixelsInsideOnlyWhenAsked)
{
    ASSERT_TRUE(Make());
    ASSERT_TRUE(FocusOn(host, ctl));
    ASSERT_TRUE(WaitFor(kStateDefault));
    BITMAP bm = {};
    ::GetObject(g_hSkinBtnDefault, sizeof(bm), &bm);
    const int mid = rect.Width() / 2;
    EXPECT_PIXEL(Shot(), mid, kButtonFocusInset, SkinPixel(g_hSkinBtnDefault, bm.bmWidth / 2, kButtonFocusInset));

    ctl.SetDrawFocusedRect(TRUE);
    ctl.Invalidate();
    const vt::Capture shot = Shot();
    // The monochrome focus pattern's dots take the DC's text (black) and background colours in turn.
    const COLORREF dot = shot.At(kButtonFocusInset, kButtonFocusInset);
    const COLORREF gap = shot.At(kButtonFocusInset + 1, kButtonFocusInset);
    EXPECT_NE(dot, gap);
    EXPECT_TRUE(dot == RGB(0, 0, 0) || gap == RGB(0, 0, 0));
    const CRect frame(kButtonFocusInset, kButtonFocusInset, rect.Width() - 1 - kButtonFocusInset,
                      rect.Height() - 1 - kButtonFocusInset);
    EXPECT_TRUE(FrameHolds(frame, [&](int x, int y) { return shot.At(x, y) == ((x + y) % 2 == 0 ? dot : gap); }));
    EXPECT_PIXEL(shot, mid, kButtonFocusInset - 1,
                 SkinPixel(g_hSkinBtnDefault, bm.bmWidth / 2, kButtonFocusInset - 1));
}

TEST_F(CoolButtonTest, NullSkinsPutTheSharedOnesBack)
{
    vt::GdiObject skin(::CreateBitmap(42, 20, 1, 32, NULL));
    FillBitmap(skin.bitmap(), RGB(10, 200, 30));
    ctl.SetButtonInfo(-1, NULL, skin.bitmap(), NULL, NULL, NULL);
    ASSERT_TRUE(Make());
    EXPECT_TRUE(ShowsSkin(Shot(), skin.bitmap()));

    ctl.SetButtonInfo(-1, NULL, NULL, NULL, NULL, NULL);
    ctl.Invalidate();
    EXPECT_TRUE(ShowsSkin(Shot(), g_hSkinBtnNormal));
}

TEST_F(CoolButtonTest, EnterOnTheFocusedButtonSendsOneClickAndNeverReachesIt)
{
    ASSERT_TRUE(Make());
    ASSERT_TRUE(FocusOn(host, ctl));
    host.ClearReceived();
    ctl.messages.clear();

    vt::KeyPress(VK_RETURN);
    ASSERT_TRUE(vt::PumpUntil([&] { return host.CountReceived(WM_COMMAND) > 0; }));
    vt::PumpFor(100);
    EXPECT_EQ(1, host.CountReceived(WM_COMMAND));
    for (const auto& m : host.received()) {
        if (m.message != WM_COMMAND)
            continue;
        EXPECT_EQ(kButtonId, LOWORD(m.wParam));
        EXPECT_EQ(BN_CLICKED, HIWORD(m.wParam));
        EXPECT_EQ((LPARAM)ctl.m_hWnd, m.lParam);
    }
    EXPECT_EQ(0, std::count(ctl.messages.begin(), ctl.messages.end(), (UINT)WM_KEYDOWN));
    EXPECT_EQ(0, std::count(ctl.messages.begin(), ctl.messages.end(), (UINT)WM_CHAR));
}

// Every button kind painted enabled and disabled, then focused and destroyed.
TEST_F(CoolButtonTest, NoButtonKindLeaksAcrossManyPaintsAndCreateDestroyCycles)
{
    SolidIcon icon(RGB(0, 0, 255));
    auto exercise = [](CWnd& wnd) {
        for (int i = 0; i < 10; ++i) {
            wnd.EnableWindow(i % 2 == 1);
            wnd.RedrawWindow();
        }
        ::SetFocus(wnd.m_hWnd);
        wnd.RedrawWindow();
        wnd.DestroyWindow();
        vt::PumpPending();
    };
    const struct { const char* name; std::function<void()> cycle; } kinds[] = {
        {"push button", [&] {
            CCoolButton b;
            b.SetIcons(icon.get(), icon.get());
            b.SetTextColors(kCaptionColors[0], kCaptionColors[1], kCaptionColors[2],
                            kCaptionColors[3], kCaptionColors[4]);
            b.SetDrawFocusedRect(TRUE);
            ASSERT_TRUE(CreateButton(b, host, rect, "Leak", 0, font));
            exercise(b);
        }},
        {"hot spot", [&] {
            CHotSpot s;
            ASSERT_TRUE(s.Create(WS_CHILD | WS_VISIBLE, rect, &host, kButtonId));
            exercise(s);
        }},
        {"check box", [&] {
            CCoolCheckBox c;
            ASSERT_TRUE(c.Create("Leak", WS_CHILD | WS_VISIBLE, rect, &host, kButtonId));
            c.SetCheck(1, TRUE, FALSE);
            exercise(c);
        }},
        {"help button", [&] {
            CCoolHelpButton h;
            ASSERT_TRUE(CreateButton(h, host, rect, "Leak", 0, font));
            h.LeftAndFitText();
            exercise(h);
        }},
    };
    for (const auto& kind : kinds) {
        SCOPED_TRACE(kind.name);
        EXPECT_TRUE(LeavesNothingBehind(kind.cycle));
    }
    EXPECT_EQ(NULL, g_pFocusedHotSpot);
}

}  // namespace
