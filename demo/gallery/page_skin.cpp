// page_skin.cpp - gallery page of the skin painters: shipped skins at many sizes, bars, gray and recoloured glyph strips.
#include "gallery.h"

#include "VeluCtrl.h"
#include "skin/VeluSkin.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

const int kEnlarge = 3;
const int kGap = 8;

// Owns a bitmap for the page's lifetime.
class OwnedBitmap
{
public:
    explicit OwnedBitmap(HBITMAP bitmap = NULL) : m_bitmap(bitmap) {}
    ~OwnedBitmap() { if (m_bitmap) ::DeleteObject(m_bitmap); }
    OwnedBitmap(const OwnedBitmap&) = delete;
    OwnedBitmap& operator=(const OwnedBitmap&) = delete;
    HBITMAP get() const { return m_bitmap; }

private:
    HBITMAP m_bitmap;
};

// A memory DC with a bitmap selected, both released on scope exit.
class BitmapDC
{
public:
    explicit BitmapDC(HBITMAP bitmap) : m_dc(::CreateCompatibleDC(NULL)), m_old(::SelectObject(m_dc, bitmap)) {}
    ~BitmapDC() { ::SelectObject(m_dc, m_old); ::DeleteDC(m_dc); }
    BitmapDC(const BitmapDC&) = delete;
    BitmapDC& operator=(const BitmapDC&) = delete;
    HDC get() const { return m_dc; }

private:
    HDC m_dc;
    HGDIOBJ m_old;
};

SIZE BitmapSize(HBITMAP bitmap)
{
    BITMAP bm = {};
    ::GetObject(bitmap, sizeof(bm), &bm);
    SIZE size = {bm.bmWidth, bm.bmHeight};
    return size;
}

// Inflated through the library's exports, as its own skins are.
HBITMAP LoadSkin(const char* resource)
{
    DWORD bytes = 0;
    LPBYTE image = LoadBinaryResourceName(g_hVeluInstance, resource, &bytes);
    if (!image)
        return NULL;
    SIZE size = {};
    HBITMAP bitmap = VELULoadMemBmp(image, NULL, &size);
    FreeBinaryResource(image);
    return bitmap;
}

/////////////////////////////////////////////////////////////////////////////
// Nine-grid painter

