// SkinTestSupport.h: generated skins and region checks for the skin painter tests.
#ifndef TESTS_SKIN_SKINTESTSUPPORT_H
#define TESTS_SKIN_SKINTESTSUPPORT_H

#include "support/harness.h"

#include <functional>
#include <string>

namespace skintest
{

typedef std::function<COLORREF(int x, int y)> PixelFn;

// Canvases start with this colour; no generated skin uses it.
const COLORREF kBackground = RGB(0x01, 0x02, 0x03);

// A new 24 bpp bottom-up bitmap, like the shipped skins, painted pixel by pixel; owned by the caller.
HBITMAP MakeBitmap(int cx, int cy, const PixelFn& fn);

// Every pixel of rc (clipped to the canvas) satisfies pred; the failure
// names the first pixel that does not, and what, and dumps the canvas as PNG.
::testing::AssertionResult RegionMatches(const vt::MemoryCanvas& canvas, const RECT& rc,
	const std::function<bool(int x, int y, COLORREF cr)>& pred, const char* what);
::testing::AssertionResult RegionIs(const vt::MemoryCanvas& canvas, const RECT& rc, const PixelFn& expected);
::testing::AssertionResult RegionIsColour(const vt::MemoryCanvas& canvas, const RECT& rc, COLORREF cr);

inline RECT WholeOf(const vt::MemoryCanvas& canvas) { return { 0, 0, canvas.width(), canvas.height() }; }

} // namespace skintest

#endif // TESTS_SKIN_SKINTESTSUPPORT_H
