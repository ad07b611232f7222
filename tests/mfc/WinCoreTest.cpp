// CWnd core: handle maps, creation, subclassing, destruction and the pre-translate walk.
#include "support/harness.h"

#include <afxx_test.h>

#include <string>
#include <vector>

namespace {

// Swallows typed characters and counts what reaches it.
class CCharEater : public CWnd
{
public:
    int m_nChars = 0;
    BOOL m_bPreSubclassed = FALSE;

protected:
    virtual void PreSubclassWindow() { m_bPreSubclassed = TRUE; }
    afx_msg void OnChar(UINT, UINT, UINT) { m_nChars++; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCharEater, CWnd)
    ON_WM_CHAR()
END_MESSAGE_MAP()

// Deletes itself when its window goes, as frames and pop-ups commonly do.
class CSelfDeleting : public CWnd
{
public:
    explicit CSelfDeleting(bool* pDeleted) : m_pDeleted(pDeleted) {}
    ~CSelfDeleting() override { *m_pDeleted = true; }

protected:
    virtual void PostNcDestroy() { delete this; }

private:
    bool* m_pDeleted;
};

HWND CreatePlainEdit(HWND hWndParent, int nID)
{
    return ::CreateWindowEx(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 10, 120, 24,
                            hWndParent, (HMENU)(INT_PTR)nID, ::GetModuleHandle(NULL), NULL);
}

}  // namespace

TEST(WinCore, CreateWithoutClassNameUsesTheDefaultWindowClass)
{
    vt::HostWnd host;
    CWnd wnd;
    ASSERT_TRUE(wnd.Create(NULL, NULL, WS_VISIBLE, CRect(0, 0, 20, 20), &host, 3));
    TCHAR szClass[64];
    ::GetClassName(wnd.m_hWnd, szClass, 64);
    EXPECT_STREQ(szClass, AFX_WND);
    EXPECT_TRUE(wnd.GetStyle() & WS_CHILD);
    EXPECT_EQ(wnd.GetDlgCtrlID(), 3);
    EXPECT_EQ(wnd.GetParent(), &host);
}

TEST(WinCore, SubclassedEditStillWorksAndLosesOnlyWhatTheMapTakes)
{
    vt::HostWnd host;
    HWND hEdit = CreatePlainEdit(host.m_hWnd, 7);
    ASSERT_TRUE(hEdit != NULL);
    WNDPROC pfnEdit = (WNDPROC)::GetWindowLongPtr(hEdit, GWLP_WNDPROC);

    CCharEater eater;
    ASSERT_TRUE(eater.SubclassDlgItem(7, &host));
    EXPECT_TRUE(eater.m_bPreSubclassed);
    EXPECT_EQ(eater.m_hWnd, hEdit);
    EXPECT_EQ(CWnd::FromHandlePermanent(hEdit), &eater);

    // Not in the map: handled by the edit's own procedure.
    eater.SetWindowText("abc");
    CString text;
    eater.GetWindowText(text);
    EXPECT_STREQ((LPCTSTR)text, "abc");
    EXPECT_EQ(eater.SendMessage(EM_GETLIMITTEXT), ::CallWindowProc(pfnEdit, hEdit, EM_GETLIMITTEXT, 0, 0));

    // In the map and not passed on: the edit never sees it.
    eater.SendMessage(WM_CHAR, 'x', 1);
    EXPECT_EQ(eater.m_nChars, 1);
    eater.GetWindowText(text);
    EXPECT_STREQ((LPCTSTR)text, "abc");

    // Given back: the edit's procedure is restored and types again.
    EXPECT_EQ(eater.UnsubclassWindow(), hEdit);
    EXPECT_TRUE(eater.m_hWnd == NULL);
    EXPECT_TRUE(CWnd::FromHandlePermanent(hEdit) == NULL);
    EXPECT_EQ((WNDPROC)::GetWindowLongPtr(hEdit, GWLP_WNDPROC), pfnEdit);
    ::SendMessage(hEdit, EM_SETSEL, 3, 3);
    ::SendMessage(hEdit, WM_CHAR, 'x', 1);
    EXPECT_EQ(eater.m_nChars, 1);
    TCHAR sz[16];
    ::GetWindowText(hEdit, sz, 16);
    EXPECT_STREQ(sz, "abcx");
    ::DestroyWindow(hEdit);
}

TEST(WinCore, DestroyingTheWindowDetachesAndCallsPostNcDestroy)
{
    vt::HostWnd host;
    bool bDeleted = false;
    CSelfDeleting* pWnd = new CSelfDeleting(&bDeleted);
    ASSERT_TRUE(pWnd->Create(NULL, NULL, WS_VISIBLE, CRect(0, 0, 20, 20), &host, 4));
    HWND hWnd = pWnd->m_hWnd;
    ::DestroyWindow(hWnd);
    EXPECT_TRUE(bDeleted);
    EXPECT_TRUE(CWnd::FromHandlePermanent(hWnd) == NULL);
}

TEST(WinCore, TemporaryObjectsGoAtIdlePermanentOnesStay)
{
    vt::HostWnd host;
    HWND hEdit = CreatePlainEdit(host.m_hWnd, 8);
    vt::PumpPending();
    int nBefore = mfcx::TemporaryObjectCount();

    CWnd* pTemp = CWnd::FromHandle(hEdit);
    ASSERT_TRUE(pTemp != NULL);
    EXPECT_EQ(pTemp->m_hWnd, hEdit);
    EXPECT_EQ(CWnd::FromHandle(hEdit), pTemp);
    EXPECT_TRUE(CWnd::FromHandlePermanent(hEdit) == NULL);
    CDC* pDC = CDC::FromHandle(::GetDC(hEdit));
    CGdiObject* pBrush = CGdiObject::FromHandle(::GetStockObject(GRAY_BRUSH));
    EXPECT_EQ(pBrush->m_hObject, ::GetStockObject(GRAY_BRUSH));
    EXPECT_EQ(mfcx::TemporaryObjectCount(), nBefore + 3);
    ::ReleaseDC(hEdit, pDC->m_hDC);

    EXPECT_EQ(CWnd::FromHandle(host.m_hWnd), &host);
    vt::PumpPending();
    EXPECT_EQ(mfcx::TemporaryObjectCount(), 0);
    EXPECT_EQ(CWnd::FromHandle(host.m_hWnd), &host);
    EXPECT_EQ(CWnd::FromHandlePermanent(host.m_hWnd), &host);
    EXPECT_TRUE(::IsWindow(hEdit));
    ::DestroyWindow(hEdit);
}

TEST(WinCore, DescendantWindowIsFoundAtAnyDepth)
{
    vt::HostWnd host;
    CWnd panel;
    ASSERT_TRUE(panel.Create(NULL, NULL, WS_VISIBLE, CRect(0, 0, 100, 100), &host, 1));
    CEdit deep;
    ASSERT_TRUE(deep.Create(WS_VISIBLE, CRect(0, 0, 50, 20), &panel, 77));
    HWND hPlain = CreatePlainEdit(panel.m_hWnd, 78);
    EXPECT_EQ(host.GetDescendantWindow(77), &deep);
    EXPECT_EQ(panel.GetDlgItem(77), &deep);
    EXPECT_TRUE(panel.GetDlgItem(99) == NULL);
    EXPECT_EQ(host.GetDescendantWindow(78)->GetSafeHwnd(), hPlain);
    EXPECT_TRUE(host.GetDescendantWindow(78, TRUE) == NULL);
    EXPECT_TRUE(host.GetDescendantWindow(79) == NULL);
    ::DestroyWindow(hPlain);
}

TEST(WinCore, ModifyStyleChangesOnlyTheRequestedBits)
{
    vt::HostWnd host;
    CWnd wnd;
    ASSERT_TRUE(wnd.Create(NULL, NULL, WS_VISIBLE | WS_BORDER, CRect(0, 0, 40, 40), &host, 4));
    CRect client;
    wnd.GetClientRect(&client);
    EXPECT_TRUE(wnd.ModifyStyle(WS_BORDER, WS_TABSTOP, SWP_FRAMECHANGED));
    EXPECT_FALSE(wnd.GetStyle() & WS_BORDER);
    EXPECT_TRUE(wnd.GetStyle() & WS_TABSTOP);
    EXPECT_TRUE(wnd.GetStyle() & WS_VISIBLE);
    // The frame change made the client area grow by the border on each side.
    CRect clientAfter;
    wnd.GetClientRect(&clientAfter);
    EXPECT_EQ(clientAfter.Width(), client.Width() + 2 * ::GetSystemMetrics(SM_CXBORDER));
    EXPECT_FALSE(wnd.ModifyStyle(WS_BORDER, 0));
}

// ---------------------------------------------------------------- pre-translate walk
namespace {

class CWalker : public CWnd
{
public:
    CWalker(const char* name, std::vector<std::string>* pLog) : m_name(name), m_pLog(pLog) {}
    BOOL m_bConsume = FALSE;
    int m_nKeyDowns = 0;

