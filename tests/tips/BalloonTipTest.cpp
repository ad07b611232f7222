// Balloon tips: layout by direction, box, tail and shadow pixels, text limits, bitmap colours and skin, leaks.
#include "BalloonProbe.h"
#include "TipMeasure.h"
#include "frame/VeluFrameInternal.h"

namespace tips_test {
namespace {

const COLORREF kFill = RGB(255, 255, 225);
const COLORREF kFrame = RGB(0, 0, 160);
const COLORREF kInk = RGB(160, 0, 0);
const COLORREF kUnpainted = RGB(255, 0, 255);
const CPoint kAnchor(500, 300);
const int kTail = 12;

// Paints the balloon over a window surface first filled with kUnpainted, so
// that whatever the balloon leaves alone stays that colour.
vt::Capture PaintOverBackdrop(CWnd& tip)
{
    {
        vt::WindowDC dc(tip.m_hWnd);
        vt::GdiObject brush(::CreateSolidBrush(kUnpainted));
        RECT rc;
        ::GetClientRect(tip.m_hWnd, &rc);
        ::FillRect(dc, &rc, brush.brush());
    }
    tip.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    return vt::Capture::FromWindow(tip.m_hWnd);
}

template <class Balloon>
void ShowNow(BalloonProbe<Balloon>& tip, const char* text, int tail, int direction)
{
    tip.ShowMe(kAnchor.x, kAnchor.y, text, tail, direction, kFill, kFrame, kInk, 5000);
    tip.Fire(kBaseTipDelayTimerId);
}

class BalloonTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        vt::ParkCursor();
        ASSERT_TRUE(m_tip.Create());
    }
    void TearDown() override { m_tip.HideMe(); }

    ProbeBalloon m_tip;
};

// Whatever the direction, the tail's tip is the anchor and the shadow is the
// balloon moved by 3; the box gives up the tail's height on the tail's side.
TEST_F(BalloonTest, TailTipTouchesTheAnchorInEveryDirection)
{
    const char kText[] = "Layout by direction";
    const CSize text = BalloonTextSize(kText);
    const struct Case
    {
        int direction, tail;
        bool tailOnTop, nearLeft;
    } cases[] = {
        {0, kTail, true, true}, {1, kTail, true, false}, {2, kTail, false, false},
        {3, kTail, false, true}, {7, kTail, false, true}, {0, 0, true, true},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "direction " << c.direction << ", tail " << c.tail);
        m_tip.ShowMe(kAnchor.x, kAnchor.y, kText, c.tail, c.direction, kFill, kFrame, kInk, 5000);
        const int w = text.cx + 16, h = text.cy + 16 + c.tail;
        const CRect window = m_tip.WindowRect();
        EXPECT_EQ(CSize(w + 3, h + 3), window.Size());
        EXPECT_EQ(kAnchor, window.TopLeft() + m_tip.Tail(2));

        const CRect box = c.tailOnTop ? CRect(0, c.tail, w, h) : CRect(0, 0, w, h - c.tail);
        EXPECT_EQ(box, m_tip.Box());
        EXPECT_EQ(box + CPoint(3, 3), m_tip.ShadowBox());
        const int baseY = c.tailOnTop ? box.top : box.bottom;
        const int nearX = c.nearLeft ? 20 : w - 20, farX = c.nearLeft ? 40 : w - 40;
        EXPECT_EQ(CPoint(nearX, baseY), m_tip.Tail(0));
        EXPECT_EQ(CPoint(farX, baseY), m_tip.Tail(1));
        EXPECT_EQ(CPoint(nearX, c.tailOnTop ? 0 : h), m_tip.Tail(2));
        for (int i = 0; i < 3; i++)
            EXPECT_EQ(m_tip.Tail(i) + CPoint(3, 3), m_tip.ShadowTail(i));
    }
}

TEST_F(BalloonTest, TextIsCutTo1023BytesAndNullOrEmptyTextGivesAnEmptyBalloon)
{
    const std::string longText(2000, 'w');
    m_tip.ShowMe(100, 100, longText.c_str(), kTail, 0, kFill, kFrame, kInk, 5000);
    EXPECT_EQ(longText.substr(0, 1023), m_tip.Text());

    for (const char* text : {static_cast<const char*>(nullptr), ""})
    {
        SCOPED_TRACE(text ? "empty" : "null");
        m_tip.ShowMe(100, 100, text, kTail, 0, kFill, kFrame, kInk, 5000);
        EXPECT_EQ("", m_tip.Text());
        EXPECT_EQ(16 + 3, m_tip.WindowRect().Width());
        m_tip.Fire(kBaseTipDelayTimerId);
        m_tip.UpdateWindow();
        m_tip.HideMe();
    }
}

