// CoolToolBar.cpp - CCoolToolBar's model: appended buttons, embedded controls, drop-down buttons, image sets, docking queries.
#include "bars/VeluBars.h"

#include <string.h>

IMPLEMENT_DYNAMIC(CCoolToolBar, CToolBar)

BEGIN_MESSAGE_MAP(CCoolToolBar, CToolBar)
    //{{AFX_MSG_MAP(CCoolToolBar)
    ON_WM_PAINT()
    ON_WM_NCPAINT()
    ON_WM_ERASEBKGND()
    //}}AFX_MSG_MAP
END_MESSAGE_MAP()

/////////////////////////////////////////////////////////////////////////////
// Construction

CCoolToolBar::CCoolToolBar()
    : m_hButtonsBitmap(NULL),
      m_nImageWidth(0),
      m_nImageHeight(0),
      m_nImageCount(0),
      m_hGrayBitmap(NULL)
{
    memset(m_nControlIDs, 0, sizeof(m_nControlIDs));
}

// The application's strip is never ours; only the two copies made from it are.
CCoolToolBar::~CCoolToolBar()
{
    if (m_hButtonsBitmap != NULL)
        ::DeleteObject(m_hButtonsBitmap);
    if (m_hGrayBitmap != NULL)
        ::DeleteObject(m_hGrayBitmap);
}

/////////////////////////////////////////////////////////////////////////////
// Attributes

CBrush* CCoolToolBar::GetBkBrush()
{
    return &g_brushToolBar;
}

HBITMAP CCoolToolBar::GetButtonsBitmap()
{
    return m_hButtonsBitmap;
}

int CCoolToolBar::IsControl(UINT nID)
{
    if (nID == 0)
        return FALSE;
    for (int i = 0; i < kToolBarMaxControls; i++)
    {
        if (m_nControlIDs[i] == nID)
            return TRUE;
    }
    return FALSE;
}

/////////////////////////////////////////////////////////////////////////////
// Buttons

// New buttons continue the images of the plain and drop-down buttons already
// there; separators, check and group buttons do not count.
int CCoolToolBar::AppendButtons(const UINT* pIDArray, int nCount)
{
    int nExisting = (int)DefWindowProc(TB_BUTTONCOUNT, 0, 0);
    int nMaxImage = -1;
    for (int i = 0; i < nExisting; i++)
    {
        TBBUTTON button;
        memset(&button, 0, sizeof(button));
        if (!SendMessage(TB_GETBUTTON, (WPARAM)i, (LPARAM)&button))
            continue;
        if ((button.fsStyle == TBSTYLE_BUTTON || (button.fsStyle & TBSTYLE_DROPDOWN)) && button.iBitmap > nMaxImage)
            nMaxImage = button.iBitmap;
    }
    int nNextImage = nMaxImage + 1;

    for (int i = 0; i < nCount; i++)
    {
        TBBUTTON button;
        memset(&button, 0, sizeof(button));
        button.fsState = TBSTATE_ENABLED;
        if (pIDArray != NULL)
        {
            button.idCommand = (int)pIDArray[i];
            if (pIDArray[i] != 0)
            {
                button.fsStyle = TBSTYLE_BUTTON;
                button.iBitmap = nNextImage++;
            }
            else
            {
                button.fsStyle = TBSTYLE_SEP;
                button.iBitmap = kToolBarAppendSepWidth;
            }
        }
        if (!DefWindowProc(TB_ADDBUTTONS, 1, (LPARAM)&button))
            return FALSE;
    }

    m_nCount = (int)DefWindowProc(TB_BUTTONCOUNT, 0, 0);
    m_bDelayedButtonLayout = TRUE;
    return TRUE;
}

