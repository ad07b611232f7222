// page_frame.cpp - gallery page of the library frame: every XZP skin, the glyph strips, the focus pattern, the cursors.
#include "gallery.h"

#include "VeluCtrl.h"

#include <commctrl.h>
#include <cstdio>
#include <string>

namespace {

struct SkinEntry
{
    const char* resource;
    const char* use;
};

const SkinEntry kSkins[] = {
    {VELU_XZP_BTNDEF, "default button"},
    {VELU_XZP_BTNNORM, "normal button"},
    {VELU_XZP_BTNDIS, "disabled button"},
    {VELU_XZP_BTNHOT, "hot button"},
    {VELU_XZP_BTNDOWN, "down button"},
    {VELU_XZP_CHECK, "checked tool bar button"},
    {VELU_XZP_DIALOG, "dialog background"},
    {VELU_XZP_PROGRESS, "progress frame"},
    {VELU_XZP_BALLOON, "balloon tip"},
    {VELU_XZP_TOOLTIP, "tooltip"},
    {VELU_XZP_FLTBARBTN, "floating bar button (for applications)"},
};

const int kEnlarge = 4;

std::string Lower(std::string text)
{
    for (char& c : text)
        c = char(::tolower(static_cast<unsigned char>(c)));
    return text;
}

// Inflated through the DLL's own exports, exactly as the controls do it.
void AddSkin(gallery::PageWriter& page, const SkinEntry& skin)
{
    DWORD bytes = 0;
    LPBYTE image = LoadBinaryResourceName(g_hVeluInstance, skin.resource, &bytes);
    if (!image)
    {
        page.Note(std::string(skin.resource) + ": not found in the library");
        return;
    }
    SIZE size = {};
    HBITMAP bitmap = VELULoadMemBmp(image, NULL, &size);
    FreeBinaryResource(image);
    char caption[160];
    std::snprintf(caption, sizeof(caption), "%s: %s, %ld x %ld, %lu bytes inflated",
                  skin.resource, skin.use, long(size.cx), long(size.cy), static_cast<unsigned long>(bytes));
    page.Add(Lower(skin.resource), caption, gallery::Image::FromBitmap(bitmap), kEnlarge);
    ::DeleteObject(bitmap);
}

// The strip as stored, then each image drawn masked on the bar background
// the way an image list made from it draws.
void AddStrip(gallery::PageWriter& page, const char* resource, int cx, int count, const char* what)
{
    HBITMAP strip = ::LoadBitmapA(g_hVeluInstance, resource);
    page.Add(Lower(resource), std::string(resource) + ": " + what + " as stored (green is the mask)",
             gallery::Image::FromBitmap(strip), kEnlarge);
    ::DeleteObject(strip);

    HIMAGELIST list = ImageList_LoadImageA(g_hVeluInstance, resource, cx, 1, kGlyphMask, IMAGE_BITMAP, 0);
    if (!list)
    {
        page.Note(std::string(resource) + ": the image list could not be made");
        return;
    }
    const int pitch = cx + 6;
    gallery::Canvas canvas(pitch * count + 6, cx + 6, kBarBackground);
    for (int i = 0; i < count; ++i)
        ImageList_Draw(list, i, canvas.dc(), 6 + i * pitch, 3, ILD_TRANSPARENT);
    ImageList_Destroy(list);
    page.Add(Lower(resource) + "-masked", std::string(resource) + ": images 0.." + std::to_string(count - 1) +
             " drawn through an image list on the bar background", canvas.Snapshot(), kEnlarge);
}

void AddFocusPattern(gallery::PageWriter& page)
{
    HBITMAP pattern = ::LoadBitmapA(g_hVeluInstance, VELU_BMP_FOCUS);
    page.Add("idb_velufocusrc", "IDB_VELUFOCUSRC: 8 x 8 checkerboard, black where x + y is even",
             gallery::Image::FromBitmap(pattern), 8);
    ::DeleteObject(pattern);

    // A focus rectangle as the buttons draw it with the shared brush.
    gallery::Canvas canvas(64, 24, RGB(255, 255, 255));
    if (g_hBrushFocus)
    {
        HGDIOBJ old = ::SelectObject(canvas.dc(), g_hBrushFocus);
        ::PatBlt(canvas.dc(), 2, 2, 60, 1, PATCOPY);
        ::PatBlt(canvas.dc(), 2, 21, 60, 1, PATCOPY);
        ::PatBlt(canvas.dc(), 2, 2, 1, 20, PATCOPY);
        ::PatBlt(canvas.dc(), 61, 2, 1, 20, PATCOPY);
        ::SelectObject(canvas.dc(), old);
    }
    page.Add("focus-rect", "a focus rectangle painted with the shared focus brush", canvas.Snapshot(), kEnlarge);
}

void AddCursor(gallery::PageWriter& page, const char* resource, const char* what)
{
    HCURSOR cursor = ::LoadCursorA(g_hVeluInstance, resource);
    gallery::Canvas canvas(80, 40, RGB(255, 255, 255));
    RECT dark = {40, 0, 80, 40};
    HBRUSH grey = ::CreateSolidBrush(RGB(96, 104, 120));
    ::FillRect(canvas.dc(), &dark, grey);
    ::DeleteObject(grey);
    if (cursor)
    {
        ::DrawIconEx(canvas.dc(), 4, 4, cursor, 32, 32, 0, NULL, DI_NORMAL);
        ::DrawIconEx(canvas.dc(), 44, 4, cursor, 32, 32, 0, NULL, DI_NORMAL);
    }
    page.Add(Lower(resource), std::string(resource) + ": " + what + (cursor ? "" : " (missing)"),
             canvas.Snapshot(), kEnlarge);
}

void RenderFramePage(gallery::PageWriter& page)
{
    page.Heading("Skins (XZP resources, inflated through LoadBinaryResourceName and VELULoadMemBmp)");
    for (const SkinEntry& skin : kSkins)
        AddSkin(page, skin);

    page.Heading("Glyph strips");
    AddStrip(page, VELU_BMP_CTRLBAR, kCtrlBarGlyphSize, kCtrlBarGlyphCount,
             "close, pin, chevron, up, left, down, right, check");
    AddStrip(page, VELU_BMP_BTNLSITM, kButtonListGlyphSize, kButtonListGlyphCount,
             "folder, document, mail, calendar, contacts, note, chart, gear");

    page.Heading("Focus pattern");
    AddFocusPattern(page);

    page.Heading("Cursors (on white and on grey)");
    AddCursor(page, VELU_CUR_HAND, "hand");
    AddCursor(page, VELU_CUR_HSPLIT, "horizontal split bar");
    AddCursor(page, VELU_CUR_VSPLIT, "vertical split bar");
}

}  // namespace

GALLERY_PAGE("frame", "Library frame: skins, glyphs, focus pattern, cursors", 10, RenderFramePage);
