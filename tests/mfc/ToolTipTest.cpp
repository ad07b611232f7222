// Automatic tool tips: the tool under the mouse comes from OnToolHitTest and
// its text from the window's TTN_NEEDTEXT handler.
#include "support/harness.h"

namespace {

const UINT kLeftTool = 5;

// The left half of the window is a tool; the right half is not.
class CTipWnd : public CWnd
{
public:
    int m_nTextRequests = 0;
    UINT_PTR m_idRequested = 0;
    int m_nHitTests = 0;

    virtual int OnToolHitTest(CPoint point, TOOLINFO* pTI) const
    {
        const_cast<CTipWnd*>(this)->m_nHitTests++;
        CRect rect;
        GetClientRect(&rect);
        rect.right /= 2;
        if (!rect.PtInRect(point))
            return -1;
        pTI->hwnd = m_hWnd;
        pTI->uId = kLeftTool;
        pTI->rect = rect;
        pTI->lpszText = LPSTR_TEXTCALLBACK;
        return (int)kLeftTool;
    }

protected:
    afx_msg BOOL OnNeedText(UINT, NMHDR* pNMHDR, LRESULT* pResult)
    {
        NMTTDISPINFOA* pInfo = (NMTTDISPINFOA*)pNMHDR;
        m_nTextRequests++;
        m_idRequested = pNMHDR->idFrom;
        lstrcpyn(pInfo->szText, "left tool", sizeof(pInfo->szText));
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
    vt::MoveCursor(host.ToScreen(CPoint(40, 50)));
    vt::PumpPending();
    EXPECT_EQ(wnd.m_nHitTests, 0);
    ASSERT_TRUE(wnd.EnableToolTips(TRUE));
    vt::MoveCursor(host.ToScreen(CPoint(160, 50)));
    vt::MoveCursor(host.ToScreen(CPoint(161, 50)));
    EXPECT_TRUE(vt::PumpUntil([&] { return wnd.m_nHitTests > 0; }, 2000));
    vt::PumpFor(2 * ::GetDoubleClickTime());
    EXPECT_EQ(wnd.m_nTextRequests, 0);
    vt::MoveCursor(host.ToScreen(CPoint(40, 50)));
    vt::MoveCursor(host.ToScreen(CPoint(41, 50)));
    EXPECT_TRUE(vt::PumpUntil([&] { return wnd.m_nTextRequests > 0; }, 4000));
    EXPECT_EQ(wnd.m_idRequested, (UINT_PTR)kLeftTool);
    vt::ParkCursor();
    vt::PumpPending();
}
