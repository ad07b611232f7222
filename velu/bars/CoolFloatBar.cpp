// CoolFloatBar.cpp - the floating and dockable bar: its sizes in the frame's docking layout, its geometry and painting.
#include "bars/VeluBars.h"
#include "bars/CaptionGlyph.h"

#include <afxpriv.h>

IMPLEMENT_DYNAMIC(CCoolFloatBar, CControlBar)

BEGIN_MESSAGE_MAP(CCoolFloatBar, CControlBar)
    //{{AFX_MSG_MAP(CCoolFloatBar)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_CAPTURECHANGED()
    //}}AFX_MSG_MAP
END_MESSAGE_MAP()

namespace
{
const int kStretchLength = 32767;

// Caption buttons: 20 pixels long, 4 in from the band's edges, the first 12
// from the band's start and the second 4 after it.
const int kButtonLength = 20;
const int kButtonInset  = 4;
const int kFirstButton  = 12;
const int kSecondButton = kFirstButton + kButtonLength + kButtonInset;
}

CCoolFloatBar::CCoolFloatBar()
    : m_bShowCaption(TRUE),
      m_bFloatable(TRUE),
      m_bCanClose(TRUE),
      m_nMinWidth(kFloatBarMinSize),
      m_nMinHeight(kFloatBarMinSize),
      m_sizeHorz(kFloatBarDefaultSize, kFloatBarDefaultSize),
      m_sizeVert(kFloatBarDefaultSize, kFloatBarDefaultSize),
      m_sizeFloat(kFloatBarDefaultSize, kFloatBarDefaultSize),
      m_bTracking(FALSE),
      m_ptTrackStart(0, 0),
      m_rectHitEdge(0, 0, 0, 0),
      m_rectTracker(0, 0, 0, 0),
      m_nLastHit(0)
{
}

CCoolFloatBar::~CCoolFloatBar()
{
}

int CCoolFloatBar::Create(CWnd* pParentWnd, UINT nID, LPCTSTR lpszTitle, CSize /*size*/)
{
    return CWnd::Create(NULL, lpszTitle, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), pParentWnd, nID);
}

/////////////////////////////////////////////////////////////////////////////
// Attributes

void CCoolFloatBar::ShowCaption(int bShow)
{
    m_bShowCaption = bShow;
}

void CCoolFloatBar::SetFloatable(int bFloatable)
{
    m_bFloatable = bFloatable;
}

void CCoolFloatBar::CanCloseBar(int bCanClose)
{
    m_bCanClose = bCanClose;
}

void CCoolFloatBar::SetMinWidthHeight(int nMinWidth, int nMinHeight)
{
    if (nMinWidth >= kFloatBarMinSize)
        m_nMinWidth = nMinWidth;
    if (nMinHeight >= kFloatBarMinSize)
        m_nMinHeight = nMinHeight;
}

UINT CCoolFloatBar::GetDockBarID() const
{
    CWnd* pParent = CWnd::FromHandle(::GetParent(m_hWnd));
    return pParent != NULL ? (UINT)pParent->GetDlgCtrlID() : 0;
}

int CCoolFloatBar::IsTopDocked() const
{
    return GetDockBarID() == AFX_IDW_DOCKBAR_TOP;
}

int CCoolFloatBar::IsBottomDocked() const
{
    return GetDockBarID() == AFX_IDW_DOCKBAR_BOTTOM;
}

int CCoolFloatBar::IsLeftDocked() const
{
    return GetDockBarID() == AFX_IDW_DOCKBAR_LEFT;
}

int CCoolFloatBar::IsRightDocked() const
{
    return GetDockBarID() == AFX_IDW_DOCKBAR_RIGHT;
}

int CCoolFloatBar::IsHorzDocked() const
{
    return IsTopDocked() || IsBottomDocked();
}

int CCoolFloatBar::IsVertDocked() const
{
    return IsLeftDocked() || IsRightDocked();
}

int CCoolFloatBar::IsFloating() const
{
    return !IsHorzDocked() && !IsVertDocked();
}

/////////////////////////////////////////////////////////////////////////////
// Layout

