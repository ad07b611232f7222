// Tool bar painting read back from a real frame: strip, gripper dots and edge line per side, skins per
// state under the real cursor, the image each painted button takes and where, drop-down arrows, separators,
// dock bars repainting whole without an erase.
#include "BarFixture.h"
#include "skin/VeluSkin.h"

using namespace bartest;

namespace {

const COLORREF kShadow = ::GetSysColor(COLOR_BTNSHADOW), kWhite = RGB(255, 255, 255);

class ToolBarPaintTest : public BarTest
{
protected:
    void SetUp() override { Make(); }
    CRect ItemInWindow(int nIndex) { return Bar().Item(nIndex) + Bar().ClientOrigin(); }
    CRect Client() { CRect rect; Bar().GetClientRect(&rect); return rect + Bar().ClientOrigin(); }
    // The top-left corner of what a button shows in colour cr: an image's interior starts there.
    CPoint Find(const vt::Capture& shot, int nIndex, COLORREF cr) { return vt::BoundsOf(shot, ItemInWindow(nIndex), cr).TopLeft(); }
    // Where a button's image interior (inside its keyed ring) belongs: centred across; down, centred
    // with no text on the bar (mode 0), 1 below the top under its own text (1), a quarter of the
    // slack down under another button's (2).
    CPoint ImageAt(int nIndex, int nMode)
    {
        CRect k = ItemInWindow(nIndex);
        k.bottom = std::min(k.bottom, Client().bottom);
        k.DeflateRect(2, 2);
        const int slack = (k.Height() - kImage.cy) / 2;
        const int top = nMode == 0 ? k.top + slack : nMode == 1 ? k.top + 1 : k.top + slack / 2 + 1;
        return CPoint(k.left + (k.Width() - kImage.cx) / 2, top) + CSize(1, 1);
    }
};

// Column 1 of a button's skin rectangle (left of any image) shows the skin,
// drawn on the bar colour the same size, or just the bar colour.
::testing::AssertionResult ShowsSkin(const vt::Capture& shot, const CRect& item, HBITMAP hSkin)
{
    const CRect skin(item.left + 1, item.top, item.right - 1, item.bottom - 1);
    vt::MemoryCanvas ref(skin.Width(), skin.Height(), kBarBackground);
    CRoundBitmap().ShowMe(ref, CRect(CPoint(0, 0), skin.Size()), hSkin, g_nStdCornerInsets, kStdCornerSize);
    return RegionMatches(shot, CRect(skin.left + 1, skin.top, skin.left + 2, skin.bottom),
                         [&](int, int y, COLORREF cr) { return cr == (hSkin ? ref.At(1, y - skin.top) : kBarBackground); });
}

}  // namespace

