// Module and thread state, extension-DLL registration and the resource chain.
#include "mfcimpl.h"
#include <afxx_test.h>

// The library list links through CDynLinkLibrary::m_pNextDLL, found by offset.
#pragma GCC diagnostic ignored "-Winvalid-offsetof"

BOOL afxFailExtensionInit = FALSE;

// ---------------------------------------------------------------- state objects
AFX_MODULE_STATE::AFX_MODULE_STATE(BOOL bDLL)
    : m_pCurrentWinApp(NULL),
      m_hCurrentInstanceHandle(NULL),
      m_hCurrentResourceHandle(NULL),
      m_lpszCurrentAppName(NULL),
      m_bDLL((BYTE)bDLL),
      m_bSystem(FALSE),
      m_pClassInit(NULL),
      m_pFactoryInit(NULL),
      m_fRegisteredClasses(0)
{
    m_bReserved[0] = m_bReserved[1] = 0;
    m_classList.Construct(offsetof(CRuntimeClass, m_pNextClass));
    // Factories are opaque here; their link would sit at the object's start.
    m_factoryList.Construct(0);
    m_libraryList.Construct(offsetof(CDynLinkLibrary, m_pNextDLL));
}

AFX_MODULE_STATE::~AFX_MODULE_STATE() {}

namespace {

// The one module state of the process: the application's.  Applications and
// extension DLLs reach it through mfc42x.dll, so they share it.
AFX_MODULE_STATE& AppModuleState()
{
    static AFX_MODULE_STATE state(FALSE);
    if (state.m_hCurrentInstanceHandle == NULL) {
        state.m_hCurrentInstanceHandle = ::GetModuleHandle(NULL);
        state.m_hCurrentResourceHandle = state.m_hCurrentInstanceHandle;
    }
    return state;
}

}  // namespace

AFX_MODULE_STATE* AFXAPI AfxGetModuleState()
{
    return &AppModuleState();
}

AFX_MODULE_STATE* AFXAPI AfxGetAppModuleState()
{
    return &AppModuleState();
}

AFX_MODULE_STATE* AFXAPI AfxGetStaticModuleState()
{
    return &AppModuleState();
}

_AFX_THREAD_STATE::_AFX_THREAD_STATE()
    : m_pWndInit(NULL),
      m_hHookOldCbtFilter(NULL),
      m_nHookDepth(0),
      m_hLockoutNotifyWindow(NULL),
      m_nMsgLast(0),
      m_nTempMapLock(0),
      m_pToolTip(NULL),
      m_pLastHit(NULL),
      m_nLastHit(-1)
{
    memset(&m_lastInfo, 0, sizeof(m_lastInfo));
    memset(&m_lastSentMsg, 0, sizeof(m_lastSentMsg));
    memset(&m_msgCur, 0, sizeof(m_msgCur));
    m_ptCursorLast.x = m_ptCursorLast.y = -1;
}

// The user-interface thread's state.  The layer serves one UI thread, as the
// library's controls all live on the application's UI thread.
_AFX_THREAD_STATE* AFXAPI AfxGetThreadState()
{
    static _AFX_THREAD_STATE state;
    return &state;
}

// ---------------------------------------------------------------- application
CWinApp* AFXAPI AfxGetApp()
{
    return AfxGetModuleState()->m_pCurrentWinApp;
}

CWinThread* AFXAPI AfxGetThread()
{
    return AfxGetApp();
}

CWnd* AFXAPI AfxGetMainWnd()
{
    CWinThread* pThread = AfxGetThread();
    return pThread != NULL ? pThread->GetMainWnd() : NULL;
}

HINSTANCE AFXAPI AfxGetInstanceHandle()
{
    return AfxGetModuleState()->m_hCurrentInstanceHandle;
}

HINSTANCE AFXAPI AfxGetResourceHandle()
{
    return AfxGetModuleState()->m_hCurrentResourceHandle;
}

void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource)
{
    AfxGetModuleState()->m_hCurrentResourceHandle = hInstResource;
}

LPCTSTR AFXAPI AfxGetAppName()
{
    return AfxGetModuleState()->m_lpszCurrentAppName;
}

