// CString: reference-counted, copy-on-write ANSI strings.
#include "mfcimpl.h"

#include <stdio.h>

namespace {

// Every empty string shares this locked, never-freed block.
struct EmptyString
{
    CStringData data = {-1, 0, 0};
    TCHAR nul = 0;
};
EmptyString g_empty;

}  // namespace

#define afxEmptyString (g_empty.data.data())

void CString::Init()
{
    m_pchData = afxEmptyString;
}

CString::CString()
{
    Init();
}

CString::CString(const CString& stringSrc)
{
    if (stringSrc.GetData()->nRefs >= 0 && stringSrc.GetData() != &g_empty.data) {
        m_pchData = stringSrc.m_pchData;
        ::InterlockedIncrement(&GetData()->nRefs);
    } else {
        Init();
        *this = stringSrc.m_pchData;
    }
}

CString::CString(TCHAR ch, int nRepeat)
{
    Init();
    if (nRepeat >= 1) {
        AllocBuffer(nRepeat);
        memset(m_pchData, ch, (size_t)nRepeat);
    }
}

CString::CString(LPCSTR lpsz)
{
    Init();
    if (lpsz != NULL && IS_INTRESOURCE(lpsz)) {
        LoadString(LOWORD((UINT_PTR)lpsz));
        return;
    }
    int nLen = SafeStrlen(lpsz);
    if (nLen != 0) {
        AllocBuffer(nLen);
        memcpy(m_pchData, lpsz, (size_t)nLen);
    }
}

CString::CString(LPCWSTR lpsz)
{
    Init();
    int nSrcLen = lpsz != NULL ? (int)wcslen(lpsz) : 0;
    if (nSrcLen != 0) {
        int nLen = ::WideCharToMultiByte(CP_ACP, 0, lpsz, nSrcLen, NULL, 0, NULL, NULL);
        AllocBuffer(nLen);
        ::WideCharToMultiByte(CP_ACP, 0, lpsz, nSrcLen, m_pchData, nLen, NULL, NULL);
    }
}

CString::CString(LPCTSTR lpch, int nLength)
{
    Init();
    if (nLength != 0 && lpch != NULL) {
        AllocBuffer(nLength);
        memcpy(m_pchData, lpch, (size_t)nLength);
    }
}

CString::CString(const unsigned char* psz)
{
    Init();
    *this = (LPCSTR)psz;
}

CString::~CString()
{
    Release();
}

void CString::AllocBuffer(int nLen)
{
    if (nLen == 0) {
        Init();
        return;
    }
    CStringData* pData = (CStringData*)new BYTE[sizeof(CStringData) + (size_t)(nLen + 1) * sizeof(TCHAR)];
    pData->nRefs = 1;
    pData->data()[nLen] = '\0';
    pData->nDataLength = nLen;
    pData->nAllocLength = nLen;
    m_pchData = pData->data();
}

void PASCAL CString::Release(CStringData* pData)
{
    if (pData != &g_empty.data && ::InterlockedDecrement(&pData->nRefs) <= 0)
        delete[] (BYTE*)pData;
}

void CString::Release()
{
    if (GetData() != &g_empty.data) {
        CStringData* pData = GetData();
        // A locked buffer (-1) has one owner.
        if (pData->nRefs < 0 || ::InterlockedDecrement(&pData->nRefs) <= 0)
            delete[] (BYTE*)pData;
        Init();
    }
}

void CString::Empty()
{
    if (GetData()->nDataLength == 0)
        return;
    if (GetData()->nRefs >= 0)
        Release();
    else
        *this = "";
}

void CString::CopyBeforeWrite()
{
    if (GetData()->nRefs > 1) {
        CStringData* pData = GetData();
        Release();
        AllocBuffer(pData->nDataLength);
        memcpy(m_pchData, pData->data(), (size_t)(pData->nDataLength + 1) * sizeof(TCHAR));
    }
}

void CString::AllocBeforeWrite(int nLen)
{
    if (GetData()->nRefs > 1 || nLen > GetData()->nAllocLength) {
        Release();
        AllocBuffer(nLen);
    }
}

