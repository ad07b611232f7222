// The split bars: drags by the real mouse, limits, Escape, the halftone block, cursors, Unbind and bad ids.
#include <functional>

#include "support/harness.h"
#include "panes/VeluPanes.h"

namespace {

const UINT kBarId = 10, kBeforeId = 11, kAfterId = 12, kNoSuchId = 999;
typedef std::function<void()> Step;

// Steps played one per timer tick. A tick only comes when no input is waiting, so each step's
// input has been handled, inside the bar's own drag loop while one runs, before the next acts.
std::vector<Step> g_steps;
size_t g_next = 0;

void CALLBACK PlayNext(HWND, UINT, UINT_PTR, DWORD)
{
    if (g_next < g_steps.size())
        g_steps[g_next++]();
}

bool Play(std::vector<Step> steps)
{
    g_steps = std::move(steps);
    g_next = 0;
    const UINT_PTR timer = ::SetTimer(NULL, 0, 1, PlayNext);
    const bool done = vt::PumpUntil([] { return g_next == g_steps.size() && ::GetCapture() == NULL; }, 5000);
    ::KillTimer(NULL, timer);
    return done;
}

// Queued as real input, without pumping: the bar's drag loop takes it.
const Step kRelease = [] { ::mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0); };
const Step kRightClick = [] {
    ::mouse_event(MOUSEEVENTF_RIGHTDOWN, 0, 0, 0, 0);
    ::mouse_event(MOUSEEVENTF_RIGHTUP, 0, 0, 0, 0);
};
const Step kEscape = [] {
    ::keybd_event(VK_ESCAPE, 0, 0, 0);
    ::keybd_event(VK_ESCAPE, 0, KEYEVENTF_KEYUP, 0);
};

// Either bar through the same calls; "along" is the axis it moves on.
struct AnyBar
{
    bool vertical = true;
    CVertSplitWnd v;
    CHorzSplitWnd h;

    CWnd& Wnd() { return vertical ? (CWnd&)v : (CWnd&)h; }
    int Bind(CWnd* parent, UINT id) { return vertical ? v.BindWithControl(parent, id) : h.BindWithControl(parent, id); }
    void Panes() { vertical ? (v.AttachAsLeftPane(kBeforeId), v.AttachAsRightPane(kAfterId))
                            : (h.AttachAsAbovePane(kBeforeId), h.AttachAsBelowPane(kAfterId)); }
    void Unbind() { vertical ? v.Unbind() : h.Unbind(); }
};

