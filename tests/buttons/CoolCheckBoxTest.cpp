// The flat check box: check semantics, notification, geometry and colours read back from the screen.
#include "ButtonFixture.h"

using namespace btntest;

namespace {

const COLORREF kBackground = RGB(40, 160, 90);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kWhite = RGB(255, 255, 255);

class CheckBoxProbe : public CCoolCheckBox
{
public:
    using CCoolCheckBox::ToggleCheck;
    std::vector<DWORD> states;
    DWORD LastState() const { return states.empty() ? 0 : states.back(); }

protected:
    void DrawBackground(CDC* pDC, RECT* pRect, DWORD dwState) override
    {
        states.push_back(dwState);
        CCoolCheckBox::DrawBackground(pDC, pRect, dwState);
    }
};

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

bool IsBlackOrWhite(COLORREF c)
{
    return c == kBlack || c == kWhite;
}

class CheckBoxTest : public ::testing::Test
{
protected:
    CursorParked parked;
    vt::HostWnd host{320, 200, kBackground};
    CheckBoxProbe box;
    Notifications changes;
    const CRect rect{20, 20, 120, 40};   // 100 x 20
    const CRect caption{kCheckCaptionLeft, 0, 100 - kCheckCaptionRight, 20};

    void SetUp() override
    {
        // A dialog-like parent that paints under its children, as the check box relies on.
        host.ModifyStyle(WS_CLIPCHILDREN, 0);
    }

    bool Make(const char* text = "")
    {
        if (!box.Create(text, WS_CHILD | WS_VISIBLE, rect, &host, kButtonId))
            return false;
        box.SetChangedCallback(&changes, CountChange);
        Settle(host.m_hWnd);
        return true;
    }

    vt::Capture Shot()
    {
        Settle(host.m_hWnd);
        return vt::Capture::FromWindow(box.m_hWnd);
    }

    CPoint Inside() const { return host.ToScreen(CPoint(rect.left + 6, rect.top + 10)); }
    CPoint Outside() const { return host.ToScreen(CPoint(rect.left + 6, rect.bottom + 30)); }

