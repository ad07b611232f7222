// A frame as an application builds it with the library's bars: a floating
// bar holding a child window, docked left, and a status bar with the
// lock-key indicators; with helpers for real mouse input on them.
#pragma once

#include "support/harness.h"
#include "bars/VeluBars.h"

#include <afxpriv.h>

const UINT kFloatBarId = 0xE900;
const UINT kFloatBarChildId = 101;

// A floating bar as applications derive it: its child fills the working area.
class CWorkspaceBar : public CCoolFloatBar
{
public:
    CWnd m_wndList;

protected:
    afx_msg void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()
};

class CCoolBarsFrame : public CFrameWnd
{
public:
    static const CRect kFrameRect;
    // Makes and shows a frame; NULL when it cannot be made.
    static CCoolBarsFrame* Make();

    CWorkspaceBar m_wndFloatBar;
    CCoolStatusBar m_wndStatusBar;
    CWnd m_wndPane;

    // Docks the floating bar on a side and lays the frame out at once.
    void DockFloatBar(UINT nDockBarID);
    // The frame's idle work (delayed layout, command-UI updates) now.
    void RunIdle();

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    DECLARE_MESSAGE_MAP()
};

// Owns a frame and destroys it (the frame deletes itself) at scope end.
class CoolBarsFrameHolder
{
public:
    CoolBarsFrameHolder() : m_pFrame(CCoolBarsFrame::Make()) {}
    ~CoolBarsFrameHolder();
    CoolBarsFrameHolder(const CoolBarsFrameHolder&) = delete;
    CoolBarsFrameHolder& operator=(const CoolBarsFrameHolder&) = delete;
    CCoolBarsFrame* operator->() const { return m_pFrame; }
    CCoolBarsFrame* get() const { return m_pFrame; }

private:
    CCoolBarsFrame* m_pFrame;
};

// Mouse buttons queued for a nested loop (MFC's drag) that runs when the
// queue is pumped; nothing is pumped here.
void QueueButton(bool down);
// A client point of a window on the screen.
CPoint OnScreen(const CWnd* pWnd, CPoint client);
CRect WindowRectOf(const CWnd* pWnd);
