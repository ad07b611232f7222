// Command targets: routing commands and notifications through message maps; CCmdUI.
#include "mfcimpl.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

// The root of every message map chain.
const AFX_MSGMAP* PASCAL CCmdTarget::_GetBaseMessageMap()
{
    return NULL;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const
{
    return &CCmdTarget::messageMap;
}

const AFX_MSGMAP CCmdTarget::messageMap = {&CCmdTarget::_GetBaseMessageMap, &CCmdTarget::_GetMessageEntries};

const AFX_MSGMAP_ENTRY* PASCAL CCmdTarget::_GetMessageEntries()
{
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, AfxSig_end, (AFX_PMSG)0}};
    return entries;
}

CCmdTarget::CCmdTarget() {}
CCmdTarget::~CCmdTarget() {}

void CCmdTarget::BeginWaitCursor()
{
    ::SetCursor(::LoadCursor(NULL, IDC_WAIT));
}

void CCmdTarget::EndWaitCursor()
{
    ::SetCursor(::LoadCursor(NULL, IDC_ARROW));
}

void CCmdTarget::RestoreWaitCursor()
{
    BeginWaitCursor();
}

const AFX_MSGMAP_ENTRY* PASCAL CCmdTarget::FindMessageEntry(const AFX_MSGMAP_ENTRY* lpEntry, UINT nMsg, UINT nCode, UINT nID)
{
    for (; lpEntry->nSig != AfxSig_end; lpEntry++) {
        if (lpEntry->nMessage == nMsg && lpEntry->nCode == nCode &&
            nID >= lpEntry->nID && nID <= lpEntry->nLastID)
            return lpEntry;
    }
    return NULL;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // nCode carries the message in its high word (0 meaning WM_COMMAND) and
    // the notification code in its low word; the update request is whole.
    UINT nMsg = 0;
    UINT nCodeLow = (UINT)nCode;
    if ((UINT)nCode != CN_UPDATE_COMMAND_UI) {
        nMsg = HIWORD((DWORD)nCode);
        nCodeLow = LOWORD((DWORD)nCode);
    }
    if (nMsg == 0)
        nMsg = WM_COMMAND;

    for (const AFX_MSGMAP* pMessageMap = GetMessageMap(); pMessageMap != NULL;
         pMessageMap = (*pMessageMap->pfnGetBaseMap)()) {
        const AFX_MSGMAP_ENTRY* lpEntry = FindMessageEntry((*pMessageMap->pfnGetEntries)(), nMsg, nCodeLow, nID);
        if (lpEntry != NULL)
            return AfxDispatchCmdMsg(this, nID, (int)nCodeLow, lpEntry->pfn, pExtra, lpEntry->nSig, pHandlerInfo);
    }
    return FALSE;
}

BOOL AfxDispatchCmdMsg(CCmdTarget* pTarget, UINT nID, int, AFX_PMSG pfn, void* pExtra,
                       UINT_PTR nSig, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // Only asking whether a handler exists.
    if (pHandlerInfo != NULL) {
        pHandlerInfo->pTarget = pTarget;
        pHandlerInfo->pmf = pfn;
        return TRUE;
    }

#define AFX_CALL(type) (pTarget->*reinterpret_cast<type>(pfn))
    AFX_NOTIFY* pNotify = (AFX_NOTIFY*)pExtra;
    BOOL bResult = TRUE;
    switch (nSig) {
    case AfxSig_vv:
        AFX_CALL(void (CCmdTarget::*)())();
        break;
    case AfxSig_bv:
        bResult = AFX_CALL(BOOL (CCmdTarget::*)())();
        break;
    case AfxSig_vw:
        AFX_CALL(void (CCmdTarget::*)(UINT))(nID);
        break;
    case AfxSig_bw:
        bResult = AFX_CALL(BOOL (CCmdTarget::*)(UINT))(nID);
        break;
    case AfxSig_cmdui: {
        // A handler that calls ContinueRouting lets the next target update too.
        CCmdUI* pCmdUI = (CCmdUI*)pExtra;
        if (pCmdUI == NULL)
            return FALSE;
        AFX_CALL(void (CCmdTarget::*)(CCmdUI*))(pCmdUI);
        bResult = !pCmdUI->m_bContinueRouting;
        pCmdUI->m_bContinueRouting = FALSE;
        break;
    }
    case AfxSig_vNMHDRpl:
        if (pNotify == NULL)
            return FALSE;
        AFX_CALL(void (CCmdTarget::*)(NMHDR*, LRESULT*))(pNotify->pNMHDR, pNotify->pResult);
        break;
    case AfxSig_bNMHDRpl:
        if (pNotify == NULL)
            return FALSE;
        bResult = AFX_CALL(BOOL (CCmdTarget::*)(NMHDR*, LRESULT*))(pNotify->pNMHDR, pNotify->pResult);
        break;
    case AfxSig_vwNMHDRpl:
        if (pNotify == NULL)
            return FALSE;
        AFX_CALL(void (CCmdTarget::*)(UINT, NMHDR*, LRESULT*))(nID, pNotify->pNMHDR, pNotify->pResult);
        break;
    case AfxSig_bwNMHDRpl:
        if (pNotify == NULL)
            return FALSE;
        bResult = AFX_CALL(BOOL (CCmdTarget::*)(UINT, NMHDR*, LRESULT*))(nID, pNotify->pNMHDR, pNotify->pResult);
        break;
    default:
        return FALSE;
    }
#undef AFX_CALL
    return bResult;
}

