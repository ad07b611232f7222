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

// The platform's standard items: a static, an edit and a push button.
vt::DialogTemplate StandardTemplate();

// A skinned dialog whose background painting and tooltip can be watched.
class ProbeDialog : public CCoolDialog
{
public:
    // Creates the dialog modeless from the standard template and puts it and
    // its controls at the rectangles above.
    bool Open(int bkType = kDlgBkSkinned);
    void Close();

    HWND TipWnd() const { return m_toolTip.m_hWnd; }
    CCoolToolTip& Tip() { return m_toolTip; }
    bool TipVisible() const { return ::IsWindowVisible(m_toolTip.m_hWnd) != FALSE; }
    CPoint ScreenCentreOf(UINT id);
    // Repaints the whole client area now, background included.
    void RepaintNow();

    void PaintBk(HDC hDC) override;

    int paintBkCalls = 0;
    COLORREF customFill = CLR_INVALID;      // when set, PaintBk fills with it instead of the skin
    CSize lastPaintBkSize;
};

} // namespace panes_test
