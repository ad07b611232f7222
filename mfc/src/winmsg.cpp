// CWnd message routing: map lookup, dispatch by handler signature, commands,
// notifications and their reflection to child controls.
#include "mfcimpl.h"

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
    ON_WM_DRAWITEM()
    ON_WM_MEASUREITEM()
    ON_WM_CTLCOLOR()
    ON_WM_COMPAREITEM()
    ON_WM_DELETEITEM()
    ON_WM_CHARTOITEM()
    ON_WM_VKEYTOITEM()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
    ON_WM_PARENTNOTIFY()
    ON_WM_NCDESTROY()
END_MESSAGE_MAP()

// ---------------------------------------------------------------- lookup
const AFX_MSGMAP_ENTRY* AfxFindWindowMessage(const AFX_MSGMAP* pMessageMap, UINT message)
{
    for (; pMessageMap != NULL; pMessageMap = (*pMessageMap->pfnGetBaseMap)()) {
        const AFX_MSGMAP_ENTRY* lpEntry =
            CCmdTarget::FindMessageEntry((*pMessageMap->pfnGetEntries)(), message, 0, 0);
        if (lpEntry != NULL)
            return lpEntry;
    }
    return NULL;
}

namespace {

// Registered messages are matched through the UINT variable the entry points at.
const AFX_MSGMAP_ENTRY* FindRegisteredMessage(const AFX_MSGMAP* pMessageMap, UINT message)
{
    for (; pMessageMap != NULL; pMessageMap = (*pMessageMap->pfnGetBaseMap)()) {
        for (const AFX_MSGMAP_ENTRY* lpEntry = (*pMessageMap->pfnGetEntries)(); lpEntry->nSig != AfxSig_end; lpEntry++) {
            if (lpEntry->nMessage == 0xC000 && *(const UINT*)lpEntry->nSig == message)
                return lpEntry;
        }
    }
    return NULL;
}

}  // namespace

// ---------------------------------------------------------------- dispatch
// Calls a window-message handler with the message's arguments unpacked the
// way its signature wants them; returns FALSE when the handler declines.
BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT lResult = 0;

    if (message == WM_COMMAND) {
        if (!OnCommand(wParam, lParam))
            return FALSE;
        if (pResult != NULL)
            *pResult = 1;
        return TRUE;
    }
    if (message == WM_NOTIFY) {
        NMHDR* pNMHDR = (NMHDR*)lParam;
        if (pNMHDR->hwndFrom == NULL || !OnNotify(wParam, lParam, &lResult))
            return FALSE;
        if (pResult != NULL)
            *pResult = lResult;
        return TRUE;
    }

    // Every WM_CTLCOLORxxx reaches the one WM_CTLCOLOR handler.
    AFX_CTLCOLOR ctl;
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {
        ctl.hDC = (HDC)wParam;
        ctl.hWnd = (HWND)lParam;
        ctl.nCtlType = message - WM_CTLCOLORMSGBOX;
        message = WM_CTLCOLOR;
        wParam = 0;
        lParam = (LPARAM)&ctl;
    }

    const AFX_MSGMAP_ENTRY* lpEntry;
    if (message < 0xC000) {
        lpEntry = AfxFindWindowMessage(GetMessageMap(), message);
    } else {
        lpEntry = FindRegisteredMessage(GetMessageMap(), message);
        if (lpEntry != NULL) {
            lResult = (this->*reinterpret_cast<LRESULT (CWnd::*)(WPARAM, LPARAM)>(lpEntry->pfn))(wParam, lParam);
            if (pResult != NULL)
                *pResult = lResult;
            return TRUE;
        }
    }
    if (lpEntry == NULL)
        return FALSE;

