// FlatToolBar.h - the main tool bar: the library's cool tool bar without the
// 2-pixel borders MFC gives a bar each time it docks, so that the bar and
// its dock bar look like one surface.
#pragma once

class CFlatToolBar : public CCoolToolBar
{
// Overrides
public:
    virtual void OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle)
    {
        m_dwStyle &= ~CBRS_BORDER_ANY;
        CCoolToolBar::OnBarStyleChange(dwOldStyle, dwNewStyle & ~CBRS_BORDER_ANY);
    }
};
