// Private declarations shared by the MFC layer's sources: handle maps and internal hooks.
#pragma once

#include <afxwin.h>
#include <afxext.h>
#include <afxcmn.h>
#include <afxpriv.h>

#include <algorithm>
#include <functional>
#include <unordered_map>

using std::max;
using std::min;

// Maps OS handles to the C++ objects that wrap them.  Permanent entries are
// objects somebody attached; temporary entries are made on demand by
// FromHandle and deleted by DeleteTemp (idle time).
class CHandleMap
{
public:
    typedef std::function<CObject*(HANDLE)> Factory;
    typedef std::function<void(CObject*)> Clearer;

    CHandleMap(Factory create, Clearer clear) : m_create(create), m_clear(clear) {}
    CHandleMap(const CHandleMap&) = delete;
    CHandleMap& operator=(const CHandleMap&) = delete;

    CObject* FromHandle(HANDLE h);
    CObject* LookupPermanent(HANDLE h) const;
    CObject* LookupTemporary(HANDLE h) const;
    void SetPermanent(HANDLE h, CObject* permOb) { m_permanentMap[h] = permOb; }
    void RemoveHandle(HANDLE h);
    void DeleteTemp();

private:
    Factory m_create;
    Clearer m_clear;
    std::unordered_map<HANDLE, CObject*> m_permanentMap;
    std::unordered_map<HANDLE, CObject*> m_temporaryMap;
};

CHandleMap* afxMapHWND();
CHandleMap* afxMapHDC();
CHandleMap* afxMapHGDIOBJ();
CHandleMap* afxMapHMENU();
CHandleMap* afxMapHIMAGELIST();

// Delivers a message with the dispatch bookkeeping (current message) set.
LRESULT AfxCallWndProcImpl(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);

// Routes a command or notification to its handler by signature.
BOOL AfxDispatchCmdMsg(CCmdTarget* pTarget, UINT nID, int nCode, AFX_PMSG pfn, void* pExtra,
                       UINT_PTR nSig, AFX_CMDHANDLERINFO* pHandlerInfo);

// Finds the handler for a window message in a class's message map chain.
const AFX_MSGMAP_ENTRY* AfxFindWindowMessage(const AFX_MSGMAP* pMessageMap, UINT message);

// Registers MFC's default window class on first use.
BOOL AfxRegisterDefaultWndClass();
// Registers, once, a window class of this module under a fixed name, with
// DefWindowProc and the arrow cursor: the classes the layer's windows default to.
BOOL AfxRegisterNamedWndClass(LPCTSTR lpszClassName, UINT nClassStyle, HBRUSH hbrBackground, HICON hIcon = NULL);

// Every CFrameWnd of the thread, newest first, linked through m_pNextFrameWnd;
// the idle loop updates the command UI of each.
CFrameWnd* AfxFirstFrameWnd();

// Thickness of the thin border pair MFC draws around bars (two lines).
inline int AfxCxBorder2() { return ::GetSystemMetrics(SM_CXBORDER) * 2; }
inline int AfxCyBorder2() { return ::GetSystemMetrics(SM_CYBORDER) * 2; }

// The layer's own module, whose resources end the resource chain.
HINSTANCE AfxLayerResourceHandle();

// Test hook state.
extern BOOL afxFailExtensionInit;