// Docked on each side the queries name that side, the bar draws its gripper strip
// and the dock bar its fill, each with the edge line facing the frame's client;
// floating, no side, no strip.
TEST_F(ToolBarPaintTest, EachSideDocksTheBarAndDrawsStripGripperAndEdgeLinesFacingTheClient)
{
    // The queries in the order top, bottom, left, right, horizontal, vertical.
    const struct { UINT side; std::vector<int> docked; } sides[] = {
        {AFX_IDW_DOCKBAR_TOP, {1, 0, 0, 0, 1, 0}}, {AFX_IDW_DOCKBAR_BOTTOM, {0, 1, 0, 0, 1, 0}},
        {AFX_IDW_DOCKBAR_LEFT, {0, 0, 1, 0, 0, 1}}, {AFX_IDW_DOCKBAR_RIGHT, {0, 0, 0, 1, 0, 1}}, {0, {0, 0, 0, 0, 0, 0}}};
    auto edgeLine = [](UINT side, int cx, int cy) {
        return side == AFX_IDW_DOCKBAR_TOP ? CRect(0, cy - 1, cx, cy) : side == AFX_IDW_DOCKBAR_BOTTOM ? CRect(0, 0, cx, 1)
             : side == AFX_IDW_DOCKBAR_LEFT ? CRect(cx - 1, 0, cx, cy) : side == AFX_IDW_DOCKBAR_RIGHT ? CRect(0, 0, 1, cy) : CRect();
    };
    for (const auto& s : sides) {
        const UINT side = s.side;
        SCOPED_TRACE(side);
        side != 0 ? Frame()->Dock(Bar(), side) : Frame()->Float(Bar());
        EXPECT_EQ(s.docked, (std::vector<int>{Bar().IsTopDocked(), Bar().IsBottomDocked(), Bar().IsLeftDocked(),
                                              Bar().IsRightDocked(), Bar().IsHorzDocked(), Bar().IsVertDocked()}));
        // Floating, the style keeps the floating dock bar's alignment, which the id reads.
        EXPECT_EQ(side != 0 ? side : UINT(AFX_IDW_DOCKBAR_TOP), Bar().GetDockBarID());
        const vt::Capture shot = Shot();
        const int cx = shot.width(), cy = shot.height();
        // The line runs along the whole side facing the frame's client, strip included; the rest is bar colour.
        const CRect line = edgeLine(side, cx, cy);
        EXPECT_TRUE(RegionIs(shot, line, kBarEdge));
        for (CPoint p : {CPoint(cx / 2, 0), CPoint(cx / 2, cy - 1), CPoint(0, cy / 2), CPoint(cx - 1, cy / 2), ItemInWindow(0).TopLeft() + CSize(2, 2)}) {
            if (!line.PtInRect(p) && !ItemInWindow(5).PtInRect(p)) {
                EXPECT_PIXEL(shot, p.x, p.y, kBarBackground);
            }
        }
        // Dots: shadow squares with white right and below, along the 8-pixel strip.
        std::vector<CPoint> dots;
        if (side == AFX_IDW_DOCKBAR_TOP || side == AFX_IDW_DOCKBAR_BOTTOM)
            for (int y = side == AFX_IDW_DOCKBAR_TOP ? 4 : 6; y < cy - 3; y += 4)
                dots.push_back(CPoint(5, y));
        else if (side != 0)
            for (int x = 5; x < (side == AFX_IDW_DOCKBAR_LEFT ? cx + 1 : cx) - 3; x += 4)
                dots.push_back(CPoint(x, 5));
        for (CPoint d : dots) {
            EXPECT_TRUE(RegionIs(shot, CRect(d.x - 1, d.y - 1, d.x + 1, d.y + 1), kShadow));
            EXPECT_TRUE(RegionMatches(shot, CRect(d.x, d.y, d.x + 2, d.y + 2), [&](int x, int y, COLORREF cr) {
                return cr == (x == d.x && y == d.y ? kShadow : kWhite);
            }));
        }
        if (side == 0) {   // no strip, nothing left of the first button but bar colour
            EXPECT_EQ(CPoint(0, 0), Bar().ClientOrigin());
            EXPECT_TRUE(RegionIs(shot, CRect(0, 0, ItemInWindow(0).left + 2, cy), kBarBackground));
            continue;
        }
        // The dock bar where the tool bar leaves it free: the bar colour and the same edge line.
        CWnd* pDock = Bar().GetParent();
        ASSERT_TRUE(pDock->IsKindOf(RUNTIME_CLASS(CCoolDockBar)));
        const vt::Capture dock = Frame()->PaintBar(*pDock);
        const CRect bar = WindowRectOf(Bar()) - WindowRectOf(*pDock).TopLeft(), dockLine = edgeLine(side, dock.width(), dock.height());
        const CRect free = s.docked[4] ? CRect(bar.right, 0, dock.width(), dock.height()) : CRect(0, bar.bottom, dock.width(), dock.height());
        ASSERT_FALSE(free.IsRectEmpty());
        EXPECT_TRUE(RegionMatches(dock, free, [&](int x, int y, COLORREF cr) {
            return cr == (dockLine.PtInRect(CPoint(x, y)) ? kBarEdge : kBarBackground);
        }));
    }
    // With a second bar in a row below, only that one draws the line, and it is the lowest of the top area.
    Frame()->Dock(Bar(), AFX_IDW_DOCKBAR_TOP);
    CProbeToolBar lower;
    const UINT ids[] = {kIdFirst + 10, kIdFirst + 11};
    ASSERT_TRUE(lower.CreateEx(Frame(), TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER) && lower.SetButtons(ids, 2));
    const CRect upper = WindowRectOf(Bar());
    const CRect below(upper.left, upper.bottom + 2, upper.left + 80, upper.bottom + 2 + upper.Height());
    lower.EnableDocking(CBRS_ALIGN_ANY);
    Frame()->DockControlBar(&lower, AFX_IDW_DOCKBAR_TOP, &below);
    Frame()->RecalcLayout();
    const vt::Capture top = Shot(), bottom = Frame()->PaintBar(lower);
    EXPECT_TRUE(RegionIs(top, CRect(0, top.height() - 1, top.width(), top.height()), kBarBackground));
    EXPECT_TRUE(RegionIs(bottom, CRect(0, bottom.height() - 1, bottom.width(), bottom.height()), kBarEdge));
    EXPECT_TRUE(lower.LowestInTopArea());
    EXPECT_FALSE(Bar().LowestInTopArea());
    lower.DestroyWindow();
}

