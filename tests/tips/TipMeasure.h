// Measurements of tooltip text and ink, shared by the tooltip and dialog suites.
#pragma once

#include <algorithm>
#include <string>

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
    std::string rest = text;
    for (;;)
    {
        const size_t end = rest.find('\n');
        const std::string line = rest.substr(0, end);
        SIZE extent = {0, 0};
        ::GetTextExtentPoint32A(dc, line.c_str(), static_cast<int>(line.size()), &extent);
        block.cx = std::max<LONG>(block.cx, extent.cx);
        block.cy += tm.tmHeight;
        if (end == std::string::npos)
            break;
        rest = rest.substr(end + 1);
    }
    return block;
}

// The tip's face is pale (green 255) and its frame lies in the outer two
// pixels; text in a dark or saturated colour is well below this.
const int kInkGreenBelow = 160;

struct InkCount
{
    int inside = 0;     // within the text margins
    int outside = 0;    // between the frame and the margins
};

// Counts text-coloured pixels of a tip's capture inside and outside its margins.
inline InkCount CountInk(const vt::Capture& shot, int cxMargin, int cyMargin)
{
    InkCount ink;
    for (int y = 2; y < shot.height() - 2; y++)
    {
        for (int x = 2; x < shot.width() - 2; x++)
        {
            if (GetGValue(shot.At(x, y)) >= kInkGreenBelow)
                continue;
            const bool inside = x >= cxMargin && y >= cyMargin &&
                                x < shot.width() - cxMargin && y < shot.height() - cyMargin;
            (inside ? ink.inside : ink.outside)++;
        }
    }
    return ink;
}

} // namespace tips_test
