// CDockBar: the strip along a side of a frame (or the inside of a floating
// frame) whose children are the docked bars, kept in rows.
#include "mfcimpl.h"

IMPLEMENT_DYNAMIC(CDockBar, CControlBar)

BEGIN_MESSAGE_MAP(CDockBar, CControlBar)
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_PAINT()
    ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
END_MESSAGE_MAP()

namespace {

// A row of m_arrBars: the bars from nFirst up to the NULL at nEnd.
struct CDockRow
{
    int nFirst;
    int nEnd;
    int nThickness;   // of its visible bars, across the dock bar
};

}  // namespace

// ---------------------------------------------------------------- construction
CDockBar::CDockBar(BOOL bFloating)
    : m_bFloating(bFloating),
      m_bLayoutQuery(FALSE)
{
    m_bAutoDelete = TRUE;
    m_arrBars.Add(NULL);
    // The docked bars draw their own borders.
    m_cxLeftBorder = m_cxRightBorder = m_cyTopBorder = m_cyBottomBorder = 0;
}

CDockBar::~CDockBar()
{
}

// The dock bar keeps only its alignment and docking bits: the bars inside
// it draw the borders, so it takes no border space of its own.
BOOL CDockBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    m_dwStyle = dwStyle & CBRS_ALL & ~(CBRS_BORDER_ANY | CBRS_BORDER_3D);
    CRect rect;
    return CWnd::Create(NULL, NULL, dwStyle & ~CBRS_ALL, rect, pParentWnd, nID);
}

BOOL CDockBar::IsDockBar() const
{
    return TRUE;
}

// ---------------------------------------------------------------- the bars
CControlBar* CDockBar::GetDockedControlBar(int nPos) const
{
    return (CControlBar*)m_arrBars[nPos];
}

int CDockBar::GetDockedCount() const
{
    int nCount = 0;
    for (int i = 0; i < m_arrBars.GetSize(); i++) {
        if (GetDockedControlBar(i) != NULL)
            nCount++;
    }
    return nCount;
}

int CDockBar::GetDockedVisibleCount() const
{
    int nCount = 0;
    for (int i = 0; i < m_arrBars.GetSize(); i++) {
        CControlBar* pBar = GetDockedControlBar(i);
        if (pBar != NULL && pBar->IsVisible())
            nCount++;
    }
    return nCount;
}

int CDockBar::FindBar(CControlBar* pBar, int nPosExclude)
{
    for (int i = 0; i < m_arrBars.GetSize(); i++) {
        if (i != nPosExclude && m_arrBars[i] == pBar)
            return i;
    }
    return -1;
}

void CDockBar::ShowAll(BOOL bShow)
{
    for (int i = 0; i < m_arrBars.GetSize(); i++) {
        CControlBar* pBar = GetDockedControlBar(i);
        if (pBar != NULL)
            pBar->GetDockingFrame()->ShowControlBar(pBar, bShow, FALSE);
    }
}

// Where a bar dropped at rect (client) goes: into the row its middle falls
// in, after the bars that start before it; before the first row or after the
// last one it starts a row of its own.  Returns the bar's index.
int CDockBar::Insert(CControlBar* pBarIns, CRect rect, CPoint ptMid)
{
    BOOL bHorz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    int nMid = bHorz ? ptMid.y : ptMid.x;
    int nAlong = bHorz ? rect.left : rect.top;

    CArray<CDockRow, const CDockRow&> rows;
    CDockRow row = {1, 1, 0};
    for (int nPos = 1; nPos < m_arrBars.GetSize(); nPos++) {
        CControlBar* pBar = GetDockedControlBar(nPos);
        if (m_arrBars[nPos] == NULL) {
            row.nEnd = nPos;
            rows.Add(row);
            row.nFirst = nPos + 1;
            row.nThickness = 0;
            continue;
        }
        if (pBar != pBarIns && pBar->IsVisible()) {
            CRect rectBar;
            pBar->GetWindowRect(&rectBar);
            row.nThickness = max(row.nThickness, (int)(bHorz ? rectBar.Height() : rectBar.Width()));
        }
    }

    int nRowStart = 0;
    for (int r = 0; r < rows.GetSize(); r++) {
        const CDockRow& rowAt = rows[r];
        if (rowAt.nThickness == 0)
            continue;
        if (nMid < nRowStart) {
            // Before this row: a row of its own.
            m_arrBars.InsertAt(rowAt.nFirst, (void*)NULL);
            return rowAt.nFirst;
        }
        if (nMid < nRowStart + rowAt.nThickness) {
            int nPosIns = rowAt.nFirst;
            for (int nPos = rowAt.nFirst; nPos < rowAt.nEnd; nPos++) {
                CControlBar* pBar = GetDockedControlBar(nPos);
                if (pBar == NULL || pBar == pBarIns || !pBar->IsVisible())
                    continue;
                CRect rectBar;
                pBar->GetWindowRect(&rectBar);
                ScreenToClient(&rectBar);
                if ((bHorz ? rectBar.left : rectBar.top) < nAlong)
                    nPosIns = nPos + 1;
            }
            return nPosIns;
        }
        nRowStart += rowAt.nThickness;
    }
    // After the last row.
    m_arrBars.Add(NULL);
    return (int)m_arrBars.GetSize() - 1;
}

