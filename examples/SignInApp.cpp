// SignInApp.cpp - the application object.  As in any MFC program there is no
// main or WinMain here: the MFC library supplies WinMain, which runs theApp.
#include "SignIn.h"

CSignInApp theApp;

CSignInApp::CSignInApp()
    : m_bAutoClose(FALSE), m_bDialogShown(FALSE)
{
}

BOOL CSignInApp::InitInstance()
{
    m_bAutoClose = lstrcmpi(m_lpCmdLine, "/autoclose") == 0;

    CSignInDlg dlg(m_bAutoClose);
    m_pMainWnd = &dlg;
    m_bDialogShown = dlg.DoModal() != -1;
    m_pMainWnd = NULL;

    // The dialog was the whole application: end instead of running a message loop.
    return FALSE;
}

int CSignInApp::ExitInstance()
{
    CWinApp::ExitInstance();
    // Whoever started us learns whether the dialog could be shown at all.
    return m_bDialogShown ? 0 : 1;
}
