// The test frame and the queued-input helpers of the frame tests.
#include "TestFrame.h"

BEGIN_MESSAGE_MAP(CRoutedTarget, CCmdTarget)
    ON_UPDATE_COMMAND_UI(ID_TEST_ROUTED, OnUpdateRouted)
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CTestFrame, CFrameWnd)
    ON_WM_CREATE()
    ON_WM_ENTERIDLE()
    ON_WM_TIMER()
    ON_COMMAND(ID_TEST_ALPHA, OnAlpha)
    ON_COMMAND_RANGE(ID_TEST_BETA, ID_TEST_ROUTED, OnCommandRecorded)
    ON_UPDATE_COMMAND_UI(ID_TEST_BETA, OnUpdateBeta)
    ON_UPDATE_COMMAND_UI(ID_TEST_GAMMA, OnUpdateGamma)
    ON_UPDATE_COMMAND_UI(ID_TEST_DELTA, OnUpdateDelta)
    ON_UPDATE_COMMAND_UI(ID_TEST_TEXT, OnUpdateText)
    ON_UPDATE_COMMAND_UI(ID_TEST_ROUTED, OnUpdateRouted)
    ON_COMMAND_RANGE(ID_TEST_RANGE_FIRST, ID_TEST_RANGE_LAST, OnCommandRecorded)
    ON_UPDATE_COMMAND_UI_RANGE(ID_TEST_RANGE_FIRST, ID_TEST_RANGE_LAST, OnUpdateRange)
    ON_CBN_SELCHANGE(ID_TEST_COMBO, OnComboSelChange)
END_MESSAGE_MAP()

namespace {

const UINT kMenuFailSafeTimer = 77, kMenuFailSafeMs = 3000;

}  // namespace

CTestFrame* CTestFrame::Make()
{
    CTestFrame* pFrame = new CTestFrame;
    if (!pFrame->LoadFrame(IDR_TESTFRAME))
        return NULL;   // a frame that failed has deleted itself
    pFrame->SetWindowPos(NULL, 60, 60, 560, 420, SWP_NOZORDER | SWP_NOACTIVATE);
    pFrame->ShowWindow(SW_SHOW);
    pFrame->UpdateWindow();
    vt::Activate(pFrame->m_hWnd);
    vt::PumpPending();
    return pFrame;
}

FrameHolder::~FrameHolder()
{
    if (m_pFrame != NULL && ::IsWindow(m_pFrame->m_hWnd))
        m_pFrame->DestroyWindow();
    vt::PumpPending();
}

int CTestFrame::OnCreate(LPCREATESTRUCT lpcs)
{
    static const UINT indicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};
    if (CFrameWnd::OnCreate(lpcs) == -1 ||
        !m_wndToolBar.CreateEx(this, TBSTYLE_FLAT,
                               WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC) ||
        !m_wndToolBar.LoadToolBar(IDR_TESTFRAME) ||
        !m_wndStatusBar.Create(this) || !m_wndStatusBar.SetIndicators(indicators, 4) ||
        !m_wndDialogBar.Create(this, IDD_TESTDIALOGBAR, CBRS_BOTTOM | CBRS_TOOLTIPS | CBRS_FLYBY, AFX_IDW_DIALOGBAR) ||
        !m_wndPane.Create(NULL, NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, AFX_IDW_PANE_FIRST))
        return -1;
    m_wndToolBar.SetWindowText("Standard");
    m_wndToolBar.EnableDocking(CBRS_ALIGN_ANY);
    m_wndDialogBar.EnableDocking(CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM);
    EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&m_wndToolBar);
    DockControlBar(&m_wndDialogBar);
    return 0;
}

// After the frame and the application, the routed target gets its turn.
BOOL CTestFrame::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo) || m_routed.OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

bool CTestFrame::OpenMenu(UINT nID, int nPopup)
{
    m_nCaptureMenuFor = nID;
    m_strPromptWhileOpen.Empty();
    SetTimer(kMenuFailSafeTimer, kMenuFailSafeMs, NULL);
    vt::Activate(m_hWnd);
    QueueKeys({VK_F10});
    QueueKeys(std::vector<WORD>(nPopup, VK_RIGHT));
    QueueKeys({VK_DOWN});
    vt::PumpPending();
    return m_nCaptureMenuFor == 0;
}

void CTestFrame::OnEnterIdle(UINT nWhy, CWnd* pWho)
{
    CFrameWnd::OnEnterIdle(nWhy, pWho);
    if (nWhy != MSGF_MENU || m_nCaptureMenuFor == 0 || m_nIDLastMessage != m_nCaptureMenuFor)
        return;
    m_nCaptureMenuFor = 0;
    KillTimer(kMenuFailSafeTimer);
    m_strPromptWhileOpen = m_wndStatusBar.GetPaneText(0);
    ::EndMenu();
}

// Ends a menu the test could not capture, so a failure never hangs.
void CTestFrame::OnTimer(UINT nIDEvent)
{
    if (nIDEvent != kMenuFailSafeTimer)
        return CFrameWnd::OnTimer(nIDEvent);
    KillTimer(kMenuFailSafeTimer);
    ::EndMenu();
}

CRect CTestFrame::RectInClient(const CWnd* pWnd) const
{
    CRect rect;
    pWnd->GetWindowRect(&rect);
    ScreenToClient(&rect);
    return rect;
}

CPoint CTestFrame::ButtonCenter(UINT nID) const
{
    CRect rect;
    m_wndToolBar.GetItemRect(m_wndToolBar.CommandToIndex(nID), &rect);
    m_wndToolBar.ClientToScreen(&rect);
    return rect.CenterPoint();
}

// Inside the gripper strip at the start of a docked bar.
CPoint CTestFrame::GripperPoint(const CControlBar* pBar) const
{
    CRect rect;
    pBar->GetWindowRect(&rect);
    const int nIn = ::GetSystemMetrics(SM_CXBORDER) * 2 + 3;
    return pBar->m_dwStyle & CBRS_ORIENT_HORZ ? CPoint(rect.left + nIn, rect.CenterPoint().y) : CPoint(rect.CenterPoint().x, rect.top + nIn);
}

// ---------------------------------------------------------------- queued input
void QueueMouseButton(bool down)
{
    INPUT in = {INPUT_MOUSE};
    in.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    ::SendInput(1, &in, sizeof(in));
}

static void QueueKey(WORD vk, bool up)
{
    INPUT in = {INPUT_KEYBOARD};
    in.ki.wVk = vk;
    in.ki.wScan = (WORD)::MapVirtualKey(vk, 0);
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    ::SendInput(1, &in, sizeof(in));
}

void QueueKeys(std::vector<WORD> vks)
{
    for (WORD vk : vks) {
        QueueKey(vk, false);
        QueueKey(vk, true);
    }
}

void DragMouse(CPoint from, CPoint to, bool ctrl)
{
    vt::MoveCursor(from);
    if (ctrl)
        QueueKey(VK_CONTROL, false);
    QueueMouseButton(true);
    ::SetCursorPos((from.x + to.x) / 2, (from.y + to.y) / 2);
    ::SetCursorPos(to.x, to.y);
    QueueMouseButton(false);
    if (ctrl)
        QueueKey(VK_CONTROL, true);
    vt::PumpPending();
}

CString ShownPaneText(CStatusBar& bar, int nIndex)
{
    char text[128] = "";
    bar.SendMessage(SB_GETTEXT, (WPARAM)nIndex, (LPARAM)text);
    return text;
}
