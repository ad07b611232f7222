// The whole way of a mouse resting on a skinned button with a tooltip in a skinned dialog,
// driven only by the real cursor and the application's message loop (how the tip
// paints is the tooltip suite's, the hot caption's colour the button suite's).
#include "DialogFixture.h"
#include "buttons/VeluButtons.h"
#include "skin/VeluSkin.h"
#include "tips/TipMeasure.h"

namespace panes_test {
namespace {

const char kTipText[] = "Save the document";

class ButtonDialog : public ProbeDialog
{
public:
    BOOL OnInitDialog() override
    {
        const BOOL result = ProbeDialog::OnInitDialog();
        button.SubclassDlgItem(kButtonId, this);
        AddToolTip(kButtonId, kTipText);
        return result;
    }

    CCoolButton button;
};

// The middle of each edge of the button, where no caption covers the skin, is
// as the nine-grid painter draws that skin off screen.
bool ShowsSkin(HWND button, HBITMAP skin)
{
    const vt::Capture shot = vt::Capture::FromWindow(button);
    const int w = shot.width(), h = shot.height();
    vt::MemoryCanvas expected(w, h);
    const RECT rc = {0, 0, w, h};
    CRoundBitmap().ShowMe(expected, &rc, skin, g_nStdCornerInsets, kStdCornerSize);
    for (CPoint p : {CPoint(w / 2, 1), CPoint(2, h / 2), CPoint(w - 3, h / 2), CPoint(w / 2, h - 2)})
        if (shot.At(p.x, p.y) != expected.At(p.x, p.y))
            return false;
    return true;
}

TEST(TypicalEvent, RestingOnAButtonTurnsItHotAndShowsItsTipUntilTheCursorLeaves)
{
    vt::ParkCursor();
    ButtonDialog dlg;
    ASSERT_TRUE(dlg.Open());
    const HWND button = dlg.button.m_hWnd;
    const HBITMAP normal = g_hSkinBtnNormal, hot = g_hSkinBtnHot;
    ASSERT_FALSE(ShowsSkin(button, hot)) << "the sample points cannot tell the two skins apart";
    ASSERT_TRUE(ShowsSkin(button, normal));

    // Onto the button: hover turns it hot long before the tip's delay is up.
    const CPoint onButton = dlg.ScreenCentreOf(kButtonId);
    const DWORD rested = ::GetTickCount();
    vt::MoveCursor(onButton);
    EXPECT_TRUE(vt::PumpUntil([&] { return ShowsSkin(button, hot); }, kToolTipDelay - 50));
    EXPECT_FALSE(dlg.TipVisible());

    // The delay runs out: the tip shows beside the cursor with the registered text.
    ASSERT_TRUE(vt::PumpUntil([&] { return dlg.TipVisible(); }, 4 * kToolTipDelay));
    // GetTickCount moves in steps of up to about 16 ms; a busy machine only delays.
    const DWORD waited = ::GetTickCount() - rested;
    EXPECT_GE(waited, DWORD(kToolTipDelay - 20));
    EXPECT_LT(waited, DWORD(kToolTipDelay + 400));
    CRect tip;
    ::GetWindowRect(dlg.Tip().m_hWnd, &tip);
    EXPECT_EQ(onButton + CPoint(10, 10), tip.TopLeft());
    const CSize text = tips_test::MeasureLines(kTipText);
    EXPECT_EQ(text + CSize(2 * kToolTipMargin, 2 * kToolTipMargin), tip.Size());
    // Off the button: the tip goes at the next move, the button turns normal.
    vt::MoveCursor(CPoint(kDialogRect.left + 220, kDialogRect.top + 100));
    EXPECT_TRUE(vt::PumpUntil([&] { return !dlg.TipVisible(); }, 1000));
    EXPECT_TRUE(vt::PumpUntil([&] { return ShowsSkin(button, normal); }, 1000));
    if (HasFailure())
        vt::DumpForCurrentTest(vt::Capture::FromWindow(button), "button");
    dlg.Close();
}

} // namespace
} // namespace panes_test
