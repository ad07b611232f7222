// Command routing and command UI: one handler reached by a tool bar click,
// the menu, the accelerator and a dialog bar button; update handlers that
// grey, check, mark and rename tool bar buttons and menu items; range and
// _EX handlers; ContinueRouting; tool tips, flyby and menu prompts; the
// lock-key panes.
#include "frame/TestFrame.h"

namespace {

BYTE ButtonState(CToolBar& bar, UINT nID)
{
    return (BYTE)bar.SendMessage(TB_GETSTATE, nID);
}

int MenuIndex(UINT nID)
{
    return nID >= ID_TEST_RANGE_FIRST ? (int)(nID - ID_TEST_RANGE_FIRST) + 7 : (int)(nID - ID_TEST_ALPHA);
}

CString LoadedString(UINT nID)
{
    CString str;
    str.LoadString(nID);
    return str;
}

}  // namespace

TEST(CmdUI, OneHandlerIsReachedOnceFromEachPlace)
{
    FrameHolder frame;
    vt::Click(frame->ButtonCenter(ID_TEST_ALPHA));
    EXPECT_EQ(frame->m_nAlpha, 1);

    vt::Activate(frame->m_hWnd);
    frame->SetFocus();
    vt::KeyPress('Q', false, true);
    EXPECT_EQ(frame->m_nAlpha, 2);

    QueueKey(VK_F10, false);
    QueueKey(VK_F10, true);
    QueueKey(VK_DOWN, false);
    QueueKey(VK_DOWN, true);
    QueueKey(VK_RETURN, false);
    QueueKey(VK_RETURN, true);
    vt::PumpPending();
    EXPECT_EQ(frame->m_nAlpha, 3);

    CWnd* pButton = frame->m_wndDialogBar.GetDlgItem(ID_TEST_ALPHA);
    ASSERT_TRUE(pButton != NULL);
    CRect rect;
    pButton->GetWindowRect(&rect);
    vt::Click(rect.CenterPoint());
    EXPECT_EQ(frame->m_nAlpha, 4);
    vt::ParkCursor();
}

TEST(CmdUI, UpdateHandlersSetButtonsAndMenuItems)
{
    FrameHolder frame;
    frame->m_bBetaEnabled = FALSE;
    frame->m_nGammaCheck = 1;
    frame->m_bDeltaRadio = TRUE;
    frame->m_strText = "Renamed";
    frame->m_nRangeDisabled = ID_TEST_RANGE_FIRST + 1;
    vt::PumpPending();

    // At idle time: the tool bar.
    CToolBar& bar = frame->m_wndToolBar;
    EXPECT_EQ(ButtonState(bar, ID_TEST_ALPHA) & TBSTATE_ENABLED, TBSTATE_ENABLED);
    EXPECT_EQ(ButtonState(bar, ID_TEST_BETA) & TBSTATE_ENABLED, 0);
    EXPECT_EQ(ButtonState(bar, ID_TEST_GAMMA) & TBSTATE_CHECKED, TBSTATE_CHECKED);
    EXPECT_EQ(ButtonState(bar, ID_TEST_DELTA) & TBSTATE_CHECKED, TBSTATE_CHECKED);
    EXPECT_EQ(bar.GetButtonStyle(bar.CommandToIndex(ID_TEST_GAMMA)) & TBBS_CHECKBOX, (UINT)TBBS_CHECKBOX);
    // A dialog bar button without a handler is greyed, one with a handler not.
    EXPECT_TRUE(frame->m_wndDialogBar.GetDlgItem(ID_TEST_ALPHA)->IsWindowEnabled());
    EXPECT_FALSE(frame->m_wndDialogBar.GetDlgItem(ID_TEST_DLGBUTTON)->IsWindowEnabled());

    // When the menu opens: its items.
    frame->OpenMenuAndCapture(ID_TEST_ALPHA);
    ASSERT_TRUE(frame->m_bMenuCaptured);
    struct Item { UINT nID; UINT nState; };
    const Item items[] = {
        {ID_TEST_ALPHA, MF_ENABLED},
        {ID_TEST_BETA, MF_GRAYED},
        {ID_TEST_GAMMA, MF_CHECKED},
        {ID_TEST_DELTA, MF_CHECKED},
        {ID_TEST_RANGE_FIRST, MF_ENABLED},
        {ID_TEST_RANGE_FIRST + 1, MF_GRAYED},
        {ID_TEST_RANGE_LAST, MF_ENABLED},
    };
    for (const Item& item : items) {
        SCOPED_TRACE(item.nID);
        EXPECT_EQ(frame->m_menuStates[MenuIndex(item.nID)] & (MF_GRAYED | MF_CHECKED), item.nState);
    }
    EXPECT_EQ(frame->m_menuTypes[MenuIndex(ID_TEST_DELTA)] & MFT_RADIOCHECK, (UINT)MFT_RADIOCHECK);
    EXPECT_EQ(frame->m_menuTypes[MenuIndex(ID_TEST_GAMMA)] & MFT_RADIOCHECK, 0u);
    EXPECT_STREQ(frame->m_menuTexts[MenuIndex(ID_TEST_TEXT)], "Renamed");

    // A greyed command does not run from the menu or the tool bar.
    frame->SendMessage(WM_COMMAND, ID_TEST_RANGE_FIRST + 1);
    frame->SendMessage(WM_COMMAND, ID_TEST_RANGE_LAST);
    vt::Click(frame->ButtonCenter(ID_TEST_BETA));
    EXPECT_EQ(frame->m_commands, std::vector<UINT>{ID_TEST_RANGE_LAST});
    vt::ParkCursor();
}

