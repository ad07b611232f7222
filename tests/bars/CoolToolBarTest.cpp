// Tool bar model on a bar in a real frame: appended buttons and their images, embedded controls,
// the image sets built from a strip. (Drop-down buttons and the docking queries are read where the bar paints.)
#include "BarFixture.h"

using namespace bartest;

namespace {

class CoolToolBarTest : public BarTest
{
protected:
    int Count() { return (int)Bar().SendMessage(TB_BUTTONCOUNT); }
    // A child of the bar of the given size, owned by the test.
    CWnd* Child(int cx, int cy)
    {
        m_children.emplace_back(new CWnd);
        m_children.back()->Create("STATIC", "", WS_CHILD, CRect(0, 0, cx, cy), &Bar(), 0xFFFF);
        return m_children.back().get();
    }
    CRect Placed(CWnd* pChild) { CRect rect; pChild->GetWindowRect(&rect); Bar().ScreenToClient(&rect); return rect; }
    std::vector<std::unique_ptr<CWnd>> m_children;
};

}  // namespace

TEST_F(CoolToolBarTest, AppendedButtonsContinueTheImagesOfPlainAndDropDownButtons)
{
    // Existing buttons as style and image; check, group and separator images do not count.
    struct Case { std::vector<std::pair<BYTE, int>> existing; int nFirst; } cases[] = {
        {{}, 0},
        {{{TBSTYLE_BUTTON, 0}, {TBSTYLE_BUTTON, 4}, {TBSTYLE_CHECK, 7}, {TBSTYLE_GROUP, 9}, {TBSTYLE_SEP, 30}}, 5},
        {{{TBSTYLE_BUTTON, 2}, {TBSTYLE_DROPDOWN | TBSTYLE_GROUP, 6}}, 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nFirst);
        Make({});
        for (const auto& e : c.existing) {
            TBBUTTON button = {e.second, int(kIdFirst + 30), TBSTATE_ENABLED, e.first};
            ASSERT_TRUE(Bar().SendMessage(TB_ADDBUTTONS, 1, (LPARAM)&button));
        }
        const int n = Count();
        const UINT ids[] = {kIdFirst, 0, kIdFirst + 1};
        EXPECT_TRUE(Bar().AppendButtons(ids, 3));
        EXPECT_EQ(n + 3, Bar().GetCount());
        EXPECT_TRUE(Bar().DelayedLayout());
        const TBBUTTON first = Bar().Button(n), sep = Bar().Button(n + 1), second = Bar().Button(n + 2);
        EXPECT_EQ(std::make_tuple(int(kIdFirst), BYTE(TBSTYLE_BUTTON), BYTE(TBSTATE_ENABLED), c.nFirst, c.nFirst + 1),
                  std::make_tuple(first.idCommand, first.fsStyle, BYTE(first.fsState & ~TBSTATE_WRAP), first.iBitmap, second.iBitmap));
        EXPECT_EQ(std::make_pair(BYTE(TBSTYLE_SEP), 8), std::make_pair(sep.fsStyle, sep.iBitmap)) << "8 wide, flat or not";
    }
    // Without ids: blank enabled buttons on image 0; nothing to add is no failure.
    EXPECT_TRUE(Bar().AppendButtons(NULL, 2));
    const TBBUTTON blank = Bar().Button(Count() - 1);
    EXPECT_EQ(std::make_tuple(0, 0, BYTE(TBSTYLE_BUTTON)), std::make_tuple(blank.idCommand, blank.iBitmap, blank.fsStyle));
    EXPECT_TRUE(blank.fsState & TBSTATE_ENABLED);
    const int n = Count();
    EXPECT_TRUE(Bar().AppendButtons(NULL, 0) && Bar().AppendButtons(NULL, -3));
    EXPECT_EQ(n, Count());
}

