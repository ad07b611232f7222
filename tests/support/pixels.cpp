// Pixel capture from windows and DCs, and PNG dumps of failed comparisons.
#include "support/harness.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>

#include <cstdio>

namespace vt {

std::string ColourText(COLORREF c)
{
    char buf[48];
    std::snprintf(buf, sizeof(buf), "RGB(%d, %d, %d)", GetRValue(c), GetGValue(c), GetBValue(c));
    return buf;
}

Capture Capture::FromWindow(HWND hwnd, bool wholeWindow)
{
    RECT rect;
    if (wholeWindow) {
        ::GetWindowRect(hwnd, &rect);
        ::OffsetRect(&rect, -rect.left, -rect.top);
    } else {
        ::GetClientRect(hwnd, &rect);
    }
    HDC dc = wholeWindow ? ::GetWindowDC(hwnd) : ::GetDC(hwnd);
    Capture capture = FromDC(dc, rect);
    ::ReleaseDC(hwnd, dc);
    return capture;
}

// Copied into a 32-bpp top-down DIB, whose pixels are 0x00RRGGBB words.
Capture Capture::FromDC(HDC dc, const RECT& rect)
{
    Capture capture;
    capture.m_width = rect.right - rect.left;
    capture.m_height = rect.bottom - rect.top;
    if (capture.m_width <= 0 || capture.m_height <= 0)
        return capture;
    MemoryCanvas canvas(capture.m_width, capture.m_height, RGB(0, 0, 0));
    ::BitBlt(canvas.dc(), 0, 0, capture.m_width, capture.m_height, dc, rect.left, rect.top, SRCCOPY);
    ::GdiFlush();
    capture.m_pixels.assign(size_t(capture.m_width) * capture.m_height, 0);
    for (size_t i = 0; canvas.m_bits != nullptr && i < capture.m_pixels.size(); ++i)
        capture.m_pixels[i] = canvas.m_bits[i] & 0xFFFFFF;
    return capture;
}

COLORREF Capture::At(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return CLR_INVALID;
    const DWORD p = m_pixels[static_cast<size_t>(y) * m_width + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

std::string DumpForCurrentTest(const Capture& capture, const char* tag)
{
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = info ? std::string(info->test_suite_name()) + "." + info->name() : "capture";
    for (char& c : name) {
        if (c == '/')
            c = '_';
    }
    ::CreateDirectoryA("test-output", NULL);
    const std::string path = "test-output/" + name + "." + tag + ".png";
    std::vector<unsigned char> rgb;
    for (int y = 0; y < capture.height(); ++y) {
        for (int x = 0; x < capture.width(); ++x) {
            const COLORREF c = capture.At(x, y);
            rgb.insert(rgb.end(), {GetRValue(c), GetGValue(c), GetBValue(c)});
        }
    }
    stbi_write_png(path.c_str(), capture.width(), capture.height(), 3, rgb.data(), capture.width() * 3);
    return path;
}

::testing::AssertionResult PixelIs(const Capture& capture, int x, int y, COLORREF expected)
{
    const COLORREF actual = capture.At(x, y);
    if (actual == expected)
        return ::testing::AssertionSuccess();
    const std::string path = DumpForCurrentTest(capture, "pixel");
    return ::testing::AssertionFailure()
           << "pixel (" << x << ", " << y << ") is " << ColourText(actual) << ", expected "
           << ColourText(expected) << " (image: " << path << ")";
}

MemoryCanvas::MemoryCanvas(int width, int height, COLORREF fill)
    : m_width(width), m_height(height), m_dc(::CreateCompatibleDC(NULL)), m_bits(nullptr)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down: row y is at m_bits + y * width
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    m_bitmap = ::CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, &bits, NULL, 0);
    m_bits = static_cast<DWORD*>(bits);
    m_oldBitmap = ::SelectObject(m_dc, m_bitmap);
    Fill(fill);
}

MemoryCanvas::~MemoryCanvas()
{
    ::SelectObject(m_dc, m_oldBitmap);
    ::DeleteObject(m_bitmap);
    ::DeleteDC(m_dc);
}

COLORREF MemoryCanvas::At(int x, int y) const
{
    if (m_bits == nullptr || x < 0 || y < 0 || x >= m_width || y >= m_height)
        return CLR_INVALID;
    ::GdiFlush();
    const DWORD p = m_bits[static_cast<size_t>(y) * m_width + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

void MemoryCanvas::Fill(COLORREF colour)
{
    HBRUSH brush = ::CreateSolidBrush(colour);
    RECT all = {0, 0, m_width, m_height};
    ::FillRect(m_dc, &all, brush);
    ::DeleteObject(brush);
}

Capture MemoryCanvas::Snapshot() const
{
    RECT all = {0, 0, m_width, m_height};
    return Capture::FromDC(m_dc, all);
}

}  // namespace vt