namespace
{
// The extent of one of the frame's dock bars. A frame without that dock bar
// is outside what the bar supports; it then measures the frame's client area
// instead, so that the bar still gets a usable length.
int DockBarExtent(CFrameWnd* pSite, UINT nDockBarID, BOOL bWidth)
{
    if (pSite == NULL || pSite->m_hWnd == NULL)
        return 0;
    CRect rect;
    CControlBar* pDockBar = pSite->GetControlBar(nDockBarID);
    if (pDockBar != NULL)
        pDockBar->GetWindowRect(&rect);
    else
        pSite->GetClientRect(&rect);
    return bWidth ? rect.Width() : rect.Height();
}
}

CSize CCoolFloatBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    const int nHorzLength = bStretch ? kStretchLength : DockBarExtent(m_pDockSite, AFX_IDW_DOCKBAR_TOP, TRUE);
    const int nVertLength = bStretch ? kStretchLength : DockBarExtent(m_pDockSite, AFX_IDW_DOCKBAR_LEFT, FALSE);
    if (bHorz)
        return CSize(nHorzLength, m_sizeHorz.cy);
    return CSize(m_sizeVert.cx, nVertLength);
}

CSize CCoolFloatBar::CalcDynamicLayout(int nLength, DWORD nMode)
{
    if (nMode & (LM_HORZDOCK | LM_VERTDOCK))
    {
        // The dock bars' extents are read before the frame has moved them:
        // one more layout at idle time settles on the final ones.
        CFrameWnd* pFrame = GetDockingFrame();
        if (nLength == -1 && pFrame != NULL)
            pFrame->DelayRecalcLayout(TRUE);
        return CControlBar::CalcDynamicLayout(nLength, nMode);
    }
    if (nMode & LM_MRUWIDTH)
        return m_sizeFloat;
    if (nMode & LM_COMMIT)
    {
        m_sizeFloat.cx = nLength;
        return CSize(nLength, m_sizeFloat.cy);
    }
    if (nMode & LM_LENGTHY)
    {
        m_sizeFloat.cy = nLength > m_nMinHeight ? nLength : m_nMinHeight;
        return m_sizeFloat;
    }
    return CSize(nLength > m_nMinWidth ? nLength : m_nMinWidth, m_sizeFloat.cy);
}

void CCoolFloatBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    UpdateDialogControls(pTarget, bDisableIfNoHndler);
}

/////////////////////////////////////////////////////////////////////////////
// Geometry

void CCoolFloatBar::GetWorkingRect(RECT* pRect)
{
    if (pRect == NULL)
        return;
    GetClientRect(pRect);
    if (IsFloating())
        return;
    ::InflateRect(pRect, -kFloatBarEdge, -kFloatBarEdge);
    if (!m_bShowCaption)
        return;
    if (IsHorzDocked())
        pRect->left += kFloatBarCaption;
    else
        pRect->top += kFloatBarCaption;
}

void CCoolFloatBar::GetDockedButtonsRect(RECT* pFloatRect, RECT* pCloseRect)
{
    CRect rcFloat(0, 0, 0, 0), rcClose(0, 0, 0, 0);
    if (m_bShowCaption && (m_bFloatable || m_bCanClose))
    {
        CRect rcClient, rcWork;
        GetClientRect(&rcClient);
        GetWorkingRect(&rcWork);
        // Close first from the band's start, float after it (or first alone).
        const int nFloatAt = m_bCanClose ? kSecondButton : kFirstButton;
        if (IsHorzDocked())
        {
            const int nLeft = rcClient.left + kButtonInset, nRight = rcWork.left - kButtonInset;
            if (m_bCanClose)
                rcClose.SetRect(nLeft, rcClient.top + kFirstButton, nRight, rcClient.top + kFirstButton + kButtonLength);
            if (m_bFloatable)
                rcFloat.SetRect(nLeft, rcClient.top + nFloatAt, nRight, rcClient.top + nFloatAt + kButtonLength);
        }
        else
        {
            const int nTop = rcClient.top + kButtonInset, nBottom = rcWork.top - kButtonInset;
            if (m_bCanClose)
                rcClose.SetRect(rcClient.right - kFirstButton - kButtonLength, nTop, rcClient.right - kFirstButton, nBottom);
            if (m_bFloatable)
                rcFloat.SetRect(rcClient.right - nFloatAt - kButtonLength, nTop, rcClient.right - nFloatAt, nBottom);
        }
    }
    if (pFloatRect != NULL)
        *pFloatRect = rcFloat;
    if (pCloseRect != NULL)
        *pCloseRect = rcClose;
}

