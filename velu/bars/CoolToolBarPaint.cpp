// CoolToolBarPaint.cpp - CCoolToolBar's painting: gripper strip, background, edge line, separators and buttons.
#include "bars/VeluBars.h"
#include "skin/VeluSkin.h"

namespace
{
// Gripper dots: a white square with a shadow square one pixel up and left over it.
const int kGripDot        = 2;
const int kGripStep       = 4;
const int kGripInset      = 5;    // across the strip
const int kGripFirstTop   = 4;    // along the strip, top docked and upright bars
const int kGripFirstBottom = 6;   // along the strip, bottom docked
const int kGripEndMargin  = 3;

// Skin rectangle and content inset of a button.
const int kContentInset   = 2;
// Drop-down arrow geometry from the button's right edge.
const int kDividerFromRight = 15;
const int kDividerTopInset  = 4;
const int kDividerBottomInset = 5;
const int kArrowLeftFromRight = 12;
const int kArrowRightFromRight = 6;
const int kArrowRows        = 4;
// Separator lines keep a sixth of the bar's thickness free at each end.
const int kSeparatorEndShare = 6;
const int kWrapLineInsetLeft  = 4;
const int kWrapLineInsetRight = 3;
const UINT kButtonTextFormat = DT_CENTER | DT_BOTTOM | DT_SINGLELINE;

BOOL EdgesTogether(int nDifference)
{
    return nDifference >= -kToolBarEdgeSlack && nDifference <= kToolBarEdgeSlack;
}

// A one-pixel line from (x1, y1) to (x2, y2) inclusive, horizontal or vertical.
void DrawPixelLine(CDC* pDC, int x1, int y1, int x2, int y2, COLORREF cr)
{
    if (x2 >= x1 && y2 >= y1)
        pDC->FillSolidRect(x1, y1, x2 - x1 + 1, y2 - y1 + 1, cr);
}
}

/////////////////////////////////////////////////////////////////////////////
// Message handlers

void CCoolToolBar::OnPaint()
{
    CPaintDC dc(this);
    DrawCoolToolBar(&dc);
}

void CCoolToolBar::OnNcPaint()
{
    EraseNonClient();
}

// The whole client is painted from a memory bitmap; erasing would only flash.
BOOL CCoolToolBar::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

/////////////////////////////////////////////////////////////////////////////
// Whole bar

void CCoolToolBar::DrawCoolToolBar(CDC* pDC)
{
    if (m_hButtonsBitmap == NULL)
        SetCoolBitmap(m_hbmImageWell, m_sizeImage.cx, m_sizeImage.cy);

    CRect rcClient;
    GetClientRect(&rcClient);
    CDC dcMem;
    CBitmap bmpMem;
    CDC* pTarget = pDC;
    CBitmap* pOldBitmap = NULL;
    if (dcMem.CreateCompatibleDC(pDC) && bmpMem.CreateCompatibleBitmap(pDC, rcClient.Width(), rcClient.Height()))
    {
        pOldBitmap = dcMem.SelectObject(&bmpMem);
        pTarget = &dcMem;
    }

    EraseClient(pTarget);
    DrawButtons(pTarget);

    if (pTarget == &dcMem)
    {
        dcMem.SetViewportOrg(0, 0);
        dcMem.SetWindowOrg(0, 0);
        dcMem.SetMapMode(MM_TEXT);
        pDC->SetViewportOrg(0, 0);
        pDC->SetWindowOrg(0, 0);
        pDC->SetMapMode(MM_TEXT);
        pDC->BitBlt(rcClient.left, rcClient.top, rcClient.Width(), rcClient.Height(), &dcMem, 0, 0, SRCCOPY);
        dcMem.SelectObject(pOldBitmap);
    }
    bmpMem.DeleteObject();
    dcMem.DeleteDC();
}