TEST_F(ToolBarPaintTest, SkinFollowsPressedHotAndCheckedAndHotNeedsTheActiveApplication)
{
    ASSERT_TRUE(g_hSkinBtnHot && g_hSkinBtnDown && g_hSkinCheck);
    Frame()->m_checked = {kIdFirst + 1, kIdFirst + 3};
    Frame()->m_disabled = {kIdFirst + 3, kIdFirst + 4};
    struct Case { int nIndex; bool bOn; HBITMAP hSkin; } cases[] = {
        {0, false, NULL}, {0, true, g_hSkinBtnHot}, {1, false, g_hSkinCheck}, {1, true, g_hSkinBtnHot},
        {3, true, g_hSkinCheck}, {4, true, NULL},   // disabled: checked or nothing
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "button " << c.nIndex << (c.bOn ? ", cursor on it" : ""));
        c.bOn ? vt::MoveCursor(Frame()->ButtonCenter(c.nIndex)) : vt::ParkCursor();
        EXPECT_TRUE(ShowsSkin(Shot(), ItemInWindow(c.nIndex), c.hSkin));
    }
    // Held down with the real mouse: the down skin; released there: hot again, the command ran.
    vt::MoveCursor(Frame()->ButtonCenter(2));
    vt::MouseDown();
    EXPECT_TRUE(ShowsSkin(Shot(), ItemInWindow(2), g_hSkinBtnDown));
    vt::MouseUp();
    EXPECT_TRUE(ShowsSkin(Shot(), ItemInWindow(2), g_hSkinBtnHot));
    EXPECT_EQ(std::vector<UINT>{kIdFirst + 2}, Frame()->m_commands);
    // Another application active: the hot button goes out, the cursor lights
    // no other, the checked one stays checked.
    vt::HostWnd other(40, 40);
    vt::Activate(other.m_hWnd);
    for (int nIndex : {2, 0, 1}) {
        vt::MoveCursor(Frame()->ButtonCenter(nIndex));
        EXPECT_TRUE(ShowsSkin(Shot(), ItemInWindow(nIndex), nIndex == 1 ? g_hSkinCheck : NULL)) << "button " << nIndex;
    }
}

TEST_F(ToolBarPaintTest, EachPaintedButtonTakesTheNextImageCentredAndDisabledOnesAreGray)
{
    // Button 1 hidden, a blank button and one more appended: the painted ones close up on the strip.
    Bar().SetButtonStyle(1, Bar().GetButtonStyle(1) | TBBS_HIDDEN);
    const UINT more[] = {0, kIdFirst + 7};
    ASSERT_TRUE(Bar().AppendButtons(NULL, 1) && Bar().AppendButtons(more + 1, 1));
    Frame()->RecalcLayout();
    Frame()->m_disabled = {kIdFirst + 2};
    for (bool bGraySet : {true, false}) {
        if (!bGraySet)
            Bar().DropGrayBitmap();
        const vt::Capture shot = Shot();
        const std::pair<int, int> expects[] = {{0, 0}, {2, 1}, {3, 2}, {4, 3}, {6, 4}, {7, 5}, {9, 6}};
        for (auto e : expects) {
            const COLORREF cr = e.first == 2 && bGraySet ? Gray(ImageColour(e.second)) : ImageColour(e.second);
            const CPoint at = ImageAt(e.first, 0);
            EXPECT_EQ(at, Find(shot, e.first, cr)) << "button " << e.first << ", image " << e.second;
            EXPECT_PIXEL(shot, at.x - 1, at.y - 1, kBarBackground);   // its keyed ring, gray or not
        }
    }
}

