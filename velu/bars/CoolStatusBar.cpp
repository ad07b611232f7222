// CoolStatusBar.cpp - the status bar painted flat: panes from the right edge, icons, separators, size grip, lock-key repaint.
#include "bars/VeluBars.h"

BEGIN_MESSAGE_MAP(CCoolStatusBar, CStatusBar)
    //{{AFX_MSG_MAP(CCoolStatusBar)
    ON_WM_PAINT()
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_CAPS, OnUpdateKeyIndicator)
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_NUM, OnUpdateKeyIndicator)
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_SCRL, OnUpdateKeyIndicator)
    //}}AFX_MSG_MAP
END_MESSAGE_MAP()

namespace
{
// Last-seen lock states shared by every status bar: 0 not yet seen, 1 on,
// -1 off. The first bar to see a change repaints and records it.
int s_nCapsLockState = 0;
int s_nNumLockState = 0;
int s_nScrollLockState = 0;

const COLORREF kGripLight = RGB(255, 255, 255);
const int kGripDot = 2;

// The grip's dots, as offsets of their light square from the bottom-right corner.
const POINT kGripDots[] = { {3, 3}, {7, 3}, {11, 3}, {3, 7}, {7, 7}, {3, 11} };

// Records a lock state; TRUE when it differs from what was seen last.
BOOL NoteLockState(int& nState, BOOL bOn)
{
    const int nNew = bOn ? 1 : -1;
    if (nState == nNew)
        return FALSE;
    nState = nNew;
    return TRUE;
}
}

CCoolStatusBar::CCoolStatusBar()
    : m_crText(RGB(0, 0, 0)),
      m_crDisabledText(::GetSysColor(COLOR_GRAYTEXT))
{
    for (int i = 0; i < kStatusMaxIcons; i++)
        m_hPaneIcons[i] = NULL;
}

CCoolStatusBar::~CCoolStatusBar()
{
}

/////////////////////////////////////////////////////////////////////////////
// Attributes

COLORREF CCoolStatusBar::GetTextColor() const
{
    return m_crText;
}

void CCoolStatusBar::SetTextColor(COLORREF crText)
{
    m_crText = crText;
}

COLORREF CCoolStatusBar::GetDisabledTextColor() const
{
    return m_crDisabledText;
}

void CCoolStatusBar::SetDisabledTextColor(COLORREF crText)
{
    m_crDisabledText = crText;
}

int CCoolStatusBar::GetPanes()
{
    if (m_hWnd == NULL)
        return 0;
    int nRights[kStatusMaxParts];
    return (int)SendMessage(SB_GETPARTS, kStatusMaxParts, (LPARAM)nRights);
}

int CCoolStatusBar::SetPaneIcon(int nIndex, HICON hIcon)
{
    if (nIndex < 0 || nIndex >= kStatusMaxIcons)
        return FALSE;
    m_hPaneIcons[nIndex] = hIcon;
    return TRUE;
}

HICON CCoolStatusBar::GetDrawIcon(int nIndex, SIZE* pSize)
{
    SIZE sizeIcon = {0, 0};
    HICON hIcon = nIndex >= 0 && nIndex < kStatusMaxIcons ? m_hPaneIcons[nIndex] : NULL;
    HICON hDraw = NULL;
    ICONINFO info;
    if (hIcon != NULL && ::GetIconInfo(hIcon, &info))
    {
        // A monochrome icon has no colour bitmap and is never drawn.
        if (info.hbmColor != NULL)
        {
            BITMAP bm;
            if (::GetObjectA(info.hbmColor, sizeof(bm), &bm) != 0)
            {
                sizeIcon.cx = bm.bmWidth;
                sizeIcon.cy = bm.bmHeight;
                hDraw = hIcon;
            }
            ::DeleteObject(info.hbmColor);
        }
        if (info.hbmMask != NULL)
            ::DeleteObject(info.hbmMask);
    }
    if (pSize != NULL)
        *pSize = sizeIcon;
    return hDraw;
}