TEST(CmdUI, ContinueRoutingLetsTheNextTargetUpdate)
{
    FrameHolder frame;
    for (BOOL bContinue : {FALSE, TRUE}) {
        SCOPED_TRACE(bContinue);
        frame->m_bRoutedContinues = bContinue;
        int nUpdatesBefore = frame->m_routed.m_nUpdates;
        frame->OpenMenuAndCapture(ID_TEST_ALPHA);
        ASSERT_TRUE(frame->m_bMenuCaptured);
        EXPECT_EQ(frame->m_routed.m_nUpdates > nUpdatesBefore, bContinue);
        EXPECT_EQ((frame->m_menuStates[MenuIndex(ID_TEST_ROUTED)] & MF_GRAYED) != 0, bContinue);
    }
}

// The View menu's bar commands are _EX handlers of the frame: handled while
// the bar exists, passed on when it does not.
TEST(CmdUI, BarCommandsShowAndHideTheirBars)
{
    FrameHolder frame;
    frame->OpenMenuAndCapture(ID_VIEW_TOOLBAR, 1);
    ASSERT_TRUE(frame->m_bMenuCaptured);
    EXPECT_EQ(frame->m_menuStates[0] & MF_CHECKED, (UINT)MF_CHECKED);
    EXPECT_EQ(frame->m_menuStates[1] & MF_CHECKED, (UINT)MF_CHECKED);

    frame->SendMessage(WM_COMMAND, ID_VIEW_TOOLBAR);
    EXPECT_FALSE(frame->m_wndToolBar.IsWindowVisible());
    frame->SendMessage(WM_COMMAND, ID_VIEW_TOOLBAR);
    EXPECT_TRUE(frame->m_wndToolBar.IsWindowVisible());

    frame->m_wndStatusBar.DestroyWindow();
    EXPECT_FALSE(frame->OnCmdMsg(ID_VIEW_STATUS_BAR, CN_COMMAND, NULL, NULL));
    EXPECT_TRUE(frame->OnCmdMsg(ID_VIEW_TOOLBAR, CN_COMMAND, NULL, NULL));
}

TEST(CmdUI, PromptsShowInTheStatusBar)
{
    FrameHolder frame;
    CStatusBar& status = frame->m_wndStatusBar;
    const CString strReady = LoadedString(AFX_IDS_IDLEMESSAGE);
    EXPECT_STREQ(strReady, "Ready");
    EXPECT_STREQ(status.GetPaneText(0), strReady);

    // While a menu item is selected.
    frame->OpenMenuAndCapture(ID_TEST_ALPHA);
    ASSERT_TRUE(frame->m_bMenuCaptured);
    EXPECT_STREQ(frame->m_strPromptWhileOpen, TEST_ALPHA_PROMPT);
    EXPECT_STREQ(status.GetPaneText(0), strReady);

    // While the mouse rests on a tool bar button (flyby), and its tool tip.
    vt::MoveCursor(frame->ButtonCenter(ID_TEST_ALPHA));
    vt::MoveCursor(frame->ButtonCenter(ID_TEST_ALPHA) + CSize(1, 0));
    EXPECT_TRUE(vt::PumpUntil([&] { return status.GetPaneText(0) == TEST_ALPHA_PROMPT; }, 3000));
    EXPECT_STREQ(ShownPaneText(status, 0), TEST_ALPHA_PROMPT);
    CToolTipCtrl* pTip = AfxGetThreadState()->m_pToolTip;
    ASSERT_TRUE(pTip != NULL);
    EXPECT_TRUE(vt::PumpUntil([&] { return pTip->IsWindowVisible() != FALSE; }, 3000));
    TOOLINFO ti = {sizeof(TOOLINFO)};
    char text[80] = "";
    ASSERT_TRUE(pTip->SendMessage(TTM_GETCURRENTTOOL, 0, (LPARAM)&ti));
    ti.lpszText = text;
    pTip->SendMessage(TTM_GETTEXT, 0, (LPARAM)&ti);
    EXPECT_STREQ(text, TEST_ALPHA_TIP);

    vt::ParkCursor();
    EXPECT_TRUE(vt::PumpUntil([&] { return status.GetPaneText(0) == strReady; }, 3000));
}

TEST(CmdUI, LockKeyPanesFollowTheLocks)
{
    FrameHolder frame;
    CStatusBar& status = frame->m_wndStatusBar;
    struct Lock { UINT nID; WORD vk; };
    const Lock locks[] = {{ID_INDICATOR_CAPS, VK_CAPITAL}, {ID_INDICATOR_NUM, VK_NUMLOCK}, {ID_INDICATOR_SCRL, VK_SCROLL}};
    for (const Lock& lock : locks) {
        SCOPED_TRACE(lock.nID);
        int nIndex = status.CommandToIndex(lock.nID);
        ASSERT_GT(nIndex, 0);
        const CString strIndicator = LoadedString(lock.nID);
        for (int nPress = 0; nPress < 2; nPress++) {
            vt::Activate(frame->m_hWnd);
            vt::KeyPress(lock.vk);
            BOOL bOn = ::GetKeyState(lock.vk) & 1;
            EXPECT_TRUE(vt::PumpUntil([&] { return ((status.GetPaneStyle(nIndex) & SBPS_DISABLED) == 0) == bOn; }));
            EXPECT_STREQ(ShownPaneText(status, nIndex), bOn ? strIndicator : CString());
            EXPECT_STREQ(status.GetPaneText(nIndex), strIndicator);
        }
    }
}
