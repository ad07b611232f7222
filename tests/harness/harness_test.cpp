// The harness checks itself: real input arrives, hover and leave are
// delivered while pumping, pixels read back, and the counters count.
#include "support/harness.h"

#include <windowsx.h>

#include <cstdlib>

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

TEST(Harness, ClicksAndKeysReachTheWindowUnderTheCursorAndTheFocus)
{
    vt::HostWnd host(200, 100);
    vt::Click(host.ToScreen({20, 30}));
    ASSERT_TRUE(vt::PumpUntil([&] { return host.CountReceived(WM_LBUTTONUP) > 0; }));
    const auto down = std::find_if(host.received().begin(), host.received().end(),
                                   [](const vt::HostWnd::Msg& m) { return m.message == WM_LBUTTONDOWN; });
    ASSERT_TRUE(down != host.received().end());
    EXPECT_EQ(CPoint(20, 30), CPoint(GET_X_LPARAM(down->lParam), GET_Y_LPARAM(down->lParam)));
    ASSERT_TRUE(vt::FocusOn(host));
    vt::TypeText("aB");
    ASSERT_TRUE(vt::PumpUntil([&] { return host.CountReceived(WM_CHAR) >= 2; }));
    std::string typed;
    for (const auto& m : host.received())
        if (m.message == WM_CHAR)
            typed += static_cast<char>(m.wParam);
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
    vt::PaintNow(host.m_hWnd);
    ::SetPixel(vt::WindowDC(host.m_hWnd), 5, 7, RGB(1, 2, 3));
    const vt::Capture shot = vt::Capture::FromWindow(host.m_hWnd);
    EXPECT_EQ(CSize(60, 40), CSize(shot.width(), shot.height()));
    EXPECT_PIXEL(shot, 5, 7, RGB(1, 2, 3));
    EXPECT_EQ(60 * 40 - 1, vt::CountColour(shot, CRect(0, 0, 60, 40), background));
    EXPECT_EQ(CRect(5, 7, 6, 8), vt::BoundsOf(shot, CRect(0, 0, 60, 40), RGB(1, 2, 3)));
}

// Stock objects are shared, never counted as this process's own.
TEST(Harness, CountersSeeObjectsAndBlocksMadeAndFreed)
{
    const int before = vt::GdiObjectCount();
    ASSERT_GT(before, 0);
    HBRUSH brush = ::CreateSolidBrush(RGB(1, 2, 3));
    EXPECT_EQ(before + 1, vt::GdiObjectCount());
    ::DeleteObject(brush);
    ::GetStockObject(GRAY_BRUSH);
    EXPECT_EQ(before, vt::GdiObjectCount());
    const SIZE_T bytes = vt::HeapBytesInUse();
    void* volatile block = std::malloc(1000);   // volatile: the compiler may not drop the pair
    EXPECT_GE(vt::HeapBytesInUse(), bytes + 1000);
    std::free(block);
    EXPECT_EQ(bytes, vt::HeapBytesInUse());
}

TEST(Harness, LeakCheckPassesHostWindowsAndCatchesALostBrushOrBlock)
{
    EXPECT_TRUE(vt::LeavesNothingBehind([] { vt::HostWnd host(80, 80); vt::PaintNow(host.m_hWnd); }, 5));
    std::vector<HGDIOBJ> lost;
    EXPECT_FALSE(vt::LeavesNothingBehind([&] { lost.push_back(::CreateSolidBrush(0)); }, 2));
    for (HGDIOBJ brush : lost)
        ::DeleteObject(brush);
    std::vector<void*> blocks;
    blocks.reserve(16);
    EXPECT_FALSE(vt::LeavesNothingBehind([&] { blocks.push_back(std::malloc(64)); }, 2, true));
    for (void* block : blocks)
        std::free(block);
}

}  // namespace
