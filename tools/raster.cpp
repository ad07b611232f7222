// raster.cpp - drawing primitives of the resource generator's RGB raster.
#include "raster.h"

#include <cmath>
#include <cstdlib>

Rgb Mix(Rgb a, Rgb b, double t)
{
    auto channel = [t](int from, int to) {
        return static_cast<uint8_t>(std::lround(from + (to - from) * t));
    };
    return Rgb{channel(a.r, b.r), channel(a.g, b.g), channel(a.b, b.b)};
}

Raster::Raster(int width, int height, Rgb fill)
    : m_width(width), m_height(height), m_pixels(static_cast<size_t>(width) * height, fill)
{
}

Rgb Raster::Get(int x, int y) const
{
    return m_pixels[static_cast<size_t>(y) * m_width + x];
}

void Raster::Set(int x, int y, Rgb c)
{
    if (x >= 0 && y >= 0 && x < m_width && y < m_height)
        m_pixels[static_cast<size_t>(y) * m_width + x] = c;
}

void Raster::FillRect(int x0, int y0, int x1, int y1, Rgb c)
{
    for (int y = y0; y < y1; ++y)
        HLine(x0, x1, y, c);
}

void Raster::FrameRect(int x0, int y0, int x1, int y1, Rgb c)
{
    HLine(x0, x1, y0, c);
    HLine(x0, x1, y1 - 1, c);
    VLine(x0, y0, y1, c);
    VLine(x1 - 1, y0, y1, c);
}

void Raster::HLine(int x0, int x1, int y, Rgb c)
{
    for (int x = x0; x < x1; ++x)
        Set(x, y, c);
}

void Raster::VLine(int x, int y0, int y1, Rgb c)
{
    for (int y = y0; y < y1; ++y)
        Set(x, y, c);
}

void Raster::Line(int x0, int y0, int x1, int y1, Rgb c)
{
    const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;)
    {
        Set(x0, y0, c);
        if (x0 == x1 && y0 == y1)
            break;
        const int e2 = 2 * err;
        if (e2 >= dy) { err += dy; x0 += sx; }
        if (e2 <= dx) { err += dx; y0 += sy; }
    }
}

void Raster::VGradient(int x0, int y0, int x1, int y1, Rgb top, Rgb bottom)
{
    const int rows = y1 - y0;
    for (int y = y0; y < y1; ++y)
    {
        const double t = rows > 1 ? double(y - y0) / (rows - 1) : 0.0;
        HLine(x0, x1, y, Mix(top, bottom, t));
    }
}

void Raster::Blit(const Raster& src, int x, int y)
{
    for (int sy = 0; sy < src.Height(); ++sy)
        for (int sx = 0; sx < src.Width(); ++sx)
            Set(x + sx, y + sy, src.Get(sx, sy));
}

void Raster::Art(int x, int y, const char* const* rows, int rowCount,
                 const std::string& keys, const Rgb* colours)
{
    for (int row = 0; row < rowCount; ++row)
        for (int col = 0; rows[row][col] != '\0'; ++col)
        {
            const size_t k = keys.find(rows[row][col]);
            if (k != std::string::npos)
                Set(x + col, y + row, colours[k]);
        }
}
