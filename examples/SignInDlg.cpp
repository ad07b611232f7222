// SignInDlg.cpp - the sign-in dialog.
#include "SignIn.h"
#include "resource.h"

// Closes the dialog in an unattended run, once it has been shown and painted.
const UINT kAutoCloseTimer = 1;
const UINT kAutoCloseDelay = 500;   // milliseconds

BEGIN_MESSAGE_MAP(CSignInDlg, CCoolDialog)
    ON_WM_TIMER()
END_MESSAGE_MAP()

CSignInDlg::CSignInDlg(BOOL bAutoClose, CWnd* pParent)
    : CCoolDialog(IDD_SIGNIN, pParent), m_bAutoClose(bAutoClose)
{
}

BOOL CSignInDlg::OnInitDialog()
{
    CCoolDialog::OnInitDialog();

    m_name.SubclassDlgItem(IDC_NAME, this);
    m_name.SetTipText("Your name", ::GetSysColor(COLOR_GRAYTEXT), FALSE);
    m_birthday.SubclassDlgItem(IDC_BIRTHDAY, this);
    m_birthday.MaskDate();
    m_ok.SubclassDlgItem(IDOK, this);
    m_cancel.SubclassDlgItem(IDCANCEL, this);

    CString tip;
    tip.LoadString(IDS_OK_TIP);
    AddToolTip(IDOK, tip);
    tip.LoadString(IDS_CANCEL_TIP);
    AddToolTip(IDCANCEL, tip);

    if (m_bAutoClose)
        SetTimer(kAutoCloseTimer, kAutoCloseDelay, NULL);
    return TRUE;
}

void CSignInDlg::OnTimer(UINT nIDEvent)
{
    if (nIDEvent != kAutoCloseTimer)
    {
        CCoolDialog::OnTimer(nIDEvent);
        return;
    }
    KillTimer(kAutoCloseTimer);
    // As if the user had pressed OK.
    PostMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), (LPARAM)m_ok.m_hWnd);
}
