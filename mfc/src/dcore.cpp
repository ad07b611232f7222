// Device contexts: CDC and its paint, client and window variants.
#include "mfcimpl.h"

IMPLEMENT_DYNCREATE(CDC, CObject)
IMPLEMENT_DYNAMIC(CPaintDC, CDC)
IMPLEMENT_DYNAMIC(CClientDC, CDC)
IMPLEMENT_DYNAMIC(CWindowDC, CDC)

namespace {

// A setting made through a CDC goes to its output DC and, where that is a
// different DC, to its attribute DC too; the attribute DC's answer wins.
template <typename Result, typename Apply>
Result ApplyToBoth(HDC hDC, HDC hAttribDC, Result result, Apply apply)
{
    if (hDC != hAttribDC)
        result = apply(hDC);
    if (hAttribDC != NULL)
        result = apply(hAttribDC);
    return result;
}

}  // namespace

// ---------------------------------------------------------------- construction and maps
CDC::CDC() : m_hDC(NULL), m_hAttribDC(NULL), m_bPrinting(FALSE) {}

CDC::~CDC()
{
    if (m_hDC != NULL)
        ::DeleteDC(Detach());
}

CDC* PASCAL CDC::FromHandle(HDC hDC)
{
    return (CDC*)afxMapHDC()->FromHandle(hDC);
}

void PASCAL CDC::DeleteTempMap()
{
    afxMapHDC()->DeleteTemp();
}

BOOL CDC::Attach(HDC hDC)
{
    if (hDC == NULL)
        return FALSE;
    m_hDC = hDC;
    afxMapHDC()->SetPermanent(m_hDC, this);
    SetAttribDC(m_hDC);
    return TRUE;
}

HDC CDC::Detach()
{
    HDC hDC = m_hDC;
    if (hDC != NULL)
        afxMapHDC()->RemoveHandle(hDC);
    ReleaseAttribDC();
    m_hDC = NULL;
    return hDC;
}

BOOL CDC::DeleteDC()
{
    if (m_hDC == NULL)
        return FALSE;
    return ::DeleteDC(Detach());
}

void CDC::SetAttribDC(HDC hDC) { m_hAttribDC = hDC; }
void CDC::SetOutputDC(HDC hDC) { m_hDC = hDC; }
void CDC::ReleaseAttribDC() { m_hAttribDC = NULL; }
void CDC::ReleaseOutputDC() { m_hDC = NULL; }

CWnd* CDC::GetWindow() const
{
    return CWnd::FromHandle(::WindowFromDC(m_hDC));
}

// ---------------------------------------------------------------- state applied to both DCs
// Attribute changes go to the output DC and, when it is a different one, to
// the attribute DC too, so that measuring and drawing agree.

int CDC::SaveDC()
{
    int nRetVal = 0;
    if (m_hAttribDC != NULL)
        nRetVal = ::SaveDC(m_hAttribDC);
    if (m_hDC != m_hAttribDC && ::SaveDC(m_hDC) != 0)
        nRetVal = -1;
    return nRetVal;
}

BOOL CDC::RestoreDC(int nSavedDC)
{
    BOOL bRetVal = TRUE;
    if (m_hDC != m_hAttribDC)
        bRetVal = ::RestoreDC(m_hDC, nSavedDC);
    if (m_hAttribDC != NULL)
        bRetVal = bRetVal && ::RestoreDC(m_hAttribDC, nSavedDC);
    return bRetVal;
}

CGdiObject* PASCAL CDC::SelectGdiObject(HDC hDC, HGDIOBJ h)
{
    return CGdiObject::FromHandle(::SelectObject(hDC, h));
}

CGdiObject* CDC::SelectGdiObject(HGDIOBJ hObject)
{
    return hObject != NULL ? CGdiObject::FromHandle(SelectObject(hObject)) : NULL;
}

HGDIOBJ CDC::SelectObject(HGDIOBJ hObject)
{
    if (hObject == NULL)
        return NULL;
    return ApplyToBoth<HGDIOBJ>(m_hDC, m_hAttribDC, NULL,
                                [=](HDC hDC) { return ::SelectObject(hDC, hObject); });
}

