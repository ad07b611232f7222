// The whole way of a mouse resting on a skinned button with a tooltip in a skinned dialog,
// driven only by the real cursor and the application's message loop (how the tip
// paints is the tooltip suite's).
#include "DialogFixture.h"
#include "buttons/VeluButtons.h"
#include "skin/VeluSkin.h"
#include "tips/TipMeasure.h"

namespace panes_test {
namespace {

const char kTipText[] = "Save the document";
const COLORREF kHotCaption = RGB(255, 0, 255);

class ButtonDialog : public ProbeDialog
{
public:
    BOOL OnInitDialog() override
    {
        const BOOL result = ProbeDialog::OnInitDialog();
        button.SubclassDlgItem(kButtonId, this);
        button.SetHotTextColor(kHotCaption);
        AddToolTip(kButtonId, kTipText);
        return result;
    }

    CCoolButton button;
};

// Points of the button's skin that no caption covers: the middle of each edge.
std::vector<CPoint> SkinSamplePoints(const CSize& size)
{
    return {CPoint(size.cx / 2, 1), CPoint(2, size.cy / 2),
            CPoint(size.cx - 3, size.cy / 2), CPoint(size.cx / 2, size.cy - 2)};
}

// The button's skin as the nine-grid painter draws it, measured off screen.
std::vector<COLORREF> ExpectedSkin(HBITMAP skin, const CSize& size)
{
    vt::MemoryCanvas canvas(size.cx, size.cy);
    CRoundBitmap painter;
    const RECT rc = {0, 0, size.cx, size.cy};
    painter.ShowMe(canvas, &rc, skin, g_nStdCornerInsets, kStdCornerSize);
    std::vector<COLORREF> colours;
    for (const CPoint& pt : SkinSamplePoints(size))
        colours.push_back(canvas.At(pt.x, pt.y));
    return colours;
}

bool ShowsSkin(HWND button, const std::vector<COLORREF>& expected)
{
    const vt::Capture shot = vt::Capture::FromWindow(button);
    const std::vector<CPoint> points = SkinSamplePoints(CSize(shot.width(), shot.height()));
    for (size_t i = 0; i < points.size(); i++)
    {
        if (shot.At(points[i].x, points[i].y) != expected[i])
            return false;
    }
    return true;
}

int CountPixels(HWND button, COLORREF colour)
{
    const vt::Capture shot = vt::Capture::FromWindow(button);
    return vt::CountColour(shot, CRect(0, 0, shot.width(), shot.height()), colour);
}

TEST(TypicalEvent, RestingOnAButtonTurnsItHotAndShowsItsTipUntilTheCursorLeaves)
{
    vt::ParkCursor();
    ButtonDialog dlg;
    ASSERT_TRUE(dlg.Open());
    const HWND button = dlg.button.m_hWnd;
    const CSize size = kButtonRect.Size();
    const std::vector<COLORREF> normal = ExpectedSkin(g_hSkinBtnNormal, size);
    const std::vector<COLORREF> hot = ExpectedSkin(g_hSkinBtnHot, size);
    ASSERT_NE(normal, hot) << "the sample points cannot tell the two skins apart";
    ASSERT_TRUE(ShowsSkin(button, normal));
    EXPECT_EQ(0, CountPixels(button, kHotCaption));

    // Onto the button: hover turns it hot long before the tip's delay is up.
    const CPoint onButton = dlg.ScreenCentreOf(kButtonId);
    vt::MoveCursor(onButton);
    EXPECT_TRUE(vt::PumpUntil([&] { return ShowsSkin(button, hot); }, kToolTipDelay - 50));
    EXPECT_GT(CountPixels(button, kHotCaption), 0);
    EXPECT_FALSE(dlg.TipVisible());

    // The delay runs out: the tip shows beside the cursor with the registered text.
    ASSERT_TRUE(vt::PumpUntil([&] { return dlg.TipVisible(); }, 4 * kToolTipDelay));
    CRect tip;
    ::GetWindowRect(dlg.TipWnd(), &tip);
    EXPECT_EQ(onButton + CPoint(10, 10), tip.TopLeft());
    const CSize text = tips_test::MeasureLines(kTipText);
    EXPECT_EQ(text + CSize(2 * kToolTipMargin, 2 * kToolTipMargin), tip.Size());
    // Off the button: the tip goes at the next move, the button turns normal.
    vt::MoveCursor(CPoint(kDialogRect.left + 220, kDialogRect.top + 100));
    EXPECT_TRUE(vt::PumpUntil([&] { return !dlg.TipVisible(); }, 1000));
    EXPECT_TRUE(vt::PumpUntil([&] { return ShowsSkin(button, normal); }, 1000));
    EXPECT_EQ(0, CountPixels(button, kHotCaption));
    if (HasFailure())
        vt::DumpForCurrentTest(vt::Capture::FromWindow(button), "button");
    dlg.Close();
}

} // namespace
} // namespace panes_test