// The bar takes this dock bar's alignment and floating state, all borders,
// and becomes its child; the frame lays it out at the next idle time.
void CDockBar::DockControlBar(CControlBar* pBar, LPCRECT lpRect)
{
    CRect rectBar;
    pBar->GetWindowRect(&rectBar);
    if (pBar->m_pDockBar == this && (lpRect == NULL || rectBar == *lpRect))
        return;

    if (m_bFloating && (pBar->m_dwDockStyle & CBRS_FLOAT_MULTI))
        m_dwStyle |= CBRS_FLOAT_MULTI;
    m_dwStyle &= ~(CBRS_SIZE_FIXED | CBRS_SIZE_DYNAMIC);
    m_dwStyle |= pBar->m_dwStyle & (CBRS_SIZE_FIXED | CBRS_SIZE_DYNAMIC);
    if (!(m_dwStyle & CBRS_FLOAT_MULTI)) {
        // A floating frame of one bar is titled by it.
        CString strTitle;
        pBar->GetWindowText(strTitle);
        SetWindowText(strTitle);
    }

    DWORD dwStyle = pBar->GetBarStyle() & ~CBRS_ALIGN_ANY;
    dwStyle |= (m_dwStyle & CBRS_ALIGN_ANY) | CBRS_BORDER_ANY;
    if (m_bFloating)
        dwStyle |= CBRS_FLOATING;
    else
        dwStyle &= ~CBRS_FLOATING;
    pBar->SetBarStyle(dwStyle);

    // Hidden while it moves to another dock bar, so it does not flash.
    BOOL bShow = FALSE;
    if (pBar->m_pDockBar != this && pBar->IsWindowVisible()) {
        pBar->SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
        bShow = TRUE;
    }

    int nPos;
    if (lpRect != NULL) {
        CRect rect(lpRect);
        ScreenToClient(&rect);
        nPos = Insert(pBar, rect, rect.CenterPoint());
        m_arrBars.InsertAt(nPos, pBar);
        pBar->SetWindowPos(NULL, rect.left, rect.top, rect.Width(), rect.Height(),
                           SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
    } else {
        // A new last row; the layout moves it into place.
        nPos = (int)m_arrBars.Add(pBar);
        m_arrBars.Add(NULL);
        pBar->SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
    }
    if (pBar->GetParent() != this)
        pBar->SetParent(this);

    CDockBar* pOldDockBar = pBar->m_pDockBar;
    pBar->m_pDockBar = this;
    if (pOldDockBar == this)
        RemoveControlBar(pBar, nPos);
    else if (pOldDockBar != NULL)
        pOldDockBar->RemoveControlBar(pBar, -1, m_bFloating && !pOldDockBar->m_bFloating);

    if (bShow)
        pBar->SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    if (!m_bFloating && pBar->m_pDockContext != NULL)
        pBar->m_pDockContext->m_uMRUDockID = (UINT)GetDlgCtrlID();
    CFrameWnd* pFrameWnd = GetDockingFrame();
    if (pFrameWnd != NULL)
        pFrameWnd->DelayRecalcLayout();
}

void CDockBar::ReDockControlBar(CControlBar* pBar, LPCRECT lpRect)
{
    DockControlBar(pBar, lpRect);
}

// Takes the bar out of its row (a row left empty goes).  A floating frame
// that a bar moved out of goes when it holds no bar any more, and hides
// while it holds only hidden ones.
BOOL CDockBar::RemoveControlBar(CControlBar* pBar, int nPosExclude, int)
{
    int nPos = FindBar(pBar, nPosExclude);
    if (nPos <= 0)
        return FALSE;
    m_arrBars.RemoveAt(nPos);
    if (m_arrBars[nPos - 1] == NULL && nPos < m_arrBars.GetSize() && m_arrBars[nPos] == NULL)
        m_arrBars.RemoveAt(nPos);

    BOOL bMovedAway = pBar->m_pDockBar != this;
    if (!bMovedAway || m_hWnd == NULL)
        return TRUE;   // the bar's window is going, or the bar moves within this dock bar
    if (m_bFloating) {
        if (GetDockedCount() == 0) {
            GetParent()->DestroyWindow();   // this object goes with its frame
            return TRUE;
        }
        if (GetDockedVisibleCount() == 0)
            GetParent()->ShowWindow(SW_HIDE);
    } else {
        CFrameWnd* pFrameWnd = GetDockingFrame();
        if (pFrameWnd != NULL)
            pFrameWnd->DelayRecalcLayout();
    }
    return TRUE;
}

void CDockBar::RemovePlaceHolder(CControlBar*)
{
    // Bars leave no place holders here: a bar docks back by its rectangle.
}

// ---------------------------------------------------------------- layout
// Lays the visible bars out row after row: along a row each bar keeps its
// position unless the bar before it reaches past it, and one that would run
// off the end moves back (not before the previous one).  Moves the bars
// unless the frame only measures.
CSize CDockBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    CSize sizeFixed = CControlBar::CalcFixedLayout(bStretch, bHorz);
    CSize sizeMax;
    if (!m_rectLayout.IsRectEmpty()) {
        sizeMax = m_rectLayout.Size();
    } else {
        CRect rectFrame;
        CFrameWnd* pFrame = GetParentFrame();
        if (pFrame != NULL)
            pFrame->GetClientRect(&rectFrame);
        sizeMax = rectFrame.Size();
    }
    int nMaxAlong = bHorz ? sizeMax.cx : sizeMax.cy;

    AFX_SIZEPARENTPARAMS layout;
    memset(&layout, 0, sizeof(layout));
    layout.hDWP = m_bLayoutQuery ? NULL : ::BeginDeferWindowPos((int)m_arrBars.GetSize());
    int nAlong = 0;
    int nAcross = 0;
    int nThickness = 0;
    int nLongest = 0;
    for (int nPos = 0; nPos < m_arrBars.GetSize(); nPos++) {
        CControlBar* pBar = GetDockedControlBar(nPos);
        if (pBar != NULL && pBar->IsVisible()) {
            DWORD dwMode;
            if ((pBar->m_dwStyle & CBRS_SIZE_DYNAMIC) && (pBar->m_dwStyle & CBRS_FLOATING))
                dwMode = LM_HORZ | LM_MRUWIDTH;
            else if (pBar->m_dwStyle & CBRS_ORIENT_HORZ)
                dwMode = LM_HORZ | LM_HORZDOCK;
            else
                dwMode = LM_VERTDOCK;
            CSize sizeBar = pBar->CalcDynamicLayout(-1, dwMode);
            int nLength = bHorz ? sizeBar.cx : sizeBar.cy;

            CRect rectBar;
            pBar->GetWindowRect(&rectBar);
            ScreenToClient(&rectBar);
            int nStart = nAlong;
            if (!m_bFloating) {
                nStart = max(nAlong, (int)(bHorz ? rectBar.left : rectBar.top));
                if (nStart + nLength > nMaxAlong)
                    nStart = max(nAlong, nMaxAlong - nLength);
            }
            CRect rect = bHorz ? CRect(CPoint(nStart, nAcross), sizeBar) : CRect(CPoint(nAcross, nStart), sizeBar);
            if (!m_bLayoutQuery) {
                if (!m_bFloating && pBar->m_pDockContext != NULL) {
                    pBar->m_pDockContext->m_rectMRUDockPos = rect;
                    pBar->m_pDockContext->m_uMRUDockID = (UINT)GetDlgCtrlID();
                }
                if (rect != rectBar)
                    AfxRepositionWindow(&layout, pBar->m_hWnd, &rect);
            }
            nAlong = nStart + nLength;
            nLongest = max(nLongest, nAlong);
            nThickness = max(nThickness, (int)(bHorz ? sizeBar.cy : sizeBar.cx));
        }
        if (pBar != NULL)
            pBar->RecalcDelayShow(&layout);
        if (m_arrBars[nPos] == NULL && nThickness != 0) {
            nAcross += nThickness;
            nAlong = 0;
            nThickness = 0;
        }
    }
    nAcross += nThickness;
    if (layout.hDWP != NULL)
        ::EndDeferWindowPos(layout.hDWP);

    if (bHorz) {
        if (!bStretch)
            sizeFixed.cx = nLongest;
        sizeFixed.cy = nAcross;
    } else {
        sizeFixed.cx = nAcross;
        if (!bStretch)
            sizeFixed.cy = nLongest;
    }
    return sizeFixed;
}

