// HotSpot.cpp - CHotSpot: mouse capture tracking, focus and the visual state of self-drawn buttons.
#include <afxwin.h>
#include "buttons/VeluButtons.h"

CHotSpot* g_pFocusedHotSpot = NULL;

IMPLEMENT_DYNAMIC(CHotSpot, CWndForXCtrl)

BEGIN_MESSAGE_MAP(CHotSpot, CWndForXCtrl)
    //{{AFX_MSG_MAP(CHotSpot)
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    //}}AFX_MSG_MAP
END_MESSAGE_MAP()

/////////////////////////////////////////////////////////////////////////////
// Construction

CHotSpot::CHotSpot()
    : m_dwMouseFlags(0),
      m_bDrawFocusRect(TRUE)
{
    const COLORREF colors[kStateCount] = { 0, 0, 0, kHotSpotAccent, kHotSpotAccent };
    m_colors.Init(kStateHot | kStatePressed, colors);
}

CHotSpot::~CHotSpot()
{
}

/////////////////////////////////////////////////////////////////////////////
// Attributes

void CHotSpot::SetDrawFocusedRect(BOOL bDraw)
{
    m_bDrawFocusRect = bDraw;
}

BOOL CHotSpot::GetDrawFocusedRect() const
{
    return m_bDrawFocusRect;
}

void CHotSpot::SetTextColors(COLORREF crDefault, COLORREF crNormal, COLORREF crDisabled,
                             COLORREF crHot, COLORREF crPressed)
{
    m_colors.SetAll(crDefault, crNormal, crDisabled, crHot, crPressed);
}

void CHotSpot::SetDefaultTextColor(COLORREF cr)  { m_colors.Set(kStateDefault, cr); }
void CHotSpot::SetNormalTextColor(COLORREF cr)   { m_colors.Set(kStateNormal, cr); }
void CHotSpot::SetDisabledTextColor(COLORREF cr) { m_colors.Set(kStateDisabled, cr); }
void CHotSpot::SetHotTextColor(COLORREF cr)      { m_colors.Set(kStateHot, cr); }
void CHotSpot::SetPressedTextColor(COLORREF cr)  { m_colors.Set(kStatePressed, cr); }

/////////////////////////////////////////////////////////////////////////////
// Overridables: a bare hot spot draws nothing; derived classes supply the looks.

void CHotSpot::DrawBackground(CDC* /*pDC*/, RECT* /*pRect*/, DWORD /*dwState*/)
{
}

void CHotSpot::DrawContent(CDC* /*pDC*/, RECT* /*pRect*/, DWORD /*dwState*/)
{
}

void CHotSpot::DrawFocusRect(CDC* /*pDC*/, RECT* /*pRect*/)
{
}

void CHotSpot::OnDraw(CDC* pDC)
{
    PrivateDraw(pDC);
}

/////////////////////////////////////////////////////////////////////////////
// Implementation

COLORREF CHotSpot::SelectTextColor(CDC* pDC, DWORD dwState)
{
    return m_colors.Select(pDC, dwState);
}

void CHotSpot::GetDrawRect(RECT* pRect) const
{
    GetWindowRect(pRect);
    ScreenToClient(pRect);
}

DWORD CHotSpot::GetDrawState() const
{
    if (!IsWindowEnabled())
        return kStateDisabled;
    if (m_dwMouseFlags & kHotSpotPressed)
        return kStatePressed;
    if (m_dwMouseFlags & kHotSpotHot)
        return kStateHot;
    if (g_pFocusedHotSpot != NULL && ::GetFocus() == m_hWnd)
        return kStateDefault;
    return kStateNormal;
}

void CHotSpot::PrivateDraw(CDC* pDC)
{
    CRect rc;
    GetDrawRect(&rc);
    const DWORD dwState = GetDrawState();

    DrawBackground(pDC, &rc, dwState);

    CFont* pOldFont = pDC->SelectObject(&g_fontShared10);
    int nOldMode = pDC->SetBkMode(TRANSPARENT);
    DrawContent(pDC, &rc, dwState);
    pDC->SetBkMode(nOldMode);
    if (pOldFont != NULL)
        pDC->SelectObject(pOldFont);

    if (m_bDrawFocusRect && ::GetFocus() == m_hWnd)
        DrawFocusRect(pDC, &rc);
}

void CHotSpot::PrivateDraw()
{
    // The edit class draws with its parent's DC, which is not clipped to this
    // control; drawing outside a paint cycle clips itself.
    CClientDC dc(this);
    CRect rc;
    GetDrawRect(&rc);
    dc.IntersectClipRect(&rc);
    PrivateDraw(&dc);
}

/////////////////////////////////////////////////////////////////////////////
// Message handlers

void CHotSpot::OnMouseMove(UINT nFlags, CPoint point)
{
    CWndForXCtrl::OnMouseMove(nFlags, point);

    CPoint ptScreen = point;
    ClientToScreen(&ptScreen);
    if (::WindowFromPoint(ptScreen) != m_hWnd)
    {
        // Another window covers the pointer: this one is no longer hot,
        // though a press that began here is still remembered.
        ::ReleaseCapture();
        m_dwMouseFlags &= ~kHotSpotHot;
        PrivateDraw();
        return;
    }

    CRect rc;
    GetDrawRect(&rc);
    const BOOL bInside = rc.PtInRect(point);
    if (!(m_dwMouseFlags & kHotSpotHot) && bInside)
    {
        SetCapture();
        m_dwMouseFlags |= kHotSpotHot;
        PrivateDraw();
    }
    else if ((m_dwMouseFlags & kHotSpotHot) && !bInside)
    {
        if (!(m_dwMouseFlags & kHotSpotPressed))
            ::ReleaseCapture();
        m_dwMouseFlags &= ~kHotSpotHot;
        PrivateDraw();
    }
}

void CHotSpot::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    CWndForXCtrl::OnLButtonDblClk(nFlags, point);
    // A double click plays a whole click, so it looks and feels like one.
    OnLButtonDown(nFlags, point);
    ::Sleep(kHotSpotDblClkPause);
    OnLButtonUp(nFlags, point);
}

void CHotSpot::OnLButtonDown(UINT nFlags, CPoint point)
{
    m_dwMouseFlags |= kHotSpotPressed;
    CWndForXCtrl::OnLButtonDown(nFlags, point);
    PrivateDraw();
}

void CHotSpot::OnLButtonUp(UINT nFlags, CPoint point)
{
    CWndForXCtrl::OnLButtonUp(nFlags, point);
    m_dwMouseFlags &= ~(kHotSpotHot | kHotSpotPressed);
    CRect rc;
    GetDrawRect(&rc);
    if (rc.PtInRect(point))
        m_dwMouseFlags |= kHotSpotHot;
    PrivateDraw();
}

void CHotSpot::OnSetFocus(CWnd* pOldWnd)
{
    CWndForXCtrl::OnSetFocus(pOldWnd);
    g_pFocusedHotSpot = this;
    PrivateDraw();
}

void CHotSpot::OnKillFocus(CWnd* pNewWnd)
{
    CWndForXCtrl::OnKillFocus(pNewWnd);
    g_pFocusedHotSpot = NULL;
    PrivateDraw();
}
