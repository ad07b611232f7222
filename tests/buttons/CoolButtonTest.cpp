// The skinned push button driven by real mouse and keyboard input, read back as pixels.
#include <algorithm>

#include "ButtonFixture.h"

using namespace btntest;

namespace {

BITMAP BitmapInfo(HBITMAP hBitmap)
{
    BITMAP bm = {};
    ::GetObject(hBitmap, sizeof(bm), &bm);
    return bm;
}

// The top border row and an inner row of the shot, taken in the middle where
// the painter stretches the skin's top edge without changing its rows, match the skin.
::testing::AssertionResult ShowsSkin(const vt::Capture& shot, HBITMAP skin)
{
    if (skin == NULL)
        return ::testing::AssertionFailure() << "the shared skin is missing";
    const BITMAP bm = BitmapInfo(skin);
    for (int row = 0; row <= 2; row += 2) {
        const COLORREF wanted = SkinPixel(skin, bm.bmWidth / 2, row);
        ::testing::AssertionResult result = vt::PixelIs(shot, shot.width() / 2, row, wanted);
        if (!result)
            return result << " (skin row " << row << ")";
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult ShowsNoSkin(const vt::Capture& shot, COLORREF background)
{
    for (int row = 0; row <= 3; ++row) {
        ::testing::AssertionResult result = vt::PixelIs(shot, shot.width() / 2, row, background);
        if (!result)
            return result << " (row " << row << ")";
    }
    return ::testing::AssertionSuccess();
}

bool IsBlackOrWhite(COLORREF c)
{
    return c == RGB(0, 0, 0) || c == RGB(255, 255, 255);
}

class CoolButtonTest : public ::testing::Test
{
protected:
    CursorParked parked;
    vt::HostWnd host{320, 200};
    TestFont font;
    CoolButtonProbe button;
    const CRect rect{20, 20, 140, 48};

    bool Make(const char* caption = "Press", DWORD style = 0)
    {
        return CreateButton(button, host, rect, caption, style, font.get()) != FALSE;
    }

    vt::Capture Shot()
    {
        Settle(host.m_hWnd);
        return vt::Capture::FromWindow(button.m_hWnd);
    }

    CPoint Centre() const { return host.ToScreen(rect.CenterPoint()); }

    bool Hover()
    {
        vt::MoveCursor(Centre());
        return WaitForState(button, kStateHot);
    }

    bool Leave()
    {
        vt::ParkCursor();
        return vt::PumpUntil([&] { return button.LastState() != kStateHot; });
    }

    // The content rectangle a standard button draws its caption and icon in.
    CRect ContentRect() const
    {
        CRect rc(0, 0, rect.Width(), rect.Height());
        rc.DeflateRect(kButtonClipInsetX, kButtonClipInsetY);
        return rc;
    }

    CRect Whole() const { return CRect(0, 0, rect.Width(), rect.Height()); }

    void TearDown() override
    {
        ::ReleaseCapture();
        vt::MouseUp();
        vt::ParkCursor();
    }
};

TEST_F(CoolButtonTest, CreatedButtonTurnsOwnerDrawnAndShowsTheNormalSkin)
{
    ASSERT_TRUE(Make());
    EXPECT_EQ((DWORD)BS_OWNERDRAW, button.GetStyle() & 0x0F);
    EXPECT_TRUE(button.IsKindOf(RUNTIME_CLASS(CCoolButton)));
    EXPECT_STREQ("CCoolButton", button.GetRuntimeClass()->m_lpszClassName);
    EXPECT_EQ(kStateNormal, button.LastState());
    EXPECT_TRUE(ShowsSkin(Shot(), g_hSkinBtnNormal));
}

TEST_F(CoolButtonTest, HotSkinShowsOnlyAfterTheMouseRestsAndGoesOnLeave)
{
    ASSERT_TRUE(Make());
    button.messages.clear();
    button.states.clear();
    ASSERT_TRUE(Hover());

    // The move alone repaints nothing: the hot look waits for the hover notification.
    const auto& log = button.messages;
    const auto move = std::find(log.begin(), log.end(), (UINT)WM_MOUSEMOVE);
    const auto hover = std::find(log.begin(), log.end(), (UINT)WM_MOUSEHOVER);
    const auto hotPaint = std::find(log.begin(), log.end(), kPaintMark + kStateHot);
    ASSERT_TRUE(move != log.end());
    ASSERT_TRUE(hover != log.end());
    ASSERT_TRUE(hotPaint != log.end());
    EXPECT_TRUE(move < hover);
    EXPECT_TRUE(hover < hotPaint);
    EXPECT_EQ(kStateHot, button.states.front());
    EXPECT_TRUE(ShowsSkin(Shot(), g_hSkinBtnHot));

    ASSERT_TRUE(Leave());
    EXPECT_EQ(kStateNormal, button.LastState());
    EXPECT_TRUE(ShowsSkin(Shot(), g_hSkinBtnNormal));
}

TEST_F(CoolButtonTest, PressedSkinShowsWhileHeldAndReleaseClicks)
{
    ASSERT_TRUE(Make());
    ASSERT_TRUE(Hover());
    host.ClearReceived();
    vt::MouseDown();
    ASSERT_TRUE(WaitForState(button, kStatePressed));
    EXPECT_TRUE(ShowsSkin(Shot(), g_hSkinBtnDown));

    vt::MouseUp();
    ASSERT_TRUE(WaitForState(button, kStateHot));
    EXPECT_TRUE(ShowsSkin(Shot(), g_hSkinBtnHot));
    EXPECT_EQ(1, host.CountReceived(WM_COMMAND));
}

TEST_F(CoolButtonTest, DefaultButtonShowsTheDefaultSkinWithoutFocusCreatedOrFromATemplate)
{
    ASSERT_TRUE(Make("OK", BS_DEFPUSHBUTTON));
    ASSERT_NE(button.m_hWnd, ::GetFocus());
    EXPECT_EQ(kStateDefault, button.LastState());
    EXPECT_TRUE(ShowsSkin(Shot(), g_hSkinBtnDefault));
    button.DestroyWindow();

    TemplateDialog dialog("BUTTON", BS_DEFPUSHBUTTON | WS_TABSTOP, "OK", rect);
    CoolButtonProbe templated;
    ASSERT_TRUE(dialog.Open(templated));
    EXPECT_EQ((DWORD)BS_OWNERDRAW, templated.GetStyle() & 0x0F);
    // Without focus, hover or press the remembered default style decides.
    EXPECT_EQ((int)kStateDefault, templated.StateAt(0));
    templated.Invalidate();
    Settle(dialog.m_hWnd);
    EXPECT_TRUE(ShowsSkin(vt::Capture::FromWindow(templated.m_hWnd), g_hSkinBtnDefault));
    templated.DestroyWindow();
}

TEST_F(CoolButtonTest, DisabledButtonShowsTheDisabledSkinAndGrayCaption)
{
    ASSERT_TRUE(Make());
    button.EnableWindow(FALSE);
    ASSERT_TRUE(WaitForState(button, kStateDisabled));
    const vt::Capture shot = Shot();
    EXPECT_TRUE(ShowsSkin(shot, g_hSkinBtnDisabled));
    EXPECT_GT(CountColour(shot, ContentRect(), ::GetSysColor(COLOR_GRAYTEXT)), 0);
}

struct StateCase
{
    UINT itemState;
    BOOL hover;
    BOOL isDefault;
    DWORD expected;
};

TEST_F(CoolButtonTest, StateIsTheFirstMatchOfDisabledPressedHotFocusedDefault)
{
    const StateCase cases[] = {
        {ODS_DISABLED | ODS_SELECTED | ODS_FOCUS, TRUE, TRUE, kStateDisabled},
        {ODS_SELECTED | ODS_FOCUS, TRUE, TRUE, kStatePressed},
        {ODS_FOCUS, TRUE, TRUE, kStateHot},
        {ODS_FOCUS, FALSE, FALSE, kStateDefault},
        {0, FALSE, TRUE, kStateDefault},
        {0, FALSE, FALSE, kStateNormal},
        {0, TRUE, FALSE, kStateHot},
    };
    for (const StateCase& c : cases) {
        button.ForceHover(c.hover);
        button.ForceDefault(c.isDefault);
        EXPECT_EQ((int)c.expected, button.StateAt(c.itemState))
            << "item state " << c.itemState << " hover " << c.hover << " default " << c.isDefault;
    }
}

TEST_F(CoolButtonTest, EveryStateDrawsTheCaptionInItsOwnColour)
{
    ASSERT_TRUE(Make("Colours"));
    button.SetTextColors(kCaptionColors[0], kCaptionColors[1], kCaptionColors[2],
                         kCaptionColors[3], kCaptionColors[4]);
    button.Invalidate();

    auto expectOnly = [&](int index, const char* what) {
        const vt::Capture shot = Shot();
        for (int i = 0; i < kStateCount; ++i) {
            const int count = CountColour(shot, ContentRect(), kCaptionColors[i]);
            if (i == index)
                EXPECT_GT(count, 0) << what << ": own colour missing";
            else
                EXPECT_EQ(0, count) << what << ": colour of state index " << i;
        }
    };

    expectOnly(1, "normal");
    ASSERT_TRUE(Hover());
    expectOnly(3, "hot");
    vt::MouseDown();
    ASSERT_TRUE(WaitForState(button, kStatePressed));
    expectOnly(4, "pressed");
    vt::MouseUp();
    ASSERT_TRUE(Leave());
    ASSERT_TRUE(FocusOn(host, button));
    ASSERT_TRUE(WaitForState(button, kStateDefault));
    expectOnly(0, "focused");
    button.EnableWindow(FALSE);
    ASSERT_TRUE(WaitForState(button, kStateDisabled));
    expectOnly(2, "disabled");
}

TEST_F(CoolButtonTest, OnlyTheHotCaptionChangesAfterSetHotTextColor)
{
    ASSERT_TRUE(Make("Hot only"));
    button.SetHotTextColor(kCaptionColors[3]);
    button.Invalidate();
    // Uncoloured states keep the DC's text colour, the window-text colour the
    // parent's control-colour answer leaves there.
    const COLORREF plain = ::GetSysColor(COLOR_WINDOWTEXT);

    vt::Capture shot = Shot();
    EXPECT_GT(CountColour(shot, ContentRect(), plain), 0);
    EXPECT_EQ(0, CountColour(shot, ContentRect(), kCaptionColors[3]));

    ASSERT_TRUE(Hover());
    shot = Shot();
    EXPECT_GT(CountColour(shot, ContentRect(), kCaptionColors[3]), 0);
    EXPECT_EQ(0, CountColour(shot, ContentRect(), plain));

    ASSERT_TRUE(Leave());
    shot = Shot();
    EXPECT_GT(CountColour(shot, ContentRect(), plain), 0);
    EXPECT_EQ(0, CountColour(shot, ContentRect(), kCaptionColors[3]));
}

TEST_F(CoolButtonTest, IconAndCaptionAreCentredAsOneBlockWithAFivePixelGapAndNoGapAlone)
{
    const COLORREF iconColour = RGB(0, 0, 255);
    SolidIcon icon(iconColour);
    button.SetIcons(icon.get(), icon.get());
    button.SetNormalTextColor(kCaptionColors[1]);
    ASSERT_TRUE(Make("OK"));

    const CRect rc = ContentRect();
    const CSize text = MeasureText(font.get(), "OK");
    const int iconWidth = 16 + kButtonIconGap;
    const int left = rc.left + (rc.Width() - text.cx - iconWidth) / 2;
    const int iconTop = rc.top + (rc.Height() - 16) / 2;

    const vt::Capture shot = Shot();
    EXPECT_EQ(CRect(left, iconTop, left + 16, iconTop + 16), BoundsOf(shot, Whole(), iconColour));
    const CRect caption = BoundsOf(shot, Whole(), kCaptionColors[1]);
    EXPECT_EQ(left + iconWidth + InkOf(font.get(), "OK").left, caption.left);

    // Without a caption there is no gap: the icon alone is centred.
    button.SetWindowText("");
    button.Invalidate();
    const int alone = rc.left + (rc.Width() - 16) / 2;
    EXPECT_EQ(CRect(alone, iconTop, alone + 16, iconTop + 16), BoundsOf(Shot(), Whole(), iconColour));
}

TEST_F(CoolButtonTest, WithoutAHotIconTheHotButtonCentresItsCaptionAlone)
{
    const COLORREF iconColour = RGB(0, 0, 255);
    SolidIcon icon(iconColour);
    button.SetIcons(icon.get(), NULL);
    button.SetHotTextColor(kCaptionColors[3]);
    ASSERT_TRUE(Make("OK"));
    EXPECT_GT(CountColour(Shot(), Whole(), iconColour), 0);

    ASSERT_TRUE(Hover());
    const vt::Capture shot = Shot();
    EXPECT_EQ(0, CountColour(shot, Whole(), iconColour));
    const CRect rc = ContentRect();
    const int left = rc.left + (rc.Width() - MeasureText(font.get(), "OK").cx) / 2;
    EXPECT_EQ(left + InkOf(font.get(), "OK").left, BoundsOf(shot, Whole(), kCaptionColors[3]).left);
}

TEST_F(CoolButtonTest, IconsWithoutColourBitmapAreNotDrawn)
{
    SolidIcon mono(RGB(0, 0, 0), 16, true);
    SolidIcon colour(RGB(0, 0, 255));
    button.SetIcons(mono.get(), colour.get());
    SIZE size = {99, 99};
    EXPECT_EQ(NULL, button.IconFor(kStateNormal, &size));
    EXPECT_EQ(0, size.cx);
    EXPECT_EQ(0, size.cy);
    EXPECT_EQ(colour.get(), button.IconFor(kStateHot, &size));
    EXPECT_EQ(16, size.cx);
    EXPECT_EQ(16, size.cy);
}

TEST_F(CoolButtonTest, FlatButtonShowsNoSkinUntilHoverAndNeverAFocusRectangle)
{
    button.SetButtonShape(kButtonShapeFlat);
    button.SetDrawFocusedRect(TRUE);
    ASSERT_TRUE(Make());
    EXPECT_TRUE(ShowsNoSkin(Shot(), host.Background()));

    ASSERT_TRUE(FocusOn(host, button));
    ASSERT_TRUE(WaitForState(button, kStateDefault));
    EXPECT_TRUE(ShowsNoSkin(Shot(), host.Background()));

    ASSERT_TRUE(Hover());
    EXPECT_TRUE(ShowsSkin(Shot(), g_hSkinBtnHot));
    vt::MouseDown();
    ASSERT_TRUE(WaitForState(button, kStatePressed));
    EXPECT_TRUE(ShowsSkin(Shot(), g_hSkinBtnDown));
    // Still focused, but a flat button has no focus rectangle.
    EXPECT_EQ(button.m_hWnd, ::GetFocus());
    const vt::Capture shot = Shot();
    EXPECT_FALSE(IsBlackOrWhite(shot.At(kButtonFocusInset, rect.Height() / 2)));
}

TEST_F(CoolButtonTest, FocusedButtonShowsDefaultSkinAndACheckerboardThreePixelsInsideOnlyWhenAsked)
{
    ASSERT_TRUE(Make());
    ASSERT_TRUE(FocusOn(host, button));
    ASSERT_TRUE(WaitForState(button, kStateDefault));
    EXPECT_TRUE(ShowsSkin(Shot(), g_hSkinBtnDefault));
    const BITMAP bm = BitmapInfo(g_hSkinBtnDefault);
    const int mid = rect.Width() / 2;
    EXPECT_PIXEL(Shot(), mid, kButtonFocusInset, SkinPixel(g_hSkinBtnDefault, bm.bmWidth / 2, kButtonFocusInset));

    button.SetDrawFocusedRect(TRUE);
    button.Invalidate();
    const vt::Capture shot = Shot();
    // The focus pattern is monochrome: its dots take the DC's text colour
    // (black here) and background colour in turn.
    const COLORREF dot = shot.At(kButtonFocusInset, kButtonFocusInset);
    const COLORREF gap = shot.At(kButtonFocusInset + 1, kButtonFocusInset);
    EXPECT_NE(dot, gap);
    EXPECT_TRUE(dot == RGB(0, 0, 0) || gap == RGB(0, 0, 0));
    auto isDot = [&](int x, int y) { return shot.At(x, y) == ((x + y) % 2 == 0 ? dot : gap); };
    const int last = rect.Width() - 1 - kButtonFocusInset;
    const int bottom = rect.Height() - 1 - kButtonFocusInset;
    for (int x = kButtonFocusInset; x <= last; ++x) {
        EXPECT_TRUE(isDot(x, kButtonFocusInset)) << "top row at x " << x;
        EXPECT_TRUE(isDot(x, bottom)) << "bottom row at x " << x;
    }
    for (int y = kButtonFocusInset; y <= bottom; ++y) {
        EXPECT_TRUE(isDot(kButtonFocusInset, y)) << "left column at y " << y;
        EXPECT_TRUE(isDot(last, y)) << "right column at y " << y;
    }
    // One pixel further out the skin is untouched.
    EXPECT_PIXEL(shot, mid, kButtonFocusInset - 1,
                 SkinPixel(g_hSkinBtnDefault, bm.bmWidth / 2, kButtonFocusInset - 1));
}

TEST_F(CoolButtonTest, NegativeShapesAreIgnoredAndNullSkinsPutTheSharedOnesBack)
{
    const COLORREF own = RGB(10, 200, 30);
    vt::GdiObject skin(::CreateBitmap(42, 20, 1, 32, NULL));
    {
        HDC dc = ::CreateCompatibleDC(NULL);
        HGDIOBJ old = ::SelectObject(dc, skin.get());
        vt::GdiObject brush(::CreateSolidBrush(own));
        RECT all = {0, 0, 42, 20};
        ::FillRect(dc, &all, brush.brush());
        ::SelectObject(dc, old);
        ::DeleteDC(dc);
    }
    button.SetButtonInfo(-1, NULL, skin.bitmap(), NULL, NULL, NULL);
    ASSERT_TRUE(Make());
    EXPECT_TRUE(ShowsSkin(Shot(), skin.bitmap()));

    button.SetButtonInfo(-1, NULL, NULL, NULL, NULL, NULL);
    button.Invalidate();
    EXPECT_TRUE(ShowsSkin(Shot(), g_hSkinBtnNormal));

    // A flat button in its normal state paints no skin; -1 leaves it flat.
    button.SetButtonShape(kButtonShapeFlat);
    button.SetButtonShape(-1);
    button.SetButtonInfo(-1, NULL, NULL, NULL, NULL, NULL);
    // The host paints the old skin away only where it does not clip its children.
    host.ModifyStyle(WS_CLIPCHILDREN, 0);
    host.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    EXPECT_TRUE(ShowsNoSkin(Shot(), host.Background()));
    button.DestroyWindow();
}

TEST_F(CoolButtonTest, EnterOnTheFocusedButtonSendsOneClickAndNeverReachesIt)
{
    ASSERT_TRUE(Make());
    ASSERT_TRUE(FocusOn(host, button));
    host.ClearReceived();
    button.messages.clear();

    vt::KeyPress(VK_RETURN);
    ASSERT_TRUE(vt::PumpUntil([&] { return host.CountReceived(WM_COMMAND) > 0; }));
    vt::PumpFor(100);

    EXPECT_EQ(1, host.CountReceived(WM_COMMAND));
    for (const auto& m : host.received()) {
        if (m.message != WM_COMMAND)
            continue;
        EXPECT_EQ(kButtonId, LOWORD(m.wParam));
        EXPECT_EQ(BN_CLICKED, HIWORD(m.wParam));
        EXPECT_EQ((LPARAM)button.m_hWnd, m.lParam);
    }
    EXPECT_EQ(0, std::count(button.messages.begin(), button.messages.end(), (UINT)WM_KEYDOWN));
    EXPECT_EQ(0, std::count(button.messages.begin(), button.messages.end(), (UINT)WM_CHAR));
}

TEST_F(CoolButtonTest, ManyPaintsAndCreateDestroyCyclesLeakNothing)
{
    SolidIcon icon(RGB(0, 0, 255));
    auto cycle = [&] {
        CCoolButton probe;
        probe.SetIcons(icon.get(), icon.get());
        probe.SetTextColors(kCaptionColors[0], kCaptionColors[1], kCaptionColors[2],
                            kCaptionColors[3], kCaptionColors[4]);
        probe.SetDrawFocusedRect(TRUE);
        ASSERT_TRUE(CreateButton(probe, host, rect, "Leak", 0, font.get()));
        ::SetFocus(probe.m_hWnd);
        for (int i = 0; i < 10; ++i) {
            probe.EnableWindow(i % 2 == 0);
            probe.RedrawWindow();
        }
        probe.DestroyWindow();
        vt::PumpPending();
    };
    EXPECT_TRUE(LeavesNothingBehind(cycle));
}

}  // namespace
