// ButtonListLayout.cpp - CButtonListBar's geometry: group buttons, buttons and scroll arrows, and the hit tests.
// Nothing is cached: each rectangle comes from the model, the client area and the font, so painting and hit-testing agree.
#include "listbar/VeluListBar.h"

#include <string.h>

/////////////////////////////////////////////////////////////////////////////
// Measures

void CButtonListBar::GetClientArea(RECT* pRect) const
{
    ::SetRectEmpty(pRect);
    if (m_hWnd != NULL)
        ::GetClientRect(m_hWnd, pRect);
}

// The font's height with its internal leading counted once more, as the
// layout has always measured it.
int CButtonListBar::GetTextHeight(HDC hDC) const
{
    TEXTMETRICA tm;
    if (!::GetTextMetricsA(hDC, &tm))
        return kListDefaultTextHeight;
    return tm.tmHeight + tm.tmInternalLeading;
}

int CButtonListBar::GetContentHeight(HDC hDC) const
{
    const int nImage = m_nDisplayMode == kListTextOnly ? 0 : kListImageBox;
    const int nText = m_nDisplayMode == kListImageOnly ? 0 : GetTextHeight(hDC);
    return nImage + nText;
}

int CButtonListBar::GetGroupButtonWidth(HDC hDC, int nGroup) const
{
    const char* pszName = m_groups[nGroup].item.szText;
    SIZE size = { 0, 0 };
    if (pszName[0] == '\0' || !::GetTextExtentPoint32A(hDC, pszName, static_cast<int>(strlen(pszName)), &size))
        size.cx = 0;
    const int nWidth = size.cx + kListGroupNamePadding;
    return nWidth < kListGroupMaxWidth ? nWidth : kListGroupMaxWidth;
}

// Horizontal buttons are as wide as their caption or image box, whichever is wider, plus padding.
int CButtonListBar::GetButtonWidth(HDC hDC, int nIndex) const
{
    int nContent = 0;
    if (m_nDisplayMode != kListImageOnly && nIndex >= 0)
    {
        const char* pszText = m_pButtons[nIndex].szText;
        SIZE size = { 0, 0 };
        if (pszText[0] != '\0' && ::GetTextExtentPoint32A(hDC, pszText, static_cast<int>(strlen(pszText)), &size))
            nContent = size.cx;
    }
    if (m_nDisplayMode != kListTextOnly && nContent < kListImageBox)
        nContent = kListImageBox;
    const int nWidth = nContent + kListButtonPadding;
    return nWidth < kListButtonMaxWidth ? nWidth : kListButtonMaxWidth;
}

/////////////////////////////////////////////////////////////////////////////
// Group buttons: stacked rows from the top when vertical, side by side from
// the left when horizontal; the groups area runs one pixel past the last.

BOOL CButtonListBar::GetGroupButtonRect(HDC hDC, int nGroup, RECT* pRect) const
{
    ::SetRectEmpty(pRect);
    if (nGroup < 0 || nGroup >= GetGroups())
        return FALSE;
    RECT rcClient;
    GetClientArea(&rcClient);
    if (m_nOrientation != kListHorizontal)
    {
        const int nThickness = GetTextHeight(hDC) + kListGroupPadding;
        ::SetRect(pRect, 0, nGroup * nThickness, rcClient.right, (nGroup + 1) * nThickness);
        return TRUE;
    }
    int x = 0;
    for (int g = 0; g < nGroup; ++g)
        x += GetGroupButtonWidth(hDC, g);
    ::SetRect(pRect, x, rcClient.top, x + GetGroupButtonWidth(hDC, nGroup), rcClient.bottom);
    return TRUE;
}

int CButtonListBar::GetGroupsRect(HDC hDC, RECT* pRect) const
{
    ::SetRectEmpty(pRect);
    const int nGroups = GetGroups();
    if (nGroups == 0)
        return 0;
    GetClientArea(pRect);
    if (m_nOrientation != kListHorizontal)
    {
        pRect->bottom = pRect->top + nGroups * (GetTextHeight(hDC) + kListGroupPadding) + 1;
        return nGroups;
    }
    int nWidth = 0;
    for (int g = 0; g < nGroups; ++g)
        nWidth += GetGroupButtonWidth(hDC, g);
    pRect->right = pRect->left + nWidth + 1;
    return nGroups;
}