void CString::AssignCopy(int nSrcLen, LPCTSTR lpszSrcData)
{
    AllocBeforeWrite(nSrcLen);
    if (nSrcLen == 0 && GetData() == &g_empty.data)
        return;
    memmove(m_pchData, lpszSrcData, (size_t)nSrcLen * sizeof(TCHAR));
    GetData()->nDataLength = nSrcLen;
    m_pchData[nSrcLen] = '\0';
}

void CString::SetAt(int nIndex, TCHAR ch)
{
    CopyBeforeWrite();
    m_pchData[nIndex] = ch;
}

const CString& CString::operator=(const CString& stringSrc)
{
    if (m_pchData == stringSrc.m_pchData)
        return *this;
    if ((GetData()->nRefs < 0 && GetData() != &g_empty.data) || stringSrc.GetData()->nRefs < 0) {
        AssignCopy(stringSrc.GetData()->nDataLength, stringSrc.m_pchData);
    } else {
        Release();
        m_pchData = stringSrc.m_pchData;
        if (GetData() != &g_empty.data)
            ::InterlockedIncrement(&GetData()->nRefs);
    }
    return *this;
}

const CString& CString::operator=(LPCSTR lpsz)
{
    // lpsz may point into this string's own buffer: copy before releasing.
    CString copy(lpsz != NULL ? lpsz : "", SafeStrlen(lpsz));
    AssignCopy(copy.GetLength(), copy.m_pchData);
    return *this;
}

const CString& CString::operator=(LPCWSTR lpsz)
{
    *this = CString(lpsz);
    return *this;
}

const CString& CString::operator=(const unsigned char* psz)
{
    *this = (LPCSTR)psz;
    return *this;
}

const CString& CString::operator=(TCHAR ch)
{
    AssignCopy(1, &ch);
    return *this;
}

void CString::ConcatCopy(int nSrc1Len, LPCTSTR lpszSrc1Data, int nSrc2Len, LPCTSTR lpszSrc2Data)
{
    int nNewLen = nSrc1Len + nSrc2Len;
    if (nNewLen != 0) {
        AllocBuffer(nNewLen);
        memcpy(m_pchData, lpszSrc1Data, (size_t)nSrc1Len * sizeof(TCHAR));
        memcpy(m_pchData + nSrc1Len, lpszSrc2Data, (size_t)nSrc2Len * sizeof(TCHAR));
    }
}

CString AFXAPI operator+(const CString& string1, const CString& string2)
{
    CString s;
    s.ConcatCopy(string1.GetLength(), string1.m_pchData, string2.GetLength(), string2.m_pchData);
    return s;
}

CString AFXAPI operator+(const CString& string, LPCTSTR lpsz)
{
    CString s;
    s.ConcatCopy(string.GetLength(), string.m_pchData, CString::SafeStrlen(lpsz), lpsz);
    return s;
}

CString AFXAPI operator+(LPCTSTR lpsz, const CString& string)
{
    CString s;
    s.ConcatCopy(CString::SafeStrlen(lpsz), lpsz, string.GetLength(), string.m_pchData);
    return s;
}

CString AFXAPI operator+(const CString& string, TCHAR ch)
{
    CString s;
    s.ConcatCopy(string.GetLength(), string.m_pchData, 1, &ch);
    return s;
}

CString AFXAPI operator+(TCHAR ch, const CString& string)
{
    CString s;
    s.ConcatCopy(1, &ch, string.GetLength(), string.m_pchData);
    return s;
}

