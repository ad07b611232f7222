// CoolHelpButton.cpp - CCoolHelpButton: a push button that looks like a hyperlink and fits its caption.
#include <afxwin.h>
#include "buttons/VeluButtons.h"

IMPLEMENT_DYNAMIC(CCoolHelpButton, CCoolButton)

BEGIN_MESSAGE_MAP(CCoolHelpButton, CCoolButton)
    //{{AFX_MSG_MAP(CCoolHelpButton)
    ON_WM_MOUSEMOVE()
    //}}AFX_MSG_MAP
END_MESSAGE_MAP()

/////////////////////////////////////////////////////////////////////////////
// Construction

CCoolHelpButton::CCoolHelpButton()
{
    SetDrawFocusedRect(FALSE);
    // Gray text is read once, now: a later change of system colours is not followed.
    SetTextColors(kHelpLinkColor, kHelpLinkColor, ::GetSysColor(COLOR_GRAYTEXT),
                  kHelpHotColor, kHelpLinkColor);
}

CCoolHelpButton::~CCoolHelpButton()
{
}

/////////////////////////////////////////////////////////////////////////////
// Operations

void CCoolHelpButton::LeftAndFitText()
{
    FitText(FALSE);
}

void CCoolHelpButton::RightAndFitText()
{
    FitText(TRUE);
}

/////////////////////////////////////////////////////////////////////////////
// Overridables: a link has no skin and no focus frame, only its caption.

void CCoolHelpButton::DrawBackground(CDC* /*pDC*/, RECT* /*pRect*/, DWORD /*dwState*/)
{
}

void CCoolHelpButton::DrawContent(CDC* pDC, RECT* pRect, DWORD dwState)
{
    CCoolButton::DrawContent(pDC, pRect, dwState);
}

void CCoolHelpButton::DrawFocusRect(CDC* /*pDC*/, RECT* /*pRect*/)
{
}

/////////////////////////////////////////////////////////////////////////////
// Implementation

void CCoolHelpButton::FitText(BOOL bKeepRight)
{
    CClientDC dc(this);
    CRect rcClient;
    GetClientRect(&rcClient);

    char szText[kCaptionBufferSize];
    int nLength = GetWindowText(szText, kCaptionBufferSize);
    SIZE sizeIcon;
    GetDrawIcon(&sizeIcon, kStateNormal);

    // The room DrawContent adds (the icon gap, the clip insets) is not counted:
    // the margin covers it.
    HFONT hFont = (HFONT)SendMessage(WM_GETFONT);
    HGDIOBJ hOldFont = hFont != NULL ? ::SelectObject(dc.m_hDC, hFont) : NULL;
    int nTextWidth = 0;
    if (nLength > 0)
    {
        CRect rcText(rcClient);
        ::DrawTextA(dc.m_hDC, szText, nLength, &rcText, DT_CALCRECT | DT_SINGLELINE);
        nTextWidth = rcText.Width();
    }
    const int nWidth = sizeIcon.cx + nTextWidth + kHelpFitMargin;
    if (hOldFont != NULL)
        ::SelectObject(dc.m_hDC, hOldFont);

    CRect rcWindow;
    GetWindowRect(&rcWindow);
    CWnd* pParent = GetParent();
    if (pParent != NULL)
        pParent->ScreenToClient(&rcWindow);
    const int nLeft = bKeepRight ? rcWindow.right - nWidth : rcWindow.left;
    MoveWindow(nLeft, rcWindow.top, nWidth, rcWindow.Height(), TRUE);
}

/////////////////////////////////////////////////////////////////////////////
// Message handlers

void CCoolHelpButton::OnMouseMove(UINT nFlags, CPoint point)
{
    CCoolButton::OnMouseMove(nFlags, point);
    ::SetCursor(g_hCursorHand);
}