CGdiObject* CDC::SelectStockObject(int nIndex)
{
    return SelectGdiObject(::GetStockObject(nIndex));
}

CPalette* CDC::SelectPalette(CPalette* pPalette, BOOL bForceBackground)
{
    return (CPalette*)CGdiObject::FromHandle(
        ::SelectPalette(m_hDC, (HPALETTE)pPalette->GetSafeHandle(), bForceBackground));
}

COLORREF CDC::SetBkColor(COLORREF crColor)
{
    return ApplyToBoth<COLORREF>(m_hDC, m_hAttribDC, CLR_INVALID,
                             [&](HDC hDC) { return ::SetBkColor(hDC, crColor); });
}

COLORREF CDC::SetTextColor(COLORREF crColor)
{
    return ApplyToBoth<COLORREF>(m_hDC, m_hAttribDC, CLR_INVALID,
                             [&](HDC hDC) { return ::SetTextColor(hDC, crColor); });
}

int CDC::SetBkMode(int nBkMode)
{
    return ApplyToBoth<int>(m_hDC, m_hAttribDC, 0, [=](HDC hDC) { return ::SetBkMode(hDC, nBkMode); });
}

int CDC::SetPolyFillMode(int nPolyFillMode)
{
    return ApplyToBoth<int>(m_hDC, m_hAttribDC, 0, [=](HDC hDC) { return ::SetPolyFillMode(hDC, nPolyFillMode); });
}

int CDC::SetROP2(int nDrawMode)
{
    return ApplyToBoth<int>(m_hDC, m_hAttribDC, 0, [=](HDC hDC) { return ::SetROP2(hDC, nDrawMode); });
}

int CDC::SetStretchBltMode(int nStretchMode)
{
    return ApplyToBoth<int>(m_hDC, m_hAttribDC, 0, [=](HDC hDC) { return ::SetStretchBltMode(hDC, nStretchMode); });
}

int CDC::SetMapMode(int nMapMode)
{
    return ApplyToBoth<int>(m_hDC, m_hAttribDC, 0, [=](HDC hDC) { return ::SetMapMode(hDC, nMapMode); });
}

int CDC::SetTextCharacterExtra(int nCharExtra)
{
    return ApplyToBoth<int>(m_hDC, m_hAttribDC, 0, [=](HDC hDC) { return ::SetTextCharacterExtra(hDC, nCharExtra); });
}


UINT CDC::SetTextAlign(UINT nFlags)
{
    return ApplyToBoth<UINT>(m_hDC, m_hAttribDC, GDI_ERROR,
                             [&](HDC hDC) { return ::SetTextAlign(hDC, nFlags); });
}

int CDC::SetTextJustification(int nBreakExtra, int nBreakCount)
{
    return ApplyToBoth<int>(m_hDC, m_hAttribDC, 0,
                             [&](HDC hDC) { return ::SetTextJustification(hDC, nBreakExtra, nBreakCount); });
}

int CDC::GetTextFace(CString& rString) const
{
    int nResult = ::GetTextFace(m_hAttribDC, LF_FACESIZE, rString.GetBuffer(LF_FACESIZE));
    rString.ReleaseBuffer();
    return nResult;
}

// ---------------------------------------------------------------- mapping
CPoint CDC::SetViewportOrg(int x, int y)
{
    POINT point = {0, 0};
    ApplyToBoth<BOOL>(m_hDC, m_hAttribDC, FALSE,
                      [&](HDC hDC) { return ::SetViewportOrgEx(hDC, x, y, &point); });
    return point;
}

CPoint CDC::OffsetViewportOrg(int nWidth, int nHeight)
{
    POINT point = {0, 0};
    ApplyToBoth<BOOL>(m_hDC, m_hAttribDC, FALSE,
                      [&](HDC hDC) { return ::OffsetViewportOrgEx(hDC, nWidth, nHeight, &point); });
    return point;
}

CSize CDC::SetViewportExt(int x, int y)
{
    SIZE size = {0, 0};
    ApplyToBoth<BOOL>(m_hDC, m_hAttribDC, FALSE,
                      [&](HDC hDC) { return ::SetViewportExtEx(hDC, x, y, &size); });
    return size;
}

