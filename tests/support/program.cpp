// Programs started by a test: their windows, their controls' rectangles,
// their exit codes and counts, all from outside the process.
#include "harness.h"

namespace vt {

Program::Program(const char* exeName)
{
    char folder[MAX_PATH];
    ::GetModuleFileName(NULL, folder, MAX_PATH);
    *strrchr(folder, '\\') = '\0';
    m_path.Format("%s\\%s", folder, exeName);
    CString commandLine = "\"" + m_path + "\"";
    STARTUPINFO si = {sizeof(si)};
    m_startTick = ::GetTickCount();
    if (::CreateProcess(NULL, commandLine.GetBuffer(0), NULL, NULL, FALSE, 0, NULL, NULL, &si, &m_pi))
        m_remote = ::VirtualAllocEx(m_pi.hProcess, NULL, sizeof(RECT), MEM_COMMIT, PAGE_READWRITE);
}

Program::~Program()
{
    if (m_pi.hProcess == NULL)
        return;
    if (::WaitForSingleObject(m_pi.hProcess, 0) == WAIT_TIMEOUT)
        ::TerminateProcess(m_pi.hProcess, 99);
    ::CloseHandle(m_pi.hThread);
    ::CloseHandle(m_pi.hProcess);
}

namespace {

struct WindowSearch
{
    DWORD processId;
    const char* title;
    const char* className;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND hwnd, LPARAM lParam)
{
    WindowSearch* s = reinterpret_cast<WindowSearch*>(lParam);
    DWORD owner = 0;
    char text[64] = "";
    ::GetWindowThreadProcessId(hwnd, &owner);
    if (s->title != nullptr)
        ::GetWindowText(hwnd, text, sizeof(text));
    else
        ::GetClassName(hwnd, text, sizeof(text));
    if (owner == s->processId && ::IsWindowVisible(hwnd) &&
        strcmp(text, s->title != nullptr ? s->title : s->className) == 0)
        s->found = hwnd;
    return s->found == NULL;
}

}  // namespace

HWND Program::WaitForWindow(const char* title, const char* className, DWORD timeoutMs) const
{
    WindowSearch search = {m_pi.dwProcessId, title, className, NULL};
    if (m_pi.hProcess == NULL)
        return NULL;
    PumpUntil([&] {
        ::EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
        return search.found != NULL;
    }, timeoutMs);
    return search.found;
}

CRect Program::ItemRect(HWND hControl, UINT message, WPARAM wParam) const
{
    CRect rect(0, 0, 0, 0);
    if (m_remote != nullptr && ::SendMessage(hControl, message, wParam, reinterpret_cast<LPARAM>(m_remote)))
        ::ReadProcessMemory(m_pi.hProcess, m_remote, &rect, sizeof(rect), NULL);
    ::MapWindowPoints(hControl, NULL, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

DWORD Program::ExitCode(DWORD timeoutMs) const
{
    DWORD code = STILL_ACTIVE;
    if (m_pi.hProcess != NULL && ::WaitForSingleObject(m_pi.hProcess, timeoutMs) == WAIT_OBJECT_0)
        ::GetExitCodeProcess(m_pi.hProcess, &code);
    return code;
}

std::pair<int, int> Program::SettledCounts(DWORD timeoutMs) const
{
    std::pair<int, int> last(-1, -1), now(-1, -1);
    PumpUntil([&] {
        last = now;
        now = {GdiObjectCount(m_pi.hProcess), ProcessWindowCount(m_pi.dwProcessId)};
        if (now == last)
            return true;
        PumpFor(100);
        return false;
    }, timeoutMs);
    return now;
}

}  // namespace vt
