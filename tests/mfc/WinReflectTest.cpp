// Reflection: owner-draw, colour and notification messages offered to the child
// control first, unless the parent handles them itself.
#include "support/harness.h"

namespace {

// An owner-draw button that paints itself through the reflected WM_DRAWITEM.
class CSelfDrawButton : public CButton
{
public:
    int m_nDraws = 0;
    HWND m_hWndDrawn = NULL;
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
    {
        m_nDraws++;
        m_hWndDrawn = lpDrawItemStruct->hwndItem;
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

// A control that answers its own notifications.
class CNotifyingCtrl : public CWnd
{
public:
    int m_nClicks = 0;
    int m_nDoubleClicks = 0;
    int m_nCommands = 0;

protected:
    afx_msg void OnClickReflect(NMHDR*, LRESULT* pResult)
    {
        m_nClicks++;
        *pResult = 7;
    }
    afx_msg BOOL OnDblClickReflect(NMHDR*, LRESULT*)
    {
        m_nDoubleClicks++;
        return FALSE;   // let the parent see it too
    }
    afx_msg void OnClickedReflect() { m_nCommands++; }
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
    BOOL m_bHandleDrawItem = FALSE;
    BOOL m_bHandleCtlColor = FALSE;
    int m_nParentDraws = 0;
    HBRUSH m_hParentBrush = NULL;
    int m_nClicks = 0;
    int m_nDoubleClicks = 0;
    UINT m_nRangeId = 0;
    int m_nCommands = 0;

protected:
    afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct)
    {
        if (!m_bHandleDrawItem) {
            CWnd::OnDrawItem(nIDCtl, lpDrawItemStruct);
            return;
        }
        m_nParentDraws++;
    }
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
    {
        if (!m_bHandleCtlColor)
            return CWnd::OnCtlColor(pDC, pWnd, nCtlColor);
        return m_hParentBrush;
    }
    afx_msg void OnClick(NMHDR*, LRESULT*) { m_nClicks++; }
    afx_msg void OnDblClick(NMHDR*, LRESULT*) { m_nDoubleClicks++; }
    afx_msg void OnRange(UINT nID, NMHDR*, LRESULT* pResult)
    {
        m_nRangeId = nID;
        *pResult = 3;
    }
    afx_msg void OnClicked() { m_nCommands++; }
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
        ASSERT_TRUE(m_parent.Create(NULL, NULL, WS_VISIBLE | WS_CLIPCHILDREN, CRect(0, 0, 300, 200), &m_host, 1));
    }

    LRESULT Notify(CWnd& from, UINT code)
    {
        NMHDR nmhdr;
        nmhdr.hwndFrom = from.m_hWnd;
        nmhdr.idFrom = (UINT_PTR)from.GetDlgCtrlID();
        nmhdr.code = code;
        return m_parent.SendMessage(WM_NOTIFY, nmhdr.idFrom, (LPARAM)&nmhdr);
    }

    vt::HostWnd m_host;
    CParentWnd m_parent;
};

}  // namespace

// The child paints itself through the reflected message, unless the parent
// handles WM_DRAWITEM itself.
TEST_F(Reflect, OwnerDrawButtonPaintsItselfUnlessTheParentDoes)
{
    CSelfDrawButton button;
    ASSERT_TRUE(button.Create("b", WS_VISIBLE | BS_OWNERDRAW, CRect(10, 10, 60, 40), &m_parent, 2));
    vt::PaintNow(button.m_hWnd);
    EXPECT_GE(button.m_nDraws, 1);
    EXPECT_EQ(button.m_hWndDrawn, button.m_hWnd);
    EXPECT_PIXEL(vt::Capture::FromWindow(button.m_hWnd), 5, 5, RGB(0, 0, 0));
    const int nChildDraws = button.m_nDraws;
    m_parent.m_bHandleDrawItem = TRUE;
    vt::PaintNow(button.m_hWnd);
    EXPECT_GE(m_parent.m_nParentDraws, 1);
    EXPECT_EQ(button.m_nDraws, nChildDraws);
}

