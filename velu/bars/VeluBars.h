// VeluBars.h - the library's control bars: tool bar, dock bar, floating and dockable bar, status bar.
#ifndef VELU_BARS_VELUBARS_H
#define VELU_BARS_VELUBARS_H

#include <afxwin.h>
#include <afxext.h>
#include <afxpriv.h>
#include <commctrl.h>
#include "frame/VeluFrame.h"

/////////////////////////////////////////////////////////////////////////////
// Cool tool bar constants

const int kToolBarMaxControls     = 32;   // entries of the embedded control table
const int kToolBarAppendSepWidth  = 8;    // separators added by AppendButtons, flat bar or not

// Drop-down buttons: the arrow takes this much of the button's right end.
const int kToolBarDropDownWidth   = 13;
const COLORREF kToolBarDropDivider      = 0x00E6E6E6;
const COLORREF kToolBarDropArrow        = 0x00646464;
const COLORREF kToolBarDisabledColor    = 0x00C8C8C8;   // disabled arrow and text
const COLORREF kToolBarTextColor        = 0x00000000;

// The strip at the start of a docked bar that holds the gripper dots.
const int kToolBarGripperStrip    = 8;
// A bar's edge and its dock bar's edge lie together within this many pixels.
const int kToolBarEdgeSlack       = 2;
// The lowest bar of the top area ends within this many pixels of its dock bar.
const int kToolBarLowestSlack     = 6;

/////////////////////////////////////////////////////////////////////////////
// CCoolToolBar: an MFC tool bar painted in the library's bar colours, with
// appended buttons, embedded controls, drop-down buttons and its own
// background-matched and gray image sets. The common control underneath
// still owns the buttons, their states, layout and hit testing.

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
    // The strip copy with its key colour replaced by the bar colour; NULL before SetCoolBitmap.
    HBITMAP GetButtonsBitmap();
    // TRUE when nID is the command id of a slot holding an embedded control.
    int IsControl(UINT nID);

    // Docked on that side; all FALSE while the bar floats.
    int IsTopDocked();
    int IsLeftDocked();
    int IsRightDocked();
    int IsBottomDocked();
    int IsHorzDocked();
    int IsVertDocked();
    // The frame dock bar id of the bar's alignment (top, bottom, left, right
    // first), floating or not; 0 without an alignment bit.
    UINT GetDockBarID();

// Operations
public:
    // Adds buttons (an id each; 0 for a separator) or, with no array, nCount
    // blank buttons after the existing ones. FALSE when the control refuses one.
    int AppendButtons(const UINT* pIDArray, int nCount);
    // Turns the button nID into a separator as wide as pRect and places
    // pControl, a child of this bar, in that slot.
    int InsertControl(CWnd* pControl, const RECT* pRect, UINT nID);
    void SetButtonDropDown(UINT nID);
    // Builds the background-matched and gray image sets from hStrip (not
    // owned): images cx by cy, cx 0 or too wide meaning square images.
    void SetCoolBitmap(HBITMAP hStrip, int cx, int cy);

    // Bitmap utilities, also for applications. TransparentBlt draws the
    // source rectangle, scaled to cx by cy, at (x, y), leaving every pixel
    // whose source pixel is crTransparent untouched; it leaves the
    // destination's background white and its text colour black.
    static void TransparentBlt(HDC hDestDC, int x, int y, int cx, int cy, HDC hSrcDC,
                               int xSrc, int ySrc, int cxSrc, int cySrc, COLORREF crTransparent);
    // New bitmap compatible with hRefDC holding the gray copy of the
    // source's (0, 0, cx, cy); black stays black. Null on failure.
    static HBITMAP MakeGrayBitmap(HDC hRefDC, HDC hSrcDC, int cx, int cy);
    // New bitmap compatible with hRefDC holding a copy of the source's
    // (0, 0, cx, cy) with every pixel equal to crFrom made crTo. Null on failure.
    static HBITMAP MakeTransparentBitmap(HDC hRefDC, HDC hSrcDC, int cx, int cy,
                                         COLORREF crFrom, COLORREF crTo);

// Implementation
public:
    virtual ~CCoolToolBar();

protected:
    UINT    m_nControlIDs[kToolBarMaxControls];   // 0 marks a free entry
    HBITMAP m_hButtonsBitmap;                     // owned
    int     m_nImageWidth;
    int     m_nImageHeight;
    int     m_nImageCount;
    HBITMAP m_hGrayBitmap;                        // owned

    int DockAtBottomOfTopArea();

    // Painting.
    void DrawCoolToolBar(CDC* pDC);
    void EraseClient(CDC* pDC);
    void EraseNonClient();
    void DrawGripper(CDC* pDC, const RECT* pRect);
    void DrawButtons(CDC* pDC);
    void DrawSeparator(CDC* pDC, int nIndex, TBBUTTON* pButton, const RECT* pItem, const RECT* pClient);
    void DrawButtonState(CDC* pDC, int nIndex, TBBUTTON* pButton, const RECT* pItem, int bHot,
                         int bBarHasText);
    void DrawButtonContent(CDC* pDC, int nIndex, TBBUTTON* pButton, const RECT* pItem,
                           int bBarHasText, int bHighlighted);

    //{{AFX_MSG(CCoolToolBar)
    afx_msg void OnPaint();
    afx_msg void OnNcPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    //}}AFX_MSG
    DECLARE_MESSAGE_MAP()

private:
    // The first inner-edge test that holds, as a CBRS_ALIGN_ bit; 0 for none.
    DWORD InnerEdge();
    void DrawImage(CDC* pDC, TBBUTTON* pButton, const RECT* pContent, int bHasText, int bBarHasText,
                   int bHighlighted);
    void DrawDropDownArrow(CDC* pDC, TBBUTTON* pButton, const RECT* pItem);
    void DrawButtonText(CDC* pDC, TBBUTTON* pButton, const RECT* pItem, const CString& strText);
};

/////////////////////////////////////////////////////////////////////////////
// CCoolDockBar: a frame dock bar filled with the tool bar background and
// lined on the edge that faces the frame's client area, so that docked
// tool bars and the strip around them look like one surface. Docking,
// layout and hit testing stay CDockBar's.

class AFX_EXT_CLASS CCoolDockBar : public CDockBar
{
    DECLARE_DYNAMIC(CCoolDockBar)

// Constructors
public:
    CCoolDockBar();

// Implementation
public:
    virtual ~CCoolDockBar();

protected:
    //{{AFX_MSG(CCoolDockBar)
    afx_msg void OnPaint();
    afx_msg void OnNcPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnWindowPosChanged(WINDOWPOS* lpWndPos);
    //}}AFX_MSG
    DECLARE_MESSAGE_MAP()

private:
    void EraseBackground(CDC* pDC);
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
