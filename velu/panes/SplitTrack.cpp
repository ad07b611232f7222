// SplitTrack.cpp - pane layout, drag limits, the nested drag loop and the cursors of the split bars.
#include <afxwin.h>
#include "frame/VeluFrame.h"
#include "panes/VeluPanes.h"
#include "panes/SplitTrack.h"

namespace {

// Loaded once, together, and kept for the life of the library.
HCURSOR s_hCursorVSplit = NULL;
HCURSOR s_hCursorHSplit = NULL;

// A pane id that names no child of the parent is skipped.
CWnd* PaneAt(const VeluSplitBar& bar, const CDWordArray& panes, int i)
{
    return bar.pParent->GetDlgItem((int)panes.GetAt(i));
}

CRect WindowRectIn(CWnd* pWnd, CWnd* pParent)
{
    CRect rect;
    pWnd->GetWindowRect(&rect);
    pParent->ScreenToClient(&rect);
    return rect;
}

} // namespace

void VeluSplitRecalcLayout(const VeluSplitBar& bar)
{
    if (bar.pParent == NULL || bar.pBar->m_hWnd == NULL)
        return;
    const CRect b = WindowRectIn(bar.pBar, bar.pParent);
    const BOOL bX = bar.axis == kSplitAxisX;
    for (int i = 0; i < bar.pBefore->GetSize(); i++)
    {
        CWnd* pPane = PaneAt(bar, *bar.pBefore, i);
        if (pPane == NULL)
            continue;
        const CRect p = WindowRectIn(pPane, bar.pParent);
        if (bX)
            pPane->MoveWindow(p.left, p.top, b.left - kSplitPaneGap - p.left, p.Height(), FALSE);
        else
            pPane->MoveWindow(p.left, p.top, p.Width(), b.top - kSplitPaneGap - p.top, FALSE);
    }
    for (int i = 0; i < bar.pAfter->GetSize(); i++)
    {
        CWnd* pPane = PaneAt(bar, *bar.pAfter, i);
        if (pPane == NULL)
            continue;
        const CRect p = WindowRectIn(pPane, bar.pParent);
        if (bX)
            pPane->MoveWindow(b.right + kSplitPaneGap, p.top, p.right - b.right - kSplitPaneGap, p.Height(), FALSE);
        else
            pPane->MoveWindow(p.left, b.bottom + kSplitPaneGap, p.Width(), p.bottom - b.bottom - kSplitPaneGap, FALSE);
    }
    ::InvalidateRect(bar.pParent->m_hWnd, NULL, TRUE);
}

// Everything in screen coordinates but point. Holding the cursor in the
// result keeps the bar's near edge at or beyond Low and its far edge at or
// before High.
BOOL VeluSplitClipRect(const VeluSplitBar& bar, RECT* pClip, CPoint point)
{
    if (bar.pParent == NULL || bar.pBar->m_hWnd == NULL)
        return FALSE;
    const BOOL bX = bar.axis == kSplitAxisX;
    CRect w;
    bar.pBar->GetWindowRect(&w);
    CRect q;
    bar.pParent->GetClientRect(&q);
    bar.pParent->ClientToScreen(&q);

    int nLow = (bX ? q.left : q.top) + bar.nMinBefore;
    for (int i = 0; i < bar.pBefore->GetSize(); i++)
    {
        CWnd* pPane = PaneAt(bar, *bar.pBefore, i);
        if (pPane == NULL)
            continue;
        CRect p;
        pPane->GetWindowRect(&p);
        const int nPaneLow = (bX ? p.left : p.top) + bar.nMinBefore;
        if (nPaneLow > nLow)
            nLow = nPaneLow;
    }
    int nHigh = (bX ? q.right : q.bottom) - bar.nMinAfter;
    for (int i = 0; i < bar.pAfter->GetSize(); i++)
    {
        CWnd* pPane = PaneAt(bar, *bar.pAfter, i);
        if (pPane == NULL)
            continue;
        CRect p;
        pPane->GetWindowRect(&p);
        const int nPaneHigh = (bX ? p.right : p.bottom) - bar.nMinAfter;
        if (nPaneHigh < nHigh)
            nHigh = nPaneHigh;
    }
    if (nLow >= nHigh)
        return FALSE;

    if (bX)
        ::SetRect(pClip, point.x + nLow, w.top, point.x + nHigh - w.Width() + 1, w.bottom);
    else
        ::SetRect(pClip, w.left, point.y + nLow, w.right, point.y + nHigh - w.Height() + 1);
    return TRUE;
}

