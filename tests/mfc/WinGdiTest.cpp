// GDI wrappers and device contexts: point fonts, ownership of handles,
// selection, and drag frames. (Solid fills and 3D frames are checked pixel
// by pixel in the controls' suites, the status bar's pane frames among them;
// memory DCs, bitmaps, regions and drag frames painted many times are counted
// by the soak and the demo's docking rounds. The controls delete what they
// make themselves, so the wrappers' destructors are checked here.)
#include "support/harness.h"

// Tenths of a point to the given DC's logical units, truncated in device
// pixels, negative for the character height. (Without a DC, and the face,
// weight and slant kept: the library's shared fonts, checked in the frame
// suite.)
TEST(WinGdi, PointFontHeightFollowsTheResolutionInTheGivenDCsUnits)
{
    vt::MemoryCanvas canvas(8, 8);
    CDC* pDC = CDC::FromHandle(canvas.dc());
    pDC->SetMapMode(MM_ANISOTROPIC);   // two logical units a device pixel
    pDC->SetWindowExt(2, 2);
    pDC->SetViewportExt(1, 1);
    CFont font;   // 10 points: 13 1/3 pixels at 96 dpi, truncated
    ASSERT_TRUE(font.CreatePointFont(100, "MS San Serif", pDC));
    LOGFONT lf = {};
    font.GetLogFont(&lf);
    EXPECT_EQ(-2 * (pDC->GetDeviceCaps(LOGPIXELSY) * 100 / 720), lf.lfHeight);
}

TEST(WinGdi, WrappersOwnTheirHandlesAndSelectionGivesBackWhatItReplaced)
{
    const int nStart = vt::GdiObjectCount();
    HGDIOBJ hBrush;
    {
        CBrush brush(RGB(10, 20, 30));
        hBrush = brush.m_hObject;
        CDC memDC;   // the controls delete theirs themselves
        ASSERT_TRUE(memDC.CreateCompatibleDC(NULL));
        EXPECT_EQ(nStart + 2, vt::GdiObjectCount());
        vt::MemoryCanvas canvas(8, 8);
        CDC* pDC = CDC::FromHandle(canvas.dc());
        const HGDIOBJ hOriginal = ::GetCurrentObject(canvas.dc(), OBJ_BRUSH);
        CBrush* pOld = pDC->SelectObject(&brush);
        ASSERT_TRUE(pOld != NULL);
        EXPECT_EQ(hOriginal, pOld->m_hObject);
        EXPECT_EQ(&brush, pDC->SelectObject(pOld));   // the permanent object of the handle
        EXPECT_EQ(hOriginal, ::GetCurrentObject(canvas.dc(), OBJ_BRUSH));
    }
    EXPECT_EQ(nStart, vt::GdiObjectCount());
    EXPECT_EQ(0u, ::GetObjectType(hBrush));
    CPen pen;
    ASSERT_TRUE(pen.CreatePen(PS_SOLID, 1, RGB(1, 1, 1)));
    HGDIOBJ hPen = pen.Detach();
    EXPECT_TRUE(pen.m_hObject == NULL);
    EXPECT_EQ((DWORD)OBJ_PEN, ::GetObjectType(hPen));
    ::DeleteObject(hPen);
}

// Only the frame is inverted, so drawing it again over itself (or as the last
// frame when moving) erases it. (The halftone's every other pixel, and the
// old place erased while moving: the split bar's drag block.)
TEST(WinGdi, DragRectInvertsOnlyTheFrameInAHalftoneAndMovingItErasesTheOldOne)
{
    const COLORREF kWhite = RGB(255, 255, 255);
    vt::MemoryCanvas canvas(80, 80, kWhite);
    CDC* pDC = CDC::FromHandle(canvas.dc());
    const CRect first(10, 10, 60, 60), second(20, 20, 70, 70);
    pDC->DrawDragRect(first, CSize(4, 4), NULL, CSize(0, 0));
    const vt::Capture shot = canvas.Snapshot();
    EXPECT_EQ(50 * 50 - 42 * 42, 2 * vt::CountColour(shot, first, RGB(0, 0, 0)));  // only the frame
    EXPECT_EQ(CRect(10, 10, 60, 60), vt::BoundsOf(shot, CRect(0, 0, 80, 80), RGB(0, 0, 0)));
    pDC->DrawDragRect(second, CSize(4, 4), first, CSize(4, 4));
    pDC->DrawDragRect(second, CSize(4, 4), NULL, CSize(0, 0));
    EXPECT_EQ(80 * 80, vt::CountColour(canvas.Snapshot(), CRect(0, 0, 80, 80), kWhite));
}
