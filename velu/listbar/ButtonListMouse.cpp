// ButtonListMouse.cpp - CButtonListBar's mouse: hot tracking by capture, presses, clicks, group switching and scrolling.
#include "listbar/VeluListBar.h"

/////////////////////////////////////////////////////////////////////////////
// Hot state helpers

void CButtonListBar::ClearHotGroupButton()
{
    if (m_nHotGroupButton < 0)
        return;
    const int nOld = m_nHotGroupButton;
    m_nHotGroupButton = -1;
    DrawGroupButton(nOld);
}

// While it is hot the leading arrow pushes the buttons along, so the whole
// bar repaints when it stops being hot.
void CButtonListBar::ClearHotArrow()
{
    if (m_nHotArrow == kListNoArrow)
        return;
    m_nHotArrow = kListNoArrow;
    ::InvalidateRect(m_hWnd, NULL, TRUE);
}

// Scrolling changes what lies under the bar's edges in the window around it.
void CButtonListBar::InvalidateUnderBar()
{
    HWND hParent = ::GetParent(m_hWnd);
    if (hParent == NULL)
        return;
    HWND hTarget = ::GetParent(hParent);
    if (hTarget == NULL)
        hTarget = hParent;
    RECT rc;
    ::GetWindowRect(m_hWnd, &rc);
    ::ScreenToClient(hTarget, reinterpret_cast<POINT*>(&rc.left));
    ::ScreenToClient(hTarget, reinterpret_cast<POINT*>(&rc.right));
    ::InvalidateRect(hTarget, &rc, TRUE);
}

/////////////////////////////////////////////////////////////////////////////
// Message handlers

void CButtonListBar::OnMouseMove(UINT /*nFlags*/, CPoint point)
{
    POINT ptCursor;
    ::GetCursorPos(&ptCursor);
    RECT rcWindow;
    ::GetWindowRect(m_hWnd, &rcWindow);
    if (!::PtInRect(&rcWindow, ptCursor))
    {
        if (::GetCapture() == m_hWnd)
            ::ReleaseCapture();
        SetCurSel(-1, TRUE);
        ClearHotArrow();
        ClearHotGroupButton();
    }
    else
    {
        if (::GetCapture() != m_hWnd)
            ::SetCapture(m_hWnd);
        const int nArrow = ScrollItemFromPt(point);
        const int nGroup = nArrow == kListNoArrow ? GroupButtonFromPt(point) : -1;
        if (nArrow != kListNoArrow)
        {
            SetCurSel(-1, TRUE);
            if (m_nHotArrow != nArrow)
            {
                m_nHotArrow = nArrow;
                DrawScrollBar();
            }
            ClearHotGroupButton();
        }
        else if (nGroup >= 0)
        {
            SetCurSel(-1, TRUE);
            if (nGroup != m_nHotGroupButton)
            {
                const int nOld = m_nHotGroupButton;
                m_nHotGroupButton = nGroup;
                if (nOld >= 0)
                    DrawGroupButton(nOld);
                DrawGroupButton(nGroup);
            }
            // Without the library's hand cursor the arrow stays.
            if (g_hCursorHand != NULL)
            {
                ::SetCursor(g_hCursorHand);
                return;
            }
        }
        else
        {
            SetCurSel(ItemFromPt(point), TRUE);
            ClearHotArrow();
            ClearHotGroupButton();
        }
    }
    ::SetCursor(::LoadCursor(NULL, IDC_ARROW));
}

void CButtonListBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    m_nPressedPos = -1;
    const int nArrow = ScrollItemFromPt(point);
    const int nPosition = nArrow == kListNoArrow ? ItemFromPt(point) : -1;
    if (nArrow != kListNoArrow)
    {
        m_bPressed = TRUE;
        m_nHotArrow = nArrow;
        DrawScrollBar();
    }
    else if (nPosition >= 0)
    {
        m_nPressedPos = nPosition;
        if (::GetCapture() != m_hWnd)
            ::SetCapture(m_hWnd);
        m_bPressed = TRUE;
        // Cleared first, so that the button repaints sunken even when it was hot.
        SetCurSel(-1, TRUE);
        SetCurSel(nPosition, TRUE);
        if (m_nHotArrow != kListNoArrow)
        {
            m_nHotArrow = kListNoArrow;
            DrawScrollBar();
        }
    }
    CWndForXCtrl::OnLButtonDown(nFlags, point);
}

void CButtonListBar::OnLButtonUp(UINT /*nFlags*/, CPoint point)
{
    m_bPressed = FALSE;
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();

    const int nArrow = ScrollItemFromPt(point);
    if (nArrow != kListNoArrow)
    {
        // The arrow under the release decides the direction, one button per click.
        m_nHotArrow = nArrow;
        DrawScrollBar();
        SetCurSel(-1, TRUE);
        const int nFirst = m_nFirstShown;
        if (nArrow == kListLeadingArrow && m_nFirstShown > 0)
            --m_nFirstShown;
        else if (nArrow == kListTrailingArrow && m_nFirstShown + 1 < GetGroupCommandCount(-1))
            ++m_nFirstShown;
        if (m_nFirstShown != nFirst)
        {
            InvalidateUnderBar();
            ::InvalidateRect(m_hWnd, NULL, TRUE);
        }
        return;
    }

    const int nGroup = GroupButtonFromPt(point);
    if (nGroup >= 0)
    {
        SetCurSel(-1, TRUE);
        if (nGroup != m_nCurSelGroup)
        {
            m_nCurSelGroup = nGroup;
            m_nFirstShown = 0;
            m_nEdgePos = -1;
            ::InvalidateRect(m_hWnd, NULL, TRUE);
        }
        return;
    }

    // A click is a press and a release on the same button.
    const int nPosition = ItemFromPt(point);
    if (nPosition < 0 || nPosition != m_nPressedPos)
        return;
    SetCurSel(-1, TRUE);
    if (m_nHotArrow != kListNoArrow)
    {
        m_nHotArrow = kListNoArrow;
        DrawScrollBar();
    }
    const int nIndex = ButtonOfPosition(nPosition);
    if (nIndex >= 0 && m_hWndNotify != NULL)
    {
        SetMouseClickItem(nIndex, TRUE);
        OnButtonClick(nIndex);
    }
}

// A double click flashes what it hit; the release that follows it does the
// click (or scroll), since the press of the first click is still recorded.
// An arrow band lies over the buttons, so arrows are asked first, as on every other message.
void CButtonListBar::OnLButtonDblClk(UINT /*nFlags*/, CPoint point)
{
    const int nArrow = ScrollItemFromPt(point);
    if (nArrow != kListNoArrow)
    {
        SetCurSel(-1, TRUE);
        m_bPressed = TRUE;
        m_nHotArrow = nArrow;
        DrawScrollBar();
        ::Sleep(kListFlashTime);
        m_bPressed = FALSE;
        DrawScrollBar();
        return;
    }
    const int nPosition = ItemFromPt(point);
    if (nPosition < 0)
        return;
    m_bPressed = TRUE;
    SetCurSel(-1, TRUE);
    SetCurSel(nPosition, TRUE);
    ::Sleep(kListFlashTime);
    m_bPressed = FALSE;
    SetCurSel(-1, TRUE);
    SetCurSel(nPosition, TRUE);
    if (m_nHotArrow != kListNoArrow)
    {
        m_nHotArrow = kListNoArrow;
        DrawScrollBar();
    }
}
