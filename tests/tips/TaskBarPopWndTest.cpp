// Task-bar notifier: slide by task-bar side, stay, close button, painting and leaks.
#include "TipMeasure.h"
#include "tips/VeluTips.h"

namespace tips_test {
namespace {

const COLORREF kBackground = 0x00F4E8DF;
const COLORREF kBorder = 0x00D8C0AF;
const COLORREF kGlyph = 0x00EFD0C2;
const COLORREF kHotGlyph = 0x00C0C0C0;
const int kTaskBarThickness = 30;

class ProbePop : public CTaskBarPopWnd
{
public:
    UINT RunningTimer() const { return m_nTimerId; }
    int TaskBarSide() const { return m_nTaskBarPos; }
    int LastHit() const { return m_nLastHit; }
};

// The platform shows no task bar here, so each side is simulated by giving
// the work area up to a band along that edge of the screen.
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

    void TearDown() override
    {
        ::SystemParametersInfoA(SPI_SETWORKAREA, 0, &m_savedWork, 0);
        vt::ParkCursor();
    }

    // Returns the work area shrunk by 3, where the notifier's edges lie.
    CRect PutTaskBar(int side)
    {
        CRect work(0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
        switch (side)
        {
        case kTaskBarBottom: work.bottom -= kTaskBarThickness; break;
        case kTaskBarTop: work.top += kTaskBarThickness; break;
        case kTaskBarLeft: work.left += kTaskBarThickness; break;
        default: work.right -= kTaskBarThickness; break;
        }
        EXPECT_TRUE(::SystemParametersInfoA(SPI_SETWORKAREA, 0, &work, 0));
        CRect check;
        ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &check, 0);
        EXPECT_EQ(work, check) << "the work area cannot be set here";
        work.DeflateRect(3, 3);
        return work;
    }

    void Tick(UINT id, int times = 1)
    {
        for (int i = 0; i < times; i++)
            m_pop.SendMessage(WM_TIMER, id, 0);
    }
    // Slides out all the way (7 ticks for 100 pixels) with a stay nobody waits for.
    void ShowFully(int width = 200, int height = 100)
    {
        m_pop.ShowMe(width, height, 60000);
        Tick(kTaskBarPopShowTimerId, 7);
        ASSERT_EQ(kTaskBarPopStayTimerId, m_pop.RunningTimer());
    }
    CRect PopRect() const
    {
        CRect rc;
        m_pop.GetWindowRect(&rc);
        return rc;
    }
    bool Visible() const { return m_pop.IsWindowVisible() != FALSE; }
    CPoint CloseCentre()
    {
        CRect rc;
        m_pop.GetCloseButtonRect(&rc);
        return rc.CenterPoint();
    }
    void SendMouse(UINT message, CPoint client)
    {
        m_pop.SendMessage(message, 0, MAKELPARAM(client.x, client.y));
    }

