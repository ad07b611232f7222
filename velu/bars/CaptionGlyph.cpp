// CaptionGlyph.cpp - the caption glyph painter shared by the floating bar and the notifier.
#include "bars/CaptionGlyph.h"

namespace
{
// The close glyph: two diagonals of a square 2d wide around the centre, 2 pixels thick.
void DrawCloseGlyph(CDC* pDC, const RECT& rc, int cx, int cy, COLORREF crGlyph)
{
    const int d = cy - rc.top - 3;
    CPen pen;
    pen.CreatePen(PS_SOLID, 2, crGlyph);
    CPen* pOldPen = pDC->SelectObject(&pen);
    pDC->MoveTo(cx - d, cy - d);
    pDC->LineTo(cx + d, cy + d);
    pDC->MoveTo(cx + d, cy - d);
    pDC->LineTo(cx - d, cy + d);
    pDC->SelectObject(pOldPen);
    pen.DeleteObject();
}

// The float glyph: a filled triangle pointing up, its two sides drawn as lines
// and its body as rows that shorten by one pixel at each end going up.
void DrawFloatGlyph(CDC* pDC, const RECT& rc, int cx, int cy, COLORREF crGlyph)
{
    const int d = cy - rc.top - 4;
    const int nRows = 6;
    CPen pen;
    pen.CreatePen(PS_SOLID, 1, crGlyph);
    CPen* pOldPen = pDC->SelectObject(&pen);
    pDC->MoveTo(cx, cy - d);
    pDC->LineTo(cx - 2 * d, cy + d);
    pDC->MoveTo(cx - d + 3, cy - d);
    pDC->LineTo(cx + d + 3, cy + d);
    for (int k = 0; k < nRows; k++)
    {
        pDC->MoveTo(cx - 2 * d + k, cy + d - k);
        pDC->LineTo(cx + d + 4 - k, cy + d - k);
    }
    pDC->SelectObject(pOldPen);
    pen.DeleteObject();
}

void DrawHotFrame(CDC* pDC, const RECT& rc)
{
    CPen pen;
    pen.CreatePen(PS_SOLID, 1, kCaptionGlyphHotFrame);
    CPen* pOldPen = pDC->SelectObject(&pen);
    pDC->MoveTo(rc.left, rc.top);
    pDC->LineTo(rc.right, rc.top);
    pDC->LineTo(rc.right, rc.bottom);
    pDC->LineTo(rc.left, rc.bottom);
    pDC->LineTo(rc.left, rc.top);
    pDC->SelectObject(pOldPen);
    pen.DeleteObject();
}
}

void VeluDrawCaptionGlyph(CDC* pDC, const RECT* pRect, int nGlyph, int nLastHit)
{
    if (pDC == NULL || pRect == NULL || (nGlyph != kHitClose && nGlyph != kHitFloat))
        return;
    const RECT& rc = *pRect;
    const int cx = (rc.left + rc.right) / 2;
    const int cy = (rc.top + rc.bottom) / 2;

    COLORREF crGlyph = kCaptionGlyphColor;
    if (nGlyph == nLastHit)
    {
        DrawHotFrame(pDC, rc);
        crGlyph = kCaptionGlyphHotColor;
    }
    if (nGlyph == kHitClose)
        DrawCloseGlyph(pDC, rc, cx, cy, crGlyph);
    else
        DrawFloatGlyph(pDC, rc, cx, cy, crGlyph);
}