CPoint CDC::SetWindowOrg(int x, int y)
{
    POINT point = {0, 0};
    ApplyToBoth<BOOL>(m_hDC, m_hAttribDC, FALSE,
                      [&](HDC hDC) { return ::SetWindowOrgEx(hDC, x, y, &point); });
    return point;
}

CPoint CDC::OffsetWindowOrg(int nWidth, int nHeight)
{
    POINT point = {0, 0};
    ApplyToBoth<BOOL>(m_hDC, m_hAttribDC, FALSE,
                      [&](HDC hDC) { return ::OffsetWindowOrgEx(hDC, nWidth, nHeight, &point); });
    return point;
}

CSize CDC::SetWindowExt(int x, int y)
{
    SIZE size = {0, 0};
    ApplyToBoth<BOOL>(m_hDC, m_hAttribDC, FALSE,
                      [&](HDC hDC) { return ::SetWindowExtEx(hDC, x, y, &size); });
    return size;
}

// Sizes convert as vectors: the difference of two converted points.
void CDC::DPtoLP(LPSIZE lpSize) const
{
    POINT pts[2] = {{0, 0}, {lpSize->cx, lpSize->cy}};
    ::DPtoLP(m_hAttribDC, pts, 2);
    lpSize->cx = abs(pts[1].x - pts[0].x);
    lpSize->cy = abs(pts[1].y - pts[0].y);
}

void CDC::LPtoDP(LPSIZE lpSize) const
{
    POINT pts[2] = {{0, 0}, {lpSize->cx, lpSize->cy}};
    ::LPtoDP(m_hAttribDC, pts, 2);
    lpSize->cx = abs(pts[1].x - pts[0].x);
    lpSize->cy = abs(pts[1].y - pts[0].y);
}

// ---------------------------------------------------------------- clipping
int CDC::SelectClipRgn(CRgn* pRgn)
{
    return ApplyToBoth<int>(m_hDC, m_hAttribDC, ERROR,
                             [&](HDC hDC) { return ::SelectClipRgn(hDC, (HRGN)pRgn->GetSafeHandle()); });
}

int CDC::SelectClipRgn(CRgn* pRgn, int nMode)
{
    return ApplyToBoth<int>(m_hDC, m_hAttribDC, ERROR,
                             [&](HDC hDC) { return ::ExtSelectClipRgn(hDC, (HRGN)pRgn->GetSafeHandle(), nMode); });
}

int CDC::ExcludeClipRect(int x1, int y1, int x2, int y2)
{
    return ApplyToBoth<int>(m_hDC, m_hAttribDC, ERROR,
                             [&](HDC hDC) { return ::ExcludeClipRect(hDC, x1, y1, x2, y2); });
}

int CDC::ExcludeUpdateRgn(CWnd* pWnd)
{
    return ApplyToBoth<int>(m_hDC, m_hAttribDC, ERROR,
                             [&](HDC hDC) { return ::ExcludeUpdateRgn(hDC, pWnd->m_hWnd); });
}

int CDC::IntersectClipRect(int x1, int y1, int x2, int y2)
{
    return ApplyToBoth<int>(m_hDC, m_hAttribDC, ERROR,
                             [&](HDC hDC) { return ::IntersectClipRect(hDC, x1, y1, x2, y2); });
}

int CDC::OffsetClipRgn(int x, int y)
{
    return ApplyToBoth<int>(m_hDC, m_hAttribDC, ERROR,
                             [&](HDC hDC) { return ::OffsetClipRgn(hDC, x, y); });
}

// ---------------------------------------------------------------- lines
CPoint CDC::MoveTo(int x, int y)
{
    POINT point = {0, 0};
    ApplyToBoth<BOOL>(m_hDC, m_hAttribDC, FALSE,
                      [&](HDC hDC) { return ::MoveToEx(hDC, x, y, &point); });
    return point;
}

BOOL CDC::LineTo(int x, int y)
{
    if (m_hAttribDC != NULL && m_hDC != m_hAttribDC)
        ::MoveToEx(m_hAttribDC, x, y, NULL);
    return ::LineTo(m_hDC, x, y);
}

