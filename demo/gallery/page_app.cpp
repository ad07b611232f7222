// page_app.cpp - gallery page of the demo application: its main frame and its Controls dialog in
// several states, reached by running the real application (its InitInstance, then its own message
// loop) while a second thread acts as the user with real input and takes the pictures.
#include "gallery.h"

#include "resource.h"

#include <afxres.h>
#include <commctrl.h>

#include <set>
#include <string>
#include <vector>

namespace {

const CRect kFrameRect(40, 40, 40 + 780, 40 + 540);
const COLORREF kDesktop = RGB(58, 110, 165);
const int kMargin = 16;                 // desktop shown around a picture's windows
const DWORD kStepTimeout = 4000;        // longest wait for any one state
const UINT kQueryQueue = WM_APP + 1;    // asks the probe what waits in the loop's queue

// ---------------------------------------------------------------- the loop's queue

// A message-only window of the application's thread. The driver asks it what
// waits in the thread's queue: a sent message is answered inside the loop's
// GetMessage, so an empty answer means the loop has handled every posted
// message, input and paint so far.
class QueueProbe
{
public:
    QueueProbe()
    {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = Proc;
        wc.hInstance = ::GetModuleHandle(NULL);
        wc.lpszClassName = "VeluGalleryQueueProbe";
        ::RegisterClassA(&wc);
        m_hWnd = ::CreateWindowExA(0, wc.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, NULL, wc.hInstance, NULL);
    }
    ~QueueProbe() { ::DestroyWindow(m_hWnd); }
    QueueProbe(const QueueProbe&) = delete;
    QueueProbe& operator=(const QueueProbe&) = delete;

    // From another thread: TRUE when nothing waits in the loop's queue.
    bool IsQuiet() const
    {
        DWORD_PTR status = 0;
        if (!::SendMessageTimeoutA(m_hWnd, kQueryQueue, 0, 0, SMTO_NORMAL, 1000, &status))
            return false;
        return HIWORD(status) == 0;
    }

private:
    static LRESULT CALLBACK Proc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == kQueryQueue)
            return ::GetQueueStatus(QS_ALLINPUT);
        return ::DefWindowProcA(hWnd, message, wParam, lParam);
    }

    HWND m_hWnd;
};

// ---------------------------------------------------------------- windows of the process

bool IsOurs(HWND hWnd)
{
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hWnd, &pid);
    return pid == ::GetCurrentProcessId();
}

BOOL CALLBACK CollectVisible(HWND hWnd, LPARAM lParam)
{
    if (IsOurs(hWnd) && ::IsWindowVisible(hWnd))
        reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hWnd);
    return TRUE;
}

