// Reflection: owner-draw, colour, notification and command messages offered
// to the child control first, unless the parent handles them itself.
#include "support/harness.h"

#include <string>

namespace {

std::string g_log;   // who handled what, in order

// An owner-draw button that paints itself black through the reflected WM_DRAWITEM.
class CSelfDrawButton : public CButton
{
public:
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
    {
        g_log += lpDrawItemStruct->hwndItem == m_hWnd ? "child draw " : "child draws another ";
        ::FillRect(lpDrawItemStruct->hDC, &lpDrawItemStruct->rcItem, (HBRUSH)::GetStockObject(BLACK_BRUSH));
    }
};

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
public:
    BOOL m_bOwnDrawing = FALSE;   // handles WM_DRAWITEM and the colour queries itself
    HBRUSH m_hBrush = NULL;

protected:
    afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct)
    {
        if (m_bOwnDrawing)
            g_log += "parent draw ";
        else
            CWnd::OnDrawItem(nIDCtl, lpDrawItemStruct);
    }
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
    {
        return m_bOwnDrawing ? m_hBrush : CWnd::OnCtlColor(pDC, pWnd, nCtlColor);
    }
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
    ON_WM_DRAWITEM()
    ON_WM_CTLCOLOR()
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

TEST_F(Reflect, OwnerDrawButtonPaintsItselfUnlessTheParentDoes)
{
    CSelfDrawButton button;
    ASSERT_TRUE(button.Create("b", WS_VISIBLE | BS_OWNERDRAW, CRect(10, 10, 60, 40), &m_parent, 2));
    vt::PaintNow(button.m_hWnd);
    EXPECT_EQ("child draw ", g_log);
    EXPECT_PIXEL(vt::Capture::FromWindow(button.m_hWnd), 5, 5, RGB(0, 0, 0));
    g_log.clear();
    m_parent.m_bOwnDrawing = TRUE;
    vt::PaintNow(button.m_hWnd);
    EXPECT_EQ("parent draw ", g_log);
}

// The child's brush answers the colour query, with the control type the
// message names; no brush leaves the default; a parent's own handler wins.
TEST_F(Reflect, ColourQueryIsAnsweredByTheChildUnlessTheParentAnswersIt)
{
    CColourEdit edit;
    ASSERT_TRUE(edit.Create(WS_VISIBLE | WS_BORDER, CRect(10, 60, 120, 80), &m_parent, 3));
    vt::GdiObject childBrush(::CreateSolidBrush(RGB(1, 2, 3))), parentBrush(::CreateSolidBrush(RGB(4, 5, 6)));
    m_parent.m_hBrush = parentBrush.brush();
    vt::WindowDC dc(edit.m_hWnd);
    const LRESULT lDefault = ::DefWindowProc(m_parent.m_hWnd, WM_CTLCOLOREDIT, (WPARAM)(HDC)dc, (LPARAM)edit.m_hWnd);
    const struct { const char* name; HBRUSH child; BOOL parent; UINT message; LRESULT result; UINT type; } cases[] = {
        {"child brush", childBrush.brush(), FALSE, WM_CTLCOLOREDIT, (LRESULT)childBrush.brush(), CTLCOLOR_EDIT},
        // A read-only edit asks with WM_CTLCOLORSTATIC: the type follows the message.
        {"as a static", childBrush.brush(), FALSE, WM_CTLCOLORSTATIC, (LRESULT)childBrush.brush(), CTLCOLOR_STATIC},
        {"no brush", NULL, FALSE, WM_CTLCOLOREDIT, lDefault, CTLCOLOR_EDIT},
        {"parent handles it", childBrush.brush(), TRUE, WM_CTLCOLOREDIT, (LRESULT)parentBrush.brush(), 0xFFFF},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        edit.m_hBrush = c.child;
        edit.m_nCtlType = 0xFFFF;
        edit.m_hDC = NULL;
        m_parent.m_bOwnDrawing = c.parent;
        EXPECT_EQ(c.result, m_parent.SendMessage(c.message, (WPARAM)(HDC)dc, (LPARAM)edit.m_hWnd));
        EXPECT_EQ(c.type, edit.m_nCtlType);
        EXPECT_EQ(c.type != 0xFFFF ? (HDC)dc : NULL, edit.m_hDC);
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
