// gallery.cpp - the gallery application: renders every registered page to PNG with an index.html
// contact sheet (--out DIR), or shows the library's skins in a window when started without arguments.
#include "gallery.h"

#include "VeluCtrl.h"

#include <commctrl.h>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

class CGalleryApp : public CWinApp
{
public:
    CGalleryApp() : CWinApp(_T("VeluCtrl gallery")) {}
};

CGalleryApp theApp;

std::string HtmlEscape(const std::string& text)
{
    std::string out;
    for (char c : text)
    {
        switch (c)
        {
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '&': out += "&amp;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

void WritePageHtml(FILE* html, const gallery::Page& page, const gallery::PageWriter& writer)
{
    std::fprintf(html, "<section id=\"%s\"><h2>%s</h2>\n", page.id.c_str(), HtmlEscape(page.title).c_str());
    bool open = false;
    for (const gallery::PageWriter::Entry& entry : writer.entries())
    {
        if (!entry.heading.empty() || entry.file.empty())
        {
            if (open)
                std::fputs("</div>\n", html);
            open = false;
            if (!entry.heading.empty())
                std::fprintf(html, "<h3>%s</h3>\n", HtmlEscape(entry.heading).c_str());
            else
                std::fprintf(html, "<p>%s</p>\n", HtmlEscape(entry.caption).c_str());
            continue;
        }
        if (!open)
            std::fputs("<div class=\"sheet\">\n", html);
        open = true;
        const std::string caption = HtmlEscape(entry.caption);
        std::fprintf(html, "<figure><div class=\"pair\"><img src=\"%s\" alt=\"%s\">", entry.file.c_str(), caption.c_str());
        if (!entry.enlarged.empty())
            std::fprintf(html, "<img src=\"%s\" alt=\"%s, enlarged\">", entry.enlarged.c_str(), caption.c_str());
        std::fprintf(html, "</div><figcaption>%s</figcaption></figure>\n", caption.c_str());
    }
    if (open)
        std::fputs("</div>\n", html);
    std::fputs("</section>\n", html);
}

// Renders the chosen pages (all when pageFilter is empty); returns the exit code.
int RenderGallery(const std::string& outDir, const std::string& pageFilter)
{
    const std::string indexPath = outDir + "/index.html";
    FILE* html = std::fopen(indexPath.c_str(), "w");
    if (!html)
    {
        std::fprintf(stderr, "gallery: cannot write %s\n", indexPath.c_str());
        return 1;
    }
    std::fputs("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>VeluCtrl gallery</title>\n"
               "<style>body{font-family:sans-serif;background:#f4f6fa;margin:24px}"
               ".sheet{display:flex;flex-wrap:wrap;gap:16px;align-items:flex-end}"
               "figure{margin:0;padding:8px;background:#fff;border:1px solid #d8dce6}"
               "figcaption{font-size:12px;color:#445;margin-top:4px;max-width:420px}"
               "img{image-rendering:pixelated;display:block}.pair{display:flex;gap:12px;align-items:flex-end}</style></head><body>\n"
               "<h1>VeluCtrl gallery</h1>\n", html);
    int failures = 0;
    for (const gallery::Page& page : gallery::RegisteredPages())
    {
        if (!pageFilter.empty() && page.id != pageFilter)
            continue;
        gallery::PageWriter writer(outDir, page.id);
        page.render(writer);
        WritePageHtml(html, page, writer);
        failures += writer.failures();
        std::printf("gallery: page %s, %d pictures\n", page.id.c_str(), int(writer.entries().size()));
    }
    std::fputs("</body></html>\n", html);
    std::fclose(html);
    if (failures)
        std::fprintf(stderr, "gallery: %d pictures could not be written\n", failures);
    return failures ? 1 : 0;
}

// ---------------------------------------------------------------- interactive

// A plain window that shows the shared skins enlarged; later pages may grow
// it into the full demo frame.
class CSkinWindow : public CWnd
{
public:
    BOOL CreateShowcase()
    {
        LPCTSTR cls = AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW, ::LoadCursor(NULL, IDC_ARROW),
                                          reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
        return CreateEx(0, cls, _T("VeluCtrl gallery"), WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                        CW_USEDEFAULT, CW_USEDEFAULT, 640, 360, NULL, NULL);
    }

protected:
    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        const HBITMAP skins[] = {g_hSkinBtnDefault, g_hSkinBtnNormal, g_hSkinBtnDisabled,
                                 g_hSkinBtnHot, g_hSkinBtnDown, g_hSkinCheck};
        int x = 16;
        for (HBITMAP skin : skins)
        {
            BITMAP bm = {};
            if (!skin || !::GetObject(skin, sizeof(bm), &bm))
                continue;
            CDC mem;
            mem.CreateCompatibleDC(&dc);
            HGDIOBJ old = ::SelectObject(mem.GetSafeHdc(), skin);
            dc.StretchBlt(x, 16, bm.bmWidth * 2, bm.bmHeight * 2, &mem, 0, 0, bm.bmWidth, bm.bmHeight, SRCCOPY);
            ::SelectObject(mem.GetSafeHdc(), old);
            x += bm.bmWidth * 2 + 12;
        }
    }
    afx_msg void OnDestroy() { ::PostQuitMessage(0); }
    virtual void PostNcDestroy() { delete this; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSkinWindow, CWnd)
    ON_WM_PAINT()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

int RunInteractive()
{
    CSkinWindow* window = new CSkinWindow;
    if (!window->CreateShowcase())
    {
        delete window;
        return 1;
    }
    MSG msg;
    while (::GetMessage(&msg, NULL, 0, 0) > 0)
    {
        ::TranslateMessage(&msg);
        ::DispatchMessage(&msg);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    AfxWinInit(::GetModuleHandle(NULL), NULL, ::GetCommandLine(), SW_SHOWNORMAL);
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&icc);

    std::string outDir, page;
    for (int i = 1; i < argc; ++i)
    {
        if (std::strcmp(argv[i], "--out") == 0 && i + 1 < argc)
            outDir = argv[++i];
        else if (std::strcmp(argv[i], "--page") == 0 && i + 1 < argc)
            page = argv[++i];
        else
        {
            std::fprintf(stderr, "usage: gallery [--out DIR [--page ID]]\n");
            return 2;
        }
    }
    if (outDir.empty())
        return RunInteractive();
    ::CreateDirectoryA(outDir.c_str(), NULL);
    return RenderGallery(outDir, page);
}
