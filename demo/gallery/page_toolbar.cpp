// page_toolbar.cpp - gallery page of the cool tool bar and dock bars: a real frame whose bars dock top,
// left and floating, and on all four sides, with every button state brought about by real input.
#include "gallery.h"

#include "bars/VeluBars.h"

#include <set>
#include <string>

namespace {

const CRect kFrameRect(80, 60, 80 + 560, 60 + 360);
const CSize kImage(16, 15);
const CSize kButton(23, 22);
const int kImages = 12;
const int kEnlarge = 3;
const COLORREF kKey = RGB(255, 0, 255);

// Commands of the main bar; 0 is a separator. The combo and edit slots are placeholders.
enum : UINT
{
    ID_NEW = 9000, ID_OPEN, ID_SAVE, ID_CUT, ID_COPY, ID_PASTE, ID_BOLD, ID_ITALIC, ID_UNDERLINE, ID_PRINT,
    ID_FONT_SLOT, ID_FIND_SLOT, ID_BACK, ID_FORWARD, ID_HOME, ID_LAST
};
const UINT kMainIds[] = {ID_NEW, ID_OPEN, ID_SAVE, 0, ID_CUT, ID_COPY, ID_PASTE, 0, ID_BOLD, ID_ITALIC,
                         ID_UNDERLINE, 0, ID_PRINT, 0, ID_FONT_SLOT, ID_FIND_SLOT};
const UINT kTextIds[] = {ID_BACK, ID_FORWARD, 0, ID_HOME};
const char* const kTexts[] = {"Back", "Forward", "", "Home"};

// Messages, then the application's idle round, which brings the buttons' command states.
void Settle(DWORD ms = 60)
{
    gallery::Pump(ms);
    if (CWinThread* thread = AfxGetThread()) {
        LONG count = 0;
        while (thread->OnIdle(count++))
            ;
    }
    gallery::Pump(20);
}

void ParkCursor()
{
    ::SetCursorPos(::GetSystemMetrics(SM_CXSCREEN) - 2, ::GetSystemMetrics(SM_CYSCREEN) - 2);
    Settle();
}

// Twelve small pictures on the key colour: page, folder, disk, scissors and so on, as plain shapes.
HBITMAP MakeStrip()
{
    gallery::Canvas canvas(kImages * kImage.cx, kImage.cy, kKey);
    HDC dc = canvas.dc();
    static const COLORREF colours[] = {RGB(255, 255, 255), RGB(230, 190, 60), RGB(60, 90, 170), RGB(170, 60, 60),
                                       RGB(90, 140, 200), RGB(200, 170, 120), RGB(30, 30, 30), RGB(30, 30, 30),
                                       RGB(30, 30, 30), RGB(120, 120, 140), RGB(60, 150, 80), RGB(200, 110, 40)};
    HGDIOBJ oldPen = ::SelectObject(dc, ::GetStockObject(BLACK_PEN));
    for (int i = 0; i < kImages; ++i) {
        HBRUSH brush = ::CreateSolidBrush(colours[i]);
        HGDIOBJ oldBrush = ::SelectObject(dc, brush);
        const int x = i * kImage.cx;
        switch (i % 4) {
        case 0: ::Rectangle(dc, x + 3, 1, x + 13, 14); break;
        case 1: ::Ellipse(dc, x + 2, 2, x + 14, 14); break;
        case 2: {
            POINT pts[] = {{x + 8, 1}, {x + 14, 13}, {x + 2, 13}};
            ::Polygon(dc, pts, 3);
            break;
        }
        default: {
            POINT pts[] = {{x + 8, 1}, {x + 14, 7}, {x + 8, 13}, {x + 2, 7}};
            ::Polygon(dc, pts, 4);
            break;
        }
        }
        ::SelectObject(dc, oldBrush);
        ::DeleteObject(brush);
    }
    ::SelectObject(dc, oldPen);
    // A copy outside the canvas, for the tool bar to keep.
    HDC memDC = ::CreateCompatibleDC(dc);
    HBITMAP strip = ::CreateCompatibleBitmap(dc, kImages * kImage.cx, kImage.cy);
    HGDIOBJ old = ::SelectObject(memDC, strip);
    ::BitBlt(memDC, 0, 0, kImages * kImage.cx, kImage.cy, dc, 0, 0, SRCCOPY);
    ::SelectObject(memDC, old);
    ::DeleteDC(memDC);
    return strip;
}

// The flat look: docking gives a bar MFC's 2-pixel borders, which this
// application does not want around its cool tool bars.
class CDemoToolBar : public CCoolToolBar
{
public:
    void OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle) override
    {
        m_dwStyle &= ~CBRS_BORDER_ANY;
        CCoolToolBar::OnBarStyleChange(dwOldStyle, dwNewStyle & ~CBRS_BORDER_ANY);
    }
};

