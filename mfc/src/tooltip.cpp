// Automatic tool tips of CWnd: one tip control per thread, fed by OnToolHitTest.
#include "mfcimpl.h"

namespace {

// The window-wide "dead area" tool that keeps the tip control tracking the
// mouse between real tools.
void FillWindowTool(TOOLINFO& ti, HWND hWnd)
{
    memset(&ti, 0, sizeof(TOOLINFO));
    ti.cbSize = sizeof(TOOLINFO);
    ti.uFlags = TTF_IDISHWND;
    ti.hwnd = hWnd;
    ti.uId = (UINT_PTR)hWnd;
}

// The nearest window from the message's target up that has tool tips on.
CWnd* ToolTipWindowFor(HWND hWndTarget)
{
    for (HWND hWnd = hWndTarget; hWnd != NULL; hWnd = ::GetParent(hWnd)) {
        CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
        if (pWnd != NULL && (pWnd->m_nFlags & WF_TOOLTIPS))
            return pWnd;
    }
    return NULL;
}

// The thread's tip control, owned by pOwner; remade when the owner changes
// or the control died with its previous owner.
CToolTipCtrl* ThreadToolTip(CWnd* pOwner)
{
    _AFX_THREAD_STATE* pThreadState = AfxGetThreadState();
    CToolTipCtrl* pToolTip = pThreadState->m_pToolTip;
    if (pToolTip != NULL && (pToolTip->m_hWnd == NULL || pToolTip->GetOwner() != pOwner)) {
        delete pToolTip;
        pThreadState->m_pToolTip = NULL;
        pThreadState->m_pLastHit = NULL;
        pThreadState->m_nLastHit = -1;
        memset(&pThreadState->m_lastInfo, 0, sizeof(TOOLINFO));
        pToolTip = NULL;
    }
    if (pToolTip == NULL) {
        pToolTip = new CToolTipCtrl;
        if (!pToolTip->Create(pOwner, TTS_ALWAYSTIP)) {
            delete pToolTip;
            return NULL;
        }
        pToolTip->SendMessage(TTM_ACTIVATE, FALSE);
        pThreadState->m_pToolTip = pToolTip;
    }
    return pToolTip;
}

}  // namespace

BOOL CWnd::EnableToolTips(BOOL bEnable)
{
    if (bEnable) {
        m_nFlags |= WF_TOOLTIPS;
        return TRUE;
    }
    if (!(m_nFlags & WF_TOOLTIPS))
        return TRUE;
    _AFX_THREAD_STATE* pThreadState = AfxGetThreadState();
    if (pThreadState->m_pLastHit == this)
        CancelToolTips(TRUE);
    CToolTipCtrl* pToolTip = pThreadState->m_pToolTip;
    if (pToolTip != NULL && pToolTip->m_hWnd != NULL) {
        TOOLINFO ti;
        FillWindowTool(ti, m_hWnd);
        pToolTip->SendMessage(TTM_DELTOOL, 0, (LPARAM)&ti);
        if (pThreadState->m_lastInfo.cbSize != 0 && pThreadState->m_lastInfo.hwnd == m_hWnd)
            pToolTip->SendMessage(TTM_DELTOOL, 0, (LPARAM)&pThreadState->m_lastInfo);
    }
    if (pThreadState->m_lastInfo.hwnd == m_hWnd)
        memset(&pThreadState->m_lastInfo, 0, sizeof(TOOLINFO));
    m_nFlags &= ~WF_TOOLTIPS;
    return TRUE;
}

void PASCAL CWnd::CancelToolTips(BOOL)
{
    _AFX_THREAD_STATE* pThreadState = AfxGetThreadState();
    CToolTipCtrl* pToolTip = pThreadState->m_pToolTip;
    if (pToolTip != NULL && pToolTip->m_hWnd != NULL)
        pToolTip->SendMessage(TTM_ACTIVATE, FALSE);
    pThreadState->m_nLastHit = -1;
    pThreadState->m_pLastHit = NULL;
}

