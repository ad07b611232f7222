// Message maps: handlers reached by signature with MFC's argument unpacking,
// unhandled messages reaching the original procedure, commands and notifications.
#include "support/harness.h"

namespace {

UINT s_nRegisteredProbe = ::RegisterWindowMessage("VeluCtrl.MfcTest.Probe");
const UINT kProbeMessage = WM_APP + 7;

// Records the arguments each handler receives.
class CProbeWnd : public CWnd
{
public:
    UINT m_nFlags = 0;
    CPoint m_point;
    UINT m_nChar = 0, m_nRepCnt = 0, m_nKeyFlags = 0;
    short m_zDelta = 0;
    CWnd* m_pCursorWnd = NULL;
    UINT m_nHitTest = 0, m_nMouseMsg = 0;
    UINT m_nTimerId = 0;
    UINT m_nSizeType = 0;
    int m_cx = -1, m_cy = -1;
    int m_xMove = 0, m_yMove = 0;
    CWnd* m_pCapture = NULL;
    BOOL m_bCreateSeen = FALSE;
    CString m_strCreateName;
    WPARAM m_wProbe = 0;
    LPARAM m_lProbe = 0;
    int m_nRegistered = 0;
    CWnd* m_pFocusOld = NULL;
    int m_nCommand = 0;
    UINT m_nRangeId = 0;
    CPoint m_ptHit;
    UINT m_nHitResult = HTCLIENT;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct)
    {
        m_bCreateSeen = TRUE;
        m_strCreateName = lpCreateStruct->lpszName;
        return CWnd::OnCreate(lpCreateStruct);
    }
    afx_msg void OnMouseMove(UINT nFlags, CPoint point) { m_nFlags = nFlags; m_point = point; }
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) { m_nChar = nChar; m_nRepCnt = nRepCnt; m_nKeyFlags = nFlags; }
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
    {
        m_nFlags = nFlags;
        m_zDelta = zDelta;
        m_point = pt;
        return TRUE;
    }
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
    {
        m_pCursorWnd = pWnd;
        m_nHitTest = nHitTest;
        m_nMouseMsg = message;
        return TRUE;
    }
    afx_msg void OnTimer(UINT nIDEvent) { m_nTimerId = nIDEvent; }
    afx_msg void OnSize(UINT nType, int cx, int cy) { m_nSizeType = nType; m_cx = cx; m_cy = cy; }
    afx_msg void OnMove(int x, int y) { m_xMove = x; m_yMove = y; }
    afx_msg void OnCaptureChanged(CWnd* pWnd) { m_pCapture = pWnd; }
    afx_msg UINT OnGetDlgCode() { return DLGC_WANTARROWS | DLGC_WANTCHARS; }
    afx_msg UINT OnNcHitTest(CPoint point)
    {
        m_ptHit = point;
        return m_nHitResult;
    }
    afx_msg void OnSetFocus(CWnd* pOldWnd) { m_pFocusOld = pOldWnd; }
    afx_msg LRESULT OnProbe(WPARAM wParam, LPARAM lParam)
    {
        m_wProbe = wParam;
        m_lProbe = lParam;
        return 1234;
    }
    afx_msg LRESULT OnRegisteredProbe(WPARAM, LPARAM)
    {
        m_nRegistered++;
        return 77;
    }
    afx_msg void OnCommand42() { m_nCommand++; }
    afx_msg void OnCommandRange(UINT nID) { m_nRangeId = nID; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CProbeWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_MOUSEMOVE()
    ON_WM_KEYDOWN()
    ON_WM_MOUSEWHEEL()
    ON_WM_SETCURSOR()
    ON_WM_TIMER()
    ON_WM_SIZE()
    ON_WM_MOVE()
    ON_WM_CAPTURECHANGED()
    ON_WM_GETDLGCODE()
    ON_WM_NCHITTEST()
    ON_WM_SETFOCUS()
    ON_MESSAGE(kProbeMessage, OnProbe)
    ON_REGISTERED_MESSAGE(s_nRegisteredProbe, OnRegisteredProbe)
    ON_COMMAND(42, OnCommand42)
    ON_COMMAND_RANGE(100, 110, OnCommandRange)
END_MESSAGE_MAP()

class WinMsg : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_probe.Create(NULL, "probe", WS_VISIBLE, CRect(10, 10, 110, 60), &m_host, 1));
    }

    vt::HostWnd m_host;
    CProbeWnd m_probe;
};

}  // namespace

