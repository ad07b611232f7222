// ButtonListPaint.cpp - CButtonListBar's painting: background, buttons, group buttons and scroll arrows.
#include "listbar/VeluListBar.h"

/////////////////////////////////////////////////////////////////////////////
// Whole bar

void CButtonListBar::OnDraw(CDC* pDC)
{
    HDC hDC = pDC->GetSafeHdc();
    EraseBkgnd(hDC);

    const int nSaved = ::SaveDC(hDC);
    HGDIOBJ hOldFont = ::SelectObject(hDC, g_fontShared10.GetSafeHandle());
    RECT rcClient;
    GetClientArea(&rcClient);
    ::IntersectClipRect(hDC, rcClient.left, rcClient.top, rcClient.right, rcClient.bottom);

    const int nCount = GetGroupCommandCount(-1);
    for (int p = m_nFirstShown; p < nCount; ++p)
        DrawItem(hDC, p);
    // Both lie on top of the buttons.
    DrawGroups(hDC);
    DrawScrollBar(hDC);

    ::SelectObject(hDC, hOldFont);
    ::RestoreDC(hDC, nSaved);
}

void CButtonListBar::EraseBkgnd(HDC hDC)
{
    RECT rcClient;
    GetClientArea(&rcClient);
    ::FillRect(hDC, &rcClient, m_hBrushBackground);
}

/////////////////////////////////////////////////////////////////////////////
// Frames: four one-pixel lines, top and left in the first colour, right and
// bottom in the second.

void CButtonListBar::DrawFrame(HDC hDC, const RECT& rc, COLORREF crFirst, COLORREF crSecond)
{
    const COLORREF crOld = ::SetBkColor(hDC, crFirst);
    RECT rcLine;
    ::SetRect(&rcLine, rc.left, rc.top, rc.right - 1, rc.top + 1);
    ::ExtTextOutA(hDC, 0, 0, ETO_OPAQUE, &rcLine, "", 0, NULL);
    ::SetRect(&rcLine, rc.left, rc.top, rc.left + 1, rc.bottom - 1);
    ::ExtTextOutA(hDC, 0, 0, ETO_OPAQUE, &rcLine, "", 0, NULL);
    ::SetBkColor(hDC, crSecond);
    ::SetRect(&rcLine, rc.right - 1, rc.top, rc.right, rc.bottom);
    ::ExtTextOutA(hDC, 0, 0, ETO_OPAQUE, &rcLine, "", 0, NULL);
    ::SetRect(&rcLine, rc.left, rc.bottom - 1, rc.right, rc.bottom);
    ::ExtTextOutA(hDC, 0, 0, ETO_OPAQUE, &rcLine, "", 0, NULL);
    ::SetBkColor(hDC, crOld);
}

void CButtonListBar::DrawRaisedOrSunken(HDC hDC, const RECT& rc, BOOL bSunken)
{
    const COLORREF crLight = ::GetSysColor(COLOR_WINDOW);
    const COLORREF crDark = ::GetSysColor(COLOR_3DDKSHADOW);
    if (bSunken)
        DrawFrame(hDC, rc, crDark, crLight);
    else
        DrawFrame(hDC, rc, crLight, crDark);
}

/////////////////////////////////////////////////////////////////////////////
// Buttons

