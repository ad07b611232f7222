// VeluPanes.h - dialog and split panes: the skinned dialog base class and the split bars.
#ifndef VELU_PANES_VELUPANES_H
#define VELU_PANES_VELUPANES_H

#include <afxwin.h>
#include "frame/VeluFrame.h"
#include "tips/VeluTips.h"

/////////////////////////////////////////////////////////////////////////////
// Skinned dialog constants

// Background types of CCoolDialog::SetDlgBkType.
const int kDlgBkPlatform = 0;       // the platform's ordinary erase
const int kDlgBkSkinned  = 1;       // the dialog skin (any non-zero value)

// The dialog skin's corners are square, 24 pixels each way.
const int kDlgSkinCornerSize = 24;

/////////////////////////////////////////////////////////////////////////////
// CCoolDialog: a dialog whose client area is painted with the library's
// dialog skin, flicker-free, and which gives its controls tooltips by id.

class AFX_EXT_CLASS CCoolDialog : public CDialog
{
    DECLARE_DYNAMIC(CCoolDialog)

// Constructors
public:
    CCoolDialog();
    CCoolDialog(UINT nIDTemplate, CWnd* pParentWnd = NULL);
    CCoolDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd = NULL);

// Attributes
public:
    void SetDlgBkType(int nType);

// Operations
public:
    int AddToolTip(UINT nID, const char* pszText);
    int AddToolTip(UINT nID, VELUTOOLTEXTPROC pfnText, unsigned char* pData, int nDataLength);
    int DelToolTip(UINT nID);
    void HideToolTip();

// Overridables
public:
    // Paints the whole background into hDC, an off-screen context of the client's size.
    virtual void PaintBk(HDC hDC);

// Implementation
public:
    virtual ~CCoolDialog();
    virtual BOOL OnInitDialog();
    virtual BOOL PreTranslateMessage(MSG* pMsg);

protected:
    int          m_nBkType;
    CCoolToolTip m_toolTip;

    //{{AFX_MSG(CCoolDialog)
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnDestroy();
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    //}}AFX_MSG
    DECLARE_MESSAGE_MAP()
};

/////////////////////////////////////////////////////////////////////////////
// Split bar constants

// Sent to the parent after a drag moved a bar: wParam the signed distance
// (right or down positive), lParam the bar's control id.
const UINT kSplitBarMoved = WM_USER + 1000;

// Minimum pane size on either side of a bar until the application sets its own.
const int kSplitDefaultMin = 10;

// Style bit a bound control gets so that it takes mouse input (SS_NOTIFY for a static).
const DWORD kSplitBoundStyle = 0x0100;

// Panes keep this many pixels free between themselves and the bar.
const int kSplitPaneGap = 1;

/////////////////////////////////////////////////////////////////////////////
// CVertSplitWnd: a bar between panes on its left and its right, dragged
// sideways. Panes are the parent's children named by control id.

class AFX_EXT_CLASS CVertSplitWnd : public CWnd
{
// Constructors
public:
    CVertSplitWnd();
    int Create(unsigned long dwStyle, const RECT& rect, CWnd* pParentWnd, unsigned int nID);
    int BindWithControl(CWnd* pParentWnd, unsigned long nID);
    void Unbind();

// Attributes
public:
    void SetMinWidth(int nMinLeft, int nMinRight);

// Operations
public:
    int AttachAsLeftPane(unsigned long nID);
    int AttachAsRightPane(unsigned long nID);
    int DetachAllPanes();
    void RecalcLayout();

// Implementation
public:
    virtual ~CVertSplitWnd();

protected:
    int GetMouseClipRect(RECT* pClip, CPoint point);

    CWnd* m_pParent;
    CDWordArray m_aLeftPanes;
    CDWordArray m_aRightPanes;
    int m_nMinLeft;
    int m_nMinRight;

    //{{AFX_MSG(CVertSplitWnd)
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    //}}AFX_MSG
    DECLARE_MESSAGE_MAP()

private:
    CVertSplitWnd(const CVertSplitWnd&);
    CVertSplitWnd& operator=(const CVertSplitWnd&);
};

/////////////////////////////////////////////////////////////////////////////
// CHorzSplitWnd: the same bar between panes above and below, dragged up and down.

class AFX_EXT_CLASS CHorzSplitWnd : public CWnd
{
// Constructors
public:
    CHorzSplitWnd();
    int Create(unsigned long dwStyle, const RECT& rect, CWnd* pParentWnd, unsigned int nID);
    int BindWithControl(CWnd* pParentWnd, unsigned long nID);
    void Unbind();

// Attributes
public:
    void SetMinHeight(int nMinAbove, int nMinBelow);

// Operations
public:
    int AttachAsAbovePane(unsigned long nID);
    int AttachAsBelowPane(unsigned long nID);
    int DetachAllPanes();
    void RecalcLayout();

// Implementation
public:
    virtual ~CHorzSplitWnd();

protected:
    int GetMouseClipRect(RECT* pClip, CPoint point);

    CWnd* m_pParent;
    CDWordArray m_aAbovePanes;
    CDWordArray m_aBelowPanes;
    int m_nMinAbove;
    int m_nMinBelow;

    //{{AFX_MSG(CHorzSplitWnd)
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    //}}AFX_MSG
    DECLARE_MESSAGE_MAP()

private:
    CHorzSplitWnd(const CHorzSplitWnd&);
    CHorzSplitWnd& operator=(const CHorzSplitWnd&);
};

#endif // VELU_PANES_VELUPANES_H
