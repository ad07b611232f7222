// Reflection: colour queries, notifications and commands offered to the child
// control first. (Owner drawing reaches the child the same way: the push
// buttons paint through the reflected WM_DRAWITEM in their suite.)
#include "support/harness.h"

#include <string>

namespace {

std::string g_log;   // who handled what, in order

// An edit that colours itself, or leaves colours to its parent (NULL brush).
class CColourEdit : public CEdit
{
public:
    HBRUSH m_hBrush = NULL;
    UINT m_nCtlType = 0xFFFF;
    HDC m_hDC = NULL;

protected:
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor)
    {
        m_hDC = pDC->m_hDC;
        m_nCtlType = nCtlColor;
        return m_hBrush;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CColourEdit, CEdit)
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

// A control that answers its own notifications and command.
class CNotifyingCtrl : public CWnd
{
protected:
    afx_msg void OnClickReflect(NMHDR*, LRESULT* pResult)
    {
        g_log += "child click ";
        *pResult = 7;
    }
    afx_msg BOOL OnDblClickReflect(NMHDR*, LRESULT*)
    {
        g_log += "child dblclk ";
        return FALSE;   // let the parent see it too
    }
    afx_msg void OnClickedReflect() { g_log += "child clicked "; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CNotifyingCtrl, CWnd)
    ON_NOTIFY_REFLECT(NM_CLICK, OnClickReflect)
    ON_NOTIFY_REFLECT_EX(NM_DBLCLK, OnDblClickReflect)
    ON_CONTROL_REFLECT(BN_CLICKED, OnClickedReflect)
END_MESSAGE_MAP()

// A parent with its own handlers for what its children also handle.
class CParentWnd : public CWnd
{
protected:
    afx_msg void OnClick(NMHDR*, LRESULT*) { g_log += "parent click "; }
    afx_msg void OnDblClick(NMHDR*, LRESULT*) { g_log += "parent dblclk "; }
    afx_msg void OnRange(UINT nID, NMHDR*, LRESULT* pResult)
    {
        g_log += "parent range " + std::to_string(nID) + " ";
        *pResult = 3;
    }
    afx_msg void OnClicked() { g_log += "parent clicked "; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CParentWnd, CWnd)
    ON_NOTIFY(NM_CLICK, 5, OnClick)
    ON_NOTIFY(NM_DBLCLK, 5, OnDblClick)
    ON_NOTIFY_RANGE(NM_RCLICK, 10, 20, OnRange)
    ON_BN_CLICKED(5, OnClicked)
END_MESSAGE_MAP()

class Reflect : public ::testing::Test
{
protected:
    void SetUp() override
    {
        g_log.clear();
        ASSERT_TRUE(m_parent.Create(NULL, NULL, WS_VISIBLE | WS_CLIPCHILDREN, CRect(0, 0, 300, 200), &m_host, 1));
    }

    vt::HostWnd m_host;
    CParentWnd m_parent;
};

}  // namespace

// The child's brush answers the colour query, with the DC and the control
// type the message names; no brush leaves the parent's default.
TEST_F(Reflect, ColourQueryIsAnsweredByTheChildWithTheTypeTheMessageNames)
{
    CColourEdit edit;
    ASSERT_TRUE(edit.Create(WS_VISIBLE | WS_BORDER, CRect(10, 60, 120, 80), &m_parent, 3));
    vt::GdiObject brush(::CreateSolidBrush(RGB(1, 2, 3)));
    vt::WindowDC dc(edit.m_hWnd);
    const LRESULT lDefault = ::DefWindowProc(m_parent.m_hWnd, WM_CTLCOLOREDIT, (WPARAM)(HDC)dc, (LPARAM)edit.m_hWnd);
    const struct { HBRUSH child; UINT message; LRESULT result; UINT type; } cases[] = {
        {brush.brush(), WM_CTLCOLOREDIT, (LRESULT)brush.brush(), CTLCOLOR_EDIT},
        {brush.brush(), WM_CTLCOLORSTATIC, (LRESULT)brush.brush(), CTLCOLOR_STATIC},   // as a read-only edit asks
        {NULL, WM_CTLCOLOREDIT, lDefault, CTLCOLOR_EDIT},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        edit.m_hBrush = c.child;
        edit.m_hDC = NULL;
        EXPECT_EQ(c.result, m_parent.SendMessage(c.message, (WPARAM)(HDC)dc, (LPARAM)edit.m_hWnd));
        EXPECT_EQ(c.type, edit.m_nCtlType);
        EXPECT_EQ((HDC)dc, edit.m_hDC);
    }
}

// A notification or command goes to the child first, and the child's answer
// is returned; one the child declines, or a window without a reflection
// handler, reaches the parent; range handlers get the sender's id.
TEST_F(Reflect, NotificationsAndCommandsGoToTheChildFirstThenToTheParent)
{
    CNotifyingCtrl ctrl;
    CWnd plain, inRange, outside;
    ASSERT_TRUE(ctrl.Create(NULL, NULL, WS_VISIBLE, CRect(0, 0, 10, 10), &m_parent, 5));
    ASSERT_TRUE(plain.Create(NULL, NULL, WS_VISIBLE, CRect(0, 0, 10, 10), &m_parent, 5));
    ASSERT_TRUE(inRange.Create(NULL, NULL, WS_VISIBLE, CRect(0, 0, 10, 10), &m_parent, 14));
    ASSERT_TRUE(outside.Create(NULL, NULL, WS_VISIBLE, CRect(0, 0, 10, 10), &m_parent, 21));
    const struct { const char* name; CWnd& from; UINT code; LRESULT result; const char* log; } rows[] = {
        {"click", ctrl, NM_CLICK, 7, "child click "},
        {"double click, declined", ctrl, NM_DBLCLK, 0, "child dblclk parent dblclk "},
        {"in the range", inRange, NM_RCLICK, 3, "parent range 14 "},
        {"past the range", outside, NM_RCLICK, 0, ""},
        {"command", ctrl, BN_CLICKED, -1, "child clicked "},
        {"command of a plain window", plain, BN_CLICKED, -1, "parent clicked "},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        g_log.clear();
        const UINT nID = row.from.GetDlgCtrlID();
        NMHDR nmhdr = {row.from.m_hWnd, nID, row.code};
        if (row.result == -1)
            m_parent.SendMessage(WM_COMMAND, MAKEWPARAM(nID, row.code), (LPARAM)row.from.m_hWnd);
        else
            EXPECT_EQ(row.result, m_parent.SendMessage(WM_NOTIFY, nID, (LPARAM)&nmhdr));
        EXPECT_EQ(row.log, g_log);
    }
}
