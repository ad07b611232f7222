// CoolProgress.cpp - CCoolProgress: the skinned progress bar, smooth or processing, with its caption.
#include <afxwin.h>
#include <stdio.h>
#include <string.h>
#include "edits/VeluEdits.h"
#include "skin/VeluSkin.h"

IMPLEMENT_DYNAMIC(CCoolProgress, CWndForXCtrl)

BEGIN_MESSAGE_MAP(CCoolProgress, CWndForXCtrl)
    //{{AFX_MSG_MAP(CCoolProgress)
    ON_WM_PAINT()
    //}}AFX_MSG_MAP
END_MESSAGE_MAP()

// Before the first Init or SetPos(range, pos) the bar counts to 100 in steps of 1,
// so that an early paint or step is harmless.
CCoolProgress::CCoolProgress()
    : m_nRange(100),
      m_nPos(0),
      m_nStep(1),
      m_nType(kProgressSmooth),
      m_dwTextData(0),
      m_pfnText(NULL)
{
    m_szPreText[0] = '\0';
}

CCoolProgress::~CCoolProgress()
{
}

/////////////////////////////////////////////////////////////////////////////
// Attributes

void CCoolProgress::SetType(int type)
{
    m_nType = type;
}

void CCoolProgress::SetPreText(const char* text)
{
    m_szPreText[0] = '\0';
    if (text != NULL && strlen(text) < (size_t)kProgressPreTextLimit)
        strcpy(m_szPreText, text);
}

void CCoolProgress::SetTextFunc(VELUPROGRESSTEXTPROC pfnText, unsigned long data)
{
    m_pfnText = pfnText;
    m_dwTextData = data;
}

void CCoolProgress::GetContentRect(RECT* rect)
{
    GetClientRect(rect);
    rect->left += kProgressContentLeft;
    rect->top += kProgressContentTop;
    rect->right -= kProgressContentRight;
    rect->bottom -= kProgressContentBottom;
}

/////////////////////////////////////////////////////////////////////////////
// Operations

void CCoolProgress::Init(int range, int pos, int step)
{
    m_nRange = range;
    m_nPos = pos;
    m_nStep = step;
}

// Only a change of the whole percentage repaints, so that fine steps cost nothing.
void CCoolProgress::SetPos(int pos)
{
    const int nOldPercent = GetPercent();
    if (pos < 1)
        m_nPos = 0;
    else if (pos > m_nRange)
        m_nPos = m_nRange;
    else
        m_nPos = pos;
    if (GetPercent() != nOldPercent && m_hWnd != NULL)
        InvalidateRect(NULL, TRUE);
}

void CCoolProgress::SetPos(int range, int pos)
{
    m_nRange = range;
    SetPos(pos);
}

void CCoolProgress::Inc(int n)
{
    SetPos(m_nPos + n);
}

void CCoolProgress::Inc()
{
    Inc(m_nStep);
}

void CCoolProgress::SetPosToMax()
{
    SetPos(m_nRange);
}

/////////////////////////////////////////////////////////////////////////////
// Painting

void CCoolProgress::OnPaint()
{
    CPaintDC dc(this);
    VeluLoadSharedSkin(&g_hSkinProgress, VELU_XZP_PROGRESS);

    RECT window;
    GetWindowRect(&window);
    ScreenToClient(&window);
    dc.IntersectClipRect(&window);

    CRoundBitmap painter;
    painter.ShowMe(dc.m_hDC, &window, g_hSkinProgress, g_nStdCornerInsets, kStdCornerSize);

    if (m_nType == kProgressProcessing)
        DrawProcessing(dc.m_hDC);
    else
        DrawSmooth(dc.m_hDC);
}

void CCoolProgress::DrawSmooth(HDC hdc)
{
    const int nPercent = GetPercent();
    ::SetBkMode(hdc, TRANSPARENT);

    RECT bar;
    GetContentRect(&bar);
    bar.right = bar.left + (int)(nPercent * 0.01 * (bar.right - bar.left));
    HBRUSH hBrush = ::CreateSolidBrush(kProgressBarColor);
    ::FillRect(hdc, &bar, hBrush);
    ::DeleteObject(hBrush);

    char caption[kProgressTextSize];
    caption[0] = '\0';
    if (m_pfnText != NULL)
        m_pfnText(m_dwTextData, nPercent, caption);
    else if (m_szPreText[0] != '\0')
        sprintf(caption, "%s (%d%%)", m_szPreText, nPercent);
    else
        sprintf(caption, "%d%%", nPercent);
    DrawCaption(hdc, caption);
}

// The group's end E travels from the content's left edge to its right edge
// plus the group's span G, so the blocks enter on the left and leave on the
// right. G counts 12 pixels a block while the blocks themselves take 10
// (8 and a 2-pixel gap): the drawn group ends 2 pixels a block before E.
// Drawing is held to the window only, so blocks may cover the frame.
void CCoolProgress::DrawProcessing(HDC hdc)
{
    const int nPercent = GetPercent();
    ::SetBkMode(hdc, TRANSPARENT);

    RECT content;
    GetContentRect(&content);
    const int nWidth = content.right - content.left;
    const int nBlocks = nWidth < 100 ? 1 : (nWidth < 300 ? 3 : 5);
    const int nGroup = kProgressGroupSpanPerBlock * nBlocks - 2;
    const int nEnd = content.left + (int)(nPercent * 0.01 * (nWidth + nGroup));

    HBRUSH hBrush = ::CreateSolidBrush(kProgressBarColor);
    for (int i = 0; i < nBlocks; i++)
    {
        const int x = nEnd - nGroup + i * kProgressBlockPitch;
        RECT block = { x, content.top, x + kProgressBlockWidth, content.bottom };
        ::FillRect(hdc, &block, hBrush);
    }
    ::DeleteObject(hBrush);

    char caption[kProgressTextSize];
    caption[0] = '\0';
    if (m_pfnText != NULL)
        m_pfnText(m_dwTextData, nPercent, caption);
    else
        strcpy(caption, m_szPreText);
    DrawCaption(hdc, caption);
}

/////////////////////////////////////////////////////////////////////////////
// Implementation

int CCoolProgress::GetPercent() const
{
    if (m_nRange <= 0)
        return 0;
    const int nPercent = (int)((double)m_nPos / (double)m_nRange * 100.0);
    if (nPercent < 0)
        return 0;
    return nPercent > 100 ? 100 : nPercent;
}

// Centred when it fits; otherwise right-aligned so that its end stays visible.
void CCoolProgress::DrawCaption(HDC hdc, const char* caption)
{
    if (caption[0] == '\0')
        return;
    RECT content;
    GetContentRect(&content);
    RECT measured = content;
    ::DrawTextA(hdc, caption, -1, &measured, kProgressMeasureFormat);

    COLORREF crOld = ::SetTextColor(hdc, kProgressCaptionColor);
    const BOOL bTooWide = measured.right - measured.left > content.right - content.left;
    ::DrawTextA(hdc, caption, -1, &content, bTooWide ? kProgressRightFormat : kProgressCentredFormat);
    ::SetTextColor(hdc, crOld);
}
