// BitmapUtilsTest.cpp: colour-keyed blits, grayed and recoloured copies, and their GDI hygiene.
#include "SkinTestSupport.h"

#include "skin/VeluSkin.h"

using namespace skintest;

namespace
{

const COLORREF kKey = RGB(255, 0, 255);

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

// The destination's own picture, so that untouched pixels are recognisable.
COLORREF BackdropPixel(int x, int y)
{
	return RGB(x * 2, 250 - y * 2, 77);
}

class BitmapUtilsTest : public ::testing::Test
{
protected:
	BitmapUtilsTest() : m_dest(80, 60, kBackground), m_src(40, 40, kBackground)
	{
		Paint(m_dest, BackdropPixel);
	}

	static void Paint(vt::MemoryCanvas& canvas, const PixelFn& fn)
	{
		for (int y = 0; y < canvas.height(); y++)
			for (int x = 0; x < canvas.width(); x++)
				::SetPixel(canvas, x, y, fn(x, y));
	}

	// Copies a bitmap into a canvas to read its pixels.
	static void Show(vt::MemoryCanvas& canvas, HBITMAP hBitmap)
	{
		HDC hDC = ::CreateCompatibleDC(canvas);
		{
			vt::SelectGuard select(hDC, hBitmap);
			::BitBlt(canvas, 0, 0, canvas.width(), canvas.height(), hDC, 0, 0, SRCCOPY);
		}
		::DeleteDC(hDC);
	}

	static SIZE SizeOf(HBITMAP hBitmap)
	{
		BITMAP bm = {};
		::GetObject(hBitmap, sizeof(bm), &bm);
		SIZE size = { bm.bmWidth, bm.bmHeight };
		return size;
	}

