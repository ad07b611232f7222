// The frame with the library's bars that the bar tests drive.
#include "CoolBarsFrame.h"

BEGIN_MESSAGE_MAP(CWorkspaceBar, CCoolFloatBar)
    ON_WM_SIZE()
END_MESSAGE_MAP()

void CWorkspaceBar::OnSize(UINT nType, int cx, int cy)
{
    CCoolFloatBar::OnSize(nType, cx, cy);
    CRect rcWork;
    GetWorkingRect(&rcWork);
    if (m_wndList.m_hWnd != NULL)
        m_wndList.MoveWindow(&rcWork);
}

BEGIN_MESSAGE_MAP(CCoolBarsFrame, CFrameWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

const CRect CCoolBarsFrame::kFrameRect(60, 60, 60 + 640, 60 + 480);

CCoolBarsFrame* CCoolBarsFrame::Make()
{
    CCoolBarsFrame* pFrame = new CCoolBarsFrame;
    if (!pFrame->Create(NULL, _T("Bars"), WS_OVERLAPPEDWINDOW, kFrameRect)) {
        return NULL;   // a frame that failed has deleted itself
    }
    pFrame->ShowWindow(SW_SHOW);
    pFrame->UpdateWindow();
    vt::Activate(pFrame->m_hWnd);
    pFrame->RunIdle();
    vt::PumpPending();
    return pFrame;
}

int CCoolBarsFrame::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CFrameWnd::OnCreate(lpcs) == -1)
        return -1;
    static const UINT indicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};
    if (!m_wndStatusBar.Create(this) || !m_wndStatusBar.SetIndicators(indicators, 4))
        return -1;
    if (!m_wndFloatBar.Create(this, kFloatBarId, _T("Workspace"), CSize(0, 0)))
        return -1;
    m_wndFloatBar.SetBarStyle(m_wndFloatBar.GetBarStyle() | CBRS_SIZE_DYNAMIC);
    if (!m_wndFloatBar.m_wndList.Create(_T("LISTBOX"), NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0),
                                        &m_wndFloatBar, kFloatBarChildId))
        return -1;
    if (!m_wndPane.Create(NULL, NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, AFX_IDW_PANE_FIRST))
        return -1;
    m_wndFloatBar.EnableDocking(CBRS_ALIGN_ANY);
    EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&m_wndFloatBar, AFX_IDW_DOCKBAR_LEFT);
    return 0;
}

void CCoolBarsFrame::DockFloatBar(UINT nDockBarID)
{
    DockControlBar(&m_wndFloatBar, nDockBarID);
    RecalcLayout();
    RunIdle();
}

void CCoolBarsFrame::RunIdle()
{
    // Twice: a layout made at idle time may ask for one more.
    for (int i = 0; i < 2; i++) {
        SendMessage(WM_IDLEUPDATECMDUI, TRUE);
        SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
    }
    vt::PumpPending();
}

CoolBarsFrameHolder::~CoolBarsFrameHolder()
{
    if (m_pFrame != NULL && ::IsWindow(m_pFrame->m_hWnd))
        m_pFrame->DestroyWindow();
    vt::PumpPending();
}

void QueueButton(bool down)
{
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    ::SendInput(1, &in, sizeof(in));
}

CPoint OnScreen(const CWnd* pWnd, CPoint client)
{
    pWnd->ClientToScreen(&client);
    return client;
}

CRect WindowRectOf(const CWnd* pWnd)
{
    CRect rect;
    pWnd->GetWindowRect(&rect);
    return rect;
}
