// Shared pieces of the button suites: fonts, icons, pixel searches and a template dialog.
#include "ButtonFixture.h"

namespace btntest {

HFONT MakeTestFont()
{
    return ::CreateFontA(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                         CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, DEFAULT_PITCH, "MS Sans Serif");
}

int InkLeft(HFONT hFont, const char* text)
{
    const CSize size = vt::TextExtent(hFont, text);
    vt::MemoryCanvas canvas(size.cx + 20, size.cy + 4, RGB(255, 255, 255));
    vt::SelectGuard guard(canvas, hFont);
    ::SetBkMode(canvas, TRANSPARENT);
    CRect rc(0, 0, canvas.width(), canvas.height());
    ::DrawTextA(canvas, text, -1, &rc, DT_SINGLELINE | DT_NOCLIP);
    return vt::BoundsOf(canvas.Snapshot(), rc, RGB(0, 0, 0)).left;
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

SolidIcon::SolidIcon(COLORREF colour)
{
    vt::MemoryCanvas canvas(16, 16, colour);
    ICONINFO info = {TRUE};
    vt::WindowDC screen(NULL);
    vt::GdiObject colourBits(::CreateCompatibleBitmap(screen, 16, 16));
    const WORD zeros[16] = {};
    vt::GdiObject mask(::CreateBitmap(16, 16, 1, 1, zeros));
    {
        HDC dc = ::CreateCompatibleDC(canvas);
        vt::SelectGuard select(dc, colourBits);
        ::BitBlt(dc, 0, 0, 16, 16, canvas, 0, 0, SRCCOPY);
        ::DeleteDC(dc);
    }
    info.hbmColor = colourBits.bitmap();
    info.hbmMask = mask.bitmap();
    m_icon = ::CreateIconIndirect(&info);
}

BOOL CreateButton(CButton& button, CWnd& parent, const CRect& rect, const char* caption,
                  DWORD extraStyle, HFONT hFont)
{
    if (!button.Create(caption, WS_CHILD | WS_VISIBLE | WS_TABSTOP | extraStyle, rect, &parent, kButtonId))
        return FALSE;
    if (hFont != NULL)
        button.SendMessage(WM_SETFONT, (WPARAM)hFont, FALSE);
    vt::PaintNow(parent.m_hWnd);
    return TRUE;
}

bool OpenTemplate(CDialog& dialog, WORD classAtom, DWORD style, const char* caption, const CRect& rect,
                  CWnd& control)
{
    vt::DialogTemplate t(WS_POPUP | WS_VISIBLE);
    t.AddItem(kButtonId, classAtom, style, caption);
    if (!dialog.CreateIndirect(t.Get(), NULL))
        return false;
    // Placed in pixels so that tests can reason about screen positions.
    dialog.SetWindowPos(NULL, vt::kHostOrigin.x, vt::kHostOrigin.y, 320, 200, SWP_NOZORDER | SWP_NOACTIVATE);
    if (!control.SubclassDlgItem(kButtonId, &dialog))
        return false;
    control.MoveWindow(&rect, TRUE);
    vt::Activate(dialog.m_hWnd);
    vt::PaintNow(dialog.m_hWnd);
    return true;
}

}  // namespace btntest
