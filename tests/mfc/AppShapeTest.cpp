// The application shape: a program that is only a global CWinApp links as a
// GUI program, runs its loop until its frame closes and ends with the code
// its ExitInstance gives.
#include "frame/TestFrame.h"

#include "AppExitCodes.h"

namespace {

// A test program started from the folder this suite runs from; ended at scope exit if still running.
class ChildProcess
{
public:
    explicit ChildProcess(const char* exeName)
    {
        char path[MAX_PATH];
        ::GetModuleFileName(NULL, path, MAX_PATH);
        *strrchr(path, '\\') = '\0';
        CString commandLine;
        commandLine.Format("\"%s\\%s\"", path, exeName);
        STARTUPINFO si = {sizeof(si)};
        m_started = ::CreateProcess(NULL, commandLine.GetBuffer(0), NULL, NULL, FALSE, 0, NULL, NULL, &si, &m_pi) != FALSE;
    }
    ~ChildProcess()
    {
        if (m_started && ExitCode(0) == STILL_ACTIVE)
            ::TerminateProcess(m_pi.hProcess, 99);
        ::CloseHandle(m_pi.hThread);
        ::CloseHandle(m_pi.hProcess);
    }
    bool started() const { return m_started; }
    // The visible top-level window of the program, once its loop waits for input.
    HWND MainWindow() const
    {
        ::WaitForInputIdle(m_pi.hProcess, 10000);
        std::pair<DWORD, HWND> search(m_pi.dwProcessId, (HWND)NULL);
        ::EnumWindows(FindVisible, (LPARAM)&search);
        return search.second;
    }
    // The exit code, or STILL_ACTIVE when the program is still running.
    DWORD ExitCode(DWORD timeoutMs = 10000) const
    {
        DWORD code = STILL_ACTIVE;
        ::WaitForSingleObject(m_pi.hProcess, timeoutMs);
        ::GetExitCodeProcess(m_pi.hProcess, &code);
        return code;
    }

private:
    static BOOL CALLBACK FindVisible(HWND hWnd, LPARAM lParam)
    {
        auto* search = (std::pair<DWORD, HWND>*)lParam;
        DWORD pid = 0;
        ::GetWindowThreadProcessId(hWnd, &pid);
        if (pid == search->first && ::IsWindowVisible(hWnd))
            search->second = hWnd;
        return search->second == NULL;
    }

    PROCESS_INFORMATION m_pi = {};
    bool m_started = false;
};

// A thread whose idle time ends its round: the first round posts a message
// (a new round starts), the second quits with a code.
class CRoundsThread : public CWinThread
{
public:
    static constexpr int kQuitCode = 42;
    std::vector<LONG> m_counts;
    int m_nRounds = 0;

    virtual BOOL OnIdle(LONG lCount)
    {
        m_counts.push_back(lCount);
        const BOOL bMore = CWinThread::OnIdle(lCount);
        if (!bMore && ++m_nRounds == 1)
            ::PostMessage(m_pMainWnd->m_hWnd, WM_NULL, 0, 0);
        else if (!bMore)
            ::PostQuitMessage(kQuitCode);
        return bMore;
    }
};

}  // namespace

TEST(AppShape, RunUpdatesTheFramesAtIdleTimeAndEndsWithTheQuitCode)
{
    FrameHolder frame;
    frame->m_bBetaEnabled = FALSE;
    CRoundsThread thread;
    thread.m_bAutoDelete = FALSE;
    thread.m_pMainWnd = frame.get();
    EXPECT_EQ(thread.Run(), (int)CRoundsThread::kQuitCode);
    // Each message starts the idle count again; a round is counts 0 and 1.
    EXPECT_EQ(thread.m_nRounds, 2);
    EXPECT_EQ(thread.m_counts, (std::vector<LONG>{0, 1, 0, 1}));
    EXPECT_EQ(frame->m_wndToolBar.SendMessage(TB_GETSTATE, ID_TEST_BETA) & TBSTATE_ENABLED, 0);
}

// The same program linked for the narrow and for the wide C runtime; one
// whose InitInstance fails ends with its ExitInstance's code and no frame.
TEST(AppShape, SmallestApplicationRunsUntilItsFrameClosesAndAFailedOneEndsAtOnce)
{
    for (const char* exe : {"mfc_MinimalApp.exe", "mfc_MinimalWideApp.exe"}) {
        SCOPED_TRACE(exe);
        ChildProcess app(exe);
        ASSERT_TRUE(app.started());
        HWND hFrame = app.MainWindow();
        ASSERT_TRUE(hFrame != NULL);
        char text[64] = "";
        ::GetClassName(hFrame, text, sizeof(text));
        EXPECT_STREQ(text, AFX_WNDFRAMEORVIEW);
        ::GetWindowText(hFrame, text, sizeof(text));
        EXPECT_STREQ(text, "Minimal MFC application");
        EXPECT_EQ(app.ExitCode(200), (DWORD)STILL_ACTIVE);   // while nobody closes it
        ::PostMessage(hFrame, WM_CLOSE, 0, 0);
        EXPECT_EQ(app.ExitCode(), 0u);
    }
    ChildProcess failing("mfc_FailingApp.exe");
    ASSERT_TRUE(failing.started());
    EXPECT_EQ(failing.ExitCode(), (DWORD)kExitFrameDestroyed);
}
