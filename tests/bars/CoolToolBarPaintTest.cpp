// Tool bar painting read back from a real frame: background, gripper dots and the edge line per side,
// button skins per state under the real cursor, the image each painted button takes and where it
// sits, drop-down arrows, separators and text.
#include "BarFixture.h"
#include "skin/VeluSkin.h"

using namespace bartest;

namespace {

const COLORREF kShadow = ::GetSysColor(COLOR_BTNSHADOW);
const COLORREF kWhite = RGB(255, 255, 255);

class ToolBarPaintTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        vt::ParkCursor();
        frame.reset(new FrameHolder(StandardIds()));
        ASSERT_TRUE(Frame() != NULL);
    }
    void TearDown() override { vt::ParkCursor(); }

    CBarFrame* Frame() { return frame->get(); }
    CProbeToolBar& Bar() { return Frame()->m_wndToolBar; }
    // Lets idle updates reach the buttons, then paints the bar and reads it back.
    vt::Capture Shot()
    {
        vt::PumpPending();
        return Frame()->PaintBar(Bar());
    }
    // Button nIndex's item in window coordinates of the bar.
    CRect ItemInWindow(int nIndex) { return Bar().Item(nIndex) + Bar().ClientOrigin(); }
    // Where a button's image interior starts: the first pixel of its own colour.
    CPoint ImageInterior(const vt::Capture& shot, int nIndex, COLORREF cr)
    {
        const CRect item = ItemInWindow(nIndex);
        for (int y = item.top; y < item.bottom; y++)
            for (int x = item.left; x < item.right; x++)
                if (shot.At(x, y) == cr)
                    return CPoint(x, y);
        return CPoint(-1, -1);
    }

    std::unique_ptr<FrameHolder> frame;
};

// The dots of a gripper strip: shadow squares with white showing right and below.
void ExpectDot(const vt::Capture& shot, int x, int y)
{
    EXPECT_PIXEL(shot, x - 1, y - 1, kShadow);
    EXPECT_PIXEL(shot, x, y, kShadow);
    EXPECT_PIXEL(shot, x + 1, y, kWhite);
    EXPECT_PIXEL(shot, x, y + 1, kWhite);
    EXPECT_PIXEL(shot, x + 1, y + 1, kWhite);
}

// A skin drawn on the bar colour into a rectangle of size.
vt::Capture Reference(HBITMAP hSkin, CSize size)
{
    vt::MemoryCanvas canvas(size.cx, size.cy, kBarColour);
    CRoundBitmap painter;
    const RECT rc = {0, 0, size.cx, size.cy};
    painter.ShowMe(canvas, &rc, hSkin, g_nStdCornerInsets, kStdCornerSize);
    return canvas.Snapshot();
}

// Column 1 of the skin rectangle (left of any image) shows the skin, or the bar colour without one.
::testing::AssertionResult ShowsSkin(const vt::Capture& shot, const CRect& item, HBITMAP hSkin)
{
    const CRect skin(item.left + 1, item.top, item.right - 1, item.bottom - 1);
    const vt::Capture ref = Reference(hSkin, skin.Size());
    for (int y = 0; y < skin.Height(); y++) {
        const COLORREF want = hSkin != NULL ? ref.At(1, y) : kBarColour;
        if (shot.At(skin.left + 1, skin.top + y) != want)
            return ::testing::AssertionFailure() << "row " << y << " of the skin is "
                   << vt::ColourText(shot.At(skin.left + 1, skin.top + y)) << ", not " << vt::ColourText(want)
                   << " (written to " << vt::DumpForCurrentTest(shot) << ")";
    }
    return ::testing::AssertionSuccess();
}

// A top-level window elsewhere that takes the activation and focus away.
class OtherApp : public CWnd
{
public:
    OtherApp() { CreateEx(0, AfxRegisterWndClass(0), "other", WS_POPUP | WS_VISIBLE, 880, 620, 100, 80, NULL, NULL); }
    ~OtherApp() { DestroyWindow(); }
};

}  // namespace

