// BarBitmapTest.cpp: pixel checks of the bar painter: head, tiled middle, tail, solid fill.
#include "SkinTestSupport.h"

#include "skin/VeluSkin.h"

using namespace skintest;

namespace {

// Bar skin pieces: red says the piece, green the position along the bar
// within the piece, blue the line across the bar.
enum BarPiece { kHead = 1, kMiddle = 2, kTail = 3 };

const int kHeadLen = 5, kMiddleLen = 10, kTailLen = 5, kThickness = 6;
const int kHeadInsets[kThickness] = { 3, 1, 0, 0, 1, 3 };
const int kTailInsets[kThickness] = { 2, 1, 0, 0, 0, 1 };
const COLORREF kFill = RGB(10, 200, 30);

COLORREF BarColour(int nPiece, int nAlong, int nAcross) { return RGB(nPiece * 0x20, nAlong, nAcross); }

class BarBitmapTest : public ::testing::Test
{
protected:
	BarBitmapTest() : m_canvas(130, 130, kBackground) {}

	// Skins run along x for horizontal bars and along y for vertical ones.
	static HBITMAP MakeBarSkin(bool bHorizontal, int nMiddleLen = kMiddleLen)
	{
		auto at = [=](int nAlong, int nAcross) {
			if (nAlong < kHeadLen)
				return BarColour(kHead, nAlong, nAcross);
			if (nAlong < kHeadLen + nMiddleLen)
				return BarColour(kMiddle, nAlong - kHeadLen, nAcross);
			return BarColour(kTail, nAlong - kHeadLen - nMiddleLen, nAcross);
		};
		const int nLength = kHeadLen + nMiddleLen + kTailLen;
		if (bHorizontal)
			return MakeBitmap(nLength, kThickness, [=](int x, int y) { return at(x, y); });
		return MakeBitmap(kThickness, nLength, [=](int x, int y) { return at(y, x); });
	}

	void DrawBar(RECT rc, HBITMAP hSkin, bool bHorizontal, int nMiddleLen = kMiddleLen, BOOL bSolid = FALSE)
	{
		int nLengths[3] = { kHeadLen, nMiddleLen, kTailLen };
		CBarBitmap bar;
		// The painter takes the insets by non-const pointer but only reads them.
		bar.ShowMe(m_canvas, &rc, hSkin, const_cast<int*>(kHeadInsets), const_cast<int*>(kTailInsets),
			kThickness, nLengths, bHorizontal, kFill, bSolid);
	}

	// The pixels of lines 0 .. kThickness - 1 from nFrom to nTo along the bar.
	static RECT Span(const RECT& rc, bool bHorizontal, int nFrom, int nTo)
	{
		if (bHorizontal)
			return { rc.left + nFrom, rc.top, rc.left + nTo, rc.top + kThickness };
		return { rc.left, rc.top + nFrom, rc.left + kThickness, rc.top + nTo };
	}

	// Line i of the head shows the skin's head line without its first
	// kHeadInsets[i] pixels, line i of the tail without its last
	// kTailInsets[i]; a solid bar shows crSolid instead of the skin.
	::testing::AssertionResult EndsAreDrawn(const RECT& rc, bool bHorizontal, int nBarLen,
		COLORREF crSolid = CLR_INVALID)
	{
		auto end = [&](int nPiece, int nStart, int nLen, const int* pInsets) {
			return RegionIs(m_canvas, Span(rc, bHorizontal, nStart, nStart + nLen), [=](int x, int y) {
				int nAlong = (bHorizontal ? x - rc.left : y - rc.top) - nStart;
				int nAcross = bHorizontal ? y - rc.top : x - rc.left;
				bool bInset = (nPiece == kHead) ? nAlong < pInsets[nAcross] : nAlong >= nLen - pInsets[nAcross];
				if (bInset)
					return kBackground;
				return crSolid != CLR_INVALID ? crSolid : BarColour(nPiece, nAlong, nAcross);
			});
		};
		::testing::AssertionResult head = end(kHead, 0, kHeadLen, kHeadInsets);
		if (!head)
			return head << " in the head";
		::testing::AssertionResult tail = end(kTail, nBarLen - kTailLen, kTailLen, kTailInsets);
		return tail ? tail : (tail << " in the tail");
	}

	// Between head and tail the middle repeats unscaled from just after the
	// head; the last tile is cut where the tail begins.
	::testing::AssertionResult MiddleIsTiled(const RECT& rc, bool bHorizontal, int nBarLen)
	{
		return RegionIs(m_canvas, Span(rc, bHorizontal, kHeadLen, nBarLen - kTailLen), [=](int x, int y) {
			int nAlong = (bHorizontal ? x - rc.left : y - rc.top) - kHeadLen;
			return BarColour(kMiddle, nAlong % kMiddleLen, bHorizontal ? y - rc.top : x - rc.left);
		});
	}

