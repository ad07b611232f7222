// Status bar in a real frame: panes from the right edge, separators, grip,
// icons, and the lock-key panes repainting when a lock changes.
#include "CoolBarsFrame.h"

namespace {

const COLORREF kBack = RGB(223, 232, 244), kEdge = RGB(175, 192, 216), kIconRed = RGB(255, 0, 0);

// A 16 x 16 icon, solid red, or monochrome (no colour bitmap). The AND
// mask is all zero: every pixel opaque.
HICON MakeIcon(bool colour)
{
    static const BYTE kZeroMask[16 * 2 * 2] = {};
    vt::GdiObject mask(::CreateBitmap(16, colour ? 16 : 32, 1, 1, kZeroMask));
    vt::WindowDC screen(NULL);
    vt::GdiObject bits(::CreateCompatibleBitmap(screen, 16, 16));
    CDC dc;
    dc.CreateCompatibleDC(CDC::FromHandle(screen));
    {
        vt::SelectGuard guard(dc.m_hDC, bits);
        dc.FillSolidRect(0, 0, 16, 16, kIconRed);
    }
    ICONINFO info = {TRUE, 0, 0, mask.bitmap(), colour ? bits.bitmap() : NULL};
    return ::CreateIconIndirect(&info);
}

class StatusBar : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(frame.get() != NULL);
        bar().SetPaneText(0, "Ready");
        Redraw();
    }

    CCoolStatusBar& bar() { return frame->m_wndStatusBar; }
    void Redraw() { bar().RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW); }
    vt::Capture Shot() { Redraw(); return vt::Capture::FromWindow(bar().m_hWnd); }

    // A pane is its text (in the bar's font) and 6 pixels.
    int PaneWidth(LPCTSTR text)
    {
        CClientDC dc(&bar());
        CFont* pOld = dc.SelectObject(bar().GetFont());
        CRect rc(0, 0, 0, 0);
        dc.DrawText(text, -1, &rc, DT_CALCRECT | DT_SINGLELINE);
        dc.SelectObject(pOld);
        return rc.Width() + 6;
    }
    // Separator columns, right to left: 1 pixel left of panes 3, 2 and 1.
    std::vector<int> Separators(int right)
    {
        std::vector<int> columns;
        for (LPCTSTR text : {"SCRL", "NUM", "CAP"})
            columns.push_back(right -= PaneWidth(text));
        return columns;
    }
    int FirstInk(const vt::Capture& shot, int from, int to)
    {
        for (int x = from; x < to; x++)
            for (int y = 1; y < shot.height() - 1; y++)
                if (shot.At(x, y) != kBack && shot.At(x, y) != kIconRed)
                    return x;
        return -1;
    }

    CoolBarsFrameHolder frame;
};

TEST_F(StatusBar, PanesStartFromTheRightEdgeBesideTheGripOrMaximisedWithout)
{
    const COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW);
    for (bool maximised : {false, true}) {
        SCOPED_TRACE(maximised ? "maximised" : "normal");
        frame->ShowWindow(maximised ? SW_MAXIMIZE : SW_RESTORE);
        frame->RunIdle();
        ASSERT_EQ(frame->IsZoomed() != FALSE, maximised);
        const vt::Capture shot = Shot();
        const int w = shot.width(), h = shot.height();
        EXPECT_PIXEL(shot, w / 2, 0, kEdge);
        for (int x : Separators(w - (maximised ? 0 : 14))) {
            EXPECT_PIXEL(shot, x, 1, kBack);
            EXPECT_PIXEL(shot, x, 2, shadow);
            EXPECT_PIXEL(shot, x, h - 3, shadow);
            EXPECT_PIXEL(shot, x, h - 2, kBack);
            EXPECT_PIXEL(shot, x + 1, h / 2, kBack);
        }
        // Each dot: light square, its shadow square one up and left over it.
        for (CPoint dot : {CPoint(3, 3), CPoint(7, 3), CPoint(11, 3), CPoint(3, 7), CPoint(7, 7), CPoint(3, 11)}) {
            const int x = w - dot.x, y = h - dot.y;
            EXPECT_EQ(shot.At(x + 1, y + 1) == RGB(255, 255, 255), !maximised);
            EXPECT_EQ(shot.At(x, y) == shadow, !maximised);
        }
    }
}