DWORD CCoolToolBar::InnerEdge()
{
    CWnd* pParent = GetParent();
    if (pParent == NULL)
        return 0;
    CRect rcBar;
    GetWindowRect(&rcBar);
    CRect rcParent;
    pParent->GetWindowRect(&rcParent);
    if (IsTopDocked() && EdgesTogether(rcBar.bottom - rcParent.bottom))
        return CBRS_ALIGN_TOP;
    if (IsBottomDocked() && EdgesTogether(rcBar.top - rcParent.top))
        return CBRS_ALIGN_BOTTOM;
    if (IsLeftDocked() && EdgesTogether(rcBar.right - rcParent.right))
        return CBRS_ALIGN_LEFT;
    if (IsRightDocked() && EdgesTogether(rcBar.left - rcParent.left))
        return CBRS_ALIGN_RIGHT;
    return 0;
}

// The window rectangle in client coordinates, moved to (0, 0): what lies
// beyond the client area is clipped by the target.
void CCoolToolBar::EraseClient(CDC* pDC)
{
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    ScreenToClient(&rcWindow);
    rcWindow.OffsetRect(-rcWindow.left, -rcWindow.top);
    pDC->FillRect(&rcWindow, GetBkBrush());

    const int cx = rcWindow.Width();
    const int cy = rcWindow.Height();
    CPen pen;
    pen.CreatePen(PS_SOLID, 0, kBarEdge);
    CPen* pOldPen = pDC->SelectObject(&pen);
    switch (InnerEdge())
    {
    case CBRS_ALIGN_TOP:
        pDC->MoveTo(0, cy - 1);
        pDC->LineTo(cx, cy - 1);
        break;
    case CBRS_ALIGN_BOTTOM:
        pDC->MoveTo(0, 0);
        pDC->LineTo(cx, 0);
        break;
    case CBRS_ALIGN_LEFT:
        pDC->MoveTo(cx - 1, 0);
        pDC->LineTo(cx - 1, cy);
        break;
    case CBRS_ALIGN_RIGHT:
        pDC->MoveTo(0, 0);
        pDC->LineTo(0, cy);
        break;
    }
    pDC->SelectObject(pOldPen);
    pen.DeleteObject();
}

// The gripper strip at the bar's start and the part of the edge line that
// crosses it; the client painting draws the rest of the line.
void CCoolToolBar::EraseNonClient()
{
    CWindowDC dc(this);
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    rcWindow.OffsetRect(-rcWindow.left, -rcWindow.top);

    CRect rcStrip = rcWindow;
    if (IsHorzDocked())
        rcStrip.right = rcStrip.left + kToolBarGripperStrip;
    else if (IsVertDocked())
        rcStrip.bottom = rcStrip.top + kToolBarGripperStrip;
    if (!IsFloating())
        dc.FillRect(&rcStrip, GetBkBrush());
    if (IsLeftDocked())
        rcStrip.right++;
    DrawGripper(&dc, &rcStrip);

    const int cx = rcWindow.Width();
    const int cy = rcWindow.Height();
    CPen pen;
    pen.CreatePen(PS_SOLID, 0, kBarEdge);
    CPen* pOldPen = dc.SelectObject(&pen);
    switch (InnerEdge())
    {
    case CBRS_ALIGN_TOP:
        dc.MoveTo(0, cy - 1);
        dc.LineTo(kToolBarGripperStrip, cy - 1);
        break;
    case CBRS_ALIGN_BOTTOM:
        dc.MoveTo(0, 0);
        dc.LineTo(kToolBarGripperStrip, 0);
        break;
    case CBRS_ALIGN_LEFT:
        dc.MoveTo(cx - 1, 0);
        dc.LineTo(cx - 1, cy);
        break;
    case CBRS_ALIGN_RIGHT:
        dc.MoveTo(0, 0);
        dc.LineTo(0, cy);
        break;
    }
    dc.SelectObject(pOldPen);
    pen.DeleteObject();
}

