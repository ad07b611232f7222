// gallery_support.cpp - pictures, off-screen canvases, the page writer and the page registry of the gallery.
#include "gallery.h"

#include <algorithm>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>

namespace gallery {

namespace {

// A top-down 32-bpp header for GetDIBits and CreateDIBSection.
BITMAPINFO TopDownInfo(int width, int height)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// Scoped screen DC.
class ScreenDC
{
public:
    ScreenDC() : m_dc(::GetDC(NULL)) {}
    ~ScreenDC() { ::ReleaseDC(NULL, m_dc); }
    ScreenDC(const ScreenDC&) = delete;
    ScreenDC& operator=(const ScreenDC&) = delete;
    operator HDC() const { return m_dc; }

private:
    HDC m_dc;
};

std::vector<Page>& Registry()
{
    static std::vector<Page> pages;
    return pages;
}

}  // namespace

// ---------------------------------------------------------------- Image

Image::Image(int width, int height, COLORREF fill)
    : m_width(width), m_height(height), m_pixels(size_t(width) * height * 4)
{
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            Set(x, y, fill);
}

COLORREF Image::At(int x, int y) const
{
    const unsigned char* p = &m_pixels[(size_t(y) * m_width + x) * 4];
    return RGB(p[0], p[1], p[2]);
}

void Image::Set(int x, int y, COLORREF colour)
{
    unsigned char* p = &m_pixels[(size_t(y) * m_width + x) * 4];
    p[0] = GetRValue(colour);
    p[1] = GetGValue(colour);
    p[2] = GetBValue(colour);
    p[3] = 255;
}

Image Image::FromBitmap(HBITMAP bitmap)
{
    BITMAP bm = {};
    if (!bitmap || !::GetObject(bitmap, sizeof(bm), &bm))
        return Image();
    Image image(bm.bmWidth, bm.bmHeight);
    std::vector<DWORD> bits(size_t(bm.bmWidth) * bm.bmHeight);
    BITMAPINFO info = TopDownInfo(bm.bmWidth, bm.bmHeight);
    ScreenDC screen;
    if (!::GetDIBits(screen, bitmap, 0, bm.bmHeight, bits.data(), &info, DIB_RGB_COLORS))
        return Image();
    for (int y = 0; y < bm.bmHeight; ++y)
        for (int x = 0; x < bm.bmWidth; ++x)
        {
            const DWORD v = bits[size_t(y) * bm.bmWidth + x];
            image.Set(x, y, RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF));
        }
    return image;
}

Image Image::FromDC(HDC dc, const RECT& rect)
{
    Canvas copy(rect.right - rect.left, rect.bottom - rect.top);
    ::BitBlt(copy.dc(), 0, 0, copy.width(), copy.height(), dc, rect.left, rect.top, SRCCOPY);
    return copy.Snapshot();
}

Image Image::FromWindow(HWND hwnd)
{
    RECT client = {};
    ::GetClientRect(hwnd, &client);
    HDC dc = ::GetDC(hwnd);
    Image image = FromDC(dc, client);
    ::ReleaseDC(hwnd, dc);
    return image;
}

Image Image::Scaled(int factor) const
{
    Image big(m_width * factor, m_height * factor);
    for (int y = 0; y < big.m_height; ++y)
        for (int x = 0; x < big.m_width; ++x)
            big.Set(x, y, At(x / factor, y / factor));
    return big;
}

bool Image::SavePng(const std::string& path) const
{
    return !empty() &&
           stbi_write_png(path.c_str(), m_width, m_height, 4, m_pixels.data(), m_width * 4) != 0;
}

// ---------------------------------------------------------------- Canvas

Canvas::Canvas(int width, int height, COLORREF fill)
    : m_width(width), m_height(height), m_dc(::CreateCompatibleDC(NULL)), m_bitmap(NULL), m_oldBitmap(NULL)
{
    BITMAPINFO info = TopDownInfo(width, height);
    void* bits = nullptr;
    m_bitmap = ::CreateDIBSection(NULL, &info, DIB_RGB_COLORS, &bits, NULL, 0);
    m_oldBitmap = ::SelectObject(m_dc, m_bitmap);
    HBRUSH brush = ::CreateSolidBrush(fill);
    RECT all = {0, 0, width, height};
    ::FillRect(m_dc, &all, brush);
    ::DeleteObject(brush);
}

