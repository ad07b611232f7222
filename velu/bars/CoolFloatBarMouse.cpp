// CoolFloatBarMouse.cpp - the floating bar's mouse: hit testing, hot caption buttons, the edge drag and toggling.
#include "bars/VeluBars.h"

#include <afxpriv.h>

namespace
{
// GetDCEx flags of the tracker: the frame's whole window, drawn even while
// window updates are locked.
const DWORD kTrackerDCFlags = DCX_WINDOW | DCX_CACHE | DCX_LOCKWINDOWUPDATE;

void SetSystemCursor(LPCTSTR lpszCursor)
{
    ::SetCursor(::LoadCursorA(NULL, lpszCursor));
}
}

/////////////////////////////////////////////////////////////////////////////
// Hit testing

int CCoolFloatBar::MouseHitTest(POINT point)
{
    m_rectHitEdge.SetRectEmpty();
    CRect rcFloat, rcClose, rcClient;
    GetDockedButtonsRect(&rcFloat, &rcClose);
    GetClientRect(&rcClient);
    if (rcFloat.PtInRect(point))
        return kFloatBarHitFloat;
    if (rcClose.PtInRect(point))
        return kFloatBarHitClose;

    const struct { int nCode; CRect rect; } edges[] = {
        {kFloatBarHitLeft, CRect(rcClient.left, rcClient.top, rcClient.left + kFloatBarEdge, rcClient.bottom)},
        {kFloatBarHitRight, CRect(rcClient.right - kFloatBarEdge, rcClient.top, rcClient.right, rcClient.bottom)},
        {kFloatBarHitTop, CRect(rcClient.left, rcClient.top, rcClient.right, rcClient.top + kFloatBarEdge)},
        {kFloatBarHitBottom, CRect(rcClient.left, rcClient.bottom - kFloatBarEdge, rcClient.right, rcClient.bottom)},
    };
    for (int i = 0; i < (int)(sizeof(edges) / sizeof(edges[0])); i++)
    {
        if (edges[i].rect.PtInRect(point))
        {
            m_rectHitEdge = edges[i].rect;
            return edges[i].nCode;
        }
    }
    return 0;
}

// The edge facing the frame's client area, the only one that sizes the bar.
int CCoolFloatBar::SizingEdge() const
{
    switch (GetDockBarID())
    {
    case AFX_IDW_DOCKBAR_LEFT:   return kFloatBarHitRight;
    case AFX_IDW_DOCKBAR_RIGHT:  return kFloatBarHitLeft;
    case AFX_IDW_DOCKBAR_TOP:    return kFloatBarHitBottom;
    case AFX_IDW_DOCKBAR_BOTTOM: return kFloatBarHitTop;
    default:                     return 0;
    }
}

void CCoolFloatBar::SetSizingCursor(int nHit)
{
    if (nHit == kFloatBarHitLeft || nHit == kFloatBarHitRight)
        SetSystemCursor(IDC_SIZEWE);
    else if (nHit == kFloatBarHitTop || nHit == kFloatBarHitBottom)
        SetSystemCursor(IDC_SIZENS);
}

void CCoolFloatBar::InvalidateButton(const RECT& rect)
{
    CRect rcGrown(rect);
    rcGrown.InflateRect(1, 1);
    InvalidateRect(&rcGrown, TRUE);
}

/////////////////////////////////////////////////////////////////////////////
// Edge drag

void CCoolFloatBar::StartTracking()
{
    SetCapture();
    m_bTracking = TRUE;
    m_ptTrackStart = m_rectHitEdge.CenterPoint();
    m_rectTracker = m_rectHitEdge;
    OnInvertTracker(m_rectTracker);
}

// Inverting twice restores the screen, so the drag bar is drawn and erased
// without repainting the frame.
void CCoolFloatBar::OnInvertTracker(const CRect& rect)
{
    CFrameWnd* pFrame = GetDockingFrame();
    if (pFrame == NULL || pFrame->m_hWnd == NULL)
        return;
    CRect rcBar, rcFrame;
    GetWindowRect(&rcBar);
    pFrame->GetWindowRect(&rcFrame);
    CRect rcInvert(rect);
    rcInvert.OffsetRect(rcBar.left - rcFrame.left, rcBar.top - rcFrame.top);
    rcInvert.DeflateRect(1, 1);

    HDC hDC = ::GetDCEx(pFrame->m_hWnd, NULL, kTrackerDCFlags);
    if (hDC == NULL)
        return;
    CDC* pDC = CDC::FromHandle(hDC);
    CBrush* pBrush = CDC::GetHalftoneBrush();
    CBrush* pOldBrush = pDC->SelectObject(pBrush);
    pDC->PatBlt(rcInvert.left, rcInvert.top, rcInvert.Width(), rcInvert.Height(), PATINVERT);
    pDC->SelectObject(pOldBrush);
    ::ReleaseDC(pFrame->m_hWnd, hDC);
}

// A bar docked top or bottom follows the mouse up and down, any other left and right.
void CCoolFloatBar::MoveTracker(CPoint point)
{
    const CPoint ptMid = m_rectTracker.CenterPoint();
    const CSize offset = IsHorzDocked() ? CSize(0, point.y - ptMid.y) : CSize(point.x - ptMid.x, 0);
    if (offset.cx != 0 || offset.cy != 0)
    {
        OnInvertTracker(m_rectTracker);
        m_rectTracker.OffsetRect(offset);
        OnInvertTracker(m_rectTracker);
    }
    SetSizingCursor(m_nLastHit);
}

