// page_buttons.cpp - gallery page of the push button, check box and help button in each of their looks.
#include "gallery.h"

#include "buttons/VeluButtons.h"

#include <functional>

namespace {

const int kStageWidth = 200;
const int kStageHeight = 48;
const CRect kButtonRect(20, 10, 140, 38);
const CRect kCheckRect(20, 14, 180, 34);
const UINT kControlId = 100;
const int kEnlarge = 2;

// A 16x16 icon: a blue disc with a white dot, on a transparent ground.
class DemoIcon
{
public:
    DemoIcon()
    {
        BYTE maskBits[16 * 2];
        HDC screen = ::GetDC(NULL);
        HBITMAP colour = ::CreateCompatibleBitmap(screen, 16, 16);
        ::ReleaseDC(NULL, screen);
        HDC dc = ::CreateCompatibleDC(NULL);
        HGDIOBJ oldBitmap = ::SelectObject(dc, colour);
        for (int y = 0; y < 16; ++y)
        {
            WORD row = 0;
            for (int x = 0; x < 16; ++x)
            {
                const int dx = 2 * x - 15, dy = 2 * y - 15;
                const int d = dx * dx + dy * dy;
                COLORREF c = RGB(0, 0, 0);
                if (d > 225)
                    row |= (WORD)(0x8000 >> x);   // outside the disc: screen shows through
                else
                    c = d < 20 ? RGB(255, 255, 255) : RGB(30, 90, 200);
                ::SetPixel(dc, x, y, c);
            }
            maskBits[2 * y] = HIBYTE(row);
            maskBits[2 * y + 1] = LOBYTE(row);
        }
        ::SelectObject(dc, oldBitmap);
        ::DeleteDC(dc);
        HBITMAP mask = ::CreateBitmap(16, 16, 1, 1, maskBits);
        ICONINFO info = {TRUE, 0, 0, mask, colour};
        m_icon = ::CreateIconIndirect(&info);
        ::DeleteObject(mask);
        ::DeleteObject(colour);
    }
    ~DemoIcon() { ::DestroyIcon(m_icon); }
    DemoIcon(const DemoIcon&) = delete;
    DemoIcon& operator=(const DemoIcon&) = delete;
    HICON get() const { return m_icon; }

private:
    HICON m_icon;
};

// The stage with the steps that bring a control into its state by real input.
class Stage : public gallery::Stage
{
public:
    Stage() : gallery::Stage(kStageWidth, kStageHeight) {}

    void Press() { gallery::SendMouse(MOUSEEVENTF_LEFTDOWN); gallery::Pump(150); }
    void Release() { gallery::SendMouse(MOUSEEVENTF_LEFTUP); gallery::Pump(150); }

