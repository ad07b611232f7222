// gallery.cpp - the gallery: renders every registered page to PNG with an index.html contact sheet.
// Its application object is the demo application's (demo/app), whose frame some pages picture.
#include "gallery.h"

#include "VeluCtrl.h"

#include <commctrl.h>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

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

// The subsystem a page belongs to: the tens of its order number.
std::string SubsystemOf(const gallery::Page& page)
{
    static const char* const kSubsystems[] = {
        "The demo application",
        "1. Library frame and shared resources",
        "2. Skin painting",
        "3. Buttons",
        "4. Edit and display controls",
        "5. Tips and pop-ups",
        "6. Dialog and split panes",
        "7. Bars",
        "8. Button list bar",
    };
    const int index = page.order / 10;
    return index >= 0 && index < int(sizeof(kSubsystems) / sizeof(kSubsystems[0])) ? kSubsystems[index] : "Other";
}

// The contents: each subsystem with links to its pages.
void WriteContents(FILE* html, const std::vector<gallery::Page>& pages)
{
    std::fputs("<nav><ul>\n", html);
    std::string current;
    for (const gallery::Page& page : pages)
    {
        const std::string subsystem = SubsystemOf(page);
        if (subsystem != current)
        {
            if (!current.empty())
                std::fputs("</ul></li>\n", html);
            std::fprintf(html, "<li>%s<ul>\n", HtmlEscape(subsystem).c_str());
            current = subsystem;
        }
        std::fprintf(html, "<li><a href=\"#%s\">%s</a></li>\n", page.id.c_str(), HtmlEscape(page.title).c_str());
    }
    if (!current.empty())
        std::fputs("</ul></li>\n", html);
    std::fputs("</ul></nav>\n", html);
}

void WritePageHtml(FILE* html, const gallery::Page& page, const gallery::PageWriter& writer)
{
    std::fprintf(html, "<section id=\"%s\"><h3>%s</h3>\n", page.id.c_str(), HtmlEscape(page.title).c_str());
    bool open = false;
    for (const gallery::PageWriter::Entry& entry : writer.entries())
    {
        if (!entry.heading.empty() || entry.file.empty())
        {
            if (open)
                std::fputs("</div>\n", html);
            open = false;
            if (!entry.heading.empty())
                std::fprintf(html, "<h4>%s</h4>\n", HtmlEscape(entry.heading).c_str());
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
    std::vector<gallery::Page> pages;
    for (const gallery::Page& page : gallery::RegisteredPages())
        if (pageFilter.empty() || page.id == pageFilter)
            pages.push_back(page);
    WriteContents(html, pages);

    int failures = 0;
    std::string subsystem;
    for (const gallery::Page& page : pages)
    {
        if (SubsystemOf(page) != subsystem)
        {
            subsystem = SubsystemOf(page);
            std::fprintf(html, "<h2>%s</h2>\n", HtmlEscape(subsystem).c_str());
        }
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
            outDir.clear(), i = argc;
    }
    if (outDir.empty())
    {
        std::fprintf(stderr, "usage: gallery --out DIR [--page ID]\n");
        return 2;
    }
    ::CreateDirectoryA(outDir.c_str(), NULL);
    return RenderGallery(outDir, page);
}
