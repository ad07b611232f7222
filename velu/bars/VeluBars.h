// VeluBars.h - the library's control bars: tool bar, dock bar, floating and dockable bar, status bar.
#ifndef VELU_BARS_VELUBARS_H
#define VELU_BARS_VELUBARS_H

#include <afxwin.h>
#include <afxext.h>
#include <afxpriv.h>
#include <commctrl.h>
#include "frame/VeluFrame.h"

/////////////////////////////////////////////////////////////////////////////
// CCoolToolBar: an MFC tool bar painted in the library's bar colours, with
// appended buttons, embedded controls, drop-down buttons and its own
// background-matched and gray image sets.

class AFX_EXT_CLASS CCoolToolBar : public CToolBar
{
    DECLARE_DYNAMIC(CCoolToolBar)

// Constructors
public:
    CCoolToolBar();

// Attributes
public:
    // The module-wide tool bar background brush (kBarBackground) every bar fills with.
    static CBrush* GetBkBrush();

// Implementation
public:
    virtual ~CCoolToolBar();
};

/////////////////////////////////////////////////////////////////////////////
// Floating and dockable bar constants

// Hit codes of MouseHitTest (the letters as numbers); 0 is none.
const int kFloatBarHitFloat  = 'F';
const int kFloatBarHitClose  = 'C';
const int kFloatBarHitLeft   = 'L';
const int kFloatBarHitRight  = 'R';
const int kFloatBarHitTop    = 'T';
const int kFloatBarHitBottom = 'B';

const int kFloatBarEdge          = 6;      // frame around the working area, and the edge strips
const int kFloatBarCaption       = 16;     // caption band beside or above the working area
const int kFloatBarMinSize       = 16;     // no minimum goes below this
const int kFloatBarDefaultSize   = 300;    // every size until the user changes it
const int kFloatBarTitleMax      = 128;    // characters of the window text shown as title
const COLORREF kFloatBarTitleColor = 0x00808080;

/////////////////////////////////////////////////////////////////////////////
// CCoolFloatBar - a resizable control bar for the application's own child
// windows (a tree, a list, a form). Docked, it has a frame, a caption band
// with float and close buttons (and a title when docked left or right) and
// an inner edge the user drags to resize it; floating, it fills its floating
// frame. The side comes from the dock bar it sits in. Call EnableDocking and
// give the bar CBRS_SIZE_DYNAMIC (SetBarStyle) so that it keeps its own size
// while floating.

class AFX_EXT_CLASS CCoolFloatBar : public CControlBar
{
    DECLARE_DYNAMIC(CCoolFloatBar)

// Constructors
public:
    CCoolFloatBar();

// Attributes
public:
    void ShowCaption(int bShow);
    void SetFloatable(int bFloatable);
    void CanCloseBar(int bCanClose);
    // Each value of 16 or more replaces its minimum; smaller ones are ignored.
    void SetMinWidthHeight(int nMinWidth, int nMinHeight);

    // Control ID of the parent window: a frame dock bar's ID while docked.
    UINT GetDockBarID() const;
    int IsTopDocked() const;
    int IsBottomDocked() const;
    int IsLeftDocked() const;
    int IsRightDocked() const;
    int IsHorzDocked() const;
    int IsVertDocked() const;

// Operations
public:
    // The area left for the bar's child windows (client coordinates).
    void GetWorkingRect(RECT* pRect);
    // The caption buttons; both come back all zero without a caption, and
    // empty (bottom above top) while floating. Either pointer may be NULL.
    void GetDockedButtonsRect(RECT* pFloatRect, RECT* pCloseRect);
    int MouseHitTest(POINT point);

    void StartTracking();
    void StopTracking(int bApply);
    void OnInvertTracker(const CRect& rect);

// Overridables
public:
    // Neither horizontally nor vertically docked.
    virtual int IsFloating() const;
    // A visible child of pParentWnd titled lpszTitle; the size argument is
    // not used: the bar's own sizes decide.
    virtual int Create(CWnd* pParentWnd, UINT nID, LPCTSTR lpszTitle, CSize size);

protected:
    void DrawBackground(CDC* pDC);

// Implementation
public:
    virtual ~CCoolFloatBar();
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    virtual CSize CalcDynamicLayout(int nLength, DWORD nMode);
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler);

