// The demo application as its user meets it: started as a program, its frame
// and bars found on screen, driven with the keyboard and mouse, ended from
// its menu. It runs as a process of its own, so that what is checked is the
// program itself (its WinMain, its message loop, its exit code); windows are
// global, and its GDI objects are read from its memory.
#include "support/harness.h"

#include <afxres.h>
#include <commctrl.h>

#include <set>
#include <vector>

#include "resource.h"

namespace {

const DWORD kStartTimeout = 15000;   // the first start of a program in a prefix is slow
const DWORD kStepTimeout = 4000;

bool IsOf(HWND hwnd, DWORD processId)
{
    DWORD owner = 0;
    ::GetWindowThreadProcessId(hwnd, &owner);
    return owner == processId;
}

CString ClassOf(HWND hwnd)
{
    char name[64] = "";
    ::GetClassName(hwnd, name, sizeof(name));
    return name;
}

CRect WindowRect(HWND hwnd)
{
    CRect rect;
    ::GetWindowRect(hwnd, &rect);
    return rect;
}

// The visible descendant of hParent with that control id.
HWND FindChild(HWND hParent, UINT nID)
{
    std::pair<UINT, HWND> search(nID, (HWND)NULL);
    ::EnumChildWindows(
        hParent,
        [](HWND hwnd, LPARAM lParam) -> BOOL {
            auto* s = reinterpret_cast<std::pair<UINT, HWND>*>(lParam);
            if ((UINT)::GetDlgCtrlID(hwnd) != s->first || !::IsWindowVisible(hwnd))
                return TRUE;
            s->second = hwnd;
            return FALSE;
        },
        (LPARAM)&search);
    return search.second;
}

// veludemo.exe, started from this suite's folder.
class DemoProcess
{
public:
    DemoProcess()
    {
        char path[MAX_PATH];
        ::GetModuleFileName(NULL, path, MAX_PATH);
        *strrchr(path, '\\') = '\0';
        CString commandLine;
        commandLine.Format("\"%s\\veludemo.exe\"", path);
        STARTUPINFO si = {sizeof(si)};
        m_started = ::CreateProcess(NULL, commandLine.GetBuffer(0), NULL, NULL, FALSE, 0, NULL, NULL, &si, &m_pi) != FALSE;
    }
    ~DemoProcess()
    {
        if (!m_started)
            return;
        if (::WaitForSingleObject(m_pi.hProcess, 0) == WAIT_TIMEOUT)
            ::TerminateProcess(m_pi.hProcess, 99);
        ::CloseHandle(m_pi.hThread);
        ::CloseHandle(m_pi.hProcess);
        vt::ParkCursor();
    }
    DemoProcess(const DemoProcess&) = delete;
    DemoProcess& operator=(const DemoProcess&) = delete;

    // The main frame once shown, made the foreground window.
    HWND Frame()
    {
        if (!m_started)
            return NULL;
        vt::PumpUntil([&] { return (m_hFrame = FindTopLevel("VeluCtrl Demo")) != NULL; }, kStartTimeout);
        if (m_hFrame != NULL)
            vt::Activate(m_hFrame);
        return m_hFrame;
    }

    // The visible top-level windows of the program.
    std::vector<HWND> TopLevels() const
    {
        std::pair<DWORD, std::vector<HWND>> search(m_pi.dwProcessId, {});
        ::EnumWindows(
            [](HWND hwnd, LPARAM lParam) -> BOOL {
                auto* s = reinterpret_cast<std::pair<DWORD, std::vector<HWND>>*>(lParam);
                if (IsOf(hwnd, s->first) && ::IsWindowVisible(hwnd))
                    s->second.push_back(hwnd);
                return TRUE;
            },
            (LPARAM)&search);
        return search.second;
    }

    HWND FindTopLevel(const char* title) const
    {
        for (HWND hwnd : TopLevels()) {
            char text[64] = "";
            ::GetWindowText(hwnd, text, sizeof(text));
            if (strcmp(text, title) == 0)
                return hwnd;
        }
        return NULL;
    }

    // A visible top-level window of the class that was not among before.
    HWND WaitForNew(const std::vector<HWND>& before, const char* className) const
    {
        const std::set<HWND> known(before.begin(), before.end());
        HWND found = NULL;
        vt::PumpUntil([&] {
            for (HWND hwnd : TopLevels())
                if (!known.count(hwnd) && ClassOf(hwnd) == className)
                    found = hwnd;
            return found != NULL;
        }, kStepTimeout);
        return found;
    }

    DWORD ExitCode(DWORD timeout = kStepTimeout) const
    {
        ::WaitForSingleObject(m_pi.hProcess, timeout);
        DWORD code = STILL_ACTIVE;
        ::GetExitCodeProcess(m_pi.hProcess, &code);
        return code;
    }

