// The application shape: a program that is only a global CWinApp links as a
// GUI program, runs its loop until its frame closes and ends with the code
// its ExitInstance gives.
#include "frame/TestFrame.h"

#include "AppExitCodes.h"

namespace {

// A thread whose idle time ends its round: the first round posts a message
// (a new round starts), the second quits with a code.
class CRoundsThread : public CWinThread
{
public:
    static constexpr int kQuitCode = 42;
    std::vector<LONG> m_counts;

    virtual BOOL OnIdle(LONG lCount)
    {
        m_counts.push_back(lCount);
        const BOOL bMore = CWinThread::OnIdle(lCount);
        if (!bMore && m_counts.size() == 2)
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
    EXPECT_EQ(thread.m_counts, (std::vector<LONG>{0, 1, 0, 1}));
    EXPECT_EQ(frame->m_wndToolBar.SendMessage(TB_GETSTATE, ID_TEST_BETA) & TBSTATE_ENABLED, 0);
}

// The smallest program, linked for the wide C runtime (the demo's process
// test runs a narrow one); one whose InitInstance fails ends with its
// ExitInstance's code and no frame.
TEST(AppShape, SmallestApplicationRunsUntilItsFrameClosesAndAFailedOneEndsAtOnce)
{
    vt::Program app("mfc_MinimalWideApp.exe");
    HWND hFrame = app.WaitForWindow("Minimal MFC application", NULL, 10000);
    ASSERT_TRUE(hFrame != NULL);
    char className[64] = "";
    ::GetClassName(hFrame, className, sizeof(className));
    EXPECT_STREQ(className, AFX_WNDFRAMEORVIEW);
    ::PostMessage(hFrame, WM_CLOSE, 0, 0);
    EXPECT_EQ(app.ExitCode(10000), 0u);
    vt::Program failing("mfc_FailingApp.exe");
    EXPECT_EQ(failing.ExitCode(10000), (DWORD)kExitFrameDestroyed);
}
