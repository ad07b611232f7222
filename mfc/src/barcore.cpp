// CControlBar: the frame layout protocol (WM_SIZEPARENT), delayed show and
// hide, idle command-UI updates, borders and gripper, flyby prompts, and the
// start of a drag to dock or float.
#include "mfcimpl.h"

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

BEGIN_MESSAGE_MAP(CControlBar, CWnd)
    ON_WM_TIMER()
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_PAINT()
    ON_WM_CTLCOLOR()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_MOUSEACTIVATE()
    ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

namespace {

// Flyby prompts: a prompt appears after the mouse rests on an item for
// kFlybyWaitMs, and a timer checks every kFlybyCheckMs whether it left.
const UINT kTimerWait = 0xE000;
const UINT kTimerCheck = 0xE001;
const UINT kFlybyWaitMs = 300;
const UINT kFlybyCheckMs = 200;

// The gripper: a raised bar kGripperWidth wide with kGripperGap on each side.
const int kGripperWidth = 3;
const int kGripperGap = 2;

// The item whose prompt the status bar shows, and the bar that showed it.
int s_nLastStatus = -1;
CControlBar* s_pLastStatus = NULL;

// A floating bar lets its owning frame keep the activation.
void ActivateTopParent(CWnd* pWnd)
{
    CWnd* pTopLevel = pWnd->GetTopLevelParent();
    CWnd* pActive = CWnd::GetActiveWindow();
    if (pTopLevel == NULL || pActive == NULL)
        return;
    HWND hWndTop = pTopLevel->m_hWnd;
    if (pActive->m_hWnd != hWndTop && !AfxIsDescendant(hWndTop, pActive->m_hWnd) &&
        !AfxIsDescendant(pActive->m_hWnd, hWndTop))
        pTopLevel->SetActiveWindow();
}

// Takes the double-width border lines the style asks for off rect's sides.
void DeflateByBorders(CRect& rect, DWORD dwStyle)
{
    if (dwStyle & CBRS_BORDER_LEFT)
        rect.left += AfxCxBorder2();
    if (dwStyle & CBRS_BORDER_TOP)
        rect.top += AfxCyBorder2();
    if (dwStyle & CBRS_BORDER_RIGHT)
        rect.right -= AfxCxBorder2();
    if (dwStyle & CBRS_BORDER_BOTTOM)
        rect.bottom -= AfxCyBorder2();
}

}  // namespace

// ---------------------------------------------------------------- construction
CControlBar::CControlBar()
    : m_bAutoDelete(FALSE),
      m_cxLeftBorder(6),
      m_cxRightBorder(6),
      m_cyTopBorder(1),
      m_cyBottomBorder(1),
      m_cxDefaultGap(2),
      m_nMRUWidth(32767),
      m_nCount(0),
      m_pData(NULL),
      m_nStateFlags(0),
      m_dwStyle(0),
      m_dwDockStyle(0),
      m_pDockSite(NULL),
      m_pDockBar(NULL),
      m_pDockContext(NULL)
{
}

CControlBar::~CControlBar()
{
    if (m_pDockSite != NULL)
        m_pDockSite->RemoveControlBar(this);
    if (s_pLastStatus == this)
        s_pLastStatus = NULL;
    // The dock context is MFC's, with a destructor that is not virtual.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdelete-non-virtual-dtor"
    delete m_pDockContext;
#pragma GCC diagnostic pop
    m_pDockContext = NULL;
    free(m_pData);
    m_pData = NULL;
    if (m_hWnd != NULL)
        DestroyWindow();
}

void CControlBar::PostNcDestroy()
{
    if (m_bAutoDelete)
        delete this;
}

