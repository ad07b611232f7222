// BarBitmap.cpp: the bar painter: head, tiled middle and tail, from a skin or in one solid colour.
#include <afxwin.h>

#include "skin/VeluSkin.h"

/////////////////////////////////////////////////////////////////////////////
// Construction: the painter holds no state.

CBarBitmap::CBarBitmap()
{
}

CBarBitmap::~CBarBitmap()
{
}

CBarBitmap& CBarBitmap::operator=(const CBarBitmap&)
{
	return *this;
}

/////////////////////////////////////////////////////////////////////////////
// Operations

// Without a skin (and not solid) there is nothing to copy from, so nothing is drawn.
void CBarBitmap::ShowMe(HDC hDC, RECT* pRect, HBITMAP hBitmap, int* pHeadInsets, int* pTailInsets,
	int nThickness, int* pLengths, BOOL bHorizontal, COLORREF crFill, BOOL bSolid)
{
	if (pRect == NULL || pLengths == NULL || pHeadInsets == NULL || pTailInsets == NULL)
		return;
	if (!bSolid && hBitmap == NULL)
		return;

	HDC hSkinDC = NULL;
	HGDIOBJ hOldBitmap = NULL;
	if (!bSolid)
	{
		hSkinDC = ::CreateCompatibleDC(hDC);
		if (hSkinDC == NULL)
			return;
		hOldBitmap = ::SelectObject(hSkinDC, hBitmap);
		if (hOldBitmap == NULL)
		{
			::DeleteDC(hSkinDC);
			return;
		}
	}

	const int nHead = pLengths[kBarHead];
	const int nMiddle = pLengths[kBarMiddle];
	const int nTail = pLengths[kBarTail];
	DrawEnd(hDC, *pRect, hSkinDC, pHeadInsets, nThickness, nHead, 0, TRUE, bHorizontal, crFill, bSolid);
	DrawMiddle(hDC, *pRect, hSkinDC, nThickness, pLengths, bHorizontal, crFill, bSolid);
	DrawEnd(hDC, *pRect, hSkinDC, pTailInsets, nThickness, nTail, nHead + nMiddle, FALSE, bHorizontal, crFill, bSolid);

	if (!bSolid)
	{
		::SelectObject(hSkinDC, hOldBitmap);
		::DeleteDC(hSkinDC);
	}
}

/////////////////////////////////////////////////////////////////////////////
// Implementation

// One line per step across the thickness. The head is drawn at the bar's
// start with its insets cut at the outer start; the tail at the bar's end
// with its insets cut at the outer end. nSkinPos is where the piece begins
// along the skin's length.
void CBarBitmap::DrawEnd(HDC hDC, const RECT& rcBar, HDC hSrcDC, const int* pInsets, int nThickness,
	int nLength, int nSkinPos, BOOL bHead, BOOL bHorizontal, COLORREF crFill, BOOL bSolid)
{
	if (nLength <= 0)
		return;
	for (int i = 0; i < nThickness; i++)
	{
		int nInset = pInsets[i];
		int nCut = bHead ? nInset : 0;
		if (bHorizontal)
		{
			int x = bHead ? rcBar.left + nInset : rcBar.right - nLength;
			FillBar(hDC, x, rcBar.top + i, nLength - nInset, 1, hSrcDC, nSkinPos + nCut, i, crFill, bSolid);
		}
		else
		{
			int y = bHead ? rcBar.top + nInset : rcBar.bottom - nLength;
			FillBar(hDC, rcBar.left + i, y, 1, nLength - nInset, hSrcDC, i, nSkinPos + nCut, crFill, bSolid);
		}
	}
}

// The middle piece is tiled, never stretched; the last tile is cut where the tail begins.
void CBarBitmap::DrawMiddle(HDC hDC, const RECT& rcBar, HDC hSrcDC, int nThickness, const int* pLengths,
	BOOL bHorizontal, COLORREF crFill, BOOL bSolid)
{
	const int nHead = pLengths[kBarHead];
	const int nMiddle = pLengths[kBarMiddle];
	const int nTail = pLengths[kBarTail];
	if (nMiddle < 1)
		return;

	int nPos = (bHorizontal ? rcBar.left : rcBar.top) + nHead;
	const int nEnd = (bHorizontal ? rcBar.right : rcBar.bottom) - nTail;
	for (; nPos < nEnd; nPos += nMiddle)
	{
		int nLength = (nPos + nMiddle > nEnd) ? nEnd - nPos : nMiddle;
		if (bHorizontal)
			FillBar(hDC, nPos, rcBar.top, nLength, nThickness, hSrcDC, nHead, 0, crFill, bSolid);
		else
			FillBar(hDC, rcBar.left, nPos, nThickness, nLength, hSrcDC, 0, nHead, crFill, bSolid);
	}
}

// Solid pieces are filled by an empty opaque text, which paints the
// background colour over the rectangle without any brush.
void CBarBitmap::FillBar(HDC hDC, int x, int y, int cx, int cy, HDC hSrcDC, int xSrc, int ySrc,
	COLORREF crFill, BOOL bSolid)
{
	if (cx <= 0 || cy <= 0)
		return;
	if (!bSolid)
	{
		::BitBlt(hDC, x, y, cx, cy, hSrcDC, xSrc, ySrc, SRCCOPY);
		return;
	}
	RECT rc = { x, y, x + cx, y + cy };
	COLORREF crOld = ::SetBkColor(hDC, crFill);
	::ExtTextOutA(hDC, 0, 0, ETO_OPAQUE, &rc, NULL, 0, NULL);
	::SetBkColor(hDC, crOld);
}
