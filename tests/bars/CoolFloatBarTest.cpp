// Floating bar in a real frame: the edge drag, caption bands and buttons per
// side, the buttons' press-and-release rules, toggling, the floating sizes.
#include "BarFixture.h"

using namespace bartest;

namespace {

const COLORREF kBack = RGB(223, 232, 244), kEdge = RGB(175, 192, 216);
const COLORREF kGlyph = RGB(194, 208, 239), kHotGlyph = RGB(192, 192, 192);

class FloatBar : public ::testing::Test
{
protected:
    // Added as an application's OnCreate adds it, docked at the left.
    void SetUp() override
    {
        ASSERT_TRUE(frame.get() != NULL && bar.Create(frame.get(), 0xE900, _T("Workspace"), CSize(0, 0)));
        bar.SetBarStyle(bar.GetBarStyle() | CBRS_SIZE_DYNAMIC);
        bar.EnableDocking(CBRS_ALIGN_ANY);
        frame->Dock(bar, AFX_IDW_DOCKBAR_LEFT);
    }
    void TearDown() override { vt::ParkCursor(); }

    CRect Client() { CRect rc; bar.GetClientRect(&rc); return rc; }
    CRect Work() { CRect rc; bar.GetWorkingRect(&rc); return rc; }
    CRect Button(int code) { CRect rc[2]; bar.GetDockedButtonsRect(&rc[0], &rc[1]); return rc[code == 'C']; }
    // In the caption band, away from the buttons and the edges.
    CPoint Band() { return OnScreen(bar, CPoint(20, 11)); }
    vt::Capture Shot() { return vt::Capture::FromWindow(bar.m_hWnd); }
    // The caption of the floating frame the bar is in.
    CPoint FloatingCaption()
    {
        const CRect rc = WindowRectOf(*bar.GetDockingFrame());
        return CPoint(rc.left + 20, OnScreen(*bar.GetDockingFrame(), CPoint(0, 0)).y - ::GetSystemMetrics(SM_CYSMCAPTION) / 2);
    }

    // The presses are queued before anything is pumped: a press that starts
    // a drag runs the drag's own loop until the release arrives. Ctrl keeps a
    // floating bar where it is.
    static void DoubleClick(CPoint screen, bool ctrl = false)
    {
        vt::MoveCursor(screen);
        if (ctrl)
            vt::KeyDown(VK_CONTROL);
        for (DWORD flags : {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP}) {
            INPUT in = {INPUT_MOUSE};
            in.mi.dwFlags = flags;
            ::SendInput(1, &in, sizeof(in));
        }
        vt::PumpPending();
        if (ctrl)
            vt::KeyUp(VK_CONTROL);
    }

    FrameHolder frame{StandardIds()};
    CCoolFloatBar bar;
};

// Of rows y0.. of column x, those the halftone tracker inverted (every other one).
int Inverted(const vt::Capture& before, const vt::Capture& after, int x, int y0)
{
    int inverted = 0;
    for (int y = y0; y < y0 + 4; y++)
        inverted += after.At(x, y) == (before.At(x, y) ^ 0xFFFFFF);
    return inverted;
}

TEST_F(FloatBar, DraggingTheInnerEdgeResizesUnlessTheCaptureIsTaken)
{
    struct Case { const char* name; int dx; bool steal; int width; };
    const Case cases[] = {
        {"capture taken during the drag", 50, true, 300},
        {"50 to the right", 50, false, 350},
        {"to the frame's left edge: the minimum", -1000, false, 16},
    };
    const LONG frameLeft = OnScreen(*frame.get(), CPoint(0, 0)).x;   // of its client
    int y = Client().Height() / 2;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // Pressed in a new place each time, so that no two presses make a double-click.
        const CPoint edge = OnScreen(bar, CPoint(Client().right - 3, y += 20));
        const CPoint to(std::max(edge.x + c.dx, frameLeft + 2), edge.y);
        const CPoint at = to - WindowRectOf(*frame.get()).TopLeft();
        const vt::Capture before = vt::Capture::FromWindow(frame->m_hWnd, true);
        vt::MoveCursor(edge);
        vt::MouseDown();
        vt::MoveCursor(to);
        // A 4-pixel bar (the strip less 1 on each side) follows the mouse.
        const vt::Capture during = vt::Capture::FromWindow(frame->m_hWnd, true);
        EXPECT_EQ(Inverted(before, during, at.x + 1, at.y), 2);
        EXPECT_EQ(Inverted(before, during, at.x - 3, at.y), 0);
        if (c.steal) {
            vt::HostWnd other(40, 40);
            other.SetCapture();
            vt::PumpPending();
            EXPECT_EQ(Inverted(before, vt::Capture::FromWindow(frame->m_hWnd, true), at.x + 1, at.y), 0);
            ::ReleaseCapture();
        }
        vt::MouseUp();
        EXPECT_EQ(::GetCapture(), (HWND)NULL);
        EXPECT_EQ(WindowRectOf(bar).Width(), c.width);
    }
}