/////////////////////////////////////////////////////////////////////////////
// Layout

void CCoolStatusBar::GetCoolPaneInfo(CDC* pDC, int nIndex, UINT& nID, UINT& nStyle, int& cxWidth)
{
    GetPaneInfo(nIndex, nID, nStyle, cxWidth);
    const CString strText = GetPaneText(nIndex);
    if (!strText.IsEmpty() && pDC != NULL)
    {
        CRect rcText(0, 0, 0, 0);
        pDC->DrawText(strText, &rcText, DT_CALCRECT | DT_SINGLELINE | DT_VCENTER);
        if (rcText.Width() + kStatusTextPad >= cxWidth)
            cxWidth = rcText.Width() + kStatusTextWiden;
    }
    SIZE sizeIcon;
    if (GetDrawIcon(nIndex, &sizeIcon) != NULL)
    {
        cxWidth += sizeIcon.cx;
        if (!strText.IsEmpty())
            cxWidth += kStatusIconGap;
    }
}

/////////////////////////////////////////////////////////////////////////////
// Painting

void CCoolStatusBar::OnPaint()
{
    CPaintDC dc(this);
    CRect rect;
    GetWindowRect(&rect);
    ScreenToClient(&rect);
    const BOOL bZoomed = ::IsZoomed(::GetParent(m_hWnd));

    HFONT hFont = (HFONT)SendMessage(WM_GETFONT);
    HGDIOBJ hOldFont = hFont != NULL ? ::SelectObject(dc.m_hDC, hFont) : NULL;
    const int nOldMode = dc.SetBkMode(TRANSPARENT);

    DrawBarBackground(&dc, rect);
    const int nPanes = GetPanes();
    const int nRight = rect.right - (bZoomed ? 0 : kStatusGripRoom);
    CDWordArray arrWidths;
    DrawPanes(&dc, rect, nPanes, nRight, arrWidths);
    if (nPanes > 0)
        DrawSeparators(&dc, rect, nPanes, nRight - (int)arrWidths[nPanes - 1], arrWidths);
    if (!bZoomed)
        DrawGripper(&dc, &rect);

    dc.SetBkMode(nOldMode);
    if (hOldFont != NULL)
        ::SelectObject(dc.m_hDC, hOldFont);
}

// The bar background and the edge line along the top row.
void CCoolStatusBar::DrawBarBackground(CDC* pDC, const CRect& rect)
{
    pDC->FillRect(&rect, CCoolToolBar::GetBkBrush());
    CPen pen;
    pen.CreatePen(PS_SOLID, 0, kBarEdge);
    CPen* pOldPen = pDC->SelectObject(&pen);
    pDC->MoveTo(rect.left, rect.top);
    pDC->LineTo(rect.right, rect.top);
    pDC->SelectObject(pOldPen);
    pen.DeleteObject();
}

// From the last pane leftward, each pane ending 1 pixel before the previous
// pane's start; the first pane reaches the bar's left edge. Keeps each
// pane's width for the separators.
void CCoolStatusBar::DrawPanes(CDC* pDC, const CRect& rect, int nPanes, int nRight, CDWordArray& arrWidths)
{
    arrWidths.SetSize(nPanes > 0 ? nPanes : 0);
    int x = nRight;
    for (int i = nPanes - 1; i >= 0; i--)
    {
        UINT nID, nStyle;
        int cxWidth;
        GetCoolPaneInfo(pDC, i, nID, nStyle, cxWidth);
        arrWidths[i] = (DWORD)cxWidth;
        CRect rcPane(x - cxWidth + 1, rect.top + 1, x - 1, rect.bottom + 1);
        if (i == 0)
            rcPane.left = rect.left;
        DrawPaneContent(pDC, i, &rcPane, nStyle & SBPS_DISABLED);
        x -= cxWidth;
    }
}

