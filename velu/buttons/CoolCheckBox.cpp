// CoolCheckBox.cpp - CCoolCheckBox: the flat check box with its box, check mark and caption.
#include <afxwin.h>
#include "buttons/VeluButtons.h"

IMPLEMENT_DYNAMIC(CCoolCheckBox, CHotSpot)

BEGIN_MESSAGE_MAP(CCoolCheckBox, CHotSpot)
    //{{AFX_MSG_MAP(CCoolCheckBox)
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_KEYDOWN()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    //}}AFX_MSG_MAP
END_MESSAGE_MAP()

namespace {

// The check mark: three strokes of three points each, relative to the box's
// top-left corner, side by side so that the mark is three pixels thick.
const POINT kCheckStrokes[3][3] =
{
    { { 2, 5 }, { 5, 8 }, { 11, 2 } },
    { { 3, 5 }, { 5, 7 }, { 10, 2 } },
    { { 2, 6 }, { 5, 9 }, { 11, 3 } },
};

} // namespace

/////////////////////////////////////////////////////////////////////////////
// Construction

CCoolCheckBox::CCoolCheckBox()
    : m_nCheck(0),
      m_pCallbackContext(NULL),
      m_pfnChanged(NULL)
{
}

CCoolCheckBox::~CCoolCheckBox()
{
}

/////////////////////////////////////////////////////////////////////////////
// Attributes

int CCoolCheckBox::GetCheck() const
{
    return m_nCheck;
}

void CCoolCheckBox::SetCheck(int nCheck, BOOL bRepaint, BOOL bNotify)
{
    // Any nonzero value means checked: 1 after 2 is no change at all.
    if ((nCheck != 0) == (m_nCheck != 0))
        return;
    m_nCheck = nCheck;
    if (bRepaint)
        Repaint();
    if (bNotify)
        OnCheckChanged();
}

void CCoolCheckBox::SetChangedCallback(void* pContext, VELUCHECKCHANGEDPROC pfnChanged)
{
    m_pCallbackContext = pContext;
    m_pfnChanged = pfnChanged;
}

/////////////////////////////////////////////////////////////////////////////
// Overridables

void CCoolCheckBox::OnCheckChanged()
{
    if (m_pfnChanged != NULL)
        m_pfnChanged(m_pCallbackContext, this);
}

void CCoolCheckBox::DrawContent(CDC* pDC, RECT* pRect, DWORD dwState)
{
    const CRect rc(pRect);
    char szText[kCaptionBufferSize];
    int nLength = GetWindowText(szText, kCaptionBufferSize);
    if (nLength > 0)
        DrawCaption(pDC, rc, dwState, szText, nLength);
    DrawBox(pDC, rc);
}

void CCoolCheckBox::DrawFocusRect(CDC* pDC, RECT* pRect)
{
    // Measured with whatever font the DC holds now: the caption font has
    // already been put back by the time the focus frame is drawn.
    const CRect rc(pRect);
    char szText[kCaptionBufferSize];
    int nLength = GetWindowText(szText, kCaptionBufferSize);
    int nWidth = kCheckFocusEmptyWidth;
    if (nLength > 0)
    {
        CRect rcText(rc);
        pDC->DrawText(szText, nLength, &rcText, DT_CALCRECT | DT_SINGLELINE);
        nWidth = rcText.Width();
    }
    CRect rcFocus(rc.left + kCheckFocusLeft, rc.top + kCheckFocusInsetY,
                  rc.left + kCheckFocusLeft + kCheckFocusExtra + nWidth, rc.bottom - kCheckFocusInsetY);
    ::FrameRect(pDC->m_hDC, &rcFocus, g_hBrushFocus);
}

/////////////////////////////////////////////////////////////////////////////
// Implementation

void CCoolCheckBox::ToggleCheck(BOOL bRepaint)
{
    m_nCheck = (m_nCheck == 0) ? 1 : 0;
    if (bRepaint)
        Repaint();
    OnCheckChanged();
}

void CCoolCheckBox::InvalidateInParent(CWnd* pParent)
{
    CRect rc;
    GetWindowRect(&rc);
    pParent->ScreenToClient(&rc);
    pParent->InvalidateRect(&rc, TRUE);
}