TEST_F(FloatBar, CaptionBandButtonsAndSizingEdgeFollowTheSide)
{
    struct Side { UINT nDockBar; bool horz; CPoint edge; LPCTSTR cursor; };   // edge: fraction of client
    const Side sides[] = {
        {AFX_IDW_DOCKBAR_TOP, true, CPoint(1, 2), IDC_SIZENS}, {AFX_IDW_DOCKBAR_BOTTOM, true, CPoint(1, 0), IDC_SIZENS},
        {AFX_IDW_DOCKBAR_LEFT, false, CPoint(2, 1), IDC_SIZEWE}, {AFX_IDW_DOCKBAR_RIGHT, false, CPoint(0, 1), IDC_SIZEWE},
    };
    for (const Side& side : sides) {
        SCOPED_TRACE(side.nDockBar);
        frame->Dock(bar, side.nDockBar);
        EXPECT_EQ(bar.GetDockBarID(), side.nDockBar);
        EXPECT_EQ(bar.IsHorzDocked() - bar.IsVertDocked(), side.horz ? 1 : -1);
        EXPECT_EQ(side.horz ? WindowRectOf(bar).Height() : WindowRectOf(bar).Width(), 300);
        const CRect c = Client(), w = Work();
        EXPECT_EQ(w, CRect(c.left + (side.horz ? 22 : 6), c.top + (side.horz ? 6 : 22), c.right - 6, c.bottom - 6));

        // Close first from the band's start, then float; either alone takes the first place.
        struct Flags { BOOL floatable, canClose; int closeAt, floatAt; };
        const Flags flags[] = {{FALSE, FALSE, 0, 0}, {TRUE, FALSE, 0, 12}, {FALSE, TRUE, 12, 0}, {TRUE, TRUE, 12, 36}};
        for (const Flags& f : flags) {
            bar.SetFloatable(f.floatable);
            bar.CanCloseBar(f.canClose);
            for (int code : {'C', 'F'}) {
                const int at = code == 'C' ? f.closeAt : f.floatAt;
                const CRect expected = at == 0 ? CRect(0, 0, 0, 0)
                                     : side.horz ? CRect(c.left + 4, c.top + at, w.left - 4, c.top + at + 20)
                                                 : CRect(c.right - at - 20, c.top + 4, c.right - at, w.top - 4);
                EXPECT_EQ(Button(code), expected) << char(code) << f.floatable << f.canClose;
            }
        }

        // The cross through the close button's centre, the float glyph's base
        // row d below it; the outline round the working area; edge lines along
        // the dock bar; the title only beside a side of the frame.
        bar.RedrawWindow();
        const vt::Capture shot = Shot();
        const CPoint close = Button('C').CenterPoint(), flt = Button('F').CenterPoint();
        EXPECT_PIXEL(shot, close.x, close.y, kGlyph);
        EXPECT_PIXEL(shot, flt.x, flt.y + (flt.y - Button('F').top - 4), kGlyph);
        EXPECT_PIXEL(shot, w.left - 1, w.CenterPoint().y, kEdge);
        EXPECT_PIXEL(shot, w.CenterPoint().x, w.bottom, kEdge);
        EXPECT_PIXEL(shot, side.horz ? c.Width() / 2 : 0, side.horz ? 0 : c.Height() / 2, kEdge);
        EXPECT_PIXEL(shot, side.horz ? c.Width() / 2 : c.right - 1, side.horz ? c.bottom - 1 : c.Height() / 2, kEdge);
        EXPECT_EQ(vt::CountColour(shot, CRect(6, 1, 60, w.top - 1), kFloatBarTitleColor) > 0, !side.horz);

        // Only the inner edge sizes the bar.
        const CPoint edge(side.edge.x * (c.right - 3) / 2 + (side.edge.x == 0) * 2,
                          side.edge.y * (c.bottom - 3) / 2 + (side.edge.y == 0) * 2);
        vt::MoveCursor(OnScreen(bar, edge));
        EXPECT_EQ(::GetCursor(), ::LoadCursor(NULL, side.cursor));
        vt::MoveCursor(OnScreen(bar, CPoint(c.right, c.bottom) - edge - CSize(1, 1)));
        EXPECT_EQ(::GetCursor(), ::LoadCursor(NULL, IDC_ARROW));
    }
}

