// The flat check box: check semantics, notification, geometry and colours read back from the screen.
#include "ButtonFixture.h"

using namespace btntest;

namespace {

const COLORREF kBackground = RGB(40, 160, 90);

class CheckBoxTest : public ControlTest<CCoolCheckBox>
{
protected:
    CheckBoxTest() : ControlTest(CRect(20, 20, 120, 40), kBackground) {}   // 100 x 20

    // The change notifications so far and the box they last named.
    int notified = 0;
    CCoolCheckBox* notifiedBox = nullptr;
    static void Note(void* test, CCoolCheckBox* box)
    {
        ++static_cast<CheckBoxTest*>(test)->notified;
        static_cast<CheckBoxTest*>(test)->notifiedBox = box;
    }

    // A dialog-like parent that paints under its children, as the check box relies on.
    void SetUp() override { host.ModifyStyle(WS_CLIPCHILDREN, 0); }

    bool Make(const char* text = "")
    {
        if (!ctl.Create(text, WS_CHILD | WS_VISIBLE, rect, &host, kButtonId))
            return false;
        ctl.SetChangedCallback(this, Note);
        return true;
    }
    CPoint Inside() const { return CPoint(rect.left + 6, rect.top + 10); }
    CPoint Outside() const { return CPoint(rect.left + 6, rect.bottom + 30); }
};

// Only changes between zero and nonzero are stored and notified, by the
// setters and by clicks and keys as a user expects.
TEST_F(CheckBoxTest, CheckChangesAsSettersClicksAndKeysAskAndIsNotifiedOncePerChange)
{
    ASSERT_TRUE(Make("Click me"));
    EXPECT_EQ(0, ctl.GetCheck());
    // Each step acts, then the check state and the notifications so far are as given.
    const struct { const char* name; std::function<void()> act; int check; int notified; } steps[] = {
        {"set 2", [&] { ctl.SetCheck(2, TRUE, TRUE); }, 2, 1},
        {"set 1 over 2", [&] { ctl.SetCheck(1, TRUE, TRUE); }, 2, 1},
        {"toggle", [&] { ctl.Toggle(TRUE); }, 0, 2},
        {"set 5 quietly", [&] { ctl.SetCheck(5, FALSE, FALSE); }, 5, 2},
        {"toggle from 5", [&] { ctl.Toggle(FALSE); }, 0, 3},
        {"click", [&] { vt::Click(host.ToScreen(Inside())); }, 1, 4},
        {"released outside", [&] {
            vt::MoveCursor(host.ToScreen(Inside()));
            vt::MouseDown();
            vt::MoveCursor(host.ToScreen(Outside()));
            vt::MouseUp();
        }, 1, 4},
        {"double click", [&] { ASSERT_TRUE(MoveTo(Inside(), kStateHot)); vt::DoubleClick(host.ToScreen(Inside())); }, 1, 6},
        {"space", [&] { ASSERT_TRUE(Focus()); vt::KeyPress(VK_SPACE); }, 0, 7},
        {"enter", [&] { vt::KeyPress(VK_RETURN); }, 1, 8},
        {"other key", [&] { vt::KeyPress('A'); }, 1, 8},
        {"toggle without callback", [&] { ctl.SetChangedCallback(nullptr, nullptr); ctl.Toggle(FALSE); }, 0, 8},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        step.act();
        vt::PumpUntil([&] { return notified == step.notified; });
        vt::PumpFor(30);
        EXPECT_EQ(step.check, ctl.GetCheck());
        EXPECT_EQ(step.notified, notified);
    }
    EXPECT_EQ(&ctl, notifiedBox);
}

TEST_F(CheckBoxTest, BoxAndCheckMarkSitWhereTheyBelongInA100By20Control)
{
    ASSERT_TRUE(Make("Tick"));
    vt::Capture shot = Shot();
    EXPECT_TRUE(FrameHolds(CRect(0, 4, kCheckBoxSize, 4 + kCheckBoxSize),
                           [&](int x, int y) { return shot.At(x, y) == kCheckOutline; }));
    for (const POINT& p : {POINT{13, 10}, POINT{6, 3}, POINT{6, 17}, POINT{2, 9}})
        EXPECT_PIXEL(shot, p.x, p.y, kBackground);

    ctl.SetCheck(1, TRUE, FALSE);
    shot = Shot();
    // The three strokes: the first, one pixel in, one pixel down.
    for (const POINT& p : {POINT{2, 9}, POINT{4, 11}, POINT{5, 12}, POINT{8, 9}, POINT{10, 7}, POINT{3, 9},
                           POINT{5, 11}, POINT{9, 7}, POINT{2, 10}, POINT{5, 13}, POINT{10, 8}})
        EXPECT_PIXEL(shot, p.x, p.y, kCheckOutline);
    EXPECT_PIXEL(shot, 8, 12, kBackground);
    EXPECT_PIXEL(shot, 6, 6, kBackground);
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
    }, CRect(kCheckCaptionLeft, 0, 100 - kCheckCaptionRight, 20), [&](size_t i, const vt::Capture& shot) {
        EXPECT_PIXEL(shot, 0, 10, own);
        EXPECT_PIXEL(shot, 12, 10, own);
        EXPECT_PIXEL(shot, 5, 12, i < 3 ? own : kBackground);
    });
}

