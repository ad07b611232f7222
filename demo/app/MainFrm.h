// MainFrm.h - the main frame: tool bar, dock bars, the Folders bar, status
// bar and the client area, and the demo's commands.
#pragma once

#include "DemoView.h"
#include "FlatToolBar.h"
#include "FoldersBar.h"

class CMainFrame : public CFrameWnd
{
    DECLARE_DYNAMIC(CMainFrame)

public:
    CMainFrame();

// Overrides
public:
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

// Implementation
public:
    virtual ~CMainFrame();

protected:
    // Bars
    CFlatToolBar      m_wndToolBar;
    CCoolComboBox     m_wndFindBox;       // in the tool bar's last slot
    CFoldersBar       m_wndFolders;       // docked at the left
    CCoolStatusBar    m_wndStatusBar;
    CCoolProgress     m_wndProgress;      // in the status bar while a run lasts
    HICON             m_hStatusIcon;      // the small program icon in the prompt pane

    // Client area
    CDemoView         m_wndView;

    // Pop-ups of the Demo menu
    CBitmapBalloonTip m_wndBalloon;
    CTaskBarPopWnd    m_wndNotifier;

    int m_nProgress;                      // percent of the running progress, -1 when none runs

    BOOL CreateDockBars();
    BOOL CreateToolBar();
    BOOL CreateFindBox();
    BOOL CreateFoldersBar();
    BOOL CreateStatusBar();
    BOOL CreatePopups();
    void AddFolder(LPCTSTR lpszName);
    CRect ProgressPaneRect();
    void StepProgress();

    //{{AFX_MSG(CMainFrame)
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnTimer(UINT nIDEvent);
    afx_msg void OnToolBarDropDown(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnFindSelChange();
    afx_msg void OnNewMessage();
    afx_msg void OnNewNote();
    afx_msg void OnNewFolder();
    afx_msg void OnFileSave();
    afx_msg void OnUpdateFileSave(CCmdUI* pCmdUI);
    afx_msg void OnDemoControls();
    afx_msg void OnDemoBalloon();
    afx_msg void OnDemoNotify();
    afx_msg void OnDemoProgress();
    afx_msg void OnUpdateDemoProgress(CCmdUI* pCmdUI);
    //}}AFX_MSG
    DECLARE_MESSAGE_MAP()
};