TEST_F(CoolToolBarTest, CoolBitmapCountsImagesOfTheStripAndReplacesItsKey)
{
    // The sets the frame's strip gave are read where the bar paints them.
    Make();
    // Strip w x h, asked cx x cy: image width x height and count. Zero, negative
    // or too large sizes give the strip height and square images.
    struct Case { int w, h, cx, cy, width, height, count; } cases[] = {
        {160, 16, 16, 16, 16, 16, 10}, {175, 16, 16, 16, 16, 16, 11}, {160, 16, 0, 16, 16, 16, 10},
        {160, 16, 160, 16, 16, 16, 10}, {160, 16, 20, 0, 20, 16, 8}, {160, 16, 20, 17, 20, 16, 8},
        {96, 24, 0, 0, 24, 24, 4}, {160, 16, 16, 8, 16, 8, 10}, {160, 16, -5, -5, 16, 16, 10},
    };
    for (const Case& c : cases) {
        vt::GdiObject strip(MakeBitmap(c.w, c.h, [](int x, int) { return ImageColour(x / 16); }));
        Bar().SetCoolBitmap(strip.bitmap(), c.cx, c.cy);
        EXPECT_EQ(CSize(c.width, c.height), Bar().ImageSize()) << c.w << " x " << c.h << ", " << c.cx << " x " << c.cy;
        EXPECT_EQ(c.count, Bar().ImageCount()) << c.w << " x " << c.h << ", " << c.cx << " x " << c.cy;
    }

    // What the copies hold is read back where the bar paints them and in the bitmap utilities' tests.
    vt::GdiObject strip(MakeStrip(3));
    Bar().SetCoolBitmap(strip.bitmap(), 16, 15);
    // No strip, or a handle that is no bitmap: both copies go, the sizes stay.
    for (HGDIOBJ hBad : {HGDIOBJ(NULL), ::GetStockObject(WHITE_BRUSH)}) {
        Bar().SetCoolBitmap((HBITMAP)hBad, 4, 4);
        EXPECT_TRUE(Bar().GetButtonsBitmap() == NULL && Bar().GrayBitmap() == NULL);
        EXPECT_EQ(3, Bar().ImageCount());
    }
}

TEST_F(CoolToolBarTest, InsertedControlSitsInItsSlotAndOnlyThirtyTwoAreKnown)
{
    std::vector<UINT> ids;
    for (UINT i = 0; i < 34; i++)
        ids.push_back(kIdFirst + i);
    Make(ids);
    // Taller than its slot: at the top-left; shorter: centred, one pixel low. Slots as wide as asked.
    struct Case { int cx, cy, slot; } cases[] = {{40, 30, 60}, {20, 12, 45}, {30, 21, 31}};
    for (UINT i = 0; i < 33; i++) {
        const Case c = i < 3 ? cases[i] : Case{10, 10, 20};
        CWnd* pChild = Child(c.cx, c.cy);
        const RECT wanted = {100, 100, 100 + c.slot, 107};
        ASSERT_TRUE(Bar().InsertControl(pChild, &wanted, kIdFirst + i));
        const CRect item = Bar().Item(Bar().CommandToIndex(kIdFirst + i));
        EXPECT_EQ(TBSTYLE_SEP, Bar().Button(i).fsStyle);
        EXPECT_EQ(c.slot, item.Width());
        const int yWanted = c.cy > item.Height() ? item.top : item.top + (item.Height() - c.cy) / 2 + 1;
        EXPECT_EQ(CRect(CPoint(item.left, yWanted), CSize(c.cx, c.cy)), Placed(pChild)) << "control " << i;
        EXPECT_TRUE(pChild->IsWindowVisible());
        EXPECT_EQ((LRESULT)g_fontShared9.GetSafeHandle(), pChild->SendMessage(WM_GETFONT));
        EXPECT_EQ(i < 32, Bar().IsControl(kIdFirst + i)) << "control " << i;
    }
    // No control, no rectangle, no such button: refused, nothing changes.
    const RECT wanted = {0, 0, 20, 10};
    EXPECT_FALSE(Bar().InsertControl(NULL, &wanted, kIdFirst + 33));
    EXPECT_FALSE(Bar().InsertControl(Child(5, 5), NULL, kIdFirst + 33));
    EXPECT_FALSE(Bar().InsertControl(Child(5, 5), &wanted, kIdFirst + 99));
    EXPECT_EQ(TBSTYLE_BUTTON, Bar().Button(33).fsStyle);
    for (UINT id : {0u, kIdFirst + 33, kIdFirst + 99, 0xFFFFFFFFu})
        EXPECT_FALSE(Bar().IsControl(id)) << id;
}