/////////////////////////////////////////////////////////////////////////////
// Buttons: from the first shown position on, after the groups area and,
// while it shows, the leading arrow; laid out past the far edge too.

BOOL CButtonListBar::GetItemRect(HDC hDC, int nPosition, RECT* pRect) const
{
    ::SetRectEmpty(pRect);
    if (nPosition < 0 || nPosition >= GetGroupCommandCount(-1))
        return FALSE;
    int nLead = HasLeadingArrow() ? kListArrowBand : 0;
    RECT rcGroups;
    if (GetGroupsRect(hDC, &rcGroups) > 0)
        nLead += m_nOrientation != kListHorizontal ? rcGroups.bottom - rcGroups.top
                                                   : rcGroups.right - rcGroups.left;
    if (nPosition < m_nFirstShown)
        return FALSE;

    RECT rcClient;
    GetClientArea(&rcClient);
    const int nContent = GetContentHeight(hDC);
    const int nHeight = nContent + kListButtonExtra;
    if (m_nOrientation != kListHorizontal)
    {
        const int y = nLead + (nPosition - m_nFirstShown) * nHeight;
        ::SetRect(pRect, 0, y, rcClient.right, y + nHeight);
        return TRUE;
    }
    int x = nLead;
    for (int p = m_nFirstShown; p < nPosition; ++p)
        x += GetButtonWidth(hDC, ButtonOfPosition(p));
    const int nTop = (rcClient.bottom - nContent - rcClient.top) / 2 - kListButtonExtra / 2;
    ::SetRect(pRect, x, nTop, x + GetButtonWidth(hDC, ButtonOfPosition(nPosition)), nTop + nHeight);
    return TRUE;
}

// The forms without a DC measure in a client DC of the bar; without a window
// nothing is laid out.
BOOL CButtonListBar::GetGroupButtonRect(int nGroup, RECT* pRect) const
{
    ::SetRectEmpty(pRect);
    if (m_hWnd == NULL)
        return FALSE;
    HDC hDC = ::GetDC(m_hWnd);
    HGDIOBJ hOldFont = ::SelectObject(hDC, g_fontShared10.GetSafeHandle());
    const BOOL bResult = GetGroupButtonRect(hDC, nGroup, pRect);
    ::SelectObject(hDC, hOldFont);
    ::ReleaseDC(m_hWnd, hDC);
    return bResult;
}

int CButtonListBar::GetGroupsRect(RECT* pRect) const
{
    ::SetRectEmpty(pRect);
    if (m_hWnd == NULL)
        return 0;
    HDC hDC = ::GetDC(m_hWnd);
    HGDIOBJ hOldFont = ::SelectObject(hDC, g_fontShared10.GetSafeHandle());
    const int nGroups = GetGroupsRect(hDC, pRect);
    ::SelectObject(hDC, hOldFont);
    ::ReleaseDC(m_hWnd, hDC);
    return nGroups;
}

BOOL CButtonListBar::GetItemRect(int nPosition, RECT* pRect) const
{
    ::SetRectEmpty(pRect);
    if (m_hWnd == NULL)
        return FALSE;
    HDC hDC = ::GetDC(m_hWnd);
    HGDIOBJ hOldFont = ::SelectObject(hDC, g_fontShared10.GetSafeHandle());
    const BOOL bResult = GetItemRect(hDC, nPosition, pRect);
    ::SelectObject(hDC, hOldFont);
    ::ReleaseDC(m_hWnd, hDC);
    return bResult;
}

/////////////////////////////////////////////////////////////////////////////
// Scroll arrows: bands at both ends of the button run, only with 2 buttons or more.

BOOL CButtonListBar::HasLeadingArrow() const
{
    return m_nFirstShown > 0 || m_nHotArrow == kListLeadingArrow;
}