TEST_F(ToolBarPaintTest, StripGripperAndEdgeLineFollowTheSideTheBarIsDockedOn)
{
    struct Side { const char* name; UINT nDockBar; DWORD dwLine; } sides[] = {
        {"top", AFX_IDW_DOCKBAR_TOP, CBRS_ALIGN_TOP}, {"bottom", AFX_IDW_DOCKBAR_BOTTOM, CBRS_ALIGN_BOTTOM},
        {"left", AFX_IDW_DOCKBAR_LEFT, CBRS_ALIGN_LEFT}, {"right", AFX_IDW_DOCKBAR_RIGHT, CBRS_ALIGN_RIGHT},
        {"floating", 0, 0},
    };
    for (const Side& side : sides) {
        SCOPED_TRACE(side.name);
        if (side.nDockBar != 0)
            Frame()->Dock(Bar(), side.nDockBar);
        else
            Frame()->Float(Bar(), CPoint(420, 300));
        const vt::Capture shot = Shot();
        const int cx = shot.width(), cy = shot.height();
        // The edge line runs along the whole side that faces the frame's client, strip included.
        const CRect line = side.dwLine == CBRS_ALIGN_TOP ? CRect(0, cy - 1, cx, cy)
                         : side.dwLine == CBRS_ALIGN_BOTTOM ? CRect(0, 0, cx, 1)
                         : side.dwLine == CBRS_ALIGN_LEFT ? CRect(cx - 1, 0, cx, cy)
                         : side.dwLine == CBRS_ALIGN_RIGHT ? CRect(0, 0, 1, cy) : CRect();
        EXPECT_TRUE(RegionIsColour(shot, line, kEdgeColour));
        // The other edges and the first item's free corner show the bar colour.
        for (CPoint p : {CPoint(cx / 2, 0), CPoint(cx / 2, cy - 1), CPoint(0, cy / 2), CPoint(cx - 1, cy / 2)}) {
            if (!line.PtInRect(p) && !ItemInWindow(5).PtInRect(p)) {
                EXPECT_PIXEL(shot, p.x, p.y, kBarColour);
            }
        }
        const CRect first = ItemInWindow(0);
        EXPECT_PIXEL(shot, first.left + 2, first.top + 2, kBarColour);

        if (side.nDockBar == AFX_IDW_DOCKBAR_TOP || side.nDockBar == AFX_IDW_DOCKBAR_BOTTOM) {
            for (int y = side.nDockBar == AFX_IDW_DOCKBAR_TOP ? 4 : 6; y < cy - 3; y += 4)
                ExpectDot(shot, 5, y);
        } else if (side.nDockBar != 0) {
            const int xEnd = side.nDockBar == AFX_IDW_DOCKBAR_LEFT ? cx + 1 - 3 : cx - 3;
            for (int x = 5; x < xEnd; x += 4)
                ExpectDot(shot, x, 5);
        } else {
            // Floating: no strip, no dots.
            EXPECT_EQ(CPoint(0, 0), Bar().ClientOrigin());
            EXPECT_TRUE(RegionIsColour(shot, CRect(0, 0, first.left, cy), kBarColour));
            EXPECT_PIXEL(shot, first.left + 2, 3, kBarColour);
        }
    }
}

TEST_F(ToolBarPaintTest, OnlyTheLowestBarOfTheTopAreaDrawsTheLine)
{
    CProbeToolBar lower;
    ASSERT_TRUE(lower.CreateEx(Frame(), TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER));
    const UINT ids[] = {kIdFirst + 10, kIdFirst + 11};
    lower.SetButtons(ids, 2);
    lower.EnableDocking(CBRS_ALIGN_ANY);
    CRect upper;
    Bar().GetWindowRect(&upper);
    CRect below(upper.left, upper.bottom + 2, upper.left + 80, upper.bottom + 2 + upper.Height());
    Frame()->DockControlBar(&lower, AFX_IDW_DOCKBAR_TOP, &below);
    Frame()->RecalcLayout();

    const vt::Capture top = Shot();
    const vt::Capture bottom = Frame()->PaintBar(lower);
    EXPECT_TRUE(RegionIsColour(top, CRect(0, top.height() - 1, 4, top.height()), kBarColour));
    EXPECT_PIXEL(top, top.width() - 1, top.height() - 1, kBarColour);
    EXPECT_TRUE(RegionIsColour(bottom, CRect(0, bottom.height() - 1, bottom.width(), bottom.height()), kEdgeColour));
    lower.DestroyWindow();
}

