// CMiniFrameWnd, a tool window with a small caption, and CMiniDockFrameWnd,
// the floating frame of control bars: dragging its caption drags the bar,
// dragging its edges resizes it, closing it hides the bar.
#include "mfcimpl.h"

IMPLEMENT_DYNCREATE(CMiniFrameWnd, CFrameWnd)
IMPLEMENT_DYNCREATE(CMiniDockFrameWnd, CMiniFrameWnd)

BEGIN_MESSAGE_MAP(CMiniFrameWnd, CFrameWnd)
    ON_WM_NCHITTEST()
    ON_WM_GETMINMAXINFO()
    ON_MESSAGE(WM_FLOATSTATUS, OnFloatStatus)
    ON_MESSAGE(WM_QUERYCENTERWND, OnQueryCenterWnd)
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CMiniDockFrameWnd, CMiniFrameWnd)
    ON_WM_CLOSE()
    ON_WM_NCLBUTTONDOWN()
    ON_WM_NCLBUTTONDBLCLK()
    ON_WM_MOUSEACTIVATE()
END_MESSAGE_MAP()

namespace {

// The window styles a mini frame really has; the MFS_ bits are its own.
const DWORD kMiniFrameStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
const DWORD kMiniFrameExStyle = WS_EX_TOOLWINDOW;
const DWORD kMiniFrameOwnBits = MFS_SYNCACTIVE | MFS_4THICKFRAME | MFS_THICKFRAME | MFS_MOVEFRAME | MFS_BLOCKSYSMENU;
const TCHAR kMiniFrameClass[] = "AfxMiniFrame42";

}  // namespace

// ---------------------------------------------------------------- CMiniFrameWnd
CMiniFrameWnd::CMiniFrameWnd()
    : m_bSysTracking(FALSE),
      m_bInSys(FALSE),
      m_bActive(FALSE)
{
}

CMiniFrameWnd::~CMiniFrameWnd()
{
}

BOOL CMiniFrameWnd::Create(LPCTSTR lpClassName, LPCTSTR lpWindowName, DWORD dwStyle, const RECT& rect,
                           CWnd* pParentWnd, UINT nID)
{
    return CreateEx(0, lpClassName, lpWindowName, dwStyle, rect, pParentWnd, nID);
}

// A pop-up mini frame is owned by pParentWnd; a child one has nID as its id.
BOOL CMiniFrameWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpClassName, LPCTSTR lpWindowName, DWORD dwStyle,
                             const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    m_strCaption = lpWindowName;
    m_strTitle = lpWindowName;
    HMENU hMenuOrID = (dwStyle & WS_CHILD) ? (HMENU)(UINT_PTR)nID : NULL;
    return CWnd::CreateEx(dwExStyle, lpClassName, lpWindowName, dwStyle, rect.left, rect.top,
                          rect.right - rect.left, rect.bottom - rect.top, pParentWnd->GetSafeHwnd(), hMenuOrID);
}

BOOL CMiniFrameWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == NULL) {
        if (!AfxRegisterNamedWndClass(kMiniFrameClass, CS_DBLCLKS, (HBRUSH)(COLOR_BTNFACE + 1)))
            return FALSE;
        cs.lpszClass = kMiniFrameClass;
    }
    if (cs.style & (MFS_THICKFRAME | MFS_4THICKFRAME))
        cs.style |= WS_THICKFRAME;
    // MFS_BLOCKSYSMENU shares its bit with a real window style.
    cs.style &= ~MFS_BLOCKSYSMENU;
    cs.dwExStyle |= kMiniFrameExStyle;
    return TRUE;
}

void AFX_CDECL CMiniFrameWnd::CalcBorders(LPRECT lpClientRect, DWORD dwStyle, DWORD dwExStyle)
{
    if (dwStyle == 0)
        dwStyle = kMiniFrameStyle;
    ::AdjustWindowRectEx(lpClientRect, dwStyle & ~kMiniFrameOwnBits, FALSE, dwExStyle | kMiniFrameExStyle);
}

// MFS_MOVEFRAME: the edges move the frame instead of sizing it.
// MFS_4THICKFRAME: no sizing from the corners, only from the edges.
UINT CMiniFrameWnd::OnNcHitTest(CPoint point)
{
    UINT nHit = CFrameWnd::OnNcHitTest(point);
    DWORD dwStyle = GetStyle();
    if (nHit < HTSIZEFIRST || nHit > HTSIZELAST)
        return nHit;
    if (dwStyle & MFS_MOVEFRAME)
        return HTCAPTION;
    if (dwStyle & MFS_4THICKFRAME) {
        if (nHit == HTTOPLEFT || nHit == HTTOPRIGHT)
            return HTTOP;
        if (nHit == HTBOTTOMLEFT || nHit == HTBOTTOMRIGHT)
            return HTBOTTOM;
    }
    return nHit;
}

// Never smaller than its own caption and edges.
void CMiniFrameWnd::OnGetMinMaxInfo(MINMAXINFO* pMMI)
{
    CFrameWnd::OnGetMinMaxInfo(pMMI);
    CRect rectWindow;
    CRect rectClient;
    GetWindowRect(rectWindow);
    GetClientRect(rectClient);
    pMMI->ptMinTrackSize.x = rectWindow.Width() - rectClient.right;
    pMMI->ptMinTrackSize.y = rectWindow.Height() - rectClient.bottom;
}

