// VeluSkin.h: skin painters, nine-grid and bar.
#ifndef VELU_SKIN_VELUSKIN_H
#define VELU_SKIN_VELUSKIN_H

#include <afxwin.h>

/////////////////////////////////////////////////////////////////////////////
// Corner insets shared by every skinned control

// Largest corner a nine-grid painter holds insets for.
const int kMaxCornerSize = 128;

// Button, combo box, progress, tool bar and tooltip skins: only the outermost
// pixel of the first row of each corner is left out.
const int kStdCornerSize = 4;
extern AFX_EXT_DATA const int g_nStdCornerInsets[kStdCornerSize];

// Balloon tips have a wide rounding.
const int kBalloonCornerSize = 12;
extern AFX_EXT_DATA const int g_nBalloonCornerInsets[kBalloonCornerSize];

/////////////////////////////////////////////////////////////////////////////
// Draw-block flags of CRoundBitmap. A corner has no bit of its own: it is
// drawn when either of its two adjacent edges is.

const DWORD kDrawBlockCentre = 0x01;
const DWORD kDrawBlockLeft   = 0x02;
const DWORD kDrawBlockTop    = 0x04;
const DWORD kDrawBlockRight  = 0x08;
const DWORD kDrawBlockBottom = 0x10;
// The default: 28 bits set, everything drawn.
const DWORD kDrawBlockAll    = 0x0FFFFFFF;

/////////////////////////////////////////////////////////////////////////////
// CRoundBitmap: draws a skin into a rectangle of any size by cutting it into
// nine pieces: unscaled corners (rounded by per-row insets), edges stretched
// along their length and a centre stretched both ways. A short-lived value
// object; it never owns the skin.

class AFX_EXT_CLASS CRoundBitmap
{
// Constructors
public:
	CRoundBitmap();
	CRoundBitmap(const CRoundBitmap& src);
	CRoundBitmap& operator=(const CRoundBitmap& src);
	// Not virtual: painters live on the stack and are never deleted through a base.
	~CRoundBitmap();

// Attributes
public:
	DWORD GetDrawBlockFlags() const;
	DWORD SetDrawBlockFlags(DWORD dwFlags);

// Operations
public:
	// Records the skin, destination, insets and corner size and draws at once.
	// pInsets holds at least nCornerSize entries.
	void ShowMe(HDC hDC, const RECT* pRect, HBITMAP hBitmap, const int* pInsets, int nCornerSize);

// Overridables
private:
	virtual void OnDraw(HDC hDC);

// Implementation
private:
	HBITMAP m_hBitmap;          // not owned
	int     m_nBmpWidth;
	int     m_nBmpHeight;
	RECT    m_rcDest;
	int     m_nInsets[kMaxCornerSize];
	int     m_nCornerSize;
	DWORD   m_dwDrawBlockFlags;

	void CopyFrom(const CRoundBitmap& src);
	void DrawCorners(HDC hDC, HDC hSkinDC, int nCornerW) const;
	void DrawCorner(HDC hDC, HDC hSkinDC, int nCornerW, BOOL bLeft, BOOL bTop) const;
	void DrawEdges(HDC hDC, HDC hSkinDC, int nCornerW, int nCornerH) const;
	void DrawCentre(HDC hDC, HDC hSkinDC, int nCornerW, int nCornerH) const;
};

/////////////////////////////////////////////////////////////////////////////
// CBarBitmap: draws a bar from a three-piece skin (head, tiled middle, tail)
// with rounded ends, or fills the same outline with one colour.

// Indexes into the lengths array of CBarBitmap::ShowMe.
const int kBarHead   = 0;
const int kBarMiddle = 1;
const int kBarTail   = 2;

class AFX_EXT_CLASS CBarBitmap
{
// Constructors
public:
	CBarBitmap();
	~CBarBitmap();
	CBarBitmap& operator=(const CBarBitmap& src);

// Operations
public:
	// pLengths: head, middle and tail length. pHeadInsets and pTailInsets hold
	// nThickness entries. With bSolid the skin is ignored and crFill used.
	void ShowMe(HDC hDC, RECT* pRect, HBITMAP hBitmap, int* pHeadInsets, int* pTailInsets,
		int nThickness, int* pLengths, BOOL bHorizontal, COLORREF crFill, BOOL bSolid);

// Implementation
private:
	void FillBar(HDC hDC, int x, int y, int cx, int cy, HDC hSrcDC, int xSrc, int ySrc,
		COLORREF crFill, BOOL bSolid);
	void DrawEnd(HDC hDC, const RECT& rcBar, HDC hSrcDC, const int* pInsets, int nThickness,
		int nLength, int nSkinPos, BOOL bHead, BOOL bHorizontal, COLORREF crFill, BOOL bSolid);
	void DrawMiddle(HDC hDC, const RECT& rcBar, HDC hSrcDC, int nThickness, const int* pLengths,
		BOOL bHorizontal, COLORREF crFill, BOOL bSolid);
};

#endif // VELU_SKIN_VELUSKIN_H
