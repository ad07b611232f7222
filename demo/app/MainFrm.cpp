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

const int  kStatusIconSize    = 16;

// The status bar: the prompt, the progress run and the lock-key indicators.
const UINT kIndicators[] = {
    ID_SEPARATOR,
    ID_INDICATOR_PROGRESS,
    ID_INDICATOR_CAPS,
    ID_INDICATOR_NUM,
    ID_INDICATOR_SCRL,
};

// The library's dock bars, made before EnableDocking, which then keeps them.
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
    ON_COMMAND_EX(ID_VIEW_FOLDERS, OnBarCheck)
    ON_UPDATE_COMMAND_UI(ID_VIEW_FOLDERS, OnUpdateControlBarMenu)
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
    : m_hStatusIcon(NULL),
      m_nProgress(-1)
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
    // The status bar first, so that it spans the frame's whole width below
    // the dock bars.
    if (!CreateStatusBar() || !CreateDockBars() || !CreateToolBar() || !CreateFoldersBar() || !CreatePopups())
        return -1;
    for (int i = 0; i < (int)_countof(kFolders); i++)
        AddFolder(kFolders[i]);

    m_wndToolBar.EnableDocking(CBRS_ALIGN_ANY);
    m_wndFolders.EnableDocking(CBRS_ALIGN_ANY);
    EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&m_wndToolBar, AFX_IDW_DOCKBAR_TOP);
    DockControlBar(&m_wndFolders, AFX_IDW_DOCKBAR_LEFT);
    return 0;
}

BOOL CMainFrame::CreateDockBars()
{
    for (int i = 0; i < (int)_countof(kDockBars); i++)
    {
        CDockBar* pDockBar = new CCoolDockBar;   // deletes itself with its window
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
    m_wndToolBar.SetButtonDropDown(ID_FILE_NEW);
    return CreateFindBox();
}

// The find box sits in the tool bar's last slot, as its child.
BOOL CMainFrame::CreateFindBox()
{
    const CRect rect(0, 0, kFindBoxWidth, kFindBoxDropHeight);
    if (!m_wndFindBox.Create(WS_CHILD | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWN, rect, &m_wndToolBar, ID_DEMO_FIND))
        return FALSE;
    m_wndFindBox.SetTipText(_T("Find a folder"), ::GetSysColor(COLOR_GRAYTEXT));
    return m_wndToolBar.InsertControl(&m_wndFindBox, &rect, ID_DEMO_FIND);
}

BOOL CMainFrame::CreateFoldersBar()
{
    return m_wndFolders.Create(this, ID_VIEW_FOLDERS);
}

void CMainFrame::AddFolder(LPCTSTR lpszName)
{
    m_wndFolders.AddFolder(lpszName);
    m_wndFindBox.AddString(lpszName);
}

BOOL CMainFrame::CreateStatusBar()
{
    if (!m_wndStatusBar.Create(this) ||
        !m_wndStatusBar.SetIndicators(kIndicators, (int)_countof(kIndicators)))
        return FALSE;
    m_wndStatusBar.SetPaneInfo(1, ID_INDICATOR_PROGRESS, SBPS_NORMAL, kProgressPaneWidth);
    m_wndStatusBar.SetPaneText(1, _T(""));
    // The bar never destroys its icons: the frame does, in OnDestroy.
    m_hStatusIcon = (HICON)::LoadImage(AfxGetResourceHandle(), MAKEINTRESOURCE(IDR_MAINFRAME), IMAGE_ICON,
                                       kStatusIconSize, kStatusIconSize, 0);
    m_wndStatusBar.SetPaneIcon(0, m_hStatusIcon);
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
    if (m_hStatusIcon != NULL)
        ::DestroyIcon(m_hStatusIcon);
    m_hStatusIcon = NULL;
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
    m_wndFolders.SelectFolder(strFolder);
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
    CString strName;
    strName.Format(_T("Folder %d"), m_wndFindBox.GetCount() + 1);
    AddFolder(strName);
    m_wndFolders.SelectFolder(strName);
    m_wndView.Log(_T("New folder: ") + strName);
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
    const CRect rect = ProgressPaneRect();
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

// The progress pane where the status bar paints it: the bar lays its panes
// out from its right end, less the size grip's room, each as wide as its text
// and icon need.
CRect CMainFrame::ProgressPaneRect()
{
    CRect rect;
    m_wndStatusBar.GetClientRect(&rect);
    int x = IsZoomed() ? rect.right : rect.right - kStatusGripRoom;
    CClientDC dc(&m_wndStatusBar);
    CFont* pOldFont = dc.SelectObject(m_wndStatusBar.GetFont());
    const int nProgress = m_wndStatusBar.CommandToIndex(ID_INDICATOR_PROGRESS);
    UINT nID, nStyle;
    int cxWidth = 0;
    for (int i = m_wndStatusBar.GetCount() - 1; i >= nProgress; i--)
    {
        m_wndStatusBar.GetCoolPaneInfo(&dc, i, nID, nStyle, cxWidth);
        x -= cxWidth;
    }
    dc.SelectObject(pOldFont);
    return CRect(x + 1, rect.top + 2, x + cxWidth - 1, rect.bottom - 1);
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
