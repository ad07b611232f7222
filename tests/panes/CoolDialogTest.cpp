// Skinned dialog: background painting, tooltips by control id, relaying, activation and resizing
// (its create, paint, hover and destroy cycles are counted by the soak).
#include "DialogFixture.h"
#include "tips/TipMeasure.h"

namespace panes_test {
namespace {

const COLORREF kSkinFrame = RGB(123, 155, 225);
const COLORREF kSkinPanel = RGB(232, 237, 250);
// A client point of the dialogs that no control covers.
const CPoint kBlankPoint(220, 100);

int TipTextCallback(HWND, unsigned char*, int, char* buffer, int)
{
    lstrcpyA(buffer, "From a callback");
    return 0;
}

class CoolDialogTest : public ::testing::Test
{
protected:
    void SetUp() override { vt::ParkCursor(); }
    void TearDown() override
    {
        m_dlg.Close();
        vt::ParkCursor();
    }

    ProbeDialog m_dlg;
};

TEST_F(CoolDialogTest, SkinnedBackgroundFramesThePanelAcrossTheClientArea)
{
    ASSERT_TRUE(m_dlg.Open());
    EXPECT_NE(nullptr, g_hSkinDialog);
    EXPECT_GT(m_dlg.paintBkCalls, 0);
    EXPECT_EQ(kDialogRect.Size(), m_dlg.lastPaintBkSize);

    const vt::Capture shot = vt::Capture::FromWindow(m_dlg.m_hWnd);
    const int w = shot.width(), h = shot.height();
    EXPECT_PIXEL(shot, 0, 0, kSkinFrame);               // square corners: nothing left out
    EXPECT_PIXEL(shot, 1, h / 2, kSkinFrame);
    EXPECT_PIXEL(shot, w - 2, h / 2, kSkinFrame);
    EXPECT_PIXEL(shot, w / 2, h - 1, kSkinFrame);
    EXPECT_PIXEL(shot, kBlankPoint.x, kBlankPoint.y, kSkinPanel);

    // A second dialog paints with the same shared skin.
    const HBITMAP skin = g_hSkinDialog;
    ProbeDialog second;
    ASSERT_TRUE(second.Open());
    EXPECT_EQ(skin, g_hSkinDialog);
    second.Close();
}

TEST_F(CoolDialogTest, BackgroundTypeZeroErasesAsAPlainDialogAndNeverCallsPaintBk)
{
    ASSERT_TRUE(m_dlg.Open(kDlgBkPlatform));
    m_dlg.RepaintNow();
    EXPECT_EQ(0, m_dlg.paintBkCalls);
    // A plain dialog's background is the 3-D face colour.
    const vt::Capture shot = vt::Capture::FromWindow(m_dlg.m_hWnd);
    EXPECT_PIXEL(shot, kBlankPoint.x, kBlankPoint.y, ::GetSysColor(COLOR_3DFACE));
    EXPECT_PIXEL(shot, 1, shot.height() / 2, ::GetSysColor(COLOR_3DFACE));
}

TEST_F(CoolDialogTest, OverriddenPaintBkIsWhatAppears)
{
    const COLORREF kOwn = RGB(250, 20, 140);
    m_dlg.customFill = kOwn;
    ASSERT_TRUE(m_dlg.Open());
    const vt::Capture shot = vt::Capture::FromWindow(m_dlg.m_hWnd);
    const int w = shot.width(), h = shot.height();
    EXPECT_PIXEL(shot, 0, 0, kOwn);
    EXPECT_PIXEL(shot, w - 1, h - 1, kOwn);
    EXPECT_PIXEL(shot, kBlankPoint.x, kBlankPoint.y, kOwn);
}

// Tips are added only for known controls with a text or callback, deleted by
// id (one for any id), and their window goes with the dialog, capture and all.
TEST_F(CoolDialogTest, ToolTipsAreAddedForKnownControlsDeletedByIdAndGoWithTheDialog)
{
    ASSERT_TRUE(m_dlg.Open());
    HWND button = m_dlg.GetDlgItem(kButtonId)->m_hWnd;
    unsigned char data[2] = {1, 2};
    const struct Case
    {
        const char* name;
        std::function<int()> add;
    } rejected[] = {
        {"unknown id", [&] { return m_dlg.AddToolTip(kMissingId, "Nobody"); }},
        {"empty text", [&] { return m_dlg.AddToolTip(kButtonId, ""); }},
        {"null text", [&] { return m_dlg.AddToolTip(kButtonId, static_cast<const char*>(nullptr)); }},
        {"null callback", [&] { return m_dlg.AddToolTip(kButtonId, static_cast<VELUTOOLTEXTPROC>(nullptr), data, 2); }},
        {"callback, unknown id", [&] { return m_dlg.AddToolTip(kMissingId, TipTextCallback, data, 2); }},
    };
    for (const Case& c : rejected)
    {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(0, c.add());
        EXPECT_FALSE(m_dlg.Tip().IsTool(button, nullptr));
    }

    EXPECT_NE(0, m_dlg.AddToolTip(kButtonId, "Save the file"));
    EXPECT_TRUE(m_dlg.Tip().IsTool(button, nullptr));
    HWND edit = m_dlg.GetDlgItem(kEditId)->m_hWnd;
    EXPECT_NE(0, m_dlg.AddToolTip(kEditId, TipTextCallback, data, 2));
    EXPECT_TRUE(m_dlg.Tip().IsTool(edit, nullptr));

    EXPECT_EQ(1, m_dlg.DelToolTip(kMissingId));
    EXPECT_EQ(1, m_dlg.DelToolTip(kStaticId));
    EXPECT_EQ(1, m_dlg.DelToolTip(kButtonId));
    EXPECT_FALSE(m_dlg.Tip().IsTool(button, nullptr));
    EXPECT_TRUE(m_dlg.Tip().IsTool(edit, nullptr));

    const HWND tip = m_dlg.TipWnd();
    m_dlg.Tip().ShowMe("Going down with the dialog", 5000, 100, 300);
    m_dlg.Close();
    EXPECT_FALSE(::IsWindow(tip));
    EXPECT_EQ(nullptr, ::GetCapture());
}

TEST_F(CoolDialogTest, RestingOnAControlShowsItsTipButTheWheelStartsNone)
{
    ASSERT_TRUE(m_dlg.Open());
    // The cursor arrives before the control is a tool, so the moves start nothing.
    vt::MoveCursor(m_dlg.ScreenCentreOf(kStaticId));
    vt::PumpFor(50);
    ASSERT_NE(0, m_dlg.AddToolTip(kStaticId, "Label tip"));
    HWND label = m_dlg.GetDlgItem(kStaticId)->m_hWnd;

    ::PostMessageA(label, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    vt::PumpFor(2 * kToolTipDelay);
    EXPECT_FALSE(m_dlg.TipVisible());

    ::PostMessageA(label, WM_MBUTTONUP, 0, 0);
    EXPECT_TRUE(vt::PumpUntil([&] { return m_dlg.TipVisible(); }, 4 * kToolTipDelay));
}

TEST_F(CoolDialogTest, SwitchingActivationTakesTheTipDown)
{
    ASSERT_TRUE(m_dlg.Open());
    vt::HostWnd other(100, 60);
    for (bool toOther : {true, false})
    {
        SCOPED_TRACE(toOther ? "another window activated" : "the dialog activated");
        vt::Activate(toOther ? m_dlg.m_hWnd : other.m_hWnd);
        ASSERT_TRUE(vt::PumpUntil([&] { return ::GetActiveWindow() == (toOther ? m_dlg.m_hWnd : other.m_hWnd); }));
        m_dlg.Tip().ShowMe("Up for a while", 5000, 100, 300);
        ASSERT_TRUE(m_dlg.TipVisible());

        vt::Activate(toOther ? other.m_hWnd : m_dlg.m_hWnd);
        EXPECT_TRUE(vt::PumpUntil([&] { return !m_dlg.TipVisible(); }, 1000));
    }
}

TEST_F(CoolDialogTest, ResizingRepaintsTheWholeBackground)
{
    ASSERT_TRUE(m_dlg.Open());
    m_dlg.ValidateRect(nullptr);
    const CSize smaller(250, 150);
    m_dlg.SetWindowPos(nullptr, 0, 0, smaller.cx, smaller.cy,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // Shrinking exposes nothing, yet the frame has moved: all of it is due again.
    CRect update;
    m_dlg.GetUpdateRect(&update, FALSE);
    EXPECT_EQ(CRect(CPoint(0, 0), smaller), update);

    m_dlg.UpdateWindow();
    EXPECT_EQ(smaller, m_dlg.lastPaintBkSize);
    const vt::Capture shot = vt::Capture::FromWindow(m_dlg.m_hWnd);
    EXPECT_PIXEL(shot, smaller.cx - 2, smaller.cy / 2, kSkinFrame);
    EXPECT_PIXEL(shot, smaller.cx / 2, smaller.cy - 2, kSkinFrame);
}

} // namespace
} // namespace panes_test