    void Focus(CWnd& control)
    {
        ::SetForegroundWindow(m_wnd.m_hWnd);
        control.SetFocus();
        gallery::Pump(100);
    }
};

// How a picture's control is brought into its state.
enum Action { kNone, kHover, kPress, kFocus, kDisable };

void Drive(Stage& stage, CWnd& control, const CRect& rect, Action action)
{
    switch (action)
    {
    case kHover:
        stage.RestCursorAt(rect.CenterPoint());
        break;
    case kPress:
        stage.RestCursorAt(rect.CenterPoint());
        stage.Press();
        break;
    case kFocus:
        stage.Focus(control);
        break;
    case kDisable:
        control.EnableWindow(FALSE);
        gallery::Pump(50);
        break;
    case kNone:
        break;
    }
}

void Finish(Stage& stage, Action action)
{
    if (action == kPress)
        stage.Release();
    gallery::ParkCursor(150);
}

struct PushCase
{
    const char* name;
    const char* caption;
    const char* text;
    DWORD style;
    int shape;
    bool icon;
    bool focusFrame;
    Action action;
};

const PushCase kPushCases[] = {
    {"push-normal", "Normal", "Continue", 0, kButtonShapeStandard, false, false, kNone},
    {"push-default", "Default push button, not focused", "OK", BS_DEFPUSHBUTTON, kButtonShapeStandard, false, false, kNone},
    {"push-hot", "Hot: the mouse rests over it", "Continue", 0, kButtonShapeStandard, false, false, kHover},
    {"push-pressed", "Pressed: held down", "Continue", 0, kButtonShapeStandard, false, false, kPress},
    {"push-disabled", "Disabled: gray caption", "Continue", 0, kButtonShapeStandard, false, false, kDisable},
    {"push-focused", "Focused, with the focus rectangle", "Continue", 0, kButtonShapeStandard, false, true, kFocus},
    {"push-flat", "Flat, mouse elsewhere: no skin", "Flat", 0, kButtonShapeFlat, false, false, kNone},
    {"push-flat-hot", "Flat, mouse resting over it", "Flat", 0, kButtonShapeFlat, false, false, kHover},
    {"push-icon", "Icon and caption, centred together", "Save", 0, kButtonShapeStandard, true, false, kNone},
    {"push-icon-only", "Icon only", "", 0, kButtonShapeStandard, true, false, kNone},
};

void AddPushButton(gallery::PageWriter& page, const PushCase& c, HICON icon)
{
    Stage stage;
    CCoolButton button;
    button.SetButtonShape(c.shape);
    button.SetDrawFocusedRect(c.focusFrame);
    if (c.icon)
        button.SetIcons(icon, icon);
    if (!button.Create(c.text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | c.style, kButtonRect, &stage.wnd(), kControlId))
    {
        page.Note(std::string(c.name) + ": the button could not be created");
        return;
    }
    button.SendMessage(WM_SETFONT, (WPARAM)::GetStockObject(DEFAULT_GUI_FONT), FALSE);
    Drive(stage, button, kButtonRect, c.action);
    page.Add(c.name, c.caption, stage.Shoot(), kEnlarge);
    Finish(stage, c.action);
}

struct CheckCase
{
    const char* name;
    const char* caption;
    int check;
    Action action;
};

const CheckCase kCheckCases[] = {
    {"check-unchecked", "Unchecked", 0, kNone},
    {"check-checked", "Checked", 1, kNone},
    {"check-hot", "Hot: caption in the accent colour", 1, kHover},
    {"check-disabled", "Disabled", 1, kDisable},
    {"check-focused", "Focused: the focus frame around the caption", 0, kFocus},
};

void AddCheckBox(gallery::PageWriter& page, const CheckCase& c)
{
    Stage stage;
    CCoolCheckBox box;
    if (!box.Create("Remember me", WS_CHILD | WS_VISIBLE | WS_TABSTOP, kCheckRect, &stage.wnd(), kControlId))
    {
        page.Note(std::string(c.name) + ": the check box could not be created");
        return;
    }
    box.SetCheck(c.check, TRUE, FALSE);
    Drive(stage, box, kCheckRect, c.action);
    page.Add(c.name, c.caption, stage.Shoot(), kEnlarge);
    Finish(stage, c.action);
}

struct HelpCase
{
    const char* name;
    const char* caption;
    Action action;
    int fit;   // 0: as created, 1: fitted keeping the left edge, 2: keeping the right edge
};

const HelpCase kHelpCases[] = {
    {"help-normal", "Normal link", kNone, 0},
    {"help-hot", "Hot link, hand cursor", kHover, 0},
    {"help-disabled", "Disabled link", kDisable, 0},
    {"help-fit-left", "Fitted to its caption, left edge kept", kNone, 1},
    {"help-fit-right", "Fitted to its caption, right edge kept", kNone, 2},
};

void AddHelpButton(gallery::PageWriter& page, const HelpCase& c)
{
    Stage stage;
    CCoolHelpButton button;
    if (!button.Create("What is this?", WS_CHILD | WS_VISIBLE | WS_TABSTOP, kButtonRect, &stage.wnd(), kControlId))
    {
        page.Note(std::string(c.name) + ": the help button could not be created");
        return;
    }
    button.SendMessage(WM_SETFONT, (WPARAM)::GetStockObject(DEFAULT_GUI_FONT), FALSE);
    // The fitted width shows against a marker of the original rectangle.
    if (c.fit != 0)
    {
        CClientDC dc(&stage.wnd());
        dc.FrameRect(&kButtonRect, CBrush::FromHandle((HBRUSH)::GetStockObject(GRAY_BRUSH)));
        if (c.fit == 1)
            button.LeftAndFitText();
        else
            button.RightAndFitText();
    }
    Drive(stage, button, kButtonRect, c.action);
    ::RedrawWindow(button.m_hWnd, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    gallery::Pump(50);
    if (c.fit != 0)
    {
        CClientDC dc(&stage.wnd());
        dc.FrameRect(&kButtonRect, CBrush::FromHandle((HBRUSH)::GetStockObject(GRAY_BRUSH)));
    }
    page.Add(c.name, c.caption, gallery::Image::FromWindow(stage.wnd().m_hWnd), kEnlarge);
    Finish(stage, c.action);
}

void RenderButtonsPage(gallery::PageWriter& page)
{
    gallery::ParkCursor(150);
    DemoIcon icon;
    page.Heading("Skinned push button");
    for (const PushCase& c : kPushCases)
        AddPushButton(page, c, icon.get());
    page.Heading("Check box");
    for (const CheckCase& c : kCheckCases)
        AddCheckBox(page, c);
    page.Heading("Help button");
    for (const HelpCase& c : kHelpCases)
        AddHelpButton(page, c);
}

}  // namespace

GALLERY_PAGE("buttons", "Buttons", 30, RenderButtonsPage);