// Fill inside, frame on the edge, shadow 3 pixels out, the tail filled and
// outlined, text only in its centred block, and nothing outside painted.
TEST_F(BalloonTest, BalloonPaintsBoxTailShadowAndCentredTextOnly)
{
    const char kText[] = "Balloon text\nsecond line";
    const CSize text = BalloonTextSize(kText);
    const struct Case
    {
        int direction, tail;
    } cases[] = {{0, kTail}, {2, kTail}, {1, 0}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "direction " << c.direction << ", tail " << c.tail);
        ShowNow(m_tip, kText, c.tail, c.direction);
        const vt::Capture shot = PaintOverBackdrop(m_tip);
        const CRect box = m_tip.Box();
        const int midY = box.CenterPoint().y;
        EXPECT_PIXEL(shot, box.left + 3, midY, kFill);
        EXPECT_PIXEL(shot, box.left, midY, kFrame);
        EXPECT_PIXEL(shot, box.CenterPoint().x, box.top, kFrame);
        EXPECT_PIXEL(shot, box.right + 1, midY, kBalloonShadowColor);
        EXPECT_PIXEL(shot, box.left + 30, box.bottom + 1, kBalloonShadowColor);
        EXPECT_PIXEL(shot, box.left, box.top, kUnpainted);                   // rounded corner
        EXPECT_PIXEL(shot, box.right + 1, box.top, kUnpainted);              // beside the shadow

        if (c.tail > 0)
        {
            const CPoint tip = m_tip.Tail(2), base = m_tip.Tail(1);
            const int sx = base.x > tip.x ? 1 : -1, sy = base.y > tip.y ? 1 : -1;
            EXPECT_PIXEL(shot, tip.x + 2 * sx, tip.y + 3 * sy, kFill);
            EXPECT_PIXEL(shot, tip.x, (tip.y + base.y) / 2, kFrame);
            EXPECT_PIXEL(shot, tip.x - 4 * sx, tip.y + 3 * sy, kUnpainted);
        }

        const int dx = (box.Width() - text.cx) / 2, dy = (box.Height() - text.cy) / 2;
        const CRect block(box.left + dx, box.top + dy, box.right - dx, box.bottom - dy);
        int inside = 0, outside = 0;
        for (int y = 0; y < shot.height(); y++)
            for (int x = 0; x < shot.width(); x++)
                if (shot.At(x, y) == kInk)
                    (block.PtInRect(CPoint(x, y)) ? inside : outside)++;
        EXPECT_GT(inside, 0);
        EXPECT_EQ(0, outside);
        if (HasFailure())
            vt::DumpForCurrentTest(shot, "balloon");
        m_tip.HideMe();
    }
}

// A 48 x 36 bitmap whose sampled pixels (12 and 35 scan lines from the bottom, column 24) are chosen.
HBITMAP MakeSampleBitmap(COLORREF fill, COLORREF frame)
{
    vt::WindowDC screen(nullptr);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 48, 36);
    HDC dc = ::CreateCompatibleDC(screen);
    HGDIOBJ old = ::SelectObject(dc, bitmap);
    ::SetPixelV(dc, 24, 36 - 1 - 12, fill);
    ::SetPixelV(dc, 24, 0, frame);
    ::SelectObject(dc, old);
    ::DeleteDC(dc);
    return bitmap;
}

TEST(BitmapBalloon, ColoursComeFromTheBitmapAndTheSkinIsPaintedFromNineBitsUp)
{
    ProbeBitmapBalloon tip;
    ASSERT_TRUE(tip.Create());
    vt::GdiObject own(MakeSampleBitmap(RGB(10, 200, 30), RGB(90, 20, 20)));
    vt::GdiObject fourBit(::CreateBitmap(48, 36, 1, 4, nullptr));

    for (int i = 0; i < 3; i++)
    {
        const bool shared = i == 0, fourBits = i == 2;
        SCOPED_TRACE(shared ? "shared skin" : fourBits ? "4-bit bitmap" : "own bitmap");
        tip.ShowMe(kAnchor.x, kAnchor.y, "Skinned", kTail, 0, shared ? nullptr : fourBits ? fourBit.bitmap() : own.bitmap(),
                   kInk, 5000);
        tip.Fire(kBaseTipDelayTimerId);
        ASSERT_TRUE(tip.Visible());
        ASSERT_NE(nullptr, g_hSkinBalloon);

        vt::WindowDC screen(nullptr);
        const HBITMAP sampled = shared ? g_hSkinBalloon : own.bitmap();
        const COLORREF fill = fourBits ? ::GetSysColor(COLOR_INFOBK) : GetBmpPixelColor(screen, sampled, 12, 24);
        const COLORREF frame = fourBits ? RGB(0, 0, 0) : GetBmpPixelColor(screen, sampled, 35, 24);
        EXPECT_EQ(vt::ColourText(fill), vt::ColourText(tip.Fill()));
        EXPECT_EQ(vt::ColourText(frame), vt::ColourText(tip.Frame()));

        // Two rows into the box the skin shows its own top rows; without the skin, the plain fill.
        const vt::Capture shot = PaintOverBackdrop(tip);
        const CRect box = tip.Box();
        const COLORREF skinRow2 = GetBmpPixelColor(screen, g_hSkinBalloon, 36 - 1 - 2, 24);
        EXPECT_PIXEL(shot, box.CenterPoint().x, box.top + 2, fourBits ? fill : skinRow2);
        const CPoint tailTip = tip.Tail(2);
        EXPECT_PIXEL(shot, tailTip.x + 2, tailTip.y + 3, fill);
        EXPECT_PIXEL(shot, (tip.Tail(0).x + tip.Tail(1).x) / 2, box.top, fill) << "tail joined to the box";
        if (HasFailure())
            vt::DumpForCurrentTest(shot, "bitmap-balloon");
        tip.HideMe();
    }
}

TEST(BitmapBalloon, NoBalloonLeaksRegionsBrushesPensOrWindows)
{
    auto cycle = [] {
        ProbeBalloon plain;
        ProbeBitmapBalloon skinned;
        ASSERT_TRUE(plain.Create());
        ASSERT_TRUE(skinned.Create());
        ShowNow(plain, "Plain\nballoon", 0, kBalloonTailTopRight);
        plain.UpdateWindow();
        ShowNow(skinned, "Skinned balloon", kTail, kBalloonTailBottomRight);
        skinned.UpdateWindow();
        skinned.Fire(kBaseTipDisplayTimerId);
        plain.HideMe();
    };
    ExpectCyclesLeakNothing(cycle, 15);
}

} // namespace
} // namespace tips_test
