// CoolToolTip.cpp - CCoolToolTip's window: relaying, timing, placing, showing and painting the tip.
#include "tips/VeluTips.h"
#include "skin/VeluSkin.h"

#include <mbstring.h>
#include <stdlib.h>
#include <string.h>

namespace
{
// One tip is up at a time across all managers: the one shown last, and the
// window that held the mouse capture before that tip took it.
CCoolToolTip* s_pActiveToolTip = NULL;
HWND s_hSavedCapture = NULL;

// The outermost row of each corner starts one pixel in; all other rows are full.
const int kToolTipCornerInsets[kToolTipCornerSize] = { 1 };

void ReturnSavedCapture()
{
    ::ReleaseCapture();
    if (s_hSavedCapture != NULL)
    {
        ::SetCapture(s_hSavedCapture);
        s_hSavedCapture = NULL;
    }
}

// Copies at most nSize - 1 bytes, cutting longer texts on a character boundary.
void CopyTipText(char* pszDest, const char* pszSource, int nSize)
{
    if (static_cast<int>(strlen(pszSource)) < nSize)
    {
        strcpy(pszDest, pszSource);
        return;
    }
    _mbsnbcpy(reinterpret_cast<unsigned char*>(pszDest),
              reinterpret_cast<const unsigned char*>(pszSource), nSize - 1);
    pszDest[nSize - 1] = '\0';
}

HWND WindowUnderCursor(POINT* pptCursor)
{
    ::GetCursorPos(pptCursor);
    return ::WindowFromPoint(*pptCursor);
}
}

/////////////////////////////////////////////////////////////////////////////
// Construction

CCoolToolTip::CCoolToolTip()
    : m_nTimerId(0),
      m_nShowTime(kToolTipDefaultShowTime),
      m_pFont(&g_fontShared10),
      m_crText(kToolTipTextColor),
      m_cxMargin(kToolTipMargin),
      m_cyMargin(kToolTipMargin),
      m_hCurrentTool(NULL),
      m_nToolCapacity(0),
      m_phToolWnds(NULL),
      m_ppToolRecords(NULL)
{
    m_szText[0] = '\0';
}

// The capture is not handed back here: a manager going away with its tip up
// leaves the capture to the window's destruction.
CCoolToolTip::~CCoolToolTip()
{
    if (s_pActiveToolTip == this)
        s_pActiveToolTip = NULL;
    Clear();
    free(m_phToolWnds);
    free(m_ppToolRecords);
}

BOOL CCoolToolTip::Create()
{
    VeluLoadSharedSkin(&g_hSkinToolTip, VELU_XZP_TOOLTIP);
    return CreateEx(WS_EX_TOPMOST | WS_EX_NOACTIVATE, "Static", NULL, WS_POPUP | SS_NOTIFY,
                    0, 0, 0, 0, NULL, NULL, NULL);
}

/////////////////////////////////////////////////////////////////////////////
// Attributes

void CCoolToolTip::SetTipFont(CFont* pFont)
{
    m_pFont = pFont;
}

void CCoolToolTip::SetTipColor(COLORREF crText)
{
    m_crText = crText;
}

void CCoolToolTip::SetMarginToAdjustSize(int cxMargin, int cyMargin)
{
    m_cxMargin = cxMargin;
    m_cyMargin = cyMargin;
}

/////////////////////////////////////////////////////////////////////////////
// Relaying the owner's mouse messages

void CCoolToolTip::RelayEvent(MSG* pMsg)
{
    switch (pMsg->message)
    {
    case WM_MOUSEMOVE:
        RelayMouseMove();
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
        RelayButton();
        break;
    default:
        // Double-clicks and everything else leave the tip alone.
        break;
    }
}

void CCoolToolTip::RelayMouseMove()
{
    POINT ptCursor;
    const HWND hUnder = WindowUnderCursor(&ptCursor);
    if (IsTipVisible())
    {
        // A tip whose tool window is gone stays until its timer or a press takes it down.
        if (hUnder == m_hCurrentTool || !::IsWindow(m_hCurrentTool) || IsCursorInTool(ptCursor))
            return;
        HideMe();
        m_hCurrentTool = NULL;
        return;
    }

    if (hUnder == NULL || hUnder == m_hCurrentTool)
        return;
    // Only leaving the current tool's rectangle lets it show its tip again.
    if (::IsWindow(m_hCurrentTool) && !IsCursorInTool(ptCursor))
        m_hCurrentTool = NULL;
    if (!IsTool(hUnder, NULL))
        return;
    m_hCurrentTool = hUnder;
    ShowMe(hUnder, kToolTipDelay, kToolTipShowTime);
}

void CCoolToolTip::RelayButton()
{
    POINT ptCursor;
    const HWND hUnder = WindowUnderCursor(&ptCursor);
    if (IsTipVisible())
    {
        if (hUnder == m_hCurrentTool)
            return;
        HideMe();
        m_hCurrentTool = NULL;
        return;
    }

    if (hUnder == NULL || hUnder == m_hCurrentTool || !IsTool(hUnder, NULL))
        return;
    m_hCurrentTool = hUnder;
    ShowMe(hUnder, kToolTipDelay, kToolTipShowTime);
}

