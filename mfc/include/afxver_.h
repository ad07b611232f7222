// Build switches, calling conventions and import/export macros of the MFC layer.
#pragma once

#ifndef STRICT
#define STRICT 1
#endif

#define _MFC_VER 0x0420

#ifndef AFXAPI
#define AFXAPI __stdcall
#endif
#ifndef AFX_CDECL
#define AFX_CDECL __cdecl
#endif
#ifndef AFX_MSG_CALL
#define AFX_MSG_CALL
#endif
#ifndef AFX_NOVTABLE
#define AFX_NOVTABLE
#endif
#ifndef AFX_INLINE
#define AFX_INLINE inline
#endif
#define AFX_STATIC static
#define AFX_STATIC_DATA static
#define afx_msg

// mfc42x.dll's own classes, functions and data: exported while the DLL itself
// is built, imported by everybody else.
#ifdef _AFX_CORE_IMPL
#define AFX_CORE_API __declspec(dllexport)
#else
#define AFX_CORE_API __declspec(dllimport)
#endif
#define AFX_CORE_DATA AFX_CORE_API
#define AFX_DATA
#define AFX_DATADEF

#define AFX_CLASS_EXPORT __declspec(dllexport)
#define AFX_API_EXPORT __declspec(dllexport)
#define AFX_DATA_EXPORT __declspec(dllexport)
#define AFX_CLASS_IMPORT __declspec(dllimport)
#define AFX_API_IMPORT __declspec(dllimport)
#define AFX_DATA_IMPORT __declspec(dllimport)

// Classes of an extension DLL: exported while the extension itself is built
// (it defines _AFXEXT), imported by the applications that use it.
#ifdef _AFXEXT
#define AFX_EXT_CLASS AFX_CLASS_EXPORT
#define AFX_EXT_API AFX_API_EXPORT
#define AFX_EXT_DATA AFX_DATA_EXPORT
#define AFX_EXT_DATADEF
#else
#define AFX_EXT_CLASS AFX_CLASS_IMPORT
#define AFX_EXT_API AFX_API_IMPORT
#define AFX_EXT_DATA AFX_DATA_IMPORT
#define AFX_EXT_DATADEF
#endif
