// BarBitmapTest.cpp: pixel checks of the bar painter: head, tiled middle, tail, solid fill.
#include "SkinTestSupport.h"

#include "skin/VeluSkin.h"

using namespace skintest;

namespace
{

// Bar skin pieces: red says the piece, green the position along the bar
// within the piece, blue the line across the bar.
enum BarPiece { kHead = 1, kMiddle = 2, kTail = 3 };

const int kHeadLen = 5;
const int kMiddleLen = 10;
const int kTailLen = 5;
const int kThickness = 6;

COLORREF BarColour(int nPiece, int nAlong, int nAcross) { return RGB(nPiece * 0x20, nAlong, nAcross); }
BYTE BarPieceOf(COLORREF cr) { return GetRValue(cr) / 0x20; }

COLORREF BarSkinAt(int nAlong, int nAcross, int nMiddleLen)
{
	if (nAlong < kHeadLen)
		return BarColour(kHead, nAlong, nAcross);
	if (nAlong < kHeadLen + nMiddleLen)
		return BarColour(kMiddle, nAlong - kHeadLen, nAcross);
	return BarColour(kTail, nAlong - kHeadLen - nMiddleLen, nAcross);
}

const COLORREF kFill = RGB(10, 200, 30);

class BarBitmapTest : public ::testing::Test
{
protected:
	BarBitmapTest() : m_canvas(130, 130, kBackground) {}

	// Skins run along x for horizontal bars and along y for vertical ones.
	HBITMAP MakeBarSkin(bool bHorizontal, int nMiddleLen = kMiddleLen)
	{
		int nLength = kHeadLen + nMiddleLen + kTailLen;
		if (bHorizontal)
			return MakeBitmap(nLength, kThickness, [=](int x, int y) { return BarSkinAt(x, y, nMiddleLen); });
		return MakeBitmap(kThickness, nLength, [=](int x, int y) { return BarSkinAt(y, x, nMiddleLen); });
	}

	void DrawBar(RECT rc, HBITMAP hSkin, bool bHorizontal, int nMiddleLen = kMiddleLen, BOOL bSolid = FALSE)
	{
		int nLengths[3] = { kHeadLen, nMiddleLen, kTailLen };
		CBarBitmap bar;
		bar.ShowMe(m_canvas, &rc, hSkin, m_nHeadInsets, m_nTailInsets, kThickness, nLengths,
			bHorizontal, kFill, bSolid);
	}

	// Pixel of a horizontal bar at (nAlong, nAcross) measured from rc's top-left.
	COLORREF At(const RECT& rc, bool bHorizontal, int nAlong, int nAcross) const
	{
		return bHorizontal ? m_canvas.At(rc.left + nAlong, rc.top + nAcross)
			: m_canvas.At(rc.left + nAcross, rc.top + nAlong);
	}

	// Line i of the head shows the skin's head line without its first
	// m_nHeadInsets[i] pixels; line i of the tail without its last m_nTailInsets[i].
	::testing::AssertionResult EndsAreDrawn(const RECT& rc, bool bHorizontal, int nBarLen,
		COLORREF crSolid = CLR_INVALID)
	{
		for (int i = 0; i < kThickness; i++)
		{
			for (int n = 0; n < kHeadLen; n++)
			{
				COLORREF crWanted = (n < m_nHeadInsets[i]) ? kBackground
					: (crSolid != CLR_INVALID ? crSolid : BarColour(kHead, n, i));
				COLORREF cr = At(rc, bHorizontal, n, i);
				if (cr != crWanted)
					return ::testing::AssertionFailure() << "head line " << i << " at " << n << " is "
						<< DescribeColour(cr) << ", expected " << DescribeColour(crWanted);
			}
			for (int n = 0; n < kTailLen; n++)
			{
				COLORREF crWanted = (n >= kTailLen - m_nTailInsets[i]) ? kBackground
					: (crSolid != CLR_INVALID ? crSolid : BarColour(kTail, n, i));
				COLORREF cr = At(rc, bHorizontal, nBarLen - kTailLen + n, i);
				if (cr != crWanted)
					return ::testing::AssertionFailure() << "tail line " << i << " at " << n << " is "
						<< DescribeColour(cr) << ", expected " << DescribeColour(crWanted);
			}
		}
		return ::testing::AssertionSuccess();
	}

	// A middle tile of nLen pixels starts at nStart along the bar.
	::testing::AssertionResult TileAt(const RECT& rc, bool bHorizontal, int nStart, int nLen)
	{
		for (int i = 0; i < kThickness; i++)
			for (int n = 0; n < nLen; n++)
			{
				COLORREF cr = At(rc, bHorizontal, nStart + n, i);
				if (cr != BarColour(kMiddle, n, i))
					return ::testing::AssertionFailure() << "tile pixel " << n << " of line " << i
						<< " at " << nStart + n << " is " << DescribeColour(cr);
			}
		return ::testing::AssertionSuccess();
	}

	// Across the bar nothing is painted past the thickness.
	::testing::AssertionResult NothingPastThickness(const RECT& rc, bool bHorizontal)
	{
		RECT rcPast = rc;
		if (bHorizontal)
			rcPast.top += kThickness;
		else
			rcPast.left += kThickness;
		return RegionIsColour(m_canvas, rcPast, kBackground);
	}

