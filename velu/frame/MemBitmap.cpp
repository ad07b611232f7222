// MemBitmap.cpp - turns a BMP file image in memory into a bitmap, and samples one pixel of a bitmap.
#include "frame/VeluFrameInternal.h"

#include <stdlib.h>
#include <string.h>

namespace
{
const WORD kBmpSignature = 0x4D42;        // "BM"
const DWORD kFileHeaderSize = 14;
const DWORD kInfoHeaderSize = 40;         // the header's own size field is not trusted
const DWORD kMaxPaletteColours = 256;
const int kSampleRowBytes = 4096;

// Header sizes of the BMP versions that start with the 40-byte layout read
// here: the information header, its V2 and V3 extensions, OS/2's 64-byte
// header, V4 and V5. (The 12-byte core header keeps its fields elsewhere.)
const DWORD kHeaderSizes[] = { 40, 52, 56, 64, 108, 124 };

// Bounds beyond which a header is taken to lie. The platform reads at most
// kMaxStoredBytes of bits and makes a screen-compatible bitmap of 4 bytes a
// pixel: no skin or picture a dialog shows comes near 16 million pixels
// (twice a 4096 x 2048 screen), and a damaged header declaring more would
// hold the application for seconds while hundreds of megabytes are made.
const ULONGLONG kMaxStoredBytes = ULONGLONG(256) << 20;
const ULONGLONG kMaxScreenBytes = ULONGLONG(64) << 20;
const ULONGLONG kScreenPixelBytes = 4;

template <class T>
T ReadField(const BYTE* p)
{
    T value;
    memcpy(&value, p, sizeof(value));
    return value;
}

// Colours used, or every colour the depth can name.
DWORD ColourCount(WORD wBitCount, DWORD dwClrUsed)
{
    if (dwClrUsed != 0)
        return dwClrUsed;
    return wBitCount < 32 ? (DWORD(1) << wBitCount) : 0xFFFFFFFF;
}

// The bits follow the colour table (deep images only carry the table they
// say they use, plus three masks for bit fields), not the file's offset field.
DWORD BitsOffset(const BITMAPINFOHEADER& info, DWORD dwColours)
{
    if (info.biBitCount <= 8)
        return kInfoHeaderSize + 4 * dwColours;
    return kInfoHeaderSize + 4 * info.biClrUsed + (info.biCompression == BI_BITFIELDS ? 12 : 0);
}

bool IsBmpDepth(WORD wBitCount)
{
    return wBitCount == 1 || wBitCount == 4 || wBitCount == 8 || wBitCount == 16 || wBitCount == 24 ||
           wBitCount == 32;
}

// Whether the compression fits the depth and the row order: RLE only for 8
// and 4 bits stored bottom-up, bit fields only for 16 and 32 bits.
bool IsBmpCompression(const BITMAPINFOHEADER& info)
{
    switch (info.biCompression)
    {
    case BI_RGB:
        return true;
    case BI_RLE8:
        return info.biBitCount == 8 && info.biHeight > 0;
    case BI_RLE4:
        return info.biBitCount == 4 && info.biHeight > 0;
    case BI_BITFIELDS:
        return info.biBitCount == 16 || info.biBitCount == 32;
    default:
        return false;
    }
}

// The loader takes no length, so it cannot check an image against its
// buffer; it refuses the headers no real image has, which the platform would
// follow far outside any buffer: an unknown header size (the platform finds
// the colour table behind it), more colours than the depth can use or a
// table beyond 256 entries, no pixels, and sizes beyond the bounds, all
// worked out in 64-bit arithmetic so that nothing wraps.
bool IsPossibleHeader(const BITMAPINFOHEADER& info)
{
    bool bKnownSize = false;
    for (DWORD dwSize : kHeaderSizes)
        bKnownSize = bKnownSize || info.biSize == dwSize;
    if (!bKnownSize || !IsBmpDepth(info.biBitCount) || !IsBmpCompression(info))
        return false;
    const DWORD dwMaxColours = info.biBitCount <= 8 ? DWORD(1) << info.biBitCount : kMaxPaletteColours;
    if (info.biClrUsed > dwMaxColours || info.biWidth <= 0 || info.biHeight == 0)
        return false;
    const ULONGLONG nWidth = ULONGLONG(info.biWidth);
    const ULONGLONG nRows = info.biHeight < 0 ? ULONGLONG(-LONGLONG(info.biHeight)) : ULONGLONG(info.biHeight);
    const ULONGLONG nStride = (nWidth * info.biBitCount + 31) / 32 * 4;
    const bool bRle = info.biCompression == BI_RLE8 || info.biCompression == BI_RLE4;
    const ULONGLONG nStored = bRle ? ULONGLONG(info.biSizeImage) : nStride * nRows;
    return nStored <= kMaxStoredBytes && nWidth * nRows * kScreenPixelBytes <= kMaxScreenBytes;
}

HPALETTE CreateTablePalette(const BYTE* pInfo, DWORD dwColours)
{
    const size_t cb = sizeof(LOGPALETTE) + dwColours * sizeof(PALETTEENTRY);
    LOGPALETTE* pLog = static_cast<LOGPALETTE*>(malloc(cb));
    if (pLog == NULL)
        return NULL;
    pLog->palVersion = 0x300;
    pLog->palNumEntries = static_cast<WORD>(dwColours);
    const BYTE* pTable = pInfo + kInfoHeaderSize;
    for (DWORD i = 0; i < dwColours; ++i)
    {
        pLog->palPalEntry[i].peRed = pTable[4 * i + 2];
        pLog->palPalEntry[i].peGreen = pTable[4 * i + 1];
        pLog->palPalEntry[i].peBlue = pTable[4 * i];
        pLog->palPalEntry[i].peFlags = 0;
    }
    HPALETTE hPalette = ::CreatePalette(pLog);
    free(pLog);
    return hPalette;
}

// A screen-compatible bitmap from the header and bits, with the palette
// realised in the desktop DC while it is made.
HBITMAP CreateScreenBitmap(const BYTE* pInfo, const BYTE* pBits, HPALETTE hPalette)
{
    HWND hDesktop = ::GetDesktopWindow();
    HDC hDC = ::GetDC(hDesktop);
    HPALETTE hOldPalette = NULL;
    if (hPalette != NULL)
    {
        hOldPalette = ::SelectPalette(hDC, hPalette, FALSE);
        ::RealizePalette(hDC);
    }
    const BITMAPINFOHEADER* pHeader = reinterpret_cast<const BITMAPINFOHEADER*>(pInfo);
    HBITMAP hBitmap = ::CreateDIBitmap(hDC, pHeader, CBM_INIT, pBits,
                                       reinterpret_cast<const BITMAPINFO*>(pInfo), DIB_RGB_COLORS);
    if (hPalette != NULL)
        ::SelectPalette(hDC, hOldPalette, FALSE);
    ::ReleaseDC(hDesktop, hDC);
    return hBitmap;
}

COLORREF TableColour(const RGBQUAD* pTable, int nIndex)
{
    return RGB(pTable[nIndex].rgbRed, pTable[nIndex].rgbGreen, pTable[nIndex].rgbBlue);
}

COLORREF DecodePixel(const BYTE* pRow, int nColumn, int nBitCount, const RGBQUAD* pTable)
{
    switch (nBitCount)
    {
    case 1:
        return TableColour(pTable, (pRow[nColumn / 8] >> (7 - nColumn % 8)) & 1);
    case 4:
        return TableColour(pTable, nColumn % 2 == 0 ? pRow[nColumn / 2] >> 4 : pRow[nColumn / 2] & 0x0F);
    case 8:
        return TableColour(pTable, pRow[nColumn]);
    case 16:
    {
        const WORD w = ReadField<WORD>(pRow + 2 * nColumn);
        return RGB(((w >> 10) & 0x1F) << 3, ((w >> 5) & 0x1F) << 3, (w & 0x1F) << 3);
    }
    case 24:
        return RGB(pRow[3 * nColumn + 2], pRow[3 * nColumn + 1], pRow[3 * nColumn]);
    case 32:
    {
        const DWORD d = ReadField<DWORD>(pRow + 4 * nColumn);
        return RGB((d >> 16) & 0xFF, (d >> 8) & 0xFF, d & 0xFF);
    }
    default:
        return RGB(0, 0, 0);
    }
}
}