TEST_F(ToolBarPaintTest, SkinFollowsPressedHotAndCheckedAndHotNeedsTheActiveApplication)
{
    ASSERT_TRUE(g_hSkinBtnHot && g_hSkinBtnDown && g_hSkinCheck);
    const CSize skin = Bar().Item(0).Size() - CSize(2, 1);
    ASSERT_NE(Reference(g_hSkinBtnHot, skin).At(1, skin.cy / 2), Reference(g_hSkinCheck, skin).At(1, skin.cy / 2))
        << "the skins must differ where the test looks";
    Frame()->m_checked = {kIdFirst + 1, kIdFirst + 3};
    Frame()->m_disabled = {kIdFirst + 3, kIdFirst + 4};

    struct Case { const char* name; int nIndex; bool bCursorOn; bool bActive; HBITMAP hSkin; } cases[] = {
        {"plain, away", 0, false, true, NULL},
        {"plain, under the cursor", 0, true, true, g_hSkinBtnHot},
        {"plain, under the cursor, another application active", 0, true, false, NULL},
        {"checked, away", 1, false, true, g_hSkinCheck},
        {"checked, under the cursor", 1, true, true, g_hSkinBtnHot},
        {"checked, under the cursor, another application active", 1, true, false, g_hSkinCheck},
        {"disabled and checked, under the cursor", 3, true, true, g_hSkinCheck},
        {"disabled, under the cursor", 4, true, true, NULL},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<OtherApp> other;
        if (!c.bActive) {
            other.reset(new OtherApp);
            vt::Activate(other->m_hWnd);
        } else {
            vt::Activate(Frame()->m_hWnd);
            Frame()->m_wndView.SetFocus();
        }
        if (c.bCursorOn)
            vt::MoveCursor(Frame()->ButtonCenter(c.nIndex));
        else
            vt::ParkCursor();
        EXPECT_TRUE(ShowsSkin(Shot(), ItemInWindow(c.nIndex), c.hSkin));
    }

    // Held down with the real mouse: the down skin, until released.
    vt::Activate(Frame()->m_hWnd);
    Frame()->m_wndView.SetFocus();
    vt::MoveCursor(Frame()->ButtonCenter(2));
    vt::MouseDown();
    EXPECT_TRUE(ShowsSkin(Shot(), ItemInWindow(2), g_hSkinBtnDown));
    vt::MouseUp();
    EXPECT_TRUE(ShowsSkin(Shot(), ItemInWindow(2), g_hSkinBtnHot));
    EXPECT_EQ(std::vector<UINT>{kIdFirst + 2}, Frame()->m_commands);
}

TEST_F(ToolBarPaintTest, EachPaintedButtonTakesTheNextImageAndDisabledOnesAreGray)
{
    // Button 1 hidden, a blank button appended: the others close up on the strip.
    Bar().SetButtonStyle(1, Bar().GetButtonStyle(1) | TBBS_HIDDEN);
    ASSERT_TRUE(Bar().AppendButtons(NULL, 1));
    const UINT more[] = {kIdFirst + 7};
    ASSERT_TRUE(Bar().AppendButtons(more, 1));
    Frame()->RecalcLayout();
    Frame()->m_disabled = {kIdFirst + 2};
    vt::Capture shot = Shot();
    auto gray = [](COLORREF cr) {
        const BYTE g = BYTE(int(0.24 * GetRValue(cr)) + int(0.54 * GetGValue(cr)) + int(0.14 * GetBValue(cr)));
        return RGB(g, g, g);
    };
    struct Expect { int nIndex; int nImage; bool bGray; } expects[] = {
        {0, 0, false}, {2, 1, true}, {3, 2, false}, {4, 3, false}, {6, 4, false}, {7, 5, false}, {9, 6, false},
    };
    for (const Expect& e : expects) {
        SCOPED_TRACE(testing::Message() << "button " << e.nIndex);
        const COLORREF cr = e.bGray ? gray(ImageColour(e.nImage)) : ImageColour(e.nImage);
        const CPoint at = ImageInterior(shot, e.nIndex, cr);
        EXPECT_NE(CPoint(-1, -1), at) << "image " << e.nImage << " not found";
        // The key ring around it shows the bar colour, grayed or not.
        EXPECT_PIXEL(shot, at.x - 1, at.y - 1, kBarColour);
    }

    // Without a gray set a disabled button shows its image unchanged.
    Bar().DropGrayBitmap();
    shot = Shot();
    EXPECT_NE(CPoint(-1, -1), ImageInterior(shot, 2, ImageColour(1)));
}

