// WndForXCtrlTest.cpp - the base window of self-drawn controls: focus on click, swallowed input, OnPrepareDC then OnDraw.
// (Its create, paint and destroy cycles are counted by the soak.)
#include "support/harness.h"

#include "frame/VeluFrame.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

const COLORREF kDrawnColour = RGB(30, 160, 90);
const CRect kControlRect(20, 20, 140, 50);

// Records the order of the drawing hooks and paints its client area.
class CRecordingCtrl : public CWndForXCtrl
{
public:
    std::vector<std::string> calls;
    HDC prepareDC = NULL;
    HDC drawDC = NULL;

protected:
    void OnPrepareDC(CDC* pDC) override
    {
        calls.push_back("OnPrepareDC");
        prepareDC = pDC->GetSafeHdc();
    }
    void OnDraw(CDC* pDC) override
    {
        calls.push_back("OnDraw");
        drawDC = pDC->GetSafeHdc();
        CRect client;
        GetClientRect(&client);
        pDC->FillSolidRect(&client, kDrawnColour);
    }
};

// Should a right click get through to the edit class, it would open its
// context menu in a modal loop; this timer closes it so the test fails
// instead of hanging.
void CALLBACK CloseMenu(HWND, UINT, UINT_PTR, DWORD) { ::EndMenu(); }

class WndForXCtrlTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_control.Create(WS_CHILD | WS_VISIBLE, kControlRect, &m_host, 1001));
        ASSERT_TRUE(m_other.CreateEx(0, _T("EDIT"), _T(""), WS_CHILD | WS_VISIBLE | WS_BORDER,
                                     CRect(20, 80, 140, 104), &m_host, 1002));
        vt::Activate(m_host.m_hWnd);
        m_host.UpdateWindow();
        vt::PumpPending();
        m_recorder.Watch(m_control.m_hWnd);
    }
    void TearDown() override { vt::ParkCursor(); }

    POINT Centre() const { return m_host.ToScreen(kControlRect.CenterPoint()); }
    // Pumps until the control has received count messages of the kind.
    bool Received(UINT message, int count)
    {
        return vt::PumpUntil([&] {
            const std::vector<UINT> seen = m_recorder.Messages(m_control.m_hWnd);
            return std::count(seen.begin(), seen.end(), message) >= count;
        });
    }

    vt::HostWnd m_host;
    CRecordingCtrl m_control;
    CWnd m_other;
    vt::MessageRecorder m_recorder;
};

}  // namespace

TEST_F(WndForXCtrlTest, PaintingPreparesTheDeviceContextThenDraws)
{
    char className[32] = {};
    ::GetClassNameA(m_control.m_hWnd, className, sizeof(className));
    EXPECT_EQ(0, ::lstrcmpiA("edit", className)) << "an edit window underneath";
    m_control.calls.clear();
    m_control.Invalidate();
    m_control.UpdateWindow();
    EXPECT_EQ((std::vector<std::string>{"OnPrepareDC", "OnDraw"}), m_control.calls);
    EXPECT_NE(nullptr, m_control.drawDC);
    EXPECT_EQ(m_control.prepareDC, m_control.drawDC);
    EXPECT_FALSE(::GetUpdateRect(m_control.m_hWnd, NULL, FALSE)) << "the paint request is completed";
    const vt::Capture shot = vt::Capture::FromWindow(m_control.m_hWnd);
    EXPECT_PIXEL(shot, shot.width() / 2, shot.height() / 2, kDrawnColour);
}

// Only a left click on an unfocused control acts: it takes the focus.
TEST_F(WndForXCtrlTest, ClickTakesTheFocusAndOtherMouseInputChangesNothing)
{
    m_other.SetFocus();
    vt::Click(Centre());
    EXPECT_TRUE(vt::PumpUntil([&] { return ::GetFocus() == m_control.m_hWnd; }));

    m_host.ClearReceived();
    m_recorder.Clear();
    m_recorder.Only({WM_SETFOCUS, WM_KILLFOCUS, WM_LBUTTONUP, WM_MOUSEWHEEL, WM_CONTEXTMENU, WM_RBUTTONUP});
    const UINT_PTR escape = ::SetTimer(NULL, 0, 300, CloseMenu);
    vt::Click(Centre());
    vt::Wheel(-WHEEL_DELTA);
    vt::Click(Centre(), true);
    vt::Click(Centre(), true);
    ASSERT_TRUE(Received(WM_RBUTTONUP, 2));
    vt::PumpFor(50);
    ::KillTimer(NULL, escape);
    EXPECT_EQ((std::vector<UINT>{WM_LBUTTONUP, WM_MOUSEWHEEL, WM_RBUTTONUP, WM_RBUTTONUP}),
              m_recorder.Messages(m_control.m_hWnd))
        << "no focus change and no context menu";
    EXPECT_EQ(0, m_host.CountReceived(WM_MOUSEWHEEL));
    EXPECT_EQ(0, m_host.CountReceived(WM_CONTEXTMENU));
    EXPECT_EQ(m_control.m_hWnd, ::GetFocus());
}

// x, y, z and Backspace arrive as characters, yet nothing but the control's
// own colour shows: no typed text, no caret.
TEST_F(WndForXCtrlTest, TypedKeysChangeNeitherTextNorLooks)
{
    m_control.SetWindowText(_T("abc"));
    m_control.SetFocus();
    m_control.UpdateWindow();
    vt::PumpPending();
    m_recorder.Clear();
    m_recorder.Only({WM_CHAR, WM_KEYUP});
    vt::TypeText("xyz");
    vt::KeyPress(VK_BACK);
    vt::KeyPress(VK_HOME, true);
    vt::KeyPress(VK_DELETE);
    ASSERT_TRUE(Received(WM_KEYUP, 7)) << "the keys reached the control";
    const std::vector<UINT> seen = m_recorder.Messages();
    EXPECT_EQ(4, std::count(seen.begin(), seen.end(), UINT(WM_CHAR)));
    vt::PumpFor(50);

    CString text;
    m_control.GetWindowText(text);
    EXPECT_STREQ("abc", (LPCTSTR)text);
    GUITHREADINFO gui = {sizeof(gui)};
    ASSERT_TRUE(::GetGUIThreadInfo(::GetCurrentThreadId(), &gui));
    EXPECT_NE(m_control.m_hWnd, gui.hwndCaret) << "no caret is shown";
    const vt::Capture after = vt::Capture::FromWindow(m_control.m_hWnd);
    const CRect all(0, 0, after.width(), after.height());
    EXPECT_EQ(all.Width() * all.Height(), vt::CountColour(after, all, kDrawnColour))
        << vt::DumpForCurrentTest(after, "after-typing");
}
