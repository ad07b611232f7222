// The flat combo box: drop button hot tracking and press, frame, glyph, hint and read-only look.
#include "EditFixture.h"

using namespace edits_test;

namespace {

const UINT kComboId = 300;
const CRect kComboRect(20, 20, 220, 160);   // the height includes the dropped list
const COLORREF kRed = RGB(200, 0, 0), kBlack = RGB(0, 0, 0);
const char kHint[] = "Pick a colour";
const int kSquare[kComboSkinCornerSize] = {0, 0, 0, 0};
const CRect kArrowInk(2, 4, 11, 9);         // ink of the strip's 13 x 13 arrow image

struct Kind { const char* name; DWORD type; bool fromTemplate; };
const Kind kKinds[] = {
    {"drop-down made in code", CBS_DROPDOWN, false},
    {"drop-down list made in code", CBS_DROPDOWNLIST, false},
    {"drop-down list of a dialog template, with a client edge", CBS_DROPDOWNLIST, true},
};

class FlatCombo : public ::testing::Test
{
protected:
    FlatCombo() { vt::ParkCursor(); }
    ~FlatCombo() override { vt::MouseUp(); vt::ParkCursor(); }

    // A modeless dialog at the host origin holding one combo box with a client edge.
    bool OpenDialog(DWORD type)
    {
        vt::DialogTemplate t(WS_POPUP | WS_VISIBLE);
        t.AddItem(kComboId, 0x0085, WS_VSCROLL | type, "");
        return dialog.CreateIndirect(t.Get(), NULL) &&
               dialog.GetDlgItem(kComboId)->ModifyStyleEx(0, WS_EX_CLIENTEDGE, SWP_FRAMECHANGED) &&
               dialog.SetWindowPos(NULL, vt::kHostOrigin.x, vt::kHostOrigin.y, 320, 200, SWP_NOZORDER);
    }
    bool Make(const Kind& kind)
    {
        if (kind.fromTemplate ? !OpenDialog(kind.type) || !combo.SubclassDlgItem(kComboId, &dialog)
                              : !combo.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | kind.type, kComboRect, &host, kComboId))
            return false;
        combo.SetFont(CFont::FromHandle(font));
        combo.MoveWindow(&kComboRect);
        for (const char* item : {"Red", "Green", "Blue"})
            combo.AddString(item);
        ::SetFocus(NULL);
        Settle(combo);
        return true;
    }
    static void Settle(CWnd& box)
    {
        box.GetParent()->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        vt::PumpPending();
    }
    vt::Capture Now() const { return vt::Capture::FromWindow(combo.m_hWnd); }
    CSize Size() const { CRect w; combo.GetWindowRect(&w); return w.Size(); }
    CRect Button() const { const CSize s = Size(); return CRect(s.cx - 2 - ::GetSystemMetrics(SM_CXVSCROLL), 2, s.cx - 2, s.cy - 2); }
    CPoint GlyphAt() const { const CRect b = Button(); return b.TopLeft() + CSize((b.Width() - 13) / 2, (b.Height() - 13) / 2); }
    void MoveTo(CPoint inCombo) { vt::MoveCursor(CPoint(vt::kHostOrigin) + kComboRect.TopLeft() + inCombo); vt::PumpFor(30); }
    // Button pixels off the glyph that differ from hSkin painted into the button.
    int SkinMisses(const vt::Capture& shot, HBITMAP hSkin) const
    {
        const CRect b = Button(), glyph(GlyphAt(), CSize(13, 13));
        vt::MemoryCanvas canvas(b.Width(), b.Height());
        const CRect whole(CPoint(0, 0), b.Size());
        CRoundBitmap().ShowMe(canvas, &whole, hSkin, kSquare, kComboSkinCornerSize);
        int n = 0;
        for (int y = b.top; y < b.bottom; ++y)
            for (int x = b.left; x < b.right; ++x)
                n += !glyph.PtInRect(CPoint(x, y)) && shot.At(x, y) != canvas.At(x - b.left, y - b.top);
        return n;
    }
    CWnd* Edit() { return combo.GetWindow(GW_CHILD); }
    bool EditShown() { return (Edit()->GetStyle() & WS_VISIBLE) != 0; }

    vt::HostWnd host{320, 200, RGB(255, 255, 255)};
    vt::GdiObject fontObject{vt::MakeCrispFont()};
    const HFONT font = static_cast<HFONT>(fontObject.get());
    CDialog dialog;
    CCoolComboBox combo;
};

TEST_F(FlatCombo, DropButtonLightsAndHoldsTheCaptureOnlyWhileTheMouseIsOverItAndPressDropsTheList)
{
    for (const Kind& kind : kKinds) {
        SCOPED_TRACE(kind.name);
        ASSERT_TRUE(Make(kind));
        EXPECT_STREQ("CCoolComboBox", combo.GetRuntimeClass()->m_lpszClassName);
        EXPECT_EQ(0u, combo.GetExStyle() & kComboRemovedExStyles);
        // The three skins must differ here, or matching one proves nothing.
        EXPECT_GT(SkinMisses(Now(), g_hSkinBtnHot) * SkinMisses(Now(), g_hSkinBtnDown), 0);
        const CPoint text(30, Size().cy / 2), button = Button().CenterPoint();
        const struct { const char* step; CPoint at; bool captured; HBITMAP skin; } steps[] = {
            {"over the text: nothing changes", text, false, g_hSkinBtnDefault},
            {"onto the button", button, true, g_hSkinBtnHot},
            {"off it", text, false, g_hSkinBtnDefault},
            {"back onto it", button, true, g_hSkinBtnHot},
        };
        for (const auto& s : steps) {
            SCOPED_TRACE(s.step);
            MoveTo(s.at);
            EXPECT_EQ(s.captured, ::GetCapture() == combo.m_hWnd);
            EXPECT_EQ(0, SkinMisses(Now(), s.skin));
        }
        vt::MouseDown();
        vt::PumpFor(30);
        EXPECT_TRUE(combo.GetDroppedState());
        EXPECT_EQ(0, SkinMisses(Now(), g_hSkinBtnDown));
        vt::MouseUp();
        combo.ShowDropDown(FALSE);
        vt::ParkCursor();
        combo.DestroyWindow();
        if (dialog.m_hWnd != NULL)
            dialog.DestroyWindow();
    }
}