// ---------------------------------------------------------------- DrawState
BOOL CDC::DrawState(CPoint pt, CSize size, HBITMAP hBitmap, UINT nFlags, HBRUSH hBrush)
{
    return ::DrawState(m_hDC, hBrush, NULL, (LPARAM)hBitmap, 0, pt.x, pt.y, size.cx, size.cy, nFlags | DST_BITMAP);
}

BOOL CDC::DrawState(CPoint pt, CSize size, CBitmap* pBitmap, UINT nFlags, CBrush* pBrush)
{
    return DrawState(pt, size, (HBITMAP)pBitmap->GetSafeHandle(), nFlags, (HBRUSH)pBrush->GetSafeHandle());
}

BOOL CDC::DrawState(CPoint pt, CSize size, HICON hIcon, UINT nFlags, HBRUSH hBrush)
{
    return ::DrawState(m_hDC, hBrush, NULL, (LPARAM)hIcon, 0, pt.x, pt.y, size.cx, size.cy, nFlags | DST_ICON);
}

BOOL CDC::DrawState(CPoint pt, CSize size, HICON hIcon, UINT nFlags, CBrush* pBrush)
{
    return DrawState(pt, size, hIcon, nFlags, (HBRUSH)pBrush->GetSafeHandle());
}

BOOL CDC::DrawState(CPoint pt, CSize size, LPCTSTR lpszText, UINT nFlags, BOOL bPrefixText, int nTextLen, HBRUSH hBrush)
{
    return ::DrawState(m_hDC, hBrush, NULL, (LPARAM)lpszText, (WPARAM)nTextLen, pt.x, pt.y, size.cx, size.cy,
                       nFlags | (bPrefixText ? DST_PREFIXTEXT : DST_TEXT));
}

BOOL CDC::DrawState(CPoint pt, CSize size, LPCTSTR lpszText, UINT nFlags, BOOL bPrefixText, int nTextLen, CBrush* pBrush)
{
    return DrawState(pt, size, lpszText, nFlags, bPrefixText, nTextLen, (HBRUSH)pBrush->GetSafeHandle());
}

BOOL CDC::DrawState(CPoint pt, CSize size, DRAWSTATEPROC lpDrawProc, LPARAM lData, UINT nFlags, HBRUSH hBrush)
{
    return ::DrawState(m_hDC, hBrush, lpDrawProc, lData, 0, pt.x, pt.y, size.cx, size.cy, nFlags | DST_COMPLEX);
}

BOOL CDC::DrawState(CPoint pt, CSize size, DRAWSTATEPROC lpDrawProc, LPARAM lData, UINT nFlags, CBrush* pBrush)
{
    return DrawState(pt, size, lpDrawProc, lData, nFlags, (HBRUSH)pBrush->GetSafeHandle());
}

// ---------------------------------------------------------------- solid fills and frames
// Fills by opaque ExtTextOut in the background colour, which the fill leaves
// set to clr, as callers that draw text next may rely on.
void CDC::FillSolidRect(LPCRECT lpRect, COLORREF clr)
{
    ::SetBkColor(m_hDC, clr);
    ::ExtTextOut(m_hDC, 0, 0, ETO_OPAQUE, lpRect, NULL, 0, NULL);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF clr)
{
    RECT rect = {x, y, x + cx, y + cy};
    FillSolidRect(&rect, clr);
}

void CDC::Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    Draw3dRect(lpRect->left, lpRect->top, lpRect->right - lpRect->left,
               lpRect->bottom - lpRect->top, clrTopLeft, clrBottomRight);
}

// Top and left edges in the first colour, right and bottom in the second;
// the bottom-left and top-right corner pixels belong to the second.
void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    FillSolidRect(x, y, cx - 1, 1, clrTopLeft);
    FillSolidRect(x, y, 1, cy - 1, clrTopLeft);
    FillSolidRect(x + cx - 1, y, 1, cy, clrBottomRight);
    FillSolidRect(x, y + cy - 1, cx, 1, clrBottomRight);
}

