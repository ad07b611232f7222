// Dock bars read back from a real frame: fill and edge line per side, whole repaints without an erase
// after a move or a resize, and a frame with the bars built, docked, floated and destroyed many times.
#include "BarFixture.h"

using namespace bartest;

namespace {

CDockBar* DockBar(CFrameWnd* pFrame, UINT nID)
{
    return (CDockBar*)pFrame->GetControlBar(nID);
}

CRect WindowIn(CWnd* pWnd, CWnd* pOther)
{
    CRect rect, other;
    pWnd->GetWindowRect(&rect);
    pOther->GetWindowRect(&other);
    return rect - other.TopLeft();
}

}  // namespace

TEST(CoolDockBar, FillsWithTheBarColourAndLinesTheEdgeFacingTheClient)
{
    FrameHolder frame(StandardIds());
    ASSERT_TRUE(frame.get() != NULL);
    struct Side { const char* name; UINT nID; } sides[] = {
        {"top", AFX_IDW_DOCKBAR_TOP}, {"bottom", AFX_IDW_DOCKBAR_BOTTOM},
        {"left", AFX_IDW_DOCKBAR_LEFT}, {"right", AFX_IDW_DOCKBAR_RIGHT},
    };
    for (const Side& side : sides) {
        SCOPED_TRACE(side.name);
        frame->Dock(frame->m_wndToolBar, side.nID);
        CDockBar* pDock = DockBar(frame.get(), side.nID);
        ASSERT_TRUE(pDock != NULL && pDock->IsKindOf(RUNTIME_CLASS(CCoolDockBar)));
        const vt::Capture shot = frame->PaintBar(*pDock);
        const int cx = shot.width(), cy = shot.height();
        // What the tool bar leaves free of the dock bar, beside or below it.
        const CRect bar = WindowIn(&frame->m_wndToolBar, pDock);
        const bool bHorz = side.nID == AFX_IDW_DOCKBAR_TOP || side.nID == AFX_IDW_DOCKBAR_BOTTOM;
        const CRect free = bHorz ? CRect(bar.right, 0, cx, cy) : CRect(0, bar.bottom, cx, cy);
        ASSERT_GT(free.Width() * free.Height(), 0);
        const CRect line = side.nID == AFX_IDW_DOCKBAR_TOP ? CRect(free.left, cy - 1, cx, cy)
                         : side.nID == AFX_IDW_DOCKBAR_BOTTOM ? CRect(free.left, 0, cx, 1)
                         : side.nID == AFX_IDW_DOCKBAR_LEFT ? CRect(cx - 1, free.top, cx, cy)
                         : CRect(0, free.top, 1, cy);
        EXPECT_TRUE(RegionMatches(shot, free, [&](int x, int y, COLORREF cr) {
            return cr == (line.PtInRect(CPoint(x, y)) ? kEdgeColour : kBarColour);
        }, "the bar colour with the edge line on the inner side"));
    }
}

