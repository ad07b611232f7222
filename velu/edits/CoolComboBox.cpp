// CoolComboBox.cpp - CCoolComboBox: flat frame, skinned drop button with hot tracking, hint and read-only look.
#include <afxwin.h>
#include <afxcmn.h>
#include <string.h>
#include "edits/VeluEdits.h"
#include "edits/FlatLook.h"
#include "skin/VeluSkin.h"

IMPLEMENT_DYNAMIC(CCoolComboBox, CComboBox)

BEGIN_MESSAGE_MAP(CCoolComboBox, CComboBox)
    //{{AFX_MSG_MAP(CCoolComboBox)
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_PAINT()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_CTLCOLOR_REFLECT()
    //}}AFX_MSG_MAP
END_MESSAGE_MAP()

namespace {

// The drop button's skin has square corners: no pixel of a corner row is left out.
const int kSquareCorners[kComboSkinCornerSize] = { 0, 0, 0, 0 };

HBITMAP SkinForState(unsigned long state)
{
    switch (state)
    {
    case kComboStateNormal:  return g_hSkinBtnDefault;
    case kComboStateHot:     return g_hSkinBtnHot;
    case kComboStatePressed: return g_hSkinBtnDown;
    default:                 return NULL;
    }
}

HCURSOR GetClassCursor(HWND hwnd)
{
#ifdef _WIN64
    return (HCURSOR)::GetClassLongPtrA(hwnd, GCLP_HCURSOR);
#else
    return (HCURSOR)(DWORD_PTR)::GetClassLongA(hwnd, GCL_HCURSOR);
#endif
}

} // namespace

/////////////////////////////////////////////////////////////////////////////
// Construction

CCoolComboBox::CCoolComboBox()
    : m_bButtonPressed(0),
      m_dwHotFlags(0),
      m_crEdge(kEditEdgeColor),
      m_hArrowIcon(NULL),
      m_pszTipText(NULL),
      m_crTip(::GetSysColor(COLOR_GRAYTEXT)),
      m_bReadOnly(0)
{
}

CCoolComboBox::~CCoolComboBox()
{
    if (m_hArrowIcon != NULL)
        ::DestroyIcon(m_hArrowIcon);
    free(m_pszTipText);
}

/////////////////////////////////////////////////////////////////////////////
// Attributes

void CCoolComboBox::SetEdgeColor(unsigned long color)
{
    m_crEdge = color;
}

void CCoolComboBox::SetTipText(const char* text, unsigned long color)
{
    VeluReplaceHintText(&m_pszTipText, text);
    m_crTip = color;
}

void CCoolComboBox::SetReadOnly(int readOnly)
{
    m_bReadOnly = readOnly;
    // Before the window exists only the flag is kept.
    if (m_hWnd == NULL)
        return;
    EnableWindow(readOnly ? FALSE : TRUE);
    CWnd* pEdit = GetWindow(GW_CHILD);
    if (pEdit != NULL)
        pEdit->ShowWindow(readOnly ? SW_HIDE : SW_SHOW);
}

int CCoolComboBox::GetReadOnly()
{
    return m_bReadOnly;
}

/////////////////////////////////////////////////////////////////////////////
// Operations

void CCoolComboBox::ForceRepaint()
{
    ShowHiddenEdit();
    DrawCombo(kComboStateNormal);
}

void CCoolComboBox::DrawCombo(unsigned long state)
{
    if (m_hWnd == NULL)
        return;
    RECT window;
    GetWindowRect(&window);
    ScreenToClient(&window);
    const int cxButton = ::GetSystemMetrics(SM_CXVSCROLL);

    HDC hdc = ::GetDC(m_hWnd);
    HBRUSH hClassBrush = VeluGetClassBrush(m_hWnd);
    HPEN hPen = ::CreatePen(PS_SOLID, 0, m_crEdge);
    VeluDrawFlatFrame(hdc, window, hClassBrush, hPen);

    RECT tip = { window.left + kEditTipInsetLeft, window.top + kEditTipInsetTop,
                 window.right - kEditTipInsetRight - cxButton, window.bottom - kEditTipInsetBottom };
    DrawTipText(hdc, &tip);
    DrawDropButton(hdc, state);

    ::DeleteObject(hPen);
    ::ReleaseDC(m_hWnd, hdc);
}

