// A frame written as an MFC 4.2 application writes one: a main tool bar from
// its resource, a status bar with lock-key indicators, a dialog bar and a
// pane.  Its command handlers record what reaches them.
#pragma once

#include "support/harness.h"

#include <afxcmn.h>
#include <afxext.h>
#include <afxpriv.h>

#include <vector>

#include "FrameFixture.h"

// A command target the frame consults after itself, as frames consult
// their views and documents.
class CRoutedTarget : public CCmdTarget
{
public:
    int m_nUpdates = 0;

protected:
    afx_msg void OnUpdateRouted(CCmdUI* pCmdUI) { m_nUpdates++; pCmdUI->Enable(FALSE); }
    DECLARE_MESSAGE_MAP()
};

class CTestFrame : public CFrameWnd
{
public:
    // Makes, places and shows a frame from IDR_TESTFRAME.
    static CTestFrame* Make();

    CToolBar m_wndToolBar;
    CStatusBar m_wndStatusBar;
    CDialogBar m_wndDialogBar;
    CWnd m_wndPane;
    CRoutedTarget m_routed;

    // What the update handlers say.
    BOOL m_bBetaEnabled = TRUE;
    int m_nGammaCheck = 0;
    BOOL m_bDeltaRadio = FALSE;
    CString m_strText = "Text";
    BOOL m_bRoutedContinues = FALSE;
    UINT m_nRangeDisabled = 0;

    // What the command handlers saw.
    int m_nAlpha = 0;
    std::vector<UINT> m_commands;
    int m_nComboSelChanges = 0;

    // Opens popup nPopup of the menu bar with the keyboard (selecting its
    // first item) and closes it at the first idle moment that prompts for
    // nID, keeping the prompt shown then (a fail-safe timer closes a menu
    // that never prompts).  The items keep the states the update gave them.
    bool OpenMenu(UINT nID, int nPopup = 0);
    UINT m_nCaptureMenuFor = 0;
    CString m_strPromptWhileOpen;
    UINT MenuState(int nPopup, UINT nID) const { return ::GetMenuState(::GetSubMenu(::GetMenu(m_hWnd), nPopup), nID, MF_BYCOMMAND); }

    UINT IdleFlags() const { return m_nIdleFlags; }
    // A window's rectangle in this frame's client coordinates.
    CRect RectInClient(const CWnd* pWnd) const;
    // Screen points on the main tool bar: a button's centre, the gripper of a docked bar.
    CPoint ButtonCenter(UINT nID) const;
    CPoint GripperPoint(const CControlBar* pBar) const;

    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg void OnEnterIdle(UINT nWhy, CWnd* pWho);
    afx_msg void OnTimer(UINT nIDEvent);
    afx_msg void OnAlpha() { m_nAlpha++; }
    afx_msg void OnCommandRecorded(UINT nID) { m_commands.push_back(nID); }
    afx_msg void OnUpdateBeta(CCmdUI* pCmdUI) { pCmdUI->Enable(m_bBetaEnabled); }
    afx_msg void OnUpdateGamma(CCmdUI* pCmdUI) { pCmdUI->SetCheck(m_nGammaCheck); }
    afx_msg void OnUpdateDelta(CCmdUI* pCmdUI) { pCmdUI->SetRadio(m_bDeltaRadio); }
    afx_msg void OnUpdateText(CCmdUI* pCmdUI) { pCmdUI->SetText(m_strText); }
    afx_msg void OnUpdateRouted(CCmdUI* pCmdUI) { if (m_bRoutedContinues) pCmdUI->ContinueRouting(); }
    afx_msg void OnUpdateRange(CCmdUI* pCmdUI) { pCmdUI->Enable(pCmdUI->m_nID != m_nRangeDisabled); }
    afx_msg void OnComboSelChange() { m_nComboSelChanges++; }
    DECLARE_MESSAGE_MAP()
};

// Owns a test frame: destroys it (the frame deletes itself) at scope end.
class FrameHolder
{
public:
    FrameHolder() : m_pFrame(CTestFrame::Make()) {}
    ~FrameHolder();
    FrameHolder(const FrameHolder&) = delete;
    FrameHolder& operator=(const FrameHolder&) = delete;
    CTestFrame* operator->() const { return m_pFrame; }
    CTestFrame* get() const { return m_pFrame; }

private:
    CTestFrame* m_pFrame;
};

// Input queued for a nested loop (a drag, a menu) that runs when the
// queue is pumped; nothing is pumped here.
void QueueMouseButton(bool down);
void QueueKeys(std::vector<WORD> vks);   // each pressed and released in turn
// Presses at from, moves to to (through the middle) and releases, with
// Ctrl held when asked, then pumps.
void DragMouse(CPoint from, CPoint to, bool ctrl = false);
// A pane's text as the common status window shows it.
CString ShownPaneText(CStatusBar& bar, int nIndex);

// Readable geometry in assertion failures.
inline void PrintTo(const CRect& rect, std::ostream* os)
{
    *os << "(" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom << ")";
}

inline void PrintTo(const CPoint& point, std::ostream* os)
{
    *os << "(" << point.x << ", " << point.y << ")";
}
