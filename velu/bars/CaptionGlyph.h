// CaptionGlyph.h - the float and close glyphs of bar captions and the notifier, inside the library only.
#ifndef VELU_BARS_CAPTIONGLYPH_H
#define VELU_BARS_CAPTIONGLYPH_H

#include <afxwin.h>

// Hit codes of the caption buttons (the letters as numbers); 0 is none.
const int kHitFloat = 'F';
const int kHitClose = 'C';

const COLORREF kCaptionGlyphColor    = 0x00EFD0C2;
const COLORREF kCaptionGlyphHotColor = 0x00C0C0C0;
const COLORREF kCaptionGlyphHotFrame = 0x00D8C0AF;

// Paints glyph nGlyph (kHitClose: a cross, kHitFloat: an upward triangle) in
// pRect; hot, with a frame on the rectangle's edges (right and bottom
// included), when nGlyph equals nLastHit. Other codes paint nothing.
// Exported (not declared in a public header) so that the tests can call it.
AFX_EXT_API void VeluDrawCaptionGlyph(CDC* pDC, const RECT* pRect, int nGlyph, int nLastHit);

#endif // VELU_BARS_CAPTIONGLYPH_H
