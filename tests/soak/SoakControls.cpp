// The controls the library has today, one soak subject each.
#include "soak.h"

#include "buttons/VeluButtons.h"
#include "edits/VeluEdits.h"
#include "panes/VeluPanes.h"

namespace soak {
namespace {

const UINT kId = 1001;
const DWORD kChild = WS_CHILD | WS_VISIBLE;

// Push and help buttons with icons, every caption colour and the focus
// frame: hot once the hover notification came, at rest once the leave
// notification ended the tracking; then painted focused and disabled.
template <class Button>
class ButtonSubject : public Subject
{
public:
    bool Create(CWnd& host, const CRect& rect) override
    {
        const HICON icon = ::LoadIcon(NULL, IDI_APPLICATION);
        m_button.SetIcons(icon, icon);
        m_button.SetDrawFocusedRect(TRUE);
        m_button.SetTextColors(RGB(1, 0, 0), RGB(2, 0, 0), RGB(3, 0, 0), RGB(4, 0, 0), RGB(5, 0, 0));
        return m_button.Create("Soak", kChild | BS_DEFPUSHBUTTON, rect, &host, kId) != FALSE;
    }
    CWnd& Wnd() override { return m_button; }
    bool Hot() override { return m_button.Hover(); }
    void Left() override
    {
        m_button.SetFocus();
        m_button.EnableWindow(FALSE);
        vt::PaintNow(m_button.m_hWnd);
        m_button.EnableWindow(TRUE);
    }
    bool Rested() override { return !m_button.Tracking(); }

private:
    struct Probe : Button
    {
        bool Hover() const { return this->m_bHover != FALSE; }
        bool Tracking() const { return this->m_bTracking != FALSE; }
    } m_button;
};
typedef ButtonSubject<CCoolButton> PushButton;
typedef ButtonSubject<CCoolHelpButton> HelpButton;
SOAK_SUBJECT(PushButton, "push button");
SOAK_SUBJECT(HelpButton, "help button");

// Hot spots and check boxes: hot while they hold the capture; a click while
// hot presses, focuses and (for the box) toggles with its callback.
template <class Spot>
class SpotSubject : public Subject
{
public:
    bool Create(CWnd& host, const CRect& rect) override;
    CWnd& Wnd() override { return m_spot; }
    void Arrived() override
    {
        vt::MouseDown();
        vt::MouseUp();
    }
    bool Hot() override { return (m_spot.Flags() & kHotSpotHot) != 0; }
    bool Rested() override { return m_spot.Flags() == 0 && ::GetCapture() != m_spot.m_hWnd; }

private:
    struct Probe : Spot
    {
        DWORD Flags() const { return this->m_dwMouseFlags; }
    } m_spot;
};

template <>
bool SpotSubject<CHotSpot>::Create(CWnd& host, const CRect& rect)
{
    return m_spot.Create(kChild, rect, &host, kId) != FALSE;
}

void CountChange(void* context, CCoolCheckBox*)
{
    ++*static_cast<int*>(context);
}

template <>
bool SpotSubject<CCoolCheckBox>::Create(CWnd& host, const CRect& rect)
{
    static int changes = 0;
    m_spot.SetChangedCallback(&changes, CountChange);
    m_spot.SetCheck(1, FALSE, FALSE);
    return m_spot.Create("Soak", kChild, rect, &host, kId) != FALSE;
}
typedef SpotSubject<CHotSpot> HotSpot;
typedef SpotSubject<CCoolCheckBox> CheckBox;
SOAK_SUBJECT(HotSpot, "hot spot");
SOAK_SUBJECT(CheckBox, "check box");

class BaseWindow : public Subject
{
public:
    bool Create(CWnd& host, const CRect& rect) override
    {
        return m_wnd.Create("Soak", kChild, rect, &host, kId) != FALSE;
    }
    CWnd& Wnd() override { return m_wnd; }

private:
    CWndForXCtrl m_wnd;
};
SOAK_SUBJECT(BaseWindow, "self-drawn base");

// Edits take the focus and a key while the mouse is on them, so that the
// hint, the text and the mask's items are all painted.
class FlatEdit : public Subject
{
public:
    bool Create(CWnd& host, const CRect& rect) override
    {
        m_edit.SetTipText("Type here", RGB(200, 0, 0), 0);
        m_edit.SetUpperLower(kEditCaseUpper);
        return m_edit.Create(kChild | WS_TABSTOP | ES_AUTOHSCROLL, rect, &host, kId) != FALSE;
    }
    CWnd& Wnd() override { return m_edit; }
    void Arrived() override
    {
        m_edit.SetFocus();
        vt::TypeText("a");
    }

private:
    CCoolEdit m_edit;
};
SOAK_SUBJECT(FlatEdit, "flat edit");

class MaskEdit : public Subject
{
public:
    bool Create(CWnd& host, const CRect& rect) override
    {
        if (!m_edit.Create(kChild | WS_TABSTOP, rect, &host, kId))
            return false;
        m_edit.MaskDateTime(kMaskFormatDateTime);
        return m_edit.SetDateTime(2014, 5, 6, 8, 3, 9) == 1;
    }
    CWnd& Wnd() override { return m_edit; }
    void Arrived() override
    {
        m_edit.SetFocus();
        m_edit.SetSel(6, 6);
        vt::KeyPress(VK_UP);
    }

private:
    CCoolMaskEdit m_edit;
};
SOAK_SUBJECT(MaskEdit, "masked edit");

int SoakTipText(HWND, unsigned char*, int, char* buffer, int)
{
    lstrcpyA(buffer, "From a callback");
    return 0;
}

// A tool window registered with a callback record, deleted, then with a text
// record; the delay timer is fired rather than waited for.
class ToolTip : public Subject
{
public:
    bool Create(CWnd& host, const CRect& rect) override
    {
        unsigned char data[3] = {1, 2, 3};
        return m_tool.Create("STATIC", "", kChild | SS_NOTIFY, rect, &host, kId) && m_tip.Create() &&
               m_tip.AddTool(m_tool.m_hWnd, SoakTipText, data, 3) && m_tip.DelTool(m_tool.m_hWnd) &&
               m_tip.AddTool(m_tool.m_hWnd, "Soaked\nfor a while");
    }
    CWnd& Wnd() override { return m_tool; }
    void Arrived() override
    {
        Relay();
        m_tip.SendMessage(WM_TIMER, kToolTipDelayTimerId);
    }
    bool Hot() override { return m_tip.IsWindowVisible() != FALSE; }
    void Left() override { Relay(); }
    bool Rested() override { return !m_tip.IsWindowVisible() && ::GetCapture() != m_tip.m_hWnd; }
    void Destroy() override
    {
        m_tip.DestroyWindow();
        m_tool.DestroyWindow();
    }

private:
    void Relay()
    {
        MSG msg = {};
        msg.message = WM_MOUSEMOVE;
        m_tip.RelayEvent(&msg);
    }

