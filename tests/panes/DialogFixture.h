// Shared pieces of the skinned dialog tests: in-memory templates and a probed dialog at a known place.
#pragma once

#include <string>
#include <vector>

#include "support/harness.h"
#include "panes/VeluPanes.h"

namespace panes_test {

// Control ids of the test dialogs.
const UINT kStaticId = 101;
const UINT kEditId = 102;
const UINT kButtonId = 103;
const UINT kMissingId = 999;

// Where the dialog sits on screen and how big it is (client = window: no frame).
const CRect kDialogRect(60, 60, 360, 260);
// Client rectangles the controls are moved to once the dialog exists.
const CRect kStaticRect(20, 20, 140, 44);
const CRect kEditRect(20, 60, 140, 84);
const CRect kButtonRect(20, 110, 120, 140);

// A skinned dialog whose background painting and tooltip can be watched.
class ProbeDialog : public CCoolDialog
{
public:
    // Creates the dialog modeless from a template of the platform's standard
    // items (a static, an edit and a push button) and puts it and its
    // controls at the rectangles above.
    bool Open(int bkType = kDlgBkSkinned)
    {
        SetDlgBkType(bkType);
        vt::DialogTemplate dlg(WS_POPUP);
        dlg.AddItem(kStaticId, 0x0082, SS_LEFT | SS_NOTIFY, "Label");
        dlg.AddItem(kEditId, 0x0081, ES_LEFT | WS_TABSTOP, "Edit");
        dlg.AddItem(kButtonId, 0x0080, BS_PUSHBUTTON | WS_TABSTOP, "Save");
        if (!CreateIndirect(dlg.Get(), nullptr))
            return false;
        for (const auto& place : {std::make_pair(kStaticId, kStaticRect), std::make_pair(kEditId, kEditRect),
                                  std::make_pair(kButtonId, kButtonRect)})
            GetDlgItem(place.first)->MoveWindow(&place.second, FALSE);
        SetWindowPos(&wndTop, kDialogRect.left, kDialogRect.top, kDialogRect.Width(), kDialogRect.Height(),
                     SWP_SHOWWINDOW);
        RepaintNow();
        return true;
    }
    void Close()
    {
        if (m_hWnd != nullptr)
            DestroyWindow();
        vt::PumpPending();
    }

    CCoolToolTip& Tip() { return m_toolTip; }
    bool TipVisible() const { return ::IsWindowVisible(m_toolTip.m_hWnd) != FALSE; }
    CPoint ScreenCentreOf(UINT id) { CRect rc; GetDlgItem(id)->GetWindowRect(&rc); return rc.CenterPoint(); }
    // Repaints the whole client area now, background included.
    void RepaintNow()
    {
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        vt::PumpPending();
    }
    // Notes the size of the memory bitmap painted into, then paints the skin or the custom fill.
    void PaintBk(HDC hDC) override
    {
        paintBkCalls++;
        BITMAP bm = {};
        ::GetObjectA(::GetCurrentObject(hDC, OBJ_BITMAP), sizeof(bm), &bm);
        lastPaintBkSize = CSize(bm.bmWidth, bm.bmHeight);
        if (customFill == CLR_INVALID)
            return CCoolDialog::PaintBk(hDC);
        CRect rc;
        GetClientRect(&rc);
        CDC::FromHandle(hDC)->FillSolidRect(&rc, customFill);
    }

    int paintBkCalls = 0;
    COLORREF customFill = CLR_INVALID;      // when set, PaintBk fills with it instead of the skin
    CSize lastPaintBkSize{0, 0};
};

} // namespace panes_test
