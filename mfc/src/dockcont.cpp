// CDockContext: dragging a bar with the mouse to dock or float it, resizing
// a floating bar by its frame, and toggling between docked and floating.
// Drags run their own message loop with the mouse captured and draw the
// tracking rectangle on the screen by inversion.
#include "mfcimpl.h"

namespace {

BOOL IsHorz(DWORD dwStyle)
{
    return (dwStyle & CBRS_ORIENT_HORZ) != 0;
}

BOOL IsVert(DWORD dwStyle)
{
    return (dwStyle & CBRS_ORIENT_VERT) != 0;
}

// Moves rect the least so that it holds pt.
void KeepPointInside(CRect& rect, CPoint pt)
{
    int dx = pt.x < rect.left ? pt.x - rect.left : pt.x >= rect.right ? pt.x - rect.right + 1 : 0;
    int dy = pt.y < rect.top ? pt.y - rect.top : pt.y >= rect.bottom ? pt.y - rect.bottom + 1 : 0;
    rect.OffsetRect(dx, dy);
}

// The window rectangle of a floating frame whose client is rectBar.
CRect FloatingFrameRect(const CRect& rectBar)
{
    CRect rect = rectBar;
    CMiniFrameWnd::CalcBorders(&rect);
    return rect;
}

}  // namespace

CDockContext::CDockContext(CControlBar* pBar)
    : m_ptLast(0, 0),
      m_sizeLast(0, 0),
      m_bDitherLast(FALSE),
      m_pBar(pBar),
      m_pDockSite(pBar->m_pDockSite),
      m_dwDockStyle(0),
      m_dwOverDockStyle(0),
      m_dwStyle(0),
      m_bFlip(FALSE),
      m_bForceFrame(FALSE),
      m_pDC(NULL),
      m_bDragging(FALSE),
      m_nHitTest(0),
      m_uMRUDockID(0),
      m_dwMRUFloatStyle(0),
      m_ptMRUFloatPos(-1, -1)
{
}

CDockContext::~CDockContext()
{
    if (m_pDC != NULL) {
        ::ReleaseDC(::GetDesktopWindow(), m_pDC->Detach());
        delete m_pDC;
        m_pDC = NULL;
    }
}

// ---------------------------------------------------------------- the loop
// Ctrl or Shift held when the drag starts count as pressed during it.
void CDockContext::InitLoop()
{
    MSG msg;
    while (::PeekMessage(&msg, NULL, WM_PAINT, WM_PAINT, PM_REMOVE))
        ::DispatchMessage(&msg);

    if (m_pDockSite == NULL)
        m_pDockSite = m_pBar->m_pDockSite;
    m_dwDockStyle = m_pBar->m_dwDockStyle;
    m_dwStyle = m_pBar->m_dwStyle & CBRS_ALIGN_ANY;
    m_rectLast.SetRectEmpty();
    m_sizeLast = CSize(0, 0);
    m_bDitherLast = FALSE;
    m_bForceFrame = ::GetKeyState(VK_CONTROL) < 0;
    m_bFlip = ::GetKeyState(VK_SHIFT) < 0 && IsHorz(m_dwDockStyle) && IsVert(m_dwDockStyle);

    if (m_pDC == NULL) {
        m_pDC = new CDC;
        m_pDC->Attach(::GetDCEx(::GetDesktopWindow(), NULL, DCX_WINDOW | DCX_CACHE));
    }
}

void CDockContext::CancelLoop()
{
    DrawFocusRect(TRUE);
    if (::GetCapture() == m_pBar->m_hWnd)
        ::ReleaseCapture();
    if (m_pDC != NULL) {
        ::ReleaseDC(::GetDesktopWindow(), m_pDC->Detach());
        delete m_pDC;
        m_pDC = NULL;
    }
}

