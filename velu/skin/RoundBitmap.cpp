// RoundBitmap.cpp: the nine-grid skin painter and the module-wide corner inset tables.
#include <afxwin.h>
#include <string.h>

#include "skin/VeluSkin.h"

AFX_EXT_DATADEF const int g_nStdCornerInsets[kStdCornerSize] = { 1, 0, 0, 0 };
AFX_EXT_DATADEF const int g_nBalloonCornerInsets[kBalloonCornerSize] = { 9, 6, 5, 3, 3, 2, 1, 1, 1, 0, 0, 0 };

/////////////////////////////////////////////////////////////////////////////
// Construction

// The destination, insets and corner size are zeroed although ShowMe always
// sets them, so that copying a fresh painter copies defined values.
CRoundBitmap::CRoundBitmap()
	: m_hBitmap(NULL), m_nBmpWidth(0), m_nBmpHeight(0), m_nCornerSize(0),
	  m_dwDrawBlockFlags(kDrawBlockAll)
{
	::SetRectEmpty(&m_rcDest);
	memset(m_nInsets, 0, sizeof(m_nInsets));
}

CRoundBitmap::CRoundBitmap(const CRoundBitmap& src)
{
	CopyFrom(src);
}

CRoundBitmap& CRoundBitmap::operator=(const CRoundBitmap& src)
{
	if (this != &src)
		CopyFrom(src);
	return *this;
}

// The skin belongs to the caller: forget it, never delete it.
CRoundBitmap::~CRoundBitmap()
{
	m_hBitmap = NULL;
}

void CRoundBitmap::CopyFrom(const CRoundBitmap& src)
{
	m_hBitmap = src.m_hBitmap;
	m_nBmpWidth = src.m_nBmpWidth;
	m_nBmpHeight = src.m_nBmpHeight;
	m_rcDest = src.m_rcDest;
	memcpy(m_nInsets, src.m_nInsets, sizeof(m_nInsets));
	m_nCornerSize = src.m_nCornerSize;
	m_dwDrawBlockFlags = src.m_dwDrawBlockFlags;
}

/////////////////////////////////////////////////////////////////////////////
// Attributes

DWORD CRoundBitmap::GetDrawBlockFlags() const
{
	return m_dwDrawBlockFlags;
}

DWORD CRoundBitmap::SetDrawBlockFlags(DWORD dwFlags)
{
	DWORD dwOld = m_dwDrawBlockFlags;
	m_dwDrawBlockFlags = dwFlags;
	return dwOld;
}

/////////////////////////////////////////////////////////////////////////////
// Operations

// A corner size outside 0..kMaxCornerSize draws nothing rather than reading
// past the inset table; null insets mean square corners.
void CRoundBitmap::ShowMe(HDC hDC, const RECT* pRect, HBITMAP hBitmap, const int* pInsets, int nCornerSize)
{
	if (pRect == NULL || nCornerSize < 0 || nCornerSize > kMaxCornerSize)
		return;

	m_hBitmap = hBitmap;
	m_rcDest = *pRect;
	if (pInsets != NULL)
		memcpy(m_nInsets, pInsets, nCornerSize * sizeof(int));
	else
		memset(m_nInsets, 0, nCornerSize * sizeof(int));
	m_nCornerSize = nCornerSize;

	BITMAP bm;
	if (hBitmap != NULL && ::GetObjectA(hBitmap, sizeof(bm), &bm) == sizeof(bm))
	{
		m_nBmpWidth = bm.bmWidth;
		m_nBmpHeight = bm.bmHeight;
	}
	else
	{
		m_nBmpWidth = 0;
		m_nBmpHeight = 0;
	}
	OnDraw(hDC);
}

/////////////////////////////////////////////////////////////////////////////
// Drawing

// Corners first, then top and bottom edges, left and right edges, the centre:
// a later piece wins where pieces overlap on tiny destinations.
void CRoundBitmap::OnDraw(HDC hDC)
{
	if (m_hBitmap == NULL)
		return;

	HDC hSkinDC = ::CreateCompatibleDC(hDC);
	if (hSkinDC == NULL)
		return;
	HGDIOBJ hOldBitmap = ::SelectObject(hSkinDC, m_hBitmap);
	if (hOldBitmap != NULL)
	{
		int nDestW = m_rcDest.right - m_rcDest.left;
		int nDestH = m_rcDest.bottom - m_rcDest.top;
		// An inverted destination has no corners, and then no middle either.
		int nCornerW = (nDestW < m_nCornerSize) ? (nDestW > 0 ? nDestW : 0) : m_nCornerSize;
		int nCornerH = (nDestH < m_nCornerSize) ? (nDestH > 0 ? nDestH : 0) : m_nCornerSize;

		DrawCorners(hDC, hSkinDC, nCornerW);
		DrawEdges(hDC, hSkinDC, nCornerW, nCornerH);
		DrawCentre(hDC, hSkinDC, nCornerW, nCornerH);

		::SelectObject(hSkinDC, hOldBitmap);
	}
	::DeleteDC(hSkinDC);
}

