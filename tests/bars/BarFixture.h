// The bar suite's frame (cool dock bars, one cool tool bar, an edit view holding the focus), the
// floating bar and status bar added to it, a generated image strip, a probe of the tool bar's own
// state, and pixel helpers.
#pragma once

#include "support/harness.h"
#include "bars/VeluBars.h"

#include <afxpriv.h>

#include <functional>
#include <memory>
#include <set>
#include <vector>

namespace bartest {

// A client point of a window on the screen; a window's screen rectangle.
inline CPoint OnScreen(const CWnd& wnd, CPoint client) { wnd.ClientToScreen(&client); return client; }
inline CRect WindowRectOf(const CWnd& wnd) { CRect rc; wnd.GetWindowRect(&rc); return rc; }

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
    CPoint ClientOrigin() { CRect window; GetWindowRect(&window); return OnScreen(*this, CPoint(0, 0)) - window.TopLeft(); }
};

class CBarFrame : public CFrameWnd
{
public:
    CProbeToolBar m_wndToolBar;
    CEdit m_wndView;
    std::vector<UINT> m_ids, m_commands;
    std::set<UINT> m_disabled, m_checked;   // what the idle updates make of the buttons

    CPoint ButtonCenter(int nIndex) { return OnScreen(m_wndToolBar, m_wndToolBar.Item(nIndex).CenterPoint()); }
    // Redraws both areas of a bar now and reads its whole window back.
    vt::Capture PaintBar(CWnd& bar)
    {
        bar.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
        return vt::Capture::FromWindow(bar.m_hWnd, true);
    }
    void Dock(CControlBar& bar, UINT nDockBarId) { DockControlBar(&bar, nDockBarId); RecalcLayout(); vt::PumpPending(); }
    void Float(CControlBar& bar) { FloatControlBar(&bar, CPoint(420, 300)); vt::PumpPending(); }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);
    DECLARE_MESSAGE_MAP()
};

// Makes, shows and activates a bar frame with the focus in its view; destroys
// it (the frame deletes itself) at scope end.
class FrameHolder
{
public:
    explicit FrameHolder(const std::vector<UINT>& ids);
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

// A test with a fresh frame, made again by each Make.
class BarTest : public ::testing::Test
{
protected:
    void Make(const std::vector<UINT>& ids = StandardIds())
    {
        vt::ParkCursor();
        m_frame.reset();
        m_frame.reset(new FrameHolder(ids));
        ASSERT_TRUE(Frame() != NULL);
    }
    void TearDown() override { m_frame.reset(); vt::ParkCursor(); }
    CBarFrame* Frame() { return m_frame->get(); }
    CProbeToolBar& Bar() { return Frame()->m_wndToolBar; }
    // Lets idle updates reach the buttons, then paints the bar and reads it back.
    vt::Capture Shot() { vt::PumpPending(); return Frame()->PaintBar(Bar()); }

    std::unique_ptr<FrameHolder> m_frame;
};

// Every pixel of rc (clipped to the picture) satisfies pred; a failure names
// the first pixel that does not and dumps the picture.
::testing::AssertionResult RegionMatches(const vt::Capture& shot, const RECT& rc,
                                         const std::function<bool(int x, int y, COLORREF cr)>& pred);
::testing::AssertionResult RegionIs(const vt::Capture& shot, const RECT& rc, COLORREF cr);

}  // namespace bartest

inline void PrintTo(const CRect& rect, std::ostream* os)
{
    *os << "(" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom << ")";
}

inline void PrintTo(const CPoint& point, std::ostream* os)
{
    *os << "(" << point.x << ", " << point.y << ")";
}
