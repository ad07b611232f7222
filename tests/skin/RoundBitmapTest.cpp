// RoundBitmapTest.cpp: pixel checks of the nine-grid skin painter on a memory canvas.
#include "SkinTestSupport.h"

#include "skin/VeluSkin.h"

using namespace skintest;

namespace {

enum Piece
{
	kTopLeft = 1, kTopEdge, kTopRight,
	kLeftEdge, kCentrePiece, kRightEdge,
	kBottomLeft, kBottomEdge, kBottomRight
};

BYTE PieceOf(COLORREF cr) { return GetRValue(cr) / 0x10; }

// Red says which of the nine pieces a pixel came from, green and blue its
// position inside it, so a piece drawn in the wrong place or scaled is caught.
PixelFn NineGridSkin(int W, int H, int nCorner)
{
	return [=](int x, int y) {
		int nCol = (x < nCorner) ? 0 : (x >= W - nCorner ? 2 : 1);
		int nRow = (y < nCorner) ? 0 : (y >= H - nCorner ? 2 : 1);
		int xIn = (nCol == 0) ? x : (nCol == 2 ? x - (W - nCorner) : x - nCorner);
		int yIn = (nRow == 0) ? y : (nRow == 2 ? y - (H - nCorner) : y - nCorner);
		return RGB((1 + nRow * 3 + nCol) * 0x10, xIn, yIn);
	};
}

// Only the outermost pixel of a corner's first row is left out. Expectations
// use this, painting uses the library's table.
const int kExpectedStdInsets[4] = { 1, 0, 0, 0 };

const int kSkinW = 42, kSkinH = 20, kCorner = 4;
const RECT kButton = { 10, 8, 110, 38 };   // 100 x 30 from the 42 x 20 skin

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

	// Drawn by an assigned copy of a copy of the painter the flags were set on: both keep them.
	void Draw(const RECT& rc, int nCorner = kCorner, DWORD dwFlags = kDrawBlockAll)
	{
		CRoundBitmap original;
		EXPECT_EQ(kDrawBlockAll, original.SetDrawBlockFlags(dwFlags));
		CRoundBitmap copy(original), painter;
		painter = copy;
		EXPECT_EQ(dwFlags, painter.GetDrawBlockFlags());
		painter.ShowMe(m_canvas, &rc, m_skin.bitmap(), nCorner ? g_nStdCornerInsets : NULL, nCorner);
	}

	// Row i of each corner is the skin's corner row, unscaled, except the
	// inset pixels at its outer side, which keep the destination's colour.
	::testing::AssertionResult CornersAreDrawn(const RECT& rc)
	{
		for (int nCorner = 0; nCorner < 4; nCorner++) {
			const bool bLeft = (nCorner % 2) == 0;
			const bool bTop = nCorner < 2;
			for (int i = 0; i < kCorner; i++) {
				int yDest = bTop ? rc.top + i : rc.bottom - 1 - i;
				int ySkin = bTop ? i : kSkinH - 1 - i;
				int xDest = bLeft ? rc.left : rc.right - kCorner;
				int xSkin = bLeft ? 0 : kSkinW - kCorner;
				int nInset = kExpectedStdInsets[i];
				::testing::AssertionResult row = RegionIs(m_canvas, { xDest, yDest, xDest + kCorner, yDest + 1 },
					[&](int x, int) {
						bool bInset = bLeft ? x < xDest + nInset : x >= xDest + kCorner - nInset;
						return bInset ? kBackground : m_skinPixel(xSkin + x - xDest, ySkin);
					});
				if (!row)
					return row << " in row " << i << " of corner " << nCorner;
			}
		}
		return ::testing::AssertionSuccess();
	}

	// Every pixel of rc came from nPiece of the skin (any position in it).
	::testing::AssertionResult PieceFills(const RECT& rc, int nPiece)
	{
		return RegionMatches(m_canvas, rc,
			[nPiece](int, int, COLORREF cr) { return PieceOf(cr) == nPiece; }, "from the expected piece");
	}

	// An edge comes from nPiece with the skin's lines unscaled across it:
	// rows for a horizontal edge, columns for a vertical one.
	::testing::AssertionResult EdgeLinesMatch(const RECT& rc, int nPiece, bool bHorizontal)
	{
		return RegionMatches(m_canvas, rc, [&](int x, int y, COLORREF cr) {
			int nAcross = bHorizontal ? GetBValue(cr) - (y - rc.top) : GetGValue(cr) - (x - rc.left);
			return PieceOf(cr) == nPiece && nAcross == 0;
		}, "the edge's matching line");
	}

