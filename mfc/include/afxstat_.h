// Module and thread state: the process-wide MFC context shared through mfc42x.dll.
#pragma once

#include "afx.h"

#include <commctrl.h>

class CWnd;
class CWinApp;
class CWinThread;
class CDynLinkLibrary;
class COleObjectFactory;
class CToolTipCtrl;

// What MFC knows about the running module: its instance and resource handles,
// the application object, the serializable classes and the chain of extension
// DLLs that resources are searched through.  Applications and extension DLLs
// share this one object because they share mfc42x.dll.
class AFX_CORE_API AFX_MODULE_STATE
{
public:
    AFX_MODULE_STATE(BOOL bDLL);
    ~AFX_MODULE_STATE();

    CWinApp* m_pCurrentWinApp;
    HINSTANCE m_hCurrentInstanceHandle;
    HINSTANCE m_hCurrentResourceHandle;
    LPCTSTR m_lpszCurrentAppName;
    BYTE m_bDLL;
    BYTE m_bSystem;
    BYTE m_bReserved[2];

    // Serializable classes registered by static constructors (IMPLEMENT_SERIAL).
    CTypedSimpleList<CRuntimeClass*> m_classList;
    // Object factories (none are created by this layer, the list is kept for
    // extension DLLs that hand theirs over).
    CTypedSimpleList<COleObjectFactory*> m_factoryList;
    // The host's list heads, parked here by an extension DLL's raw entry hook
    // before the DLL's static objects register theirs; AfxInitExtensionModule
    // takes the DLL's over and puts these back.
    CRuntimeClass* m_pClassInit;
    COleObjectFactory* m_pFactoryInit;

    // Extension DLLs searched for classes and resources, newest first.
    CTypedSimpleList<CDynLinkLibrary*> m_libraryList;

    // Window class names registered by AfxRegisterWndClass/AfxEndDeferRegisterClass.
    DWORD m_fRegisteredClasses;

private:
    AFX_MODULE_STATE(const AFX_MODULE_STATE&);
    void operator=(const AFX_MODULE_STATE&);
};

AFX_CORE_API AFX_MODULE_STATE* AFXAPI AfxGetModuleState();
AFX_CORE_API AFX_MODULE_STATE* AFXAPI AfxGetAppModuleState();
AFX_CORE_API AFX_MODULE_STATE* AFXAPI AfxGetStaticModuleState();

// Per-thread routing state: the message being handled, window creation hook
// and the notify lock-out window.
class AFX_CORE_API _AFX_THREAD_STATE
{
public:
    _AFX_THREAD_STATE();

    // Window being created through the CBT hook, and the hook itself.
    CWnd* m_pWndInit;
    HHOOK m_hHookOldCbtFilter;
    int m_nHookDepth;

    // The message AfxWndProc is dispatching now (Default and reflection use it).
    MSG m_lastSentMsg;
    // Notifications from this window's children are swallowed while set.
    HWND m_hLockoutNotifyWindow;

    // The message loop's current message and idle bookkeeping.
    MSG m_msgCur;
    POINT m_ptCursorLast;
    UINT m_nMsgLast;

    // Temporary handle map locking (AfxLockTempMaps).
    int m_nTempMapLock;

    // The thread's automatic tool tip (CWnd::EnableToolTips) and the tool
    // the mouse was last over.
    CToolTipCtrl* m_pToolTip;
    CWnd* m_pLastHit;
    int m_nLastHit;
    TOOLINFO m_lastInfo;

private:
    _AFX_THREAD_STATE(const _AFX_THREAD_STATE&);
    void operator=(const _AFX_THREAD_STATE&);
};

AFX_CORE_API _AFX_THREAD_STATE* AFXAPI AfxGetThreadState();

// Saves the module state on entry to an exported function and restores it
// on exit; there is only one module state here, so it is a marker.
struct AFX_MAINTAIN_STATE
{
    explicit AFX_MAINTAIN_STATE(AFX_MODULE_STATE*) {}
};
#define AFX_MANAGE_STATE(p) AFX_MAINTAIN_STATE _ctlState(p);
