// Command routing and command UI: one handler reached by the menu, the
// accelerator and a dialog bar button; update handlers that grey, check,
// mark and rename tool bar buttons and menu items; range and _EX handlers;
// ContinueRouting; tool tips on and off, flyby and menu prompts; the
// lock-key panes. (A tool bar click runs its command once: the skinned tool
// bar's pressed-button test. A window's own tools and their texts asked for
// with TTN_NEEDTEXT: the list bar's tip test.)
#include "frame/TestFrame.h"

namespace {

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
    const std::function<void()> places[] = {
        [&] { vt::Activate(frame->m_hWnd); frame->SetFocus(); vt::KeyPress('Q', false, true); },   // its accelerator
        [&] { QueueKeys({VK_F10, VK_DOWN, VK_RETURN}); vt::PumpPending(); },                     // the menu
        [&] {   // its dialog bar button
            CRect rect;
            frame->m_wndDialogBar.GetDlgItem(ID_TEST_ALPHA)->GetWindowRect(&rect);
            vt::Click(rect.CenterPoint());
        },
    };
    for (int i = 0; i < 3; i++) {
        places[i]();
        EXPECT_EQ(frame->m_nAlpha, i + 1) << "place " << i;
    }
    vt::ParkCursor();
}

TEST(CmdUI, UpdateHandlersSetButtonsAndMenuItemsAndGreyedCommandsDoNotRun)
{
    FrameHolder frame;
    frame->m_bBetaEnabled = FALSE;
    frame->m_nGammaCheck = 1;
    frame->m_bDeltaRadio = TRUE;
    frame->m_strText = "Renamed";
    frame->m_nRangeDisabled = ID_TEST_RANGE_FIRST + 1;
    vt::PumpPending();

    // At idle time, the tool bar; when the menu opens, its items. The routed
    // command's own frame handler leaves it alone, the next target is not asked.
    CToolBar& bar = frame->m_wndToolBar;
    ASSERT_TRUE(frame->OpenMenu(ID_TEST_ALPHA));
    const struct { UINT nID; BYTE button; UINT menu; } items[] = {
        {ID_TEST_ALPHA, TBSTATE_ENABLED, MF_ENABLED}, {ID_TEST_BETA, 0, MF_GRAYED},
        {ID_TEST_GAMMA, TBSTATE_ENABLED | TBSTATE_CHECKED, MF_CHECKED}, {ID_TEST_DELTA, TBSTATE_ENABLED | TBSTATE_CHECKED, MF_CHECKED},
        {ID_TEST_RANGE_FIRST, 0, MF_ENABLED}, {ID_TEST_RANGE_FIRST + 1, 0, MF_GRAYED}, {ID_TEST_RANGE_LAST, 0, MF_ENABLED},
        {ID_TEST_ROUTED, 0, MF_ENABLED},
    };
    for (const auto& item : items) {
        SCOPED_TRACE(item.nID);
        if (bar.CommandToIndex(item.nID) >= 0) {
            EXPECT_EQ(BYTE(bar.SendMessage(TB_GETSTATE, item.nID)) & (TBSTATE_ENABLED | TBSTATE_CHECKED), item.button);
        }
        EXPECT_EQ(frame->MenuState(0, item.nID) & (MF_GRAYED | MF_CHECKED), item.menu);
    }
    EXPECT_EQ(frame->m_routed.m_nUpdates, 0);
    EXPECT_EQ(bar.GetButtonStyle(bar.CommandToIndex(ID_TEST_GAMMA)) & TBBS_CHECKBOX, (UINT)TBBS_CHECKBOX);
    HMENU hTest = ::GetSubMenu(::GetMenu(frame->m_hWnd), 0);
    MENUITEMINFO mii = {sizeof(mii), MIIM_FTYPE};
    for (UINT nID : {ID_TEST_DELTA, ID_TEST_GAMMA}) {
        ::GetMenuItemInfo(hTest, nID, FALSE, &mii);
        EXPECT_EQ((mii.fType & MFT_RADIOCHECK) != 0, nID == ID_TEST_DELTA);
    }
    char text[32] = "";
    ::GetMenuString(hTest, ID_TEST_TEXT, text, sizeof(text), MF_BYCOMMAND);
    EXPECT_STREQ(text, "Renamed");
    // A dialog bar button without a handler is greyed, one with a handler not.
    EXPECT_TRUE(frame->m_wndDialogBar.GetDlgItem(ID_TEST_ALPHA)->IsWindowEnabled());
    EXPECT_FALSE(frame->m_wndDialogBar.GetDlgItem(ID_TEST_DLGBUTTON)->IsWindowEnabled());

    // ContinueRouting lets the next target update it.
    frame->m_bRoutedContinues = TRUE;
    ASSERT_TRUE(frame->OpenMenu(ID_TEST_ALPHA));
    EXPECT_EQ(frame->m_routed.m_nUpdates, 1);
    EXPECT_EQ(frame->MenuState(0, ID_TEST_ROUTED) & MF_GRAYED, (UINT)MF_GRAYED);

    // A greyed command does not run from the menu (range handlers too) or the tool bar.
    for (UINT nID : {ID_TEST_RANGE_FIRST + 1, ID_TEST_RANGE_LAST})
        frame->SendMessage(WM_COMMAND, nID);
    vt::Click(frame->ButtonCenter(ID_TEST_BETA));
    EXPECT_EQ(frame->m_commands, std::vector<UINT>{ID_TEST_RANGE_LAST});
    vt::ParkCursor();
}

