// FlatLook.cpp - the flat frame and the italic hint text shared by the flat edit box and the flat combo box.
#include <afxwin.h>
#include <string.h>
#include "edits/VeluEdits.h"
#include "edits/FlatLook.h"

HBRUSH VeluGetClassBrush(HWND hwnd)
{
#ifdef _WIN64
    return (HBRUSH)::GetClassLongPtrA(hwnd, GCLP_HBRBACKGROUND);
#else
    return (HBRUSH)(DWORD_PTR)::GetClassLongA(hwnd, GCL_HBRBACKGROUND);
#endif
}

void VeluDrawFlatFrame(HDC hdc, const RECT& r, HBRUSH hBandBrush, HPEN hPen)
{
    RECT left = { r.left, r.top, r.left + kEditBandWidth, r.bottom };
    RECT right = { r.right - kEditBandWidth, r.top, r.right, r.bottom };
    RECT top = { r.left, r.top, r.right, r.top + kEditBandWidth };
    RECT bottom = { r.left, r.bottom - kEditBandWidth, r.right, r.bottom };
    ::FillRect(hdc, &left, hBandBrush);
    ::FillRect(hdc, &right, hBandBrush);
    ::FillRect(hdc, &top, hBandBrush);
    ::FillRect(hdc, &bottom, hBandBrush);

    HGDIOBJ hOldPen = ::SelectObject(hdc, hPen);
    ::MoveToEx(hdc, r.left, r.top, NULL);
    ::LineTo(hdc, r.right - 1, r.top);
    ::LineTo(hdc, r.right - 1, r.bottom - 1);
    ::LineTo(hdc, r.left, r.bottom - 1);
    ::LineTo(hdc, r.left, r.top);
    ::SelectObject(hdc, hOldPen);
}

void VeluDrawHintText(HDC hdc, HWND hwndFont, const char* text, COLORREF color, RECT* rect)
{
    // Without a font of its own a control draws with the system font, so the hint does too.
    HFONT hControlFont = (HFONT)::SendMessageA(hwndFont, WM_GETFONT, 0, 0);
    if (hControlFont == NULL)
        hControlFont = (HFONT)::GetStockObject(SYSTEM_FONT);
    LOGFONTA lf;
    memset(&lf, 0, sizeof(lf));
    ::GetObjectA(hControlFont, sizeof(lf), &lf);
    lf.lfItalic = 1;
    HFONT hItalic = ::CreateFontIndirectA(&lf);

    HGDIOBJ hOldFont = ::SelectObject(hdc, hItalic);
    COLORREF crOldText = ::SetTextColor(hdc, color);
    int nOldMode = ::SetBkMode(hdc, TRANSPARENT);
    ::DrawTextA(hdc, text, -1, rect, DT_SINGLELINE | DT_VCENTER);
    ::SetBkMode(hdc, nOldMode);
    ::SetTextColor(hdc, crOldText);
    ::SelectObject(hdc, hOldFont);
    ::DeleteObject(hItalic);
}

void VeluReplaceHintText(char** ppszText, const char* text)
{
    free(*ppszText);
    *ppszText = NULL;
    if (text == NULL)
        return;
    const size_t size = strlen(text) + 1;
    *ppszText = (char*)malloc(size);
    if (*ppszText != NULL)
        memcpy(*ppszText, text, size);
}