TEST_F(ToolBarPaintTest, TextOnTheBarMakesRoomBelowTheImages)
{
    ASSERT_TRUE(Bar().SetButtonText(0, "Open"));
    Frame()->RecalcLayout();
    const vt::Capture shot = Shot();
    // The images move up, the button's own the most; its text sits below it, and only there.
    for (int i : {0, 1}) {
        EXPECT_EQ(ImageAt(i, i + 1), Find(shot, i, ImageColour(i))) << "button " << i;
        const CRect item = ItemInWindow(i);
        const CRect band(item.left + 1, item.top + 2 + kImage.cy + 1, item.right - 1, item.bottom - 2);
        EXPECT_EQ(i == 0, vt::CountColour(shot, band, RGB(0, 0, 0)) > 0) << i;
    }
}

TEST_F(ToolBarPaintTest, DropDownButtonShowsDividerAndArrowGrayWhenDisabled)
{
    // The button takes the drop-down style, the bar only the arrows' extended style; an unknown id changes nothing.
    Bar().SendMessage(TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_HIDECLIPPEDBUTTONS);
    Bar().SetButtonDropDown(kIdFirst + 99);
    EXPECT_EQ(TBSTYLE_EX_HIDECLIPPEDBUTTONS, Bar().SendMessage(TB_GETEXTENDEDSTYLE));
    Bar().SetButtonDropDown(kIdFirst + 2);
    EXPECT_EQ(TBSTYLE_EX_DRAWDDARROWS, Bar().SendMessage(TB_GETEXTENDEDSTYLE));
    EXPECT_EQ(std::make_pair(BYTE(TBSTYLE_BUTTON), BYTE(TBSTYLE_DROPDOWN)), std::make_pair(Bar().Button(1).fsStyle, Bar().Button(2).fsStyle));
    Frame()->RecalcLayout();
    for (bool bDisabled : {false, true}) {
        SCOPED_TRACE(bDisabled ? "disabled" : "enabled");
        Frame()->m_disabled = bDisabled ? std::set<UINT>{kIdFirst + 2} : std::set<UINT>{};
        const vt::Capture shot = Shot();
        const CRect item = ItemInWindow(2);
        const int r = item.right, mid = (item.top + item.bottom) / 2;
        EXPECT_TRUE(RegionIs(shot, CRect(r - 15, item.top + 4, r - 14, item.bottom - 4), kToolBarDropDivider));
        EXPECT_PIXEL(shot, r - 15, item.top + 3, kBarBackground);
        for (int j = 0; j < 4; j++) {   // rows of 7, 5, 3 and 1 pixels
            EXPECT_TRUE(RegionIs(shot, CRect(r - 12 + j, mid - 2 + j, r - 5 - j, mid - 1 + j),
                                 bDisabled ? kToolBarDisabledColor : kToolBarDropArrow));
            EXPECT_PIXEL(shot, r - 13 + j, mid - 2 + j, kBarBackground);
            EXPECT_PIXEL(shot, r - 5 - j, mid - 2 + j, kBarBackground);
        }
        if (!bDisabled) {   // the image centres in what the arrow leaves
            EXPECT_EQ(item.left + 2 + (item.Width() - 4 - 13 - kImage.cx) / 2 + 1, Find(shot, 2, ImageColour(2)).x);
        }
    }
}

