// CDialog: modeless and modal dialogs from in-memory templates.
#include "support/harness.h"

#include <vector>

namespace {

// A dialog with one default push button (IDOK) and one edit (id 101).
vt::DialogTemplate TwoControls(DWORD dwStyle)
{
    vt::DialogTemplate t(dwStyle, "MS Sans Serif");
    t.AddItem(IDOK, 0x0080, WS_TABSTOP | BS_DEFPUSHBUTTON, "OK");
    t.AddItem(101, 0x0081, WS_TABSTOP | WS_BORDER, "");
    return t;
}

class CTestDialog : public CDialog
{
public:
    int m_nInits = 0;
    BOOL m_bEndAtInit = FALSE;
    BOOL m_bPostOkAtInit = FALSE;
    BOOL m_bParentDisabledDuringLoop = FALSE;
    CWnd* m_pWatchParent = NULL;
    int m_nOkClicks = 0;

    virtual BOOL OnInitDialog()
    {
        CDialog::OnInitDialog();
        m_nInits++;
        if (m_bEndAtInit)
            EndDialog(IDCANCEL);
        if (m_bPostOkAtInit)
            PostMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), (LPARAM)::GetDlgItem(m_hWnd, IDOK));
        return TRUE;
    }

protected:
    virtual void OnOK()
    {
        m_nOkClicks++;
        if (m_pWatchParent != NULL)
            m_bParentDisabledDuringLoop = !m_pWatchParent->IsWindowEnabled();
        CDialog::OnOK();
    }
};

}  // namespace

TEST(DlgCore, ModelessFromTemplateRunsOnInitDialogAndOwnsItsWindow)
{
    vt::HostWnd host;
    const vt::DialogTemplate tmpl = TwoControls(WS_POPUP | WS_CAPTION | WS_VISIBLE);
    CTestDialog dialog;
    ASSERT_TRUE(dialog.CreateIndirect(tmpl.Get(), &host));
    EXPECT_EQ(dialog.m_nInits, 1);
    EXPECT_EQ(CWnd::FromHandlePermanent(dialog.m_hWnd), &dialog);
    EXPECT_TRUE(dialog.GetDlgItem(IDOK) != NULL);
    EXPECT_EQ(::GetWindow(dialog.m_hWnd, GW_OWNER), host.m_hWnd);
    // The dialog font from the template reached the window.
    EXPECT_TRUE(dialog.SendMessage(WM_GETFONT) != 0);
    dialog.DestroyWindow();
    EXPECT_TRUE(dialog.m_hWnd == NULL);
}

TEST(DlgCore, ModelessDialogTabsBetweenControlsThroughThePreTranslateWalk)
{
    vt::HostWnd host;
    const vt::DialogTemplate tmpl = TwoControls(WS_POPUP | WS_CAPTION | WS_VISIBLE);
    CTestDialog dialog;
    ASSERT_TRUE(dialog.CreateIndirect(tmpl.Get(), &host));
    vt::Activate(dialog.m_hWnd);
    dialog.GotoDlgCtrl(dialog.GetDlgItem(101));
    vt::PumpPending();
    ASSERT_EQ(::GetFocus(), ::GetDlgItem(dialog.m_hWnd, 101));
    vt::KeyPress(VK_TAB);
    EXPECT_TRUE(vt::PumpUntil([&] { return ::GetFocus() == ::GetDlgItem(dialog.m_hWnd, IDOK); }));
    dialog.DestroyWindow();
}

TEST(DlgCore, ModalDialogDisablesItsOwnerAndReturnsTheEndCode)
{
    vt::HostWnd host;
    const vt::DialogTemplate tmpl = TwoControls(WS_POPUP | WS_CAPTION);
    CTestDialog dialog;
    dialog.m_bPostOkAtInit = TRUE;
    dialog.m_pWatchParent = &host;
    ASSERT_TRUE(dialog.InitModalIndirect(tmpl.Get(), &host));
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.m_nInits, 1);
    EXPECT_EQ(dialog.m_nOkClicks, 1);
    EXPECT_TRUE(dialog.m_bParentDisabledDuringLoop);
    EXPECT_TRUE(host.IsWindowEnabled());
    EXPECT_TRUE(dialog.m_hWnd == NULL);
}

TEST(DlgCore, DialogEndedInOnInitDialogNeverRunsItsLoop)
{
    vt::HostWnd host;
    const vt::DialogTemplate tmpl = TwoControls(WS_POPUP | WS_CAPTION);
    CTestDialog dialog;
    dialog.m_bEndAtInit = TRUE;
    ASSERT_TRUE(dialog.InitModalIndirect(tmpl.Get(), &host));
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(host.IsWindowEnabled());
}

namespace {

CDialog* s_pModalDialog = NULL;

void CALLBACK TypeEnterIntoModalDialog(HWND, UINT, UINT_PTR nID, DWORD)
{
    ::KillTimer(NULL, nID);
    vt::Activate(s_pModalDialog->m_hWnd);
    vt::KeyPress(VK_RETURN);
}

void CALLBACK CancelModalDialog(HWND, UINT, UINT_PTR nID, DWORD)
{
    ::KillTimer(NULL, nID);
    s_pModalDialog->PostMessage(WM_COMMAND, IDCANCEL, 0);
}

}  // namespace

TEST(DlgCore, EnterKeyInAModalDialogPressesTheDefaultButton)
{
    vt::HostWnd host;
    const vt::DialogTemplate tmpl = TwoControls(WS_POPUP | WS_CAPTION | WS_VISIBLE);
    CTestDialog dialog;
    ASSERT_TRUE(dialog.InitModalIndirect(tmpl.Get(), &host));
    // The key is typed once the dialog's own loop runs; should it never
    // arrive, a later timer cancels so the test fails instead of hanging.
    s_pModalDialog = &dialog;
    UINT_PTR nKey = ::SetTimer(NULL, 0, 100, TypeEnterIntoModalDialog);
    UINT_PTR nGiveUp = ::SetTimer(NULL, 0, 5000, CancelModalDialog);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    ::KillTimer(NULL, nKey);
    ::KillTimer(NULL, nGiveUp);
    EXPECT_EQ(dialog.m_nOkClicks, 1);
}

TEST(DlgCore, CreatingAndDestroyingDialogsLeaksNothing)
{
    vt::HostWnd host;
    const vt::DialogTemplate tmpl = TwoControls(WS_POPUP | WS_CAPTION | WS_VISIBLE);
    EXPECT_TRUE(vt::LeavesNothingBehind([&] {
        CTestDialog dialog;
        dialog.CreateIndirect(tmpl.Get(), &host);
        vt::PumpPending();
        dialog.DestroyWindow();
    }));
}
