// FlatLook.h - the frame and the grey italic hint that the flat edit box and the flat combo box share.
#ifndef VELU_EDITS_FLATLOOK_H
#define VELU_EDITS_FLATLOOK_H

#include <afxwin.h>

// The class background brush of a window (none for classes without one).
HBRUSH VeluGetClassBrush(HWND hwnd);

// Fills the 2-pixel bands along the inside of rect with hBandBrush (left,
// right, top, bottom), then outlines rect's outermost pixels with hPen.
void VeluDrawFlatFrame(HDC hdc, const RECT& rect, HBRUSH hBandBrush, HPEN hPen);

// Draws text in rect with the italic form of hwndFont's font (the system font
// when it has none), in color, transparent, on one vertically centred line.
// The DC is left as it was found.
void VeluDrawHintText(HDC hdc, HWND hwndFont, const char* text, COLORREF color, RECT* rect);

// Replaces the malloc'ed hint text *ppszText with a malloc'ed copy of text
// (none for NULL, or when memory runs out).
void VeluReplaceHintText(char** ppszText, const char* text);

#endif // VELU_EDITS_FLATLOOK_H