    CWnd m_tool;
    CCoolToolTip m_tip;
};
SOAK_SUBJECT(ToolTip, "tooltip manager");

// A skinned dialog whose skinned button has a tip: the move onto the button
// is relayed by the dialog itself, as the pump offers it the message.
class Dialog : public Subject
{
public:
    bool Create(CWnd& host, const CRect& rect) override
    {
        vt::DialogTemplate t(WS_POPUP | WS_VISIBLE);
        t.AddItem(kId, 0x0080, BS_PUSHBUTTON | WS_TABSTOP, "Save");
        t.AddItem(kId + 1, 0x0081, WS_TABSTOP, "Edit");
        if (!m_dialog.CreateIndirect(t.Get(), &host) || !m_button.SubclassDlgItem(kId, &m_dialog))
            return false;
        CRect screen(rect);
        host.ClientToScreen(&screen);
        m_dialog.MoveWindow(screen.left, screen.top, rect.Width(), rect.Height() + 40);
        m_button.MoveWindow(0, 0, rect.Width(), rect.Height());
        return m_dialog.AddToolTip(kId, "Saves the file") != 0;
    }
    CWnd& Wnd() override { return m_button; }
    // Fired until the relayed move has made the button the current tool.
    bool Hot() override
    {
        if (!m_dialog.Tip().IsWindowVisible())
            m_dialog.Tip().SendMessage(WM_TIMER, kToolTipDelayTimerId);
        return m_dialog.Tip().IsWindowVisible() != FALSE;
    }
    // Resized, the dialog paints its whole background again.
    void Left() override
    {
        m_dialog.SetWindowPos(NULL, 0, 0, 200, 120, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        vt::PaintNow(m_dialog.m_hWnd);
    }
    bool Rested() override { return !m_dialog.Tip().IsWindowVisible(); }
    void Destroy() override { m_dialog.DestroyWindow(); }

private:
    struct Probe : CCoolDialog
    {
        CCoolToolTip& Tip() { return m_toolTip; }
    } m_dialog;
    CCoolButton m_button;
};
SOAK_SUBJECT(Dialog, "skinned dialog");

}  // namespace
}  // namespace soak
