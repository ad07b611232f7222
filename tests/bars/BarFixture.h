// The bar suite's frame (cool dock bars, one cool tool bar, an edit view holding the focus), a
// generated image strip, a probe of the tool bar's own state, and pixel helpers.
#pragma once

#include "support/harness.h"
#include "bars/VeluBars.h"

#include <functional>
#include <memory>
#include <set>
#include <vector>

namespace bartest {

const UINT kIdFirst = 8100;
const COLORREF kKey = RGB(255, 0, 255);           // strip background, keyed out by the bar
const COLORREF kBackground = RGB(1, 2, 3);        // canvases start with it; no bar paints it
const CSize kImage(16, 15), kButton(23, 22);

// Image i of a strip: a key-coloured ring around a colour of its own, with a black centre dot.
COLORREF ImageColour(int i);
HBITMAP MakeBitmap(int cx, int cy, const std::function<COLORREF(int, int)>& fn);
HBITMAP MakeStrip(int nImages);
COLORREF Gray(COLORREF cr);

// The tool bar with its state readable. Like an application that wants the
// flat look it keeps docking from giving it MFC's 2-pixel borders, so that
// the gripper strip is its only non-client area.
class CProbeToolBar : public CCoolToolBar
{
public:
    void OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle) override;
    CSize ImageSize() const { return CSize(m_nImageWidth, m_nImageHeight); }
    int ImageCount() const { return m_nImageCount; }
    HBITMAP GrayBitmap() const { return m_hGrayBitmap; }
    void DropGrayBitmap() { ::DeleteObject(m_hGrayBitmap); m_hGrayBitmap = NULL; }
    int LowestInTopArea() { return DockAtBottomOfTopArea(); }
    BOOL DelayedLayout() const { return m_bDelayedButtonLayout; }
    TBBUTTON Button(int nIndex)
    {
        TBBUTTON button = {};
        SendMessage(TB_GETBUTTON, (WPARAM)nIndex, (LPARAM)&button);
        return button;
    }
    CRect Item(int nIndex) { CRect rect; GetItemRect(nIndex, &rect); return rect; }   // client coordinates
    CPoint ClientOrigin()   // of the client in the window rectangle
    {
        CRect window, client;
        GetWindowRect(&window);
        GetClientRect(&client);
        ClientToScreen(&client);
        return client.TopLeft() - window.TopLeft();
    }
};

class CBarFrame : public CFrameWnd
{
public:
    static CBarFrame* Make(const std::vector<UINT>& ids);

    CProbeToolBar m_wndToolBar;
    CEdit m_wndView;
    std::vector<UINT> m_ids, m_commands;
    std::set<UINT> m_disabled, m_checked;   // what the idle updates make of the buttons

    CPoint ButtonCenter(int nIndex);        // on screen
    // Redraws both areas of a bar now and reads its whole window back.
    vt::Capture PaintBar(CWnd& bar);
    void Dock(CControlBar& bar, UINT nDockBarId) { DockControlBar(&bar, nDockBarId); RecalcLayout(); vt::PumpPending(); }
    void Float(CControlBar& bar) { FloatControlBar(&bar, CPoint(420, 300)); vt::PumpPending(); }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);
    DECLARE_MESSAGE_MAP()
};

// Owns a bar frame for a test that adds bars of its own; destroys it (the
// frame deletes itself) at scope end.
class FrameHolder
{
public:
    explicit FrameHolder(const std::vector<UINT>& ids) : m_pFrame(CBarFrame::Make(ids)) {}
    ~FrameHolder();
    FrameHolder(const FrameHolder&) = delete;
    FrameHolder& operator=(const FrameHolder&) = delete;
    CBarFrame* operator->() const { return m_pFrame; }
    CBarFrame* get() const { return m_pFrame; }

private:
    CBarFrame* m_pFrame;
};

// Five buttons, a separator, two more.
std::vector<UINT> StandardIds();

// A test with a fresh frame; DestroyWindow deletes it.
class BarTest : public ::testing::Test
{
protected:
    void Make(const std::vector<UINT>& ids = StandardIds());
    void TearDown() override;
    CBarFrame* Frame() { return m_pFrame; }
    CProbeToolBar& Bar() { return m_pFrame->m_wndToolBar; }
    // Lets idle updates reach the buttons, then paints the bar and reads it back.
    vt::Capture Shot();

    CBarFrame* m_pFrame = NULL;
};

// Every pixel of rc (clipped to the picture) satisfies pred; a failure names
// the first pixel that does not and dumps the picture.
::testing::AssertionResult RegionMatches(const vt::Capture& shot, const RECT& rc,
                                         const std::function<bool(int x, int y, COLORREF cr)>& pred);
::testing::AssertionResult RegionIs(const vt::Capture& shot, const RECT& rc, COLORREF cr);
// GDI objects are as many after nTimes calls of use as before (after warming up).
::testing::AssertionResult LeaksNothing(const std::function<void()>& use, int nTimes);

}  // namespace bartest

inline void PrintTo(const CRect& rect, std::ostream* os)
{
    *os << "(" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom << ")";
}

inline void PrintTo(const CPoint& point, std::ostream* os)
{
    *os << "(" << point.x << ", " << point.y << ")";
}
