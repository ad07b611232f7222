// Message maps: handlers reached by signature with MFC's argument unpacking,
// commands and command ranges. (Command-UI routing: CmdUITest; creation,
// focus, timers, dialog codes, moves and sizes reach the controls' and bars'
// handlers in their suites.)
#include "support/harness.h"

#include <cstdio>
#include <functional>
#include <string>

namespace {

UINT s_nRegisteredProbe = ::RegisterWindowMessage("VeluCtrl.MfcTest.Probe");
const UINT kProbeMessage = WM_APP + 7;

// Writes each handler's name and unpacked arguments into one log.
class CProbeWnd : public CWnd
{
public:
    std::string m_log;

protected:
    void Log(const char* format, ...)
    {
        char text[96];
        va_list args;
        va_start(args, format);
        vsnprintf(text, sizeof(text), format, args);
        va_end(args);
        m_log = text;
    }
    const char* Who(CWnd* pWnd) const { return pWnd == this ? "self" : pWnd == GetParent() ? "parent" : "other"; }

    afx_msg void OnMouseMove(UINT nFlags, CPoint point) { Log("move %u %d,%d", nFlags, point.x, point.y); }
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) { Log("key %u %u %X", nChar, nRepCnt, nFlags); }
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
    {
        Log("wheel %u %d %d,%d", nFlags, zDelta, pt.x, pt.y);
        return TRUE;
    }
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
    {
        Log("cursor %s %u %X", Who(pWnd), nHitTest, message);
        return TRUE;
    }
    afx_msg void OnCaptureChanged(CWnd* pWnd) { Log("capture %s", Who(pWnd)); }
    // Only the probe point is a caption: real mouse input elsewhere stays in the client area.
    afx_msg UINT OnNcHitTest(CPoint point)
    {
        if (point != CPoint(65, 70))
            return CWnd::OnNcHitTest(point);
        Log("hit %d,%d", point.x, point.y);
        return HTCAPTION;
    }
    afx_msg LRESULT OnProbe(WPARAM wParam, LPARAM lParam)
    {
        Log("probe %d %d", int(wParam), int(lParam));
        return 1234;
    }
    afx_msg LRESULT OnRegisteredProbe(WPARAM, LPARAM) { return 77; }
    afx_msg void OnCommand42() { Log("command 42"); }
    afx_msg void OnCommandRange(UINT nID) { Log("command %u", nID); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CProbeWnd, CWnd)
    ON_WM_MOUSEMOVE()
    ON_WM_KEYDOWN()
    ON_WM_MOUSEWHEEL()
    ON_WM_SETCURSOR()
    ON_WM_CAPTURECHANGED()
    ON_WM_NCHITTEST()
    ON_MESSAGE(kProbeMessage, OnProbe)
    ON_REGISTERED_MESSAGE(s_nRegisteredProbe, OnRegisteredProbe)
    ON_COMMAND(42, OnCommand42)
    ON_COMMAND_RANGE(100, 110, OnCommandRange)
END_MESSAGE_MAP()

}  // namespace

// Each row sends or causes one message; the handler's unpacked arguments and
// the answer the sender gets are as MFC gives them.
TEST(WinMsg, HandlersGetTheirArgumentsUnpackedAndAnswerTheMessage)
{
    vt::HostWnd host;
    CProbeWnd probe;
    ASSERT_TRUE(probe.Create(NULL, "probe", WS_VISIBLE, CRect(10, 10, 110, 60), &host, 1));
    EXPECT_EQ(&probe, CWnd::FromHandlePermanent(probe.m_hWnd));
    const auto send = [&](UINT message, WPARAM wParam, LPARAM lParam) {
        return [&probe, message, wParam, lParam] { return probe.SendMessage(message, wParam, lParam); };
    };
    const struct { const char* name; std::function<LRESULT()> act; LRESULT result; const char* log; } rows[] = {
        {"mouse move, signed point", send(WM_MOUSEMOVE, MK_LBUTTON | MK_SHIFT, MAKELPARAM(-5, 300)), 0, "move 5 -5,300"},
        // Repeat count 3, scan code 0x3F, extended key, previous state down.
        {"key down", send(WM_KEYDOWN, VK_F5, 3 | (0x3F << 16) | (1 << 24) | (1 << 30)), 0, "key 116 3 413F"},
        {"wheel, signed delta", send(WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, -240), MAKELPARAM(200, 150)), TRUE,
         "wheel 8 -240 200,150"},
        {"set cursor", send(WM_SETCURSOR, (WPARAM)probe.m_hWnd, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)), TRUE, "cursor self 1 200"},
        {"hit test", send(WM_NCHITTEST, 0, MAKELPARAM(65, 70)), HTCAPTION, "hit 65,70"},
        {"user message", send(kProbeMessage, 11, 22), 1234, "probe 11 22"},
        {"registered message", send(s_nRegisteredProbe, 0, 0), 77, "probe 11 22"},
        {"command", send(WM_COMMAND, MAKEWPARAM(42, 0), 0), 1, "command 42"},
        {"command in range", send(WM_COMMAND, MAKEWPARAM(107, 0), 0), 1, "command 107"},
        {"command past the range", send(WM_COMMAND, MAKEWPARAM(111, 0), 0), 0, "command 107"},
        {"capture taken away", [&] { probe.SetCapture(); host.SetCapture(); ::ReleaseCapture(); return LRESULT(0); }, 0,
         "capture parent"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.result, row.act());
        EXPECT_EQ(row.log, probe.m_log);
    }
}
