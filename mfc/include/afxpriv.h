// Private MFC messages and helpers that applications and control libraries use.
#pragma once

#include "afxwin.h"
#include "afxext.h"

// Idle-time and layout messages of the framework (0x0360 - 0x037F).
#define WM_QUERYAFXWNDPROC 0x0360
#define WM_SIZEPARENT 0x0361
#define WM_SETMESSAGESTRING 0x0362
#define WM_IDLEUPDATECMDUI 0x0363
#define WM_INITIALUPDATE 0x0364
#define WM_COMMANDHELP 0x0365
#define WM_HELPHITTEST 0x0366
#define WM_EXITHELPMODE 0x0367
#define WM_RECALCPARENT 0x0368
#define WM_SIZECHILD 0x0369
#define WM_KICKIDLE 0x036A
#define WM_QUERYCENTERWND 0x036B
#define WM_DISABLEMODAL 0x036C
#define WM_FLOATSTATUS 0x036D
#define WM_ACTIVATETOPLEVEL 0x036E
#define WM_QUERY3DCONTROLS 0x036F
#define WM_SOCKET_NOTIFY 0x0373
#define WM_SOCKET_DEAD 0x0374
#define WM_POPMESSAGESTRING 0x0375
#define WM_HELPPROMPTADDR 0x0376
#define WM_QUEUE_SENTINEL 0x0379

// WM_SIZEPARENT's lParam: the rectangle left over while bars take their share.
struct AFX_SIZEPARENTPARAMS
{
    HDWP hDWP;
    RECT rect;
    SIZE sizeTotal;
    BOOL bStretch;
};

// WM_FLOATSTATUS flags
#define FS_SHOW 0x01
#define FS_HIDE 0x02
#define FS_ACTIVATE 0x04
#define FS_DEACTIVATE 0x08
#define FS_ENABLE 0x10
#define FS_DISABLE 0x20
#define FS_SYNCACTIVE 0x40

AFX_CORE_API void AFXAPI AfxRepositionWindow(AFX_SIZEPARENTPARAMS* lpLayout, HWND hWnd, LPCRECT lpRect);
AFX_CORE_API void AFXAPI AfxCancelModes(HWND hWndRcvr);
AFX_CORE_API BOOL AFXAPI AfxIsDescendant(HWND hWndParent, HWND hWndChild);
AFX_CORE_API HWND AFXAPI AfxGetParentOwner(HWND hWnd);

// ---------------------------------------------------------------- docking
// The strip along one side of a frame (or the client of a floating frame)
// that docked control bars are children of.  m_arrBars holds the bars row by
// row: each row ends with a NULL entry, and entry 0 is NULL too.
class AFX_CORE_API CDockBar : public CControlBar
{
    DECLARE_DYNAMIC(CDockBar)

// Construction
public:
    CDockBar(BOOL bFloating = FALSE);   // TRUE for the dock bar of a floating frame
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID);

// Attributes
    BOOL m_bFloating;

    virtual BOOL IsDockBar() const;
    int GetDockedCount() const;
    virtual int GetDockedVisibleCount() const;

// Operations
    // Docks the bar in the row that lpRect (screen) falls in, or in a new
    // last row without a rectangle.
    void DockControlBar(CControlBar* pBar, LPCRECT lpRect = NULL);
    void ReDockControlBar(CControlBar* pBar, LPCRECT lpRect = NULL);
    BOOL RemoveControlBar(CControlBar*, int nPosExclude = -1, int nAddPlaceHolder = 0);
    void RemovePlaceHolder(CControlBar* pBar);

// Implementation
public:
    virtual ~CDockBar();
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler);
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    virtual void DoPaint(CDC* pDC);

    int FindBar(CControlBar* pBar, int nPosExclude = -1);
    void ShowAll(BOOL bShow);

    CPtrArray m_arrBars;

