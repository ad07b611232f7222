// The button list bar's model, tip texts and layout, measured against the shared font in the same run.
#include <algorithm>
#include <string>

#include "ListBarFixture.h"

using namespace lbtest;

namespace {

TEST(ListBarModel, GroupsMatchWithoutCaseAndRefuseButtonsWhenFull)
{
    CButtonListBar bar;
    for (const char* name : {"Mail", "MAIL"})
        EXPECT_TRUE(bar.AddButton(name, 0, "Inbox", NULL, 0));
    EXPECT_EQ(1, bar.GetGroups());
    EXPECT_EQ(2, bar.GetGroupCommandCount("mAiL"));
    for (int i = 2; i < kListMaxGroupButtons; ++i)
        ASSERT_TRUE(bar.AddButton("mail", 0, "More", NULL, 0));
    EXPECT_FALSE(bar.AddButton("Mail", 0, "One too many", NULL, 0));
    for (int g = 1; g < kListMaxGroups; ++g)   // while the other groups still take buttons
        ASSERT_TRUE(bar.AddButton(("Group " + std::to_string(g)).c_str(), 0, "x", NULL, 0));
    for (const char* refused : {"Seventeenth", "", (const char*)NULL})
        EXPECT_FALSE(bar.AddButton(refused, 0, "x", NULL, 0));
    EXPECT_EQ(kListMaxGroups, bar.GetGroups());
    EXPECT_EQ(kListMaxGroupButtons + kListMaxGroups - 1, bar.GetTotalCount());
    bar.Clear();
    EXPECT_EQ(std::make_pair(0, 0), std::make_pair(bar.GetTotalCount(), bar.GetGroups()));

    // Without groups every group counts every button, and groups stay off once buttons exist.
    EXPECT_TRUE(bar.NeedGroup(FALSE));
    EXPECT_TRUE(bar.AddButton(NULL, 0, "a", NULL, 0));
    EXPECT_TRUE(bar.AddButton("ignored", 0, "b", NULL, 0));
    EXPECT_FALSE(bar.NeedGroup(TRUE));
    EXPECT_EQ(0, bar.GetGroups());
    for (int group : {-1, 0, 99})
        EXPECT_EQ(2, bar.GetGroupCommandCount(group)) << group;
    EXPECT_EQ(2, bar.GetGroupCommandCount("anything"));
    EXPECT_FALSE(bar.SetGroupToolTip(0, "tip"));
}

TEST(ListBarModel, BadIndicesNamesAndTextsGiveEmptyResults)
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
    for (int group : {1, 16, 1000})
        EXPECT_EQ(0, bar.GetGroupCommandCount(group)) << group;
    for (const char* name : {"Unknown", "", (const char*)NULL}) {
        EXPECT_EQ(0, bar.GetGroupCommandCount(name));
        EXPECT_FALSE(bar.SetGroupToolTip(name, "tip"));
    }
    EXPECT_FALSE(bar.SetGroupToolTip(-1, "tip"));
    EXPECT_TRUE(bar.SetGroupToolTip("mail", NULL));
    // Without a window nothing is laid out, hit or painted.
    CRect rc(1, 1, 2, 2);
    EXPECT_FALSE(bar.GetItemRect(0, &rc));
    EXPECT_TRUE(rc.IsRectNull());
    EXPECT_EQ(-1, bar.ItemFromPt(CPoint(5, 5)));
    EXPECT_EQ(-1, bar.SetCurSel(0, TRUE));
    bar.DrawScrollBar();
}

class ListBarTexts : public ListBarTest
{
protected:
    // Asks the bar for a tool's tip text as the tip control does; "<none>" when it does not answer.
    std::string TipOf(UINT id, bool wide)
    {
        NMTTDISPINFOW info = {{host.m_hWnd, id, static_cast<UINT>(wide ? TTN_NEEDTEXTW : TTN_NEEDTEXTA)}};
        NMTTDISPINFOA& ansi = reinterpret_cast<NMTTDISPINFOA&>(info);
        wide ? (void)lstrcpyW(info.szText, L"<none>") : (void)lstrcpyA(ansi.szText, "<none>");
        bar.SendMessage(WM_NOTIFY, id, reinterpret_cast<LPARAM>(&info));
        char text[128] = {};
        ::WideCharToMultiByte(CP_ACP, 0, info.szText, -1, text, sizeof(text), NULL, NULL);
        return wide ? text : ansi.szText;
    }
};

TEST_F(ListBarTexts, LongTextsAreCutAndTipsFallBackToCaptionsAndNames)
{
    ASSERT_TRUE(Make(kTallBar, kListVertical));
    const std::string seventy(70, 'w'), w63(63, 'w'), w64(64, 'w');
    ASSERT_TRUE(bar.AddButton(seventy.c_str(), 1, seventy.c_str(), NULL, 0));
    ASSERT_TRUE(bar.AddButton("Notes", 2, "Jot", "Write a note", 0));
    ASSERT_TRUE(bar.AddButton("Tasks", 2, "Do", NULL, 0));
    ASSERT_TRUE(bar.SetGroupToolTip("notes", seventy.c_str()));
    bar.SetItemText(2, seventy.c_str());
    EXPECT_EQ(w63, bar.GetItemText(0));
    EXPECT_EQ(w63, bar.GetItemText(2));
    EXPECT_EQ(1, bar.GetGroupCommandCount(w64.c_str()));
    const std::pair<UINT, std::string> rows[] = {
        {0, w63}, {1, "Write a note"},                                            // no tip: the caption
        {kListGroupToolBase + 0, w64}, {kListGroupToolBase + 1, w64}, {kListGroupToolBase + 2, "Tasks"},   // no tip: the name
        {3, "<none>"}, {kListGroupToolBase + kListMaxGroups, "<none>"},         // no such button or group
    };
    for (const auto& row : rows)
        for (bool wide : {false, true})
            EXPECT_EQ(row.second, TipOf(row.first, wide)) << row.first << (wide ? " W" : " A");
}

