// Message maps: handlers reached by signature with MFC's argument unpacking,
// command ranges, and notifications, commands and colour queries reflected
// to the child control first. (Command-UI routing and single commands:
// CmdUITest; messages by number: the push buttons' hover and leave;
// creation, focus, timers, dialog codes, moves and sizes reach the controls'
// and bars' handlers in their suites; owner drawing: the push buttons paint
// through the reflected WM_DRAWITEM.)
#include "support/harness.h"

#include <cstdio>
#include <functional>
#include <string>

namespace {

UINT s_nRegisteredProbe = ::RegisterWindowMessage("VeluCtrl.MfcTest.Probe");
std::string g_log;   // each handler's name and unpacked arguments, in order

void Log(const char* format, ...)
{
    char text[96];
    va_list args;
    va_start(args, format);
    vsnprintf(text, sizeof(text), format, args);
    va_end(args);
    g_log += (g_log.empty() ? "" : ", ") + std::string(text);
}

HDC s_hQueryDC = NULL;   // the DC every colour query names

// A control that answers its own notifications, command and colour queries
// (with its brush, or leaving them to its parent with none).
class CNotifyingCtrl : public CWnd
{
public:
    HBRUSH m_hBrush = NULL;

protected:
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor)
    {
        Log("child colour %u%s", nCtlColor, pDC->m_hDC == s_hQueryDC ? "" : " in another DC");
        return m_hBrush;
    }
    afx_msg void OnClickReflect(NMHDR*, LRESULT* pResult)
    {
        Log("child click");
        *pResult = 7;
    }
    afx_msg BOOL OnDblClickReflect(NMHDR*, LRESULT*)
    {
        Log("child dblclk");
        return FALSE;   // let the parent see it too
    }
    afx_msg void OnClickedReflect() { Log("child clicked"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CNotifyingCtrl, CWnd)
    ON_NOTIFY_REFLECT(NM_CLICK, OnClickReflect)
    ON_NOTIFY_REFLECT_EX(NM_DBLCLK, OnDblClickReflect)
    ON_CONTROL_REFLECT(BN_CLICKED, OnClickedReflect)
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

class CProbeWnd : public CWnd
{
protected:
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
    afx_msg LRESULT OnRegisteredProbe(WPARAM wParam, LPARAM lParam)
    {
        Log("registered %d %d", int(wParam), int(lParam));
        return 77;
    }
    afx_msg void OnCommandRange(UINT nID) { Log("command %u", nID); }
    afx_msg void OnClick(NMHDR*, LRESULT*) { Log("parent click"); }
    afx_msg void OnDblClick(NMHDR*, LRESULT*) { Log("parent dblclk"); }
    afx_msg void OnRange(UINT nID, NMHDR*, LRESULT* pResult)
    {
        Log("parent range %u", nID);
        *pResult = 3;
    }
    afx_msg void OnClicked() { Log("parent clicked"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CProbeWnd, CWnd)
    ON_WM_MOUSEMOVE()
    ON_WM_KEYDOWN()
    ON_WM_MOUSEWHEEL()
    ON_WM_SETCURSOR()
    ON_WM_CAPTURECHANGED()
    ON_WM_NCHITTEST()
    ON_REGISTERED_MESSAGE(s_nRegisteredProbe, OnRegisteredProbe)
    ON_COMMAND_RANGE(100, 110, OnCommandRange)
    ON_NOTIFY(NM_CLICK, 5, OnClick)
    ON_NOTIFY(NM_DBLCLK, 5, OnDblClick)
    ON_NOTIFY_RANGE(NM_RCLICK, 10, 20, OnRange)
    ON_BN_CLICKED(5, OnClicked)
END_MESSAGE_MAP()

}  // namespace

// Each row sends or causes one message; the handlers' unpacked arguments and
// the answer the sender gets are as MFC gives them. A notification or command
// goes to the child first, and the child's answer is returned; one the child
// declines, or a window without a reflection handler, reaches the parent;
// range handlers get the sender's id.
TEST(WinMsg, HandlersGetTheirArgumentsUnpackedAndAnswerTheMessage)
{
    vt::HostWnd host;
    CProbeWnd probe;
    ASSERT_TRUE(probe.Create(NULL, "probe", WS_VISIBLE, CRect(10, 10, 110, 60), &host, 1));
    CNotifyingCtrl ctrl;
    CWnd plain, inRange, outside;
    for (auto child : {std::make_pair((CWnd*)&ctrl, 5), std::make_pair(&plain, 5), std::make_pair(&inRange, 14),
                       std::make_pair(&outside, 21)})
        ASSERT_TRUE(child.first->Create(NULL, NULL, 0, CRect(0, 0, 10, 10), &probe, child.second));
    const auto send = [&](UINT message, WPARAM wParam, LPARAM lParam) {
        return [&probe, message, wParam, lParam] { return probe.SendMessage(message, wParam, lParam); };
    };
    const auto notify = [&](CWnd& from, UINT code) {
        return [&probe, &from, code] {
            NMHDR nmhdr = {from.m_hWnd, UINT_PTR(from.GetDlgCtrlID()), code};
            return probe.SendMessage(WM_NOTIFY, nmhdr.idFrom, (LPARAM)&nmhdr);
        };
    };
    const auto clicked = [&](CWnd& from) { return send(WM_COMMAND, MAKEWPARAM(5, BN_CLICKED), (LPARAM)from.m_hWnd); };
    // The child's brush, or none: the parent's default.
    vt::GdiObject brush(::CreateSolidBrush(RGB(1, 2, 3)));
    vt::WindowDC dc(ctrl.m_hWnd);
    s_hQueryDC = dc;
    const LRESULT lDefault = ::DefWindowProc(probe.m_hWnd, WM_CTLCOLOREDIT, (WPARAM)(HDC)dc, (LPARAM)ctrl.m_hWnd);
    const auto colour = [&](UINT message, HBRUSH hBrush) {
        return [&probe, &ctrl, &dc, message, hBrush] {
            ctrl.m_hBrush = hBrush;
            return probe.SendMessage(message, (WPARAM)(HDC)dc, (LPARAM)ctrl.m_hWnd);
        };
    };
    const struct { const char* name; std::function<LRESULT()> act; LRESULT result; const char* log; } rows[] = {
        {"mouse move, signed point", send(WM_MOUSEMOVE, MK_LBUTTON | MK_SHIFT, MAKELPARAM(-5, 300)), 0, "move 5 -5,300"},
        // Repeat count 3, scan code 0x3F, extended key, previous state down.
        {"key down", send(WM_KEYDOWN, VK_F5, 3 | (0x3F << 16) | (1 << 24) | (1 << 30)), 0, "key 116 3 413F"},
        {"wheel, signed delta", send(WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, -240), MAKELPARAM(200, 150)), TRUE,
         "wheel 8 -240 200,150"},
        {"set cursor", send(WM_SETCURSOR, (WPARAM)probe.m_hWnd, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)), TRUE,
         "cursor self 1 200"},
        {"hit test", send(WM_NCHITTEST, 0, MAKELPARAM(65, 70)), HTCAPTION, "hit 65,70"},
        {"registered message", send(s_nRegisteredProbe, 11, 22), 77, "registered 11 22"},
        {"command in range", send(WM_COMMAND, MAKEWPARAM(107, 0), 0), 1, "command 107"},
        {"command past the range", send(WM_COMMAND, MAKEWPARAM(111, 0), 0), 0, ""},
        {"capture taken away",
         [&] { probe.SetCapture(); host.SetCapture(); ::ReleaseCapture(); return LRESULT(0); }, 0, "capture parent"},
        {"notification", notify(ctrl, NM_CLICK), 7, "child click"},
        {"notification declined", notify(ctrl, NM_DBLCLK), 0, "child dblclk, parent dblclk"},
        {"notification in the range", notify(inRange, NM_RCLICK), 3, "parent range 14"},
        {"notification past the range", notify(outside, NM_RCLICK), 0, ""},
        {"control's command", clicked(ctrl), 1, "child clicked"},
        {"plain window's command", clicked(plain), 1, "parent clicked"},
        {"edit's colour", colour(WM_CTLCOLOREDIT, brush.brush()), (LRESULT)brush.brush(), "child colour 1"},
        {"read-only edit's colour", colour(WM_CTLCOLORSTATIC, brush.brush()), (LRESULT)brush.brush(), "child colour 6"},
        {"colour left to the parent", colour(WM_CTLCOLOREDIT, NULL), lDefault, "child colour 1"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        g_log.clear();
        EXPECT_EQ(row.result, row.act());
        EXPECT_EQ(row.log, g_log);
    }
}
