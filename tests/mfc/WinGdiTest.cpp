// GDI wrappers and device contexts: point fonts, ownership of handles,
// selection, and the helpers that paint (solid fills, 3D frames, drag frames).
#include "support/harness.h"

namespace {

int ScreenLogPixelsY()
{
    HDC hScreen = ::GetDC(NULL);
    int nDpi = ::GetDeviceCaps(hScreen, LOGPIXELSY);
    ::ReleaseDC(NULL, hScreen);
    return nDpi;
}

LOGFONT LogFontOf(CFont& font)
{
    LOGFONT lf;
    memset(&lf, 0, sizeof(lf));
    font.GetLogFont(&lf);
    return lf;
}

}  // namespace

TEST(WinGdi, PointFontHeightFollowsTheScreenResolution)
{
    const int nDpi = ScreenLogPixelsY();
    struct { int nTenths; } cases[] = {{90}, {100}, {80}, {120}};
    for (const auto& c : cases) {
        CFont font;
        ASSERT_TRUE(font.CreatePointFont(c.nTenths, "MS San Serif"));
        LOGFONT lf = LogFontOf(font);
        // Tenths of a point to pixels, truncated; negative asks for the character height.
        EXPECT_EQ(lf.lfHeight, -(nDpi * c.nTenths / 720)) << c.nTenths;
        EXPECT_STREQ(lf.lfFaceName, "MS San Serif");
        EXPECT_EQ(lf.lfCharSet, DEFAULT_CHARSET);
        EXPECT_EQ(lf.lfWeight, 0);
        EXPECT_EQ(lf.lfItalic, 0);
    }
}

TEST(WinGdi, PointFontHeightIsConvertedToTheGivenDCsLogicalUnits)
{
    vt::MemoryCanvas canvas(8, 8);
    CDC dc;
    dc.Attach(canvas.dc());
    // Two logical units per device pixel.
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(2, 2);
    dc.SetViewportExt(1, 1);
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(90, "MS San Serif", &dc));
    int nDpi = dc.GetDeviceCaps(LOGPIXELSY);
    EXPECT_EQ(LogFontOf(font).lfHeight, -2 * (nDpi * 90 / 720));
    dc.SetMapMode(MM_TEXT);
    dc.Detach();
}

TEST(WinGdi, WrappersDeleteTheirHandlesAndAttachedHandlesAreFound)
{
    int nStart = vt::GdiObjectCount();
    HGDIOBJ hBrush;
    {
        CBrush brush(RGB(10, 20, 30));
        hBrush = brush.m_hObject;
        EXPECT_EQ(vt::GdiObjectCount(), nStart + 1);
        EXPECT_EQ(CGdiObject::FromHandle(hBrush), &brush);
        EXPECT_EQ(CBrush::FromHandle((HBRUSH)hBrush), &brush);
    }
    EXPECT_EQ(vt::GdiObjectCount(), nStart);
    EXPECT_EQ(::GetObjectType(hBrush), 0u);

    CPen pen;
    ASSERT_TRUE(pen.CreatePen(PS_SOLID, 1, RGB(1, 1, 1)));
    HGDIOBJ hPen = pen.Detach();
    EXPECT_TRUE(pen.m_hObject == NULL);
    EXPECT_EQ(::GetObjectType(hPen), (DWORD)OBJ_PEN);
    ::DeleteObject(hPen);
}

TEST(WinGdi, CreateDestroyAndPaintManyTimesLeaksNothing)
{
    vt::MemoryCanvas canvas(64, 64);
    auto paintOnce = [&]() {
        CDC memDC;
        memDC.CreateCompatibleDC(CDC::FromHandle(canvas.dc()));
        CBitmap bitmap;
        bitmap.CreateCompatibleBitmap(CDC::FromHandle(canvas.dc()), 32, 32);
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
        CDC::FromHandle(canvas.dc())->BitBlt(0, 0, 32, 32, &memDC, 0, 0, SRCCOPY);
        memDC.SelectObject(pOldBrush);
        memDC.SelectObject(pOldPen);
        memDC.SelectObject(pOldFont);
        memDC.SelectObject(pOldBitmap);
    };
    paintOnce();
    vt::PumpPending();
    int nStart = vt::GdiObjectCount();
    for (int i = 0; i < 50; i++)
        paintOnce();
    vt::PumpPending();
    EXPECT_EQ(vt::GdiObjectCount(), nStart);
}

TEST(WinGdi, SelectObjectReturnsTheObjectItReplaced)
{
    vt::MemoryCanvas canvas(8, 8);
    CDC* pDC = CDC::FromHandle(canvas.dc());
    HGDIOBJ hOriginal = ::GetCurrentObject(canvas.dc(), OBJ_BRUSH);
    CBrush brush(RGB(1, 2, 3));
    CBrush* pOld = pDC->SelectObject(&brush);
    ASSERT_TRUE(pOld != NULL);
    EXPECT_EQ(pOld->m_hObject, hOriginal);
    EXPECT_EQ(pDC->SelectObject(pOld), &brush);
    EXPECT_EQ(::GetCurrentObject(canvas.dc(), OBJ_BRUSH), hOriginal);
}

