// TaskBarPopWnd.cpp - CTaskBarPopWnd: the notifier's slide beside the task bar, its close button and painting.
#include "tips/VeluTips.h"
#include "bars/CaptionGlyph.h"

/////////////////////////////////////////////////////////////////////////////
// Construction

// Sizes, place and phase are set by every ShowMe; nothing reads them before.
CTaskBarPopWnd::CTaskBarPopWnd()
    : m_nTimerId(0),
      m_nLastHit(0),
      m_nWidth(0),
      m_nHeight(0),
      m_nStayTime(0),
      m_nVisibleHeight(0),
      m_nTaskBarPos(kTaskBarRight)
{
    ::SetRectEmpty(&m_rcWindow);
}

CTaskBarPopWnd::~CTaskBarPopWnd()
{
}

int CTaskBarPopWnd::Create()
{
    return CreateEx(WS_EX_TOPMOST | WS_EX_NOACTIVATE, "Static", NULL, WS_POPUP | SS_NOTIFY,
                    0, 0, 0, 0, NULL, NULL, NULL);
}

/////////////////////////////////////////////////////////////////////////////
// Sliding

// A work area as high as the screen leaves the task bar at the left or right
// (or out of sight); otherwise it is at the top or bottom.
int CTaskBarPopWnd::GetTaskBarPos()
{
    const int cyScreen = ::GetSystemMetrics(SM_CYSCREEN);
    RECT rcWork;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcWork, 0);
    if (cyScreen != rcWork.bottom - rcWork.top)
        m_nTaskBarPos = rcWork.top < 1 ? kTaskBarBottom : kTaskBarTop;
    else
        m_nTaskBarPos = rcWork.left < 1 ? kTaskBarRight : kTaskBarLeft;
    return m_nTaskBarPos;
}

int CTaskBarPopWnd::GetMoveStep()
{
    return kTaskBarPopMoveStep;
}

// Recomputes the place from the current work area and restarts from the
// first phase; nothing shows before the first tick. A notifier whose window
// was never created starts no timer.
void CTaskBarPopWnd::ShowMe(int nWidth, int nHeight, int nStayTime)
{
    m_nWidth = nWidth;
    m_nHeight = nHeight;
    m_nStayTime = nStayTime;
    GetTaskBarPos();

    RECT rcWork;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcWork, 0);
    ::InflateRect(&rcWork, -kTaskBarPopScreenGap, -kTaskBarPopScreenGap);
    switch (m_nTaskBarPos)
    {
    case kTaskBarTop:
        ::SetRect(&m_rcWindow, rcWork.right - nWidth, rcWork.top, rcWork.right,
                  rcWork.top + nHeight);
        break;
    case kTaskBarLeft:
        ::SetRect(&m_rcWindow, rcWork.left, rcWork.bottom - nHeight, rcWork.left + nWidth,
                  rcWork.bottom);
        break;
    default:
        ::SetRect(&m_rcWindow, rcWork.right - nWidth, rcWork.bottom - nHeight, rcWork.right,
                  rcWork.bottom);
        break;
    }
    m_nVisibleHeight = MinShownHeight();

    if (m_hWnd == NULL)
        return;
    StopTimer();
    StartTimer(kTaskBarPopShowTimerId, kTaskBarPopTickTime);
}

// Kills the recorded timer and hides the window: the notifier is over for good.
void CTaskBarPopWnd::EndPop()
{
    StopTimer();
    ShowWindow(SW_HIDE);
}

int CTaskBarPopWnd::MinShownHeight() const
{
    return static_cast<int>(m_nHeight * kTaskBarPopMinShown);
}

void CTaskBarPopWnd::StopTimer()
{
    if (m_nTimerId != 0)
        KillTimer(m_nTimerId);
    m_nTimerId = 0;
}

// A timer that cannot be set records 0, and the slide stops where it is.
void CTaskBarPopWnd::StartTimer(UINT nId, int nElapse)
{
    m_nTimerId = static_cast<UINT>(SetTimer(nId, nElapse, NULL));
}