TEST_F(ToolBarPaintTest, ImagesCentreWithoutTextAndMakeRoomForItWithText)
{
    auto expectImageAt = [&](const vt::Capture& shot, int nIndex, int nImage, int nMode) {
        SCOPED_TRACE(testing::Message() << "button " << nIndex);
        CRect content = Bar().Item(nIndex);
        CRect client;
        Bar().GetClientRect(&client);
        content.bottom = std::min(content.bottom, content.top + client.Height());
        content.DeflateRect(2, 2);
        content += Bar().ClientOrigin();
        const int slack = (content.Height() - kImage.cy) / 2;
        const int top = nMode == 0 ? content.top + slack : nMode == 1 ? content.top + 1 : content.top + slack / 2 + 1;
        // The interior starts one pixel in from the image's corner.
        EXPECT_EQ(CPoint(content.left + (content.Width() - kImage.cx) / 2 + 1, top + 1),
                  ImageInterior(shot, nIndex, ImageColour(nImage)));
    };
    vt::Capture shot = Shot();
    expectImageAt(shot, 0, 0, 0);
    expectImageAt(shot, 1, 1, 0);

    ASSERT_TRUE(Bar().SetButtonText(0, "Open"));
    Frame()->RecalcLayout();
    shot = Shot();
    expectImageAt(shot, 0, 0, 1);
    expectImageAt(shot, 1, 1, 2);
    // The text sits at the bottom of its own button only.
    auto inks = [&](int nIndex) {
        const CRect item = ItemInWindow(nIndex);
        int n = 0;
        for (int y = item.top + 1 + kImage.cy + 2; y < item.bottom - 2; y++)
            for (int x = item.left + 1; x < item.right - 1; x++)
                n += shot.At(x, y) == RGB(0, 0, 0);
        return n;
    };
    EXPECT_GT(inks(0), 0);
    EXPECT_EQ(0, inks(1));
}

TEST_F(ToolBarPaintTest, DropDownButtonShowsDividerAndArrowGrayWhenDisabled)
{
    Bar().SetButtonDropDown(kIdFirst + 2);
    Frame()->RecalcLayout();
    for (bool bDisabled : {false, true}) {
        SCOPED_TRACE(bDisabled ? "disabled" : "enabled");
        Frame()->m_disabled = bDisabled ? std::set<UINT>{kIdFirst + 2} : std::set<UINT>{};
        const vt::Capture shot = Shot();
        const CRect item = ItemInWindow(2);
        const int r = item.right, mid = (item.top + item.bottom) / 2;
        EXPECT_TRUE(RegionIsColour(shot, CRect(r - 15, item.top + 4, r - 14, item.bottom - 4), kToolBarDropDivider));
        EXPECT_PIXEL(shot, r - 15, item.top + 3, kBarColour);
        const COLORREF arrow = bDisabled ? kToolBarDisabledColor : kToolBarDropArrow;
        for (int j = 0; j < 4; j++) {
            EXPECT_TRUE(RegionIsColour(shot, CRect(r - 12 + j, mid - 2 + j, r - 5 - j, mid - 1 + j), arrow));
            EXPECT_PIXEL(shot, r - 13 + j, mid - 2 + j, kBarColour);
            EXPECT_PIXEL(shot, r - 5 - j, mid - 2 + j, kBarColour);
        }
        // The image centres in what the arrow leaves.
        if (!bDisabled) {
            const CRect content(item.left + 2, item.top + 2, r - 2 - 13, item.bottom - 2);
            EXPECT_EQ(content.left + (content.Width() - kImage.cx) / 2 + 1, ImageInterior(shot, 2, ImageColour(2)).x);
        }
    }
}

