// Status bar in a real frame: panes from the right edge, separators, grip,
// icons, and the lock-key panes repainting when a lock changes.
#include "BarFixture.h"

using namespace bartest;

namespace {

const COLORREF kBack = RGB(223, 232, 244), kEdge = RGB(175, 192, 216), kRed = RGB(255, 0, 0);

// A 16 x 16 icon, solid red (opaque mask), or monochrome: no colour bitmap.
HICON MakeIcon(bool colour)
{
    static const BYTE kZeroMask[16 * 2 * 2] = {};
    vt::GdiObject mask(::CreateBitmap(16, colour ? 16 : 32, 1, 1, kZeroMask));
    vt::GdiObject red(MakeBitmap(16, 16, [](int, int) { return kRed; }));
    ICONINFO info = {TRUE, 0, 0, mask.bitmap(), colour ? red.bitmap() : NULL};
    return ::CreateIconIndirect(&info);
}

class StatusBar : public ::testing::Test
{
protected:
    void SetUp() override
    {
        static const UINT indicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};
        ASSERT_TRUE(frame.get() != NULL && bar.Create(frame.get()) && bar.SetIndicators(indicators, 4));
        bar.SetPaneText(0, "Ready");
        frame->RecalcLayout();
        vt::PumpPending();
    }

    vt::Capture Shot() { bar.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW); return vt::Capture::FromWindow(bar.m_hWnd); }
    // Separator columns 1 pixel left of panes 3, 2 and 1: each pane is its
    // text (in the bar's font) and 6 pixels wide.
    std::vector<int> Separators(int right)
    {
        std::vector<int> columns;
        for (LPCTSTR text : {"SCRL", "NUM", "CAP"})
            columns.push_back(right -= vt::TextExtent((HFONT)bar.GetFont()->GetSafeHandle(), text).cx + 6);
        return columns;
    }
    // Where the first pane's text starts.
    int TextAt(const vt::Capture& shot) { return vt::BoundsOf(shot, {0, 1, shot.width(), shot.height() - 1}, bar.GetTextColor()).left; }

    FrameHolder frame{StandardIds()};
    CCoolStatusBar bar;
};

TEST_F(StatusBar, PanesStartFromTheRightEdgeBesideTheGripOrMaximisedWithout)
{
    const COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW);
    for (bool maximised : {false, true}) {
        SCOPED_TRACE(maximised ? "maximised" : "normal");
        frame->ShowWindow(maximised ? SW_MAXIMIZE : SW_RESTORE);
        vt::PumpPending();
        ASSERT_EQ(frame->IsZoomed() != FALSE, maximised);
        const vt::Capture shot = Shot();
        const int w = shot.width(), h = shot.height();
        EXPECT_PIXEL(shot, w / 2, 0, kEdge);
        for (int x : Separators(w - (maximised ? 0 : 14))) {   // a line from row 2 to 3 above the bottom
            EXPECT_TRUE(RegionMatches(shot, {x, 1, x + 1, h - 1},
                                      [&](int, int y, COLORREF cr) { return cr == (y == 1 || y == h - 2 ? kBack : shadow); }));
        }
        // Each dot: a light square with a shadow square one up and left over it.
        for (CPoint dot : {CPoint(3, 3), CPoint(7, 3), CPoint(11, 3), CPoint(3, 7), CPoint(7, 7), CPoint(3, 11)}) {
            EXPECT_EQ(shot.At(w - dot.x + 1, h - dot.y + 1) == RGB(255, 255, 255), !maximised);
            EXPECT_EQ(shot.At(w - dot.x, h - dot.y) == shadow, !maximised);
        }
    }
}

TEST_F(StatusBar, IconsWidenTheirPanesAndPushTheFirstPanesText)
{
    HICON colour = MakeIcon(true), mono = MakeIcon(false);
    ASSERT_EQ(bar.GetPanes(), 4);
    const vt::Capture plain = Shot();
    const int sep1 = Separators(plain.width() - 14)[2], textAt = TextAt(plain);
    struct Case { const char* name; int index; HICON icon; BOOL result; int shift; };
    const Case cases[] = {
        {"colour icon: 16 + 2 wider", 1, colour, TRUE, 18}, {"monochrome icon ignored", 1, mono, TRUE, 0},
        {"index 36 refused", kStatusMaxIcons, colour, FALSE, 0}, {"index -1 refused", -1, colour, FALSE, 0},
        {"removed", 1, NULL, TRUE, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(bar.SetPaneIcon(c.index, c.icon), c.result);
        const vt::Capture shot = Shot();
        const int iconY = 1 + (shot.height() - 16) / 2 + 8;
        EXPECT_PIXEL(shot, sep1 - c.shift, shot.height() / 2, ::GetSysColor(COLOR_BTNSHADOW));
        EXPECT_EQ(shot.At(sep1 - c.shift + 9, iconY) == kRed, c.shift != 0);
        EXPECT_EQ(TextAt(shot), textAt);
    }
    // In the first pane the text starts 2 pixels after the icon.
    EXPECT_TRUE(bar.SetPaneIcon(0, colour));
    const vt::Capture shot = Shot();
    EXPECT_PIXEL(shot, 8, 1 + (shot.height() - 16) / 2 + 8, kRed);
    EXPECT_EQ(TextAt(shot), textAt + 18);
    bar.SetPaneIcon(0, NULL);
    ::DestroyIcon(colour);
    ::DestroyIcon(mono);
}

TEST_F(StatusBar, CapsLockRepaintsOnceAndIdleUpdatesWithoutChangeRepaintNothing)
{
    vt::PumpPending();
    vt::MessageRecorder recorder;
    recorder.Watch(bar.m_hWnd);
    recorder.Only({WM_PAINT});
    for (int round = 0; round < 2; round++) {
        SCOPED_TRACE(round);
        const bool wasOn = (::GetKeyState(VK_CAPITAL) & 1) != 0;
        CClientDC(&bar).FillSolidRect(80, 8, 2, 2, RGB(0, 255, 0));   // goes only if all of the bar repaints
        recorder.Clear();
        vt::KeyPress(VK_CAPITAL);
        ASSERT_NE((::GetKeyState(VK_CAPITAL) & 1) != 0, wasOn);
        EXPECT_EQ(recorder.Messages().size(), 1u);
        EXPECT_EQ((bar.GetPaneStyle(1) & SBPS_DISABLED) != 0, wasOn);
        // CAP in the text colour while the lock is on, else in the disabled colour.
        const vt::Capture shot = vt::Capture::FromWindow(bar.m_hWnd);
        EXPECT_PIXEL(shot, 80, 8, kBack);
        const COLORREF ink = wasOn ? bar.GetDisabledTextColor() : bar.GetTextColor();
        const std::vector<int> seps = Separators(shot.width() - 14);
        EXPECT_GT(vt::CountColour(shot, CRect(seps[2], 0, seps[1], shot.height()), ink), 0);
        recorder.Clear();
        vt::PumpFor(50);
        EXPECT_EQ(recorder.Messages().size(), 0u);
    }
}

}  // namespace