BOOL CWnd::IsTopParentActive() const
{
    CWnd* pWndTopLevel = GetTopLevelParent();
    if (pWndTopLevel == NULL)
        return FALSE;
    return ::GetForegroundWindow() == ::GetLastActivePopup(pWndTopLevel->m_hWnd);
}

// Mouse moves and button releases find the tool under the mouse and hand it
// to the tip control; keys and clicks hide the tip.
void CWnd::FilterToolTipMessage(MSG* pMsg)
{
    if (ToolTipWindowFor(pMsg->hwnd) != this)
        return;   // a nearer window handles its own tips
    UINT message = pMsg->message;
    BOOL bMouseRelease = message == WM_MOUSEMOVE || message == WM_NCMOUSEMOVE || message == WM_LBUTTONUP ||
                         message == WM_RBUTTONUP || message == WM_MBUTTONUP;
    BOOL bButtonsUp = ::GetKeyState(VK_LBUTTON) >= 0 && ::GetKeyState(VK_RBUTTON) >= 0 && ::GetKeyState(VK_MBUTTON) >= 0;
    if (!(bMouseRelease && bButtonsUp)) {
        BOOL bKeys = (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
                     (message >= WM_SYSKEYDOWN && message <= WM_SYSDEADCHAR);
        if (bKeys || message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK || message == WM_RBUTTONDOWN ||
            message == WM_RBUTTONDBLCLK || message == WM_MBUTTONDOWN || message == WM_MBUTTONDBLCLK ||
            message == WM_NCLBUTTONDOWN || message == WM_NCRBUTTONDOWN || message == WM_NCMBUTTONDOWN)
            CancelToolTips(bKeys);
        return;
    }

    _AFX_THREAD_STATE* pThreadState = AfxGetThreadState();
    CToolTipCtrl* pToolTip = ThreadToolTip(GetParentOwner());
    if (pToolTip == NULL)
        return;
    TOOLINFO ti;
    FillWindowTool(ti, m_hWnd);
    if (!pToolTip->SendMessage(TTM_GETTOOLINFO, 0, (LPARAM)&ti))
        pToolTip->SendMessage(TTM_ADDTOOL, 0, (LPARAM)&ti);

    CPoint point = pMsg->pt;
    ::ScreenToClient(m_hWnd, &point);
    TOOLINFO tiHit;
    memset(&tiHit, 0, sizeof(TOOLINFO));
    tiHit.cbSize = sizeof(TOOLINFO);
    int nHit = OnToolHitTest(point, &tiHit);

    CWnd* pHitWnd = nHit == -1 ? NULL : this;
    if (pThreadState->m_nLastHit != nHit || pThreadState->m_pLastHit != pHitWnd) {
        if (nHit != -1) {
            ti = tiHit;
            pToolTip->SendMessage(TTM_ADDTOOL, 0, (LPARAM)&ti);
            if ((tiHit.uFlags & TTF_ALWAYSTIP) || IsTopParentActive()) {
                pToolTip->SendMessage(TTM_ACTIVATE, TRUE);
                ::SetWindowPos(pToolTip->m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOACTIVATE | SWP_NOSIZE | SWP_NOMOVE);
            }
        } else {
            pToolTip->SendMessage(TTM_ACTIVATE, FALSE);
        }
        // Relay before the old tool goes, so the control sees the change.
        pToolTip->SendMessage(TTM_RELAYEVENT, 0, (LPARAM)pMsg);
        if (pThreadState->m_lastInfo.cbSize != 0)
            pToolTip->SendMessage(TTM_DELTOOL, 0, (LPARAM)&pThreadState->m_lastInfo);
        pThreadState->m_pLastHit = pHitWnd;
        pThreadState->m_nLastHit = nHit;
        pThreadState->m_lastInfo = tiHit;
        pThreadState->m_lastInfo.lpszText = NULL;
    } else if (nHit != -1) {
        pToolTip->SendMessage(TTM_RELAYEVENT, 0, (LPARAM)pMsg);
    }
    // Texts other than the call-back marker were allocated by OnToolHitTest.
    if (tiHit.lpszText != LPSTR_TEXTCALLBACK && tiHit.hinst == NULL)
        free(tiHit.lpszText);
}