int VeluSplitTrack(const VeluSplitBar& bar, const RECT& clip, CPoint point, RECT* pLast)
{
    const BOOL bX = bar.axis == kSplitAxisX;
    ::ClipCursor(&clip);
    bar.pBar->SetCapture();

    const HWND hParent = bar.pParent->m_hWnd;
    CDC* pDC = CDC::FromHandle(::GetDC(hParent));
    CRect w;
    bar.pBar->GetWindowRect(&w);
    // The border is as thick as the bar, so the block is the whole bar, in halftone.
    const CSize size(w.Width(), w.Height());
    bar.pParent->ScreenToClient(&w);
    pDC->DrawDragRect(&w, size, NULL, size);

    CRect current = w;
    CRect last = w;
    int nDistance = 0;
    MSG msg;
    for (;;)
    {
        const BOOL bGot = ::GetMessageA(&msg, NULL, 0, 0);
        if (bGot == 0)
        {
            // The application is quitting: leave the quit for its own loop.
            ::PostQuitMessage((int)msg.wParam);
            break;
        }
        if (bGot == -1 || ::GetCapture() != bar.pBar->m_hWnd)
            break;
        if (msg.message == WM_LBUTTONUP || msg.message == WM_RBUTTONDOWN)
            break;
        if (msg.message == WM_KEYDOWN)
        {
            if (msg.wParam == VK_ESCAPE)
                break;
            continue;
        }
        if (msg.message == WM_MOUSEMOVE)
        {
            nDistance = bX ? (short)LOWORD(msg.lParam) - point.x : (short)HIWORD(msg.lParam) - point.y;
            current = w;
            current.OffsetRect(bX ? nDistance : 0, bX ? 0 : nDistance);
            pDC->DrawDragRect(&current, size, &last, size);
            last = current;
            continue;
        }
        ::DispatchMessageA(&msg);
    }

    pDC->DrawDragRect(&current, size, NULL, size);
    ::ReleaseDC(hParent, pDC->m_hDC);
    ::ReleaseCapture();
    ::ClipCursor(NULL);
    *pLast = current;
    return nDistance;
}

int VeluSplitBind(CWnd* pBar, CWnd* pParentWnd, unsigned long nID)
{
    if (pParentWnd == NULL || pBar->m_hWnd != NULL)
        return 0;
    HWND hControl = ::GetDlgItem(pParentWnd->GetSafeHwnd(), (int)nID);
    if (hControl == NULL || !pBar->SubclassWindow(hControl))
        return 0;
    ::SetWindowLongA(pBar->m_hWnd, GWL_STYLE, ::GetWindowLongA(pBar->m_hWnd, GWL_STYLE) | kSplitBoundStyle);
    return 1;
}

void VeluSplitPress(const VeluSplitBar& bar, CPoint point)
{
    if (::GetCapture() != NULL)
        return;
    RECT clip;
    if (!VeluSplitClipRect(bar, &clip, point))
        return;
    RECT last;
    const int nDistance = VeluSplitTrack(bar, clip, point, &last);
    if (nDistance != 0)
        VeluSplitFinish(bar, last, nDistance);
}

BOOL VeluSplitFinish(const VeluSplitBar& bar, const RECT& rcNew, int nDistance)
{
    // A window destroyed while the drag's loop dispatched messages ends it here.
    if (bar.pBar->m_hWnd == NULL || !::IsWindow(bar.pParent->m_hWnd))
        return FALSE;
    bar.pBar->MoveWindow(&rcNew, FALSE);
    VeluSplitRecalcLayout(bar);
    ::SendMessageA(bar.pParent->m_hWnd, kSplitBarMoved, (WPARAM)(INT_PTR)nDistance,
                   (LPARAM)bar.pBar->GetDlgCtrlID());
    return TRUE;
}

HCURSOR VeluSplitCursor(VeluSplitAxis axis)
{
    if (s_hCursorVSplit == NULL && s_hCursorHSplit == NULL)
    {
        s_hCursorVSplit = ::LoadCursorA(g_hVeluInstance, VELU_CUR_VSPLIT);
        s_hCursorHSplit = ::LoadCursorA(g_hVeluInstance, VELU_CUR_HSPLIT);
    }
    return axis == kSplitAxisX ? s_hCursorVSplit : s_hCursorHSplit;
}