TEST_F(ToolBarPaintTest, SeparatorLinesCrossTheBarExceptInControlSlots)
{
    auto expectColumn = [&](const vt::Capture& shot, int nIndex, bool bLine) {
        CRect client;
        Bar().GetClientRect(&client);
        const CRect item = Bar().Item(nIndex);
        const CPoint o = Bar().ClientOrigin();
        const int x = o.x + (item.left + item.right) / 2 - 1, d = client.Height() / 6;
        EXPECT_TRUE(RegionIsColour(shot, CRect(x, o.y + d, x + 1, o.y + client.Height() - d), bLine ? kEdgeColour : kBarColour));
        EXPECT_PIXEL(shot, x, o.y + d - 1, kBarColour);
        EXPECT_PIXEL(shot, x + 1, o.y + client.Height() / 2, kBarColour);
    };
    expectColumn(Shot(), 5, true);

    // Docked upright: a row between the neighbours, a sixth of the width free at each end.
    Frame()->Dock(Bar(), AFX_IDW_DOCKBAR_LEFT);
    {
        const vt::Capture shot = Shot();
        CRect client;
        Bar().GetClientRect(&client);
        const CPoint o = Bar().ClientOrigin();
        const int y = o.y + (Bar().Item(5).bottom + Bar().Item(4).bottom) / 2, d = client.Width() / 6;
        EXPECT_TRUE(RegionIsColour(shot, CRect(o.x + d, y, o.x + client.Width() - d, y + 1), kEdgeColour));
        EXPECT_PIXEL(shot, o.x + d - 1, y, kBarColour);
    }

    // A slot holding a control paints no line.
    Frame()->Dock(Bar(), AFX_IDW_DOCKBAR_TOP);
    CWnd control;
    ASSERT_TRUE(control.Create("STATIC", "", WS_CHILD, CRect(0, 0, 8, 8), &Bar(), 0xFFFF));
    const RECT slot = {0, 0, 40, 10};
    ASSERT_TRUE(Bar().InsertControl(&control, &slot, kIdFirst + 5));
    Frame()->RecalcLayout();
    expectColumn(Shot(), Bar().CommandToIndex(kIdFirst + 5), false);
    expectColumn(Shot(), 5, true);

    // Floating in two rows that break at the separator (the first three
    // buttons hidden, so the narrowest two rows break there): a line across.
    for (int i = 0; i < 3; i++)
        Bar().SetButtonStyle(i, Bar().GetButtonStyle(i) | TBBS_HIDDEN);
    Frame()->Float(Bar(), CPoint(420, 300));
    Bar().m_nMRUWidth = 3 * kButton.cx;
    Bar().CalcDynamicLayout(0, LM_HORZ | LM_MRUWIDTH | LM_COMMIT);
    Bar().GetDockingFrame()->RecalcLayout();
    ASSERT_TRUE(Bar().Button(5).fsState & TBSTATE_WRAP);
    {
        const vt::Capture shot = Shot();
        CRect client;
        Bar().GetClientRect(&client);
        const CRect item = Bar().Item(5);
        const int y = (item.bottom + Bar().Item(4).bottom) / 2 - 1;
        EXPECT_TRUE(RegionIsColour(shot, CRect(item.left + 4, y, client.right - 2, y + 1), kEdgeColour));
        EXPECT_PIXEL(shot, item.left + 3, y, kBarColour);
        EXPECT_PIXEL(shot, client.right - 2, y, kBarColour);
    }
}
