// CoolDialog.cpp - CCoolDialog: skinned, flicker-free background and tooltips for dialog controls.
#include "panes/VeluPanes.h"
#include "skin/VeluSkin.h"

namespace
{
const int kDlgSkinCornerInsets[kDlgSkinCornerSize] = { 0 };

// Leaves hDC with plain device units so that a blit copies pixel for pixel.
void ResetMapping(HDC hDC)
{
    ::SetViewportOrgEx(hDC, 0, 0, NULL);
    ::SetWindowOrgEx(hDC, 0, 0, NULL);
    ::SetMapMode(hDC, MM_TEXT);
}
}

IMPLEMENT_DYNAMIC(CCoolDialog, CDialog)

/////////////////////////////////////////////////////////////////////////////
// Construction

CCoolDialog::CCoolDialog()
    : CDialog(), m_nBkType(kDlgBkSkinned)
{
}

CCoolDialog::CCoolDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : CDialog(nIDTemplate, pParentWnd), m_nBkType(kDlgBkSkinned)
{
}

CCoolDialog::CCoolDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
    : CDialog(lpszTemplateName, pParentWnd), m_nBkType(kDlgBkSkinned)
{
}

// The tooltip member goes first, then the dialog itself.
CCoolDialog::~CCoolDialog()
{
}

/////////////////////////////////////////////////////////////////////////////
// Attributes and operations

void CCoolDialog::SetDlgBkType(int nType)
{
    m_nBkType = nType;
}

int CCoolDialog::AddToolTip(UINT nID, const char* pszText)
{
    if (pszText == NULL || pszText[0] == '\0')
        return 0;
    CWnd* pControl = GetDlgItem(nID);
    if (pControl == NULL)
        return 0;
    return m_toolTip.AddTool(pControl->m_hWnd, pszText);
}

int CCoolDialog::AddToolTip(UINT nID, VELUTOOLTEXTPROC pfnText, unsigned char* pData,
                            int nDataLength)
{
    if (pfnText == NULL)
        return 0;
    CWnd* pControl = GetDlgItem(nID);
    if (pControl == NULL)
        return 0;
    return m_toolTip.AddTool(pControl->m_hWnd, pfnText, pData, nDataLength);
}

// An id the dialog does not have is not an error: there is simply nothing to forget.
int CCoolDialog::DelToolTip(UINT nID)
{
    CWnd* pControl = GetDlgItem(nID);
    if (pControl != NULL)
        m_toolTip.DelTool(pControl->m_hWnd);
    return 1;
}

void CCoolDialog::HideToolTip()
{
    m_toolTip.HideMe();
}

/////////////////////////////////////////////////////////////////////////////
// Overridables

void CCoolDialog::PaintBk(HDC hDC)
{
    CRect rcClient;
    GetClientRect(&rcClient);
    CRoundBitmap painter;
    painter.ShowMe(hDC, &rcClient, g_hSkinDialog, kDlgSkinCornerInsets, kDlgSkinCornerSize);
}

BOOL CCoolDialog::OnInitDialog()
{
    const BOOL bResult = CDialog::OnInitDialog();
    VeluLoadSharedSkin(&g_hSkinDialog, VELU_XZP_DIALOG);
    m_toolTip.Create();
    // A dialog opened by a click must not inherit the opener's capture or cursor.
    ::ReleaseCapture();
    ::SetCursor(::LoadCursor(NULL, IDC_ARROW));
    return bResult;
}

// Mouse messages from WM_MOUSEMOVE to WM_MBUTTONDBLCLK feed the tooltip; the
// wheel (and anything after it) does not.
BOOL CCoolDialog::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message >= WM_MOUSEMOVE && pMsg->message <= WM_MBUTTONDBLCLK)
        m_toolTip.RelayEvent(pMsg);
    return CDialog::PreTranslateMessage(pMsg);
}

/////////////////////////////////////////////////////////////////////////////
// Message handlers

BEGIN_MESSAGE_MAP(CCoolDialog, CDialog)
    //{{AFX_MSG_MAP(CCoolDialog)
    ON_WM_SIZE()
    ON_WM_ERASEBKGND()
    ON_WM_DESTROY()
    ON_WM_ACTIVATE()
    //}}AFX_MSG_MAP
END_MESSAGE_MAP()

// Every part of the skin depends on the size, so the whole background is painted again.
void CCoolDialog::OnSize(UINT nType, int cx, int cy)
{
    CDialog::OnSize(nType, cx, cy);
    Invalidate(TRUE);
}

// The background is composed off screen and copied in one blit, so the
// controls never show through a half-painted dialog.
BOOL CCoolDialog::OnEraseBkgnd(CDC* pDC)
{
    if (m_nBkType == kDlgBkPlatform)
        return CDialog::OnEraseBkgnd(pDC);

    CRect rcClient;
    GetClientRect(&rcClient);
    HDC hMemDC = ::CreateCompatibleDC(pDC->m_hDC);
    if (hMemDC == NULL)
        return TRUE;

    HBITMAP hBitmap = ::CreateCompatibleBitmap(pDC->m_hDC, rcClient.Width(), rcClient.Height());
    if (hBitmap != NULL)
    {
        HGDIOBJ hOldBitmap = ::SelectObject(hMemDC, hBitmap);
        PaintBk(hMemDC);
        ResetMapping(hMemDC);
        ResetMapping(pDC->m_hDC);
        ::BitBlt(pDC->m_hDC, rcClient.left, rcClient.top, rcClient.Width(), rcClient.Height(),
                 hMemDC, rcClient.left, rcClient.top, SRCCOPY);
        ::SelectObject(hMemDC, hOldBitmap);
        ::DeleteObject(hBitmap);
    }
    ::DeleteDC(hMemDC);
    return TRUE;
}

void CCoolDialog::OnDestroy()
{
    if (m_toolTip.GetSafeHwnd() != NULL)
        m_toolTip.DestroyWindow();
    CDialog::OnDestroy();
}

// A tip never outlives the dialog's activation state, whichever way it changes.
void CCoolDialog::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    if (::IsWindow(m_toolTip.GetSafeHwnd()))
        m_toolTip.HideMe();
    CDialog::OnActivate(nState, pWndOther, bMinimized);
}
