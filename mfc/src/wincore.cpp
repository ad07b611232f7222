// CWnd core: handle maps, creation through the CBT hook, subclassing, the window procedure.
#include "mfcimpl.h"

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

const CWnd CWnd::wndTop(HWND_TOP);
const CWnd CWnd::wndBottom(HWND_BOTTOM);
const CWnd CWnd::wndTopMost(HWND_TOPMOST);
const CWnd CWnd::wndNoTopMost(HWND_NOTOPMOST);
const UINT CWnd::m_nMsgDragList = ::RegisterWindowMessage(DRAGLISTMSGSTRING);

// ---------------------------------------------------------------- construction
CWnd::CWnd()
    : m_hWnd(NULL), m_hWndOwner(NULL), m_nFlags(0), m_pfnSuper(NULL), m_nModalResult(0)
{
}

CWnd::CWnd(HWND hWnd)
    : m_hWnd(hWnd), m_hWndOwner(NULL), m_nFlags(0), m_pfnSuper(NULL), m_nModalResult(0)
{
}

// An object that still owns a window destroys it; the derived class's
// OnDestroy and PostNcDestroy are no longer reached by then.
CWnd::~CWnd()
{
    if (m_hWnd != NULL && this != &wndTop && this != &wndBottom &&
        this != &wndTopMost && this != &wndNoTopMost)
        DestroyWindow();
}

// ---------------------------------------------------------------- handle map
CWnd* PASCAL CWnd::FromHandle(HWND hWnd)
{
    return (CWnd*)afxMapHWND()->FromHandle(hWnd);
}

CWnd* PASCAL CWnd::FromHandlePermanent(HWND hWnd)
{
    return hWnd == NULL ? NULL : (CWnd*)afxMapHWND()->LookupPermanent(hWnd);
}

void PASCAL CWnd::DeleteTempMap()
{
    afxMapHWND()->DeleteTemp();
}

BOOL CWnd::Attach(HWND hWndNew)
{
    if (hWndNew == NULL)
        return FALSE;
    afxMapHWND()->SetPermanent(m_hWnd = hWndNew, this);
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    if (hWnd != NULL)
        afxMapHWND()->RemoveHandle(hWnd);
    m_hWnd = NULL;
    return hWnd;
}

// ---------------------------------------------------------------- window procedure
WNDPROC AFXAPI AfxGetAfxWndProc()
{
    return &AfxWndProc;
}

LRESULT AfxCallWndProcImpl(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    _AFX_THREAD_STATE* pThreadState = AfxGetThreadState();
    // Nested messages (sent from a handler) must not lose the outer one.
    MSG oldState = pThreadState->m_lastSentMsg;
    pThreadState->m_lastSentMsg.hwnd = hWnd;
    pThreadState->m_lastSentMsg.message = nMsg;
    pThreadState->m_lastSentMsg.wParam = wParam;
    pThreadState->m_lastSentMsg.lParam = lParam;

    if (nMsg == WM_INITDIALOG) {
        CDialog* pDialog = DYNAMIC_DOWNCAST(CDialog, pWnd);
        if (pDialog != NULL && pDialog->CheckAutoCenter())
            pWnd->CenterWindow();
    }
    LRESULT lResult = pWnd->WindowProc(nMsg, wParam, lParam);

    pThreadState->m_lastSentMsg = oldState;
    return lResult;
}

LRESULT AFXAPI AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    return AfxCallWndProcImpl(pWnd, hWnd, nMsg, wParam, lParam);
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    // Identifies windows that run through this procedure.
    if (nMsg == WM_QUERYAFXWNDPROC)
        return 1;
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd == NULL || pWnd->m_hWnd != hWnd)
        return ::DefWindowProc(hWnd, nMsg, wParam, lParam);
    return AfxCallWndProcImpl(pWnd, hWnd, nMsg, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult))
        lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

WNDPROC* CWnd::GetSuperWndProcAddr()
{
    return &m_pfnSuper;
}

LRESULT CWnd::DefWindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    WNDPROC pfnSuper = *GetSuperWndProcAddr();
    if (pfnSuper != NULL)
        return ::CallWindowProc(pfnSuper, m_hWnd, nMsg, wParam, lParam);
    return ::DefWindowProc(m_hWnd, nMsg, wParam, lParam);
}

LRESULT CWnd::Default()
{
    const MSG* pMsg = &AfxGetThreadState()->m_lastSentMsg;
    return DefWindowProc(pMsg->message, pMsg->wParam, pMsg->lParam);
}

