// glyphs.h - the glyph strips and the focus pattern.
#ifndef TOOLS_GLYPHS_H
#define TOOLS_GLYPHS_H

#include "raster.h"

#include <vector>

// 13-pixel images on green: close, pin, chevron, up, left, down, right, check.
Raster DrawCtrlBarStrip();
// 15-pixel images on green: folder, document, mail, calendar, contacts, note, chart, gear.
Raster DrawButtonListStrip();
// 8 x 8, true (black) where x + y is even.
std::vector<bool> FocusPattern();

#endif // TOOLS_GLYPHS_H
