// String helpers: inserting strings into %1..%9 of a format, and picking one
// field of a separated string.
#include "mfcimpl.h"

void AFXAPI AfxFormatStrings(CString& rString, LPCTSTR lpszFormat, LPCTSTR const* rglpsz, int nString)
{
    CString strResult;
    for (LPCTSTR lpsz = lpszFormat; lpsz != NULL && *lpsz != '\0'; lpsz++) {
        if (lpsz[0] == '%' && lpsz[1] >= '1' && lpsz[1] <= '9') {
            int i = lpsz[1] - '1';
            if (i < nString && rglpsz[i] != NULL)
                strResult += rglpsz[i];
            lpsz++;
            continue;
        }
        strResult += *lpsz;
    }
    rString = strResult;
}

void AFXAPI AfxFormatStrings(CString& rString, UINT nIDS, LPCTSTR const* rglpsz, int nString)
{
    CString strFormat;
    strFormat.LoadString(nIDS);
    AfxFormatStrings(rString, strFormat, rglpsz, nString);
}

void AFXAPI AfxFormatString1(CString& rString, UINT nIDS, LPCTSTR lpsz1)
{
    AfxFormatStrings(rString, nIDS, &lpsz1, 1);
}

void AFXAPI AfxFormatString2(CString& rString, UINT nIDS, LPCTSTR lpsz1, LPCTSTR lpsz2)
{
    LPCTSTR rglpsz[2] = {lpsz1, lpsz2};
    AfxFormatStrings(rString, nIDS, rglpsz, 2);
}

// Field iSubString (from 0) of lpszFullString split at chSep; FALSE, and an
// empty string, when there are not that many fields.
BOOL AFXAPI AfxExtractSubString(CString& rString, LPCTSTR lpszFullString, int iSubString, TCHAR chSep)
{
    rString.Empty();
    if (lpszFullString == NULL || iSubString < 0)
        return FALSE;
    while (iSubString-- > 0) {
        lpszFullString = strchr(lpszFullString, chSep);
        if (lpszFullString == NULL)
            return FALSE;
        lpszFullString++;
    }
    LPCTSTR lpszEnd = strchr(lpszFullString, chSep);
    int nLen = lpszEnd == NULL ? lstrlen(lpszFullString) : (int)(lpszEnd - lpszFullString);
    rString = CString(lpszFullString, nLen);
    return TRUE;
}
