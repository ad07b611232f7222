// raster.h - a small RGB raster with the drawing primitives the resource generator needs.
#ifndef TOOLS_RASTER_H
#define TOOLS_RASTER_H

#include <cstdint>
#include <string>
#include <vector>

struct Rgb
{
    uint8_t r, g, b;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
};

// Linear mix of a and b; t = 0 gives a, t = 1 gives b (rounded to nearest).
Rgb Mix(Rgb a, Rgb b, double t);

// Row 0 is the top row; the BMP writer turns it bottom-up.
class Raster
{
public:
    Raster(int width, int height, Rgb fill);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    Rgb Get(int x, int y) const;
    void Set(int x, int y, Rgb c);                      // ignores points outside
    void FillRect(int x0, int y0, int x1, int y1, Rgb c); // right/bottom exclusive
    void FrameRect(int x0, int y0, int x1, int y1, Rgb c);
    void HLine(int x0, int x1, int y, Rgb c);           // x1 exclusive
    void VLine(int x, int y0, int y1, Rgb c);           // y1 exclusive
    void Line(int x0, int y0, int x1, int y1, Rgb c);   // both ends included
    // Rows y0..y1-1 run from top to bottom, clipped to columns x0..x1-1.
    void VGradient(int x0, int y0, int x1, int y1, Rgb top, Rgb bottom);
    void Blit(const Raster& src, int x, int y);
    // Draws an ASCII picture at (x, y): the character keys[i] paints colours[i];
    // characters not in keys leave the pixel alone.
    void Art(int x, int y, const char* const* rows, int rowCount,
             const std::string& keys, const Rgb* colours);

private:
    int m_width, m_height;
    std::vector<Rgb> m_pixels;
};

#endif // TOOLS_RASTER_H
