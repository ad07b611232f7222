// VeluEntry.cpp - the DLL entry point, the raw hook that runs before static construction, attach and detach work.
#include "frame/VeluFrame.h"

#include <afxext.h>

namespace
{
AFX_EXTENSION_MODULE s_extensionModule = { 0, NULL };

// The runtime classes our static objects register are collected apart from
// the host's, so that AfxInitExtensionModule can take them over as ours.
BOOL WINAPI RawDllMain(HINSTANCE, DWORD dwReason, LPVOID)
{
    if (dwReason == DLL_PROCESS_ATTACH)
    {
        AFX_MODULE_STATE* pState = AfxGetModuleState();
        pState->m_pClassInit = pState->m_classList;
        pState->m_pFactoryInit = pState->m_factoryList;
        pState->m_classList.m_pHead = NULL;
        pState->m_factoryList.m_pHead = NULL;
    }
    return TRUE;
}

void LoadFixedSkins()
{
    VeluLoadSharedSkin(&g_hSkinBtnDefault, VELU_XZP_BTNDEF);
    VeluLoadSharedSkin(&g_hSkinBtnNormal, VELU_XZP_BTNNORM);
    VeluLoadSharedSkin(&g_hSkinBtnDisabled, VELU_XZP_BTNDIS);
    VeluLoadSharedSkin(&g_hSkinBtnHot, VELU_XZP_BTNHOT);
    VeluLoadSharedSkin(&g_hSkinBtnDown, VELU_XZP_BTNDOWN);
    VeluLoadSharedSkin(&g_hSkinCheck, VELU_XZP_CHECK);
}

void CreateFocusBrush()
{
    if (g_hBrushFocus != NULL)
        return;
    HBITMAP hPattern = ::LoadBitmapA(g_hVeluInstance, VELU_BMP_FOCUS);
    if (hPattern == NULL)
        return;
    g_hBrushFocus = ::CreatePatternBrush(hPattern);
    ::DeleteObject(hPattern);   // the brush keeps its own copy of the pattern
}

BOOL AttachLibrary(HINSTANCE hInstance)
{
    g_hVeluInstance = hInstance;
    if (!AfxInitExtensionModule(s_extensionModule, hInstance))
        return FALSE;
    // MFC owns the object from here: it is freed when the module is unregistered.
    new CDynLinkLibrary(s_extensionModule);

    g_fontShared9.CreatePointFont(90, _T("MS San Serif"), NULL);
    g_fontShared10.CreatePointFont(100, _T("MS San Serif"), NULL);
    g_hCursorHand = ::LoadCursorA(g_hVeluInstance, VELU_CUR_HAND);
    CreateFocusBrush();
    LoadFixedSkins();
    return TRUE;
}

template <class THandle>
void DeleteHeld(THandle& hObject)
{
    if (hObject != NULL)
    {
        ::DeleteObject(hObject);
        hObject = NULL;
    }
}

void DetachLibrary()
{
    g_hCursorHand = NULL;   // a resource cursor is shared by the system, never destroyed
    DeleteHeld(g_hBrushFocus);
    DeleteHeld(g_hSkinBtnDefault);
    DeleteHeld(g_hSkinBtnNormal);
    DeleteHeld(g_hSkinBtnDisabled);
    DeleteHeld(g_hSkinBtnDown);
    DeleteHeld(g_hSkinBtnHot);
    DeleteHeld(g_hSkinCheck);
    DeleteHeld(g_hSkinBalloon);
    DeleteHeld(g_hSkinToolTip);
    DeleteHeld(g_hSkinDialog);
    DeleteHeld(g_hSkinProgress);
    AfxTermExtensionModule(s_extensionModule, FALSE);
}
}

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
    switch (dwReason)
    {
    case DLL_PROCESS_ATTACH:
        return AttachLibrary(hInstance);
    case DLL_PROCESS_DETACH:
        DetachLibrary();
        return TRUE;
    default:
        return TRUE;   // thread attach and detach change nothing
    }
}

// The CRT's entry point runs the static constructors and then DllMain; ours
// runs the raw hook first. The linker is told to start here (-e).
extern "C" BOOL WINAPI DllMainCRTStartup(HANDLE hInstance, DWORD dwReason, LPVOID pReserved);

extern "C" BOOL WINAPI VeluRawEntry(HINSTANCE hInstance, DWORD dwReason, LPVOID pReserved)
{
    RawDllMain(hInstance, dwReason, pReserved);
    return DllMainCRTStartup(hInstance, dwReason, pReserved);
}