// Runs until the button goes up (drop), Escape or the right button (cancel),
// or the capture goes elsewhere (cancel).
BOOL CDockContext::Track()
{
    if (::GetCapture() != NULL)
        return FALSE;
    m_pBar->SetCapture();
    while (CWnd::GetCapture() == m_pBar) {
        MSG msg;
        if (!::GetMessage(&msg, NULL, 0, 0)) {
            AfxPostQuitMessage((int)msg.wParam);
            break;
        }
        switch (msg.message) {
        case WM_LBUTTONUP:
            if (m_bDragging)
                EndDrag();
            else
                EndResize();
            return TRUE;
        case WM_MOUSEMOVE:
            if (m_bDragging)
                Move(msg.pt);
            else
                Stretch(msg.pt);
            break;
        case WM_KEYUP:
            if (m_bDragging)
                OnKey((int)msg.wParam, FALSE);
            break;
        case WM_KEYDOWN:
            if (m_bDragging)
                OnKey((int)msg.wParam, TRUE);
            if (msg.wParam == VK_ESCAPE) {
                CancelLoop();
                return FALSE;
            }
            break;
        case WM_RBUTTONDOWN:
            CancelLoop();
            return FALSE;
        default:
            ::DispatchMessage(&msg);
            break;
        }
    }
    CancelLoop();
    return FALSE;
}

// Docking positions are outlined thinly, a floating frame with a thick
// halftone border.  The previous outline is erased in the same stroke.
void CDockContext::DrawFocusRect(BOOL bRemoveRect)
{
    if (m_pDC == NULL)
        return;
    CSize size(::GetSystemMetrics(SM_CXBORDER), ::GetSystemMetrics(SM_CYBORDER));
    CBrush* pWhiteBrush = CBrush::FromHandle((HBRUSH)::GetStockObject(WHITE_BRUSH));
    CBrush* pDitherBrush = CDC::GetHalftoneBrush();
    CBrush* pBrush = pWhiteBrush;
    CRect rect;
    if (IsHorz(m_dwOverDockStyle)) {
        rect = m_rectDragHorz;
    } else if (IsVert(m_dwOverDockStyle)) {
        rect = m_rectDragVert;
    } else {
        size.cx = ::GetSystemMetrics(SM_CXFRAME) - ::GetSystemMetrics(SM_CXBORDER);
        size.cy = ::GetSystemMetrics(SM_CYFRAME) - ::GetSystemMetrics(SM_CYBORDER);
        BOOL bFloatHorz = !m_bDragging || (m_pBar->m_dwStyle & CBRS_SIZE_DYNAMIC) || IsHorz(m_dwStyle) != m_bFlip;
        rect = bFloatHorz ? m_rectFrameDragHorz : m_rectFrameDragVert;
        pBrush = pDitherBrush;
    }
    if (bRemoveRect)
        size.cx = size.cy = 0;
    m_pDC->DrawDragRect(&rect, size, m_rectLast.IsRectNull() ? NULL : &m_rectLast, m_sizeLast, pBrush,
                        m_bDitherLast ? pDitherBrush : pWhiteBrush);
    m_rectLast = rect;
    m_sizeLast = size;
    m_bDitherLast = pBrush == pDitherBrush;
}

