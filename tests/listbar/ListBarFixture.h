// Shared pieces of the button list bar suite: a host with one bar, real mouse input on bar points, and measurements.
#pragma once

#include <string>

#include "support/harness.h"
#include "listbar/VeluListBar.h"

namespace lbtest {

const UINT kBarId = 1200;
const COLORREF kBarColour = RGB(40, 160, 90);   // no system colour uses it
const CRect kTallBar(10, 10, 110, 230);          // vertical: three groups of five overflow it

// The bar's text height, as it measures it: the shared font's height and its internal leading.
inline int TextHeight()
{
    vt::MemoryCanvas canvas(8, 8);
    vt::SelectGuard font(canvas, g_fontShared10.GetSafeHandle());
    TEXTMETRICA tm;
    ::GetTextMetricsA(canvas, &tm);
    return tm.tmHeight + tm.tmInternalLeading;
}

// Parks the cursor before the host appears, so no stale move reaches a new bar.
struct CursorParked { CursorParked() { vt::ParkCursor(); } };

// A host with one bar of class Bar (the list bar, or one derived from it).
template <class Bar>
class ListBarTestOf : public ::testing::Test
{
protected:
    CursorParked parked;
    vt::HostWnd host{320, 240};
    Bar bar;
    CRect rect;
    bool vertical = false;

    // Creates the bar (again) at rc of the host in a colour of its own; fills it with perGroup buttons
    // in each of "Mail" (buttons 0, 3, 6 ...), "Notes" (1, 4, 7 ...) and "Tasks" (2, 5, 8 ...).
    bool Make(const CRect& rc, int orientation, int perGroup = 0)
    {
        if (bar.m_hWnd != NULL)
            bar.DestroyWindow();
        bar.Clear();
        rect = rc;
        vertical = orientation != kListHorizontal;
        bar.SetVirticalOrHorizontal(orientation, FALSE);
        bar.SetBkColor(kBarColour, FALSE);
        if (!bar.Create(WS_CHILD | WS_VISIBLE, rc, &host, kBarId))
            return false;
        static const char* const kGroups[] = {"Mail", "Notes", "Tasks"};
        for (int i = 0; i < 3 * perGroup; ++i)
            bar.AddButton(kGroups[i % 3], i % kButtonListGlyphCount, ("Item " + std::to_string(i)).c_str(), NULL, 0);
        Settle();
        return true;
    }

    void Settle() { vt::PaintNow(host.m_hWnd); }
    vt::Capture Shot() { Settle(); return vt::Capture::FromWindow(bar.m_hWnd); }

    CPoint Screen(CPoint barClient) const { return host.ToScreen(barClient + rect.TopLeft()); }
    void MoveTo(CPoint barClient) { vt::MoveCursor(Screen(barClient)); }
    void ClickAt(CPoint barClient) { vt::Click(Screen(barClient)); }

    CRect Item(int position) const { CRect rc; bar.GetItemRect(position, &rc); return rc; }
    CRect Group(int group) const { CRect rc; bar.GetGroupButtonRect(group, &rc); return rc; }
    CRect Groups() const { CRect rc; bar.GetGroupsRect(&rc); return rc; }
    // The middle of an arrow band: the leading one after the groups area, the trailing one at the far end.
    CPoint ArrowPoint(int arrow) const
    {
        CRect client;
        bar.GetClientRect(&client);
        const int half = kListArrowBand / 2;
        const bool leading = arrow == kListLeadingArrow;
        if (vertical)
            return CPoint(client.right / 2, leading ? Groups().bottom + half : client.bottom - half);
        return CPoint(leading ? Groups().right + half : client.right - half, client.bottom / 2);
    }

    // The positions the owner was told were clicked, in order.
    std::vector<LPARAM> Clicked() const
    {
        std::vector<LPARAM> indices;
        for (const vt::HostWnd::Msg& m : host.received())
            if (m.message == kListClickMessage && m.wParam == kListClickWParam)
                indices.push_back(m.lParam);
        return indices;
    }

    void TearDown() override { vt::MouseUp(); ::ReleaseCapture(); vt::ParkCursor(); }
};
typedef ListBarTestOf<CButtonListBar> ListBarTest;

}  // namespace lbtest