    virtual BOOL PreTranslateMessage(MSG* pMsg)
    {
        if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_F7) {
            m_pLog->push_back(m_name);
            return m_bConsume;
        }
        return FALSE;
    }

protected:
    afx_msg void OnKeyDown(UINT nChar, UINT, UINT) { m_nKeyDowns += nChar == VK_F7; }
    DECLARE_MESSAGE_MAP()

private:
    std::string m_name;
    std::vector<std::string>* m_pLog;
};

BEGIN_MESSAGE_MAP(CWalker, CWnd)
    ON_WM_KEYDOWN()
END_MESSAGE_MAP()

class PreTranslate : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_outer.Create(NULL, NULL, WS_VISIBLE, CRect(0, 0, 200, 200), &m_host, 1));
        ASSERT_TRUE(m_middle.Create(NULL, NULL, WS_VISIBLE, CRect(0, 0, 150, 150), &m_outer, 2));
        ASSERT_TRUE(m_inner.Create(NULL, NULL, WS_VISIBLE, CRect(0, 0, 100, 100), &m_middle, 3));
    }

    void PostKeyAndPump()
    {
        m_inner.PostMessage(WM_KEYDOWN, VK_F7, 1);
        vt::PumpPending();
    }

    vt::HostWnd m_host;
    std::vector<std::string> m_log;
    CWalker m_outer{"outer", &m_log};
    CWalker m_middle{"middle", &m_log};
    CWalker m_inner{"inner", &m_log};
};

}  // namespace

// The target, then each parent is offered the message until one consumes it
// (which also keeps it from being dispatched) or the given top is reached.
TEST_F(PreTranslate, TargetThenEachParentIsOfferedUntilOneConsumesItOrTheTopIsReached)
{
    PostKeyAndPump();
    EXPECT_EQ((std::vector<std::string>{"inner", "middle", "outer"}), m_log);
    EXPECT_EQ(1, m_inner.m_nKeyDowns);
    m_log.clear();
    m_middle.m_bConsume = TRUE;
    PostKeyAndPump();
    EXPECT_EQ((std::vector<std::string>{"inner", "middle"}), m_log);
    EXPECT_EQ(1, m_inner.m_nKeyDowns);
    m_log.clear();
    m_middle.m_bConsume = FALSE;
    MSG msg = {m_inner.m_hWnd, WM_KEYDOWN, VK_F7};
    EXPECT_FALSE(CWnd::WalkPreTranslateTree(m_middle.m_hWnd, &msg));
    EXPECT_EQ((std::vector<std::string>{"inner", "middle"}), m_log);
}
