// VeluPanes.h - dialog and split panes: the skinned dialog base class.
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

#endif // VELU_PANES_VELUPANES_H