// The View menu's bar commands are _EX handlers of the frame: handled while
// the bar exists, passed on when it does not.
TEST(CmdUI, BarCommandsShowAndHideTheirBars)
{
    FrameHolder frame;
    ASSERT_TRUE(frame->OpenMenu(ID_VIEW_TOOLBAR, 1));
    EXPECT_EQ(frame->MenuState(1, ID_VIEW_TOOLBAR) & MF_CHECKED, (UINT)MF_CHECKED);
    EXPECT_EQ(frame->MenuState(1, ID_VIEW_STATUS_BAR) & MF_CHECKED, (UINT)MF_CHECKED);
    for (BOOL bVisible : {FALSE, TRUE}) {
        frame->SendMessage(WM_COMMAND, ID_VIEW_TOOLBAR);
        EXPECT_EQ(frame->m_wndToolBar.IsWindowVisible(), bVisible);
    }
    frame->m_wndStatusBar.DestroyWindow();
    EXPECT_FALSE(frame->OnCmdMsg(ID_VIEW_STATUS_BAR, CN_COMMAND, NULL, NULL));
}

TEST(CmdUI, PromptsShowInTheStatusBarWhileAMenuItemOrAButtonIsPointedAt)
{
    FrameHolder frame;
    CStatusBar& status = frame->m_wndStatusBar;
    const CString strReady = LoadedString(AFX_IDS_IDLEMESSAGE);
    EXPECT_STREQ(strReady, "Ready");

    ASSERT_TRUE(frame->OpenMenu(ID_TEST_ALPHA));
    EXPECT_STREQ(frame->m_strPromptWhileOpen, TEST_ALPHA_PROMPT);
    EXPECT_STREQ(status.GetPaneText(0), strReady);

    // The mouse resting on a tool bar button (flyby), and its tool tip.
    const auto tipShows = [](const char* text) {
        CToolTipCtrl* pTip = AfxGetThreadState()->m_pToolTip;
        CString shown;
        if (pTip != NULL && pTip->IsWindowVisible())
            pTip->GetWindowText(shown);
        return shown == text;
    };
    vt::MoveCursor(frame->ButtonCenter(ID_TEST_ALPHA));
    vt::MoveCursor(frame->ButtonCenter(ID_TEST_ALPHA) + CSize(1, 0));
    EXPECT_TRUE(vt::PumpUntil([&] { return status.GetPaneText(0) == TEST_ALPHA_PROMPT; }, 3000));
    EXPECT_STREQ(ShownPaneText(status, 0), TEST_ALPHA_PROMPT);
    EXPECT_TRUE(vt::PumpUntil([&] { return tipShows(TEST_ALPHA_TIP); }, 3000));

    vt::ParkCursor();
    EXPECT_TRUE(vt::PumpUntil([&] { return status.GetPaneText(0) == strReady; }, 3000));
    // With the bar's tips off, resting on the button shows none within twice
    // the tip's initial delay.
    frame->m_wndToolBar.EnableToolTips(FALSE);
    vt::MoveCursor(frame->ButtonCenter(ID_TEST_ALPHA));
    vt::MoveCursor(frame->ButtonCenter(ID_TEST_ALPHA) + CSize(1, 0));
    vt::PumpFor(2 * ::GetDoubleClickTime());
    EXPECT_TRUE(tipShows(""));
    vt::ParkCursor();
}

TEST(CmdUI, LockKeyPanesFollowTheLocks)
{
    FrameHolder frame;
    CStatusBar& status = frame->m_wndStatusBar;
    const std::pair<UINT, WORD> locks[] = {{ID_INDICATOR_CAPS, VK_CAPITAL}, {ID_INDICATOR_NUM, VK_NUMLOCK}, {ID_INDICATOR_SCRL, VK_SCROLL}};
    for (const auto& lock : locks)
        for (int nPress = 0; nPress < 2; nPress++) {
            SCOPED_TRACE(lock.first);
            const int nIndex = status.CommandToIndex(lock.first);
            const CString strIndicator = LoadedString(lock.first);
            vt::Activate(frame->m_hWnd);
            vt::KeyPress(lock.second);
            const bool bOn = (::GetKeyState(lock.second) & 1) != 0;
            EXPECT_TRUE(vt::PumpUntil([&] { return ((status.GetPaneStyle(nIndex) & SBPS_DISABLED) == 0) == bOn; }));
            EXPECT_STREQ(ShownPaneText(status, nIndex), bOn ? strIndicator : CString());
            EXPECT_STREQ(status.GetPaneText(nIndex), strIndicator);
        }
}