void CString::ConcatInPlace(int nSrcLen, LPCTSTR lpszSrcData)
{
    if (nSrcLen == 0)
        return;
    if (GetData()->nRefs > 1 || GetData()->nDataLength + nSrcLen > GetData()->nAllocLength) {
        CStringData* pOldData = GetData();
        // Keep the old block alive while copying: lpszSrcData may live in it.
        ::InterlockedIncrement(&pOldData->nRefs);
        Release();
        ConcatCopy(pOldData->nDataLength, pOldData->data(), nSrcLen, lpszSrcData);
        CString::Release(pOldData);
    } else {
        memmove(m_pchData + GetData()->nDataLength, lpszSrcData, (size_t)nSrcLen * sizeof(TCHAR));
        GetData()->nDataLength += nSrcLen;
        m_pchData[GetData()->nDataLength] = '\0';
    }
}

const CString& CString::operator+=(LPCTSTR lpsz)
{
    ConcatInPlace(SafeStrlen(lpsz), lpsz);
    return *this;
}

const CString& CString::operator+=(TCHAR ch)
{
    ConcatInPlace(1, &ch);
    return *this;
}

const CString& CString::operator+=(const CString& string)
{
    ConcatInPlace(string.GetData()->nDataLength, string.m_pchData);
    return *this;
}

LPTSTR CString::GetBuffer(int nMinBufLength)
{
    if (GetData()->nRefs > 1 || nMinBufLength > GetData()->nAllocLength) {
        CStringData* pOldData = GetData();
        int nOldLen = pOldData->nDataLength;
        if (nMinBufLength < nOldLen)
            nMinBufLength = nOldLen;
        AllocBuffer(nMinBufLength);
        memcpy(m_pchData, pOldData->data(), (size_t)(nOldLen + 1) * sizeof(TCHAR));
        GetData()->nDataLength = nOldLen;
        if (pOldData != &g_empty.data && (pOldData->nRefs < 0 || ::InterlockedDecrement(&pOldData->nRefs) <= 0))
            delete[] (BYTE*)pOldData;
    }
    return m_pchData;
}

void CString::ReleaseBuffer(int nNewLength)
{
    CopyBeforeWrite();
    if (nNewLength == -1)
        nNewLength = lstrlen(m_pchData);
    if (GetData() == &g_empty.data)
        return;
    GetData()->nDataLength = nNewLength;
    m_pchData[nNewLength] = '\0';
}

LPTSTR CString::GetBufferSetLength(int nNewLength)
{
    GetBuffer(nNewLength);
    if (GetData() != &g_empty.data) {
        GetData()->nDataLength = nNewLength;
        m_pchData[nNewLength] = '\0';
    }
    return m_pchData;
}

void CString::FreeExtra()
{
    if (GetData()->nDataLength != GetData()->nAllocLength) {
        CString copy(m_pchData, GetData()->nDataLength);
        *this = copy;
    }
}

LPTSTR CString::LockBuffer()
{
    LPTSTR lpsz = GetBuffer(0);
    if (GetData() != &g_empty.data)
        GetData()->nRefs = -1;
    return lpsz;
}

void CString::UnlockBuffer()
{
    if (GetData() != &g_empty.data)
        GetData()->nRefs = 1;
}

CString CString::Mid(int nFirst) const
{
    return Mid(nFirst, GetData()->nDataLength - nFirst);
}

CString CString::Mid(int nFirst, int nCount) const
{
    if (nFirst < 0)
        nFirst = 0;
    if (nCount < 0)
        nCount = 0;
    if (nFirst > GetData()->nDataLength)
        nFirst = GetData()->nDataLength;
    if (nFirst + nCount > GetData()->nDataLength)
        nCount = GetData()->nDataLength - nFirst;
    if (nFirst == 0 && nCount == GetData()->nDataLength)
        return *this;
    return CString(m_pchData + nFirst, nCount);
}

CString CString::Right(int nCount) const
{
    if (nCount < 0)
        nCount = 0;
    if (nCount >= GetData()->nDataLength)
        return *this;
    return CString(m_pchData + GetData()->nDataLength - nCount, nCount);
}

CString CString::Left(int nCount) const
{
    if (nCount < 0)
        nCount = 0;
    if (nCount >= GetData()->nDataLength)
        return *this;
    return CString(m_pchData, nCount);
}

