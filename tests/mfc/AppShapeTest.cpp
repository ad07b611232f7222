// The application shape: a program that is only a global CWinApp links as a
// GUI program, runs its loop until its frame closes and ends with the code
// its ExitInstance gives.
#include "frame/TestFrame.h"

#include "AppExitCodes.h"

namespace {

// A test program started from the folder this suite runs from.
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
        if (!m_started)
            return;
        if (::WaitForSingleObject(m_pi.hProcess, 0) == WAIT_TIMEOUT)
            ::TerminateProcess(m_pi.hProcess, 99);
        ::CloseHandle(m_pi.hThread);
        ::CloseHandle(m_pi.hProcess);
    }

    bool started() const { return m_started; }

    // The visible top-level window of the program, once its loop waits for input.
    HWND MainWindow(DWORD timeoutMs = 10000) const
    {
        ::WaitForInputIdle(m_pi.hProcess, timeoutMs);
        std::pair<DWORD, HWND> search(m_pi.dwProcessId, (HWND)NULL);
        ::EnumWindows(FindVisible, (LPARAM)&search);
        return search.second;
    }

    // The exit code, or STILL_ACTIVE when the program is still running.
    DWORD ExitCode(DWORD timeoutMs = 10000) const
    {
        ::WaitForSingleObject(m_pi.hProcess, timeoutMs);
        DWORD code = STILL_ACTIVE;
        ::GetExitCodeProcess(m_pi.hProcess, &code);
        return code;
    }

private:
    static BOOL CALLBACK FindVisible(HWND hWnd, LPARAM lParam)
    {
        auto* search = (std::pair<DWORD, HWND>*)lParam;
        DWORD pid = 0;
        ::GetWindowThreadProcessId(hWnd, &pid);
        if (pid != search->first || !::IsWindowVisible(hWnd))
            return TRUE;
        search->second = hWnd;
        return FALSE;
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
        BOOL bMore = CWinThread::OnIdle(lCount);
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

// The same program linked for the narrow and for the wide C runtime.
TEST(AppShape, SmallestApplicationRunsUntilItsFrameCloses)
{
    for (const char* exe : {"mfc_MinimalApp.exe", "mfc_MinimalWideApp.exe"}) {
        SCOPED_TRACE(exe);
        ChildProcess app(exe);
        ASSERT_TRUE(app.started());
        HWND hFrame = app.MainWindow();
        ASSERT_TRUE(hFrame != NULL);
        char className[64] = "";
        ::GetClassName(hFrame, className, sizeof(className));
        EXPECT_STREQ(className, AFX_WNDFRAMEORVIEW);
        char title[64] = "";
        ::GetWindowText(hFrame, title, sizeof(title));
        EXPECT_STREQ(title, "Minimal MFC application");
        // Still running while nobody closes it.
        EXPECT_EQ(app.ExitCode(200), (DWORD)STILL_ACTIVE);

        ::PostMessage(hFrame, WM_CLOSE, 0, 0);
        EXPECT_EQ(app.ExitCode(), 0u);
    }
}

TEST(AppShape, FailedInitInstanceEndsWithExitInstanceCodeAndNoFrame)
{
    ChildProcess app("mfc_FailingApp.exe");
    ASSERT_TRUE(app.started());
    EXPECT_EQ(app.ExitCode(), (DWORD)kExitFrameDestroyed);
}
