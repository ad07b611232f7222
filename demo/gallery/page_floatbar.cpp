// page_floatbar.cpp - gallery page of a frame with the floating bar and the status bar, every state reached by real input.
#include "gallery.h"

#include "bars/VeluBars.h"

#include <afxpriv.h>

namespace {

const CRect kFrameRect(40, 40, 40 + 600, 40 + 420);
const UINT kFloatBarId = 0xE900;
const int kEnlarge = 3;

void SendKey(WORD vk)
{
    INPUT in[2] = {};
    for (int i = 0; i < 2; ++i)
    {
        in[i].type = INPUT_KEYBOARD;
        in[i].ki.wVk = vk;
        in[i].ki.dwFlags = i == 1 ? KEYEVENTF_KEYUP : 0;
    }
    ::SendInput(2, in, sizeof(INPUT));
}

// Messages, then the idle updates the application's loop would run.
void Settle(DWORD ms = 60)
{
    gallery::Pump(ms);
    CWinThread* thread = AfxGetThread();
    for (LONG count = 0; thread != NULL && thread->OnIdle(count); ++count)
        ;
    gallery::Pump(30);
}

void MoveTo(const CWnd& wnd, CPoint client)
{
    wnd.ClientToScreen(&client);
    ::SetCursorPos(client.x, client.y);
    Settle();
}

// A window with its frame, read from its window DC.
gallery::Image WholeWindow(const CWnd& wnd)
{
    CRect rect;
    wnd.GetWindowRect(&rect);
    rect.OffsetRect(-rect.left, -rect.top);
    HDC dc = ::GetWindowDC(wnd.m_hWnd);
    gallery::Image image = gallery::Image::FromDC(dc, rect);
    ::ReleaseDC(wnd.m_hWnd, dc);
    return image;
}

// A part of a child window's client area.
gallery::Image Crop(const CWnd& wnd, const CRect& rect)
{
    HDC dc = ::GetDC(wnd.m_hWnd);
    gallery::Image image = gallery::Image::FromDC(dc, rect);
    ::ReleaseDC(wnd.m_hWnd, dc);
    return image;
}

// The floating bar as applications derive it: a list fills its working area.
class CWorkspaceBar : public CCoolFloatBar
{
public:
    CListBox m_wndList;

protected:
    afx_msg void OnSize(UINT nType, int cx, int cy)
    {
        CCoolFloatBar::OnSize(nType, cx, cy);
        CRect rcWork;
        GetWorkingRect(&rcWork);
        if (m_wndList.m_hWnd != NULL)
            m_wndList.MoveWindow(&rcWork);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CWorkspaceBar, CCoolFloatBar)
    ON_WM_SIZE()
END_MESSAGE_MAP()

class CBarsFrame : public CFrameWnd
{
public:
    CWorkspaceBar m_wndFloatBar;
    CCoolStatusBar m_wndStatusBar;
    CWnd m_wndPane;
    HICON m_hIconInfo = NULL;
    HICON m_hIconWarn = NULL;

