// The tooltip tests' host: two static tool windows, relaying, timer delivery and measuring.
#include "ToolTipFixture.h"

namespace tips_test {

void ToolTipTest::SetUp()
{
    vt::ParkCursor();
    m_toolA = MakeTool(CRect(10, 10, 110, 50), 1);
    m_toolB = MakeTool(CRect(10, 70, 110, 110), 2);
    ASSERT_TRUE(m_toolA != nullptr);
    ASSERT_TRUE(m_toolB != nullptr);
    ASSERT_TRUE(m_tip.Create());
    vt::PumpPending();
}

void ToolTipTest::TearDown()
{
    m_tip.HideMe();
    ::ReleaseCapture();
    vt::ParkCursor();
    vt::PumpPending();
}

// SS_NOTIFY: a plain static is transparent to hit-testing, so the cursor would find the host.
HWND ToolTipTest::MakeTool(const CRect& rcClient, UINT id)
{
    return ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_NOTIFY,
                             rcClient.left, rcClient.top, rcClient.Width(), rcClient.Height(),
                             m_host.m_hWnd, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                             nullptr, nullptr);
}

CPoint ToolTipTest::CentreOf(HWND hwnd) const
{
    CRect rc;
    ::GetWindowRect(hwnd, &rc);
    return rc.CenterPoint();
}

void ToolTipTest::RestOn(HWND tool)
{
    vt::MoveCursor(CentreOf(tool));
    Relay(WM_MOUSEMOVE);
}

void ToolTipTest::Relay(UINT message)
{
    MSG msg = {};
    msg.message = message;
    m_tip.RelayEvent(&msg);
}

void ToolTipTest::LeaveTools()
{
    vt::MoveCursor(m_host.ToScreen(kHostBlankPoint));
    Relay(WM_MOUSEMOVE);
}

void ToolTipTest::FireTimer(UINT id)
{
    m_tip.SendMessage(WM_TIMER, id, 0);
}

bool ToolTipTest::TipVisible() const
{
    return ::IsWindowVisible(m_tip.m_hWnd) != FALSE;
}

CRect ToolTipTest::TipRect() const
{
    CRect rc;
    ::GetWindowRect(m_tip.m_hWnd, &rc);
    return rc;
}

void ToolTipTest::ShowFor(HWND tool)
{
    RestOn(tool);
    FireTimer(kToolTipDelayTimerId);
    ASSERT_TRUE(TipVisible());
}

} // namespace tips_test
