// Status bars: indicator panes as wide as their strings, the first pane
// stretching over the rest, pane info, texts and styles.
#include "frame/TestFrame.h"

namespace {

int TextWidth(CWnd& wnd, LPCTSTR lpsz)
{
    CClientDC dc(NULL);
    CFont* pOld = dc.SelectObject(wnd.GetFont());
    int cx = dc.GetTextExtent(lpsz, lstrlen(lpsz)).cx;
    dc.SelectObject(pOld);
    return cx;
}

CRect PaneRect(CStatusBar& bar, int nIndex)
{
    CRect rect;
    bar.GetItemRect(nIndex, &rect);
    return rect;
}

}  // namespace

TEST(StatusBar, IndicatorPanesFitTheirTextAndTheFirstPaneStretches)
{
    FrameHolder frame;
    CStatusBar& bar = frame->m_wndStatusBar;
    ASSERT_EQ(bar.GetCount(), 4);
    int rgBorders[3];
    bar.SendMessage(SB_GETBORDERS, 0, (LPARAM)rgBorders);

    struct Pane { UINT nID; const char* text; };
    const Pane panes[] = {{ID_INDICATOR_CAPS, "CAP"}, {ID_INDICATOR_NUM, "NUM"}, {ID_INDICATOR_SCRL, "SCRL"}};
    for (int i = 1; i < 4; i++) {
        SCOPED_TRACE(i);
        UINT nID, nStyle;
        int cxWidth;
        bar.GetPaneInfo(i, nID, nStyle, cxWidth);
        EXPECT_EQ(nID, panes[i - 1].nID);
        EXPECT_EQ(bar.CommandToIndex(nID), i);
        EXPECT_EQ(bar.GetItemID(i), nID);
        EXPECT_EQ(cxWidth, TextWidth(bar, panes[i - 1].text));
        EXPECT_STREQ(bar.GetPaneText(i), panes[i - 1].text);
        // A pane is its text and three pixels each side; a border gap between panes.
        EXPECT_EQ(PaneRect(bar, i).right - PaneRect(bar, i - 1).right, cxWidth + 6 + rgBorders[2]);
    }
    UINT nID, nStyle;
    int cxWidth;
    bar.GetPaneInfo(0, nID, nStyle, cxWidth);
    EXPECT_EQ(nID, 0u);
    EXPECT_EQ(nStyle & (SBPS_STRETCH | SBPS_NOBORDERS), (UINT)(SBPS_STRETCH | SBPS_NOBORDERS));
    // The last pane ends before the size grip of the sizable frame.
    CRect client;
    bar.GetClientRect(&client);
    EXPECT_TRUE(bar.GetStyle() & SBARS_SIZEGRIP);
    EXPECT_EQ(PaneRect(bar, 3).right,
              client.right - rgBorders[0] - ::GetSystemMetrics(SM_CXVSCROLL) - 2 * ::GetSystemMetrics(SM_CXBORDER));

    // A wider pane takes its width from the stretching one.
    CRect first = PaneRect(bar, 0);
    bar.SetPaneInfo(1, ID_INDICATOR_CAPS, SBPS_NORMAL, cxWidth = TextWidth(bar, "CAP") + 40);
    EXPECT_EQ(PaneRect(bar, 0).right, first.right - 40);
    EXPECT_EQ(PaneRect(bar, 3).right, client.right - rgBorders[0] - ::GetSystemMetrics(SM_CXVSCROLL) -
                                          2 * ::GetSystemMetrics(SM_CXBORDER));
}

TEST(StatusBar, TextsAndStylesOfPanes)
{
    FrameHolder frame;
    CStatusBar& bar = frame->m_wndStatusBar;
    EXPECT_TRUE(bar.SetPaneText(0, "Hello"));
    EXPECT_STREQ(bar.GetPaneText(0), "Hello");
    EXPECT_STREQ(ShownPaneText(bar, 0), "Hello");
    // The window text is the first pane's.
    bar.SetWindowText("World");
    CString strText;
    bar.GetWindowText(strText);
    EXPECT_STREQ(strText, "World");
    EXPECT_STREQ(ShownPaneText(bar, 0), "World");
    // A disabled pane keeps its text but shows none.
    bar.SetPaneStyle(0, bar.GetPaneStyle(0) | SBPS_DISABLED);
    EXPECT_STREQ(bar.GetPaneText(0), "World");
    EXPECT_STREQ(ShownPaneText(bar, 0), "");
    bar.SetPaneStyle(0, bar.GetPaneStyle(0) & ~SBPS_DISABLED);
    EXPECT_STREQ(ShownPaneText(bar, 0), "World");
    // Out-of-range panes are refused without harm.
    EXPECT_FALSE(bar.SetPaneText(9, "x"));
    EXPECT_STREQ(bar.GetPaneText(-1), "");
}
