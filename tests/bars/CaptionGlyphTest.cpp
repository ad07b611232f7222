// Caption glyph painter: the close cross and the float triangle, plain and hot, pixel by pixel.
#include "support/harness.h"
#include "bars/CaptionGlyph.h"

namespace {

const COLORREF kPaper = RGB(255, 255, 255);
const COLORREF kGlyph = 0x00EFD0C2;
const COLORREF kHotGlyph = 0x00C0C0C0;
const COLORREF kHotFrame = 0x00D8C0AF;

struct Pixel
{
    int x, y;
    bool glyph;     // glyph colour, else untouched paper
};

int CountPainted(const vt::MemoryCanvas& canvas)
{
    int painted = 0;
    for (int y = 0; y < canvas.height(); y++)
        for (int x = 0; x < canvas.width(); x++)
            painted += canvas.At(x, y) != kPaper;
    return painted;
}

void Paint(vt::MemoryCanvas& canvas, const RECT& rc, int glyph, int lastHit)
{
    CDC dc;
    dc.Attach(canvas.dc());
    VeluDrawCaptionGlyph(&dc, &rc, glyph, lastHit);
    dc.Detach();
}

// A 15 x 15 close button (centre 17, 17: arms reach 4 out, the 2-pixel pen
// spreading up and left) and a 20 x 14
// float button of a top caption band (centre 20, 17: apex 3 up, base 3 down, 13 wide).
TEST(CaptionGlyph, CloseCrossAndFloatTriangleAndTheirHotLook)
{
    const RECT closeRect = {10, 10, 25, 25};
    const RECT floatRect = {10, 10, 30, 24};
    const struct Case
    {
        const char* name;
        RECT rc;
        int glyph;
        std::vector<Pixel> pixels;
    } cases[] = {
        {"close", closeRect, 'C',
         {{17, 17, true}, {12, 12, true}, {21, 12, true}, {12, 21, true}, {21, 21, true},
          {11, 11, false}, {22, 22, false}, {17, 13, false}, {13, 17, false}, {17, 21, false}}},
        {"float", floatRect, 'F',
         {{20, 14, true}, {20, 17, true}, {14, 20, true}, {26, 20, true}, {19, 15, true},
          {13, 20, false}, {27, 20, false}, {20, 13, false}, {16, 15, false}, {20, 21, false}}},
    };
    for (const Case& c : cases)
    {
        for (bool hot : {false, true})
        {
            SCOPED_TRACE(testing::Message() << c.name << (hot ? ", hot" : ""));
            vt::MemoryCanvas canvas(40, 40, kPaper);
            Paint(canvas, c.rc, c.glyph, hot ? c.glyph : 0);
            const vt::Capture shot = canvas.Snapshot();
            for (const Pixel& p : c.pixels)
                EXPECT_PIXEL(shot, p.x, p.y, p.glyph ? (hot ? kHotGlyph : kGlyph) : kPaper);

            // The hot frame runs on the rectangle's edges, right and bottom included.
            const CRect& rc = c.rc;
            const COLORREF frame = hot ? kHotFrame : kPaper;
            EXPECT_PIXEL(shot, rc.left, rc.top + 5, frame);
            EXPECT_PIXEL(shot, rc.right, rc.top + 5, frame);
            EXPECT_PIXEL(shot, rc.left + 5, rc.top, frame);
            EXPECT_PIXEL(shot, rc.left + 5, rc.bottom, frame);
            EXPECT_PIXEL(shot, rc.right + 1, rc.top + 5, kPaper);
            if (HasFailure())
                vt::DumpForCurrentTest(shot, c.name);
        }
    }
}

TEST(CaptionGlyph, OtherGlyphCodesAndMissingArgumentsPaintNothing)
{
    const RECT rc = {10, 10, 25, 25};
    vt::MemoryCanvas canvas(40, 40, kPaper);
    Paint(canvas, rc, 'X', 'X');
    Paint(canvas, rc, 0, 0);
    Paint(canvas, rc, 'L', 'C');
    VeluDrawCaptionGlyph(nullptr, &rc, 'C', 'C');
    CDC dc;
    dc.Attach(canvas.dc());
    VeluDrawCaptionGlyph(&dc, nullptr, 'C', 'C');
    dc.Detach();
    EXPECT_EQ(0, CountPainted(canvas));
}

} // namespace