	// Along the strip the skin positions start at 0, end at nSrcLen - 1 and
	// never go back or skip one: nSrcLen pixels stretched, not tiled.
	::testing::AssertionResult StretchedAlong(const RECT& rc, bool bHorizontal, int nSrcLen)
	{
		const int nLines = bHorizontal ? rc.bottom - rc.top : rc.right - rc.left;
		const int nLength = bHorizontal ? rc.right - rc.left : rc.bottom - rc.top;
		for (int i = 0; i < nLines; i++) {
			int nPrevious = -1;
			for (int n = 0; n < nLength; n++) {
				COLORREF cr = bHorizontal ? m_canvas.At(rc.left + n, rc.top + i) : m_canvas.At(rc.left + i, rc.top + n);
				int nPos = bHorizontal ? GetGValue(cr) : GetBValue(cr);
				bool bOk = (n == 0) ? nPos == 0 : (nPos == nPrevious || nPos == nPrevious + 1);
				if (!bOk || (n == nLength - 1 && nPos != nSrcLen - 1))
					return ::testing::AssertionFailure() << "skin position " << nPos << " at " << n
						<< " of line " << i << " after " << nPrevious << " (source length " << nSrcLen << ")";
				nPrevious = nPos;
			}
		}
		return ::testing::AssertionSuccess();
	}

	::testing::AssertionResult OutsideIsUntouched(const RECT& rc)
	{
		return RegionMatches(m_canvas, WholeOf(m_canvas), [&](int x, int y, COLORREF cr) {
			POINT pt = { x, y };
			return ::PtInRect(&rc, pt) || cr == kBackground;
		}, "the untouched background outside the destination");
	}

	vt::MemoryCanvas m_canvas;
	vt::GdiObject m_skin;
	PixelFn m_skinPixel;
};

// A 42 x 20 skin into 100 x 30: corners unscaled, edges stretched along
// their length, the centre both ways. The flags choose the pieces: a corner
// shows when either edge next to it does.
TEST_F(RoundBitmapTest, ButtonSkinStretchesEdgesKeepsCornersUnscaledAndDrawsThePiecesTheFlagsChoose)
{
	Draw(kButton);
	EXPECT_TRUE(CornersAreDrawn(kButton));
	struct Edge { RECT rc; int nPiece; bool bHorizontal; };
	const Edge edges[] = {
		{ { 14, 8, 106, 12 }, kTopEdge, true },      // 92 x 4 from 34 x 4
		{ { 14, 34, 106, 38 }, kBottomEdge, true },
		{ { 10, 12, 14, 34 }, kLeftEdge, false },    // 4 x 22 from 4 x 12
		{ { 106, 12, 110, 34 }, kRightEdge, false },
	};
	for (const Edge& e : edges) {
		SCOPED_TRACE(::testing::Message() << "piece " << e.nPiece);
		EXPECT_TRUE(EdgeLinesMatch(e.rc, e.nPiece, e.bHorizontal));
		EXPECT_TRUE(StretchedAlong(e.rc, e.bHorizontal, e.bHorizontal ? kSkinW - 2 * kCorner : kSkinH - 2 * kCorner));
	}
	const RECT rcCentre = { 14, 12, 106, 34 };
	EXPECT_TRUE(PieceFills(rcCentre, kCentrePiece));
	EXPECT_TRUE(StretchedAlong(rcCentre, true, kSkinW - 2 * kCorner));
	EXPECT_TRUE(StretchedAlong(rcCentre, false, kSkinH - 2 * kCorner));
	EXPECT_TRUE(OutsideIsUntouched(kButton));

	// Where each piece lands (corners without their inset pixel), and the pieces
	// each set of flags draws, bit n - 1 for piece n.
	const RECT rcPieces[] = {
		{ 10, 9, 14, 12 }, { 14, 8, 106, 12 }, { 106, 9, 110, 12 },
		{ 10, 12, 14, 34 }, { 14, 12, 106, 34 }, { 106, 12, 110, 34 },
		{ 10, 34, 14, 37 }, { 14, 34, 106, 38 }, { 106, 34, 110, 37 },
	};
	const struct { DWORD dwFlags; unsigned nPieces; } cases[] = {
		{ kDrawBlockCentre, 1u << (kCentrePiece - 1) },
		{ kDrawBlockTop, 0x7u },
		{ kDrawBlockLeft | kDrawBlockBottom, (1u << (kTopLeft - 1)) | (1u << (kLeftEdge - 1)) | 0x1C0u },
	};
	for (const auto& c : cases) {
		m_canvas.Fill(kBackground);
		Draw(kButton, kCorner, c.dwFlags);
		for (int nPiece = kTopLeft; nPiece <= kBottomRight; nPiece++) {
			SCOPED_TRACE(::testing::Message() << "flags 0x" << std::hex << c.dwFlags << std::dec << ", piece " << nPiece);
			const RECT& rc = rcPieces[nPiece - 1];
			EXPECT_TRUE((c.nPieces & (1u << (nPiece - 1))) ? PieceFills(rc, nPiece) : RegionIsColour(m_canvas, rc, kBackground));
		}
	}
}

