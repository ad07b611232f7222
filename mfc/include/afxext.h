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

// ---------------------------------------------------------------- control bars
// Layout modes of CControlBar::CalcDynamicLayout.
#define LM_STRETCH 0x01    // same meaning as bStretch
#define LM_HORZ 0x02       // same as bHorz
#define LM_MRUWIDTH 0x04   // the most recently used width of a floating bar
#define LM_HORZDOCK 0x08   // the size docked horizontally
#define LM_VERTDOCK 0x10   // the size docked vertically
#define LM_LENGTHY 0x20    // nLength is a height, not a width
#define LM_COMMIT 0x40     // keep the result (the MRU width)

struct AFX_SIZEPARENTPARAMS;

// A window along an edge of a frame (tool bar, status bar, dialog bar, dock
// bar).  It takes its share of the frame's client area in the frame's
// layout, updates its items at idle time and, once docking is enabled, is
// dragged, docked and floated through its dock context.
class AFX_CORE_API CControlBar : public CWnd
{
    DECLARE_DYNAMIC(CControlBar)

// Construction
protected:
    CControlBar();

// Attributes
public:
    int GetCount() const;
    DWORD GetBarStyle();
    void SetBarStyle(DWORD dwStyle);
    BOOL m_bAutoDelete;   // the object deletes itself when its window is gone

    void SetBorders(LPCRECT lpRect);
    void SetBorders(int cxLeft = 0, int cyTop = 0, int cxRight = 0, int cyBottom = 0);
    CRect GetBorders() const;

    // The frame the bar is laid out in: the floating frame while it floats.
    CFrameWnd* GetDockingFrame() const;
    BOOL IsFloating() const;
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    virtual CSize CalcDynamicLayout(int nLength, DWORD nMode);

// Operations
    void EnableDocking(DWORD dwDockStyle);

// Overridables
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) = 0;

// Implementation
public:
    virtual ~CControlBar();
    virtual void DelayShow(BOOL bShow);
    virtual BOOL IsVisible() const;
    virtual DWORD RecalcDelayShow(AFX_SIZEPARENTPARAMS* lpLayout);
    virtual BOOL IsDockBar() const;
    virtual BOOL DestroyWindow();
    virtual void OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle);

    // Space between the border and the items.
    int m_cxLeftBorder, m_cxRightBorder;
    int m_cyTopBorder, m_cyBottomBorder;
    int m_cxDefaultGap;
    UINT m_nMRUWidth;   // width of a dynamically sized bar while it floats

    // The bar's items; what an element is depends on the derived class.
    int m_nCount;
    void* m_pData;

    // Delayed hide and show, and the flyby status text.
    enum StateFlags { delayHide = 1, delayShow = 2, tempHide = 4, statusSet = 8 };
    UINT m_nStateFlags;

    // Docking.
    DWORD m_dwStyle;          // CBRS_ styles, used for layout
    DWORD m_dwDockStyle;      // sides the bar may dock on
    CFrameWnd* m_pDockSite;   // the frame the bar docks in
    CDockBar* m_pDockBar;     // the dock bar it sits in now, NULL when in none
    CDockContext* m_pDockContext;   // drag and toggle state, once docking is enabled

    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual void DoPaint(CDC* pDC);
    void DrawBorders(CDC* pDC, CRect& rect);
    void DrawGripper(CDC* pDC, const CRect& rect);

    virtual LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam);
    // Shrinks a window rectangle to the area inside the borders and gripper.
    void CalcInsideRect(CRect& rect, BOOL bHorz) const;
    BOOL AllocElements(int nElements, int cbElement);
    virtual BOOL SetStatusText(int nHit);
    void ResetTimer(UINT nEvent, UINT nTime);
    void EraseNonClient();

protected:
    virtual void PostNcDestroy();
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);

    afx_msg void OnTimer(UINT nIDEvent);
    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg void OnDestroy();
    afx_msg void OnPaint();
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint pt);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint pt);
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT nMsg);
    DECLARE_MESSAGE_MAP()

    friend class CFrameWnd;
    friend class CDockBar;
};

