// Shared pieces of the tooltip manager tests: a host with two tool windows, a probed manager,
// relaying, timer delivery and measuring.
#pragma once

#include <string>
#include <vector>

#include "support/harness.h"
#include "tips/VeluTips.h"
#include "TipMeasure.h"

namespace tips_test {

// Reads the manager's state that no public accessor shows.
class ProbeToolTip : public CCoolToolTip
{
public:
    int Capacity() const { return m_nToolCapacity; }
    std::string Text() const { return m_szText; }
    UINT RunningTimer() const { return m_nTimerId; }
};

// A point of the host's client area that no tool covers.
const CPoint kHostBlankPoint(250, 200);

class ToolTipTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        vt::ParkCursor();
        m_toolA = MakeTool(CRect(10, 10, 110, 50), 1);
        m_toolB = MakeTool(CRect(10, 70, 110, 110), 2);
        ASSERT_TRUE(m_toolA != nullptr && m_toolB != nullptr);
        ASSERT_TRUE(m_tip.Create());
        vt::PumpPending();
    }
    void TearDown() override
    {
        m_tip.HideMe();
        ::ReleaseCapture();
        vt::ParkCursor();
        vt::PumpPending();
    }

    // SS_NOTIFY: a plain static is transparent to hit-testing, so the cursor would find the host.
    HWND MakeTool(const CRect& rc, UINT id)
    {
        return ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_NOTIFY, rc.left, rc.top, rc.Width(),
                                 rc.Height(), m_host.m_hWnd, (HMENU)(UINT_PTR)id, nullptr, nullptr);
    }
    static CRect RectOf(HWND hwnd) { CRect rc; ::GetWindowRect(hwnd, &rc); return rc; }
    static CPoint CentreOf(HWND hwnd) { return RectOf(hwnd).CenterPoint(); }
    // Moves the real cursor to the tool's centre and relays the move as an owner would.
    void RestOn(HWND tool) { vt::MoveCursor(CentreOf(tool)); Relay(WM_MOUSEMOVE); }
    void Relay(UINT message) { MSG msg = {}; msg.message = message; m_tip.RelayEvent(&msg); }
    // Moves the cursor onto the bare host and relays it: the tools' tips may show again.
    void LeaveTools() { vt::MoveCursor(m_host.ToScreen(kHostBlankPoint)); Relay(WM_MOUSEMOVE); }
    void FireTimer(UINT id) { m_tip.SendMessage(WM_TIMER, id, 0); }
    bool TipVisible() const { return ::IsWindowVisible(m_tip.m_hWnd) != FALSE; }
    CRect TipRect() const { return RectOf(m_tip.m_hWnd); }
    // The rest, the delay expiry: the tip for tool is up.
    void ShowFor(HWND tool)
    {
        RestOn(tool);
        FireTimer(kToolTipDelayTimerId);
        ASSERT_TRUE(TipVisible());
    }

    vt::HostWnd m_host{320, 240};
    HWND m_toolA = nullptr;
    HWND m_toolB = nullptr;
    ProbeToolTip m_tip;
};

} // namespace tips_test