void CCoolToolBar::DrawGripper(CDC* pDC, const RECT* pRect)
{
    const COLORREF crShadow = ::GetSysColor(COLOR_BTNSHADOW);
    const COLORREF crLight = RGB(255, 255, 255);
    if (IsHorzDocked())
    {
        const int x = pRect->left + kGripInset;
        int y = pRect->top + (IsTopDocked() ? kGripFirstTop : kGripFirstBottom);
        for (; y < pRect->bottom - kGripEndMargin; y += kGripStep)
        {
            pDC->FillSolidRect(x, y, kGripDot, kGripDot, crLight);
            pDC->FillSolidRect(x - 1, y - 1, kGripDot, kGripDot, crShadow);
        }
    }
    else if (IsVertDocked())
    {
        const int y = pRect->top + kGripInset;
        for (int x = pRect->left + kGripInset; x < pRect->right - kGripEndMargin; x += kGripStep)
        {
            pDC->FillSolidRect(x, y, kGripDot, kGripDot, crLight);
            pDC->FillSolidRect(x - 1, y - 1, kGripDot, kGripDot, crShadow);
        }
    }
}

/////////////////////////////////////////////////////////////////////////////
// Buttons

// The n-th painted button shows image n of the strip, whatever image index
// the common control holds for it: hidden buttons, separators and buttons
// without a command take none.
void CCoolToolBar::DrawButtons(CDC* pDC)
{
    const int nCount = (int)DefWindowProc(TB_BUTTONCOUNT, 0, 0);
    BOOL bBarHasText = FALSE;
    for (int i = 0; i < nCount && !bBarHasText; i++)
        bBarHasText = !GetButtonText(i).IsEmpty();

    CPoint ptCursor;
    ::GetCursorPos(&ptCursor);
    ScreenToClient(&ptCursor);

    // Hot looks only while the application has the keyboard focus.
    CFrameWnd* pTopFrame = GetDockingFrame();
    while (pTopFrame != NULL && pTopFrame->GetParentFrame() != NULL)
        pTopFrame = pTopFrame->GetParentFrame();
    CWnd* pFocus = GetFocus();
    BOOL bActive = pTopFrame != NULL && pFocus != NULL && pTopFrame->IsChild(pFocus);

    CRect rcClient;
    GetClientRect(&rcClient);
    int nImage = 0;
    for (int i = 0; i < nCount; i++)
    {
        CRect rcItem;
        GetItemRect(i, &rcItem);
        if (rcItem.Height() > rcClient.Height())
            rcItem.bottom = rcItem.top + rcClient.Height();
        TBBUTTON button;
        memset(&button, 0, sizeof(button));
        if (!SendMessage(TB_GETBUTTON, (WPARAM)i, (LPARAM)&button))
            continue;
        if (button.fsState & TBSTATE_HIDDEN)
            continue;
        if (button.fsStyle == TBSTYLE_SEP)
        {
            DrawSeparator(pDC, i, &button, &rcItem, &rcClient);
            continue;
        }
        if (button.idCommand == 0)
            continue;
        BOOL bHot = bActive && rcItem.PtInRect(ptCursor);
        button.iBitmap = nImage++;
        DrawButtonState(pDC, i, &button, &rcItem, bHot, bBarHasText);
    }
}

