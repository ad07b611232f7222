// Shared fixture pieces of the edit suites: a host window with flat or masked edits in it.
#pragma once

#include <stdio.h>
#include <string>
#include "support/harness.h"
#include "edits/VeluEdits.h"

namespace edits_test {

const UINT kEditId = 100;
const CRect kEditRect(10, 10, 210, 34);

// Creates a borderless single-line edit in the host with the GUI font; each
// further row sits below the previous one so that boxes never overlap.
inline BOOL CreateEdit(CEdit& edit, CWnd& host, DWORD extraStyle = 0, int row = 0)
{
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL | extraStyle;
    if (!edit.Create(style, kEditRect + CPoint(0, row * (kEditRect.Height() + 10)), &host, kEditId + row))
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

// Date and time items in the masked edit's own layout, for comparing all six at once.
inline std::string Stamp(int y, int mo, int d, int h, int mi, int s)
{
    char text[48];
    sprintf(text, "%04d-%02d-%02d %02d:%02d:%02d", y, mo, d, h, mi, s);
    return text;
}

inline std::string ItemsOf(CCoolMaskEdit& edit)
{
    return Stamp(edit.GetYear(), edit.GetMonth(), edit.GetDay(), edit.GetHour(), edit.GetMin(), edit.GetSec());
}

// Paints whatever is invalid now and lets the resulting messages through.
inline void PaintNow(CWnd& wnd) { vt::PaintNow(wnd.m_hWnd); }
// Brings the host to the front and gives the keyboard focus to wnd.
inline bool FocusOn(CWnd&, CWnd& wnd) { return vt::FocusOn(wnd); }

// Lets every key and mouse message that real input queued be read and
// handled, the characters translated from the keys included.
inline void DrainInput()
{
    vt::PumpUntil([] { return HIWORD(::GetQueueStatus(QS_KEY | QS_MOUSE)) == 0; }, 1500);
    vt::PumpPending();
}

inline void Type(const char* text) { vt::TypeText(text); DrainInput(); }
inline void Press(WORD vk) { vt::KeyPress(vk); DrainInput(); }

// A host with one edit of type T in its first row.
template <class T>
class EditTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(CreateEdit(m_edit, m_host)); }

    vt::HostWnd m_host;
    T m_edit;
};

} // namespace edits_test
