// ToolBarBitmapsTest.cpp: the tool bar's colour-keyed blits, grayed and recoloured copies, and their GDI hygiene.
#include "BarFixture.h"

#include "bars/VeluBars.h"

using namespace bartest;

namespace
{

// A 16 x 15 glyph: a sprinkling of key pixels, with pure black and pure
// white among the opaque ones (a wrong mask loses exactly those).
COLORREF GlyphPixel(int x, int y)
{
	if (x == 0 && y == 0)
		return RGB(0, 0, 0);
	if (x == 15 && y == 14)
		return RGB(255, 255, 255);
	if ((x * 3 + y * 5) % 7 == 0)
		return kKey;
	return RGB(20 + x * 10, 30 + y * 10, 100);
}

COLORREF TiledGlyph(int x, int y) { return GlyphPixel(x % 16, y % 15); }

// The destination's own picture, so that untouched pixels are recognisable.
COLORREF BackdropPixel(int x, int y) { return RGB(x * 2, 250 - y * 2, 77); }

class ToolBarBitmapsTest : public ::testing::Test
{
protected:
	ToolBarBitmapsTest() : m_dest(80, 60, kBackground), m_src(40, 40, kBackground)
	{
		Paint(m_dest, BackdropPixel);
	}

	static void Paint(vt::MemoryCanvas& canvas, const PixelFn& fn)
	{
		for (int y = 0; y < canvas.height(); y++)
			for (int x = 0; x < canvas.width(); x++)
				::SetPixel(canvas, x, y, fn(x, y));
	}

	// The copy has the asked size and, shown on a canvas, the expected pixels.
	static ::testing::AssertionResult CopyIs(HBITMAP hBitmap, int cx, int cy, const PixelFn& expected)
	{
		BITMAP bm = {};
		if (hBitmap == NULL || !::GetObject(hBitmap, sizeof(bm), &bm) || bm.bmWidth != cx || bm.bmHeight != cy)
			return ::testing::AssertionFailure() << "no " << cx << " x " << cy << " bitmap, got "
				<< bm.bmWidth << " x " << bm.bmHeight;
		vt::MemoryCanvas out(cx, cy, kBackground);
		HDC hDC = ::CreateCompatibleDC(out);
		{
			vt::SelectGuard select(hDC, hBitmap);
			::BitBlt(out, 0, 0, cx, cy, hDC, 0, 0, SRCCOPY);
		}
		::DeleteDC(hDC);
		return RegionIs(out, WholeOf(out), expected);
	}

