// GDI wrappers and device contexts: point fonts, ownership of handles,
// selection, and the helpers that paint (solid fills, 3D frames, drag frames).
#include "support/harness.h"

namespace {

LOGFONT LogFontOf(CFont& font)
{
    LOGFONT lf = {};
    font.GetLogFont(&lf);
    return lf;
}

}  // namespace

// Tenths of a point to pixels of the screen, truncated, negative for the
// character height; with a DC given, to that DC's logical units.
TEST(WinGdi, PointFontHeightFollowsTheResolutionAndTheGivenDCsUnits)
{
    const int nDpi = ::GetDeviceCaps(vt::WindowDC(NULL), LOGPIXELSY);
    for (int nTenths : {90, 100, 80, 120}) {
        CFont font;
        ASSERT_TRUE(font.CreatePointFont(nTenths, "MS San Serif"));
        const LOGFONT lf = LogFontOf(font);
        EXPECT_EQ(-(nDpi * nTenths / 720), lf.lfHeight) << nTenths;
        EXPECT_STREQ("MS San Serif", lf.lfFaceName);
        EXPECT_EQ(DEFAULT_CHARSET, lf.lfCharSet);
        EXPECT_EQ(0, lf.lfWeight);
        EXPECT_EQ(0, lf.lfItalic);
    }
    vt::MemoryCanvas canvas(8, 8);
    CDC dc;
    dc.Attach(canvas.dc());
    dc.SetMapMode(MM_ANISOTROPIC);   // two logical units per device pixel
    dc.SetWindowExt(2, 2);
    dc.SetViewportExt(1, 1);
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(90, "MS San Serif", &dc));
    EXPECT_EQ(-2 * (dc.GetDeviceCaps(LOGPIXELSY) * 90 / 720), LogFontOf(font).lfHeight);
    dc.SetMapMode(MM_TEXT);
    dc.Detach();
}

