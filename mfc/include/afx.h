// Core of the MFC layer: CObject and run-time classes, simple lists, CString, diagnostics.
#pragma once

#include "afxver_.h"

#include <windows.h>
#include <tchar.h>
#include <stdarg.h>
#include <stddef.h>
#include <stdlib.h>
#include <string.h>

#ifndef PASCAL
#define PASCAL __stdcall
#endif

// ---------------------------------------------------------------- diagnostics
// Release semantics only: the checks vanish, VERIFY keeps its expression.
#ifndef ASSERT
#define ASSERT(f) ((void)0)
#endif
#define VERIFY(f) ((void)(f))
#define ASSERT_VALID(pOb) ((void)0)
#define ASSERT_KINDOF(class_name, object) ((void)0)
#define ASSERT_POINTER(p, type) ((void)0)
#define ASSERT_NULL_OR_POINTER(p, type) ((void)0)
#define DEBUG_ONLY(f) ((void)0)
inline void AFX_CDECL AfxTrace(LPCTSTR, ...) {}
#define TRACE 1 ? (void)0 : ::AfxTrace
#define TRACE0(sz)
#define TRACE1(sz, p1)
#define TRACE2(sz, p1, p2)
#define TRACE3(sz, p1, p2, p3)
#define THIS_FILE __FILE__
#define DEBUG_NEW new
#define UNUSED(x)
#define UNUSED_ALWAYS(x) (void)(x)

AFX_CORE_API BOOL AFXAPI AfxIsValidAddress(const void* lp, UINT nBytes, BOOL bReadWrite = TRUE);
AFX_CORE_API BOOL AFXAPI AfxIsValidString(LPCSTR lpsz, int nLength = -1);

typedef void* POSITION;
#define BEFORE_START_POSITION ((POSITION)-1L)

class CObject;
class CArchive;
class CDumpContext;
class CString;
struct CRuntimeClass;

// ---------------------------------------------------------------- CSimpleList
// An intrusive singly-linked list whose link lives inside the element at a
// fixed offset; the module state keeps its runtime classes this way.
class AFX_CORE_API CSimpleList
{
public:
    CSimpleList(int nNextOffset = 0) : m_pHead(NULL), m_nNextOffset((size_t)nNextOffset) {}
    void Construct(int nNextOffset) { m_nNextOffset = (size_t)nNextOffset; }

    BOOL IsEmpty() const { return m_pHead == NULL; }
    void AddHead(void* p) { *GetNextPtr(p) = m_pHead; m_pHead = p; }
    void RemoveAll() { m_pHead = NULL; }
    void* GetHead() const { return m_pHead; }
    void* GetNext(void* p) const { return *GetNextPtr(p); }
    BOOL Remove(void* p);

    void* m_pHead;
    size_t m_nNextOffset;

    void** GetNextPtr(void* p) const { return (void**)((BYTE*)p + m_nNextOffset); }
};

template<class TYPE>
class CTypedSimpleList : public CSimpleList
{
public:
    CTypedSimpleList(int nNextOffset = 0) : CSimpleList(nNextOffset) {}
    void AddHead(TYPE p) { CSimpleList::AddHead((void*)p); }
    TYPE GetHead() { return (TYPE)CSimpleList::GetHead(); }
    TYPE GetNext(TYPE p) { return (TYPE)CSimpleList::GetNext((void*)p); }
    BOOL Remove(TYPE p) { return CSimpleList::Remove((void*)p); }
    operator TYPE() { return (TYPE)CSimpleList::GetHead(); }
};

// ---------------------------------------------------------------- run-time classes
struct AFX_CORE_API CRuntimeClass
{
// Attributes
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema;                         // 0xFFFF: not serializable
    CObject* (PASCAL* m_pfnCreateObject)(); // NULL: abstract (not creatable)
    CRuntimeClass* m_pBaseClass;

// Operations
    CObject* CreateObject();
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;

// Implementation
    CRuntimeClass* m_pNextClass;            // link in the module's class list
};

// Adds a serializable class to the current module state's class list.
struct AFX_CORE_API AFX_CLASSINIT
{
    AFX_CLASSINIT(CRuntimeClass* pNewClass);
};

class AFX_CORE_API CObject
{
public:
// Object model
    virtual CRuntimeClass* GetRuntimeClass() const;
    virtual ~CObject();

protected:
    CObject();

private:
    CObject(const CObject& objectSrc);
    void operator=(const CObject& objectSrc);

public:
// Attributes
    BOOL IsSerializable() const;
    BOOL IsKindOf(const CRuntimeClass* pClass) const;

// Overridables
    virtual void Serialize(CArchive& ar);
    virtual void AssertValid() const;
    virtual void Dump(CDumpContext& dc) const;

// Implementation
public:
    static const CRuntimeClass classCObject;
};

#define RUNTIME_CLASS(class_name) ((CRuntimeClass*)(&class_name::class##class_name))

