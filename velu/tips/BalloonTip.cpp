// BalloonTip.cpp - CBalloonTip: layout by tail direction, and the box, tail and shadow painting.
#include "tips/VeluTips.h"

#include <string.h>

namespace
{
// Copies at most nSize - 1 bytes of pszSource (NULL reads as empty) and terminates.
void CopyBalloonText(char* pszDest, const char* pszSource, int nSize)
{
    if (pszSource == NULL)
        pszSource = "";
    size_t nLength = strlen(pszSource);
    if (nLength > static_cast<size_t>(nSize - 1))
        nLength = nSize - 1;
    memcpy(pszDest, pszSource, nLength);
    pszDest[nLength] = '\0';
}
}

/////////////////////////////////////////////////////////////////////////////
// Construction

// Nothing is drawn before the first ShowMe sets text, anchor and colours.
CBalloonTip::CBalloonTip()
    : m_nTailLength(0),
      m_nDirection(kBalloonTailTopLeft),
      m_xAnchor(0),
      m_yAnchor(0),
      m_pFont(&g_fontShared10),
      m_crFill(0),
      m_crFrame(0),
      m_crText(0),
      m_bNeedActivation(FALSE)
{
    m_szText[0] = '\0';
    ::SetRectEmpty(&m_rcBox);
    ::SetRectEmpty(&m_rcShadowBox);
    memset(m_ptTail, 0, sizeof(m_ptTail));
    memset(m_ptShadowTail, 0, sizeof(m_ptShadowTail));
}

/////////////////////////////////////////////////////////////////////////////
// Attributes

void CBalloonTip::SetTipFont(CFont* pFont)
{
    m_pFont = pFont;
}

void CBalloonTip::NeedActivation(int bNeedActivation)
{
    m_bNeedActivation = bNeedActivation;
}

/////////////////////////////////////////////////////////////////////////////
// Operations

void CBalloonTip::ShowMe(int x, int y, const char* pszText, int nTailLength, int nDirection,
                         unsigned long crFill, unsigned long crFrame, unsigned long crText,
                         int nShowTime)
{
    CopyBalloonText(m_szText, pszText, kBalloonTextSize);
    m_xAnchor = x;
    m_yAnchor = y;
    m_nTailLength = nTailLength;
    m_nDirection = nDirection;
    m_crFill = crFill;
    m_crFrame = crFrame;
    m_crText = crText;
    CBaseTipWnd::ShowMe(nShowTime, m_bNeedActivation);
}

/////////////////////////////////////////////////////////////////////////////
// Layout

BOOL CBalloonTip::HasTail() const
{
    return m_nTailLength > 0;
}

BOOL CBalloonTip::IsTailAtBottom() const
{
    return m_nDirection != kBalloonTailTopLeft && m_nDirection != kBalloonTailTopRight;
}