BOOL CCoolToolTip::IsCursorInTool(POINT ptCursor) const
{
    RECT rcTool;
    ::GetWindowRect(m_hCurrentTool, &rcTool);
    return ::PtInRect(&rcTool, ptCursor);
}

/////////////////////////////////////////////////////////////////////////////
// Showing and hiding

// The tip is always for the current tool; hTool only names the caller's intent.
// A manager whose window was never created shows nothing and starts no timer.
BOOL CCoolToolTip::ShowMe(HWND /*hTool*/, int nDelay, int nShowTime)
{
    if (m_hWnd == NULL)
        return FALSE;
    const BOOL bWasVisible = IsTipVisible();
    m_nShowTime = nShowTime;
    if (nDelay > 0 && !bWasVisible)
    {
        StopTimer();
        StartTimer(kToolTipDelayTimerId, nDelay);
        return TRUE;
    }
    if (!MoveToolTip())
        return FALSE;
    PresentTip(bWasVisible);
    return TRUE;
}

// An empty text shows the last text again at its last size and place.
void CCoolToolTip::ShowMe(const char* pszText, int nShowTime, int x, int y)
{
    if (m_hWnd == NULL)
        return;
    const BOOL bWasVisible = IsTipVisible();
    m_nShowTime = nShowTime;
    if (pszText != NULL && pszText[0] != '\0')
    {
        CClientDC dc(this);
        CFont* pOldFont = m_pFont != NULL ? dc.SelectObject(m_pFont) : NULL;
        CopyTipText(m_szText, pszText, kToolTipTextSize);
        const SIZE size = MeasureText(&dc, m_szText);
        POINT ptTip = { x, y };
        if (x < 0 && y < 0)
            ptTip = PlaceBesideCursor(size);
        SetWindowPos(&wndTop, ptTip.x, ptTip.y, size.cx, size.cy, SWP_NOACTIVATE);
        if (pOldFont != NULL)
            dc.SelectObject(pOldFont);
    }
    PresentTip(bWasVisible);
}

void CCoolToolTip::HideMe()
{
    if (IsTipVisible())
    {
        ReturnSavedCapture();
        ShowWindow(SW_HIDE);
    }
    StopTimer();
}

// Takes the screen from any other manager's tip, shows this one (holding the
// mouse capture so that every move and press comes here) and starts the hide timer.
void CCoolToolTip::PresentTip(BOOL bWasVisible)
{
    TakeOverFromActiveTip();
    s_pActiveToolTip = this;
    if (bWasVisible)
    {
        InvalidateRect(NULL, TRUE);
    }
    else
    {
        ShowWindow(SW_SHOWNA);
        s_hSavedCapture = ::SetCapture(m_hWnd);
    }
    StopTimer();
    StartTimer(kToolTipHideTimerId, m_nShowTime);
}

// The other manager's hide timer keeps running; it later hides a hidden tip.
void CCoolToolTip::TakeOverFromActiveTip()
{
    CCoolToolTip* pOther = s_pActiveToolTip;
    if (pOther == NULL || pOther == this || !pOther->IsTipVisible())
        return;
    ReturnSavedCapture();
    pOther->ShowWindow(SW_HIDE);
}

BOOL CCoolToolTip::IsTipVisible() const
{
    return ::IsWindowVisible(m_hWnd);
}

void CCoolToolTip::StartTimer(UINT nId, int nElapse)
{
    m_nTimerId = static_cast<UINT>(SetTimer(nId, nElapse, NULL));
}

void CCoolToolTip::StopTimer()
{
    if (m_nTimerId != 0)
    {
        KillTimer(m_nTimerId);
        m_nTimerId = 0;
    }
}

/////////////////////////////////////////////////////////////////////////////
// Layout

BOOL CCoolToolTip::MoveToolTip()
{
    if (!IsTool(m_hCurrentTool, NULL))
        return FALSE;
    POINT ptTip = { 0, 0 };
    SIZE size = { 0, 0 };
    CalcLayout(m_hCurrentTool, &ptTip, &size, m_szText, kToolTipTextSize);
    if (size.cx == 0 || size.cy == 0)
        return FALSE;
    SetWindowPos(&wndTop, ptTip.x, ptTip.y, size.cx, size.cy, SWP_NOACTIVATE);
    return TRUE;
}

void CCoolToolTip::CalcLayout(HWND hTool, POINT* pPoint, SIZE* pSize, char* pszBuffer,
                              int nBufferSize)
{
    CClientDC dc(this);
    CFont* pOldFont = m_pFont != NULL ? dc.SelectObject(m_pFont) : NULL;

    void* pRecord = NULL;
    if (IsTool(hTool, &pRecord) && pRecord != NULL)
    {
        const char* pszSource =
            FetchToolText(hTool, static_cast<const BYTE*>(pRecord), pszBuffer, nBufferSize);
        if (pszSource[0] != '\0')
        {
            if (pszSource != pszBuffer)
                CopyTipText(pszBuffer, pszSource, nBufferSize);
            *pSize = MeasureText(&dc, pszBuffer);
            *pPoint = PlaceBesideCursor(*pSize);
        }
    }

    if (pOldFont != NULL)
        dc.SelectObject(pOldFont);
}