// Beside a top task bar the window hangs from its top edge and grows down;
// everywhere else it stands on its bottom edge and grows up.
void CTaskBarPopWnd::PlaceWindow()
{
    const int y = m_nTaskBarPos == kTaskBarTop ? m_rcWindow.top
                                               : m_rcWindow.bottom - m_nVisibleHeight;
    SetWindowPos(&wndTopMost, m_rcWindow.left, y, m_nWidth, m_nVisibleHeight,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    InvalidateRect(NULL, TRUE);
}

void CTaskBarPopWnd::SlideOut()
{
    m_nVisibleHeight += GetMoveStep();
    if (m_nVisibleHeight >= m_nHeight)
    {
        m_nVisibleHeight = m_nHeight;
        StopTimer();
        StartTimer(kTaskBarPopStayTimerId, m_nStayTime);
    }
    PlaceWindow();
}

void CTaskBarPopWnd::SlideBack()
{
    m_nVisibleHeight -= GetMoveStep();
    if (m_nVisibleHeight >= MinShownHeight())
    {
        PlaceWindow();
        return;
    }
    StopTimer();
    m_nVisibleHeight = 0;
    EndPop();
}

/////////////////////////////////////////////////////////////////////////////
// Close button and hit-testing

void CTaskBarPopWnd::GetCloseButtonRect(RECT* pRect)
{
    if (pRect == NULL)
        return;
    RECT rcClient = { 0, 0, 0, 0 };
    GetClientRect(&rcClient);
    const int nRight = rcClient.right - kTaskBarPopCloseMargin;
    const int nTop = rcClient.top + kTaskBarPopCloseMargin;
    ::SetRect(pRect, nRight - kTaskBarPopCloseSize, nTop, nRight, nTop + kTaskBarPopCloseSize);
}

// The close button first, then the edge strips; only the close button acts.
int CTaskBarPopWnd::MouseHitTest(POINT point)
{
    RECT rcClose;
    GetCloseButtonRect(&rcClose);
    if (::PtInRect(&rcClose, point))
        return kTaskBarPopHitClose;

    RECT rc = { 0, 0, 0, 0 };
    GetClientRect(&rc);
    const RECT strips[] = {
        { rc.left, rc.top, rc.left + kTaskBarPopEdgeStrip, rc.bottom },
        { rc.right - kTaskBarPopEdgeStrip, rc.top, rc.right, rc.bottom },
        { rc.left, rc.top, rc.right, rc.top + kTaskBarPopEdgeStrip },
        { rc.left, rc.bottom - kTaskBarPopEdgeStrip, rc.right, rc.bottom },
    };
    const int codes[] = { kTaskBarPopHitLeft, kTaskBarPopHitRight, kTaskBarPopHitTop,
                          kTaskBarPopHitBottom };
    for (int i = 0; i < 4; i++)
    {
        if (::PtInRect(&strips[i], point))
            return codes[i];
    }
    return 0;
}

/////////////////////////////////////////////////////////////////////////////
// Painting

void CTaskBarPopWnd::DrawBackground(CDC* pDC)
{
    RECT rc;
    GetClientRect(&rc);
    pDC->FillSolidRect(&rc, kBarBackground);

    CPen penBorder;
    penBorder.CreatePen(PS_SOLID, 0, kBarEdge);
    CPen* pOldPen = pDC->SelectObject(&penBorder);
    pDC->MoveTo(rc.left, rc.top);
    pDC->LineTo(rc.right - 1, rc.top);
    pDC->LineTo(rc.right - 1, rc.bottom - 1);
    pDC->LineTo(rc.left, rc.bottom - 1);
    pDC->LineTo(rc.left, rc.top);
    pDC->SelectObject(pOldPen);
    penBorder.DeleteObject();

    RECT rcClose;
    GetCloseButtonRect(&rcClose);
    if (rcClose.right - rcClose.left > 0)
        VeluDrawCaptionGlyph(pDC, &rcClose, kHitClose, m_nLastHit);
}

// Lines are left-aligned inside a block centred in the text area; the last
// visible line ends in an ellipsis when the text does not fit.
void CTaskBarPopWnd::OnDraw(CDC* pDC)
{
    char szText[kTaskBarPopTextSize + 1];
    GetWindowText(szText, kTaskBarPopTextSize + 1);
    if (szText[0] == '\0')
        return;

    const int nOldBkMode = pDC->SetBkMode(TRANSPARENT);
    CFont font;
    font.CreatePointFont(kTaskBarPopFontSize, "MS San Serif");
    CFont* pOldFont = pDC->SelectObject(&font);

    RECT rcArea;
    GetClientRect(&rcArea);
    rcArea.left += kTaskBarPopTextMargin;
    rcArea.right -= kTaskBarPopTextMargin;
    rcArea.top += kTaskBarPopTextTop;
    rcArea.bottom -= kTaskBarPopTextMargin;
    RECT rcCalc = rcArea;
    ::DrawTextExA(pDC->m_hDC, szText, -1, &rcCalc, DT_WORDBREAK | DT_END_ELLIPSIS | DT_CALCRECT,
                  NULL);
    const int dx = ((rcArea.right - rcArea.left) - (rcCalc.right - rcCalc.left)) / 2;
    const int dy = ((rcArea.bottom - rcArea.top) - (rcCalc.bottom - rcCalc.top)) / 2;
    RECT rcText = { rcArea.left + dx, rcArea.top + dy, rcArea.right - dx, rcArea.bottom - dy };
    ::DrawTextExA(pDC->m_hDC, szText, -1, &rcText, DT_WORDBREAK | DT_END_ELLIPSIS, NULL);

    pDC->SelectObject(pOldFont);
    font.DeleteObject();
    pDC->SetBkMode(nOldBkMode);
}

/////////////////////////////////////////////////////////////////////////////
// Message handlers

BEGIN_MESSAGE_MAP(CTaskBarPopWnd, CWnd)
    //{{AFX_MSG_MAP(CTaskBarPopWnd)
    ON_WM_PAINT()
    ON_WM_TIMER()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    //}}AFX_MSG_MAP
END_MESSAGE_MAP()

void CTaskBarPopWnd::OnPaint()
{
    CPaintDC dc(this);
    DrawBackground(&dc);
    OnDraw(&dc);
}

// The mouse does not hold the slide up: only the timers move it on.
void CTaskBarPopWnd::OnTimer(UINT nIDEvent)
{
    if (m_nTaskBarPos > kTaskBarRight)
        return;
    switch (nIDEvent)
    {
    case kTaskBarPopShowTimerId:
        SlideOut();
        break;
    case kTaskBarPopStayTimerId:
        StopTimer();
        StartTimer(kTaskBarPopHideTimerId, kTaskBarPopTickTime);
        break;
    case kTaskBarPopHideTimerId:
        SlideBack();
        break;
    default:
        break;
    }
}

// The hot look follows the cursor: the button is repainted, frame included,
// whenever the cursor enters, moves on or leaves it.
void CTaskBarPopWnd::OnMouseMove(UINT /*nFlags*/, CPoint point)
{
    const int nPrevious = m_nLastHit;
    m_nLastHit = MouseHitTest(point);
    if (m_nLastHit != kTaskBarPopHitClose && nPrevious != kTaskBarPopHitClose)
        return;
    RECT rcClose;
    GetCloseButtonRect(&rcClose);
    ::InflateRect(&rcClose, 1, 1);
    InvalidateRect(&rcClose, TRUE);
}

void CTaskBarPopWnd::OnLButtonDown(UINT /*nFlags*/, CPoint point)
{
    m_nLastHit = MouseHitTest(point);
}

// There is no capture: a press on the close button released elsewhere does nothing.
void CTaskBarPopWnd::OnLButtonUp(UINT /*nFlags*/, CPoint point)
{
    if (m_nLastHit == kTaskBarPopHitClose && MouseHitTest(point) == kTaskBarPopHitClose)
        EndPop();
    m_nLastHit = 0;
}
