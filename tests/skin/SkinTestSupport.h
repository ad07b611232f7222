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

// A new bitmap painted pixel by pixel, owned by the caller. 24 bpp bottom-up
// like the shipped skins unless another depth is asked for.
HBITMAP MakeBitmap(int cx, int cy, const PixelFn& fn, int nBitCount = 24);

// Every pixel of rc (clipped to the canvas) is what expected() says; the
// failure names the first pixel that is not and dumps the canvas as PNG.
::testing::AssertionResult RegionIs(const vt::MemoryCanvas& canvas, const RECT& rc, const PixelFn& expected);
::testing::AssertionResult RegionIsColour(const vt::MemoryCanvas& canvas, const RECT& rc, COLORREF cr);
// Every pixel of rc satisfies pred; what names the property in the failure.
::testing::AssertionResult RegionMatches(const vt::MemoryCanvas& canvas, const RECT& rc,
	const std::function<bool(int x, int y, COLORREF cr)>& pred, const char* what);

std::string DescribeColour(COLORREF cr);

inline RECT WholeOf(const vt::MemoryCanvas& canvas) { return { 0, 0, canvas.width(), canvas.height() }; }

} // namespace skintest

#endif // TESTS_SKIN_SKINTESTSUPPORT_H