void CButtonListBar::DrawItem(HDC hDC, int nPosition)
{
    RECT rc, rcClient;
    GetClientArea(&rcClient);
    if (!GetItemRect(hDC, nPosition, &rc) || ::IsRectEmpty(&rc) ||
        rc.top >= rcClient.bottom || rc.left >= rcClient.right)
        return;
    const int nIndex = ButtonOfPosition(nPosition);
    if (nIndex < 0)
        return;
    const BOOL bVertical = m_nOrientation != kListHorizontal;
    if (bVertical ? rc.bottom >= rcClient.bottom : rc.right >= rcClient.right)
        m_nEdgePos = nPosition;

    // A missing image shows the list's first one.
    HIMAGELIST hList = m_pItemImageList != NULL ? m_pItemImageList->m_hImageList : NULL;
    HICON hIcon = NULL;
    if (hList != NULL && m_nDisplayMode != kListTextOnly)
    {
        hIcon = ::ImageList_GetIcon(hList, m_pButtons[nIndex].nImage, 0);
        if (hIcon == NULL)
            hIcon = ::ImageList_GetIcon(hList, 0, 0);
    }
    const int nOldMode = ::SetBkMode(hDC, TRANSPARENT);
    HGDIOBJ hOldFont = ::SelectObject(hDC, g_fontShared10.GetSafeHandle());

    const int nWidth = rc.right - rc.left;
    const int nHeight = rc.bottom - rc.top;
    POINT ptIcon = { rc.left + (nWidth - kListImageBox) / 2, rc.top + kListTextMargin };
    RECT rcText = rc;
    if (m_nDisplayMode == kListImageOnly)
    {
        ptIcon.y = rc.top + (nHeight - kListImageBox) / 2;
        ::SetRectEmpty(&rcText);
    }
    else if (m_nDisplayMode == kListTextOnly)
    {
        if (!bVertical)
            ::InflateRect(&rcText, -kListTextMargin, 0);
    }
    else
    {
        rcText.top = rc.bottom - GetTextHeight(hDC) - kListTextMargin;
        rcText.bottom = rc.bottom - kListTextMargin;
    }

    // The button that reaches the far edge is cut off above the trailing arrow.
    int nSaved = 0;
    if (nPosition == m_nEdgePos && GetGroupCommandCount(-1) >= 2 && HasTrailingArrow(hDC, FALSE))
    {
        nSaved = ::SaveDC(hDC);
        if (bVertical)
            ::IntersectClipRect(hDC, rcClient.left, rc.top, rcClient.right, rcClient.bottom - kListArrowBand);
        else
            ::IntersectClipRect(hDC, rc.left, rcClient.top, rcClient.right - kListArrowBand, rcClient.bottom);
    }

    ::FillRect(hDC, &rc, m_hBrushBackground);
    if (hIcon != NULL)
        ::DrawIcon(hDC, ptIcon.x, ptIcon.y, hIcon);
    const char* pszText = m_pButtons[nIndex].szText;
    if (!::IsRectEmpty(&rcText) && pszText[0] != '\0')
        ::DrawTextA(hDC, pszText, -1, &rcText, kListTextFormat);
    if (nPosition == m_nCurSel)
        DrawRaisedOrSunken(hDC, rc, m_bPressed);

    if (hIcon != NULL)
        ::DestroyIcon(hIcon);
    if (nSaved != 0)
        ::RestoreDC(hDC, nSaved);
    ::SetBkMode(hDC, nOldMode);
    ::SelectObject(hDC, hOldFont);
}

/////////////////////////////////////////////////////////////////////////////
// Scroll arrows

void CButtonListBar::DrawScrollBar(HDC hDC)
{
    if (GetGroupCommandCount(-1) < 2)
        return;
    if (HasLeadingArrow())
        DrawArrow(hDC, kListLeadingArrow);
    if (HasTrailingArrow(hDC, TRUE))
        DrawArrow(hDC, kListTrailingArrow);
}

void CButtonListBar::DrawArrow(HDC hDC, int nArrow)
{
    RECT rc;
    GetArrowRect(hDC, nArrow, &rc);
    ::FillRect(hDC, &rc, ::GetSysColorBrush(COLOR_SCROLLBAR));

    const BOOL bVertical = m_nOrientation != kListHorizontal;
    int nImage;
    if (nArrow == kListLeadingArrow)
        nImage = bVertical ? kGlyphArrowUp : kGlyphArrowLeft;
    else
        nImage = bVertical ? kGlyphArrowDown : kGlyphArrowRight;
    HICON hIcon = ::ImageList_GetIcon(g_imlCtrlBar.m_hImageList, nImage, 0);
    if (hIcon != NULL)
    {
        int cx = 0, cy = 0;
        ::ImageList_GetIconSize(g_imlCtrlBar.m_hImageList, &cx, &cy);
        ::DrawIconEx(hDC, rc.left + (rc.right - rc.left - cx) / 2, rc.top + (rc.bottom - rc.top - cy) / 2,
                     hIcon, cx, cy, 0, NULL, DI_NORMAL);
        ::DestroyIcon(hIcon);
    }
    if (nArrow == m_nHotArrow)
        DrawRaisedOrSunken(hDC, rc, m_bPressed);
}

/////////////////////////////////////////////////////////////////////////////
// Group buttons

void CButtonListBar::DrawGroups(HDC hDC)
{
    RECT rc;
    const int nGroups = GetGroupsRect(hDC, &rc);
    if (nGroups == 0)
        return;
    ::FillRect(hDC, &rc, ::GetSysColorBrush(COLOR_SCROLLBAR));
    for (int g = 0; g < nGroups; ++g)
        DrawGroupButton(hDC, g);
}