	vt::MemoryCanvas m_dest;
	vt::MemoryCanvas m_src;
};

TEST_F(ToolBarBitmapsTest, GrayCopyGivesTheLightGrayLevelsOfPrimaries)
{
	// White becomes light gray, not white: the weights add up to 0.92. Each
	// channel is truncated on its own: 0.24 * 101 -> 24, 0.54 * 201 -> 108,
	// 0.14 * 57 -> 7 make 139, where truncating the sum would give 140.
	struct GrayCase { COLORREF crIn; BYTE nGray; };
	const GrayCase cases[] =
	{
		{ RGB(255, 255, 255), 233 }, { RGB(255, 0, 0), 61 }, { RGB(0, 255, 0), 137 },
		{ RGB(0, 0, 255), 35 }, { RGB(0, 0, 0), 0 }, { RGB(101, 201, 57), 139 },
	};
	const int nCases = sizeof(cases) / sizeof(cases[0]);
	for (int i = 0; i < nCases; i++)
		::SetPixel(m_src, i, 0, cases[i].crIn);

	vt::GdiObject gray(CCoolToolBar::MakeGrayBitmap(m_dest, m_src, nCases, 1));
	EXPECT_TRUE(CopyIs(gray.bitmap(), nCases, 1, [&](int x, int) { return RGB(cases[x].nGray, cases[x].nGray, cases[x].nGray); }));
	EXPECT_EQ(RGB(255, 0, 0), m_src.At(1, 0)) << "the source is left as it was";
}

TEST_F(ToolBarBitmapsTest, RecolouredCopyReplacesExactMatchesOnly)
{
	// Recolouring the key into itself must give a plain copy.
	const COLORREF kNearKey = RGB(254, 0, 255);
	Paint(m_src, [&](int x, int y) { return ((x + y) % 3 == 0) ? kKey : ((x + y) % 3 == 1 ? kNearKey : TiledGlyph(x, y)); });
	const COLORREF targets[] = { RGB(223, 232, 244), kKey };
	for (COLORREF crTo : targets)
	{
		SCOPED_TRACE(vt::ColourText(crTo));
		vt::GdiObject copy(CCoolToolBar::MakeTransparentBitmap(m_dest, m_src, 24, 20, kKey, crTo));
		EXPECT_TRUE(CopyIs(copy.bitmap(), 24, 20, [&](int x, int y)
			{
				COLORREF cr = m_src.At(x, y);
				return cr == kKey ? crTo : cr;
			}));
	}
}

TEST_F(ToolBarBitmapsTest, KeyPixelsShowTheDestinationThrough)
{
	// Without a key pixel the source covers its rectangle; all key leaves the
	// destination alone; a 16 x 15 source into 32 x 30 is doubled, each pixel a
	// 2 x 2 block, before keying.
	struct BlitCase { const char* pszName; PixelFn src; RECT rcDest; RECT rcSrc; };
	const BlitCase cases[] =
	{
		{ "no key", [](int x, int y) { return RGB(x * 5, y * 5, 9); }, { 7, 5, 16, 15 }, { 2, 3, 16, 15 } },
		{ "all key", [](int, int) { return kKey; }, { 7, 5, 16, 15 }, { 0, 0, 16, 15 } },
		{ "glyph", TiledGlyph, { 30, 20, 16, 15 }, { 16, 15, 16, 15 } },
		{ "doubled", TiledGlyph, { 10, 12, 32, 30 }, { 0, 0, 16, 15 } },
	};
	for (const BlitCase& c : cases)
	{
		SCOPED_TRACE(c.pszName);
		Paint(m_dest, BackdropPixel);
		Paint(m_src, c.src);
		::SetBkColor(m_dest, RGB(1, 2, 3));
		::SetTextColor(m_dest, RGB(4, 5, 6));
		const RECT& d = c.rcDest;   // left, top, width, height
		const RECT& s = c.rcSrc;
		CCoolToolBar::TransparentBlt(m_dest, d.left, d.top, d.right, d.bottom, m_src, s.left, s.top, s.right, s.bottom, kKey);

		EXPECT_TRUE(RegionIs(m_dest, WholeOf(m_dest), [&](int x, int y)
			{
				bool bInside = x >= d.left && x < d.left + d.right && y >= d.top && y < d.top + d.bottom;
				COLORREF cr = bInside ? c.src(s.left + (x - d.left) * s.right / d.right, s.top + (y - d.top) * s.bottom / d.bottom) : kKey;
				return cr == kKey ? BackdropPixel(x, y) : cr;
			}));
		// The blit leaves the destination with a white background and black text.
		EXPECT_EQ(RGB(255, 255, 255), ::GetBkColor(m_dest));
		EXPECT_EQ(RGB(0, 0, 0), ::GetTextColor(m_dest));
	}
}

TEST_F(ToolBarBitmapsTest, ShrunkSourceKeepsWholePixelsSoTheKeyStillMatches)
{
	// 2 x 2 blocks of one key and three opaque pixels, halved: each pixel of
	// the result is one whole source pixel of its block, never a blend.
	auto blockPixel = [](int x, int y) { return (x % 2 == 0 && y % 2 == 0) ? kKey : RGB(40 + x * 4, 90 + y * 4, 10); };
	Paint(m_src, blockPixel);
	CCoolToolBar::TransparentBlt(m_dest, 10, 12, 16, 15, m_src, 0, 0, 32, 30, kKey);

	EXPECT_TRUE(RegionMatches(m_dest, { 10, 12, 26, 27 }, [&](int x, int y, COLORREF cr)
		{
			int xSrc = (x - 10) * 2;
			int ySrc = (y - 12) * 2;
			return cr == BackdropPixel(x, y) || cr == blockPixel(xSrc + 1, ySrc)
				|| cr == blockPixel(xSrc, ySrc + 1) || cr == blockPixel(xSrc + 1, ySrc + 1);
		}, "a whole pixel of its source block"));
}

TEST_F(ToolBarBitmapsTest, RepeatedUseLeaksNoGdiObjects)
{
	Paint(m_src, TiledGlyph);
	HGDIOBJ hDestBitmap = ::GetCurrentObject(m_dest, OBJ_BITMAP);
	HGDIOBJ hSrcBitmap = ::GetCurrentObject(m_src, OBJ_BITMAP);
	HDC hBogus = reinterpret_cast<HDC>(static_cast<ULONG_PTR>(0x7A5C0));
	EXPECT_TRUE(LeaksNothing([&]
		{
			CCoolToolBar::TransparentBlt(m_dest, 1, 1, 16, 15, m_src, 0, 0, 16, 15, kKey);
			CCoolToolBar::TransparentBlt(m_dest, 1, 1, 32, 30, m_src, 0, 0, 16, 15, kKey);
			::DeleteObject(CCoolToolBar::MakeGrayBitmap(m_dest, m_src, 16, 15));
			::DeleteObject(CCoolToolBar::MakeTransparentBitmap(m_dest, m_src, 16, 15, kKey, RGB(223, 232, 244)));
			// Copies from a context that is not one fail and free what they made.
			EXPECT_TRUE(CCoolToolBar::MakeGrayBitmap(hBogus, m_src, 16, 15) == NULL);
			EXPECT_TRUE(CCoolToolBar::MakeTransparentBitmap(hBogus, m_src, 16, 15, kKey, RGB(0, 0, 0)) == NULL);
		}, 50));
	EXPECT_EQ(hDestBitmap, ::GetCurrentObject(m_dest, OBJ_BITMAP));
	EXPECT_EQ(hSrcBitmap, ::GetCurrentObject(m_src, OBJ_BITMAP));
}

} // namespace
