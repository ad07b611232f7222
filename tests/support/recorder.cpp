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
        g_active->Record(cwp->hwnd, cwp->message, cwp->wParam, cwp->lParam, false);
    }
    return ::CallNextHookEx(NULL, code, wParam, lParam);
}

LRESULT CALLBACK MessageRecorder::GetMsgProc(int code, WPARAM wParam, LPARAM lParam)
{
    // Peeks that leave the message queued are not deliveries.
    if (code == HC_ACTION && wParam == PM_REMOVE && g_active != nullptr) {
        const MSG* msg = reinterpret_cast<const MSG*>(lParam);
        g_active->Record(msg->hwnd, msg->message, msg->wParam, msg->lParam, true);
    }
    return ::CallNextHookEx(NULL, code, wParam, lParam);
}

void MessageRecorder::Record(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, bool posted)
{
    if (std::find(m_windows.begin(), m_windows.end(), hwnd) == m_windows.end())
        return;
    if (!m_filter.empty() && std::find(m_filter.begin(), m_filter.end(), message) == m_filter.end())
        return;
    m_entries.push_back({hwnd, message, wParam, lParam, posted});
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
    static const Known known[] = {
        {WM_CREATE, "WM_CREATE"}, {WM_DESTROY, "WM_DESTROY"}, {WM_MOVE, "WM_MOVE"},
        {WM_SIZE, "WM_SIZE"}, {WM_ACTIVATE, "WM_ACTIVATE"}, {WM_SETFOCUS, "WM_SETFOCUS"},
        {WM_KILLFOCUS, "WM_KILLFOCUS"}, {WM_ENABLE, "WM_ENABLE"}, {WM_SETTEXT, "WM_SETTEXT"},
        {WM_GETTEXT, "WM_GETTEXT"}, {WM_PAINT, "WM_PAINT"}, {WM_ERASEBKGND, "WM_ERASEBKGND"},
        {WM_SHOWWINDOW, "WM_SHOWWINDOW"}, {WM_SETCURSOR, "WM_SETCURSOR"},
        {WM_MOUSEACTIVATE, "WM_MOUSEACTIVATE"}, {WM_DRAWITEM, "WM_DRAWITEM"},
        {WM_NOTIFY, "WM_NOTIFY"}, {WM_NCHITTEST, "WM_NCHITTEST"}, {WM_KEYDOWN, "WM_KEYDOWN"},
        {WM_KEYUP, "WM_KEYUP"}, {WM_CHAR, "WM_CHAR"}, {WM_COMMAND, "WM_COMMAND"},
        {WM_TIMER, "WM_TIMER"}, {WM_CTLCOLOREDIT, "WM_CTLCOLOREDIT"},
        {WM_CTLCOLORBTN, "WM_CTLCOLORBTN"}, {WM_CTLCOLORSTATIC, "WM_CTLCOLORSTATIC"},
        {WM_MOUSEMOVE, "WM_MOUSEMOVE"}, {WM_LBUTTONDOWN, "WM_LBUTTONDOWN"},
        {WM_LBUTTONUP, "WM_LBUTTONUP"}, {WM_LBUTTONDBLCLK, "WM_LBUTTONDBLCLK"},
        {WM_RBUTTONDOWN, "WM_RBUTTONDOWN"}, {WM_RBUTTONUP, "WM_RBUTTONUP"},
        {WM_MOUSEWHEEL, "WM_MOUSEWHEEL"}, {WM_CAPTURECHANGED, "WM_CAPTURECHANGED"},
        {WM_MOUSEHOVER, "WM_MOUSEHOVER"}, {WM_MOUSELEAVE, "WM_MOUSELEAVE"},
        {WM_CONTEXTMENU, "WM_CONTEXTMENU"}, {WM_NCDESTROY, "WM_NCDESTROY"},
    };
    for (const Known& k : known) {
        if (k.id == message)
            return k.name;
    }
    char buf[16];
    std::snprintf(buf, sizeof(buf), "0x%04X", message);
    return buf;
}

::testing::AssertionResult SequenceIs(const std::vector<UINT>& actual,
                                      const std::vector<UINT>& expected)
{
    if (actual == expected)
        return ::testing::AssertionSuccess();
    auto list = [](const std::vector<UINT>& ids) {
        std::string s;
        for (UINT id : ids)
            s += (s.empty() ? "" : ", ") + MessageName(id);
        return "[" + s + "]";
    };
    return ::testing::AssertionFailure()
           << "message sequence differs\n  expected: " << list(expected)
           << "\n  actual:   " << list(actual);
}

}  // namespace vt
