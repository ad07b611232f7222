// The demo application as its user meets it: started as a program of its
// own (its WinMain, its message loop, its exit code), its frame and bars
// found on screen, driven with the keyboard and mouse, ended from its menu.
#include "support/harness.h"

#include <afxres.h>
#include <commctrl.h>

#include <cstdio>

#include "resource.h"

inline void PrintTo(const CRect& rect, std::ostream* os)
{
    *os << "(" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom << ")";
}

namespace {

const DWORD kStartTimeout = 15000;   // the first start of a program in a prefix is slow
const DWORD kStepTimeout = 4000;

CRect WindowRect(HWND hwnd) { CRect rect; ::GetWindowRect(hwnd, &rect); return rect; }

// A docked float bar's working area on the screen.
CRect WorkingArea(HWND hBar)
{
    CRect rect;
    ::GetClientRect(hBar, &rect);
    ::MapWindowPoints(hBar, NULL, reinterpret_cast<POINT*>(&rect), 2);
    return CRect(rect.left + 6, rect.top + 22, rect.right - 6, rect.bottom - 6);
}

BOOL CALLBACK MatchChild(HWND hwnd, LPARAM lParam)
{
    auto* s = reinterpret_cast<std::pair<UINT, HWND>*>(lParam);
    if ((UINT)::GetDlgCtrlID(hwnd) == s->first && ::IsWindowVisible(hwnd))
        s->second = hwnd;
    return s->second == NULL;
}

// The visible descendant of hParent with that control id.
HWND FindChild(HWND hParent, UINT nID)
{
    std::pair<UINT, HWND> search(nID, (HWND)NULL);
    ::EnumChildWindows(hParent, MatchChild, (LPARAM)&search);
    return search.second;
}

// veludemo.exe and its main frame, made the foreground window.
struct Demo
{
    vt::Program program{"veludemo.exe"};
    HWND hFrame = program.WaitForWindow("VeluCtrl Demo", NULL, kStartTimeout);
    HWND hToolBar = FindChild(hFrame, AFX_IDW_TOOLBAR);

    Demo()
    {
        std::printf("veludemo: frame shown %lu ms after CreateProcess\n", ::GetTickCount() - program.startTick());
        vt::Activate(hFrame);
    }

    CRect ToolBarButton(UINT nID) const
    {
        return program.ItemRect(hToolBar, TB_GETITEMRECT, ::SendMessage(hToolBar, TB_COMMANDTOINDEX, nID, 0));
    }

    // Drags the bar docked in nDockBar by its gripper (the tool bar) or
    // caption band (the Folders bar) into the client area, where it floats;
    // a double click on its floating frame's caption docks it again, the
    // Folders list filling the working area (the bar less the caption band
    // above and the 6-pixel frame on the other sides), once the program's
    // idle layout has settled.
    void FloatAndDockAgain(UINT nDockBar) const
    {
        vt::Activate(hFrame);
        HWND hBar = ::GetWindow(FindChild(hFrame, nDockBar), GW_CHILD);
        ASSERT_TRUE(hBar != NULL) << "bar in " << nDockBar;
        HWND hList = ::GetDlgItem(hBar, IDC_FOLDER_LIST);
        const CRect rcBar = WindowRect(hBar);
        const CPoint grip = nDockBar == AFX_IDW_DOCKBAR_TOP ? CPoint(rcBar.left + 3, rcBar.CenterPoint().y)
                                                           : rcBar.TopLeft() + CSize(20, 12);
        vt::MoveCursor(grip);
        vt::MouseDown();
        vt::MoveCursor(grip + CSize(20, 20));
        vt::MoveCursor(WindowRect(FindChild(hFrame, IDC_ACTIVITY)).CenterPoint());
        vt::MouseUp();
        HWND hFloating = NULL;
        ASSERT_TRUE(vt::PumpUntil([&] { return (hFloating = ::GetAncestor(hBar, GA_ROOT)) != hFrame; }, kStepTimeout))
            << "bar in " << nDockBar << " floats";
        EXPECT_EQ(::GetWindow(hFloating, GW_OWNER), hFrame);
        const CRect rcFloating = WindowRect(hFloating);
        vt::DoubleClick(CPoint(rcFloating.left + 20, rcFloating.top + ::GetSystemMetrics(SM_CYSMCAPTION) / 2 + 2));
        EXPECT_TRUE(vt::PumpUntil([&] { return ::GetParent(hBar) == FindChild(hFrame, nDockBar); }, kStepTimeout))
            << "bar in " << nDockBar << " docks again";
        vt::PumpUntil([&] { return hList == NULL || WindowRect(hList) == WorkingArea(hBar); }, kStepTimeout);
        if (hList != NULL)
            EXPECT_EQ(WorkingArea(hBar), WindowRect(hList)) << "the Folders list, not over the caption band";
    }

    // The Controls dialog opened from its tool bar button and cancelled,
    // then the tool bar floated and docked again.
    void Round() const
    {
        vt::Activate(hFrame);
        vt::Click(ToolBarButton(ID_DEMO_CONTROLS).CenterPoint());
        HWND hDlg = program.WaitForWindow("Controls", NULL, kStepTimeout);
        ASSERT_TRUE(hDlg != NULL);
        EXPECT_FALSE(::IsWindowEnabled(hFrame));   // modal
        for (UINT nID : {IDC_NAME, IDC_DUE, IDC_FOLDER, IDC_REMEMBER, IDC_HELP_LINK, IDC_PROGRESS, IDC_SPLIT, IDOK})
            EXPECT_TRUE(::GetDlgItem(hDlg, nID) != NULL) << "control " << nID;
        vt::Click(WindowRect(::GetDlgItem(hDlg, IDCANCEL)).CenterPoint());
        ASSERT_TRUE(vt::PumpUntil([&] { return !::IsWindow(hDlg) && ::IsWindowEnabled(hFrame); }, kStepTimeout));
        FloatAndDockAgain(AFX_IDW_DOCKBAR_TOP);
    }
};

}  // namespace