    // GDI objects and windows of the program once two readings a moment
    // apart agree (a paint in flight holds a DC for a moment).
    std::pair<int, int> SettledCounts() const
    {
        std::pair<int, int> last(-1, -1), now;
        vt::PumpUntil([&] {
            now = {vt::GdiObjectCount(m_pi.hProcess), vt::ProcessWindowCount(m_pi.dwProcessId)};
            const bool same = now == last;
            last = now;
            if (!same)
                vt::PumpFor(100);
            return same;
        }, kStepTimeout);
        return now;
    }

    bool started() const { return m_started; }

private:
    PROCESS_INFORMATION m_pi = {};
    bool m_started = false;
    HWND m_hFrame = NULL;
};

// The tool bar buttons' states as the common control holds them.
bool IsButtonEnabled(HWND hToolBar, UINT nID)
{
    return (::SendMessage(hToolBar, TB_GETSTATE, nID, 0) & TBSTATE_ENABLED) != 0;
}

// Alt+letter opens a menu of the menu bar; letter picks an item in it.
void PickMenu(const DemoProcess& app, char menu, char item)
{
    const std::vector<HWND> before = app.TopLevels();
    vt::KeyDown(VK_MENU);
    vt::KeyPress(menu);
    vt::KeyUp(VK_MENU);
    ASSERT_TRUE(app.WaitForNew(before, "#32768") != NULL);
    vt::KeyPress(item);
}

// Drags a docked bar by its gripper to the point, then waits for it to float.
HWND FloatBar(const DemoProcess& app, HWND hFrame, HWND hBar, CPoint to)
{
    const CRect rcBar = WindowRect(hBar);
    vt::MoveCursor(CPoint(rcBar.left + 3, rcBar.CenterPoint().y));
    vt::MouseDown();
    vt::MoveCursor(CPoint(rcBar.left + 20, rcBar.CenterPoint().y + 20));
    vt::MoveCursor(to);
    vt::MouseUp();
    HWND hRoot = NULL;
    vt::PumpUntil([&] { return (hRoot = ::GetAncestor(hBar, GA_ROOT)) != hFrame; }, kStepTimeout);
    (void)app;
    return hRoot;
}

// The user's round: the Controls dialog opened from its accelerator and
// cancelled, the tool bar dragged out to float and docked again by a double
// click on its floating frame's caption.
void DialogAndDockingRound(const DemoProcess& app, HWND hFrame)
{
    vt::Activate(hFrame);
    const std::vector<HWND> before = app.TopLevels();
    vt::KeyPress('D', false, true);
    HWND hDlg = app.WaitForNew(before, "#32770");
    ASSERT_TRUE(hDlg != NULL);
    EXPECT_TRUE(app.FindTopLevel("Controls") == hDlg);
    EXPECT_FALSE(::IsWindowEnabled(hFrame));   // modal
    for (UINT nID : {IDC_NAME, IDC_DUE, IDC_FOLDER, IDC_REMEMBER, IDC_HELP_LINK, IDC_PROGRESS, IDC_SPLIT, IDOK})
        EXPECT_TRUE(::GetDlgItem(hDlg, nID) != NULL) << "control " << nID;
    vt::Click(WindowRect(::GetDlgItem(hDlg, IDCANCEL)).CenterPoint());
    EXPECT_TRUE(vt::PumpUntil([&] { return !::IsWindow(hDlg); }, kStepTimeout));
    EXPECT_TRUE(::IsWindowEnabled(hFrame));

    HWND hTopDock = FindChild(hFrame, AFX_IDW_DOCKBAR_TOP);
    HWND hToolBar = FindChild(hFrame, AFX_IDW_TOOLBAR);
    ASSERT_TRUE(hToolBar != NULL);
    const CRect rcFrame = WindowRect(hFrame);
    HWND hFloating = FloatBar(app, hFrame, hToolBar, rcFrame.TopLeft() + CSize(300, 250));
    ASSERT_NE(hFloating, hFrame);
    EXPECT_EQ(::GetWindow(hFloating, GW_OWNER), hFrame);
    EXPECT_TRUE(::IsWindowVisible(hFloating));

    const CRect rcFloating = WindowRect(hFloating);
    vt::DoubleClick(CPoint(rcFloating.left + 20, rcFloating.top + ::GetSystemMetrics(SM_CYSMCAPTION) / 2 + 2));
    EXPECT_TRUE(vt::PumpUntil([&] { return ::GetParent(hToolBar) == hTopDock; }, kStepTimeout));
    EXPECT_FALSE(::IsWindowVisible(hFloating));
}

}  // namespace

