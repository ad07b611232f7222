// The soak: every control created, painted, rested on by the mouse, left and
// destroyed many times, with GDI objects, windows and heap counted around it;
// VELU_SOAK_CYCLES sets how often (make soak: 1000). Each control kind is one
// entry of the table of subjects.
#include "support/harness.h"

#include "bars/VeluBars.h"
#include "buttons/VeluButtons.h"
#include "edits/VeluEdits.h"
#include "listbar/VeluListBar.h"
#include "panes/VeluPanes.h"
#include "tips/VeluTips.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace soak {
namespace {

const UINT kId = 1001;
const std::string kLongHint(5000, 'w');
const DWORD kChild = WS_CHILD | WS_VISIBLE;
const CRect kRect(20, 20, 160, 48);

// The steps of a cycle, as functions of the subject; a step left out does
// nothing or holds at once.
template <class Ctrl>
struct Steps
{
    // Makes the subject as an application does: a child of host in rect.
    bool (*create)(Ctrl&, CWnd& host, const CRect& rect);
    // The cursor has just moved onto it: relay it, fire a timer, ...
    void (*arrived)(Ctrl&);
    // Whether it shows what a resting mouse brings (a hot look, a tip).
    bool (*hot)(Ctrl&);
    // The cursor has just left it.
    void (*left)(Ctrl&);
    // Whether it is back at rest after the mouse left.
    bool (*rested)(Ctrl&);
};

// The window painted and rested on, and how the subject ends: the control
// itself, unless a subject of several windows says otherwise.
CWnd& Window(CWnd& wnd) { return wnd; }
void Destroy(CWnd& wnd) { wnd.DestroyWindow(); }

template <class Ctrl>
void Cycle(const Steps<Ctrl>& steps, vt::HostWnd& host)
{
    host.ClearReceived();   // the host's own log keeps its size, not its entries
    Ctrl subject;
    ASSERT_TRUE(steps.create(subject, host, kRect));
    CWnd& wnd = Window(subject);
    vt::PaintNow(wnd.m_hWnd);
    CRect rc;
    wnd.GetWindowRect(&rc);
    vt::MoveCursor(rc.CenterPoint());
    if (steps.arrived)
        steps.arrived(subject);
    ASSERT_TRUE(vt::PumpUntil([&] { return !steps.hot || steps.hot(subject); }, 2000)) << "no hot look";
    vt::PaintNow(wnd.m_hWnd);
    vt::ParkCursor();
    if (steps.left)
        steps.left(subject);
    ASSERT_TRUE(vt::PumpUntil([&] { return !steps.rested || steps.rested(subject); }, 2000)) << "not back at rest";
    Destroy(subject);
    vt::PumpPending();
}

struct Entry
{
    const char* name;
    std::function<void(vt::HostWnd&)> cycle;
};

template <class Ctrl>
Entry Subject(const char* name, const Steps<Ctrl>& steps)
{
    return {name, [steps](vt::HostWnd& host) { Cycle(steps, host); }};
}

// What the mouse did to a control, read from its protected state.
template <class Button>
struct Probe : Button
{
    bool Hover() const { return this->m_bHover != FALSE; }
    bool Tracking() const { return this->m_bTracking != FALSE; }
    DWORD Flags() const { return this->m_dwMouseFlags; }
};

// Push and help buttons with icons, every caption colour and the focus frame:
// hot once the hover notification came, at rest once the leave notification
// ended the tracking; then painted focused and disabled.
template <class Button>
Entry PushButton(const char* name)
{
    typedef Probe<Button> B;
    return Subject<B>(name, {
        .create = [](B& b, CWnd& host, const CRect& rc) {
            const HICON icon = ::LoadIcon(NULL, IDI_APPLICATION);
            b.SetIcons(icon, icon);
            b.SetDrawFocusedRect(TRUE);
            b.SetTextColors(RGB(1, 0, 0), RGB(2, 0, 0), RGB(3, 0, 0), RGB(4, 0, 0), RGB(5, 0, 0));
            return b.Create("Soak", kChild | BS_DEFPUSHBUTTON, rc, &host, kId) != FALSE;
        },
        .hot = [](B& b) { return b.Hover(); },
        .left = [](B& b) {
            b.SetFocus();
            b.EnableWindow(FALSE);
            vt::PaintNow(b.m_hWnd);
            b.EnableWindow(TRUE);
        },
        .rested = [](B& b) { return !b.Tracking(); },
    });
}

// Hot spots and check boxes: hot while they hold the capture; a click while
// hot presses, focuses and (for the box) toggles with its callback.
template <class Spot>
Entry HotSpot(const char* name, bool (*create)(Probe<Spot>&, CWnd&, const CRect&))
{
    typedef Probe<Spot> S;
    return Subject<S>(name, {
        .create = create,
        .arrived = [](S&) { vt::MouseDown(); vt::MouseUp(); },
        .hot = [](S& s) { return (s.Flags() & kHotSpotHot) != 0; },
        .rested = [](S& s) { return s.Flags() == 0 && ::GetCapture() != s.m_hWnd; },
    });
}

int g_changes = 0;

// A tool window registered with a callback record, deleted, then with a text
// record; the delay timer is fired rather than waited for.
struct TippedTool : CWnd
{
    CCoolToolTip tip;

