// The floating bar and the status bar added to the suite's bar frame as an
// application's OnCreate adds them, and input helpers for their tests.
#pragma once

#include "BarFixture.h"

#include <afxpriv.h>

const UINT kFloatBarId = 0xE900;

inline bool AddFloatBar(bartest::CBarFrame* pFrame, CCoolFloatBar& bar, UINT nDockBarId = AFX_IDW_DOCKBAR_LEFT)
{
    if (pFrame == NULL || !bar.Create(pFrame, kFloatBarId, _T("Workspace"), CSize(0, 0)))
        return false;
    bar.SetBarStyle(bar.GetBarStyle() | CBRS_SIZE_DYNAMIC);
    bar.EnableDocking(CBRS_ALIGN_ANY);
    pFrame->Dock(bar, nDockBarId);
    return true;
}

inline bool AddStatusBar(bartest::CBarFrame* pFrame, CCoolStatusBar& bar)
{
    static const UINT indicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};
    if (pFrame == NULL || !bar.Create(pFrame) || !bar.SetIndicators(indicators, 4))
        return false;
    pFrame->RecalcLayout();
    vt::PumpPending();
    return true;
}

// A client point of a window on the screen; a window's screen rectangle.
inline CPoint OnScreen(const CWnd& wnd, CPoint client) { wnd.ClientToScreen(&client); return client; }
inline CRect WindowRectOf(const CWnd& wnd) { CRect rc; wnd.GetWindowRect(&rc); return rc; }
