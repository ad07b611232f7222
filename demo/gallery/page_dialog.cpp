// page_dialog.cpp - gallery page of the skinned dialog with its controls and of the tooltip manager's tips.
#include "gallery.h"

#include "buttons/VeluButtons.h"
#include "edits/VeluEdits.h"
#include "panes/VeluPanes.h"

#include <vector>

namespace {

const CRect kDialogRect(60, 60, 400, 250);

enum ControlId
{
    kOkId = 201,
    kCancelId,
    kHelpId,
    kCheckId,
    kNameId,
    kDateId,
};

const WORD kButtonAtom = 0x0080;
const WORD kEditAtom = 0x0081;

// A borderless popup dialog template, built in memory word by word.
class Template
{
public:
    Template()
    {
        DLGTEMPLATE header = {};
        header.style = WS_POPUP;
        header.cx = 220;
        header.cy = 120;
        Append(&header, sizeof(header));
        m_words.insert(m_words.end(), {0, 0, 0});   // no menu, standard class, no title
    }

    // Controls start small; the dialog moves them to pixel rectangles.
    void AddItem(UINT id, WORD atom, DWORD style, const char* text)
    {
        if (m_words.size() % 2 != 0)
            m_words.push_back(0);
        DLGITEMTEMPLATE item = {};
        item.style = style | WS_CHILD | WS_VISIBLE | WS_TABSTOP;
        item.cx = 40;
        item.cy = 12;
        item.id = static_cast<WORD>(id);
        Append(&item, sizeof(item));
        m_words.insert(m_words.end(), {0xFFFF, atom});
        for (const char* p = text; *p != '\0'; ++p)
            m_words.push_back(static_cast<unsigned char>(*p));
        m_words.insert(m_words.end(), {0, 0});       // end of text, no creation data
        reinterpret_cast<DLGTEMPLATE*>(m_words.data())->cdit++;
    }

    LPCDLGTEMPLATE Get() const { return reinterpret_cast<LPCDLGTEMPLATE>(m_words.data()); }

private:
    void Append(const void* data, size_t size)
    {
        const WORD* words = static_cast<const WORD*>(data);
        m_words.insert(m_words.end(), words, words + size / sizeof(WORD));
    }

    std::vector<WORD> m_words;
};

// A sign-in dialog of the library's own controls.
class GalleryDialog : public CCoolDialog
{
public:
    explicit GalleryDialog(int bkType) { SetDlgBkType(bkType); }

    BOOL Open()
    {
        Template dlg;
        dlg.AddItem(kOkId, kButtonAtom, BS_DEFPUSHBUTTON, "OK");
        dlg.AddItem(kCancelId, kButtonAtom, BS_PUSHBUTTON, "Cancel");
        dlg.AddItem(kHelpId, kButtonAtom, BS_PUSHBUTTON, "Help on signing in");
        dlg.AddItem(kNameId, kEditAtom, ES_AUTOHSCROLL, "");
        dlg.AddItem(kDateId, kEditAtom, ES_AUTOHSCROLL, "");
        if (!CreateIndirect(dlg.Get(), NULL))
            return FALSE;
        SetWindowPos(&wndTop, kDialogRect.left, kDialogRect.top, kDialogRect.Width(),
                     kDialogRect.Height(), SWP_SHOWWINDOW | SWP_NOACTIVATE);
        return TRUE;
    }