HINSTANCE AFXAPI AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType)
{
    AFX_MODULE_STATE* pModuleState = AfxGetModuleState();
    HINSTANCE hInst = AfxGetResourceHandle();
    if (!pModuleState->m_bSystem && ::FindResource(hInst, lpszName, lpszType) != NULL)
        return hInst;

    // Then the extension DLLs, newest first; system libraries come last.
    for (int nPass = 0; nPass < 2; nPass++) {
        BOOL bSystemPass = nPass == 1;
        for (CDynLinkLibrary* pDLL = pModuleState->m_libraryList; pDLL != NULL; pDLL = pDLL->m_pNextDLL) {
            if ((pDLL->m_bSystem != FALSE) != bSystemPass || pDLL->m_hResource == NULL)
                continue;
            if (::FindResource(pDLL->m_hResource, lpszName, lpszType) != NULL)
                return pDLL->m_hResource;
        }
    }
    // Last the layer's own standard resources (strings, as MFC's DLL carries them).
    HINSTANCE hLayer = AfxLayerResourceHandle();
    if (::FindResource(hLayer, lpszName, lpszType) != NULL)
        return hLayer;
    // Not found anywhere: the application's, so the caller's load fails there.
    return hInst;
}

HINSTANCE AfxLayerResourceHandle()
{
    static HMODULE s_hLayer = NULL;
    if (s_hLayer == NULL)
        ::GetModuleHandleEx(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            (LPCTSTR)&AfxLayerResourceHandle, &s_hLayer);
    return s_hLayer;
}

// ---------------------------------------------------------------- extension DLLs
// The DLL's raw entry hook parked the host's class and factory lists in the
// "initial" slots, so the lists now hold only what the DLL's static objects
// registered: those become the DLL's, and the host's lists come back.
BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule)
{
    AFX_MODULE_STATE* pModuleState = AfxGetModuleState();
    if (afxFailExtensionInit) {
        // A refused DLL's classes are dropped with it.
        pModuleState->m_classList.m_pHead = pModuleState->m_pClassInit;
        pModuleState->m_factoryList.m_pHead = pModuleState->m_pFactoryInit;
        return FALSE;
    }
    // A second registration (another thread or process attach) only refreshes.
    if (state.bInitialized)
        return TRUE;
    state.bInitialized = TRUE;
    if (state.hModule == NULL) {
        state.hModule = hModule;
        state.hResource = hModule;
    }
    state.pFirstSharedClass = pModuleState->m_classList.GetHead();
    pModuleState->m_classList.m_pHead = pModuleState->m_pClassInit;
    state.pFirstSharedFactory = pModuleState->m_factoryList.GetHead();
    pModuleState->m_factoryList.m_pHead = pModuleState->m_pFactoryInit;
    return TRUE;
}

void AFXAPI AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll)
{
    if (!state.bInitialized)
        return;
    AFX_MODULE_STATE* pModuleState = AfxGetModuleState();
    CDynLinkLibrary* pDLL = pModuleState->m_libraryList;
    while (pDLL != NULL) {
        CDynLinkLibrary* pNextDLL = pDLL->m_pNextDLL;
        if (bAll || pDLL->m_hModule == state.hModule)
            delete pDLL;
        pDLL = pNextDLL;
    }
    state.bInitialized = FALSE;
}

void AFXAPI AfxInitLocalData(HINSTANCE) {}
void AFXAPI AfxTermLocalData(HINSTANCE, BOOL) {}

IMPLEMENT_DYNAMIC(CDynLinkLibrary, CCmdTarget)

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem)
    : m_hModule(state.hModule),
      m_hResource(state.hResource),
      m_bSystem(bSystem),
      m_pNextDLL(NULL)
{
    m_classList.Construct(offsetof(CRuntimeClass, m_pNextClass));
    m_factoryList.Construct(0);
    m_classList.m_pHead = state.pFirstSharedClass;
    m_factoryList.m_pHead = state.pFirstSharedFactory;
    AfxGetModuleState()->m_libraryList.AddHead(this);
}

CDynLinkLibrary::~CDynLinkLibrary()
{
    AfxGetModuleState()->m_libraryList.Remove(this);
}

// ---------------------------------------------------------------- test helpers
namespace mfcx {

void AFXAPI FailExtensionInit(BOOL bFail)
{
    afxFailExtensionInit = bFail;
}

}  // namespace mfcx
