// VeluBars.h - the library's control bars: the cool tool bar and the dock bar painted to match it.
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

#endif // VELU_BARS_VELUBARS_H
