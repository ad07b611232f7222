// Extension-DLL support: AFX_EXTENSION_MODULE, CDynLinkLibrary and their registration.
#pragma once

#include "afxwin.h"

// An extension DLL's registration record: a static object of the DLL,
// zero-initialised, filled by AfxInitExtensionModule.
struct AFX_EXTENSION_MODULE
{
    BOOL bInitialized;
    HMODULE hModule;
    HMODULE hResource;
    CRuntimeClass* pFirstSharedClass;
    COleObjectFactory* pFirstSharedFactory;
};

// Links an extension DLL into the module state's library chain so that its
// classes and resources are found; unlinks itself when destroyed.
class AFX_CORE_API CDynLinkLibrary : public CCmdTarget
{
    DECLARE_DYNAMIC(CDynLinkLibrary)
public:
// Constructors
    explicit CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem = FALSE);

// Attributes
    HMODULE m_hModule;
    HMODULE m_hResource;
    CTypedSimpleList<CRuntimeClass*> m_classList;
    CTypedSimpleList<COleObjectFactory*> m_factoryList;
    BOOL m_bSystem;

// Implementation
public:
    CDynLinkLibrary* m_pNextDLL;
    virtual ~CDynLinkLibrary();
};

// Takes over the classes the DLL's static objects registered (its raw entry
// hook parked the host's lists meanwhile) and gives the host its lists back.
// Returns FALSE when the DLL cannot be registered; the DLL's load should fail.
AFX_CORE_API BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule);
// Deletes the DLL's CDynLinkLibrary objects (every library's with bAll).
AFX_CORE_API void AFXAPI AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll = FALSE);
AFX_CORE_API void AFXAPI AfxInitLocalData(HINSTANCE hInstInit);
AFX_CORE_API void AFXAPI AfxTermLocalData(HINSTANCE hInstTerm, BOOL bAll = FALSE);
