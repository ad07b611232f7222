// The non-template collections: arrays, lists and maps of pointers, words and strings.
#pragma once

#include "afx.h"
#include "afxtempl.h"

class CByteArray : public CArray<BYTE, BYTE> {};
class CWordArray : public CArray<WORD, WORD> {};
class CDWordArray : public CArray<DWORD, DWORD> {};
class CUIntArray : public CArray<UINT, UINT> {};
class CPtrArray : public CArray<void*, void*> {};
class CObArray : public CArray<CObject*, CObject*> {};
class CStringArray : public CArray<CString, LPCTSTR> {};

class CPtrList : public CList<void*, void*>
{
public:
    explicit CPtrList(int nBlockSize = 10) : CList<void*, void*>(nBlockSize) {}
};

class CObList : public CList<CObject*, CObject*>
{
public:
    explicit CObList(int nBlockSize = 10) : CList<CObject*, CObject*>(nBlockSize) {}
};

class CStringList : public CList<CString, LPCTSTR>
{
public:
    explicit CStringList(int nBlockSize = 10) : CList<CString, LPCTSTR>(nBlockSize) {}
};

template<class KEY, class ARG_KEY, class VALUE>
class _AfxPtrMap : public CMap<KEY, ARG_KEY, VALUE, VALUE>
{
public:
    typedef KEY BaseKey;
    typedef VALUE BaseValue;
    explicit _AfxPtrMap(int nBlockSize = 10) : CMap<KEY, ARG_KEY, VALUE, VALUE>(nBlockSize) {}
};

class CMapPtrToPtr : public _AfxPtrMap<void*, void*, void*>
{
public:
    explicit CMapPtrToPtr(int nBlockSize = 10) : _AfxPtrMap<void*, void*, void*>(nBlockSize) {}
};

class CMapPtrToWord : public _AfxPtrMap<void*, void*, WORD>
{
public:
    explicit CMapPtrToWord(int nBlockSize = 10) : _AfxPtrMap<void*, void*, WORD>(nBlockSize) {}
};

class CMapWordToPtr : public _AfxPtrMap<WORD, WORD, void*>
{
public:
    explicit CMapWordToPtr(int nBlockSize = 10) : _AfxPtrMap<WORD, WORD, void*>(nBlockSize) {}
};

class CMapWordToOb : public _AfxPtrMap<WORD, WORD, CObject*>
{
public:
    explicit CMapWordToOb(int nBlockSize = 10) : _AfxPtrMap<WORD, WORD, CObject*>(nBlockSize) {}
};

class CMapStringToPtr : public _AfxPtrMap<CString, LPCTSTR, void*>
{
public:
    explicit CMapStringToPtr(int nBlockSize = 10) : _AfxPtrMap<CString, LPCTSTR, void*>(nBlockSize) {}
};

class CMapStringToOb : public _AfxPtrMap<CString, LPCTSTR, CObject*>
{
public:
    explicit CMapStringToOb(int nBlockSize = 10) : _AfxPtrMap<CString, LPCTSTR, CObject*>(nBlockSize) {}
};

class CMapStringToString : public _AfxPtrMap<CString, LPCTSTR, CString>
{
public:
    explicit CMapStringToString(int nBlockSize = 10) : _AfxPtrMap<CString, LPCTSTR, CString>(nBlockSize) {}
};
