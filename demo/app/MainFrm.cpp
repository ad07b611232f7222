// MainFrm.cpp - the main frame: its bars, its client area and the demo's commands.
#include "StdAfx.h"

#include "MainFrm.h"
#include "ControlsDlg.h"

namespace {

const int  kFindBoxWidth      = 150;
const int  kFindBoxDropHeight = 160;   // with its list open
const UINT kProgressTimer     = 1;
const UINT kProgressTick      = 40;    // ms between steps of the progress run
const int  kProgressStep      = 2;     // percent per step
const int  kProgressPaneWidth = 140;
const int  kBalloonTail       = 16;
const int  kBalloonShowTime   = 6000;
const int  kNotifierWidth     = 220;
const int  kNotifierHeight    = 110;
const int  kNotifierStayTime  = 4000;

const TCHAR* const kFolders[] = {
    _T("Inbox"), _T("Drafts"), _T("Sent items"), _T("Archive"), _T("Deleted items"),
};

// The status bar: the prompt, the progress run and the lock-key indicators.
const UINT kIndicators[] = {
    ID_SEPARATOR,
    ID_INDICATOR_PROGRESS,
    ID_INDICATOR_CAPS,
    ID_INDICATOR_NUM,
    ID_INDICATOR_SCRL,
};

// Dock bars made before EnableDocking, which then keeps them.
const struct
{
    UINT nID;
    DWORD dwStyle;
} kDockBars[] = {
    {AFX_IDW_DOCKBAR_TOP, CBRS_TOP},
    {AFX_IDW_DOCKBAR_BOTTOM, CBRS_BOTTOM},
    {AFX_IDW_DOCKBAR_LEFT, CBRS_LEFT},
    {AFX_IDW_DOCKBAR_RIGHT, CBRS_RIGHT},
};

}  // namespace

IMPLEMENT_DYNAMIC(CMainFrame, CFrameWnd)

BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
    //{{AFX_MSG_MAP(CMainFrame)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_SETFOCUS()
    ON_WM_TIMER()
    ON_NOTIFY(TBN_DROPDOWN, AFX_IDW_TOOLBAR, OnToolBarDropDown)
    ON_CBN_SELCHANGE(ID_DEMO_FIND, OnFindSelChange)
    ON_COMMAND(ID_FILE_NEW, OnNewMessage)
    ON_COMMAND(ID_NEW_MESSAGE, OnNewMessage)
    ON_COMMAND(ID_NEW_NOTE, OnNewNote)
    ON_COMMAND(ID_NEW_FOLDER, OnNewFolder)
    ON_COMMAND(ID_FILE_SAVE, OnFileSave)
    ON_UPDATE_COMMAND_UI(ID_FILE_SAVE, OnUpdateFileSave)
    ON_COMMAND(ID_DEMO_CONTROLS, OnDemoControls)
    ON_COMMAND(ID_DEMO_BALLOON, OnDemoBalloon)
    ON_COMMAND(ID_DEMO_NOTIFY, OnDemoNotify)
    ON_COMMAND(ID_DEMO_PROGRESS, OnDemoProgress)
    ON_UPDATE_COMMAND_UI(ID_DEMO_PROGRESS, OnUpdateDemoProgress)
    //}}AFX_MSG_MAP
END_MESSAGE_MAP()

CMainFrame::CMainFrame()
    : m_nProgress(-1)
{
}

CMainFrame::~CMainFrame()
{
}

BOOL CMainFrame::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CFrameWnd::PreCreateWindow(cs))
        return FALSE;
    // The view fills the client area: no edge around it.
    cs.dwExStyle &= ~WS_EX_CLIENTEDGE;
    return TRUE;
}

int CMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;

    if (!m_wndView.Create(NULL, NULL, AFX_WS_DEFAULT_VIEW, CRect(0, 0, 0, 0), this, AFX_IDW_PANE_FIRST, NULL))
        return -1;
    if (!CreateDockBars() || !CreateToolBar() || !CreateStatusBar() || !CreatePopups())
        return -1;

    m_wndToolBar.EnableDocking(CBRS_ALIGN_ANY);
    EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&m_wndToolBar);
    return 0;
}