CString CString::SpanIncluding(LPCTSTR lpszCharSet) const
{
    return Left((int)strspn(m_pchData, lpszCharSet));
}

CString CString::SpanExcluding(LPCTSTR lpszCharSet) const
{
    return Left((int)strcspn(m_pchData, lpszCharSet));
}

void CString::MakeUpper()
{
    CopyBeforeWrite();
    ::CharUpperBuff(m_pchData, (DWORD)GetLength());
}

void CString::MakeLower()
{
    CopyBeforeWrite();
    ::CharLowerBuff(m_pchData, (DWORD)GetLength());
}

void CString::MakeReverse()
{
    CopyBeforeWrite();
    for (int i = 0, j = GetLength() - 1; i < j; i++, j--) {
        TCHAR ch = m_pchData[i];
        m_pchData[i] = m_pchData[j];
        m_pchData[j] = ch;
    }
}

int CString::Replace(TCHAR chOld, TCHAR chNew)
{
    int nCount = 0;
    if (chOld == chNew)
        return 0;
    for (int i = 0; i < GetLength(); i++) {
        if (m_pchData[i] == chOld) {
            if (nCount == 0)
                CopyBeforeWrite();
            m_pchData[i] = chNew;
            nCount++;
        }
    }
    return nCount;
}

int CString::Replace(LPCTSTR lpszOld, LPCTSTR lpszNew)
{
    int nOldLen = SafeStrlen(lpszOld);
    if (nOldLen == 0)
        return 0;
    int nNewLen = SafeStrlen(lpszNew);
    CString result;
    int nCount = 0;
    LPCTSTR p = m_pchData;
    for (LPCTSTR pHit; (pHit = strstr(p, lpszOld)) != NULL; p = pHit + nOldLen) {
        result += CString(p, (int)(pHit - p));
        result += CString(lpszNew != NULL ? lpszNew : "", nNewLen);
        nCount++;
    }
    if (nCount > 0) {
        result += p;
        *this = result;
    }
    return nCount;
}

int CString::Remove(TCHAR chRemove)
{
    CopyBeforeWrite();
    LPTSTR pSource = m_pchData;
    LPTSTR pDest = m_pchData;
    LPTSTR pEnd = m_pchData + GetData()->nDataLength;
    for (; pSource < pEnd; pSource++) {
        if (*pSource != chRemove)
            *pDest++ = *pSource;
    }
    *pDest = '\0';
    int nCount = (int)(pSource - pDest);
    if (GetData() != &g_empty.data)
        GetData()->nDataLength -= nCount;
    return nCount;
}

int CString::Insert(int nIndex, LPCTSTR pstr)
{
    if (nIndex < 0)
        nIndex = 0;
    if (nIndex > GetLength())
        nIndex = GetLength();
    CString result(m_pchData, nIndex);
    result += pstr;
    result += m_pchData + nIndex;
    *this = result;
    return GetLength();
}

int CString::Insert(int nIndex, TCHAR ch)
{
    TCHAR sz[2] = {ch, 0};
    return Insert(nIndex, sz);
}

int CString::Delete(int nIndex, int nCount)
{
    if (nIndex < 0)
        nIndex = 0;
    int nLength = GetLength();
    if (nCount > 0 && nIndex < nLength) {
        if (nIndex + nCount > nLength)
            nCount = nLength - nIndex;
        CopyBeforeWrite();
        memmove(m_pchData + nIndex, m_pchData + nIndex + nCount, (size_t)(nLength - nIndex - nCount + 1));
        GetData()->nDataLength = nLength - nCount;
    }
    return GetLength();
}

void CString::TrimRight(LPCTSTR lpszTargets)
{
    int nLen = GetLength();
    while (nLen > 0 && strchr(lpszTargets, m_pchData[nLen - 1]) != NULL)
        nLen--;
    if (nLen < GetLength()) {
        CopyBeforeWrite();
        m_pchData[nLen] = '\0';
        GetData()->nDataLength = nLen;
    }
}

void CString::TrimRight(TCHAR chTarget)
{
    TCHAR sz[2] = {chTarget, 0};
    TrimRight(sz);
}

