// CStatusBar: a control bar over the common-controls status window.  The
// bar keeps each pane's id, width, style and text, gives the control the
// pane edges (a stretch pane takes what the others leave) and the texts, and
// lets the frame's update handlers enable panes (the lock-key indicators).
#include "mfcimpl.h"

#include <new>

IMPLEMENT_DYNAMIC(CStatusBar, CControlBar)

BEGIN_MESSAGE_MAP(CStatusBar, CControlBar)
    ON_WM_NCHITTEST()
    ON_WM_NCPAINT()
    ON_WM_PAINT()
    ON_WM_NCCALCSIZE()
    ON_WM_SIZE()
    ON_WM_WINDOWPOSCHANGING()
    ON_MESSAGE(WM_SETTEXT, OnSetText)
    ON_MESSAGE(WM_GETTEXT, OnGetText)
    ON_MESSAGE(WM_GETTEXTLENGTH, OnGetTextLength)
    ON_MESSAGE(SB_SETMINHEIGHT, OnSetMinHeight)
END_MESSAGE_MAP()

// One pane.  cxText is the width of its text area; the pane is kPaneBorder
// wider (a gap and a border line on each side).
struct AFX_STATUSPANE
{
    UINT nID;
    int cxText;
    UINT nStyle;
    UINT nFlags;
    CString strText;
};

namespace {

const int kPaneBorder = 6;
const int kStatusOwnGap = 2;   // rows above the panes the status window draws itself
const UINT SBPF_UPDATE = 0x0001;   // the control has not got the text yet

// Updates a pane for its command: enabled panes show their text, checked
// ones pop out.
class CStatusCmdUI : public CCmdUI
{
public:
    virtual void Enable(BOOL bOn);
    virtual void SetCheck(int nCheck);
    virtual void SetText(LPCTSTR lpszText);
};

void CStatusCmdUI::Enable(BOOL bOn)
{
    m_bEnableChanged = TRUE;
    CStatusBar* pStatusBar = (CStatusBar*)m_pOther;
    UINT nNewStyle = pStatusBar->GetPaneStyle((int)m_nIndex) & ~SBPS_DISABLED;
    if (!bOn)
        nNewStyle |= SBPS_DISABLED;
    pStatusBar->SetPaneStyle((int)m_nIndex, nNewStyle);
}

void CStatusCmdUI::SetCheck(int nCheck)
{
    CStatusBar* pStatusBar = (CStatusBar*)m_pOther;
    UINT nNewStyle = pStatusBar->GetPaneStyle((int)m_nIndex) & ~SBPS_POPOUT;
    if (nCheck != 0)
        nNewStyle |= SBPS_POPOUT;
    pStatusBar->SetPaneStyle((int)m_nIndex, nNewStyle);
}

void CStatusCmdUI::SetText(LPCTSTR lpszText)
{
    ((CStatusBar*)m_pOther)->SetPaneText((int)m_nIndex, lpszText);
}

}  // namespace

// ---------------------------------------------------------------- construction
CStatusBar::CStatusBar()
    : m_nMinHeight(0)
{
    // The panes draw their own edges; only a small gap above them.
    m_cxLeftBorder = 0;
    m_cxRightBorder = 0;
    m_cyTopBorder = 2;
    m_cyBottomBorder = 0;
}

CStatusBar::~CStatusBar()
{
    AllocElements(0, 0);
}

BOOL CStatusBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    return CreateEx(pParentWnd, 0, dwStyle, nID);
}

BOOL CStatusBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, UINT nID)
{
    m_dwStyle = dwStyle & CBRS_ALL;
    dwStyle &= ~CBRS_ALL;
    dwStyle |= CCS_NOPARENTALIGN | CCS_NOMOVEY | CCS_NODIVIDER | CCS_NORESIZE | dwCtrlStyle;
    // A frame the user can size gets a size grip.
    if (pParentWnd != NULL && (pParentWnd->GetStyle() & WS_THICKFRAME))
        dwStyle |= SBARS_SIZEGRIP;
    CRect rect;
    return CWnd::Create(STATUSCLASSNAME, NULL, dwStyle, rect, pParentWnd, nID);
}

