// page_split.cpp - gallery page of the split bars: at rest, hovered, while dragging and after a stopped drag.
#include "gallery.h"

#include "panes/VeluPanes.h"

#include <functional>
#include <vector>

namespace {

const CPoint kStageOrigin(60, 60);
const CSize kStageSize(300, 150);
const UINT kBarId = 10, kBeforeId = 11, kAfterId = 12;
const int kEnlarge = 2;

// Plays steps one per timer tick; a tick only comes when no input waits, so
// each step's input has been handled (inside the bar's drag loop while it
// runs) before the next step acts.
class Script
{
public:
    explicit Script(std::vector<std::function<void()>> steps) : m_steps(std::move(steps)) {}

    void Play()
    {
        s_playing = this;
        const UINT_PTR timer = ::SetTimer(NULL, 0, 1, Tick);
        gallery::Pump(3000, [this] { return m_next == m_steps.size() && ::GetCapture() == NULL; });
        ::KillTimer(NULL, timer);
    }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        if (s_playing->m_next < s_playing->m_steps.size())
            s_playing->m_steps[s_playing->m_next++]();
    }

    static Script* s_playing;
    std::vector<std::function<void()>> m_steps;
    size_t m_next = 0;
};
Script* Script::s_playing = nullptr;

// A dialog-coloured window with two list panes and a bar between them, bound
// to a static control as a dialog would have it.
class SplitStage
{
public:
    explicit SplitStage(bool vertical) : m_vertical(vertical)
    {
        LPCTSTR cls = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(NULL, IDC_ARROW), (HBRUSH)(COLOR_BTNFACE + 1));
        m_wnd.CreateEx(0, cls, _T("split"), WS_POPUP | WS_VISIBLE, kStageOrigin.x, kStageOrigin.y, kStageSize.cx,
                       kStageSize.cy, NULL, NULL);
        const CRect before = vertical ? CRect(10, 10, 129, 140) : CRect(10, 10, 290, 69);
        const CRect bar = vertical ? CRect(130, 10, 135, 140) : CRect(10, 70, 290, 75);
        const CRect after = vertical ? CRect(136, 10, 290, 140) : CRect(10, 76, 290, 140);
        MakePane(kBeforeId, before, vertical ? "Folders" : "Messages");
        MakePane(kAfterId, after, vertical ? "Messages" : "Preview");
        ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_GRAYRECT, bar.left, bar.top, bar.Width(),
                          bar.Height(), m_wnd.m_hWnd, (HMENU)(UINT_PTR)kBarId, NULL, NULL);
        if (vertical)
        {
            m_vbar.BindWithControl(&m_wnd, kBarId);
            m_vbar.AttachAsLeftPane(kBeforeId);
            m_vbar.AttachAsRightPane(kAfterId);
            m_vbar.SetMinWidth(60, 60);
        }
        else
        {
            m_hbar.BindWithControl(&m_wnd, kBarId);
            m_hbar.AttachAsAbovePane(kBeforeId);
            m_hbar.AttachAsBelowPane(kAfterId);
            m_hbar.SetMinHeight(30, 30);
        }
        ::SetForegroundWindow(m_wnd.m_hWnd);
        gallery::Pump(50);
    }
    ~SplitStage()
    {
        if (m_vertical)
            m_vbar.Unbind();
        else
            m_hbar.Unbind();
        m_wnd.DestroyWindow();
        gallery::Pump(20);
    }
    SplitStage(const SplitStage&) = delete;
    SplitStage& operator=(const SplitStage&) = delete;

    // A point on the bar, `along` pixels from its near edge, in screen coordinates.
    CPoint OnBar(int along) const
    {
        CPoint p = m_vertical ? CPoint(132 + along, 75) : CPoint(150, 72 + along);
        m_wnd.ClientToScreen(&p);
        return p;
    }

    gallery::Image Shoot(bool withCursor)
    {
        ::RedrawWindow(m_wnd.m_hWnd, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        gallery::Pump(50);
        return Current(withCursor);
    }

    // The window as it is now, with the cursor drawn in where it rests.
    gallery::Image Current(bool withCursor)
    {
        gallery::Canvas canvas(kStageSize.cx, kStageSize.cy);
        HDC dc = ::GetDC(m_wnd.m_hWnd);
        ::BitBlt(canvas.dc(), 0, 0, kStageSize.cx, kStageSize.cy, dc, 0, 0, SRCCOPY);
        ::ReleaseDC(m_wnd.m_hWnd, dc);
        CURSORINFO info = {sizeof(info)};
        ICONINFO hot = {};
        if (withCursor && ::GetCursorInfo(&info) && info.hCursor != NULL && ::GetIconInfo(info.hCursor, &hot))
        {
            CPoint at = info.ptScreenPos;
            m_wnd.ScreenToClient(&at);
            ::DrawIconEx(canvas.dc(), at.x - (int)hot.xHotspot, at.y - (int)hot.yHotspot, info.hCursor, 0, 0, 0,
                         NULL, DI_NORMAL);
            if (hot.hbmColor != NULL)
                ::DeleteObject(hot.hbmColor);
            if (hot.hbmMask != NULL)
                ::DeleteObject(hot.hbmMask);
        }
        return canvas.Snapshot();
    }

    // Presses on the bar, moves it by `by` and releases; `during` runs with the drag block shown.
    void Drag(int by, const std::function<void()>& during = nullptr)
    {
        std::vector<std::function<void()>> steps = {
            [this] { const CPoint p = OnBar(2); ::SetCursorPos(p.x, p.y); },
            [] { gallery::SendMouse(MOUSEEVENTF_LEFTDOWN); },
            [this, by] { const CPoint p = OnBar(2 + by); ::SetCursorPos(p.x, p.y); },
        };
        if (during)
            steps.push_back(during);
        steps.push_back([] { gallery::SendMouse(MOUSEEVENTF_LEFTUP); });
        Script(steps).Play();
    }

private:
    void MakePane(UINT id, const CRect& rc, const char* title)
    {
        HWND list = ::CreateWindowExA(WS_EX_CLIENTEDGE, "LISTBOX", "", WS_CHILD | WS_VISIBLE | LBS_NOINTEGRALHEIGHT,
                                      rc.left, rc.top, rc.Width(), rc.Height(), m_wnd.m_hWnd,
                                      (HMENU)(UINT_PTR)id, NULL, NULL);
        ::SendMessageA(list, WM_SETFONT, (WPARAM)::GetStockObject(DEFAULT_GUI_FONT), FALSE);
        for (const char* item : {title, "Inbox", "Drafts", "Sent items", "Archive"})
            ::SendMessageA(list, LB_ADDSTRING, 0, (LPARAM)item);
    }

    bool m_vertical;
    CWnd m_wnd;
    CVertSplitWnd m_vbar;
    CHorzSplitWnd m_hbar;
};

