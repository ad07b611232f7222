// The flat combo box: drop button hot tracking and press, frame, hint, read-only look, glyph and leaks.
#include "DisplayFixture.h"

using namespace edits_test;

namespace {

const UINT kComboId = 300;
const CRect kComboRect(20, 20, 220, 160);   // the height includes the dropped list
const COLORREF kHintRed = RGB(200, 0, 0);
const char kHint[] = "Pick a colour";
const int kSquare[kComboSkinCornerSize] = {0, 0, 0, 0};

// The arrow glyph of the strip: ink from (2, 4) to (10, 8) of its 13 x 13 image.
const CRect kArrowInk(2, 4, 11, 9);

// How the box under test came to be.
struct Kind
{
    const char* name;
    DWORD type;
    bool fromTemplate;
};
const Kind kKinds[] = {
    {"drop-down made in code", CBS_DROPDOWN, false},
    {"drop-down list made in code", CBS_DROPDOWNLIST, false},
    {"drop-down list of a dialog template, with a client edge", CBS_DROPDOWNLIST, true},
};

// A modeless dialog at the host origin holding one combo box.
class ComboDialog : public CDialog
{
public:
    bool Open(DWORD type)
    {
        const DWORD dlgStyle = WS_POPUP | WS_VISIBLE, item = WS_CHILD | WS_VISIBLE | WS_VSCROLL | type;
        const WORD words[] = {LOWORD(dlgStyle), HIWORD(dlgStyle), 0, 0, 1, 0, 0, 200, 100, 0, 0, 0,
                              LOWORD(item), HIWORD(item), LOWORD(WS_EX_CLIENTEDGE), HIWORD(WS_EX_CLIENTEDGE),
                              4, 4, 100, 60, (WORD)kComboId, 0xFFFF, 0x0085, 0, 0, 0};
        if (!CreateIndirect(reinterpret_cast<LPCDLGTEMPLATE>(words), NULL))
            return false;
        SetWindowPos(NULL, vt::kHostOrigin.x, vt::kHostOrigin.y, 320, 200, SWP_NOZORDER);
        return true;
    }
};

class FlatCombo : public ::testing::Test
{
protected:
    FlatCombo() { vt::ParkCursor(); }
    ~FlatCombo() override
    {
        vt::MouseUp();
        ::ReleaseCapture();
        vt::ParkCursor();
    }

    bool Make(const Kind& kind)
    {
        CWnd* parent = &host;
        if (kind.fromTemplate) {
            if (!dialog.Open(kind.type) || !combo.SubclassDlgItem(kComboId, &dialog))
                return false;
            parent = &dialog;
        } else if (!combo.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | kind.type, kComboRect, &host, kComboId)) {
            return false;
        }
        combo.SetFont(CFont::FromHandle(font));
        combo.MoveWindow(&kComboRect);
        for (const char* item : {"Red", "Green", "Blue"})
            combo.AddString(item);
        ::SetFocus(NULL);
        Settle();
        return true;
    }

    void Settle()
    {
        ::RedrawWindow(combo.GetParent()->m_hWnd, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        vt::PumpPending();
    }
    CSize Size() const { CRect w; combo.GetWindowRect(&w); return w.Size(); }
    CRect Button() const
    {
        const CSize s = Size();
        return CRect(s.cx - 2 - ::GetSystemMetrics(SM_CXVSCROLL), 2, s.cx - 2, s.cy - 2);
    }
    CRect Glyph() const
    {
        const CRect b = Button();
        const CPoint at(b.left + (b.Width() - 13) / 2, b.top + (b.Height() - 13) / 2);
        return CRect(at, CSize(13, 13));
    }
    void MoveTo(CPoint inCombo)
    {
        vt::MoveCursor(CPoint(vt::kHostOrigin) + kComboRect.TopLeft() + inCombo);
        vt::PumpFor(30);
    }
    // Button pixels off the glyph that differ from hSkin painted into the button.
    int SkinMisses(const vt::Capture& shot, HBITMAP hSkin) const
    {
        const CRect b = Button();
        vt::MemoryCanvas canvas(b.Width(), b.Height());
        CRect whole(0, 0, b.Width(), b.Height());
        CRoundBitmap().ShowMe(canvas, &whole, hSkin, kSquare, kComboSkinCornerSize);
        const vt::Capture skin = canvas.Snapshot();
        CRect glyph = Glyph();
        int n = 0;
        for (int y = b.top; y < b.bottom; ++y)
            for (int x = b.left; x < b.right; ++x)
                n += !glyph.PtInRect(CPoint(x, y)) && shot.At(x, y) != skin.At(x - b.left, y - b.top);
        return n;
    }
    CWnd* Edit() { return combo.GetWindow(GW_CHILD); }

    vt::HostWnd host{320, 200, RGB(255, 255, 255)};
    vt::GdiObject fontObject{MakeCrispFont()};
    const HFONT font = static_cast<HFONT>(fontObject.get());
    ComboDialog dialog;
    CCoolComboBox combo;
};

TEST_F(FlatCombo, DropButtonLightsAndHoldsTheCaptureOnlyWhileTheMouseIsOverIt)
{
    for (const Kind& kind : kKinds) {
        SCOPED_TRACE(kind.name);
        ASSERT_TRUE(Make(kind));
        EXPECT_STREQ("CCoolComboBox", combo.GetRuntimeClass()->m_lpszClassName);
        EXPECT_EQ(0u, combo.GetExStyle() & kComboRemovedExStyles);
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
            EXPECT_EQ(0, SkinMisses(vt::Capture::FromWindow(combo.m_hWnd), s.skin));
        }
        vt::MouseDown();
        vt::PumpFor(30);
        EXPECT_TRUE(combo.GetDroppedState());
        EXPECT_EQ(0, SkinMisses(vt::Capture::FromWindow(combo.m_hWnd), g_hSkinBtnDown));
        vt::MouseUp();
        combo.ShowDropDown(FALSE);
        vt::ParkCursor();
        combo.DestroyWindow();
        if (dialog.m_hWnd != NULL)
            dialog.DestroyWindow();
    }
}

