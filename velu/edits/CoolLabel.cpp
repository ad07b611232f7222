// CoolLabel.cpp - CCoolLabel: a static text painted by the control, with its own colours, format and wide text.
#include <afxwin.h>
#include <stdlib.h>
#include <string.h>
#include "edits/VeluEdits.h"

IMPLEMENT_DYNAMIC(CCoolLabel, CStatic)

BEGIN_MESSAGE_MAP(CCoolLabel, CStatic)
    //{{AFX_MSG_MAP(CCoolLabel)
    ON_WM_PAINT()
    //}}AFX_MSG_MAP
END_MESSAGE_MAP()

// The colours are only read once their flag is set.
CCoolLabel::CCoolLabel()
    : m_crBack(0),
      m_crText(0),
      m_bBackSet(0),
      m_bTextColorSet(0),
      m_dwFormat(kLabelDefaultFormat),
      m_pszWideText(NULL)
{
}

CCoolLabel::~CCoolLabel()
{
    free(m_pszWideText);
}

/////////////////////////////////////////////////////////////////////////////
// Attributes

void CCoolLabel::SetBackColor(unsigned long color)
{
    m_crBack = color;
    m_bBackSet = 1;
}

void CCoolLabel::SetTextColor(unsigned long color)
{
    m_crText = color;
    m_bTextColorSet = 1;
}

void CCoolLabel::SetTextFormat(unsigned long format)
{
    m_dwFormat = format;
}

void CCoolLabel::SetWideText(const unsigned short* text)
{
    free(m_pszWideText);
    m_pszWideText = NULL;
    if (text == NULL || text[0] == 0)
        return;
    size_t length = 0;
    while (text[length] != 0)
        length++;
    const size_t size = (length + 1) * sizeof(unsigned short);
    m_pszWideText = (unsigned short*)malloc(size);
    if (m_pszWideText != NULL)
        memcpy(m_pszWideText, text, size);
}

/////////////////////////////////////////////////////////////////////////////
// Message handlers

void CCoolLabel::OnPaint()
{
    CPaintDC dc(this);
    int nOldMode = dc.SetBkMode(TRANSPARENT);
    CFont* pOldFont = (CFont*)dc.SelectObject(
        CGdiObject::FromHandle((HGDIOBJ)SendMessage(WM_GETFONT, 0, 0)));

    RECT rect;
    GetWindowRect(&rect);
    ScreenToClient(&rect);

    // Without a background colour nothing is filled: the parent's painting shows through.
    if (m_bBackSet)
    {
        HBRUSH hBrush = ::CreateSolidBrush(m_crBack);
        if (hBrush != NULL)
            ::FillRect(dc.m_hDC, &rect, hBrush);
        ::DeleteObject(hBrush);
    }
    if (m_bTextColorSet)
        dc.SetTextColor(m_crText);

    if (m_pszWideText != NULL)
    {
        ::DrawTextW(dc.m_hDC, (LPCWSTR)m_pszWideText, -1, &rect, m_dwFormat);
    }
    else
    {
        char text[kLabelTextMax + 1];
        const int length = GetWindowText(text, sizeof(text));
        text[length > 0 ? length : 0] = '\0';
        ::DrawTextA(dc.m_hDC, text, -1, &rect, m_dwFormat);
    }

    dc.SetBkMode(nOldMode);
    dc.SelectObject(pOldFont);
}
