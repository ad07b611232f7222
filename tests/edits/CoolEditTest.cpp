// The flat edit box: hint text, focus flag, case forcing, read-only colour and frame.
#include <functional>
#include "EditFixture.h"

using namespace edits_test;

namespace {

const COLORREF kTipRed = RGB(200, 0, 0);
const COLORREF kBandGreen = RGB(0, 160, 0);
const char kHint[] = "Type a name";
const CRect kTipRect(kEditTipInsetLeft, kEditTipInsetTop, kEditRect.Width() - kEditTipInsetRight,
                     kEditRect.Height() - kEditTipInsetBottom);

int CountWhere(const CRect& area, const std::function<bool(int, int)>& pixelMatches)
{
    int n = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            n += pixelMatches(x, y);
    return n;
}

// The hint as it should look: the edit's font, upright or italic, drawn into
// the hint rectangle over the plain window background.
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
    CRect rect = kTipRect;
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
    }

    vt::Capture Shot()
    {
        vt::PaintNow(m_edit.m_hWnd);
        return vt::Capture::FromWindow(m_edit.m_hWnd);
    }
    // Clearly red pixels in the hint rectangle, blended with the background or not.
    int HintInk()
    {
        const vt::Capture shot = Shot();
        return CountWhere(kTipRect, [&](int x, int y) {
            const COLORREF c = shot.At(x, y);
            return GetRValue(c) > GetGValue(c) + 60 && GetRValue(c) > GetBValue(c) + 60;
        });
    }
};

TEST_F(FlatEdit, EmptyUnfocusedBoxShowsTheHintInItalicInTheHintRectangle)
{
    const vt::Capture shot = Shot(), italic = ExpectedHint(TRUE), upright = ExpectedHint(FALSE);
    // The reference renderings must differ, or the comparison proves nothing about italics.
    ASSERT_GT(CountWhere(kTipRect, [&](int x, int y) { return italic.At(x, y) != upright.At(x, y); }), 0);
    const int mismatches = CountWhere(kTipRect, [&](int x, int y) { return shot.At(x, y) != italic.At(x, y); });
    EXPECT_EQ(0, mismatches);
    if (mismatches != 0) {
        vt::DumpForCurrentTest(shot, "actual");
        vt::DumpForCurrentTest(italic, "expected");
    }
}

// The hint shows only while the box is empty, and while it is focused only when asked to.
TEST_F(FlatEdit, HintShowsOnlyInAnEmptyBoxAndWhileFocusedOnlyWhenAsked)
{
    const struct { const char* name; std::function<void()> act; bool shown; } steps[] = {
        {"empty", [] {}, true},
        {"a space", [&] { m_edit.SetWindowText(" "); }, false},
        {"emptied", [&] { m_edit.SetWindowText(""); }, true},
        {"focused", [&] { ASSERT_TRUE(vt::FocusOn(m_edit)); }, false},
        {"focus gone", [&] { ::SetFocus(m_host.m_hWnd); }, true},
        {"focused, shown while focused", [&] { m_edit.SetTipText(kHint, kTipRed, 1); ASSERT_TRUE(vt::FocusOn(m_edit)); }, true},
        {"typed into", [&] { Type("x"); EXPECT_EQ("x", TextOf(m_edit)); }, false},
        {"null hint", [&] { m_edit.SetWindowText(""); m_edit.SetTipText(NULL, kTipRed, 1); }, false},
        {"empty hint", [&] { m_edit.SetTipText("", kTipRed, 1); }, false},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        step.act();
        EXPECT_EQ(step.shown, HintInk() > 0);
    }
}

// Every letter of both cases and the other keys of the main block, typed.
TEST_F(FlatEdit, CaseModesChangeTypedLettersOnly)
{
    const char typed[] = "abcdefghijklmnopqrstuvwxyz ABCDEFGHIJKLMNOPQRSTUVWXYZ 0123456789-=[];',./`";
    const std::string upper = "ABCDEFGHIJKLMNOPQRSTUVWXYZ ABCDEFGHIJKLMNOPQRSTUVWXYZ 0123456789-=[];',./`";
    const std::string lower = "abcdefghijklmnopqrstuvwxyz abcdefghijklmnopqrstuvwxyz 0123456789-=[];',./`";
    const struct { int mode; std::string expected; } cases[] = {
        {kEditCaseUpper, upper}, {kEditCaseLower, lower}, {kEditCaseNone, typed}, {5, typed},
    };
    ASSERT_TRUE(vt::FocusOn(m_edit));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        m_edit.SetWindowText("");
        m_edit.SetUpperLower(c.mode);
        Type(typed);
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
    const CPoint spot(kEditRect.Width() - 20, kEditRect.Height() / 2);
    vt::PaintNow(readOnly.m_hWnd);
    EXPECT_PIXEL(vt::Capture::FromWindow(readOnly.m_hWnd), spot.x, spot.y, kReadOnlyBackground);
    readOnly.SetReadOnly(FALSE);
    EXPECT_EQ(0, readOnly.CheckReadonly());
    vt::PaintNow(readOnly.m_hWnd);
    EXPECT_PIXEL(vt::Capture::FromWindow(readOnly.m_hWnd), spot.x, spot.y, ::GetSysColor(COLOR_WINDOW));
}

// The frame paints its bands with whatever brush the edit class has: the
// test swaps in its own for a while.
TEST_F(FlatEdit, OutlineOnTheOuterPixelsWithBandsInTheClassColourUnderIt)
{
    vt::GdiObject band(::CreateSolidBrush(kBandGreen));
    const LONG_PTR old = ::SetClassLongPtrA(m_edit.m_hWnd, GCLP_HBRBACKGROUND, (LONG_PTR)band.brush());
    const int w = kEditRect.Width(), h = kEditRect.Height();
    for (COLORREF edge : {kBarEdge, RGB(10, 20, 200)}) {
        SCOPED_TRACE(edge == kBarEdge ? "default edge" : "edge set by the owner");
        if (edge != kBarEdge)
            m_edit.SetEdgeColor(edge);
        const vt::Capture shot = Shot();
        for (int i = 0; i <= 4; ++i) {
            const int x = i * (w - 1) / 4, y = i * (h - 1) / 4;
            EXPECT_PIXEL(shot, x, 0, edge);
            EXPECT_PIXEL(shot, x, h - 1, edge);
            EXPECT_PIXEL(shot, 0, y, edge);
            EXPECT_PIXEL(shot, w - 1, y, edge);
        }
        for (const POINT& p : {POINT{1, h / 2}, POINT{w - 2, h / 2}, POINT{w - 20, 1}, POINT{w - 20, h - 2}, POINT{1, 1}})
            EXPECT_PIXEL(shot, p.x, p.y, kBandGreen);
    }
    ::SetClassLongPtrA(m_edit.m_hWnd, GCLP_HBRBACKGROUND, old);
}

} // namespace