BOOL CStatusBar::PreCreateWindow(CREATESTRUCT& cs)
{
    // At the bottom the frame's edge is border enough.
    if ((m_dwStyle & (CBRS_ALIGN_ANY | CBRS_BORDER_ANY)) == CBRS_BOTTOM)
        m_dwStyle &= ~(CBRS_BORDER_ANY | CBRS_BORDER_3D);
    return CControlBar::PreCreateWindow(cs);
}

// The panes are objects with a string: constructed and destroyed in place.
BOOL CStatusBar::AllocElements(int nElements, int cbElement)
{
    AFX_STATUSPANE* pSBP = (AFX_STATUSPANE*)m_pData;
    for (int i = 0; i < m_nCount; i++)
        pSBP[i].~AFX_STATUSPANE();
    if (!CControlBar::AllocElements(nElements, cbElement))
        return FALSE;
    pSBP = (AFX_STATUSPANE*)m_pData;
    for (int i = 0; i < m_nCount; i++)
        new (&pSBP[i]) AFX_STATUSPANE();
    return TRUE;
}

AFX_STATUSPANE* CStatusBar::_GetPanePtr(int nIndex) const
{
    if (nIndex < 0 || nIndex >= m_nCount)
        return NULL;
    return ((AFX_STATUSPANE*)m_pData) + nIndex;
}

void CStatusBar::EnableDocking(DWORD)
{
    // A status bar stays where it was made.
}

// Panes with an id get the id's string as text and as much width as it
// needs in the bar's font; a pane with id 0 gets a quarter of the screen,
// and the first one stretches over what the others leave.
BOOL CStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount)
{
    if (!AllocElements(nIDCount, sizeof(AFX_STATUSPANE)))
        return FALSE;
    BOOL bResult = TRUE;
    if (lpIDArray != NULL) {
        HFONT hFont = (HFONT)SendMessage(WM_GETFONT);
        HDC hdcScreen = ::GetDC(NULL);
        HGDIOBJ hOldFont = hFont != NULL ? ::SelectObject(hdcScreen, hFont) : NULL;
        for (int i = 0; i < nIDCount && bResult; i++) {
            AFX_STATUSPANE* pSBP = _GetPanePtr(i);
            pSBP->nID = lpIDArray[i];
            pSBP->nFlags |= SBPF_UPDATE;
            if (pSBP->nID == 0) {
                pSBP->cxText = ::GetSystemMetrics(SM_CXSCREEN) / 4;
                if (i == 0)
                    pSBP->nStyle |= SBPS_STRETCH | SBPS_NOBORDERS;
                continue;
            }
            if (!pSBP->strText.LoadString(pSBP->nID)) {
                bResult = FALSE;   // an indicator needs its string
                break;
            }
            SIZE size;
            ::GetTextExtentPoint32(hdcScreen, pSBP->strText, pSBP->strText.GetLength(), &size);
            pSBP->cxText = size.cx;
        }
        if (hOldFont != NULL)
            ::SelectObject(hdcScreen, hOldFont);
        ::ReleaseDC(NULL, hdcScreen);
    }
    UpdateAllPanes(TRUE, TRUE);
    return bResult;
}

// ---------------------------------------------------------------- panes
void CStatusBar::SetBorders(LPCRECT lpRect)
{
    CControlBar::SetBorders(lpRect);
}

void CStatusBar::SetBorders(int cxLeft, int cyTop, int cxRight, int cyBottom)
{
    CControlBar::SetBorders(cxLeft, cyTop, cxRight, cyBottom);
}

int CStatusBar::CommandToIndex(UINT nIDFind) const
{
    for (int i = 0; i < m_nCount; i++) {
        if (_GetPanePtr(i)->nID == nIDFind)
            return i;
    }
    return -1;
}

