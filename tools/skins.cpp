// skins.cpp - the skin pictures: button faces, check, dialog, progress, balloon and tooltip frames.
#include "skins.h"

#include <cmath>

namespace
{
const Rgb kWhite = {255, 255, 255};

// The nine-grid painter leaves a 4-pixel corner's outermost pixel unpainted,
// so the corner pixel only matters in the gallery: soften it, and shade the
// pixel diagonally inside so the frame reads as rounded.
void SoftenCorners(Raster& r, Rgb border)
{
    const int w = r.Width(), h = r.Height();
    const int xs[2] = {0, w - 1}, ys[2] = {0, h - 1};
    const int ix[2] = {1, w - 2}, iy[2] = {1, h - 2};
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 2; ++j)
        {
            r.Set(xs[i], ys[j], Mix(border, kWhite, 0.65));
            r.Set(ix[i], iy[j], Mix(r.Get(ix[i], iy[j]), border, 0.4));
        }
}

// One-pixel border, a vertical gradient fill, a darker left column.
Raster GradientButton(int w, int h, Rgb border, Rgb left, Rgb top, Rgb bottom)
{
    Raster r(w, h, border);
    r.VGradient(1, 1, w - 1, h - 1, top, bottom);
    r.VLine(0, 1, h - 1, left);
    SoftenCorners(r, border);
    return r;
}

// Whether (x, y) lies inside a box whose corners are cut by per-row insets
// (insets[0] is the outermost row), mirrored to all four corners.
bool InsideRounded(int x, int y, int w, int h, const int* insets, int corner)
{
    if (x < 0 || y < 0 || x >= w || y >= h)
        return false;
    const int row = y < corner ? y : (y >= h - corner ? h - 1 - y : -1);
    if (row < 0)
        return true;
    const int inset = insets[row];
    return x >= inset && x < w - inset;
}
}

Raster DrawButtonDefaultSkin()
{
    return GradientButton(42, 20, Rgb{160, 173, 194}, Rgb{134, 152, 178},
                          kWhite, Rgb{196, 210, 219});
}

Raster DrawButtonNormalSkin()
{
    return GradientButton(42, 20, Rgb{175, 192, 216}, Rgb{139, 165, 199},
                          kWhite, Rgb{218, 231, 238});
}

Raster DrawButtonDisabledSkin()
{
    const Rgb border = {173, 178, 181};
    Raster r(40, 20, border);
    r.FillRect(1, 1, 39, 19, Rgb{252, 252, 252});
    r.FillRect(2, 2, 38, 18, Rgb{244, 244, 244});
    SoftenCorners(r, border);
    return r;
}

Raster DrawButtonHotSkin()
{
    const Rgb border = {163, 153, 130};
    return GradientButton(42, 20, border, border, Rgb{254, 241, 218}, Rgb{250, 210, 133});
}

Raster DrawButtonDownSkin()
{
    const Rgb border = {100, 100, 100};
    Raster r(42, 20, border);
    r.HLine(1, 41, 1, Rgb{251, 214, 144});
    r.VGradient(1, 2, 41, 18, Rgb{254, 239, 212}, Rgb{250, 210, 133});
    r.HLine(1, 41, 18, Rgb{240, 190, 110});
    SoftenCorners(r, border);
    return r;
}

Raster DrawCheckSkin()
{
    const Rgb border = {122, 152, 175};
    Raster r(40, 20, border);
    r.FillRect(1, 1, 39, 19, Rgb{242, 247, 249});
    SoftenCorners(r, border);
    return r;
}