TEST_F(WinMsg, CreateSeesWmCreateWithItsCreateStruct)
{
    EXPECT_TRUE(m_probe.m_bCreateSeen);
    EXPECT_STREQ((LPCTSTR)m_probe.m_strCreateName, "probe");
    EXPECT_EQ(CWnd::FromHandlePermanent(m_probe.m_hWnd), &m_probe);
}

TEST_F(WinMsg, MouseHandlerGetsFlagsAndSignedPoint)
{
    m_probe.SendMessage(WM_MOUSEMOVE, MK_LBUTTON | MK_SHIFT, MAKELPARAM((WORD)(short)-5, 300));
    EXPECT_EQ(m_probe.m_nFlags, (UINT)(MK_LBUTTON | MK_SHIFT));
    EXPECT_EQ(m_probe.m_point.x, -5);
    EXPECT_EQ(m_probe.m_point.y, 300);
}

TEST_F(WinMsg, RealCursorMoveArrivesInClientCoordinates)
{
    CPoint target = m_host.ToScreen(CPoint(10 + 30, 10 + 20));
    vt::MoveCursor(target);
    EXPECT_TRUE(vt::PumpUntil([&] { return m_probe.m_point == CPoint(30, 20); }))
        << m_probe.m_point.x << "," << m_probe.m_point.y;
    vt::ParkCursor();
}

TEST_F(WinMsg, KeyHandlerGetsRepeatCountAndFlags)
{
    // Repeat count 3, scan code 0x3F, extended key, previous state down.
    LPARAM lParam = 3 | (0x3F << 16) | (1 << 24) | (1 << 30);
    m_probe.SendMessage(WM_KEYDOWN, VK_F5, lParam);
    EXPECT_EQ(m_probe.m_nChar, (UINT)VK_F5);
    EXPECT_EQ(m_probe.m_nRepCnt, 3u);
    EXPECT_EQ(m_probe.m_nKeyFlags, (UINT)HIWORD(lParam));
}

TEST_F(WinMsg, WheelHandlerGetsSignedDeltaAndItsResultIsReturned)
{
    LRESULT lResult = m_probe.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, (WORD)(short)-240), MAKELPARAM(200, 150));
    EXPECT_EQ(lResult, TRUE);
    EXPECT_EQ(m_probe.m_nFlags, (UINT)MK_CONTROL);
    EXPECT_EQ(m_probe.m_zDelta, -240);
    EXPECT_EQ(m_probe.m_point, CPoint(200, 150));
}

TEST_F(WinMsg, SetCursorHandlerGetsWindowHitTestAndMouseMessage)
{
    LRESULT lResult = m_probe.SendMessage(WM_SETCURSOR, (WPARAM)m_probe.m_hWnd, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(lResult, TRUE);
    EXPECT_EQ(m_probe.m_pCursorWnd, &m_probe);
    EXPECT_EQ(m_probe.m_nHitTest, (UINT)HTCLIENT);
    EXPECT_EQ(m_probe.m_nMouseMsg, (UINT)WM_MOUSEMOVE);
}

TEST_F(WinMsg, TimerHandlerGetsTheTimerId)
{
    m_probe.SendMessage(WM_TIMER, 4711, 0);
    EXPECT_EQ(m_probe.m_nTimerId, 4711u);
    // A real short timer arrives through the pump as well.
    m_probe.SetTimer(5, 10, NULL);
    EXPECT_TRUE(vt::PumpUntil([&] { return m_probe.m_nTimerId == 5; }));
    m_probe.KillTimer(5);
}

TEST_F(WinMsg, SizeAndMoveHandlersGetTheNewGeometry)
{
    m_probe.MoveWindow(20, 25, 77, 33);
    EXPECT_EQ(m_probe.m_nSizeType, (UINT)SIZE_RESTORED);
    EXPECT_EQ(m_probe.m_cx, 77);
    EXPECT_EQ(m_probe.m_cy, 33);
    EXPECT_EQ(m_probe.m_xMove, 20);
    EXPECT_EQ(m_probe.m_yMove, 25);
}

TEST_F(WinMsg, CaptureChangedNamesTheNewCaptureWindow)
{
    m_probe.SetCapture();
    m_host.SetCapture();
    EXPECT_EQ(m_probe.m_pCapture, &m_host);
    ::ReleaseCapture();
}

TEST_F(WinMsg, ResultReturningHandlersAnswerTheMessage)
{
    EXPECT_EQ(m_probe.SendMessage(WM_GETDLGCODE), (LRESULT)(DLGC_WANTARROWS | DLGC_WANTCHARS));
    m_probe.m_nHitResult = HTCAPTION;
    EXPECT_EQ(m_probe.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(65, 70)), (LRESULT)HTCAPTION);
    EXPECT_EQ(m_probe.m_ptHit, CPoint(65, 70));
}