TEST(WinGdi, WrappersOwnTheirHandlesAndSelectionGivesBackWhatItReplaced)
{
    const int nStart = vt::GdiObjectCount();
    HGDIOBJ hBrush;
    {
        CBrush brush(RGB(10, 20, 30));
        hBrush = brush.m_hObject;
        EXPECT_EQ(nStart + 1, vt::GdiObjectCount());
        EXPECT_EQ(&brush, CGdiObject::FromHandle(hBrush));
        EXPECT_EQ(&brush, CBrush::FromHandle((HBRUSH)hBrush));
        vt::MemoryCanvas canvas(8, 8);
        CDC* pDC = CDC::FromHandle(canvas.dc());
        const HGDIOBJ hOriginal = ::GetCurrentObject(canvas.dc(), OBJ_BRUSH);
        CBrush* pOld = pDC->SelectObject(&brush);
        ASSERT_TRUE(pOld != NULL);
        EXPECT_EQ(hOriginal, pOld->m_hObject);
        EXPECT_EQ(&brush, pDC->SelectObject(pOld));
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

TEST(WinGdi, CreateDestroyAndPaintManyTimesLeaksNothing)
{
    vt::MemoryCanvas canvas(64, 64);
    CDC* pCanvas = CDC::FromHandle(canvas.dc());
    EXPECT_TRUE(vt::LeavesNothingBehind([&] {
        CDC memDC;
        memDC.CreateCompatibleDC(pCanvas);
        CBitmap bitmap;
        bitmap.CreateCompatibleBitmap(pCanvas, 32, 32);
        CBitmap* pOldBitmap = memDC.SelectObject(&bitmap);
        CFont font;
        font.CreatePointFont(90, "MS Sans Serif");
        CFont* pOldFont = memDC.SelectObject(&font);
        CPen pen(PS_SOLID, 1, RGB(255, 0, 0));
        CPen* pOldPen = memDC.SelectObject(&pen);
        CBrush brush(RGB(0, 0, 255));
        CBrush* pOldBrush = memDC.SelectObject(&brush);
        memDC.Rectangle(0, 0, 20, 20);
        memDC.TextOut(2, 2, CString("Ag"));
        CRgn rgn;
        rgn.CreateRoundRectRgn(0, 0, 30, 30, 5, 5);
        memDC.SelectClipRgn(&rgn);
        memDC.FillSolidRect(0, 0, 32, 32, RGB(9, 9, 9));
        memDC.SelectClipRgn(NULL);
        memDC.DrawDragRect(CRect(2, 2, 30, 30), CSize(2, 2), NULL, CSize(0, 0));
        pCanvas->BitBlt(0, 0, 32, 32, &memDC, 0, 0, SRCCOPY);
        memDC.SelectObject(pOldBrush);
        memDC.SelectObject(pOldPen);
        memDC.SelectObject(pOldFont);
        memDC.SelectObject(pOldBitmap);
    }, 50));
}

TEST(WinGdi, SolidFillsAndThreeDFramesPaintWhereMfcPaintsThem)
{
    const COLORREF kWhite = RGB(255, 255, 255), kLight = RGB(250, 0, 0), kDark = RGB(0, 0, 250);
    vt::MemoryCanvas canvas(40, 30, kWhite);
    CDC* pDC = CDC::FromHandle(canvas.dc());
    pDC->FillSolidRect(CRect(2, 3, 12, 8), RGB(200, 10, 20));
    EXPECT_EQ(RGB(200, 10, 20), pDC->GetBkColor());   // the fill colour stays set
    pDC->Draw3dRect(10, 10, 20, 10, kLight, kDark);
    const vt::Capture shot = canvas.Snapshot();
    const struct { int x, y; COLORREF colour; } expected[] = {
        {2, 3, RGB(200, 10, 20)}, {11, 7, RGB(200, 10, 20)}, {12, 7, kWhite}, {11, 8, kWhite},
        {10, 10, kLight}, {15, 10, kLight}, {10, 15, kLight},   // top, left
        {29, 10, kDark},  {29, 15, kDark},  {15, 19, kDark},    // top-right corner, right, bottom
        {10, 19, kDark},  {29, 19, kDark},                      // bottom corners
        {15, 15, kWhite}, {30, 15, kWhite}, {15, 20, kWhite},   // inside and outside
    };
    for (const auto& e : expected)
        EXPECT_PIXEL(shot, e.x, e.y, e.colour);
}

// The frame is inverted in a halftone, so drawing it again over itself (or
// as the last frame when moving) erases it.
TEST(WinGdi, DragRectInvertsOnlyTheFrameInAHalftoneAndMovingItErasesTheOldOne)
{
    const COLORREF kWhite = RGB(255, 255, 255);
    vt::MemoryCanvas canvas(80, 80, kWhite);
    CDC* pDC = CDC::FromHandle(canvas.dc());
    pDC->DrawDragRect(CRect(10, 10, 60, 60), CSize(4, 4), NULL, CSize(0, 0));
    vt::Capture shot = canvas.Snapshot();
    EXPECT_NE(shot.At(10, 10), shot.At(11, 10));
    EXPECT_NE(shot.At(13, 30), shot.At(13, 31));
    EXPECT_EQ(25, vt::CountColour(shot, CRect(10, 11, 60, 12), RGB(0, 0, 0)));
    for (const POINT& p : {POINT{30, 30}, POINT{14, 30}, POINT{5, 5}, POINT{60, 60}})
        EXPECT_PIXEL(shot, p.x, p.y, kWhite);
    pDC->DrawDragRect(CRect(10, 10, 60, 60), CSize(4, 4), NULL, CSize(0, 0));

    const CRect first(10, 10, 40, 40), second(20, 20, 50, 50);
    pDC->DrawDragRect(first, CSize(2, 2), NULL, CSize(0, 0));
    pDC->DrawDragRect(second, CSize(2, 2), first, CSize(2, 2));
    shot = canvas.Snapshot();
    EXPECT_EQ(10, vt::CountColour(shot, CRect(10, 10, 20, 11), kWhite));   // only the old frame is white again
    EXPECT_NE(shot.At(48, 30), shot.At(48, 31));
    pDC->DrawDragRect(second, CSize(2, 2), NULL, CSize(0, 0));
    EXPECT_EQ(80 * 80, vt::CountColour(canvas.Snapshot(), CRect(0, 0, 80, 80), kWhite));
}
