// The button list bar under real mouse input: hot and pressed looks, clicks, groups, scrolling, tips, painting and leaks.
#include <string>
#include <vector>

#include "ListBarFixture.h"

using namespace lbtest;

namespace {

const CRect kTallBar(10, 10, 110, 230);   // vertical: three groups of five overflow it

COLORREF Sys(int index) { return ::GetSysColor(index); }

int CountNot(const vt::Capture& shot, const CRect& rc, COLORREF colour)
{
    int n = 0;
    for (int y = rc.top; y < rc.bottom; ++y) {
        for (int x = rc.left; x < rc.right; ++x)
            n += shot.At(x, y) != colour;
    }
    return n;
}

class ListBarMouse : public ListBarTest
{
protected:
    bool MakeTall(int perGroup)
    {
        if (!Make(kTallBar, kListVertical))
            return false;
        Fill(perGroup);
        Settle();
        return true;
    }
    int GroupsBottom() const
    {
        RECT rc;
        bar.GetGroupsRect(&rc);
        return rc.bottom;
    }
    std::vector<LPARAM> ClickedIndices() const
    {
        std::vector<LPARAM> indices;
        for (const vt::HostWnd::Msg& m : host.received()) {
            if (m.message == kListClickMessage && m.wParam == kListClickWParam)
                indices.push_back(m.lParam);
        }
        return indices;
    }
    // Top-left and bottom-right pixels of a button: the two edges of its frame.
    void ExpectFrame(const vt::Capture& shot, const CRect& rc, COLORREF topLeft, COLORREF bottomRight)
    {
        EXPECT_PIXEL(shot, rc.left, rc.top, topLeft);
        EXPECT_PIXEL(shot, rc.right - 1, rc.bottom - 1, bottomRight);
    }
};

TEST_F(ListBarMouse, HotAndPressedButtonsAreFramedRaisedThenSunkenWhileTheBarHoldsTheCapture)
{
    ASSERT_TRUE(MakeTall(5));
    const CRect first = Item(0), second = Item(1);
    ExpectFrame(Shot(), first, kBarColour, kBarColour);

    struct Step { const char* name; std::function<void()> act; CRect rc; COLORREF topLeft, bottomRight; bool captured; };
    const Step steps[] = {
        {"hover", [&] { MoveTo(Centre(first)); }, first, Sys(COLOR_WINDOW), Sys(COLOR_3DDKSHADOW), true},
        {"press", [] { vt::MouseDown(); }, first, Sys(COLOR_3DDKSHADOW), Sys(COLOR_WINDOW), true},
        // Releasing the capture makes the system send a move, which takes it again.
        {"release", [] { vt::MouseUp(); }, first, Sys(COLOR_WINDOW), Sys(COLOR_3DDKSHADOW), true},
        {"next", [&] { MoveTo(Centre(second)); }, second, Sys(COLOR_WINDOW), Sys(COLOR_3DDKSHADOW), true},
        {"leave", [] { vt::ParkCursor(); }, second, kBarColour, kBarColour, false},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        step.act();
        ExpectFrame(Shot(), step.rc, step.topLeft, step.bottomRight);
        EXPECT_EQ(step.captured, ::GetCapture() == bar.m_hWnd);
    }
    EXPECT_EQ(1, Clicks());
}

TEST_F(ListBarMouse, SetCurSelPaintsTheOldAndNewButtonAtOnceOnlyWhenAskedTo)
{
    ASSERT_TRUE(MakeTall(5));
    EXPECT_EQ(-1, bar.SetCurSel(1, TRUE));
    ExpectFrame(vt::Capture::FromWindow(bar.m_hWnd), Item(1), Sys(COLOR_WINDOW), Sys(COLOR_3DDKSHADOW));
    EXPECT_EQ(1, bar.SetCurSel(-1, TRUE));
    ExpectFrame(vt::Capture::FromWindow(bar.m_hWnd), Item(1), kBarColour, kBarColour);
    EXPECT_EQ(-1, bar.SetCurSel(0, FALSE));
    ExpectFrame(vt::Capture::FromWindow(bar.m_hWnd), Item(0), kBarColour, kBarColour);
    ExpectFrame(Shot(), Item(0), Sys(COLOR_WINDOW), Sys(COLOR_3DDKSHADOW));
    EXPECT_EQ(0, bar.SetCurSel(0, TRUE));
}

TEST_F(ListBarMouse, OnlyAReleaseOnThePressedButtonNotifiesTheOwner)
{
    ASSERT_TRUE(MakeTall(5));
    ClickAt(Centre(Group(1)));   // "Notes": buttons 1, 4, 7, ...
    ASSERT_EQ(1, bar.GetCurSelGroupButton());

    MoveTo(Centre(Item(0)));
    vt::MouseDown();
    MoveTo(Centre(Item(1)));
    vt::MouseUp();
    EXPECT_TRUE(ClickedIndices().empty());
    EXPECT_EQ(-1, bar.GetMouseClickItem());

    ClickAt(Centre(Item(1)));
    EXPECT_EQ(std::vector<LPARAM>{4}, ClickedIndices());
    EXPECT_EQ(4, bar.GetMouseClickItem());

    bar.SetOwner(NULL);
    ClickAt(Centre(Item(0)));
    EXPECT_EQ(1u, ClickedIndices().size());
    EXPECT_EQ(4, bar.GetMouseClickItem());
}

TEST_F(ListBarMouse, DoubleClickFlashesTheButtonAndNotifiesForBothReleases)
{
    ASSERT_TRUE(MakeTall(5));
    vt::MessageRecorder recorder;
    recorder.Watch(bar.m_hWnd);
    recorder.Only({WM_LBUTTONDBLCLK});
    const DWORD start = ::GetTickCount();
    vt::DoubleClick(Screen(Centre(Item(1))));
    ASSERT_TRUE(vt::PumpUntil([&] { return ClickedIndices().size() >= 2; }));
    vt::PumpPending();
    EXPECT_EQ(1u, recorder.entries().size());
    EXPECT_GE(::GetTickCount() - start, kListFlashTime - 20);   // GetTickCount steps by up to ~16 ms
    EXPECT_EQ((std::vector<LPARAM>{3, 3}), ClickedIndices());
}

TEST_F(ListBarMouse, ArrowsScrollOneButtonAtATimeAndTheLeadingOneGoesOnceLeft)
{
    ASSERT_TRUE(MakeTall(5));
    const int groups = GroupsBottom();
    const CPoint down = ArrowPoint(kListTrailingArrow), up = ArrowPoint(kListLeadingArrow);
    EXPECT_EQ(kListTrailingArrow, bar.ScrollItemFromPt(down));
    EXPECT_EQ(kListNoArrow, bar.ScrollItemFromPt(up));
    EXPECT_EQ(groups, Item(0).top);

    // The last trailing click has nowhere to go; the leading arrow stays while hot at 0.
    struct Step { CPoint at; int first; };
    const Step steps[] = {{down, 1}, {down, 2}, {down, 3}, {down, 4}, {down, 4},
                          {up, 3}, {up, 2}, {up, 1}, {up, 0}};
    for (const Step& step : steps) {
        ClickAt(step.at);
        Settle();
        SCOPED_TRACE(step.first);
        EXPECT_EQ(groups + kListArrowBand, Item(step.first).top);
        if (step.first > 0) {
            EXPECT_TRUE(Item(step.first - 1).IsRectEmpty());
        }
    }
    EXPECT_EQ(kListLeadingArrow, bar.ScrollItemFromPt(up));
    EXPECT_PIXEL(Shot(), 5, up.y, Sys(COLOR_SCROLLBAR));

    MoveTo(Centre(Item(1)));
    Settle();
    EXPECT_EQ(groups, Item(0).top);
    EXPECT_EQ(kListNoArrow, bar.ScrollItemFromPt(up));
    EXPECT_PIXEL(Shot(), 5, up.y, kBarColour);
    EXPECT_TRUE(ClickedIndices().empty());
}

TEST_F(ListBarMouse, AGroupButtonShowsItsGroupFromTheStartAndTheSelectedOneDoesNothing)
{
    ASSERT_TRUE(MakeTall(5));
    const int groups = GroupsBottom();
    ClickAt(ArrowPoint(kListTrailingArrow));
    ASSERT_TRUE(Item(0).IsRectEmpty());

    ClickAt(Centre(Group(0)));
    EXPECT_TRUE(Item(0).IsRectEmpty());
    EXPECT_EQ(0, bar.GetCurSelGroupButton());

    ClickAt(Centre(Group(2)));
    EXPECT_EQ(2, bar.GetCurSelGroupButton());
    EXPECT_EQ(groups, Item(0).top);
    ClickAt(Centre(Item(0)));
    EXPECT_EQ(std::vector<LPARAM>{2}, ClickedIndices());
}

TEST_F(ListBarMouse, TheSelectedGroupNameIsBoldAtNineTenthsOfTheFontAndOthersAreDimmed)
{
    ASSERT_TRUE(MakeTall(1));
    const vt::Capture shot = Shot();
    CRect text = Group(0);
    text.DeflateRect(1, 1);

    LOGFONTA lf;
    ASSERT_EQ((int)sizeof(lf), ::GetObjectA(g_fontShared10.GetSafeHandle(), sizeof(lf), &lf));
    lf.lfHeight = static_cast<LONG>(lf.lfHeight * 0.9);
    lf.lfWeight = FW_BOLD;
    vt::GdiObject bold(::CreateFontIndirectA(&lf));
    vt::MemoryCanvas expected(text.Width(), text.Height(), Sys(COLOR_SCROLLBAR));
    {
        vt::SelectGuard font(expected.dc(), bold.get());
        ::SetBkMode(expected.dc(), TRANSPARENT);
        CRect rc(0, 0, text.Width(), text.Height());
        ::DrawTextA(expected.dc(), "Mail", -1, &rc, kListTextFormat);
    }
    ::GdiFlush();
    int mismatches = 0, ink = 0;
    for (int y = 0; y < text.Height(); ++y) {
        for (int x = 0; x < text.Width(); ++x) {
            mismatches += shot.At(text.left + x, text.top + y) != expected.At(x, y);
            ink += expected.At(x, y) == RGB(0, 0, 0);
        }
    }
    EXPECT_GT(ink, 0);
    EXPECT_EQ(0, mismatches);
    if (mismatches != 0)
        vt::DumpForCurrentTest(shot);

    CRect other = Group(1);
    other.DeflateRect(1, 1);
    int dim = 0;
    for (int y = other.top; y < other.bottom; ++y) {
        for (int x = other.left; x < other.right; ++x)
            dim += shot.At(x, y) == Sys(COLOR_APPWORKSPACE);
    }
    EXPECT_GT(dim, 0);
}

// Arrows drawn by a derived class's hook only; switched off, the cut shows.
class NoArrowBar : public CButtonListBar
{
public:
    using CButtonListBar::DrawScrollBar;
    void DrawScrollBar(HDC) override {}
};

TEST(ListBarPaint, TheButtonAtTheBottomEdgeIsCutAboveTheTrailingArrowBand)
{
    vt::ParkCursor();
    vt::HostWnd host;
    NoArrowBar bar;
    bar.SetVirticalOrHorizontal(kListVertical, FALSE);
    bar.SetBkColor(kBarColour, FALSE);
    const int th = TextHeight();
    const int groups = 3 * (th + kListGroupPadding) + 1;
    const int height = kListImageBox + th + kListButtonExtra;
    // The second button's caption rows fall in the arrow band.
    const int client = groups + 2 * height - 8;
    ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE, CRect(10, 10, 110, 10 + client), &host, kBarId));
    for (const char* group : {"Mail", "Notes", "Tasks"}) {
        for (int i = 0; i < 3; ++i)
            bar.AddButton(group, 0, "Caption", NULL, 0);
    }
    ::RedrawWindow(bar.m_hWnd, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    const vt::Capture shot = vt::Capture::FromWindow(bar.m_hWnd);
    const CRect band(0, client - kListArrowBand, 100, client);
    const CRect sameRowsAbove = band - CPoint(0, height);   // the same rows of the first button
    EXPECT_GT(CountNot(shot, sameRowsAbove, kBarColour), 0);
    EXPECT_EQ(0, CountNot(shot, band, kBarColour));
}

