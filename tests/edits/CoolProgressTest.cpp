// The progress bar: bar width and clamping, skin, the one-percent repaint rule, captions, processing blocks.
#include "EditFixture.h"

using namespace edits_test;

namespace {

const COLORREF kGreen = kProgressBarColor, kGrey = kProgressCaptionColor;
const COLORREF kSkinLines[] = {RGB(104, 104, 104), RGB(190, 190, 190), RGB(239, 239, 239)};

// What the caption callback was last given, and what it writes.
struct CallbackLog { unsigned long data; int percent; bool firstByteZero; const char* writes; } g_log;

void LogCaption(unsigned long data, int percent, char* text)
{
    g_log = {data, percent, text[0] == '\0', g_log.writes};
    strcpy(text, g_log.writes);
}

void QuietCaption(unsigned long, int, char*) {}

class Progress : public ::testing::Test
{
protected:
    bool Make(int width, int height = 24)
    {
        size = CSize(width, height);
        return bar.Create(WS_CHILD | WS_VISIBLE, CRect(CPoint(5, 10), size), &host, 400) != FALSE;
    }
    vt::Capture Shot()
    {
        bar.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        return vt::Capture::FromWindow(bar.m_hWnd);
    }
    CRect Content() const { return CRect(3, 3, size.cx - 2, size.cy - 2); }

    vt::HostWnd host{340, 200, RGB(255, 255, 255)};
    CCoolProgress bar;
    CSize size;
};

TEST_F(Progress, SmoothBarGrowsWithThePercentageOfTheClampedPosition)
{
    const struct { const char* name; std::function<void(CCoolProgress&)> set; int percent; } rows[] = {
        {"Init(200, 0, 10) and five steps", [](CCoolProgress& p) { p.Init(200, 0, 10); for (int i = 0; i < 5; ++i) p.Inc(); }, 25},
        {"77 of 256", [](CCoolProgress& p) { p.SetPos(256, 77); }, 30},
        {"below 1 is 0", [](CCoolProgress& p) { p.Init(100, 40, 1); p.SetPos(-5); }, 0},
        {"beyond the range is the range", [](CCoolProgress& p) { p.SetPos(150); }, 100},
        {"to the maximum", [](CCoolProgress& p) { p.Init(30, 0, 1); p.SetPosToMax(); }, 100},
        {"zero range", [](CCoolProgress& p) { p.Init(0, 5, 1); p.Inc(); }, 0},
        {"negative range", [](CCoolProgress& p) { p.SetPos(-10, 3); }, 0},
    };
    ASSERT_TRUE(Make(200));
    const CRect c = Content();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        bar.Init(100, 0, 1);
        bar.SetTextFunc(QuietCaption, 0);
        row.set(bar);
        const vt::Capture shot = Shot();
        const int width = (int)(row.percent * 0.01 * c.Width());
        EXPECT_EQ(width * c.Height(), CountColour(shot, CRect(CPoint(0, 0), size), kGreen));
        EXPECT_EQ(width > 0 ? CRect(c.left, c.top, c.left + width, c.bottom) : CRect(0, 0, 0, 0), BoundsOf(shot, c, kGreen));
        EXPECT_EQ(0, CountColour(shot, c, kGrey)) << "an empty caption draws no text";
        if (row.percent == 0) {
            // The skin frames an empty bar in three grey lines, the outer corner pixels left out.
            const int w = size.cx, h = size.cy;
            for (int i = 0; i < 3; ++i)
                for (CPoint p : {CPoint(i, h / 2), CPoint(w - 1 - i, h / 2), CPoint(w / 2, i), CPoint(w / 2, h - 1 - i)})
                    EXPECT_PIXEL(shot, p.x, p.y, kSkinLines[i]);
            EXPECT_PIXEL(shot, 0, 0, host.Background());
            EXPECT_PIXEL(shot, w - 1, h - 1, host.Background());
        }
    }
}