// The trailing arrow shows once a painting found a button reaching the far
// edge and more follow it, or that last button is cut by the edge.
BOOL CButtonListBar::HasTrailingArrow(HDC hDC, BOOL bCountHot) const
{
    if (bCountHot && m_nHotArrow == kListTrailingArrow)
        return TRUE;
    const int nEdge = m_nEdgePos;
    const int nCount = GetGroupCommandCount(-1);
    if (nEdge < 0)
        return FALSE;
    if (nEdge + 1 < nCount)
        return TRUE;
    if (nEdge != nCount - 1)
        return FALSE;
    RECT rcClient, rcItem;
    GetClientArea(&rcClient);
    GetItemRect(hDC, nEdge, &rcItem);
    return m_nOrientation != kListHorizontal ? rcItem.bottom >= rcClient.bottom
                                             : rcItem.right >= rcClient.right;
}

void CButtonListBar::GetArrowRect(HDC hDC, int nArrow, RECT* pRect) const
{
    RECT rcClient, rcGroups;
    GetClientArea(&rcClient);
    GetGroupsRect(hDC, &rcGroups);
    *pRect = rcClient;
    const BOOL bVertical = m_nOrientation != kListHorizontal;
    if (nArrow == kListLeadingArrow && bVertical)
    {
        pRect->top = rcClient.top + (rcGroups.bottom - rcGroups.top);
        pRect->bottom = pRect->top + kListArrowBand;
    }
    else if (nArrow == kListLeadingArrow)
    {
        pRect->left = rcClient.left + (rcGroups.right - rcGroups.left);
        pRect->right = pRect->left + kListArrowBand;
    }
    else if (bVertical)
        pRect->top = rcClient.bottom - kListArrowBand;
    else
        pRect->left = rcClient.right - kListArrowBand;
}

/////////////////////////////////////////////////////////////////////////////
// Hit tests (client coordinates; right and bottom edges lie outside); they
// find nothing without a window.

int CButtonListBar::ScrollItemFromPt(POINT pt) const
{
    if (m_hWnd == NULL || GetGroupCommandCount(-1) < 2)
        return kListNoArrow;
    HDC hDC = ::GetDC(m_hWnd);
    HGDIOBJ hOldFont = ::SelectObject(hDC, g_fontShared10.GetSafeHandle());
    int nArrow = kListNoArrow;
    RECT rc;
    GetArrowRect(hDC, kListLeadingArrow, &rc);
    if (HasLeadingArrow() && ::PtInRect(&rc, pt))
        nArrow = kListLeadingArrow;
    else
    {
        GetArrowRect(hDC, kListTrailingArrow, &rc);
        if (HasTrailingArrow(hDC, TRUE) && ::PtInRect(&rc, pt))
            nArrow = kListTrailingArrow;
    }
    ::SelectObject(hDC, hOldFont);
    ::ReleaseDC(m_hWnd, hDC);
    return nArrow;
}

int CButtonListBar::GroupButtonFromPt(POINT pt) const
{
    const int nGroups = GetGroups();
    if (m_hWnd == NULL || nGroups == 0)
        return -1;
    HDC hDC = ::GetDC(m_hWnd);
    HGDIOBJ hOldFont = ::SelectObject(hDC, g_fontShared10.GetSafeHandle());
    int nHit = -1;
    for (int g = 0; g < nGroups && nHit < 0; ++g)
    {
        RECT rc;
        GetGroupButtonRect(hDC, g, &rc);
        if (::PtInRect(&rc, pt))
            nHit = g;
    }
    ::SelectObject(hDC, hOldFont);
    ::ReleaseDC(m_hWnd, hDC);
    return nHit;
}

// Arrows and group buttons are not excluded: callers ask about those first.
int CButtonListBar::ItemFromPt(POINT pt) const
{
    const int nCount = GetGroupCommandCount(-1);
    if (m_hWnd == NULL || nCount == 0)
        return -1;
    HDC hDC = ::GetDC(m_hWnd);
    HGDIOBJ hOldFont = ::SelectObject(hDC, g_fontShared10.GetSafeHandle());
    int nHit = -1;
    for (int p = m_nFirstShown; p < nCount && nHit < 0; ++p)
    {
        RECT rc;
        GetItemRect(hDC, p, &rc);
        if (::PtInRect(&rc, pt))
            nHit = p;
    }
    ::SelectObject(hDC, hOldFont);
    ::ReleaseDC(m_hWnd, hDC);
    return nHit;
}