TEST(DemoApp, FrameShowsEveryBarAnswersInputLeavesNothingBehindAndFileExitEndsWithZero)
{
    Demo demo;
    ASSERT_TRUE(demo.hFrame != NULL && demo.hToolBar != NULL);
    HWND hFrame = demo.hFrame, hToolBar = demo.hToolBar;

    // The first round makes what the library keeps for the process's life
    // (the dialog skin, the tooltip skin, the floating frame); two more
    // leave no window or GDI object behind. (Counted first: once a balloon
    // has shown and the Folders bar floated, a tip window of the framework
    // comes and goes with where the mouse last rested.)
    demo.Round();
    const std::pair<int, int> before = demo.program.SettledCounts(kStepTimeout);
    ASSERT_GT(before.first, 0);
    for (int round = 0; round < 2; round++)
        demo.Round();
    const std::pair<int, int> after = demo.program.SettledCounts(kStepTimeout);
    std::printf("veludemo: %d GDI objects, %d windows; two rounds later %d and %d\n", before.first, before.second,
                after.first, after.second);
    EXPECT_EQ(after, before) << "GDI objects and windows";

    // The tool bar in the top dock bar with drop-down arrows and the find
    // box in a slot of its own; the Folders bar and its list at the left.
    EXPECT_EQ(::GetParent(hToolBar), FindChild(hFrame, AFX_IDW_DOCKBAR_TOP));
    EXPECT_TRUE(::SendMessage(hToolBar, TB_GETEXTENDEDSTYLE, 0, 0) & TBSTYLE_EX_DRAWDDARROWS);
    HWND hFindBox = FindChild(hToolBar, ID_DEMO_FIND);
    EXPECT_TRUE(CRect().IntersectRect(WindowRect(hFindBox), demo.ToolBarButton(ID_DEMO_FIND)));
    HWND hFolders = FindChild(hFrame, ID_VIEW_FOLDERS);
    EXPECT_EQ(::GetParent(hFolders), FindChild(hFrame, AFX_IDW_DOCKBAR_LEFT));
    EXPECT_TRUE(FindChild(hFolders, IDC_FOLDER_LIST) != NULL);

    // Across the frame: Folders, shortcuts, split bar, log; down the right:
    // log, split bar, notes.
    const UINT across[] = {ID_VIEW_FOLDERS, IDC_SHORTCUTS, IDC_VSPLIT, IDC_ACTIVITY};
    const UINT down[] = {IDC_ACTIVITY, IDC_HSPLIT, IDC_NOTES};
    for (int i = 0; i + 1 < 4; i++)
        EXPECT_LE(WindowRect(FindChild(hFrame, across[i])).right, WindowRect(FindChild(hFrame, across[i + 1])).left);
    for (int i = 0; i + 1 < 3; i++)
        EXPECT_LE(WindowRect(FindChild(hFrame, down[i])).bottom, WindowRect(FindChild(hFrame, down[i + 1])).top);

    // The status bar: prompt, progress and the three lock keys; the prompt
    // is the program's own idle string (WM_GETTEXT: GetWindowText does not
    // ask a window of another process).
    HWND hStatus = FindChild(hFrame, AFX_IDW_STATUS_BAR);
    EXPECT_EQ(::SendMessage(hStatus, SB_GETPARTS, 0, 0), 5);
    char ready[32] = "", prompt[32] = "";
    HMODULE hProgram = ::LoadLibraryEx(demo.program.path(), NULL, LOAD_LIBRARY_AS_DATAFILE);
    ::LoadString(hProgram, AFX_IDS_IDLEMESSAGE, ready, sizeof(ready));
    ::FreeLibrary(hProgram);
    EXPECT_TRUE(vt::PumpUntil([&] {
        ::SendMessage(hStatus, WM_GETTEXT, sizeof(prompt), (LPARAM)prompt);
        return ready[0] != '\0' && strcmp(prompt, ready) == 0;
    })) << "prompt '" << prompt << "', idle string '" << ready << "'";

    // A click on a tool bar button points a balloon at the find box, and a
    // click elsewhere takes it down.
    vt::Click(demo.ToolBarButton(ID_DEMO_BALLOON).CenterPoint());
    HWND hBalloon = demo.program.WaitForWindow(NULL, "Static", kStepTimeout);   // the library's tips
    ASSERT_TRUE(hBalloon != NULL);
    const CRect rcTip = WindowRect(hBalloon), rcFind = WindowRect(hFindBox);
    EXPECT_TRUE(rcTip.left <= rcFind.CenterPoint().x && rcFind.CenterPoint().x < rcTip.right);
    vt::Click(WindowRect(FindChild(hFrame, IDC_ACTIVITY)).CenterPoint());
    EXPECT_TRUE(vt::PumpUntil([&] { return !::IsWindowVisible(hBalloon); }, kStepTimeout));

    // The Folders bar floats and docks again, twice.
    for (int round = 0; round < 2; round++)
        demo.FloatAndDockAgain(AFX_IDW_DOCKBAR_LEFT);

    // File > Exit from the keyboard.
    vt::Activate(hFrame);
    vt::KeyDown(VK_MENU);
    vt::KeyPress('F');
    vt::KeyUp(VK_MENU);
    ASSERT_TRUE(demo.program.WaitForWindow(NULL, "#32768", kStepTimeout) != NULL);
    vt::KeyPress('X');
    EXPECT_EQ(demo.program.ExitCode(kStepTimeout), 0u);
}
