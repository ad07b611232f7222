// RoundBitmapTest.cpp: pixel checks of the nine-grid skin painter on a memory canvas.
#include "SkinTestSupport.h"

#include "skin/VeluSkin.h"

using namespace skintest;

namespace
{

// The test skin's nine pieces: red says which piece a pixel came from.
enum Piece
{
	kTopLeft = 1, kTopEdge, kTopRight,
	kLeftEdge, kCentrePiece, kRightEdge,
	kBottomLeft, kBottomEdge, kBottomRight
};

BYTE PieceOf(COLORREF cr) { return GetRValue(cr) / 0x10; }

// A skin laid out as nine pieces around corners of nCorner: red says the
// piece, green and blue the pixel's position inside it, so an unscaled copy
// can be checked exactly and a stretched one by the positions it runs through.
PixelFn NineGridSkin(int W, int H, int nCorner)
{
	return [=](int x, int y)
	{
		int nCol = (x < nCorner) ? 0 : (x >= W - nCorner ? 2 : 1);
		int nRow = (y < nCorner) ? 0 : (y >= H - nCorner ? 2 : 1);
		int xIn = (nCol == 0) ? x : (nCol == 2 ? x - (W - nCorner) : x - nCorner);
		int yIn = (nRow == 0) ? y : (nRow == 2 ? y - (H - nCorner) : y - nCorner);
		int nPiece = 1 + nRow * 3 + nCol;
		return RGB(nPiece * 0x10, xIn, yIn);
	};
}

// What the library's standard table must hold: only the outermost pixel of
// a corner's first row is left out. Expectations use this, painting uses the library's table.
const int kExpectedStdInsets[4] = { 1, 0, 0, 0 };

const int kSkinW = 42;
const int kSkinH = 20;
const int kCorner = 4;

class RoundBitmapTest : public ::testing::Test
{
protected:
	RoundBitmapTest()
		: m_canvas(140, 50, kBackground),
		  m_skin(MakeBitmap(kSkinW, kSkinH, NineGridSkin(kSkinW, kSkinH, kCorner))),
		  m_skinPixel(NineGridSkin(kSkinW, kSkinH, kCorner))
	{
		// The painter stretches with the destination's mode; whole pixels keep colours exact.
		::SetStretchBltMode(m_canvas, COLORONCOLOR);
	}

	void Draw(const RECT& rc, const int* pInsets = g_nStdCornerInsets, int nCorner = kCorner,
		DWORD dwFlags = kDrawBlockAll)
	{
		CRoundBitmap painter;
		painter.SetDrawBlockFlags(dwFlags);
		painter.ShowMe(m_canvas, &rc, m_skin.bitmap(), pInsets, nCorner);
	}

	// Row i of a corner is the skin's corner row, unscaled, except the inset
	// pixels at the corner's outer side, which keep the background.
	::testing::AssertionResult CornerIsDrawn(const RECT& rc, bool bLeft, bool bTop,
		const int* pInsets = kExpectedStdInsets, int nCorner = kCorner)
	{
		for (int i = 0; i < nCorner; i++)
		{
			int yDest = bTop ? rc.top + i : rc.bottom - 1 - i;
			int ySkin = bTop ? i : kSkinH - 1 - i;
			int xDest = bLeft ? rc.left : rc.right - nCorner;
			int xSkin = bLeft ? 0 : kSkinW - nCorner;
			int nInset = pInsets[i];
			RECT rcPainted = { bLeft ? xDest + nInset : xDest, yDest,
				bLeft ? xDest + nCorner : xDest + nCorner - nInset, yDest + 1 };
			RECT rcInset = { bLeft ? xDest : rcPainted.right, yDest,
				bLeft ? rcPainted.left : xDest + nCorner, yDest + 1 };
			::testing::AssertionResult painted = RegionIs(m_canvas, rcPainted,
				[&](int x, int) { return m_skinPixel(xSkin + x - xDest, ySkin); });
			if (!painted)
				return painted << " in corner row " << i;
			::testing::AssertionResult inset = RegionIsColour(m_canvas, rcInset, kBackground);
			if (!inset)
				return inset << " in the inset of corner row " << i;
		}
		return ::testing::AssertionSuccess();
	}

	// Every pixel of rc came from nPiece of the skin (any position in it).
	::testing::AssertionResult PieceFills(const RECT& rc, int nPiece)
	{
		return RegionMatches(m_canvas, rc,
			[nPiece](int, int, COLORREF cr) { return PieceOf(cr) == nPiece; }, "from the expected piece");
	}

