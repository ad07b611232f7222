// The demo application as its user meets it: started as a program of its
// own (its WinMain, its message loop, its exit code), its frame and bars
// found on screen, driven with the keyboard and mouse, ended from its menu.
// Windows are global; its GDI objects are read from its memory, and the
// common controls' rectangles through a buffer in its address space.
#include "support/harness.h"

#include <afxres.h>
#include <commctrl.h>

#include <cstdio>
#include <set>
#include <vector>

#include "resource.h"

namespace {

const DWORD kStartTimeout = 15000;   // the first start of a program in a prefix is slow
const DWORD kStepTimeout = 4000;

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
    ::EnumChildWindows(hParent, [](HWND hwnd, LPARAM lParam) -> BOOL {
        auto* s = reinterpret_cast<std::pair<UINT, HWND>*>(lParam);
        if ((UINT)::GetDlgCtrlID(hwnd) == s->first && ::IsWindowVisible(hwnd))
            s->second = hwnd;
        return s->second == NULL;
    }, (LPARAM)&search);
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
        m_strPath.Format("%s\\veludemo.exe", path);
        CString commandLine = "\"" + m_strPath + "\"";
        STARTUPINFO si = {sizeof(si)};
        m_dwStart = ::GetTickCount();
        m_started = ::CreateProcess(NULL, commandLine.GetBuffer(0), NULL, NULL, FALSE, 0, NULL, NULL, &si, &m_pi) != FALSE;
        if (m_started)
            m_pRemote = ::VirtualAllocEx(m_pi.hProcess, NULL, sizeof(RECT), MEM_COMMIT, PAGE_READWRITE);
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
        HWND hFrame = NULL;
        if (m_started && vt::PumpUntil([&] { return (hFrame = FindTopLevel("VeluCtrl Demo")) != NULL; }, kStartTimeout)) {
            std::printf("veludemo: frame shown %lu ms after CreateProcess\n", ::GetTickCount() - m_dwStart);
            vt::Activate(hFrame);
        }
        return hFrame;
    }

    std::vector<HWND> TopLevels() const
    {
        std::pair<DWORD, std::vector<HWND>> search(m_pi.dwProcessId, {});
        ::EnumWindows([](HWND hwnd, LPARAM lParam) -> BOOL {
            auto* s = reinterpret_cast<std::pair<DWORD, std::vector<HWND>>*>(lParam);
            DWORD owner = 0;
            ::GetWindowThreadProcessId(hwnd, &owner);
            if (owner == s->first && ::IsWindowVisible(hwnd))
                s->second.push_back(hwnd);
            return TRUE;
        }, (LPARAM)&search);
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

    // A visible top-level window that was not among before.
    HWND WaitForNew(const std::vector<HWND>& before) const
    {
        const std::set<HWND> known(before.begin(), before.end());
        HWND found = NULL;
        vt::PumpUntil([&] {
            for (HWND hwnd : TopLevels())
                if (!known.count(hwnd))
                    found = hwnd;
            return found != NULL;
        }, kStepTimeout);
        return found;
    }

    // A rectangle a common control writes for message/wParam, in screen coordinates.
    CRect ItemRect(HWND hControl, UINT message, WPARAM wParam) const
    {
        CRect rect(0, 0, 0, 0);
        if (m_pRemote != NULL && ::SendMessage(hControl, message, wParam, (LPARAM)m_pRemote))
            ::ReadProcessMemory(m_pi.hProcess, m_pRemote, &rect, sizeof(rect), NULL);
        ::MapWindowPoints(hControl, NULL, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }

    DWORD ExitCode() const
    {
        ::WaitForSingleObject(m_pi.hProcess, kStepTimeout);
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
    const char* Path() const { return m_strPath; }

private:
    CString m_strPath;
    PROCESS_INFORMATION m_pi = {};
    bool m_started = false;
    DWORD m_dwStart = 0;
    void* m_pRemote = NULL;   // freed with the process
};

CRect ToolBarButton(const DemoProcess& app, HWND hToolBar, UINT nID)
{
    return app.ItemRect(hToolBar, TB_GETITEMRECT, ::SendMessage(hToolBar, TB_COMMANDTOINDEX, nID, 0));
}

// Drags a bar from a point on it to another point of the screen.
void Drag(CPoint from, CPoint to)
{
    vt::MoveCursor(from);
    vt::MouseDown();
    vt::MoveCursor(from + CSize(20, 20));
    vt::MoveCursor(to);
    vt::MouseUp();
}

// Drags the bar docked in nDockBar by its gripper (a tool bar) or caption
// band (the Folders bar) into the client area, where it floats; a double
// click on its floating frame's caption docks it again.
void FloatAndDockAgain(HWND hFrame, UINT nDockBar)
{
    vt::Activate(hFrame);
    HWND hBar = ::GetWindow(FindChild(hFrame, nDockBar), GW_CHILD);
    ASSERT_TRUE(hBar != NULL) << "bar in " << nDockBar;
    const CRect rcBar = WindowRect(hBar);
    const CPoint grip = nDockBar == AFX_IDW_DOCKBAR_TOP ? CPoint(rcBar.left + 3, rcBar.CenterPoint().y)
                                                       : rcBar.TopLeft() + CSize(20, 12);
    Drag(grip, WindowRect(FindChild(hFrame, IDC_ACTIVITY)).CenterPoint());
    HWND hFloating = NULL;
    ASSERT_TRUE(vt::PumpUntil([&] { return (hFloating = ::GetAncestor(hBar, GA_ROOT)) != hFrame; }, kStepTimeout))
        << "bar in " << nDockBar << " floats";
    EXPECT_EQ(::GetWindow(hFloating, GW_OWNER), hFrame);
    const CRect rcFloating = WindowRect(hFloating);
    vt::DoubleClick(CPoint(rcFloating.left + 20, rcFloating.top + ::GetSystemMetrics(SM_CYSMCAPTION) / 2 + 2));
    EXPECT_TRUE(vt::PumpUntil([&] { return ::GetParent(hBar) == FindChild(hFrame, nDockBar); }, kStepTimeout))
        << "bar in " << nDockBar << " docks again";
}

// The user's round: the Controls dialog opened from its tool bar button and
// cancelled, then the tool bar floated and docked again.
void DialogAndDockingRound(const DemoProcess& app, HWND hFrame)
{
    vt::Activate(hFrame);
    HWND hToolBar = FindChild(hFrame, AFX_IDW_TOOLBAR);
    ASSERT_TRUE(hToolBar != NULL);
    std::vector<HWND> before = app.TopLevels();
    vt::Click(ToolBarButton(app, hToolBar, ID_DEMO_CONTROLS).CenterPoint());
    HWND hDlg = app.WaitForNew(before);
    ASSERT_TRUE(hDlg != NULL && hDlg == app.FindTopLevel("Controls"));
    EXPECT_FALSE(::IsWindowEnabled(hFrame));   // modal
    for (UINT nID : {IDC_NAME, IDC_DUE, IDC_FOLDER, IDC_REMEMBER, IDC_HELP_LINK, IDC_PROGRESS, IDC_SPLIT, IDOK})
        EXPECT_TRUE(::GetDlgItem(hDlg, nID) != NULL) << "control " << nID;
    vt::Click(WindowRect(::GetDlgItem(hDlg, IDCANCEL)).CenterPoint());
    ASSERT_TRUE(vt::PumpUntil([&] { return !::IsWindow(hDlg) && ::IsWindowEnabled(hFrame); }, kStepTimeout));
    FloatAndDockAgain(hFrame, AFX_IDW_DOCKBAR_TOP);
}

}  // namespace

TEST(DemoApp, FrameShowsEveryBarAnswersInputAndFileExitEndsWithZero)
{
    DemoProcess app;
    ASSERT_TRUE(app.started());
    HWND hFrame = app.Frame();
    ASSERT_TRUE(hFrame != NULL);

    // The tool bar in the top dock bar with drop-down arrows and the find box
    // in a slot of its own; the Folders bar in the left dock bar, its list
    // holding the folders the find box offers.
    HWND hToolBar = FindChild(hFrame, AFX_IDW_TOOLBAR);
    ASSERT_TRUE(hToolBar != NULL);
    EXPECT_EQ(::GetParent(hToolBar), FindChild(hFrame, AFX_IDW_DOCKBAR_TOP));
    EXPECT_TRUE(::SendMessage(hToolBar, TB_GETEXTENDEDSTYLE, 0, 0) & TBSTYLE_EX_DRAWDDARROWS);
    HWND hFindBox = FindChild(hToolBar, ID_DEMO_FIND);
    ASSERT_TRUE(hFindBox != NULL);
    EXPECT_TRUE(CRect().IntersectRect(WindowRect(hFindBox), ToolBarButton(app, hToolBar, ID_DEMO_FIND)));
    HWND hFolders = FindChild(hFrame, ID_VIEW_FOLDERS);
    ASSERT_TRUE(hFolders != NULL);
    EXPECT_EQ(::GetParent(hFolders), FindChild(hFrame, AFX_IDW_DOCKBAR_LEFT));
    HWND hFolderList = FindChild(hFolders, IDC_FOLDER_LIST);
    ASSERT_TRUE(hFolderList != NULL);
    EXPECT_GT(::SendMessage(hFolderList, LB_GETCOUNT, 0, 0), 0);
    EXPECT_EQ(::SendMessage(hFolderList, LB_GETCOUNT, 0, 0), ::SendMessage(hFindBox, CB_GETCOUNT, 0, 0));

    // The client area: shortcuts | split bar | log over a split bar over the notes.
    const UINT paneIds[] = {IDC_SHORTCUTS, IDC_VSPLIT, IDC_ACTIVITY, IDC_HSPLIT, IDC_NOTES};
    CRect panes[5];
    for (int i = 0; i < 5; i++) {
        panes[i] = WindowRect(FindChild(hFrame, paneIds[i]));
        EXPECT_FALSE(panes[i].IsRectEmpty()) << "pane " << paneIds[i];
    }
    EXPECT_LE(WindowRect(hFolders).right, panes[0].left);
    EXPECT_LT(panes[0].right, panes[1].left);
    EXPECT_LT(panes[1].right, panes[2].left);
    EXPECT_LT(panes[2].bottom, panes[3].top);
    EXPECT_LT(panes[3].bottom, panes[4].top);

    // The status bar: prompt, progress and the three lock keys.
    HWND hStatus = FindChild(hFrame, AFX_IDW_STATUS_BAR);
    ASSERT_TRUE(hStatus != NULL);
    EXPECT_EQ(::SendMessage(hStatus, SB_GETPARTS, 0, 0), 5);
    // The idle prompt is the program's own string (WM_GETTEXT: GetWindowText
    // does not ask a window of another process).
    char ready[32] = "", prompt[32] = "";
    HMODULE hProgram = ::LoadLibraryEx(app.Path(), NULL, LOAD_LIBRARY_AS_DATAFILE);
    ::LoadString(hProgram, AFX_IDS_IDLEMESSAGE, ready, sizeof(ready));
    ::FreeLibrary(hProgram);
    EXPECT_STRNE(ready, "");
    EXPECT_TRUE(vt::PumpUntil([&] {
        ::SendMessage(hStatus, WM_GETTEXT, sizeof(prompt), (LPARAM)prompt);
        return strcmp(prompt, ready) == 0;
    })) << "prompt '" << prompt << "'";

    // The mouse resting on a tool bar button makes it the hot one; a click
    // on it points a balloon at the find box, and a click elsewhere takes it down.
    const CRect rcBalloon = ToolBarButton(app, hToolBar, ID_DEMO_BALLOON);
    vt::MoveCursor(rcBalloon.CenterPoint());
    EXPECT_TRUE(vt::PumpUntil([&] {
        return ::SendMessage(hToolBar, TB_GETHOTITEM, 0, 0) == ::SendMessage(hToolBar, TB_COMMANDTOINDEX, ID_DEMO_BALLOON, 0);
    }));
    std::vector<HWND> before = app.TopLevels();
    vt::Click(rcBalloon.CenterPoint());
    HWND hBalloon = app.WaitForNew(before);
    ASSERT_TRUE(hBalloon != NULL);
    const CRect rcTip = WindowRect(hBalloon), rcFind = WindowRect(hFindBox);
    EXPECT_TRUE(rcTip.left <= rcFind.CenterPoint().x && rcFind.CenterPoint().x < rcTip.right);
    vt::Click(panes[2].CenterPoint());
    EXPECT_TRUE(vt::PumpUntil([&] { return !::IsWindowVisible(hBalloon); }, kStepTimeout));

    // Down in the find box picks the next folder, which the Folders bar selects too.
    vt::Click(WindowRect(hFindBox).TopLeft() + CSize(10, 5));
    vt::KeyPress(VK_DOWN);
    EXPECT_TRUE(vt::PumpUntil([&] {
        const LRESULT nSel = ::SendMessage(hFindBox, CB_GETCURSEL, 0, 0);
        return nSel >= 0 && ::SendMessage(hFolderList, LB_GETCURSEL, 0, 0) == nSel;
    }, kStepTimeout));

    // Save follows the notes: enabled once they change, disabled once saved.
    auto saveEnabled = [&] { return (::SendMessage(hToolBar, TB_GETSTATE, ID_FILE_SAVE, 0) & TBSTATE_ENABLED) != 0; };
    EXPECT_FALSE(saveEnabled());
    vt::Click(panes[4].CenterPoint());
    vt::TypeText("note");
    EXPECT_TRUE(vt::PumpUntil(saveEnabled, kStepTimeout));
    vt::KeyPress('S', false, true);
    EXPECT_TRUE(vt::PumpUntil([&] { return !saveEnabled(); }, kStepTimeout));

    // The Folders bar floats and docks again at the left.
    // (Dragged out a second time after that, it stays docked: not checked here.)
    FloatAndDockAgain(hFrame, AFX_IDW_DOCKBAR_LEFT);

    // File > Exit from the keyboard.
    before = app.TopLevels();
    vt::KeyDown(VK_MENU);
    vt::KeyPress('F');
    vt::KeyUp(VK_MENU);
    ASSERT_TRUE(app.WaitForNew(before) != NULL);
    vt::KeyPress('X');
    EXPECT_EQ(app.ExitCode(), 0u);
}

TEST(DemoApp, DialogAndDockingRoundsLeaveNoWindowOrGdiObjectBehind)
{
    DemoProcess app;
    ASSERT_TRUE(app.started());
    HWND hFrame = app.Frame();
    ASSERT_TRUE(hFrame != NULL);

    // The first round makes what the library keeps for the process's life
    // (the dialog skin, the tooltip skin, the floating frame).
    DialogAndDockingRound(app, hFrame);
    const std::pair<int, int> before = app.SettledCounts();
    ASSERT_GT(before.first, 0);
    for (int round = 0; round < 2; round++)
        DialogAndDockingRound(app, hFrame);
    const std::pair<int, int> after = app.SettledCounts();
    std::printf("veludemo: %d GDI objects and %d windows after a round and after two more: %d and %d\n",
                before.first, before.second, after.first, after.second);
    EXPECT_EQ(after.first, before.first) << "GDI objects";
    EXPECT_EQ(after.second, before.second) << "windows";

    vt::Activate(hFrame);
    vt::KeyDown(VK_MENU);
    vt::KeyPress(VK_F4);
    vt::KeyUp(VK_MENU);
    EXPECT_EQ(app.ExitCode(), 0u);
}
