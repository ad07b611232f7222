// CFrameWnd's docking services: its dock bars, docking and floating bars,
// showing and hiding them, and finding the dock bar under a drag rectangle.
#include "mfcimpl.h"

// The frame's dock bars and the side each one takes.
const DWORD CFrameWnd::dwDockBarMap[4][2] = {
    {AFX_IDW_DOCKBAR_TOP, CBRS_TOP},
    {AFX_IDW_DOCKBAR_BOTTOM, CBRS_BOTTOM},
    {AFX_IDW_DOCKBAR_LEFT, CBRS_LEFT},
    {AFX_IDW_DOCKBAR_RIGHT, CBRS_RIGHT},
};

// Creates the dock bars of the requested sides that do not exist yet, so an
// application may put dock bars of its own class in place first.
void CFrameWnd::EnableDocking(DWORD dwDockStyle)
{
    m_pFloatingFrameClass = RUNTIME_CLASS(CMiniDockFrameWnd);
    for (int i = 0; i < 4; i++) {
        if (!(dwDockBarMap[i][1] & dwDockStyle & CBRS_ALIGN_ANY))
            continue;
        if (GetControlBar(dwDockBarMap[i][0]) != NULL)
            continue;
        CDockBar* pDock = new CDockBar;
        if (!pDock->Create(this, WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_CHILD | WS_VISIBLE | dwDockBarMap[i][1],
                           dwDockBarMap[i][0])) {
            delete pDock;
            AfxThrowResourceException();
        }
    }
}

CControlBar* CFrameWnd::GetControlBar(UINT nID)
{
    if (nID == 0)
        return NULL;
    for (POSITION pos = m_listControlBars.GetHeadPosition(); pos != NULL;) {
        CControlBar* pBar = (CControlBar*)m_listControlBars.GetNext(pos);
        if (pBar->m_hWnd != NULL && (UINT)::GetDlgCtrlID(pBar->m_hWnd) == nID)
            return pBar;
    }
    return NULL;
}

void CFrameWnd::AddControlBar(CControlBar* pBar)
{
    if (m_listControlBars.Find(pBar) == NULL)
        m_listControlBars.AddTail(pBar);
}

void CFrameWnd::RemoveControlBar(CControlBar* pBar)
{
    POSITION pos = m_listControlBars.Find(pBar);
    if (pos != NULL)
        m_listControlBars.RemoveAt(pos);
}

// Without a dock bar the bar goes to the side its alignment names, else to
// the first side it may dock on.
void CFrameWnd::DockControlBar(CControlBar* pBar, UINT nDockBarID, LPCRECT lpRect)
{
    CDockBar* pDockBar = nDockBarID == 0 ? NULL : (CDockBar*)GetControlBar(nDockBarID);
    DockControlBar(pBar, pDockBar, lpRect);
}

void CFrameWnd::DockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect)
{
    if (pBar == NULL || pBar->m_pDockContext == NULL)
        return;   // CControlBar::EnableDocking was not called
    for (int nPass = 0; pDockBar == NULL && nPass < 2; nPass++) {
        for (int i = 0; i < 4 && pDockBar == NULL; i++) {
            DWORD dwSide = dwDockBarMap[i][1] & CBRS_ALIGN_ANY;
            BOOL bMatch = nPass == 0 ? dwSide == (pBar->m_dwStyle & CBRS_ALIGN_ANY)
                                     : (dwSide & pBar->m_dwDockStyle) != 0;
            if (bMatch)
                pDockBar = (CDockBar*)GetControlBar(dwDockBarMap[i][0]);
        }
    }
    if (pDockBar != NULL)
        pDockBar->DockControlBar(pBar, lpRect);
}

void CFrameWnd::ReDockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect)
{
    if (pDockBar == NULL) {
        DockControlBar(pBar, pDockBar, lpRect);
        return;
    }
    pDockBar->ReDockControlBar(pBar, lpRect);
}

CMiniDockFrameWnd* CFrameWnd::CreateFloatingFrame(DWORD dwStyle)
{
    CRuntimeClass* pClass = m_pFloatingFrameClass != NULL ? m_pFloatingFrameClass : RUNTIME_CLASS(CMiniDockFrameWnd);
    CMiniDockFrameWnd* pFrame = (CMiniDockFrameWnd*)pClass->CreateObject();
    if (pFrame == NULL)
        AfxThrowMemoryException();
    if (!pFrame->Create(this, dwStyle))
        AfxThrowResourceException();   // a failed Create has deleted the frame
    return pFrame;
}

