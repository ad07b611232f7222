// CoolToolBar.cpp - CCoolToolBar's construction and the shared background brush.
#include "bars/VeluBars.h"

IMPLEMENT_DYNAMIC(CCoolToolBar, CToolBar)

/////////////////////////////////////////////////////////////////////////////
// Construction

CCoolToolBar::CCoolToolBar()
{
}

CCoolToolBar::~CCoolToolBar()
{
}

/////////////////////////////////////////////////////////////////////////////
// Attributes

CBrush* CCoolToolBar::GetBkBrush()
{
    return &g_brushToolBar;
}
