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
    afx_msg void OnUpdateRouted(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()
};

class CTestFrame : public CFrameWnd
{
public:
    // Screen rectangle every test frame starts in.
    static const CRect kFrameRect;
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

    // While m_nCaptureMenuFor is set, the first idle moment of an open menu
    // that prompts for it records the menu's items and the prompt, then
    // closes the menu.
    UINT m_nCaptureMenuFor = 0;
    int m_nCapturePopup = 0;
    bool m_bMenuCaptured = false;
    CString m_strPromptWhileOpen;
    std::vector<UINT> m_menuStates;
    std::vector<CString> m_menuTexts;
    std::vector<UINT> m_menuTypes;

    // Captures popup nPopup of the next open menu once it prompts for nID
    // (the menu is closed after a few seconds in any case).
    void ArmMenuCapture(UINT nID, int nPopup = 0);
    // Opens popup nPopup of the menu bar with the keyboard, selecting its
    // first item, then pumps until the menu closes.
    void OpenMenuAndCapture(UINT nID, int nPopup = 0);

    UINT IdleFlags() const { return m_nIdleFlags; }
    // A window's rectangle in this frame's client coordinates.
    CRect RectInClient(const CWnd* pWnd) const;
    // Screen points on the main tool bar.
    CPoint ButtonCenter(UINT nID) const;
    CPoint GripperPoint(const CControlBar* pBar) const;

    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg void OnEnterIdle(UINT nWhy, CWnd* pWho);
    afx_msg void OnTimer(UINT nIDEvent);
    afx_msg void OnAlpha();
    afx_msg void OnCommandRecorded(UINT nID);
    afx_msg void OnUpdateBeta(CCmdUI* pCmdUI);
    afx_msg void OnUpdateGamma(CCmdUI* pCmdUI);
    afx_msg void OnUpdateDelta(CCmdUI* pCmdUI);
    afx_msg void OnUpdateText(CCmdUI* pCmdUI);
    afx_msg void OnUpdateRouted(CCmdUI* pCmdUI);
    afx_msg void OnUpdateRange(CCmdUI* pCmdUI);
    afx_msg void OnComboSelChange();
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
void QueueMouseMove(CPoint screen);
void QueueMouseButton(bool down);
void QueueKey(WORD vk, bool up);
// Presses at from, moves to to (through the middle) and releases, with
// Ctrl held when asked, then pumps.
void DragMouse(CPoint from, CPoint to, bool ctrl = false);
// The tool bar's text as the common status window shows it.
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
