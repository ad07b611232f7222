// The flat check box: check semantics, notification, geometry and colours read back from the screen.
#include "ButtonFixture.h"

using namespace btntest;

namespace {

const COLORREF kBackground = RGB(40, 160, 90);

struct Notifications
{
    int count = 0;
    CCoolCheckBox* last = nullptr;
};

void CountChange(void* context, CCoolCheckBox* box)
{
    Notifications* n = static_cast<Notifications*>(context);
    ++n->count;
    n->last = box;
}

class CheckBoxTest : public ControlTest<CCoolCheckBox>
{
protected:
    CheckBoxTest() : ControlTest(CRect(20, 20, 120, 40), kBackground) {}   // 100 x 20

    Notifications changes;
    const CRect caption{kCheckCaptionLeft, 0, 100 - kCheckCaptionRight, 20};

    // A dialog-like parent that paints under its children, as the check box relies on.
    void SetUp() override { host.ModifyStyle(WS_CLIPCHILDREN, 0); }

    bool Make(const char* text = "")
    {
        if (!ctl.Create(text, WS_CHILD | WS_VISIBLE, rect, &host, kButtonId))
            return false;
        ctl.SetChangedCallback(&changes, CountChange);
        Settle(host.m_hWnd);
        return true;
    }

    CPoint Inside() const { return CPoint(rect.left + 6, rect.top + 10); }
    CPoint Outside() const { return CPoint(rect.left + 6, rect.bottom + 30); }
};

TEST_F(CheckBoxTest, OnlyChangesBetweenZeroAndNonzeroAreStoredAndNotified)
{
    ASSERT_TRUE(Make());
    EXPECT_STREQ("CCoolCheckBox", ctl.GetRuntimeClass()->m_lpszClassName);
    EXPECT_EQ(0, ctl.GetCheck());
    const struct { const char* name; std::function<void()> act; int check; int notified; } steps[] = {
        {"set 2", [&] { ctl.SetCheck(2, TRUE, TRUE); }, 2, 1},
        {"set 1 over 2", [&] { ctl.SetCheck(1, TRUE, TRUE); }, 2, 1},
        {"toggle", [&] { ctl.Toggle(TRUE); }, 0, 2},
        {"set 5 quietly", [&] { ctl.SetCheck(5, FALSE, FALSE); }, 5, 2},
        {"toggle from 5", [&] { ctl.Toggle(FALSE); }, 0, 3},
        {"toggle without callback", [&] { ctl.SetChangedCallback(nullptr, nullptr); ctl.Toggle(FALSE); }, 1, 3},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        step.act();
        EXPECT_EQ(step.check, ctl.GetCheck());
        EXPECT_EQ(step.notified, changes.count);
    }
    EXPECT_EQ(&ctl, changes.last);
}

TEST_F(CheckBoxTest, BoxAndCheckMarkSitWhereTheyBelongInA100By20Control)
{
    ASSERT_TRUE(Make("Tick"));
    vt::Capture shot = Shot();
    const auto outline = [&](int x, int y) { return shot.At(x, y) == kCheckOutline; };
    EXPECT_TRUE(FrameHolds(CRect(0, 4, kCheckBoxSize, 4 + kCheckBoxSize), outline));
    const POINT outside[] = {{13, 10}, {6, 3}, {6, 17}, {2, 9}};
    for (const POINT& p : outside)
        EXPECT_PIXEL(shot, p.x, p.y, kBackground);

    ctl.SetCheck(1, TRUE, FALSE);
    shot = Shot();
    const POINT mark[] = {
        {2, 9}, {4, 11}, {5, 12}, {8, 9}, {10, 7},   // first stroke
        {3, 9}, {5, 11}, {9, 7},                     // second stroke, one pixel in
        {2, 10}, {5, 13}, {10, 8},                   // third stroke, one pixel down
    };
    for (const POINT& p : mark)
        EXPECT_PIXEL(shot, p.x, p.y, kCheckOutline);
    EXPECT_PIXEL(shot, 8, 12, kBackground);
    EXPECT_PIXEL(shot, 6, 6, kBackground);

    // Unchecking makes the parent paint the mark away.
    ctl.SetCheck(0, TRUE, FALSE);
    shot = Shot();
    EXPECT_PIXEL(shot, 2, 9, kBackground);
    EXPECT_PIXEL(shot, 5, 12, kBackground);
    EXPECT_PIXEL(shot, 0, 10, kCheckOutline);
}

// Box and mark keep the normal text colour; the caption takes the accent while hot or pressed.
TEST_F(CheckBoxTest, CaptionIsAccentColouredWhileHotOrPressedAndTheBoxKeepsTheNormalColour)
{
    const COLORREF own = RGB(200, 30, 30);
    ctl.SetNormalTextColor(own);
    ASSERT_TRUE(Make("Remember"));
    ctl.SetCheck(1, TRUE, FALSE);
    Walk({
        {"normal", [] { return true; }, own, kHotSpotAccent},
        {"hot", [&] { return MoveTo(Inside(), kStateHot); }, kHotSpotAccent, own},
        {"pressed", [&] { vt::MouseDown(); return WaitFor(kStatePressed); }, kHotSpotAccent, own},
        // Focused by the click, whose release unchecked the box; a fresh DC's text colour.
        {"released and left", [&] {
            vt::MouseUp();
            vt::MoveCursor(host.ToScreen(Outside()));
            return WaitFor(kStateDefault);
        }, RGB(0, 0, 0), kHotSpotAccent},
    }, caption, [&](size_t i, const vt::Capture& shot) {
        EXPECT_PIXEL(shot, 0, 10, own);
        EXPECT_PIXEL(shot, 12, 10, own);
        EXPECT_PIXEL(shot, 5, 12, i < 3 ? own : kBackground);
    });
}

TEST_F(CheckBoxTest, ClicksAndKeysToggleAsAUserExpects)
{
    ASSERT_TRUE(Make("Click me"));
    const struct { const char* name; std::function<void()> act; int check; int notified; } steps[] = {
        {"click", [&] { vt::Click(host.ToScreen(Inside())); }, 1, 1},
        {"released outside", [&] {
            vt::MoveCursor(host.ToScreen(Inside()));
            vt::MouseDown();
            vt::MoveCursor(host.ToScreen(Outside()));
            vt::MouseUp();
        }, 1, 1},
        {"double click", [&] {
            ASSERT_TRUE(MoveTo(Inside(), kStateHot));
            vt::DoubleClick(host.ToScreen(Inside()));
        }, 1, 3},
        {"space", [&] { ASSERT_TRUE(FocusOn(host, ctl)); vt::KeyPress(VK_SPACE); }, 0, 4},
        {"enter", [&] { vt::KeyPress(VK_RETURN); }, 1, 5},
        {"other key", [&] { vt::KeyPress('A'); }, 1, 5},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        step.act();
        vt::PumpUntil([&] { return changes.count == step.notified; });
        vt::PumpFor(50);
        EXPECT_EQ(step.check, ctl.GetCheck());
        EXPECT_EQ(step.notified, changes.count);
    }
}

TEST_F(CheckBoxTest, FocusFrameIsSevenPixelsWideWithoutCaptionAndTwoBeyondTheCaptionWithOne)
{
    ASSERT_TRUE(Make(""));
    ASSERT_TRUE(FocusOn(host, ctl));
    const vt::Capture shot = Shot();
    const int left = kCheckFocusLeft;
    const int right = left + kCheckFocusExtra + kCheckFocusEmptyWidth - 1;   // 21: 7 pixels
    const auto focusDot = [&](int x, int y) { return IsBlackOrWhite(shot.At(x, y)); };
    EXPECT_TRUE(FrameHolds(CRect(left, 2, right, 17), focusDot));
    const auto background = [&](int x, int y) { return shot.At(x, y) == kBackground; };
    EXPECT_TRUE(FrameHolds(CRect(left - 1, 1, right + 1, 18), background));
    EXPECT_NE(shot.At(left, 2), shot.At(left + 1, 2));

    ctl.SetWindowText("Remember");
    ctl.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE);
    // The frame is measured with the DC's own font, not the caption's.
    const int wideRight = kCheckFocusLeft + kCheckFocusExtra + MeasureText(NULL, "Remember").cx - 1;
    const vt::Capture wide = Shot();
    for (int x = kCheckFocusLeft; x <= wideRight && x < wide.width(); ++x)
        EXPECT_TRUE(IsBlackOrWhite(wide.At(x, 2))) << "top at x " << x;
    if (wideRight + 1 < wide.width()) {
        EXPECT_PIXEL(wide, wideRight + 1, 2, kBackground);
    }
    EXPECT_PIXEL(wide, kCheckFocusLeft - 1, 2, kBackground);