UINT CStatusBar::GetItemID(int nIndex) const
{
    AFX_STATUSPANE* pSBP = _GetPanePtr(nIndex);
    return pSBP != NULL ? pSBP->nID : 0;
}

void CStatusBar::GetItemRect(int nIndex, LPRECT lpRect) const
{
    if (!((CStatusBar*)this)->DefWindowProc(SB_GETRECT, (WPARAM)nIndex, (LPARAM)lpRect))
        ::SetRectEmpty(lpRect);
}

void CStatusBar::GetPaneText(int nIndex, CString& rString) const
{
    AFX_STATUSPANE* pSBP = _GetPanePtr(nIndex);
    if (pSBP != NULL)
        rString = pSBP->strText;
    else
        rString.Empty();
}

CString CStatusBar::GetPaneText(int nIndex) const
{
    CString strText;
    GetPaneText(nIndex, strText);
    return strText;
}

// The text is kept even while the pane is disabled (the control then shows
// none); without bUpdate the control gets it at the next paint.
BOOL CStatusBar::SetPaneText(int nIndex, LPCTSTR lpszNewText, BOOL bUpdate)
{
    AFX_STATUSPANE* pSBP = _GetPanePtr(nIndex);
    if (pSBP == NULL)
        return FALSE;
    if (!(pSBP->nFlags & SBPF_UPDATE) && pSBP->strText.Compare(lpszNewText != NULL ? lpszNewText : "") == 0)
        return TRUE;
    pSBP->strText = lpszNewText;
    if (!bUpdate) {
        pSBP->nFlags |= SBPF_UPDATE;
        return TRUE;
    }
    pSBP->nFlags &= ~SBPF_UPDATE;
    LPCTSTR lpszShown = (pSBP->nStyle & SBPS_DISABLED) ? NULL : (LPCTSTR)pSBP->strText;
    DefWindowProc(SB_SETTEXT, (WPARAM)((WORD)pSBP->nStyle | nIndex), (LPARAM)lpszShown);
    return TRUE;
}

void CStatusBar::GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const
{
    AFX_STATUSPANE* pSBP = _GetPanePtr(nIndex);
    if (pSBP == NULL) {
        nID = 0;
        nStyle = 0;
        cxWidth = 0;
        return;
    }
    nID = pSBP->nID;
    nStyle = pSBP->nStyle;
    cxWidth = pSBP->cxText;
}

void CStatusBar::SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth)
{
    AFX_STATUSPANE* pSBP = _GetPanePtr(nIndex);
    if (pSBP == NULL)
        return;
    BOOL bEdgesChanged = FALSE;
    pSBP->nID = nID;
    if (pSBP->nStyle != nStyle) {
        bEdgesChanged = ((pSBP->nStyle ^ nStyle) & SBPS_STRETCH) != 0;
        pSBP->nStyle = nStyle;
        pSBP->nFlags |= SBPF_UPDATE;
        SetPaneText(nIndex, pSBP->strText);
    }
    if (cxWidth != pSBP->cxText) {
        pSBP->cxText = cxWidth;
        bEdgesChanged = TRUE;
    }
    if (bEdgesChanged)
        UpdateAllPanes(TRUE, FALSE);
}

UINT CStatusBar::GetPaneStyle(int nIndex) const
{
    AFX_STATUSPANE* pSBP = _GetPanePtr(nIndex);
    return pSBP != NULL ? pSBP->nStyle : 0;
}

void CStatusBar::SetPaneStyle(int nIndex, UINT nStyle)
{
    AFX_STATUSPANE* pSBP = _GetPanePtr(nIndex);
    if (pSBP == NULL || pSBP->nStyle == nStyle)
        return;
    BOOL bStretchChanged = ((pSBP->nStyle ^ nStyle) & SBPS_STRETCH) != 0;
    pSBP->nStyle = nStyle;
    if (bStretchChanged)
        UpdateAllPanes(TRUE, FALSE);
    // The text goes again: the control draws it by the new style.
    pSBP->nFlags |= SBPF_UPDATE;
    SetPaneText(nIndex, pSBP->strText);
}