TEST(CoolDockBar, MoveOrShrinkRepaintsAllOfItWithoutAnErase)
{
    FrameHolder frame(StandardIds());
    ASSERT_TRUE(frame.get() != NULL);
    CDockBar* pDock = DockBar(frame.get(), AFX_IDW_DOCKBAR_TOP);
    vt::GdiObject red(::CreateSolidBrush(RGB(255, 0, 0)));

    // The dock bar moved, or made narrower, by itself: the system would
    // repaint nothing of it, so every repainted pixel comes from its own
    // invalidation, which asks for no erase.
    struct Change { const char* name; CPoint offset; int narrower; } changes[] = {
        {"moved", CPoint(0, 3), 0}, {"narrower", CPoint(0, 0), 60},
    };
    for (const Change& change : changes) {
        SCOPED_TRACE(change.name);
        frame->RecalcLayout();
        vt::PumpPending();
        // Paint over it without telling it, so only a repaint of the whole strip clears it.
        {
            vt::WindowDC dc(pDock->m_hWnd);
            CRect client;
            pDock->GetClientRect(&client);
            ::FillRect(dc, &client, red.brush());
        }
        vt::MessageRecorder recorder;
        recorder.Watch(pDock->m_hWnd);
        recorder.Only({WM_PAINT, WM_ERASEBKGND});
        CRect now;
        pDock->GetWindowRect(&now);
        frame->ScreenToClient(&now);
        pDock->SetWindowPos(NULL, now.left + change.offset.x, now.top + change.offset.y, now.Width() - change.narrower,
                            now.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
        CRect update, client;
        pDock->GetClientRect(&client);
        ASSERT_TRUE(pDock->GetUpdateRect(&update, FALSE));
        EXPECT_EQ(client, update);
        vt::PumpUntil([&] { return !pDock->GetUpdateRect(NULL, FALSE); });
        EXPECT_TRUE(vt::SequenceIs(recorder.Messages(pDock->m_hWnd), {WM_PAINT}));
        const vt::Capture dock = vt::Capture::FromWindow(pDock->m_hWnd, true);
        const CRect bar = WindowIn(&frame->m_wndToolBar, pDock);
        EXPECT_TRUE(RegionMatches(dock, CRect(bar.right, 0, dock.width(), dock.height()),
                                  [](int, int, COLORREF cr) { return cr == kBarColour || cr == kEdgeColour; },
                                  "repainted"));
    }

    // Neither bar erases anything when asked to.
    vt::MemoryCanvas canvas(8, 8, kBackground);
    EXPECT_EQ(TRUE, pDock->SendMessage(WM_ERASEBKGND, (WPARAM)canvas.dc()));
    EXPECT_EQ(TRUE, frame->m_wndToolBar.SendMessage(WM_ERASEBKGND, (WPARAM)canvas.dc()));
    EXPECT_TRUE(RegionIsColour(canvas.Snapshot(), WholeOf(canvas), kBackground));
}

TEST(CoolDockBar, FramesWithTheBarsLeakNothing)
{
    auto cycle = [] {
        FrameHolder frame(StandardIds());
        ASSERT_TRUE(frame.get() != NULL);
        CProbeToolBar& bar = frame->m_wndToolBar;
        CComboBox combo;
        CEdit edit;
        ASSERT_TRUE(combo.Create(WS_CHILD | CBS_DROPDOWNLIST, CRect(0, 0, 60, 120), &bar, kIdFirst + 5));
        ASSERT_TRUE(edit.Create(WS_CHILD | WS_BORDER, CRect(0, 0, 40, 18), &bar, kIdFirst + 6));
        const RECT slot = {0, 0, 64, 20};
        bar.InsertControl(&combo, &slot, kIdFirst + 5);
        bar.InsertControl(&edit, &slot, kIdFirst + 6);
        bar.SetButtonDropDown(kIdFirst + 1);
        bar.SetButtonText(0, "Open");
        frame->m_checked = {kIdFirst + 2};
        frame->m_disabled = {kIdFirst + 3};
        vt::PumpPending();
        frame->PaintBar(bar);
        frame->Dock(bar, AFX_IDW_DOCKBAR_LEFT);
        frame->PaintBar(bar);
        frame->Float(bar, CPoint(420, 300));
        frame->PaintBar(bar);
        frame->Dock(bar, AFX_IDW_DOCKBAR_BOTTOM);
        frame->PaintBar(*DockBar(frame.get(), AFX_IDW_DOCKBAR_BOTTOM));
        vt::MoveCursor(frame->ButtonCenter(0));
        frame->PaintBar(bar);
        vt::ParkCursor();
    };
    for (int i = 0; i < 3; i++)
        cycle();
    const int gdi = vt::GdiObjectCount(), windows = vt::ThreadWindowCount();
    for (int i = 0; i < 10; i++)
        cycle();
    EXPECT_EQ(gdi, vt::GdiObjectCount());
    EXPECT_EQ(windows, vt::ThreadWindowCount());
}