    void TearDown() override
    {
        vt::MouseUp();
        ::ReleaseCapture();
        vt::ParkCursor();
    }
};

TEST_F(CheckBoxTest, OnlyChangesBetweenZeroAndNonzeroAreStoredAndNotified)
{
    ASSERT_TRUE(Make());
    EXPECT_STREQ("CCoolCheckBox", box.GetRuntimeClass()->m_lpszClassName);
    EXPECT_EQ(0, box.GetCheck());

    box.SetCheck(2, TRUE, TRUE);
    EXPECT_EQ(2, box.GetCheck());
    EXPECT_EQ(1, changes.count);
    EXPECT_EQ(&box, changes.last);

    box.SetCheck(1, TRUE, TRUE);
    EXPECT_EQ(2, box.GetCheck());
    EXPECT_EQ(1, changes.count);

    box.ToggleCheck(TRUE);
    EXPECT_EQ(0, box.GetCheck());
    EXPECT_EQ(2, changes.count);

    box.SetCheck(5, FALSE, FALSE);
    EXPECT_EQ(5, box.GetCheck());
    EXPECT_EQ(2, changes.count);

    box.ToggleCheck(FALSE);
    EXPECT_EQ(0, box.GetCheck());
    EXPECT_EQ(3, changes.count);

    box.SetChangedCallback(nullptr, nullptr);
    box.ToggleCheck(FALSE);
    EXPECT_EQ(1, box.GetCheck());
    EXPECT_EQ(3, changes.count);
}

TEST_F(CheckBoxTest, BoxAndCheckMarkSitWhereTheyBelongInA100By20Control)
{
    ASSERT_TRUE(Make("Tick"));
    vt::Capture shot = Shot();
    for (int i = 0; i <= kCheckBoxSize; ++i) {
        EXPECT_PIXEL(shot, i, 4, kCheckOutline);
        EXPECT_PIXEL(shot, i, 16, kCheckOutline);
        EXPECT_PIXEL(shot, 0, 4 + i, kCheckOutline);
        EXPECT_PIXEL(shot, 12, 4 + i, kCheckOutline);
    }
    EXPECT_PIXEL(shot, 13, 10, kBackground);
    EXPECT_PIXEL(shot, 6, 3, kBackground);
    EXPECT_PIXEL(shot, 6, 17, kBackground);
    EXPECT_PIXEL(shot, 2, 9, kBackground);

    box.SetCheck(1, TRUE, FALSE);
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
    box.SetCheck(0, TRUE, FALSE);
    shot = Shot();
    EXPECT_PIXEL(shot, 2, 9, kBackground);
    EXPECT_PIXEL(shot, 5, 12, kBackground);
    EXPECT_PIXEL(shot, 0, 10, kCheckOutline);
}

TEST_F(CheckBoxTest, BoxAndMarkTakeTheNormalTextColourInEveryState)
{
    const COLORREF own = RGB(200, 30, 30);
    box.SetNormalTextColor(own);
    ASSERT_TRUE(Make("Own colour"));
    box.SetCheck(1, TRUE, FALSE);
    EXPECT_PIXEL(Shot(), 0, 10, own);
    EXPECT_PIXEL(Shot(), 2, 9, own);

    vt::MoveCursor(Inside());
    ASSERT_TRUE(WaitForState(box, kStateHot));
    const vt::Capture shot = Shot();
    EXPECT_PIXEL(shot, 12, 10, own);
    EXPECT_PIXEL(shot, 5, 12, own);
}

TEST_F(CheckBoxTest, CaptionIsAccentColouredWhileHotOrPressed)
{
    ASSERT_TRUE(Make("Remember"));
    const COLORREF plain = kBlack;   // a fresh DC's text colour
    vt::Capture shot = Shot();
    EXPECT_GT(CountColour(shot, caption, plain), 0);
    EXPECT_EQ(0, CountColour(shot, caption, kHotSpotAccent));

    vt::MoveCursor(Inside());
    ASSERT_TRUE(WaitForState(box, kStateHot));
    shot = Shot();
    EXPECT_GT(CountColour(shot, caption, kHotSpotAccent), 0);
    EXPECT_EQ(0, CountColour(shot, caption, plain));

    vt::MouseDown();
    ASSERT_TRUE(WaitForState(box, kStatePressed));
    EXPECT_GT(CountColour(Shot(), caption, kHotSpotAccent), 0);
    vt::MouseUp();

    vt::MoveCursor(Outside());
    ASSERT_TRUE(vt::PumpUntil([&] { return box.LastState() != kStateHot; }));
    shot = Shot();
    EXPECT_EQ(0, CountColour(shot, caption, kHotSpotAccent));
    EXPECT_GT(CountColour(shot, caption, plain), 0);
}

TEST_F(CheckBoxTest, ClickTogglesOnReleaseInsideOnly)
{
    ASSERT_TRUE(Make("Click me"));
    vt::Click(Inside());
    ASSERT_TRUE(vt::PumpUntil([&] { return box.GetCheck() == 1; }));
    EXPECT_EQ(1, changes.count);

    // Pressed here, released elsewhere: no toggle.
    vt::MoveCursor(Inside());
    vt::MouseDown();
    vt::MoveCursor(Outside());
    vt::MouseUp();
    vt::PumpFor(50);
    EXPECT_EQ(1, box.GetCheck());
    EXPECT_EQ(1, changes.count);
}

TEST_F(CheckBoxTest, DoubleClickTogglesTwice)
{
    ASSERT_TRUE(Make("Twice"));
    vt::MoveCursor(Inside());
    ASSERT_TRUE(WaitForState(box, kStateHot));
    vt::DoubleClick(Inside());
    ASSERT_TRUE(vt::PumpUntil([&] { return changes.count >= 2; }));
    vt::PumpFor(50);
    EXPECT_EQ(2, changes.count);
    EXPECT_EQ(0, box.GetCheck());
}

TEST_F(CheckBoxTest, SpaceAndEnterToggleTheFocusedBox)
{
    ASSERT_TRUE(Make("Keys"));
    ASSERT_TRUE(FocusOn(host, box));
    vt::KeyPress(VK_SPACE);
    ASSERT_TRUE(vt::PumpUntil([&] { return box.GetCheck() == 1; }));
    vt::KeyPress(VK_RETURN);
    ASSERT_TRUE(vt::PumpUntil([&] { return box.GetCheck() == 0; }));
    vt::KeyPress('A');
    vt::PumpFor(50);
    EXPECT_EQ(0, box.GetCheck());
    EXPECT_EQ(2, changes.count);
    char text[32] = "";
    box.GetWindowText(text, sizeof(text));
    EXPECT_STREQ("Keys", text);
}

TEST_F(CheckBoxTest, FocusFrameIsSevenPixelsWideWithoutCaptionAndTwoBeyondTheCaptionWithOne)
{
    ASSERT_TRUE(Make(""));
    ASSERT_TRUE(FocusOn(host, box));
    const vt::Capture shot = Shot();
    const int left = kCheckFocusLeft;
    const int right = left + kCheckFocusExtra + kCheckFocusEmptyWidth - 1;   // 21: 7 pixels
    for (int x = left; x <= right; ++x) {
        EXPECT_TRUE(IsBlackOrWhite(shot.At(x, 2))) << "top at x " << x;
        EXPECT_TRUE(IsBlackOrWhite(shot.At(x, 17))) << "bottom at x " << x;
    }
    for (int y = 2; y <= 17; ++y) {
        EXPECT_TRUE(IsBlackOrWhite(shot.At(left, y))) << "left at y " << y;
        EXPECT_TRUE(IsBlackOrWhite(shot.At(right, y))) << "right at y " << y;
        EXPECT_PIXEL(shot, right + 1, y, kBackground);
        EXPECT_PIXEL(shot, left - 1, y, kBackground);
    }
    EXPECT_NE(shot.At(left, 2), shot.At(left + 1, 2));
    EXPECT_PIXEL(shot, left + 2, 1, kBackground);
    EXPECT_PIXEL(shot, left + 2, 18, kBackground);

    box.SetWindowText("Remember");
    box.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE);
    // The frame is measured with the DC's own font, not the caption's.
    const int width = MeasureText(NULL, "Remember").cx;
    const int wideRight = kCheckFocusLeft + kCheckFocusExtra + width - 1;
    const vt::Capture wide = Shot();
    for (int x = kCheckFocusLeft; x <= wideRight && x < wide.width(); ++x)
        EXPECT_TRUE(IsBlackOrWhite(wide.At(x, 2))) << "top at x " << x;
    if (wideRight + 1 < wide.width()) {
        EXPECT_PIXEL(wide, wideRight + 1, 2, kBackground);
    }
    EXPECT_PIXEL(wide, kCheckFocusLeft - 1, 2, kBackground);