TEST_F(StatusBar, IconsWidenTheirPanesAndPushTheFirstPanesText)
{
    HICON colour = MakeIcon(true), mono = MakeIcon(false);
    ASSERT_EQ(bar().GetPanes(), 4);
    const int sep1 = Separators(Shot().width() - 14)[2];
    const int textAt = FirstInk(Shot(), 0, sep1);

    struct Case { const char* name; int index; HICON icon; BOOL result; int shift; };
    const Case cases[] = {
        {"colour icon", 1, colour, TRUE, 18},
        {"monochrome icon is not drawn", 1, mono, TRUE, 0},
        {"index past the last", kStatusMaxIcons, colour, FALSE, 0},
        {"negative index", -1, colour, FALSE, 0},
        {"removed", 1, NULL, TRUE, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(bar().SetPaneIcon(c.index, c.icon), c.result);
        const vt::Capture shot = Shot();
        EXPECT_PIXEL(shot, sep1 - c.shift, shot.height() / 2, ::GetSysColor(COLOR_BTNSHADOW));
        EXPECT_EQ(shot.At(sep1 - c.shift + 1 + 8, 1 + (shot.height() - 16) / 2 + 8) == kIconRed, c.shift != 0);
        EXPECT_EQ(FirstInk(shot, 0, 60), textAt);
    }
    // In the first pane the text starts 2 pixels after the icon.
    EXPECT_TRUE(bar().SetPaneIcon(0, colour));
    const vt::Capture shot = Shot();
    EXPECT_PIXEL(shot, 8, 1 + (shot.height() - 16) / 2 + 8, kIconRed);
    EXPECT_EQ(FirstInk(shot, 0, 60), textAt + 18);
    bar().SetPaneIcon(0, NULL);
    ::DestroyIcon(colour);
    ::DestroyIcon(mono);
}

TEST_F(StatusBar, CapsLockRepaintsOnceAndIdleUpdatesWithoutChangeRepaintNothing)
{
    frame->RunIdle();
    vt::MessageRecorder recorder;
    recorder.Watch(bar().m_hWnd);
    recorder.Only({WM_PAINT});
    for (int round = 0; round < 2; round++) {
        SCOPED_TRACE(round);
        const bool wasOn = (::GetKeyState(VK_CAPITAL) & 1) != 0;
        // A mark far from the lock panes goes only if the whole bar repaints.
        const CPoint mark(bar().GetPanes() * 20, 8);
        {
            CClientDC dc(&bar());
            dc.FillSolidRect(mark.x, mark.y, 2, 2, RGB(0, 255, 0));
        }
        recorder.Clear();
        vt::KeyPress(VK_CAPITAL);
        frame->RunIdle();
        ASSERT_NE((::GetKeyState(VK_CAPITAL) & 1) != 0, wasOn);
        EXPECT_EQ(recorder.Messages().size(), 1u);
        EXPECT_EQ((bar().GetPaneStyle(1) & SBPS_DISABLED) != 0, wasOn);
        // Enabled text in the text colour, disabled in the disabled colour.
        const COLORREF ink = wasOn ? bar().GetDisabledTextColor() : bar().GetTextColor();
        const vt::Capture shot = vt::Capture::FromWindow(bar().m_hWnd);
        EXPECT_PIXEL(shot, mark.x, mark.y, kBack);
        int inked = 0;
        for (int x = Separators(shot.width() - 14)[2]; x < Separators(shot.width() - 14)[1]; x++)
            for (int y = 0; y < shot.height(); y++)
                inked += shot.At(x, y) == ink;
        EXPECT_GT(inked, 0);
        recorder.Clear();
        frame->RunIdle();
        frame->RunIdle();
        EXPECT_EQ(recorder.Messages().size(), 0u);
    }
}

}  // namespace