// An id that is not on the bar gets FALSE and changes nothing: there is no
// slot to turn into the control's place.
int CCoolToolBar::InsertControl(CWnd* pControl, const RECT* pRect, UINT nID)
{
    if (pControl == NULL)
        return FALSE;
    int nIndex = CommandToIndex(nID);
    if (nIndex < 0 || pRect == NULL)
        return FALSE;

    SetButtonInfo(nIndex, nID, TBBS_SEPARATOR, pRect->right - pRect->left);

    CRect rcItem;
    GetItemRect(nIndex, &rcItem);
    CRect rcControl;
    pControl->GetWindowRect(&rcControl);
    int y = rcItem.top;
    if (rcControl.Height() <= rcItem.Height())
        y = rcItem.top + (rcItem.Height() - rcControl.Height()) / 2 + 1;
    pControl->SetWindowPos(NULL, rcItem.left, y, 0, 0,
                           SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
    pControl->SendMessage(WM_SETFONT, (WPARAM)g_fontShared9.GetSafeHandle(), TRUE);
    pControl->ShowWindow(SW_SHOW);

    // A full table keeps the control placed but unknown to the painting.
    for (int i = 0; i < kToolBarMaxControls; i++)
    {
        if (m_nControlIDs[i] == 0)
        {
            m_nControlIDs[i] = nID;
            break;
        }
    }
    return TRUE;
}

// An id that is not on the bar changes nothing.
void CCoolToolBar::SetButtonDropDown(UINT nID)
{
    int nIndex = CommandToIndex(nID);
    if (nIndex < 0)
        return;
    SendMessage(TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
    SetButtonStyle(nIndex, GetButtonStyle(nIndex) | TBSTYLE_DROPDOWN);
}

/////////////////////////////////////////////////////////////////////////////
// Image sets

// A handle that is not a bitmap is taken as no strip: nothing could be read from it.
void CCoolToolBar::SetCoolBitmap(HBITMAP hStrip, int cx, int cy)
{
    if (m_hButtonsBitmap != NULL)
        ::DeleteObject(m_hButtonsBitmap);
    if (m_hGrayBitmap != NULL)
        ::DeleteObject(m_hGrayBitmap);
    m_hButtonsBitmap = NULL;
    m_hGrayBitmap = NULL;
    BITMAP bm;
    if (hStrip == NULL || ::GetObjectType(hStrip) != OBJ_BITMAP || ::GetObjectA(hStrip, sizeof(bm), &bm) == 0)
        return;

    HWND hDesktop = ::GetDesktopWindow();
    HDC hScreenDC = ::GetDC(hDesktop);
    HDC hMemDC = ::CreateCompatibleDC(hScreenDC);
    HGDIOBJ hOldBitmap = ::SelectObject(hMemDC, hStrip);

    m_hGrayBitmap = MakeGrayBitmap(hScreenDC, hMemDC, bm.bmWidth, bm.bmHeight);
    COLORREF crKey = ::GetPixel(hMemDC, 0, 0);
    m_hButtonsBitmap = MakeTransparentBitmap(hScreenDC, hMemDC, bm.bmWidth, bm.bmHeight, crKey, kBarBackground);

    m_nImageWidth = 0;
    m_nImageHeight = 0;
    m_nImageCount = 0;
    if (m_hButtonsBitmap != NULL && ::GetObjectA(m_hButtonsBitmap, sizeof(bm), &bm) != 0)
    {
        m_nImageHeight = (cy >= 1 && cy <= bm.bmHeight) ? cy : bm.bmHeight;
        m_nImageWidth = (cx >= 1 && cx < bm.bmWidth) ? cx : m_nImageHeight;
        if (m_nImageWidth > 0)
            m_nImageCount = (bm.bmWidth + 1) / m_nImageWidth;
    }

    ::SelectObject(hMemDC, hOldBitmap);
    ::DeleteDC(hMemDC);
    ::ReleaseDC(hDesktop, hScreenDC);
}

/////////////////////////////////////////////////////////////////////////////
// Docking queries

int CCoolToolBar::IsTopDocked()
{
    return !IsFloating() && (m_dwStyle & CBRS_ALIGN_TOP) != 0;
}

int CCoolToolBar::IsLeftDocked()
{
    return !IsFloating() && (m_dwStyle & CBRS_ALIGN_LEFT) != 0;
}

int CCoolToolBar::IsRightDocked()
{
    return !IsFloating() && (m_dwStyle & CBRS_ALIGN_RIGHT) != 0;
}

int CCoolToolBar::IsBottomDocked()
{
    return !IsFloating() && (m_dwStyle & CBRS_ALIGN_BOTTOM) != 0;
}

int CCoolToolBar::IsHorzDocked()
{
    return IsTopDocked() || IsBottomDocked();
}

int CCoolToolBar::IsVertDocked()
{
    return IsLeftDocked() || IsRightDocked();
}

UINT CCoolToolBar::GetDockBarID()
{
    if (m_dwStyle & CBRS_ALIGN_TOP)
        return AFX_IDW_DOCKBAR_TOP;
    if (m_dwStyle & CBRS_ALIGN_BOTTOM)
        return AFX_IDW_DOCKBAR_BOTTOM;
    if (m_dwStyle & CBRS_ALIGN_LEFT)
        return AFX_IDW_DOCKBAR_LEFT;
    if (m_dwStyle & CBRS_ALIGN_RIGHT)
        return AFX_IDW_DOCKBAR_RIGHT;
    return 0;
}

int CCoolToolBar::DockAtBottomOfTopArea()
{
    if (!IsTopDocked() || m_pDockBar == NULL)
        return FALSE;
    CRect rcBar;
    GetWindowRect(&rcBar);
    CRect rcDockBar;
    m_pDockBar->GetWindowRect(&rcDockBar);
    int nDistance = rcBar.bottom - rcDockBar.bottom;
    return nDistance >= -kToolBarLowestSlack && nDistance <= kToolBarLowestSlack;
}