// Visible top-level windows of this process, topmost first.
std::vector<HWND> VisibleWindows()
{
    std::vector<HWND> windows;
    ::EnumWindows(CollectVisible, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

struct ChildSearch
{
    UINT nID;
    const char* className;
    HWND found;
};

BOOL CALLBACK MatchChild(HWND hWnd, LPARAM lParam)
{
    ChildSearch* search = reinterpret_cast<ChildSearch*>(lParam);
    char name[64] = "";
    ::GetClassNameA(hWnd, name, sizeof(name));
    const bool idMatches = search->nID == 0 || UINT(::GetDlgCtrlID(hWnd)) == search->nID;
    const bool classMatches = search->className == nullptr || lstrcmpiA(name, search->className) == 0;
    if (idMatches && classMatches && ::IsWindowVisible(hWnd))
    {
        search->found = hWnd;
        return FALSE;
    }
    return TRUE;
}

// A visible descendant of hParent with that id (0: any) and class (NULL: any).
HWND FindChild(HWND hParent, UINT nID, const char* className = nullptr)
{
    ChildSearch search = {nID, className, NULL};
    ::EnumChildWindows(hParent, MatchChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

CRect WindowRect(HWND hWnd)
{
    CRect rect;
    ::GetWindowRect(hWnd, &rect);
    return rect;
}

// ---------------------------------------------------------------- the user

// Acts on the application from its own thread: real input, waits for the
// states the input leads to, and pictures of the screen as it stands.
class Driver
{
public:
    Driver(gallery::PageWriter& page, const QueueProbe& probe, HWND hFrame)
        : m_page(page), m_probe(probe), m_hFrame(hFrame)
    {
    }

    void Run();

private:
    // Waiting
    bool WaitFor(const std::function<bool()>& done, DWORD timeout = kStepTimeout);
    void Settle();
    HWND WaitForNewWindow(const std::vector<HWND>& before, const char* className = nullptr);

    // Input
    void MoveTo(CPoint screen);
    void Click(CPoint screen);
    void DoubleClick(CPoint screen);
    void Drag(CPoint from, CPoint to);
    void Key(WORD vk, bool ctrl = false, bool alt = false);
    void Type(const char* text);

    // Pictures
    gallery::Image Screen(const CRect& area, bool withCursor);
    void Shoot(const char* name, const char* caption, const CRect& area, bool withCursor = false, int enlarge = 1);
    void Missed(const char* what);

    // Places on the frame
    HWND ToolBar() const { return FindChild(m_hFrame, AFX_IDW_TOOLBAR); }
    CRect ToolBarButton(UINT nCommand) const;

    // Scenes
    void FrameScenes();
    void FloatingScenes();
    bool FloatAndDockAgain(const char* bar, CPoint grip, CPoint drop, const char* name, const char* caption);
    void PopupScenes();
    void ControlsDialogScenes();
    void SplitScene();
    void Quit();

    gallery::PageWriter& m_page;
    const QueueProbe& m_probe;
    HWND m_hFrame;
};

bool Driver::WaitFor(const std::function<bool()>& done, DWORD timeout)
{
    const DWORD start = ::GetTickCount();
    while (!done())
    {
        if (::GetTickCount() - start > timeout)
            return false;
        ::Sleep(10);
    }
    return true;
}

// Until the application has handled everything so far, paints included:
// twice in a row nothing waits in its queue.
void Driver::Settle()
{
    int quiet = 0;
    WaitFor([&] {
        quiet = m_probe.IsQuiet() ? quiet + 1 : 0;
        if (quiet < 2)
            ::Sleep(20);
        return quiet >= 2;
    });
}

HWND Driver::WaitForNewWindow(const std::vector<HWND>& before, const char* className)
{
    const std::set<HWND> known(before.begin(), before.end());
    HWND found = NULL;
    WaitFor([&] {
        for (HWND hWnd : VisibleWindows())
        {
            char name[64] = "";
            ::GetClassNameA(hWnd, name, sizeof(name));
            if (!known.count(hWnd) && (className == nullptr || lstrcmpiA(name, className) == 0))
            {
                found = hWnd;
                return true;
            }
        }
        return false;
    });
    Settle();
    return found;
}

void Driver::MoveTo(CPoint screen)
{
    ::SetCursorPos(screen.x, screen.y);
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = MOUSEEVENTF_MOVE;   // a zero move: the window under the cursor hears of it
    ::SendInput(1, &in, sizeof(in));
    Settle();
}

void Driver::Click(CPoint screen)
{
    MoveTo(screen);
    INPUT in[2] = {};
    in[0].type = in[1].type = INPUT_MOUSE;
    in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ::SendInput(2, in, sizeof(INPUT));
    Settle();
}

void Driver::DoubleClick(CPoint screen)
{
    MoveTo(screen);
    INPUT in[4] = {};
    for (int i = 0; i < 4; i++)
    {
        in[i].type = INPUT_MOUSE;
        in[i].mi.dwFlags = i % 2 == 0 ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    }
    ::SendInput(4, in, sizeof(INPUT));
    Settle();
}

// Press, move there in steps, release: what a user's drag sends.
void Driver::Drag(CPoint from, CPoint to)
{
    const int kSteps = 6;
    MoveTo(from);
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    ::SendInput(1, &in, sizeof(in));
    Settle();
    for (int i = 1; i <= kSteps; i++)
    {
        ::SetCursorPos(from.x + (to.x - from.x) * i / kSteps, from.y + (to.y - from.y) * i / kSteps);
        in.mi.dwFlags = MOUSEEVENTF_MOVE;
        ::SendInput(1, &in, sizeof(in));
        Settle();
    }
    in.mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ::SendInput(1, &in, sizeof(in));
    Settle();
}

void Driver::Key(WORD vk, bool ctrl, bool alt)
{
    std::vector<INPUT> keys;
    auto add = [&keys](WORD key, bool up) {
        INPUT in = {};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = key;
        in.ki.wScan = static_cast<WORD>(::MapVirtualKeyA(key, 0));
        in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        keys.push_back(in);
    };
    if (ctrl)
        add(VK_CONTROL, false);
    if (alt)
        add(VK_MENU, false);
    add(vk, false);
    add(vk, true);
    if (alt)
        add(VK_MENU, true);
    if (ctrl)
        add(VK_CONTROL, true);
    ::SendInput(UINT(keys.size()), keys.data(), sizeof(INPUT));
    Settle();
}

void Driver::Type(const char* text)
{
    for (; *text != '\0'; ++text)
    {
        const SHORT scan = ::VkKeyScanA(*text);
        if (scan == -1)
            continue;
        std::vector<INPUT> keys;
        auto add = [&keys](WORD key, bool up) {
            INPUT in = {};
            in.type = INPUT_KEYBOARD;
            in.ki.wVk = key;
            in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
            keys.push_back(in);
        };
        const bool shift = (HIBYTE(scan) & 1) != 0;
        if (shift)
            add(VK_SHIFT, false);
        add(LOBYTE(scan), false);
        add(LOBYTE(scan), true);
        if (shift)
            add(VK_SHIFT, true);
        ::SendInput(UINT(keys.size()), keys.data(), sizeof(INPUT));
    }
    Settle();
}

// A window's pixels at its place on the canvas; a window region clips them.
void PasteWindow(gallery::Canvas& canvas, HWND hWnd)
{
    const CRect rect = WindowRect(hWnd);
    HRGN hRegion = ::CreateRectRgn(0, 0, 0, 0);
    if (::GetWindowRgn(hWnd, hRegion) != ERROR)
    {
        ::OffsetRgn(hRegion, rect.left, rect.top);
        ::SelectClipRgn(canvas.dc(), hRegion);
    }
    HDC hdc = ::GetWindowDC(hWnd);
    ::BitBlt(canvas.dc(), rect.left, rect.top, rect.Width(), rect.Height(), hdc, 0, 0, SRCCOPY);
    ::ReleaseDC(hWnd, hdc);
    ::SelectClipRgn(canvas.dc(), NULL);
    ::DeleteObject(hRegion);
}

// The library's tips paint only their shape (a balloon, rounded corners) and
// leave the rest of their window as the screen was, which a classic desktop
// shows through. Here every window has a surface of its own that starts
// black, so the pixels never painted are the black ones reachable from the
// window's edge: those are left out.
void PasteTip(gallery::Canvas& canvas, HWND hWnd)
{
    const CRect rect = WindowRect(hWnd);
    HDC hdc = ::GetWindowDC(hWnd);
    const gallery::Image tip = gallery::Image::FromDC(hdc, CRect(0, 0, rect.Width(), rect.Height()));
    ::ReleaseDC(hWnd, hdc);
    const int cx = tip.width(), cy = tip.height();
    std::vector<char> outside(size_t(cx) * cy, 0);
    std::vector<CPoint> todo;
    for (int x = 0; x < cx; x++)
        todo.insert(todo.end(), {CPoint(x, 0), CPoint(x, cy - 1)});
    for (int y = 0; y < cy; y++)
        todo.insert(todo.end(), {CPoint(0, y), CPoint(cx - 1, y)});
    while (!todo.empty())
    {
        const CPoint p = todo.back();
        todo.pop_back();
        if (p.x < 0 || p.y < 0 || p.x >= cx || p.y >= cy || outside[size_t(p.y) * cx + p.x] ||
            tip.At(p.x, p.y) != RGB(0, 0, 0))
            continue;
        outside[size_t(p.y) * cx + p.x] = 1;
        todo.insert(todo.end(), {p + CSize(1, 0), p - CSize(1, 0), p + CSize(0, 1), p - CSize(0, 1)});
    }
    for (int y = 0; y < cy; y++)
        for (int x = 0; x < cx; x++)
            if (!outside[size_t(y) * cx + x])
                ::SetPixelV(canvas.dc(), rect.left + x, rect.top + y, tip.At(x, y));
}

// The screen as the user sees it within area: every visible window of the
// application, bottom first, on a plain desktop, with the cursor drawn in
// where it rests when asked.
gallery::Image Driver::Screen(const CRect& area, bool withCursor)
{
    const CSize screen(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
    gallery::Canvas canvas(screen.cx, screen.cy, kDesktop);
    const std::vector<HWND> windows = VisibleWindows();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it)
    {
        char className[16] = "";
        ::GetClassNameA(*it, className, sizeof(className));
        if (lstrcmpiA(className, "Static") == 0)
            PasteTip(canvas, *it);
        else
            PasteWindow(canvas, *it);
    }
    if (withCursor)
    {
        CURSORINFO info = {sizeof(info)};
        HCURSOR hCursor = ::GetCursorInfo(&info) && info.hCursor != NULL ? info.hCursor : ::LoadCursor(NULL, IDC_ARROW);
        ICONINFO icon = {};
        if (::GetIconInfo(hCursor, &icon))
        {
            ::DeleteObject(icon.hbmMask);
            ::DeleteObject(icon.hbmColor);
        }
        CPoint pos;
        ::GetCursorPos(&pos);
        ::DrawIconEx(canvas.dc(), pos.x - int(icon.xHotspot), pos.y - int(icon.yHotspot), hCursor, 0, 0, 0, NULL,
                     DI_NORMAL | DI_DEFAULTSIZE);
    }
    CRect clip = area;
    clip.IntersectRect(&clip, CRect(CPoint(0, 0), screen));
    return gallery::Image::FromDC(canvas.dc(), clip);
}

void Driver::Shoot(const char* name, const char* caption, const CRect& area, bool withCursor, int enlarge)
{
    Settle();
    m_page.Add(name, caption, Screen(area, withCursor), enlarge);
}

void Driver::Missed(const char* what)
{
    m_page.Note(std::string("Not pictured: ") + what + " did not happen in time.");
}

CRect Driver::ToolBarButton(UINT nCommand) const
{
    HWND hToolBar = ToolBar();
    CRect rect(0, 0, 0, 0);
    const int nIndex = int(::SendMessage(hToolBar, TB_COMMANDTOINDEX, nCommand, 0));
    if (hToolBar == NULL || nIndex < 0 || !::SendMessage(hToolBar, TB_GETITEMRECT, nIndex, (LPARAM)&rect))
        return CRect(0, 0, 0, 0);
    ::MapWindowPoints(hToolBar, NULL, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// ---------------------------------------------------------------- scenes

void Driver::FrameScenes()
{
    m_page.Heading("Main frame");
    Shoot("frame", "The main frame as it starts: the cool tool bar with the New drop-down button and the find "
                   "box, the Folders bar docked at the left, the button list bar, activity log and notes between "
                   "split bars, the cool status bar with the program's icon and its lock-key panes",
          WindowRect(m_hFrame));

    const CRect rcFrame = WindowRect(m_hFrame);
    const CRect rcTop(rcFrame.left, rcFrame.top, rcFrame.left + 420, rcFrame.top + 110);
    const CRect rcBalloonButton = ToolBarButton(ID_DEMO_BALLOON);
    if (rcBalloonButton.IsRectEmpty())
    {
        Missed("finding the tool bar");
        return;
    }
    const std::vector<HWND> noTip = VisibleWindows();
    MoveTo(rcBalloonButton.CenterPoint());
    if (WaitForNewWindow(noTip, TOOLTIPS_CLASSA) == NULL)
        Missed("the tool tip of the Balloon tip button");
    Shoot("toolbar-hot", "The mouse resting on the Balloon tip button: the hot button and its tool tip", rcTop,
          true, 2);

    const CRect rcNew = ToolBarButton(ID_FILE_NEW);
    const std::vector<HWND> before = VisibleWindows();
    Click(CPoint(rcNew.right - 5, rcNew.CenterPoint().y));
    if (WaitForNewWindow(before, "#32768") != NULL)
        Shoot("toolbar-dropdown", "The New button's arrow clicked: its drop-down menu", rcTop + CSize(0, 40), true);
    else
        Missed("the New button's menu");
    Key(VK_ESCAPE);
    Key(VK_ESCAPE);
}

void Driver::FloatingScenes()
{
    m_page.Heading("Docking");
    const CRect rcBar = WindowRect(ToolBar());
    const CRect rcFrame = WindowRect(m_hFrame);
    // The gripper at the bar's left end starts the drag; dropped over the
    // middle of the client area, the bar floats in a frame of its own.
    if (!FloatAndDockAgain("tool bar", CPoint(rcBar.left + 3, rcBar.CenterPoint().y),
                           CPoint(rcFrame.left + 360, rcFrame.top + 260), "toolbar-floating",
                           "The tool bar dragged by its gripper into the client area: it floats in its own "
                           "small frame, laid out in rows"))
        return;
    Settle();
    Shoot("toolbar-docked-again", "A double click on its caption: the tool bar is docked at the top again",
          WindowRect(m_hFrame));

    // The Folders bar, dragged by its caption band, floats with its list.
    const CRect rcFolders = WindowRect(FindChild(m_hFrame, ID_VIEW_FOLDERS));
    FloatAndDockAgain("Folders bar", rcFolders.TopLeft() + CSize(20, 12), CPoint(rcFrame.left + 420, rcFrame.top + 200),
                      "folders-floating", "The Folders bar dragged by its caption band: it floats with its list, and the "
                                          "client area takes the room it left");
}

// Drags a bar from grip to drop; once it floats, shoots it beside the frame and
// docks it again with a double click on its small frame's caption. False when
// the bar did not float.
bool Driver::FloatAndDockAgain(const char* bar, CPoint grip, CPoint drop, const char* name, const char* caption)
{
    const std::vector<HWND> docked = VisibleWindows();
    Drag(grip, drop);
    HWND hFloating = WaitForNewWindow(docked);
    if (hFloating == NULL)
    {
        Missed((std::string("floating the ") + bar).c_str());
        return false;
    }
    const CRect rcFloat = WindowRect(hFloating);
    CRect area = WindowRect(m_hFrame);
    area.UnionRect(&area, rcFloat);
    area.InflateRect(kMargin, kMargin);
    Shoot(name, caption, area);
    DoubleClick(CPoint(rcFloat.left + 24, rcFloat.top + ::GetSystemMetrics(SM_CYSMCAPTION) / 2 + 2));
    if (!WaitFor([&] { return !::IsWindowVisible(hFloating); }))
        Missed((std::string("docking the ") + bar + " again").c_str());
    return true;
}

void Driver::PopupScenes()
{
    m_page.Heading("Balloon tip, notifier and progress run");
    const CRect rcFrame = WindowRect(m_hFrame);
    ::SetForegroundWindow(m_hFrame);
    Settle();

    std::vector<HWND> before = VisibleWindows();
    Key('B', true);
    HWND hBalloon = WaitForNewWindow(before);
    if (hBalloon != NULL)
    {
        CRect area = WindowRect(hBalloon);
        area.UnionRect(&area, CRect(rcFrame.left, rcFrame.top, rcFrame.right, rcFrame.top + 90));
        area.InflateRect(kMargin, kMargin);
        Shoot("balloon", "Demo > Balloon tip (Ctrl+B): a balloon whose tail touches the find box", area);
        // The balloon holds the mouse until a click anywhere takes it down
        // (and goes on to what lies under it); keys wait for that too, as
        // accelerators are not translated while the mouse is captured.
        Click(WindowRect(FindChild(m_hFrame, IDC_ACTIVITY)).CenterPoint());
        if (!WaitFor([&] { return !::IsWindowVisible(hBalloon); }))
            Missed("the balloon going away at a click");
    }
    else
        Missed("the balloon tip");

    before = VisibleWindows();
    Key('T', true);
    HWND hNotifier = WaitForNewWindow(before);
    const int kNotifierHeight = 110;
    if (hNotifier != NULL && WaitFor([&] { return WindowRect(hNotifier).Height() >= kNotifierHeight; }))
    {
        CRect work;
        ::SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0);
        Shoot("notifier", "Demo > Notifier (Ctrl+T): the notifier slid out at the bottom right of the work area",
              CRect(work.right - 320, work.bottom - 170, work.right, work.bottom));
    }
    else
        Missed("the notifier");

    Key(VK_F5);
    HWND hStatus = FindChild(m_hFrame, AFX_IDW_STATUS_BAR);
    if (WaitFor([&] { return FindChild(hStatus, ID_INDICATOR_PROGRESS) != NULL; }))
    {
        ::Sleep(800);   // about half way through the run
        const CRect rcStatus = WindowRect(hStatus);
        Shoot("progress", "Demo > Progress run (F5): the skinned progress bar growing in the status bar",
              CRect(rcStatus.right - 360, rcStatus.top - 8, rcStatus.right, rcStatus.bottom), false, 2);
    }
    else
        Missed("the progress run");
    WaitFor([&] { return FindChild(hStatus, ID_INDICATOR_PROGRESS) == NULL; });
}

void Driver::ControlsDialogScenes()
{
    m_page.Heading("Controls dialog");
    ::SetForegroundWindow(m_hFrame);
    Settle();
    const std::vector<HWND> before = VisibleWindows();
    Key('D', true);
    HWND hDlg = WaitForNewWindow(before, "#32770");
    if (hDlg == NULL)
    {
        Missed("the Controls dialog");
        return;
    }
    const CRect rcDlg = WindowRect(hDlg);
    CRect area = rcDlg;
    area.InflateRect(kMargin, kMargin);
    Shoot("controls", "Demo > Controls dialog (Ctrl+D): every control of the library on the skinned dialog, "
                      "each subclassed from its template control",
          rcDlg);

    const std::vector<HWND> noTip = VisibleWindows();
    MoveTo(WindowRect(::GetDlgItem(hDlg, IDOK)).CenterPoint());
    if (HWND hTip = WaitForNewWindow(noTip))
    {
        CRect withTip = WindowRect(hTip);
        withTip.InflateRect(kMargin, kMargin);
        withTip.UnionRect(&withTip, &area);
        Shoot("controls-tooltip", "The mouse resting on OK: hot button and the dialog's skinned tooltip", withTip,
              true);
    }
    else
        Missed("the OK button's tooltip");

    Click(WindowRect(::GetDlgItem(hDlg, IDC_NAME)).CenterPoint());
    Type("Ada Lovelace");
    Click(WindowRect(::GetDlgItem(hDlg, IDC_NOTIFY_ME)).TopLeft() + CSize(6, 6));
    Click(WindowRect(::GetDlgItem(hDlg, IDC_RUN)).CenterPoint());
    ::Sleep(400);   // part of the run
    MoveTo(WindowRect(::GetDlgItem(hDlg, IDC_HELP_LINK)).CenterPoint());
    Shoot("controls-in-use", "After typing a name and ticking a box: Apply enabled, the progress bar running, "
                             "the help link hot under the mouse",
          rcDlg, true);

    // Away from the link until its tooltip is gone, then a click on it.
    const CPoint empty = rcDlg.TopLeft() + CSize(rcDlg.Width() / 2, rcDlg.Height() - 20);
    MoveTo(empty);
    WaitFor([&] { return VisibleWindows().size() == noTip.size(); });
    const std::vector<HWND> noBalloon = VisibleWindows();
    Click(WindowRect(::GetDlgItem(hDlg, IDC_HELP_LINK)).CenterPoint());
    HWND hBalloon = WaitForNewWindow(noBalloon);
    MoveTo(empty);   // so that the link's tooltip stays away
    if (hBalloon != NULL)
    {
        CRect withBalloon = WindowRect(hBalloon);
        withBalloon.InflateRect(kMargin, kMargin);
        withBalloon.UnionRect(&withBalloon, &area);
        Shoot("controls-balloon", "The help link clicked: a balloon tip explains the dialog", withBalloon);
        Click(empty);   // takes the balloon down
        WaitFor([&] { return !::IsWindowVisible(hBalloon); });
    }
    else
        Missed("the help link's balloon");

    Click(WindowRect(::GetDlgItem(hDlg, IDCANCEL)).CenterPoint());
    if (!WaitFor([&] { return !::IsWindow(hDlg) || !::IsWindowVisible(hDlg); }))
        Missed("closing the Controls dialog with Cancel");
}

void Driver::SplitScene()
{
    m_page.Heading("Split bars");
    HWND hSplit = FindChild(m_hFrame, IDC_VSPLIT);
    if (hSplit == NULL)
    {
        Missed("finding the split bar");
        return;
    }
    const CPoint start = WindowRect(hSplit).CenterPoint();
    Drag(start, start + CSize(70, 0));
    Shoot("frame-split", "The vertical split bar dragged 70 pixels to the right: wider shortcuts, "
                         "the log and the notes follow",
          WindowRect(m_hFrame));
}

// Alt+F4, as a user closes the program; the loop then ends.
void Driver::Quit()
{
    ::SetForegroundWindow(m_hFrame);
    Settle();
    Key(VK_F4, false, true);
    if (!WaitFor([&] { return !::IsWindow(m_hFrame); }))
    {
        Missed("closing the frame with Alt+F4");
        ::PostMessage(m_hFrame, WM_CLOSE, 0, 0);
    }
}

void Driver::Run()
{
    ::SetWindowPos(m_hFrame, HWND_TOP, kFrameRect.left, kFrameRect.top, kFrameRect.Width(), kFrameRect.Height(),
                   SWP_SHOWWINDOW);
    ::SetForegroundWindow(m_hFrame);
    ::SetCursorPos(::GetSystemMetrics(SM_CXSCREEN) - 2, ::GetSystemMetrics(SM_CYSCREEN) - 2);
    Settle();
    FrameScenes();
    FloatingScenes();
    PopupScenes();
    ControlsDialogScenes();
    SplitScene();
    Quit();
}

DWORD WINAPI DriveApplication(LPVOID pDriver)
{
    static_cast<Driver*>(pDriver)->Run();
    return 0;
}

// The application starts as its WinMain would start it, and its own loop runs
// until the driver has closed its frame.
void RenderAppPage(gallery::PageWriter& page)
{
    CWinApp* pApp = AfxGetApp();
    QueueProbe probe;
    if (pApp == NULL || !pApp->InitInstance() || pApp->m_pMainWnd == NULL)
    {
        page.Note("The demo application did not start.");
        return;
    }
    Driver driver(page, probe, pApp->m_pMainWnd->m_hWnd);
    HANDLE hThread = ::CreateThread(NULL, 0, DriveApplication, &driver, 0, NULL);
    const int nExitCode = pApp->Run();
    ::WaitForSingleObject(hThread, INFINITE);
    ::CloseHandle(hThread);
    page.Note("The application's message loop ended with exit code " + std::to_string(nExitCode) + ".");
}

}  // namespace

GALLERY_PAGE("app", "The demo application, driven by real input", 5, RenderAppPage);