const MSG* PASCAL CWnd::GetCurrentMessage()
{
    _AFX_THREAD_STATE* pThreadState = AfxGetThreadState();
    pThreadState->m_lastSentMsg.time = (DWORD)::GetMessageTime();
    DWORD dwPos = (DWORD)::GetMessagePos();
    pThreadState->m_lastSentMsg.pt.x = (short)LOWORD(dwPos);
    pThreadState->m_lastSentMsg.pt.y = (short)HIWORD(dwPos);
    return &pThreadState->m_lastSentMsg;
}

// ---------------------------------------------------------------- creation hook
namespace {

// Attaches the CWnd being created to its window at HCBT_CREATEWND, before
// the window's first message, and routes the window through AfxWndProc.
LRESULT CALLBACK AfxCbtFilterHook(int code, WPARAM wParam, LPARAM lParam)
{
    _AFX_THREAD_STATE* pThreadState = AfxGetThreadState();
    if (code != HCBT_CREATEWND || pThreadState->m_pWndInit == NULL)
        return ::CallNextHookEx(pThreadState->m_hHookOldCbtFilter, code, wParam, lParam);

    CWnd* pWndInit = pThreadState->m_pWndInit;
    pThreadState->m_pWndInit = NULL;
    HWND hWnd = (HWND)wParam;
    pWndInit->Attach(hWnd);
    pWndInit->PreSubclassWindow();
    WNDPROC afxWndProc = AfxGetAfxWndProc();
    WNDPROC oldWndProc = (WNDPROC)::SetWindowLongPtr(hWnd, GWLP_WNDPROC, (LONG_PTR)afxWndProc);
    WNDPROC* pOldWndProc = pWndInit->GetSuperWndProcAddr();
    if (oldWndProc != afxWndProc)
        *pOldWndProc = oldWndProc;
    return ::CallNextHookEx(pThreadState->m_hHookOldCbtFilter, code, wParam, lParam);
}

}  // namespace

void AFXAPI AfxHookWindowCreate(CWnd* pWnd)
{
    _AFX_THREAD_STATE* pThreadState = AfxGetThreadState();
    if (pThreadState->m_hHookOldCbtFilter == NULL)
        pThreadState->m_hHookOldCbtFilter = ::SetWindowsHookEx(WH_CBT, AfxCbtFilterHook, NULL, ::GetCurrentThreadId());
    pThreadState->m_nHookDepth++;
    pThreadState->m_pWndInit = pWnd;
}

// Returns FALSE when the window was never created (the hook did not fire).
BOOL AFXAPI AfxUnhookWindowCreate()
{
    _AFX_THREAD_STATE* pThreadState = AfxGetThreadState();
    if (--pThreadState->m_nHookDepth <= 0 && pThreadState->m_hHookOldCbtFilter != NULL) {
        ::UnhookWindowsHookEx(pThreadState->m_hHookOldCbtFilter);
        pThreadState->m_hHookOldCbtFilter = NULL;
        pThreadState->m_nHookDepth = 0;
    }
    if (pThreadState->m_pWndInit != NULL) {
        pThreadState->m_pWndInit = NULL;
        return FALSE;
    }
    return TRUE;
}

// ---------------------------------------------------------------- window classes
BOOL AFXAPI AfxRegisterClass(WNDCLASS* lpWndClass)
{
    WNDCLASS wndcls;
    if (::GetClassInfo(lpWndClass->hInstance, lpWndClass->lpszClassName, &wndcls))
        return TRUE;
    return ::RegisterClass(lpWndClass) != 0;
}

BOOL AfxRegisterNamedWndClass(LPCTSTR lpszClassName, UINT nClassStyle, HBRUSH hbrBackground, HICON hIcon)
{
    WNDCLASS wndcls;
    memset(&wndcls, 0, sizeof(WNDCLASS));
    wndcls.style = nClassStyle;
    wndcls.lpfnWndProc = ::DefWindowProc;
    wndcls.hInstance = AfxGetInstanceHandle();
    wndcls.hIcon = hIcon;
    wndcls.hCursor = ::LoadCursor(NULL, IDC_ARROW);
    wndcls.hbrBackground = hbrBackground;
    wndcls.lpszClassName = lpszClassName;
    return AfxRegisterClass(&wndcls);
}

BOOL AfxRegisterDefaultWndClass()
{
    return AfxRegisterNamedWndClass(AFX_WND, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, NULL);
}

// Classes named after their attributes, registered once per combination.
LPCTSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon)
{
    static TCHAR szName[96];
    HINSTANCE hInst = AfxGetInstanceHandle();
    wsprintf(szName, "Afx:%p:%x:%p:%p:%p", (void*)hInst, nClassStyle, (void*)hCursor, (void*)hbrBackground, (void*)hIcon);

    WNDCLASS wndcls;
    if (::GetClassInfo(hInst, szName, &wndcls))
        return szName;
    memset(&wndcls, 0, sizeof(WNDCLASS));
    wndcls.style = nClassStyle;
    wndcls.lpfnWndProc = ::DefWindowProc;
    wndcls.hInstance = hInst;
    wndcls.hIcon = hIcon;
    wndcls.hCursor = hCursor;
    wndcls.hbrBackground = hbrBackground;
    wndcls.lpszClassName = szName;
    if (!AfxRegisterClass(&wndcls))
        return NULL;
    return szName;
}