void RenderBar(gallery::PageWriter& page, bool vertical)
{
    const char* axis = vertical ? "vertical" : "horizontal";
    const std::string prefix = axis;
    {
        SplitStage stage(vertical);
        gallery::ParkCursor(50);
        page.Add(prefix + "-rest", std::string("A ") + axis + " bar between two panes, at rest", stage.Shoot(false),
                 kEnlarge);
    }
    {
        SplitStage stage(vertical);
        const CPoint p = stage.OnBar(2);
        ::SetCursorPos(p.x, p.y);
        gallery::Pump(100);
        page.Add(prefix + "-hover", "The mouse over the bar: the split cursor (drawn in)", stage.Shoot(true), kEnlarge);
        gallery::ParkCursor(50);
    }
    {
        SplitStage stage(vertical);
        gallery::Image during;
        stage.Drag(40, [&] { during = stage.Current(true); });
        page.Add(prefix + "-dragging", "While dragging: the halftone block follows the mouse", during, kEnlarge);
        gallery::ParkCursor(50);
    }
    {
        SplitStage stage(vertical);
        stage.Drag(-200);
        gallery::ParkCursor(50);
        page.Add(prefix + "-stopped", "After a drag that stopped where the first pane keeps its minimum size",
                 stage.Shoot(false), kEnlarge);
    }
}

void RenderSplitPage(gallery::PageWriter& page)
{
    page.Heading("Vertical split bar");
    RenderBar(page, true);
    page.Heading("Horizontal split bar");
    RenderBar(page, false);
}

}  // namespace

GALLERY_PAGE("split", "Split bars", 65, RenderSplitPage);