// The window is the text plus its padding plus the tail, grown by the shadow
// offset to the right and below, placed so that the tail's tip is the anchor.
// A negative tail length is laid out as no tail, so the box keeps its full height.
void CBalloonTip::CalcLayout(RECT* pRect)
{
    CClientDC dc(this);
    CFont* pOldFont = m_pFont != NULL ? dc.SelectObject(m_pFont) : NULL;
    RECT rcText = { 0, 0, 0, 0 };
    ::DrawTextA(dc.m_hDC, m_szText, -1, &rcText, DT_CALCRECT);
    if (pOldFont != NULL)
        dc.SelectObject(pOldFont);

    const int nTail = HasTail() ? m_nTailLength : 0;
    const int cx = (rcText.right - rcText.left) + kBalloonTextPadding;
    const int cy = (rcText.bottom - rcText.top) + kBalloonTextPadding + nTail;
    const int nReach = kBalloonTailInset;

    switch (m_nDirection)
    {
    case kBalloonTailTopLeft:
        ::SetRect(pRect, m_xAnchor - nReach, m_yAnchor, m_xAnchor - nReach + cx, m_yAnchor + cy);
        break;
    case kBalloonTailTopRight:
        ::SetRect(pRect, m_xAnchor + nReach - cx, m_yAnchor, m_xAnchor + nReach, m_yAnchor + cy);
        break;
    case kBalloonTailBottomRight:
        ::SetRect(pRect, m_xAnchor + nReach - cx, m_yAnchor - cy, m_xAnchor + nReach, m_yAnchor);
        break;
    default:
        ::SetRect(pRect, m_xAnchor - nReach, m_yAnchor - cy, m_xAnchor - nReach + cx, m_yAnchor);
        break;
    }
    pRect->right += kBalloonShadowOffset;
    pRect->bottom += kBalloonShadowOffset;

    const RECT rcArea = { 0, 0, cx, cy };
    CalcPosition(&rcArea, nTail, m_nDirection, &m_rcBox, m_ptTail);
    const RECT rcShadowArea = { kBalloonShadowOffset, kBalloonShadowOffset,
                                cx + kBalloonShadowOffset, cy + kBalloonShadowOffset };
    CalcPosition(&rcShadowArea, nTail, m_nDirection, &m_rcShadowBox, m_ptShadowTail);
}

// The box is the area less the tail's height on the tail's side; the tail's
// base lies on that edge, its tip on the area's edge.
void CBalloonTip::CalcPosition(const RECT* pArea, int nTailLength, int nDirection, RECT* pBox,
                               POINT* pTail)
{
    *pBox = *pArea;
    const int nNear = kBalloonTailInset;
    const int nFar = kBalloonTailInset + kBalloonTailWidth;
    int xNear, xFar, yBase, yTip;
    switch (nDirection)
    {
    case kBalloonTailTopLeft:
    case kBalloonTailTopRight:
        pBox->top = pArea->top + nTailLength;
        yBase = pBox->top;
        yTip = pArea->top;
        break;
    default:
        pBox->bottom = pArea->bottom - nTailLength;
        yBase = pBox->bottom;
        yTip = pArea->bottom;
        break;
    }
    if (nDirection == kBalloonTailTopRight || nDirection == kBalloonTailBottomRight)
    {
        xNear = pArea->right - nNear;
        xFar = pArea->right - nFar;
    }
    else
    {
        xNear = pArea->left + nNear;
        xFar = pArea->left + nFar;
    }
    pTail[0].x = xNear;
    pTail[0].y = yBase;
    pTail[1].x = xFar;
    pTail[1].y = yBase;
    pTail[2].x = xNear;
    pTail[2].y = yTip;
}

// A tail on the bottom edge is pulled up into the box's rounded bottom so
// that no gap shows between them.
void CBalloonTip::SinkTail(POINT* pTail, int nSink) const
{
    if (!IsTailAtBottom())
        return;
    pTail[0].y -= nSink;
    pTail[1].y -= nSink;
}

/////////////////////////////////////////////////////////////////////////////
// Painting

BEGIN_MESSAGE_MAP(CBalloonTip, CBaseTipWnd)
    //{{AFX_MSG_MAP(CBalloonTip)
    ON_WM_PAINT()
    //}}AFX_MSG_MAP
END_MESSAGE_MAP()

// Shadow first, then the balloon over it; nothing else of the window is painted.
void CBalloonTip::OnPaint()
{
    POINT ptTail[3], ptShadowTail[3];
    memcpy(ptTail, m_ptTail, sizeof(ptTail));
    memcpy(ptShadowTail, m_ptShadowTail, sizeof(ptShadowTail));
    SinkTail(ptTail, kBalloonTailSink);
    SinkTail(ptShadowTail, kBalloonShadowTailSink);

    CPaintDC dc(this);
    CFont* pOldFont = m_pFont != NULL ? dc.SelectObject(m_pFont) : NULL;
    const int nOldBkMode = dc.SetBkMode(TRANSPARENT);
    const COLORREF crOldText = dc.SetTextColor(m_crText);

    DrawShadow(&dc, ptShadowTail);
    DrawBalloon(&dc, ptTail);
    OnDraw(&dc);

    dc.SetTextColor(crOldText);
    dc.SetBkMode(nOldBkMode);
    if (pOldFont != NULL)
        dc.SelectObject(pOldFont);
}