// A host 320 square laid out along the bar's axis: a pane from 0 to 99, the bar (a plain
// static, as a dialog template makes it) from 100 to 104, a pane from 105 to 300.
class SplitBar : public ::testing::TestWithParam<bool>
{
protected:
    SplitBar() : host(320, 320)
    {
        // A dialog paints under its children, so the drag block shows over the panes.
        host.ModifyStyle(WS_CLIPCHILDREN, 0);
        bar.vertical = GetParam();
        const struct { HWND* wnd; UINT id; CRect rc; } parts[] = {
            {&before, kBeforeId, Along(0, 99)}, {&after, kAfterId, Along(105, 300)}, {&plain, kBarId, Along(100, 104)}};
        for (const auto& p : parts)
            *p.wnd = ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_GRAYRECT, p.rc.left, p.rc.top, p.rc.Width(),
                                       p.rc.Height(), host.m_hWnd, (HMENU)(UINT_PTR)p.id, NULL, NULL);
        bar.Bind(&host, kBarId);
        bar.Panes();
        vt::ParkCursor();
        host.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        vt::PumpPending();
    }
    ~SplitBar() override { ::ClipCursor(NULL); vt::ParkCursor(); }

    CRect Along(int from, int to) const { return bar.vertical ? CRect(from, 20, to, 120) : CRect(20, from, 120, to); }
    CRect RectOf(HWND wnd) const { CRect r; ::GetWindowRect(wnd, &r); host.ScreenToClient(&r); return r; }
    int Near(HWND wnd) const { return bar.vertical ? RectOf(wnd).left : RectOf(wnd).top; }
    int Far(HWND wnd) const { return bar.vertical ? RectOf(wnd).right : RectOf(wnd).bottom; }
    // The bar's near edge, the near pane's far edge and the far pane's near edge.
    std::vector<int> Edges() const { return {Near(plain), Far(before), Near(after)}; }
    Step MoveTo(int along) const
    {
        return [this, along] { const CPoint p = host.ToScreen(bar.vertical ? CPoint(along, m_across) : CPoint(m_across, along));
                               ::SetCursorPos(p.x, p.y); };
    }

    // Presses on the bar at from, moves through places, ends as end does, moves once more
    // (a drag that really ended ignores it) and releases.
    bool Drag(std::vector<int> places, Step end = kRelease, Step during = nullptr, int from = 102)
    {
        host.ClearReceived();
        // Presses alternate between two places far apart, so that no two make a double click.
        m_across = m_across == 40 ? 100 : 40;
        std::vector<Step> steps = {MoveTo(from), [] { ::mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0); }};
        for (int place : places)
            steps.push_back(MoveTo(place));
        if (during)
            steps.push_back(during);
        steps.insert(steps.end(), {end, MoveTo(250), kRelease});
        return Play(steps);
    }
    std::vector<WPARAM> Notices() const
    {
        std::vector<WPARAM> moved;
        for (const auto& m : host.received())
            if (m.message == kSplitBarMoved && m.lParam == (LPARAM)kBarId)
                moved.push_back(m.wParam);
        return moved;
    }

    int m_across = 40;
    vt::HostWnd host;
    HWND before = NULL, after = NULL, plain = NULL;
    AnyBar bar;
};

TEST_P(SplitBar, DragMovesTheBarWithinItsLimitsFitsThePanesAndTellsTheParentOnce)
{
    const struct { const char* name; std::vector<int> places; Step end; int barAt; int minimum; } rows[] = {
        {"50 further", {130, 152}, kRelease, 150, 10},
        {"stops where the near pane keeps its minimum", {60, -200}, kRelease, 10, 10},
        {"stops where the far pane keeps its minimum", {400}, kRelease, 286, 10},
        {"Escape keeps the new place", {142}, kEscape, 140, 10},
        {"the right button ends it too", {72}, kRightClick, 70, 10},
        {"back where it started: nothing moves", {130, 102}, kRelease, 100, 10},
        {"minimums leaving no room: no drag starts", {160}, kRelease, 100, 150},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        bar.vertical ? bar.v.SetMinWidth(row.minimum, row.minimum) : bar.h.SetMinHeight(row.minimum, row.minimum);
        bool captured = false;
        ASSERT_TRUE(Drag(row.places, row.end, [&] { captured = ::GetCapture() == bar.Wnd().m_hWnd; }));
        EXPECT_EQ(row.minimum < 150, captured);
        const bool moved = row.barAt != 100;
        EXPECT_EQ(Along(row.barAt, row.barAt + 4), RectOf(plain));
        EXPECT_EQ(Along(0, moved ? row.barAt - 1 : 99), RectOf(before));
        EXPECT_EQ(Along(moved ? row.barAt + 5 : 105, 300), RectOf(after));
        EXPECT_EQ(moved ? std::vector<WPARAM>{(WPARAM)(INT_PTR)(row.barAt - 100)} : std::vector<WPARAM>(), Notices());
        for (const auto& place : {std::make_pair(before, Along(0, 99)), std::make_pair(after, Along(105, 300)),
                                  std::make_pair(plain, Along(100, 104))})
            ::MoveWindow(place.first, place.second.left, place.second.top, place.second.Width(), place.second.Height(), TRUE);
    }
}

