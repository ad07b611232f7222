// The split bars: drags by the real mouse, limits, Escape, the halftone block, cursors, Unbind and bad ids.
#include <functional>
#include <memory>

#include "support/harness.h"
#include "panes/VeluPanes.h"

namespace {

const UINT kBarId = 10, kBeforeId = 11, kAfterId = 12, kNoSuchId = 999;

// Plays steps one per timer tick. A tick only comes when no input is waiting,
// so each step's input has been handled, inside the bar's own drag loop when
// one runs, before the next step acts.
class Script
{
public:
    explicit Script(std::vector<std::function<void()>> steps) : m_steps(std::move(steps)) {}
    ~Script() { ::KillTimer(NULL, m_timer); }

    bool Play()
    {
        s_playing = this;
        m_timer = ::SetTimer(NULL, 0, 1, Tick);
        return vt::PumpUntil([this] { return m_next == m_steps.size() && ::GetCapture() == NULL; }, 5000);
    }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        if (s_playing->m_next < s_playing->m_steps.size())
            s_playing->m_steps[s_playing->m_next++]();
    }

    static Script* s_playing;
    std::vector<std::function<void()>> m_steps;
    size_t m_next = 0;
    UINT_PTR m_timer = 0;
};
Script* Script::s_playing = nullptr;

void Send(DWORD mouseFlags)
{
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = mouseFlags;
    ::SendInput(1, &in, sizeof(in));
}

void SendKey(WORD vk, DWORD flags)
{
    INPUT in = {};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.dwFlags = flags;
    ::SendInput(1, &in, sizeof(in));
}

// Either bar, driven through the same calls; "along" is the axis it moves on.
struct AnyBar
{
    bool vertical;
    CVertSplitWnd v;
    CHorzSplitWnd h;

    CWnd& Wnd() { return vertical ? (CWnd&)v : (CWnd&)h; }
    int Bind(CWnd* parent, UINT id) { return vertical ? v.BindWithControl(parent, id) : h.BindWithControl(parent, id); }
    int Create(const CRect& rc, CWnd* parent) { return vertical ? v.Create(WS_CHILD | WS_VISIBLE, rc, parent, kBarId)
                                                                : h.Create(WS_CHILD | WS_VISIBLE, rc, parent, kBarId); }
    void Before(UINT id) { vertical ? v.AttachAsLeftPane(id) : h.AttachAsAbovePane(id); }
    void After(UINT id) { vertical ? v.AttachAsRightPane(id) : h.AttachAsBelowPane(id); }
    void Min(int before, int after) { vertical ? v.SetMinWidth(before, after) : h.SetMinHeight(before, after); }
    void Unbind() { vertical ? v.Unbind() : h.Unbind(); }
};

// A host 320 square laid out along the bar's axis: a pane from 0 to 99, the
// bar from 100 to 104, a pane from 105 to 300, each from 20 to 120 across.
class SplitBar : public ::testing::TestWithParam<bool>
{
protected:
    SplitBar() : host(320, 320, RGB(255, 255, 255))
    {
        // A dialog paints under its children, so the drag block shows over the panes.
        host.ModifyStyle(WS_CLIPCHILDREN, 0);
        bar.vertical = GetParam();
        // Plain statics, as a dialog template makes them: no MFC object is attached to them.
        const struct { HWND* wnd; UINT id; CRect rc; } parts[] = {
            {&before, kBeforeId, Along(0, 99)}, {&after, kAfterId, Along(105, 300)}, {&plain, kBarId, Along(100, 104)}};
        for (const auto& part : parts)
            *part.wnd = ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_GRAYRECT, part.rc.left, part.rc.top,
                                          part.rc.Width(), part.rc.Height(), host.m_hWnd, (HMENU)(UINT_PTR)part.id, NULL, NULL);
        bar.Bind(&host, kBarId);
        bar.Before(kBeforeId);
        bar.After(kAfterId);
        vt::ParkCursor();
        Repaint();
    }
    ~SplitBar() override
    {
        ::ClipCursor(NULL);
        ::ReleaseCapture();
        vt::ParkCursor();
    }

    CRect Along(int from, int to) const { return bar.vertical ? CRect(from, 20, to, 120) : CRect(20, from, 120, to); }
    int Near(HWND wnd) const { const CRect r = RectOf(wnd); return bar.vertical ? r.left : r.top; }
    int Far(HWND wnd) const { const CRect r = RectOf(wnd); return bar.vertical ? r.right : r.bottom; }
    CRect RectOf(HWND wnd) const { CRect r; ::GetWindowRect(wnd, &r); host.ScreenToClient(&r); return r; }
    static void Place(HWND wnd, const CRect& rc) { ::MoveWindow(wnd, rc.left, rc.top, rc.Width(), rc.Height(), TRUE); }
    CPoint Screen(int along) const { return host.ToScreen(bar.vertical ? CPoint(along, m_across) : CPoint(m_across, along)); }
    void Repaint()
    {
        host.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        vt::PumpPending();
    }

    // Press on the bar at 102, move through the given places, end as end() does, then move
    // once more and release.
    bool Drag(std::vector<int> places, std::function<void()> end = [] { Send(MOUSEEVENTF_LEFTUP); },
              std::function<void()> during = nullptr)
    {
        host.ClearReceived();
        // Presses alternate between two places far apart, so that no two make a double click.
        m_across = m_across == 40 ? 100 : 40;
        std::vector<std::function<void()>> steps = {[this] { const CPoint p = Screen(102); ::SetCursorPos(p.x, p.y); },
                                                    [] { Send(MOUSEEVENTF_LEFTDOWN); }};
        for (int place : places)
            steps.push_back([this, place] { const CPoint p = Screen(place); ::SetCursorPos(p.x, p.y); });
        if (during)
            steps.push_back(during);
        steps.push_back(end);
        // A drag that really ended ignores this last move.
        steps.push_back([this] { const CPoint p = Screen(250); ::SetCursorPos(p.x, p.y); });
        steps.push_back([] { Send(MOUSEEVENTF_LEFTUP); });
        return Script(steps).Play();
    }
    std::vector<WPARAM> Notices() const
    {
        std::vector<WPARAM> moved;
        for (const auto& m : host.received())
            if (m.message == kSplitBarMoved && m.lParam == (LPARAM)kBarId)
                moved.push_back(m.wParam);
        return moved;
    }

    int m_across = 70;
    vt::HostWnd host;
    HWND before = NULL, after = NULL, plain = NULL;
    AnyBar bar;
};