BOOL CMainFrame::CreateDockBars()
{
    for (int i = 0; i < (int)_countof(kDockBars); i++)
    {
        CDockBar* pDockBar = new CMainDockBar;   // deletes itself with its window
        if (!pDockBar->Create(this, WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_CHILD | WS_VISIBLE | kDockBars[i].dwStyle,
                              kDockBars[i].nID))
        {
            delete pDockBar;
            return FALSE;
        }
    }
    return TRUE;
}

BOOL CMainFrame::CreateToolBar()
{
    if (!m_wndToolBar.CreateEx(this, TBSTYLE_FLAT,
                               WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS | CBRS_FLYBY |
                                   CBRS_SIZE_DYNAMIC) ||
        !m_wndToolBar.LoadToolBar(IDR_MAINFRAME))
        return FALSE;
    m_wndToolBar.SetWindowText(_T("Standard"));

    // New has an arrow that drops down a menu of what else can be new.
    m_wndToolBar.SendMessage(TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
    const int nNew = m_wndToolBar.CommandToIndex(ID_FILE_NEW);
    m_wndToolBar.SetButtonStyle(nNew, m_wndToolBar.GetButtonStyle(nNew) | TBSTYLE_DROPDOWN);
    return CreateFindBox();
}

BOOL CMainFrame::CreateFindBox()
{
    const int nIndex = m_wndToolBar.CommandToIndex(ID_DEMO_FIND);
    m_wndToolBar.SetButtonInfo(nIndex, ID_DEMO_FIND, TBBS_SEPARATOR, kFindBoxWidth);
    CRect rect;
    m_wndToolBar.GetItemRect(nIndex, &rect);
    rect.bottom = rect.top + kFindBoxDropHeight;
    if (!m_wndFindBox.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWN, rect, &m_wndToolBar,
                             ID_DEMO_FIND))
        return FALSE;
    m_wndFindBox.SetFont(CFont::FromHandle((HFONT)::GetStockObject(DEFAULT_GUI_FONT)));
    m_wndFindBox.SetTipText(_T("Find a folder"), ::GetSysColor(COLOR_GRAYTEXT));
    FillFindBox();
    return TRUE;
}

void CMainFrame::FillFindBox()
{
    for (int i = 0; i < (int)_countof(kFolders); i++)
        m_wndFindBox.AddString(kFolders[i]);
}

BOOL CMainFrame::CreateStatusBar()
{
    if (!m_wndStatusBar.Create(this) ||
        !m_wndStatusBar.SetIndicators(kIndicators, (int)_countof(kIndicators)))
        return FALSE;
    m_wndStatusBar.SetPaneInfo(1, ID_INDICATOR_PROGRESS, SBPS_NORMAL, kProgressPaneWidth);
    m_wndStatusBar.SetPaneText(1, _T(""));
    return TRUE;
}

BOOL CMainFrame::CreatePopups()
{
    // Hidden until a command shows them.
    return m_wndBalloon.Create() && m_wndNotifier.Create();
}

void CMainFrame::OnDestroy()
{
    // The pop-ups are top-level windows of their own: they go with the frame.
    if (m_wndBalloon.m_hWnd != NULL)
        m_wndBalloon.DestroyWindow();
    if (m_wndNotifier.m_hWnd != NULL)
        m_wndNotifier.DestroyWindow();
    CFrameWnd::OnDestroy();
}

void CMainFrame::OnSetFocus(CWnd* /*pOldWnd*/)
{
    // The view holds the focus whenever the frame is given it.
    m_wndView.SetFocus();
}

