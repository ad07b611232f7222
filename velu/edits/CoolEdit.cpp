// CCoolEdit: flat frame, in-place hint text, case forcing and the read-only background.
#include <afxwin.h>
#include <string.h>
#include "edits/VeluEdits.h"

IMPLEMENT_DYNAMIC(CCoolEdit, CEdit)

BEGIN_MESSAGE_MAP(CCoolEdit, CEdit)
    ON_WM_CTLCOLOR_REFLECT()
    ON_WM_PAINT()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_WINDOWPOSCHANGED()
    ON_WM_CHAR()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CCoolEdit::CCoolEdit()
    : m_crEdge(kEditEdgeColor),
      m_pszTipText(NULL),
      m_bTipWhenFocused(0),
      m_crTip(::GetSysColor(COLOR_GRAYTEXT)),
      m_nCaseMode(kEditCaseNone)
{
}

CCoolEdit::~CCoolEdit()
{
    free(m_pszTipText);
}

void CCoolEdit::SetEdgeColor(unsigned long color)
{
    m_crEdge = color;
}

void CCoolEdit::SetUpperLower(int mode)
{
    m_nCaseMode = mode;
}

void CCoolEdit::SetTipText(const char* text, unsigned long color, int showWhenFocused)
{
    free(m_pszTipText);
    m_pszTipText = NULL;
    if (text != NULL)
    {
        size_t size = strlen(text) + 1;
        m_pszTipText = (char*)malloc(size);
        if (m_pszTipText != NULL)
            memcpy(m_pszTipText, text, size);
    }
    m_crTip = color;
    m_bTipWhenFocused = showWhenFocused;
}

int CCoolEdit::CheckReadonly()
{
    return (::GetWindowLongA(m_hWnd, GWL_STYLE) & ES_READONLY) ? 1 : 0;
}

void CCoolEdit::DrawTipText(HDC hdc, RECT* rect)
{
    if (::GetFocus() == m_hWnd && !m_bTipWhenFocused)
        return;
    if (m_pszTipText == NULL || m_pszTipText[0] == '\0')
        return;
    // Two bytes are enough to tell an empty box from one holding anything at all.
    char probe[2];
    if (::GetWindowTextA(m_hWnd, probe, sizeof(probe)) > 0 && probe[0] != '\0')
        return;

    // Without a font of its own the edit draws with the system font, so the hint does too.
    HFONT hControlFont = (HFONT)::SendMessageA(m_hWnd, WM_GETFONT, 0, 0);
    if (hControlFont == NULL)
        hControlFont = (HFONT)::GetStockObject(SYSTEM_FONT);
    LOGFONTA lf;
    memset(&lf, 0, sizeof(lf));
    ::GetObjectA(hControlFont, sizeof(lf), &lf);
    lf.lfItalic = 1;
    HFONT hItalic = ::CreateFontIndirectA(&lf);

    HGDIOBJ hOldFont = ::SelectObject(hdc, hItalic);
    COLORREF crOldText = ::SetTextColor(hdc, m_crTip);
    int nOldMode = ::SetBkMode(hdc, TRANSPARENT);
    ::DrawTextA(hdc, m_pszTipText, -1, rect, DT_SINGLELINE | DT_VCENTER);
    ::SetBkMode(hdc, nOldMode);
    ::SetTextColor(hdc, crOldText);
    ::SelectObject(hdc, hOldFont);
    ::DeleteObject(hItalic);
}

void CCoolEdit::DrawEdit()
{
    RECT r;
    ::GetWindowRect(m_hWnd, &r);
    ::ScreenToClient(m_hWnd, (POINT*)&r.left);
    ::ScreenToClient(m_hWnd, (POINT*)&r.right);

    HDC hdc = ::GetDC(m_hWnd);
#ifdef _WIN64
    HBRUSH hClassBrush = (HBRUSH)::GetClassLongPtrA(m_hWnd, GCLP_HBRBACKGROUND);
#else
    HBRUSH hClassBrush = (HBRUSH)(DWORD_PTR)::GetClassLongA(m_hWnd, GCL_HBRBACKGROUND);
#endif
    HPEN hPen = ::CreatePen(PS_SOLID, 0, m_crEdge);

    RECT left = { r.left, r.top, r.left + kEditBandWidth, r.bottom };
    RECT right = { r.right - kEditBandWidth, r.top, r.right, r.bottom };
    RECT top = { r.left, r.top, r.right, r.top + kEditBandWidth };
    RECT bottom = { r.left, r.bottom - kEditBandWidth, r.right, r.bottom };
    ::FillRect(hdc, &left, hClassBrush);
    ::FillRect(hdc, &right, hClassBrush);
    ::FillRect(hdc, &top, hClassBrush);
    ::FillRect(hdc, &bottom, hClassBrush);

    HGDIOBJ hOldPen = ::SelectObject(hdc, hPen);
    ::MoveToEx(hdc, r.left, r.top, NULL);
    ::LineTo(hdc, r.right - 1, r.top);
    ::LineTo(hdc, r.right - 1, r.bottom - 1);
    ::LineTo(hdc, r.left, r.bottom - 1);
    ::LineTo(hdc, r.left, r.top);
    ::SelectObject(hdc, hOldPen);

    RECT tip = { r.left + kEditTipInsetLeft, r.top + kEditTipInsetTop,
                 r.right - kEditTipInsetRight, r.bottom - kEditTipInsetBottom };
    DrawTipText(hdc, &tip);

    ::DeleteObject(hPen);
    ::ReleaseDC(m_hWnd, hdc);
}

/////////////////////////////////////////////////////////////////////////////
// Message handlers

HBRUSH CCoolEdit::CtlColor(CDC* pDC, UINT /*nCtlColor*/)
{
    if (!CheckReadonly())
        return NULL;
    pDC->SetBkMode(TRANSPARENT);
    return (HBRUSH)g_brushReadOnly.GetSafeHandle();
}

void CCoolEdit::OnPaint()
{
    Default();
    DrawEdit();
}

void CCoolEdit::OnSetFocus(CWnd* /*pOldWnd*/)
{
    Default();
    // The hint shows or hides with the focus, and it lies over the edit's own paint.
    ::InvalidateRect(m_hWnd, NULL, TRUE);
}

void CCoolEdit::OnKillFocus(CWnd* /*pNewWnd*/)
{
    Default();
    ::InvalidateRect(m_hWnd, NULL, TRUE);
}

void CCoolEdit::OnWindowPosChanged(WINDOWPOS* /*lpwndpos*/)
{
    Default();
    ::InvalidateRect(m_hWnd, NULL, TRUE);
}

void CCoolEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    // Only typed ASCII letters change case; pasted or set text is left alone.
    if (m_nCaseMode == kEditCaseUpper && nChar >= 'a' && nChar <= 'z')
    {
        CWnd::DefWindowProc(WM_CHAR, nChar - 32, MAKELPARAM(nRepCnt, nFlags));
        return;
    }
    if (m_nCaseMode == kEditCaseLower && nChar >= 'A' && nChar <= 'Z')
    {
        CWnd::DefWindowProc(WM_CHAR, nChar + 32, MAKELPARAM(nRepCnt, nFlags));
        return;
    }
    Default();
}

BOOL CCoolEdit::OnEraseBkgnd(CDC* /*pDC*/)
{
    return (BOOL)Default();
}