    ctl.SetDrawFocusedRect(FALSE);
    host.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    EXPECT_PIXEL(Shot(), kCheckFocusLeft, 2, kBackground);
}

TEST_F(CheckBoxTest, AChangeMakesParentAndGrandparentRepaintUnderTheBox)
{
    CWnd panel;
    ASSERT_TRUE(panel.Create("STATIC", "", WS_CHILD | WS_VISIBLE, CRect(10, 10, 300, 180), &host, 3));
    Probe<CCoolCheckBox> inner;
    const CRect innerRect(20, 30, 120, 50);
    ASSERT_TRUE(inner.Create("Nested", WS_CHILD | WS_VISIBLE, innerRect, &panel, kButtonId));
    Settle(host.m_hWnd);

    CRect update;
    inner.SetCheck(1, FALSE, FALSE);
    EXPECT_FALSE(::GetUpdateRect(panel.m_hWnd, &update, FALSE));
    EXPECT_FALSE(::GetUpdateRect(host.m_hWnd, &update, FALSE));

    inner.SetCheck(0, TRUE, FALSE);
    const CRect inHost = innerRect + CPoint(10, 10);
    const struct { HWND wnd; CRect box; } parents[] = {{panel.m_hWnd, innerRect}, {host.m_hWnd, inHost}};
    for (const auto& p : parents) {
        ASSERT_TRUE(::GetUpdateRect(p.wnd, &update, FALSE));
        EXPECT_TRUE(update.PtInRect(p.box.TopLeft()));
        EXPECT_TRUE(update.PtInRect(p.box.BottomRight() - CSize(1, 1)));
    }
    inner.DestroyWindow();
}

TEST_F(CheckBoxTest, EditControlOfADialogTemplateBecomesACheckBox)
{
    TemplateDialog dialog("EDIT", WS_TABSTOP, "From template", rect);
    Probe<CCoolCheckBox> templated;
    ASSERT_TRUE(dialog.Open(templated));
    CPoint at = Inside();
    dialog.ClientToScreen(&at);
    vt::Click(at);
    ASSERT_TRUE(vt::PumpUntil([&] { return templated.GetCheck() == 1; }));
    Settle(dialog.m_hWnd);
    const vt::Capture shot = vt::Capture::FromWindow(templated.m_hWnd);
    EXPECT_PIXEL(shot, 0, 10, kCheckOutline);
    EXPECT_PIXEL(shot, 5, 12, kCheckOutline);
    templated.DestroyWindow();
}

}  // namespace