extern "C" HBITMAP VELULoadMemBmp(LPVOID pImage, HPALETTE* phPalette, SIZE* pSize)
{
    if (phPalette != NULL)
        *phPalette = NULL;
    if (pSize != NULL)
    {
        pSize->cx = 0;
        pSize->cy = 0;
    }
    const BYTE* pFile = static_cast<const BYTE*>(pImage);
    if (ReadField<WORD>(pFile) != kBmpSignature)
        return NULL;

    const BYTE* pInfo = pFile + kFileHeaderSize;
    const BITMAPINFOHEADER info = ReadField<BITMAPINFOHEADER>(pInfo);
    if (!IsPossibleHeader(info))
        return NULL;
    const DWORD dwColours = ColourCount(info.biBitCount, info.biClrUsed);
    const BYTE* pBits = pInfo + BitsOffset(info, dwColours);

    HPALETTE hPalette = NULL;
    if (phPalette != NULL && dwColours <= kMaxPaletteColours)
    {
        hPalette = CreateTablePalette(pInfo, dwColours);
        *phPalette = hPalette;
    }

    HBITMAP hBitmap = CreateScreenBitmap(pInfo, pBits, hPalette);
    if (hBitmap == NULL)
        return NULL;   // a palette made above stays with the caller

    if (pSize != NULL)
    {
        pSize->cx = info.biWidth;
        pSize->cy = info.biHeight;
    }
    ::SetBitmapDimensionEx(hBitmap, info.biWidth, info.biHeight, NULL);
    return hBitmap;
}

COLORREF GetBmpPixelColor(HDC hDC, HBITMAP hBitmap, int nScanLine, int nColumn)
{
    BITMAP bm;
    memset(&bm, 0, sizeof(bm));
    ::GetObjectA(hBitmap, sizeof(bm), &bm);

    struct
    {
        BITMAPINFOHEADER header;
        RGBQUAD colours[256];
    } info;
    memset(&info, 0, sizeof(info));
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    info.header.biWidth = bm.bmWidth;
    info.header.biHeight = bm.bmHeight;   // positive: rows run bottom-up
    info.header.biPlanes = 1;
    info.header.biBitCount = static_cast<WORD>(bm.bmPlanes * bm.bmBitsPixel);
    info.header.biCompression = BI_RGB;

    // Whatever GetDIBits leaves unwritten reads as black.
    BYTE row[kSampleRowBytes];
    memset(row, 0, sizeof(row));
    ::GetDIBits(hDC, hBitmap, nScanLine, 1, row, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    return DecodePixel(row, nColumn, info.header.biBitCount, info.colours);
}
