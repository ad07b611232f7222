// page_listbar.cpp - gallery page of the button list bar: both orientations, each display mode, hot, pressed, scrolled and tipped.
#include "gallery.h"

#include "listbar/VeluListBar.h"

#include <string>

namespace {

const CSize kVerticalStage(110, 250);
const CSize kHorizontalStage(380, 86);
const UINT kBarId = 100;
const int kEnlarge = 2;
const int kPerGroup = 6;
const int kTipMargin = 4;   // room around the stage for a tip that pokes out

// How a picture's bar is brought into its state, all by real input.
enum Action
{
    kNone,
    kHoverButton,     // rest on the second button
    kPressButton,     // hold the left button down on it
    kSelectGroup,     // click the second group's button
    kHoverGroup,      // rest on the third group's button
    kScroll,          // two clicks on the trailing arrow, one on the leading, then rest on a button
    kHoverArrow,      // rest on the trailing arrow
    kShowTip,         // rest on a button until its tip shows
};

struct BarCase
{
    const char* name;
    const char* caption;
    int orientation;
    int mode;
    Action action;
};

const BarCase kCases[] = {
    {"vertical-both", "Column, image and text; the last button is cut above the trailing arrow",
     kListVertical, kListImageAndText, kNone},
    {"vertical-image", "Column, image only", kListVertical, kListImageOnly, kNone},
    {"vertical-text", "Column, text only", kListVertical, kListTextOnly, kNone},
    {"vertical-hot", "Hot button: raised frame", kListVertical, kListImageAndText, kHoverButton},
    {"vertical-pressed", "Pressed button: sunken frame", kListVertical, kListImageAndText, kPressButton},
    {"vertical-group", "Second group selected: bold name, its own buttons", kListVertical, kListImageAndText, kSelectGroup},
    {"vertical-scrolled", "Scrolled with both arrows: leading and trailing arrows shown", kListVertical,
     kListImageAndText, kScroll},
    {"vertical-hot-arrow", "Hot trailing arrow: raised band", kListVertical, kListImageAndText, kHoverArrow},
    {"vertical-tip", "Tip of the button under the mouse", kListVertical, kListImageAndText, kShowTip},
    {"horizontal-both", "Row, image and text", kListHorizontal, kListImageAndText, kNone},
    {"horizontal-image", "Row, image only", kListHorizontal, kListImageOnly, kNone},
    {"horizontal-text", "Row, text only", kListHorizontal, kListTextOnly, kNone},
    {"horizontal-hot", "Row, hot button", kListHorizontal, kListImageAndText, kHoverButton},
    {"horizontal-hot-group", "Row, hot group button: name in the text colour", kListHorizontal,
     kListImageAndText, kHoverGroup},
    {"horizontal-scrolled", "Row scrolled with both arrows", kListHorizontal, kListImageAndText, kScroll},
};

// The stage, with the real cursor moved onto points of the bar.
class Stage : public gallery::Stage
{
public:
    explicit Stage(CSize size) : gallery::Stage(size.cx, size.cy) {}