void CCoolComboBox::DrawTipText(HDC hdc, RECT* rect)
{
    // Without a hint there is nothing to do: asked first, as it needs no call to the system.
    if (m_pszTipText == NULL || m_pszTipText[0] == '\0')
        return;
    HWND hFocus = ::GetFocus();
    CWnd* pEdit = GetWindow(GW_CHILD);
    if (hFocus == m_hWnd || (pEdit != NULL && hFocus == pEdit->m_hWnd))
        return;
    // Two bytes are enough to tell an empty box from one holding anything at all.
    char probe[2];
    if (::GetWindowTextA(m_hWnd, probe, sizeof(probe)) > 0 && probe[0] != '\0')
        return;

    // The edit field would cover the hint; focus or a click brings it back.
    if (pEdit != NULL && (pEdit->GetStyle() & WS_VISIBLE))
        pEdit->ShowWindow(SW_HIDE);
    VeluDrawHintText(hdc, m_hWnd, m_pszTipText, m_crTip, rect);
}

HICON CCoolComboBox::GetDrawIcon(SIZE* size)
{
    SIZE found = { 0, 0 };
    HICON hResult = NULL;
    ICONINFO info;
    if (m_hArrowIcon != NULL && ::GetIconInfo(m_hArrowIcon, &info))
    {
        BITMAP bm;
        if (info.hbmColor != NULL && ::GetObjectA(info.hbmColor, sizeof(bm), &bm) != 0)
        {
            found.cx = bm.bmWidth;
            found.cy = bm.bmHeight;
            hResult = m_hArrowIcon;
        }
        // GetIconInfo hands out copies of the icon's bitmaps.
        if (info.hbmColor != NULL)
            ::DeleteObject(info.hbmColor);
        if (info.hbmMask != NULL)
            ::DeleteObject(info.hbmMask);
    }
    if (size != NULL)
        *size = found;
    return hResult;
}

/////////////////////////////////////////////////////////////////////////////
// Overridables

void CCoolComboBox::PreSubclassWindow()
{
    // The glyph strip is looked up in the current resource module first: make
    // that the library, so an application's own strip of the same name is not taken.
    HINSTANCE hOldResource = AfxGetResourceHandle();
    AfxSetResourceHandle(g_hVeluInstance);

    CComboBox::PreSubclassWindow();
    ModifyStyleEx(kComboRemovedExStyles, 0, SWP_FRAMECHANGED);
    VeluCreateCtrlBarImageList();
    if (m_hArrowIcon == NULL && g_imlCtrlBar.GetSafeHandle() != NULL)
        m_hArrowIcon = ::ImageList_GetIcon(g_imlCtrlBar.GetSafeHandle(), kComboArrowGlyph, 0);

    AfxSetResourceHandle(hOldResource);
}

/////////////////////////////////////////////////////////////////////////////
// Implementation

void CCoolComboBox::GetDropButtonRect(RECT* rect)
{
    RECT window;
    GetWindowRect(&window);
    ScreenToClient(&window);
    const int cxButton = ::GetSystemMetrics(SM_CXVSCROLL);
    ::SetRect(rect, window.right - kEditBandWidth - cxButton, window.top + kEditBandWidth,
              window.right - kEditBandWidth, window.bottom - kEditBandWidth);
}

void CCoolComboBox::DrawDropButton(HDC hdc, unsigned long state)
{
    RECT button;
    GetDropButtonRect(&button);
    const BOOL bEnabled = IsWindowEnabled();
    if (!bEnabled && GetDroppedState())
        state = kComboStateNormal;

    HBITMAP hSkin = SkinForState(state);
    if (hSkin != NULL)
    {
        CRoundBitmap painter;
        painter.ShowMe(hdc, &button, hSkin, kSquareCorners, kComboSkinCornerSize);
    }

    SIZE icon;
    HICON hIcon = GetDrawIcon(&icon);
    if (hIcon == NULL)
        return;
    // Centred; an odd leftover pixel goes to the right and bottom.
    const int x = button.left + ((button.right - button.left) - icon.cx) / 2;
    const int y = button.top + ((button.bottom - button.top) - icon.cy) / 2;
    ::DrawStateA(hdc, NULL, NULL, (LPARAM)hIcon, 0, x, y, icon.cx, icon.cy,
                 DST_ICON | (bEnabled ? 0 : DSS_DISABLED));
}