TEST_P(SplitBar, WhileDraggingAHalftoneBlockFollowsTheMouse)
{
    const vt::Capture still = vt::Capture::FromWindow(host.m_hWnd);
    int inverted = 0, kept = 0, strayElsewhere = 0;
    ASSERT_TRUE(Drag({150}, kRelease, [&] {
        const vt::Capture shot = vt::Capture::FromWindow(host.m_hWnd);
        const CRect block = Along(148, 152);
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x) {
                const COLORREF was = still.At(x, y), now = shot.At(x, y);
                const bool inBlock = block.PtInRect(CPoint(x, y)) != FALSE;
                inverted += inBlock && now == (was ^ 0xFFFFFF);
                kept += inBlock && now == was;
                strayElsewhere += !inBlock && now != was;
            }
    }));
    // Every other pixel of the block is inverted, as a halftone pattern does; nothing else changes.
    EXPECT_EQ(400 / 2, inverted);
    EXPECT_EQ(400 / 2, kept);
    EXPECT_EQ(0, strayElsewhere);
    EXPECT_EQ(148, Near(plain));
}

TEST_P(SplitBar, HoverShowsTheSplitCursorAndUnbindGivesTheControlItsOwnProcedureAndForgetsThePanes)
{
    const HCURSOR split = ::LoadCursorA(g_hVeluInstance, bar.vertical ? VELU_CUR_VSPLIT : VELU_CUR_HSPLIT);
    ASSERT_NE(nullptr, split);
    for (int at : {102, 60}) {
        MoveTo(at)();
        EXPECT_TRUE(vt::PumpUntil([&] { return (::GetCursor() == split) == (at == 102); })) << at;
    }
    bar.Unbind();
    EXPECT_EQ(nullptr, bar.Wnd().m_hWnd);
    EXPECT_EQ(::GetClassLongPtrA(plain, GCLP_WNDPROC), ::GetWindowLongPtrA(plain, GWLP_WNDPROC)) << "still subclassed";
    // Bound again without panes, a drag moves the bar alone.
    ASSERT_EQ(1, bar.Bind(&host, kBarId));
    ASSERT_TRUE(Drag({132}));
    EXPECT_EQ((std::vector<int>{130, 99, 105}), Edges());
}

TEST_P(SplitBar, ACreatedBarDragsAsABoundOneAndBadIdsAreSkipped)
{
    AnyBar made;
    made.vertical = bar.vertical;
    EXPECT_EQ(0, made.Bind(NULL, kBarId));
    EXPECT_EQ(0, made.Bind(&host, kNoSuchId));
    bar.Unbind();
    ::DestroyWindow(plain);
    const DWORD style = WS_CHILD | WS_VISIBLE;
    ASSERT_TRUE(made.vertical ? made.v.Create(style, Along(100, 104), &host, kBarId) : made.h.Create(style, Along(100, 104), &host, kBarId));
    plain = made.Wnd().m_hWnd;
    made.Panes();
    ASSERT_TRUE(Drag({162}));
    EXPECT_EQ((std::vector<int>{160, 159, 165}), Edges());
    // An id that names no child and a pane destroyed while bound are passed over.
    made.vertical ? made.v.AttachAsLeftPane(kNoSuchId) : made.h.AttachAsAbovePane(kNoSuchId);
    ::DestroyWindow(before);
    ASSERT_TRUE(Drag({122}, kRelease, nullptr, 162));
    EXPECT_EQ(120, Near(plain));
    EXPECT_EQ(125, Near(after));
}

TEST_P(SplitBar, ManyDragsLeaveNoGdiObjectOrWindowBehind)
{
    // Each drag starts on the bar where the previous one left it, so that every cycle really drags.
    EXPECT_TRUE(vt::LeavesNothingBehind([&] {
        const int at = Near(plain);
        EXPECT_TRUE(Drag({at < 120 ? 140 : 100}, kRelease, nullptr, at + 2));
        EXPECT_NE(at, Near(plain)) << "the bar did not move";
    }, 20));
}

INSTANTIATE_TEST_SUITE_P(BothAxes, SplitBar, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) { return info.param ? "Vertical" : "Horizontal"; });

} // namespace
