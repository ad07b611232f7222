// Shared pieces of the tooltip manager tests: a host with two tool windows and a probed manager.
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
    HWND SlotWindow(int slot) const { return m_phToolWnds[slot]; }
    std::string Text() const { return m_szText; }
    UINT RunningTimer() const { return m_nTimerId; }
};

class ToolTipTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    HWND MakeTool(const CRect& rcClient, UINT id);
    CPoint CentreOf(HWND hwnd) const;
    // Moves the real cursor to the tool's centre and relays the move as an owner would.
    void RestOn(HWND tool);
    void Relay(UINT message);
    // Moves the cursor onto the bare host and relays it: the tools' tips may show again.
    void LeaveTools();
    void FireTimer(UINT id);
    bool TipVisible() const;
    CRect TipRect() const;
    // The rest, the delay expiry: the tip for tool is up.
    void ShowFor(HWND tool);

    vt::HostWnd m_host{320, 240};
    HWND m_toolA = nullptr;
    HWND m_toolB = nullptr;
    ProbeToolTip m_tip;
};

// A point of the host's client area that no tool covers.
const CPoint kHostBlankPoint(250, 200);

} // namespace tips_test