TEST_P(SplitBar, DragMovesTheBarWithinItsLimitsFitsThePanesAndTellsTheParentOnce)
{
    const struct {
        const char* name;
        std::vector<int> places;
        std::function<void()> end;
        int barAt;
    } rows[] = {
        {"50 further", {130, 152}, [] { Send(MOUSEEVENTF_LEFTUP); }, 150},
        {"stops where the near pane keeps its minimum", {60, -200}, [] { Send(MOUSEEVENTF_LEFTUP); }, 10},
        {"stops where the far pane keeps its minimum", {400}, [] { Send(MOUSEEVENTF_LEFTUP); }, 286},
        {"Escape keeps the new place", {142}, [] { SendKey(VK_ESCAPE, 0); SendKey(VK_ESCAPE, KEYEVENTF_KEYUP); }, 140},
        {"the right button ends it too", {72}, [] { Send(MOUSEEVENTF_RIGHTDOWN); Send(MOUSEEVENTF_RIGHTUP); }, 70},
        {"back where it started: nothing moves", {130, 102}, [] { Send(MOUSEEVENTF_LEFTUP); }, 100},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const int from = Near(bar.Wnd().m_hWnd);
        ASSERT_TRUE(Drag(row.places, row.end));
        EXPECT_EQ(row.barAt, Near(bar.Wnd().m_hWnd));
        EXPECT_EQ(4, Far(bar.Wnd().m_hWnd) - Near(bar.Wnd().m_hWnd));
        EXPECT_EQ(row.barAt == from ? 99 : row.barAt - 1, Far(before));
        EXPECT_EQ(row.barAt == from ? 105 : row.barAt + 5, Near(after));
        EXPECT_EQ(0, Near(before));
        EXPECT_EQ(300, Far(after));
        const std::vector<WPARAM> expected = row.barAt == from ? std::vector<WPARAM>()
                                                               : std::vector<WPARAM>{(WPARAM)(INT_PTR)(row.barAt - from)};
        EXPECT_EQ(expected, Notices());
        // Put everything back for the next row.
        Place(before, Along(0, 99));
        Place(after, Along(105, 300));
        Place(plain, Along(100, 104));
    }
}

TEST_P(SplitBar, MinimumsLeavingNoRoomStartNoDrag)
{
    bar.Min(150, 150);
    CRect freeClip;
    ::GetClipCursor(&freeClip);
    bool confined = false;
    ASSERT_TRUE(Drag({160}, [] { Send(MOUSEEVENTF_LEFTUP); }, [&] {
        CRect clip;
        ::GetClipCursor(&clip);
        confined = clip != freeClip || ::GetCapture() != NULL;
    }));
    EXPECT_FALSE(confined);
    EXPECT_EQ(100, Near(bar.Wnd().m_hWnd));
    EXPECT_TRUE(Notices().empty());
}

