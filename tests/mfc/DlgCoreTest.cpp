// CDialog: modeless and modal dialogs from in-memory templates. (Creating and
// destroying one many times: the soak's skinned dialog, windows, GDI objects
// and heap counted.)
#include "support/harness.h"

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
    int m_nOkClicks = 0;
    void (*m_pfnAtInit)(CTestDialog&) = NULL;

    virtual BOOL OnInitDialog()
    {
        CDialog::OnInitDialog();
        m_nInits++;
        if (m_pfnAtInit != NULL)
            m_pfnAtInit(*this);
        return TRUE;
    }

protected:
    virtual void OnOK()
    {
        m_nOkClicks++;
        CDialog::OnOK();
    }
};

CTestDialog* s_pModal = NULL;
UINT_PTR s_nGiveUp = 0;

void CALLBACK TypeEnter(HWND, UINT, UINT_PTR nID, DWORD)
{
    ::KillTimer(NULL, nID);
    vt::Activate(s_pModal->m_hWnd);
    vt::KeyPress(VK_RETURN);
}

void CALLBACK GiveUp(HWND, UINT, UINT_PTR nID, DWORD)
{
    ::KillTimer(NULL, nID);
    s_pModal->PostMessage(WM_COMMAND, IDCANCEL, 0);
}

}  // namespace

// Created from a template: initialised once, mapped, owned by its parent, with
// the template's font; Tab moves the focus through the pre-translate walk.
TEST(DlgCore, ModelessDialogIsInitialisedOnceAndTabsBetweenItsControls)
{
    vt::HostWnd host;
    const vt::DialogTemplate tmpl = TwoControls(WS_POPUP | WS_CAPTION | WS_VISIBLE);
    CTestDialog dialog;
    ASSERT_TRUE(dialog.CreateIndirect(tmpl.Get(), &host));
    EXPECT_EQ(1, dialog.m_nInits);
    EXPECT_EQ(host.m_hWnd, ::GetWindow(dialog.m_hWnd, GW_OWNER));
    EXPECT_TRUE(dialog.SendMessage(WM_GETFONT) != 0);
    vt::Activate(dialog.m_hWnd);
    dialog.GotoDlgCtrl(dialog.GetDlgItem(101));
    vt::PumpPending();
    ASSERT_EQ(::GetDlgItem(dialog.m_hWnd, 101), ::GetFocus());
    vt::KeyPress(VK_TAB);
    EXPECT_TRUE(vt::PumpUntil([&] { return ::GetFocus() == ::GetDlgItem(dialog.m_hWnd, IDOK); }));
    dialog.DestroyWindow();
    EXPECT_TRUE(dialog.m_hWnd == NULL);
}

// The loop returns the end code and gives the owner back; a dialog ended in
// OnInitDialog never runs it. Enter is typed once the loop runs; should it
// never arrive, a later timer cancels, so the test fails instead of hanging.
// (The owner disabled while the loop runs: the demo's Controls dialog.)
TEST(DlgCore, ModalDialogDisablesItsOwnerAndReturnsTheEndCode)
{
    const struct { const char* name; void (*atInit)(CTestDialog&); int result, okClicks; } rows[] = {
        {"ended at once", [](CTestDialog& d) { d.EndDialog(IDCANCEL); }, IDCANCEL, 0},
        {"Enter typed", [](CTestDialog&) {
             ::SetTimer(NULL, 0, 100, TypeEnter);
             s_nGiveUp = ::SetTimer(NULL, 0, 5000, GiveUp);
         }, IDOK, 1},
    };
    vt::HostWnd host;
    const vt::DialogTemplate tmpl = TwoControls(WS_POPUP | WS_CAPTION | WS_VISIBLE);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        CTestDialog dialog;
        s_pModal = &dialog;
        dialog.m_pfnAtInit = row.atInit;
        ASSERT_TRUE(dialog.InitModalIndirect(tmpl.Get(), &host));
        EXPECT_EQ(row.result, dialog.DoModal());
        ::KillTimer(NULL, s_nGiveUp);
        EXPECT_EQ(row.okClicks, dialog.m_nOkClicks);
        EXPECT_TRUE(host.IsWindowEnabled());
        EXPECT_TRUE(dialog.m_hWnd == NULL);
    }
}