protected:
    int    m_bShowCaption;
    int    m_bFloatable;
    int    m_bCanClose;
    int    m_nMinWidth;
    int    m_nMinHeight;
    CSize  m_sizeHorz;        // cy: the height docked top or bottom
    CSize  m_sizeVert;        // cx: the width docked left or right
    CSize  m_sizeFloat;       // the size while floating
    int    m_bTracking;       // an edge drag is under way
    CPoint m_ptTrackStart;    // centre of the hit edge strip when it began
    CRect  m_rectHitEdge;     // edge strip of the last hit test
    CRect  m_rectTracker;     // the inverted drag bar, client coordinates
    int    m_nLastHit;        // code of the last hit test from a move or press

    int SizingEdge() const;
    void SetSizingCursor(int nHit);
    void MoveTracker(CPoint point);
    void ApplyTracking();
    void InvalidateButton(const RECT& rect);
    void DrawBands(CDC* pDC, const CRect& rcClient, const CRect& rcWork);
    void DrawTitle(CDC* pDC, const CRect& rcClient, const CRect& rcWork);

    //{{AFX_MSG(CCoolFloatBar)
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    //}}AFX_MSG
    DECLARE_MESSAGE_MAP()
};

/////////////////////////////////////////////////////////////////////////////
// Status bar constants

const int kStatusMaxIcons   = 36;      // panes that can carry an icon
const int kStatusMaxParts   = 128;     // parts asked of the status window
const int kStatusGripRoom   = 14;      // kept free at the right for the size grip
const int kStatusTextPad    = 4;       // a pane narrower than its text + this ...
const int kStatusTextWiden  = 6;       // ... becomes text + this wide
const int kStatusIconGap    = 2;       // between an icon and its text

/////////////////////////////////////////////////////////////////////////////
// CCoolStatusBar - the status bar, painted flat on the bar background: panes
// laid out from the right edge, an optional icon in each of the first 36,
// thin separators, a size grip of dots (none while the frame is maximised),
// and text colours of its own for enabled and disabled panes. The Caps Lock,
// Num Lock and Scroll Lock panes repaint when their lock changes. Indicators,
// texts, styles and widths are CStatusBar's.

class AFX_EXT_CLASS CCoolStatusBar : public CStatusBar
{
// Constructors
public:
    CCoolStatusBar();

// Attributes
public:
    COLORREF GetTextColor() const;
    void SetTextColor(COLORREF crText);
    COLORREF GetDisabledTextColor() const;
    void SetDisabledTextColor(COLORREF crText);
    // Parts of the status window.
    int GetPanes();
    // Pane 0 to 35; NULL removes the icon. The bar never destroys an icon.
    int SetPaneIcon(int nIndex, HICON hIcon);

// Overridables
public:
    // The pane's information, its width widened for its text and icon.
    virtual void GetCoolPaneInfo(CDC* pDC, int nIndex, UINT& nID, UINT& nStyle, int& cxWidth);
protected:
    virtual void DrawPaneContent(CDC* pDC, int nIndex, RECT* pRect, int bDisabled);

// Implementation
public:
    virtual ~CCoolStatusBar();

protected:
    COLORREF m_crText;
    COLORREF m_crDisabledText;
    HICON    m_hPaneIcons[kStatusMaxIcons];

    // The pane's icon and its size, or NULL and (0, 0); monochrome icons are never drawn.
    HICON GetDrawIcon(int nIndex, SIZE* pSize);
    void DrawGripper(CDC* pDC, const RECT* pRect);
    void DrawBarBackground(CDC* pDC, const CRect& rect);
    void DrawPanes(CDC* pDC, const CRect& rect, int nPanes, int nRight, CDWordArray& arrWidths);
    void DrawSeparators(CDC* pDC, const CRect& rect, int nPanes, int nStart, const CDWordArray& arrWidths);

    //{{AFX_MSG(CCoolStatusBar)
    afx_msg void OnPaint();
    afx_msg void OnUpdateKeyIndicator(CCmdUI* pCmdUI);
    //}}AFX_MSG
    DECLARE_MESSAGE_MAP()
};

#endif // VELU_BARS_VELUBARS_H