TEST(DemoApp, FrameShowsEveryBarAndFileExitEndsWithZero)
{
    DemoProcess app;
    ASSERT_TRUE(app.started());
    HWND hFrame = app.Frame();
    ASSERT_TRUE(hFrame != NULL);

    // The tool bar in the top dock bar, its New button with a drop-down
    // arrow and the find box in its last slot.
    HWND hToolBar = FindChild(hFrame, AFX_IDW_TOOLBAR);
    ASSERT_TRUE(hToolBar != NULL);
    EXPECT_EQ(::GetParent(hToolBar), FindChild(hFrame, AFX_IDW_DOCKBAR_TOP));
    EXPECT_TRUE(::SendMessage(hToolBar, TB_GETEXTENDEDSTYLE, 0, 0) & TBSTYLE_EX_DRAWDDARROWS);
    HWND hFindBox = FindChild(hToolBar, ID_DEMO_FIND);
    ASSERT_TRUE(hFindBox != NULL);
    CRect rcInBar;
    EXPECT_TRUE(rcInBar.IntersectRect(WindowRect(hFindBox), WindowRect(hToolBar)));

    // The client area: shortcuts, a split bar, the log over a split bar over the notes.
    HWND panes[5] = {};
    const UINT paneIds[5] = {IDC_SHORTCUTS, IDC_VSPLIT, IDC_ACTIVITY, IDC_HSPLIT, IDC_NOTES};
    for (int i = 0; i < 5; i++) {
        panes[i] = FindChild(hFrame, paneIds[i]);
        ASSERT_TRUE(panes[i] != NULL) << "pane " << paneIds[i];
        EXPECT_FALSE(WindowRect(panes[i]).IsRectEmpty()) << "pane " << paneIds[i];
    }
    EXPECT_LT(WindowRect(panes[0]).right, WindowRect(panes[1]).left);
    EXPECT_LT(WindowRect(panes[1]).right, WindowRect(panes[2]).left);
    EXPECT_LT(WindowRect(panes[2]).bottom, WindowRect(panes[3]).top);
    EXPECT_LT(WindowRect(panes[3]).bottom, WindowRect(panes[4]).top);

    // The status bar: prompt, progress and the three lock keys; the Caps
    // Lock pane shows its indicator only while the lock is on.
    HWND hStatus = FindChild(hFrame, AFX_IDW_STATUS_BAR);
    ASSERT_TRUE(hStatus != NULL);
    EXPECT_EQ(::SendMessage(hStatus, SB_GETPARTS, 0, 0), 5);
    char caps[16] = "";
    ::LoadString(::GetModuleHandle("mfc42x.dll"), ID_INDICATOR_CAPS, caps, sizeof(caps));
    const bool capsWasOn = (::GetKeyState(VK_CAPITAL) & 1) != 0;
    auto capsPaneLength = [&] { return LOWORD(::SendMessage(hStatus, SB_GETTEXTLENGTH, 2, 0)); };
    vt::KeyPress(VK_CAPITAL);
    EXPECT_TRUE(vt::PumpUntil([&] { return capsPaneLength() == (capsWasOn ? 0 : strlen(caps)); }, kStepTimeout));
    vt::KeyPress(VK_CAPITAL);
    EXPECT_TRUE(vt::PumpUntil([&] { return capsPaneLength() == (capsWasOn ? strlen(caps) : 0); }, kStepTimeout));

    // Save follows the notes: enabled once they change, disabled once saved.
    EXPECT_FALSE(IsButtonEnabled(hToolBar, ID_FILE_SAVE));
    vt::Click(WindowRect(panes[4]).CenterPoint());
    vt::TypeText("note");
    EXPECT_TRUE(vt::PumpUntil([&] { return IsButtonEnabled(hToolBar, ID_FILE_SAVE); }, kStepTimeout));
    vt::KeyPress('S', false, true);
    EXPECT_TRUE(vt::PumpUntil([&] { return !IsButtonEnabled(hToolBar, ID_FILE_SAVE); }, kStepTimeout));

    PickMenu(app, 'F', 'X');
    EXPECT_EQ(app.ExitCode(), 0u);
}

TEST(DemoApp, DialogAndDockingRoundLeavesNoWindowOrGdiObjectBehind)
{
    DemoProcess app;
    ASSERT_TRUE(app.started());
    HWND hFrame = app.Frame();
    ASSERT_TRUE(hFrame != NULL);

    // The first round makes what the library keeps for the process's life
    // (the dialog skin, the tooltip skin, the floating frame's class).
    DialogAndDockingRound(app, hFrame);
    const std::pair<int, int> before = app.SettledCounts();
    ASSERT_GT(before.first, 0);
    DialogAndDockingRound(app, hFrame);
    const std::pair<int, int> after = app.SettledCounts();
    EXPECT_EQ(after.first, before.first) << "GDI objects";
    EXPECT_EQ(after.second, before.second) << "windows";

    vt::Activate(hFrame);
    vt::KeyDown(VK_MENU);
    vt::KeyPress(VK_F4);
    vt::KeyUp(VK_MENU);
    EXPECT_EQ(app.ExitCode(), 0u);
}