TEST_P(SplitBar, WhileDraggingAHalftoneBlockFollowsTheMouse)
{
    const vt::Capture still = vt::Capture::FromWindow(host.m_hWnd);
    int inverted = 0, kept = 0, other = 0, strayAtStart = 0;
    ASSERT_TRUE(Drag({150}, [] { Send(MOUSEEVENTF_LEFTUP); }, [&] {
        const vt::Capture shot = vt::Capture::FromWindow(host.m_hWnd);
        const CRect block = Along(148, 152), start = Along(100, 104);
        for (int y = block.top; y < block.bottom; ++y)
            for (int x = block.left; x < block.right; ++x) {
                const COLORREF was = still.At(x, y), now = shot.At(x, y);
                inverted += now == (was ^ 0xFFFFFF);
                kept += now == was;
                other += now != was && now != (was ^ 0xFFFFFF);
            }
        for (int y = start.top; y < start.bottom; ++y)
            for (int x = start.left; x < start.right; ++x)
                strayAtStart += shot.At(x, y) != still.At(x, y);
    }));
    // Every other pixel of the block is inverted, as a halftone pattern does.
    EXPECT_EQ(400 / 2, inverted);
    EXPECT_EQ(400 / 2, kept);
    EXPECT_EQ(0, other);
    EXPECT_EQ(0, strayAtStart) << "the block left its first place";
    EXPECT_EQ(148, Near(bar.Wnd().m_hWnd));
}

TEST_P(SplitBar, HoverShowsTheSplitCursor)
{
    const HCURSOR split = ::LoadCursorA(g_hVeluInstance, bar.vertical ? VELU_CUR_VSPLIT : VELU_CUR_HSPLIT);
    ASSERT_NE(nullptr, split);
    vt::MoveCursor(Screen(102));
    EXPECT_TRUE(vt::PumpUntil([&] { return ::GetCursor() == split; }));
    vt::MoveCursor(Screen(60));
    EXPECT_TRUE(vt::PumpUntil([&] { return ::GetCursor() != split; }));
}

TEST_P(SplitBar, UnbindGivesTheControlItsOwnProcedureAndForgetsThePanes)
{
    bar.Unbind();
    const LONG_PTR own = ::GetWindowLongPtrA(plain, GWLP_WNDPROC);
    EXPECT_EQ(nullptr, bar.Wnd().m_hWnd);
    EXPECT_EQ(1, bar.Bind(&host, kBarId));
    EXPECT_NE(own, ::GetWindowLongPtrA(plain, GWLP_WNDPROC));
    bar.Unbind();
    EXPECT_EQ(own, ::GetWindowLongPtrA(plain, GWLP_WNDPROC));

    // Bound again without panes, a drag moves the bar alone.
    ASSERT_EQ(1, bar.Bind(&host, kBarId));
    ASSERT_TRUE(Drag({132}));
    EXPECT_EQ(130, Near(bar.Wnd().m_hWnd));
    EXPECT_EQ(99, Far(before));
    EXPECT_EQ(105, Near(after));
}

TEST_P(SplitBar, IdsNamingNoChildAndPanesGoneWhileBoundAreSkipped)
{
    AnyBar other;
    other.vertical = bar.vertical;
    EXPECT_EQ(0, other.Bind(NULL, kBarId));
    EXPECT_EQ(0, other.Bind(&host, kNoSuchId));
    bar.Before(kNoSuchId);
    bar.After(kNoSuchId);
    ::DestroyWindow(before);
    ASSERT_TRUE(Drag({122}));
    EXPECT_EQ(120, Near(bar.Wnd().m_hWnd));
    EXPECT_EQ(125, Near(after));
}

TEST_P(SplitBar, ACreatedBarDragsAsABoundOne)
{
    bar.Unbind();
    ::DestroyWindow(plain);
    AnyBar made;
    made.vertical = bar.vertical;
    ASSERT_TRUE(made.Create(Along(100, 104), &host));
    made.Before(kBeforeId);
    made.After(kAfterId);
    ASSERT_TRUE(Drag({162}));
    EXPECT_EQ(160, Near(made.Wnd().m_hWnd));
    EXPECT_EQ(159, Far(before));
    EXPECT_EQ(165, Near(after));
}

TEST_P(SplitBar, ManyDragsLeaveNoGdiObjectOrWindowBehind)
{
    ASSERT_TRUE(Drag({120}));
    const int gdi = vt::GdiObjectCount(), windows = vt::ThreadWindowCount();
    for (int i = 0; i < 10; ++i) {
        ASSERT_TRUE(Drag({140}));
        ASSERT_TRUE(Drag({100}));
    }
    EXPECT_EQ(gdi, vt::GdiObjectCount());
    EXPECT_EQ(windows, vt::ThreadWindowCount());
}

INSTANTIATE_TEST_SUITE_P(BothAxes, SplitBar, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) { return info.param ? "Vertical" : "Horizontal"; });

} // namespace
