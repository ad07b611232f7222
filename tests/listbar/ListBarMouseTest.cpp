// The button list bar under real mouse input: hot and pressed looks, clicks, groups, scrolling, tips, painting and leaks.
#include <functional>
#include <string>
#include <vector>

#include "ListBarFixture.h"

using namespace lbtest;

namespace {

COLORREF Sys(int index) { return ::GetSysColor(index); }


class ListBarMouse : public ListBarTest
{
protected:
    // The top-left and bottom-right pixels of a button: the two colours of its frame.
    void ExpectFrame(const vt::Capture& shot, const CRect& rc, COLORREF topLeft, COLORREF bottomRight)
    {
        EXPECT_PIXEL(shot, rc.left, rc.top, topLeft) << "top left";
        EXPECT_PIXEL(shot, rc.right - 1, rc.bottom - 1, bottomRight) << "bottom right";
    }
};

TEST_F(ListBarMouse, HotAndPressedButtonsAreFramedRaisedThenSunkenWhileTheBarHoldsTheCapture)
{
    ASSERT_TRUE(Make(kTallBar, kListVertical, 5));
    const CRect first = Item(0), second = Item(1);
    const COLORREF light = Sys(COLOR_WINDOW), dark = Sys(COLOR_3DDKSHADOW);
    const struct { const char* name; std::function<void()> act; CRect rc; COLORREF topLeft, bottomRight; bool captured; } steps[] = {
        {"hover", [&] { MoveTo(first.CenterPoint()); }, first, light, dark, true},
        {"press", [] { vt::MouseDown(); }, first, dark, light, true},
        // Releasing the capture makes the system send a move, which takes it again.
        {"release", [] { vt::MouseUp(); }, first, light, dark, true},
        {"next", [&] { MoveTo(second.CenterPoint()); }, second, light, dark, true},
        {"leave", [] { vt::ParkCursor(); }, second, kBarColour, kBarColour, false},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        step.act();
        ExpectFrame(Shot(), step.rc, step.topLeft, step.bottomRight);
        EXPECT_EQ(step.captured, ::GetCapture() == bar.m_hWnd);
    }
    EXPECT_EQ(std::vector<LPARAM>{0}, Clicked());

    // Selecting by hand repaints the old and the new button at once, without a paint cycle.
    EXPECT_EQ(-1, bar.SetCurSel(1, TRUE));
    ExpectFrame(vt::Capture::FromWindow(bar.m_hWnd), second, light, dark);
    EXPECT_EQ(1, bar.SetCurSel(-1, TRUE));
    ExpectFrame(vt::Capture::FromWindow(bar.m_hWnd), second, kBarColour, kBarColour);
}

TEST_F(ListBarMouse, OnlyAReleaseOnThePressedButtonNotifiesTheOwner)
{
    ASSERT_TRUE(Make(kTallBar, kListVertical, 5));
    ClickAt(Group(1).CenterPoint());   // "Notes": buttons 1, 4, 7, ...
    ASSERT_EQ(1, bar.GetCurSelGroupButton());
    MoveTo(Item(0).CenterPoint());
    vt::MouseDown();
    MoveTo(Item(1).CenterPoint());
    vt::MouseUp();
    EXPECT_TRUE(Clicked().empty());
    EXPECT_EQ(-1, bar.GetMouseClickItem());

    ClickAt(Item(1).CenterPoint());
    EXPECT_EQ(std::vector<LPARAM>{4}, Clicked());
    EXPECT_EQ(4, bar.GetMouseClickItem());

    bar.SetOwner(NULL);
    ClickAt(Item(0).CenterPoint());
    EXPECT_EQ(1u, Clicked().size());
    EXPECT_EQ(4, bar.GetMouseClickItem());
}

TEST_F(ListBarMouse, DoubleClickFlashesTheButtonAndNotifiesForBothReleases)
{
    ASSERT_TRUE(Make(kTallBar, kListVertical, 5));
    const DWORD start = ::GetTickCount();
    vt::DoubleClick(Screen(Item(1).CenterPoint()));
    ASSERT_TRUE(vt::PumpUntil([&] { return Clicked().size() >= 2; }));
    vt::PumpPending();
    // Only the double click flashes: time enough for it says the second press was one.
    EXPECT_GE(::GetTickCount() - start, kListFlashTime - 20);   // GetTickCount steps by up to ~16 ms
    EXPECT_EQ((std::vector<LPARAM>{3, 3}), Clicked());
}

TEST_F(ListBarMouse, ArrowsScrollOneButtonAtATimeAndTheLeadingOneGoesOnceLeft)
{
    ASSERT_TRUE(Make(kTallBar, kListVertical, 5));
    const int groups = Groups().bottom;
    const CPoint down = ArrowPoint(kListTrailingArrow), up = ArrowPoint(kListLeadingArrow);
    EXPECT_EQ(kListTrailingArrow, bar.ScrollItemFromPt(down));
    EXPECT_EQ(kListNoArrow, bar.ScrollItemFromPt(up));
    EXPECT_EQ(groups, Item(0).top);
    MoveTo(down);
    ExpectFrame(Shot(), CRect(0, kTallBar.Height() - kListArrowBand, 100, kTallBar.Height()), Sys(COLOR_WINDOW),
                Sys(COLOR_3DDKSHADOW));

    // The last trailing click has nowhere to go; the leading arrow stays while hot at 0.
    const struct { CPoint at; int first; } steps[] = {
        {down, 1}, {down, 2}, {down, 3}, {down, 4}, {down, 4}, {up, 3}, {up, 2}, {up, 1}, {up, 0}};
    for (const auto& step : steps) {
        ClickAt(step.at);
        Settle();
        SCOPED_TRACE(step.first);
        EXPECT_EQ(groups + kListArrowBand, Item(step.first).top);
        EXPECT_TRUE(step.first == 0 || Item(step.first - 1).IsRectEmpty());
    }
    EXPECT_EQ(kListLeadingArrow, bar.ScrollItemFromPt(up));
    EXPECT_PIXEL(Shot(), 5, up.y, Sys(COLOR_SCROLLBAR));

    MoveTo(Item(1).CenterPoint());
    EXPECT_EQ(groups, Item(0).top);
    EXPECT_EQ(kListNoArrow, bar.ScrollItemFromPt(up));
    EXPECT_PIXEL(Shot(), 5, up.y, kBarColour);

    // A group button shows its group from the start; the selected one changes nothing.
    ClickAt(down);
    ClickAt(Group(0).CenterPoint());
    EXPECT_TRUE(Item(0).IsRectEmpty());
    ClickAt(Group(2).CenterPoint());
    EXPECT_EQ(2, bar.GetCurSelGroupButton());
    EXPECT_EQ(groups, Item(0).top);
    EXPECT_TRUE(Clicked().empty());
}

TEST_F(ListBarMouse, TheSelectedGroupNameIsBoldAtNineTenthsOfTheFontAndOthersAreDimmed)
{
    ASSERT_TRUE(Make(kTallBar, kListVertical, 1));
    const vt::Capture shot = Shot();
    CRect text = Group(0), other = Group(1);
    text.DeflateRect(1, 1);
    other.DeflateRect(1, 1);
    // The same name drawn here in that font on the group colour, pixel for pixel.
    LOGFONTA lf;
    ASSERT_TRUE(::GetObjectA(g_fontShared10.GetSafeHandle(), sizeof(lf), &lf));
    lf.lfHeight = static_cast<LONG>(lf.lfHeight * 0.9);
    lf.lfWeight = FW_BOLD;
    vt::GdiObject bold(::CreateFontIndirectA(&lf));
    vt::MemoryCanvas expected(text.Width(), text.Height(), Sys(COLOR_SCROLLBAR));
    {
        vt::SelectGuard font(expected.dc(), bold.get());
        ::SetBkMode(expected.dc(), TRANSPARENT);
        CRect rc(0, 0, text.Width(), text.Height());
        ::DrawTextA(expected.dc(), "Mail", -1, &rc, kListTextFormat);
        ::GdiFlush();
    }
    int mismatches = 0;
    for (int y = 0; y < text.Height(); ++y)
        for (int x = 0; x < text.Width(); ++x)
            mismatches += shot.At(text.left + x, text.top + y) != expected.At(x, y);
    EXPECT_GT(vt::CountColour(expected.Snapshot(), CRect(0, 0, text.Width(), text.Height()), RGB(0, 0, 0)), 0) << "no ink";
    EXPECT_EQ(0, mismatches);
    EXPECT_GT(vt::CountColour(shot, other, Sys(COLOR_APPWORKSPACE)), 0);
}

// Arrows come from a hook a derived class may replace; switched off, the cut shows.
class NoArrowBar : public CButtonListBar
{
public:
    using CButtonListBar::DrawScrollBar;
    void DrawScrollBar(HDC) override {}
};

class ListBarPaint : public ListBarTestOf<NoArrowBar> {};

TEST_F(ListBarPaint, TheButtonAtTheBottomEdgeIsCutAboveTheTrailingArrowBand)
{
    const int th = TextHeight(), height = kListImageBox + th + kListButtonExtra;
    // The second button's caption rows fall in the arrow band.
    const int client = 3 * (th + kListGroupPadding) + 1 + 2 * height - 8;
    ASSERT_TRUE(Make(CRect(10, 10, 110, 10 + client), kListVertical, 3));
    const vt::Capture shot = Shot();
    const CRect band(0, client - kListArrowBand, 100, client);
    const int area = band.Width() * band.Height();
    EXPECT_LT(vt::CountColour(shot, band - CPoint(0, height), kBarColour), area);   // ink in the same rows of the first button
    EXPECT_EQ(area, vt::CountColour(shot, band, kBarColour));
}

TEST_F(ListBarMouse, ArrowGlyphsPointTheWayTheyScroll)
{
    const struct { int orientation; CRect rc; int arrow; int dx, dy; } cases[] = {
        {kListVertical, kTallBar, kListLeadingArrow, 0, -1}, {kListVertical, kTallBar, kListTrailingArrow, 0, 1},
        {kListHorizontal, CRect(10, 10, 310, 90), kListLeadingArrow, -1, 0}, {kListHorizontal, CRect(10, 10, 310, 90), kListTrailingArrow, 1, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dx * 10 + c.dy);
        ASSERT_TRUE(Make(c.rc, c.orientation, 8));
        const CPoint next = ArrowPoint(kListTrailingArrow);
        bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(next.x, next.y));   // one step in: both arrows show
        const vt::Capture shot = Shot();
        const CPoint centre = ArrowPoint(c.arrow);
        // Black ink across the arrow's axis one row (or column) from its centre: narrower towards the tip.
        auto across = [&](int offset) {
            const CPoint at = centre + CPoint(c.dx * offset, c.dy * offset);
            const CRect line = c.dy != 0 ? CRect(at.x - 6, at.y, at.x + 7, at.y + 1) : CRect(at.x, at.y - 6, at.x + 1, at.y + 7);
            return vt::CountColour(shot, line, RGB(0, 0, 0));
        };
        EXPECT_GT(across(1), 0);
        EXPECT_LT(across(1), across(-1));
    }
}