#define DECLARE_DYNAMIC(class_name) \
public: \
    static CRuntimeClass class##class_name; \
    virtual CRuntimeClass* GetRuntimeClass() const;

#define DECLARE_DYNCREATE(class_name) \
    DECLARE_DYNAMIC(class_name) \
    static CObject* PASCAL CreateObject();

#define DECLARE_SERIAL(class_name) \
    DECLARE_DYNCREATE(class_name) \
    friend CArchive& AFXAPI operator>>(CArchive& ar, class_name*& pOb);

#define _IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, pfnNew) \
    CRuntimeClass class_name::class##class_name = { \
        #class_name, sizeof(class class_name), wSchema, pfnNew, \
        RUNTIME_CLASS(base_class_name), NULL }; \
    CRuntimeClass* class_name::GetRuntimeClass() const \
        { return RUNTIME_CLASS(class_name); }

#define IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, pfnNew) \
    _IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, pfnNew)

#define IMPLEMENT_DYNAMIC(class_name, base_class_name) \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, NULL)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name) \
    CObject* PASCAL class_name::CreateObject() { return new class_name; } \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, class_name::CreateObject)

// Serializable classes also join the module's class list, which is what an
// extension DLL hands over to AfxInitExtensionModule.
#define IMPLEMENT_SERIAL(class_name, base_class_name, wSchema) \
    CObject* PASCAL class_name::CreateObject() { return new class_name; } \
    _IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, class_name::CreateObject) \
    static const AFX_CLASSINIT _init_##class_name(RUNTIME_CLASS(class_name));

AFX_CORE_API CObject* AFXAPI AfxDynamicDownCast(CRuntimeClass* pClass, CObject* pObject);
#define DYNAMIC_DOWNCAST(class_name, object) \
    ((class_name*)AfxDynamicDownCast(RUNTIME_CLASS(class_name), object))
#define STATIC_DOWNCAST(class_name, object) ((class_name*)(object))

// ---------------------------------------------------------------- CString
struct CStringData
{
    long nRefs;         // -1: locked, never shared
    int nDataLength;
    int nAllocLength;
    TCHAR* data() { return (TCHAR*)(this + 1); }
};

// Reference-counted, copy-on-write string; an object is exactly one pointer
// to the characters.  GCC passes class objects through "..." by address, so
// printf-style calls (Format included) need an explicit (LPCTSTR) cast.
class AFX_CORE_API CString
{
public:
// Constructors
    CString();
    CString(const CString& stringSrc);
    CString(TCHAR ch, int nRepeat = 1);
    CString(LPCSTR lpsz);
    CString(LPCWSTR lpsz);
    CString(LPCTSTR lpch, int nLength);
    CString(const unsigned char* psz);
    ~CString();

// Attributes & Operations
    int GetLength() const { return GetData()->nDataLength; }
    BOOL IsEmpty() const { return GetData()->nDataLength == 0; }
    void Empty();
    TCHAR GetAt(int nIndex) const { return m_pchData[nIndex]; }
    TCHAR operator[](int nIndex) const { return m_pchData[nIndex]; }
    void SetAt(int nIndex, TCHAR ch);
    operator LPCTSTR() const { return m_pchData; }

    const CString& operator=(const CString& stringSrc);
    const CString& operator=(TCHAR ch);
    const CString& operator=(LPCSTR lpsz);
    const CString& operator=(LPCWSTR lpsz);
    const CString& operator=(const unsigned char* psz);

    const CString& operator+=(const CString& string);
    const CString& operator+=(TCHAR ch);
    const CString& operator+=(LPCTSTR lpsz);

    friend AFX_CORE_API CString AFXAPI operator+(const CString& string1, const CString& string2);
    friend AFX_CORE_API CString AFXAPI operator+(const CString& string, TCHAR ch);
    friend AFX_CORE_API CString AFXAPI operator+(TCHAR ch, const CString& string);
    friend AFX_CORE_API CString AFXAPI operator+(const CString& string, LPCTSTR lpsz);
    friend AFX_CORE_API CString AFXAPI operator+(LPCTSTR lpsz, const CString& string);

    int Compare(LPCTSTR lpsz) const { return strcmp(m_pchData, lpsz); }
    int CompareNoCase(LPCTSTR lpsz) const { return _stricmp(m_pchData, lpsz); }
    int Collate(LPCTSTR lpsz) const { return strcoll(m_pchData, lpsz); }
    int CollateNoCase(LPCTSTR lpsz) const { return _stricoll(m_pchData, lpsz); }

    CString Mid(int nFirst, int nCount) const;
    CString Mid(int nFirst) const;
    CString Left(int nCount) const;
    CString Right(int nCount) const;
    CString SpanIncluding(LPCTSTR lpszCharSet) const;
    CString SpanExcluding(LPCTSTR lpszCharSet) const;

    void MakeUpper();
    void MakeLower();
    void MakeReverse();

