// page_balloons.cpp - gallery page of the balloon tips: every tail direction, with and without tail, plain and skinned.
#include "gallery.h"

#include "tips/VeluTips.h"

namespace {

const CPoint kAnchor(300, 240);
const COLORREF kBackdrop = RGB(255, 255, 255);
const COLORREF kPlainFill = RGB(255, 255, 225);
const COLORREF kPlainFrame = RGB(90, 90, 120);
const COLORREF kText = RGB(0, 0, 0);
const int kTail = 16;
const int kEnlarge = 2;

const char* const kDirectionNames[] = {"tail at the top left", "tail at the top right",
                                       "tail at the bottom right", "tail at the bottom left"};

// The tip paints only its balloon and shadow; the rest of its window shows
// the backdrop laid down first, as the desktop would show through.
gallery::Image Shoot(CWnd& tip)
{
    {
        HDC dc = ::GetDC(tip.m_hWnd);
        HBRUSH brush = ::CreateSolidBrush(kBackdrop);
        RECT rc;
        ::GetClientRect(tip.m_hWnd, &rc);
        ::FillRect(dc, &rc, brush);
        ::DeleteObject(brush);
        ::ReleaseDC(tip.m_hWnd, dc);
    }
    tip.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    return gallery::Image::FromWindow(tip.m_hWnd);
}

// The show delay is cut short: its timer message is delivered at once.
void Present(CWnd& tip)
{
    tip.SendMessage(WM_TIMER, kBaseTipDelayTimerId, 0);
    gallery::Pump(30);
}

void AddPlain(gallery::PageWriter& page, const std::string& name, const std::string& caption,
              const char* text, int tail, int direction)
{
    CBalloonTip tip;
    if (!tip.Create())
        return;
    tip.ShowMe(kAnchor.x, kAnchor.y, text, tail, direction, kPlainFill, kPlainFrame, kText, 5000);
    Present(tip);
    page.Add(name, caption, Shoot(tip), kEnlarge);
    tip.HideMe();
}

void AddSkinned(gallery::PageWriter& page, const std::string& name, const std::string& caption,
                const char* text, int tail, int direction, HBITMAP bitmap)
{
    CBitmapBalloonTip tip;
    if (!tip.Create())
        return;
    tip.ShowMe(kAnchor.x, kAnchor.y, text, tail, direction, bitmap, kText, 5000);
    Present(tip);
    page.Add(name, caption, Shoot(tip), kEnlarge);
    tip.HideMe();
}

void RenderBalloonsPage(gallery::PageWriter& page)
{
    page.Heading("Plain balloons");
    page.Note("Filled and framed with the colours given, a grey shadow 3 pixels down and right; "
              "the tail's tip is the anchor point.");
    for (int direction = 0; direction < 4; ++direction)
        AddPlain(page, "plain-dir" + std::to_string(direction),
                 std::string("Direction ") + std::to_string(direction) + ": " + kDirectionNames[direction],
                 "Your changes were saved.", kTail, direction);
    AddPlain(page, "plain-no-tail", "Tail length 0: no tail, the box fills the height",
             "Your changes were saved.", 0, 0);
    AddPlain(page, "plain-multi-line", "Multi-line text, lines left-aligned in a centred block",
             "Three files were copied.\nOne was skipped:\nit already exists.", kTail, 0);

    page.Heading("Skinned balloons");
    page.Note("Painted with the balloon tip skin; fill and frame colours sampled from the skin.");
    for (int direction = 0; direction < 4; ++direction)
        AddSkinned(page, "skinned-dir" + std::to_string(direction),
                   std::string("Direction ") + std::to_string(direction) + ": " + kDirectionNames[direction],
                   "New messages have arrived.", kTail, direction, NULL);
    AddSkinned(page, "skinned-no-tail", "Skinned, no tail", "New messages have arrived.", 0, 2, NULL);
    AddSkinned(page, "skinned-multi-line", "Skinned, multi-line",
               "Synchronisation finished.\n12 items updated,\n2 conflicts to review.", kTail, 3, NULL);

    HBITMAP fourBit = ::CreateBitmap(48, 36, 1, 4, NULL);
    AddSkinned(page, "skinned-4bit", "Given a 4-bit bitmap: info-tip background, black frame, no skin",
               "Low colour bitmap given.", kTail, 0, fourBit);
    ::DeleteObject(fourBit);
}

}  // namespace

GALLERY_PAGE("balloons", "Balloon tips", 52, RenderBalloonsPage);