// ---------------------------------------------------------------- creation
BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == NULL) {
        if (!AfxRegisterDefaultWndClass())
            return FALSE;
        cs.lpszClass = AFX_WND;
    }
    return TRUE;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                    int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam)
{
    CREATESTRUCT cs;
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = (LONG)dwStyle;
    cs.x = x;
    cs.y = y;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.hwndParent = hWndParent;
    cs.hMenu = nIDorHMenu;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = lpParam;

    if (!PreCreateWindow(cs)) {
        PostNcDestroy();
        return FALSE;
    }
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateWindowEx(cs.dwExStyle, cs.lpszClass, cs.lpszName, (DWORD)cs.style, cs.x, cs.y,
                                 cs.cx, cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    if (!AfxUnhookWindowCreate())
        PostNcDestroy();   // the window never existed: let a self-deleting object go
    return hWnd != NULL;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam)
{
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top, pParentWnd->GetSafeHwnd(),
                    (HMENU)(UINT_PTR)nID, lpParam);
}

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, CCreateContext* pContext)
{
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top, pParentWnd->GetSafeHwnd(),
                    (HMENU)(UINT_PTR)nID, (LPVOID)pContext);
}

void CWnd::CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType)
{
    DWORD dwExStyle = GetExStyle();
    if (nAdjustType == 0)
        dwExStyle &= ~WS_EX_CLIENTEDGE;
    ::AdjustWindowRectEx(lpClientRect, GetStyle(), FALSE, dwExStyle);
}

BOOL CWnd::DestroyWindow()
{
    if (m_hWnd == NULL)
        return FALSE;
    // A permanent object is detached by WM_NCDESTROY and may be deleted by
    // PostNcDestroy: after DestroyWindow only a non-permanent one is touched.
    CWnd* pWnd = FromHandlePermanent(m_hWnd);
    BOOL bResult = ::DestroyWindow(m_hWnd);
    if (pWnd == NULL)
        Detach();
    else if (pWnd != this)
        m_hWnd = NULL;   // another object owns the handle's map entry
    return bResult;
}

void CWnd::PostNcDestroy()
{
}

void CWnd::PreSubclassWindow()
{
}

// ---------------------------------------------------------------- subclassing
BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!Attach(hWnd))
        return FALSE;
    PreSubclassWindow();
    WNDPROC afxWndProc = AfxGetAfxWndProc();
    WNDPROC oldWndProc = (WNDPROC)::SetWindowLongPtr(hWnd, GWLP_WNDPROC, (LONG_PTR)afxWndProc);
    if (oldWndProc != afxWndProc)
        *GetSuperWndProcAddr() = oldWndProc;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    HWND hWndControl = ::GetDlgItem(pParent->m_hWnd, (int)nID);
    if (hWndControl == NULL)
        return FALSE;
    return SubclassWindow(hWndControl);
}

HWND CWnd::UnsubclassWindow()
{
    WNDPROC* lplpfn = GetSuperWndProcAddr();
    if (*lplpfn != NULL)
        ::SetWindowLongPtr(m_hWnd, GWLP_WNDPROC, (LONG_PTR)*lplpfn);
    *lplpfn = NULL;
    return Detach();
}

// ---------------------------------------------------------------- end of life
void CWnd::OnNcDestroy()
{
    CWinThread* pThread = AfxGetThread();
    if (pThread != NULL) {
        if (pThread->m_pMainWnd == this) {
            // The application ends with its main window.
            if (pThread == AfxGetApp())
                AfxPostQuitMessage(0);
            pThread->m_pMainWnd = NULL;
        }
        if (pThread->m_pActiveWnd == this)
            pThread->m_pActiveWnd = NULL;
    }
    if (m_nFlags & WF_TOOLTIPS)
        EnableToolTips(FALSE);

    // Let the original procedure clean up, then give the window back to it.
    WNDPROC pfnWndProc = (WNDPROC)::GetWindowLongPtr(m_hWnd, GWLP_WNDPROC);
    Default();
    if ((WNDPROC)::GetWindowLongPtr(m_hWnd, GWLP_WNDPROC) == pfnWndProc) {
        WNDPROC pfnSuper = *GetSuperWndProcAddr();
        if (pfnSuper != NULL)
            ::SetWindowLongPtr(m_hWnd, GWLP_WNDPROC, (LONG_PTR)pfnSuper);
    }
    Detach();
    PostNcDestroy();
}
