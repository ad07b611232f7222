// Status bars: indicator panes as wide as their strings, the first pane
// stretching over the rest, pane info. (Texts, the window text as the first
// pane's, the indicators found by id and disabled panes showing none are read
// by the prompt and lock-key tests.)
#include "frame/TestFrame.h"

namespace {

int TextWidth(CWnd& wnd, LPCTSTR lpsz)
{
    return vt::TextExtent((HFONT)wnd.GetFont()->GetSafeHandle(), lpsz).cx;
}

int PaneRight(CStatusBar& bar, int nIndex)
{
    CRect rect;
    bar.GetItemRect(nIndex, &rect);
    return rect.right;
}

}  // namespace

TEST(StatusBar, IndicatorPanesFitTheirTextAndTheFirstPaneStretches)
{
    FrameHolder frame;
    CStatusBar& bar = frame->m_wndStatusBar;
    ASSERT_EQ(bar.GetCount(), 4);
    int rgBorders[3];
    bar.SendMessage(SB_GETBORDERS, 0, (LPARAM)rgBorders);
    UINT nID, nStyle;
    int cxWidth;
    const std::pair<UINT, const char*> panes[] = {{0, ""}, {ID_INDICATOR_CAPS, "CAP"}, {ID_INDICATOR_NUM, "NUM"}, {ID_INDICATOR_SCRL, "SCRL"}};
    for (int i = 1; i < 4; i++) {
        SCOPED_TRACE(i);
        bar.GetPaneInfo(i, nID, nStyle, cxWidth);
        EXPECT_EQ(nID, panes[i].first);
        EXPECT_EQ(bar.GetItemID(i), nID);
        EXPECT_EQ(cxWidth, TextWidth(bar, panes[i].second));
        // A pane is its text and three pixels each side; a border gap between panes.
        EXPECT_EQ(PaneRight(bar, i) - PaneRight(bar, i - 1), cxWidth + 6 + rgBorders[2]);
    }
    bar.GetPaneInfo(0, nID, nStyle, cxWidth);
    EXPECT_EQ(nID, 0u);
    EXPECT_EQ(nStyle & (SBPS_STRETCH | SBPS_NOBORDERS), (UINT)(SBPS_STRETCH | SBPS_NOBORDERS));
    // The last pane ends before the size grip of the sizable frame, however
    // wide the others; a wider pane takes its width from the stretching one.
    CRect client;
    bar.GetClientRect(&client);
    const int nLast = client.right - rgBorders[0] - ::GetSystemMetrics(SM_CXVSCROLL) - 2 * ::GetSystemMetrics(SM_CXBORDER);
    const int nFirst = PaneRight(bar, 0);
    EXPECT_EQ(PaneRight(bar, 3), nLast);
    bar.SetPaneInfo(1, ID_INDICATOR_CAPS, SBPS_NORMAL, TextWidth(bar, "CAP") + 40);
    EXPECT_EQ(PaneRight(bar, 0), nFirst - 40);
    EXPECT_EQ(PaneRight(bar, 3), nLast);
    // Panes that do not exist are refused without harm.
    EXPECT_FALSE(bar.SetPaneText(9, "x"));
    EXPECT_STREQ(bar.GetPaneText(-1), "");
}
