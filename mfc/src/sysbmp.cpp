// AfxLoadSysColorBitmap: tool bar images drawn in the standard grays take
// the system's button colours.
#include "mfcimpl.h"

namespace {

// The colours a tool bar image is drawn in and the system colours they stand for.
struct CColorMap
{
    COLORREF rgbDrawn;
    int nSysColor;
};

const CColorMap kSysColorMap[] = {
    {RGB(0x00, 0x00, 0x00), COLOR_BTNTEXT},
    {RGB(0x80, 0x80, 0x80), COLOR_BTNSHADOW},
    {RGB(0xC0, 0xC0, 0xC0), COLOR_BTNFACE},
    {RGB(0xFF, 0xFF, 0xFF), COLOR_BTNHIGHLIGHT},
};

RGBQUAD ToQuad(COLORREF clr)
{
    RGBQUAD quad;
    quad.rgbRed = GetRValue(clr);
    quad.rgbGreen = GetGValue(clr);
    quad.rgbBlue = GetBValue(clr);
    quad.rgbReserved = 0;
    return quad;
}

}  // namespace

// Images with a colour table (up to 8 bits per pixel) have its standard
// entries replaced; deeper images load unchanged.  The result is a bitmap
// compatible with the screen (monochrome with bMono), owned by the caller.
HBITMAP AFXAPI AfxLoadSysColorBitmap(HINSTANCE hInst, HRSRC hRsrc, BOOL bMono)
{
    HGLOBAL hGlobal = ::LoadResource(hInst, hRsrc);
    const BITMAPINFOHEADER* pHeader = hGlobal != NULL ? (const BITMAPINFOHEADER*)::LockResource(hGlobal) : NULL;
    DWORD cbResource = ::SizeofResource(hInst, hRsrc);
    if (pHeader == NULL || cbResource < sizeof(BITMAPINFOHEADER) || pHeader->biSize < sizeof(BITMAPINFOHEADER))
        return NULL;

    int nColors = 0;
    if (pHeader->biBitCount <= 8)
        nColors = pHeader->biClrUsed != 0 ? (int)pHeader->biClrUsed : 1 << pHeader->biBitCount;
    DWORD cbMasks = pHeader->biCompression == BI_BITFIELDS ? 3 * sizeof(DWORD) : 0;
    DWORD cbInfo = pHeader->biSize + cbMasks + (DWORD)nColors * sizeof(RGBQUAD);
    if (cbResource < cbInfo)
        return NULL;

    // A private copy of the header and colour table to change.
    BITMAPINFO* pInfo = (BITMAPINFO*)malloc(cbInfo);
    if (pInfo == NULL)
        return NULL;
    memcpy(pInfo, pHeader, cbInfo);
    RGBQUAD* pColorTable = (RGBQUAD*)((BYTE*)pInfo + pHeader->biSize + cbMasks);
    for (int i = 0; i < nColors; i++) {
        COLORREF clr = RGB(pColorTable[i].rgbRed, pColorTable[i].rgbGreen, pColorTable[i].rgbBlue);
        for (const CColorMap& map : kSysColorMap) {
            if (clr == map.rgbDrawn) {
                pColorTable[i] = ToQuad(::GetSysColor(map.nSysColor));
                break;
            }
        }
    }

    const BYTE* pBits = (const BYTE*)pHeader + cbInfo;
    HDC hdcScreen = ::GetDC(NULL);
    HBITMAP hbm = NULL;
    if (bMono) {
        LONG cy = pHeader->biHeight < 0 ? -pHeader->biHeight : pHeader->biHeight;
        hbm = ::CreateBitmap(pHeader->biWidth, cy, 1, 1, NULL);
        if (hbm != NULL)
            ::SetDIBits(hdcScreen, hbm, 0, (UINT)cy, pBits, pInfo, DIB_RGB_COLORS);
    } else {
        hbm = ::CreateDIBitmap(hdcScreen, &pInfo->bmiHeader, CBM_INIT, pBits, pInfo, DIB_RGB_COLORS);
    }
    ::ReleaseDC(NULL, hdcScreen);
    free(pInfo);
    return hbm;
}
