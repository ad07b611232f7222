// Balloon tips: layout by direction, box, tail and shadow pixels, text limits, bitmap colours and skin, leaks.
#include "BalloonProbe.h"
#include "TipMeasure.h"
#include "frame/VeluFrameInternal.h"

namespace tips_test {
namespace {

const CPoint kAnchor(500, 300);

// Whatever the direction, the tail's tip is the anchor and the shadow is the
// balloon moved by 3; the box gives up the tail's height on the tail's side.
// Painted: fill inside, frame on the edge, shadow 3 pixels out, the tail
// filled and outlined, text only in its centred block, and nothing else.
TEST_F(BalloonTest, TailTipTouchesTheAnchorInEveryDirectionAndOnlyBoxTailShadowAndTextArePainted)
{
    const char kText[] = "Balloon text\nsecond line";
    const CSize text = MeasureLines(kText);
    const struct { int direction, tail; bool tailOnTop, nearLeft; } cases[] = {
        {0, 12, true, true}, {1, 12, true, false}, {2, 12, false, false}, {3, 12, false, true}, {7, 12, false, true}, {1, 0, true, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "direction " << c.direction << ", tail " << c.tail);
        Show(kText, 5000, kAnchor, c.tail, c.direction);
        const vt::Capture shot = PaintOverBackdrop(m_tip);
        const int w = text.cx + 16, h = text.cy + 16 + c.tail;
        EXPECT_EQ(CSize(w + 3, h + 3), m_tip.WindowRect().Size());
        EXPECT_EQ(kAnchor, m_tip.WindowRect().TopLeft() + m_tip.Tail(2));
        const CRect box = c.tailOnTop ? CRect(0, c.tail, w, h) : CRect(0, 0, w, h - c.tail);
        EXPECT_EQ(box, m_tip.Box());
        EXPECT_EQ(box + CPoint(3, 3), m_tip.ShadowBox());
        const int baseY = c.tailOnTop ? box.top : box.bottom;
        EXPECT_EQ(CPoint(c.nearLeft ? 20 : w - 20, baseY), m_tip.Tail(0));
        EXPECT_EQ(CPoint(c.nearLeft ? 40 : w - 40, baseY), m_tip.Tail(1));
        EXPECT_EQ(c.tailOnTop ? 0 : h, m_tip.Tail(2).y);
        for (int i = 0; i < 3; i++)
            EXPECT_EQ(m_tip.Tail(i) + CPoint(3, 3), m_tip.ShadowTail(i));

        // Along the bottom, away from a tail there.
        const int midY = box.CenterPoint().y, awayX = c.nearLeft ? box.right - 30 : box.left + 30;
        const std::pair<CPoint, COLORREF> pixels[] = {
            {{box.left + 3, midY}, kBalloonFill}, {{box.left, midY}, kBalloonFrame}, {{box.CenterPoint().x, box.top}, kBalloonFrame},
            {{box.right + 1, midY}, kBalloonShadowColor}, {{awayX, box.bottom + 1}, kBalloonShadowColor},
            {{box.left, box.top}, kUnpainted}, {{box.right + 1, box.top}, kUnpainted},   // rounded corner, beside the shadow
        };
        for (const auto& p : pixels)
            EXPECT_PIXEL(shot, p.first.x, p.first.y, p.second);
        if (!c.tailOnTop) {
            EXPECT_PIXEL(shot, awayX, box.bottom + 3, kUnpainted);   // the shadow ends 3 below
        }
        if (c.tail > 0) {
            const CPoint tip = m_tip.Tail(2), base = m_tip.Tail(1);
            const int sx = base.x > tip.x ? 1 : -1, sy = base.y > tip.y ? 1 : -1;
            EXPECT_PIXEL(shot, tip.x + 2 * sx, tip.y + 3 * sy, kBalloonFill);
            EXPECT_PIXEL(shot, tip.x, (tip.y + base.y) / 2, kBalloonFrame);
            EXPECT_PIXEL(shot, tip.x - 4 * sx, tip.y + 3 * sy, kUnpainted);
        }
        // The box is the text and 8 pixels all round it.
        const CRect ink = vt::BoundsOf(shot, CRect(0, 0, shot.width(), shot.height()), kBalloonInk);
        EXPECT_FALSE(ink.IsRectEmpty());
        EXPECT_EQ(ink, ink & (box - CRect(8, 8, 8, 8))) << "ink outside the centred text block";
        m_tip.HideMe();
    }
}

TEST_F(BalloonTest, TextIsCutTo1023BytesAndNullOrEmptyTextGivesAnEmptyBalloon)
{
    const std::string longText(2000, 'w');
    Show(longText.c_str(), 5000, kAnchor);
    EXPECT_EQ(longText.substr(0, 1023), m_tip.Text());
    for (const char* text : {static_cast<const char*>(nullptr), ""}) {
        Show(text, 5000, kAnchor);
        EXPECT_EQ("", m_tip.Text());
        EXPECT_EQ(16 + 3, m_tip.WindowRect().Width());
        PaintOverBackdrop(m_tip);
    }
    ProbeBalloon uncreated;
    uncreated.ShowMe(100, 100, "Never created", 10, 0, kBalloonFill, kBalloonFrame, kBalloonInk, 1000);
    EXPECT_EQ(0u, uncreated.RunningTimer());
}

TEST(BitmapBalloon, ColoursComeFromTheBitmapAndTheSkinIsPaintedFromNineBitsUp)
{
    ProbeBitmapBalloon tip;
    ASSERT_TRUE(tip.Create());
    vt::WindowDC screen(nullptr);
    // Its sampled pixels (12 and 35 scan lines from the bottom, column 24) chosen.
    vt::GdiObject own(::CreateCompatibleBitmap(screen, 48, 36));
    vt::MemoryCanvas paint(1, 1);
    {
        vt::SelectGuard select(paint, own.get());
        ::SetPixelV(paint, 24, 36 - 1 - 12, RGB(10, 200, 30));
        ::SetPixelV(paint, 24, 0, RGB(90, 20, 20));
    }
    vt::GdiObject fourBit(::CreateBitmap(48, 36, 1, 4, nullptr));
    for (HBITMAP given : {static_cast<HBITMAP>(nullptr), own.bitmap(), fourBit.bitmap()}) {
        const bool lowColour = given == fourBit.bitmap();
        SCOPED_TRACE(!given ? "shared skin" : lowColour ? "4-bit bitmap" : "own bitmap");
        tip.ShowMe(kAnchor.x, kAnchor.y, "Skinned", 12, 0, given, kBalloonInk, 5000);
        const vt::Capture shot = PaintOverBackdrop(tip);
        ASSERT_NE(nullptr, g_hSkinBalloon);

        const HBITMAP sampled = given ? given : g_hSkinBalloon;
        const COLORREF fill = lowColour ? ::GetSysColor(COLOR_INFOBK) : GetBmpPixelColor(screen, sampled, 12, 24);
        const COLORREF frame = lowColour ? RGB(0, 0, 0) : GetBmpPixelColor(screen, sampled, 35, 24);
        EXPECT_EQ(vt::ColourText(fill), vt::ColourText(tip.Fill()));
        EXPECT_EQ(vt::ColourText(frame), vt::ColourText(tip.Frame()));

        // Two rows into the box the shared skin shows its own top rows; without the skin, the plain fill.
        const CRect box = tip.Box();
        const COLORREF skinRow2 = GetBmpPixelColor(screen, g_hSkinBalloon, 36 - 1 - 2, 24);
        EXPECT_PIXEL(shot, box.CenterPoint().x, box.top + 2, lowColour ? fill : skinRow2);
        EXPECT_PIXEL(shot, tip.Tail(2).x + 2, tip.Tail(2).y + 3, fill);
        EXPECT_PIXEL(shot, (tip.Tail(0).x + tip.Tail(1).x) / 2, box.top, fill) << "tail open to the box";
        tip.HideMe();
    }
}

} // namespace
} // namespace tips_test