void CButtonListBar::DrawGroupButton(HDC hDC, int nGroup)
{
    RECT rc, rcClient;
    GetClientArea(&rcClient);
    if (!GetGroupButtonRect(hDC, nGroup, &rc) || ::IsRectEmpty(&rc) ||
        rc.top >= rcClient.bottom || rc.left >= rcClient.right)
        return;

    const int nOldMode = ::SetBkMode(hDC, TRANSPARENT);
    HGDIOBJ hOldFont = ::SelectObject(hDC, g_fontShared10.GetSafeHandle());
    // The selected group's name is bold and a little smaller.
    HFONT hBold = NULL;
    HGDIOBJ hFontBeforeBold = NULL;
    LOGFONTA lf;
    if (nGroup == m_nCurSelGroup &&
        ::GetObjectA(::GetCurrentObject(hDC, OBJ_FONT), sizeof(lf), &lf) == sizeof(lf))
    {
        lf.lfHeight = static_cast<LONG>(lf.lfHeight * kListBoldHeightScale);
        lf.lfWeight = kListBoldWeight;
        hBold = ::CreateFontIndirectA(&lf);
        if (hBold != NULL)
            hFontBeforeBold = ::SelectObject(hDC, hBold);
    }

    RECT rcFace = rc;
    ::InflateRect(&rcFace, -1, -1);
    ::FillRect(hDC, &rcFace, ::GetSysColorBrush(COLOR_SCROLLBAR));

    RECT rcText = rc;
    ::InflateRect(&rcText, m_nOrientation != kListHorizontal ? -1 : -2, -1);
    const char* pszName = m_groups[nGroup].item.szText;
    if (!::IsRectEmpty(&rcText) && pszName[0] != '\0')
    {
        // Hot and selected names keep the context's text colour.
        const BOOL bDim = nGroup != m_nHotGroupButton && nGroup != m_nCurSelGroup;
        const COLORREF crOld = bDim ? ::SetTextColor(hDC, ::GetSysColor(COLOR_APPWORKSPACE)) : 0;
        ::DrawTextA(hDC, pszName, -1, &rcText, kListTextFormat);
        if (bDim)
            ::SetTextColor(hDC, crOld);
    }

    if (hBold != NULL)
    {
        ::SelectObject(hDC, hFontBeforeBold);
        ::DeleteObject(hBold);
    }
    DrawFrame(hDC, rc, ::GetSysColor(COLOR_WINDOW), ::GetSysColor(COLOR_APPWORKSPACE));
    ::SetBkMode(hDC, nOldMode);
    ::SelectObject(hDC, hOldFont);
}

/////////////////////////////////////////////////////////////////////////////
// Painting outside a paint cycle, through a client DC with the shared font.
// The edit class paints with its parent's DC, which is not clipped to this
// window, so the drawing clips itself to the client area.

namespace
{
enum ClientDrawing { kDrawArrows, kDrawGroups, kDrawGroupButton, kDrawPair };
}

void CButtonListBar::DrawInClient(int nWhat, int nFirst, int nSecond)
{
    if (m_hWnd == NULL)
        return;
    HDC hDC = ::GetDC(m_hWnd);
    HGDIOBJ hOldFont = ::SelectObject(hDC, g_fontShared10.GetSafeHandle());
    const int nSaved = ::SaveDC(hDC);
    RECT rcClient;
    GetClientArea(&rcClient);
    ::IntersectClipRect(hDC, rcClient.left, rcClient.top, rcClient.right, rcClient.bottom);
    switch (nWhat)
    {
    case kDrawGroups:
        DrawGroups(hDC);
        break;
    case kDrawGroupButton:
        DrawGroupButton(hDC, nFirst);
        break;
    case kDrawPair:
        // The old and the new selection (or click item), then the arrows over them.
        DrawItem(hDC, nFirst);
        DrawItem(hDC, nSecond);
        DrawScrollBar(hDC);
        break;
    default:
        DrawScrollBar(hDC);
        break;
    }
    ::RestoreDC(hDC, nSaved);
    ::SelectObject(hDC, hOldFont);
    ::ReleaseDC(m_hWnd, hDC);
}

void CButtonListBar::DrawScrollBar()             { DrawInClient(kDrawArrows, 0, 0); }
void CButtonListBar::DrawGroups()                { DrawInClient(kDrawGroups, 0, 0); }
void CButtonListBar::DrawGroupButton(int nGroup) { DrawInClient(kDrawGroupButton, nGroup, 0); }
void CButtonListBar::RedrawPair(int nOld, int nNew) { DrawInClient(kDrawPair, nOld, nNew); }
