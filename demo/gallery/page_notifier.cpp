// page_notifier.cpp - gallery page of the task-bar notifier beside a task bar on each side of the screen.
#include "gallery.h"

#include "tips/VeluTips.h"

namespace {

const int kTaskBarThickness = 30;
const int kMapScale = 4;                        // the screen map is drawn at a quarter size
const COLORREF kDesktop = RGB(58, 110, 165);
const COLORREF kTaskBar = RGB(60, 60, 70);
const int kWidth = 220;
const int kHeight = 110;
const int kMidSlideTicks = 3;                   // 30 % of the height plus three steps
const int kFullTicks = 8;                       // enough steps for the whole height

struct Side
{
    int side;
    const char* name;
    const char* title;
};

const Side kSides[] = {
    {kTaskBarBottom, "bottom", "Task bar at the bottom: bottom-right corner, growing up"},
    {kTaskBarTop, "top", "Task bar at the top: hanging from the top right, growing down"},
    {kTaskBarLeft, "left", "Task bar on the left: bottom-left corner"},
    {kTaskBarRight, "right", "Task bar on the right (or none): bottom-right corner"},
};

// Gives the work area up to a band along one edge of the screen, as a task bar would.
CRect WorkAreaFor(int side, const CRect& screen)
{
    CRect work = screen;
    switch (side)
    {
    case kTaskBarBottom: work.bottom -= kTaskBarThickness; break;
    case kTaskBarTop: work.top += kTaskBarThickness; break;
    case kTaskBarLeft: work.left += kTaskBarThickness; break;
    default: work.right -= kTaskBarThickness; break;
    }
    return work;
}

// The screen at a quarter size: desktop, task bar band and the notifier where it stands.
gallery::Image ScreenMap(const CRect& screen, const CRect& work, const CRect& popRect,
                         const gallery::Image& pop)
{
    gallery::Image map(screen.Width() / kMapScale, screen.Height() / kMapScale, kDesktop);
    for (int y = 0; y < map.height(); ++y)
        for (int x = 0; x < map.width(); ++x)
        {
            const CPoint at(x * kMapScale, y * kMapScale);
            if (!work.PtInRect(at))
                map.Set(x, y, kTaskBar);
            else if (popRect.PtInRect(at))
                map.Set(x, y, pop.At(at.x - popRect.left, at.y - popRect.top));
        }
    return map;
}

void Tick(CWnd& pop, int times)
{
    for (int i = 0; i < times; ++i)
        pop.SendMessage(WM_TIMER, kTaskBarPopShowTimerId, 0);
    pop.UpdateWindow();
}

void AddSide(gallery::PageWriter& page, const Side& side, const CRect& screen)
{
    CRect work = WorkAreaFor(side.side, screen);
    ::SystemParametersInfoA(SPI_SETWORKAREA, 0, &work, 0);
    CTaskBarPopWnd pop;
    if (!pop.Create())
        return;
    pop.SetWindowText("You have 3 new messages from the build server. The nightly release is ready.");

    // Timer messages are delivered one by one, so no real tick moves it between pictures.
    pop.ShowMe(kWidth, kHeight, 60000);
    Tick(pop, kMidSlideTicks);
    CRect rc;
    pop.GetWindowRect(&rc);
    const gallery::Image mid = gallery::Image::FromWindow(pop.m_hWnd);
    page.Add(std::string(side.name) + "-sliding", std::string(side.title) + ", mid-slide",
             ScreenMap(screen, work, rc, mid));

    Tick(pop, kFullTicks);
    CRect close;
    pop.GetCloseButtonRect(&close);
    pop.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(close.CenterPoint().x, close.CenterPoint().y));
    pop.UpdateWindow();
    pop.GetWindowRect(&rc);
    const gallery::Image full = gallery::Image::FromWindow(pop.m_hWnd);
    page.Add(std::string(side.name) + "-map", std::string(side.title) + ", fully shown",
             ScreenMap(screen, work, rc, full));
    page.Add(std::string(side.name) + "-shown", "Fully shown, the cursor on the close button", full, 2);
    pop.DestroyWindow();
}

void RenderNotifierPage(gallery::PageWriter& page)
{
    RECT saved;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &saved, 0);
    const CRect screen(0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
    page.Note("No task bar is shown here: each side is set up by giving the work area up to a "
              "30-pixel band, drawn dark on the quarter-size screen maps.");
    for (const Side& side : kSides)
    {
        page.Heading(side.title);
        AddSide(page, side, screen);
    }
    ::SystemParametersInfoA(SPI_SETWORKAREA, 0, &saved, 0);
}

}  // namespace

GALLERY_PAGE("notifier", "Task-bar notifier", 54, RenderNotifierPage);