    virtual ~CBarsFrame()
    {
        if (m_hIconInfo != NULL)
            ::DestroyIcon(m_hIconInfo);
        if (m_hIconWarn != NULL)
            ::DestroyIcon(m_hIconWarn);
    }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs)
    {
        if (CFrameWnd::OnCreate(lpcs) == -1)
            return -1;
        static const UINT indicators[] = {ID_SEPARATOR, ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM,
                                          ID_INDICATOR_SCRL};
        if (!m_wndStatusBar.Create(this) || !m_wndStatusBar.SetIndicators(indicators, 5))
            return -1;
        m_wndStatusBar.SetPaneText(0, "Ready");
        m_wndStatusBar.SetPaneInfo(1, ID_SEPARATOR, SBPS_NORMAL, 0);   // as wide as its icon
        m_hIconInfo = (HICON)::LoadImageA(NULL, MAKEINTRESOURCEA(32516), IMAGE_ICON, 16, 16, 0);   // information
        m_hIconWarn = (HICON)::LoadImageA(NULL, MAKEINTRESOURCEA(32515), IMAGE_ICON, 16, 16, 0);   // warning
        m_wndStatusBar.SetPaneIcon(0, m_hIconInfo);
        m_wndStatusBar.SetPaneIcon(1, m_hIconWarn);

        if (!m_wndFloatBar.Create(this, kFloatBarId, _T("Workspace"), CSize(0, 0)))
            return -1;
        m_wndFloatBar.SetBarStyle(m_wndFloatBar.GetBarStyle() | CBRS_SIZE_DYNAMIC);
        m_wndFloatBar.SetMinWidthHeight(80, 60);
        m_wndFloatBar.m_wndList.Create(WS_CHILD | WS_VISIBLE | LBS_NOINTEGRALHEIGHT, CRect(0, 0, 0, 0), &m_wndFloatBar, 1);
        static const char* const kItems[] = {"Solution", "  Sources", "    frame.cpp", "    bars.cpp", "  Resources", "  Tests"};
        for (const char* item : kItems)
            m_wndFloatBar.m_wndList.AddString(item);
        m_wndPane.Create(NULL, NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, AFX_IDW_PANE_FIRST);
        m_wndFloatBar.EnableDocking(CBRS_ALIGN_ANY);
        EnableDocking(CBRS_ALIGN_ANY);
        DockControlBar(&m_wndFloatBar, AFX_IDW_DOCKBAR_LEFT);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBarsFrame, CFrameWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

CBarsFrame* MakeFrame()
{
    CBarsFrame* frame = new CBarsFrame;
    if (!frame->Create(NULL, _T("Frame with cool bars"), WS_OVERLAPPEDWINDOW, kFrameRect))
        return NULL;
    frame->ShowWindow(SW_SHOW);
    ::SetForegroundWindow(frame->m_hWnd);
    Settle(100);
    return frame;
}

void Dock(CBarsFrame& frame, UINT nDockBarID)
{
    frame.DockControlBar(&frame.m_wndFloatBar, nDockBarID);
    frame.RecalcLayout();
    Settle();
}

CRect ButtonRect(CCoolFloatBar& bar, int code)
{
    CRect rcFloat, rcClose;
    bar.GetDockedButtonsRect(&rcFloat, &rcClose);
    return code == kFloatBarHitFloat ? rcFloat : rcClose;
}

void AddFloatBar(gallery::PageWriter& page, CBarsFrame& frame)
{
    CWorkspaceBar& bar = frame.m_wndFloatBar;
    page.Heading("Floating and dockable bar");
    page.Add("left", "Docked left: frame, caption band with the title, close and float glyphs", WholeWindow(frame));

    // Hot glyphs: the mouse rests on each button of the left-docked bar.
    CRect client;
    bar.GetClientRect(&client);
    const CRect band(client.right - 64, 0, client.right, 28);
    for (int code : {kFloatBarHitFloat, kFloatBarHitClose})
    {
        MoveTo(bar, CPoint(client.left + 30, 12));
        MoveTo(bar, ButtonRect(bar, code).CenterPoint());
        page.Add(code == kFloatBarHitFloat ? "hot-float" : "hot-close",
                 code == kFloatBarHitFloat ? "Mouse on the float button: hot glyph and frame"
                                           : "Mouse on the close button: hot glyph and frame",
                 Crop(bar, band), kEnlarge);
    }

    // The edge drag: pressed on the right edge, moved 80 pixels.
    const CPoint edge(client.right - 3, client.Height() / 2);
    MoveTo(bar, edge);
    gallery::SendMouse(MOUSEEVENTF_LEFTDOWN);
    Settle();
    MoveTo(bar, edge + CSize(80, 0));
    page.Add("edge-drag", "Dragging the inner edge: the inverted halftone drag bar follows the mouse",
             WholeWindow(frame));
    gallery::SendMouse(MOUSEEVENTF_LEFTUP);
    Settle();
    page.Add("resized", "Released: the bar is 80 pixels wider", WholeWindow(frame));

    Dock(frame, AFX_IDW_DOCKBAR_TOP);
    page.Add("top", "Docked top: caption band at the left, close above float, no title", WholeWindow(frame));

    // The float button floats it, by a real click.
    MoveTo(bar, CPoint(10, 4));
    MoveTo(bar, ButtonRect(bar, kFloatBarHitFloat).CenterPoint());
    gallery::SendMouse(MOUSEEVENTF_LEFTDOWN);
    gallery::SendMouse(MOUSEEVENTF_LEFTUP);
    Settle(100);
    if (bar.IsFloating())
        page.Add("floating", "Floating after a click on the float button: no caption band, nothing hot",
                 WholeWindow(*bar.GetDockingFrame()));
    else
        page.Note("The float button did not float the bar.");
    Dock(frame, AFX_IDW_DOCKBAR_LEFT);
}

void AddStatusBar(gallery::PageWriter& page, CBarsFrame& frame)
{
    CCoolStatusBar& bar = frame.m_wndStatusBar;
    page.Heading("Status bar");
    ::SetCursorPos(::GetSystemMetrics(SM_CXSCREEN) - 2, ::GetSystemMetrics(SM_CYSCREEN) - 2);
    const bool capsWasOn = (::GetKeyState(VK_CAPITAL) & 1) != 0;
    if (capsWasOn)
    {
        SendKey(VK_CAPITAL);
        Settle();
    }
    page.Add("status", "Icons in the stretching first pane and in a pane of its own, lock panes off (gray), separators, grip",
             gallery::Image::FromWindow(bar.m_hWnd), 2);
    SendKey(VK_CAPITAL);
    Settle();
    page.Add("status-caps", "Caps Lock pressed: CAP in the text colour", gallery::Image::FromWindow(bar.m_hWnd), 2);
    if (!capsWasOn)
    {
        SendKey(VK_CAPITAL);
        Settle();
    }

    frame.ShowWindow(SW_MAXIMIZE);
    Settle(100);
    CRect rect;
    bar.GetClientRect(&rect);
    page.Add("status-maximised", "Maximised frame: panes up to the right edge, no grip",
             Crop(bar, CRect(rect.right - 200, 0, rect.right, rect.bottom)), 2);
    frame.ShowWindow(SW_RESTORE);
    Settle();
}

void RenderFloatBarPage(gallery::PageWriter& page)
{
    CBarsFrame* frame = MakeFrame();
    if (frame == NULL)
    {
        page.Note("The frame could not be created.");
        return;
    }
    AddFloatBar(page, *frame);
    AddStatusBar(page, *frame);
    frame->DestroyWindow();
    gallery::Pump(50);
}

}  // namespace

GALLERY_PAGE("floatbar", "Floating bar and status bar in a frame", 75, RenderFloatBarPage);
