// The flat edit box: hint text, focus flag, case forcing, read-only colour, frame and leaks.
#include "EditFixture.h"

using namespace edits_test;

namespace {

const COLORREF kTipRed = RGB(200, 0, 0);
const COLORREF kBandGreen = RGB(0, 160, 0);
const char kHint[] = "Type a name";

CRect TipRect()
{
    return CRect(kEditTipInsetLeft, kEditTipInsetTop, kEditRect.Width() - kEditTipInsetRight,
                 kEditRect.Height() - kEditTipInsetBottom);
}

// Clearly red ink: a hint pixel, blended with the background or not.
bool IsReddish(COLORREF c)
{
    return GetRValue(c) > GetGValue(c) + 60 && GetRValue(c) > GetBValue(c) + 60;
}

int CountReddish(const vt::Capture& capture, const CRect& area)
{
    int n = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            n += IsReddish(capture.At(x, y));
    return n;
}

// The hint as it should look: the edit's font in italic, drawn into the hint rectangle over
// the plain window background.
vt::Capture ExpectedHint(BOOL italic, COLORREF colour)
{
    vt::MemoryCanvas canvas(kEditRect.Width(), kEditRect.Height(), ::GetSysColor(COLOR_WINDOW));
    LOGFONTA lf;
    ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
    lf.lfItalic = (BYTE)italic;
    vt::GdiObject font(::CreateFontIndirectA(&lf));
    vt::SelectGuard select(canvas, font);
    ::SetTextColor(canvas, colour);
    ::SetBkMode(canvas, TRANSPARENT);
    CRect rect = TipRect();
    ::DrawTextA(canvas, kHint, -1, &rect, DT_SINGLELINE | DT_VCENTER);
    return canvas.Snapshot();
}

int CountDifferences(const vt::Capture& a, const vt::Capture& b, const CRect& area)
{
    int n = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            n += a.At(x, y) != b.At(x, y);
    return n;
}

class FlatEdit : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CreateEdit(m_edit, m_host));
        m_edit.SetTipText(kHint, kTipRed, 0);
        ::SetFocus(m_host.m_hWnd);
        PaintNow(m_edit);
    }

    vt::Capture Shot()
    {
        PaintNow(m_edit);
        return vt::Capture::FromWindow(m_edit.m_hWnd);
    }

    int HintInk()
    {
        return CountReddish(Shot(), TipRect());
    }

    vt::HostWnd m_host;
    CCoolEdit m_edit;
};

TEST_F(FlatEdit, EmptyUnfocusedBoxShowsTheHintInItalicInTheHintRectangle)
{
    vt::Capture shot = Shot();
    vt::Capture italic = ExpectedHint(TRUE, kTipRed);
    vt::Capture upright = ExpectedHint(FALSE, kTipRed);
    CRect area = TipRect();
    // The reference renderings must differ, or the comparison proves nothing about italics.
    ASSERT_GT(CountDifferences(italic, upright, area), 0);
    int mismatches = CountDifferences(shot, italic, area);
    EXPECT_EQ(0, mismatches);
    if (mismatches != 0)
    {
        vt::DumpForCurrentTest(shot, "actual");
        vt::DumpForCurrentTest(italic, "expected");
    }
}

// Reads the defaults a new box starts with.
class DefaultsProbe : public CCoolEdit
{
public:
    COLORREF TipColour() const { return m_crTip; }
    COLORREF EdgeColour() const { return m_crEdge; }
    int TipWhenFocused() const { return m_bTipWhenFocused; }
};

TEST(FlatEditDefaults, NewBoxHasTheGrayTextHintColourAndTheBarEdge)
{
    DefaultsProbe probe;
    EXPECT_EQ(::GetSysColor(COLOR_GRAYTEXT), probe.TipColour());
    EXPECT_EQ(kBarEdge, probe.EdgeColour());
    EXPECT_EQ(0, probe.TipWhenFocused());
}

