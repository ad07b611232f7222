// Frame layout: the bars take their strips along the edges in the order
// they were made and the pane gets what is left; hiding a bar gives its
// space back, at once or at the next idle time.
#include "frame/TestFrame.h"

namespace {


}  // namespace

TEST(FrameLayout, ToolBarUnderTheMenuStatusBarAtTheBottomPaneInBetween)
{
    FrameHolder frame;
    ASSERT_TRUE(frame.get() != NULL);
    vt::PumpPending();
    CRect client;
    frame->GetClientRect(&client);
    CRect tool = frame->RectInClient(&frame->m_wndToolBar);
    CRect status = frame->RectInClient(&frame->m_wndStatusBar);
    CRect dialog = frame->RectInClient(&frame->m_wndDialogBar);
    CRect pane = frame->RectInClient(&frame->m_wndPane);
    DWORD dwButton = (DWORD)frame->m_wndToolBar.SendMessage(TB_GETBUTTONSIZE);

    // The tool bar: top-left of the client area, as tall as a button and its
    // border lines above and below.
    EXPECT_EQ(tool.TopLeft(), CPoint(0, 0));
    EXPECT_EQ(tool.Height(), (int)HIWORD(dwButton) + 2 * 2 * ::GetSystemMetrics(SM_CYBORDER));
    // The status bar spans the bottom, as tall as it asks to be.
    EXPECT_EQ(status.bottom, client.bottom);
    EXPECT_EQ(status.left, 0);
    EXPECT_EQ(status.right, client.right);
    EXPECT_EQ(status.Height(), frame->m_wndStatusBar.CalcFixedLayout(TRUE, TRUE).cy);
    // The dialog bar docked at the bottom sits above the status bar, made first.
    EXPECT_EQ(dialog.bottom, status.top);
    EXPECT_EQ(dialog.Height(), frame->m_wndDialogBar.m_sizeDefault.cy);
    // The pane takes the rest.
    EXPECT_EQ(pane, CRect(0, tool.bottom, client.right, dialog.top));
    CRect query;
    frame->RepositionBars(0, 0xffff, AFX_IDW_PANE_FIRST, reposQuery, &query);
    EXPECT_EQ(query, pane);
}