// ---------------------------------------------------------------- dragging
// The outline starts as the bar in its present orientation and as the
// floating frame it would get, moved so that the mouse is inside each.
void CDockContext::StartDrag(CPoint pt)
{
    m_bDragging = TRUE;
    InitLoop();
    CRect rect;
    m_pBar->GetWindowRect(rect);
    m_ptLast = pt;

    if (m_pBar->m_dwStyle & CBRS_SIZE_DYNAMIC) {
        CSize sizeHorz = m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_HORZDOCK);
        CSize sizeVert = m_pBar->CalcDynamicLayout(0, LM_VERTDOCK);
        m_rectDragHorz = CRect(rect.TopLeft(), sizeHorz);
        m_rectDragVert = CRect(rect.TopLeft(), sizeVert);
    } else {
        BOOL bHorz = IsHorz(m_dwStyle);
        CSize sizeOther = m_pBar->CalcDynamicLayout(-1, bHorz ? LM_VERTDOCK : (LM_HORZ | LM_HORZDOCK));
        if (bHorz) {
            m_rectDragHorz = rect;
            m_rectDragVert = CRect(CPoint(pt.x - rect.Height() / 2, rect.top), sizeOther);
        } else {
            m_rectDragVert = rect;
            m_rectDragHorz = CRect(CPoint(rect.left, pt.y - rect.Width() / 2), sizeOther);
        }
    }
    // The floating outline is the frame the bar will get: measured with the
    // bar's floating style (no gripper), without changing the bar.
    DWORD dwStyleDocked = m_pBar->m_dwStyle;
    m_pBar->m_dwStyle = (dwStyleDocked & ~CBRS_ALIGN_ANY) | CBRS_FLOATING | CBRS_BORDER_ANY | CBRS_ALIGN_TOP;
    if (dwStyleDocked & CBRS_SIZE_DYNAMIC) {
        CSize sizeFloat = m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_MRUWIDTH);
        m_rectFrameDragHorz = FloatingFrameRect(CRect(rect.TopLeft(), sizeFloat));
        m_rectFrameDragVert = m_rectFrameDragHorz;
    } else {
        m_rectFrameDragHorz = FloatingFrameRect(CRect(m_rectDragHorz.TopLeft(), m_pBar->CalcFixedLayout(FALSE, TRUE)));
        m_pBar->m_dwStyle = (m_pBar->m_dwStyle & ~CBRS_ALIGN_ANY) | CBRS_ALIGN_LEFT;
        m_rectFrameDragVert = FloatingFrameRect(CRect(m_rectDragVert.TopLeft(), m_pBar->CalcFixedLayout(FALSE, FALSE)));
    }
    m_pBar->m_dwStyle = dwStyleDocked;
    // A bar that floats already keeps its frame where it is.
    if (m_pBar->IsFloating()) {
        CFrameWnd* pFrame = m_pBar->GetDockingFrame();
        if (pFrame != NULL && pFrame != m_pDockSite) {
            CRect rectFrame;
            pFrame->GetWindowRect(&rectFrame);
            if (IsHorz(m_dwStyle) || (m_pBar->m_dwStyle & CBRS_SIZE_DYNAMIC))
                m_rectFrameDragHorz = rectFrame;
            else
                m_rectFrameDragVert = rectFrame;
        }
    }
    KeepPointInside(m_rectDragHorz, pt);
    KeepPointInside(m_rectDragVert, pt);
    KeepPointInside(m_rectFrameDragHorz, pt);
    KeepPointInside(m_rectFrameDragVert, pt);

    m_dwOverDockStyle = m_bForceFrame ? 0 : CanDock();
    Move(pt);
    Track();
}

void CDockContext::Move(CPoint pt)
{
    CPoint ptOffset = pt - m_ptLast;
    m_rectDragHorz.OffsetRect(ptOffset);
    m_rectFrameDragHorz.OffsetRect(ptOffset);
    m_rectDragVert.OffsetRect(ptOffset);
    m_rectFrameDragVert.OffsetRect(ptOffset);
    m_ptLast = pt;
    m_dwOverDockStyle = m_bForceFrame ? 0 : CanDock();
    DrawFocusRect();
}

void CDockContext::OnKey(int nChar, BOOL bDown)
{
    if (nChar == VK_CONTROL)
        UpdateState(&m_bForceFrame, bDown);
    if (nChar == VK_SHIFT)
        UpdateState(&m_bFlip, bDown);
}

void CDockContext::UpdateState(BOOL* pFlag, BOOL bNewValue)
{
    if (*pFlag == bNewValue)
        return;
    *pFlag = bNewValue;
    // Flipping the orientation needs both orientations to be allowed.
    if (!(IsHorz(m_dwDockStyle) && IsVert(m_dwDockStyle)))
        m_bFlip = FALSE;
    m_dwOverDockStyle = m_bForceFrame ? 0 : CanDock();
    DrawFocusRect();
}