void CBalloonTip::DrawShadow(CDC* pDC, POINT* pShadowTail)
{
    CBrush brShadow;
    brShadow.CreateSolidBrush(kBalloonShadowColor);
    CRgn rgnBox, rgnTail;
    rgnBox.CreateRoundRectRgn(m_rcShadowBox.left, m_rcShadowBox.top, m_rcShadowBox.right,
                              m_rcShadowBox.bottom, kBalloonCornerEllipse, kBalloonCornerEllipse);
    rgnTail.CreatePolygonRgn(pShadowTail, 3, WINDING);

    pDC->FillRgn(&rgnBox, &brShadow);
    if (HasTail())
        pDC->FillRgn(&rgnTail, &brShadow);

    rgnTail.DeleteObject();
    rgnBox.DeleteObject();
    brShadow.DeleteObject();
}

// The box is filled and framed; the tail is filled, its join with the box
// covered in the fill colour, and its two free sides drawn in the frame colour.
void CBalloonTip::DrawBalloon(CDC* pDC, POINT* pTail)
{
    CBrush brFill, brFrame;
    brFill.CreateSolidBrush(m_crFill);
    brFrame.CreateSolidBrush(m_crFrame);
    CRgn rgnBox, rgnTail;
    rgnBox.CreateRoundRectRgn(m_rcBox.left, m_rcBox.top, m_rcBox.right, m_rcBox.bottom,
                              kBalloonCornerEllipse, kBalloonCornerEllipse);
    rgnTail.CreatePolygonRgn(pTail, 3, WINDING);

    pDC->FillRgn(&rgnBox, &brFill);
    if (HasTail())
        pDC->FillRgn(&rgnTail, &brFill);
    pDC->FrameRgn(&rgnBox, &brFrame, 1, 1);
    if (HasTail())
        DrawTailOutline(pDC, pTail);

    rgnTail.DeleteObject();
    rgnBox.DeleteObject();
    brFrame.DeleteObject();
    brFill.DeleteObject();
}

void CBalloonTip::DrawTailOutline(CDC* pDC, const POINT* pTail)
{
    CPen penFill, penFrame;
    penFill.CreatePen(PS_SOLID, 1, m_crFill);
    penFrame.CreatePen(PS_SOLID, 1, m_crFrame);

    CPen* pOldPen = pDC->SelectObject(&penFill);
    pDC->MoveTo(pTail[0]);
    pDC->LineTo(pTail[1]);
    pDC->SelectObject(&penFrame);
    pDC->MoveTo(pTail[0]);
    pDC->LineTo(pTail[2]);
    pDC->LineTo(pTail[1]);
    pDC->SelectObject(pOldPen);

    penFrame.DeleteObject();
    penFill.DeleteObject();
}

// Lines are left-aligned inside a block centred in the box; odd leftovers
// fall to the right and bottom.
void CBalloonTip::OnDraw(CDC* pDC)
{
    RECT rcCalc = { 0, 0, 0, 0 };
    ::DrawTextA(pDC->m_hDC, m_szText, -1, &rcCalc, DT_CALCRECT);
    const int dx = ((m_rcBox.right - m_rcBox.left) - (rcCalc.right - rcCalc.left)) / 2;
    const int dy = ((m_rcBox.bottom - m_rcBox.top) - (rcCalc.bottom - rcCalc.top)) / 2;
    RECT rcText = m_rcBox;
    ::InflateRect(&rcText, -dx, -dy);
    pDC->DrawText(m_szText, -1, &rcText, 0);
}
