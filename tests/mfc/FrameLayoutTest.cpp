// Frame layout: the bars take their strips along the edges in the order
// they were made and the pane gets what is left; hiding a bar gives its
// space back, at once or at the next idle time.
#include "frame/TestFrame.h"

TEST(FrameLayout, LoadFrameTakesTheResourceAndTheBarsLineTheEdgesAroundThePane)
{
    FrameHolder frame;
    ASSERT_TRUE(frame.get() != NULL);
    // Menu, accelerators, icon and title from IDR_TESTFRAME.
    CString title;
    frame->GetWindowText(title);
    EXPECT_STREQ(title, TEST_FRAME_TITLE);
    EXPECT_STREQ(frame->GetTitle(), TEST_FRAME_TITLE);
    // (Its menu and accelerators run the alpha command in CmdUI.OneHandlerIsReachedOnceFromEachPlace.)
    EXPECT_EQ(::GetMenu(frame->m_hWnd), frame->m_hMenuDefault);
    HICON hIcon = ::LoadIcon(::GetModuleHandle(NULL), MAKEINTRESOURCE(IDR_TESTFRAME));
    ASSERT_TRUE(hIcon != NULL);
    EXPECT_EQ((HICON)::GetClassLongPtr(frame->m_hWnd, GCLP_HICON), hIcon);
    // (Bars found by id: the View menu's bar commands.)
    EXPECT_TRUE(frame->GetControlBar(AFX_IDW_CONTROLBAR_LAST) == NULL);

    CRect client;
    frame->GetClientRect(&client);
    const CRect tool = frame->RectInClient(&frame->m_wndToolBar), status = frame->RectInClient(&frame->m_wndStatusBar);
    const CRect dialog = frame->RectInClient(&frame->m_wndDialogBar), pane = frame->RectInClient(&frame->m_wndPane);
    // The tool bar: top-left, as tall as a button and its border lines above and below.
    EXPECT_EQ(tool.TopLeft(), CPoint(0, 0));
    EXPECT_EQ(tool.Height(), (int)HIWORD(frame->m_wndToolBar.SendMessage(TB_GETBUTTONSIZE)) + 4 * ::GetSystemMetrics(SM_CYBORDER));
    // The status bar spans the bottom, as tall as it asks to be; the dialog bar, made later, sits on it.
    EXPECT_EQ(status, CRect(0, client.bottom - frame->m_wndStatusBar.CalcFixedLayout(TRUE, TRUE).cy, client.right, client.bottom));
    EXPECT_EQ(dialog.bottom, status.top);
    EXPECT_EQ(dialog.Height(), frame->m_wndDialogBar.m_sizeDefault.cy);
    // The pane takes the rest.
    EXPECT_EQ(pane, CRect(0, tool.bottom, client.right, dialog.top));
    CRect query;
    frame->RepositionBars(0, 0xffff, AFX_IDW_PANE_FIRST, reposQuery, &query);
    EXPECT_EQ(query, pane);
}

TEST(FrameLayout, HidingABarGivesItsSpaceBackNowOrAtIdleTime)
{
    FrameHolder frame;
    CToolBar& bar = frame->m_wndToolBar;
    const int nToolBottom = frame->RectInClient(&bar).bottom;
    frame->ShowControlBar(&bar, FALSE, FALSE);
    EXPECT_FALSE(bar.IsWindowVisible());
    EXPECT_EQ(frame->RectInClient(&frame->m_wndPane).top, 0);

    // Delayed: nothing changes until the frame's idle update lays it out.
    frame->ShowControlBar(&bar, TRUE, TRUE);
    EXPECT_FALSE(bar.IsWindowVisible());
    EXPECT_EQ(frame->IdleFlags(), (UINT)(CFrameWnd::idleLayout | CFrameWnd::idleNotify));
    vt::PumpPending();
    EXPECT_TRUE(bar.IsWindowVisible());
    EXPECT_EQ(frame->IdleFlags(), 0u);
    EXPECT_EQ(frame->RectInClient(&frame->m_wndPane).top, nToolBottom);
    // (A layout delayed to idle time by the bar itself: the skinned floating
    // bar's resize.)
}

TEST(FrameLayout, CommandStringsSplitAtTheNewlineAndFormatsTakeTheirArguments)
{
    const struct { const char* full; int n; BOOL bFound; const char* field; } fields[] = {
        // (Both fields of "prompt\ntip": the alpha command's prompt and tip.)
        {"Prompt only", 1, FALSE, ""}, {"\nTip", 0, TRUE, ""}, {"a\nb\nc", 2, TRUE, "c"},
    };
    for (const auto& field : fields) {
        CString str("stale");
        EXPECT_EQ(AfxExtractSubString(str, field.full, field.n), field.bFound);
        EXPECT_STREQ(str, field.field);
    }
    CString str;
    AfxFormatString1(str, IDS_TEST_FORMAT, "file.txt");
    EXPECT_STREQ(str, "Open file.txt now (file.txt)");
}
