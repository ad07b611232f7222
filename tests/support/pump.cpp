// The test pump: the same routing as CWinThread::Run, with a deadline.
#include "support/harness.h"

namespace vt {
namespace {

// Offers the message to the pre-translate walk, then dispatches it.
void RouteMessage(MSG& msg)
{
    CWinThread* thread = AfxGetThread();
    BOOL consumed = thread ? thread->PreTranslateMessage(&msg)
                           : CWnd::WalkPreTranslateTree(NULL, &msg);
    if (!consumed) {
        ::TranslateMessage(&msg);
        ::DispatchMessage(&msg);
    }
}

// Idle processing as the application's loop does it: call OnIdle with a
// growing count until it asks for no more (temporary objects go at count 1).
void RunIdle()
{
    CWinThread* thread = AfxGetThread();
    if (thread == NULL)
        return;
    LONG count = 0;
    while (thread->OnIdle(count++))
        ;
}

}  // namespace

bool PumpUntil(const std::function<bool()>& cond, DWORD timeoutMs)
{
    const DWORD start = ::GetTickCount();
    bool idle = true;
    for (;;) {
        if (cond && cond())
            return true;
        const DWORD elapsed = ::GetTickCount() - start;
        if (elapsed >= timeoutMs)
            return cond ? cond() : true;
        MSG msg;
        if (::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE)) {
            if (msg.message != WM_QUIT)
                RouteMessage(msg);
            idle = true;
            continue;
        }
        if (idle) {
            RunIdle();
            idle = false;
            continue;
        }
        const DWORD wait = timeoutMs - elapsed < 10 ? timeoutMs - elapsed : 10;
        ::MsgWaitForMultipleObjects(0, NULL, FALSE, wait, QS_ALLINPUT);
    }
}

void PumpFor(DWORD ms)
{
    PumpUntil(nullptr, ms);
}

void PumpPending()
{
    MSG msg;
    while (::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE)) {
        if (msg.message != WM_QUIT)
            RouteMessage(msg);
    }
    RunIdle();
}

}  // namespace vt