// Floats the bar in a floating frame whose window's top-left is point
// (screen).  A bar that already floats alone in the same orientation only
// has its frame moved.
void CFrameWnd::FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle)
{
    if (pBar == NULL)
        return;
    CDockBar* pOldDockBar = pBar->m_pDockBar;
    if (pBar->m_pDockContext != NULL) {
        pBar->m_pDockContext->m_ptMRUFloatPos = point;
        pBar->m_pDockContext->m_dwMRUFloatStyle = dwStyle & (CBRS_ALIGN_ANY | CBRS_FLOAT_MULTI);
    }
    if (pOldDockBar != NULL && pOldDockBar->m_bFloating && pOldDockBar->GetDockedCount() == 1 &&
        (dwStyle & pOldDockBar->m_dwStyle & CBRS_ALIGN_ANY) != 0) {
        CFrameWnd* pDockFrame = pOldDockBar->GetParentFrame();
        pDockFrame->SetWindowPos(NULL, point.x, point.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        pDockFrame->RecalcLayout(TRUE);
        pDockFrame->UpdateWindow();
        return;
    }
    if (pBar->m_dwStyle & CBRS_SIZE_DYNAMIC) {
        // A resizable bar floats horizontally and takes its MRU width.
        dwStyle |= CBRS_SIZE_DYNAMIC;
        if (dwStyle & CBRS_ORIENT_VERT) {
            dwStyle &= ~CBRS_ALIGN_ANY;
            dwStyle |= CBRS_ALIGN_TOP;
        }
    }
    CMiniDockFrameWnd* pDockFrame = CreateFloatingFrame(dwStyle);
    pDockFrame->SetWindowPos(NULL, point.x, point.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (pDockFrame->m_hWndOwner == NULL)
        pDockFrame->m_hWndOwner = pBar->m_hWnd;
    pDockFrame->m_wndDockBar.DockControlBar(pBar);
    pDockFrame->RecalcLayout(TRUE);
    // A hidden bar floats in a hidden frame, shown again with the bar.
    if (pBar->GetStyle() & WS_VISIBLE) {
        pDockFrame->ShowWindow(SW_SHOWNA);
        pDockFrame->UpdateWindow();
    }
}

// Shows or hides a bar, at once or at the next idle time, and its floating
// frame with it when it is the frame's only visible bar.
void CFrameWnd::ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay)
{
    if (pBar == NULL || pBar->m_hWnd == NULL)
        return;
    CFrameWnd* pParentFrame = pBar->GetDockingFrame();
    if (bDelay) {
        pBar->DelayShow(bShow);
        pParentFrame->DelayRecalcLayout();
    } else {
        pBar->SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE |
                                                 (bShow ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
        pBar->DelayShow(bShow);   // clears a contrary delayed request
        if (bShow || !pBar->IsFloating())
            pParentFrame->RecalcLayout(FALSE);
    }
    if (!pBar->IsFloating())
        return;
    int nVisible = pBar->m_pDockBar != NULL ? pBar->m_pDockBar->GetDockedVisibleCount() : (bShow ? 1 : 0);
    if (nVisible == 1 && bShow) {
        pParentFrame->m_nShowDelay = -1;
        if (bDelay) {
            pParentFrame->m_nShowDelay = SW_SHOWNA;
            pParentFrame->RecalcLayout(FALSE);
        } else {
            pParentFrame->ShowWindow(SW_SHOWNA);
        }
    } else if (nVisible == 0) {
        pParentFrame->m_nShowDelay = -1;
        if (bDelay)
            pParentFrame->m_nShowDelay = SW_HIDE;
        else
            pParentFrame->ShowWindow(SW_HIDE);
    } else if (!bDelay) {
        pParentFrame->RecalcLayout(FALSE);
    }
}

// The side of the visible dock bar a drag rectangle (screen) touches, among
// the allowed sides; an empty dock bar counts as a line one pixel thick.
DWORD CFrameWnd::CanDock(CRect rect, DWORD dwDockStyle, CDockBar** ppDockBar)
{
    dwDockStyle &= CBRS_ALIGN_ANY | CBRS_FLOAT_MULTI;
    if (ppDockBar != NULL)
        *ppDockBar = NULL;
    for (POSITION pos = m_listControlBars.GetHeadPosition(); pos != NULL;) {
        CControlBar* pBar = (CControlBar*)m_listControlBars.GetNext(pos);
        if (!pBar->IsDockBar() || !pBar->IsWindowVisible())
            continue;
        CDockBar* pDockBar = (CDockBar*)pBar;
        if (!(pDockBar->m_dwStyle & dwDockStyle & CBRS_ALIGN_ANY))
            continue;
        if (pDockBar->m_bFloating && !(dwDockStyle & pDockBar->m_dwStyle & CBRS_FLOAT_MULTI))
            continue;
        CRect rectBar;
        pDockBar->GetWindowRect(&rectBar);
        if (rectBar.Width() == 0)
            rectBar.right++;
        if (rectBar.Height() == 0)
            rectBar.bottom++;
        if (rectBar.IntersectRect(rectBar, rect)) {
            if (ppDockBar != NULL)
                *ppDockBar = pDockBar;
            return pDockBar->m_dwStyle & dwDockStyle;
        }
    }
    return 0;
}

// Floating frames go with their dock bars; the frame's own dock bars too.
void CFrameWnd::DestroyDockBars()
{
    CPtrList listDockBars;
    for (POSITION pos = m_listControlBars.GetHeadPosition(); pos != NULL;) {
        CControlBar* pBar = (CControlBar*)m_listControlBars.GetNext(pos);
        if (pBar->IsDockBar())
            listDockBars.AddTail(pBar);
    }
    for (POSITION pos = listDockBars.GetHeadPosition(); pos != NULL;) {
        CDockBar* pDockBar = (CDockBar*)listDockBars.GetNext(pos);
        if (m_listControlBars.Find(pDockBar) == NULL)
            continue;   // went with an earlier one
        if (pDockBar->m_bFloating) {
            CFrameWnd* pFrameWnd = pDockBar->GetParentFrame();
            if (pFrameWnd != NULL && pFrameWnd != this)
                pFrameWnd->DestroyWindow();
        } else {
            pDockBar->DestroyWindow();
        }
    }
}