    void RestAt(CWnd& bar, CPoint barClient, DWORD ms = 200) { RestCursorAt(barClient, ms, &bar); }
    void ClickAt(CWnd& bar, CPoint barClient)
    {
        RestAt(bar, barClient, 50);
        gallery::SendMouse(MOUSEEVENTF_LEFTDOWN);
        gallery::Pump(50);
        gallery::SendMouse(MOUSEEVENTF_LEFTUP);
        gallery::Pump(100);
    }
    gallery::Image Shoot() { return gallery::Stage::Shoot(RDW_UPDATENOW | RDW_ALLCHILDREN, 30); }
};

CPoint Centre(const RECT& rc)
{
    return CPoint((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
}

// The middle of an arrow band, found from the bar's own geometry.
CPoint ArrowPoint(CButtonListBar& bar, int orientation, int arrow)
{
    RECT groups, client;
    bar.GetGroupsRect(&groups);
    bar.GetClientRect(&client);
    const int half = kListArrowBand / 2;
    if (orientation != kListHorizontal)
        return CPoint(client.right / 2, arrow == kListLeadingArrow ? groups.bottom + half : client.bottom - half);
    return CPoint(arrow == kListLeadingArrow ? groups.right + half : client.right - half, client.bottom / 2);
}

void Fill(CButtonListBar& bar)
{
    static const char* const kGroups[] = {"Mail", "Notes", "Tasks"};
    static const char* const kCaptions[] = {"Inbox", "Drafts", "Sent", "Archive", "Outbox", "Junk"};
    for (int g = 0; g < 3; ++g)
    {
        for (int i = 0; i < kPerGroup; ++i)
        {
            const std::string caption = g == 0 ? kCaptions[i] : std::string(kGroups[g]) + " " + std::to_string(i + 1);
            bar.AddButton(kGroups[g], (g * kPerGroup + i) % kButtonListGlyphCount, caption.c_str(), NULL, 0);
        }
    }
}

// Brings the bar into the case's state; a press stays held until the picture is taken.
void Drive(Stage& stage, CButtonListBar& bar, const BarCase& c)
{
    RECT rc;
    switch (c.action)
    {
    case kHoverButton:
    case kPressButton:
    case kShowTip:
        bar.GetItemRect(1, &rc);
        stage.RestAt(bar, Centre(rc), c.action == kShowTip ? 1200 : 200);
        if (c.action == kPressButton)
        {
            gallery::SendMouse(MOUSEEVENTF_LEFTDOWN);
            gallery::Pump(100);
        }
        break;
    case kSelectGroup:
        bar.GetGroupButtonRect(1, &rc);
        stage.ClickAt(bar, Centre(rc));
        gallery::ParkCursor(100);
        break;
    case kHoverGroup:
        bar.GetGroupButtonRect(2, &rc);
        stage.RestAt(bar, Centre(rc));
        break;
    case kScroll:
        stage.ClickAt(bar, ArrowPoint(bar, c.orientation, kListTrailingArrow));
        stage.ClickAt(bar, ArrowPoint(bar, c.orientation, kListTrailingArrow));
        stage.ClickAt(bar, ArrowPoint(bar, c.orientation, kListLeadingArrow));
        gallery::ParkCursor(100);
        break;
    case kHoverArrow:
        stage.RestAt(bar, ArrowPoint(bar, c.orientation, kListTrailingArrow));
        break;
    case kNone:
        break;
    }
}

// The stage's picture with the visible tip laid over it where it stands on screen.
gallery::Image WithTip(Stage& stage, const gallery::Image& shot)
{
    CToolTipCtrl* pTip = AfxGetThreadState()->m_pToolTip;
    if (pTip == NULL || !pTip->IsWindowVisible())
        return shot;
    const gallery::Image tip = gallery::Image::FromWindow(pTip->m_hWnd);
    CRect rcTip, rcStage;
    pTip->GetWindowRect(&rcTip);
    stage.wnd().GetWindowRect(&rcStage);
    CRect all = rcStage;
    all.UnionRect(&all, &rcTip);
    all.InflateRect(kTipMargin, kTipMargin);
    gallery::Image result(all.Width(), all.Height(), ::GetSysColor(COLOR_BTNFACE));
    auto paste = [&](const gallery::Image& from, CPoint at) {
        for (int y = 0; y < from.height(); ++y)
            for (int x = 0; x < from.width(); ++x)
                result.Set(at.x + x, at.y + y, from.At(x, y));
    };
    paste(shot, rcStage.TopLeft() - all.TopLeft());
    paste(tip, rcTip.TopLeft() - all.TopLeft());
    return result;
}

void AddBar(gallery::PageWriter& page, const BarCase& c)
{
    const bool vertical = c.orientation != kListHorizontal;
    Stage stage(vertical ? kVerticalStage : kHorizontalStage);
    CButtonListBar bar;
    bar.SetVirticalOrHorizontal(c.orientation, FALSE);
    bar.SetImageOrTextOrBoth(c.mode, FALSE);
    CRect rc;
    stage.wnd().GetClientRect(&rc);
    if (!bar.Create(WS_CHILD | WS_VISIBLE, rc, &stage.wnd(), kBarId))
    {
        page.Note(std::string(c.name) + ": the bar could not be created");
        return;
    }
    Fill(bar);
    bar.EnableToolTips(c.action == kShowTip);
    stage.Shoot();   // the first painting finds the button at the far edge
    Drive(stage, bar, c);
    gallery::Image shot = stage.Shoot();
    if (c.action == kShowTip)
        shot = WithTip(stage, shot);
    page.Add(c.name, c.caption, shot, kEnlarge);
    if (c.action == kPressButton)
    {
        gallery::SendMouse(MOUSEEVENTF_LEFTUP);
        gallery::Pump(50);
    }
    bar.EnableToolTips(FALSE);
    gallery::ParkCursor(100);
}

void RenderListBarPage(gallery::PageWriter& page)
{
    gallery::ParkCursor(100);
    int heading = -1;
    for (const BarCase& c : kCases)
    {
        if (c.orientation != heading)
            page.Heading(c.orientation != kListHorizontal ? "Vertical button list bar" : "Horizontal button list bar");
        heading = c.orientation;
        AddBar(page, c);
    }
}

}  // namespace

GALLERY_PAGE("listbar", "Button list bar", 80, RenderListBarPage);
