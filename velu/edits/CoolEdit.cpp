// CCoolEdit: flat frame, in-place hint text, case forcing and the read-only background.
#include <afxwin.h>
#include <string.h>
#include "edits/VeluEdits.h"
#include "edits/FlatLook.h"

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
    VeluReplaceHintText(&m_pszTipText, text);
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

    VeluDrawHintText(hdc, m_hWnd, m_pszTipText, m_crTip, rect);
}

void CCoolEdit::DrawEdit()
{
    RECT r;
    ::GetWindowRect(m_hWnd, &r);
    ::ScreenToClient(m_hWnd, (POINT*)&r.left);
    ::ScreenToClient(m_hWnd, (POINT*)&r.right);

    HDC hdc = ::GetDC(m_hWnd);
    HBRUSH hClassBrush = VeluGetClassBrush(m_hWnd);
    HPEN hPen = ::CreatePen(PS_SOLID, 0, m_crEdge);
    VeluDrawFlatFrame(hdc, r, hClassBrush, hPen);

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
