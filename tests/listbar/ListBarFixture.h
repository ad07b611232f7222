// Shared pieces of the button list bar suite: a host with one bar, real mouse input on bar points, and measurements.
#pragma once

#include <string>

#include "support/harness.h"
#include "listbar/VeluListBar.h"

namespace lbtest {

const UINT kBarId = 1200;
const COLORREF kBarColour = RGB(40, 160, 90);   // no system colour uses it

// Measured as the bar measures: the shared 10-point font in a screen-compatible DC.
inline int TextHeight()
{
    vt::MemoryCanvas canvas(8, 8);
    vt::SelectGuard font(canvas.dc(), g_fontShared10.GetSafeHandle());
    TEXTMETRICA tm;
    ::GetTextMetricsA(canvas.dc(), &tm);
    return tm.tmHeight + tm.tmInternalLeading;
}

inline int TextWidth(const char* text)
{
    vt::MemoryCanvas canvas(8, 8);
    vt::SelectGuard font(canvas.dc(), g_fontShared10.GetSafeHandle());
    SIZE size = {};
    ::GetTextExtentPoint32A(canvas.dc(), text, lstrlenA(text), &size);
    return size.cx;
}

inline CRect RectOf(const RECT& rc) { return CRect(rc); }

// Parks the cursor before the host appears, so no stale move reaches a new bar.
struct CursorParked
{
    CursorParked() { vt::ParkCursor(); }
};

class ListBarTest : public ::testing::Test
{
protected:
    CursorParked parked;
    vt::HostWnd host{320, 240};
    CButtonListBar bar;
    CRect rect;

    // Creates the bar at rc of the host with the given orientation, in a colour of its own.
    bool Make(const CRect& rc, int orientation)
    {
        rect = rc;
        verticalBar = orientation != kListHorizontal;
        bar.SetVirticalOrHorizontal(orientation, FALSE);
        bar.SetBkColor(kBarColour, FALSE);
        if (!bar.Create(WS_CHILD | WS_VISIBLE, rc, &host, kBarId))
            return false;
        Settle();
        return true;
    }

    // Three groups: "Mail" holds buttons 0, 3, 6 ..., "Notes" 1, 4, 7 ..., "Tasks" 2, 5, 8 ...
    void Fill(int perGroup)
    {
        static const char* const kGroups[] = {"Mail", "Notes", "Tasks"};
        for (int i = 0; i < 3 * perGroup; ++i) {
            const std::string caption = "Item " + std::to_string(i);
            bar.AddButton(kGroups[i % 3], i % kButtonListGlyphCount, caption.c_str(), NULL, 100 + i);
        }
    }

    void Settle()
    {
        ::RedrawWindow(host.m_hWnd, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        vt::PumpPending();
    }

    CPoint Screen(CPoint barClient) const { return host.ToScreen(barClient + rect.TopLeft()); }
    CPoint Centre(const RECT& rc) const { return CRect(rc).CenterPoint(); }
    void MoveTo(CPoint barClient) { vt::MoveCursor(Screen(barClient)); }
    void ClickAt(CPoint barClient) { vt::Click(Screen(barClient)); }

    CRect Item(int position) const
    {
        RECT rc;
        bar.GetItemRect(position, &rc);
        return rc;
    }
    CRect Group(int group) const
    {
        RECT rc;
        bar.GetGroupButtonRect(group, &rc);
        return rc;
    }
    // The middle of an arrow band: the leading one after the groups area, the trailing one at the far end.
    CPoint ArrowPoint(int arrow) const
    {
        RECT groups, client;
        bar.GetGroupsRect(&groups);
        bar.GetClientRect(&client);
        const bool vertical = verticalBar;
        if (arrow == kListLeadingArrow)
            return vertical ? CPoint(client.right / 2, groups.bottom + kListArrowBand / 2)
                            : CPoint(groups.right + kListArrowBand / 2, client.bottom / 2);
        return vertical ? CPoint(client.right / 2, client.bottom - kListArrowBand / 2)
                        : CPoint(client.right - kListArrowBand / 2, client.bottom / 2);
    }

    vt::Capture Shot()
    {
        Settle();
        return vt::Capture::FromWindow(bar.m_hWnd);
    }
    int Clicks() const { return host.CountReceived(kListClickMessage); }

    void TearDown() override
    {
        vt::MouseUp();
        ::ReleaseCapture();
        vt::ParkCursor();
    }

    bool verticalBar = true;
};

}  // namespace lbtest
