// page_display.cpp - gallery page of the flat combo box, the label and the progress bar in their states.
#include "gallery.h"

#include "edits/VeluEdits.h"

#include <stdio.h>
#include <string.h>

namespace {

const UINT kControlId = 100;
const int kEnlarge = 2;

// The stage; pictures repaint everything, background included.
class Stage : public gallery::Stage
{
public:
    Stage(int width, int height) : gallery::Stage(width, height) {}

    void MoveCursorTo(CPoint client) { RestCursorAt(client, 100); }
    gallery::Image Shoot() { return gallery::Stage::Shoot(RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN); }
};

// ---------------------------------------------------------------- combo box

const CRect kComboRect(10, 10, 190, 150);
const int kComboStageHeight = 42;

enum ComboAction { kComboRest, kComboFocus, kComboHint, kComboHot, kComboPress, kComboReadOnly, kComboDisabled };

void AddCombo(gallery::PageWriter& page, const char* name, const char* caption, DWORD type, ComboAction action)
{
    Stage stage(200, kComboStageHeight);
    CCoolComboBox combo;
    if (!combo.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | type, kComboRect, &stage.wnd(), kControlId))
        return;
    combo.SetFont(CFont::FromHandle((HFONT)::GetStockObject(DEFAULT_GUI_FONT)));
    for (const char* item : {"Red", "Green", "Blue"})
        combo.AddString(item);
    if (action != kComboHint)
        combo.SetCurSel(1);
    combo.SetTipText("Pick a colour", ::GetSysColor(COLOR_GRAYTEXT));
    gallery::ParkCursor(50);

    CRect window;
    combo.GetWindowRect(&window);
    const CPoint button(kComboRect.left + window.Width() - 2 - ::GetSystemMetrics(SM_CXVSCROLL) / 2 - 1,
                        kComboRect.top + window.Height() / 2);
    switch (action)
    {
    case kComboFocus:
        combo.SetFocus();
        break;
    case kComboHot:
        stage.MoveCursorTo(button);
        break;
    case kComboPress:
        stage.MoveCursorTo(button);
        gallery::SendMouse(MOUSEEVENTF_LEFTDOWN);
        gallery::Pump(100);
        break;
    case kComboReadOnly:
        combo.SetReadOnly(1);
        break;
    case kComboDisabled:
        combo.EnableWindow(FALSE);
        break;
    default:
        break;
    }
    gallery::Pump(50);
    // Pressed and hot looks live until the next paint: take them as they are.
    const bool paintFirst = action != kComboHot && action != kComboPress;
    page.Add(name, caption, paintFirst ? stage.Shoot() : gallery::Image::FromWindow(stage.wnd().m_hWnd), kEnlarge);
    if (action == kComboPress)
    {
        gallery::SendMouse(MOUSEEVENTF_LEFTUP);
        combo.ShowDropDown(FALSE);
    }
    gallery::ParkCursor(50);
}

// The stage and the open list (a pop-up window of its own) put together in one picture.
void AddOpenCombo(gallery::PageWriter& page)
{
    Stage stage(200, 120);
    CCoolComboBox combo;
    if (!combo.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST, kComboRect, &stage.wnd(), kControlId))
        return;
    combo.SetFont(CFont::FromHandle((HFONT)::GetStockObject(DEFAULT_GUI_FONT)));
    for (const char* item : {"Red", "Green", "Blue", "Yellow"})
        combo.AddString(item);
    combo.SetCurSel(2);
    gallery::ParkCursor(50);
    CRect window;
    combo.GetWindowRect(&window);
    stage.MoveCursorTo(CPoint(kComboRect.left + window.Width() - 10, kComboRect.top + window.Height() / 2));
    gallery::SendMouse(MOUSEEVENTF_LEFTDOWN);
    gallery::SendMouse(MOUSEEVENTF_LEFTUP);
    gallery::Pump(150);

    COMBOBOXINFO info = {sizeof(info)};
    ::GetComboBoxInfo(combo.m_hWnd, &info);
    gallery::Canvas canvas(200, 120);
    HDC stageDC = ::GetDC(stage.wnd().m_hWnd);
    ::BitBlt(canvas.dc(), 0, 0, 200, 120, stageDC, 0, 0, SRCCOPY);
    ::ReleaseDC(stage.wnd().m_hWnd, stageDC);
    if (info.hwndList != NULL && ::IsWindowVisible(info.hwndList))
    {
        CRect list;
        ::GetWindowRect(info.hwndList, &list);
        const CPoint at = list.TopLeft() - stage.ToScreen(CPoint(0, 0));
        HDC listDC = ::GetWindowDC(info.hwndList);
        ::BitBlt(canvas.dc(), at.x, at.y, list.Width(), list.Height(), listDC, 0, 0, SRCCOPY);
        ::ReleaseDC(info.hwndList, listDC);
    }
    page.Add("combo-open", "Drop-down list opened by a click on the drop button", canvas.Snapshot(), kEnlarge);
    combo.ShowDropDown(FALSE);
    gallery::ParkCursor(50);
}

void RenderCombos(gallery::PageWriter& page)
{
    page.Heading("Flat combo box");
    AddCombo(page, "combo-normal", "Drop-down list, mouse away", CBS_DROPDOWNLIST, kComboRest);
    AddCombo(page, "combo-focused", "Drop-down list with the focus: the hot skin stays", CBS_DROPDOWNLIST, kComboFocus);
    AddCombo(page, "combo-hint", "Empty drop-down, not focused: the italic hint", CBS_DROPDOWN, kComboHint);
    AddCombo(page, "combo-hot", "Mouse over the drop button", CBS_DROPDOWN, kComboHot);
    AddCombo(page, "combo-pressed", "Left button down on the drop button", CBS_DROPDOWNLIST, kComboPress);
    AddCombo(page, "combo-readonly", "Read-only: text in the normal colour on the pale background", CBS_DROPDOWN,
             kComboReadOnly);
    AddCombo(page, "combo-disabled", "Disabled: grey text, embossed arrow", CBS_DROPDOWNLIST, kComboDisabled);
    AddOpenCombo(page);
}