void CCoolFloatBar::StopTracking(int bApply)
{
    OnInvertTracker(m_rectTracker);
    // Cleared before the capture goes, so the capture change that follows is
    // not taken for a stolen one; a capture another window took stays with it.
    m_bTracking = FALSE;
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    if (bApply)
        ApplyTracking();
}

// The distance the drag bar moved becomes the new width (or height), kept
// between the minimum and the frame's client extent plus the old size (the
// minimum wins when they cross), laid out at the next idle time.
void CCoolFloatBar::ApplyTracking()
{
    CFrameWnd* pFrame = GetDockingFrame();
    if (pFrame == NULL)
        return;
    const BOOL bHorz = IsHorzDocked();
    int nSize = bHorz ? m_sizeHorz.cy : m_sizeVert.cx;
    CRect rcFrame;
    pFrame->GetClientRect(&rcFrame);
    const int nMax = (bHorz ? rcFrame.Height() : rcFrame.Width()) + nSize;
    const int nMin = bHorz ? m_nMinHeight : m_nMinWidth;

    const CPoint ptMid = m_rectTracker.CenterPoint();
    switch (GetDockBarID())
    {
    case AFX_IDW_DOCKBAR_TOP:    nSize += ptMid.y - m_ptTrackStart.y; break;
    case AFX_IDW_DOCKBAR_LEFT:   nSize += ptMid.x - m_ptTrackStart.x; break;
    case AFX_IDW_DOCKBAR_RIGHT:  nSize += m_ptTrackStart.x - ptMid.x; break;
    case AFX_IDW_DOCKBAR_BOTTOM: nSize += m_ptTrackStart.y - ptMid.y; break;
    default: break;
    }
    if (nSize > nMax)
        nSize = nMax;
    if (nSize < nMin)
        nSize = nMin;

    if (bHorz)
        m_sizeHorz.cy = nSize;
    else
        m_sizeVert.cx = nSize;
    pFrame->DelayRecalcLayout(TRUE);
}

/////////////////////////////////////////////////////////////////////////////
// Mouse messages

void CCoolFloatBar::OnMouseMove(UINT nFlags, CPoint point)
{
    if (IsFloating())
    {
        CControlBar::OnMouseMove(nFlags, point);
        return;
    }
    if (m_bTracking)
    {
        MoveTracker(point);
        return;
    }

    const int nPrevHit = m_nLastHit;
    m_nLastHit = MouseHitTest(point);
    CRect rcFloat, rcClose;
    GetDockedButtonsRect(&rcFloat, &rcClose);
    if (m_nLastHit == kFloatBarHitFloat || nPrevHit == kFloatBarHitFloat)
        InvalidateButton(rcFloat);
    else if (m_nLastHit == kFloatBarHitClose || nPrevHit == kFloatBarHitClose)
        InvalidateButton(rcClose);

    if (m_nLastHit != 0 && m_nLastHit == SizingEdge())
        SetSizingCursor(m_nLastHit);
    else
        SetSystemCursor(IDC_ARROW);
}

// The buttons act on the release; the sizing edge starts the edge drag;
// anywhere else MFC's drag to dock or float starts, if the bar may float.
void CCoolFloatBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (IsFloating())
    {
        if (m_bFloatable)
            CControlBar::OnLButtonDown(nFlags, point);
        return;
    }
    m_nLastHit = MouseHitTest(point);
    if (m_nLastHit == kFloatBarHitFloat || m_nLastHit == kFloatBarHitClose)
        return;
    if (m_nLastHit != 0 && m_nLastHit == SizingEdge())
    {
        SetSizingCursor(m_nLastHit);
        StartTracking();
        return;
    }
    if (m_bFloatable)
        CControlBar::OnLButtonDown(nFlags, point);
}

void CCoolFloatBar::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_bTracking)
    {
        StopTracking(TRUE);
        return;
    }
    const int nHit = MouseHitTest(point);
    if (nHit == kFloatBarHitFloat && m_nLastHit == kFloatBarHitFloat)
    {
        if (m_pDockContext != NULL)
            m_pDockContext->ToggleDocking();
    }
    else if (nHit == kFloatBarHitClose && m_nLastHit == kFloatBarHitClose)
    {
        CFrameWnd* pFrame = GetDockingFrame();
        if (pFrame != NULL)
            pFrame->ShowControlBar(this, FALSE, FALSE);
        if (m_pDockContext != NULL)
            m_pDockContext->ToggleDocking();
    }
    else
    {
        CControlBar::OnLButtonUp(nFlags, point);
    }
}

void CCoolFloatBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (IsFloating())
    {
        CControlBar::OnLButtonDblClk(nFlags, point);
        return;
    }
    if (m_bFloatable && m_pDockContext != NULL)
        m_pDockContext->ToggleDocking();
}

// Losing the capture to another window (a message box, say) ends the drag
// and keeps the old size.
void CCoolFloatBar::OnCaptureChanged(CWnd* pWnd)
{
    if (m_bTracking && pWnd != this)
        StopTracking(FALSE);
    CControlBar::OnCaptureChanged(pWnd);
}
