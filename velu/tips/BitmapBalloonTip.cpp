// BitmapBalloonTip.cpp - CBitmapBalloonTip: colours sampled from a bitmap, the box painted with the balloon skin.
#include "tips/VeluTips.h"
#include "frame/VeluFrameInternal.h"
#include "skin/VeluSkin.h"

#include <string.h>

/////////////////////////////////////////////////////////////////////////////
// Construction

CBitmapBalloonTip::CBitmapBalloonTip()
    : m_hBitmap(NULL),
      m_nColorDepth(0)
{
}

/////////////////////////////////////////////////////////////////////////////
// Operations

void CBitmapBalloonTip::ShowMe(int x, int y, const char* pszText, int nTailLength,
                               int nDirection, unsigned long /*crFill*/,
                               unsigned long /*crFrame*/, unsigned long crText, int nShowTime)
{
    if (m_hBitmap == NULL)
        m_hBitmap = VeluLoadSharedSkin(&g_hSkinBalloon, VELU_XZP_BALLOON);
    if (m_hBitmap == NULL)
        return;

    BITMAP bm;
    memset(&bm, 0, sizeof(bm));
    ::GetObjectA(m_hBitmap, sizeof(bm), &bm);
    m_nColorDepth = bm.bmPlanes * bm.bmBitsPixel;

    COLORREF crFill, crFrame;
    SampleColors(&crFill, &crFrame);
    CBalloonTip::ShowMe(x, y, pszText, nTailLength, nDirection, crFill, crFrame, crText,
                        nShowTime);
}

void CBitmapBalloonTip::ShowMe(int x, int y, const char* pszText, int nTailLength,
                               int nDirection, HBITMAP hBitmap, unsigned long crText,
                               int nShowTime)
{
    m_hBitmap = hBitmap;
    ShowMe(x, y, pszText, nTailLength, nDirection, 0, 0, crText, nShowTime);
}

// A bitmap of few colours cannot be trusted to hold the skin's colours: the
// system's info background and black stand in for them.
void CBitmapBalloonTip::SampleColors(COLORREF* pcrFill, COLORREF* pcrFrame)
{
    if (m_nColorDepth < kBalloonMinSkinDepth)
    {
        *pcrFill = ::GetSysColor(COLOR_INFOBK);
        *pcrFrame = 0x00000000;
        return;
    }
    HDC hScreenDC = ::GetDC(NULL);
    *pcrFill = GetBmpPixelColor(hScreenDC, m_hBitmap, kBalloonFillScanLine, kBalloonSampleColumn);
    *pcrFrame = GetBmpPixelColor(hScreenDC, m_hBitmap, kBalloonFrameScanLine, kBalloonSampleColumn);
    ::ReleaseDC(NULL, hScreenDC);
}

/////////////////////////////////////////////////////////////////////////////
// Painting

// Called after the plain balloon is painted: the skin goes over its box,
// then the text over the skin.
void CBitmapBalloonTip::OnDraw(CDC* pDC)
{
    if (m_nColorDepth >= kBalloonMinSkinDepth)
        DrawSkin(pDC);
    CBalloonTip::OnDraw(pDC);
}

// Always the shared skin, even for a tip given a bitmap of its own: that
// bitmap only supplies the colours. A shared skin never inflated leaves the
// plain filled box.
void CBitmapBalloonTip::DrawSkin(CDC* pDC)
{
    CBrush brFill;
    brFill.CreateSolidBrush(m_crFill);
    CRgn rgnBox;
    rgnBox.CreateRoundRectRgn(m_rcBox.left, m_rcBox.top, m_rcBox.right, m_rcBox.bottom,
                              kBalloonCornerEllipse, kBalloonCornerEllipse);
    pDC->FillRgn(&rgnBox, &brFill);
    rgnBox.DeleteObject();
    brFill.DeleteObject();

    CRoundBitmap painter;
    painter.ShowMe(pDC->m_hDC, &m_rcBox, g_hSkinBalloon, g_nBalloonCornerInsets,
                   kBalloonCornerSize);
    if (!HasTail())
        return;

    // The skin's own frame runs across the tail's base: cover it, one pixel
    // in from each base point, on the box row the tail joins.
    const int y = IsTailAtBottom() ? m_rcBox.bottom - 1 : m_rcBox.top;
    const int nStep = m_ptTail[1].x > m_ptTail[0].x ? 1 : -1;
    CPen penFill;
    penFill.CreatePen(PS_SOLID, 1, m_crFill);
    CPen* pOldPen = pDC->SelectObject(&penFill);
    pDC->MoveTo(m_ptTail[0].x + nStep, y);
    pDC->LineTo(m_ptTail[1].x - nStep, y);
    pDC->SelectObject(pOldPen);
    penFill.DeleteObject();
}