    int Replace(TCHAR chOld, TCHAR chNew);
    int Replace(LPCTSTR lpszOld, LPCTSTR lpszNew);
    int Remove(TCHAR chRemove);
    int Insert(int nIndex, TCHAR ch);
    int Insert(int nIndex, LPCTSTR pstr);
    int Delete(int nIndex, int nCount = 1);

    void TrimRight();
    void TrimLeft();
    void TrimRight(TCHAR chTarget);
    void TrimRight(LPCTSTR lpszTargets);
    void TrimLeft(TCHAR chTarget);
    void TrimLeft(LPCTSTR lpszTargets);

    int Find(TCHAR ch) const;
    int Find(TCHAR ch, int nStart) const;
    int ReverseFind(TCHAR ch) const;
    int FindOneOf(LPCTSTR lpszCharSet) const;
    int Find(LPCTSTR lpszSub) const;
    int Find(LPCTSTR lpszSub, int nStart) const;

    void AFX_CDECL Format(LPCTSTR lpszFormat, ...);
    void AFX_CDECL Format(UINT nFormatID, ...);
    void FormatV(LPCTSTR lpszFormat, va_list argList);

    BOOL LoadString(UINT nID);

    LPTSTR GetBuffer(int nMinBufLength);
    void ReleaseBuffer(int nNewLength = -1);
    LPTSTR GetBufferSetLength(int nNewLength);
    void FreeExtra();
    LPTSTR LockBuffer();
    void UnlockBuffer();

// Implementation
protected:
    LPTSTR m_pchData;

    CStringData* GetData() const { return ((CStringData*)m_pchData) - 1; }
    void Init();
    void AllocBuffer(int nLen);
    void AssignCopy(int nSrcLen, LPCTSTR lpszSrcData);
    void ConcatCopy(int nSrc1Len, LPCTSTR lpszSrc1Data, int nSrc2Len, LPCTSTR lpszSrc2Data);
    void ConcatInPlace(int nSrcLen, LPCTSTR lpszSrcData);
    void CopyBeforeWrite();
    void AllocBeforeWrite(int nLen);
    void Release();
    static void PASCAL Release(CStringData* pData);
    static int PASCAL SafeStrlen(LPCTSTR lpsz) { return lpsz == NULL ? 0 : (int)lstrlen(lpsz); }
};

inline bool AFXAPI operator==(const CString& s1, const CString& s2) { return s1.Compare(s2) == 0; }
inline bool AFXAPI operator==(const CString& s1, LPCTSTR s2) { return s1.Compare(s2) == 0; }
inline bool AFXAPI operator==(LPCTSTR s1, const CString& s2) { return s2.Compare(s1) == 0; }
inline bool AFXAPI operator!=(const CString& s1, const CString& s2) { return s1.Compare(s2) != 0; }
inline bool AFXAPI operator!=(const CString& s1, LPCTSTR s2) { return s1.Compare(s2) != 0; }
inline bool AFXAPI operator!=(LPCTSTR s1, const CString& s2) { return s2.Compare(s1) != 0; }
inline bool AFXAPI operator<(const CString& s1, const CString& s2) { return s1.Compare(s2) < 0; }
inline bool AFXAPI operator<(const CString& s1, LPCTSTR s2) { return s1.Compare(s2) < 0; }
inline bool AFXAPI operator<(LPCTSTR s1, const CString& s2) { return s2.Compare(s1) > 0; }
inline bool AFXAPI operator>(const CString& s1, const CString& s2) { return s1.Compare(s2) > 0; }
inline bool AFXAPI operator>(const CString& s1, LPCTSTR s2) { return s1.Compare(s2) > 0; }
inline bool AFXAPI operator>(LPCTSTR s1, const CString& s2) { return s2.Compare(s1) < 0; }
inline bool AFXAPI operator<=(const CString& s1, const CString& s2) { return s1.Compare(s2) <= 0; }
inline bool AFXAPI operator<=(const CString& s1, LPCTSTR s2) { return s1.Compare(s2) <= 0; }
inline bool AFXAPI operator<=(LPCTSTR s1, const CString& s2) { return s2.Compare(s1) >= 0; }
inline bool AFXAPI operator>=(const CString& s1, const CString& s2) { return s1.Compare(s2) >= 0; }
inline bool AFXAPI operator>=(const CString& s1, LPCTSTR s2) { return s1.Compare(s2) >= 0; }
inline bool AFXAPI operator>=(LPCTSTR s1, const CString& s2) { return s2.Compare(s1) <= 0; }

// Loads string resource nID through the resource chain; returns its length.
AFX_CORE_API int AFXAPI AfxLoadString(UINT nID, LPTSTR lpszBuf, UINT nMaxBuf = 256);

// ---------------------------------------------------------------- misc
AFX_CORE_API void AFXAPI AfxThrowMemoryException();
AFX_CORE_API void AFXAPI AfxThrowNotSupportedException();
AFX_CORE_API void AFXAPI AfxThrowResourceException();
AFX_CORE_API void AFXAPI AfxThrowUserException();