    BOOL OnInitDialog() override
    {
        const BOOL result = CCoolDialog::OnInitDialog();
        const struct { UINT id; CRect rc; } places[] = {
            {kNameId, CRect(20, 20, 220, 44)},
            {kDateId, CRect(20, 56, 220, 80)},
            {kHelpId, CRect(20, 130, 200, 150)},
            {kOkId, CRect(150, 150, 230, 176)},
            {kCancelId, CRect(240, 150, 320, 176)},
        };
        for (const auto& place : places)
            GetDlgItem(place.id)->MoveWindow(&place.rc, FALSE);

        m_ok.SubclassDlgItem(kOkId, this);
        m_cancel.SubclassDlgItem(kCancelId, this);
        m_help.SubclassDlgItem(kHelpId, this);
        m_name.SubclassDlgItem(kNameId, this);
        m_name.SetTipText("Your name", ::GetSysColor(COLOR_GRAYTEXT), 0);
        m_date.SubclassDlgItem(kDateId, this);
        m_date.MaskDateTime(kMaskFormatDate);
        m_date.SetDateTime(2026, 12, 5, 0, 0, 0);
        m_check.Create("Remember me", WS_CHILD | WS_VISIBLE, CRect(20, 95, 200, 115), this, kCheckId);
        m_check.SetCheck(1, FALSE, FALSE);

        AddToolTip(kOkId, "Sign in with these details");
        AddToolTip(kCancelId, "Close without signing in");
        return result;
    }

    CCoolToolTip& Tip() { return m_toolTip; }

private:
    CCoolButton m_ok;
    CCoolButton m_cancel;
    CCoolHelpButton m_help;
    CCoolEdit m_name;
    CCoolMaskEdit m_date;
    CCoolCheckBox m_check;
};

gallery::Image Shoot(CWnd& wnd)
{
    wnd.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    gallery::Pump(100);
    return gallery::Image::FromWindow(wnd.m_hWnd);
}

// The dialog's picture with the tip's picture laid over it where the tip stands on screen.
gallery::Image Overlay(const gallery::Image& dialog, const gallery::Image& tip, CPoint tipOffset)
{
    gallery::Image result = dialog;
    for (int y = 0; y < tip.height(); ++y)
        for (int x = 0; x < tip.width(); ++x)
        {
            const CPoint at = tipOffset + CPoint(x, y);
            if (at.x >= 0 && at.y >= 0 && at.x < result.width() && at.y < result.height())
                result.Set(at.x, at.y, tip.At(x, y));
        }
    return result;
}

void AddDialog(gallery::PageWriter& page, const char* name, const char* caption, int bkType)
{
    GalleryDialog dlg(bkType);
    if (!dlg.Open())
        return;
    page.Add(name, caption, Shoot(dlg));
    dlg.DestroyWindow();
}

void AddTips(gallery::PageWriter& page)
{
    GalleryDialog dlg(kDlgBkSkinned);
    if (!dlg.Open())
        return;
    const gallery::Image background = Shoot(dlg);

    const struct
    {
        const char* name;
        const char* caption;
        const char* text;
    } tips[] = {
        {"tip-one-line", "A one-line tip", "Sign in with these details"},
        {"tip-multi-line", "A multi-line tip: as wide as its widest line",
         "Signing in keeps your settings\nacross computers.\nPress F1 for more."},
    };
    for (const auto& tip : tips)
    {
        const CPoint at(kDialogRect.left + 120, kDialogRect.top + 30);
        dlg.Tip().ShowMe(tip.text, 5000, at.x, at.y);
        const gallery::Image shot = Shoot(dlg.Tip());
        page.Add(tip.name, tip.caption, shot, 2);
        const std::string overName = std::string(tip.name) + "-over-dialog";
        page.Add(overName, std::string(tip.caption) + ", over the dialog",
                 Overlay(background, shot, at - kDialogRect.TopLeft()));
        dlg.Tip().HideMe();
    }
    dlg.DestroyWindow();
}

void RenderDialogPage(gallery::PageWriter& page)
{
    page.Heading("Skinned dialog");
    AddDialog(page, "skinned", "Push buttons, help button, check box, flat and date edits on the dialog skin",
              kDlgBkSkinned);
    AddDialog(page, "plain", "The same dialog with background type 0: the platform's own erase",
              kDlgBkPlatform);

    page.Heading("Tooltips");
    AddTips(page);
}

}  // namespace

GALLERY_PAGE("dialog", "Skinned dialog and tooltips", 60, RenderDialogPage);
