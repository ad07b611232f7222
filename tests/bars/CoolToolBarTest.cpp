// Tool bar model: appended buttons and their images, embedded controls, drop-down buttons, the image
// sets built from a strip, and the docking queries, on a bar in a real frame.
#include "BarFixture.h"

using namespace bartest;

namespace {

class CoolToolBarTest : public ::testing::Test
{
protected:
    void Make(const std::vector<UINT>& ids) { frame.reset(new FrameHolder(ids)); ASSERT_TRUE(frame->get() != NULL); }
    CBarFrame* Frame() { return frame->get(); }
    CProbeToolBar& Bar() { return frame->get()->m_wndToolBar; }
    int Count() { return (int)Bar().SendMessage(TB_BUTTONCOUNT); }

    std::unique_ptr<FrameHolder> frame;
};

// A child of the bar of the given height, for a slot.
CWnd* MakeChild(CWnd* pParent, int cx, int cy, std::vector<std::unique_ptr<CWnd>>& owned)
{
    owned.emplace_back(new CWnd);
    owned.back()->Create("STATIC", "", WS_CHILD, CRect(0, 0, cx, cy), pParent, 0xFFFF);
    return owned.back().get();
}

}  // namespace

TEST_F(CoolToolBarTest, AppendedButtonsContinueTheImagesOfPlainAndDropDownButtons)
{
    const UINT A = kIdFirst + 20, B = kIdFirst + 21;
    struct Existing { BYTE fsStyle; int iBitmap; };
    struct Case
    {
        const char* name;
        std::vector<Existing> existing;    // added before, ids kIdFirst + i
        int nFirstImage;
    } cases[] = {
        {"empty bar", {}, 0},
        {"plain 0..4, check 7, group 9, separator 30 wide",
         {{TBSTYLE_BUTTON, 0}, {TBSTYLE_BUTTON, 1}, {TBSTYLE_BUTTON, 2}, {TBSTYLE_BUTTON, 3}, {TBSTYLE_BUTTON, 4},
          {TBSTYLE_CHECK, 7}, {TBSTYLE_GROUP, 9}, {TBSTYLE_SEP, 30}},
         5},
        {"drop-down group 6 counts", {{TBSTYLE_BUTTON, 2}, {TBSTYLE_DROPDOWN | TBSTYLE_GROUP, 6}}, 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Make({});
        for (size_t i = 0; i < c.existing.size(); i++) {
            TBBUTTON button = {c.existing[i].iBitmap, int(kIdFirst + i), TBSTATE_ENABLED, c.existing[i].fsStyle};
            ASSERT_TRUE(Bar().SendMessage(TB_ADDBUTTONS, 1, (LPARAM)&button));
        }
        const int n = Count();
        const UINT ids[] = {A, 0, B};
        EXPECT_TRUE(Bar().AppendButtons(ids, 3));
        ASSERT_EQ(n + 3, Count());
        EXPECT_EQ(n + 3, Bar().GetCount());
        EXPECT_TRUE(Bar().DelayedLayout());
        const TBBUTTON first = Bar().Button(n), sep = Bar().Button(n + 1), second = Bar().Button(n + 2);
        EXPECT_EQ(c.nFirstImage, first.iBitmap);
        EXPECT_EQ(int(A), first.idCommand);
        EXPECT_EQ(TBSTYLE_BUTTON, first.fsStyle);
        EXPECT_EQ(TBSTATE_ENABLED, first.fsState & ~TBSTATE_WRAP);
        EXPECT_EQ(0, (int)first.iString);
        EXPECT_EQ(TBSTYLE_SEP, sep.fsStyle);
        EXPECT_EQ(8, sep.iBitmap) << "a separator 8 pixels wide, flat bar or not";
        EXPECT_EQ(c.nFirstImage + 1, second.iBitmap);
    }

    // Without ids: blank buttons, enabled, image 0, no command.
    EXPECT_TRUE(Bar().AppendButtons(NULL, 2));
    const TBBUTTON blank = Bar().Button(Count() - 1);
    EXPECT_EQ(0, blank.idCommand);
    EXPECT_EQ(0, blank.iBitmap);
    EXPECT_EQ(TBSTYLE_BUTTON, blank.fsStyle);
    EXPECT_TRUE(blank.fsState & TBSTATE_ENABLED);
    // Nothing to add is no failure, and adds nothing.
    const int n = Count();
    EXPECT_TRUE(Bar().AppendButtons(NULL, 0));
    EXPECT_TRUE(Bar().AppendButtons(NULL, -3));
    EXPECT_EQ(n, Count());
}

TEST_F(CoolToolBarTest, CoolBitmapCountsImagesOfTheStripAndReplacesItsKey)
{
    Make(StandardIds());
    // The first paint built the sets from the bar's own image well.
    EXPECT_TRUE(Bar().GetButtonsBitmap() != NULL);
    EXPECT_EQ(kImage.cx, Bar().ImageWidth());
    EXPECT_EQ(kImage.cy, Bar().ImageHeight());
    EXPECT_EQ((10 * kImage.cx + 1) / kImage.cx, Bar().ImageCount());

    struct Case { int w, h, cx, cy, width, height, count; } cases[] = {
        {160, 16, 16, 16, 16, 16, 10}, {175, 16, 16, 16, 16, 16, 11},
        {160, 16, 0, 16, 16, 16, 10},  {160, 16, 160, 16, 16, 16, 10}, {160, 16, 400, 16, 16, 16, 10},
        {160, 16, 20, 0, 20, 16, 8},   {160, 16, 20, 17, 20, 16, 8},   {96, 24, 0, 0, 24, 24, 4},
        {160, 16, 16, 8, 16, 8, 10},   {160, 16, -5, -5, 16, 16, 10},  {15, 16, 15, 16, 16, 16, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.w << " x " << c.h << " strip, " << c.cx << " x " << c.cy);
        vt::GdiObject strip(MakeBitmap(c.w, c.h, [](int x, int y) { return (x + y) % 5 ? ImageColour(x / 16) : kKey; }));
        Bar().SetCoolBitmap(strip.bitmap(), c.cx, c.cy);
        EXPECT_EQ(c.width, Bar().ImageWidth());
        EXPECT_EQ(c.height, Bar().ImageHeight());
        EXPECT_EQ(c.count, Bar().ImageCount());
    }

    // Both copies: the key becomes the bar colour; gray keeps black and grays the rest.
    vt::GdiObject strip(MakeStrip(3));
    Bar().SetCoolBitmap(strip.bitmap(), 16, 15);
    ASSERT_TRUE(Bar().GetButtonsBitmap() != NULL);
    ASSERT_TRUE(Bar().GrayBitmap() != NULL);
    vt::MemoryCanvas source(48, 15), cool(48, 15), gray(48, 15);
    for (auto pair : {std::make_pair(&source, strip.bitmap()), std::make_pair(&cool, Bar().GetButtonsBitmap()),
                      std::make_pair(&gray, Bar().GrayBitmap())}) {
        vt::MemoryCanvas bits(1, 1);
        HDC hDC = ::CreateCompatibleDC(bits);
        {
            vt::SelectGuard select(hDC, pair.second);
            ::BitBlt(*pair.first, 0, 0, 48, 15, hDC, 0, 0, SRCCOPY);
        }
        ::DeleteDC(hDC);
    }
    auto grayOf = [](COLORREF cr) {
        const BYTE g = BYTE(int(0.24 * GetRValue(cr)) + int(0.54 * GetGValue(cr)) + int(0.14 * GetBValue(cr)));
        return cr == RGB(0, 0, 0) ? cr : RGB(g, g, g);
    };
    EXPECT_TRUE(RegionIs(cool, WholeOf(cool), [&](int x, int y) {
        return source.At(x, y) == kKey ? kBarColour : source.At(x, y);
    }));
    EXPECT_TRUE(RegionIs(gray, WholeOf(gray), [&](int x, int y) { return grayOf(source.At(x, y)); }));

    // No strip, or a handle that is no bitmap: both copies go, the sizes stay.
    for (HGDIOBJ hBad : {HGDIOBJ(NULL), ::GetStockObject(WHITE_BRUSH)}) {
        Bar().SetCoolBitmap((HBITMAP)hBad, 4, 4);
        EXPECT_TRUE(Bar().GetButtonsBitmap() == NULL);
        EXPECT_TRUE(Bar().GrayBitmap() == NULL);
        EXPECT_EQ(16, Bar().ImageWidth());
        EXPECT_EQ(3, Bar().ImageCount());
    }
}

TEST_F(CoolToolBarTest, InsertedControlSitsInItsSlotAndOnlyThirtyTwoAreKnown)
{
    std::vector<UINT> ids;
    for (UINT i = 0; i < 34; i++)
        ids.push_back(kIdFirst + i);
    Make(ids);
    std::vector<std::unique_ptr<CWnd>> owned;

    // Taller than its slot: at the slot's top-left; shorter: centred one pixel low.
    struct Case { int cx, cy, slot; } cases[] = {{40, 30, 60}, {20, 12, 45}, {30, 21, 31}};
    for (int i = 0; i < 3; i++) {
        SCOPED_TRACE(testing::Message() << "control " << cases[i].cx << " x " << cases[i].cy);
        CWnd* pControl = MakeChild(&Bar(), cases[i].cx, cases[i].cy, owned);
        const RECT wanted = {100, 100, 100 + cases[i].slot, 107};
        ASSERT_TRUE(Bar().InsertControl(pControl, &wanted, kIdFirst + i));
        const int nIndex = Bar().CommandToIndex(kIdFirst + i);
        EXPECT_EQ(TBSTYLE_SEP, Bar().Button(nIndex).fsStyle);
        const CRect item = Bar().Item(nIndex);
        EXPECT_EQ(cases[i].slot, item.Width());
        CRect placed;
        pControl->GetWindowRect(&placed);
        Bar().ScreenToClient(&placed);
        EXPECT_EQ(CSize(cases[i].cx, cases[i].cy), placed.Size()) << "the control keeps its size";
        EXPECT_EQ(item.left, placed.left);
        const int yWanted = cases[i].cy > item.Height() ? item.top : item.top + (item.Height() - cases[i].cy) / 2 + 1;
        EXPECT_EQ(yWanted, placed.top);
        EXPECT_TRUE(pControl->IsWindowVisible());
        EXPECT_EQ((LRESULT)g_fontShared9.GetSafeHandle(), pControl->SendMessage(WM_GETFONT));
        EXPECT_TRUE(Bar().IsControl(kIdFirst + i));
    }

    // Slots 4 to 33 fill the table; the 33rd control is placed but not known.
    for (UINT i = 3; i < 33; i++) {
        const RECT wanted = {0, 0, 20, 10};
        ASSERT_TRUE(Bar().InsertControl(MakeChild(&Bar(), 10, 10, owned), &wanted, kIdFirst + i));
    }
    EXPECT_TRUE(Bar().IsControl(kIdFirst + 31));
    EXPECT_FALSE(Bar().IsControl(kIdFirst + 32));
    EXPECT_TRUE(owned.back()->IsWindowVisible());
    EXPECT_EQ(Bar().Item(Bar().CommandToIndex(kIdFirst + 32)).left,
              [&] { CRect r; owned.back()->GetWindowRect(&r); Bar().ScreenToClient(&r); return r.left; }());

    // No control, no rectangle or no such button: refused, nothing changes.
    const RECT wanted = {0, 0, 20, 10};
    EXPECT_FALSE(Bar().InsertControl(NULL, &wanted, kIdFirst + 33));
    EXPECT_FALSE(Bar().InsertControl(owned.back().get(), NULL, kIdFirst + 33));
    EXPECT_FALSE(Bar().InsertControl(owned.back().get(), &wanted, kIdFirst + 99));
    EXPECT_EQ(TBSTYLE_BUTTON, Bar().Button(33).fsStyle);
    for (UINT id : {0u, kIdFirst + 33, kIdFirst + 99, 0xFFFFFFFFu})
        EXPECT_FALSE(Bar().IsControl(id)) << id;
}

TEST_F(CoolToolBarTest, DropDownButtonGetsTheArrowStyleAndTheBarOnlyThatExtendedStyle)
{
    Make(StandardIds());
    Bar().SendMessage(TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_HIDECLIPPEDBUTTONS);
    Bar().SetButtonDropDown(kIdFirst + 99);
    EXPECT_EQ(TBSTYLE_EX_HIDECLIPPEDBUTTONS, Bar().SendMessage(TB_GETEXTENDEDSTYLE)) << "an unknown id changes nothing";

    Bar().SetButtonDropDown(kIdFirst + 2);
    EXPECT_EQ(TBSTYLE_EX_DRAWDDARROWS, Bar().SendMessage(TB_GETEXTENDEDSTYLE));
    EXPECT_EQ(TBSTYLE_DROPDOWN, Bar().Button(2).fsStyle);
    EXPECT_EQ(TBSTYLE_BUTTON, Bar().Button(1).fsStyle);
}

TEST_F(CoolToolBarTest, DockingQueriesFollowTheSideAndFloatingAnswersNone)
{
    Make(StandardIds());
    struct Side { UINT nDockBar; int top, bottom, left, right; } sides[] = {
        {AFX_IDW_DOCKBAR_LEFT, 0, 0, 1, 0}, {AFX_IDW_DOCKBAR_BOTTOM, 0, 1, 0, 0},
        {AFX_IDW_DOCKBAR_RIGHT, 0, 0, 0, 1}, {AFX_IDW_DOCKBAR_TOP, 1, 0, 0, 0},
    };
    for (const Side& s : sides) {
        SCOPED_TRACE(s.nDockBar);
        Frame()->Dock(Bar(), s.nDockBar);
        EXPECT_EQ(s.top, Bar().IsTopDocked());
        EXPECT_EQ(s.bottom, Bar().IsBottomDocked());
        EXPECT_EQ(s.left, Bar().IsLeftDocked());
        EXPECT_EQ(s.right, Bar().IsRightDocked());
        EXPECT_EQ(s.top || s.bottom, Bar().IsHorzDocked());
        EXPECT_EQ(s.left || s.right, Bar().IsVertDocked());
        EXPECT_EQ(s.nDockBar, Bar().GetDockBarID());
    }

    // A second bar in a row below: only the lower one is the lowest of the top area.
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
    EXPECT_TRUE(lower.LowestInTopArea());
    EXPECT_FALSE(Bar().LowestInTopArea());

    // Floating: no side, although the style keeps the floating dock bar's alignment.
    Frame()->Float(Bar(), CPoint(420, 300));
    ASSERT_TRUE(Bar().IsFloating());
    EXPECT_TRUE(Bar().m_dwStyle & CBRS_ALIGN_TOP);
    EXPECT_FALSE(Bar().IsTopDocked() || Bar().IsBottomDocked() || Bar().IsLeftDocked() || Bar().IsRightDocked());
    EXPECT_FALSE(Bar().IsHorzDocked() || Bar().IsVertDocked());
    EXPECT_FALSE(Bar().LowestInTopArea());
    EXPECT_EQ(UINT(AFX_IDW_DOCKBAR_TOP), Bar().GetDockBarID());

    // The id reads the alignment bits alone, top before left; none gives 0.
    const DWORD dwStyle = lower.m_dwStyle;
    lower.m_dwStyle = (dwStyle & ~CBRS_ALIGN_ANY) | CBRS_ALIGN_TOP | CBRS_ALIGN_LEFT;
    EXPECT_EQ(0xE81Bu, lower.GetDockBarID());
    lower.m_dwStyle = (dwStyle & ~CBRS_ALIGN_ANY) | CBRS_ALIGN_RIGHT | CBRS_ALIGN_BOTTOM;
    EXPECT_EQ(0xE81Eu, lower.GetDockBarID());
    lower.m_dwStyle = dwStyle & ~CBRS_ALIGN_ANY;
    EXPECT_EQ(0u, lower.GetDockBarID());
    lower.m_dwStyle = dwStyle;
    lower.DestroyWindow();
}