#define AFX_CALL(type) (this->*reinterpret_cast<type>(lpEntry->pfn))
    switch (lpEntry->nSig) {
    case AfxSig_bD:
        lResult = AFX_CALL(BOOL (CWnd::*)(CDC*))(CDC::FromHandle((HDC)wParam));
        break;
    case AfxSig_bb:
        lResult = AFX_CALL(BOOL (CWnd::*)(BOOL))((BOOL)wParam);
        break;
    case AfxSig_bWww:
        lResult = AFX_CALL(BOOL (CWnd::*)(CWnd*, UINT, UINT))(
            CWnd::FromHandle((HWND)wParam), (UINT)(short)LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_hDWw: {
        // Stack stand-ins avoid a temporary object per colour query.
        AFX_CTLCOLOR* pCtl = (AFX_CTLCOLOR*)lParam;
        CDC dcTemp;
        dcTemp.m_hDC = dcTemp.m_hAttribDC = pCtl->hDC;
        CWnd wndTemp;
        wndTemp.m_hWnd = pCtl->hWnd;
        CWnd* pWnd = CWnd::FromHandlePermanent(pCtl->hWnd);
        if (pWnd == NULL)
            pWnd = &wndTemp;
        HBRUSH hbr = AFX_CALL(HBRUSH (CWnd::*)(CDC*, CWnd*, UINT))(&dcTemp, pWnd, pCtl->nCtlType);
        dcTemp.m_hDC = dcTemp.m_hAttribDC = NULL;
        wndTemp.m_hWnd = NULL;
        lResult = (LRESULT)hbr;
        break;
    }
    case AfxSig_hDw: {
        AFX_CTLCOLOR* pCtl = (AFX_CTLCOLOR*)lParam;
        CDC dcTemp;
        dcTemp.m_hDC = dcTemp.m_hAttribDC = pCtl->hDC;
        HBRUSH hbr = AFX_CALL(HBRUSH (CWnd::*)(CDC*, UINT))(&dcTemp, pCtl->nCtlType);
        dcTemp.m_hDC = dcTemp.m_hAttribDC = NULL;
        // No brush: the control leaves the colours to its parent.
        if (hbr == NULL)
            return FALSE;
        lResult = (LRESULT)hbr;
        break;
    }
    case AfxSig_iwWw:
        lResult = AFX_CALL(int (CWnd::*)(UINT, CListBox*, UINT))(
            LOWORD(wParam), (CListBox*)CWnd::FromHandle((HWND)lParam), HIWORD(wParam));
        break;
    case AfxSig_iWww:
        lResult = AFX_CALL(int (CWnd::*)(CWnd*, UINT, UINT))(
            CWnd::FromHandle((HWND)wParam), (UINT)(short)LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_is:
        lResult = AFX_CALL(int (CWnd::*)(LPCREATESTRUCT))((LPCREATESTRUCT)lParam);
        break;
    case AfxSig_lwl:
        lResult = AFX_CALL(LRESULT (CWnd::*)(WPARAM, LPARAM))(wParam, lParam);
        break;
    case AfxSig_vv:
        AFX_CALL(void (CWnd::*)())();
        break;
    case AfxSig_vw:
        AFX_CALL(void (CWnd::*)(UINT))((UINT)wParam);
        break;
    case AfxSig_vww:
        AFX_CALL(void (CWnd::*)(UINT, UINT))((UINT)wParam, (UINT)lParam);
        break;
    case AfxSig_vvii:
        AFX_CALL(void (CWnd::*)(int, int))((short)LOWORD(lParam), (short)HIWORD(lParam));
        break;
    case AfxSig_vwii:
        AFX_CALL(void (CWnd::*)(UINT, int, int))((UINT)wParam, LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_vwww:
        AFX_CALL(void (CWnd::*)(UINT, UINT, UINT))((UINT)wParam, LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_vwp:
        AFX_CALL(void (CWnd::*)(UINT, CPoint))((UINT)wParam, CPoint((DWORD)lParam));
        break;
    case AfxSig_bwsp:
        lResult = AFX_CALL(BOOL (CWnd::*)(UINT, short, CPoint))(
            LOWORD(wParam), (short)HIWORD(wParam), CPoint((DWORD)lParam));
        break;
    case AfxSig_vW:
        AFX_CALL(void (CWnd::*)(CWnd*))(CWnd::FromHandle((HWND)wParam));
        break;
    case AfxSig_vW2:
        AFX_CALL(void (CWnd::*)(CWnd*))(CWnd::FromHandle((HWND)lParam));
        break;
    case AfxSig_vWp:
        AFX_CALL(void (CWnd::*)(CWnd*, CPoint))(CWnd::FromHandle((HWND)wParam), CPoint((DWORD)lParam));
        break;
    case AfxSig_wp:
        lResult = AFX_CALL(UINT (CWnd::*)(CPoint))(CPoint((DWORD)lParam));
        break;
    case AfxSig_wv:
        lResult = AFX_CALL(UINT (CWnd::*)())();
        break;
    case AfxSig_vwWb:
        AFX_CALL(void (CWnd::*)(UINT, CWnd*, BOOL))(
            LOWORD(wParam), CWnd::FromHandle((HWND)lParam), (BOOL)HIWORD(wParam));
        break;
    case AfxSig_vbh:
        AFX_CALL(void (CWnd::*)(BOOL, HTASK))((BOOL)wParam, (HTASK)(ULONG_PTR)lParam);
        break;
    case AfxSig_vb:
        AFX_CALL(void (CWnd::*)(BOOL))((BOOL)wParam);
        break;
    case AfxSig_vbw:
        AFX_CALL(void (CWnd::*)(BOOL, UINT))((BOOL)wParam, (UINT)lParam);
        break;
    case AfxSig_vbp:
        AFX_CALL(void (CWnd::*)(BOOL, NCCALCSIZE_PARAMS*))((BOOL)wParam, (NCCALCSIZE_PARAMS*)lParam);
        break;
    case AfxSig_vPOS:
        AFX_CALL(void (CWnd::*)(WINDOWPOS*))((WINDOWPOS*)lParam);
        break;
    case AfxSig_vMMI:
        AFX_CALL(void (CWnd::*)(MINMAXINFO*))((MINMAXINFO*)lParam);
        break;
    case AfxSig_vws:
        AFX_CALL(void (CWnd::*)(UINT, LPCTSTR))((UINT)wParam, (LPCTSTR)lParam);
        break;
    case AfxSig_vOWNER:
        AFX_CALL(void (CWnd::*)(int, void*))((int)wParam, (void*)lParam);
        lResult = TRUE;
        break;
    case AfxSig_iis:
        lResult = AFX_CALL(int (CWnd::*)(int, LPCOMPAREITEMSTRUCT))((int)wParam, (LPCOMPAREITEMSTRUCT)lParam);
        break;
    case AfxSig_vs:
        AFX_CALL(void (CWnd::*)(void*))((void*)lParam);
        lResult = TRUE;
        break;
    case AfxSig_is2:
        lResult = AFX_CALL(int (CWnd::*)(LPCOMPAREITEMSTRUCT))((LPCOMPAREITEMSTRUCT)lParam);
        break;
    case AfxSig_vwwW:
        AFX_CALL(void (CWnd::*)(UINT, UINT, CScrollBar*))(
            LOWORD(wParam), HIWORD(wParam), (CScrollBar*)CWnd::FromHandle((HWND)lParam));
        break;
    case AfxSig_vwwx:
        AFX_CALL(void (CWnd::*)(UINT, UINT))(LOWORD(wParam), HIWORD(wParam));
        break;
    case AfxSig_vwl:
    case AfxSig_vwL:
        AFX_CALL(void (CWnd::*)(UINT, LPARAM))((UINT)wParam, lParam);
        break;
    case AfxSig_vwW:
        AFX_CALL(void (CWnd::*)(UINT, CWnd*))((UINT)wParam, CWnd::FromHandle((HWND)lParam));
        break;
    case AfxSig_bHELPINFO:
        lResult = AFX_CALL(BOOL (CWnd::*)(HELPINFO*))((HELPINFO*)lParam);
        break;
    case AfxSig_vSTYLE:
        AFX_CALL(void (CWnd::*)(int, LPSTYLESTRUCT))((int)wParam, (LPSTYLESTRUCT)lParam);
        break;
    case AfxSig_vDp:
        AFX_CALL(void (CWnd::*)(CDC*))(CDC::FromHandle((HDC)wParam));
        break;
    case AfxSig_hv:
        lResult = (LRESULT)AFX_CALL(HCURSOR (CWnd::*)())();
        break;
    case AfxSig_bv_msg:
        lResult = AFX_CALL(BOOL (CWnd::*)())();
        break;
    case AfxSig_vMENU:
        AFX_CALL(void (CWnd::*)(CMenu*))(CMenu::FromHandle((HMENU)wParam));
        break;
    case AfxSig_vMENUwb:
        AFX_CALL(void (CWnd::*)(CMenu*, UINT, BOOL))(CMenu::FromHandle((HMENU)wParam), LOWORD(lParam), (BOOL)HIWORD(lParam));
        break;
    case AfxSig_vwwh:
        AFX_CALL(void (CWnd::*)(UINT, UINT, HMENU))(LOWORD(wParam), HIWORD(wParam), (HMENU)lParam);
        break;
    default:
        return FALSE;
    }
#undef AFX_CALL

    if (pResult != NULL)
        *pResult = lResult;
    return TRUE;
}

// ---------------------------------------------------------------- commands and notifications
namespace {

// Collects what an update handler says about a menu or accelerator command.
class CTestCmdUI : public CCmdUI
{
public:
    CTestCmdUI() : m_bEnabled(TRUE) {}
    virtual void Enable(BOOL bOn) { m_bEnabled = bOn; m_bEnableChanged = TRUE; }
    virtual void SetCheck(int) {}
    virtual void SetRadio(BOOL) {}
    virtual void SetText(LPCTSTR) {}
    BOOL m_bEnabled;
};

}  // namespace

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT nID = LOWORD(wParam);
    HWND hWndCtrl = (HWND)lParam;
    int nCode = HIWORD(wParam);

    if (hWndCtrl == NULL) {
        // Menu or accelerator: a disabled command does nothing.
        if (nID == 0)
            return FALSE;
        CTestCmdUI state;
        state.m_nID = nID;
        OnCmdMsg(nID, (int)CN_UPDATE_COMMAND_UI, &state, NULL);
        if (!state.m_bEnabled)
            return TRUE;
        nCode = CN_COMMAND;
    } else {
        if (AfxGetThreadState()->m_hLockoutNotifyWindow == m_hWnd)
            return TRUE;
        // The control gets the first chance at its own notification.
        if (ReflectLastMsg(hWndCtrl))
            return TRUE;
        if (nID == 0)
            return FALSE;
    }
    return OnCmdMsg(nID, nCode, NULL, NULL);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* pNMHDR = (NMHDR*)lParam;
    HWND hWndCtrl = pNMHDR->hwndFrom;
    // The id comes from the sending window itself.
    UINT nID = (UINT)::GetDlgCtrlID(hWndCtrl);
    int nCode = (int)pNMHDR->code;

    if (AfxGetThreadState()->m_hLockoutNotifyWindow == m_hWnd)
        return TRUE;
    if (ReflectLastMsg(hWndCtrl, pResult))
        return TRUE;

    AFX_NOTIFY notify;
    notify.pResult = pResult;
    notify.pNMHDR = pNMHDR;
    return OnCmdMsg(nID, MAKELONG(nCode, WM_NOTIFY), &notify, NULL);
}

// ---------------------------------------------------------------- reflection
BOOL PASCAL CWnd::ReflectLastMsg(HWND hWndChild, LRESULT* pResult)
{
    CWnd* pWnd = FromHandlePermanent(hWndChild);
    if (pWnd == NULL)
        return FALSE;
    return pWnd->SendChildNotifyLastMsg(pResult);
}

BOOL CWnd::SendChildNotifyLastMsg(LRESULT* pResult)
{
    const MSG& msg = AfxGetThreadState()->m_lastSentMsg;
    return OnChildNotify(msg.message, msg.wParam, msg.lParam, pResult);
}

BOOL CWnd::OnChildNotify(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return ReflectChildNotify(uMsg, wParam, lParam, pResult);
}

// Offers a parent's notification to this control as message + WM_REFLECT_BASE.
BOOL CWnd::ReflectChildNotify(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    switch (uMsg) {
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_PARENTNOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_COMPAREITEM:
        return CWnd::OnWndMsg(WM_REFLECT_BASE + uMsg, wParam, lParam, pResult);

    case WM_COMMAND: {
        int nCode = HIWORD(wParam);
        if (CWnd::OnCmdMsg(0, MAKELONG(nCode, WM_REFLECT_BASE + WM_COMMAND), NULL, NULL)) {
            if (pResult != NULL)
                *pResult = 1;
            return TRUE;
        }
        break;
    }

    case WM_NOTIFY: {
        NMHDR* pNMHDR = (NMHDR*)lParam;
        AFX_NOTIFY notify;
        notify.pResult = pResult;
        notify.pNMHDR = pNMHDR;
        return CWnd::OnCmdMsg(0, MAKELONG((int)pNMHDR->code, WM_REFLECT_BASE + WM_NOTIFY), &notify, NULL);
    }

    default:
        if (uMsg >= WM_CTLCOLORMSGBOX && uMsg <= WM_CTLCOLORSTATIC) {
            AFX_CTLCOLOR ctl;
            ctl.hDC = (HDC)wParam;
            ctl.nCtlType = uMsg - WM_CTLCOLORMSGBOX;
            ctl.hWnd = (HWND)lParam;
            return CWnd::OnWndMsg(WM_REFLECT_BASE + WM_CTLCOLOR, 0, (LPARAM)&ctl, pResult);
        }
        break;
    }
    return FALSE;
}

// ---------------------------------------------------------------- owner-draw and colour defaults
// A parent that does not handle these itself lets the control answer.
void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (lpDrawItemStruct->CtlType != ODT_MENU && ReflectLastMsg(lpDrawItemStruct->hwndItem))
        return;
    Default();
}

void CWnd::OnMeasureItem(int, LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    if (lpMeasureItemStruct->CtlType != ODT_MENU) {
        HWND hWndChild = ::GetDlgItem(m_hWnd, (int)lpMeasureItemStruct->CtlID);
        if (hWndChild != NULL && ReflectLastMsg(hWndChild))
            return;
    }
    Default();
}

int CWnd::OnCompareItem(int, LPCOMPAREITEMSTRUCT lpCompareItemStruct)
{
    LRESULT lResult;
    if (ReflectLastMsg(lpCompareItemStruct->hwndItem, &lResult))
        return (int)lResult;
    return (int)Default();
}

void CWnd::OnDeleteItem(int, LPDELETEITEMSTRUCT lpDeleteItemStruct)
{
    if (ReflectLastMsg(lpDeleteItemStruct->hwndItem))
        return;
    Default();
}

int CWnd::OnCharToItem(UINT, CListBox* pWnd, UINT)
{
    LRESULT lResult;
    if (pWnd != NULL && ReflectLastMsg(pWnd->GetSafeHwnd(), &lResult))
        return (int)lResult;
    return (int)Default();
}

int CWnd::OnVKeyToItem(UINT, CListBox* pWnd, UINT)
{
    LRESULT lResult;
    if (pWnd != NULL && ReflectLastMsg(pWnd->GetSafeHwnd(), &lResult))
        return (int)lResult;
    return (int)Default();
}

HBRUSH CWnd::OnCtlColor(CDC*, CWnd* pWnd, UINT)
{
    LRESULT lResult;
    if (pWnd != NULL && ReflectLastMsg(pWnd->m_hWnd, &lResult))
        return (HBRUSH)lResult;
    return (HBRUSH)Default();
}

void CWnd::OnHScroll(UINT, UINT, CScrollBar* pScrollBar)
{
    if (pScrollBar != NULL && ReflectLastMsg(pScrollBar->GetSafeHwnd()))
        return;
    Default();
}

void CWnd::OnVScroll(UINT, UINT, CScrollBar* pScrollBar)
{
    if (pScrollBar != NULL && ReflectLastMsg(pScrollBar->GetSafeHwnd()))
        return;
    Default();
}

void CWnd::OnParentNotify(UINT message, LPARAM lParam)
{
    if ((LOWORD(message) == WM_CREATE || LOWORD(message) == WM_DESTROY) && ReflectLastMsg((HWND)lParam))
        return;
    Default();
}

BOOL PASCAL CWnd::GrayCtlColor(HDC hDC, HWND, UINT nCtlColor, HBRUSH hbrGray, COLORREF clrText)
{
    if (hDC == NULL || hbrGray == NULL)
        return FALSE;
    if (nCtlColor == CTLCOLOR_EDIT || nCtlColor == CTLCOLOR_LISTBOX || nCtlColor == CTLCOLOR_MSGBOX)
        return FALSE;
    ::SetBkMode(hDC, TRANSPARENT);
    if (clrText != (COLORREF)-1)
        ::SetTextColor(hDC, clrText);
    return TRUE;
}

// ---------------------------------------------------------------- pre-translation
BOOL CWnd::PreTranslateMessage(MSG* pMsg)
{
    if (m_nFlags & WF_TOOLTIPS)
        FilterToolTipMessage(pMsg);
    return FALSE;
}

// Offers the message to the target window's object and then to each parent's
// (owner's, for pop-ups), up to hWndStop; the first that consumes it ends the walk.
BOOL PASCAL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg)
{
    for (HWND hWnd = pMsg->hwnd; hWnd != NULL; hWnd = ::GetParent(hWnd)) {
        CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
        if (pWnd != NULL && pWnd->PreTranslateMessage(pMsg))
            return TRUE;
        if (hWnd == hWndStop)
            break;
    }
    return FALSE;
}

// Keyboard and mouse messages to this window or its children go through the
// dialog manager (tabbing, default buttons, mnemonics).
BOOL CWnd::PreTranslateInput(LPMSG lpMsg)
{
    if ((lpMsg->message < WM_KEYFIRST || lpMsg->message > WM_KEYLAST) &&
        (lpMsg->message < WM_MOUSEFIRST || lpMsg->message > WM_MOUSELAST))
        return FALSE;
    return IsDialogMessage(lpMsg);
}