// Embedded controls cover their own slot; a wrapped row of a floating bar
// is divided across the bar; otherwise a line across the bar's thickness.
void CCoolToolBar::DrawSeparator(CDC* pDC, int nIndex, TBBUTTON* pButton, const RECT* pItem, const RECT* pClient)
{
    if (IsControl(GetItemID(nIndex)))
        return;
    CRect rcPrevious(0, 0, 0, 0);
    if (nIndex > 0)
        GetItemRect(nIndex - 1, &rcPrevious);
    const int yBetween = (pItem->bottom + rcPrevious.bottom) / 2;

    if ((pButton->fsState & TBSTATE_WRAP) && IsFloating())
    {
        DrawPixelLine(pDC, pItem->left + kWrapLineInsetLeft, yBetween - 1, pClient->right - kWrapLineInsetRight,
                      yBetween - 1, kBarEdge);
    }
    else if (m_dwStyle & (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM))
    {
        const int x = (pItem->left + pItem->right) / 2 - 1;
        const int d = (pClient->bottom - pClient->top) / kSeparatorEndShare;
        DrawPixelLine(pDC, x, pClient->top + d, x, pClient->bottom - d - 1, kBarEdge);
    }
    else
    {
        const int d = (pClient->right - pClient->left) / kSeparatorEndShare;
        DrawPixelLine(pDC, pClient->left + d, yBetween, pClient->right - d - 1, yBetween, kBarEdge);
    }
}

// Pressed wins over hot, hot over checked; a disabled button shows at most
// the check skin.
void CCoolToolBar::DrawButtonState(CDC* pDC, int nIndex, TBBUTTON* pButton, const RECT* pItem, int bHot,
                                   int bBarHasText)
{
    CRect rcSkin(pItem->left + 1, pItem->top, pItem->right - 1, pItem->bottom - 1);
    const BOOL bEnabled = (pButton->fsState & TBSTATE_ENABLED) != 0;
    HBITMAP hSkin = NULL;
    if (bEnabled && (pButton->fsState & TBSTATE_PRESSED))
        hSkin = g_hSkinBtnDown;
    else if (bEnabled && bHot)
        hSkin = g_hSkinBtnHot;
    else if (pButton->fsState & TBSTATE_CHECKED)
        hSkin = g_hSkinCheck;

    BOOL bHighlighted = FALSE;
    if (hSkin != NULL)
    {
        CRoundBitmap painter;
        painter.ShowMe(pDC->m_hDC, &rcSkin, hSkin, g_nStdCornerInsets, kStdCornerSize);
        bHighlighted = TRUE;
    }
    DrawButtonContent(pDC, nIndex, pButton, pItem, bBarHasText, bHighlighted);
}

void CCoolToolBar::DrawButtonContent(CDC* pDC, int nIndex, TBBUTTON* pButton, const RECT* pItem,
                                     int bBarHasText, int bHighlighted)
{
    CString strText = GetButtonText(nIndex);
    const BOOL bHasText = !strText.IsEmpty();
    CRect rcContent(pItem);
    rcContent.DeflateRect(kContentInset, kContentInset);
    if (pButton->fsStyle & TBSTYLE_DROPDOWN)
        rcContent.right -= kToolBarDropDownWidth;

    if (pButton->iBitmap >= 0 && pButton->iBitmap < m_nImageCount)
        DrawImage(pDC, pButton, &rcContent, bHasText, bBarHasText, bHighlighted);
    if (pButton->fsStyle & TBSTYLE_DROPDOWN)
        DrawDropDownArrow(pDC, pButton, pItem);
    if (bHasText)
        DrawButtonText(pDC, pButton, pItem, strText);
}

