// A frame with every bar: cool dock bars on all sides, a tool bar, a dockable
// bar and a status bar, docked, floated and painted, then destroyed.
#include "soak.h"

#include "bars/VeluBars.h"

namespace soak {
namespace {

const UINT kTools[] = {9001, 9002, 0, 9003};
const UINT kIndicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM};
const UINT kFloatBarId = AFX_IDW_CONTROLBAR_FIRST + 40;

class BarFrame : public CFrameWnd
{
public:
    CCoolToolBar m_tools;
    CCoolFloatBar m_float;
    CCoolStatusBar m_status;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs)
    {
        if (CFrameWnd::OnCreate(lpcs) == -1)
            return -1;
        for (int i = 0; i < 4; i++) {
            CCoolDockBar* dock = new CCoolDockBar;   // deletes itself with its window
            if (!dock->Create(this, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | dwDockBarMap[i][1], dwDockBarMap[i][0]))
                return -1;
        }
        const HICON icon = ::LoadIcon(NULL, IDI_INFORMATION);
        if (!m_tools.CreateEx(this, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER) ||
            !m_tools.SetButtons(kTools, 4) || !m_float.Create(this, kFloatBarId, "Soaked", CSize(0, 0)) ||
            !m_status.Create(this) || !m_status.SetIndicators(kIndicators, 3) || !m_status.SetPaneIcon(0, icon))
            return -1;
        m_tools.SetButtonDropDown(kTools[1]);
        m_float.SetBarStyle(m_float.GetBarStyle() | CBRS_SIZE_DYNAMIC);
        m_tools.EnableDocking(CBRS_ALIGN_ANY);
        m_float.EnableDocking(CBRS_ALIGN_ANY);
        EnableDocking(CBRS_ALIGN_ANY);
        DockControlBar(&m_tools, AFX_IDW_DOCKBAR_TOP);
        DockControlBar(&m_float, AFX_IDW_DOCKBAR_LEFT);
        return 0;
    }
    // The tools have a handler, so the idle update leaves them enabled.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pInfo) override
    {
        if (nID < kTools[0] || nID > kTools[3])
            return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pInfo);
        if (nCode == (int)CN_UPDATE_COMMAND_UI)
            ((CCmdUI*)pExtra)->Enable(TRUE);
        return TRUE;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(BarFrame, CFrameWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

// The mouse rests on the first tool; leaving, both bars float, are painted
// there and docked on other sides.
class Bars : public Subject
{
public:
    bool Create(CWnd&, const CRect&) override
    {
        m_frame = new BarFrame;   // a frame deletes itself with its window
        if (!m_frame->Create(NULL, "Soak bars", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(40, 40, 560, 400)))
            return false;
        m_frame->RecalcLayout();
        vt::Activate(m_frame->m_hWnd);
        return true;
    }
    CWnd& Wnd() override { return m_frame->m_tools; }
    void Arrived() override
    {
        CRect item;
        m_frame->m_tools.GetItemRect(0, &item);
        m_frame->m_tools.ClientToScreen(&item);
        vt::MoveCursor(item.CenterPoint());
    }
    bool Hot() override { return m_frame->m_tools.SendMessage(TB_GETHOTITEM) == 0; }
    void Left() override
    {
        for (CControlBar* bar : {(CControlBar*)&m_frame->m_tools, (CControlBar*)&m_frame->m_float}) {
            m_frame->FloatControlBar(bar, CPoint(300, 300));
            vt::PaintNow(m_frame->m_hWnd);
        }
        m_frame->DockControlBar(&m_frame->m_tools, AFX_IDW_DOCKBAR_BOTTOM);
        m_frame->DockControlBar(&m_frame->m_float, AFX_IDW_DOCKBAR_RIGHT);
        m_frame->RecalcLayout();
    }
    void Destroy() override { m_frame->DestroyWindow(); }

private:
    BarFrame* m_frame = NULL;
};
SOAK_SUBJECT(Bars, "bars in a frame");

}  // namespace
}  // namespace soak