// ---------------------------------------------------------------- tool bars
// Button styles and states as CToolBar packs them: the common control's
// style in the low word, its state in the high word (TBBS_DISABLED is the
// inverse of the enabled state).
#define TBBS_BUTTON MAKELONG(TBSTYLE_BUTTON, 0)
#define TBBS_SEPARATOR MAKELONG(TBSTYLE_SEP, 0)
#define TBBS_CHECKBOX MAKELONG(TBSTYLE_CHECK, 0)
#define TBBS_GROUP MAKELONG(TBSTYLE_GROUP, 0)
#define TBBS_CHECKGROUP MAKELONG(TBSTYLE_CHECKGROUP, 0)
#define TBBS_DROPDOWN MAKELONG(TBSTYLE_DROPDOWN, 0)
#define TBBS_AUTOSIZE MAKELONG(TBSTYLE_AUTOSIZE, 0)
#define TBBS_NOPREFIX MAKELONG(TBSTYLE_NOPREFIX, 0)
#define TBBS_CHECKED MAKELONG(0, TBSTATE_CHECKED)
#define TBBS_PRESSED MAKELONG(0, TBSTATE_PRESSED)
#define TBBS_DISABLED MAKELONG(0, TBSTATE_ENABLED)
#define TBBS_INDETERMINATE MAKELONG(0, TBSTATE_INDETERMINATE)
#define TBBS_HIDDEN MAKELONG(0, TBSTATE_HIDDEN)
#define TBBS_WRAPPED MAKELONG(0, TBSTATE_WRAP)
#define TBBS_ELLIPSES MAKELONG(0, TBSTATE_ELLIPSES)
#define TBBS_MARKED MAKELONG(0, TBSTATE_MARKED)

// A control bar over the common-controls tool bar: buttons from an
// RT_TOOLBAR resource and one image strip, tool tips and flyby prompts from
// the commands' string resources, rows wrapped for vertical docking and for
// floating.
class AFX_CORE_API CToolBar : public CControlBar
{
    DECLARE_DYNAMIC(CToolBar)

// Construction
public:
    CToolBar();
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP, UINT nID = AFX_IDW_TOOLBAR);
    BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = TBSTYLE_FLAT,
                  DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP,
                  CRect rcBorders = CRect(0, 0, 0, 0), UINT nID = AFX_IDW_TOOLBAR);

    void SetSizes(SIZE sizeButton, SIZE sizeImage);
    void SetHeight(int cyHeight);

    BOOL LoadToolBar(LPCTSTR lpszResourceName);
    BOOL LoadToolBar(UINT nIDResource) { return LoadToolBar(MAKEINTRESOURCE(nIDResource)); }
    BOOL LoadBitmap(LPCTSTR lpszResourceName);
    BOOL LoadBitmap(UINT nIDResource) { return LoadBitmap(MAKEINTRESOURCE(nIDResource)); }
    BOOL SetBitmap(HBITMAP hbmImageWell);
    BOOL SetButtons(const UINT* lpIDArray, int nIDCount);

// Attributes
public:
    int CommandToIndex(UINT nIDFind) const;
    UINT GetItemID(int nIndex) const;
    virtual void GetItemRect(int nIndex, LPRECT lpRect) const;
    UINT GetButtonStyle(int nIndex) const;
    void SetButtonStyle(int nIndex, UINT nStyle);

    void GetButtonInfo(int nIndex, UINT& nID, UINT& nStyle, int& iImage) const;
    void SetButtonInfo(int nIndex, UINT nID, UINT nStyle, int iImage);

    BOOL SetButtonText(int nIndex, LPCTSTR lpszText);
    CString GetButtonText(int nIndex) const;
    void GetButtonText(int nIndex, CString& rString) const;

// Implementation
public:
    virtual ~CToolBar();
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    virtual CSize CalcDynamicLayout(int nLength, DWORD nMode);
    virtual int OnToolHitTest(CPoint point, TOOLINFO* pTI) const;
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler);
    void SetOwner(CWnd* pOwnerWnd);
    BOOL AddReplaceBitmap(HBITMAP hbmImageWell);
    virtual void OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle);

protected:
    HRSRC m_hRsrcImageWell;       // the bitmap resource the images came from
    HINSTANCE m_hInstImageWell;   // and its module
    HBITMAP m_hbmImageWell;       // the image strip, owned by the bar
    BOOL m_bDelayedButtonLayout;  // buttons are laid out again before their next use

    CSize m_sizeImage;    // size of one image
    CSize m_sizeButton;   // size of one button

    CMapStringToPtr* m_pStringMap;   // button texts and their string indexes

    void _GetButton(int nIndex, TBBUTTON* pButton) const;
    void _SetButton(int nIndex, TBBUTTON* pButton);
    CSize CalcLayout(DWORD nMode, int nLength = -1);
    CSize CalcSize(TBBUTTON* pData, int nCount);
    int WrapToolBar(TBBUTTON* pData, int nCount, int nWidth);
    void SizeToolBar(TBBUTTON* pData, int nCount, int nLength, BOOL bVert = FALSE);
    void Layout();

    afx_msg UINT OnNcHitTest(CPoint);
    afx_msg void OnNcPaint();
    afx_msg void OnPaint();
    afx_msg void OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS*);
    afx_msg void OnWindowPosChanging(LPWINDOWPOS);
    afx_msg void OnSysColorChange();
    afx_msg LRESULT OnSetButtonSize(WPARAM, LPARAM);
    afx_msg LRESULT OnSetBitmapSize(WPARAM, LPARAM);
    afx_msg BOOL OnNcCreate(LPCREATESTRUCT);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()

    LRESULT OnSetSizeHelper(CSize& size, LPARAM lParam);
};

