// SkinTestSupport.cpp: generated skins and region checks for the skin painter tests.
#include "SkinTestSupport.h"

#include <stdio.h>

#include <vector>

namespace skintest
{

HBITMAP MakeBitmap(int cx, int cy, const PixelFn& fn, int nBitCount)
{
	BITMAPINFO bmi = {};
	bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
	bmi.bmiHeader.biWidth = cx;
	bmi.bmiHeader.biHeight = cy;   // bottom-up
	bmi.bmiHeader.biPlanes = 1;
	bmi.bmiHeader.biBitCount = (WORD)nBitCount;
	bmi.bmiHeader.biCompression = BI_RGB;
	void* pBits = NULL;
	HBITMAP hBitmap = ::CreateDIBSection(NULL, &bmi, DIB_RGB_COLORS, &pBits, NULL, 0);
	if (hBitmap == NULL)
		return NULL;

	const int nBytesPerPixel = nBitCount / 8;
	const int nStride = ((cx * nBitCount + 31) / 32) * 4;
	for (int y = 0; y < cy; y++)
	{
		BYTE* pRow = static_cast<BYTE*>(pBits) + (cy - 1 - y) * nStride;
		for (int x = 0; x < cx; x++)
		{
			COLORREF cr = fn(x, y);
			BYTE* p = pRow + x * nBytesPerPixel;
			p[0] = GetBValue(cr);
			p[1] = GetGValue(cr);
			p[2] = GetRValue(cr);
			if (nBytesPerPixel == 4)
				p[3] = 0;
		}
	}
	return hBitmap;
}

std::string DescribeColour(COLORREF cr)
{
	char sz[40];
	sprintf(sz, "RGB(%u, %u, %u)", GetRValue(cr), GetGValue(cr), GetBValue(cr));
	return sz;
}

::testing::AssertionResult RegionMatches(const vt::MemoryCanvas& canvas, const RECT& rc,
	const std::function<bool(int x, int y, COLORREF cr)>& pred, const char* what)
{
	::GdiFlush();
	const int nLeft = rc.left > 0 ? rc.left : 0;
	const int nTop = rc.top > 0 ? rc.top : 0;
	const int nRight = rc.right < canvas.width() ? rc.right : canvas.width();
	const int nBottom = rc.bottom < canvas.height() ? rc.bottom : canvas.height();
	for (int y = nTop; y < nBottom; y++)
	{
		for (int x = nLeft; x < nRight; x++)
		{
			COLORREF cr = canvas.At(x, y);
			if (!pred(x, y, cr))
			{
				std::string path = vt::DumpForCurrentTest(canvas.Snapshot(), "region");
				return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is "
					<< DescribeColour(cr) << ", not " << what << " (canvas written to " << path << ")";
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
			strWanted = DescribeColour(crWanted);
			return cr == crWanted;
		}, "the expected colour");
	if (!result)
		result << "; expected " << strWanted;
	return result;
}

::testing::AssertionResult RegionIsColour(const vt::MemoryCanvas& canvas, const RECT& rc, COLORREF cr)
{
	return RegionIs(canvas, rc, [cr](int, int) { return cr; });
}

} // namespace skintest