// ---------------------------------------------------------------- labels

const CRect kLabelRect(10, 8, 250, 48);

void AddLabel(gallery::PageWriter& page, const char* name, const char* caption, const char* text,
              COLORREF back, COLORREF ink, DWORD format, const unsigned short* wide)
{
    Stage stage(260, 56);
    CCoolLabel label;
    if (!label.Create(text, WS_CHILD | WS_VISIBLE, kLabelRect, &stage.wnd(), kControlId))
        return;
    label.SetFont(CFont::FromHandle((HFONT)::GetStockObject(DEFAULT_GUI_FONT)));
    if (back != CLR_INVALID)
        label.SetBackColor(back);
    if (ink != CLR_INVALID)
        label.SetTextColor(ink);
    if (format != kLabelDefaultFormat)
        label.SetTextFormat(format);
    if (wide != NULL)
        label.SetWideText(wide);
    page.Add(name, caption, stage.Shoot(), kEnlarge);
}

void RenderLabels(gallery::PageWriter& page)
{
    // "Grüße, Ελλάδα": text an ANSI window text could not hold.
    static const unsigned short kWide[] = {'G', 'r', 0xFC, 0xDF, 'e', ',', ' ', 0x395, 0x3BB, 0x3BB, 0x3AC, 0x3B4, 0x3B1, 0};
    page.Heading("Label");
    AddLabel(page, "label-plain", "Default: one line, vertically centred, over the parent's background",
             "Customer name", CLR_INVALID, CLR_INVALID, kLabelDefaultFormat, NULL);
    AddLabel(page, "label-back", "With a background colour", "Customer name", RGB(255, 246, 200), CLR_INVALID,
             kLabelDefaultFormat, NULL);
    AddLabel(page, "label-ink", "With a text colour", "Customer name", CLR_INVALID, RGB(0, 70, 170),
             kLabelDefaultFormat, NULL);
    AddLabel(page, "label-wrapped", "Centred and word-wrapped",
             "A longer label whose words wrap onto a second, centred line", RGB(230, 240, 255), CLR_INVALID,
             DT_CENTER | DT_WORDBREAK, NULL);
    AddLabel(page, "label-wide", "Wide text drawn instead of the window text", "Window text", CLR_INVALID,
             CLR_INVALID, kLabelDefaultFormat, kWide);
}

// ---------------------------------------------------------------- progress bars

void CaptionOfFiles(unsigned long total, int percent, char* text)
{
    sprintf(text, "%lu of %lu files", total * (unsigned long)percent / 100, total);
}

struct ProgressShot
{
    const char* name;
    const char* caption;
    int width;
    int type;
    int percent;
    const char* preText;
    bool callback;
};

void AddProgress(gallery::PageWriter& page, const ProgressShot& shot)
{
    Stage stage(shot.width + 20, 40);
    CCoolProgress bar;
    if (!bar.Create(WS_CHILD | WS_VISIBLE, CRect(10, 8, 10 + shot.width, 32), &stage.wnd(), kControlId))
        return;
    bar.Init(200, 0, 2);
    bar.SetType(shot.type);
    bar.SetPreText(shot.preText);
    if (shot.callback)
        bar.SetTextFunc(CaptionOfFiles, 48);
    // Stepped as an application would, one percent a step.
    for (int i = 0; i < shot.percent; ++i)
        bar.Inc();
    page.Add(shot.name, shot.caption, stage.Shoot(), kEnlarge);
}

void RenderProgress(gallery::PageWriter& page)
{
    const ProgressShot smooth[] = {
        {"progress-0", "Smooth at 0%", 200, kProgressSmooth, 0, NULL, false},
        {"progress-25", "Smooth at 25%", 200, kProgressSmooth, 25, NULL, false},
        {"progress-100", "Smooth at 100%", 200, kProgressSmooth, 100, NULL, false},
        {"progress-pretext", "With a pre-text", 200, kProgressSmooth, 42, "Copying", false},
        {"progress-callback", "Caption from the application's callback", 200, kProgressSmooth, 50, NULL, true},
        {"progress-wide", "Caption wider than the bar: right-aligned", 120, kProgressSmooth, 60, "Copying the archive",
         false},
    };
    page.Heading("Progress bar");
    for (const ProgressShot& shot : smooth)
        AddProgress(page, shot);

    page.Heading("Progress bar, processing style");
    const struct { int width; int blocks; } sizes[] = {{95, 1}, {255, 3}, {325, 5}};
    for (const auto& size : sizes)
    {
        for (int percent : {10, 50, 90})
        {
            char name[48], caption[80];
            sprintf(name, "processing-%d-%d", size.blocks, percent);
            sprintf(caption, "%d block%s at %d%%", size.blocks, size.blocks > 1 ? "s" : "", percent);
            const ProgressShot shot = {name, caption, size.width, kProgressProcessing, percent,
                                       percent == 50 ? "Working" : NULL, false};
            AddProgress(page, shot);
        }
    }
}

void RenderDisplayPage(gallery::PageWriter& page)
{
    RenderCombos(page);
    RenderLabels(page);
    RenderProgress(page);
}

}  // namespace

GALLERY_PAGE("display", "Combo box, label and progress bar", 45, RenderDisplayPage);
