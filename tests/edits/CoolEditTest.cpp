// The flat edit box: hint text, focus flag, case forcing, read-only colour and frame.
#include "EditFixture.h"

using namespace edits_test;

namespace {

const COLORREF kTipRed = RGB(200, 0, 0);
const char kHint[] = "Type a name";
const CRect kTipRect(kEditTipInsetLeft, kEditTipInsetTop, kEditRect.Width() - kEditTipInsetRight,
                     kEditRect.Height() - kEditTipInsetBottom);

class FlatEdit : public EditTest<CCoolEdit>
{
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(EditTest::SetUp());
        m_edit.SetTipText(kHint, kTipRed, 0);
        ::SetFocus(m_host.m_hWnd);
    }

    vt::Capture Shot(CWnd& edit)
    {
        vt::PaintNow(edit.m_hWnd);
        return vt::Capture::FromWindow(edit.m_hWnd);
    }
    vt::Capture Hint(bool italic)
    {
        return RenderText(kEditRect.Width(), kEditRect.Height(), ::GetSysColor(COLOR_WINDOW),
                          (HFONT)::GetStockObject(DEFAULT_GUI_FONT), kHint, kTipRect, DT_SINGLELINE | DT_VCENTER,
                          kTipRed, italic);
    }
};

// The hint shows in italic only while the box is empty, and while it is focused only when asked to.
TEST_F(FlatEdit, HintShowsInItalicOnlyInAnEmptyBoxAndWhileFocusedOnlyWhenAsked)
{
    const vt::Capture italic = Hint(true);
    // The reference renderings must differ, or the comparison proves nothing about italics.
    ASSERT_GT(Differences(italic, kTipRect, Hint(false), kTipRect.TopLeft()), 0);
    EXPECT_EQ(0, Differences(Shot(m_edit), kTipRect, italic, kTipRect.TopLeft()));

    const struct { const char* name; std::function<void()> act; bool shown; } steps[] = {
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
        EXPECT_EQ(step.shown, CountColour(Shot(m_edit), kTipRect, kTipRed) > 0);
    }
}

// Every letter of both cases and the other keys of the main block, typed.
TEST_F(FlatEdit, CaseModesChangeTypedLettersOnly)
{
    const std::string lower = "abcdefghijklmnopqrstuvwxyz", upper = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    const std::string rest = " 0123456789-=[];',./`", typed = lower + upper + rest;
    const struct { int mode; std::string expected; } cases[] = {
        {kEditCaseUpper, upper + upper + rest}, {kEditCaseLower, lower + lower + rest},
        {kEditCaseNone, typed}, {5, typed},
    };
    ASSERT_TRUE(vt::FocusOn(m_edit));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        m_edit.SetWindowText("");
        m_edit.SetUpperLower(c.mode);
        Type(typed.c_str());
        EXPECT_EQ(c.expected, TextOf(m_edit));
    }
    // Text that does not come from the keyboard keeps its case.
    m_edit.SetUpperLower(kEditCaseUpper);
    m_edit.SetWindowText("set text");
    m_edit.SetSel(0, 3);
    m_edit.ReplaceSel("replaced");
    EXPECT_EQ("replaced text", TextOf(m_edit));
}

TEST_F(FlatEdit, ReadOnlyBoxHasThePaleBackgroundUntilTheStyleIsCleared)
{
    m_edit.SetWindowText("Fixed");
    // A spot right of the text, inside the bands: only background is painted there.
    const CPoint spot(kEditRect.Width() - 20, kEditRect.Height() / 2);
    for (const BOOL readOnly : {TRUE, FALSE}) {
        m_edit.SetReadOnly(readOnly);
        EXPECT_EQ(readOnly, m_edit.CheckReadonly());
        EXPECT_PIXEL(Shot(m_edit), spot.x, spot.y, readOnly ? kReadOnlyBackground : ::GetSysColor(COLOR_WINDOW));
    }
}

// The frame paints its bands with whatever brush the edit class has: the test swaps in its own.
TEST_F(FlatEdit, OutlineOnTheOuterPixelsWithBandsInTheClassColourUnderIt)
{
    const COLORREF band = RGB(0, 160, 0);
    ClassBrush brush(m_edit.m_hWnd, band);
    ExpectFlatFrame(Shot(m_edit), kEditRect.Size(), kBarEdge, band);
    m_edit.SetEdgeColor(RGB(10, 20, 200));
    ExpectFlatFrame(Shot(m_edit), kEditRect.Size(), RGB(10, 20, 200), band);
}

} // namespace