TEST_F(ListBarMouse, RestingOnAButtonOrGroupShowsItsTip)
{
    ASSERT_TRUE(Make(kTallBar, kListVertical, 2));
    ASSERT_TRUE(bar.SetGroupToolTip(1, "All notes"));
    bar.EnableToolTips(TRUE);
    const struct { CPoint at; const char* tip; } rows[] = {
        {Item(0).CenterPoint(), "Item 0"}, {Group(1).CenterPoint(), "All notes"}, {Group(2).CenterPoint(), "Tasks"}};
    for (const auto& row : rows) {
        MoveTo(row.at);
        MoveTo(row.at + CPoint(1, 1));
        EXPECT_TRUE(vt::PumpUntil([&] {
            CToolTipCtrl* tip = AfxGetThreadState()->m_pToolTip;
            char text[80] = {};
            if (tip != NULL && tip->IsWindowVisible())
                ::GetWindowTextA(tip->m_hWnd, text, sizeof(text));
            return std::string(text) == row.tip;
        }, 3000)) << row.tip;
    }
    bar.EnableToolTips(FALSE);
}

// The soak walks a filled bar through paints and presses; here what it does
// not: a colour of its own, a scroll by the trailing arrow and a new selection.
TEST_F(ListBarMouse, ManyBarsColouredScrolledAndSelectedLeaveNothingBehind)
{
    EXPECT_TRUE(vt::LeavesNothingBehind([&] {
        ASSERT_TRUE(Make(kTallBar, kListVertical, 5));
        bar.SetBkColor(RGB(1, 2, 3), TRUE);
        for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP})
            bar.SendMessage(message, 0, MAKELPARAM(50, kTallBar.Height() - 5));
        bar.SetCurSel(1, TRUE);
        Settle();
        bar.DestroyWindow();
    }, 20));
}

}  // namespace