// ---------------------------------------------------------------- drag rectangles
namespace {

// 50% grey: alternating pixels, shared for the process's lifetime.
HBRUSH HalftoneBrushHandle()
{
    static HBRUSH hbrHalftone = NULL;
    if (hbrHalftone == NULL) {
        WORD grayPattern[8];
        for (int i = 0; i < 8; i++)
            grayPattern[i] = (WORD)(0x5555 << (i & 1));
        HBITMAP grayBitmap = ::CreateBitmap(8, 8, 1, 1, grayPattern);
        if (grayBitmap != NULL) {
            hbrHalftone = ::CreatePatternBrush(grayBitmap);
            ::DeleteObject(grayBitmap);
        }
    }
    return hbrHalftone;
}

// The frame between rect and rect deflated by size, as a region.
void MakeFrameRegion(CRgn& rgnFrame, LPCRECT lpRect, SIZE size)
{
    CRgn rgnOutside, rgnInside;
    rgnOutside.CreateRectRgnIndirect(lpRect);
    CRect rect = *lpRect;
    rect.InflateRect(-size.cx, -size.cy);
    rect.IntersectRect(rect, lpRect);
    rgnInside.CreateRectRgnIndirect(rect);
    rgnFrame.CreateRectRgn(0, 0, 0, 0);
    rgnFrame.CombineRgn(&rgnOutside, &rgnInside, RGN_XOR);
}

}  // namespace

CBrush* PASCAL CDC::GetHalftoneBrush()
{
    return CBrush::FromHandle(HalftoneBrushHandle());
}

// Draws the frame of lpRect (size thick) by inverting with a pattern brush,
// and erases the previous frame in the same stroke: with the same brush only
// the difference of the two frames is inverted, so nothing flickers.
void CDC::DrawDragRect(LPCRECT lpRect, SIZE size, LPCRECT lpRectLast, SIZE sizeLast,
                       CBrush* pBrush, CBrush* pBrushLast)
{
    if (pBrush == NULL)
        pBrush = GetHalftoneBrush();
    if (pBrushLast == NULL)
        pBrushLast = pBrush;

    CRgn rgnNew;
    MakeFrameRegion(rgnNew, lpRect, size);

    CRgn rgnLast, rgnUpdate;
    if (lpRectLast != NULL) {
        MakeFrameRegion(rgnLast, lpRectLast, sizeLast);
        if (pBrush->m_hObject == pBrushLast->m_hObject) {
            rgnUpdate.CreateRectRgn(0, 0, 0, 0);
            rgnUpdate.CombineRgn(&rgnLast, &rgnNew, RGN_XOR);
        }
    }

    CRect rect;
    if (lpRectLast != NULL && pBrush->m_hObject != pBrushLast->m_hObject) {
        // Different brushes: erase the old frame with its own brush first.
        SelectClipRgn(&rgnLast);
        GetClipBox(&rect);
        CBrush* pBrushOld = SelectObject(pBrushLast);
        PatBlt(rect.left, rect.top, rect.Width(), rect.Height(), PATINVERT);
        SelectObject(pBrushOld);
    }

    SelectClipRgn(rgnUpdate.m_hObject != NULL ? &rgnUpdate : &rgnNew);
    GetClipBox(&rect);
    CBrush* pBrushOld = SelectObject(pBrush);
    PatBlt(rect.left, rect.top, rect.Width(), rect.Height(), PATINVERT);
    SelectObject(pBrushOld);
    SelectClipRgn(NULL);
}

// ---------------------------------------------------------------- window DCs
CPaintDC::CPaintDC(CWnd* pWnd)
{
    m_hWnd = pWnd->m_hWnd;
    Attach(::BeginPaint(m_hWnd, &m_ps));
}

CPaintDC::~CPaintDC()
{
    ::EndPaint(m_hWnd, &m_ps);
    Detach();
}

CClientDC::CClientDC(CWnd* pWnd)
{
    m_hWnd = pWnd->GetSafeHwnd();
    Attach(::GetDC(m_hWnd));
}

CClientDC::~CClientDC()
{
    ::ReleaseDC(m_hWnd, Detach());
}

CWindowDC::CWindowDC(CWnd* pWnd)
{
    m_hWnd = pWnd->GetSafeHwnd();
    Attach(::GetWindowDC(m_hWnd));
}

CWindowDC::~CWindowDC()
{
    ::ReleaseDC(m_hWnd, Detach());
}
