// CoolButton.cpp - CCoolButton: the owner-drawn push button painted from per-state skins.
#include <afxwin.h>
#include <commctrl.h>
#include "buttons/VeluButtons.h"
#include "skin/VeluSkin.h"

IMPLEMENT_DYNAMIC(CCoolButton, CButton)

BEGIN_MESSAGE_MAP(CCoolButton, CButton)
    //{{AFX_MSG_MAP(CCoolButton)
    ON_WM_ERASEBKGND()
    ON_WM_MOUSEMOVE()
    ON_MESSAGE(WM_MOUSEHOVER, OnMouseHover)
    ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
    //}}AFX_MSG_MAP
END_MESSAGE_MAP()

/////////////////////////////////////////////////////////////////////////////
// Construction

CCoolButton::CCoolButton()
    : m_hHotIcon(NULL),
      m_hIcon(NULL),
      m_bIsDefault(FALSE),
      m_nShape(kButtonShapeStandard),
      m_bDrawFocusRect(FALSE),
      m_bHover(FALSE),
      m_bTracking(FALSE)
{
    SetButtonInfo(-1, NULL, NULL, NULL, NULL, NULL);
    const COLORREF colors[kStateCount] = { 0, 0, 0, 0, 0 };
    m_colors.Init(0, colors);
}

CCoolButton::~CCoolButton()
{
}

/////////////////////////////////////////////////////////////////////////////
// Attributes

void CCoolButton::SetButtonShape(int nShape)
{
    if (nShape >= 0)
        m_nShape = nShape;
}

void CCoolButton::SetButtonInfo(int nShape, HBITMAP hDefault, HBITMAP hNormal, HBITMAP hDisabled,
                                HBITMAP hHot, HBITMAP hPressed)
{
    SetButtonShape(nShape);
    m_hSkins[0] = hDefault != NULL ? hDefault : g_hSkinBtnDefault;
    m_hSkins[1] = hNormal != NULL ? hNormal : g_hSkinBtnNormal;
    m_hSkins[2] = hDisabled != NULL ? hDisabled : g_hSkinBtnDisabled;
    m_hSkins[3] = hHot != NULL ? hHot : g_hSkinBtnHot;
    m_hSkins[4] = hPressed != NULL ? hPressed : g_hSkinBtnDown;
}

void CCoolButton::SetIcons(HICON hIcon, HICON hHotIcon)
{
    m_hIcon = hIcon;
    m_hHotIcon = hHotIcon;
}

void CCoolButton::SetDrawFocusedRect(BOOL bDraw)
{
    m_bDrawFocusRect = bDraw;
}

void CCoolButton::SetTextColors(COLORREF crDefault, COLORREF crNormal, COLORREF crDisabled,
                                COLORREF crHot, COLORREF crPressed)
{
    m_colors.SetAll(crDefault, crNormal, crDisabled, crHot, crPressed);
}

void CCoolButton::SetDefaultTextColor(COLORREF cr)  { m_colors.Set(kStateDefault, cr); }
void CCoolButton::SetNormalTextColor(COLORREF cr)   { m_colors.Set(kStateNormal, cr); }
void CCoolButton::SetDisabledTextColor(COLORREF cr) { m_colors.Set(kStateDisabled, cr); }
void CCoolButton::SetHotTextColor(COLORREF cr)      { m_colors.Set(kStateHot, cr); }
void CCoolButton::SetPressedTextColor(COLORREF cr)  { m_colors.Set(kStatePressed, cr); }

/////////////////////////////////////////////////////////////////////////////
// Overridables

void CCoolButton::PreSubclassWindow()
{
    // The owner-draw type replaces the push-button type bits, so the default
    // style has to be remembered before it is lost.
    if (GetStyle() & BS_DEFPUSHBUTTON)
        m_bIsDefault = TRUE;
    ModifyStyle(0, BS_OWNERDRAW, SWP_FRAMECHANGED);
    CButton::PreSubclassWindow();
}

BOOL CCoolButton::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN && pMsg->hwnd == m_hWnd)
    {
        CWnd* pParent = GetParent();
        if (pParent != NULL)
        {
            pParent->SendMessage(WM_COMMAND, MAKEWPARAM(LOWORD(GetDlgCtrlID()), BN_CLICKED),
                                 (LPARAM)m_hWnd);
            return TRUE;
        }
    }
    return CWnd::PreTranslateMessage(pMsg);
}

void CCoolButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    CRect rc(lpDrawItemStruct->rcItem);
    const UINT nItemState = lpDrawItemStruct->itemState;
    const DWORD dwState = GetDrawState(nItemState);
    const BOOL bFlat = (m_nShape == kButtonShapeFlat);

    DrawBackground(pDC, &rc, dwState);

    if (!bFlat)
    {
        rc.DeflateRect(kButtonClipInsetX, kButtonClipInsetY);
        pDC->IntersectClipRect(&rc);
    }

    // Without a font of its own the button draws with the DC's current one.
    CFont* pFont = GetFont();
    CFont* pOldFont = pFont != NULL ? pDC->SelectObject(pFont) : NULL;
    int nOldMode = pDC->SetBkMode(TRANSPARENT);
    DrawContent(pDC, &rc, dwState);
    pDC->SetBkMode(nOldMode);
    if (pOldFont != NULL)
        pDC->SelectObject(pOldFont);

    if (m_bDrawFocusRect && (nItemState & ODS_FOCUS) && !bFlat)
    {
        rc.DeflateRect(0, kButtonFocusInset - kButtonClipInsetY);
        DrawFocusRect(pDC, &rc);
    }
}

