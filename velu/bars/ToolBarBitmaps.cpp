// ToolBarBitmaps.cpp - CCoolToolBar's bitmap utilities: colour-keyed transparent blit, grayed and recoloured copies.
#include "bars/VeluBars.h"

/////////////////////////////////////////////////////////////////////////////
// Transparent blit

// The key is cut out through a monochrome mask: colour-to-mono conversion
// turns pixels equal to the background colour white, and mono-to-colour
// conversion maps white to the background colour and black to the text colour.
void CCoolToolBar::TransparentBlt(HDC hDestDC, int x, int y, int cx, int cy,
	HDC hSrcDC, int xSrc, int ySrc, int cxSrc, int cySrc, COLORREF crTransparent)
{
	HDC hImageDC = ::CreateCompatibleDC(hDestDC);
	HDC hMaskDC = ::CreateCompatibleDC(hDestDC);
	HBITMAP hImage = ::CreateCompatibleBitmap(hDestDC, cx, cy);
	HBITMAP hMask = ::CreateBitmap(cx, cy, 1, 1, NULL);
	HGDIOBJ hOldImage = NULL;
	HGDIOBJ hOldMask = NULL;
	if (hImageDC != NULL && hImage != NULL)
		hOldImage = ::SelectObject(hImageDC, hImage);
	if (hMaskDC != NULL && hMask != NULL)
		hOldMask = ::SelectObject(hMaskDC, hMask);

	if (hOldImage != NULL && hOldMask != NULL)
	{
		if (cxSrc != cx || cySrc != cy)
		{
			// The image context is fresh, so its mode is ours to choose: keep
			// whole source pixels, never blended ones, or the key would not match.
			::SetStretchBltMode(hImageDC, COLORONCOLOR);
			::StretchBlt(hImageDC, 0, 0, cx, cy, hSrcDC, xSrc, ySrc, cxSrc, cySrc, SRCCOPY);
		}
		else
			::BitBlt(hImageDC, 0, 0, cx, cy, hSrcDC, xSrc, ySrc, SRCCOPY);

		::SetBkColor(hImageDC, crTransparent);
		::BitBlt(hMaskDC, 0, 0, cx, cy, hImageDC, 0, 0, SRCCOPY);

		::SetBkColor(hImageDC, RGB(0, 0, 0));
		::SetTextColor(hImageDC, RGB(255, 255, 255));
		::BitBlt(hImageDC, 0, 0, cx, cy, hMaskDC, 0, 0, SRCAND);

		::SetBkColor(hDestDC, RGB(255, 255, 255));
		::SetTextColor(hDestDC, RGB(0, 0, 0));
		::BitBlt(hDestDC, x, y, cx, cy, hMaskDC, 0, 0, SRCAND);
		::BitBlt(hDestDC, x, y, cx, cy, hImageDC, 0, 0, SRCPAINT);
	}

	if (hOldImage != NULL)
		::SelectObject(hImageDC, hOldImage);
	if (hOldMask != NULL)
		::SelectObject(hMaskDC, hOldMask);
	if (hImageDC != NULL)
		::DeleteDC(hImageDC);
	if (hMaskDC != NULL)
		::DeleteDC(hMaskDC);
	if (hImage != NULL)
		::DeleteObject(hImage);
	if (hMask != NULL)
		::DeleteObject(hMask);
}

/////////////////////////////////////////////////////////////////////////////
// Gray and recoloured copies

namespace
{

// Each product is truncated on its own before the sum; the weights add up to
// 0.92, so the result never exceeds 233.
BYTE GrayValue(COLORREF cr)
{
	int nGray = (int)(0.24 * GetRValue(cr)) + (int)(0.54 * GetGValue(cr)) + (int)(0.14 * GetBValue(cr));
	return (BYTE)nGray;
}

// Maps one pixel of a copy; returns the colour to write.
typedef COLORREF (*PixelMapFn)(COLORREF cr, COLORREF crFrom, COLORREF crTo);

COLORREF GrayPixel(COLORREF cr, COLORREF, COLORREF)
{
	if (cr == RGB(0, 0, 0))
		return cr;
	BYTE nGray = GrayValue(cr);
	return RGB(nGray, nGray, nGray);
}

COLORREF ReplacePixel(COLORREF cr, COLORREF crFrom, COLORREF crTo)
{
	return (cr == crFrom) ? crTo : cr;
}

// Copies the source's (0, 0, cx, cy) into a new bitmap compatible with the
// reference context and passes every pixel through pfnMap, row by row.
HBITMAP MakeMappedCopy(HDC hRefDC, HDC hSrcDC, int cx, int cy, PixelMapFn pfnMap,
	COLORREF crFrom, COLORREF crTo)
{
	HDC hMemDC = ::CreateCompatibleDC(hRefDC);
	if (hMemDC == NULL)
		return NULL;
	HBITMAP hBitmap = ::CreateCompatibleBitmap(hRefDC, cx, cy);
	if (hBitmap == NULL)
	{
		::DeleteDC(hMemDC);
		return NULL;
	}

	HGDIOBJ hOld = ::SelectObject(hMemDC, hBitmap);
	if (hOld == NULL)
	{
		::DeleteDC(hMemDC);
		::DeleteObject(hBitmap);
		return NULL;
	}
	::BitBlt(hMemDC, 0, 0, cx, cy, hSrcDC, 0, 0, SRCCOPY);
	for (int y = 0; y < cy; y++)
	{
		for (int x = 0; x < cx; x++)
		{
			COLORREF cr = ::GetPixel(hMemDC, x, y);
			COLORREF crNew = pfnMap(cr, crFrom, crTo);
			if (crNew != cr)
				::SetPixel(hMemDC, x, y, crNew);
		}
	}
	::SelectObject(hMemDC, hOld);
	::DeleteDC(hMemDC);
	return hBitmap;
}

} // namespace

HBITMAP CCoolToolBar::MakeGrayBitmap(HDC hRefDC, HDC hSrcDC, int cx, int cy)
{
	return MakeMappedCopy(hRefDC, hSrcDC, cx, cy, GrayPixel, 0, 0);
}

HBITMAP CCoolToolBar::MakeTransparentBitmap(HDC hRefDC, HDC hSrcDC, int cx, int cy, COLORREF crFrom, COLORREF crTo)
{
	return MakeMappedCopy(hRefDC, hSrcDC, cx, cy, ReplacePixel, crFrom, crTo);
}