	vt::MemoryCanvas m_canvas;
	int m_nHeadInsets[kThickness] = { 3, 1, 0, 0, 1, 3 };
	int m_nTailInsets[kThickness] = { 2, 1, 0, 0, 0, 1 };
};

TEST_F(BarBitmapTest, MiddleIsTiledAndTheLastTileCutWhereTheTailBegins)
{
	vt::GdiObject skin(MakeBarSkin(true));
	// 100 long: nine whole tiles from 5 to 95. 101 long: the same nine and a
	// tenth of 1 pixel at 95, before the tail at 96.
	const int lengths[] = { 100, 101 };
	for (int nBarLen : lengths)
	{
		SCOPED_TRACE(::testing::Message() << "bar " << nBarLen << " long");
		m_canvas.Fill(kBackground);
		const RECT rc = { 10, 4, 10 + nBarLen, 24 };
		DrawBar(rc, skin.bitmap(), true);

		EXPECT_TRUE(EndsAreDrawn(rc, true, nBarLen));
		for (int j = 0; j < 9; j++)
			EXPECT_TRUE(TileAt(rc, true, kHeadLen + j * kMiddleLen, kMiddleLen)) << "tile " << j;
		if (nBarLen == 101)
			EXPECT_TRUE(TileAt(rc, true, 95, 1));
		EXPECT_TRUE(NothingPastThickness(rc, true));
	}
}

TEST_F(BarBitmapTest, VerticalBarRunsDownwards)
{
	vt::GdiObject skin(MakeBarSkin(false));
	const RECT rc = { 4, 10, 24, 111 };
	DrawBar(rc, skin.bitmap(), false);

	EXPECT_TRUE(EndsAreDrawn(rc, false, 101));
	for (int j = 0; j < 9; j++)
		EXPECT_TRUE(TileAt(rc, false, kHeadLen + j * kMiddleLen, kMiddleLen)) << "tile " << j;
	EXPECT_TRUE(TileAt(rc, false, 95, 1));
	EXPECT_TRUE(NothingPastThickness(rc, false));
}

TEST_F(BarBitmapTest, EmptyMiddleLeavesTheGapUnpainted)
{
	vt::GdiObject skin(MakeBarSkin(true, 0));
	const RECT rc = { 10, 4, 50, 24 };
	DrawBar(rc, skin.bitmap(), true, 0);

	EXPECT_TRUE(EndsAreDrawn(rc, true, 40));
	EXPECT_TRUE(RegionIsColour(m_canvas, { 15, 4, 45, 24 }, kBackground));
}

TEST_F(BarBitmapTest, ShortBarOverlapsHeadAndTail)
{
	vt::GdiObject skin(MakeBarSkin(true));
	const RECT rc = { 10, 4, 18, 24 };   // 8 long, head and tail 5 each
	DrawBar(rc, skin.bitmap(), true);

	// Line 2 has no insets: head pixels 0..2, then the tail from 3 on.
	EXPECT_EQ(BarColour(kHead, 2, 2), m_canvas.At(12, 6));
	EXPECT_EQ(BarColour(kTail, 0, 2), m_canvas.At(13, 6));
	EXPECT_EQ(BarColour(kTail, 4, 2), m_canvas.At(17, 6));
	EXPECT_TRUE(RegionMatches(m_canvas, { 0, 0, m_canvas.width(), m_canvas.height() },
		[](int, int, COLORREF cr) { return cr == kBackground || BarPieceOf(cr) != kMiddle; }, "anything but middle"));
	EXPECT_TRUE(RegionIsColour(m_canvas, { 18, 0, 130, 130 }, kBackground));
}

TEST_F(BarBitmapTest, SolidBarFillsTheRoundedOutlineOnly)
{
	::SetBkColor(m_canvas, RGB(7, 7, 7));
	const RECT rc = { 10, 4, 111, 24 };
	DrawBar(rc, NULL, true, kMiddleLen, TRUE);

	EXPECT_TRUE(EndsAreDrawn(rc, true, 101, kFill));
	EXPECT_TRUE(RegionIsColour(m_canvas, { 15, 4, 106, 10 }, kFill));
	EXPECT_TRUE(NothingPastThickness(rc, true));
	EXPECT_EQ(RGB(7, 7, 7), ::GetBkColor(m_canvas));
}

TEST_F(BarBitmapTest, SolidVerticalBarIgnoresTheSkin)
{
	vt::GdiObject skin(MakeBarSkin(false));
	const RECT rc = { 4, 10, 24, 110 };
	DrawBar(rc, skin.bitmap(), false, kMiddleLen, TRUE);

	EXPECT_TRUE(EndsAreDrawn(rc, false, 100, kFill));
	EXPECT_TRUE(RegionIsColour(m_canvas, { 4, 15, 10, 105 }, kFill));
	EXPECT_TRUE(NothingPastThickness(rc, false));
}

TEST_F(BarBitmapTest, PaintingBarsLeaksNothing)
{
	vt::GdiObject skin(MakeBarSkin(true));
	const RECT rc = { 10, 4, 111, 24 };
	// Warm-up: Wine keeps a few freed DCs for reuse during the first paints.
	for (int i = 0; i < 3; i++)
	{
		DrawBar(rc, skin.bitmap(), true);
		DrawBar(rc, NULL, true, kMiddleLen, TRUE);
	}
	HGDIOBJ hBitmapBefore = ::GetCurrentObject(m_canvas, OBJ_BITMAP);
	const int nObjectsBefore = vt::GdiObjectCount();
	ASSERT_GT(nObjectsBefore, 0) << "the GDI object counter works here";

	for (int i = 0; i < 100; i++)
	{
		DrawBar(rc, skin.bitmap(), true);
		DrawBar(rc, NULL, true, kMiddleLen, TRUE);
	}

	EXPECT_EQ(nObjectsBefore, vt::GdiObjectCount());
	EXPECT_EQ(hBitmapBefore, ::GetCurrentObject(m_canvas, OBJ_BITMAP));
	// The skin was let go each time: it can still be drawn.
	m_canvas.Fill(kBackground);
	DrawBar(rc, skin.bitmap(), true);
	EXPECT_TRUE(EndsAreDrawn(rc, true, 101));
}

} // namespace