TEST_F(FlatEdit, NullOrEmptyHintTextShowsNothing)
{
    ASSERT_GT(HintInk(), 0);
    m_edit.SetTipText(NULL, kTipRed, 1);
    EXPECT_EQ(0, HintInk());
    m_edit.SetTipText("", kTipRed, 1);
    EXPECT_EQ(0, HintInk());
}

TEST_F(FlatEdit, HintHidesWhileFocusedUnlessAskedToStay)
{
    ASSERT_GT(HintInk(), 0);
    ASSERT_TRUE(FocusOn(m_host, m_edit));
    EXPECT_EQ(0, HintInk());
    ::SetFocus(m_host.m_hWnd);
    vt::PumpPending();
    EXPECT_GT(HintInk(), 0);

    m_edit.SetTipText(kHint, kTipRed, 1);
    ASSERT_TRUE(FocusOn(m_host, m_edit));
    EXPECT_GT(HintInk(), 0);
}

TEST_F(FlatEdit, TypingOneCharacterHidesTheHint)
{
    m_edit.SetTipText(kHint, kTipRed, 1);
    ASSERT_TRUE(FocusOn(m_host, m_edit));
    ASSERT_GT(HintInk(), 0);
    Type("x");
    EXPECT_EQ("x", TextOf(m_edit));
    EXPECT_EQ(0, HintInk());
}

TEST_F(FlatEdit, ASingleSpaceCountsAsText)
{
    m_edit.SetWindowText(" ");
    EXPECT_EQ(0, HintInk());
    m_edit.SetWindowText("");
    EXPECT_GT(HintInk(), 0);
}

struct CaseCase { int mode; const char* typed; const char* expected; };

TEST_F(FlatEdit, CaseModesChangeTypedLettersOnly)
{
    const CaseCase cases[] = {
        {kEditCaseUpper, "abc1-Z", "ABC1-Z"},
        {kEditCaseLower, "ABC1-z", "abc1-z"},
        {kEditCaseNone, "aBc", "aBc"},
        {5, "aBc", "aBc"},
    };
    ASSERT_TRUE(FocusOn(m_host, m_edit));
    for (const CaseCase& c : cases)
    {
        SCOPED_TRACE(c.typed);
        m_edit.SetWindowText("");
        m_edit.SetUpperLower(c.mode);
        Type(c.typed);
        EXPECT_EQ(c.expected, TextOf(m_edit));
    }
    // Text that does not come from the keyboard keeps its case.
    m_edit.SetUpperLower(kEditCaseUpper);
    m_edit.SetWindowText("set text");
    EXPECT_EQ("set text", TextOf(m_edit));
    m_edit.SetSel(0, -1);
    m_edit.ReplaceSel("replaced");
    EXPECT_EQ("replaced", TextOf(m_edit));
}

TEST_F(FlatEdit, ReadOnlyBoxHasThePaleBackgroundUntilTheStyleIsCleared)
{
    CCoolEdit readOnly;
    ASSERT_TRUE(CreateEdit(readOnly, m_host, ES_READONLY));
    readOnly.MoveWindow(kEditRect.left, kEditRect.bottom + 10, kEditRect.Width(),
                        kEditRect.Height());
    readOnly.SetWindowText("Fixed");
    EXPECT_EQ(1, readOnly.CheckReadonly());
    EXPECT_EQ(0, m_edit.CheckReadonly());

    // A spot right of the text, inside the bands: only background is painted there.
    const int x = kEditRect.Width() - 20;
    const int y = kEditRect.Height() / 2;
    PaintNow(readOnly);
    vt::Capture pale = vt::Capture::FromWindow(readOnly.m_hWnd);
    EXPECT_PIXEL(pale, x, y, kReadOnlyBackground);

    readOnly.SetReadOnly(FALSE);
    EXPECT_EQ(0, readOnly.CheckReadonly());
    PaintNow(readOnly);
    vt::Capture normal = vt::Capture::FromWindow(readOnly.m_hWnd);
    EXPECT_PIXEL(normal, x, y, ::GetSysColor(COLOR_WINDOW));
}