TEST_F(ListBarMouse, ArrowGlyphsPointTheWayTheyScroll)
{
    struct Case { int orientation; CRect rc; int arrow; int dx, dy; };
    const Case cases[] = {
        {kListVertical, kTallBar, kListLeadingArrow, 0, -1},
        {kListVertical, kTallBar, kListTrailingArrow, 0, 1},
        {kListHorizontal, CRect(10, 10, 310, 90), kListLeadingArrow, -1, 0},
        {kListHorizontal, CRect(10, 10, 310, 90), kListTrailingArrow, 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dx * 10 + c.dy);
        if (bar.m_hWnd != NULL)
            bar.DestroyWindow();
        bar.Clear();
        ASSERT_TRUE(Make(c.rc, c.orientation));
        Fill(8);
        Settle();
        // One step in, so that both arrows show.
        bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(ArrowPoint(kListTrailingArrow).x, ArrowPoint(kListTrailingArrow).y));
        const vt::Capture shot = Shot();
        const CPoint centre = ArrowPoint(c.arrow);
        // Ink across the arrow's axis, one row (or column) each side of the centre.
        auto spread = [&](int offset) {
            int n = 0;
            for (int k = -6; k <= 6; ++k) {
                const int x = c.dy != 0 ? centre.x + k : centre.x + offset;
                const int y = c.dy != 0 ? centre.y + offset : centre.y + k;
                n += shot.At(x, y) == RGB(0, 0, 0);
            }
            return n;
        };
        const int dir = c.dx + c.dy;
        EXPECT_GT(spread(dir), 0);
        EXPECT_LT(spread(dir), spread(-dir));   // narrower towards the tip
    }
}

