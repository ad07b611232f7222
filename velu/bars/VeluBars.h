// VeluBars.h - the library's control bars: the cool tool bar and the dock bar painted to match it.
#ifndef VELU_BARS_VELUBARS_H
#define VELU_BARS_VELUBARS_H

#include <afxwin.h>
#include <afxext.h>
#include <afxpriv.h>
#include <commctrl.h>
#include "frame/VeluFrame.h"

/////////////////////////////////////////////////////////////////////////////
// CCoolToolBar: an MFC tool bar painted in the library's bar colours, with
// appended buttons, embedded controls, drop-down buttons and its own
// background-matched and gray image sets.

class AFX_EXT_CLASS CCoolToolBar : public CToolBar
{
    DECLARE_DYNAMIC(CCoolToolBar)

// Constructors
public:
    CCoolToolBar();

// Attributes
public:
    // The module-wide tool bar background brush (kBarBackground) every bar fills with.
    static CBrush* GetBkBrush();

// Implementation
public:
    virtual ~CCoolToolBar();
};

#endif // VELU_BARS_VELUBARS_H