// A change invalidates the whole bar, to be painted with the next paint.
TEST_F(Progress, OnlyAChangeOfTheWholePercentageRepaints)
{
    ASSERT_TRUE(Make(200));
    bar.Init(256, 3, 1);
    for (const auto& step : {CPoint(5, 0), CPoint(6, 1), CPoint(6, 0), CPoint(-3, 1), CPoint(1, 0), CPoint(900, 1)}) {
        SCOPED_TRACE(step.x);
        bar.UpdateWindow();
        bar.SetPos(step.x);
        CRect update;
        ::GetUpdateRect(bar.m_hWnd, &update, FALSE);
        EXPECT_EQ(step.y ? CRect(CPoint(0, 0), size) : CRect(0, 0, 0, 0), update);
    }
}

TEST_F(Progress, CaptionsSayWhatTheSettingsAskCentredOrRightAlignedWhenTooWide)
{
    const std::string longest(127, 'x'), tooLong(128, 'x');
    const struct { const char* name; int type; const char* preText; const char* callback; std::string caption; UINT format; } rows[] = {
        {"percentage", kProgressSmooth, NULL, NULL, "42%", kProgressCentredFormat},
        {"pre-text and percentage", kProgressSmooth, "Copying", NULL, "Copying (42%)", kProgressCentredFormat},
        {"127 characters are taken", kProgressSmooth, longest.c_str(), NULL, longest + " (42%)", kProgressRightFormat},
        {"128 are dropped", kProgressSmooth, tooLong.c_str(), NULL, "42%", kProgressCentredFormat},
        {"the callback's text wins", kProgressSmooth, "Copying", "Three of seven", "Three of seven", kProgressCentredFormat},
        {"an empty callback text draws nothing", kProgressSmooth, NULL, "", "", kProgressCentredFormat},
        {"processing: the pre-text alone", kProgressProcessing, "Working", NULL, "Working", kProgressCentredFormat},
        {"processing without pre-text: nothing", kProgressProcessing, NULL, NULL, "", kProgressCentredFormat},
    };
    ASSERT_TRUE(Make(200));
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        bar.SetType(row.type);
        bar.SetPreText(row.preText);
        g_log = {0, -1, false, row.callback};
        bar.SetTextFunc(row.callback != NULL ? LogCaption : NULL, 0xC0FFEE);
        bar.SetPos(100, 42);
        // Grey text in the DC's own font over the content, as the bar should draw it.
        const vt::Capture shot = Shot(), expected = RenderText(size.cx, size.cy, RGB(255, 255, 255), NULL,
                                                               row.caption.c_str(), Content(), row.format, kGrey);
        EXPECT_EQ(!row.caption.empty(), CountColour(expected, Content(), kGrey) > 0);
        int misses = 0;
        for (int y = Content().top; y < Content().bottom; ++y)
            for (int x = Content().left; x < Content().right; ++x)
                misses += (shot.At(x, y) == kGrey) != (expected.At(x, y) == kGrey);
        EXPECT_EQ(0, misses);
        if (row.callback != NULL) {
            EXPECT_EQ(0xC0FFEEu, g_log.data);
            EXPECT_EQ(42, g_log.percent);
            EXPECT_TRUE(g_log.firstByteZero);
        }
    }
}

TEST_F(Progress, ProcessingBlocksTravelFromLeftOfTheContentToRightOfIt)
{
    for (const CPoint& widthAndBlocks : {CPoint(90, 1), CPoint(250, 3), CPoint(300, 5)}) {
        ASSERT_TRUE(Make(widthAndBlocks.x + 5));
        bar.SetType(kProgressProcessing);
        const int blocks = widthAndBlocks.y, span = 12 * blocks - 2;
        for (int percent : {0, 10, 45, 80, 100}) {
            SCOPED_TRACE(testing::Message() << blocks << " blocks at " << percent << "%");
            bar.SetPos(100, percent);
            const vt::Capture shot = Shot();
            const int first = 3 + (int)(percent * 0.01 * (widthAndBlocks.x + span)) - span;
            int misses = 0;
            for (int x = 0; x < size.cx; ++x) {
                const int into = x - first;
                misses += (into >= 0 && into < 10 * blocks && into % 10 < 8) != (shot.At(x, size.cy / 2) == kGreen);
            }
            EXPECT_EQ(0, misses);
        }
        bar.DestroyWindow();
    }
}

} // namespace