// Centred in the content rectangle, cut to it when larger; with text on the
// bar the image moves up to leave the text room below it.
void CCoolToolBar::DrawImage(CDC* pDC, TBBUTTON* pButton, const RECT* pContent, int bHasText, int bBarHasText,
                             int bHighlighted)
{
    HBITMAP hSource = m_hButtonsBitmap;
    BOOL bTransparent = bHighlighted;
    if (!(pButton->fsState & TBSTATE_ENABLED) && m_hGrayBitmap != NULL)
    {
        hSource = m_hGrayBitmap;
        bTransparent = TRUE;
    }
    const int cxContent = pContent->right - pContent->left;
    const int cyContent = pContent->bottom - pContent->top;
    int xSrc, xDest, cx;
    if (m_nImageWidth > cxContent)
    {
        xSrc = pButton->iBitmap * m_nImageWidth + (m_nImageWidth - cxContent) / 2;
        xDest = pContent->left;
        cx = cxContent;
    }
    else
    {
        xSrc = pButton->iBitmap * m_nImageWidth;
        xDest = pContent->left + (cxContent - m_nImageWidth) / 2;
        cx = m_nImageWidth;
    }
    int ySrc, yDest, cy;
    if (m_nImageHeight > cyContent)
    {
        ySrc = (m_nImageHeight - cyContent) / 2;
        yDest = pContent->top;
        cy = cyContent;
    }
    else
    {
        const int nSlack = (cyContent - m_nImageHeight) / 2;
        ySrc = 0;
        cy = m_nImageHeight;
        if (bHasText)
            yDest = pContent->top + 1;
        else if (bBarHasText)
            yDest = pContent->top + nSlack / 2 + 1;
        else
            yDest = pContent->top + nSlack;
    }
    if (hSource == NULL || cx <= 0 || cy <= 0)
        return;

    CDC dcImage;
    if (!dcImage.CreateCompatibleDC(pDC))
        return;
    HGDIOBJ hOldBitmap = ::SelectObject(dcImage.m_hDC, hSource);
    if (bTransparent)
    {
        COLORREF crKey = dcImage.GetPixel(0, 0);
        TransparentBlt(pDC->m_hDC, xDest, yDest, cx, cy, dcImage.m_hDC, xSrc, ySrc, cx, cy, crKey);
    }
    else
    {
        pDC->StretchBlt(xDest, yDest, cx, cy, &dcImage, xSrc, ySrc, cx, cy, SRCCOPY);
    }
    ::SelectObject(dcImage.m_hDC, hOldBitmap);
    dcImage.DeleteDC();
}

// A divider and a small downward triangle at the button's right end.
void CCoolToolBar::DrawDropDownArrow(CDC* pDC, TBBUTTON* pButton, const RECT* pItem)
{
    const int r = pItem->right;
    DrawPixelLine(pDC, r - kDividerFromRight, pItem->top + kDividerTopInset, r - kDividerFromRight,
                  pItem->bottom - kDividerBottomInset, kToolBarDropDivider);
    const COLORREF crArrow = (pButton->fsState & TBSTATE_ENABLED) ? kToolBarDropArrow : kToolBarDisabledColor;
    const int yMiddle = (pItem->top + pItem->bottom) / 2;
    for (int j = 0; j < kArrowRows; j++)
    {
        const int y = yMiddle - 2 + j;
        DrawPixelLine(pDC, r - kArrowLeftFromRight + j, y, r - kArrowRightFromRight - j, y, crArrow);
    }
}

void CCoolToolBar::DrawButtonText(CDC* pDC, TBBUTTON* pButton, const RECT* pItem, const CString& strText)
{
    CRect rcText(pItem->left + 1, pItem->top + 1, pItem->right - 1, pItem->bottom - 2);
    if (pButton->fsStyle & TBSTYLE_DROPDOWN)
        rcText.right -= kToolBarDropDownWidth;
    const COLORREF crText = (pButton->fsState & TBSTATE_ENABLED) ? kToolBarTextColor : kToolBarDisabledColor;

    int nOldMode = pDC->SetBkMode(TRANSPARENT);
    COLORREF crOldText = pDC->SetTextColor(crText);
    HGDIOBJ hOldFont = NULL;
    if (g_fontShared9.GetSafeHandle() != NULL)
        hOldFont = ::SelectObject(pDC->m_hDC, g_fontShared9.GetSafeHandle());
    pDC->DrawText(strText, &rcText, kButtonTextFormat);
    if (hOldFont != NULL)
        ::SelectObject(pDC->m_hDC, hOldFont);
    pDC->SetTextColor(crOldText);
    pDC->SetBkMode(nOldMode);
}
