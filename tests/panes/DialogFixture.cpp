// The skinned dialog tests' template builder and probed dialog.
#include "DialogFixture.h"

#include <cstring>

namespace panes_test {

DialogTemplate::DialogTemplate(DWORD style)
{
    DLGTEMPLATE header = {};
    header.style = style;
    header.cx = 200;
    header.cy = 120;
    const WORD* raw = reinterpret_cast<const WORD*>(&header);
    m_words.assign(raw, raw + sizeof(header) / sizeof(WORD));
    m_words.push_back(0);   // no menu
    m_words.push_back(0);   // the standard dialog class
    m_words.push_back(0);   // no title
}

void DialogTemplate::AddItem(UINT id, WORD classAtom, DWORD style, const char* text)
{
    AlignToDword();
    DLGITEMTEMPLATE item = {};
    item.style = style | WS_CHILD | WS_VISIBLE;
    item.x = 4;
    item.y = 4;
    item.cx = 40;
    item.cy = 12;
    item.id = static_cast<WORD>(id);
    const WORD* raw = reinterpret_cast<const WORD*>(&item);
    m_words.insert(m_words.end(), raw, raw + sizeof(item) / sizeof(WORD));
    m_words.push_back(0xFFFF);
    m_words.push_back(classAtom);
    AddString(text);
    m_words.push_back(0);   // no creation data

    // The item count lives in the header.
    reinterpret_cast<DLGTEMPLATE*>(m_words.data())->cdit++;
}

void DialogTemplate::AddString(const char* text)
{
    for (const char* p = text; *p != '\0'; p++)
        m_words.push_back(static_cast<unsigned char>(*p));
    m_words.push_back(0);
}

void DialogTemplate::AlignToDword()
{
    if (m_words.size() % 2 != 0)
        m_words.push_back(0);
}

DialogTemplate StandardTemplate()
{
    DialogTemplate dlg(WS_POPUP);
    dlg.AddItem(kStaticId, 0x0082, SS_LEFT | SS_NOTIFY, "Label");
    dlg.AddItem(kEditId, 0x0081, ES_LEFT | WS_TABSTOP, "Edit");
    dlg.AddItem(kButtonId, 0x0080, BS_PUSHBUTTON | WS_TABSTOP, "Save");
    return dlg;
}

bool ProbeDialog::Open(int bkType)
{
    SetDlgBkType(bkType);
    const DialogTemplate dlg = StandardTemplate();
    if (!CreateIndirect(dlg.Get(), nullptr))
        return false;
    const struct { UINT id; CRect rc; } places[] = {
        {kStaticId, kStaticRect}, {kEditId, kEditRect}, {kButtonId, kButtonRect}};
    for (const auto& place : places)
        GetDlgItem(place.id)->MoveWindow(&place.rc, FALSE);
    SetWindowPos(&wndTop, kDialogRect.left, kDialogRect.top, kDialogRect.Width(),
                 kDialogRect.Height(), SWP_SHOWWINDOW);
    RepaintNow();
    return true;
}

void ProbeDialog::Close()
{
    if (m_hWnd != nullptr)
        DestroyWindow();
    vt::PumpPending();
}

CPoint ProbeDialog::ScreenCentreOf(UINT id)
{
    CRect rc;
    GetDlgItem(id)->GetWindowRect(&rc);
    return rc.CenterPoint();
}

void ProbeDialog::RepaintNow()
{
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    vt::PumpPending();
}

void ProbeDialog::PaintBk(HDC hDC)
{
    paintBkCalls++;
    BITMAP bm = {};
    ::GetObjectA(::GetCurrentObject(hDC, OBJ_BITMAP), sizeof(bm), &bm);
    lastPaintBkSize = CSize(bm.bmWidth, bm.bmHeight);
    if (customFill == CLR_INVALID)
    {
        CCoolDialog::PaintBk(hDC);
        return;
    }
    vt::GdiObject brush(::CreateSolidBrush(customFill));
    CRect rc;
    GetClientRect(&rc);
    ::FillRect(hDC, &rc, brush.brush());
}

} // namespace panes_test
