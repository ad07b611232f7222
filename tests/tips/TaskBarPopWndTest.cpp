// Task-bar notifier: slide by task-bar side, stay, close button, painting; leaks of the closed notifier and skinned balloon.
#include "BalloonProbe.h"

namespace tips_test {
namespace {

const COLORREF kBackground = RGB(223, 232, 244), kBorder = RGB(175, 192, 216);
const COLORREF kGlyph = RGB(194, 208, 239), kHotGlyph = RGB(192, 192, 192);

class ProbePop : public CTaskBarPopWnd
{
public:
    UINT RunningTimer() const { return m_nTimerId; }
    int TaskBarSide() const { return m_nTaskBarPos; }
    int LastHit() const { return m_nLastHit; }
    bool Visible() const { return IsWindowVisible() != FALSE; }
    CRect CloseRect() { CRect rc; GetCloseButtonRect(&rc); return rc; }
    CRect Rect() const { CRect rc; GetWindowRect(&rc); return rc; }
    void Tick(UINT id, int times = 1) { while (times-- > 0) SendMessage(WM_TIMER, id, 0); }
    void Mouse(UINT message, CPoint client) { SendMessage(message, 0, MAKELPARAM(client.x, client.y)); }
    void ClickClose() { Mouse(WM_LBUTTONDOWN, CloseRect().CenterPoint()); Mouse(WM_LBUTTONUP, CloseRect().CenterPoint()); }
    // All the way out (7 steps for 100 pixels), with a stay nobody waits for.
    void ShowFully() { ShowMe(200, 100, 60000); Tick(kTaskBarPopShowTimerId, 7); UpdateWindow(); }
};

// No task bar shows here: each side is simulated by giving up a band of the
// work area along that edge of the screen.
class TaskBarPopTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        vt::ParkCursor();
        ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &m_savedWork, 0);
        ASSERT_TRUE(m_pop.Create());
        m_pop.SetWindowText("You have new mail from the project team about the release.");
    }
    void TearDown() override { ::SystemParametersInfoA(SPI_SETWORKAREA, 0, &m_savedWork, 0); }

    // Returns the work area shrunk by 3, where the notifier's edges lie.
    CRect PutTaskBar(int side)
    {
        CRect work(0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
        LONG& edge = side == kTaskBarBottom ? work.bottom : side == kTaskBarTop ? work.top : side == kTaskBarLeft ? work.left : work.right;
        edge += side == kTaskBarTop || side == kTaskBarLeft ? 30 : -30;
        EXPECT_TRUE(::SystemParametersInfoA(SPI_SETWORKAREA, 0, &work, 0)) << "the work area cannot be set here";
        work.DeflateRect(3, 3);
        return work;
    }
    CPoint OnScreen(CPoint client) { m_pop.ClientToScreen(&client); return client; }

    RECT m_savedWork = {};
    ProbePop m_pop;
};

TEST_F(TaskBarPopTest, SlidesOutStaysAndSlidesBackBesideTheTaskBar)
{
    for (int side : {kTaskBarBottom, kTaskBarTop, kTaskBarLeft, kTaskBarRight}) {
        SCOPED_TRACE(testing::Message() << "task bar side " << side);
        const CRect w = PutTaskBar(side);
        const int left = side == kTaskBarLeft ? w.left : w.right - 200;
        m_pop.ShowMe(200, 100, 5000);
        EXPECT_EQ(side, m_pop.TaskBarSide());
        EXPECT_FALSE(m_pop.Visible()) << "nothing shows before the first tick";
        // Out by 10 a tick from 40 to 100, one tick of stay, back by 10 to 30, then gone.
        const int heights[] = {40, 50, 60, 70, 80, 90, 100, 100, 90, 80, 70, 60, 50, 40, 30};
        for (int i = 0; i < 15; ++i) {
            const UINT id = i < 7 ? kTaskBarPopShowTimerId : i == 7 ? kTaskBarPopStayTimerId : kTaskBarPopHideTimerId;
            EXPECT_EQ(id, m_pop.RunningTimer());
            m_pop.Tick(id);
            EXPECT_EQ(side == kTaskBarTop ? CRect(left, w.top, left + 200, w.top + heights[i])
                                          : CRect(left, w.bottom - heights[i], left + 200, w.bottom), m_pop.Rect()) << i;
            EXPECT_TRUE(m_pop.Visible());
        }
        m_pop.Tick(kTaskBarPopHideTimerId);
        EXPECT_FALSE(m_pop.Visible());
        EXPECT_EQ(0u, m_pop.RunningTimer());
        for (UINT id : {kTaskBarPopShowTimerId, kTaskBarPopStayTimerId, kTaskBarPopHideTimerId})
            EXPECT_FALSE(::KillTimer(m_pop.m_hWnd, id)) << "timer " << id << " still set";
    }
}

TEST_F(TaskBarPopTest, PressAndReleaseOnTheCloseButtonEndsEveryPhaseForGood)
{
    PutTaskBar(kTaskBarTop);    // hanging from a fixed top edge, the button stays put
    const struct { const char* name; int outTicks, stayOver, backTicks; } phases[] = {
        {"sliding out", 2, 0, 0}, {"shown", 7, 0, 0}, {"sliding back", 7, 1, 2}};
    for (const auto& p : phases) {
        SCOPED_TRACE(p.name);
        m_pop.ShowMe(200, 100, 60000);
        m_pop.Tick(kTaskBarPopShowTimerId, p.outTicks);
        m_pop.Tick(kTaskBarPopStayTimerId, p.stayOver);
        m_pop.Tick(kTaskBarPopHideTimerId, p.backTicks);
        const UINT running = m_pop.RunningTimer();
        m_pop.Mouse(WM_LBUTTONDOWN, m_pop.CloseRect().CenterPoint());
        m_pop.Mouse(WM_LBUTTONUP, CPoint(20, 50));
        EXPECT_TRUE(m_pop.Visible()) << "released beside the button";
        EXPECT_EQ(running, m_pop.RunningTimer());
        m_pop.ClickClose();
        EXPECT_FALSE(m_pop.Visible());
        EXPECT_EQ(0u, m_pop.RunningTimer());
        for (UINT id : {kTaskBarPopShowTimerId, kTaskBarPopStayTimerId, kTaskBarPopHideTimerId})
            EXPECT_FALSE(::KillTimer(m_pop.m_hWnd, id)) << "timer " << id << " still set: it would come back";
    }
}

