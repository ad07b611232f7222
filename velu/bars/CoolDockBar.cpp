// CoolDockBar.cpp - CCoolDockBar: a frame dock bar filled with the tool bar background and lined on its inner edge.
#include "bars/VeluBars.h"

IMPLEMENT_DYNAMIC(CCoolDockBar, CDockBar)

BEGIN_MESSAGE_MAP(CCoolDockBar, CDockBar)
    //{{AFX_MSG_MAP(CCoolDockBar)
    ON_WM_PAINT()
    ON_WM_NCPAINT()
    ON_WM_ERASEBKGND()
    ON_WM_WINDOWPOSCHANGED()
    //}}AFX_MSG_MAP
END_MESSAGE_MAP()

/////////////////////////////////////////////////////////////////////////////
// Construction

CCoolDockBar::CCoolDockBar()
    : CDockBar(FALSE)
{
}

CCoolDockBar::~CCoolDockBar()
{
}

/////////////////////////////////////////////////////////////////////////////
// Message handlers

void CCoolDockBar::OnPaint()
{
    CPaintDC dc(this);
    EraseBackground(&dc);
}

// The non-client area stays unpainted, and the base's borders are not drawn.
void CCoolDockBar::OnNcPaint()
{
}

// The paint handler fills everything; an erase would only flash while bars move.
BOOL CCoolDockBar::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

// The edge line moves with the size, so every move or resize repaints the
// whole strip, not just the part the system uncovered.
void CCoolDockBar::OnWindowPosChanged(WINDOWPOS*)
{
    Default();
    InvalidateRect(NULL, FALSE);
}

/////////////////////////////////////////////////////////////////////////////
// Painting

// The window rectangle in client coordinates, not moved to (0, 0): it
// starts left of and above the client by any non-client border.
void CCoolDockBar::EraseBackground(CDC* pDC)
{
    CRect rc;
    GetWindowRect(&rc);
    ScreenToClient(&rc);
    pDC->FillRect(&rc, CCoolToolBar::GetBkBrush());

    CPen pen;
    pen.CreatePen(PS_SOLID, 0, kBarEdge);
    CPen* pOldPen = pDC->SelectObject(&pen);
    if (m_dwStyle & CBRS_ALIGN_TOP)
    {
        pDC->MoveTo(rc.left, rc.bottom - 1);
        pDC->LineTo(rc.right, rc.bottom - 1);
    }
    else if (m_dwStyle & CBRS_ALIGN_BOTTOM)
    {
        pDC->MoveTo(rc.left, rc.top);
        pDC->LineTo(rc.right, rc.top);
    }
    else if (m_dwStyle & CBRS_ALIGN_LEFT)
    {
        pDC->MoveTo(rc.right - 1, rc.top);
        pDC->LineTo(rc.right - 1, rc.bottom);
    }
    else if (m_dwStyle & CBRS_ALIGN_RIGHT)
    {
        pDC->MoveTo(rc.left, rc.top);
        pDC->LineTo(rc.left, rc.bottom);
    }
    pDC->SelectObject(pOldPen);
    pen.DeleteObject();
}