TEST(WinGdi, FillSolidRectFillsAndLeavesTheBackgroundColourSet)
{
    vt::MemoryCanvas canvas(20, 20, RGB(255, 255, 255));
    CDC* pDC = CDC::FromHandle(canvas.dc());
    pDC->FillSolidRect(CRect(2, 3, 12, 8), RGB(200, 10, 20));
    EXPECT_EQ(canvas.At(2, 3), RGB(200, 10, 20));
    EXPECT_EQ(canvas.At(11, 7), RGB(200, 10, 20));
    EXPECT_EQ(canvas.At(12, 7), RGB(255, 255, 255));
    EXPECT_EQ(canvas.At(11, 8), RGB(255, 255, 255));
    EXPECT_EQ(pDC->GetBkColor(), RGB(200, 10, 20));
}

TEST(WinGdi, Draw3dRectGivesTheCornersToTheRightEdgeColours)
{
    const COLORREF kWhite = RGB(255, 255, 255), kLight = RGB(250, 0, 0), kDark = RGB(0, 0, 250);
    vt::MemoryCanvas canvas(40, 30, kWhite);
    CDC::FromHandle(canvas.dc())->Draw3dRect(10, 10, 20, 10, kLight, kDark);
    struct { int x, y; COLORREF colour; } expected[] = {
        {10, 10, kLight}, {15, 10, kLight}, {10, 15, kLight},   // top, left
        {29, 10, kDark},  {29, 15, kDark},  {15, 19, kDark},    // top-right corner, right, bottom
        {10, 19, kDark},  {29, 19, kDark},                      // bottom corners
        {15, 15, kWhite}, {30, 15, kWhite}, {15, 20, kWhite},   // inside and outside
    };
    vt::Capture capture = canvas.Snapshot();
    for (const auto& e : expected)
        EXPECT_PIXEL(capture, e.x, e.y, e.colour);
}

TEST(WinGdi, DragRectInvertsOnlyTheFrameInAHalftone)
{
    const COLORREF kWhite = RGB(255, 255, 255);
    vt::MemoryCanvas canvas(80, 80, kWhite);
    CDC* pDC = CDC::FromHandle(canvas.dc());
    pDC->DrawDragRect(CRect(10, 10, 60, 60), CSize(4, 4), NULL, CSize(0, 0));
    vt::Capture capture = canvas.Snapshot();
    // Neighbouring frame pixels alternate between inverted and untouched.
    EXPECT_NE(capture.At(10, 10), capture.At(11, 10));
    EXPECT_NE(capture.At(13, 30), capture.At(13, 31));
    int nBlack = 0;
    for (int x = 10; x < 60; x++)
        nBlack += capture.At(x, 11) == RGB(0, 0, 0);
    EXPECT_EQ(nBlack, 25);
    EXPECT_PIXEL(capture, 30, 30, kWhite);   // inside the frame
    EXPECT_PIXEL(capture, 14, 30, kWhite);   // just inside the frame's width
    EXPECT_PIXEL(capture, 5, 5, kWhite);     // outside
    EXPECT_PIXEL(capture, 60, 60, kWhite);
}

TEST(WinGdi, MovingTheDragRectErasesTheOldFrame)
{
    const COLORREF kWhite = RGB(255, 255, 255);
    vt::MemoryCanvas canvas(80, 80, kWhite);
    CDC* pDC = CDC::FromHandle(canvas.dc());
    CRect first(10, 10, 40, 40), second(20, 20, 50, 50);
    pDC->DrawDragRect(first, CSize(2, 2), NULL, CSize(0, 0));
    pDC->DrawDragRect(second, CSize(2, 2), first, CSize(2, 2));
    vt::Capture capture = canvas.Snapshot();
    // Only the old frame's pixels are white again; the new frame shows.
    for (int x = 10; x < 20; x++)
        EXPECT_PIXEL(capture, x, 10, kWhite);
    EXPECT_NE(capture.At(48, 30), capture.At(48, 31));
    // Drawing the same frame over itself erases it: the canvas is clean.
    pDC->DrawDragRect(second, CSize(2, 2), NULL, CSize(0, 0));
    vt::Capture clean = canvas.Snapshot();
    for (int y = 0; y < 80; y += 3)
        for (int x = 0; x < 80; x += 3)
            ASSERT_EQ(clean.At(x, y), kWhite) << x << "," << y;
}

TEST(WinGdi, PaintDCValidatesTheUpdateRegion)
{
    vt::HostWnd host;
    host.Invalidate();
    EXPECT_TRUE(::GetUpdateRect(host.m_hWnd, NULL, FALSE));
    {
        CPaintDC dc(&host);
        EXPECT_TRUE(dc.m_hDC != NULL);
        EXPECT_EQ(dc.m_ps.hdc, dc.m_hDC);
    }
    EXPECT_FALSE(::GetUpdateRect(host.m_hWnd, NULL, FALSE));
}

TEST(WinGdi, TextExtentMatchesThePlatformMeasurement)
{
    vt::HostWnd host;
    CClientDC dc(&host);
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(100, "MS Sans Serif"));
    CFont* pOld = dc.SelectObject(&font);
    CString text("Hotspot caption");
    SIZE expected;
    ::GetTextExtentPoint32(dc.m_hDC, text, text.GetLength(), &expected);
    CSize size = dc.GetTextExtent(text);
    EXPECT_EQ(size.cx, expected.cx);
    EXPECT_EQ(size.cy, expected.cy);
    dc.SelectObject(pOld);
}