	// Across the strip every line is the same; along it the skin positions
	// start at 0, end at nSrcLen - 1 and never go back or skip one, which is
	// what stretching nSrcLen pixels over a longer strip gives.
	::testing::AssertionResult StretchedAlong(const RECT& rc, bool bHorizontal, int nSrcLen)
	{
		const int nLines = bHorizontal ? rc.bottom - rc.top : rc.right - rc.left;
		const int nLength = bHorizontal ? rc.right - rc.left : rc.bottom - rc.top;
		for (int i = 0; i < nLines; i++)
		{
			int nPrevious = -1;
			for (int n = 0; n < nLength; n++)
			{
				COLORREF cr = bHorizontal ? m_canvas.At(rc.left + n, rc.top + i) : m_canvas.At(rc.left + i, rc.top + n);
				int nPos = bHorizontal ? GetGValue(cr) : GetBValue(cr);
				bool bOk = (n == 0) ? nPos == 0 : (nPos == nPrevious || nPos == nPrevious + 1);
				if (n == nLength - 1)
					bOk = bOk && nPos == nSrcLen - 1;
				if (!bOk)
					return ::testing::AssertionFailure() << "skin position " << nPos << " at " << n
						<< " of line " << i << " after " << nPrevious << " (source length " << nSrcLen << ")";
				nPrevious = nPos;
			}
		}
		return ::testing::AssertionSuccess();
	}

	// Nothing outside rc was painted.
	::testing::AssertionResult OutsideIsUntouched(const RECT& rc)
	{
		return RegionMatches(m_canvas, { 0, 0, m_canvas.width(), m_canvas.height() },
			[&](int x, int y, COLORREF cr)
			{
				POINT pt = { x, y };
				return ::PtInRect(&rc, pt) || cr == kBackground;
			}, "the untouched background outside the destination");
	}

