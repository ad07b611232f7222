// Shared pieces of the display-control suites: pixel searches, reference renderings and a leak walk.
#pragma once

#include <functional>
#include "EditFixture.h"
#include "skin/VeluSkin.h"

namespace edits_test {

// A font with crisp (not smoothed) glyphs, so that text drawn twice over itself looks the same.
inline HFONT MakeCrispFont()
{
    return ::CreateFontA(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                         CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, DEFAULT_PITCH, "MS Sans Serif");
}

// Colour counts, bounding boxes and the leak walk are the harness's.
using vt::BoundsOf;
using vt::CountColour;
using vt::LeavesNothingBehind;

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

} // namespace edits_test