TEST_F(FlatCombo, SkinsDifferSoTheStatesAreTold)
{
    ASSERT_TRUE(Make(kKinds[0]));
    const vt::Capture shot = vt::Capture::FromWindow(combo.m_hWnd);
    EXPECT_EQ(0, SkinMisses(shot, g_hSkinBtnDefault));
    EXPECT_GT(SkinMisses(shot, g_hSkinBtnHot), 0);
    EXPECT_GT(SkinMisses(shot, g_hSkinBtnDown), 0);
}

TEST_F(FlatCombo, FrameAndBandsInTheirColoursAndTheArrowCentredOnTheButton)
{
    ASSERT_TRUE(Make(kKinds[1]));
    const COLORREF band = RGB(0, 160, 0), edge = RGB(10, 20, 200);
    vt::GdiObject brush(::CreateSolidBrush(band));
    const LONG_PTR oldBrush = ::SetClassLongPtrA(combo.m_hWnd, GCLP_HBRBACKGROUND, (LONG_PTR)brush.get());
    combo.SetEdgeColor(edge);
    Settle();
    const vt::Capture shot = vt::Capture::FromWindow(combo.m_hWnd);
    ::SetClassLongPtrA(combo.m_hWnd, GCLP_HBRBACKGROUND, oldBrush);
    const CSize s = Size();
    for (CPoint p : {CPoint(0, 0), CPoint(s.cx / 2, 0), CPoint(s.cx - 1, s.cy / 2), CPoint(s.cx / 2, s.cy - 1),
                     CPoint(0, s.cy - 1), CPoint(0, s.cy / 2)})
        EXPECT_PIXEL(shot, p.x, p.y, edge);
    for (CPoint p : {CPoint(1, s.cy / 2), CPoint(s.cx / 2, 1), CPoint(s.cx - 2, 1), CPoint(s.cx / 2, s.cy - 2)})
        EXPECT_PIXEL(shot, p.x, p.y, band);

    // A 13-pixel glyph on a 17-pixel button lands 2 pixels in; on any other, as near the centre.
    const CRect glyph = Glyph();
    EXPECT_EQ(CRect(glyph.TopLeft() + kArrowInk.TopLeft(), kArrowInk.Size()),
              BoundsOf(shot, Button(), RGB(0, 0, 0)));
    if (Button().Size() == CSize(17, 17))
        EXPECT_EQ(Button().TopLeft() + CSize(2, 2), glyph.TopLeft());
}

TEST_F(FlatCombo, WithoutTheGlyphStripOnlyTheSkinIsPainted)
{
    ASSERT_TRUE(Make(kKinds[0]));   // the strip has been tried once now
    combo.DestroyWindow();
    HIMAGELIST strip = g_imlCtrlBar.Detach();
    CCoolComboBox bare;
    const bool made = bare.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, kComboRect, &host, kComboId) != FALSE;
    g_imlCtrlBar.Attach(strip);
    ASSERT_TRUE(made);
    SIZE size = {5, 5};
    EXPECT_EQ(nullptr, bare.GetDrawIcon(&size));
    EXPECT_EQ(0, size.cx);
    bare.RedrawWindow();
    vt::PumpPending();
    EXPECT_EQ(0, CountColour(vt::Capture::FromWindow(bare.m_hWnd), Button(), RGB(0, 0, 0)));
}