	vt::MemoryCanvas m_canvas;
	vt::GdiObject m_skin;
	PixelFn m_skinPixel;
};

TEST_F(RoundBitmapTest, NewPainterDrawsEveryPiece)
{
	CRoundBitmap painter;
	EXPECT_EQ(0x0FFFFFFFu, painter.GetDrawBlockFlags());
	EXPECT_EQ(0x0FFFFFFFu, painter.SetDrawBlockFlags(kDrawBlockCentre));
	EXPECT_EQ(kDrawBlockCentre, painter.GetDrawBlockFlags());
}

TEST_F(RoundBitmapTest, CopiedPainterKeepsItsFlagsAndDrawsTheSame)
{
	CRoundBitmap original;
	original.SetDrawBlockFlags(kDrawBlockTop);
	CRoundBitmap copy(original);
	CRoundBitmap assigned;
	assigned = original;
	EXPECT_EQ(kDrawBlockTop, copy.GetDrawBlockFlags());
	EXPECT_EQ(kDrawBlockTop, assigned.GetDrawBlockFlags());

	const RECT rc = { 10, 8, 110, 38 };
	original.ShowMe(m_canvas, &rc, m_skin.bitmap(), g_nStdCornerInsets, kCorner);
	vt::MemoryCanvas other(m_canvas.width(), m_canvas.height(), kBackground);
	::SetStretchBltMode(other, COLORONCOLOR);
	assigned.ShowMe(other, &rc, m_skin.bitmap(), g_nStdCornerInsets, kCorner);
	EXPECT_TRUE(RegionIs(other, { 0, 0, other.width(), other.height() },
		[&](int x, int y) { return m_canvas.At(x, y); }));
	EXPECT_TRUE(RegionIsColour(other, { 0, 20, other.width(), other.height() }, kBackground));
}

TEST_F(RoundBitmapTest, ButtonSkinStretchesEdgesAndKeepsCornersUnscaled)
{
	const RECT rc = { 10, 8, 110, 38 };   // 100 x 30 from the 42 x 20 skin
	Draw(rc);

	EXPECT_TRUE(CornerIsDrawn(rc, true, true));
	EXPECT_TRUE(CornerIsDrawn(rc, false, true));
	EXPECT_TRUE(CornerIsDrawn(rc, true, false));
	EXPECT_TRUE(CornerIsDrawn(rc, false, false));

	// Top and bottom edges: 92 x 4, rows unscaled across the edge.
	EXPECT_TRUE(RegionMatches(m_canvas, { 14, 8, 106, 12 },
		[](int, int y, COLORREF cr) { return PieceOf(cr) == kTopEdge && GetBValue(cr) == y - 8; },
		"the top edge's matching row"));
	EXPECT_TRUE(RegionMatches(m_canvas, { 14, 34, 106, 38 },
		[](int, int y, COLORREF cr) { return PieceOf(cr) == kBottomEdge && GetBValue(cr) == y - 34; },
		"the bottom edge's matching row"));
	// Left and right edges: 4 x 22, columns unscaled across the edge.
	EXPECT_TRUE(RegionMatches(m_canvas, { 10, 12, 14, 34 },
		[](int x, int, COLORREF cr) { return PieceOf(cr) == kLeftEdge && GetGValue(cr) == x - 10; },
		"the left edge's matching column"));
	EXPECT_TRUE(RegionMatches(m_canvas, { 106, 12, 110, 34 },
		[](int x, int, COLORREF cr) { return PieceOf(cr) == kRightEdge && GetGValue(cr) == x - 106; },
		"the right edge's matching column"));
	EXPECT_TRUE(PieceFills({ 14, 12, 106, 34 }, kCentrePiece));
	EXPECT_TRUE(OutsideIsUntouched(rc));
}

TEST_F(RoundBitmapTest, EdgesAndCentreAreStretchedNotTiled)
{
	const RECT rc = { 10, 8, 110, 38 };
	Draw(rc);

	// 34-pixel strips over 92 pixels, 12-pixel strips over 22.
	EXPECT_TRUE(StretchedAlong({ 14, 8, 106, 12 }, true, kSkinW - 2 * kCorner));
	EXPECT_TRUE(StretchedAlong({ 14, 34, 106, 38 }, true, kSkinW - 2 * kCorner));
	EXPECT_TRUE(StretchedAlong({ 10, 12, 14, 34 }, false, kSkinH - 2 * kCorner));
	EXPECT_TRUE(StretchedAlong({ 106, 12, 110, 34 }, false, kSkinH - 2 * kCorner));
	EXPECT_TRUE(StretchedAlong({ 14, 12, 106, 34 }, true, kSkinW - 2 * kCorner));
	EXPECT_TRUE(StretchedAlong({ 14, 12, 106, 34 }, false, kSkinH - 2 * kCorner));
}

TEST_F(RoundBitmapTest, DestinationShorterThanTwoCornersLetsTheBottomWin)
{
	// 6 high: top and bottom pieces overlap in rows 2 and 3, where the
	// bottom ones, drawn later, show.
	const RECT rc = { 10, 8, 110, 14 };
	Draw(rc);

	EXPECT_TRUE(RegionMatches(m_canvas, { 14, 8, 106, 10 },
		[](int, int y, COLORREF cr) { return PieceOf(cr) == kTopEdge && GetBValue(cr) == y - 8; },
		"the top edge's matching row"));
	EXPECT_TRUE(RegionMatches(m_canvas, { 14, 10, 106, 14 },
		[](int, int y, COLORREF cr) { return PieceOf(cr) == kBottomEdge && GetBValue(cr) == y - 10; },
		"the bottom edge's matching row"));
	EXPECT_TRUE(PieceFills({ 11, 8, 14, 10 }, kTopLeft));
	EXPECT_TRUE(PieceFills({ 10, 10, 14, 13 }, kBottomLeft));
	EXPECT_TRUE(PieceFills({ 106, 10, 110, 13 }, kBottomRight));
	EXPECT_TRUE(OutsideIsUntouched(rc));
}

TEST_F(RoundBitmapTest, RoundedCornersKeepTheOutermostPixels)
{
	m_canvas.Fill(RGB(200, 100, 50));
	const RECT rc = { 10, 8, 110, 38 };
	Draw(rc);

	EXPECT_EQ(RGB(200, 100, 50), m_canvas.At(10, 8));
	EXPECT_EQ(RGB(200, 100, 50), m_canvas.At(109, 8));
	EXPECT_EQ(RGB(200, 100, 50), m_canvas.At(10, 37));
	EXPECT_EQ(RGB(200, 100, 50), m_canvas.At(109, 37));
	// Their neighbours along the row and the column are skin.
	EXPECT_EQ(m_skinPixel(1, 0), m_canvas.At(11, 8));
	EXPECT_EQ(m_skinPixel(0, 1), m_canvas.At(10, 9));
	EXPECT_EQ(m_skinPixel(kSkinW - 2, kSkinH - 1), m_canvas.At(108, 37));
}

TEST_F(RoundBitmapTest, BalloonInsetsRoundEachCornerRowByRow)
{
	const int kBalloonSkinW = 60;
	const int kBalloonSkinH = 40;
	vt::GdiObject skin(MakeBitmap(kBalloonSkinW, kBalloonSkinH, NineGridSkin(kBalloonSkinW, kBalloonSkinH, kBalloonCornerSize)));
	const RECT rc = { 5, 2, 125, 48 };
	CRoundBitmap painter;
	painter.ShowMe(m_canvas, &rc, skin.bitmap(), g_nBalloonCornerInsets, kBalloonCornerSize);

	// Left out per row, counted from the outer side: 9, 6, 5, 3, 3, 2, 1, 1, 1, 0, 0, 0.
	const int kUnpainted[kBalloonCornerSize] = { 9, 6, 5, 3, 3, 2, 1, 1, 1, 0, 0, 0 };
	for (int i = 0; i < kBalloonCornerSize; i++)
	{
		int n = kUnpainted[i];
		SCOPED_TRACE(::testing::Message() << "corner row " << i);
		EXPECT_TRUE(RegionIsColour(m_canvas, { rc.left, rc.top + i, rc.left + n, rc.top + i + 1 }, kBackground));
		EXPECT_TRUE(RegionIsColour(m_canvas, { rc.right - n, rc.bottom - 1 - i, rc.right, rc.bottom - i }, kBackground));
		EXPECT_EQ(kTopLeft, PieceOf(m_canvas.At(rc.left + n, rc.top + i)));
		EXPECT_EQ(kBottomRight, PieceOf(m_canvas.At(rc.right - 1 - n, rc.bottom - 1 - i)));
	}
}

TEST_F(RoundBitmapTest, DestinationTwoCornersWideHasSidesButNoTopBottomOrCentre)
{
	const RECT rc = { 10, 8, 18, 38 };
	Draw(rc);

	EXPECT_TRUE(CornerIsDrawn(rc, true, true));
	EXPECT_TRUE(CornerIsDrawn(rc, false, true));
	EXPECT_TRUE(CornerIsDrawn(rc, true, false));
	EXPECT_TRUE(CornerIsDrawn(rc, false, false));
	EXPECT_TRUE(PieceFills({ 10, 12, 14, 34 }, kLeftEdge));
	EXPECT_TRUE(PieceFills({ 14, 12, 18, 34 }, kRightEdge));
	EXPECT_TRUE(OutsideIsUntouched(rc));
}

TEST_F(RoundBitmapTest, DestinationNarrowerThanCornerCutsCornersAndDrawsAllTheirRows)
{
	// 3 x 2: every corner is cut to 3 columns but still draws its 4 rows, so
	// the top corners reach 2 rows below and the bottom ones 2 rows above.
	const RECT rc = { 10, 10, 13, 12 };
	Draw(rc);

	// The right corners are drawn after the left ones and win; a right corner
	// cut to 3 columns takes the skin's 3 outermost columns.
	const int xSkin = kSkinW - 3;
	auto skinRow = [&](int ySkin) { return [=](int x, int) { return m_skinPixel(xSkin + x - 10, ySkin); }; };
	EXPECT_TRUE(RegionIs(m_canvas, { 10, 8, 13, 9 }, skinRow(kSkinH - 4)));
	EXPECT_TRUE(RegionIs(m_canvas, { 10, 9, 13, 10 }, skinRow(kSkinH - 3)));
	EXPECT_TRUE(RegionIs(m_canvas, { 10, 10, 13, 11 }, skinRow(kSkinH - 2)));
	EXPECT_TRUE(RegionIs(m_canvas, { 10, 11, 12, 12 }, skinRow(kSkinH - 1)));
	// The bottom-right corner's first row is one pixel short: the top-right's row 1 shows there.
	EXPECT_EQ(m_skinPixel(kSkinW - 1, 1), m_canvas.At(12, 11));
	EXPECT_TRUE(RegionIs(m_canvas, { 10, 12, 13, 13 }, skinRow(2)));
	EXPECT_TRUE(RegionIs(m_canvas, { 10, 13, 13, 14 }, skinRow(3)));
	EXPECT_TRUE(OutsideIsUntouched({ 10, 8, 13, 14 }));
}

struct FlagsCase
{
	DWORD dwFlags;
	bool bTopLeft, bTopRight, bBottomLeft, bBottomRight;
	bool bTop, bBottom, bLeft, bRight, bCentre;
};

TEST_F(RoundBitmapTest, DrawBlockFlagsChooseThePieces)
{
	const FlagsCase cases[] =
	{
		{ kDrawBlockCentre, false, false, false, false, false, false, false, false, true },
		{ kDrawBlockTop, true, true, false, false, true, false, false, false, false },
		{ kDrawBlockLeft | kDrawBlockBottom, true, false, true, true, false, true, true, false, false },
	};
	const RECT rc = { 10, 8, 110, 38 };
	for (const FlagsCase& c : cases)
	{
		SCOPED_TRACE(::testing::Message() << "flags 0x" << std::hex << c.dwFlags);
		m_canvas.Fill(kBackground);
		Draw(rc, g_nStdCornerInsets, kCorner, c.dwFlags);

		auto check = [&](bool bDrawn, const RECT& rcPiece, int nPiece)
		{
			return bDrawn ? PieceFills(rcPiece, nPiece) : RegionIsColour(m_canvas, rcPiece, kBackground);
		};
		EXPECT_TRUE(check(c.bTopLeft, { 11, 8, 14, 9 }, kTopLeft));
		EXPECT_TRUE(check(c.bTopLeft, { 10, 9, 14, 12 }, kTopLeft));
		EXPECT_TRUE(check(c.bTopRight, { 106, 9, 110, 12 }, kTopRight));
		EXPECT_TRUE(check(c.bBottomLeft, { 10, 34, 14, 37 }, kBottomLeft));
		EXPECT_TRUE(check(c.bBottomRight, { 106, 34, 110, 37 }, kBottomRight));
		EXPECT_TRUE(check(c.bTop, { 14, 8, 106, 12 }, kTopEdge));
		EXPECT_TRUE(check(c.bBottom, { 14, 34, 106, 38 }, kBottomEdge));
		EXPECT_TRUE(check(c.bLeft, { 10, 12, 14, 34 }, kLeftEdge));
		EXPECT_TRUE(check(c.bRight, { 106, 12, 110, 34 }, kRightEdge));
		EXPECT_TRUE(check(c.bCentre, { 14, 12, 106, 34 }, kCentrePiece));
	}
}

TEST_F(RoundBitmapTest, CornerSizeZeroStretchesTheWholeSkin)
{
	// Exactly twice the skin's size, so every skin pixel becomes a 2 x 2 block.
	const RECT rc = { 10, 5, 10 + 2 * kSkinW, 5 + 2 * kSkinH };
	Draw(rc, NULL, 0);

	EXPECT_TRUE(RegionIs(m_canvas, rc, [&](int x, int y) { return m_skinPixel((x - 10) / 2, (y - 5) / 2); }));
	EXPECT_TRUE(OutsideIsUntouched(rc));
}

TEST_F(RoundBitmapTest, NullSkinDrawsNothing)
{
	const RECT rc = { 10, 8, 110, 38 };
	CRoundBitmap painter;
	painter.ShowMe(m_canvas, &rc, NULL, g_nStdCornerInsets, kCorner);
	EXPECT_TRUE(RegionIsColour(m_canvas, { 0, 0, m_canvas.width(), m_canvas.height() }, kBackground));
}

TEST_F(RoundBitmapTest, PaintingLeavesTheDestinationAsItWas)
{
	const RECT rc = { 10, 8, 110, 38 };
	// Warm-up: Wine keeps a few freed DCs for reuse during the first paints.
	for (int i = 0; i < 3; i++)
		Draw(rc);
	HGDIOBJ hBitmapBefore = ::GetCurrentObject(m_canvas, OBJ_BITMAP);
	const int nStretchBefore = ::GetStretchBltMode(m_canvas);
	const int nObjectsBefore = vt::GdiObjectCount();
	ASSERT_GT(nObjectsBefore, 0) << "the GDI object counter works here";

	for (int i = 0; i < 200; i++)
		Draw(rc);

	EXPECT_EQ(nObjectsBefore, vt::GdiObjectCount());
	EXPECT_EQ(hBitmapBefore, ::GetCurrentObject(m_canvas, OBJ_BITMAP));
	EXPECT_EQ(nStretchBefore, ::GetStretchBltMode(m_canvas));
	// The skin is borrowed and let go each time: it can still be drawn.
	m_canvas.Fill(kBackground);
	Draw(rc);
	EXPECT_TRUE(CornerIsDrawn(rc, true, true));
}

} // namespace