// A 1-pixel shadow line 1 pixel left of every pane but the first.
void CCoolStatusBar::DrawSeparators(CDC* pDC, const CRect& rect, int nPanes, int nStart, const CDWordArray& arrWidths)
{
    const COLORREF crLight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF crShadow = ::GetSysColor(COLOR_BTNSHADOW);
    int s = nStart;
    for (int i = nPanes - 2; i >= 0; i--)
    {
        CRect rcLine(s, rect.top + 2, s + 1, rect.bottom - 2);
        pDC->Draw3dRect(&rcLine, crLight, crShadow);
        s -= (int)arrWidths[i];
    }
}

void CCoolStatusBar::DrawPaneContent(CDC* pDC, int nIndex, RECT* pRect, int bDisabled)
{
    if (pDC == NULL || pRect == NULL)
        return;
    const CString strText = GetPaneText(nIndex);
    SIZE sizeIcon;
    HICON hIcon = GetDrawIcon(nIndex, &sizeIcon);

    if (!strText.IsEmpty())
    {
        const COLORREF crOld = pDC->SetTextColor(bDisabled ? m_crDisabledText : m_crText);
        CRect rcText(pRect);
        if (nIndex == 0)
        {
            // The first pane's text follows its icon; other panes centre theirs over it.
            if (sizeIcon.cx != 0)
                rcText.left += sizeIcon.cx + kStatusIconGap;
            pDC->DrawText(strText, &rcText, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
        }
        else
        {
            pDC->DrawText(strText, &rcText, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        }
        pDC->SetTextColor(crOld);
    }

    if (hIcon != NULL)
    {
        const int nHeight = pRect->bottom - pRect->top;
        const CPoint ptIcon(pRect->left, pRect->top + (nHeight - sizeIcon.cy) / 2);
        pDC->DrawState(ptIcon, CSize(sizeIcon), hIcon, DST_ICON | DSS_NORMAL, (HBRUSH)NULL);
    }
}

// Six raised dots in the bottom-right corner: a light square with a shadow
// square one pixel up and left over it.
void CCoolStatusBar::DrawGripper(CDC* pDC, const RECT* pRect)
{
    const COLORREF crShadow = ::GetSysColor(COLOR_BTNSHADOW);
    for (int i = 0; i < (int)(sizeof(kGripDots) / sizeof(kGripDots[0])); i++)
    {
        const int x = pRect->right - kGripDots[i].x;
        const int y = pRect->bottom - kGripDots[i].y;
        pDC->FillSolidRect(x, y, kGripDot, kGripDot, kGripLight);
        pDC->FillSolidRect(x - 1, y - 1, kGripDot, kGripDot, crShadow);
    }
}

/////////////////////////////////////////////////////////////////////////////
// Lock-key indicators

void CCoolStatusBar::OnUpdateKeyIndicator(CCmdUI* pCmdUI)
{
    int nVirtKey;
    int* pState = NULL;
    switch (pCmdUI->m_nID)
    {
    case ID_INDICATOR_CAPS: nVirtKey = VK_CAPITAL; pState = &s_nCapsLockState; break;
    case ID_INDICATOR_NUM:  nVirtKey = VK_NUMLOCK; pState = &s_nNumLockState; break;
    case ID_INDICATOR_SCRL: nVirtKey = VK_SCROLL; pState = &s_nScrollLockState; break;
    case ID_INDICATOR_KANA: nVirtKey = VK_KANA; break;
    default:
        pCmdUI->ContinueRouting();
        return;
    }
    const BOOL bOn = (::GetKeyState(nVirtKey) & 1) != 0;
    // The status window repaints at once when a pane's style changes, so
    // the bar is invalidated first: that one paint then covers all of it.
    if (pState != NULL && NoteLockState(*pState, bOn))
        InvalidateRect(NULL, FALSE);
    // Disabled panes are drawn in the disabled text colour.
    pCmdUI->Enable(bOn);
}
