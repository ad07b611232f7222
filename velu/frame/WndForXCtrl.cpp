// WndForXCtrl.cpp - CWndForXCtrl: an "edit" window with its own input switched off and painting through OnDraw.
#include "frame/VeluFrame.h"

IMPLEMENT_DYNAMIC(CWndForXCtrl, CWnd)

CWndForXCtrl::CWndForXCtrl()
{
}

CWndForXCtrl::~CWndForXCtrl()
{
}

BOOL CWndForXCtrl::Create(LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                          CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create(_T("edit"), lpszWindowName, dwStyle, rect, pParentWnd, nID, NULL);
}

BOOL CWndForXCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return Create(NULL, dwStyle, rect, pParentWnd, nID);
}

/////////////////////////////////////////////////////////////////////////////
// Overridables

void CWndForXCtrl::OnDraw(CDC*)
{
}

void CWndForXCtrl::OnPrepareDC(CDC*)
{
}

/////////////////////////////////////////////////////////////////////////////
// Message handlers. The empty ones keep the message from the edit class's
// own procedure: no caret, selection, typed text, context menu or scrolling.

BEGIN_MESSAGE_MAP(CWndForXCtrl, CWnd)
    //{{AFX_MSG_MAP(CWndForXCtrl)
    ON_WM_PAINT()
    ON_WM_KEYDOWN()
    ON_WM_KEYUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_LBUTTONDOWN()
    ON_WM_KILLFOCUS()
    ON_WM_CHAR()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSEWHEEL()
    ON_WM_RBUTTONDBLCLK()
    ON_WM_RBUTTONDOWN()
    ON_WM_RBUTTONUP()
    ON_WM_SETFOCUS()
    //}}AFX_MSG_MAP
END_MESSAGE_MAP()

void CWndForXCtrl::OnPaint()
{
    CPaintDC dc(this);
    OnPrepareDC(&dc);
    OnDraw(&dc);
}

void CWndForXCtrl::OnKeyDown(UINT, UINT, UINT)
{
}

void CWndForXCtrl::OnKeyUp(UINT, UINT, UINT)
{
}

void CWndForXCtrl::OnLButtonDblClk(UINT, CPoint)
{
}

void CWndForXCtrl::OnLButtonDown(UINT, CPoint)
{
    if (GetFocus() != this)
        SetFocus();
}

void CWndForXCtrl::OnKillFocus(CWnd*)
{
}

void CWndForXCtrl::OnChar(UINT, UINT, UINT)
{
}

void CWndForXCtrl::OnLButtonUp(UINT, CPoint)
{
}

void CWndForXCtrl::OnMouseMove(UINT, CPoint)
{
}

BOOL CWndForXCtrl::OnMouseWheel(UINT, short, CPoint)
{
    return TRUE;   // handled here, so it is not passed up to the parent
}

void CWndForXCtrl::OnRButtonDblClk(UINT, CPoint)
{
}

void CWndForXCtrl::OnRButtonDown(UINT, CPoint)
{
}

void CWndForXCtrl::OnRButtonUp(UINT, CPoint)
{
}

void CWndForXCtrl::OnSetFocus(CWnd*)
{
}