    RECT m_savedWork = {};
    ProbePop m_pop;
};

TEST_F(TaskBarPopTest, SlidesOutStaysAndSlidesBackBesideTheTaskBar)
{
    const int sides[] = {kTaskBarBottom, kTaskBarTop, kTaskBarLeft, kTaskBarRight};
    for (int side : sides)
    {
        SCOPED_TRACE(testing::Message() << "task bar side " << side);
        const CRect w = PutTaskBar(side);
        const bool growsDown = side == kTaskBarTop;
        const int left = side == kTaskBarLeft ? w.left : w.right - 200;
        const int anchorY = growsDown ? w.top : w.bottom;
        auto expectHeight = [&](int height) {
            const CRect expected(left, growsDown ? anchorY : anchorY - height, left + 200,
                                 growsDown ? anchorY + height : anchorY);
            EXPECT_EQ(expected, PopRect()) << "at height " << height;
            EXPECT_TRUE(Visible());
        };

        m_pop.ShowMe(200, 100, 5000);
        EXPECT_EQ(side, m_pop.TaskBarSide());
        EXPECT_FALSE(Visible()) << "nothing shows before the first tick";
        EXPECT_EQ(kTaskBarPopShowTimerId, m_pop.RunningTimer());
        for (int height = 40; height <= 100; height += 10)
        {
            Tick(kTaskBarPopShowTimerId);
            expectHeight(height);
        }
        EXPECT_EQ(kTaskBarPopStayTimerId, m_pop.RunningTimer());
        EXPECT_FALSE(::KillTimer(m_pop.m_hWnd, kTaskBarPopShowTimerId)) << "slide-out timer still set";

        Tick(kTaskBarPopStayTimerId);
        EXPECT_EQ(kTaskBarPopHideTimerId, m_pop.RunningTimer());
        for (int height = 90; height >= 30; height -= 10)
        {
            Tick(kTaskBarPopHideTimerId);
            expectHeight(height);
        }
        Tick(kTaskBarPopHideTimerId);
        EXPECT_FALSE(Visible());
        EXPECT_EQ(0u, m_pop.RunningTimer());
        EXPECT_FALSE(::KillTimer(m_pop.m_hWnd, kTaskBarPopHideTimerId)) << "slide-back timer still set";
    }
}

TEST_F(TaskBarPopTest, PressAndReleaseOnTheCloseButtonEndsEveryPhaseForGood)
{
    PutTaskBar(kTaskBarTop);    // the window hangs from a fixed top edge: the button stays put
    const struct Phase
    {
        const char* name;
        int showTicks;
        bool stayOver;
        int backTicks;
    } phases[] = {
        {"sliding out", 2, false, 0}, {"shown", 7, false, 0}, {"sliding back", 7, true, 2},
    };
    for (const Phase& p : phases)
    {
        SCOPED_TRACE(p.name);
        m_pop.ShowMe(200, 100, 60000);
        Tick(kTaskBarPopShowTimerId, p.showTicks);
        if (p.stayOver)
            Tick(kTaskBarPopStayTimerId);
        Tick(kTaskBarPopHideTimerId, p.backTicks);
        const UINT running = m_pop.RunningTimer();

        // Pressed on the button but released beside it: nothing happens.
        SendMouse(WM_LBUTTONDOWN, CloseCentre());
        SendMouse(WM_LBUTTONUP, CPoint(20, 50));
        EXPECT_TRUE(Visible());
        EXPECT_EQ(running, m_pop.RunningTimer());

        SendMouse(WM_LBUTTONDOWN, CloseCentre());
        SendMouse(WM_LBUTTONUP, CloseCentre());
        EXPECT_FALSE(Visible());
        EXPECT_EQ(0u, m_pop.RunningTimer());
        vt::PumpFor(60);
        EXPECT_FALSE(Visible()) << "came back after closing";
    }
}

// Real cursor and button: the glyph turns hot under the cursor, back when it
// leaves, and a click on it closes the notifier.
TEST_F(TaskBarPopTest, CloseButtonTurnsHotUnderTheCursorAndAClickCloses)
{
    PutTaskBar(kTaskBarBottom);
    ShowFully();
    CRect close;
    m_pop.GetCloseButtonRect(&close);
    const CPoint centre = close.CenterPoint();
    const struct Step
    {
        CPoint at;
        int hit;
        COLORREF glyph, frame;
    } steps[] = {
        {centre, kTaskBarPopHitClose, kHotGlyph, kBorder},
        {CPoint(60, 50), 0, kGlyph, kBackground},
    };
    for (const Step& s : steps)
    {
        SCOPED_TRACE(testing::Message() << "cursor at " << s.at.x << ", " << s.at.y);
        CPoint screen = s.at;
        m_pop.ClientToScreen(&screen);
        vt::MoveCursor(screen);
        ASSERT_TRUE(vt::PumpUntil([&] { return m_pop.LastHit() == s.hit; }, 1000));
        m_pop.UpdateWindow();
        const vt::Capture shot = vt::Capture::FromWindow(m_pop.m_hWnd);
        EXPECT_PIXEL(shot, centre.x, centre.y, s.glyph);
        EXPECT_PIXEL(shot, close.left, centre.y, s.frame);
        EXPECT_PIXEL(shot, close.right, centre.y, s.frame);
        EXPECT_PIXEL(shot, centre.x, close.bottom, s.frame);
    }

    CPoint screen = centre;
    m_pop.ClientToScreen(&screen);
    vt::Click(screen);
    EXPECT_TRUE(vt::PumpUntil([&] { return !Visible(); }, 1000));
    EXPECT_EQ(0u, m_pop.RunningTimer());
}

TEST_F(TaskBarPopTest, HitCodesPreferTheCloseButtonThenLeftRightTopBottom)
{
    ShowFully();
    const struct Case
    {
        CPoint at;
        int hit;
    } cases[] = {
        {CloseCentre(), 'C'}, {CPoint(2, 50), 'L'}, {CPoint(2, 2), 'L'}, {CPoint(197, 10), 'R'},
        {CPoint(100, 2), 'T'}, {CPoint(100, 97), 'B'}, {CPoint(100, 50), 0}, {CPoint(-1, 50), 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.hit, m_pop.MouseHitTest(c.at)) << "at " << c.at.x << ", " << c.at.y;
    m_pop.GetCloseButtonRect(nullptr);
}

// Background and a one-pixel border, the close glyph, and ink only where the
// text goes, none at all for an empty text.
TEST_F(TaskBarPopTest, EmptyTextShowsOnlyBackgroundBorderAndCloseButton)
{
    for (const char* text : {"", "A message that wraps over a few lines of the notifier window"})
    {
        SCOPED_TRACE(*text ? "with text" : "empty text");
        m_pop.SetWindowText(text);
        ShowFully();
        m_pop.UpdateWindow();
        const vt::Capture shot = vt::Capture::FromWindow(m_pop.m_hWnd);
        const int w = shot.width(), h = shot.height();
        ASSERT_EQ(CSize(200, 100), CSize(w, h));
        EXPECT_PIXEL(shot, 0, h / 2, kBorder);
        EXPECT_PIXEL(shot, w - 1, h / 2, kBorder);
        EXPECT_PIXEL(shot, w / 2, 0, kBorder);
        EXPECT_PIXEL(shot, w / 2, h - 1, kBorder);
        EXPECT_PIXEL(shot, 3, 3, kBackground);
        EXPECT_PIXEL(shot, CloseCentre().x, CloseCentre().y, kGlyph);

        CRect close;
        m_pop.GetCloseButtonRect(&close);
        close.InflateRect(1, 1);
        int ink = 0;
        for (int y = 1; y < h - 1; y++)
            for (int x = 1; x < w - 1; x++)
                if (!close.PtInRect(CPoint(x, y)) && shot.At(x, y) != kBackground)
                {
                    ink++;
                    EXPECT_TRUE(CRect(12, 16, w - 12, h - 12).PtInRect(CPoint(x, y)))
                        << "ink at " << x << ", " << y;
                }
        EXPECT_EQ(*text != '\0', ink > 0);
        if (HasFailure())
            vt::DumpForCurrentTest(shot, "notifier");
        SendMouse(WM_LBUTTONDOWN, CloseCentre());
        SendMouse(WM_LBUTTONUP, CloseCentre());
    }
}

TEST_F(TaskBarPopTest, ShowMeWhileShownRestartsFromThirtyPercentOfTheNewHeight)
{
    const CRect w = PutTaskBar(kTaskBarBottom);
    ShowFully();
    m_pop.ShowMe(220, 150, 5000);
    EXPECT_EQ(kTaskBarPopShowTimerId, m_pop.RunningTimer());
    EXPECT_FALSE(::KillTimer(m_pop.m_hWnd, kTaskBarPopStayTimerId)) << "old stay timer still set";
    Tick(kTaskBarPopShowTimerId);
    EXPECT_EQ(CRect(w.right - 220, w.bottom - 55, w.right, w.bottom), PopRect());
}

TEST_F(TaskBarPopTest, ZeroSizesAndAnUncreatedNotifierDoNoHarm)
{
    ProbePop uncreated;
    uncreated.ShowMe(200, 100, 1000);
    EXPECT_EQ(0u, uncreated.RunningTimer());
    uncreated.GetCloseButtonRect(nullptr);

    m_pop.ShowMe(0, 0, 0);
    Tick(kTaskBarPopShowTimerId);
    EXPECT_EQ(kTaskBarPopStayTimerId, m_pop.RunningTimer());
    Tick(kTaskBarPopStayTimerId);
    Tick(kTaskBarPopHideTimerId);
    EXPECT_FALSE(Visible());
    EXPECT_EQ(0u, m_pop.RunningTimer());
}

TEST_F(TaskBarPopTest, ManyNotifiersShownHoveredAndClosedLeakNothing)
{
    auto cycle = [] {
        ProbePop pop;
        ASSERT_TRUE(pop.Create());
        pop.SetWindowText("Leak check message");
        pop.ShowMe(180, 90, 60000);
        for (int i = 0; i < 7; i++)
            pop.SendMessage(WM_TIMER, kTaskBarPopShowTimerId, 0);
        pop.UpdateWindow();
        CRect close;
        pop.GetCloseButtonRect(&close);
        const LPARAM at = MAKELPARAM(close.CenterPoint().x, close.CenterPoint().y);
        pop.SendMessage(WM_MOUSEMOVE, 0, at);
        pop.UpdateWindow();
        pop.SendMessage(WM_LBUTTONDOWN, 0, at);
        pop.SendMessage(WM_LBUTTONUP, 0, at);
    };
    ExpectCyclesLeakNothing(cycle, 15);
}

} // namespace
} // namespace tips_test
