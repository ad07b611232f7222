// Display controls, pop-ups, split bars and the button list bar, one soak subject each.
#include "soak.h"

#include "edits/VeluEdits.h"
#include "listbar/VeluListBar.h"
#include "panes/VeluPanes.h"
#include "tips/VeluTips.h"

namespace soak {
namespace {

const UINT kId = 1101;
const DWORD kChild = WS_CHILD | WS_VISIBLE;

// A drop-down list with a hint, hovered over its arrow, then read-only.
class ComboBox : public Subject
{
public:
    bool Create(CWnd& host, const CRect& rect) override
    {
        m_combo.SetTipText("Pick one", RGB(200, 0, 0));
        return m_combo.Create(kChild | WS_VSCROLL | CBS_DROPDOWN, rect, &host, kId) && m_combo.AddString("One") >= 0;
    }
    CWnd& Wnd() override { return m_combo; }
    void Left() override
    {
        m_combo.SetReadOnly(1);
        vt::PaintNow(m_combo.m_hWnd);
    }

private:
    CCoolComboBox m_combo;
};
SOAK_SUBJECT(ComboBox, "combo box");

class Label : public Subject
{
public:
    bool Create(CWnd& host, const CRect& rect) override
    {
        m_label.SetBackColor(RGB(250, 240, 200));
        m_label.SetTextColor(RGB(0, 0, 160));
        return m_label.Create("Soaked label", kChild, rect, &host, kId) != FALSE;
    }
    CWnd& Wnd() override { return m_label; }

private:
    CCoolLabel m_label;
};
SOAK_SUBJECT(Label, "label");

class Progress : public Subject
{
public:
    bool Create(CWnd& host, const CRect& rect) override
    {
        if (!m_bar.Create(kChild, rect, &host, kId))
            return false;
        m_bar.SetPreText("Copying");
        m_bar.SetPos(100, 37);
        return true;
    }
    CWnd& Wnd() override { return m_bar; }
    void Left() override
    {
        m_bar.SetType(kProgressSmooth + 1);
        m_bar.SetPosToMax();
        vt::PaintNow(m_bar.m_hWnd);
    }

private:
    CCoolProgress m_bar;
};
SOAK_SUBJECT(Progress, "progress bar");

// Two groups of buttons; the mouse rests on one, and a press selects it.
class ListBar : public Subject
{
public:
    bool Create(CWnd& host, const CRect& rect) override
    {
        m_bar.SetVirticalOrHorizontal(kListVertical, FALSE);
        if (!m_bar.Create(kChild, CRect(rect.left, rect.top, rect.left + 120, rect.top + 160), &host, kId))
            return false;
        for (int i = 0; i < 6; ++i)
            m_bar.AddButton(i % 2 ? "Odd" : "Even", i, "Caption", "Tip", i);
        return true;
    }
    CWnd& Wnd() override { return m_bar; }
    void Arrived() override
    {
        vt::MouseDown();
        vt::MouseUp();
    }

private:
    CButtonListBar m_bar;
};
SOAK_SUBJECT(ListBar, "button list bar");

// A vertical bar between two panes; resting on it shows the split cursor.
class SplitBar : public Subject
{
public:
    bool Create(CWnd& host, const CRect& rect) override
    {
        return m_left.Create("STATIC", "", kChild, CRect(0, 0, 20, 40), &host, kId + 1) &&
               m_right.Create("STATIC", "", kChild, CRect(rect.right + 4, 0, 300, 40), &host, kId + 2) &&
               m_bar.Create(kChild, CRect(rect.right - 4, rect.top, rect.right, rect.bottom), &host, kId) &&
               m_bar.AttachAsLeftPane(kId + 1) && m_bar.AttachAsRightPane(kId + 2);
    }
    CWnd& Wnd() override { return m_bar; }
    void Destroy() override
    {
        m_bar.DestroyWindow();
        m_left.DestroyWindow();
        m_right.DestroyWindow();
    }

private:
    CWnd m_left, m_right;
    CVertSplitWnd m_bar;
};
SOAK_SUBJECT(SplitBar, "split bar");

// Pop-ups are shown where the mouse rests and taken down when it leaves.
class Balloon : public Subject
{
public:
    bool Create(CWnd&, const CRect&) override { return m_tip.Create() != FALSE; }
    CWnd& Wnd() override { return m_tip; }
    void Arrived() override
    {
        POINT at;
        ::GetCursorPos(&at);
        m_tip.ShowMe(at.x, at.y, "Soaked\nballoon", 12, 2, RGB(255, 255, 225), RGB(0, 0, 0), RGB(0, 0, 0), 5000);
        m_tip.SendMessage(WM_TIMER, kBaseTipDelayTimerId);   // the show delay, fired rather than waited for
    }
    bool Hot() override { return m_tip.IsWindowVisible() != FALSE; }
    void Left() override { m_tip.HideMe(); }
    bool Rested() override { return !m_tip.IsWindowVisible(); }

private:
    CBalloonTip m_tip;
};
SOAK_SUBJECT(Balloon, "balloon tip");

class Notifier : public Subject
{
public:
    bool Create(CWnd&, const CRect&) override { return m_pop.Create() != FALSE; }
    CWnd& Wnd() override { return m_pop; }
    // The slide-out timer is fired rather than waited for.
    void Arrived() override
    {
        m_pop.SetWindowText("Soaked message");
        m_pop.ShowMe(180, 90, 60000);
        for (int i = 0; i < 8; ++i)
            m_pop.SendMessage(WM_TIMER, kTaskBarPopShowTimerId);
    }
    bool Hot() override { return m_pop.IsWindowVisible() != FALSE; }

private:
    CTaskBarPopWnd m_pop;
};
SOAK_SUBJECT(Notifier, "notifier");

}  // namespace
}  // namespace soak