void CStatusBar::DrawItem(LPDRAWITEMSTRUCT)
{
    // Owner-drawn panes are drawn by the derived class.
}

// The panes' right edges: each pane as wide as its text area and borders,
// the stretch panes sharing the width left over; then texts not yet shown.
void CStatusBar::UpdateAllPanes(BOOL bUpdateRects, BOOL bUpdateText)
{
    if (m_hWnd == NULL)
        return;
    if (bUpdateRects && m_nCount > 0) {
        CRect rect;
        GetWindowRect(rect);
        rect.OffsetRect(-rect.left, -rect.top);
        CalcInsideRect(rect, TRUE);
        int rgBorders[3] = {0, 0, 0};
        DefWindowProc(SB_GETBORDERS, 0, (LPARAM)rgBorders);

        int cxExtra = rect.Width() + rgBorders[2];
        int nStretchy = 0;
        for (int i = 0; i < m_nCount; i++) {
            AFX_STATUSPANE* pSBP = _GetPanePtr(i);
            if (pSBP->nStyle & SBPS_STRETCH)
                nStretchy++;
            cxExtra -= pSBP->cxText + kPaneBorder + rgBorders[2];
        }
        int* rgRights = new int[m_nCount];
        int right = rgBorders[0];
        for (int i = 0; i < m_nCount; i++) {
            AFX_STATUSPANE* pSBP = _GetPanePtr(i);
            right += pSBP->cxText + kPaneBorder;
            if ((pSBP->nStyle & SBPS_STRETCH) && cxExtra > 0) {
                int cxShare = cxExtra / nStretchy;
                right += cxShare;
                cxExtra -= cxShare;
                nStretchy--;
            }
            rgRights[i] = right;
            right += rgBorders[2];
        }
        DefWindowProc(SB_SETPARTS, (WPARAM)m_nCount, (LPARAM)rgRights);
        delete[] rgRights;
    }
    if (bUpdateText) {
        for (int i = 0; i < m_nCount; i++) {
            AFX_STATUSPANE* pSBP = _GetPanePtr(i);
            if (pSBP->nFlags & SBPF_UPDATE)
                SetPaneText(i, pSBP->strText);
        }
    }
}

// ---------------------------------------------------------------- layout
// The panes end before the size grip.
void CStatusBar::CalcInsideRect(CRect& rect, BOOL bHorz) const
{
    CControlBar::CalcInsideRect(rect, bHorz);
    if ((GetStyle() & SBARS_SIZEGRIP) && !::IsZoomed(::GetParent(m_hWnd))) {
        int rgBorders[3] = {0, 0, 0};
        ((CStatusBar*)this)->DefWindowProc(SB_GETBORDERS, 0, (LPARAM)rgBorders);
        rect.right -= rgBorders[0] + ::GetSystemMetrics(SM_CXVSCROLL) + ::GetSystemMetrics(SM_CXBORDER) * 2;
    }
}

// As tall as a line of the bar's font with the control's borders; at least
// the minimum height set with SB_SETMINHEIGHT.  Always the frame's width.
CSize CStatusBar::CalcFixedLayout(BOOL, BOOL bHorz)
{
    TEXTMETRIC tm;
    memset(&tm, 0, sizeof(tm));
    HDC hdcScreen = ::GetDC(NULL);
    HFONT hFont = (HFONT)SendMessage(WM_GETFONT);
    HGDIOBJ hOldFont = hFont != NULL ? ::SelectObject(hdcScreen, hFont) : NULL;
    ::GetTextMetrics(hdcScreen, &tm);
    if (hOldFont != NULL)
        ::SelectObject(hdcScreen, hOldFont);
    ::ReleaseDC(NULL, hdcScreen);

    CRect rect;
    CControlBar::CalcInsideRect(rect, bHorz);
    int rgBorders[3] = {0, 0, 0};
    DefWindowProc(SB_GETBORDERS, 0, (LPARAM)rgBorders);
    CSize size;
    size.cx = 32767;
    size.cy = tm.tmHeight - tm.tmInternalLeading - 1 + rgBorders[1] * 2 + ::GetSystemMetrics(SM_CYBORDER) * 2 - rect.Height();
    if (size.cy < m_nMinHeight)
        size.cy = m_nMinHeight;
    return size;
}