class CDemoFrame : public CFrameWnd
{
public:
    CDemoToolBar m_wndMain;
    CDemoToolBar m_wndText;
    CDemoToolBar m_wndSmall[3];
    CComboBox m_wndFont;
    CEdit m_wndFind;
    CEdit m_wndView;
    std::set<UINT> m_checked = {ID_BOLD};
    std::set<UINT> m_disabled = {ID_UNDERLINE, ID_PASTE};

    bool CreateBar(CDemoToolBar& bar, const UINT* ids, int count, UINT nID)
    {
        if (!bar.CreateEx(this, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_SIZE_DYNAMIC,
                          CRect(0, 0, 0, 0), nID) ||
            !bar.SetButtons(ids, count))
            return false;
        bar.SetSizes(kButton, kImage);
        HBITMAP strip = MakeStrip();
        if (!bar.SetBitmap(strip))
            ::DeleteObject(strip);
        bar.EnableDocking(CBRS_ALIGN_ANY);
        return true;
    }

    // The embedded controls stay where they were put; upright, they would
    // hang off the bar, so the application hides them and their slots then.
    void ShowControls(bool show)
    {
        for (UINT nID : {ID_FONT_SLOT, ID_FIND_SLOT}) {
            const int nIndex = m_wndMain.CommandToIndex(nID);
            const UINT nStyle = m_wndMain.GetButtonStyle(nIndex);
            m_wndMain.SetButtonStyle(nIndex, show ? nStyle & ~TBBS_HIDDEN : nStyle | TBBS_HIDDEN);
        }
        m_wndFont.ShowWindow(show ? SW_SHOW : SW_HIDE);
        m_wndFind.ShowWindow(show ? SW_SHOW : SW_HIDE);
    }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs)
    {
        if (CFrameWnd::OnCreate(lpcs) == -1)
            return -1;
        for (int i = 0; i < 4; ++i) {
            CCoolDockBar* dock = new CCoolDockBar;
            if (!dock->Create(this, WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_CHILD | WS_VISIBLE | dwDockBarMap[i][1],
                              dwDockBarMap[i][0])) {
                delete dock;
                return -1;
            }
        }
        if (!CreateBar(m_wndMain, kMainIds, sizeof(kMainIds) / sizeof(kMainIds[0]), AFX_IDW_TOOLBAR) ||
            !CreateBar(m_wndText, kTextIds, 4, AFX_IDW_TOOLBAR + 1))
            return -1;
        for (int i = 0; i < 4; ++i)
            m_wndText.SetButtonText(i, kTexts[i]);
        for (int i = 0; i < 3; ++i) {
            const UINT ids[] = {UINT(ID_NEW + 3 * i), UINT(ID_NEW + 3 * i + 1), UINT(ID_NEW + 3 * i + 2)};
            if (!CreateBar(m_wndSmall[i], ids, 3, AFX_IDW_TOOLBAR + 2 + i))
                return -1;
        }
        m_wndMain.SetButtonDropDown(ID_PRINT);
        m_wndFont.Create(WS_CHILD | WS_VSCROLL | CBS_DROPDOWNLIST, CRect(0, 0, 96, 160), &m_wndMain, ID_FONT_SLOT);
        for (const char* face : {"MS San Serif", "Tahoma", "Courier"})
            m_wndFont.AddString(face);
        m_wndFont.SetCurSel(0);
        m_wndFind.Create(WS_CHILD | WS_BORDER | ES_AUTOHSCROLL, CRect(0, 0, 80, 18), &m_wndMain, ID_FIND_SLOT);
        m_wndFind.SetWindowText("Find");
        const RECT fontSlot = {0, 0, 100, 1}, findSlot = {0, 0, 84, 1};
        m_wndMain.InsertControl(&m_wndFont, &fontSlot, ID_FONT_SLOT);
        m_wndMain.InsertControl(&m_wndFind, &findSlot, ID_FIND_SLOT);
        if (!m_wndView.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE, CRect(0, 0, 0, 0), this, AFX_IDW_PANE_FIRST))
            return -1;
        m_wndView.SetWindowText("The view keeps the keyboard focus, so the application is active.");
        EnableDocking(CBRS_ALIGN_ANY);
        DockControlBar(&m_wndMain, AFX_IDW_DOCKBAR_TOP);
        for (CDemoToolBar& bar : m_wndSmall)
            bar.ShowWindow(SW_HIDE);
        m_wndText.ShowWindow(SW_HIDE);
        return 0;
    }

    // Every command of the bars is handled; the sets say which are checked or disabled.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
    {
        if (nID >= ID_NEW && nID < ID_LAST) {
            if (nCode == (int)CN_UPDATE_COMMAND_UI) {
                CCmdUI* ui = (CCmdUI*)pExtra;
                ui->Enable(m_disabled.count(nID) == 0);
                if (m_checked.count(nID))
                    ui->SetCheck(1);
            }
            return TRUE;
        }
        return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDemoFrame, CFrameWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

// The frame's whole window, caption and borders included.
gallery::Image WholeWindow(CWnd& wnd)
{
    wnd.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Settle(30);
    CRect rect;
    wnd.GetWindowRect(&rect);
    HDC dc = ::GetWindowDC(wnd.m_hWnd);
    gallery::Image image = gallery::Image::FromDC(dc, CRect(0, 0, rect.Width(), rect.Height()));
    ::ReleaseDC(wnd.m_hWnd, dc);
    return image;
}

// Where a button of a bar is on screen.
CPoint ButtonPoint(CToolBar& bar, UINT nID)
{
    CRect rect;
    bar.GetItemRect(bar.CommandToIndex(nID), &rect);
    CPoint point = rect.CenterPoint();
    bar.ClientToScreen(&point);
    return point;
}

void Dock(CDemoFrame& frame, CControlBar& bar, UINT nDockBar, LPCRECT rect = NULL)
{
    bar.ShowWindow(SW_SHOW);
    frame.DockControlBar(&bar, nDockBar, rect);
    frame.RecalcLayout();
    Settle();
}

// The frame with the main bar docked top: the frame, then the bar enlarged in each state.
void AddDockedTop(gallery::PageWriter& page, CDemoFrame& frame)
{
    page.Heading("A frame with a cool tool bar docked at the top");
    page.Add("frame-top", "Docked top in cool dock bars: strip with gripper dots, separators, Bold checked, "
             "Paste and Underline disabled, Print with a drop-down arrow, an embedded combo and edit",
             WholeWindow(frame));

    struct State { const char* name; const char* caption; UINT nID; bool press; };
    const State states[] = {
        {"bar-normal", "Nothing under the mouse", 0, false},
        {"bar-hot", "Hot: the mouse rests on Open", ID_OPEN, false},
        {"bar-hot-checked", "Hot wins over checked: the mouse on Bold", ID_BOLD, false},
        {"bar-pressed", "Pressed: the left button held on Cut", ID_CUT, true},
        {"bar-hot-dropdown", "Hot drop-down button: Print", ID_PRINT, false},
        {"bar-disabled-hover", "A disabled button stays flat under the mouse: Underline", ID_UNDERLINE, false},
    };
    for (const State& s : states) {
        if (s.nID != 0) {
            ::SetCursorPos(ButtonPoint(frame.m_wndMain, s.nID).x, ButtonPoint(frame.m_wndMain, s.nID).y);
            Settle(150);
        } else {
            ParkCursor();
        }
        if (s.press) {
            gallery::SendMouse(MOUSEEVENTF_LEFTDOWN);
            Settle(80);
        }
        page.Add(s.name, s.caption, WholeWindow(frame.m_wndMain), kEnlarge);
        if (s.press) {
            gallery::SendMouse(MOUSEEVENTF_LEFTUP);
            Settle(80);
        }
    }
    ParkCursor();

    // Another application active: no hot look although the mouse rests on a button.
    CWnd other;
    other.CreateEx(0, AfxRegisterWndClass(0), "other", WS_POPUP | WS_VISIBLE, 900, 640, 80, 60, NULL, NULL);
    ::SetForegroundWindow(other.m_hWnd);
    ::SetCursorPos(ButtonPoint(frame.m_wndMain, ID_OPEN).x, ButtonPoint(frame.m_wndMain, ID_OPEN).y);
    Settle(150);
    page.Add("bar-inactive", "Another application active: the mouse on Open shows nothing hot",
             WholeWindow(frame.m_wndMain), kEnlarge);
    other.DestroyWindow();
    ::SetForegroundWindow(frame.m_hWnd);
    frame.m_wndView.SetFocus();
    ParkCursor();

    // A bar with texts docked below the first: only the lower one draws the edge line.
    CRect main;
    frame.m_wndMain.GetWindowRect(&main);
    CRect below(main.left, main.bottom + 2, main.left + 120, main.bottom + 40);
    Dock(frame, frame.m_wndText, AFX_IDW_DOCKBAR_TOP, &below);
    page.Add("frame-two-rows", "A second bar with button texts in a row below: images move up to leave the "
             "text room, and only the lowest bar of the top area draws the edge line", WholeWindow(frame));
    ::SetCursorPos(ButtonPoint(frame.m_wndText, ID_FORWARD).x, ButtonPoint(frame.m_wndText, ID_FORWARD).y);
    Settle(150);
    page.Add("text-bar-hot", "The text bar, the mouse on Forward", WholeWindow(frame.m_wndText), kEnlarge);
    ParkCursor();
    frame.m_wndText.ShowWindow(SW_HIDE);
    frame.RecalcLayout();
}

void AddLeftAndFloating(gallery::PageWriter& page, CDemoFrame& frame)
{
    page.Heading("Docked left and floating");
    frame.ShowControls(false);
    Dock(frame, frame.m_wndMain, AFX_IDW_DOCKBAR_LEFT);
    ::SetCursorPos(ButtonPoint(frame.m_wndMain, ID_SAVE).x, ButtonPoint(frame.m_wndMain, ID_SAVE).y);
    Settle(150);
    page.Add("frame-left", "Docked left: the strip and dots at the top, separators across, the line on the "
             "right edge; the mouse on Save", WholeWindow(frame));
    ParkCursor();

    // Floating in one row the controls are back where they were put.
    frame.ShowControls(true);
    CRect rect;
    frame.GetWindowRect(&rect);
    frame.FloatControlBar(&frame.m_wndMain, CPoint(rect.left + 20, rect.top + 150));
    Settle();
    CFrameWnd* floating = frame.m_wndMain.GetDockingFrame();
    ::SetCursorPos(ButtonPoint(frame.m_wndMain, ID_COPY).x, ButtonPoint(frame.m_wndMain, ID_COPY).y);
    Settle(150);
    page.Add("floating", "Floating: no strip, no dots, no edge line; the mouse on Copy",
             WholeWindow(*floating), 2);
    ParkCursor();

    // Narrower, in rows: separators that end a row become lines across the bar.
    frame.ShowControls(false);
    frame.m_wndMain.m_nMRUWidth = 4 * kButton.cx;
    frame.m_wndMain.CalcDynamicLayout(0, LM_HORZ | LM_MRUWIDTH | LM_COMMIT);
    floating->RecalcLayout();
    Settle();
    page.Add("floating-rows", "Floating in rows. A separator that ends a row draws its line on the row "
             "between its own bottom and the previous button's; this common control keeps such a separator at the "
             "end of its row, so that line is only a few pixels long. The one separator left in a row is a line "
             "across the whole bar.",
             WholeWindow(*floating), 2);
    frame.ShowControls(true);
    Dock(frame, frame.m_wndMain, AFX_IDW_DOCKBAR_TOP);
}

void AddFourSides(gallery::PageWriter& page, CDemoFrame& frame)
{
    page.Heading("Cool dock bars on all four sides");
    const UINT sides[] = {AFX_IDW_DOCKBAR_LEFT, AFX_IDW_DOCKBAR_BOTTOM, AFX_IDW_DOCKBAR_RIGHT};
    for (int i = 0; i < 3; ++i)
        Dock(frame, frame.m_wndSmall[i], sides[i]);
    page.Add("frame-four-sides", "A bar on every side: each dock bar fills with the bar colour and draws its "
             "line on the edge that faces the client area", WholeWindow(frame));
    // Narrower: every dock bar repaints all of itself.
    frame.SetWindowPos(NULL, 0, 0, kFrameRect.Width() - 80, kFrameRect.Height() - 40,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Settle();
    page.Add("frame-four-sides-resized", "The same frame made smaller", WholeWindow(frame));
}

void RenderToolBarPage(gallery::PageWriter& page)
{
    ParkCursor();
    CDemoFrame* frame = new CDemoFrame;
    if (!frame->Create(NULL, "Cool tool bar", WS_OVERLAPPEDWINDOW, kFrameRect)) {
        page.Note("the frame could not be created");
        return;
    }
    frame->ShowWindow(SW_SHOW);
    frame->RecalcLayout();
    ::SetForegroundWindow(frame->m_hWnd);
    frame->m_wndView.SetFocus();
    Settle(100);

    AddDockedTop(page, *frame);
    AddLeftAndFloating(page, *frame);
    AddFourSides(page, *frame);
    frame->DestroyWindow();   // the frame deletes itself
    Settle();
}

}  // namespace

GALLERY_PAGE("toolbar", "Cool tool bar and dock bars", 70, RenderToolBarPage);