// The owning frame hides, shows, enables or disables its floating frames.
LRESULT CMiniFrameWnd::OnFloatStatus(WPARAM wParam, LPARAM)
{
    if ((wParam & FS_HIDE) && IsWindowVisible()) {
        m_nFlags |= WF_TEMPHIDE;
        ShowWindow(SW_HIDE);
    } else if ((wParam & FS_SHOW) && (m_nFlags & WF_TEMPHIDE)) {
        m_nFlags &= ~WF_TEMPHIDE;
        ShowWindow(SW_SHOWNA);
    }
    if (wParam & (FS_ENABLE | FS_DISABLE))
        EnableWindow((wParam & FS_ENABLE) != 0);
    return 0;
}

LRESULT CMiniFrameWnd::OnQueryCenterWnd(WPARAM, LPARAM)
{
    return 0;
}

// ---------------------------------------------------------------- CMiniDockFrameWnd
CMiniDockFrameWnd::CMiniDockFrameWnd()
    : m_wndDockBar(TRUE)
{
    m_wndDockBar.m_bAutoDelete = FALSE;
}

// A floating frame owned by the dock site pParent.  Its dock bar is made as
// the dock site's child (so it joins the site's bars) and then moved in.
BOOL CMiniDockFrameWnd::Create(CWnd* pParent, DWORD dwBarStyle)
{
    m_bInRecalcLayout = TRUE;   // nothing to lay out before a bar docks
    DWORD dwStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | MFS_MOVEFRAME | MFS_4THICKFRAME | MFS_SYNCACTIVE |
                    MFS_BLOCKSYSMENU | FWS_SNAPTOBARS;
    if (dwBarStyle & CBRS_SIZE_DYNAMIC)
        dwStyle &= ~MFS_MOVEFRAME;
    if (!CMiniFrameWnd::CreateEx(0, NULL, "", dwStyle, rectDefault, pParent)) {
        return FALSE;
    }
    CMenu* pSysMenu = GetSystemMenu(FALSE);
    if (pSysMenu != NULL) {
        pSysMenu->DeleteMenu(SC_SIZE, MF_BYCOMMAND);
        CString strHide;
        if (strHide.LoadString(AFX_IDS_HIDE)) {
            pSysMenu->DeleteMenu(SC_CLOSE, MF_BYCOMMAND);
            pSysMenu->AppendMenu(MF_STRING | MF_ENABLED, SC_CLOSE, strHide);
        }
    }
    DWORD dwDockStyle = (dwBarStyle & (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)) ? CBRS_ALIGN_LEFT : CBRS_ALIGN_TOP;
    dwDockStyle |= dwBarStyle & CBRS_FLOAT_MULTI;
    if (!m_wndDockBar.Create(pParent, WS_CHILD | WS_VISIBLE | dwDockStyle, AFX_IDW_DOCKBAR_FLOAT)) {
        m_bInRecalcLayout = FALSE;
        DestroyWindow();
        return FALSE;
    }
    m_wndDockBar.SetParent(this);
    m_bInRecalcLayout = FALSE;
    return TRUE;
}

// The frame takes the size of its bars and the title of its dock bar.
void CMiniDockFrameWnd::RecalcLayout(BOOL bNotify)
{
    if (m_bInRecalcLayout)
        return;
    CMiniFrameWnd::RecalcLayout(bNotify);
    CString strTitle;
    m_wndDockBar.GetWindowText(strTitle);
    CString strOld;
    GetWindowText(strOld);
    if (strOld != strTitle)
        SetWindowText(strTitle);
}

CControlBar* CMiniDockFrameWnd::FirstBar()
{
    for (int nPos = 1; nPos < m_wndDockBar.m_arrBars.GetSize(); nPos++) {
        CControlBar* pBar = m_wndDockBar.GetDockedControlBar(nPos);
        if (pBar != NULL)
            return pBar;
    }
    return NULL;
}

// Closing the floating frame hides its bars; the frame hides with them.
void CMiniDockFrameWnd::OnClose()
{
    m_wndDockBar.ShowAll(FALSE);
}

// The caption drags the bar (to dock or float elsewhere); the edges of a
// resizable bar's frame resize the bar.
void CMiniDockFrameWnd::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    CControlBar* pBar = FirstBar();
    BOOL bOneBar = !(m_wndDockBar.m_dwStyle & CBRS_FLOAT_MULTI);
    if (pBar != NULL && pBar->m_pDockContext != NULL && bOneBar) {
        if (nHitTest == HTCAPTION) {
            pBar->m_pDockContext->StartDrag(point);
            return;
        }
        if (nHitTest >= HTSIZEFIRST && nHitTest <= HTSIZELAST) {
            pBar->m_pDockContext->StartResize((int)nHitTest, point);
            return;
        }
    }
    CMiniFrameWnd::OnNcLButtonDown(nHitTest, point);
}

void CMiniDockFrameWnd::OnNcLButtonDblClk(UINT nHitTest, CPoint point)
{
    CControlBar* pBar = FirstBar();
    if (nHitTest == HTCAPTION && pBar != NULL && pBar->m_pDockContext != NULL &&
        !(m_wndDockBar.m_dwStyle & CBRS_FLOAT_MULTI)) {
        pBar->m_pDockContext->ToggleDocking();
        return;
    }
    CMiniFrameWnd::OnNcLButtonDblClk(nHitTest, point);
}

// Dragging or sizing a floating bar leaves the activation with its owner.
int CMiniDockFrameWnd::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message)
{
    if (nHitTest == HTCAPTION || (nHitTest >= HTSIZEFIRST && nHitTest <= HTSIZELAST))
        return MA_NOACTIVATE;
    return CMiniFrameWnd::OnMouseActivate(pDesktopWnd, nHitTest, message);
}
