// glyphs.cpp - pictures of the control-bar and button-list glyph strips, and the focus checkerboard.
#include "glyphs.h"

#include <cmath>

namespace
{
const Rgb kMask = {0, 255, 0};

// Image lists made from a strip by name default to 16 colours, so the
// pictures keep to the standard 16-colour palette (lime being the mask).
const Rgb kBlack = {0, 0, 0}, kWhite = {255, 255, 255};
const Rgb kGrey = {128, 128, 128}, kSilver = {192, 192, 192};
const Rgb kRed = {255, 0, 0}, kGreen = {0, 128, 0}, kBlue = {0, 0, 255}, kNavy = {0, 0, 128};
const Rgb kYellow = {255, 255, 0}, kOlive = {128, 128, 0};
const Rgb kInk = {0, 0, 0};

// A filled triangle pointing along (dx, dy) with its apex at the centre's edge.
void Arrow(Raster& r, int ox, int dx, int dy)
{
    const int c = 6;
    for (int k = 0; k < 5; ++k)
        for (int s = -k; s <= k; ++s)
        {
            const int along = c - 2 + k;          // rows 4..8 for an up arrow
            const int x = dy != 0 ? c + s : (dx < 0 ? along : 12 - along);
            const int y = dy != 0 ? (dy < 0 ? along : 12 - along) : c + s;
            r.Set(ox + x, y, kInk);
        }
}

void Close(Raster& r, int ox)
{
    for (int i = 3; i <= 9; ++i)
    {
        r.Set(ox + i, i, kInk);
        r.Set(ox + i + 1, i, kInk);
        r.Set(ox + 12 - i, i, kInk);
        r.Set(ox + 11 - i, i, kInk);
    }
}

void Pin(Raster& r, int ox)
{
    r.FrameRect(ox + 4, 2, ox + 9, 8, kInk);
    r.VLine(ox + 7, 3, 7, kWhite);
    r.HLine(ox + 2, ox + 11, 8, kInk);
    r.VLine(ox + 6, 9, 12, kInk);
}

void Chevron(Raster& r, int ox)
{
    for (int i = 0; i < 4; ++i)
        for (int base : {3, 7})
        {
            r.Set(ox + base + i, 3 + i, kInk);
            r.Set(ox + base + i, 9 - i, kInk);
            r.Set(ox + base + i + 1, 3 + i, kInk);
            r.Set(ox + base + i + 1, 9 - i, kInk);
        }
}

void Check(Raster& r, int ox)
{
    for (int i = 0; i < 3; ++i)
    {
        r.VLine(ox + 2 + i, 6 + i, 9 + i, kInk);
    }
    for (int i = 0; i < 6; ++i)
        r.VLine(ox + 5 + i, 7 - i, 10 - i, kInk);
}

void Folder(Raster& r, int ox)
{
    const Rgb edge = kOlive, face = kYellow, light = kWhite;
    r.FillRect(ox + 1, 3, ox + 7, 5, edge);
    r.FillRect(ox + 1, 4, ox + 14, 13, edge);
    r.FillRect(ox + 2, 5, ox + 13, 12, face);
    r.HLine(ox + 2, ox + 13, 5, light);
}

void Document(Raster& r, int ox)
{
    const Rgb edge = kGrey, lines = kNavy;
    r.FillRect(ox + 3, 1, ox + 12, 14, kWhite);
    r.FrameRect(ox + 3, 1, ox + 12, 14, edge);
    for (int y = 4; y <= 11; y += 2)
        r.HLine(ox + 5, ox + 10, y, lines);
}

void Mail(Raster& r, int ox)
{
    const Rgb edge = kGrey;
    r.FillRect(ox + 1, 3, ox + 14, 12, kWhite);
    r.FrameRect(ox + 1, 3, ox + 14, 12, edge);
    r.Line(ox + 1, 3, ox + 7, 8, edge);
    r.Line(ox + 13, 3, ox + 7, 8, edge);
}

void Calendar(Raster& r, int ox)
{
    const Rgb edge = kGrey, head = kRed, grid = kSilver;
    r.FillRect(ox + 1, 2, ox + 14, 14, kWhite);
    r.FillRect(ox + 1, 2, ox + 14, 5, head);
    r.FrameRect(ox + 1, 2, ox + 14, 14, edge);
    for (int x = 4; x <= 11; x += 3)
        r.VLine(ox + x, 6, 13, grid);
    for (int y = 8; y <= 11; y += 3)
        r.HLine(ox + 2, ox + 13, y, grid);
}

void Contacts(Raster& r, int ox)
{
    const Rgb skin = kYellow, shirt = kNavy;
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 15; ++x)
        {
            if (std::hypot(x - 7.0, y - 4.5) <= 3.0)
                r.Set(ox + x, y, skin);
            else if (y >= 9 && std::hypot(x - 7.0, y - 15.0) <= 6.0)
                r.Set(ox + x, y, shirt);
        }
}

void Note(Raster& r, int ox)
{
    const Rgb face = kYellow, edge = kOlive;
    r.FillRect(ox + 2, 2, ox + 13, 13, face);
    r.FrameRect(ox + 2, 2, ox + 13, 13, edge);
    r.Line(ox + 9, 12, ox + 12, 9, edge);
    r.HLine(ox + 4, ox + 11, 5, edge);
    r.HLine(ox + 4, ox + 9, 8, edge);
}

void Chart(Raster& r, int ox)
{
    const Rgb axis = kBlack;
    r.VLine(ox + 1, 1, 14, axis);
    r.HLine(ox + 1, ox + 14, 13, axis);
    r.FillRect(ox + 3, 8, ox + 6, 13, kBlue);
    r.FillRect(ox + 7, 4, ox + 10, 13, kRed);
    r.FillRect(ox + 11, 6, ox + 14, 13, kGreen);
}

void Gear(Raster& r, int ox)
{
    const Rgb metal = kGrey;
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 15; ++x)
        {
            const double dx = x - 7.0, dy = y - 7.0, d = std::hypot(dx, dy);
            const double teeth = std::cos(8 * std::atan2(dy, dx)) > 0.2 ? 6.8 : 5.2;
            if (d <= teeth && d > 2.0)
                r.Set(ox + x, y, metal);
        }
}
}

Raster DrawCtrlBarStrip()
{
    const int size = 13;
    Raster r(size * 8, size, kMask);
    Close(r, 0 * size);
    Pin(r, 1 * size);
    Chevron(r, 2 * size);
    Arrow(r, 3 * size, 0, -1);
    Arrow(r, 4 * size, -1, 0);
    Arrow(r, 5 * size, 0, 1);
    Arrow(r, 6 * size, 1, 0);
    Check(r, 7 * size);
    return r;
}

Raster DrawButtonListStrip()
{
    const int size = 15;
    Raster r(size * 8, size, kMask);
    Folder(r, 0 * size);
    Document(r, 1 * size);
    Mail(r, 2 * size);
    Calendar(r, 3 * size);
    Contacts(r, 4 * size);
    Note(r, 5 * size);
    Chart(r, 6 * size);
    Gear(r, 7 * size);
    return r;
}

std::vector<bool> FocusPattern()
{
    std::vector<bool> black(64);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            black[y * 8 + x] = (x + y) % 2 == 0;
    return black;
}
