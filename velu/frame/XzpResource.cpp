// XzpResource.cpp - finds "BINARY" resources and inflates their raw DEFLATE streams.
#include "frame/VeluFrame.h"

#include <stdlib.h>
#include <string.h>
#include <zlib.h>

namespace
{
const DWORD kInflateWindow = 32768;   // the inflater hands out at most this much at a time
const DWORD kGrowSlack = 5120;        // so that a typical skin needs a single allocation

// The caller's block: it only grows, by what is needed plus the slack.
struct OutputBlock
{
    LPBYTE pData;
    DWORD cbCapacity;
    DWORD cbUsed;
};

BOOL AppendPiece(OutputBlock& out, const BYTE* pPiece, DWORD cbPiece)
{
    if (out.cbUsed + cbPiece > out.cbCapacity)
    {
        const DWORD cbNew = out.cbUsed + cbPiece + kGrowSlack;
        LPBYTE pNew = static_cast<LPBYTE>(malloc(cbNew));
        if (pNew == NULL)
            return FALSE;
        if (out.cbUsed != 0)
            memcpy(pNew, out.pData, out.cbUsed);
        free(out.pData);
        out.pData = pNew;
        out.cbCapacity = cbNew;
    }
    memcpy(out.pData + out.cbUsed, pPiece, cbPiece);
    out.cbUsed += cbPiece;
    return TRUE;
}

// The first piece is inflated straight into a block of the size the growth
// rule gives a whole window's piece, which saves copying the bulk of a skin;
// a shorter first piece then gets the block the rule gives it, shrunk in
// place, and a piece of nothing gets no block.
int InflateFirstPiece(z_stream& zs, OutputBlock& out)
{
    out.pData = static_cast<LPBYTE>(malloc(kInflateWindow + kGrowSlack));
    if (out.pData == NULL)
        return Z_MEM_ERROR;
    zs.next_out = out.pData;
    zs.avail_out = kInflateWindow;
    const int rc = inflate(&zs, Z_NO_FLUSH);
    out.cbUsed = kInflateWindow - zs.avail_out;
    out.cbCapacity = out.cbUsed + kGrowSlack;
    if (out.cbUsed == 0)
    {
        free(out.pData);
        out.pData = NULL;
        out.cbCapacity = 0;
    }
    else if (out.cbUsed < kInflateWindow)
    {
        LPBYTE pShrunk = static_cast<LPBYTE>(realloc(out.pData, out.cbCapacity));
        if (pShrunk != NULL)
            out.pData = pShrunk;
    }
    return rc;
}

// Succeeds only when the final block is reached without error; a stream that
// stops short (its input runs out first) fails like a corrupt one.
BOOL InflateRaw(const BYTE* pStored, DWORD cbStored, OutputBlock& out)
{
    z_stream zs;
    memset(&zs, 0, sizeof(zs));
    if (inflateInit2(&zs, -MAX_WBITS) != Z_OK)
        return FALSE;

    zs.next_in = const_cast<Bytef*>(pStored);
    zs.avail_in = cbStored;
    int rc = InflateFirstPiece(zs, out);
    BYTE piece[kInflateWindow];
    while (rc == Z_OK)
    {
        zs.next_out = piece;
        zs.avail_out = kInflateWindow;
        rc = inflate(&zs, Z_NO_FLUSH);
        if (rc != Z_OK && rc != Z_STREAM_END)
            break;
        const DWORD cbPiece = kInflateWindow - zs.avail_out;
        if (cbPiece != 0 && !AppendPiece(out, piece, cbPiece))
            rc = Z_MEM_ERROR;
    }
    inflateEnd(&zs);
    return rc == Z_STREAM_END;
}
}

extern "C" LPBYTE LoadBinaryResourceName(HMODULE hModule, LPCSTR pszName, DWORD* pdwSize)
{
    HRSRC hResource = ::FindResourceA(hModule, pszName, VELU_XZP_TYPE);
    const DWORD cbStored = hResource != NULL ? ::SizeofResource(hModule, hResource) : 0;
    HGLOBAL hStored = hResource != NULL ? ::LoadResource(hModule, hResource) : NULL;
    if (hStored == NULL)
        return NULL;
    const BYTE* pStored = static_cast<const BYTE*>(::LockResource(hStored));
    if (pStored == NULL)
        return NULL;

    OutputBlock out = { NULL, 0, 0 };
    if (!InflateRaw(pStored, cbStored, out))
    {
        free(out.pData);
        return NULL;
    }
    if (pdwSize != NULL)
        *pdwSize = out.cbUsed;
    return out.pData;   // null, with a count of 0, when the stream held no bytes
}

extern "C" LPBYTE LoadBinaryResource(HMODULE hModule, UINT nID, DWORD* pdwSize)
{
    return LoadBinaryResourceName(hModule, MAKEINTRESOURCEA(LOWORD(nID)), pdwSize);
}

extern "C" void FreeBinaryResource(LPVOID pBlock)
{
    if (pBlock != NULL)
        free(pBlock);
}