BOOL CControlBar::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == NULL) {
        if (!AfxRegisterNamedWndClass(AFX_WNDCONTROLBAR, CS_DBLCLKS, (HBRUSH)(COLOR_BTNFACE + 1)))
            return FALSE;
        cs.lpszClass = AFX_WNDCONTROLBAR;
    }
    if (!CWnd::PreCreateWindow(cs))
        return FALSE;
    // Overlapping siblings (bars in one dock bar) must not paint over each other.
    cs.style |= WS_CLIPSIBLINGS;
    return TRUE;
}

// A bar made as a child of a frame docks in that frame.
int CControlBar::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CWnd::OnCreate(lpcs) == -1)
        return -1;
    if (m_dwStyle & CBRS_TOOLTIPS)
        EnableToolTips();
    CWnd* pParent = GetParent();
    if (pParent != NULL && pParent->IsKindOf(RUNTIME_CLASS(CFrameWnd))) {
        m_pDockSite = (CFrameWnd*)pParent;
        m_pDockSite->AddControlBar(this);
    }
    return 0;
}

void CControlBar::OnDestroy()
{
    if (s_pLastStatus == this) {
        SetStatusText(-1);
        s_pLastStatus = NULL;
    }
    if (m_pDockBar != NULL && m_pDockBar != this) {
        m_pDockBar->RemoveControlBar(this, -1, 0);
        m_pDockBar = NULL;
    }
    if (m_pDockSite != NULL) {
        m_pDockSite->RemoveControlBar(this);
        m_pDockSite = NULL;
    }
    CWnd::OnDestroy();
}

// A floating bar takes its floating frame with it.
BOOL CControlBar::DestroyWindow()
{
    if (m_hWnd != NULL && IsFloating() && !IsDockBar()) {
        CFrameWnd* pFrame = GetDockingFrame();
        if (pFrame != NULL && pFrame != m_pDockSite && m_pDockBar->GetDockedCount() == 1)
            return pFrame->DestroyWindow();
    }
    return CWnd::DestroyWindow();
}

BOOL CControlBar::AllocElements(int nElements, int cbElement)
{
    free(m_pData);
    m_pData = NULL;
    m_nCount = 0;
    if (nElements > 0) {
        m_pData = calloc((size_t)nElements, (size_t)cbElement);
        if (m_pData == NULL)
            return FALSE;
    }
    m_nCount = nElements;
    return TRUE;
}

// ---------------------------------------------------------------- attributes
int CControlBar::GetCount() const
{
    return m_nCount;
}

DWORD CControlBar::GetBarStyle()
{
    return m_dwStyle;
}

void CControlBar::SetBarStyle(DWORD dwStyle)
{
    if (m_dwStyle == dwStyle)
        return;
    DWORD dwOldStyle = m_dwStyle;
    m_dwStyle = dwStyle;
    OnBarStyleChange(dwOldStyle, dwStyle);
}

void CControlBar::OnBarStyleChange(DWORD, DWORD)
{
}

