// Handle maps: permanent and temporary C++ wrappers of window, DC, GDI, menu and image-list handles.
#include "mfcimpl.h"

CObject* CHandleMap::FromHandle(HANDLE h)
{
    if (h == NULL)
        return NULL;
    if (CObject* pObject = LookupPermanent(h))
        return pObject;
    if (CObject* pTemp = LookupTemporary(h))
        return pTemp;
    CObject* pTemp = m_create(h);
    m_temporaryMap[h] = pTemp;
    return pTemp;
}

CObject* CHandleMap::LookupPermanent(HANDLE h) const
{
    auto it = m_permanentMap.find(h);
    return it == m_permanentMap.end() ? NULL : it->second;
}

CObject* CHandleMap::LookupTemporary(HANDLE h) const
{
    auto it = m_temporaryMap.find(h);
    return it == m_temporaryMap.end() ? NULL : it->second;
}

void CHandleMap::RemoveHandle(HANDLE h)
{
    m_permanentMap.erase(h);
}

void CHandleMap::DeleteTemp()
{
    // Detach before deleting so the wrappers do not destroy what they only borrowed.
    std::unordered_map<HANDLE, CObject*> temps;
    temps.swap(m_temporaryMap);
    for (auto& entry : temps) {
        m_clear(entry.second);
        delete entry.second;
    }
}

CHandleMap* afxMapHWND()
{
    static CHandleMap map(
        [](HANDLE h) -> CObject* { CWnd* p = new CWnd; p->m_hWnd = (HWND)h; return p; },
        [](CObject* p) { ((CWnd*)p)->m_hWnd = NULL; });
    return &map;
}

CHandleMap* afxMapHDC()
{
    static CHandleMap map(
        [](HANDLE h) -> CObject* { CDC* p = new CDC; p->m_hDC = p->m_hAttribDC = (HDC)h; return p; },
        [](CObject* p) { ((CDC*)p)->m_hDC = ((CDC*)p)->m_hAttribDC = NULL; });
    return &map;
}

CHandleMap* afxMapHGDIOBJ()
{
    static CHandleMap map(
        [](HANDLE h) -> CObject* { CGdiObject* p = new CGdiObject; p->m_hObject = (HGDIOBJ)h; return p; },
        [](CObject* p) { ((CGdiObject*)p)->m_hObject = NULL; });
    return &map;
}

CHandleMap* afxMapHMENU()
{
    static CHandleMap map(
        [](HANDLE h) -> CObject* { CMenu* p = new CMenu; p->m_hMenu = (HMENU)h; return p; },
        [](CObject* p) { ((CMenu*)p)->m_hMenu = NULL; });
    return &map;
}

CHandleMap* afxMapHIMAGELIST()
{
    static CHandleMap map(
        [](HANDLE h) -> CObject* { CImageList* p = new CImageList; p->m_hImageList = (HIMAGELIST)h; return p; },
        [](CObject* p) { ((CImageList*)p)->m_hImageList = NULL; });
    return &map;
}

void AFXAPI AfxLockTempMaps()
{
    AfxGetThreadState()->m_nTempMapLock++;
}

BOOL AFXAPI AfxUnlockTempMaps(BOOL bDeleteTemps)
{
    _AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->m_nTempMapLock == 0 || --pState->m_nTempMapLock != 0 || !bDeleteTemps)
        return FALSE;
    CWnd::DeleteTempMap();
    CDC::DeleteTempMap();
    CGdiObject::DeleteTempMap();
    CMenu::DeleteTempMap();
    CImageList::DeleteTempMap();
    return TRUE;
}
