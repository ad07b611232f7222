// The application shape: a program that is only a global CWinApp links as a
// GUI program, runs its loop until its frame closes and ends with the code
// its ExitInstance gives.
#include "support/harness.h"

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

}  // namespace

TEST(AppShape, SmallestApplicationRunsUntilItsFrameCloses)
{
    ChildProcess app("mfc_MinimalApp.exe");
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

TEST(AppShape, FailedInitInstanceEndsWithExitInstanceCodeAndNoFrame)
{
    ChildProcess app("mfc_FailingApp.exe");
    ASSERT_TRUE(app.started());
    EXPECT_EQ(app.ExitCode(), (DWORD)kExitFrameDestroyed);
}
