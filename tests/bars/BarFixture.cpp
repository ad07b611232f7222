// The bar suite's frame, strip and probe.
#include "BarFixture.h"

namespace bartest {

COLORREF ImageColour(int i)
{
    return RGB(30 + (i * 23) % 200, 200 - (i * 17) % 150, 60 + (i * 41) % 180);
}

HBITMAP MakeBitmap(int cx, int cy, const std::function<COLORREF(int, int)>& fn)
{
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
    bmi.bmiHeader.biWidth = cx;
    bmi.bmiHeader.biHeight = -cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    void* pBits = NULL;
    HBITMAP hBitmap = ::CreateDIBSection(NULL, &bmi, DIB_RGB_COLORS, &pBits, NULL, 0);
    DWORD* pPixels = static_cast<DWORD*>(pBits);
    for (int y = 0; hBitmap != NULL && y < cy; y++)
        for (int x = 0; x < cx; x++) {
            COLORREF cr = fn(x, y);
            pPixels[y * cx + x] = (GetRValue(cr) << 16) | (GetGValue(cr) << 8) | GetBValue(cr);
        }
    return hBitmap;
}

HBITMAP MakeStrip(int nImages, CSize image)
{
    return MakeBitmap(nImages * image.cx, image.cy, [=](int x, int y) {
        const int i = x / image.cx, xIn = x % image.cx;
        if (xIn == 0 || y == 0 || xIn == image.cx - 1 || y == image.cy - 1)
            return kKey;
        if (xIn == image.cx / 2 && y == image.cy / 2)
            return RGB(0, 0, 0);
        return ImageColour(i);
    });
}

std::vector<UINT> StandardIds()
{
    return {kIdFirst, kIdFirst + 1, kIdFirst + 2, kIdFirst + 3, kIdFirst + 4, 0, kIdFirst + 5, kIdFirst + 6};
}

// ---------------------------------------------------------------- pixels
::testing::AssertionResult RegionMatches(const vt::Capture& shot, const RECT& rc,
                                         const std::function<bool(int x, int y, COLORREF cr)>& pred, const char* what)
{
    for (int y = rc.top > 0 ? rc.top : 0; y < rc.bottom && y < shot.height(); y++)
        for (int x = rc.left > 0 ? rc.left : 0; x < rc.right && x < shot.width(); x++) {
            COLORREF cr = shot.At(x, y);
            if (!pred(x, y, cr)) {
                std::string path = vt::DumpForCurrentTest(shot, "region");
                return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is " << vt::ColourText(cr)
                                                     << ", not " << what << " (picture written to " << path << ")";
            }
        }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult RegionIs(const vt::Capture& shot, const RECT& rc, const PixelFn& expected)
{
    std::string wanted;
    ::testing::AssertionResult result = RegionMatches(shot, rc, [&](int x, int y, COLORREF cr) {
        COLORREF crWanted = expected(x, y);
        wanted = vt::ColourText(crWanted);
        return cr == crWanted;
    }, "the expected colour");
    return result ? result : (result << "; expected " << wanted);
}

::testing::AssertionResult RegionIsColour(const vt::Capture& shot, const RECT& rc, COLORREF cr)
{
    return RegionIs(shot, rc, [cr](int, int) { return cr; });
}

::testing::AssertionResult LeaksNothing(const std::function<void()>& use, int nTimes)
{
    for (int i = 0; i < 3; i++)
        use();
    const int nBefore = vt::GdiObjectCount();
    if (nBefore <= 0)
        return ::testing::AssertionFailure() << "the GDI object counter does not work here";
    for (int i = 0; i < nTimes; i++)
        use();
    const int nAfter = vt::GdiObjectCount();
    if (nAfter != nBefore)
        return ::testing::AssertionFailure() << nBefore << " GDI objects before " << nTimes << " uses, " << nAfter << " after";
    return ::testing::AssertionSuccess();
}

// ---------------------------------------------------------------- probe
void CProbeToolBar::OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle)
{
    m_dwStyle &= ~CBRS_BORDER_ANY;
    CCoolToolBar::OnBarStyleChange(dwOldStyle, dwNewStyle & ~CBRS_BORDER_ANY);
}

void CProbeToolBar::DropGrayBitmap()
{
    ::DeleteObject(m_hGrayBitmap);
    m_hGrayBitmap = NULL;
}

TBBUTTON CProbeToolBar::Button(int nIndex)
{
    TBBUTTON button = {};
    SendMessage(TB_GETBUTTON, (WPARAM)nIndex, (LPARAM)&button);
    return button;
}

CRect CProbeToolBar::Item(int nIndex)
{
    CRect rect;
    GetItemRect(nIndex, &rect);
    return rect;
}

CPoint CProbeToolBar::ClientOrigin()
{
    CRect rectWindow, rectClient;
    GetWindowRect(&rectWindow);
    GetClientRect(&rectClient);
    ClientToScreen(&rectClient);
    return rectClient.TopLeft() - rectWindow.TopLeft();
}

// ---------------------------------------------------------------- frame
BEGIN_MESSAGE_MAP(CBarFrame, CFrameWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

const CRect CBarFrame::kFrameRect(300, 120, 300 + 520, 120 + 400);

CBarFrame* CBarFrame::Make(const std::vector<UINT>& ids, bool bCoolDockBars)
{
    CBarFrame* pFrame = new CBarFrame;
    pFrame->m_ids = ids;
    pFrame->m_bCoolDockBars = bCoolDockBars;
    if (!pFrame->Create(NULL, "Bars", WS_OVERLAPPEDWINDOW, kFrameRect)) {
        return NULL;   // a frame that failed has deleted itself
    }
    pFrame->ShowWindow(SW_SHOW);
    pFrame->RecalcLayout();
    pFrame->UpdateWindow();
    vt::Activate(pFrame->m_hWnd);
    pFrame->m_wndView.SetFocus();
    vt::PumpPending();
    return pFrame;
}

int CBarFrame::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CFrameWnd::OnCreate(lpcs) == -1)
        return -1;
    if (m_bCoolDockBars) {
        for (int i = 0; i < 4; i++) {
            CCoolDockBar* pDock = new CCoolDockBar;
            if (!pDock->Create(this, WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_CHILD | WS_VISIBLE | dwDockBarMap[i][1],
                               dwDockBarMap[i][0])) {
                delete pDock;
                return -1;
            }
        }
    }
    // No tool tips: a tip window resting over the bar would clip its paint.
    if (!m_wndToolBar.CreateEx(this, TBSTYLE_FLAT,
                               WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_SIZE_DYNAMIC,
                               CRect(0, 0, 0, 0), AFX_IDW_TOOLBAR))
        return -1;
    if (!m_ids.empty() && !m_wndToolBar.SetButtons(m_ids.data(), (int)m_ids.size()))
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

// Tool bar commands land here; the idle updates enable and check the buttons as the test says.
BOOL CBarFrame::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (nID >= kIdFirst && nID < kIdFirst + 40) {
        if (nCode == CN_COMMAND && pHandlerInfo == NULL)
            m_commands.push_back(nID);
        if (nCode == (int)CN_UPDATE_COMMAND_UI) {
            CCmdUI* pCmdUI = (CCmdUI*)pExtra;
            pCmdUI->Enable(m_disabled.count(nID) == 0);
            if (m_checked.count(nID))
                pCmdUI->SetCheck(1);
        }
        return TRUE;
    }
    return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

CPoint CBarFrame::ButtonCenter(int nIndex)
{
    CPoint point = m_wndToolBar.Item(nIndex).CenterPoint();
    m_wndToolBar.ClientToScreen(&point);
    return point;
}

vt::Capture CBarFrame::PaintBar(CControlBar& bar)
{
    bar.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
    return vt::Capture::FromWindow(bar.m_hWnd, true);
}

void CBarFrame::Dock(CControlBar& bar, UINT nDockBarId)
{
    DockControlBar(&bar, nDockBarId);
    RecalcLayout();
    vt::PumpPending();
}

void CBarFrame::Float(CControlBar& bar, CPoint point)
{
    FloatControlBar(&bar, point);
    vt::PumpPending();
}

FrameHolder::~FrameHolder()
{
    if (m_pFrame != NULL && ::IsWindow(m_pFrame->m_hWnd))
        m_pFrame->DestroyWindow();
    vt::PumpPending();
}

}  // namespace bartest
