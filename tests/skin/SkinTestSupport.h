// SkinTestSupport.h: generated skins and region checks for the skin painter tests.
#ifndef TESTS_SKIN_SKINTESTSUPPORT_H
#define TESTS_SKIN_SKINTESTSUPPORT_H

#include "support/harness.h"

#include <functional>
#include <string>

namespace skintest {

typedef std::function<COLORREF(int x, int y)> PixelFn;

// Canvases start with this colour; no generated skin uses it.
const COLORREF kBackground = RGB(0x01, 0x02, 0x03);

// A new 24 bpp bottom-up bitmap, like the shipped skins, painted pixel by pixel; owned by the caller.
inline HBITMAP MakeBitmap(int cx, int cy, const PixelFn& fn)
{
	BITMAPINFO bmi = {};
	bmi.bmiHeader = { sizeof(bmi.bmiHeader), cx, cy, 1, 24, BI_RGB };
	void* pBits = NULL;
	HBITMAP hBitmap = ::CreateDIBSection(NULL, &bmi, DIB_RGB_COLORS, &pBits, NULL, 0);
	const int nStride = ((cx * 24 + 31) / 32) * 4;
	for (int y = 0; hBitmap != NULL && y < cy; y++) {
		for (int x = 0; x < cx; x++) {
			COLORREF cr = fn(x, y);
			BYTE* p = static_cast<BYTE*>(pBits) + (cy - 1 - y) * nStride + x * 3;
			p[0] = GetBValue(cr);
			p[1] = GetGValue(cr);
			p[2] = GetRValue(cr);
		}
	}
	return hBitmap;
}

// Every pixel of rc (clipped to the canvas) satisfies pred; the failure
// names the first pixel that does not, and what, and dumps the canvas as PNG.
inline ::testing::AssertionResult RegionMatches(const vt::MemoryCanvas& canvas, const RECT& rc,
	const std::function<bool(int x, int y, COLORREF cr)>& pred, const std::string& what)
{
	::GdiFlush();
	for (int y = rc.top > 0 ? rc.top : 0; y < rc.bottom && y < canvas.height(); y++) {
		for (int x = rc.left > 0 ? rc.left : 0; x < rc.right && x < canvas.width(); x++) {
			if (!pred(x, y, canvas.At(x, y)))
				return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is "
					<< vt::ColourText(canvas.At(x, y)) << ", not " << what << " (canvas written to "
					<< vt::DumpForCurrentTest(canvas.Snapshot(), "region") << ")";
		}
	}
	return ::testing::AssertionSuccess();
}

inline ::testing::AssertionResult RegionIs(const vt::MemoryCanvas& canvas, const RECT& rc, const PixelFn& expected)
{
	std::string strWanted;
	::testing::AssertionResult result = RegionMatches(canvas, rc, [&](int x, int y, COLORREF cr) {
		strWanted = vt::ColourText(expected(x, y));
		return cr == expected(x, y);
	}, "the expected colour");
	return result ? result : (result << "; expected " << strWanted);
}

inline ::testing::AssertionResult RegionIsColour(const vt::MemoryCanvas& canvas, const RECT& rc, COLORREF cr)
{
	return RegionIs(canvas, rc, [cr](int, int) { return cr; });
}

inline RECT WholeOf(const vt::MemoryCanvas& canvas) { return { 0, 0, canvas.width(), canvas.height() }; }

} // namespace skintest

#endif // TESTS_SKIN_SKINTESTSUPPORT_H