TEST_F(FlatCombo, HintShowsInItalicWhileEmptyAndUnfocusedWithTheEditHidden)
{
    ASSERT_TRUE(Make(kKinds[0]));
    combo.SetTipText(kHint, kHintRed);
    Settle();
    const CSize s = Size();
    const CRect tip(5, 2, s.cx - 3 - ::GetSystemMetrics(SM_CXVSCROLL), s.cy - 3);
    auto hintInk = [&] { return CountColour(vt::Capture::FromWindow(combo.m_hWnd), tip, kHintRed); };
    EXPECT_FALSE(Edit()->GetStyle() & WS_VISIBLE);
    const vt::Capture italic = RenderText(s.cx, s.cy, ::GetSysColor(COLOR_WINDOW), font, kHint, tip,
                                          DT_SINGLELINE | DT_VCENTER, kHintRed, true);
    EXPECT_EQ(0, Differences(vt::Capture::FromWindow(combo.m_hWnd), tip, italic, tip.TopLeft()));
    EXPECT_GT(CountColour(italic, tip, kHintRed), 0);

    combo.SetFocus();
    ASSERT_TRUE(vt::PumpUntil([&] { return ::GetFocus() == Edit()->m_hWnd; }));
    Settle();
    EXPECT_TRUE(Edit()->GetStyle() & WS_VISIBLE);
    EXPECT_EQ(0, hintInk());
    host.SetFocus();
    Settle();
    EXPECT_GT(hintInk(), 0);
    EXPECT_FALSE(Edit()->GetStyle() & WS_VISIBLE);
    vt::Click(CPoint(vt::kHostOrigin) + kComboRect.TopLeft() + CPoint(30, s.cy / 2));
    vt::PumpFor(30);
    EXPECT_TRUE(Edit()->GetStyle() & WS_VISIBLE);
    EXPECT_EQ(0, hintInk());
}

TEST_F(FlatCombo, ReadOnlyDisablesHidesTheEditAndDrawsTheTextInTheNormalColourOnPale)
{
    for (const Kind& kind : {kKinds[0], kKinds[1]}) {
        SCOPED_TRACE(kind.name);
        ASSERT_TRUE(Make(kind));
        combo.SetCurSel(1);
        combo.SetReadOnly(1);
        Settle();
        EXPECT_EQ(1, combo.GetReadOnly());
        EXPECT_FALSE(combo.IsWindowEnabled());
        if (Edit() != NULL)
            EXPECT_FALSE(Edit()->GetStyle() & WS_VISIBLE);
        const CSize s = Size();
        const CRect text(4, 1, s.cx - 2 - ::GetSystemMetrics(SM_CXVSCROLL), s.cy - 1);
        const vt::Capture shot = vt::Capture::FromWindow(combo.m_hWnd);
        const vt::Capture expected = RenderText(s.cx, s.cy, kReadOnlyBackground, font, "Green", text, DT_SINGLELINE | DT_VCENTER, RGB(0, 0, 0));
        const CRect inside(text.left, 3, text.right, s.cy - 3);
        EXPECT_EQ(0, Differences(shot, inside, expected, inside.TopLeft()));
        // The glyph of a disabled box is embossed, not black.
        EXPECT_EQ(0, CountColour(shot, Button(), RGB(0, 0, 0)));

        combo.SetReadOnly(0);
        Settle();
        EXPECT_TRUE(combo.IsWindowEnabled());
        if (Edit() != NULL)
            EXPECT_TRUE(Edit()->GetStyle() & WS_VISIBLE);
        EXPECT_EQ(0, CountColour(vt::Capture::FromWindow(combo.m_hWnd), inside, kReadOnlyBackground));
        combo.DestroyWindow();
    }
}

TEST_F(FlatCombo, BadInputIsHarmless)
{
    CCoolComboBox unmade;
    unmade.SetReadOnly(1);
    unmade.ForceRepaint();
    unmade.SetTipText(NULL, kHintRed);
    EXPECT_EQ(nullptr, unmade.GetDrawIcon(NULL));
    ASSERT_TRUE(Make(kKinds[0]));
    const std::string longHint(5000, 'w');
    combo.SetTipText(longHint.c_str(), kHintRed);
    combo.ForceRepaint();
    combo.SetTipText(NULL, kHintRed);
    combo.ForceRepaint();
    Settle();
    EXPECT_EQ(0, CountColour(vt::Capture::FromWindow(combo.m_hWnd), CRect(CPoint(0, 0), Size()), kHintRed));
}

TEST(FlatComboLeaks, CreatingHoveringPressingAndDestroyingLeavesNothing)
{
    vt::HostWnd host;
    EXPECT_TRUE(LeavesNothingBehind([&] {
        for (DWORD type : {(DWORD)CBS_DROPDOWN, (DWORD)CBS_DROPDOWNLIST}) {
            CCoolComboBox combo;
            combo.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | type, kComboRect, &host, kComboId);
            combo.AddString("One");
            combo.SetTipText(kHint, kHintRed);
            PaintNow(combo);
            vt::MoveCursor(host.ToScreen(CPoint(kComboRect.right - 10, kComboRect.top + 8)));
            vt::MouseDown();
            vt::MouseUp();
            combo.ShowDropDown(FALSE);
            combo.SetReadOnly(1);
            PaintNow(combo);
            vt::ParkCursor();
            combo.DestroyWindow();
            vt::PumpPending();
        }
    }));
}

} // namespace