// The view sees each command first, then the frame and the application.
BOOL CMainFrame::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (m_wndView.m_hWnd != NULL && m_wndView.OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

/////////////////////////////////////////////////////////////////////////////
// File commands

void CMainFrame::OnToolBarDropDown(NMHDR* pNMHDR, LRESULT* pResult)
{
    NMTOOLBAR* pInfo = (NMTOOLBAR*)pNMHDR;
    *pResult = TBDDRET_DEFAULT;
    if (pInfo->iItem != ID_FILE_NEW)
        return;
    CRect rect;
    m_wndToolBar.GetItemRect(m_wndToolBar.CommandToIndex(ID_FILE_NEW), &rect);
    m_wndToolBar.ClientToScreen(&rect);
    CMenu menu;
    if (menu.LoadMenu(IDR_NEWMENU))
        menu.GetSubMenu(0)->TrackPopupMenu(TPM_LEFTALIGN | TPM_LEFTBUTTON, rect.left, rect.bottom, this);
}

void CMainFrame::OnFindSelChange()
{
    const int nSel = m_wndFindBox.GetCurSel();
    if (nSel == CB_ERR)
        return;
    CString strFolder, strLine;
    m_wndFindBox.GetLBText(nSel, strFolder);
    strLine.Format(_T("Found the folder %s"), (LPCTSTR)strFolder);
    m_wndView.Log(strLine);
}

void CMainFrame::OnNewMessage()
{
    m_wndView.Log(_T("New message"));
}

void CMainFrame::OnNewNote()
{
    m_wndView.Log(_T("New note"));
}

void CMainFrame::OnNewFolder()
{
    m_wndView.Log(_T("New folder"));
}

void CMainFrame::OnFileSave()
{
    m_wndView.SetNotesSaved();
    m_wndView.Log(_T("Notes saved"));
}

// Save is enabled only while the notes hold changes.
void CMainFrame::OnUpdateFileSave(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_wndView.IsNotesModified());
}

/////////////////////////////////////////////////////////////////////////////
// Demo commands

void CMainFrame::OnDemoControls()
{
    CControlsDlg dlg(this);
    if (dlg.DoModal() == IDOK)
        m_wndView.Log(_T("Controls dialog closed with OK"));
    else
        m_wndView.Log(_T("Controls dialog cancelled"));
}

// A balloon whose tail touches the find box, just below its middle.
void CMainFrame::OnDemoBalloon()
{
    CRect rect;
    m_wndFindBox.GetWindowRect(&rect);
    m_wndBalloon.ShowMe(rect.CenterPoint().x, rect.bottom, _T("Type a folder's name here\nto find it."),
                        kBalloonTail, kBalloonTailTopLeft, (HBITMAP)NULL, RGB(0, 0, 0), kBalloonShowTime);
    m_wndView.Log(_T("Balloon tip shown"));
}

void CMainFrame::OnDemoNotify()
{
    m_wndNotifier.SetWindowText(_T("You have 3 new messages in your Inbox."));
    m_wndNotifier.ShowMe(kNotifierWidth, kNotifierHeight, kNotifierStayTime);
    m_wndView.Log(_T("Notifier shown"));
}

// The progress run: a bar in the status bar grows to full in a few seconds.
void CMainFrame::OnDemoProgress()
{
    CRect rect;
    m_wndStatusBar.GetItemRect(m_wndStatusBar.CommandToIndex(ID_INDICATOR_PROGRESS), &rect);
    if (m_wndProgress.m_hWnd == NULL && !m_wndProgress.Create(WS_CHILD, rect, &m_wndStatusBar, ID_INDICATOR_PROGRESS))
        return;
    m_wndProgress.MoveWindow(&rect);
    m_wndProgress.SetPreText(_T("Working "));
    m_wndProgress.Init(100, 0, kProgressStep);
    m_wndProgress.ShowWindow(SW_SHOW);
    m_nProgress = 0;
    SetTimer(kProgressTimer, kProgressTick, NULL);
    m_wndView.Log(_T("Progress run started"));
}

void CMainFrame::OnUpdateDemoProgress(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_nProgress < 0);
}

void CMainFrame::OnTimer(UINT nIDEvent)
{
    if (nIDEvent == kProgressTimer)
        StepProgress();
    else
        CFrameWnd::OnTimer(nIDEvent);
}

void CMainFrame::StepProgress()
{
    m_nProgress += kProgressStep;
    m_wndProgress.SetPos(m_nProgress);
    if (m_nProgress < 100)
        return;
    KillTimer(kProgressTimer);
    m_wndProgress.ShowWindow(SW_HIDE);
    m_nProgress = -1;
    m_wndView.Log(_T("Progress run finished"));
}