// Lines break only at the text's own line breaks; '&' marks a mnemonic as it does when painted.
SIZE CCoolToolTip::MeasureText(CDC* pDC, const char* pszText) const
{
    RECT rcText = { 0, 0, 0, 0 };
    ::DrawTextA(pDC->m_hDC, pszText, -1, &rcText, DT_CALCRECT);
    SIZE size;
    size.cx = (rcText.right - rcText.left) + 2 * m_cxMargin;
    size.cy = (rcText.bottom - rcText.top) + 2 * m_cyMargin;
    return size;
}

// Right of and below the cursor, pulled back inside the work area's right and
// bottom edges only: a cursor near the left or top leaves room anyway.
POINT CCoolToolTip::PlaceBesideCursor(SIZE size) const
{
    POINT ptCursor;
    ::GetCursorPos(&ptCursor);
    RECT rcWork;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcWork, 0);

    POINT ptTip = { ptCursor.x + kToolTipCursorOffset, ptCursor.y + kToolTipCursorOffset };
    if (ptTip.x + size.cx > rcWork.right)
        ptTip.x = rcWork.right - size.cx - kToolTipWorkAreaGap;
    if (ptTip.y + size.cy > rcWork.bottom)
        ptTip.y = rcWork.bottom - size.cy - kToolTipWorkAreaGap;
    return ptTip;
}

/////////////////////////////////////////////////////////////////////////////
// Painting

void CCoolToolTip::DrawEdge(HDC hDC, RECT* pRect)
{
    CRoundBitmap painter;
    painter.ShowMe(hDC, pRect, g_hSkinToolTip, kToolTipCornerInsets, kToolTipCornerSize);
}

void CCoolToolTip::OnDraw(CDC* pDC)
{
    CFont* pOldFont = m_pFont != NULL ? pDC->SelectObject(m_pFont) : NULL;
    const int nOldBkMode = pDC->SetBkMode(TRANSPARENT);

    CRect rcClient;
    GetClientRect(&rcClient);
    DrawEdge(pDC->m_hDC, &rcClient);

    CRect rcText = rcClient;
    rcText.left += m_cxMargin;
    rcText.top += m_cyMargin;
    const COLORREF crOldText = pDC->SetTextColor(m_crText);
    ::DrawTextA(pDC->m_hDC, m_szText, -1, &rcText, 0);

    pDC->SetTextColor(crOldText);
    pDC->SetBkMode(nOldBkMode);
    if (pOldFont != NULL)
        pDC->SelectObject(pOldFont);
}

/////////////////////////////////////////////////////////////////////////////
// Message handlers

BEGIN_MESSAGE_MAP(CCoolToolTip, CWnd)
    //{{AFX_MSG_MAP(CCoolToolTip)
    ON_WM_PAINT()
    ON_WM_TIMER()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_RBUTTONDOWN()
    //}}AFX_MSG_MAP
END_MESSAGE_MAP()

void CCoolToolTip::OnPaint()
{
    CPaintDC dc(this);
    OnDraw(&dc);
}

// Each timer fires once: the delay hands over to the hide timer, the hide timer ends the tip.
void CCoolToolTip::OnTimer(UINT nIDEvent)
{
    Default();
    StopTimer();
    if (nIDEvent == kToolTipDelayTimerId)
    {
        if (!IsTool(m_hCurrentTool, NULL))
            return;
        POINT ptCursor;
        ::GetCursorPos(&ptCursor);
        // A cursor that left the tool during the delay shows nothing.
        if (!::IsWindow(m_hCurrentTool) || IsCursorInTool(ptCursor))
            ShowMe(m_hCurrentTool, 0, m_nShowTime);
    }
    else if (nIDEvent == kToolTipHideTimerId)
    {
        HideMe();
    }
}

// While the tip is up it holds the capture, so every move on the screen arrives here.
void CCoolToolTip::OnMouseMove(UINT /*nFlags*/, CPoint /*point*/)
{
    MSG msg;
    memset(&msg, 0, sizeof(msg));
    msg.message = WM_MOUSEMOVE;
    RelayEvent(&msg);
    ::SetCursor(::LoadCursor(NULL, IDC_ARROW));
    Default();
}

// A press anywhere takes the tip down and is replayed at the cursor (no move
// flag), so that it reaches the window the user pressed on; the user's own
// release follows there.
void CCoolToolTip::OnLButtonDown(UINT /*nFlags*/, CPoint point)
{
    HideMe();
    Default();
    ::mouse_event(MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_LEFTDOWN, point.x, point.y, 0, 0);
}

void CCoolToolTip::OnRButtonDown(UINT /*nFlags*/, CPoint point)
{
    HideMe();
    Default();
    ::mouse_event(MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_RIGHTDOWN, point.x, point.y, 0, 0);
}