void CString::TrimRight()
{
    TrimRight(" \t\n\r\v\f");
}

void CString::TrimLeft(LPCTSTR lpszTargets)
{
    int nFirst = 0;
    while (nFirst < GetLength() && strchr(lpszTargets, m_pchData[nFirst]) != NULL)
        nFirst++;
    if (nFirst > 0)
        *this = Mid(nFirst);
}

void CString::TrimLeft(TCHAR chTarget)
{
    TCHAR sz[2] = {chTarget, 0};
    TrimLeft(sz);
}

void CString::TrimLeft()
{
    TrimLeft(" \t\n\r\v\f");
}

int CString::Find(TCHAR ch) const
{
    return Find(ch, 0);
}

int CString::Find(TCHAR ch, int nStart) const
{
    if (nStart < 0 || nStart >= GetLength() || ch == '\0')
        return -1;
    LPCTSTR lpsz = strchr(m_pchData + nStart, ch);
    return lpsz == NULL ? -1 : (int)(lpsz - m_pchData);
}

int CString::ReverseFind(TCHAR ch) const
{
    LPCTSTR lpsz = strrchr(m_pchData, ch);
    return lpsz == NULL ? -1 : (int)(lpsz - m_pchData);
}

int CString::FindOneOf(LPCTSTR lpszCharSet) const
{
    LPCTSTR lpsz = strpbrk(m_pchData, lpszCharSet);
    return lpsz == NULL ? -1 : (int)(lpsz - m_pchData);
}

int CString::Find(LPCTSTR lpszSub) const
{
    return Find(lpszSub, 0);
}

int CString::Find(LPCTSTR lpszSub, int nStart) const
{
    if (nStart < 0 || nStart > GetLength())
        return -1;
    LPCTSTR lpsz = strstr(m_pchData + nStart, lpszSub);
    return lpsz == NULL ? -1 : (int)(lpsz - m_pchData);
}

void CString::FormatV(LPCTSTR lpszFormat, va_list argList)
{
    va_list argCopy;
    va_copy(argCopy, argList);
    int nLen = vsnprintf(NULL, 0, lpszFormat, argCopy);
    va_end(argCopy);
    if (nLen < 0) {
        Empty();
        return;
    }
    CString result;
    if (nLen > 0) {
        result.AllocBuffer(nLen);
        vsnprintf(result.m_pchData, (size_t)nLen + 1, lpszFormat, argList);
    }
    *this = result;
}

void AFX_CDECL CString::Format(LPCTSTR lpszFormat, ...)
{
    va_list argList;
    va_start(argList, lpszFormat);
    FormatV(lpszFormat, argList);
    va_end(argList);
}

void AFX_CDECL CString::Format(UINT nFormatID, ...)
{
    CString strFormat;
    strFormat.LoadString(nFormatID);
    va_list argList;
    va_start(argList, nFormatID);
    FormatV(strFormat, argList);
    va_end(argList);
}

BOOL CString::LoadString(UINT nID)
{
    TCHAR szTemp[256];
    int nLen = AfxLoadString(nID, szTemp, 256);
    if (nLen < 255) {
        AssignCopy(nLen, szTemp);
        return nLen > 0;
    }
    // Longer strings: grow until the text fits.
    int nSize = 256;
    do {
        nSize += 256;
        nLen = AfxLoadString(nID, GetBuffer(nSize - 1), (UINT)nSize);
    } while (nSize - nLen <= 1);
    ReleaseBuffer(nLen);
    return nLen > 0;
}

int AFXAPI AfxLoadString(UINT nID, LPTSTR lpszBuf, UINT nMaxBuf)
{
    // String resources live in blocks of 16, named by (id / 16) + 1.
    HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCE((nID >> 4) + 1), RT_STRING);
    int nLen = ::LoadString(hInst, nID, lpszBuf, (int)nMaxBuf);
    if (nLen == 0)
        lpszBuf[0] = '\0';
    return nLen;
}
