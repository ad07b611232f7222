// CWnd core: handle maps and the pre-translate walk. (Windows deleting
// themselves in PostNcDestroy: the soak's frame and dock bars, heap counted;
// subclassing and giving the procedure back: the split bars' Bind and Unbind
// and the push buttons subclassed from a dialog template; ids at any depth:
// the frame finding its status bar for the prompts.)
#include "support/harness.h"

#include <string>

// A temporary object stands for a handle nobody mapped, the same one each
// time; permanent ones are found as they are. (Temporaries going at idle time
// without taking their handles along: the soak's heap counts, and every
// control that reaches its children through temporaries.)
TEST(WinCore, TemporaryObjectsStandForUnmappedHandlesAndPermanentOnesAreFound)
{
    vt::HostWnd host;
    HWND hEdit = ::CreateWindowEx(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 10, 10, 120, 24, host.m_hWnd, NULL, NULL, NULL);
    CWnd* pTemp = CWnd::FromHandle(hEdit);
    EXPECT_EQ(hEdit, pTemp->m_hWnd);
    EXPECT_EQ(pTemp, CWnd::FromHandle(hEdit));
    EXPECT_TRUE(CWnd::FromHandlePermanent(hEdit) == NULL);
    EXPECT_EQ(&host, CWnd::FromHandle(host.m_hWnd));
}

// ---------------------------------------------------------------- pre-translate walk
namespace {

std::string g_offered;   // the windows offered F7, in order

class CWalker : public CWnd
{
public:
    explicit CWalker(char name) : m_name(name) {}
    BOOL m_bConsume = FALSE;

    virtual BOOL PreTranslateMessage(MSG* pMsg)
    {
        if (pMsg->message != WM_KEYDOWN || pMsg->wParam != VK_F7)
            return FALSE;
        g_offered += m_name;
        return m_bConsume;
    }

private:
    char m_name;
};

}  // namespace

// The target, then each parent is offered the message until one consumes it
// or the given top is reached. (The walk answering TRUE for a consumed
// message, FALSE for one nobody takes: the masked edit's refused messages.)
TEST(WinCore, PreTranslateOffersTheTargetThenEachParentUntilOneConsumesIt)
{
    vt::HostWnd host;
    CWalker outer('o'), middle('m'), inner('i');
    ASSERT_TRUE(outer.Create(NULL, NULL, WS_VISIBLE, CRect(0, 0, 200, 200), &host, 1));
    ASSERT_TRUE(middle.Create(NULL, NULL, WS_VISIBLE, CRect(0, 0, 150, 150), &outer, 2));
    ASSERT_TRUE(inner.Create(NULL, NULL, WS_VISIBLE, CRect(0, 0, 100, 100), &middle, 3));
    for (BOOL bConsume : {FALSE, TRUE}) {
        g_offered.clear();
        middle.m_bConsume = bConsume;
        inner.PostMessage(WM_KEYDOWN, VK_F7, 1);
        vt::PumpPending();
        EXPECT_EQ(bConsume ? "im" : "imo", g_offered);
    }
    g_offered.clear();
    middle.m_bConsume = FALSE;
    MSG msg = {inner.m_hWnd, WM_KEYDOWN, VK_F7};
    EXPECT_FALSE(CWnd::WalkPreTranslateTree(middle.m_hWnd, &msg));
    EXPECT_EQ("im", g_offered);
}
