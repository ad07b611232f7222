// gallery.h - the gallery's page registry and the picture helpers its pages render with.
#ifndef DEMO_GALLERY_H
#define DEMO_GALLERY_H

#include <afxwin.h>

#include <functional>
#include <string>
#include <vector>

namespace gallery {

// An RGBA picture, top row first; what pages hand to PageWriter::Add.
class Image
{
public:
    Image() = default;
    Image(int width, int height, COLORREF fill = RGB(255, 255, 255));

    // Any bitmap not selected into a DC, read back through GetDIBits.
    static Image FromBitmap(HBITMAP bitmap);
    // A rectangle of a DC, copied into a 32-bpp DIB section.
    static Image FromDC(HDC dc, const RECT& rect);
    // The client area of a window, read from its DC (works for top-level
    // windows under Wine's headless driver).
    static Image FromWindow(HWND hwnd);

    int width() const { return m_width; }
    int height() const { return m_height; }
    bool empty() const { return m_pixels.empty(); }
    COLORREF At(int x, int y) const;
    void Set(int x, int y, COLORREF colour);

    // Each pixel becomes a factor x factor block (nearest neighbour).
    Image Scaled(int factor) const;
    bool SavePng(const std::string& path) const;

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<unsigned char> m_pixels;   // R, G, B, A
};

// A memory DC holding a 32-bpp DIB section, for painting off screen.
class Canvas
{
public:
    Canvas(int width, int height, COLORREF fill = RGB(255, 255, 255));
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return m_dc; }
    int width() const { return m_width; }
    int height() const { return m_height; }
    Image Snapshot() const;

private:
    int m_width;
    int m_height;
    HDC m_dc;
    HBITMAP m_bitmap;
    HGDIOBJ m_oldBitmap;
};

// Collects one page's pictures: writes each as PNG into the output folder
// and lists it, with its caption, for the contact sheet.
class PageWriter
{
public:
    struct Entry
    {
        std::string heading;    // set on section starts only
        std::string file;       // empty for a heading or a note
        std::string caption;
        std::string enlarged;   // the enlarged copy, if one was written
    };

    PageWriter(const std::string& outDir, const std::string& pageId);

    void Heading(const std::string& text);
    void Note(const std::string& text);
    // Writes <page>-<name>.png; with enlarge > 1 also <page>-<name>-x<enlarge>.png.
    void Add(const std::string& name, const std::string& caption, const Image& image, int enlarge = 1);

    const std::vector<Entry>& entries() const { return m_entries; }
    int failures() const { return m_failures; }

private:
    std::string m_outDir;
    std::string m_pageId;
    std::vector<Entry> m_entries;
    int m_failures = 0;
};

// Runs queued messages through the application's pre-translate walk, as its
// message loop would, until done() holds or ms pass; paints, hover and leave
// notifications and timers all arrive this way before a picture is taken.
void Pump(DWORD ms, const std::function<bool()>& done = nullptr);

// Real input for the pages: one mouse button event; the cursor parked in the
// screen's bottom-right corner, away from every stage, then ms of messages.
void SendMouse(DWORD flags);
void ParkCursor(DWORD ms = 100);

// A borderless top-level window of the dialog colour at (60, 60) holding the
// controls of one picture, so that their pixels can be read back; destroyed
// with the object. Pages derive their own input steps from it.
class Stage
{
public:
    Stage(int width, int height, bool activate = true);
    ~Stage();
    Stage(const Stage&) = delete;
    Stage& operator=(const Stage&) = delete;

    CWnd& wnd() { return m_wnd; }
    CPoint ToScreen(CPoint client) const { m_wnd.ClientToScreen(&client); return client; }
    // Moves the real cursor onto a client point of wnd (the stage if NULL) and lets it rest.
    void RestCursorAt(CPoint client, DWORD ms = 300, const CWnd* wnd = NULL);
    // Repaints the stage and its controls now (with the given redraw flags) and reads it back.
    Image Shoot(UINT redraw = RDW_UPDATENOW | RDW_ALLCHILDREN, DWORD ms = 50);

protected:
    CWnd m_wnd;
};

typedef void (*RenderPage)(PageWriter& page);

struct Page
{
    std::string id;
    std::string title;
    RenderPage render;
    int order;
};

// Adds a page to the gallery; a subsystem registers its page(s) from its own
// page_<subsystem>.cpp with GALLERY_PAGE. Pages appear by order, then id; the
// tens of the order pick the subsystem the contact sheet files the page under:
// 0 the demo application, 10 library frame, 20 skin painting, 30 buttons,
// 40 edit and display controls, 50 tips and pop-ups, 60 dialog and split
// panes, 70 bars, 80 button list bar.
class PageRegistrar
{
public:
    PageRegistrar(const char* id, const char* title, RenderPage render, int order);
};

std::vector<Page> RegisteredPages();

}  // namespace gallery

#define GALLERY_PAGE(id, title, order, render) \
    static ::gallery::PageRegistrar s_galleryPage_##render(id, title, render, order)

#endif  // DEMO_GALLERY_H