// The frame's layout offers the space left; measuring moves nothing.
LRESULT CDockBar::OnSizeParent(WPARAM wParam, LPARAM lParam)
{
    AFX_SIZEPARENTPARAMS* lpLayout = (AFX_SIZEPARENTPARAMS*)lParam;
    m_bLayoutQuery = lpLayout->hDWP == NULL;
    m_rectLayout = lpLayout->rect;
    LRESULT lResult = CControlBar::OnSizeParent(wParam, lParam);
    m_bLayoutQuery = FALSE;
    return lResult;
}

void CDockBar::OnUpdateCmdUI(CFrameWnd*, BOOL)
{
    // The docked bars update themselves.
}

void CDockBar::DoPaint(CDC* pDC)
{
    CControlBar::DoPaint(pDC);
}

void CDockBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp)
{
    CRect rect;
    CalcInsideRect(rect, (m_dwStyle & CBRS_ORIENT_HORZ) != 0);
    lpncsp->rgrc[0].left += rect.left;
    lpncsp->rgrc[0].top += rect.top;
    lpncsp->rgrc[0].right += rect.right;
    lpncsp->rgrc[0].bottom += rect.bottom;
}

void CDockBar::OnNcPaint()
{
    EraseNonClient();
}

void CDockBar::OnPaint()
{
    CControlBar::OnPaint();
}
