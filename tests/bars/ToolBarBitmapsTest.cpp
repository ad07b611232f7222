// The tool bar's bitmap utilities: colour-keyed blits and recoloured copies.
#include "BarFixture.h"

using namespace bartest;

namespace {

// A 16 x 15 glyph: key pixels sprinkled among opaque ones, pure black and
// white among those (a wrong mask loses exactly those).
COLORREF Glyph(int x, int y)
{
    x %= 16, y %= 15;
    if (x == 0 && y == 0)
        return RGB(0, 0, 0);
    if (x == 15 && y == 14)
        return RGB(255, 255, 255);
    return (x * 3 + y * 5) % 7 == 0 ? kKey : RGB(20 + x * 10, 30 + y * 10, 100);
}

COLORREF Backdrop(int x, int y) { return RGB(x * 2, 250 - y * 2, 77); }

void Paint(vt::MemoryCanvas& canvas, const std::function<COLORREF(int, int)>& fn)
{
    for (int y = 0; y < canvas.height(); y++)
        for (int x = 0; x < canvas.width(); x++)
            ::SetPixel(canvas, x, y, fn(x, y));
}

}  // namespace

// Gray copies are read back where the tool bar paints a disabled button.
TEST(ToolBarBitmaps, RecolouredCopyChangesOnlyExactMatches)
{
    vt::MemoryCanvas ref(24, 20), src(24, 20);
    // A colour one off the key stays; the key into itself is a plain copy.
    Paint(src, [](int x, int y) { return (x + y) % 3 == 0 ? kKey : (x + y) % 3 == 1 ? RGB(254, 0, 255) : Glyph(x, y); });
    for (COLORREF to : {kBarBackground, kKey}) {
        vt::GdiObject copy(CCoolToolBar::MakeTransparentBitmap(ref, src, 24, 20, kKey, to));
        vt::SelectGuard select(ref, copy);   // read back through the reference context
        EXPECT_TRUE(RegionMatches(vt::Capture::FromDC(ref, {0, 0, 24, 20}), {0, 0, 24, 20}, [&](int x, int y, COLORREF cr) {
            return cr == (src.At(x, y) == kKey ? to : src.At(x, y));
        }));
    }
}

TEST(ToolBarBitmaps, KeyPixelsShowTheDestinationThrough)
{
    // Key pixels leave the destination, the others cover it; 16 x 15 into 32 x 30
    // doubles before keying; halving keeps whole source pixels, never blends.
    struct Case { const char* name; std::function<COLORREF(int, int)> src; RECT d, s; } cases[] = {
        {"glyph", Glyph, {30, 20, 16, 15}, {16, 15, 16, 15}},
        {"doubled", Glyph, {10, 12, 32, 30}, {0, 0, 16, 15}},
        {"halved", [](int x, int y) { return x % 2 == 0 && y % 2 == 0 ? kKey : RGB(40 + x * 4, 90 + y * 4, 10); },
         {10, 12, 16, 15}, {0, 0, 32, 30}},
    };
    vt::MemoryCanvas dest(80, 60), src(40, 40);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Paint(dest, Backdrop);
        Paint(src, c.src);
        ::SetBkColor(dest, RGB(1, 2, 3));
        ::SetTextColor(dest, RGB(4, 5, 6));
        const RECT& d = c.d;   // left, top, width, height
        const RECT& s = c.s;
        CCoolToolBar::TransparentBlt(dest, d.left, d.top, d.right, d.bottom, src, s.left, s.top, s.right, s.bottom, kKey);
        EXPECT_TRUE(RegionMatches(dest.Snapshot(), {0, 0, 80, 60}, [&](int x, int y, COLORREF cr) {
            if (x < d.left || x >= d.left + d.right || y < d.top || y >= d.top + d.bottom)
                return cr == Backdrop(x, y);
            const int xs = s.left + (x - d.left) * s.right / d.right, ys = s.top + (y - d.top) * s.bottom / d.bottom;
            if (s.right > d.right)   // any whole pixel of the 2 x 2 block
                return cr == Backdrop(x, y) || cr == c.src(xs + 1, ys) || cr == c.src(xs, ys + 1) || cr == c.src(xs + 1, ys + 1);
            return cr == (c.src(xs, ys) == kKey ? Backdrop(x, y) : c.src(xs, ys));
        }));
        EXPECT_EQ(RGB(255, 255, 255), ::GetBkColor(dest));
        EXPECT_EQ(RGB(0, 0, 0), ::GetTextColor(dest));
    }
}