void CCoolButton::DrawBackground(CDC* pDC, RECT* pRect, DWORD dwState)
{
    if (m_nShape == kButtonShapeFlat)
    {
        // A flat button shows its skin only while hot or pressed.
        if (dwState == kStateDefault || dwState == kStateNormal)
            return;
    }
    int nIndex = CVeluStateColors::IndexOf(dwState);
    if (nIndex < 0)
        return;
    CRoundBitmap painter;
    painter.ShowMe(pDC->m_hDC, pRect, m_hSkins[nIndex], g_nStdCornerInsets, kStdCornerSize);
}

void CCoolButton::DrawContent(CDC* pDC, RECT* pRect, DWORD dwState)
{
    const CRect rc(pRect);
    char szText[kCaptionBufferSize];
    int nLength = GetWindowText(szText, kCaptionBufferSize);

    SIZE sizeIcon;
    HICON hIcon = GetDrawIcon(&sizeIcon, dwState);
    int nIconWidth = sizeIcon.cx;
    if (sizeIcon.cx > 0 && nLength > 0)
        nIconWidth += kButtonIconGap;

    CRect rcText(rc.left, rc.top, rc.right, rc.bottom);
    if (nLength > 0)
        pDC->DrawText(szText, nLength, &rcText, DT_CALCRECT | DT_SINGLELINE);
    else
        rcText.SetRect(rc.left, rc.top, rc.left, rc.top);

    // Icon and caption are centred as one block; C division truncates toward zero.
    const int dx = (rc.Width() - rcText.Width() - nIconWidth) / 2;
    const int dy = (rc.Height() - rcText.Height()) / 2;
    const CRect rcBlock(rc.left + dx, rc.top + dy, rc.right - dx, rc.bottom - dy);

    if (nLength > 0)
    {
        COLORREF crOld = SelectTextColor(pDC, dwState);
        ::DrawStateA(pDC->m_hDC, NULL, NULL, (LPARAM)szText, (WPARAM)nLength,
                     rcBlock.left + nIconWidth, rcBlock.top, rcBlock.Width(), rcBlock.Height(),
                     DST_PREFIXTEXT);
        pDC->SetTextColor(crOld);
    }

    if (hIcon != NULL)
    {
        UINT nFlags = DST_ICON;
        if (dwState == kStateDisabled)
            nFlags |= DSS_DISABLED;
        ::DrawStateA(pDC->m_hDC, NULL, NULL, (LPARAM)hIcon, 0, rcBlock.left,
                     rc.top + (rc.Height() - sizeIcon.cy) / 2, sizeIcon.cx, sizeIcon.cy, nFlags);
    }
}

void CCoolButton::DrawFocusRect(CDC* pDC, RECT* pRect)
{
    ::FrameRect(pDC->m_hDC, pRect, g_hBrushFocus);
}

/////////////////////////////////////////////////////////////////////////////
// Implementation

DWORD CCoolButton::GetDrawState(UINT nItemState) const
{
    if (nItemState & ODS_DISABLED)
        return kStateDisabled;
    if (nItemState & ODS_SELECTED)
        return kStatePressed;
    if (m_bHover)
        return kStateHot;
    if (nItemState & ODS_FOCUS)
        return kStateDefault;
    if (m_bIsDefault)
        return kStateDefault;
    return kStateNormal;
}

HICON CCoolButton::GetDrawIcon(SIZE* pSize, DWORD dwState)
{
    pSize->cx = 0;
    pSize->cy = 0;
    HICON hIcon = (dwState == kStateHot) ? m_hHotIcon : m_hIcon;
    if (hIcon == NULL)
        return NULL;

    ICONINFO info;
    if (!::GetIconInfo(hIcon, &info))
        return NULL;
    // GetIconInfo hands out copies of both bitmaps; they are ours to delete.
    HICON hResult = NULL;
    if (info.hbmColor != NULL)
    {
        BITMAP bm;
        if (::GetObjectA(info.hbmColor, sizeof(bm), &bm) != 0)
        {
            pSize->cx = bm.bmWidth;
            pSize->cy = bm.bmHeight;
            hResult = hIcon;
        }
        ::DeleteObject(info.hbmColor);
    }
    if (info.hbmMask != NULL)
        ::DeleteObject(info.hbmMask);
    return hResult;
}

COLORREF CCoolButton::SelectTextColor(CDC* pDC, DWORD dwState)
{
    return m_colors.Select(pDC, dwState);
}

/////////////////////////////////////////////////////////////////////////////
// Message handlers

BOOL CCoolButton::OnEraseBkgnd(CDC* /*pDC*/)
{
    // DrawItem paints every pixel it wants; erasing first would only flicker.
    return TRUE;
}

void CCoolButton::OnMouseMove(UINT /*nFlags*/, CPoint /*point*/)
{
    if (!m_bTracking)
    {
        TRACKMOUSEEVENT tme;
        tme.cbSize = sizeof(tme);
        tme.dwFlags = TME_HOVER | TME_LEAVE;
        tme.hwndTrack = m_hWnd;
        tme.dwHoverTime = kButtonHoverTime;
        m_bTracking = _TrackMouseEvent(&tme);
    }
    Default();
}

LRESULT CCoolButton::OnMouseHover(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    m_bHover = TRUE;
    InvalidateRect(NULL, TRUE);
    return 0;
}

LRESULT CCoolButton::OnMouseLeave(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    m_bTracking = FALSE;
    m_bHover = FALSE;
    InvalidateRect(NULL, TRUE);
    return 0;
}