protected:
    BOOL m_bLayoutQuery;   // the current layout only measures
    CRect m_rectLayout;    // the space the frame offers in this layout

    CControlBar* GetDockedControlBar(int nPos) const;
    // Makes room for a bar docked at rect (client) and returns its index.
    int Insert(CControlBar* pBar, CRect rect, CPoint ptMid);

    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnNcPaint();
    afx_msg void OnPaint();
    afx_msg LRESULT OnSizeParent(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()

    friend class CMiniDockFrameWnd;
};

// The state of dragging a control bar to dock or float it, resizing a
// floating bar, and toggling between the two; every dockable bar has one.
class AFX_CORE_API CDockContext
{
public:
// Construction
    CDockContext(CControlBar* pBar);

// Attributes
    CPoint m_ptLast;      // last mouse position of the drag
    CRect m_rectLast;     // the tracking rectangle last drawn
    CSize m_sizeLast;     // and its border thickness
    BOOL m_bDitherLast;

    // Where the bar would go, docked horizontally or vertically, or floating.
    CRect m_rectDragHorz;
    CRect m_rectDragVert;
    CRect m_rectFrameDragHorz;
    CRect m_rectFrameDragVert;

    CControlBar* m_pBar;
    CFrameWnd* m_pDockSite;
    DWORD m_dwDockStyle;       // sides the bar may dock on
    DWORD m_dwOverDockStyle;   // side of the dock bar the rectangle is over, 0 for none
    DWORD m_dwStyle;           // alignment of the bar when the drag started
    BOOL m_bFlip;              // Shift is down: the other orientation
    BOOL m_bForceFrame;        // Ctrl is down: float, never dock

    CDC* m_pDC;
    BOOL m_bDragging;
    int m_nHitTest;

    // Where the bar was last docked (dock bar id, rectangle in its client)
    // and last floated (style, top-left of the floating frame).
    UINT m_uMRUDockID;
    CRect m_rectMRUDockPos;
    DWORD m_dwMRUFloatStyle;
    CPoint m_ptMRUFloatPos;

// Drag operations
    virtual void StartDrag(CPoint pt);
    void Move(CPoint pt);
    void EndDrag();
    void OnKey(int nChar, BOOL bDown);

// Resize operations
    virtual void StartResize(int nHitTest, CPoint pt);
    void Stretch(CPoint pt);
    void EndResize();

// Double-click operations
    virtual void ToggleDocking();

// Operations
    void InitLoop();
    void CancelLoop();

// Implementation
public:
    ~CDockContext();
    BOOL Track();
    void DrawFocusRect(BOOL bRemoveRect = FALSE);
    void UpdateState(BOOL* pFlag, BOOL bNewValue);
    DWORD CanDock();
    CDockBar* GetDockBar(DWORD dwOverDockStyle);

protected:
    CRect m_rectRequestedSize;
    CRect m_rectActualSize;
    CRect m_rectActualFrameSize;
    CRect m_rectFrameBorders;
};

// The floating frame of a control bar: a mini frame whose client is one
// floating dock bar, sized to the bars it holds.
class AFX_CORE_API CMiniDockFrameWnd : public CMiniFrameWnd
{
    DECLARE_DYNCREATE(CMiniDockFrameWnd)

public:
// Construction
    CMiniDockFrameWnd();
    virtual BOOL Create(CWnd* pParent, DWORD dwBarStyle);

// Operations
    virtual void RecalcLayout(BOOL bNotify = TRUE);

// Implementation
public:
    CDockBar m_wndDockBar;

protected:
    CControlBar* FirstBar();

    afx_msg void OnClose();
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnNcLButtonDblClk(UINT nHitTest, CPoint point);
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    DECLARE_MESSAGE_MAP()
};

// Loads a bitmap resource whose standard grays, black and white follow the
// system's button colours (tool bar images).
AFX_CORE_API HBITMAP AFXAPI AfxLoadSysColorBitmap(HINSTANCE hInst, HRSRC hRsrc, BOOL bMono = FALSE);
