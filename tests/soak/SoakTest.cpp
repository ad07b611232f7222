// Runs every subject through create, paint, hover, leave and
// destroy; VELU_SOAK_CYCLES sets how often (make soak: 1000).
#include "soak.h"

#include <cstdio>
#include <cstdlib>

namespace soak {
namespace {

const CRect kRect(20, 20, 160, 48);
const int kWarmUpCycles = 3;

int Cycles()
{
    const char* text = std::getenv("VELU_SOAK_CYCLES");
    const int n = text ? std::atoi(text) : 0;
    return n > 0 ? n : 10;
}

void Paint(CWnd& wnd)
{
    wnd.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    vt::PumpPending();
}

void Cycle(const Entry& entry, vt::HostWnd& host)
{
    host.ClearReceived();   // the host's own log keeps its size, not its entries
    std::unique_ptr<Subject> s = entry.make();
    ASSERT_TRUE(s->Create(host, kRect));
    Paint(s->Wnd());
    CRect rc;
    s->Wnd().GetWindowRect(&rc);
    vt::MoveCursor(rc.CenterPoint());
    s->Arrived();
    ASSERT_TRUE(vt::PumpUntil([&] { return s->Hot(); }, 2000)) << "no hot look";
    Paint(s->Wnd());
    vt::ParkCursor();
    s->Left();
    ASSERT_TRUE(vt::PumpUntil([&] { return s->Rested(); }, 2000)) << "not back at rest";
    s->Destroy();
    vt::PumpPending();
}

TEST(Soak, EveryControlLeavesGdiObjectsWindowsAndHeapAsTheyWere)
{
    vt::ParkCursor();
    vt::HostWnd host(320, 240);
    const int cycles = Cycles();
    for (const Entry& entry : Subjects()) {
        SCOPED_TRACE(entry.name);
        for (int i = 0; i < kWarmUpCycles && !HasFatalFailure(); ++i)
            Cycle(entry, host);
        const int gdi = vt::GdiObjectCount(), windows = vt::ThreadWindowCount();
        const SIZE_T heap = vt::HeapBytesInUse();
        const DWORD start = ::GetTickCount();
        for (int i = 0; i < cycles && !HasFatalFailure(); ++i)
            Cycle(entry, host);
        const int gdiAfter = vt::GdiObjectCount(), windowsAfter = vt::ThreadWindowCount();
        const SIZE_T heapAfter = vt::HeapBytesInUse();
        std::printf("soak: %-16s %5d cycles %6.1f s  GDI %d -> %d  windows %d -> %d  heap %lu -> %lu\n", entry.name,
                    cycles, (::GetTickCount() - start) / 1000.0, gdi, gdiAfter, windows, windowsAfter,
                    (unsigned long)heap, (unsigned long)heapAfter);
        EXPECT_EQ(gdi, gdiAfter);
        EXPECT_EQ(windows, windowsAfter);
        EXPECT_EQ(heap, heapAfter);
    }
}

}  // namespace
}  // namespace soak
