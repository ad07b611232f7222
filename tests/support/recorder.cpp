// Message recorder: thread hooks see every sent and posted message of the
// watched windows, in the order the windows get them.
#include "support/harness.h"

#include <algorithm>
#include <cstdio>

namespace vt {
namespace {
MessageRecorder* g_active = nullptr;
}

MessageRecorder::MessageRecorder()
    : m_callHook(::SetWindowsHookEx(WH_CALLWNDPROC, CallWndProc, NULL, ::GetCurrentThreadId())),
      m_getHook(::SetWindowsHookEx(WH_GETMESSAGE, GetMsgProc, NULL, ::GetCurrentThreadId())),
      m_previous(g_active)
{
    g_active = this;
}

MessageRecorder::~MessageRecorder()
{
    ::UnhookWindowsHookEx(m_callHook);
    ::UnhookWindowsHookEx(m_getHook);
    g_active = m_previous;
}

LRESULT CALLBACK MessageRecorder::CallWndProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION && g_active != nullptr) {
        const CWPSTRUCT* cwp = reinterpret_cast<const CWPSTRUCT*>(lParam);
        g_active->Record(cwp->hwnd, cwp->message);
    }
    return ::CallNextHookEx(NULL, code, wParam, lParam);
}

LRESULT CALLBACK MessageRecorder::GetMsgProc(int code, WPARAM wParam, LPARAM lParam)
{
    // Peeks that leave the message queued are not deliveries.
    if (code == HC_ACTION && wParam == PM_REMOVE && g_active != nullptr) {
        const MSG* msg = reinterpret_cast<const MSG*>(lParam);
        g_active->Record(msg->hwnd, msg->message);
    }
    return ::CallNextHookEx(NULL, code, wParam, lParam);
}

void MessageRecorder::Record(HWND hwnd, UINT message)
{
    if (std::find(m_windows.begin(), m_windows.end(), hwnd) == m_windows.end())
        return;
    if (!m_filter.empty() && std::find(m_filter.begin(), m_filter.end(), message) == m_filter.end())
        return;
    m_entries.push_back({hwnd, message});
}

std::vector<UINT> MessageRecorder::Messages(HWND hwnd) const
{
    std::vector<UINT> ids;
    for (const Entry& e : m_entries) {
        if (hwnd == nullptr || e.hwnd == hwnd)
            ids.push_back(e.message);
    }
    return ids;
}

std::string MessageName(UINT message)
{
    struct Known { UINT id; const char* name; };
    // The messages the suites name in traces; others show as numbers.
#define VT_NAMED(m) {m, #m}
    static const Known known[] = {
        VT_NAMED(WM_SETTEXT), VT_NAMED(EM_REPLACESEL), VT_NAMED(WM_CONTEXTMENU), VT_NAMED(WM_PASTE), VT_NAMED(WM_CUT),
    };
#undef VT_NAMED
    for (const Known& k : known) {
        if (k.id == message)
            return k.name;
    }
    char buf[16];
    std::snprintf(buf, sizeof(buf), "0x%04X", message);
    return buf;
}

}  // namespace vt