// The side of the dock bar the outline is over.  The bar's own orientation
// comes first; the other one only where the outline in both orientations
// touches the same dock bar, so that the outline does not flip back and
// forth at an edge.
DWORD CDockContext::CanDock()
{
    if (m_pDockSite == NULL)
        return 0;
    BOOL bHorz = IsHorz(m_dwStyle) != m_bFlip;
    DWORD dwDock = 0;
    if (bHorz && IsHorz(m_dwDockStyle))
        dwDock = m_pDockSite->CanDock(m_rectDragHorz, m_dwDockStyle & ~CBRS_ORIENT_VERT);
    else if (!bHorz && IsVert(m_dwDockStyle))
        dwDock = m_pDockSite->CanDock(m_rectDragVert, m_dwDockStyle & ~CBRS_ORIENT_HORZ);
    if (dwDock != 0 || m_bFlip)
        return dwDock;
    if (IsHorz(m_dwDockStyle)) {
        DWORD dwHorz = m_pDockSite->CanDock(m_rectDragHorz, m_dwDockStyle & ~CBRS_ORIENT_VERT);
        if (dwHorz != 0 && dwHorz == m_pDockSite->CanDock(m_rectDragVert, m_dwDockStyle & ~CBRS_ORIENT_VERT))
            return dwHorz;
    }
    if (IsVert(m_dwDockStyle)) {
        DWORD dwVert = m_pDockSite->CanDock(m_rectDragVert, m_dwDockStyle & ~CBRS_ORIENT_HORZ);
        if (dwVert != 0 && dwVert == m_pDockSite->CanDock(m_rectDragHorz, m_dwDockStyle & ~CBRS_ORIENT_HORZ))
            return dwVert;
    }
    return 0;
}

CDockBar* CDockContext::GetDockBar(DWORD dwOverDockStyle)
{
    CDockBar* pDockBar = NULL;
    if (IsHorz(dwOverDockStyle) &&
        m_pDockSite->CanDock(m_rectDragHorz, dwOverDockStyle & ~CBRS_ORIENT_VERT, &pDockBar) != 0)
        return pDockBar;
    if (IsVert(dwOverDockStyle) &&
        m_pDockSite->CanDock(m_rectDragVert, dwOverDockStyle & ~CBRS_ORIENT_HORZ, &pDockBar) != 0)
        return pDockBar;
    return NULL;
}

// Dropped over a dock bar: docks there and remembers the place; elsewhere
// floats the bar where the outline was and remembers that.
void CDockContext::EndDrag()
{
    CancelLoop();
    if (m_dwOverDockStyle != 0) {
        CDockBar* pDockBar = GetDockBar(m_dwOverDockStyle);
        if (pDockBar == NULL)
            return;
        CRect rect = IsVert(m_dwOverDockStyle) ? m_rectDragVert : m_rectDragHorz;
        UINT uID = (UINT)pDockBar->GetDlgCtrlID();
        if (uID >= AFX_IDW_DOCKBAR_TOP && uID <= AFX_IDW_DOCKBAR_BOTTOM) {
            m_uMRUDockID = uID;
            m_rectMRUDockPos = rect;
            pDockBar->ScreenToClient(&m_rectMRUDockPos);
        }
        m_pDockSite->DockControlBar(m_pBar, pDockBar, &rect);
        m_pDockSite->RecalcLayout();
        return;
    }
    BOOL bFloatHorz = (m_pBar->m_dwStyle & CBRS_SIZE_DYNAMIC) || IsHorz(m_dwStyle) != m_bFlip;
    m_dwMRUFloatStyle = (bFloatHorz ? CBRS_ALIGN_TOP : CBRS_ALIGN_LEFT) | (m_dwDockStyle & CBRS_FLOAT_MULTI);
    m_ptMRUFloatPos = (bFloatHorz ? m_rectFrameDragHorz : m_rectFrameDragVert).TopLeft();
    m_pDockSite->FloatControlBar(m_pBar, m_ptMRUFloatPos, m_dwMRUFloatStyle);
}

// ---------------------------------------------------------------- resizing a floating bar
void CDockContext::StartResize(int nHitTest, CPoint pt)
{
    m_bDragging = FALSE;
    m_nHitTest = nHitTest;
    InitLoop();
    m_ptLast = pt;
    CRect rectBar;
    m_pBar->GetWindowRect(&rectBar);
    CRect rectFrame = rectBar;
    CFrameWnd* pFrame = m_pBar->GetDockingFrame();
    if (pFrame != NULL)
        pFrame->GetWindowRect(&rectFrame);
    m_rectFrameBorders = CRect(rectBar.left - rectFrame.left, rectBar.top - rectFrame.top,
                               rectFrame.right - rectBar.right, rectFrame.bottom - rectBar.bottom);
    m_rectRequestedSize = rectBar;
    m_rectActualSize = rectBar;
    m_rectActualFrameSize = rectFrame;
    m_rectFrameDragHorz = rectFrame;
    m_dwOverDockStyle = 0;
    DrawFocusRect();
    Track();
}

