// Skinned dialog: background painting, tooltips by control id, relaying, activation and resizing
// (its create, paint, hover and destroy cycles are counted by the soak).
#include "DialogFixture.h"

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
    void TearDown() override { m_dlg.Close(); vt::ParkCursor(); }

    ProbeDialog m_dlg;
};

// The skin frames the panel across the whole client area (square corners:
// nothing left out), through PaintBk into a memory bitmap of the client's
// size; type 0 erases as a plain dialog in the 3-D face colour without
// PaintBk; an overriding PaintBk is what appears.
TEST_F(CoolDialogTest, BackgroundIsTheSkinThePlainFaceOrWhatPaintBkDrawsAndAllOfItAfterAResize)
{
    const COLORREF face = ::GetSysColor(COLOR_3DFACE), own = RGB(250, 20, 140);
    const struct { const char* name; int type; COLORREF fill, edge, blank; bool paintBk; } cases[] = {
        {"skinned", kDlgBkSkinned, CLR_INVALID, kSkinFrame, kSkinPanel, true},
        {"plain", kDlgBkPlatform, CLR_INVALID, face, face, false},
        {"own PaintBk", kDlgBkSkinned, own, own, own, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ProbeDialog dlg;
        dlg.customFill = c.fill;
        ASSERT_TRUE(dlg.Open(c.type));
        EXPECT_EQ(c.paintBk, dlg.paintBkCalls > 0);
        EXPECT_EQ(c.paintBk ? kDialogRect.Size() : CSize(0, 0), dlg.lastPaintBkSize);
        const vt::Capture shot = vt::Capture::FromWindow(dlg.m_hWnd);
        const int w = shot.width(), h = shot.height();
        for (CPoint p : {CPoint(0, 0), CPoint(1, h / 2), CPoint(w - 2, h / 2), CPoint(w / 2, h - 1), CPoint(w - 1, h - 1)})
            EXPECT_PIXEL(shot, p.x, p.y, c.edge);
        EXPECT_PIXEL(shot, kBlankPoint.x, kBlankPoint.y, c.blank);
        dlg.Close();
    }
    ASSERT_TRUE(m_dlg.Open());

    // Shrinking exposes nothing, yet the frame has moved: all of it is due again.
    m_dlg.ValidateRect(nullptr);
    const CSize smaller(250, 150);
    m_dlg.SetWindowPos(nullptr, 0, 0, smaller.cx, smaller.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    CRect update;
    m_dlg.GetUpdateRect(&update, FALSE);
    EXPECT_EQ(CRect(CPoint(0, 0), smaller), update);
    m_dlg.UpdateWindow();
    EXPECT_EQ(smaller, m_dlg.lastPaintBkSize);
    const vt::Capture shot = vt::Capture::FromWindow(m_dlg.m_hWnd);
    EXPECT_PIXEL(shot, smaller.cx - 2, smaller.cy / 2, kSkinFrame);
    EXPECT_PIXEL(shot, smaller.cx / 2, smaller.cy - 2, kSkinFrame);
}

// Tips are added only for known controls with a text or callback, deleted by
// id (one for any id), and their window goes with the dialog, capture and all.
TEST_F(CoolDialogTest, ToolTipsAreAddedForKnownControlsDeletedByIdAndGoWithTheDialog)
{
    ASSERT_TRUE(m_dlg.Open());
    HWND button = m_dlg.GetDlgItem(kButtonId)->m_hWnd;
    unsigned char data[2] = {1, 2};
    EXPECT_EQ(0, m_dlg.AddToolTip(kMissingId, "Nobody"));
    EXPECT_EQ(0, m_dlg.AddToolTip(kButtonId, ""));
    EXPECT_EQ(0, m_dlg.AddToolTip(kButtonId, static_cast<const char*>(nullptr)));
    EXPECT_EQ(0, m_dlg.AddToolTip(kButtonId, static_cast<VELUTOOLTEXTPROC>(nullptr), data, 2));
    EXPECT_EQ(0, m_dlg.AddToolTip(kMissingId, TipTextCallback, data, 2));
    EXPECT_FALSE(m_dlg.Tip().IsTool(button, nullptr));

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

    const HWND tip = m_dlg.Tip().m_hWnd;
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
    for (bool toOther : {true, false}) {
        SCOPED_TRACE(toOther ? "another window activated" : "the dialog activated");
        vt::Activate(toOther ? m_dlg.m_hWnd : other.m_hWnd);
        ASSERT_TRUE(vt::PumpUntil([&] { return ::GetActiveWindow() == (toOther ? m_dlg.m_hWnd : other.m_hWnd); }));
        m_dlg.Tip().ShowMe("Up for a while", 5000, 100, 300);
        ASSERT_TRUE(m_dlg.TipVisible());

        vt::Activate(toOther ? other.m_hWnd : m_dlg.m_hWnd);
        EXPECT_TRUE(vt::PumpUntil([&] { return !m_dlg.TipVisible(); }, 1000));
    }
}

} // namespace
} // namespace panes_test