// Swaps the edit class's background brush for the test's lifetime; the frame paints its
// bands with whatever brush the class has.
class ClassBrushSwap
{
public:
    ClassBrushSwap(HWND hwnd, HBRUSH brush)
        : m_hwnd(hwnd), m_old(::SetClassLongPtrA(hwnd, GCLP_HBRBACKGROUND, (LONG_PTR)brush)) {}
    ~ClassBrushSwap() { ::SetClassLongPtrA(m_hwnd, GCLP_HBRBACKGROUND, m_old); }
    ClassBrushSwap(const ClassBrushSwap&) = delete;
    ClassBrushSwap& operator=(const ClassBrushSwap&) = delete;

private:
    HWND m_hwnd;
    LONG_PTR m_old;
};

struct EdgeCase { bool custom; COLORREF edge; };

TEST_F(FlatEdit, OutlineOnTheOuterPixelsWithBandsInTheClassColourUnderIt)
{
    const EdgeCase cases[] = { {false, kBarEdge}, {true, RGB(10, 20, 200)} };
    vt::GdiObject band(::CreateSolidBrush(kBandGreen));
    ClassBrushSwap swap(m_edit.m_hWnd, band.brush());
    const int w = kEditRect.Width();
    const int h = kEditRect.Height();
    for (const EdgeCase& c : cases)
    {
        SCOPED_TRACE(c.custom ? "custom edge" : "default edge");
        if (c.custom)
            m_edit.SetEdgeColor(c.edge);
        vt::Capture shot = Shot();
        const int xs[] = {0, 1, w / 2, w - 2, w - 1};
        for (int x : xs)
        {
            EXPECT_PIXEL(shot, x, 0, c.edge);
            EXPECT_PIXEL(shot, x, h - 1, c.edge);
        }
        const int ys[] = {0, 1, h / 2, h - 2, h - 1};
        for (int y : ys)
        {
            EXPECT_PIXEL(shot, 0, y, c.edge);
            EXPECT_PIXEL(shot, w - 1, y, c.edge);
        }
        // The second ring is the band's own colour.
        EXPECT_PIXEL(shot, 1, h / 2, kBandGreen);
        EXPECT_PIXEL(shot, w - 2, h / 2, kBandGreen);
        EXPECT_PIXEL(shot, w - 20, 1, kBandGreen);
        EXPECT_PIXEL(shot, w - 20, h - 2, kBandGreen);
        EXPECT_PIXEL(shot, 1, 1, kBandGreen);
    }
}

TEST(FlatEditLeaks, CreatingPaintingAndDestroyingLeavesNoGdiObjectOrWindow)
{
    vt::HostWnd host;
    auto cycle = [&host]()
    {
        CCoolEdit edit;
        CreateEdit(edit, host);
        edit.SetTipText(kHint, kTipRed, 1);
        ::SetFocus(edit.m_hWnd);
        PaintNow(edit);
        edit.SetWindowText("abc");
        PaintNow(edit);
        edit.SetWindowText("");
        ::SetFocus(host.m_hWnd);
        PaintNow(edit);

        CCoolEdit readOnly;
        CreateEdit(readOnly, host, ES_READONLY);
        PaintNow(readOnly);

        CCoolMaskEdit mask;
        CreateEdit(mask, host);
        mask.MaskDateTime(kMaskFormatDateTime);
        mask.SetTipText(kHint, kTipRed, 0);
        PaintNow(mask);
        mask.SetDateTime(2014, 5, 6, 8, 3, 9);
        PaintNow(mask);

        edit.DestroyWindow();
        readOnly.DestroyWindow();
        mask.DestroyWindow();
        vt::PumpPending();
    };
    cycle();
    const int gdi = vt::GdiObjectCount();
    const int windows = vt::ThreadWindowCount();
    for (int i = 0; i < 20; ++i)
        cycle();
    EXPECT_EQ(gdi, vt::GdiObjectCount());
    EXPECT_EQ(windows, vt::ThreadWindowCount());
}

} // namespace