Canvas::~Canvas()
{
    ::SelectObject(m_dc, m_oldBitmap);
    ::DeleteObject(m_bitmap);
    ::DeleteDC(m_dc);
}

Image Canvas::Snapshot() const
{
    ::GdiFlush();
    Image image(m_width, m_height);
    std::vector<DWORD> bits(size_t(m_width) * m_height);
    BITMAPINFO info = TopDownInfo(m_width, m_height);
    ::GetDIBits(m_dc, m_bitmap, 0, m_height, bits.data(), &info, DIB_RGB_COLORS);
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x)
        {
            const DWORD v = bits[size_t(y) * m_width + x];
            image.Set(x, y, RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF));
        }
    return image;
}

// ---------------------------------------------------------------- PageWriter

PageWriter::PageWriter(const std::string& outDir, const std::string& pageId)
    : m_outDir(outDir), m_pageId(pageId)
{
}

void PageWriter::Heading(const std::string& text)
{
    m_entries.push_back(Entry{text, std::string(), std::string(), std::string()});
}

void PageWriter::Note(const std::string& text)
{
    m_entries.push_back(Entry{std::string(), std::string(), text, std::string()});
}

void PageWriter::Add(const std::string& name, const std::string& caption, const Image& image, int enlarge)
{
    const std::string base = m_pageId + "-" + name;
    Entry entry{std::string(), base + ".png", caption, std::string()};
    if (!image.SavePng(m_outDir + "/" + entry.file))
    {
        ++m_failures;
        return;
    }
    if (enlarge > 1)
    {
        entry.enlarged = base + "-x" + std::to_string(enlarge) + ".png";
        if (!image.Scaled(enlarge).SavePng(m_outDir + "/" + entry.enlarged))
        {
            ++m_failures;
            entry.enlarged.clear();
        }
    }
    m_entries.push_back(entry);
}

// ---------------------------------------------------------------- registry

PageRegistrar::PageRegistrar(const char* id, const char* title, RenderPage render, int order)
{
    Registry().push_back(Page{id, title, render, order});
}

std::vector<Page> RegisteredPages()
{
    std::vector<Page> pages = Registry();
    std::sort(pages.begin(), pages.end(), [](const Page& a, const Page& b) {
        return a.order != b.order ? a.order < b.order : a.id < b.id;
    });
    return pages;
}

void Pump(DWORD ms, const std::function<bool()>& done)
{
    const DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < ms)
    {
        if (done && done())
            return;
        MSG msg;
        if (!::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE))
        {
            ::MsgWaitForMultipleObjects(0, NULL, FALSE, 5, QS_ALLINPUT);
            continue;
        }
        CWinThread* thread = AfxGetThread();
        const BOOL consumed = thread != NULL ? thread->PreTranslateMessage(&msg)
                                             : CWnd::WalkPreTranslateTree(NULL, &msg);
        if (!consumed)
        {
            ::TranslateMessage(&msg);
            ::DispatchMessage(&msg);
        }
    }
}

void SendMouse(DWORD flags)
{
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flags;
    ::SendInput(1, &in, sizeof(in));
}

void ParkCursor(DWORD ms)
{
    ::SetCursorPos(::GetSystemMetrics(SM_CXSCREEN) - 2, ::GetSystemMetrics(SM_CYSCREEN) - 2);
    Pump(ms);
}

Stage::Stage(int width, int height, bool activate)
{
    LPCTSTR cls = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(NULL, IDC_ARROW), (HBRUSH)(COLOR_BTNFACE + 1));
    m_wnd.CreateEx(0, cls, _T("stage"), WS_POPUP | WS_VISIBLE, 60, 60, width, height, NULL, NULL);
    if (activate)
    {
        ::SetForegroundWindow(m_wnd.m_hWnd);
        m_wnd.SetFocus();
        Pump(50);
    }
}

Stage::~Stage()
{
    if (m_wnd.m_hWnd != NULL)
        m_wnd.DestroyWindow();
    Pump(20);
}

void Stage::RestCursorAt(CPoint client, DWORD ms, const CWnd* wnd)
{
    (wnd != NULL ? wnd : &m_wnd)->ClientToScreen(&client);
    ::SetCursorPos(client.x, client.y);
    Pump(ms);
}

Image Stage::Shoot(UINT redraw, DWORD ms)
{
    ::RedrawWindow(m_wnd.m_hWnd, NULL, NULL, redraw);
    Pump(ms);
    return Image::FromWindow(m_wnd.m_hWnd);
}

}  // namespace gallery
