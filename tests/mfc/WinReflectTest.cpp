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

TEST_F(Reflect, OwnerDrawButtonPaintsItself)
{
    CSelfDrawButton button;
    ASSERT_TRUE(button.Create("b", WS_VISIBLE | BS_OWNERDRAW, CRect(10, 10, 60, 40), &m_parent, 2));
    button.Invalidate();
    button.UpdateWindow();
    EXPECT_GE(button.m_nDraws, 1);
    EXPECT_EQ(button.m_hWndDrawn, button.m_hWnd);
    vt::Capture capture = vt::Capture::FromWindow(button.m_hWnd);
    EXPECT_PIXEL(capture, 5, 5, RGB(0, 0, 0));
}

TEST_F(Reflect, ParentHandlingDrawItemWinsOverTheChild)
{
    CSelfDrawButton button;
    ASSERT_TRUE(button.Create("b", WS_VISIBLE | BS_OWNERDRAW, CRect(10, 10, 60, 40), &m_parent, 2));
    vt::PumpPending();
    int nChildDraws = button.m_nDraws;
    m_parent.m_bHandleDrawItem = TRUE;
    button.Invalidate();
    button.UpdateWindow();
    EXPECT_GE(m_parent.m_nParentDraws, 1);
    EXPECT_EQ(button.m_nDraws, nChildDraws);
}

TEST_F(Reflect, ColourQueryIsAnsweredByTheChildsBrush)
{
    CColourEdit edit;
    ASSERT_TRUE(edit.Create(WS_VISIBLE | WS_BORDER, CRect(10, 60, 120, 80), &m_parent, 3));
    vt::GdiObject brush(::CreateSolidBrush(RGB(1, 2, 3)));
    edit.m_hBrush = brush.brush();
    vt::WindowDC dc(edit.m_hWnd);
    LRESULT lResult = m_parent.SendMessage(WM_CTLCOLOREDIT, (WPARAM)(HDC)dc, (LPARAM)edit.m_hWnd);
    EXPECT_EQ((HBRUSH)lResult, brush.brush());
    EXPECT_EQ(edit.m_nCtlType, (UINT)CTLCOLOR_EDIT);
    EXPECT_EQ(edit.m_hDC, (HDC)dc);
    // A read-only edit asks with WM_CTLCOLORSTATIC: the type follows the message.
    m_parent.SendMessage(WM_CTLCOLORSTATIC, (WPARAM)(HDC)dc, (LPARAM)edit.m_hWnd);
    EXPECT_EQ(edit.m_nCtlType, (UINT)CTLCOLOR_STATIC);
}

TEST_F(Reflect, ChildReturningNoBrushLeavesTheDefaultColours)
{
    CColourEdit edit;
    ASSERT_TRUE(edit.Create(WS_VISIBLE | WS_BORDER, CRect(10, 60, 120, 80), &m_parent, 3));
    vt::WindowDC dc(edit.m_hWnd);
    LRESULT lResult = m_parent.SendMessage(WM_CTLCOLOREDIT, (WPARAM)(HDC)dc, (LPARAM)edit.m_hWnd);
    LRESULT lDefault = ::DefWindowProc(m_parent.m_hWnd, WM_CTLCOLOREDIT, (WPARAM)(HDC)dc, (LPARAM)edit.m_hWnd);
    EXPECT_EQ(edit.m_nCtlType, (UINT)CTLCOLOR_EDIT);
    EXPECT_EQ(lResult, lDefault);
}

TEST_F(Reflect, ParentHandlingCtlColorWinsOverTheChild)
{
    CColourEdit edit;
    ASSERT_TRUE(edit.Create(WS_VISIBLE | WS_BORDER, CRect(10, 60, 120, 80), &m_parent, 3));
    vt::GdiObject childBrush(::CreateSolidBrush(RGB(1, 2, 3)));
    vt::GdiObject parentBrush(::CreateSolidBrush(RGB(4, 5, 6)));
    edit.m_hBrush = childBrush.brush();
    m_parent.m_bHandleCtlColor = TRUE;
    m_parent.m_hParentBrush = parentBrush.brush();
    vt::WindowDC dc(edit.m_hWnd);
    LRESULT lResult = m_parent.SendMessage(WM_CTLCOLOREDIT, (WPARAM)(HDC)dc, (LPARAM)edit.m_hWnd);
    EXPECT_EQ((HBRUSH)lResult, parentBrush.brush());
    EXPECT_EQ(edit.m_nCtlType, 0xFFFFu);
}

TEST_F(Reflect, NotificationGoesToTheChildAndItsResultIsReturned)
{
    CNotifyingCtrl ctrl;
    ASSERT_TRUE(ctrl.Create(NULL, NULL, WS_VISIBLE, CRect(0, 0, 10, 10), &m_parent, 5));
    EXPECT_EQ(Notify(ctrl, NM_CLICK), 7);
    EXPECT_EQ(ctrl.m_nClicks, 1);
    EXPECT_EQ(m_parent.m_nClicks, 0);
}

TEST_F(Reflect, NotificationDeclinedByTheChildReachesTheParent)
{
    CNotifyingCtrl ctrl;
    ASSERT_TRUE(ctrl.Create(NULL, NULL, WS_VISIBLE, CRect(0, 0, 10, 10), &m_parent, 5));
    Notify(ctrl, NM_DBLCLK);
    EXPECT_EQ(ctrl.m_nDoubleClicks, 1);
    EXPECT_EQ(m_parent.m_nDoubleClicks, 1);
}

TEST_F(Reflect, NotificationRangeHandlerGetsTheSendersId)
{
    CWnd plain;
    ASSERT_TRUE(plain.Create(NULL, NULL, WS_VISIBLE, CRect(0, 0, 10, 10), &m_parent, 14));
    EXPECT_EQ(Notify(plain, NM_RCLICK), 3);
    EXPECT_EQ(m_parent.m_nRangeId, 14u);
    CWnd outside;
    ASSERT_TRUE(outside.Create(NULL, NULL, WS_VISIBLE, CRect(0, 0, 10, 10), &m_parent, 21));
    m_parent.m_nRangeId = 0;
    EXPECT_EQ(Notify(outside, NM_RCLICK), 0);
    EXPECT_EQ(m_parent.m_nRangeId, 0u);
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