TEST_F(FlatCombo, FrameBandsAndACentredArrowOrNoneWithoutTheGlyphStrip)
{
    ASSERT_TRUE(Make(kKinds[1]));
    const COLORREF band = RGB(0, 160, 0), edge = RGB(10, 20, 200);
    vt::Capture shot = Now();
    {
        ClassBrush brush(combo.m_hWnd, band);
        combo.SetEdgeColor(edge);
        Settle(combo);
        shot = Now();
    }
    ExpectFlatFrame(shot, Size(), edge, band);
    // The 13-pixel glyph as near the button's centre as whole pixels allow (2 pixels in on a 17-pixel button).
    EXPECT_EQ(kArrowInk + GlyphAt(), BoundsOf(shot, Button(), kBlack));
    // Pointing down: the top row of ink is the widest one.
    EXPECT_PIXEL(shot, GlyphAt().x + kArrowInk.left, GlyphAt().y + kArrowInk.top, kBlack);

    // The strip has been tried once now; a list that holds nothing gives no arrow.
    HIMAGELIST strip = g_imlCtrlBar.Detach();
    CCoolComboBox bare;
    const bool made = bare.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, kComboRect + CSize(0, 40), &host, 1);
    g_imlCtrlBar.Attach(strip);
    ASSERT_TRUE(made);
    SIZE size = {5, 5};
    EXPECT_EQ(nullptr, bare.GetDrawIcon(&size));
    EXPECT_EQ(0, size.cx);
    Settle(bare);
    EXPECT_EQ(0, CountColour(vt::Capture::FromWindow(bare.m_hWnd), Button(), kBlack));
}

TEST_F(FlatCombo, HintShowsInItalicWhileEmptyAndUnfocusedWithTheEditHidden)
{
    ASSERT_TRUE(Make(kKinds[0]));
    combo.SetTipText(kHint, kRed);
    Settle(combo);
    const CSize s = Size();
    const CRect tip(5, 2, s.cx - 3 - ::GetSystemMetrics(SM_CXVSCROLL), s.cy - 3);
    const vt::Capture italic = RenderText(s.cx, s.cy, ::GetSysColor(COLOR_WINDOW), font, kHint, tip,
                                          DT_SINGLELINE | DT_VCENTER, kRed, true);
    EXPECT_GT(CountColour(italic, tip, kRed), 0);
    EXPECT_EQ(0, Differences(Now(), tip, italic, tip.TopLeft()));
    EXPECT_FALSE(EditShown());

    const struct { const char* step; std::function<void()> act; bool hint; } steps[] = {
        {"focus brings the edit back", [&] { combo.SetFocus(); }, false},
        {"focus elsewhere hides it again", [&] { host.SetFocus(); }, true},
        {"a click brings it back", [&] { vt::Click(CPoint(vt::kHostOrigin) + kComboRect.TopLeft() + CPoint(30, s.cy / 2)); }, false},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.step);
        step.act();
        vt::PumpFor(30);
        Settle(combo);
        EXPECT_EQ(!step.hint, EditShown());
        EXPECT_EQ(step.hint, CountColour(Now(), tip, kRed) > 0);
    }
}

TEST_F(FlatCombo, ReadOnlyDisablesHidesTheEditAndDrawsTheTextInTheNormalColourOnPale)
{
    for (const Kind& kind : {kKinds[0], kKinds[1]}) {
        SCOPED_TRACE(kind.name);
        ASSERT_TRUE(Make(kind));
        combo.SetCurSel(1);
        combo.SetReadOnly(1);
        Settle(combo);
        EXPECT_EQ(1, combo.GetReadOnly());
        EXPECT_FALSE(combo.IsWindowEnabled());
        EXPECT_FALSE(Edit() != NULL && EditShown());
        const CSize s = Size();
        const CRect text(4, 1, s.cx - 2 - ::GetSystemMetrics(SM_CXVSCROLL), s.cy - 1), inside(4, 3, text.right, s.cy - 3);
        const vt::Capture expected = RenderText(s.cx, s.cy, kReadOnlyBackground, font, "Green", text,
                                                DT_SINGLELINE | DT_VCENTER, kBlack);
        EXPECT_EQ(0, Differences(Now(), inside, expected, inside.TopLeft()));
        EXPECT_EQ(0, CountColour(Now(), Button(), kBlack)) << "a disabled box's arrow is embossed";

        combo.SetReadOnly(0);
        Settle(combo);
        EXPECT_TRUE(combo.IsWindowEnabled());
        EXPECT_TRUE(Edit() == NULL || EditShown());
        EXPECT_EQ(0, CountColour(Now(), inside, kReadOnlyBackground));
        combo.DestroyWindow();
    }
}

// Calls on edit-family controls never made. (Made, used and destroyed many
// times, long hints and read-only looks included, they are counted by the soak.)
TEST(EditFamily, UnmadeControlsTakeCallsHarmlessly)
{
    CCoolComboBox unmadeCombo;
    unmadeCombo.SetReadOnly(1);
    unmadeCombo.ForceRepaint();
    EXPECT_EQ(nullptr, unmadeCombo.GetDrawIcon(NULL));
    CCoolLabel().SetWideText(NULL);
}

} // namespace
