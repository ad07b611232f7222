// Shared pieces of the bar suite: a frame with cool dock bars and a cool tool bar, a generated image
// strip, a probe that reads the tool bar's own state, and pixel helpers.
#pragma once

#include "support/harness.h"
#include "bars/VeluBars.h"

#include <functional>
#include <set>
#include <vector>

namespace bartest {

// Commands of the frame's tool bar; 0 is a separator.
const UINT kIdFirst = 8100;
const UINT kIdComboSlot = 8120;
const UINT kIdEditSlot = 8121;

const COLORREF kKey = RGB(255, 0, 255);          // strip background the tool bar keys out
const COLORREF kBarColour = kBarBackground;
const COLORREF kEdgeColour = kBarEdge;
const CSize kImage(16, 15);
const CSize kButton(23, 22);

// Image i of a generated strip: a key-coloured ring around one colour of its own, with a black dot.
COLORREF ImageColour(int i);
// A strip of nImages images of size kImage (or image x height), owned by the caller.
HBITMAP MakeStrip(int nImages, CSize image = kImage);
// A 24-bpp DIB of cx x cy painted by fn, owned by the caller.
HBITMAP MakeBitmap(int cx, int cy, const std::function<COLORREF(int, int)>& fn);

// The tool bar with its own state readable. Like an application that
// wants the flat look, it keeps docking from giving it MFC's 2-pixel
// borders, so the client reaches the window's edges and the gripper strip
// is the bar's only non-client area.
class CProbeToolBar : public CCoolToolBar
{
public:
    void OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle) override;
    BOOL DelayedLayout() const { return m_bDelayedButtonLayout; }
    int ImageWidth() const { return m_nImageWidth; }
    int ImageHeight() const { return m_nImageHeight; }
    int ImageCount() const { return m_nImageCount; }
    HBITMAP GrayBitmap() const { return m_hGrayBitmap; }
    void DropGrayBitmap();
    int LowestInTopArea() { return DockAtBottomOfTopArea(); }
    TBBUTTON Button(int nIndex);
    // The rectangle button nIndex of this bar takes, in the bar's client coordinates.
    CRect Item(int nIndex);
    // Client coordinates of the bar in its window rectangle.
    CPoint ClientOrigin();
};

// A frame as an application builds one: cool dock bars on every side (or
// the standard ones), one cool tool bar docked at the top with the given
// commands, and an edit as its view, holding the focus.
class CBarFrame : public CFrameWnd
{
public:
    static CBarFrame* Make(const std::vector<UINT>& ids, bool bCoolDockBars = true);
    static const CRect kFrameRect;

    CProbeToolBar m_wndToolBar;
    CEdit m_wndView;
    std::vector<UINT> m_ids;
    bool m_bCoolDockBars = true;
    std::vector<UINT> m_commands;
    // What the idle updates make of the buttons.
    std::set<UINT> m_disabled;
    std::set<UINT> m_checked;

    // Screen centre of button nIndex.
    CPoint ButtonCenter(int nIndex);
    // Redraws the bar (both areas) now and reads its whole window back.
    vt::Capture PaintBar(CControlBar& bar);
    void Dock(CControlBar& bar, UINT nDockBarId);
    void Float(CControlBar& bar, CPoint point);

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);
    DECLARE_MESSAGE_MAP()
};

// Owns a bar frame: destroys it (the frame deletes itself) at scope end.
class FrameHolder
{
public:
    explicit FrameHolder(const std::vector<UINT>& ids, bool bCoolDockBars = true)
        : m_pFrame(CBarFrame::Make(ids, bCoolDockBars)) {}
    ~FrameHolder();
    FrameHolder(const FrameHolder&) = delete;
    FrameHolder& operator=(const FrameHolder&) = delete;
    CBarFrame* operator->() const { return m_pFrame; }
    CBarFrame* get() const { return m_pFrame; }

private:
    CBarFrame* m_pFrame;
};

// ---------------------------------------------------------------- pixels
typedef std::function<COLORREF(int x, int y)> PixelFn;

// Canvases start with this colour; nothing the bars paint uses it.
const COLORREF kBackground = RGB(0x01, 0x02, 0x03);

// Every pixel of rc (clipped to the picture) satisfies pred; the failure
// names the first pixel that does not and dumps the picture as PNG.
::testing::AssertionResult RegionMatches(const vt::Capture& shot, const RECT& rc,
                                         const std::function<bool(int x, int y, COLORREF cr)>& pred, const char* what);
::testing::AssertionResult RegionIs(const vt::Capture& shot, const RECT& rc, const PixelFn& expected);
::testing::AssertionResult RegionIsColour(const vt::Capture& shot, const RECT& rc, COLORREF cr);
inline ::testing::AssertionResult RegionMatches(const vt::MemoryCanvas& canvas, const RECT& rc,
                                                const std::function<bool(int x, int y, COLORREF cr)>& pred,
                                                const char* what)
{
    return RegionMatches(canvas.Snapshot(), rc, pred, what);
}
inline ::testing::AssertionResult RegionIs(const vt::MemoryCanvas& canvas, const RECT& rc, const PixelFn& expected)
{
    return RegionIs(canvas.Snapshot(), rc, expected);
}
inline RECT WholeOf(const vt::MemoryCanvas& canvas) { return {0, 0, canvas.width(), canvas.height()}; }

// GDI objects after nTimes calls of use are as many as before them, after a
// few warm-up calls (Wine keeps some freed DCs for reuse).
::testing::AssertionResult LeaksNothing(const std::function<void()>& use, int nTimes);

// The commands the frame's bar starts with: five buttons, a separator, two more.
std::vector<UINT> StandardIds();

}  // namespace bartest

// Readable geometry in assertion failures.
inline void PrintTo(const CRect& rect, std::ostream* os)
{
    *os << "(" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom << ")";
}

inline void PrintTo(const CPoint& point, std::ostream* os)
{
    *os << "(" << point.x << ", " << point.y << ")";
}