    static int TipText(HWND, unsigned char*, int, char* buffer, int)
    {
        lstrcpyA(buffer, "From a callback");
        return 0;
    }
    void Relay()
    {
        MSG msg = {};
        msg.message = WM_MOUSEMOVE;
        tip.RelayEvent(&msg);
    }
};

void Destroy(TippedTool& tool)
{
    tool.tip.DestroyWindow();
    tool.DestroyWindow();
}

// A skinned dialog filled by a skinned button with a tip: the move onto the
// button is relayed by the dialog itself, as the pump offers it the message.
struct TippedDialog : CCoolDialog
{
    CCoolButton button;
    CCoolToolTip& Tip() { return m_toolTip; }
};

// A vertical bar between two panes; resting on it shows the split cursor.
struct SplitPanes : CVertSplitWnd
{
    CWnd m_left, m_right;   // destroyed with the subject
};

// A frame with cool dock bars on all sides, a tool bar, a dockable bar and a
// status bar. The mouse rests on the first tool; leaving, both bars float,
// are painted there and docked on other sides.
const UINT kTools[] = {9001, 9002, 0, 9003};
const UINT kIndicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM};

class BarFrame : public CFrameWnd
{
public:
    CCoolToolBar m_tools;
    CCoolFloatBar m_float;
    CCoolStatusBar m_status;

    bool AddBars()
    {
        for (int i = 0; i < 4; i++) {
            CCoolDockBar* dock = new CCoolDockBar;   // deletes itself with its window
            if (!dock->Create(this, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | dwDockBarMap[i][1], dwDockBarMap[i][0]))
                return false;
        }
        if (!m_tools.CreateEx(this, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER) ||
            !m_tools.SetButtons(kTools, 4) ||
            !m_float.Create(this, AFX_IDW_CONTROLBAR_FIRST + 40, "Soaked", CSize(0, 0)) || !m_status.Create(this) ||
            !m_status.SetIndicators(kIndicators, 3) || !m_status.SetPaneIcon(0, ::LoadIcon(NULL, IDI_INFORMATION)))
            return false;
        m_tools.SetButtonDropDown(kTools[1]);
        m_float.SetBarStyle(m_float.GetBarStyle() | CBRS_SIZE_DYNAMIC);
        m_tools.EnableDocking(CBRS_ALIGN_ANY);
        m_float.EnableDocking(CBRS_ALIGN_ANY);
        EnableDocking(CBRS_ALIGN_ANY);
        DockControlBar(&m_tools, AFX_IDW_DOCKBAR_TOP);
        DockControlBar(&m_float, AFX_IDW_DOCKBAR_LEFT);
        RecalcLayout();
        return true;
    }

protected:
    // Owned by the cycle, not deleted with its window as frames usually are.
    void PostNcDestroy() override {}
    // The tools have a handler, so the idle update leaves them enabled.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pInfo) override
    {
        if (nID < kTools[0] || nID > kTools[3])
            return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pInfo);
        if (nCode == (int)CN_UPDATE_COMMAND_UI)
            ((CCmdUI*)pExtra)->Enable(TRUE);
        return TRUE;
    }
};

