// BaseTipWnd.cpp - CBaseTipWnd: the delayed, timed, click-through pop-up under the balloon tips.
#include "tips/VeluTips.h"

#include <stdlib.h>

/////////////////////////////////////////////////////////////////////////////
// Construction

CBaseTipWnd::CBaseTipWnd()
    : m_nTimerId(0),
      m_bActivate(FALSE),
      m_nShowTime(kBaseTipDefaultShowTime)
{
}

// SS_NOTIFY makes the static window take mouse clicks instead of passing them through.
BOOL CBaseTipWnd::Create()
{
    return CreateEx(WS_EX_TOPMOST | WS_EX_NOACTIVATE, "Static", NULL, WS_POPUP | SS_NOTIFY,
                    0, 0, 0, 0, NULL, NULL, NULL);
}

/////////////////////////////////////////////////////////////////////////////
// Operations

// An activated tip becomes visible here at once; one without activation is
// only placed, and appears when the show delay runs out. A tip whose window
// was never created does nothing (no window, so no timer either).
void CBaseTipWnd::ShowMe(int nShowTime, int bActivate)
{
    if (m_hWnd == NULL)
        return;
    const BOOL bWasVisible = IsWindowVisible();
    m_nShowTime = nShowTime;
    m_bActivate = bActivate;

    RECT rcTip = { 0, 0, 0, 0 };
    CalcLayout(&rcTip);
    SetWindowPos(&wndTop, rcTip.left, rcTip.top, abs(rcTip.right - rcTip.left),
                 abs(rcTip.bottom - rcTip.top), m_bActivate ? SWP_SHOWWINDOW : SWP_NOACTIVATE);

    // A tip already up keeps its running timer; the new show time counts from the next show.
    if (bWasVisible)
    {
        ::InvalidateRect(m_hWnd, NULL, TRUE);
        return;
    }
    StopTimer();
    m_nTimerId = static_cast<UINT>(SetTimer(kBaseTipDelayTimerId, kBaseTipShowDelay, NULL));
}

// Releases the capture whoever holds it on this thread, shown or not.
void CBaseTipWnd::HideMe()
{
    ::ReleaseCapture();
    ShowWindow(SW_HIDE);
    StopTimer();
}

void CBaseTipWnd::StopTimer()
{
    if (m_nTimerId != 0)
    {
        KillTimer(m_nTimerId);
        m_nTimerId = 0;
    }
}

// No move flag: the press and release land where the cursor is, on whatever
// window lies there now that the tip is hidden and has let the capture go.
void CBaseTipWnd::ReplayClick(DWORD dwDownFlag, DWORD dwUpFlag, CPoint point)
{
    ::mouse_event(MOUSEEVENTF_ABSOLUTE | dwDownFlag, point.x, point.y, 0, 0);
    ::mouse_event(MOUSEEVENTF_ABSOLUTE | dwUpFlag, point.x, point.y, 0, 0);
}

/////////////////////////////////////////////////////////////////////////////
// Message handlers

BEGIN_MESSAGE_MAP(CBaseTipWnd, CWnd)
    //{{AFX_MSG_MAP(CBaseTipWnd)
    ON_WM_TIMER()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_RBUTTONDOWN()
    //}}AFX_MSG_MAP
END_MESSAGE_MAP()

// The show delay hands over to the display timer once; the display timer ends the tip.
void CBaseTipWnd::OnTimer(UINT nIDEvent)
{
    Default();
    if (nIDEvent == kBaseTipDelayTimerId)
    {
        ShowWindow(m_bActivate ? SW_SHOW : SW_SHOWNA);
        SetCapture();
        StopTimer();
        m_nTimerId = static_cast<UINT>(SetTimer(kBaseTipDisplayTimerId, m_nShowTime, NULL));
    }
    else if (nIDEvent == kBaseTipDisplayTimerId)
    {
        StopTimer();
        ::ReleaseCapture();
        ShowWindow(SW_HIDE);
    }
}

// While the tip is up it holds the capture: every move on the screen comes
// here, and the cursor stays the standard arrow wherever it is.
void CBaseTipWnd::OnMouseMove(UINT /*nFlags*/, CPoint /*point*/)
{
    ::SetCursor(::LoadCursor(NULL, IDC_ARROW));
    Default();
}

void CBaseTipWnd::OnLButtonDown(UINT /*nFlags*/, CPoint point)
{
    HideMe();
    Default();
    ReplayClick(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, point);
}

void CBaseTipWnd::OnRButtonDown(UINT /*nFlags*/, CPoint point)
{
    HideMe();
    Default();
    ReplayClick(MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP, point);
}