TEST_F(WinMsg, FocusHandlerNamesThePreviousFocus)
{
    m_host.SetFocus();
    m_probe.SetFocus();
    EXPECT_EQ(m_probe.m_pFocusOld, &m_host);
}

TEST_F(WinMsg, UserAndRegisteredMessagesReachTheirHandlers)
{
    EXPECT_EQ(m_probe.SendMessage(kProbeMessage, 11, 22), 1234);
    EXPECT_EQ(m_probe.m_wProbe, (WPARAM)11);
    EXPECT_EQ(m_probe.m_lProbe, (LPARAM)22);
    EXPECT_EQ(m_probe.SendMessage(s_nRegisteredProbe), 77);
    EXPECT_EQ(m_probe.m_nRegistered, 1);
}

TEST_F(WinMsg, UnmappedMessageReachesTheDefaultProcedure)
{
    m_probe.SetWindowText("changed");
    CString text;
    m_probe.GetWindowText(text);
    EXPECT_STREQ((LPCTSTR)text, "changed");
}

TEST_F(WinMsg, MenuCommandsReachSingleAndRangeHandlers)
{
    m_probe.SendMessage(WM_COMMAND, MAKEWPARAM(42, 0), 0);
    EXPECT_EQ(m_probe.m_nCommand, 1);
    m_probe.SendMessage(WM_COMMAND, MAKEWPARAM(107, 0), 0);
    EXPECT_EQ(m_probe.m_nRangeId, 107u);
    m_probe.SendMessage(WM_COMMAND, MAKEWPARAM(111, 0), 0);
    EXPECT_EQ(m_probe.m_nRangeId, 107u);
}

// ---------------------------------------------------------------- command-UI routing
namespace {

class CUpdatingWnd : public CWnd
{
public:
    BOOL m_bEnable = TRUE;
    int m_nCalls = 0;

protected:
    afx_msg void OnCommand42() { m_nCalls++; }
    afx_msg void OnUpdate42(CCmdUI* pCmdUI) { pCmdUI->Enable(m_bEnable); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CUpdatingWnd, CWnd)
    ON_COMMAND(42, OnCommand42)
    ON_UPDATE_COMMAND_UI(42, OnUpdate42)
END_MESSAGE_MAP()

}  // namespace

TEST(WinMsgCommandUI, DisabledMenuCommandIsNotExecuted)
{
    vt::HostWnd host;
    CUpdatingWnd wnd;
    ASSERT_TRUE(wnd.Create(NULL, NULL, WS_VISIBLE, CRect(0, 0, 10, 10), &host, 2));
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(42, 0), 0);
    EXPECT_EQ(wnd.m_nCalls, 1);
    wnd.m_bEnable = FALSE;
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(42, 0), 0);
    EXPECT_EQ(wnd.m_nCalls, 1);
}

TEST(WinMsgCommandUI, UpdateDialogControlsDisablesButtonsWithoutHandlers)
{
    vt::HostWnd host;
    CUpdatingWnd panel;
    ASSERT_TRUE(panel.Create(NULL, NULL, WS_VISIBLE, CRect(0, 0, 200, 100), &host, 2));
    CButton handled, orphan, autoCheck;
    ASSERT_TRUE(handled.Create("handled", WS_VISIBLE | BS_PUSHBUTTON, CRect(0, 0, 50, 20), &panel, 42));
    ASSERT_TRUE(orphan.Create("orphan", WS_VISIBLE | BS_PUSHBUTTON, CRect(0, 30, 50, 50), &panel, 43));
    ASSERT_TRUE(autoCheck.Create("check", WS_VISIBLE | BS_AUTOCHECKBOX, CRect(0, 60, 50, 80), &panel, 44));
    panel.m_bEnable = FALSE;
    panel.UpdateDialogControls(&panel, TRUE);
    EXPECT_FALSE(handled.IsWindowEnabled());
    EXPECT_FALSE(orphan.IsWindowEnabled());
    EXPECT_TRUE(autoCheck.IsWindowEnabled());
    panel.m_bEnable = TRUE;
    panel.UpdateDialogControls(&panel, TRUE);
    EXPECT_TRUE(handled.IsWindowEnabled());
    EXPECT_FALSE(orphan.IsWindowEnabled());
}
