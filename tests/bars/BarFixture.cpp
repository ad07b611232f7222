// The bar suite's frame, strip, probe and pixel helpers.
#include "BarFixture.h"

namespace bartest {

COLORREF ImageColour(int i)
{
    return RGB(30 + (i * 23) % 200, 200 - (i * 17) % 150, 60 + (i * 41) % 180);
}

HBITMAP MakeBitmap(int cx, int cy, const std::function<COLORREF(int, int)>& fn)
{
    BITMAPINFO bmi = {{sizeof(BITMAPINFOHEADER), cx, -cy, 1, 32, BI_RGB}};
    void* pBits = NULL;
    HBITMAP hBitmap = ::CreateDIBSection(NULL, &bmi, DIB_RGB_COLORS, &pBits, NULL, 0);
    for (int y = 0; hBitmap != NULL && y < cy; y++)
        for (int x = 0; x < cx; x++) {
            const COLORREF cr = fn(x, y);
            static_cast<DWORD*>(pBits)[y * cx + x] = (GetRValue(cr) << 16) | (GetGValue(cr) << 8) | GetBValue(cr);
        }
    return hBitmap;
}

HBITMAP MakeStrip(int nImages)
{
    return MakeBitmap(nImages * kImage.cx, kImage.cy, [](int x, int y) {
        const int xIn = x % kImage.cx;
        if (xIn == 0 || y == 0 || xIn == kImage.cx - 1 || y == kImage.cy - 1)
            return kKey;
        return xIn == kImage.cx / 2 && y == kImage.cy / 2 ? RGB(0, 0, 0) : ImageColour(x / kImage.cx);
    });
}

COLORREF Gray(COLORREF cr)
{
    const BYTE g = BYTE(int(0.24 * GetRValue(cr)) + int(0.54 * GetGValue(cr)) + int(0.14 * GetBValue(cr)));
    return cr == RGB(0, 0, 0) ? cr : RGB(g, g, g);
}

std::vector<UINT> StandardIds()
{
    return {kIdFirst, kIdFirst + 1, kIdFirst + 2, kIdFirst + 3, kIdFirst + 4, 0, kIdFirst + 5, kIdFirst + 6};
}

// ---------------------------------------------------------------- probe
void CProbeToolBar::OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle)
{
    m_dwStyle &= ~CBRS_BORDER_ANY;
    CCoolToolBar::OnBarStyleChange(dwOldStyle, dwNewStyle & ~CBRS_BORDER_ANY);
}

// ---------------------------------------------------------------- frame
BEGIN_MESSAGE_MAP(CBarFrame, CFrameWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

// No tool tips: a tip window resting over the bar would clip its paint.
int CBarFrame::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CFrameWnd::OnCreate(lpcs) == -1)
        return -1;
    for (int i = 0; i < 4; i++) {
        CCoolDockBar* pDock = new CCoolDockBar;
        if (!pDock->Create(this, WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_CHILD | WS_VISIBLE | dwDockBarMap[i][1],
                           dwDockBarMap[i][0])) {
            delete pDock;
            return -1;
        }
    }
    if (!m_wndToolBar.CreateEx(this, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_SIZE_DYNAMIC) ||
        (!m_ids.empty() && !m_wndToolBar.SetButtons(m_ids.data(), (int)m_ids.size())))
        return -1;
    m_wndToolBar.SetSizes(kButton, kImage);
    HBITMAP hStrip = MakeStrip(10);
    if (!m_wndToolBar.SetBitmap(hStrip))
        ::DeleteObject(hStrip);
    if (!m_wndView.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE, CRect(0, 0, 0, 0), this, AFX_IDW_PANE_FIRST))
        return -1;
    m_wndToolBar.EnableDocking(CBRS_ALIGN_ANY);
    EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&m_wndToolBar);
    return 0;
}

BOOL CBarFrame::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (nID < kIdFirst || nID >= kIdFirst + 40)
        return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    if (nCode == CN_COMMAND && pHandlerInfo == NULL)
        m_commands.push_back(nID);
    if (nCode == (int)CN_UPDATE_COMMAND_UI) {
        ((CCmdUI*)pExtra)->Enable(m_disabled.count(nID) == 0);
        if (m_checked.count(nID))
            ((CCmdUI*)pExtra)->SetCheck(1);
    }
    return TRUE;
}

FrameHolder::FrameHolder(const std::vector<UINT>& ids) : m_pFrame(new CBarFrame)
{
    m_pFrame->m_ids = ids;
    if (!m_pFrame->Create(NULL, "Bars", WS_OVERLAPPEDWINDOW, CRect(300, 120, 820, 520))) {
        m_pFrame = NULL;   // it has deleted itself
        return;
    }
    m_pFrame->ShowWindow(SW_SHOW);
    m_pFrame->RecalcLayout();
    vt::Activate(m_pFrame->m_hWnd);
    m_pFrame->m_wndView.SetFocus();
    vt::PumpPending();
}

FrameHolder::~FrameHolder()
{
    if (m_pFrame != NULL && ::IsWindow(m_pFrame->m_hWnd))
        m_pFrame->DestroyWindow();
    vt::PumpPending();
}

// ---------------------------------------------------------------- pixels
::testing::AssertionResult RegionMatches(const vt::Capture& shot, const RECT& rc,
                                         const std::function<bool(int x, int y, COLORREF cr)>& pred)
{
    for (int y = std::max(0L, rc.top); y < rc.bottom && y < shot.height(); y++)
        for (int x = std::max(0L, rc.left); x < rc.right && x < shot.width(); x++)
            if (!pred(x, y, shot.At(x, y)))
                return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is "
                       << vt::ColourText(shot.At(x, y)) << " (picture in " << vt::DumpForCurrentTest(shot) << ")";
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult RegionIs(const vt::Capture& shot, const RECT& rc, COLORREF cr)
{
    return RegionMatches(shot, rc, [cr](int, int, COLORREF c) { return c == cr; }) << ", not " << vt::ColourText(cr);
}

}  // namespace bartest