    box.SetDrawFocusedRect(FALSE);
    host.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    EXPECT_PIXEL(Shot(), kCheckFocusLeft, 2, kBackground);
}

TEST_F(CheckBoxTest, AChangeMakesParentAndGrandparentRepaintUnderTheBox)
{
    CWnd panel;
    ASSERT_TRUE(panel.Create("STATIC", "", WS_CHILD | WS_VISIBLE, CRect(10, 10, 300, 180), &host, 3));
    CheckBoxProbe inner;
    const CRect innerRect(20, 30, 120, 50);
    ASSERT_TRUE(inner.Create("Nested", WS_CHILD | WS_VISIBLE, innerRect, &panel, kButtonId));
    Settle(host.m_hWnd);

    CRect update;
    EXPECT_FALSE(::GetUpdateRect(host.m_hWnd, &update, FALSE));
    inner.SetCheck(1, FALSE, FALSE);
    EXPECT_FALSE(::GetUpdateRect(panel.m_hWnd, &update, FALSE));
    EXPECT_FALSE(::GetUpdateRect(host.m_hWnd, &update, FALSE));

    inner.SetCheck(0, TRUE, FALSE);
    ASSERT_TRUE(::GetUpdateRect(panel.m_hWnd, &update, FALSE));
    EXPECT_TRUE(update.PtInRect(innerRect.TopLeft()));
    EXPECT_TRUE(update.PtInRect(innerRect.BottomRight() - CSize(1, 1)));
    ASSERT_TRUE(::GetUpdateRect(host.m_hWnd, &update, FALSE));
    CRect inHost = innerRect;
    inHost.OffsetRect(10, 10);
    EXPECT_TRUE(update.PtInRect(inHost.TopLeft()));
    EXPECT_TRUE(update.PtInRect(inHost.BottomRight() - CSize(1, 1)));
    inner.DestroyWindow();
}

TEST_F(CheckBoxTest, EditControlOfADialogTemplateBecomesACheckBox)
{
    TemplateDialog dialog("EDIT", WS_TABSTOP, "From template", rect);
    CheckBoxProbe templated;
    ASSERT_TRUE(dialog.Open(templated));
    CPoint at(rect.left + 6, rect.top + 10);
    dialog.ClientToScreen(&at);
    vt::Click(at);
    ASSERT_TRUE(vt::PumpUntil([&] { return templated.GetCheck() == 1; }));
    Settle(dialog.m_hWnd);
    const vt::Capture shot = vt::Capture::FromWindow(templated.m_hWnd);
    EXPECT_PIXEL(shot, 0, 10, kCheckOutline);
    EXPECT_PIXEL(shot, 5, 12, kCheckOutline);
    templated.DestroyWindow();
}

TEST_F(CheckBoxTest, ManyPaintsAndCreateDestroyCyclesLeakNothing)
{
    auto cycle = [&] {
        CheckBoxProbe probe;
        ASSERT_TRUE(probe.Create("Leak", WS_CHILD | WS_VISIBLE, rect, &host, kButtonId));
        ::SetFocus(probe.m_hWnd);
        for (int i = 0; i < 5; ++i) {
            probe.ToggleCheck(TRUE);
            probe.RedrawWindow();
        }
        probe.DestroyWindow();
        vt::PumpPending();
    };
    EXPECT_TRUE(LeavesNothingBehind(cycle));
}

}  // namespace
