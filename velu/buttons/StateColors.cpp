// StateColors.cpp - caption colours per visual state, shared by the push button and the hot spot.
#include <afxwin.h>
#include "buttons/VeluButtons.h"

void CVeluStateColors::Init(DWORD dwMask, const COLORREF* pColors)
{
    m_dwMask = dwMask;
    for (int i = 0; i < kStateCount; i++)
        m_crText[i] = pColors[i];
}

void CVeluStateColors::SetAll(COLORREF crDefault, COLORREF crNormal, COLORREF crDisabled,
                              COLORREF crHot, COLORREF crPressed)
{
    const COLORREF colors[kStateCount] = { crDefault, crNormal, crDisabled, crHot, crPressed };
    Init(kStateMaskAll, colors);
}

void CVeluStateColors::Set(DWORD dwState, COLORREF cr)
{
    int nIndex = IndexOf(dwState);
    if (nIndex < 0)
        return;
    m_crText[nIndex] = cr;
    m_dwMask |= dwState;
}

BOOL CVeluStateColors::Has(DWORD dwState) const
{
    return (m_dwMask & dwState) != 0;
}

COLORREF CVeluStateColors::Select(CDC* pDC, DWORD dwState) const
{
    COLORREF crOld = pDC->GetTextColor();
    int nIndex = IndexOf(dwState);
    if (nIndex >= 0 && Has(dwState))
        pDC->SetTextColor(m_crText[nIndex]);
    else if (dwState == kStateDisabled)
        pDC->SetTextColor(::GetSysColor(COLOR_GRAYTEXT));
    return crOld;
}

int CVeluStateColors::IndexOf(DWORD dwState)
{
    switch (dwState)
    {
    case kStateDefault:  return 0;
    case kStateNormal:   return 1;
    case kStateDisabled: return 2;
    case kStateHot:      return 3;
    case kStatePressed:  return 4;
    }
    return -1;
}