void CCoolComboBox::DrawReadOnlyText(CDC* pDC)
{
    char text[kComboTextMax + 1];
    if (GetWindowText(text, sizeof(text)) <= 0 || text[0] == '\0')
        return;
    CRect rect;
    GetClientRect(&rect);
    rect.left += kComboTextInsetLeft;
    rect.top += kComboTextInsetY;
    rect.bottom -= kComboTextInsetY;
    rect.right -= kComboTextInsetRight + ::GetSystemMetrics(SM_CXVSCROLL);

    int nOldMode = pDC->SetBkMode(TRANSPARENT);
    CFont* pOldFont = pDC->SelectObject(GetFont());
    pDC->DrawText(text, -1, &rect, DT_SINGLELINE | DT_VCENTER);
    pDC->SelectObject(pOldFont);
    pDC->SetBkMode(nOldMode);
}

void CCoolComboBox::SetCursorForPoint(CWnd* pEdit, CPoint point)
{
    CRect child;
    pEdit->GetWindowRect(&child);
    ScreenToClient(&child);
    ::SetCursor(GetClassCursor(child.PtInRect(point) ? pEdit->m_hWnd : m_hWnd));
}

void CCoolComboBox::ShowHiddenEdit()
{
    CWnd* pEdit = GetWindow(GW_CHILD);
    if (pEdit != NULL && !(pEdit->GetStyle() & WS_VISIBLE))
        pEdit->ShowWindow(SW_SHOW);
}

/////////////////////////////////////////////////////////////////////////////
// Message handlers

// No timer and no leave notification: while the pointer is over the drop
// button the control holds the capture, so it also sees the move that leaves it.
void CCoolComboBox::OnMouseMove(UINT /*nFlags*/, CPoint point)
{
    Default();
    CWnd* pEdit = GetWindow(GW_CHILD);
    if (pEdit != NULL && !(pEdit->GetStyle() & WS_VISIBLE))
        SetCursorForPoint(pEdit, point);
    if (m_bButtonPressed)
        return;

    CRect button;
    GetDropButtonRect(&button);
    const BOOL bOver = button.PtInRect(point);
    if (!(m_dwHotFlags & kComboHotButton) && bOver)
    {
        SetCapture();
        m_dwHotFlags |= kComboHotButton;
        DrawCombo(kComboStateHot);
    }
    else if ((m_dwHotFlags & kComboHotButton) && !bOver)
    {
        ::ReleaseCapture();
        m_dwHotFlags &= ~kComboHotButton;
        DrawCombo(kComboStateNormal);
    }
}

void CCoolComboBox::OnLButtonDown(UINT /*nFlags*/, CPoint /*point*/)
{
    ::ReleaseCapture();
    m_dwHotFlags = 0;
    m_bButtonPressed = 1;
    Default();
    DrawCombo(kComboStatePressed);
}

void CCoolComboBox::OnLButtonUp(UINT /*nFlags*/, CPoint /*point*/)
{
    m_bButtonPressed = 0;
    m_dwHotFlags = 0;
    Default();
    DrawCombo(kComboStateNormal);
}

void CCoolComboBox::OnPaint()
{
    CClientDC dc(this);
    Default();
    if (m_bReadOnly)
    {
        CRect client;
        GetClientRect(&client);
        client.DeflateRect(1, 1);
        dc.FillSolidRect(&client, kReadOnlyBackground);
    }

    POINT cursor;
    ::GetCursorPos(&cursor);
    CRect window;
    GetWindowRect(&window);
    const BOOL bHot = window.PtInRect(cursor) || ::GetFocus() == m_hWnd;
    DrawCombo(bHot ? kComboStateHot : kComboStateNormal);

    if (m_bReadOnly)
        DrawReadOnlyText(&dc);
}

void CCoolComboBox::OnSetFocus(CWnd* /*pOldWnd*/)
{
    ShowHiddenEdit();
    Default();
    DrawCombo(kComboStateNormal);
}

void CCoolComboBox::OnKillFocus(CWnd* /*pNewWnd*/)
{
    Default();
    DrawCombo(kComboStateNormal);
}

HBRUSH CCoolComboBox::CtlColor(CDC* pDC, UINT /*nCtlColor*/)
{
    if (!m_bReadOnly)
        return NULL;
    pDC->SetBkMode(TRANSPARENT);
    return (HBRUSH)g_brushReadOnly.GetSafeHandle();
}