// Corners are copied unscaled, one blit per row. The same insets serve all
// four corners, mirrored: every corner draws all N rows, also when the
// destination is shorter than N.
void CRoundBitmap::DrawCorners(HDC hDC, HDC hSkinDC, int nCornerW) const
{
	const DWORD f = m_dwDrawBlockFlags;
	if (f & (kDrawBlockLeft | kDrawBlockTop))
		DrawCorner(hDC, hSkinDC, nCornerW, TRUE, TRUE);
	if (f & (kDrawBlockLeft | kDrawBlockBottom))
		DrawCorner(hDC, hSkinDC, nCornerW, TRUE, FALSE);
	if (f & (kDrawBlockTop | kDrawBlockRight))
		DrawCorner(hDC, hSkinDC, nCornerW, FALSE, TRUE);
	if (f & (kDrawBlockRight | kDrawBlockBottom))
		DrawCorner(hDC, hSkinDC, nCornerW, FALSE, FALSE);
}

// Row i of a top corner counts from the top, of a bottom corner from the
// bottom; its inset is cut on the corner's outer side.
void CRoundBitmap::DrawCorner(HDC hDC, HDC hSkinDC, int nCornerW, BOOL bLeft, BOOL bTop) const
{
	const RECT& rc = m_rcDest;
	for (int i = 0; i < m_nCornerSize; i++)
	{
		int nInset = m_nInsets[i];
		int nWidth = nCornerW - nInset;
		if (nWidth <= 0)
			continue;
		int xDest = bLeft ? rc.left + nInset : rc.right - nCornerW;
		int xSrc = bLeft ? nInset : m_nBmpWidth - nCornerW;
		int yDest = bTop ? rc.top + i : rc.bottom - i - 1;
		int ySrc = bTop ? i : m_nBmpHeight - i - 1;
		::BitBlt(hDC, xDest, yDest, nWidth, 1, hSkinDC, xSrc, ySrc, SRCCOPY);
	}
}

// Edges are stretched, never tiled, with the destination's own stretch mode.
// A skin too small to have an edge strip between its corners draws no edge
// (a negative source extent would mirror the skin instead).
void CRoundBitmap::DrawEdges(HDC hDC, HDC hSkinDC, int nCornerW, int nCornerH) const
{
	const DWORD f = m_dwDrawBlockFlags;
	const RECT& rc = m_rcDest;
	const int W = m_nBmpWidth;
	const int H = m_nBmpHeight;
	const int N = m_nCornerSize;
	const int nMidW = (rc.right - rc.left) - 2 * nCornerW;
	const int nMidH = (rc.bottom - rc.top) - 2 * nCornerH;

	if (nMidW > 0 && W - 2 * N > 0 && nCornerH > 0)
	{
		if (f & kDrawBlockTop)
			::StretchBlt(hDC, rc.left + nCornerW, rc.top, nMidW, nCornerH,
				hSkinDC, nCornerW, 0, W - 2 * N, nCornerH, SRCCOPY);
		if (f & kDrawBlockBottom)
			::StretchBlt(hDC, rc.left + nCornerW, rc.bottom - nCornerH, nMidW, nCornerH,
				hSkinDC, nCornerW, H - nCornerH, W - 2 * N, nCornerH, SRCCOPY);
	}
	if (nMidH > 0 && H - 2 * N > 0 && nCornerW > 0)
	{
		if (f & kDrawBlockLeft)
			::StretchBlt(hDC, rc.left, rc.top + nCornerH, nCornerW, nMidH,
				hSkinDC, 0, nCornerH, nCornerW, H - 2 * N, SRCCOPY);
		if (f & kDrawBlockRight)
			::StretchBlt(hDC, rc.right - nCornerW, rc.top + nCornerH, nCornerW, nMidH,
				hSkinDC, W - nCornerW, nCornerH, nCornerW, H - 2 * N, SRCCOPY);
	}
}

// With corner size 0 this stretches the whole skin over the whole destination.
void CRoundBitmap::DrawCentre(HDC hDC, HDC hSkinDC, int nCornerW, int nCornerH) const
{
	const RECT& rc = m_rcDest;
	const int nSrcW = m_nBmpWidth - 2 * m_nCornerSize;
	const int nSrcH = m_nBmpHeight - 2 * m_nCornerSize;
	const int nMidW = (rc.right - rc.left) - 2 * nCornerW;
	const int nMidH = (rc.bottom - rc.top) - 2 * nCornerH;

	if ((m_dwDrawBlockFlags & kDrawBlockCentre) && nMidW > 0 && nMidH > 0 && nSrcW > 0 && nSrcH > 0)
		::StretchBlt(hDC, rc.left + nCornerW, rc.top + nCornerH, nMidW, nMidH,
			hSkinDC, nCornerW, nCornerH, nSrcW, nSrcH, SRCCOPY);
}