TEST_F(FloatBar, ButtonsLightUnderTheMouseAndActOnlyWhenReleasedOnThemselves)
{
    struct Case { const char* name; int code; bool releaseOn; bool floating; bool visible; };
    const Case cases[] = {
        {"close, released elsewhere", 'C', false, false, true},
        {"float, released elsewhere", 'F', false, false, true},
        {"float, released on it", 'F', true, true, true},
        {"close, released on it: hidden", 'C', true, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        frame->Dock(bar, AFX_IDW_DOCKBAR_LEFT);
        const CRect button = Button(c.code);
        const CPoint mid = button.CenterPoint();
        vt::MoveCursor(Band());
        vt::MoveCursor(OnScreen(bar, mid));
        EXPECT_PIXEL(Shot(), mid.x, mid.y, kHotGlyph);
        EXPECT_PIXEL(Shot(), button.left, button.top + 5, kEdge);
        vt::MouseDown();
        if (!c.releaseOn) {
            vt::MoveCursor(Band());
            EXPECT_PIXEL(Shot(), mid.x, mid.y, kGlyph);
            EXPECT_PIXEL(Shot(), button.left, button.top + 5, kBack);
        }
        vt::MouseUp();
        EXPECT_EQ(bar.IsFloating(), c.floating);
        EXPECT_EQ(bar.IsWindowVisible() != FALSE, c.visible);
        EXPECT_EQ(bar.GetDockingFrame()->IsWindowVisible() != FALSE, c.visible);
    }
}

TEST_F(FloatBar, DoubleClicksToggleFromWhereTheBarIsNowAndFloatingNothingIsHotOrSizable)
{
    // Not floatable, a double-click leaves the bar docked.
    bar.SetFloatable(FALSE);
    DoubleClick(Band());
    EXPECT_FALSE(bar.IsFloating());
    bar.SetFloatable(TRUE);
    // Floated for the first time where it is docked, by its caption band;
    // docked back by the floating frame's caption, or with Ctrl held by the
    // bar itself; twice. (Dragged out and back: the demo's Folders bar.)
    enum Where { kBand, kFloatingCaption, kBarWithCtrl };
    const Where steps[] = {kBand, kFloatingCaption, kBand, kBarWithCtrl};
    const CRect docked = WindowRectOf(bar);
    for (int n = 0; n < 4; n++) {
        SCOPED_TRACE(n);
        // Apart from the previous press, so that no two presses make a double-click.
        const CSize apart(10 * (n + 1), 0);
        const bool floats = steps[n] == kBand;
        if (steps[n] == kBarWithCtrl)
            DoubleClick(OnScreen(bar, Client().CenterPoint()) + apart, true);
        else
            DoubleClick((floats ? Band() : FloatingCaption()) + apart);
        EXPECT_EQ(::GetCapture(), (HWND)NULL);
        EXPECT_EQ(bar.IsFloating() != FALSE, floats);
        EXPECT_EQ(bar.GetDockBarID(), floats ? (UINT)AFX_IDW_DOCKBAR_FLOAT : (UINT)AFX_IDW_DOCKBAR_LEFT);
        if (!floats) {
            EXPECT_EQ(WindowRectOf(bar), docked);
            continue;
        }
        // Floating: no band, no buttons, and no edge sizes the bar.
        EXPECT_TRUE(bar.GetDockingFrame()->IsWindowVisible());
        EXPECT_TRUE(Button('F').IsRectEmpty() && Button('C').IsRectEmpty());
        EXPECT_EQ(Work(), Client());
        vt::MoveCursor(OnScreen(bar, CPoint(Client().right - 3, Client().bottom / 2)));
        EXPECT_EQ(::GetCursor(), ::LoadCursor(NULL, IDC_ARROW));
    }
}

TEST_F(FloatBar, FloatingSizesKeepTheirMinimums)
{
    bar.SetMinWidthHeight(10, 40);   // 10 is below the floor and ignored
    struct Case { int length; DWORD mode; CSize size; };
    const Case cases[] = {
        {0, LM_MRUWIDTH, CSize(300, 300)}, {5, 0, CSize(16, 300)},   // asking keeps nothing
        {5, LM_LENGTHY, CSize(300, 40)}, {250, LM_LENGTHY, CSize(300, 250)},
        {180, LM_COMMIT, CSize(180, 250)}, {0, LM_MRUWIDTH, CSize(180, 250)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(bar.CalcDynamicLayout(c.length, c.mode), c.size) << c.length << " " << c.mode;
    const CRect top = WindowRectOf(*frame->GetControlBar(AFX_IDW_DOCKBAR_TOP));
    EXPECT_EQ(bar.CalcFixedLayout(FALSE, TRUE), CSize(top.Width(), 300));
    EXPECT_EQ(bar.CalcFixedLayout(TRUE, FALSE), CSize(300, 32767));
}

}  // namespace
