// Measurement of tooltip text, shared by the tooltip and dialog suites.
#pragma once

#include <algorithm>
#include <cstring>

#include "support/harness.h"
#include "frame/VeluFrame.h"

namespace tips_test {

// Width of the widest line and height of all lines of text in the tooltip's
// default font, measured line by line in this run.
inline CSize MeasureLines(const char* text)
{
    vt::WindowDC dc(nullptr);
    vt::SelectGuard font(dc, g_fontShared10.GetSafeHandle());
    TEXTMETRICA tm;
    ::GetTextMetricsA(dc, &tm);
    CSize block(0, 0);
    for (const char* line = text; line != nullptr;) {
        const char* end = std::strchr(line, '\n');
        SIZE extent = {0, 0};
        ::GetTextExtentPoint32A(dc, line, end ? int(end - line) : lstrlenA(line), &extent);
        block.cx = std::max<LONG>(block.cx, extent.cx);
        block.cy += tm.tmHeight;
        line = end ? end + 1 : nullptr;
    }
    return block;
}

} // namespace tips_test
