// The harness checks itself: real input arrives, hover and leave are
// delivered while pumping, pixels read back, and the GDI counter counts.
#include "support/harness.h"

#include <windowsx.h>

namespace {

TEST(Harness, MovedCursorBringsMoveThenHoverAndLeave)
{
    vt::HostWnd host(200, 100);
    vt::MoveCursor(host.ToScreen({50, 50}));
    ASSERT_TRUE(vt::PumpUntil([&] { return host.CountReceived(WM_MOUSEMOVE) > 0; }));

    TRACKMOUSEEVENT track = {sizeof(track), TME_HOVER | TME_LEAVE, host.m_hWnd, 50};
    ASSERT_TRUE(::TrackMouseEvent(&track));
    EXPECT_TRUE(vt::PumpUntil([&] { return host.CountReceived(WM_MOUSEHOVER) > 0; }));

    vt::ParkCursor();
    EXPECT_TRUE(vt::PumpUntil([&] { return host.CountReceived(WM_MOUSELEAVE) > 0; }));
}

TEST(Harness, ClickReachesWindowUnderCursor)
{
    vt::HostWnd host(200, 100);
    CPoint at = host.ToScreen({20, 30});
    vt::Click(at);
    ASSERT_TRUE(vt::PumpUntil([&] { return host.CountReceived(WM_LBUTTONUP) > 0; }));

    bool sawDown = false;
    for (const auto& m : host.received()) {
        if (m.message == WM_LBUTTONDOWN) {
            sawDown = true;
            EXPECT_EQ(20, GET_X_LPARAM(m.lParam));
            EXPECT_EQ(30, GET_Y_LPARAM(m.lParam));
        }
    }
    EXPECT_TRUE(sawDown);
}

TEST(Harness, KeysReachTheFocusedWindow)
{
    vt::HostWnd host(200, 100);
    host.SetFocus();
    vt::TypeText("aB");
    ASSERT_TRUE(vt::PumpUntil([&] { return host.CountReceived(WM_CHAR) >= 2; }));
    std::string typed;
    for (const auto& m : host.received()) {
        if (m.message == WM_CHAR)
            typed += static_cast<char>(m.wParam);
    }
    EXPECT_EQ("aB", typed);
}

TEST(Harness, RecorderKeepsOrderOfSentAndPostedMessages)
{
    vt::HostWnd host(100, 50);
    vt::MessageRecorder recorder;
    recorder.Watch(host.m_hWnd);
    recorder.Only({WM_USER + 1, WM_USER + 2, WM_USER + 3});
    host.PostMessage(WM_USER + 2);
    host.SendMessage(WM_USER + 1);
    vt::PumpPending();
    host.SendMessage(WM_USER + 3);
    EXPECT_TRUE(vt::SequenceIs(recorder.Messages(), {WM_USER + 1, WM_USER + 2, WM_USER + 3}));
    ASSERT_EQ(3u, recorder.entries().size());
    EXPECT_FALSE(recorder.entries()[0].posted);
    EXPECT_TRUE(recorder.entries()[1].posted);
}

TEST(Harness, WindowPixelsReadBack)
{
    const COLORREF background = RGB(10, 200, 30);
    vt::HostWnd host(60, 40, background);
    host.RedrawWindow();
    {
        vt::WindowDC dc(host.m_hWnd);
        ::SetPixel(dc, 5, 7, RGB(1, 2, 3));
    }
    vt::Capture shot = vt::Capture::FromWindow(host.m_hWnd);
    EXPECT_EQ(60, shot.width());
    EXPECT_EQ(40, shot.height());
    EXPECT_PIXEL(shot, 5, 7, RGB(1, 2, 3));
    EXPECT_PIXEL(shot, 30, 20, background);
}

TEST(Harness, GdiCounterSeesBrushCreatedAndDeleted)
{
    const int before = vt::GdiObjectCount();
    ASSERT_GT(before, 0);
    HBRUSH brush = ::CreateSolidBrush(RGB(1, 2, 3));
    EXPECT_EQ(before + 1, vt::GdiObjectCount());
    ::DeleteObject(brush);
    EXPECT_EQ(before, vt::GdiObjectCount());
    // Stock objects are shared, never counted as this process's own.
    ::GetStockObject(GRAY_BRUSH);
    EXPECT_EQ(before, vt::GdiObjectCount());
}

TEST(Harness, HostWindowsLeaveNothingBehind)
{
    {
        // The first window of a process sets up classes, DCs and fonts for good.
        vt::HostWnd warmUp(80, 80);
        warmUp.RedrawWindow();
        vt::PumpPending();
    }
    const int windows = vt::ThreadWindowCount();
    const int objects = vt::GdiObjectCount();
    for (int i = 0; i < 5; ++i) {
        vt::HostWnd host(80, 80);
        host.RedrawWindow();
        vt::PumpPending();
    }
    EXPECT_EQ(windows, vt::ThreadWindowCount());
    EXPECT_EQ(objects, vt::GdiObjectCount());
}

}  // namespace
