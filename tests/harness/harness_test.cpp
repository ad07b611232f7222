// The harness's own tricky part: counters that would let every leak check
// pass unseen if they stopped counting. (Input, pumping, pixel capture and the
// message recorder fail loudly in the suites that use them when they break:
// every expected sequence and pixel would differ.)
#include "support/harness.h"

#include <cstdlib>

namespace {

// Stock objects are shared, never counted as this process's own. (The heap
// counter's blocks are caught by the leak check below, and every heap check
// of the soak would fail if freed blocks stayed counted.)
TEST(Harness, GdiCounterSeesObjectsMadeAndFreed)
{
    const int before = vt::GdiObjectCount();
    ASSERT_GT(before, 0);
    HBRUSH brush = ::CreateSolidBrush(RGB(1, 2, 3));
    EXPECT_EQ(before + 1, vt::GdiObjectCount());
    ::DeleteObject(brush);
    ::GetStockObject(GRAY_BRUSH);
    EXPECT_EQ(before, vt::GdiObjectCount());
}

TEST(Harness, LeakCheckPassesHostWindowsAndCatchesALostBrushBlockOrWindow)
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
    std::vector<HWND> windows;
    EXPECT_FALSE(vt::LeavesNothingBehind([&] { windows.push_back(::CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 1, 1, NULL, NULL, NULL, NULL)); }, 2));
    for (HWND hwnd : windows)
        ::DestroyWindow(hwnd);
}

}  // namespace
