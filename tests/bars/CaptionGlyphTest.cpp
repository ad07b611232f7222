// Caption glyph painter: the close cross and the float triangle, plain and hot, pixel by pixel.
#include "BarFixture.h"
#include "bars/CaptionGlyph.h"

namespace {

const COLORREF kPaper = RGB(255, 255, 255);
const COLORREF kGlyph = RGB(194, 208, 239), kHotGlyph = RGB(192, 192, 192), kHotFrame = RGB(175, 192, 216);

vt::Capture Paint(const RECT& rc, int glyph, int lastHit)
{
    vt::MemoryCanvas canvas(40, 40, kPaper);
    VeluDrawCaptionGlyph(CDC::FromHandle(canvas.dc()), &rc, glyph, lastHit);
    return canvas.Snapshot();
}

// A 15 x 15 close button (centre 17, 17: arms reach 4 out, the 2-pixel pen
// spreading up and left) and a 20 x 14 float button of a top caption band
// (centre 20, 17: apex 3 up, base 3 down and 13 wide). Hot: another glyph
// colour and a frame on the rectangle's edges, right and bottom included.
TEST(CaptionGlyph, CloseCrossAndFloatTriangleAndTheirHotLook)
{
    const struct Case
    {
        const char* name;
        RECT rc;
        int glyph;
        std::vector<std::pair<CPoint, bool>> pixels;    // glyph colour, else paper
    } cases[] = {
        {"close", {10, 10, 25, 25}, 'C',
         {{{17, 17}, true}, {{12, 12}, true}, {{21, 12}, true}, {{12, 21}, true}, {{21, 21}, true},
          {{11, 11}, false}, {{22, 22}, false}, {{17, 13}, false}, {{13, 17}, false}}},
        {"float", {10, 10, 30, 24}, 'F',
         {{{20, 14}, true}, {{20, 17}, true}, {{14, 20}, true}, {{26, 20}, true}, {{19, 15}, true},
          {{13, 20}, false}, {{27, 20}, false}, {{20, 13}, false}, {{16, 15}, false}, {{20, 21}, false}}},
    };
    for (const Case& c : cases)
        for (bool hot : {false, true}) {
            SCOPED_TRACE(testing::Message() << c.name << (hot ? ", hot" : ""));
            const vt::Capture shot = Paint(c.rc, c.glyph, hot ? c.glyph : 'X');
            for (const auto& p : c.pixels)
                EXPECT_PIXEL(shot, p.first.x, p.first.y, !p.second ? kPaper : hot ? kHotGlyph : kGlyph);
            const CRect& rc = c.rc;
            const COLORREF frame = hot ? kHotFrame : kPaper;
            for (CPoint edge : {CPoint(rc.left, rc.top + 5), CPoint(rc.right, rc.top + 5), CPoint(rc.left + 5, rc.bottom)})
                EXPECT_PIXEL(shot, edge.x, edge.y, frame);
            EXPECT_PIXEL(shot, rc.right + 1, rc.top + 5, kPaper);
        }

    // Other codes paint nothing, not even a hot frame.
    EXPECT_TRUE(bartest::RegionIs(Paint(cases[0].rc, 'L', 'L'), CRect(0, 0, 40, 40), kPaper));
}

} // namespace
