// Automatic tool tips: the tool under the mouse comes from OnToolHitTest and
// its text from the window's TTN_NEEDTEXT handler. (Texts shown per tool:
// ListBarMouse's and CmdUI's tip tests.)
#include "support/harness.h"

namespace {

// The left half of the window is tool 5; the right half is no tool.
class CTipWnd : public CWnd
{
public:
    mutable int m_nHitTests = 0;
    UINT_PTR m_idAsked = 0;

    virtual int OnToolHitTest(CPoint point, TOOLINFO* pTI) const
    {
        m_nHitTests++;
        CRect rect;
        GetClientRect(&rect);
        rect.right /= 2;
        if (!rect.PtInRect(point))
            return -1;
        pTI->hwnd = m_hWnd;
        pTI->uId = 5;
        pTI->rect = rect;
        pTI->lpszText = LPSTR_TEXTCALLBACK;
        return 5;
    }

protected:
    afx_msg BOOL OnNeedText(UINT, NMHDR* pNMHDR, LRESULT* pResult)
    {
        m_idAsked = pNMHDR->idFrom;
        lstrcpyn(((NMTTDISPINFOA*)pNMHDR)->szText, "left tool", 80);
        *pResult = 0;
        return TRUE;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTipWnd, CWnd)
    ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTA, 0, 0xFFFF, OnNeedText)
END_MESSAGE_MAP()

}  // namespace

// Disabled tips hit-test nothing; enabled, resting off the tool asks for no
// text within twice the tip's initial delay, resting on it does.
TEST(ToolTip, OnlyTheToolUnderTheMouseIsAskedForItsTextAndDisabledTipsHitTestNothing)
{
    vt::HostWnd host;
    CTipWnd wnd;
    ASSERT_TRUE(wnd.Create(NULL, NULL, WS_VISIBLE, CRect(0, 0, 200, 100), &host, 1));
    wnd.EnableToolTips(TRUE);
    wnd.EnableToolTips(FALSE);
    const auto rest = [&](int x) {
        vt::MoveCursor(host.ToScreen(CPoint(x, 50)));
        vt::MoveCursor(host.ToScreen(CPoint(x + 1, 50)));
    };
    rest(40);
    EXPECT_EQ(0, wnd.m_nHitTests);
    ASSERT_TRUE(wnd.EnableToolTips(TRUE));
    rest(160);
    EXPECT_TRUE(vt::PumpUntil([&] { return wnd.m_nHitTests > 0; }));
    vt::PumpFor(2 * ::GetDoubleClickTime());
    EXPECT_EQ(0u, wnd.m_idAsked);
    rest(40);
    EXPECT_TRUE(vt::PumpUntil([&] { return wnd.m_idAsked != 0; }, 4000));
    EXPECT_EQ(5u, wnd.m_idAsked);
    vt::ParkCursor();
}
