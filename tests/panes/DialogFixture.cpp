// The skinned dialog tests' standard template and probed dialog.
#include "DialogFixture.h"


namespace panes_test {

vt::DialogTemplate StandardTemplate()
{
    vt::DialogTemplate dlg(WS_POPUP);
    dlg.AddItem(kStaticId, 0x0082, SS_LEFT | SS_NOTIFY, "Label");
    dlg.AddItem(kEditId, 0x0081, ES_LEFT | WS_TABSTOP, "Edit");
    dlg.AddItem(kButtonId, 0x0080, BS_PUSHBUTTON | WS_TABSTOP, "Save");
    return dlg;
}

bool ProbeDialog::Open(int bkType)
{
    SetDlgBkType(bkType);
    const vt::DialogTemplate dlg = StandardTemplate();
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
