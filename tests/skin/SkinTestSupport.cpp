// SkinTestSupport.cpp: generated skins and region checks for the skin painter tests.
#include "SkinTestSupport.h"

#include <stdio.h>

namespace skintest
{

HBITMAP MakeBitmap(int cx, int cy, const PixelFn& fn)
{
	BITMAPINFO bmi = {};
	bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
	bmi.bmiHeader.biWidth = cx;
	bmi.bmiHeader.biHeight = cy;
	bmi.bmiHeader.biPlanes = 1;
	bmi.bmiHeader.biBitCount = 24;
	bmi.bmiHeader.biCompression = BI_RGB;
	void* pBits = NULL;
	HBITMAP hBitmap = ::CreateDIBSection(NULL, &bmi, DIB_RGB_COLORS, &pBits, NULL, 0);
	const int nStride = ((cx * 24 + 31) / 32) * 4;
	for (int y = 0; hBitmap != NULL && y < cy; y++)
	{
		for (int x = 0; x < cx; x++)
		{
			COLORREF cr = fn(x, y);
			BYTE* p = static_cast<BYTE*>(pBits) + (cy - 1 - y) * nStride + x * 3;
			p[0] = GetBValue(cr);
			p[1] = GetGValue(cr);
			p[2] = GetRValue(cr);
		}
	}
	return hBitmap;
}


::testing::AssertionResult RegionMatches(const vt::MemoryCanvas& canvas, const RECT& rc,
	const std::function<bool(int x, int y, COLORREF cr)>& pred, const char* what)
{
	::GdiFlush();
	for (int y = rc.top > 0 ? rc.top : 0; y < rc.bottom && y < canvas.height(); y++)
	{
		for (int x = rc.left > 0 ? rc.left : 0; x < rc.right && x < canvas.width(); x++)
		{
			COLORREF cr = canvas.At(x, y);
			if (!pred(x, y, cr))
			{
				std::string path = vt::DumpForCurrentTest(canvas.Snapshot(), "region");
				return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is "
					<< vt::ColourText(cr) << ", not " << what << " (canvas written to " << path << ")";
			}
		}
	}
	return ::testing::AssertionSuccess();
}

::testing::AssertionResult RegionIs(const vt::MemoryCanvas& canvas, const RECT& rc, const PixelFn& expected)
{
	std::string strWanted;
	::testing::AssertionResult result = RegionMatches(canvas, rc,
		[&](int x, int y, COLORREF cr)
		{
			COLORREF crWanted = expected(x, y);
			strWanted = vt::ColourText(crWanted);
			return cr == crWanted;
		}, "the expected colour");
	return result ? result : (result << "; expected " << strWanted);
}

::testing::AssertionResult RegionIsColour(const vt::MemoryCanvas& canvas, const RECT& rc, COLORREF cr)
{
	return RegionIs(canvas, rc, [cr](int, int) { return cr; });
}

} // namespace skintest