TEST_F(ListBarMouse, RestingOnAButtonOrGroupShowsItsTip)
{
    ASSERT_TRUE(MakeTall(2));
    ASSERT_TRUE(bar.SetGroupToolTip(1, "All notes"));
    bar.EnableToolTips(TRUE);
    struct Row { CPoint at; const char* tip; };
    const Row rows[] = {{Centre(Item(0)), "Item 0"}, {Centre(Group(1)), "All notes"}, {Centre(Group(2)), "Tasks"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.tip);
        MoveTo(row.at);
        MoveTo(row.at + CPoint(1, 1));
        const bool shown = vt::PumpUntil([&] {
            CToolTipCtrl* tip = AfxGetThreadState()->m_pToolTip;
            char text[80] = {};
            if (tip == NULL || !tip->IsWindowVisible())
                return false;
            ::GetWindowTextA(tip->m_hWnd, text, sizeof(text));
            return std::string(text) == row.tip;
        }, 3000);
        EXPECT_TRUE(shown);
    }
    bar.EnableToolTips(FALSE);
}

TEST(ListBarLeaks, CreateFillScrollPaintAndDestroyLeaveNothingBehind)
{
    vt::ParkCursor();
    vt::HostWnd host;
    auto cycle = [&] {
        CButtonListBar bar;
        bar.SetVirticalOrHorizontal(kListVertical, FALSE);
        bar.Create(WS_CHILD | WS_VISIBLE, kTallBar, &host, kBarId);
        for (int i = 0; i < 12; ++i)
            bar.AddButton(i % 2 ? "Odd" : "Even", i, "Caption", "Tip", i);
        bar.SetBkColor(RGB(1, 2, 3), TRUE);
        ::RedrawWindow(bar.m_hWnd, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
        const LPARAM bottom = MAKELPARAM(50, kTallBar.Height() - 5);
        bar.SendMessage(WM_LBUTTONDOWN, 0, bottom);
        bar.SendMessage(WM_LBUTTONUP, 0, bottom);
        bar.SetCurSel(1, TRUE);
        ::RedrawWindow(bar.m_hWnd, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
        bar.DestroyWindow();
    };
    for (int i = 0; i < 3; ++i)
        cycle();
    const int gdi = vt::GdiObjectCount();
    const int windows = vt::ThreadWindowCount();
    for (int i = 0; i < 30; ++i)
        cycle();
    EXPECT_EQ(gdi, vt::GdiObjectCount());
    EXPECT_EQ(windows, vt::ThreadWindowCount());
}

}  // namespace
