// The button list bar's model, tip texts and layout, measured against the shared font in the same run.
#include <algorithm>
#include <string>

#include "ListBarFixture.h"

using namespace lbtest;

namespace {

// Asks the bar for a tool's tip text as the tip control does; "<none>" when nobody answers.
std::string TipOf(CButtonListBar& bar, HWND from, UINT id, bool wide)
{
    NMTTDISPINFOW info = {};
    info.hdr.hwndFrom = from;
    info.hdr.idFrom = id;
    info.hdr.code = wide ? TTN_NEEDTEXTW : TTN_NEEDTEXTA;
    lstrcpyW(info.szText, L"<none>");
    if (!wide) {
        NMTTDISPINFOA& ansi = reinterpret_cast<NMTTDISPINFOA&>(info);
        lstrcpyA(ansi.szText, "<none>");
        bar.SendMessage(WM_NOTIFY, id, reinterpret_cast<LPARAM>(&ansi));
        return ansi.szText;
    }
    bar.SendMessage(WM_NOTIFY, id, reinterpret_cast<LPARAM>(&info));
    char text[128] = {};
    ::WideCharToMultiByte(CP_ACP, 0, info.szText, -1, text, sizeof(text), NULL, NULL);
    return text;
}

TEST(ListBarModel, GroupsMatchWithoutCaseAndRefuseButtonsWhenFull)
{
    CButtonListBar bar;
    EXPECT_TRUE(bar.AddButton("Mail", 0, "Inbox", NULL, 0));
    EXPECT_TRUE(bar.AddButton("MAIL", 0, "Sent", NULL, 0));
    EXPECT_EQ(1, bar.GetGroups());
    EXPECT_EQ(2, bar.GetGroupCommandCount("mAiL"));
    for (int i = 2; i < kListMaxGroupButtons; ++i)
        ASSERT_TRUE(bar.AddButton("mail", 0, "More", NULL, 0));
    EXPECT_FALSE(bar.AddButton("Mail", 0, "One too many", NULL, 0));
    EXPECT_TRUE(bar.AddButton("Notes", 0, "Still welcome", NULL, 0));
    for (int g = 2; g < kListMaxGroups; ++g)
        ASSERT_TRUE(bar.AddButton(("Group " + std::to_string(g)).c_str(), 0, "x", NULL, 0));
    EXPECT_FALSE(bar.AddButton("Seventeenth", 0, "x", NULL, 0));
    EXPECT_FALSE(bar.AddButton(NULL, 0, "x", NULL, 0));
    EXPECT_FALSE(bar.AddButton("", 0, "x", NULL, 0));
    EXPECT_EQ(kListMaxGroups, bar.GetGroups());
    EXPECT_EQ(kListMaxGroupButtons + 1 + kListMaxGroups - 2, bar.GetTotalCount());
    EXPECT_EQ(0, bar.GetGroupCommandCount("Seventeenth"));

    bar.Clear();
    EXPECT_EQ(0, bar.GetTotalCount());
    EXPECT_EQ(0, bar.GetGroups());
    EXPECT_TRUE(bar.AddButton("Fresh", 0, "x", NULL, 0));
}

TEST(ListBarModel, WithoutGroupsEveryGroupCountsAllButtons)
{
    CButtonListBar bar;
    ASSERT_TRUE(bar.NeedGroup(FALSE));
    EXPECT_TRUE(bar.NeedGroup(FALSE));
    EXPECT_TRUE(bar.AddButton(NULL, 0, "a", NULL, 0));
    EXPECT_TRUE(bar.AddButton("ignored", 0, "b", NULL, 0));
    EXPECT_FALSE(bar.NeedGroup(TRUE));
    EXPECT_EQ(0, bar.GetGroups());
    for (int group : {-1, 0, 7, 99})
        EXPECT_EQ(2, bar.GetGroupCommandCount(group)) << group;
    EXPECT_EQ(2, bar.GetGroupCommandCount("anything"));
    EXPECT_FALSE(bar.SetGroupToolTip(0, "tip"));
    EXPECT_FALSE(bar.SetGroupToolTip("ignored", "tip"));
    bar.Clear();
    EXPECT_TRUE(bar.NeedGroup(TRUE));
}

TEST(ListBarModel, OutOfRangeIndicesAndMissingTextsGiveEmptyResults)
{
    CButtonListBar bar;
    ASSERT_TRUE(bar.AddButton("Mail", 3, NULL, NULL, 7));
    EXPECT_STREQ("", bar.GetItemText(0));
    for (int index : {-1, 1, 1000}) {
        bar.SetItemText(index, "x");
        bar.SetItemData(index, 9);
        EXPECT_STREQ("", bar.GetItemText(index)) << index;
        EXPECT_EQ(0ul, bar.GetItemData(index)) << index;
    }
    EXPECT_EQ(7ul, bar.GetItemData(0));
    bar.SetItemText(0, "Inbox");
    bar.SetItemText(0, NULL);
    EXPECT_STREQ("", bar.GetItemText(0));
    for (int group : {1, 16, 1000})
        EXPECT_EQ(0, bar.GetGroupCommandCount(group)) << group;
    EXPECT_EQ(1, bar.GetGroupCommandCount(-3));   // the selected group
    EXPECT_EQ(0, bar.GetGroupCommandCount((const char*)NULL));
    EXPECT_EQ(0, bar.GetGroupCommandCount(""));
    EXPECT_FALSE(bar.SetGroupToolTip(1, "tip"));
    EXPECT_FALSE(bar.SetGroupToolTip(-1, "tip"));
    EXPECT_FALSE(bar.SetGroupToolTip("Unknown", "tip"));
    EXPECT_FALSE(bar.SetGroupToolTip((const char*)NULL, "tip"));
    EXPECT_TRUE(bar.SetGroupToolTip("mail", NULL));

    // Without a window nothing is laid out, hit or painted.
    RECT rc;
    EXPECT_FALSE(bar.GetItemRect(0, &rc));
    EXPECT_TRUE(::IsRectEmpty(&rc));
    EXPECT_EQ(-1, bar.ItemFromPt(CPoint(5, 5)));
    EXPECT_EQ(-1, bar.SetCurSel(0, TRUE));
    bar.DrawScrollBar();
    bar.DrawGroups();
}

class ListBarTexts : public ListBarTest {};

TEST_F(ListBarTexts, LongTextsAreCutAndTipsFallBackToCaptionsAndNames)
{
    ASSERT_TRUE(Make(CRect(10, 10, 110, 230), kListVertical));
    const std::string seventy(70, 'w');
    ASSERT_TRUE(bar.AddButton(seventy.c_str(), 1, seventy.c_str(), NULL, 0));
    ASSERT_TRUE(bar.AddButton("Notes", 2, "Jot", "Write a note", 0));
    ASSERT_TRUE(bar.AddButton("Tasks", 2, "Do", NULL, 0));
    ASSERT_TRUE(bar.SetGroupToolTip("notes", seventy.c_str()));
    EXPECT_EQ(std::string(63, 'w'), bar.GetItemText(0));
    EXPECT_EQ(1, bar.GetGroupCommandCount(std::string(64, 'w').c_str()));
    bar.SetItemText(2, seventy.c_str());
    EXPECT_EQ(std::string(63, 'w'), bar.GetItemText(2));

    struct Row { UINT id; std::string tip; };
    const Row rows[] = {
        {0, std::string(63, 'w')},                        // no tip: the caption
        {1, "Write a note"},
        {kListGroupToolBase + 0, std::string(64, 'w')},   // no tip: the name
        {kListGroupToolBase + 1, std::string(64, 'w')},
        {kListGroupToolBase + 2, "Tasks"},
        {3, "<none>"},                                    // no such button
        {kListGroupToolBase + kListMaxGroups, "<none>"},
    };
    for (const Row& row : rows) {
        for (bool wide : {false, true})
            EXPECT_EQ(row.tip, TipOf(bar, host.m_hWnd, row.id, wide)) << row.id << (wide ? " W" : " A");
    }
}

TEST_F(ListBarTexts, ImageListSetBeforeCreationIsReplacedAndOneSetAfterStays)
{
    CImageList mine;
    ASSERT_TRUE(mine.Create(16, 16, ILC_COLOR24 | ILC_MASK, 1, 1));
    EXPECT_EQ(NULL, bar.SetItemImageList(&mine));
    ASSERT_TRUE(Make(CRect(10, 10, 110, 230), kListVertical));
    EXPECT_EQ(&g_imlButtonList, bar.SetItemImageList(&mine));
    EXPECT_EQ(kButtonListGlyphCount, g_imlButtonList.GetImageCount());
    EXPECT_EQ(&mine, bar.SetItemImageList(&g_imlButtonList));
    EXPECT_EQ(bar.GetButtonListFont(), &g_fontShared10);
    EXPECT_STREQ("CButtonListBar", bar.GetRuntimeClass()->m_lpszClassName);
}

// ---------------------------------------------------------------- layout

class ListBarLayout : public ListBarTest {};

TEST_F(ListBarLayout, VerticalGroupRowsAndButtonsFollowTheTextHeight)
{
    ASSERT_TRUE(Make(CRect(10, 10, 110, 230), kListVertical));
    Fill(3);
    Settle();
    const int th = TextHeight();
    const int row = th + kListGroupPadding;
    for (int g = 0; g < 3; ++g)
        EXPECT_EQ(CRect(0, g * row, 100, (g + 1) * row), Group(g)) << g;
    EXPECT_EQ(CRect(), Group(3));
    RECT groups;
    EXPECT_EQ(3, bar.GetGroupsRect(&groups));
    EXPECT_EQ(CRect(0, 0, 100, 3 * row + 1), RectOf(groups));

    struct Mode { int mode; int height; };
    const Mode modes[] = {{kListImageAndText, 33 + th + 10}, {kListImageOnly, 43}, {kListTextOnly, th + 10}};
    for (const Mode& m : modes) {
        bar.SetImageOrTextOrBoth(m.mode, TRUE);
        EXPECT_EQ(CRect(0, 3 * row + 1, 100, 3 * row + 1 + m.height), Item(0)) << m.mode;
        EXPECT_EQ(CRect(0, 3 * row + 1 + m.height, 100, 3 * row + 1 + 2 * m.height), Item(1)) << m.mode;
    }
    EXPECT_EQ(CRect(), Item(3));
    EXPECT_EQ(CRect(), Item(-1));
}

TEST_F(ListBarLayout, HorizontalWidthsComeFromCaptionsAndNamesWithinTheirCaps)
{
    ASSERT_TRUE(Make(CRect(10, 10, 310, 90), kListHorizontal));
    const char* const longName = "A group name far too long to fit";
    ASSERT_TRUE(bar.AddButton("Mail", 0, "Go", NULL, 0));
    ASSERT_TRUE(bar.AddButton("Mail", 0, "A caption much wider than the cap", NULL, 0));
    ASSERT_TRUE(bar.AddButton("Mail", 0, "", NULL, 0));
    ASSERT_TRUE(bar.AddButton(longName, 0, "x", NULL, 0));
    const int mail = std::min(TextWidth("Mail") + 8, 66);
    EXPECT_EQ(CRect(0, 0, mail, 80), Group(0));
    EXPECT_EQ(CRect(mail, 0, mail + 66, 80), Group(1));
    const int lead = mail + 66 + 1;

    const int th = TextHeight();
    struct Mode { int mode; int content; int widths[3]; };
    const Mode modes[] = {
        {kListImageAndText, 33 + th, {std::max(TextWidth("Go"), 33) + 20, 99, 53}},
        {kListImageOnly, 33, {53, 53, 53}},
        {kListTextOnly, th, {TextWidth("Go") + 20, 99, 20}},
    };
    for (const Mode& m : modes) {
        bar.SetImageOrTextOrBoth(m.mode, FALSE);
        const int top = (80 - m.content) / 2 - 5;
        int x = lead;
        for (int p = 0; p < 3; ++p) {
            EXPECT_EQ(CRect(x, top, x + m.widths[p], top + m.content + 10), Item(p)) << m.mode << "/" << p;
            x += m.widths[p];
        }
    }
}

TEST_F(ListBarLayout, AOneButtonGroupShowsNoArrowsAndAnEmptyBarHitsNothing)
{
    // Short enough for the one button to run past the bottom edge.
    ASSERT_TRUE(Make(CRect(10, 10, 110, 70), kListVertical));
    const CPoint trailing = ArrowPoint(kListTrailingArrow);
    EXPECT_EQ(-1, bar.ItemFromPt(CPoint(50, 30)));
    EXPECT_EQ(-1, bar.GroupButtonFromPt(CPoint(5, 5)));
    EXPECT_EQ(kListNoArrow, bar.ScrollItemFromPt(trailing));
    const vt::Capture empty = Shot();
    EXPECT_PIXEL(empty, 50, 30, kBarColour);
    ClickAt(CPoint(50, 30));
    EXPECT_EQ(0, Clicks());

    ASSERT_TRUE(bar.AddButton("Solo", 0, "Only one", NULL, 0));
    const vt::Capture shot = Shot();
    EXPECT_EQ(kListNoArrow, bar.ScrollItemFromPt(trailing));
    ASSERT_GE(Item(0).bottom, 60);
    EXPECT_PIXEL(shot, 5, trailing.y, kBarColour);
}

}  // namespace