CWnd& Window(BarFrame& frame) { return frame.m_tools; }

// Every control the library has, one entry each.
std::vector<Entry> Subjects()
{
    return {
        PushButton<CCoolButton>("push button"),
        PushButton<CCoolHelpButton>("help button"),
        HotSpot<CHotSpot>("hot spot", [](Probe<CHotSpot>& s, CWnd& host, const CRect& rc) {
            return s.Create(kChild, rc, &host, kId) != FALSE;
        }),
        HotSpot<CCoolCheckBox>("check box", [](Probe<CCoolCheckBox>& s, CWnd& host, const CRect& rc) {
            s.SetChangedCallback(&g_changes, [](void* changes, CCoolCheckBox*) { ++*static_cast<int*>(changes); });
            s.SetCheck(1, FALSE, FALSE);
            return s.Create("Soak", kChild, rc, &host, kId) != FALSE;
        }),
        Subject<CWndForXCtrl>("self-drawn base", {[](CWndForXCtrl& w, CWnd& host, const CRect& rc) {
            return w.Create("Soak", kChild, rc, &host, kId) != FALSE;
        }}),
        // Edits take the focus and a key while the mouse is on them, so that
        // the hint (far longer than the box), the text and the mask's items
        // are all painted; the flat edit is painted read-only when left.
        Subject<CCoolEdit>("flat edit", {
            .create = [](CCoolEdit& e, CWnd& host, const CRect& rc) {
                e.SetTipText(kLongHint.c_str(), RGB(200, 0, 0), 0);
                e.SetUpperLower(kEditCaseUpper);
                return e.Create(kChild | WS_TABSTOP | ES_AUTOHSCROLL, rc, &host, kId) != FALSE;
            },
            .arrived = [](CCoolEdit& e) { e.SetFocus(); vt::TypeText("a"); },
            .left = [](CCoolEdit& e) { e.SetReadOnly(TRUE); vt::PaintNow(e.m_hWnd); },
        }),
        Subject<CCoolMaskEdit>("masked edit", {
            .create = [](CCoolMaskEdit& e, CWnd& host, const CRect& rc) {
                if (!e.Create(kChild | WS_TABSTOP, rc, &host, kId))
                    return false;
                e.MaskDateTime(kMaskFormatDateTime);
                return e.SetDateTime(2014, 5, 6, 8, 3, 9) == 1;
            },
            .arrived = [](CCoolMaskEdit& e) { e.SetFocus(); e.SetSel(6, 6); vt::KeyPress(VK_UP); },
        }),
        Subject<TippedTool>("tooltip manager", {
            .create = [](TippedTool& t, CWnd& host, const CRect& rc) {
                unsigned char data[3] = {1, 2, 3};
                return t.Create("STATIC", "", kChild | SS_NOTIFY, rc, &host, kId) && t.tip.Create() &&
                       t.tip.AddTool(t.m_hWnd, TippedTool::TipText, data, 3) && t.tip.DelTool(t.m_hWnd) &&
                       t.tip.AddTool(t.m_hWnd, "Soaked\nfor a while");
            },
            .arrived = [](TippedTool& t) {
                t.Relay();
                t.tip.SendMessage(WM_TIMER, kToolTipDelayTimerId);
            },
            .hot = [](TippedTool& t) { return t.tip.IsWindowVisible() != FALSE; },
            .left = [](TippedTool& t) { t.Relay(); },
            .rested = [](TippedTool& t) { return !t.tip.IsWindowVisible() && ::GetCapture() != t.tip.m_hWnd; },
        }),
        Subject<TippedDialog>("skinned dialog", {
            .create = [](TippedDialog& d, CWnd& host, const CRect& rc) {
                vt::DialogTemplate t(WS_POPUP | WS_VISIBLE);
                t.AddItem(kId, 0x0080, BS_PUSHBUTTON | WS_TABSTOP, "Save");
                t.AddItem(kId + 1, 0x0081, WS_TABSTOP, "Edit");
                if (!d.CreateIndirect(t.Get(), &host) || !d.button.SubclassDlgItem(kId, &d))
                    return false;
                const CPoint at = rc.TopLeft() + CSize(vt::kHostOrigin);
                d.MoveWindow(at.x, at.y, rc.Width(), rc.Height());
                d.button.MoveWindow(0, 0, rc.Width(), rc.Height());
                return d.AddToolTip(kId, "Saves the file") != 0;
            },
            // Fired until the relayed move has made the button the current tool.
            .hot = [](TippedDialog& d) {
                if (!d.Tip().IsWindowVisible())
                    d.Tip().SendMessage(WM_TIMER, kToolTipDelayTimerId);
                return d.Tip().IsWindowVisible() != FALSE;
            },
            // Resized, the dialog paints its whole background again.
            .left = [](TippedDialog& d) {
                d.SetWindowPos(NULL, 0, 0, 200, 120, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
                vt::PaintNow(d.m_hWnd);
            },
            .rested = [](TippedDialog& d) { return !d.Tip().IsWindowVisible(); },
        }),
        // A drop-down combo with a long hint, hovered over its arrow, then read-only.
        Subject<CCoolComboBox>("combo box", {
            .create = [](CCoolComboBox& c, CWnd& host, const CRect& rc) {
                c.SetTipText(kLongHint.c_str(), RGB(200, 0, 0));
                return c.Create(kChild | WS_VSCROLL | CBS_DROPDOWN, rc, &host, kId) && c.AddString("One") >= 0;
            },
            .left = [](CCoolComboBox& c) { c.SetReadOnly(1); vt::PaintNow(c.m_hWnd); },
        }),
        Subject<CCoolLabel>("label", {[](CCoolLabel& l, CWnd& host, const CRect& rc) {
            l.SetBackColor(RGB(250, 240, 200));
            l.SetTextColor(RGB(0, 0, 160));
            static const unsigned short wide[] = {'W', 'i', 'd', 'e', 0};
            const bool made = l.Create("Soaked label", kChild, rc, &host, kId) != FALSE;
            l.SetWideText(wide);
            return made;
        }}),
        Subject<CCoolProgress>("progress bar", {
            .create = [](CCoolProgress& p, CWnd& host, const CRect& rc) {
                if (!p.Create(kChild, rc, &host, kId))
                    return false;
                p.SetPreText("Copying");
                p.SetPos(100, 37);
                return true;
            },
            .left = [](CCoolProgress& p) { p.SetType(kProgressSmooth + 1); p.SetPosToMax(); vt::PaintNow(p.m_hWnd); },
        }),
        // Two groups of buttons; the mouse rests on one, and a press selects it.
        Subject<CButtonListBar>("button list bar", {
            .create = [](CButtonListBar& b, CWnd& host, const CRect& rc) {
                b.SetVirticalOrHorizontal(kListVertical, FALSE);
                if (!b.Create(kChild, CRect(rc.left, rc.top, rc.left + 120, rc.top + 160), &host, kId))
                    return false;
                for (int i = 0; i < 6; ++i)
                    b.AddButton(i % 2 ? "Odd" : "Even", i, "Caption", "Tip", i);
                return true;
            },
            .arrived = [](CButtonListBar&) { vt::MouseDown(); vt::MouseUp(); },
        }),
        Subject<SplitPanes>("split bar", {[](SplitPanes& b, CWnd& host, const CRect& rc) {
            return b.m_left.Create("STATIC", "", kChild, CRect(0, 0, 20, 40), &host, kId + 1) &&
                   b.m_right.Create("STATIC", "", kChild, CRect(rc.right + 4, 0, 300, 40), &host, kId + 2) &&
                   b.Create(kChild, CRect(rc.right - 4, rc.top, rc.right, rc.bottom), &host, kId) &&
                   b.AttachAsLeftPane(kId + 1) && b.AttachAsRightPane(kId + 2);
        }}),
        // Pop-ups are shown where the mouse rests, their timers fired rather
        // than waited for, and taken down when it leaves.
        Subject<CBalloonTip>("balloon tip", {
            .create = [](CBalloonTip& t, CWnd&, const CRect&) { return t.Create() != FALSE; },
            .arrived = [](CBalloonTip& t) {
                POINT at;
                ::GetCursorPos(&at);
                t.ShowMe(at.x, at.y, "Soaked\nballoon", 12, 2, RGB(255, 255, 225), RGB(0, 0, 0), RGB(0, 0, 0), 5000);
                t.SendMessage(WM_TIMER, kBaseTipDelayTimerId);
            },
            .hot = [](CBalloonTip& t) { return t.IsWindowVisible() != FALSE; },
            .left = [](CBalloonTip& t) { t.HideMe(); },
            .rested = [](CBalloonTip& t) { return !t.IsWindowVisible(); },
        }),
        Subject<CTaskBarPopWnd>("notifier", {
            .create = [](CTaskBarPopWnd& p, CWnd&, const CRect&) { return p.Create() != FALSE; },
            .arrived = [](CTaskBarPopWnd& p) {
                p.SetWindowText("Soaked message");
                p.ShowMe(180, 90, 60000);
                for (int i = 0; i < 8; ++i)
                    p.SendMessage(WM_TIMER, kTaskBarPopShowTimerId);
            },
            .hot = [](CTaskBarPopWnd& p) { return p.IsWindowVisible() != FALSE; },
        }),
        Subject<BarFrame>("bars in a frame", {
            .create = [](BarFrame& f, CWnd&, const CRect&) {
                if (!f.Create(NULL, "Soak bars", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(40, 40, 560, 400)) ||
                    !f.AddBars())
                    return false;
                vt::Activate(f.m_hWnd);
                return true;
            },
            .arrived = [](BarFrame& f) {
                CRect item;
                f.m_tools.GetItemRect(0, &item);
                f.m_tools.ClientToScreen(&item);
                vt::MoveCursor(item.CenterPoint());
            },
            .hot = [](BarFrame& f) { return f.m_tools.SendMessage(TB_GETHOTITEM) == 0; },
            .left = [](BarFrame& f) {
                for (CControlBar* bar : {(CControlBar*)&f.m_tools, (CControlBar*)&f.m_float}) {
                    f.FloatControlBar(bar, CPoint(300, 300));
                    vt::PaintNow(f.m_hWnd);
                }
                f.DockControlBar(&f.m_tools, AFX_IDW_DOCKBAR_BOTTOM);
                f.DockControlBar(&f.m_float, AFX_IDW_DOCKBAR_RIGHT);
                f.RecalcLayout();
            },
        }),
    };
}

// One test per subject, so that a subject failing mid-cycle does not stop the others.
class Soak : public ::testing::TestWithParam<size_t> {};

TEST_P(Soak, LeavesGdiObjectsWindowsAndHeapAsTheyWere)
{
    const Entry entry = Subjects()[GetParam()];
    vt::ParkCursor();
    vt::HostWnd host(320, 240);
    const char* text = std::getenv("VELU_SOAK_CYCLES");
    const int cycles = text && std::atoi(text) > 0 ? std::atoi(text) : 10;
    const DWORD start = ::GetTickCount();
    const ::testing::AssertionResult counts = vt::LeavesNothingBehind([&] { entry.cycle(host); }, cycles, true);
    EXPECT_TRUE(counts);
    std::printf("soak: %-16s %6.1f s, %s\n", entry.name, (::GetTickCount() - start) / 1000.0, counts.message());
}

INSTANTIATE_TEST_SUITE_P(EveryControl, Soak, ::testing::Range<size_t>(0, Subjects().size()),
                         [](const ::testing::TestParamInfo<size_t>& info) {
                             std::string name = Subjects()[info.param].name;
                             for (char& c : name)
                                 c = std::isalnum((unsigned char)c) ? c : '_';
                             return name;
                         });

}  // namespace
}  // namespace soak