// Background, a one-pixel border and the close glyph, hot under the real
// cursor (frame included) and plain again when it leaves; ink only where the
// text goes, none for an empty text.
TEST_F(TaskBarPopTest, PaintsBorderGlyphAndTextAndTheGlyphTurnsHotUnderTheCursor)
{
    PutTaskBar(kTaskBarBottom);
    for (const char* text : {"", "A message that wraps over a few lines of the notifier window"}) {
        SCOPED_TRACE(*text ? "with text" : "empty text");
        m_pop.SetWindowText(text);
        m_pop.ShowFully();
        const vt::Capture shot = vt::Capture::FromWindow(m_pop.m_hWnd);
        const int w = shot.width(), h = shot.height();
        ASSERT_EQ(CSize(200, 100), CSize(w, h));
        for (CPoint edge : {CPoint(0, h / 2), CPoint(w - 1, h / 2), CPoint(w / 2, 0), CPoint(w / 2, h - 1)})
            EXPECT_PIXEL(shot, edge.x, edge.y, kBorder);
        EXPECT_PIXEL(shot, 3, 3, kBackground);
        CRect close = m_pop.CloseRect();
        close.InflateRect(1, 1);
        int ink = 0;
        for (int y = 1; y < h - 1; y++)
            for (int x = 1; x < w - 1; x++)
                if (!close.PtInRect(CPoint(x, y)) && shot.At(x, y) != kBackground) {
                    ink++;
                    EXPECT_TRUE(CRect(12, 16, w - 12, h - 12).PtInRect(CPoint(x, y))) << "ink at " << x << ", " << y;
                }
        EXPECT_EQ(*text != '\0', ink > 0);
    }
    const CRect close = m_pop.CloseRect();
    const CPoint centre = close.CenterPoint();
    for (bool hot : {false, true, false}) {
        SCOPED_TRACE(hot ? "on the button" : "off it");
        vt::MoveCursor(OnScreen(hot ? centre : CPoint(60, 50)));
        ASSERT_TRUE(vt::PumpUntil([&] { return m_pop.LastHit() == (hot ? 'C' : 0); }, 1000));
        m_pop.UpdateWindow();
        const vt::Capture shot = vt::Capture::FromWindow(m_pop.m_hWnd);
        EXPECT_PIXEL(shot, centre.x, centre.y, hot ? kHotGlyph : kGlyph);
        for (CPoint edge : {CPoint(close.left, centre.y), CPoint(close.right, centre.y), CPoint(centre.x, close.bottom)})
            EXPECT_PIXEL(shot, edge.x, edge.y, hot ? kBorder : kBackground);
    }
}

TEST_F(TaskBarPopTest, ShowMeAgainRestartsFromThirtyPercentAndBadSizesDoNoHarm)
{
    const CRect w = PutTaskBar(kTaskBarBottom);
    m_pop.ShowFully();
    m_pop.ShowMe(220, 150, 5000);
    EXPECT_FALSE(::KillTimer(m_pop.m_hWnd, kTaskBarPopStayTimerId)) << "old stay timer still set";
    m_pop.Tick(kTaskBarPopShowTimerId);
    EXPECT_EQ(CRect(w.right - 220, w.bottom - 55, w.right, w.bottom), m_pop.Rect());

    // Zero sizes run through every phase; a notifier never created starts nothing.
    m_pop.ShowMe(0, 0, 0);
    for (UINT id : {kTaskBarPopShowTimerId, kTaskBarPopStayTimerId, kTaskBarPopHideTimerId})
        m_pop.Tick(id);
    EXPECT_FALSE(m_pop.Visible());
    ProbePop uncreated;
    uncreated.ShowMe(200, 100, 1000);
    EXPECT_EQ(0u, uncreated.RunningTimer());
    uncreated.GetCloseButtonRect(nullptr);
}

// What the soak's notifier and plain balloon do not: the close glyph turned
// hot and clicked, and a skinned balloon painted and timed out.
TEST(PopUpTipLeaks, ClosedNotifiersAndSkinnedBalloonsLeaveNothingBehind)
{
    auto cycle = [] {
        ProbePop pop;
        ProbeBitmapBalloon skinned;
        ASSERT_TRUE(pop.Create() && skinned.Create());
        pop.SetWindowText("Leak check message");
        pop.ShowFully();
        pop.Mouse(WM_MOUSEMOVE, pop.CloseRect().CenterPoint());
        pop.UpdateWindow();
        pop.ClickClose();
        skinned.ShowMe(200, 200, "Skinned balloon", 12, 2, nullptr, kBalloonInk, 5000);
        PaintOverBackdrop(skinned);
        skinned.Fire(kBaseTipDisplayTimerId);
    };
    EXPECT_TRUE(vt::LeavesNothingBehind(cycle, 15, true));   // the texts they keep included
}

} // namespace
} // namespace tips_test
