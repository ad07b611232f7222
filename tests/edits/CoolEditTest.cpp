// The flat edit box: hint text, focus flag, case forcing, read-only colour, frame and leaks.
#include <functional>
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

int CountWhere(const CRect& area, const std::function<bool(int, int)>& pixelMatches)
{
    int n = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            n += pixelMatches(x, y);
    return n;
}

int CountDifferences(const vt::Capture& a, const vt::Capture& b, const CRect& area)
{
    return CountWhere(area, [&](int x, int y) { return a.At(x, y) != b.At(x, y); });
}

// The hint as it should look: the edit's font, upright or italic, drawn into the hint
// rectangle over the plain window background.
vt::Capture ExpectedHint(BOOL italic)
{
    vt::MemoryCanvas canvas(kEditRect.Width(), kEditRect.Height(), ::GetSysColor(COLOR_WINDOW));
    LOGFONTA lf;
    ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
    lf.lfItalic = (BYTE)italic;
    vt::GdiObject font(::CreateFontIndirectA(&lf));
    vt::SelectGuard select(canvas, font);
    ::SetTextColor(canvas, kTipRed);
    ::SetBkMode(canvas, TRANSPARENT);
    CRect rect = TipRect();
    ::DrawTextA(canvas, kHint, -1, &rect, DT_SINGLELINE | DT_VCENTER);
    return canvas.Snapshot();
}

class FlatEdit : public EditTest<CCoolEdit>
{
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(EditTest::SetUp());
        m_edit.SetTipText(kHint, kTipRed, 0);
        ::SetFocus(m_host.m_hWnd);
        PaintNow(m_edit);
    }

    vt::Capture Shot()
    {
        PaintNow(m_edit);
        return vt::Capture::FromWindow(m_edit.m_hWnd);
    }

    // Clearly red pixels in the hint rectangle, blended with the background or not.
    int HintInk()
    {
        vt::Capture shot = Shot();
        return CountWhere(TipRect(), [&](int x, int y) {
            COLORREF c = shot.At(x, y);
            return GetRValue(c) > GetGValue(c) + 60 && GetRValue(c) > GetBValue(c) + 60;
        });
    }
};

TEST_F(FlatEdit, EmptyUnfocusedBoxShowsTheHintInItalicInTheHintRectangle)
{
    vt::Capture shot = Shot();
    vt::Capture italic = ExpectedHint(TRUE);
    // The reference renderings must differ, or the comparison proves nothing about italics.
    ASSERT_GT(CountDifferences(italic, ExpectedHint(FALSE), TipRect()), 0);
    int mismatches = CountDifferences(shot, italic, TipRect());
    EXPECT_EQ(0, mismatches);
    if (mismatches != 0)
    {
        vt::DumpForCurrentTest(shot, "actual");
        vt::DumpForCurrentTest(italic, "expected");
    }
}

TEST_F(FlatEdit, AnyTextEvenASpaceOrAnEmptyHintHidesTheHint)
{
    ASSERT_GT(HintInk(), 0);
    m_edit.SetWindowText(" ");
    EXPECT_EQ(0, HintInk());
    m_edit.SetWindowText("");
    EXPECT_GT(HintInk(), 0);
    m_edit.SetTipText(NULL, kTipRed, 1);
    EXPECT_EQ(0, HintInk());
    m_edit.SetTipText("", kTipRed, 1);
    EXPECT_EQ(0, HintInk());
}

TEST_F(FlatEdit, HintHidesWhileFocusedUnlessAskedToStayUntilSomethingIsTyped)
{
    ASSERT_TRUE(FocusOn(m_host, m_edit));
    EXPECT_EQ(0, HintInk());
    ::SetFocus(m_host.m_hWnd);
    vt::PumpPending();
    EXPECT_GT(HintInk(), 0);

    m_edit.SetTipText(kHint, kTipRed, 1);
    ASSERT_TRUE(FocusOn(m_host, m_edit));
    EXPECT_GT(HintInk(), 0);
    Type("x");
    EXPECT_EQ("x", TextOf(m_edit));
    EXPECT_EQ(0, HintInk());
}

TEST_F(FlatEdit, CaseModesChangeTypedLettersOnly)
{
    const struct { int mode; const char* typed; const char* expected; } cases[] = {
        {kEditCaseUpper, "abc1-Z", "ABC1-Z"},
        {kEditCaseLower, "ABC1-z", "abc1-z"},
        {kEditCaseNone, "aBc", "aBc"},
        {5, "aBc", "aBc"},
    };
    ASSERT_TRUE(FocusOn(m_host, m_edit));
    for (const auto& c : cases)
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
    ASSERT_TRUE(CreateEdit(readOnly, m_host, ES_READONLY, 1));
    readOnly.SetWindowText("Fixed");
    EXPECT_EQ(1, readOnly.CheckReadonly());
    EXPECT_EQ(0, m_edit.CheckReadonly());

    // A spot right of the text, inside the bands: only background is painted there.
    const int x = kEditRect.Width() - 20;
    const int y = kEditRect.Height() / 2;
    PaintNow(readOnly);
    EXPECT_PIXEL(vt::Capture::FromWindow(readOnly.m_hWnd), x, y, kReadOnlyBackground);

    readOnly.SetReadOnly(FALSE);
    EXPECT_EQ(0, readOnly.CheckReadonly());
    PaintNow(readOnly);
    EXPECT_PIXEL(vt::Capture::FromWindow(readOnly.m_hWnd), x, y, ::GetSysColor(COLOR_WINDOW));
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

TEST_F(FlatEdit, OutlineOnTheOuterPixelsWithBandsInTheClassColourUnderIt)
{
    vt::GdiObject band(::CreateSolidBrush(kBandGreen));
    ClassBrushSwap swap(m_edit.m_hWnd, band.brush());
    const int w = kEditRect.Width();
    const int h = kEditRect.Height();
    // The default edge first, then one set by the owner.
    for (COLORREF edge : {kBarEdge, RGB(10, 20, 200)})
    {
        SCOPED_TRACE(edge == kBarEdge ? "default edge" : "custom edge");
        if (edge != kBarEdge)
            m_edit.SetEdgeColor(edge);
        vt::Capture shot = Shot();
        for (int i : {0, 1, 2, 3, 4})
        {
            const int x = i * (w - 1) / 4, y = i * (h - 1) / 4;
            EXPECT_PIXEL(shot, x, 0, edge);
            EXPECT_PIXEL(shot, x, h - 1, edge);
            EXPECT_PIXEL(shot, 0, y, edge);
            EXPECT_PIXEL(shot, w - 1, y, edge);
        }
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
        CCoolEdit edit, readOnly;
        CCoolMaskEdit mask;
        CreateEdit(edit, host);
        CreateEdit(readOnly, host, ES_READONLY, 1);
        CreateEdit(mask, host, 0, 2);
        edit.SetTipText(kHint, kTipRed, 1);
        ::SetFocus(edit.m_hWnd);
        PaintNow(edit);
        edit.SetWindowText("abc");
        PaintNow(edit);
        edit.SetWindowText("");
        ::SetFocus(host.m_hWnd);
        PaintNow(edit);
        PaintNow(readOnly);
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
