// Shared pieces of the button suites: fonts, icons, measurements, pixel searches and a template dialog.
#include "ButtonFixture.h"

namespace btntest {

TestFont::TestFont(int height, const char* face)
    : m_font(::CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY,
                           DEFAULT_PITCH, face))
{
}

TestFont::~TestFont()
{
    ::DeleteObject(m_font);
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

Ink InkOf(HFONT hFont, const char* text)
{
    const CSize size = MeasureText(hFont, text);
    vt::MemoryCanvas canvas(size.cx + 20, size.cy + 4, RGB(255, 255, 255));
    vt::SelectGuard guard(canvas.dc(), hFont);
    ::SetTextColor(canvas.dc(), RGB(0, 0, 0));
    ::SetBkMode(canvas.dc(), TRANSPARENT);
    CRect rc(0, 0, canvas.width(), canvas.height());
    ::DrawTextA(canvas.dc(), text, -1, &rc, DT_SINGLELINE | DT_NOCLIP);
    ::GdiFlush();
    Ink ink = {-1, -1};
    for (int x = 0; x < canvas.width(); ++x) {
        for (int y = 0; y < canvas.height(); ++y) {
            if (canvas.At(x, y) != RGB(255, 255, 255)) {
                if (ink.left < 0)
                    ink.left = x;
                ink.right = x;
                break;
            }
        }
    }
    return ink;
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
    bool any = false;
    for (int y = rc.top; y < rc.bottom && y < shot.height(); ++y) {
        for (int x = rc.left; x < rc.right && x < shot.width(); ++x) {
            if (shot.At(x, y) != colour)
                continue;
            if (!any) {
                bounds.SetRect(x, y, x + 1, y + 1);
                any = true;
            } else {
                bounds.left = x < bounds.left ? x : bounds.left;
                bounds.right = x + 1 > bounds.right ? x + 1 : bounds.right;
                bounds.bottom = y + 1;
            }
        }
    }
    return bounds;
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

SolidIcon::SolidIcon(COLORREF colour, int size, bool monochrome)
    : m_icon(NULL)
{
    ICONINFO info = {};
    info.fIcon = TRUE;
    if (monochrome) {
        // AND mask over XOR mask, no colour bitmap at all.
        std::vector<BYTE> bits(static_cast<size_t>(size) * 2 * ((size + 15) / 16) * 2, 0);
        info.hbmMask = ::CreateBitmap(size, size * 2, 1, 1, bits.data());
        m_icon = ::CreateIconIndirect(&info);
        ::DeleteObject(info.hbmMask);
        return;
    }
    HDC screen = ::GetDC(NULL);
    info.hbmColor = ::CreateCompatibleBitmap(screen, size, size);
    ::ReleaseDC(NULL, screen);
    std::vector<BYTE> zeros(static_cast<size_t>(size) * ((size + 15) / 16) * 2, 0);
    info.hbmMask = ::CreateBitmap(size, size, 1, 1, zeros.data());
    {
        HDC dc = ::CreateCompatibleDC(NULL);
        HGDIOBJ old = ::SelectObject(dc, info.hbmColor);
        vt::GdiObject brush(::CreateSolidBrush(colour));
        RECT rc = {0, 0, size, size};
        ::FillRect(dc, &rc, brush.brush());
        ::SelectObject(dc, old);
        ::DeleteDC(dc);
    }
    m_icon = ::CreateIconIndirect(&info);
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
}

SolidIcon::~SolidIcon()
{
    if (m_icon != NULL)
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

void PushDword(std::vector<WORD>& t, DWORD value)
{
    t.push_back(LOWORD(value));
    t.push_back(HIWORD(value));
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
    // DLGTEMPLATE: style, extended style, item count, x, y, cx, cy; no menu, class or title.
    PushDword(m_template, WS_POPUP | WS_VISIBLE);
    PushDword(m_template, 0);
    m_template.push_back(1);
    m_template.push_back(0);
    m_template.push_back(0);
    m_template.push_back(200);
    m_template.push_back(100);
    m_template.push_back(0);
    m_template.push_back(0);
    m_template.push_back(0);
    if (m_template.size() % 2)
        m_template.push_back(0);
    // DLGITEMTEMPLATE: style, extended style, x, y, cx, cy, id, class, title, no creation data.
    PushDword(m_template, WS_CHILD | WS_VISIBLE | controlStyle);
    PushDword(m_template, 0);
    m_template.push_back(4);
    m_template.push_back(4);
    m_template.push_back(40);
    m_template.push_back(12);
    m_template.push_back(static_cast<WORD>(kButtonId));
    PushString(m_template, controlClass);
    PushString(m_template, caption);
    m_template.push_back(0);
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