// ---------------------------------------------------------------- status bars
// Pane styles: the common control's drawing styles in the low word, MFC's
// own in the high word.
#define SBPS_NORMAL 0x0000
#define SBPS_NOBORDERS SBT_NOBORDERS
#define SBPS_POPOUT SBT_POPOUT
#define SBPS_OWNERDRAW SBT_OWNERDRAW
#define SBPS_DISABLED 0x04000000
#define SBPS_STRETCH 0x08000000   // the pane takes the space the others leave

struct AFX_STATUSPANE;

// A control bar over the common-controls status window: panes named by
// indicator ids, whose texts come from string resources and whose state
// follows the frame's command-UI handlers (the lock-key indicators).
class AFX_CORE_API CStatusBar : public CControlBar
{
    DECLARE_DYNAMIC(CStatusBar)

// Construction
public:
    CStatusBar();
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, UINT nID = AFX_IDW_STATUS_BAR);
    BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = 0, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
                  UINT nID = AFX_IDW_STATUS_BAR);
    BOOL SetIndicators(const UINT* lpIDArray, int nIDCount);

// Attributes
public:
    void SetBorders(LPCRECT lpRect);
    void SetBorders(int cxLeft = 0, int cyTop = 0, int cxRight = 0, int cyBottom = 0);

    int CommandToIndex(UINT nIDFind) const;
    UINT GetItemID(int nIndex) const;
    void GetItemRect(int nIndex, LPRECT lpRect) const;

    void GetPaneText(int nIndex, CString& rString) const;
    CString GetPaneText(int nIndex) const;
    BOOL SetPaneText(int nIndex, LPCTSTR lpszNewText, BOOL bUpdate = TRUE);
    void GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const;
    void SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth);
    UINT GetPaneStyle(int nIndex) const;
    void SetPaneStyle(int nIndex, UINT nStyle);

// Overridables
    virtual void DrawItem(LPDRAWITEMSTRUCT);

// Implementation
public:
    virtual ~CStatusBar();
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    BOOL PreCreateWindow(CREATESTRUCT& cs);
    BOOL AllocElements(int nElements, int cbElement);
    void CalcInsideRect(CRect& rect, BOOL bHorz) const;
    virtual void OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle);
    void EnableDocking(DWORD dwDockStyle);   // status bars do not dock
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler);

protected:
    int m_nMinHeight;

    AFX_STATUSPANE* _GetPanePtr(int nIndex) const;
    void UpdateAllPanes(BOOL bUpdateRects, BOOL bUpdateText);
    virtual BOOL OnChildNotify(UINT message, WPARAM, LPARAM, LRESULT*);

    afx_msg UINT OnNcHitTest(CPoint);
    afx_msg void OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS*);
    afx_msg void OnNcPaint();
    afx_msg void OnPaint();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnWindowPosChanging(LPWINDOWPOS);
    afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetTextLength(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetMinHeight(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

// ---------------------------------------------------------------- dialog bars
// A control bar made from a dialog template; its controls send their
// notifications to the bar's owner, the frame.
class AFX_CORE_API CDialogBar : public CControlBar
{
    DECLARE_DYNAMIC(CDialogBar)

// Construction
public:
    CDialogBar();
    BOOL Create(CWnd* pParentWnd, LPCTSTR lpszTemplateName, UINT nStyle, UINT nID);
    BOOL Create(CWnd* pParentWnd, UINT nIDTemplate, UINT nStyle, UINT nID)
        { return Create(pParentWnd, MAKEINTRESOURCE(nIDTemplate), nStyle, nID); }

// Implementation
public:
    virtual ~CDialogBar();
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    CSize m_sizeDefault;   // the template's size
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler);

protected:
    afx_msg LRESULT HandleInitDialog(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()
};
