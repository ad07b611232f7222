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
    return ::CreateWindowEx(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 10, 120, 24, hWndParent,
                            (HMENU)(INT_PTR)nID, ::GetModuleHandle(NULL), NULL);
}

}  // namespace

// A window made without a class name is a child of the default class; ids
// are found at any depth, permanent objects or temporary ones.
TEST(WinCore, ChildrenOfTheDefaultClassAreFoundByIdAtAnyDepth)
{
    vt::HostWnd host;
    CWnd panel;
    ASSERT_TRUE(panel.Create(NULL, NULL, WS_VISIBLE, CRect(0, 0, 100, 100), &host, 1));
    TCHAR szClass[64];
    ::GetClassName(panel.m_hWnd, szClass, 64);
    EXPECT_STREQ(AFX_WND, szClass);
    EXPECT_TRUE(panel.GetStyle() & WS_CHILD);
    EXPECT_EQ(&host, panel.GetParent());
    CEdit deep;
    ASSERT_TRUE(deep.Create(WS_VISIBLE, CRect(0, 0, 50, 20), &panel, 77));
    HWND hPlain = CreatePlainEdit(panel.m_hWnd, 78);
    EXPECT_EQ(&deep, host.GetDescendantWindow(77));
    EXPECT_EQ(&deep, panel.GetDlgItem(77));
    EXPECT_TRUE(panel.GetDlgItem(99) == NULL);
    EXPECT_EQ(hPlain, host.GetDescendantWindow(78)->GetSafeHwnd());
    EXPECT_TRUE(host.GetDescendantWindow(78, TRUE) == NULL);
    EXPECT_TRUE(host.GetDescendantWindow(79) == NULL);
    ::DestroyWindow(hPlain);
}

// What the map does not take reaches the edit's own procedure; given back,
// the edit types again.
TEST(WinCore, SubclassedEditStillWorksAndLosesOnlyWhatTheMapTakes)
{
    vt::HostWnd host;
    HWND hEdit = CreatePlainEdit(host.m_hWnd, 7);
    WNDPROC pfnEdit = (WNDPROC)::GetWindowLongPtr(hEdit, GWLP_WNDPROC);
    CCharEater eater;
    ASSERT_TRUE(eater.SubclassDlgItem(7, &host));
    EXPECT_TRUE(eater.m_bPreSubclassed);
    EXPECT_EQ(&eater, CWnd::FromHandlePermanent(hEdit));
    eater.SetWindowText("abc");
    EXPECT_EQ(::CallWindowProc(pfnEdit, hEdit, EM_GETLIMITTEXT, 0, 0), eater.SendMessage(EM_GETLIMITTEXT));
    eater.SendMessage(WM_CHAR, 'x', 1);
    EXPECT_EQ(1, eater.m_nChars);
    CString text;
    eater.GetWindowText(text);
    EXPECT_STREQ("abc", (LPCTSTR)text);

    EXPECT_EQ(hEdit, eater.UnsubclassWindow());
    EXPECT_TRUE(eater.m_hWnd == NULL && CWnd::FromHandlePermanent(hEdit) == NULL);
    EXPECT_EQ(pfnEdit, (WNDPROC)::GetWindowLongPtr(hEdit, GWLP_WNDPROC));
    ::SendMessage(hEdit, EM_SETSEL, 3, 3);
    ::SendMessage(hEdit, WM_CHAR, 'x', 1);
    TCHAR sz[16];
    ::GetWindowText(hEdit, sz, 16);
    EXPECT_STREQ("abcx", sz);
    ::DestroyWindow(hEdit);
}

// Temporary objects stand for handles nobody mapped and go at idle time;
// permanent ones stay until their window is destroyed.
TEST(WinCore, TemporaryObjectsGoAtIdlePermanentOnesStayUntilDestroyed)
{
    vt::HostWnd host;
    HWND hEdit = CreatePlainEdit(host.m_hWnd, 8);
    vt::PumpPending();
    const int nBefore = mfcx::TemporaryObjectCount();
    CWnd* pTemp = CWnd::FromHandle(hEdit);
    EXPECT_EQ(hEdit, pTemp->m_hWnd);
    EXPECT_EQ(pTemp, CWnd::FromHandle(hEdit));
    EXPECT_TRUE(CWnd::FromHandlePermanent(hEdit) == NULL);
    HDC hDC = ::GetDC(hEdit);
    CDC::FromHandle(hDC);
    EXPECT_EQ(::GetStockObject(GRAY_BRUSH), CGdiObject::FromHandle(::GetStockObject(GRAY_BRUSH))->m_hObject);
    EXPECT_EQ(nBefore + 3, mfcx::TemporaryObjectCount());
    ::ReleaseDC(hEdit, hDC);
    vt::PumpPending();
    EXPECT_EQ(0, mfcx::TemporaryObjectCount());
    EXPECT_EQ(&host, CWnd::FromHandle(host.m_hWnd));
    EXPECT_TRUE(::IsWindow(hEdit));

    bool bDeleted = false;
    CSelfDeleting* pWnd = new CSelfDeleting(&bDeleted);
    ASSERT_TRUE(pWnd->Create(NULL, NULL, WS_VISIBLE, CRect(0, 0, 20, 20), &host, 4));
    HWND hWnd = pWnd->m_hWnd;
    ::DestroyWindow(hWnd);
    EXPECT_TRUE(bDeleted);
    EXPECT_TRUE(CWnd::FromHandlePermanent(hWnd) == NULL);
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
        if (pMsg->message != WM_KEYDOWN || pMsg->wParam != VK_F7)
            return FALSE;
        m_pLog->push_back(m_name);
        return m_bConsume;
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

}  // namespace

// The target, then each parent is offered the message until one consumes it
// (which also keeps it from being dispatched) or the given top is reached.
TEST(WinCore, PreTranslateOffersTheTargetThenEachParentUntilOneConsumesIt)
{
    vt::HostWnd host;
    std::vector<std::string> log;
    CWalker outer("outer", &log), middle("middle", &log), inner("inner", &log);
    ASSERT_TRUE(outer.Create(NULL, NULL, WS_VISIBLE, CRect(0, 0, 200, 200), &host, 1));
    ASSERT_TRUE(middle.Create(NULL, NULL, WS_VISIBLE, CRect(0, 0, 150, 150), &outer, 2));
    ASSERT_TRUE(inner.Create(NULL, NULL, WS_VISIBLE, CRect(0, 0, 100, 100), &middle, 3));
    for (BOOL bConsume : {FALSE, TRUE}) {
        log.clear();
        middle.m_bConsume = bConsume;
        inner.PostMessage(WM_KEYDOWN, VK_F7, 1);
        vt::PumpPending();
        const std::vector<std::string> offered{"inner", "middle", "outer"};
        EXPECT_EQ(std::vector<std::string>(offered.begin(), offered.end() - bConsume), log);
        EXPECT_EQ(1, inner.m_nKeyDowns);
    }
    log.clear();
    middle.m_bConsume = FALSE;
    MSG msg = {inner.m_hWnd, WM_KEYDOWN, VK_F7};
    EXPECT_FALSE(CWnd::WalkPreTranslateTree(middle.m_hWnd, &msg));
    EXPECT_EQ((std::vector<std::string>{"inner", "middle"}), log);
}