void CStatusBar::OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle)
{
    if (m_hWnd != NULL && ((dwOldStyle ^ dwNewStyle) & (CBRS_BORDER_ANY | CBRS_BORDER_3D)))
        SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

// The status window draws its own gap above the panes, so the top two
// pixels of the bar's top border stay in the client area.
void CStatusBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp)
{
    CRect rect;
    CControlBar::CalcInsideRect(rect, TRUE);
    lpncsp->rgrc[0].left += rect.left;
    lpncsp->rgrc[0].top += rect.top - kStatusOwnGap;
    lpncsp->rgrc[0].right += rect.right;
    lpncsp->rgrc[0].bottom += rect.bottom;
}

UINT CStatusBar::OnNcHitTest(CPoint)
{
    // Only the size grip is not client.
    UINT nResult = (UINT)Default();
    return nResult == HTBOTTOMRIGHT ? HTBOTTOMRIGHT : HTCLIENT;
}

void CStatusBar::OnNcPaint()
{
    EraseNonClient();
}

void CStatusBar::OnPaint()
{
    UpdateAllPanes(FALSE, TRUE);
    Default();
}

void CStatusBar::OnSize(UINT nType, int cx, int cy)
{
    CControlBar::OnSize(nType, cx, cy);
    UpdateAllPanes(TRUE, FALSE);
}

void CStatusBar::OnWindowPosChanging(LPWINDOWPOS lpWndPos)
{
    CControlBar::OnWindowPosChanging(lpWndPos);
}

// The window text is the text of the pane with id 0 (the message pane).
LRESULT CStatusBar::OnSetText(WPARAM, LPARAM lParam)
{
    int nIndex = CommandToIndex(0);
    if (nIndex < 0)
        return -1;
    return SetPaneText(nIndex, (LPCTSTR)lParam) ? 0 : -1;
}

LRESULT CStatusBar::OnGetText(WPARAM wParam, LPARAM lParam)
{
    int nIndex = CommandToIndex(0);
    if (nIndex < 0 || wParam == 0 || lParam == 0)
        return 0;
    CString strText = GetPaneText(nIndex);
    lstrcpyn((LPTSTR)lParam, strText, (int)wParam);
    return lstrlen((LPCTSTR)lParam);
}

LRESULT CStatusBar::OnGetTextLength(WPARAM, LPARAM)
{
    int nIndex = CommandToIndex(0);
    return nIndex < 0 ? 0 : GetPaneText(nIndex).GetLength();
}

LRESULT CStatusBar::OnSetMinHeight(WPARAM wParam, LPARAM)
{
    LRESULT lResult = Default();
    m_nMinHeight = (int)wParam;
    return lResult;
}

BOOL CStatusBar::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message != WM_DRAWITEM)
        return CControlBar::OnChildNotify(message, wParam, lParam, pResult);
    DrawItem((LPDRAWITEMSTRUCT)lParam);
    return TRUE;
}

// Each pane asks the bar's own handlers, then the frame's.
void CStatusBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL)
{
    CStatusCmdUI state;
    state.m_pOther = this;
    state.m_nIndexMax = (UINT)m_nCount;
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; state.m_nIndex++) {
        state.m_nID = _GetPanePtr((int)state.m_nIndex)->nID;
        if (CWnd::OnCmdMsg(state.m_nID, (int)CN_UPDATE_COMMAND_UI, &state, NULL))
            continue;
        state.DoUpdate(pTarget, FALSE);
    }
    UpdateDialogControls(pTarget, FALSE);
}
