// Shared pieces of the edit suites: hosts with edits in them, typing, reference renderings and pixel checks.
#pragma once

#include <stdio.h>
#include <functional>
#include <string>
#include "support/harness.h"
#include "edits/VeluEdits.h"
#include "skin/VeluSkin.h"

namespace edits_test {

using vt::BoundsOf;
using vt::CountColour;

const UINT kEditId = 100;
const char kExampleText[] = "2014-05-06 08:03:09";   // the masked edit's own example
const CRect kEditRect(10, 10, 210, 34);

// Creates a borderless single-line edit in the host with the GUI font; each
// further row sits below the previous one so that boxes never overlap.
inline BOOL CreateEdit(CEdit& edit, CWnd& host, int row = 0)
{
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL;
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

// Lets every key and mouse message that real input queued be read and
// handled, the characters translated from the keys included.
inline void DrainInput()
{
    vt::PumpUntil([] { return HIWORD(::GetQueueStatus(QS_KEY | QS_MOUSE)) == 0; }, 1500);
    vt::PumpPending();
}

inline void Type(const char* text) { vt::TypeText(text); DrainInput(); }
inline void Press(WORD vk) { vt::KeyPress(vk); DrainInput(); }

// Pixels of area (in shot's coordinates) that differ from expected, which
// holds area's picture at expectedOrigin.
inline int Differences(const vt::Capture& shot, const CRect& area, const vt::Capture& expected,
                       CPoint expectedOrigin = CPoint(0, 0))
{
    int n = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            n += shot.At(x, y) != expected.At(x - area.left + expectedOrigin.x, y - area.top + expectedOrigin.y);
    return n;
}

// Text drawn with hFont (none: the DC's own font) in rect of a width x height
// canvas of background colour, as a control would draw it.
inline vt::Capture RenderText(int width, int height, COLORREF background, HFONT hFont, const char* text,
                              CRect rect, UINT format, COLORREF colour, bool italic = false)
{
    vt::MemoryCanvas canvas(width, height, background);
    LOGFONTA lf = {};
    ::GetObjectA(hFont != NULL ? (HGDIOBJ)hFont : ::GetStockObject(SYSTEM_FONT), sizeof(lf), &lf);
    lf.lfItalic = (BYTE)italic;
    vt::GdiObject font(hFont != NULL || italic ? ::CreateFontIndirectA(&lf) : NULL);
    vt::SelectGuard select(canvas, font.get() != NULL ? font.get() : ::GetCurrentObject(canvas, OBJ_FONT));
    ::SetTextColor(canvas, colour);
    ::SetBkMode(canvas, TRANSPARENT);
    ::DrawTextA(canvas, text, -1, &rect, format);
    return canvas.Snapshot();
}

// The flat frame of a size box: the edge colour on the outermost pixels all
// round, the band colour on the ring inside them.
inline void ExpectFlatFrame(const vt::Capture& shot, CSize s, COLORREF edge, COLORREF band)
{
    for (int i = 0; i <= 4; ++i) {
        const int x = i * (s.cx - 1) / 4, y = i * (s.cy - 1) / 4;
        for (CPoint p : {CPoint(x, 0), CPoint(x, s.cy - 1), CPoint(0, y), CPoint(s.cx - 1, y)})
            EXPECT_PIXEL(shot, p.x, p.y, edge);
    }
    for (CPoint p : {CPoint(1, s.cy / 2), CPoint(s.cx - 2, s.cy / 2), CPoint(s.cx / 2, 1), CPoint(s.cx / 2, s.cy - 2), CPoint(1, 1)})
        EXPECT_PIXEL(shot, p.x, p.y, band);
}

// Puts brush in the window class's background for the lifetime of the object:
// the flat frames paint their bands with it.
class ClassBrush
{
public:
    ClassBrush(HWND hwnd, COLORREF colour)
        : m_hwnd(hwnd), m_brush(::CreateSolidBrush(colour)),
          m_old(::SetClassLongPtrA(hwnd, GCLP_HBRBACKGROUND, (LONG_PTR)m_brush.get())) {}
    ~ClassBrush() { ::SetClassLongPtrA(m_hwnd, GCLP_HBRBACKGROUND, m_old); }

private:
    HWND m_hwnd;
    vt::GdiObject m_brush;
    LONG_PTR m_old;
};

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
