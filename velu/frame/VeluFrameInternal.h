// VeluFrameInternal.h - frame helpers used inside the library and by its tests, not part of the public API.
#ifndef VELU_FRAME_VELUFRAMEINTERNAL_H
#define VELU_FRAME_VELUFRAMEINTERNAL_H

#include "frame/VeluFrame.h"

// Colour of one pixel of hBitmap: nScanLine counts from the bottom row (0),
// nColumn from the left. What cannot be read comes back black. The bitmap's
// scan line must fit in 4096 bytes.
// Exported (not declared in the public header) so that the tests can call it.
AFX_EXT_API COLORREF GetBmpPixelColor(HDC hDC, HBITMAP hBitmap, int nScanLine, int nColumn);

#endif // VELU_FRAME_VELUFRAMEINTERNAL_H