// A pale panel with rounded corners and a white upper line inside a 3-pixel
// medium blue frame; the frame fills the panel's cut-off corners.
Raster DrawDialogSkin()
{
    const int w = 125, h = 90, frame = 3, radius = 5;
    const Rgb blue = {123, 155, 225}, panel = {232, 237, 250};
    Raster r(w, h, blue);
    const int px0 = frame, py0 = frame, px1 = w - frame, py1 = h - frame;
    for (int y = py0; y < py1; ++y)
        for (int x = px0; x < px1; ++x)
        {
            // Distance outside the corner circle, for a one-pixel soft edge.
            const double cx = x < px0 + radius ? px0 + radius : (x >= px1 - radius ? px1 - radius : x + 0.5);
            const double cy = y < py0 + radius ? py0 + radius : (y >= py1 - radius ? py1 - radius : y + 0.5);
            const double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy) - radius;
            const Rgb face = (y == py0) ? kWhite : panel;
            if (d <= -0.5)
                r.Set(x, y, face);
            else if (d < 0.5)
                r.Set(x, y, Mix(face, blue, d + 0.5));
        }
    return r;
}

// Grey outer line, lighter inner bands and a white field; each band turns the
// corner one pixel further in.
Raster DrawProgressSkin()
{
    const int w = 50, h = 20;
    const Rgb bands[3] = {{104, 104, 104}, {190, 190, 190}, {239, 239, 239}};
    Raster r(w, h, kWhite);
    for (int k = 0; k < 3; ++k)
        r.FrameRect(k, k, w - k, h - k, bands[k]);
    const int xs[2][3] = {{0, 1, 2}, {w - 1, w - 2, w - 3}};
    const int ys[2][3] = {{0, 1, 2}, {h - 1, h - 2, h - 3}};
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 2; ++j)
        {
            r.Set(xs[i][0], ys[j][0], kWhite);
            r.Set(xs[i][1], ys[j][1], bands[0]);
            r.Set(xs[i][2], ys[j][2], bands[1]);
        }
    return r;
}

// Rounded to the balloon insets; the frame follows the cut edge. Column 24 of
// row 12 from the bottom is plain fill, the top row is frame.
Raster DrawBalloonSkin()
{
    static const int kInsets[12] = {9, 6, 5, 3, 3, 2, 1, 1, 1, 0, 0, 0};
    const int w = 48, h = 36;
    const Rgb frame = {86, 113, 160}, fill = {235, 243, 253};
    Raster r(w, h, kWhite);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
        {
            if (!InsideRounded(x, y, w, h, kInsets, 12))
                continue;
            const bool edge = !InsideRounded(x - 1, y, w, h, kInsets, 12) ||
                              !InsideRounded(x + 1, y, w, h, kInsets, 12) ||
                              !InsideRounded(x, y - 1, w, h, kInsets, 12) ||
                              !InsideRounded(x, y + 1, w, h, kInsets, 12);
            // A sheen along the top that has settled into the fill by row 12.
            const Rgb face = y < 12 ? Mix(kWhite, fill, y / 11.0) : fill;
            r.Set(x, y, edge ? frame : face);
        }
    return r;
}

Raster DrawToolTipSkin()
{
    const int w = 48, h = 36;
    const Rgb frame = {0, 60, 115}, face = {255, 255, 231};
    Raster r(w, h, face);
    r.FrameRect(0, 0, w, h, frame);
    r.VLine(1, 1, h - 1, kWhite);                         // light inner line on the left
    r.VLine(w - 2, 1, h - 1, Rgb{236, 236, 205});         // slightly darker right
    r.HLine(1, w - 1, h - 2, Rgb{236, 236, 205});         // and bottom
    r.Set(1, h - 2, Mix(kWhite, Rgb{236, 236, 205}, 0.5));
    SoftenCorners(r, frame);
    return r;
}

// A small close button for floating bars: a normal-button face with a dark cross.
Raster DrawFloatBarButton()
{
    const Rgb border = {175, 192, 216}, cross = {60, 72, 96};
    Raster r = GradientButton(15, 15, border, border, kWhite, Rgb{218, 231, 238});
    r.Line(4, 4, 10, 10, cross);
    r.Line(4, 5, 9, 10, cross);
    r.Line(10, 4, 4, 10, cross);
    r.Line(10, 5, 5, 10, cross);
    return r;
}
