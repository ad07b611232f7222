// SignIn.h - a small dialog-based MFC application using the VeluCtrl controls.
#pragma once

#include <afxwin.h>
#include "VeluCtrl.h"

/////////////////////////////////////////////////////////////////////////////
// CSignInApp: shows the sign-in dialog, then ends.  "/autoclose" on the
// command line makes the dialog close itself, for unattended runs.

class CSignInApp : public CWinApp
{
public:
    CSignInApp();

public:
    virtual BOOL InitInstance();
    virtual int ExitInstance();

protected:
    BOOL m_bAutoClose;
    BOOL m_bDialogShown;
};

/////////////////////////////////////////////////////////////////////////////
// CSignInDlg: the dialog template's edits and buttons, subclassed by the
// library's flat edits and skinned buttons, on the skinned dialog background.

class CSignInDlg : public CCoolDialog
{
public:
    CSignInDlg(BOOL bAutoClose, CWnd* pParent = NULL);

protected:
    BOOL          m_bAutoClose;
    CCoolEdit     m_name;
    CCoolMaskEdit m_birthday;
    CCoolButton   m_ok;
    CCoolButton   m_cancel;

    virtual BOOL OnInitDialog();

    afx_msg void OnTimer(UINT nIDEvent);
    DECLARE_MESSAGE_MAP()
};