TEST_F(ListBarTexts, ImageListSetBeforeCreationIsReplacedAndOneSetAfterStays)
{
    CImageList mine;
    ASSERT_TRUE(mine.Create(16, 16, ILC_COLOR24 | ILC_MASK, 1, 1));
    EXPECT_EQ(NULL, bar.SetItemImageList(&mine));
    ASSERT_TRUE(Make(kTallBar, kListVertical));
    EXPECT_EQ(&g_imlButtonList, bar.SetItemImageList(&mine));
    EXPECT_EQ(kButtonListGlyphCount, g_imlButtonList.GetImageCount());
    EXPECT_EQ(&mine, bar.SetItemImageList(&g_imlButtonList));
    EXPECT_STREQ("CButtonListBar", bar.GetRuntimeClass()->m_lpszClassName);
}

// ---------------------------------------------------------------- layout

class ListBarLayout : public ListBarTest {};

TEST_F(ListBarLayout, VerticalGroupRowsAndButtonsFollowTheTextHeight)
{
    ASSERT_TRUE(Make(kTallBar, kListVertical, 3));
    const int th = TextHeight(), row = th + 4, groups = 3 * row + 1;
    for (int g = 0; g < 4; ++g)
        EXPECT_EQ(g < 3 ? CRect(0, g * row, 100, (g + 1) * row) : CRect(), Group(g)) << g;
    EXPECT_EQ(CRect(0, 0, 100, groups), Groups());
    const std::pair<int, int> modes[] = {{kListImageAndText, 33 + th + 10}, {kListImageOnly, 43}, {kListTextOnly, th + 10}};
    for (const auto& m : modes) {   // mode, button height
        bar.SetImageOrTextOrBoth(m.first, TRUE);
        for (int p = 0; p < 2; ++p)
            EXPECT_EQ(CRect(0, groups + p * m.second, 100, groups + (p + 1) * m.second), Item(p)) << m.first;
    }
    EXPECT_EQ(CRect(), Item(3));
    EXPECT_EQ(CRect(), Item(-1));
}

TEST_F(ListBarLayout, HorizontalWidthsComeFromCaptionsAndNamesWithinTheirCaps)
{
    ASSERT_TRUE(Make(CRect(10, 10, 310, 90), kListHorizontal));
    for (const char* caption : {"Go", "A caption much wider than the cap", ""})
        ASSERT_TRUE(bar.AddButton("Mail", 0, caption, NULL, 0));
    ASSERT_TRUE(bar.AddButton("A group name far too long to fit", 0, "x", NULL, 0));
    const int mail = std::min<int>(vt::TextExtent(g_fontShared10, "Mail").cx + 8, 66);
    const int go = vt::TextExtent(g_fontShared10, "Go").cx, th = TextHeight();
    EXPECT_EQ(CRect(0, 0, mail, 80), Group(0));
    EXPECT_EQ(CRect(mail, 0, mail + 66, 80), Group(1));
    const struct { int mode; int content; int widths[3]; } modes[] = {
        {kListImageAndText, 33 + th, {std::max(go, 33) + 20, 99, 53}},
        {kListImageOnly, 33, {53, 53, 53}},
        {kListTextOnly, th, {go + 20, 99, 20}},
    };
    for (const auto& m : modes) {
        bar.SetImageOrTextOrBoth(m.mode, FALSE);
        const int top = (80 - m.content) / 2 - 5;
        for (int p = 0, x = mail + 66 + 1; p < 3; x += m.widths[p++])
            EXPECT_EQ(CRect(x, top, x + m.widths[p], top + m.content + 10), Item(p)) << m.mode << "/" << p;
    }
}

TEST_F(ListBarLayout, AOneButtonGroupShowsNoArrowsAndAnEmptyBarHitsNothing)
{
    // Short enough for the one button to run past the bottom edge.
    ASSERT_TRUE(Make(CRect(10, 10, 110, 70), kListVertical));
    const CPoint trailing = ArrowPoint(kListTrailingArrow);
    EXPECT_EQ(-1, bar.ItemFromPt(CPoint(50, 30)));
    EXPECT_EQ(-1, bar.GroupButtonFromPt(CPoint(5, 5)));
    EXPECT_PIXEL(Shot(), 50, 30, kBarColour);
    ClickAt(CPoint(50, 30));
    EXPECT_TRUE(Clicked().empty());
    ASSERT_TRUE(bar.AddButton("Solo", 0, "Only one", NULL, 0));
    const vt::Capture shot = Shot();
    ASSERT_GE(Item(0).bottom, 60);
    EXPECT_EQ(kListNoArrow, bar.ScrollItemFromPt(trailing));
    EXPECT_PIXEL(shot, 5, trailing.y, kBarColour);
}

}  // namespace