const int kTooltipInsets[12] = {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
const int kSquareInsets[24] = {0};

struct SkinUse
{
    const char* resource;
    const char* use;
    const int* insets;
    int corner;
    const char* insetName;
};

const SkinUse kSkinUses[] = {
    {VELU_XZP_BTNDEF, "default button", g_nStdCornerInsets, kStdCornerSize, "standard insets"},
    {VELU_XZP_BTNNORM, "normal button", g_nStdCornerInsets, kStdCornerSize, "standard insets"},
    {VELU_XZP_BTNDIS, "disabled button", g_nStdCornerInsets, kStdCornerSize, "standard insets"},
    {VELU_XZP_BTNHOT, "hot button", g_nStdCornerInsets, kStdCornerSize, "standard insets"},
    {VELU_XZP_BTNDOWN, "down button", g_nStdCornerInsets, kStdCornerSize, "standard insets"},
    {VELU_XZP_CHECK, "checked tool bar button", g_nStdCornerInsets, kStdCornerSize, "standard insets"},
    {VELU_XZP_PROGRESS, "progress frame", g_nStdCornerInsets, kStdCornerSize, "standard insets"},
    {VELU_XZP_FLTBARBTN, "floating bar button", g_nStdCornerInsets, kStdCornerSize, "standard insets"},
    {VELU_XZP_BALLOON, "balloon tip", g_nBalloonCornerInsets, kBalloonCornerSize, "balloon insets"},
    {VELU_XZP_BALLOON, "balloon tip", g_nStdCornerInsets, kStdCornerSize, "standard insets, for comparison"},
    {VELU_XZP_TOOLTIP, "tooltip", kTooltipInsets, 12, "corner 12, first row in by one"},
    {VELU_XZP_DIALOG, "dialog background", kSquareInsets, 24, "corner 24, square"},
};

// Narrower than two corners, exactly two corners wide, and a few usual sizes.
std::vector<SIZE> SizesFor(int corner)
{
    std::vector<SIZE> sizes;
    sizes.push_back({corner > 1 ? corner - 1 : 1, 2 * corner + 4});
    sizes.push_back({2 * corner - 2, 2 * corner + 4});
    sizes.push_back({2 * corner, 2 * corner + 4});
    sizes.push_back({corner * 2 + 40, 2 * corner + 14});
    sizes.push_back({corner * 2 + 100, 2 * corner + 26});
    return sizes;
}

void AddNineGrid(gallery::PageWriter& page, const SkinUse& use)
{
    OwnedBitmap skin(LoadSkin(use.resource));
    if (!skin.get())
    {
        page.Note(std::string(use.resource) + ": not available");
        return;
    }
    std::vector<SIZE> sizes = SizesFor(use.corner);
    int width = kGap, height = 0;
    for (const SIZE& s : sizes)
    {
        width += s.cx + kGap;
        height = height > s.cy ? height : s.cy;
    }
    // The bar background shows where the insets leave corner pixels out.
    gallery::Canvas canvas(width, height + 2 * kGap, kBarBackground);
    ::SetStretchBltMode(canvas.dc(), COLORONCOLOR);
    std::string sizeList;
    int x = kGap;
    for (const SIZE& s : sizes)
    {
        RECT rc = {x, kGap, x + s.cx, kGap + s.cy};
        CRoundBitmap painter;
        painter.ShowMe(canvas.dc(), &rc, skin.get(), use.insets, use.corner);
        x += s.cx + kGap;
        sizeList += (sizeList.empty() ? "" : ", ") + std::to_string(s.cx) + " x " + std::to_string(s.cy);
    }
    SIZE skinSize = BitmapSize(skin.get());
    char caption[256];
    std::snprintf(caption, sizeof(caption), "%s (%s, %ld x %ld), corner %d, %s: %s",
                  use.resource, use.use, long(skinSize.cx), long(skinSize.cy), use.corner, use.insetName,
                  sizeList.c_str());
    char name[64];
    std::snprintf(name, sizeof(name), "ninegrid-%d-%s-%d", int(&use - kSkinUses), use.resource, use.corner);
    for (char* p = name; *p; ++p)
        *p = char(::tolower(static_cast<unsigned char>(*p)));
    page.Add(name, caption, canvas.Snapshot(), kEnlarge);
}

// One skin with chosen pieces switched off.
void AddDrawBlocks(gallery::PageWriter& page)
{
    OwnedBitmap skin(LoadSkin(VELU_XZP_BTNHOT));
    if (!skin.get())
        return;
    const DWORD flags[] = {kDrawBlockAll, kDrawBlockCentre, kDrawBlockTop, kDrawBlockLeft | kDrawBlockBottom,
                           kDrawBlockAll & ~kDrawBlockCentre};
    const int count = sizeof(flags) / sizeof(flags[0]);
    gallery::Canvas canvas(kGap + count * (80 + kGap), 30 + 2 * kGap, kBarBackground);
    ::SetStretchBltMode(canvas.dc(), COLORONCOLOR);
    for (int i = 0; i < count; ++i)
    {
        RECT rc = {kGap + i * (80 + kGap), kGap, kGap + i * (80 + kGap) + 80, kGap + 30};
        CRoundBitmap painter;
        painter.SetDrawBlockFlags(flags[i]);
        painter.ShowMe(canvas.dc(), &rc, skin.get(), g_nStdCornerInsets, kStdCornerSize);
    }
    page.Add("ninegrid-flags", "hot button skin with draw-block flags 0x0FFFFFFF, 0x01 (centre), 0x04 (top), "
             "0x12 (left and bottom), all but the centre", canvas.Snapshot(), kEnlarge);
}

/////////////////////////////////////////////////////////////////////////////
// Bar painter

const int kBarHeadLen = 8;
const int kBarMiddleLen = 6;
const int kBarTailLen = 8;
const int kBarThickness = 12;

// A capsule drawn here: a blue gradient across the bar, darker ends, and
// light stripes in the middle piece so the tiling shows.
COLORREF BarSkinPixel(int along, int across)
{
    int shade = 40 + across * 12;
    bool end = along < kBarHeadLen || along >= kBarHeadLen + kBarMiddleLen;
    bool stripe = !end && (along - kBarHeadLen) < 2;
    return end ? RGB(60, 90 + shade / 2, 160 + shade / 3) : stripe ? RGB(200, 220, 250) : RGB(90, 120 + shade / 2, 200);
}

HBITMAP MakeBarSkin(bool horizontal)
{
    const int length = kBarHeadLen + kBarMiddleLen + kBarTailLen;
    const int cx = horizontal ? length : kBarThickness;
    const int cy = horizontal ? kBarThickness : length;
    gallery::Canvas canvas(cx, cy);
    for (int y = 0; y < cy; ++y)
        for (int x = 0; x < cx; ++x)
            ::SetPixel(canvas.dc(), x, y, horizontal ? BarSkinPixel(x, y) : BarSkinPixel(y, x));
    // A copy the caller owns, independent of the canvas.
    HBITMAP bitmap = ::CreateCompatibleBitmap(canvas.dc(), cx, cy);
    {
        BitmapDC copy(bitmap);
        ::BitBlt(copy.get(), 0, 0, cx, cy, canvas.dc(), 0, 0, SRCCOPY);
    }
    return bitmap;
}

void AddBars(gallery::PageWriter& page)
{
    OwnedBitmap horizontalSkin(MakeBarSkin(true));
    OwnedBitmap verticalSkin(MakeBarSkin(false));
    int insets[kBarThickness] = {5, 3, 2, 1, 1, 0, 0, 1, 1, 2, 3, 5};
    int lengths[3] = {kBarHeadLen, kBarMiddleLen, kBarTailLen};

    gallery::Canvas canvas(260, 150, RGB(255, 255, 255));
    CBarBitmap bar;
    RECT horizontal = {10, 10, 210, 10 + kBarThickness};
    bar.ShowMe(canvas.dc(), &horizontal, horizontalSkin.get(), insets, insets, kBarThickness, lengths, TRUE, 0, FALSE);
    RECT shortBar = {10, 30, 10 + 13, 30 + kBarThickness};
    bar.ShowMe(canvas.dc(), &shortBar, horizontalSkin.get(), insets, insets, kBarThickness, lengths, TRUE, 0, FALSE);
    RECT solid = {10, 50, 210, 50 + kBarThickness};
    bar.ShowMe(canvas.dc(), &solid, NULL, insets, insets, kBarThickness, lengths, TRUE, kBarEdge, TRUE);
    RECT vertical = {225, 10, 225 + kBarThickness, 140};
    bar.ShowMe(canvas.dc(), &vertical, verticalSkin.get(), insets, insets, kBarThickness, lengths, FALSE, 0, FALSE);
    RECT verticalSolid = {242, 10, 242 + kBarThickness, 140};
    bar.ShowMe(canvas.dc(), &verticalSolid, NULL, insets, insets, kBarThickness, lengths, FALSE, kBarEdge, TRUE);

    page.Add("bars", "CBarBitmap: a 200-long horizontal bar (head 8, tiled middle 6, tail 8, rounded ends), "
             "a bar shorter than head + tail, the same outline solid; vertical bars on the right, skinned and solid",
             canvas.Snapshot(), kEnlarge);
}

/////////////////////////////////////////////////////////////////////////////
// Bitmap utilities on the tool bar strip

// Keyed blits onto a two-tone backdrop, at the strip's size and doubled.
void DrawKeyed(gallery::Canvas& canvas, HDC source, SIZE size)
{
    RECT lower = {0, canvas.height() / 2, canvas.width(), canvas.height()};
    HBRUSH brush = ::CreateSolidBrush(RGB(90, 110, 150));
    ::FillRect(canvas.dc(), &lower, brush);
    ::DeleteObject(brush);
    CCoolToolBar::TransparentBlt(canvas.dc(), kGap, kGap, size.cx, size.cy, source, 0, 0, size.cx, size.cy, kGlyphMask);
    CCoolToolBar::TransparentBlt(canvas.dc(), kGap, size.cy + 2 * kGap, size.cx * 2, size.cy * 2, source, 0, 0,
                       size.cx, size.cy, kGlyphMask);
}

void AddStripCopies(gallery::PageWriter& page)
{
    OwnedBitmap strip(::LoadBitmapA(g_hVeluInstance, VELU_BMP_CTRLBAR));
    if (!strip.get())
    {
        page.Note(std::string(VELU_BMP_CTRLBAR) + ": not available");
        return;
    }
    const SIZE size = BitmapSize(strip.get());
    // The copies are made against a 32-bpp canvas, as the tool bar makes
    // them against its own device context.
    gallery::Canvas reference(1, 1);
    gallery::Canvas keyed(size.cx * 2 + 2 * kGap, size.cy * 3 + 4 * kGap, kBarBackground);
    HBITMAP grayBitmap = NULL;
    HBITMAP recolouredBitmap = NULL;
    {
        BitmapDC source(strip.get());
        grayBitmap = CCoolToolBar::MakeGrayBitmap(reference.dc(), source.get(), size.cx, size.cy);
        recolouredBitmap = CCoolToolBar::MakeTransparentBitmap(reference.dc(), source.get(), size.cx, size.cy,
                                                     kGlyphMask, kBarBackground);
        DrawKeyed(keyed, source.get(), size);
    }
    OwnedBitmap gray(grayBitmap);
    OwnedBitmap recoloured(recolouredBitmap);

    page.Add("strip", std::string(VELU_BMP_CTRLBAR) + " as stored", gallery::Image::FromBitmap(strip.get()), kEnlarge);
    if (gray.get())
        page.Add("strip-gray", "its gray copy (disabled images): black kept, every other colour to its gray level",
                 gallery::Image::FromBitmap(gray.get()), kEnlarge);
    if (recoloured.get())
        page.Add("strip-recoloured", "its recoloured copy: the green mask replaced by the bar background",
                 gallery::Image::FromBitmap(recoloured.get()), kEnlarge);
    page.Add("strip-transparent", "the strip blitted with green as the transparent colour, at its size and doubled",
             keyed.Snapshot(), kEnlarge);
}

void RenderSkinPage(gallery::PageWriter& page)
{
    page.Heading("Nine-grid painter: each shipped skin at several sizes (narrower than two corners, "
                 "exactly two corners wide, larger), on the bar background");
    for (const SkinUse& use : kSkinUses)
        AddNineGrid(page, use);
    AddDrawBlocks(page);

    page.Heading("Bar painter");
    AddBars(page);

    page.Heading("Bitmap utilities on the control-bar glyph strip");
    AddStripCopies(page);
}

}  // namespace

GALLERY_PAGE("skin", "Skin painters: nine-grid, bars, transparent and gray bitmaps", 20, RenderSkinPage);