TEST_F(CheckBoxTest, FocusFrameIsSevenPixelsWideWithoutCaptionAndTwoBeyondTheCaptionWithOne)
{
    ASSERT_TRUE(Make(""));
    ASSERT_TRUE(Focus());
    const vt::Capture shot = Shot();
    const int left = kCheckFocusLeft, right = left + kCheckFocusExtra + kCheckFocusEmptyWidth - 1;   // 21: 7 pixels
    EXPECT_TRUE(FrameHolds(CRect(left, 2, right, 17), [&](int x, int y) { return IsBlackOrWhite(shot.At(x, y)); }));
    EXPECT_TRUE(FrameHolds(CRect(left - 1, 1, right + 1, 18), [&](int x, int y) { return shot.At(x, y) == kBackground; }));
    EXPECT_NE(shot.At(left, 2), shot.At(left + 1, 2));

    // The frame is measured with the DC's own font, not the caption's.
    ctl.SetWindowText("Remember");
    const int wideRight = kCheckFocusLeft + kCheckFocusExtra + vt::TextExtent(NULL, "Remember").cx - 1;
    ASSERT_LT(wideRight + 1, rect.Width());
    const vt::Capture wide = Shot();
    EXPECT_TRUE(IsBlackOrWhite(wide.At(wideRight, 2)) && IsBlackOrWhite(wide.At(wideRight - 1, 2)));
    EXPECT_PIXEL(wide, wideRight + 1, 2, kBackground);
    EXPECT_PIXEL(wide, kCheckFocusLeft - 1, 2, kBackground);

    ctl.SetDrawFocusedRect(FALSE);
    EXPECT_PIXEL(Shot(), kCheckFocusLeft, 2, kBackground);
}

TEST_F(CheckBoxTest, AChangeMakesParentAndGrandparentRepaintUnderTheBox)
{
    CWnd panel;
    ASSERT_TRUE(panel.Create("STATIC", "", WS_CHILD | WS_VISIBLE, CRect(10, 10, 300, 180), &host, 3));
    CCoolCheckBox inner;
    const CRect innerRect(20, 30, 120, 50);
    ASSERT_TRUE(inner.Create("Nested", WS_CHILD | WS_VISIBLE, innerRect, &panel, kButtonId));
    vt::PaintNow(host.m_hWnd);
    CRect update;
    inner.SetCheck(1, FALSE, FALSE);
    EXPECT_FALSE(::GetUpdateRect(panel.m_hWnd, &update, FALSE));
    EXPECT_FALSE(::GetUpdateRect(host.m_hWnd, &update, FALSE));

    inner.SetCheck(0, TRUE, FALSE);
    for (const auto& p : {std::make_pair(panel.m_hWnd, innerRect), std::make_pair(host.m_hWnd, innerRect + CPoint(10, 10))}) {
        ASSERT_TRUE(::GetUpdateRect(p.first, &update, FALSE));
        EXPECT_TRUE(update.PtInRect(p.second.TopLeft()));
        EXPECT_TRUE(update.PtInRect(p.second.BottomRight() - CSize(1, 1)));
    }
}

}  // namespace
