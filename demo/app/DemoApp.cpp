// DemoApp.cpp - the application object, its start-up and the About box.
#include "StdAfx.h"

#include "DemoApp.h"
#include "MainFrm.h"

/////////////////////////////////////////////////////////////////////////////
// CDemoApp

BEGIN_MESSAGE_MAP(CDemoApp, CWinApp)
    //{{AFX_MSG_MAP(CDemoApp)
    ON_COMMAND(ID_APP_ABOUT, OnAppAbout)
    //}}AFX_MSG_MAP
END_MESSAGE_MAP()

CDemoApp::CDemoApp()
    : CWinApp(_T("VeluCtrl Demo"))
{
}

// The one and only application object.
CDemoApp theApp;

BOOL CDemoApp::InitInstance()
{
    // The frame loads its menu, accelerators, icon and title from
    // IDR_MAINFRAME and builds its bars and client area in OnCreate.
    CMainFrame* pFrame = new CMainFrame;
    if (!pFrame->LoadFrame(IDR_MAINFRAME))
        return FALSE;   // a frame that fails to load deletes itself
    m_pMainWnd = pFrame;

    pFrame->ShowWindow(m_nCmdShow);
    pFrame->UpdateWindow();
    return TRUE;
}

/////////////////////////////////////////////////////////////////////////////
// CAboutDlg: the About box, a skinned dialog like every dialog of the demo.

class CAboutDlg : public CCoolDialog
{
public:
    CAboutDlg();

    enum { IDD = IDD_ABOUTBOX };

// Implementation
protected:
    CCoolLabel  m_wndTitle;
    CCoolLabel  m_wndText;
    CCoolButton m_btnOK;

    virtual BOOL OnInitDialog();
};

CAboutDlg::CAboutDlg()
    : CCoolDialog(CAboutDlg::IDD)
{
}

BOOL CAboutDlg::OnInitDialog()
{
    CCoolDialog::OnInitDialog();

    m_wndTitle.SubclassDlgItem(IDC_TITLE, this);
    m_wndTitle.SetTextColor(RGB(0, 51, 153));
    m_wndText.SubclassDlgItem(IDC_ABOUT_TEXT, this);
    m_wndText.SetTextFormat(DT_LEFT | DT_WORDBREAK);
    m_btnOK.SubclassDlgItem(IDOK, this);
    return TRUE;
}

void CDemoApp::OnAppAbout()
{
    CAboutDlg aboutDlg;
    aboutDlg.DoModal();
}