TEST_F(RoundBitmapTest, BalloonInsetsRoundEachCornerRowByRow)
{
	const int kBalloonSkinW = 60, kBalloonSkinH = 40;
	vt::GdiObject skin(MakeBitmap(kBalloonSkinW, kBalloonSkinH, NineGridSkin(kBalloonSkinW, kBalloonSkinH, kBalloonCornerSize)));
	const RECT rc = { 5, 2, 125, 48 };
	CRoundBitmap painter;
	painter.ShowMe(m_canvas, &rc, skin.bitmap(), g_nBalloonCornerInsets, kBalloonCornerSize);

	const int kUnpainted[kBalloonCornerSize] = { 9, 6, 5, 3, 3, 2, 1, 1, 1, 0, 0, 0 };
	for (int i = 0; i < kBalloonCornerSize; i++) {
		int n = kUnpainted[i];
		SCOPED_TRACE(::testing::Message() << "corner row " << i);
		EXPECT_TRUE(RegionIsColour(m_canvas, { rc.left, rc.top + i, rc.left + n, rc.top + i + 1 }, kBackground));
		EXPECT_TRUE(RegionIsColour(m_canvas, { rc.right - n, rc.bottom - 1 - i, rc.right, rc.bottom - i }, kBackground));
		EXPECT_EQ(kTopLeft, PieceOf(m_canvas.At(rc.left + n, rc.top + i)));
		EXPECT_EQ(kBottomRight, PieceOf(m_canvas.At(rc.right - 1 - n, rc.bottom - 1 - i)));
	}
}

// Edges stretch along their length only: a destination two corners wide has
// its sides but no top, bottom or centre, one two corners tall the other way round.
TEST_F(RoundBitmapTest, DestinationTwoCornersAcrossHasOnlyTheEdgesAlongTheOtherWay)
{
	const struct { RECT rc; RECT first, second; int nFirst, nSecond; bool bHorizontal; } cases[] = {
		{ { 10, 8, 18, 38 }, { 10, 12, 14, 34 }, { 14, 12, 18, 34 }, kLeftEdge, kRightEdge, false },
		{ { 10, 8, 110, 16 }, { 14, 8, 106, 12 }, { 14, 12, 106, 16 }, kTopEdge, kBottomEdge, true },
	};
	for (const auto& c : cases) {
		SCOPED_TRACE(c.bHorizontal ? "two corners tall" : "two corners wide");
		m_canvas.Fill(kBackground);
		Draw(c.rc);
		EXPECT_TRUE(CornersAreDrawn(c.rc));
		EXPECT_TRUE(EdgeLinesMatch(c.first, c.nFirst, c.bHorizontal));
		EXPECT_TRUE(EdgeLinesMatch(c.second, c.nSecond, c.bHorizontal));
		EXPECT_TRUE(StretchedAlong(c.first, c.bHorizontal, c.bHorizontal ? kSkinW - 2 * kCorner : kSkinH - 2 * kCorner));
		EXPECT_TRUE(OutsideIsUntouched(c.rc));
	}
}

TEST_F(RoundBitmapTest, DestinationNarrowerThanCornerCutsCornersAndDrawsAllTheirRows)
{
	// 3 x 2: every corner is cut to 3 columns but still draws its 4 rows, so
	// the top corners reach 2 rows below and the bottom ones 2 rows above.
	const RECT rc = { 10, 10, 13, 12 };
	Draw(rc);

	// The right corners are drawn last and win; cut to 3 columns they take
	// the skin's 3 outermost columns.
	const int xSkin = kSkinW - 3;
	const int ySkin[6] = { kSkinH - 4, kSkinH - 3, kSkinH - 2, kSkinH - 1, 2, 3 };
	for (int i = 0; i < 6; i++) {
		SCOPED_TRACE(::testing::Message() << "row " << 8 + i);
		// The bottom-right corner's first row is one pixel short: the top-right's row 1 shows there.
		EXPECT_TRUE(RegionIs(m_canvas, { 10, 8 + i, 13, 9 + i }, [&](int x, int y)
			{ return (x == 12 && y == 11) ? m_skinPixel(kSkinW - 1, 1) : m_skinPixel(xSkin + x - 10, ySkin[i]); }));
	}
	EXPECT_TRUE(OutsideIsUntouched({ 10, 8, 13, 14 }));
}

TEST_F(RoundBitmapTest, CornerSizeZeroStretchesTheWholeSkinAndNullSkinDrawsNothing)
{
	// Exactly twice the skin's size, so every skin pixel becomes a 2 x 2 block.
	const RECT rc = { 10, 5, 10 + 2 * kSkinW, 5 + 2 * kSkinH };
	Draw(rc, 0);
	EXPECT_TRUE(RegionIs(m_canvas, rc, [&](int x, int y) { return m_skinPixel((x - 10) / 2, (y - 5) / 2); }));
	EXPECT_TRUE(OutsideIsUntouched(rc));

	m_canvas.Fill(kBackground);
	CRoundBitmap painter;
	painter.ShowMe(m_canvas, &kButton, NULL, g_nStdCornerInsets, kCorner);
	EXPECT_TRUE(RegionIsColour(m_canvas, WholeOf(m_canvas), kBackground));
}

} // namespace