// ---------------------------------------------------------------- CCmdUI
CCmdUI::CCmdUI()
    : m_nID(0), m_nIndex(0), m_pMenu(NULL), m_pSubMenu(NULL), m_pOther(NULL),
      m_bEnableChanged(FALSE), m_bContinueRouting(FALSE), m_nIndexMax(0), m_pParentMenu(NULL)
{
}

void CCmdUI::Enable(BOOL bOn)
{
    if (m_pMenu != NULL) {
        if (m_pSubMenu != NULL)
            return;
        ::EnableMenuItem(m_pMenu->m_hMenu, m_nIndex, MF_BYPOSITION | (bOn ? MF_ENABLED : (MF_DISABLED | MF_GRAYED)));
    } else if (m_pOther != NULL) {
        // Focus must not stay on a control that is being disabled.
        if (!bOn && ::GetFocus() == m_pOther->m_hWnd)
            ::SendMessage(::GetParent(m_pOther->m_hWnd), WM_NEXTDLGCTL, 0, FALSE);
        m_pOther->EnableWindow(bOn);
    }
    m_bEnableChanged = TRUE;
}

void CCmdUI::SetCheck(int nCheck)
{
    if (m_pMenu != NULL) {
        if (m_pSubMenu != NULL)
            return;
        ::CheckMenuItem(m_pMenu->m_hMenu, m_nIndex, MF_BYPOSITION | (nCheck ? MF_CHECKED : MF_UNCHECKED));
    } else if (m_pOther != NULL) {
        if (m_pOther->SendMessage(WM_GETDLGCODE) & DLGC_BUTTON)
            m_pOther->SendMessage(BM_SETCHECK, (WPARAM)nCheck);
    }
}

// Menu items get a radio bullet instead of a check mark; other items are
// checked as by SetCheck.
void CCmdUI::SetRadio(BOOL bOn)
{
    SetCheck(bOn ? 1 : 0);
    if (m_pMenu == NULL || m_pSubMenu != NULL)
        return;
    MENUITEMINFO mii;
    memset(&mii, 0, sizeof(mii));
    mii.cbSize = sizeof(mii);
    mii.fMask = MIIM_FTYPE;
    if (!::GetMenuItemInfo(m_pMenu->m_hMenu, m_nIndex, TRUE, &mii))
        return;
    mii.fType |= MFT_RADIOCHECK;
    ::SetMenuItemInfo(m_pMenu->m_hMenu, m_nIndex, TRUE, &mii);
}

void CCmdUI::SetText(LPCTSTR lpszText)
{
    if (m_pMenu != NULL) {
        if (m_pSubMenu != NULL)
            return;
        UINT nState = ::GetMenuState(m_pMenu->m_hMenu, m_nIndex, MF_BYPOSITION) & ~(MF_POPUP | 0xFF00);
        ::ModifyMenu(m_pMenu->m_hMenu, m_nIndex, MF_BYPOSITION | MF_STRING | nState, m_nID, lpszText);
    } else if (m_pOther != NULL) {
        // Unchanged text is not set again, which would repaint the control.
        CString strOld;
        m_pOther->GetWindowText(strOld);
        if (strOld != lpszText)
            m_pOther->SetWindowText(lpszText);
    }
}

BOOL CCmdUI::DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler)
{
    if (m_nID == 0 || LOWORD(m_nID) == 0xFFFF)
        return TRUE;   // ignore invalid ids
    m_bEnableChanged = FALSE;
    BOOL bResult = pTarget->OnCmdMsg(m_nID, (int)CN_UPDATE_COMMAND_UI, this, NULL);
    if (bDisableIfNoHndler && !m_bEnableChanged) {
        AFX_CMDHANDLERINFO info;
        info.pTarget = NULL;
        BOOL bHandler = pTarget->OnCmdMsg(m_nID, CN_COMMAND, this, &info);
        // A command nobody handles is shown disabled.
        if (!bHandler)
            Enable(FALSE);
    }
    return bResult;
}