// The bar decides its size for the length asked; the outline follows,
// anchored at the edges that are not dragged.
void CDockContext::Stretch(CPoint pt)
{
    CPoint ptOffset = pt - m_ptLast;
    m_ptLast = pt;
    BOOL bLeft = m_nHitTest == HTLEFT || m_nHitTest == HTTOPLEFT || m_nHitTest == HTBOTTOMLEFT;
    BOOL bTop = m_nHitTest == HTTOP || m_nHitTest == HTTOPLEFT || m_nHitTest == HTTOPRIGHT;
    BOOL bWidth = m_nHitTest == HTLEFT || m_nHitTest == HTRIGHT;
    DWORD dwMode = LM_HORZ;
    int nLength;
    if (bWidth) {
        if (bLeft)
            m_rectRequestedSize.left += ptOffset.x;
        else
            m_rectRequestedSize.right += ptOffset.x;
        nLength = m_rectRequestedSize.Width();
    } else {
        dwMode |= LM_LENGTHY;
        if (bTop)
            m_rectRequestedSize.top += ptOffset.y;
        else
            m_rectRequestedSize.bottom += ptOffset.y;
        nLength = m_rectRequestedSize.Height();
    }
    CSize size = m_pBar->CalcDynamicLayout(max(nLength, 0), dwMode);

    CRect rect = m_rectActualSize;
    if (bLeft)
        rect.left = rect.right - size.cx;
    else
        rect.right = rect.left + size.cx;
    if (bTop)
        rect.top = rect.bottom - size.cy;
    else
        rect.bottom = rect.top + size.cy;
    m_rectActualSize = rect;
    m_rectActualFrameSize = CRect(rect.left - m_rectFrameBorders.left, rect.top - m_rectFrameBorders.top,
                                  rect.right + m_rectFrameBorders.right, rect.bottom + m_rectFrameBorders.bottom);
    m_rectFrameDragHorz = m_rectActualFrameSize;
    DrawFocusRect();
}

void CDockContext::EndResize()
{
    CancelLoop();
    m_pBar->CalcDynamicLayout(m_rectActualSize.Width(), LM_HORZ | LM_COMMIT);
    m_pDockSite->FloatControlBar(m_pBar, m_rectActualFrameSize.TopLeft(),
                                 CBRS_ALIGN_TOP | (m_dwDockStyle & CBRS_FLOAT_MULTI) | CBRS_SIZE_DYNAMIC);
}

// ---------------------------------------------------------------- toggling
// A floating bar docks where it was last docked; a docked one floats where
// it last floated, the first time with the floating frame's corner at the
// bar's: the frame's caption then lies on the bar's old place, not over the
// dock bar beside it, where a click on the caption would dock the bar there.
void CDockContext::ToggleDocking()
{
    if (m_pDockSite == NULL)
        m_pDockSite = m_pBar->m_pDockSite;
    if (m_pBar->IsFloating()) {
        if (!(m_pBar->m_dwDockStyle & CBRS_ALIGN_ANY))
            return;
        CRect rect = m_rectMRUDockPos;
        CDockBar* pDockBar = NULL;
        if (m_uMRUDockID != 0) {
            pDockBar = (CDockBar*)m_pDockSite->GetControlBar(m_uMRUDockID);
            if (pDockBar != NULL)
                pDockBar->ClientToScreen(&rect);
        }
        m_pDockSite->ReDockControlBar(m_pBar, pDockBar, pDockBar != NULL ? &rect : NULL);
        m_pDockSite->RecalcLayout();
        return;
    }
    CPoint ptFloat = m_ptMRUFloatPos;
    if (ptFloat.x < 0 || ptFloat.y < 0) {
        CRect rectBar;
        m_pBar->GetWindowRect(&rectBar);
        ptFloat = rectBar.TopLeft();
    }
    DWORD dwStyle = m_dwMRUFloatStyle != 0 ? m_dwMRUFloatStyle : CBRS_ALIGN_TOP | (m_pBar->m_dwDockStyle & CBRS_FLOAT_MULTI);
    m_pDockSite->FloatControlBar(m_pBar, ptFloat, dwStyle);
}
