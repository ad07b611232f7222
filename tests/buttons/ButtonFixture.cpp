// Shared pieces of the button suites: fonts, icons, measurements, pixel searches and a template dialog.
#include "ButtonFixture.h"

namespace btntest {

HFONT MakeTestFont()
{
    return ::CreateFontA(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                         CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, DEFAULT_PITCH, "MS Sans Serif");
}

CSize MeasureText(HFONT hFont, const char* text)
{
    vt::MemoryCanvas canvas(8, 8);
    HGDIOBJ font = hFont != NULL ? hFont : ::GetCurrentObject(canvas.dc(), OBJ_FONT);
    vt::SelectGuard guard(canvas.dc(), font);
    CRect rc(0, 0, 0, 0);
    ::DrawTextA(canvas.dc(), text, -1, &rc, DT_CALCRECT | DT_SINGLELINE);
    return rc.Size();
}

int InkLeft(HFONT hFont, const char* text)
{
    const CSize size = MeasureText(hFont, text);
    vt::MemoryCanvas canvas(size.cx + 20, size.cy + 4, RGB(255, 255, 255));
    vt::SelectGuard guard(canvas.dc(), hFont);
    ::SetTextColor(canvas.dc(), RGB(0, 0, 0));
    ::SetBkMode(canvas.dc(), TRANSPARENT);
    CRect rc(0, 0, canvas.width(), canvas.height());
    ::DrawTextA(canvas.dc(), text, -1, &rc, DT_SINGLELINE | DT_NOCLIP);
    ::GdiFlush();
    return BoundsOf(canvas.Snapshot(), rc, RGB(0, 0, 0)).left;
}

void FillBitmap(HBITMAP hBitmap, COLORREF colour)
{
    BITMAP bm = {};
    ::GetObject(hBitmap, sizeof(bm), &bm);
    HDC dc = ::CreateCompatibleDC(NULL);
    HGDIOBJ old = ::SelectObject(dc, hBitmap);
    vt::GdiObject brush(::CreateSolidBrush(colour));
    RECT all = {0, 0, bm.bmWidth, bm.bmHeight};
    ::FillRect(dc, &all, brush.brush());
    ::SelectObject(dc, old);
    ::DeleteDC(dc);
}

COLORREF SkinPixel(HBITMAP hSkin, int x, int y)
{
    HDC dc = ::CreateCompatibleDC(NULL);
    HGDIOBJ old = ::SelectObject(dc, hSkin);
    const COLORREF colour = ::GetPixel(dc, x, y);
    ::SelectObject(dc, old);
    ::DeleteDC(dc);
    return colour;
}

int CountColour(const vt::Capture& shot, const RECT& rc, COLORREF colour)
{
    int count = 0;
    for (int y = rc.top; y < rc.bottom && y < shot.height(); ++y) {
        for (int x = rc.left; x < rc.right && x < shot.width(); ++x)
            count += shot.At(x, y) == colour;
    }
    return count;
}

CRect BoundsOf(const vt::Capture& shot, const RECT& rc, COLORREF colour)
{
    CRect bounds(0, 0, 0, 0);
    for (int y = rc.top; y < rc.bottom && y < shot.height(); ++y) {
        for (int x = rc.left; x < rc.right && x < shot.width(); ++x) {
            if (shot.At(x, y) != colour)
                continue;
            const CRect pixel(x, y, x + 1, y + 1);
            bounds |= pixel;   // an empty bounds counts for nothing
        }
    }
    return bounds;
}

::testing::AssertionResult FrameHolds(const CRect& rc, const std::function<bool(int x, int y)>& pixel)
{
    for (int x = rc.left; x <= rc.right; ++x) {
        for (int y = rc.top; y <= rc.bottom; ++y) {
            const bool edge = x == rc.left || x == rc.right || y == rc.top || y == rc.bottom;
            if (edge && !pixel(x, y))
                return ::testing::AssertionFailure() << "frame pixel (" << x << ", " << y << ") is wrong";
        }
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult LeavesNothingBehind(const std::function<void()>& cycle)
{
    for (int i = 0; i < 3; ++i)
        cycle();
    const int gdi = vt::GdiObjectCount();
    const int windows = vt::ThreadWindowCount();
    for (int i = 0; i < 20; ++i)
        cycle();
    const int gdiAfter = vt::GdiObjectCount();
    const int windowsAfter = vt::ThreadWindowCount();
    if (gdiAfter != gdi)
        return ::testing::AssertionFailure() << "GDI objects: " << gdi << " before, " << gdiAfter << " after";
    if (windowsAfter != windows)
        return ::testing::AssertionFailure() << "windows: " << windows << " before, " << windowsAfter << " after";
    return ::testing::AssertionSuccess();
}

void Settle(HWND hwnd)
{
    ::RedrawWindow(hwnd, NULL, NULL, RDW_UPDATENOW | RDW_ALLCHILDREN);
    vt::PumpPending();
    ::RedrawWindow(hwnd, NULL, NULL, RDW_UPDATENOW | RDW_ALLCHILDREN);
    ::GdiFlush();
}

bool FocusOn(CWnd& host, CWnd& wnd)
{
    vt::Activate(host.GetTopLevelParent()->m_hWnd);
    ::SetFocus(wnd.m_hWnd);
    return vt::PumpUntil([&] { return ::GetFocus() == wnd.m_hWnd; }, 2000);
}

SolidIcon::SolidIcon(COLORREF colour)
{
    ICONINFO info = {};
    info.fIcon = TRUE;
    HDC screen = ::GetDC(NULL);
    info.hbmColor = ::CreateCompatibleBitmap(screen, 16, 16);
    ::ReleaseDC(NULL, screen);
    const WORD zeros[16] = {};
    info.hbmMask = ::CreateBitmap(16, 16, 1, 1, zeros);
    FillBitmap(info.hbmColor, colour);
    m_icon = ::CreateIconIndirect(&info);
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
}

SolidIcon::~SolidIcon()
{
    ::DestroyIcon(m_icon);
}

BOOL CreateButton(CButton& button, CWnd& parent, const CRect& rect, const char* caption,
                  DWORD extraStyle, HFONT hFont)
{
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | extraStyle;
    if (!button.Create(caption, style, rect, &parent, kButtonId))
        return FALSE;
    if (hFont != NULL)
        button.SendMessage(WM_SETFONT, (WPARAM)hFont, FALSE);
    Settle(parent.m_hWnd);
    return TRUE;
}

namespace {

void PushWords(std::vector<WORD>& t, std::initializer_list<DWORD> values)
{
    for (DWORD value : values)
        t.push_back(static_cast<WORD>(value));
}

void PushString(std::vector<WORD>& t, const char* text)
{
    for (; *text; ++text)
        t.push_back(static_cast<WORD>(static_cast<BYTE>(*text)));
    t.push_back(0);
}

}  // namespace

TemplateDialog::TemplateDialog(const char* controlClass, DWORD controlStyle, const char* caption,
                               const CRect& rect)
    : m_rect(rect)
{
    const DWORD dialogStyle = WS_POPUP | WS_VISIBLE;
    const DWORD itemStyle = WS_CHILD | WS_VISIBLE | controlStyle;
    // DLGTEMPLATE: style, extended style, item count, x, y, cx, cy, no menu, class or title;
    // then the DWORD-aligned DLGITEMTEMPLATE: style, extended style, x, y, cx, cy, id.
    PushWords(m_template, {LOWORD(dialogStyle), HIWORD(dialogStyle), 0, 0, 1, 0, 0, 200, 100, 0, 0, 0});
    PushWords(m_template, {LOWORD(itemStyle), HIWORD(itemStyle), 0, 0, 4, 4, 40, 12, kButtonId});
    PushString(m_template, controlClass);
    PushString(m_template, caption);
    m_template.push_back(0);   // no creation data
}

TemplateDialog::~TemplateDialog()
{
    if (m_hWnd != NULL)
        DestroyWindow();
}

bool TemplateDialog::Open(CWnd& control)
{
    if (!CreateIndirect(reinterpret_cast<LPCDLGTEMPLATE>(m_template.data()), NULL))
        return false;
    // Placed in pixels so that tests can reason about screen positions.
    SetWindowPos(NULL, vt::kHostOrigin.x, vt::kHostOrigin.y, 320, 200,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    if (!control.SubclassDlgItem(kButtonId, this))
        return false;
    control.MoveWindow(&m_rect, TRUE);
    vt::Activate(m_hWnd);
    Settle(m_hWnd);
    return true;
}

}  // namespace btntest
