// Floating bar in a real frame: the edge drag, caption bands and buttons per
// side, the buttons' press-and-release rules, toggling, the floating sizes.
#include "CoolBarsFrame.h"

namespace {

const COLORREF kBack = RGB(223, 232, 244), kEdge = RGB(175, 192, 216);
const COLORREF kGlyph = RGB(194, 208, 239), kHotGlyph = RGB(192, 192, 192);

class FloatBar : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(frame.get() != NULL); }
    void TearDown() override { vt::ParkCursor(); }

    CCoolFloatBar& bar() { return frame->m_wndFloatBar; }
    CRect Client() { CRect rc; bar().GetClientRect(&rc); return rc; }
    CRect Work() { CRect rc; bar().GetWorkingRect(&rc); return rc; }
    CRect Button(int code)
    {
        CRect rcFloat, rcClose;
        bar().GetDockedButtonsRect(&rcFloat, &rcClose);
        return code == 'F' ? rcFloat : rcClose;
    }
    CPoint Screen(CPoint client) { return OnScreen(&bar(), client); }
    vt::Capture Shot() { return vt::Capture::FromWindow(bar().m_hWnd); }
    int Width() { return WindowRectOf(&bar()).Width(); }

    CoolBarsFrameHolder frame;
};

// A pixel of the halftone tracker is the screen's pixel inverted or left as it was, alternately.
int InvertedAmong(const vt::Capture& before, const vt::Capture& during, int x, int y0, int rows)
{
    int inverted = 0;
    for (int y = y0; y < y0 + rows; y++)
        inverted += during.At(x, y) == (before.At(x, y) ^ 0xFFFFFF);
    return inverted;
}

TEST_F(FloatBar, DraggingTheInnerEdgeResizesUnlessTheCaptureIsTaken)
{
    struct Case { const char* name; int dx; bool steal; int width; };
    const Case cases[] = {
        {"50 to the right", 50, false, 350},
        {"to 2 px from the left stops at the minimum", -295, false, 16},
        {"capture taken during the drag", 50, true, 300},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CoolBarsFrameHolder fresh;
        CCoolFloatBar& b = fresh->m_wndFloatBar;
        ASSERT_EQ(WindowRectOf(&b).Width(), 300);
        CRect rc;
        b.GetClientRect(&rc);
        const CPoint edge = OnScreen(&b, CPoint(rc.right - 3, rc.Height() / 2));
        const CRect frameWnd = WindowRectOf(fresh.get());
        const vt::Capture before = vt::Capture::FromWindow(fresh->m_hWnd, true);

        vt::MoveCursor(edge);
        EXPECT_EQ(::GetCursor(), ::LoadCursor(NULL, IDC_SIZEWE));
        vt::MouseDown();
        EXPECT_EQ(::GetCapture(), b.m_hWnd);
        const CPoint to(edge.x + c.dx, edge.y);
        vt::MoveCursor(to);
        // The drag bar follows the mouse: 6 pixels wide, 1 in from the strip, inverted halftone.
        const vt::Capture during = vt::Capture::FromWindow(fresh->m_hWnd, true);
        const int x = to.x - frameWnd.left, y = edge.y - frameWnd.top;
        EXPECT_EQ(InvertedAmong(before, during, x, y, 4), 2);
        EXPECT_EQ(InvertedAmong(before, during, x - 4, y, 4), 0);
        if (c.steal) {
            vt::HostWnd other(40, 40);
            other.SetCapture();
            vt::PumpPending();
            EXPECT_EQ(InvertedAmong(before, vt::Capture::FromWindow(fresh->m_hWnd, true), x, y, 4), 0);
            vt::MouseUp();
            ::ReleaseCapture();
        } else {
            vt::MouseUp();
        }
        EXPECT_EQ(::GetCapture(), (HWND)NULL);
        fresh->RunIdle();
        EXPECT_EQ(WindowRectOf(&b).Width(), c.width);
    }
}