// The child's brush answers the colour query, with the control type the
// message names; no brush leaves the default; a parent's own handler wins.
TEST_F(Reflect, ColourQueryIsAnsweredByTheChildUnlessTheParentAnswersIt)
{
    CColourEdit edit;
    ASSERT_TRUE(edit.Create(WS_VISIBLE | WS_BORDER, CRect(10, 60, 120, 80), &m_parent, 3));
    vt::GdiObject childBrush(::CreateSolidBrush(RGB(1, 2, 3))), parentBrush(::CreateSolidBrush(RGB(4, 5, 6)));
    vt::WindowDC dc(edit.m_hWnd);
    const LRESULT lDefault = ::DefWindowProc(m_parent.m_hWnd, WM_CTLCOLOREDIT, (WPARAM)(HDC)dc, (LPARAM)edit.m_hWnd);
    const struct { const char* name; HBRUSH child; bool parent; UINT message; LRESULT result; UINT type; } cases[] = {
        {"child brush", childBrush.brush(), false, WM_CTLCOLOREDIT, (LRESULT)childBrush.brush(), CTLCOLOR_EDIT},
        // A read-only edit asks with WM_CTLCOLORSTATIC: the type follows the message.
        {"as a static", childBrush.brush(), false, WM_CTLCOLORSTATIC, (LRESULT)childBrush.brush(), CTLCOLOR_STATIC},
        {"no brush", NULL, false, WM_CTLCOLOREDIT, lDefault, CTLCOLOR_EDIT},
        {"parent handles it", childBrush.brush(), true, WM_CTLCOLOREDIT, (LRESULT)parentBrush.brush(), 0xFFFF},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        edit.m_hBrush = c.child;
        edit.m_nCtlType = 0xFFFF;
        m_parent.m_bHandleCtlColor = c.parent;
        m_parent.m_hParentBrush = parentBrush.brush();
        EXPECT_EQ(c.result, m_parent.SendMessage(c.message, (WPARAM)(HDC)dc, (LPARAM)edit.m_hWnd));
        EXPECT_EQ(c.type, edit.m_nCtlType);
        if (c.type != 0xFFFF) {
            EXPECT_EQ((HDC)dc, edit.m_hDC);
        }
    }
}

// A notification goes to the child first and its result is returned; one the
// child declines reaches the parent too; range handlers get the sender's id.
TEST_F(Reflect, NotificationsGoToTheChildFirstThenToTheParent)
{
    CNotifyingCtrl ctrl;
    ASSERT_TRUE(ctrl.Create(NULL, NULL, WS_VISIBLE, CRect(0, 0, 10, 10), &m_parent, 5));
    EXPECT_EQ(7, Notify(ctrl, NM_CLICK));
    EXPECT_EQ(1, ctrl.m_nClicks);
    EXPECT_EQ(0, m_parent.m_nClicks);
    Notify(ctrl, NM_DBLCLK);
    EXPECT_EQ(1, ctrl.m_nDoubleClicks);
    EXPECT_EQ(1, m_parent.m_nDoubleClicks);
    CWnd inRange, outside;
    ASSERT_TRUE(inRange.Create(NULL, NULL, WS_VISIBLE, CRect(0, 0, 10, 10), &m_parent, 14));
    ASSERT_TRUE(outside.Create(NULL, NULL, WS_VISIBLE, CRect(0, 0, 10, 10), &m_parent, 21));
    EXPECT_EQ(3, Notify(inRange, NM_RCLICK));
    EXPECT_EQ(14u, m_parent.m_nRangeId);
    m_parent.m_nRangeId = 0;
    EXPECT_EQ(0, Notify(outside, NM_RCLICK));
    EXPECT_EQ(0u, m_parent.m_nRangeId);
}

TEST_F(Reflect, ControlCommandIsReflectedBeforeTheParentSeesIt)
{
    CNotifyingCtrl ctrl;
    ASSERT_TRUE(ctrl.Create(NULL, NULL, WS_VISIBLE, CRect(0, 0, 10, 10), &m_parent, 5));
    m_parent.SendMessage(WM_COMMAND, MAKEWPARAM(5, BN_CLICKED), (LPARAM)ctrl.m_hWnd);
    EXPECT_EQ(ctrl.m_nCommands, 1);
    EXPECT_EQ(m_parent.m_nCommands, 0);
    // A plain window (no reflection handler) leaves the command to the parent.
    CWnd plain;
    ASSERT_TRUE(plain.Create(NULL, NULL, WS_VISIBLE, CRect(0, 0, 10, 10), &m_parent, 5));
    m_parent.SendMessage(WM_COMMAND, MAKEWPARAM(5, BN_CLICKED), (LPARAM)plain.m_hWnd);
    EXPECT_EQ(m_parent.m_nCommands, 1);
}

TEST_F(Reflect, RealClickOnAStandardButtonReachesTheParentHandler)
{
    CButton button;
    ASSERT_TRUE(button.Create("go", WS_VISIBLE | BS_PUSHBUTTON, CRect(100, 100, 180, 130), &m_parent, 5));
    vt::PumpPending();
    vt::Click(m_host.ToScreen(CPoint(140, 115)));
    EXPECT_TRUE(vt::PumpUntil([&] { return m_parent.m_nCommands == 1; }));
    vt::ParkCursor();
}
