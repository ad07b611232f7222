// The test frame and the queued-input helpers of the frame tests.
#include "TestFrame.h"

BEGIN_MESSAGE_MAP(CRoutedTarget, CCmdTarget)
    ON_UPDATE_COMMAND_UI(ID_TEST_ROUTED, OnUpdateRouted)
END_MESSAGE_MAP()

void CRoutedTarget::OnUpdateRouted(CCmdUI* pCmdUI)
{
    m_nUpdates++;
    pCmdUI->Enable(FALSE);
}

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
    ON_COMMAND_RANGE(ID_TEST_PAL_FIRST, ID_TEST_PAL_FIRST + 8, OnCommandRecorded)
    ON_CBN_SELCHANGE(ID_TEST_COMBO, OnComboSelChange)
END_MESSAGE_MAP()

namespace {

const UINT kMenuFailSafeTimer = 77;
const UINT kMenuFailSafeMs = 3000;

}  // namespace

const CRect CTestFrame::kFrameRect(60, 60, 60 + 560, 60 + 420);

CTestFrame* CTestFrame::Make()
{
    CTestFrame* pFrame = new CTestFrame;
    if (!pFrame->LoadFrame(IDR_TESTFRAME))
        return NULL;   // a frame that failed has deleted itself
    pFrame->SetWindowPos(NULL, kFrameRect.left, kFrameRect.top, kFrameRect.Width(), kFrameRect.Height(),
                         SWP_NOZORDER | SWP_NOACTIVATE);
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
    if (CFrameWnd::OnCreate(lpcs) == -1)
        return -1;
    if (!m_wndToolBar.CreateEx(this, TBSTYLE_FLAT,
                               WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC) ||
        !m_wndToolBar.LoadToolBar(IDR_TESTFRAME))
        return -1;
    m_wndToolBar.SetWindowText("Standard");
    static const UINT indicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};
    if (!m_wndStatusBar.Create(this) || !m_wndStatusBar.SetIndicators(indicators, 4))
        return -1;
    if (!m_wndDialogBar.Create(this, IDD_TESTDIALOGBAR, CBRS_BOTTOM | CBRS_TOOLTIPS | CBRS_FLYBY, AFX_IDW_DIALOGBAR))
        return -1;
    if (!m_wndPane.Create(NULL, NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, AFX_IDW_PANE_FIRST))
        return -1;
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
    if (CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return m_routed.OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CTestFrame::ArmMenuCapture(UINT nID, int nPopup)
{
    m_nCaptureMenuFor = nID;
    m_nCapturePopup = nPopup;
    m_bMenuCaptured = false;
    m_menuStates.clear();
    m_menuTexts.clear();
    m_menuTypes.clear();
    SetTimer(kMenuFailSafeTimer, kMenuFailSafeMs, NULL);
}

void CTestFrame::OnEnterIdle(UINT nWhy, CWnd* pWho)
{
    CFrameWnd::OnEnterIdle(nWhy, pWho);
    if (nWhy != MSGF_MENU || m_nCaptureMenuFor == 0 || m_nIDLastMessage != m_nCaptureMenuFor)
        return;
    m_nCaptureMenuFor = 0;
    m_bMenuCaptured = true;
    KillTimer(kMenuFailSafeTimer);
    m_strPromptWhileOpen = m_wndStatusBar.GetPaneText(0);
    HMENU hPopup = ::GetSubMenu(::GetMenu(m_hWnd), m_nCapturePopup);
    for (int i = 0; i < ::GetMenuItemCount(hPopup); i++) {
        m_menuStates.push_back(::GetMenuState(hPopup, i, MF_BYPOSITION));
        char text[64] = "";
        ::GetMenuString(hPopup, i, text, sizeof(text), MF_BYPOSITION);
        m_menuTexts.push_back(text);
        MENUITEMINFO mii = {sizeof(mii), MIIM_FTYPE};
        ::GetMenuItemInfo(hPopup, i, TRUE, &mii);
        m_menuTypes.push_back(mii.fType);
    }
    ::EndMenu();
}

void CTestFrame::OpenMenuAndCapture(UINT nID, int nPopup)
{
    ArmMenuCapture(nID, nPopup);
    vt::Activate(m_hWnd);
    QueueKey(VK_F10, false);
    QueueKey(VK_F10, true);
    for (int i = 0; i < nPopup; i++) {
        QueueKey(VK_RIGHT, false);
        QueueKey(VK_RIGHT, true);
    }
    QueueKey(VK_DOWN, false);
    QueueKey(VK_DOWN, true);
    vt::PumpPending();
}

// Ends a menu the test could not capture, so a failure never hangs.
void CTestFrame::OnTimer(UINT nIDEvent)
{
    if (nIDEvent == kMenuFailSafeTimer) {
        KillTimer(kMenuFailSafeTimer);
        ::EndMenu();
        return;
    }
    CFrameWnd::OnTimer(nIDEvent);
}

void CTestFrame::OnAlpha()
{
    m_nAlpha++;
}

void CTestFrame::OnCommandRecorded(UINT nID)
{
    m_commands.push_back(nID);
}

void CTestFrame::OnUpdateBeta(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_bBetaEnabled);
}

void CTestFrame::OnUpdateGamma(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_nGammaCheck);
}

void CTestFrame::OnUpdateDelta(CCmdUI* pCmdUI)
{
    pCmdUI->SetRadio(m_bDeltaRadio);
}

void CTestFrame::OnUpdateText(CCmdUI* pCmdUI)
{
    pCmdUI->SetText(m_strText);
}

void CTestFrame::OnUpdateRouted(CCmdUI* pCmdUI)
{
    if (m_bRoutedContinues)
        pCmdUI->ContinueRouting();
}

void CTestFrame::OnUpdateRange(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(pCmdUI->m_nID != m_nRangeDisabled);
}

void CTestFrame::OnComboSelChange()
{
    m_nComboSelChanges++;
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
    CPoint point = rect.CenterPoint();
    m_wndToolBar.ClientToScreen(&point);
    return point;
}

// Inside the gripper strip at the start of a docked bar.
CPoint CTestFrame::GripperPoint(const CControlBar* pBar) const
{
    CRect rect;
    pBar->GetWindowRect(&rect);
    int nIn = ::GetSystemMetrics(SM_CXBORDER) * 2 + 3;
    if (pBar->m_dwStyle & CBRS_ORIENT_HORZ)
        return CPoint(rect.left + nIn, rect.CenterPoint().y);
    return CPoint(rect.CenterPoint().x, rect.top + nIn);
}

// ---------------------------------------------------------------- queued input
void QueueMouseMove(CPoint screen)
{
    ::SetCursorPos(screen.x, screen.y);
}

void QueueMouseButton(bool down)
{
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    ::SendInput(1, &in, sizeof(in));
}

void QueueKey(WORD vk, bool up)
{
    INPUT in = {};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = (WORD)::MapVirtualKey(vk, 0);
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    ::SendInput(1, &in, sizeof(in));
}

void DragMouse(CPoint from, CPoint to, bool ctrl)
{
    vt::MoveCursor(from);
    if (ctrl)
        QueueKey(VK_CONTROL, false);
    QueueMouseButton(true);
    QueueMouseMove(CPoint((from.x + to.x) / 2, (from.y + to.y) / 2));
    QueueMouseMove(to);
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