	vt::MemoryCanvas m_dest;
	vt::MemoryCanvas m_src;
};

/////////////////////////////////////////////////////////////////////////////
// Gray copies

struct GrayCase { COLORREF crIn; BYTE nGray; const char* pszName; };

TEST_F(BitmapUtilsTest, GrayCopyGivesTheLightGrayLevelsOfPrimaries)
{
	// White becomes light gray, not white: the weights add up to 0.92.
	const GrayCase cases[] =
	{
		{ RGB(255, 255, 255), 233, "white" },
		{ RGB(255, 0, 0), 61, "red" },
		{ RGB(0, 255, 0), 137, "green" },
		{ RGB(0, 0, 255), 35, "blue" },
		{ RGB(0, 0, 0), 0, "black" },
	};
	const int nCases = sizeof(cases) / sizeof(cases[0]);
	for (int i = 0; i < nCases; i++)
		::SetPixel(m_src, i, 0, cases[i].crIn);

	vt::GdiObject gray(VeluMakeGrayBitmap(m_dest, m_src, nCases, 1));
	ASSERT_TRUE(gray.get() != NULL);
	EXPECT_EQ(nCases, SizeOf(gray.bitmap()).cx);
	EXPECT_EQ(1, SizeOf(gray.bitmap()).cy);

	vt::MemoryCanvas out(nCases, 1, kBackground);
	Show(out, gray.bitmap());
	for (int i = 0; i < nCases; i++)
	{
		BYTE n = cases[i].nGray;
		EXPECT_EQ(RGB(n, n, n), out.At(i, 0)) << cases[i].pszName;
	}
	EXPECT_EQ(RGB(255, 0, 0), m_src.At(1, 0)) << "the source is left as it was";
}

TEST_F(BitmapUtilsTest, GrayCopyTruncatesEachChannelOnItsOwn)
{
	// 0.24 * 101 = 24.24 -> 24, 0.54 * 201 = 108.54 -> 108, 0.14 * 57 = 7.98 -> 7: 139;
	// truncating the sum would give 140, rounding it 141.
	::SetPixel(m_src, 0, 0, RGB(101, 201, 57));
	vt::GdiObject gray(VeluMakeGrayBitmap(m_dest, m_src, 1, 1));
	ASSERT_TRUE(gray.get() != NULL);
	vt::MemoryCanvas out(1, 1, kBackground);
	Show(out, gray.bitmap());
	EXPECT_EQ(RGB(139, 139, 139), out.At(0, 0));
}

/////////////////////////////////////////////////////////////////////////////
// Recoloured copies

TEST_F(BitmapUtilsTest, RecolouredCopyReplacesExactMatchesOnly)
{
	const COLORREF kNearKey = RGB(254, 0, 255);
	const COLORREF kTo = RGB(223, 232, 244);
	Paint(m_src, [&](int x, int y) { return ((x + y) % 3 == 0) ? kKey : ((x + y) % 3 == 1 ? kNearKey : GlyphPixel(x % 16, y % 15)); });

	vt::GdiObject copy(VeluMakeTransparentBitmap(m_dest, m_src, 24, 20, kKey, kTo));
	ASSERT_TRUE(copy.get() != NULL);
	EXPECT_EQ(24, SizeOf(copy.bitmap()).cx);
	EXPECT_EQ(20, SizeOf(copy.bitmap()).cy);

	vt::MemoryCanvas out(24, 20, kBackground);
	Show(out, copy.bitmap());
	EXPECT_TRUE(RegionIs(out, { 0, 0, 24, 20 }, [&](int x, int y)
		{
			COLORREF cr = m_src.At(x, y);
			return cr == kKey ? kTo : cr;
		}));
}

TEST_F(BitmapUtilsTest, RecolouringAColourIntoItselfIsAPlainCopy)
{
	Paint(m_src, [](int x, int y) { return GlyphPixel(x % 16, y % 15); });

	vt::GdiObject copy(VeluMakeTransparentBitmap(m_dest, m_src, 32, 30, kKey, kKey));
	ASSERT_TRUE(copy.get() != NULL);
	vt::MemoryCanvas out(32, 30, kBackground);
	Show(out, copy.bitmap());
	EXPECT_TRUE(RegionIs(out, { 0, 0, 32, 30 }, [&](int x, int y) { return m_src.At(x, y); }));
}

TEST_F(BitmapUtilsTest, CopiesFromAnInvalidContextFailWithoutLeaking)
{
	const int nObjectsBefore = vt::GdiObjectCount();
	ASSERT_GT(nObjectsBefore, 0) << "the GDI object counter works here";
	HDC hBogus = reinterpret_cast<HDC>(static_cast<ULONG_PTR>(0x7A5C0));
	EXPECT_TRUE(VeluMakeGrayBitmap(hBogus, m_src, 16, 15) == NULL);
	EXPECT_TRUE(VeluMakeTransparentBitmap(hBogus, m_src, 16, 15, kKey, RGB(0, 0, 0)) == NULL);
	EXPECT_EQ(nObjectsBefore, vt::GdiObjectCount());
}

/////////////////////////////////////////////////////////////////////////////
// Transparent blits

TEST_F(BitmapUtilsTest, SourceWithoutKeyColourCoversTheRectangle)
{
	Paint(m_src, [](int x, int y) { return RGB(x * 5, y * 5, 9); });
	VeluTransparentBlt(m_dest, 7, 5, 16, 15, m_src, 2, 3, 16, 15, kKey);

	EXPECT_TRUE(RegionIs(m_dest, { 7, 5, 23, 20 }, [](int x, int y) { return RGB((x - 7 + 2) * 5, (y - 5 + 3) * 5, 9); }));
	EXPECT_TRUE(RegionMatches(m_dest, { 0, 0, m_dest.width(), m_dest.height() },
		[](int x, int y, COLORREF cr) { return (x >= 7 && x < 23 && y >= 5 && y < 20) || cr == BackdropPixel(x, y); },
		"the backdrop outside the blit"));
}

TEST_F(BitmapUtilsTest, SourceAllInKeyColourLeavesTheDestinationAlone)
{
	m_src.Fill(kKey);
	VeluTransparentBlt(m_dest, 7, 5, 16, 15, m_src, 0, 0, 16, 15, kKey);

	EXPECT_TRUE(RegionIs(m_dest, { 0, 0, m_dest.width(), m_dest.height() }, BackdropPixel));
}

TEST_F(BitmapUtilsTest, KeyPixelsShowTheDestinationThrough)
{
	Paint(m_src, [](int x, int y) { return (x >= 4 && y >= 4 && x < 20 && y < 19) ? GlyphPixel(x - 4, y - 4) : kBackground; });
	VeluTransparentBlt(m_dest, 30, 20, 16, 15, m_src, 4, 4, 16, 15, kKey);

	EXPECT_TRUE(RegionIs(m_dest, { 0, 0, m_dest.width(), m_dest.height() }, [](int x, int y)
		{
			bool bInside = x >= 30 && x < 46 && y >= 20 && y < 35;
			COLORREF crGlyph = bInside ? GlyphPixel(x - 30, y - 20) : kKey;
			return crGlyph == kKey ? BackdropPixel(x, y) : crGlyph;
		}));
}

TEST_F(BitmapUtilsTest, SmallSourceIsDoubledBeforeKeying)
{
	Paint(m_src, [](int x, int y) { return (x < 16 && y < 15) ? GlyphPixel(x, y) : kBackground; });
	VeluTransparentBlt(m_dest, 10, 12, 32, 30, m_src, 0, 0, 16, 15, kKey);

	// Each glyph pixel becomes a 2 x 2 block; key blocks keep the backdrop.
	EXPECT_TRUE(RegionIs(m_dest, { 0, 0, m_dest.width(), m_dest.height() }, [](int x, int y)
		{
			bool bInside = x >= 10 && x < 42 && y >= 12 && y < 42;
			COLORREF crGlyph = bInside ? GlyphPixel((x - 10) / 2, (y - 12) / 2) : kKey;
			return crGlyph == kKey ? BackdropPixel(x, y) : crGlyph;
		}));
}

TEST_F(BitmapUtilsTest, ShrunkSourceKeepsWholePixelsSoTheKeyStillMatches)
{
	// 2 x 2 blocks of one key and three opaque pixels, halved: each pixel of
	// the result is one whole source pixel of its block (key shows the
	// backdrop), never a blend of key and colour.
	auto blockPixel = [](int x, int y) { return (x % 2 == 0 && y % 2 == 0) ? kKey : RGB(40 + x * 4, 90 + y * 4, 10); };
	Paint(m_src, [&](int x, int y) { return (x < 32 && y < 30) ? blockPixel(x, y) : kBackground; });
	VeluTransparentBlt(m_dest, 10, 12, 16, 15, m_src, 0, 0, 32, 30, kKey);

	EXPECT_TRUE(RegionMatches(m_dest, { 10, 12, 26, 27 }, [&](int x, int y, COLORREF cr)
		{
			if (cr == BackdropPixel(x, y))
				return true;
			int xSrc = (x - 10) * 2;
			int ySrc = (y - 12) * 2;
			return cr == blockPixel(xSrc + 1, ySrc) || cr == blockPixel(xSrc, ySrc + 1) || cr == blockPixel(xSrc + 1, ySrc + 1);
		}, "a whole pixel of its source block"));
}

TEST_F(BitmapUtilsTest, BlitLeavesWhiteBackgroundAndBlackText)
{
	::SetBkColor(m_dest, RGB(1, 2, 3));
	::SetTextColor(m_dest, RGB(4, 5, 6));
	Paint(m_src, [](int x, int y) { return GlyphPixel(x % 16, y % 15); });
	VeluTransparentBlt(m_dest, 0, 0, 16, 15, m_src, 0, 0, 16, 15, kKey);

	EXPECT_EQ(RGB(255, 255, 255), ::GetBkColor(m_dest));
	EXPECT_EQ(RGB(0, 0, 0), ::GetTextColor(m_dest));
}

TEST_F(BitmapUtilsTest, RepeatedUseLeaksNoGdiObjects)
{
	Paint(m_src, [](int x, int y) { return GlyphPixel(x % 16, y % 15); });
	HGDIOBJ hDestBitmap = ::GetCurrentObject(m_dest, OBJ_BITMAP);
	HGDIOBJ hSrcBitmap = ::GetCurrentObject(m_src, OBJ_BITMAP);
	// Warm-up: Wine keeps a few freed DCs for reuse during the first calls.
	for (int i = 0; i < 3; i++)
	{
		VeluTransparentBlt(m_dest, 1, 1, 32, 30, m_src, 0, 0, 16, 15, kKey);
		::DeleteObject(VeluMakeGrayBitmap(m_dest, m_src, 16, 15));
	}
	const int nObjectsBefore = vt::GdiObjectCount();
	ASSERT_GT(nObjectsBefore, 0) << "the GDI object counter works here";

	for (int i = 0; i < 50; i++)
	{
		VeluTransparentBlt(m_dest, 1, 1, 16, 15, m_src, 0, 0, 16, 15, kKey);
		VeluTransparentBlt(m_dest, 1, 1, 32, 30, m_src, 0, 0, 16, 15, kKey);
		::DeleteObject(VeluMakeGrayBitmap(m_dest, m_src, 16, 15));
		::DeleteObject(VeluMakeTransparentBitmap(m_dest, m_src, 16, 15, kKey, RGB(223, 232, 244)));
	}

	EXPECT_EQ(nObjectsBefore, vt::GdiObjectCount());
	EXPECT_EQ(hDestBitmap, ::GetCurrentObject(m_dest, OBJ_BITMAP));
	EXPECT_EQ(hSrcBitmap, ::GetCurrentObject(m_src, OBJ_BITMAP));
}

} // namespace