/////////////////////////////////////////////////////////////////////////////
// Painting

void CCoolFloatBar::OnPaint()
{
    CPaintDC dc(this);
    DrawBackground(&dc);
}

BOOL CCoolFloatBar::OnEraseBkgnd(CDC* pDC)
{
    CRect rcClient;
    GetClientRect(&rcClient);
    pDC->FillSolidRect(&rcClient, kBarBackground);
    return TRUE;
}

void CCoolFloatBar::DrawBackground(CDC* pDC)
{
    CRect rcClient, rcWork;
    GetClientRect(&rcClient);
    GetWorkingRect(&rcWork);
    DrawBands(pDC, rcClient, rcWork);

    CRect rcFloat, rcClose;
    GetDockedButtonsRect(&rcFloat, &rcClose);
    if (rcFloat.Width() > 0 && rcFloat.Height() > 0)
        VeluDrawCaptionGlyph(pDC, &rcFloat, kFloatBarHitFloat, m_nLastHit);
    if (rcClose.Width() > 0 && rcClose.Height() > 0)
        VeluDrawCaptionGlyph(pDC, &rcClose, kFloatBarHitClose, m_nLastHit);

    if (m_bShowCaption && IsVertDocked())
        DrawTitle(pDC, rcClient, rcWork);
}

// The frame around the working area (left to the child windows), its
// outline one pixel outside it, and the edge lines along the dock side.
void CCoolFloatBar::DrawBands(CDC* pDC, const CRect& rcClient, const CRect& rcWork)
{
    pDC->FillSolidRect(CRect(rcClient.left, rcClient.top, rcClient.right, rcWork.top), kBarBackground);
    pDC->FillSolidRect(CRect(rcClient.left, rcClient.top, rcWork.left, rcClient.bottom), kBarBackground);
    pDC->FillSolidRect(CRect(rcWork.right, rcClient.top, rcClient.right, rcClient.bottom), kBarBackground);
    pDC->FillSolidRect(CRect(rcClient.left, rcWork.bottom, rcClient.right, rcClient.bottom), kBarBackground);

    CPen pen;
    pen.CreatePen(PS_SOLID, 0, kBarEdge);
    CPen* pOldPen = pDC->SelectObject(&pen);
    pDC->MoveTo(rcWork.left - 1, rcWork.top - 1);
    pDC->LineTo(rcWork.right, rcWork.top - 1);
    pDC->LineTo(rcWork.right, rcWork.bottom);
    pDC->LineTo(rcWork.left - 1, rcWork.bottom);
    pDC->LineTo(rcWork.left - 1, rcWork.top - 1);
    if (IsHorzDocked())
    {
        pDC->MoveTo(rcClient.left, rcClient.top);
        pDC->LineTo(rcClient.right, rcClient.top);
        pDC->MoveTo(rcClient.left, rcClient.bottom - 1);
        pDC->LineTo(rcClient.right, rcClient.bottom - 1);
    }
    else if (IsVertDocked())
    {
        pDC->MoveTo(rcClient.left, rcClient.top);
        pDC->LineTo(rcClient.left, rcClient.bottom);
        pDC->MoveTo(rcClient.right - 1, rcClient.top);
        pDC->LineTo(rcClient.right - 1, rcClient.bottom);
    }
    pDC->SelectObject(pOldPen);
    pen.DeleteObject();
}

// The window text in the caption band above the working area.
void CCoolFloatBar::DrawTitle(CDC* pDC, const CRect& rcClient, const CRect& rcWork)
{
    char szTitle[kFloatBarTitleMax + 1];
    if (::GetWindowTextA(m_hWnd, szTitle, kFloatBarTitleMax + 1) <= 0)
        return;
    CRect rcTitle(rcClient.left + kFloatBarEdge, rcClient.top, rcClient.right - 1, rcWork.top - 1);
    CFont* pOldFont = pDC->SelectObject(&g_fontShared9);
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF crOld = pDC->SetTextColor(kFloatBarTitleColor);
    pDC->DrawText(szTitle, -1, &rcTitle, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    pDC->SetTextColor(crOld);
    pDC->SetBkMode(nOldMode);
    pDC->SelectObject(pOldFont);
}