TEST_F(FloatBar, CaptionBandAndButtonsFollowTheSide)
{
    struct Side { UINT nDockBar; bool horz; int edge; LPCTSTR cursor; };
    const Side sides[] = {
        {AFX_IDW_DOCKBAR_TOP, true, 'B', IDC_SIZENS}, {AFX_IDW_DOCKBAR_BOTTOM, true, 'T', IDC_SIZENS},
        {AFX_IDW_DOCKBAR_LEFT, false, 'R', IDC_SIZEWE}, {AFX_IDW_DOCKBAR_RIGHT, false, 'L', IDC_SIZEWE},
    };
    for (const Side& side : sides) {
        SCOPED_TRACE(side.nDockBar);
        frame->DockFloatBar(side.nDockBar);
        EXPECT_EQ(bar().GetDockBarID(), side.nDockBar);
        EXPECT_EQ(bar().IsHorzDocked(), side.horz);
        EXPECT_EQ(bar().IsVertDocked(), !side.horz);
        EXPECT_FALSE(bar().IsFloating());
        EXPECT_EQ(side.horz ? WindowRectOf(&bar()).Height() : Width(), 300);
        const CRect c = Client(), w = Work();
        EXPECT_EQ(w, side.horz ? CRect(c.left + 22, c.top + 6, c.right - 6, c.bottom - 6)
                               : CRect(c.left + 6, c.top + 22, c.right - 6, c.bottom - 6));

        // Both buttons, only one, none: close first from the band's start.
        struct Flags { BOOL floatable, canClose; int closeAt, floatAt; };
        const Flags flags[] = {{TRUE, TRUE, 12, 36}, {TRUE, FALSE, 0, 12}, {FALSE, TRUE, 12, 0}, {FALSE, FALSE, 0, 0}};
        for (const Flags& f : flags) {
            bar().SetFloatable(f.floatable);
            bar().CanCloseBar(f.canClose);
            for (int code : {'C', 'F'}) {
                const int at = code == 'C' ? f.closeAt : f.floatAt;
                CRect expected(0, 0, 0, 0);
                if (at != 0 && side.horz)
                    expected.SetRect(c.left + 4, c.top + at, w.left - 4, c.top + at + 20);
                else if (at != 0)
                    expected.SetRect(c.right - at - 20, c.top + 4, c.right - at, w.top - 4);
                EXPECT_EQ(Button(code), expected) << char(code) << f.floatable << f.canClose;
            }
        }
        bar().SetFloatable(TRUE);
        bar().CanCloseBar(TRUE);
        bar().RedrawWindow();

        // The cross through the close button's centre; the float glyph's base row d below it.
        const vt::Capture shot = Shot();
        const CPoint close = Button('C').CenterPoint(), flt = Button('F').CenterPoint();
        EXPECT_PIXEL(shot, close.x, close.y, kGlyph);
        EXPECT_PIXEL(shot, flt.x, flt.y + (flt.y - Button('F').top - 4), kGlyph);
        EXPECT_PIXEL(shot, w.left - 1, w.CenterPoint().y, kEdge);
        EXPECT_PIXEL(shot, w.CenterPoint().x, w.bottom, kEdge);
        // Edge lines along the sides that face the neighbours in the dock bar.
        const CPoint line1 = side.horz ? CPoint(c.CenterPoint().x, c.top) : CPoint(c.left, c.CenterPoint().y);
        const CPoint line2 = side.horz ? CPoint(c.CenterPoint().x, c.bottom - 1) : CPoint(c.right - 1, c.CenterPoint().y);
        EXPECT_PIXEL(shot, line1.x, line1.y, kEdge);
        EXPECT_PIXEL(shot, line2.x, line2.y, kEdge);
        // The title, in the top band, only beside a side of the frame.
        int ink = 0;
        for (int y = c.top; y < w.top - 1; y++)
            for (int x = c.left + 6; x < c.left + 60; x++)
                ink += shot.At(x, y) != kBack && shot.At(x, y) != kEdge;
        EXPECT_EQ(ink > 0, !side.horz);

        // Only the inner edge sizes the bar.
        CPoint ptEdge = side.edge == 'R' ? CPoint(c.right - 3, c.bottom / 2) : side.edge == 'L' ? CPoint(2, c.bottom / 2)
                      : side.edge == 'B' ? CPoint(c.right / 2, c.bottom - 3) : CPoint(c.right / 2, 2);
        EXPECT_EQ(bar().MouseHitTest(ptEdge), side.edge);
        vt::MoveCursor(Screen(ptEdge));
        EXPECT_EQ(::GetCursor(), ::LoadCursor(NULL, side.cursor));
        vt::MoveCursor(Screen(CPoint(c.right - ptEdge.x - 1, c.bottom - ptEdge.y - 1)));
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
        {"close, released on it", 'C', true, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        frame->DockFloatBar(AFX_IDW_DOCKBAR_LEFT);
        frame->ShowControlBar(&bar(), TRUE, FALSE);
        const CRect button = Button(c.code);
        const CPoint band(Client().left + 20, Client().top + 11);
        vt::MoveCursor(Screen(band));
        vt::MoveCursor(Screen(button.CenterPoint()));
        vt::Capture shot = Shot();
        EXPECT_PIXEL(shot, button.CenterPoint().x, button.CenterPoint().y, kHotGlyph);
        EXPECT_PIXEL(shot, button.left, button.top + 5, kEdge);
        vt::MouseDown();
        if (!c.releaseOn) {
            vt::MoveCursor(Screen(band));
            shot = Shot();
            EXPECT_PIXEL(shot, button.CenterPoint().x, button.CenterPoint().y, kGlyph);
            EXPECT_PIXEL(shot, button.left, button.top + 5, kBack);
        }
        vt::MouseUp();
        frame->RunIdle();
        EXPECT_EQ(bar().IsFloating(), c.floating);
        EXPECT_EQ(bar().IsWindowVisible() != FALSE, c.visible);
        if (c.floating) {
            EXPECT_EQ(bar().GetDockingFrame()->IsWindowVisible() != FALSE, c.visible);
        }
    }
}

TEST_F(FloatBar, DoubleClickTogglesDockingWhenTheBarMayFloat)
{
    frame->m_wndFloatBar.m_wndList.ShowWindow(SW_HIDE);
    // Ctrl keeps a bar floating when the first click's drag ends.
    auto doubleClick = [&](CPoint client, bool ctrl = false) {
        vt::MoveCursor(Screen(client));
        if (ctrl)
            vt::KeyDown(VK_CONTROL);
        for (int i = 0; i < 2; i++) {
            QueueButton(true);
            QueueButton(false);
        }
        vt::PumpPending();
        if (ctrl)
            vt::KeyUp(VK_CONTROL);
        frame->RunIdle();
    };
    const CPoint band(Client().left + 20, Client().top + 11);
    bar().SetFloatable(FALSE);
    doubleClick(band);
    EXPECT_FALSE(bar().IsFloating());
    bar().SetFloatable(TRUE);
    doubleClick(band);
    ASSERT_TRUE(bar().IsFloating());
    EXPECT_TRUE(bar().GetDockingFrame()->IsWindowVisible());
    // Floating, the whole client is the working area; nothing is a button,
    // and nothing sizes the bar.
    CRect rcFloat, rcClose;
    bar().GetDockedButtonsRect(&rcFloat, &rcClose);
    EXPECT_TRUE(rcFloat.IsRectEmpty());
    EXPECT_TRUE(rcClose.IsRectEmpty());
    EXPECT_EQ(Work(), Client());
    const CSize before = WindowRectOf(&bar()).Size();
    vt::MoveCursor(Screen(CPoint(Client().right - 3, Client().bottom / 2)));
    EXPECT_EQ(::GetCursor(), ::LoadCursor(NULL, IDC_ARROW));
    EXPECT_EQ(WindowRectOf(&bar()).Size(), before);
    doubleClick(Client().CenterPoint(), true);
    EXPECT_EQ(bar().GetDockBarID(), (UINT)AFX_IDW_DOCKBAR_LEFT);
}

TEST_F(FloatBar, FloatingSizesKeepTheirMinimums)
{
    bar().SetMinWidthHeight(10, 40);   // 10 is below the floor and ignored
    struct Case { int length; DWORD mode; CSize size; };
    const Case cases[] = {
        {0, LM_MRUWIDTH, CSize(300, 300)},
        {5, 0, CSize(16, 300)},            // asks only: nothing kept
        {5, LM_LENGTHY, CSize(300, 40)},
        {250, LM_LENGTHY, CSize(300, 250)},
        {180, LM_COMMIT, CSize(180, 250)},
        {0, LM_MRUWIDTH, CSize(180, 250)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(bar().CalcDynamicLayout(c.length, c.mode), c.size) << c.length << " " << c.mode;
    // Docked, the frame's dock bars give the length.
    CRect top = WindowRectOf(frame->GetControlBar(AFX_IDW_DOCKBAR_TOP));
    EXPECT_EQ(bar().CalcFixedLayout(FALSE, TRUE), CSize(top.Width(), 300));
    EXPECT_EQ(bar().CalcFixedLayout(TRUE, FALSE), CSize(300, 32767));
}

TEST(FloatBarLeaks, FramesWithTheBarsDockedFloatedAndPaintedLeaveNothingBehind)
{
    const CString longText(_T('W'), 3000);
    auto cycle = [&] {
        CoolBarsFrameHolder frame;
        CCoolFloatBar& bar = frame->m_wndFloatBar;
        bar.SetWindowText(longText);
        frame->m_wndStatusBar.SetPaneText(0, longText);
        frame->m_wndStatusBar.SetPaneIcon(0, ::LoadIcon(NULL, IDI_INFORMATION));
        frame->m_wndStatusBar.SetPaneIcon(kStatusMaxIcons, ::LoadIcon(NULL, IDI_ERROR));
        bar.GetDockedButtonsRect(NULL, NULL);
        bar.GetWorkingRect(NULL);
        frame->DockFloatBar(AFX_IDW_DOCKBAR_TOP);
        frame->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        bar.m_pDockContext->ToggleDocking();
        frame->RunIdle();
        frame->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    };
    cycle();
    const int gdi = vt::GdiObjectCount(), windows = vt::ThreadWindowCount();
    for (int i = 0; i < 20; ++i)
        cycle();
    EXPECT_EQ(gdi, vt::GdiObjectCount());
    EXPECT_EQ(windows, vt::ThreadWindowCount());
}

}  // namespace
