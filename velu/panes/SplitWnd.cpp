// SplitWnd.cpp - CVertSplitWnd and CHorzSplitWnd: bars between panes, bound or created, dragged with the mouse.
#include <afxwin.h>
#include "panes/VeluPanes.h"
#include "panes/SplitTrack.h"

/////////////////////////////////////////////////////////////////////////////
// CVertSplitWnd

BEGIN_MESSAGE_MAP(CVertSplitWnd, CWnd)
    //{{AFX_MSG_MAP(CVertSplitWnd)
    ON_WM_SETCURSOR()
    ON_WM_LBUTTONDOWN()
    //}}AFX_MSG_MAP
END_MESSAGE_MAP()

// A bar made with Create keeps the same minimums as a bound one until the application sets its own.
CVertSplitWnd::CVertSplitWnd()
    : m_pParent(NULL),
      m_nMinLeft(kSplitDefaultMin),
      m_nMinRight(kSplitDefaultMin)
{
}

CVertSplitWnd::~CVertSplitWnd()
{
}

int CVertSplitWnd::Create(unsigned long dwStyle, const RECT& rect, CWnd* pParentWnd, unsigned int nID)
{
    m_pParent = pParentWnd;
    return CWnd::Create(NULL, NULL, dwStyle, rect, pParentWnd, nID);
}

int CVertSplitWnd::BindWithControl(CWnd* pParentWnd, unsigned long nID)
{
    m_nMinLeft = kSplitDefaultMin;
    m_nMinRight = kSplitDefaultMin;
    m_pParent = pParentWnd;
    return VeluSplitBind(this, pParentWnd, nID);
}

void CVertSplitWnd::Unbind()
{
    DetachAllPanes();
    if (m_hWnd != NULL)
        UnsubclassWindow();
}

void CVertSplitWnd::SetMinWidth(int nMinLeft, int nMinRight)
{
    m_nMinLeft = nMinLeft;
    m_nMinRight = nMinRight;
}

int CVertSplitWnd::AttachAsLeftPane(unsigned long nID)
{
    m_aLeftPanes.Add(nID);
    return 1;
}

int CVertSplitWnd::AttachAsRightPane(unsigned long nID)
{
    m_aRightPanes.Add(nID);
    return 1;
}

int CVertSplitWnd::DetachAllPanes()
{
    m_aLeftPanes.SetSize(0, -1);
    m_aRightPanes.SetSize(0, -1);
    return 1;
}

void CVertSplitWnd::RecalcLayout()
{
    const VeluSplitBar bar = { this, m_pParent, &m_aLeftPanes, &m_aRightPanes, m_nMinLeft, m_nMinRight, kSplitAxisX };
    VeluSplitRecalcLayout(bar);
}

int CVertSplitWnd::GetMouseClipRect(RECT* pClip, CPoint point)
{
    const VeluSplitBar bar = { this, m_pParent, &m_aLeftPanes, &m_aRightPanes, m_nMinLeft, m_nMinRight, kSplitAxisX };
    return VeluSplitClipRect(bar, pClip, point);
}

BOOL CVertSplitWnd::OnSetCursor(CWnd* /*pWnd*/, UINT /*nHitTest*/, UINT /*message*/)
{
    ::SetCursor(VeluSplitCursor(kSplitAxisX));
    return TRUE;
}

void CVertSplitWnd::OnLButtonDown(UINT /*nFlags*/, CPoint point)
{
    const VeluSplitBar bar = { this, m_pParent, &m_aLeftPanes, &m_aRightPanes, m_nMinLeft, m_nMinRight, kSplitAxisX };
    VeluSplitPress(bar, point);
}

/////////////////////////////////////////////////////////////////////////////
// CHorzSplitWnd

BEGIN_MESSAGE_MAP(CHorzSplitWnd, CWnd)
    //{{AFX_MSG_MAP(CHorzSplitWnd)
    ON_WM_SETCURSOR()
    ON_WM_LBUTTONDOWN()
    //}}AFX_MSG_MAP
END_MESSAGE_MAP()

// A bar made with Create keeps the same minimums as a bound one until the application sets its own.
CHorzSplitWnd::CHorzSplitWnd()
    : m_pParent(NULL),
      m_nMinAbove(kSplitDefaultMin),
      m_nMinBelow(kSplitDefaultMin)
{
}

CHorzSplitWnd::~CHorzSplitWnd()
{
}

int CHorzSplitWnd::Create(unsigned long dwStyle, const RECT& rect, CWnd* pParentWnd, unsigned int nID)
{
    m_pParent = pParentWnd;
    return CWnd::Create(NULL, NULL, dwStyle, rect, pParentWnd, nID);
}

int CHorzSplitWnd::BindWithControl(CWnd* pParentWnd, unsigned long nID)
{
    m_nMinAbove = kSplitDefaultMin;
    m_nMinBelow = kSplitDefaultMin;
    m_pParent = pParentWnd;
    return VeluSplitBind(this, pParentWnd, nID);
}

void CHorzSplitWnd::Unbind()
{
    DetachAllPanes();
    if (m_hWnd != NULL)
        UnsubclassWindow();
}

void CHorzSplitWnd::SetMinHeight(int nMinAbove, int nMinBelow)
{
    m_nMinAbove = nMinAbove;
    m_nMinBelow = nMinBelow;
}

int CHorzSplitWnd::AttachAsAbovePane(unsigned long nID)
{
    m_aAbovePanes.Add(nID);
    return 1;
}

int CHorzSplitWnd::AttachAsBelowPane(unsigned long nID)
{
    m_aBelowPanes.Add(nID);
    return 1;
}

int CHorzSplitWnd::DetachAllPanes()
{
    m_aAbovePanes.SetSize(0, -1);
    m_aBelowPanes.SetSize(0, -1);
    return 1;
}

void CHorzSplitWnd::RecalcLayout()
{
    const VeluSplitBar bar = { this, m_pParent, &m_aAbovePanes, &m_aBelowPanes, m_nMinAbove, m_nMinBelow, kSplitAxisY };
    VeluSplitRecalcLayout(bar);
}

int CHorzSplitWnd::GetMouseClipRect(RECT* pClip, CPoint point)
{
    const VeluSplitBar bar = { this, m_pParent, &m_aAbovePanes, &m_aBelowPanes, m_nMinAbove, m_nMinBelow, kSplitAxisY };
    return VeluSplitClipRect(bar, pClip, point);
}

BOOL CHorzSplitWnd::OnSetCursor(CWnd* /*pWnd*/, UINT /*nHitTest*/, UINT /*message*/)
{
    ::SetCursor(VeluSplitCursor(kSplitAxisY));
    return TRUE;
}

void CHorzSplitWnd::OnLButtonDown(UINT /*nFlags*/, CPoint point)
{
    const VeluSplitBar bar = { this, m_pParent, &m_aAbovePanes, &m_aBelowPanes, m_nMinAbove, m_nMinBelow, kSplitAxisY };
    VeluSplitPress(bar, point);
}
