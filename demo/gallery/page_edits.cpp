// page_edits.cpp - gallery page of the flat edit box and the date/time masked edit in their states.
#include "gallery.h"

#include "edits/VeluEdits.h"

namespace {

const int kStageWidth = 240;
const int kStageHeight = 44;
const CRect kControlRect(10, 10, 230, 34);
const UINT kControlId = 100;
const char kHint[] = "Search contacts";

// The stage holding one edit box; it is not activated until a picture asks for focus.
class Stage : public gallery::Stage
{
public:
    Stage() : gallery::Stage(kStageWidth, kStageHeight, false) {}

    BOOL Place(CEdit& edit, DWORD extraStyle = 0)
    {
        DWORD style = WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL | extraStyle;
        if (!edit.Create(style, kControlRect, &m_wnd, kControlId))
            return FALSE;
        edit.SendMessage(WM_SETFONT, (WPARAM)::GetStockObject(DEFAULT_GUI_FONT), TRUE);
        return TRUE;
    }

    // Focus on the control or, with NULL, on the stage itself.
    void Focus(CWnd* control)
    {
        ::SetForegroundWindow(m_wnd.m_hWnd);
        ::SetFocus(control ? control->m_hWnd : m_wnd.m_hWnd);
        gallery::Pump(100);
    }

    gallery::Image Shoot() { return gallery::Stage::Shoot(RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW, 100); }
};

void TypeChars(CWnd& wnd, const char* text)
{
    for (const char* p = text; *p; ++p)
        wnd.SendMessage(WM_CHAR, (WPARAM)(unsigned char)*p, 1);
}

void AddFlatEdit(gallery::PageWriter& page, const char* name, const char* caption,
                 const char* text, DWORD style, bool focused, int showWhenFocused)
{
    Stage stage;
    CCoolEdit edit;
    if (!stage.Place(edit, style))
        return;
    edit.SetTipText(kHint, ::GetSysColor(COLOR_GRAYTEXT), showWhenFocused);
    if (text != NULL)
        edit.SetWindowText(text);
    stage.Focus(focused ? &edit : NULL);
    page.Add(name, caption, stage.Shoot(), 2);
}

void RenderFlatEdits(gallery::PageWriter& page)
{
    page.Heading("Flat edit box");
    AddFlatEdit(page, "hint", "Empty, not focused: the italic hint shows", NULL, 0, false, 0);
    AddFlatEdit(page, "hint-focused", "Empty and focused, hint kept by the show-when-focused flag",
                NULL, 0, true, 1);
    AddFlatEdit(page, "hint-focused-hidden", "Empty and focused without the flag: no hint",
                NULL, 0, true, 0);
    AddFlatEdit(page, "text", "With text", "Jane Doe", 0, false, 0);
    AddFlatEdit(page, "readonly", "Read-only: pale background", "Cannot change this", ES_READONLY,
                false, 0);

    Stage stage;
    CCoolEdit upper;
    if (stage.Place(upper))
    {
        upper.SetUpperLower(kEditCaseUpper);
        stage.Focus(&upper);
        TypeChars(upper, "typed in lower case 42");
        stage.Focus(NULL);
        page.Add("upper", "Upper-case mode after typing \"typed in lower case 42\"", stage.Shoot(), 2);
    }
}

void AddMaskEdit(gallery::PageWriter& page, const char* name, const char* caption, int format,
                 bool withValues, DWORD style)
{
    Stage stage;
    CCoolMaskEdit edit;
    if (!stage.Place(edit, style))
        return;
    edit.MaskDateTime(format);
    if (withValues)
        edit.SetDateTime(2014, 5, 6, 8, 3, 9);
    stage.Focus(NULL);
    page.Add(name, caption, stage.Shoot(), 2);
}

void RenderMaskEdits(gallery::PageWriter& page)
{
    page.Heading("Date/time masked edit");
    AddMaskEdit(page, "mask-datetime-empty", "Date and time, no value: placeholder",
                kMaskFormatDateTime, false, 0);
    AddMaskEdit(page, "mask-date-empty", "Date, no value", kMaskFormatDate, false, 0);
    AddMaskEdit(page, "mask-time-empty", "Time, no value", kMaskFormatTime, false, 0);
    AddMaskEdit(page, "mask-datetime", "Date and time 2014-05-06 08:03:09", kMaskFormatDateTime,
                true, 0);
    AddMaskEdit(page, "mask-date", "Date 2014-05-06", kMaskFormatDate, true, 0);
    AddMaskEdit(page, "mask-time", "Time 08:03:09", kMaskFormatTime, true, 0);
    AddMaskEdit(page, "mask-readonly", "Read-only date and time", kMaskFormatDateTime, true,
                ES_READONLY);
}

void RenderEditsPage(gallery::PageWriter& page)
{
    RenderFlatEdits(page);
    RenderMaskEdits(page);
}

}  // namespace

GALLERY_PAGE("edits", "Edit boxes", 40, RenderEditsPage);