void CControlBar::SetBorders(LPCRECT lpRect)
{
    SetBorders(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

void CControlBar::SetBorders(int cxLeft, int cyTop, int cxRight, int cyBottom)
{
    m_cxLeftBorder = cxLeft;
    m_cyTopBorder = cyTop;
    m_cxRightBorder = cxRight;
    m_cyBottomBorder = cyBottom;
}

CRect CControlBar::GetBorders() const
{
    return CRect(m_cxLeftBorder, m_cyTopBorder, m_cxRightBorder, m_cyBottomBorder);
}

CFrameWnd* CControlBar::GetDockingFrame() const
{
    CFrameWnd* pFrameWnd = GetParentFrame();
    return pFrameWnd != NULL ? pFrameWnd : m_pDockSite;
}

BOOL CControlBar::IsFloating() const
{
    if (IsDockBar())
        return ((const CDockBar*)this)->m_bFloating;
    return m_pDockBar != NULL && m_pDockBar->m_bFloating;
}

BOOL CControlBar::IsDockBar() const
{
    return FALSE;
}

void CControlBar::EnableDocking(DWORD dwDockStyle)
{
    m_dwDockStyle = dwDockStyle;
    if (m_pDockContext == NULL)
        m_pDockContext = new CDockContext(this);
    // The bar keeps sending its commands to the frame it was made in.
    if (m_hWndOwner == NULL)
        m_hWndOwner = ::GetParent(m_hWnd);
}

// ---------------------------------------------------------------- layout
// A bar of fixed content: stretched across the frame when asked to, else nothing.
CSize CControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    CSize size;
    size.cx = bStretch && bHorz ? 32767 : 0;
    size.cy = bStretch && !bHorz ? 32767 : 0;
    return size;
}

CSize CControlBar::CalcDynamicLayout(int, DWORD nMode)
{
    return CalcFixedLayout((nMode & LM_STRETCH) != 0, (nMode & LM_HORZ) != 0);
}

void CControlBar::CalcInsideRect(CRect& rect, BOOL bHorz) const
{
    DeflateByBorders(rect, m_dwStyle);
    // The item borders run along the bar; the gripper sits at its start.
    BOOL bGripper = (m_dwStyle & (CBRS_GRIPPER | CBRS_FLOATING)) == CBRS_GRIPPER;
    if (bHorz) {
        rect.left += m_cxLeftBorder;
        rect.top += m_cyTopBorder;
        rect.right -= m_cxRightBorder;
        rect.bottom -= m_cyBottomBorder;
        if (bGripper)
            rect.left += kGripperGap + kGripperWidth + kGripperGap;
    } else {
        rect.left += m_cyTopBorder;
        rect.top += m_cxLeftBorder;
        rect.right -= m_cyBottomBorder;
        rect.bottom -= m_cxRightBorder;
        if (bGripper)
            rect.top += kGripperGap + kGripperWidth + kGripperGap;
    }
}

// A bar aligned to a side takes a strip of that side from the space left and
// moves there, unless the layout only measures (hDWP is NULL).
LRESULT CControlBar::OnSizeParent(WPARAM, LPARAM lParam)
{
    AFX_SIZEPARENTPARAMS* lpLayout = (AFX_SIZEPARENTPARAMS*)lParam;
    DWORD dwStyle = RecalcDelayShow(lpLayout);
    if (!(dwStyle & WS_VISIBLE) || !(dwStyle & CBRS_ALIGN_ANY))
        return 0;

    CRect rect(lpLayout->rect);
    CSize sizeAvail = rect.Size();
    DWORD dwMode = lpLayout->bStretch ? LM_STRETCH : 0;
    if ((m_dwStyle & CBRS_SIZE_DYNAMIC) && (m_dwStyle & CBRS_FLOATING))
        dwMode |= LM_HORZ | LM_MRUWIDTH;
    else if (dwStyle & CBRS_ORIENT_HORZ)
        dwMode |= LM_HORZ | LM_HORZDOCK;
    else
        dwMode |= LM_VERTDOCK;
    CSize size = CalcDynamicLayout(-1, dwMode);
    size.cx = min(size.cx, sizeAvail.cx);
    size.cy = min(size.cy, sizeAvail.cy);

    if (dwStyle & CBRS_ORIENT_HORZ) {
        lpLayout->sizeTotal.cy += size.cy;
        lpLayout->sizeTotal.cx = max(lpLayout->sizeTotal.cx, size.cx);
        if (dwStyle & CBRS_ALIGN_TOP) {
            lpLayout->rect.top += size.cy;
        } else {
            rect.top = rect.bottom - size.cy;
            lpLayout->rect.bottom -= size.cy;
        }
    } else {
        lpLayout->sizeTotal.cx += size.cx;
        lpLayout->sizeTotal.cy = max(lpLayout->sizeTotal.cy, size.cy);
        if (dwStyle & CBRS_ALIGN_LEFT) {
            lpLayout->rect.left += size.cx;
        } else {
            rect.left = rect.right - size.cx;
            lpLayout->rect.right -= size.cx;
        }
    }
    rect.right = rect.left + size.cx;
    rect.bottom = rect.top + size.cy;
    if (lpLayout->hDWP != NULL)
        AfxRepositionWindow(lpLayout, m_hWnd, &rect);
    return 0;
}

// ---------------------------------------------------------------- delayed show and hide
void CControlBar::DelayShow(BOOL bShow)
{
    m_nStateFlags &= ~(delayHide | delayShow);
    BOOL bVisible = (GetStyle() & WS_VISIBLE) != 0;
    if (bShow && !bVisible)
        m_nStateFlags |= delayShow;
    else if (!bShow && bVisible)
        m_nStateFlags |= delayHide;
}

BOOL CControlBar::IsVisible() const
{
    if (m_nStateFlags & delayHide)
        return FALSE;
    return (m_nStateFlags & delayShow) || (GetStyle() & WS_VISIBLE);
}

// The style the bar will have once a pending show or hide is done; a layout
// that moves windows does it now.
DWORD CControlBar::RecalcDelayShow(AFX_SIZEPARENTPARAMS* lpLayout)
{
    DWORD dwStyle = (m_dwStyle & (CBRS_ALIGN_ANY | CBRS_BORDER_ANY)) | (GetStyle() & WS_VISIBLE);
    if (!(m_nStateFlags & (delayHide | delayShow)))
        return dwStyle;
    UINT swpFlags = 0;
    if ((m_nStateFlags & delayHide) && (dwStyle & WS_VISIBLE))
        swpFlags = SWP_HIDEWINDOW;
    else if ((m_nStateFlags & delayShow) && !(dwStyle & WS_VISIBLE))
        swpFlags = SWP_SHOWWINDOW;
    if (swpFlags == 0) {
        m_nStateFlags &= ~(delayHide | delayShow);
        return dwStyle;
    }
    dwStyle ^= WS_VISIBLE;
    if (lpLayout->hDWP != NULL) {
        m_nStateFlags &= ~(delayHide | delayShow);
        lpLayout->hDWP = ::DeferWindowPos(lpLayout->hDWP, m_hWnd, NULL, 0, 0, 0, 0,
                                          swpFlags | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return dwStyle;
}

// ---------------------------------------------------------------- idle updates
LRESULT CControlBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
{
    // A delayed show or hide not done by a layout is done now.
    BOOL bVisible = (GetStyle() & WS_VISIBLE) != 0;
    UINT swpFlags = 0;
    if ((m_nStateFlags & delayHide) && bVisible)
        swpFlags = SWP_HIDEWINDOW;
    else if ((m_nStateFlags & delayShow) && !bVisible)
        swpFlags = SWP_SHOWWINDOW;
    m_nStateFlags &= ~(delayShow | delayHide);
    if (swpFlags != 0)
        SetWindowPos(NULL, 0, 0, 0, 0, swpFlags | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

    // Only what can be seen is updated; commands go to the owner, the frame.
    if (!(GetStyle() & WS_VISIBLE))
        return 0;
    if (m_pDockBar != NULL && !(m_pDockBar->GetStyle() & WS_VISIBLE))
        return 0;
    CWnd* pOwner = GetOwner();
    CFrameWnd* pTarget = pOwner != NULL && pOwner->IsKindOf(RUNTIME_CLASS(CFrameWnd)) ? (CFrameWnd*)pOwner
                                                                                    : GetParentFrame();
    if (pTarget != NULL)
        OnUpdateCmdUI(pTarget, (BOOL)wParam);
    return 0;
}

// ---------------------------------------------------------------- messages from the bar's children
// Notifications of the bar's own controls (a dialog bar's, a combo in a tool
// bar) go to the frame that owns the bar, once the bar has passed.
LRESULT CControlBar::WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    switch (nMsg) {
    case WM_NOTIFY:
    case WM_COMMAND:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM: {
        LRESULT lResult = 0;
        if (OnWndMsg(nMsg, wParam, lParam, &lResult))
            return lResult;
        CWnd* pOwner = GetOwner();
        if (pOwner != NULL && pOwner->m_hWnd != m_hWnd)
            return pOwner->SendMessage(nMsg, wParam, lParam);
        break;
    }
    default:
        break;
    }
    return CWnd::WindowProc(nMsg, wParam, lParam);
}

HBRUSH CControlBar::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    LRESULT lResult;
    if (pWnd != NULL && pWnd->SendChildNotifyLastMsg(&lResult))
        return (HBRUSH)lResult;
    // Static text and buttons sit on the bar's face colour.
    HBRUSH hbrFace = ::GetSysColorBrush(COLOR_BTNFACE);
    if (!GrayCtlColor(pDC->m_hDC, pWnd->GetSafeHwnd(), nCtlColor, hbrFace, ::GetSysColor(COLOR_BTNTEXT)))
        return (HBRUSH)Default();
    ::SetBkColor(pDC->m_hDC, ::GetSysColor(COLOR_BTNFACE));
    return hbrFace;
}

// ---------------------------------------------------------------- painting
void CControlBar::OnPaint()
{
    CPaintDC dc(this);
    if (IsVisible())
        DoPaint(&dc);
}

void CControlBar::DoPaint(CDC* pDC)
{
    CRect rect;
    GetClientRect(rect);
    DrawBorders(pDC, rect);
    DrawGripper(pDC, rect);
}

// The border on each side of CBRS_BORDER_*: an etched pair of lines with
// CBRS_BORDER_3D, a shadow and a highlight line otherwise.  The rectangle
// shrinks by what was drawn.
void CControlBar::DrawBorders(CDC* pDC, CRect& rect)
{
    DWORD dwStyle = m_dwStyle;
    if (!(dwStyle & CBRS_BORDER_ANY))
        return;
    COLORREF clrShadow = ::GetSysColor(COLOR_BTNSHADOW);
    COLORREF clrHilite = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    // The outer line in shadow, then the inner one one pixel in, in highlight;
    // a 3D border swaps the colours of its right and bottom sides.
    CRect line = rect;
    for (int i = 0; i < 2; i++) {
        const COLORREF clrNear = i == 0 ? clrShadow : clrHilite;
        const COLORREF clrFar = (dwStyle & CBRS_BORDER_3D) ? (i == 0 ? clrHilite : clrShadow) : clrNear;
        if (dwStyle & CBRS_BORDER_LEFT)
            pDC->FillSolidRect(line.left, line.top, 1, line.Height(), clrNear);
        if (dwStyle & CBRS_BORDER_TOP)
            pDC->FillSolidRect(line.left, line.top, line.Width(), 1, clrNear);
        if (dwStyle & CBRS_BORDER_RIGHT)
            pDC->FillSolidRect(line.right - 1, line.top, 1, line.Height(), clrFar);
        if (dwStyle & CBRS_BORDER_BOTTOM)
            pDC->FillSolidRect(line.left, line.bottom - 1, line.Width(), 1, clrFar);
        line.DeflateRect((dwStyle & CBRS_BORDER_LEFT) ? 1 : 0, (dwStyle & CBRS_BORDER_TOP) ? 1 : 0,
                         (dwStyle & CBRS_BORDER_RIGHT) ? 1 : 0, (dwStyle & CBRS_BORDER_BOTTOM) ? 1 : 0);
    }

    DeflateByBorders(rect, dwStyle);
}

// One raised bar along the start of a docked bar with CBRS_GRIPPER.
void CControlBar::DrawGripper(CDC* pDC, const CRect& rect)
{
    if ((m_dwStyle & (CBRS_GRIPPER | CBRS_FLOATING)) != CBRS_GRIPPER)
        return;
    COLORREF clrHilite = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    COLORREF clrShadow = ::GetSysColor(COLOR_BTNSHADOW);
    if (m_dwStyle & CBRS_ORIENT_HORZ)
        pDC->Draw3dRect(rect.left + kGripperGap, rect.top + m_cyTopBorder, kGripperWidth,
                        rect.Height() - m_cyTopBorder - m_cyBottomBorder, clrHilite, clrShadow);
    else
        pDC->Draw3dRect(rect.left + m_cyTopBorder, rect.top + kGripperGap,
                        rect.Width() - m_cyTopBorder - m_cyBottomBorder, kGripperWidth, clrHilite, clrShadow);
}

// Borders, background and gripper of the non-client area.
void CControlBar::EraseNonClient()
{
    CWindowDC dc(this);
    CRect rectClient;
    GetClientRect(rectClient);
    CRect rectWindow;
    GetWindowRect(rectWindow);
    ScreenToClient(rectWindow);
    rectClient.OffsetRect(-rectWindow.left, -rectWindow.top);
    dc.ExcludeClipRect(rectClient);

    rectWindow.OffsetRect(-rectWindow.left, -rectWindow.top);
    DrawBorders(&dc, rectWindow);
    dc.IntersectClipRect(rectWindow);
    ::FillRect(dc.m_hDC, rectWindow, ::GetSysColorBrush(COLOR_BTNFACE));
    DrawGripper(&dc, rectWindow);
}

// ---------------------------------------------------------------- mouse
// A press outside any item starts a drag to dock or float; a double-click
// there toggles between docked and floating.
void CControlBar::OnLButtonDown(UINT nFlags, CPoint pt)
{
    if (m_pDockBar != NULL && m_pDockContext != NULL && OnToolHitTest(pt, NULL) == -1) {
        ClientToScreen(&pt);
        m_pDockContext->StartDrag(pt);
        return;
    }
    CWnd::OnLButtonDown(nFlags, pt);
}

void CControlBar::OnLButtonDblClk(UINT nFlags, CPoint pt)
{
    if (m_pDockBar != NULL && m_pDockContext != NULL && OnToolHitTest(pt, NULL) == -1) {
        m_pDockContext->ToggleDocking();
        return;
    }
    CWnd::OnLButtonDblClk(nFlags, pt);
}

int CControlBar::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT nMsg)
{
    if (!IsFloating())
        return CWnd::OnMouseActivate(pDesktopWnd, nHitTest, nMsg);
    ActivateTopParent(this);
    return MA_NOACTIVATE;
}

// ---------------------------------------------------------------- flyby prompts and tool tips
// Mouse messages over the bar drive the flyby prompt (CBRS_FLYBY); then the
// owning frames may translate the message (accelerators) before the dialog
// manager does.
BOOL CControlBar::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    UINT message = pMsg->message;
    BOOL bMouse = (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
                  (message >= WM_NCMOUSEMOVE && message <= WM_NCMBUTTONDBLCLK);
    BOOL bLeftButton = message == WM_LBUTTONDOWN || message == WM_LBUTTONUP;
    if (bMouse && ((m_dwStyle & CBRS_FLYBY) || bLeftButton) && ::IsWindow(m_hWnd)) {
        CPoint point = pMsg->pt;
        ScreenToClient(&point);
        TOOLINFO ti;
        memset(&ti, 0, sizeof(TOOLINFO));
        ti.cbSize = sizeof(TOOLINFO);
        int nHit = OnToolHitTest(point, &ti);
        if (ti.lpszText != LPSTR_TEXTCALLBACK && ti.hinst == NULL)
            free(ti.lpszText);
        BOOL bNotButton = message == WM_LBUTTONDOWN && (ti.uFlags & TTF_NOTBUTTON);
        BOOL bButtonDown = ::GetKeyState(VK_LBUTTON) < 0;
        if (message != WM_LBUTTONDOWN && bButtonDown)
            nHit = s_nLastStatus;   // a pressed item keeps its prompt while the button is down
        if (nHit < 0 || bNotButton) {
            if (!bButtonDown || bNotButton) {
                SetStatusText(-1);
                KillTimer(kTimerCheck);
            }
        } else if (message == WM_LBUTTONUP) {
            SetStatusText(-1);
            ResetTimer(kTimerCheck, kFlybyCheckMs);
        } else if ((m_nStateFlags & statusSet) || bButtonDown) {
            SetStatusText(nHit);
        } else if (nHit != s_nLastStatus) {
            ResetTimer(kTimerWait, kFlybyWaitMs);
        }
        s_nLastStatus = nHit;
    }

    CFrameWnd* pTopFrame = GetTopLevelFrame();
    if (pTopFrame != NULL && pTopFrame->m_bHelpMode)
        return FALSE;
    for (CWnd* pOwner = GetOwner(); pOwner != NULL; pOwner = pOwner->GetParentFrame()) {
        if (pOwner->PreTranslateMessage(pMsg))
            return TRUE;
    }
    return PreTranslateInput(pMsg);
}

// Shows the prompt of item nHit in the owner's status bar, or (-1) puts the
// idle prompt back.
BOOL CControlBar::SetStatusText(int nHit)
{
    CWnd* pOwner = GetOwner();
    if (nHit == -1) {
        s_pLastStatus = NULL;
        if (m_nStateFlags & statusSet) {
            if (pOwner != NULL)
                pOwner->SendMessage(WM_POPMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
            m_nStateFlags &= ~statusSet;
            return TRUE;
        }
        KillTimer(kTimerWait);
        return FALSE;
    }
    if (!(m_nStateFlags & statusSet) || s_nLastStatus != nHit) {
        s_pLastStatus = this;
        if (pOwner != NULL)
            pOwner->SendMessage(WM_SETMESSAGESTRING, (WPARAM)nHit);
        m_nStateFlags |= statusSet;
        ResetTimer(kTimerCheck, kFlybyCheckMs);
        return TRUE;
    }
    return FALSE;
}

void CControlBar::ResetTimer(UINT nEvent, UINT nTime)
{
    KillTimer(kTimerWait);
    KillTimer(kTimerCheck);
    SetTimer(nEvent, nTime, NULL);
}

// The wait timer shows the prompt of the item under the mouse; the check
// timer takes it away once the mouse has left the bar or the frame lost the
// activation.
void CControlBar::OnTimer(UINT nIDEvent)
{
    if (nIDEvent != kTimerWait && nIDEvent != kTimerCheck) {
        CWnd::OnTimer(nIDEvent);
        return;
    }
    if (::GetKeyState(VK_LBUTTON) < 0)
        return;
    CPoint point;
    ::GetCursorPos(&point);
    ScreenToClient(&point);
    int nHit = OnToolHitTest(point, NULL);
    if (nHit >= 0) {
        CWnd* pParent = GetTopLevelParent();
        if (!IsTopParentActive() || pParent == NULL || !pParent->IsWindowEnabled())
            nHit = -1;
        CWnd* pCapture = GetCapture();
        if (pCapture != NULL && pCapture != this && pCapture->GetTopLevelParent() == pParent)
            nHit = -1;
    } else {
        s_nLastStatus = -1;
    }
    if (nHit >= 0) {
        CPoint ptScreen = point;
        ClientToScreen(&ptScreen);
        HWND hWndPoint = ::WindowFromPoint(ptScreen);
        if (hWndPoint == NULL || (hWndPoint != m_hWnd && !::IsChild(m_hWnd, hWndPoint))) {
            nHit = -1;
            s_nLastStatus = -1;
        }
    }
    if (nHit < 0) {
        if (s_nLastStatus == -1)
            KillTimer(kTimerCheck);
        SetStatusText(-1);
    }
    if (nIDEvent == kTimerWait) {
        KillTimer(kTimerWait);
        if (nHit >= 0)
            SetStatusText(nHit);
    }
}