TEST_F(ToolBarPaintTest, SeparatorLinesCrossTheBarExceptInControlSlots)
{
    auto expectColumn = [&](int nIndex, bool bLine) {
        const vt::Capture shot = Shot();
        const CRect item = ItemInWindow(nIndex), c = Client();
        const int x = (item.left + item.right) / 2 - 1, d = c.Height() / 6;
        EXPECT_TRUE(RegionIs(shot, CRect(x, c.top + d, x + 1, c.bottom - d), bLine ? kBarEdge : kBarBackground)) << nIndex;
        EXPECT_TRUE(RegionIs(shot, CRect(x, c.top + d - 1, x + 2, c.top + d), kBarBackground)) << nIndex;
    };
    expectColumn(5, true);

    // Docked upright: a row between the neighbours, a sixth of the width free at each end.
    Frame()->Dock(Bar(), AFX_IDW_DOCKBAR_LEFT);
    vt::Capture shot = Shot();
    CRect c = Client();
    int y = (ItemInWindow(5).bottom + ItemInWindow(4).bottom) / 2;
    EXPECT_TRUE(RegionIs(shot, CRect(c.left + c.Width() / 6, y, c.right - c.Width() / 6, y + 1), kBarEdge));
    EXPECT_PIXEL(shot, c.left + c.Width() / 6 - 1, y, kBarBackground);

    // A slot holding a control paints none.
    Frame()->Dock(Bar(), AFX_IDW_DOCKBAR_TOP);
    CWnd control;
    ASSERT_TRUE(control.Create("STATIC", "", WS_CHILD, CRect(0, 0, 8, 8), &Bar(), 0xFFFF));
    const RECT slot = {0, 0, 40, 10};
    ASSERT_TRUE(Bar().InsertControl(&control, &slot, kIdFirst + 5));
    Frame()->RecalcLayout();
    expectColumn(Bar().CommandToIndex(kIdFirst + 5), false);
    expectColumn(5, true);

    // Floating in two rows broken at the separator (the first three buttons
    // hidden, so the narrowest two rows break there): a row of its own.
    for (int i = 0; i < 3; i++)
        Bar().SetButtonStyle(i, Bar().GetButtonStyle(i) | TBBS_HIDDEN);
    Frame()->Float(Bar());
    Bar().m_nMRUWidth = 3 * kButton.cx;
    Bar().CalcDynamicLayout(0, LM_HORZ | LM_MRUWIDTH | LM_COMMIT);
    Bar().GetDockingFrame()->RecalcLayout();
    ASSERT_TRUE(Bar().Button(5).fsState & TBSTATE_WRAP);
    shot = Shot();
    c = Client();
    const CRect item = ItemInWindow(5);
    y = (item.bottom + ItemInWindow(4).bottom) / 2 - 1;
    EXPECT_TRUE(RegionIs(shot, CRect(item.left + 4, y, c.right - 2, y + 1), kBarEdge));
    EXPECT_PIXEL(shot, item.left + 3, y, kBarBackground);
    EXPECT_PIXEL(shot, c.right - 2, y, kBarBackground);
}

TEST_F(ToolBarPaintTest, DockBarMovedOrShrunkRepaintsAllOfItWithoutAnErase)
{
    // Moved, or made narrower, by itself the dock bar would get no paint
    // from the system: all it repaints comes from its own invalidation,
    // which asks for no erase.
    CWnd* pDock = Frame()->GetControlBar(AFX_IDW_DOCKBAR_TOP);
    vt::GdiObject red(::CreateSolidBrush(RGB(255, 0, 0)));
    for (CSize change : {CSize(3, 0), CSize(0, 60)}) {   // down by cx, narrower by cy
        Frame()->RecalcLayout();
        vt::PumpPending();
        CRect client, update, rect;
        pDock->GetClientRect(&client);
        ::FillRect(vt::WindowDC(pDock->m_hWnd), &client, red.brush());
        vt::MessageRecorder recorder;
        recorder.Watch(pDock->m_hWnd);
        recorder.Only({WM_PAINT, WM_ERASEBKGND});
        pDock->GetWindowRect(&rect);
        Frame()->ScreenToClient(&rect);
        pDock->SetWindowPos(NULL, rect.left, rect.top + change.cx, rect.Width() - change.cy, rect.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
        pDock->GetClientRect(&client);
        ASSERT_TRUE(pDock->GetUpdateRect(&update, FALSE));
        EXPECT_EQ(client, update);
        vt::PumpUntil([&] { return !pDock->GetUpdateRect(NULL, FALSE); });
        EXPECT_EQ(std::vector<UINT>{WM_PAINT}, recorder.Messages(pDock->m_hWnd));
        const CRect free(WindowRectOf(Bar()).right - WindowRectOf(*pDock).left, 0, INT_MAX, INT_MAX);   // clipped to the picture
        EXPECT_TRUE(RegionMatches(vt::Capture::FromWindow(pDock->m_hWnd, true), free,
                                  [](int, int, COLORREF cr) { return cr == kBarBackground || cr == kBarEdge; }));
    }
    // Neither bar erases anything when asked to.
    vt::MemoryCanvas canvas(8, 8, kBackground);
    EXPECT_EQ(TRUE, pDock->SendMessage(WM_ERASEBKGND, (WPARAM)canvas.dc()));
    EXPECT_EQ(TRUE, Bar().SendMessage(WM_ERASEBKGND, (WPARAM)canvas.dc()));
    EXPECT_TRUE(RegionIs(canvas.Snapshot(), CRect(0, 0, 8, 8), kBackground));
}