void CCoolCheckBox::Repaint()
{
    // Nothing of the old look is erased by the control itself: the parents
    // repaint the area under it.
    InvalidateRect(NULL, TRUE);
    CWnd* pParent = GetParent();
    if (pParent != NULL)
    {
        InvalidateInParent(pParent);
        CWnd* pGrandParent = pParent->GetParent();
        if (pGrandParent != NULL)
            InvalidateInParent(pGrandParent);
    }
    PrivateDraw();
}

void CCoolCheckBox::DrawCaption(CDC* pDC, const RECT& rc, DWORD dwState, LPCSTR pszText, int nLength)
{
    CRect rcMeasure(rc);
    pDC->DrawText(pszText, nLength, &rcMeasure, DT_CALCRECT | DT_SINGLELINE);
    const int dy = ((rc.bottom - rc.top) - rcMeasure.Height()) / 2;
    const CRect rcCaption(rc.left + kCheckCaptionLeft, rc.top + dy,
                          rc.right - kCheckCaptionRight, rc.bottom - dy);

    COLORREF crOld = SelectTextColor(pDC, dwState);
    UINT nFlags = DST_PREFIXTEXT;
    if (dwState == kStateDisabled)
        nFlags |= DSS_DISABLED;
    ::DrawStateA(pDC->m_hDC, NULL, NULL, (LPARAM)pszText, (WPARAM)nLength,
                 rcCaption.left, rcCaption.top + 1, rcCaption.Width(), rcCaption.Height(), nFlags);
    pDC->SetTextColor(crOld);
}

void CCoolCheckBox::DrawBox(CDC* pDC, const RECT& rc)
{
    const COLORREF crLine = m_colors.Has(kStateNormal)
        ? m_colors.m_crText[CVeluStateColors::IndexOf(kStateNormal)] : kCheckOutline;
    const int by = ((rc.bottom - rc.top) - kCheckBoxSize) / 2;
    const int x0 = rc.left;
    const int x1 = rc.left + kCheckBoxSize;
    const int y0 = rc.top + by;
    const int y1 = rc.bottom - by;

    CPen pen(PS_SOLID, 1, crLine);
    CPen* pOldPen = pDC->SelectObject(&pen);

    pDC->MoveTo(x0, y0);
    pDC->LineTo(x1, y0);
    pDC->LineTo(x1, y1);
    pDC->LineTo(x0, y1);
    pDC->LineTo(x0, y0);

    if (m_nCheck != 0)
    {
        for (int i = 0; i < 3; i++)
        {
            pDC->MoveTo(x0 + kCheckStrokes[i][0].x, y0 + kCheckStrokes[i][0].y);
            pDC->LineTo(x0 + kCheckStrokes[i][1].x, y0 + kCheckStrokes[i][1].y);
            pDC->LineTo(x0 + kCheckStrokes[i][2].x, y0 + kCheckStrokes[i][2].y);
        }
    }

    pDC->SelectObject(pOldPen);
    pen.DeleteObject();
}

/////////////////////////////////////////////////////////////////////////////
// Message handlers

void CCoolCheckBox::OnLButtonUp(UINT nFlags, CPoint point)
{
    CHotSpot::OnLButtonUp(nFlags, point);
    // A release inside toggles wherever the press began.
    CRect rc;
    GetDrawRect(&rc);
    if (rc.PtInRect(point))
        ToggleCheck(TRUE);
}

void CCoolCheckBox::OnMouseMove(UINT nFlags, CPoint point)
{
    // The edit class underneath would show the text cursor.
    ::SetCursor(::LoadCursorA(NULL, (LPCSTR)IDC_ARROW));
    CHotSpot::OnMouseMove(nFlags, point);
}

void CCoolCheckBox::OnKeyDown(UINT nChar, UINT /*nRepCnt*/, UINT /*nFlags*/)
{
    if (nChar == VK_RETURN || nChar == VK_SPACE)
        ToggleCheck(TRUE);
}

void CCoolCheckBox::OnSetFocus(CWnd* pOldWnd)
{
    CHotSpot::OnSetFocus(pOldWnd);
    CWnd* pParent = GetParent();
    if (pParent != NULL)
        InvalidateInParent(pParent);
}

void CCoolCheckBox::OnKillFocus(CWnd* pNewWnd)
{
    CHotSpot::OnKillFocus(pNewWnd);
    CWnd* pParent = GetParent();
    if (pParent != NULL)
        InvalidateInParent(pParent);
}
