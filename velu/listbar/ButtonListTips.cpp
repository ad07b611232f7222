// ButtonListTips.cpp - CButtonListBar's tools for MFC's tool tips: hit-testing and the tip texts.
#include "listbar/VeluListBar.h"

#include <stdlib.h>
#include <string.h>

namespace
{
int FillTool(TOOLINFO* pTI, HWND hWnd, UINT nId, const RECT& rc)
{
    pTI->hwnd = hWnd;
    pTI->uId = nId;
    pTI->rect = rc;
    pTI->lpszText = LPSTR_TEXTCALLBACK;
    pTI->uFlags = (pTI->uFlags & ~TTF_IDISHWND) | TTF_ALWAYSTIP;
    return static_cast<int>(nId);
}
}

// Arrows have no tip; a group button's tool id is kListGroupToolBase + the
// group, a button's is its index.
int CButtonListBar::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    if (ScrollItemFromPt(point) != kListNoArrow)
        return -1;
    RECT rc;
    const int nGroup = GroupButtonFromPt(point);
    if (nGroup >= 0)
    {
        GetGroupButtonRect(nGroup, &rc);
        return FillTool(pTI, m_hWnd, kListGroupToolBase + nGroup, rc);
    }
    const int nPosition = ItemFromPt(point);
    if (nPosition < 0)
        return -1;
    GetItemRect(nPosition, &rc);
    const int nIndex = m_bGroupsEnabled ? m_groups[m_nCurSelGroup].nMembers[nPosition] : nPosition;
    if (nIndex < 0)
        return -1;
    return FillTool(pTI, m_hWnd, nIndex, rc);
}

// The tip's text requests come from the tip control with the tool id as
// wParam; they reach the handlers with that id rather than the control's.
BOOL CButtonListBar::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
    if (pNMHDR->code != TTN_NEEDTEXTA && pNMHDR->code != TTN_NEEDTEXTW)
        return CWnd::OnNotify(wParam, lParam, pResult);
    if (AfxGetThreadState()->m_hLockoutNotifyWindow == m_hWnd)
        return TRUE;
    if (CWnd::ReflectLastMsg(pNMHDR->hwndFrom, pResult))
        return TRUE;
    AFX_NOTIFY notify;
    notify.pResult = pResult;
    notify.pNMHDR = pNMHDR;
    return OnCmdMsg(static_cast<UINT>(wParam), MAKELONG(pNMHDR->code, WM_NOTIFY), &notify, NULL);
}

// A button's tip, else its caption; a group's tip, else its name. NULL for
// an id that names neither.
const char* CButtonListBar::ToolText(UINT nId) const
{
    if (nId < kListGroupToolBase)
    {
        if (m_pButtons == NULL || static_cast<int>(nId) >= m_nCount)
            return NULL;
        const BUTTONLISTITEM& button = m_pButtons[nId];
        return button.szToolTip[0] != '\0' ? button.szToolTip : button.szText;
    }
    const UINT nGroup = nId - kListGroupToolBase;
    if (nGroup >= static_cast<UINT>(kListMaxGroups))
        return NULL;
    const BUTTONLISTITEM& group = m_groups[nGroup].item;
    return group.szToolTip[0] != '\0' ? group.szToolTip : group.szText;
}

// Texts are at most 64 bytes, so they fit the notification's own buffer.
BOOL CButtonListBar::OnNeedToolTextA(UINT nId, NMHDR* pNMHDR, LRESULT* pResult)
{
    const char* pszText = ToolText(nId);
    if (pszText == NULL)
        return FALSE;
    NMTTDISPINFOA* pInfo = reinterpret_cast<NMTTDISPINFOA*>(pNMHDR);
    strcpy(pInfo->szText, pszText);
    *pResult = 0;
    return TRUE;
}

BOOL CButtonListBar::OnNeedToolTextW(UINT nId, NMHDR* pNMHDR, LRESULT* pResult)
{
    const char* pszText = ToolText(nId);
    if (pszText == NULL)
        return FALSE;
    NMTTDISPINFOW* pInfo = reinterpret_cast<NMTTDISPINFOW*>(pNMHDR);
    mbstowcs(pInfo->szText, pszText, strlen(pszText) + 1);
    *pResult = 0;
    return TRUE;
}
