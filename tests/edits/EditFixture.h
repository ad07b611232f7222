// Shared fixture pieces of the edit suites: a host window with one flat or masked edit in it.
#pragma once

#include <string>
#include "support/harness.h"
#include "edits/VeluEdits.h"

namespace edits_test {

const UINT kEditId = 100;
const CRect kEditRect(10, 10, 210, 34);

// Creates a borderless single-line edit in the host, using the host's GUI font.
inline BOOL CreateEdit(CEdit& edit, CWnd& host, DWORD extraStyle = 0)
{
    DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL | extraStyle;
    if (!edit.Create(style, kEditRect, &host, kEditId))
        return FALSE;
    edit.SendMessage(WM_SETFONT, (WPARAM)::GetStockObject(DEFAULT_GUI_FONT), TRUE);
    return TRUE;
}

inline std::string TextOf(CWnd& wnd)
{
    char buffer[256] = "";
    ::GetWindowTextA(wnd.m_hWnd, buffer, sizeof(buffer));
    return buffer;
}

inline CPoint SelectionOf(CEdit& edit)
{
    int start = -1, end = -1;
    edit.GetSel(start, end);
    return CPoint(start, end);
}

// Paints whatever is invalid now and lets the resulting messages through.
inline void PaintNow(CWnd& wnd)
{
    wnd.Invalidate(TRUE);
    wnd.UpdateWindow();
    vt::PumpPending();
}

// Brings the host to the front and gives the keyboard focus to wnd.
inline bool FocusOn(CWnd& host, CWnd& wnd)
{
    vt::Activate(host.m_hWnd);
    ::SetFocus(wnd.m_hWnd);
    return vt::PumpUntil([&] { return ::GetFocus() == wnd.m_hWnd; }, 2000);
}

// Lets every key and mouse message that real input queued be read and handled, including
// the characters translated from the keys.
inline void DrainInput()
{
    vt::PumpUntil([] { return HIWORD(::GetQueueStatus(QS_KEY | QS_MOUSE)) == 0; }, 1500);
    vt::PumpPending();
}

inline void Type(const char* text)
{
    vt::TypeText(text);
    DrainInput();
}

inline void Press(WORD vk)
{
    vt::KeyPress(vk);
    DrainInput();
}

} // namespace edits_test