	// Across the bar nothing is painted past the thickness.
	::testing::AssertionResult NothingPastThickness(RECT rc, bool bHorizontal)
	{
		(bHorizontal ? rc.top : rc.left) += kThickness;
		return RegionIsColour(m_canvas, rc, kBackground);
	}

	vt::MemoryCanvas m_canvas;
};

struct BarCase { bool bHorizontal; int nLength;
	RECT Rect() const { return bHorizontal ? RECT{ 10, 4, 10 + nLength, 24 } : RECT{ 4, 10, 24, 10 + nLength }; }
};

TEST_F(BarBitmapTest, MiddleIsTiledAndTheLastTileCutWhereTheTailBegins)
{
	// 100 long: nine whole tiles from 5 to 95; 101 long: a tenth of 1 pixel at 95.
	const BarCase cases[] = { { true, 100 }, { true, 101 }, { false, 101 } };
	for (const BarCase& c : cases) {
		SCOPED_TRACE(::testing::Message() << (c.bHorizontal ? "horizontal " : "vertical ") << c.nLength);
		m_canvas.Fill(kBackground);
		vt::GdiObject skin(MakeBarSkin(c.bHorizontal));
		const RECT rc = c.Rect();
		DrawBar(rc, skin.bitmap(), c.bHorizontal);

		EXPECT_TRUE(EndsAreDrawn(rc, c.bHorizontal, c.nLength));
		EXPECT_TRUE(MiddleIsTiled(rc, c.bHorizontal, c.nLength));
		EXPECT_TRUE(NothingPastThickness(rc, c.bHorizontal));
	}
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

	// Line 2 has no insets: head pixels 0..2, then the whole tail from 3 on.
	EXPECT_TRUE(RegionIs(m_canvas, { 10, 6, 18, 7 },
		[](int x, int) { return x < 13 ? BarColour(kHead, x - 10, 2) : BarColour(kTail, x - 13, 2); }));
	EXPECT_TRUE(RegionMatches(m_canvas, WholeOf(m_canvas),
		[](int, int, COLORREF cr) { return cr == kBackground || GetRValue(cr) != kMiddle * 0x20; }, "anything but middle"));
	EXPECT_TRUE(RegionIsColour(m_canvas, { 18, 0, 130, 130 }, kBackground));
}

TEST_F(BarBitmapTest, SolidBarFillsTheRoundedOutlineOnly)
{
	// The skin, given or not, plays no part in a solid bar.
	vt::GdiObject skin(MakeBarSkin(false));
	const BarCase cases[] = { { true, 101 }, { false, 100 } };
	for (const BarCase& c : cases) {
		SCOPED_TRACE(c.bHorizontal ? "horizontal" : "vertical");
		m_canvas.Fill(kBackground);
		::SetBkColor(m_canvas, RGB(7, 7, 7));
		const RECT rc = c.Rect();
		DrawBar(rc, c.bHorizontal ? NULL : skin.bitmap(), c.bHorizontal, kMiddleLen, TRUE);

		EXPECT_TRUE(EndsAreDrawn(rc, c.bHorizontal, c.nLength, kFill));
		EXPECT_TRUE(RegionIsColour(m_canvas, Span(rc, c.bHorizontal, kHeadLen, c.nLength - kTailLen), kFill));
		EXPECT_TRUE(NothingPastThickness(rc, c.bHorizontal));
		EXPECT_EQ(RGB(7, 7, 7), ::GetBkColor(m_canvas));
	}
}

// Both painters borrow the skin and put back what they select and set.
TEST_F(BarBitmapTest, PaintingLeaksNothingAndLeavesTheDestinationAndTheSkinAsTheyWere)
{
	vt::GdiObject skin(MakeBarSkin(true));
	const RECT rc = { 10, 4, 111, 24 };
	HGDIOBJ hBitmapBefore = ::GetCurrentObject(m_canvas, OBJ_BITMAP);
	const int nStretchBefore = ::GetStretchBltMode(m_canvas);
	EXPECT_TRUE(vt::LeavesNothingBehind([&] {
		DrawBar(rc, skin.bitmap(), true);
		DrawBar(rc, NULL, true, kMiddleLen, TRUE);
		CRoundBitmap().ShowMe(m_canvas, &rc, skin.bitmap(), g_nStdCornerInsets, kStdCornerSize);
	}, 100));
	EXPECT_EQ(hBitmapBefore, ::GetCurrentObject(m_canvas, OBJ_BITMAP));
	EXPECT_EQ(nStretchBefore, ::GetStretchBltMode(m_canvas));
	m_canvas.Fill(kBackground);
	DrawBar(rc, skin.bitmap(), true);
	EXPECT_TRUE(EndsAreDrawn(rc, true, 101));
}

} // namespace
