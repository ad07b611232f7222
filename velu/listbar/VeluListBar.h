// VeluListBar.h - the button list bar: large image-and-text buttons in named groups, in a row or a column.
#ifndef VELU_LISTBAR_VELULISTBAR_H
#define VELU_LISTBAR_VELULISTBAR_H

#include <afxwin.h>
#include <afxcmn.h>
#include "frame/VeluFrame.h"

/////////////////////////////////////////////////////////////////////////////
// Model limits

const int kListMaxGroups       = 16;
const int kListMaxGroupButtons = 32;    // member entries of one group
const int kListTextSize        = 65;    // every text buffer, terminator included
const int kListMaxTextBytes    = 63;    // bytes kept of a button's caption or tip
const int kListMaxNameBytes    = 64;    // bytes kept of a group's name or tip
const int kListGrowBy          = 10;    // button records added when the array is full

// Orientation (SetVirticalOrHorizontal): buttons in a row, or in a column.
const int kListHorizontal = 0;
const int kListVertical   = 1;

// Display modes (SetImageOrTextOrBoth).
const int kListImageAndText = 0;
const int kListImageOnly    = 1;
const int kListTextOnly     = 2;

// Scroll arrows (ScrollItemFromPt and the hot arrow).
const int kListNoArrow       = 0;
const int kListLeadingArrow  = 1;   // up when vertical, left when horizontal
const int kListTrailingArrow = 2;   // down when vertical, right when horizontal

// Sent to the owner when a button is clicked: wParam 1, lParam the button index.
const UINT kListClickMessage = WM_USER + 0x201;
const WPARAM kListClickWParam = 1;

// Tool ids of group buttons start here; below it a tool id is a button index.
const UINT kListGroupToolBase = 10000;

// Geometry, in pixels.
const int kListImageBox        = 33;   // room for an item icon
const int kListArrowBand       = 13;   // thickness of a scroll arrow band
const int kListDefaultTextHeight = 16; // when the font cannot be measured
const int kListGroupPadding    = 4;    // vertical group button: text height + this
const int kListGroupNamePadding = 8;   // horizontal group button: name width + this ...
const int kListGroupMaxWidth   = 66;   // ... at most this
const int kListButtonPadding   = 20;   // horizontal button: content width + this ...
const int kListButtonMaxWidth  = 99;   // ... at most this
const int kListButtonExtra     = 10;   // button height: content height + this
const int kListTextMargin      = 5;    // caption distance from the button's bottom (and sides)

// Captions and group names: centred on one line, cut with an ellipsis.
const UINT kListTextFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_WORD_ELLIPSIS;

// The selected group's name: bold, at nine tenths of the font's height.
const int    kListBoldWeight      = FW_BOLD;
const double kListBoldHeightScale = 0.9;

// A double click flashes the button (or arrow) sunken for this long.
const DWORD kListFlashTime = 100;

/////////////////////////////////////////////////////////////////////////////
// Records of the model

struct BUTTONLISTITEM
{
    int   nImage;                       // index into the item image list
    DWORD dwData;                       // application data
    char  szText[kListTextSize];        // caption
    char  szToolTip[kListTextSize];     // tip; empty shows the caption
};

// A group leads with the same fields as a button (image -1, data 0, the name
// as its text), then its members: button indices from the front, -1 free.
struct BUTTONLISTGROUP
{
    BUTTONLISTITEM item;
    int            nMembers[kListMaxGroupButtons];
};

/////////////////////////////////////////////////////////////////////////////
// CButtonListBar - big buttons, each an image, a caption and a tip, in up to
// 16 groups shown one at a time below (or beside) a header per group, with
// scroll arrows when they do not fit. A click is sent to the owner as
// kListClickMessage. Tips show through MFC's tool tips once the application
// calls EnableToolTips() on the bar.

class AFX_EXT_CLASS CButtonListBar : public CWndForXCtrl
{
    DECLARE_DYNAMIC(CButtonListBar)

// Constructors
public:
    CButtonListBar();

// Attributes
public:
    // The window that gets kListClickMessage; the parent when none is set at creation.
    void SetOwner(HWND hWndOwner);
    void SetVirticalOrHorizontal(int nOrientation, int bRepaint);
    void SetImageOrTextOrBoth(int nMode, int bRepaint);
    void SetBkColor(COLORREF crBackground, int bRepaint);
    // Returns the previous list. The bar's creation puts the button-list glyphs in.
    CImageList* SetItemImageList(CImageList* pImageList);
    CFont* GetButtonListFont();

    int GetCurSel() const;
    int GetMouseClickItem() const;
    int GetTotalCount() const;
    int GetCurSelGroupButton() const;
    // 0 with groups off, else the number of named groups.
    int GetGroups() const;
    // Buttons of a group (negative: the selected one); all buttons with groups off.
    int GetGroupCommandCount(int nGroup) const;
    int GetGroupCommandCount(const char* pszGroup) const;

    void SetItemData(int nIndex, unsigned long dwData);
    unsigned long GetItemData(int nIndex) const;
    void SetItemText(int nIndex, const char* pszText);
    // An empty string for an index out of range.
    const char* GetItemText(int nIndex) const;

    // Both return the previous value; with bRedraw the old and new buttons repaint at once.
    int SetCurSel(int nPosition, int bRedraw);
    int SetMouseClickItem(int nIndex, int bRedraw);

// Operations
public:
    // Groups can be switched on only while the bar holds no button.
    BOOL NeedGroup(int bEnable);
    BOOL AddButton(const char* pszGroup, int nImage, const char* pszText,
                   const char* pszToolTip, unsigned long dwData);
    BOOL SetGroupToolTip(int nGroup, const char* pszToolTip);
    BOOL SetGroupToolTip(const char* pszGroup, const char* pszToolTip);

    // Geometry in client coordinates; a rectangle that does not exist comes back all zero.
    BOOL GetGroupButtonRect(HDC hDC, int nGroup, RECT* pRect) const;
    BOOL GetGroupButtonRect(int nGroup, RECT* pRect) const;
    int GetGroupsRect(HDC hDC, RECT* pRect) const;
    int GetGroupsRect(RECT* pRect) const;
    BOOL GetItemRect(int nPosition, RECT* pRect) const;
    int ItemFromPt(POINT pt) const;
    int GroupButtonFromPt(POINT pt) const;

    void EraseBkgnd(HDC hDC);
    void DrawScrollBar();
    void DrawGroups();
    void DrawGroupButton(int nGroup);
    void DrawGroups(HDC hDC);
    void DrawGroupButton(HDC hDC, int nGroup);

// Overridables (in this order after CWndForXCtrl's)
public:
    virtual int ScrollItemFromPt(POINT pt) const;
    virtual void DrawScrollBar(HDC hDC);
    virtual void DrawItem(HDC hDC, int nPosition);
    virtual void OnButtonClick(int nIndex);
    virtual void Clear();
    virtual BOOL GetItemRect(HDC hDC, int nPosition, RECT* pRect) const;

    virtual int OnToolHitTest(CPoint point, TOOLINFO* pTI) const;

protected:
    virtual void OnDraw(CDC* pDC);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);

// Implementation
public:
    virtual ~CButtonListBar();

protected:
    // Model helpers
    int FindGroup(const char* pszGroup) const;
    int ButtonOfPosition(int nPosition) const;
    const char* ToolText(UINT nId) const;

    // Measures
    int GetTextHeight(HDC hDC) const;
    int GetContentHeight(HDC hDC) const;
    int GetGroupButtonWidth(HDC hDC, int nGroup) const;
    int GetButtonWidth(HDC hDC, int nIndex) const;
    void GetClientArea(RECT* pRect) const;

    // Scroll arrows
    BOOL HasLeadingArrow() const;
    BOOL HasTrailingArrow(HDC hDC, BOOL bCountHot) const;
    void GetArrowRect(HDC hDC, int nArrow, RECT* pRect) const;
    void DrawArrow(HDC hDC, int nArrow);

    // Painting pieces
    void DrawFrame(HDC hDC, const RECT& rc, COLORREF crFirst, COLORREF crSecond);
    void DrawRaisedOrSunken(HDC hDC, const RECT& rc, BOOL bSunken);
    void DrawInClient(int nWhat, int nFirst, int nSecond);
    void RedrawPair(int nOld, int nNew);
    void ClearHotGroupButton();
    void ClearHotArrow();
    void InvalidateUnderBar();

    int             m_nHotArrow;
    int             m_nCurSelGroup;
    int             m_nHotGroupButton;
    BOOL            m_bGroupsEnabled;
    BUTTONLISTGROUP m_groups[kListMaxGroups];
    HWND            m_hWndNotify;         // gets kListClickMessage
    BOOL            m_bPressed;
    int             m_nCurSel;
    int             m_nMouseClickItem;
    int             m_nPressedPos;
    int             m_nFirstShown;
    int             m_nEdgePos;
    COLORREF        m_crBackground;
    HBRUSH          m_hBrushBackground;   // owned
    int             m_nOrientation;
    CImageList*     m_pItemImageList;     // not owned
    int             m_nCount;
    int             m_nCapacity;
    BUTTONLISTITEM* m_pButtons;           // owned
    int             m_nDisplayMode;

    //{{AFX_MSG(CButtonListBar)
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg BOOL OnNeedToolTextA(UINT nId, NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg BOOL OnNeedToolTextW(UINT nId, NMHDR* pNMHDR, LRESULT* pResult);
    //}}AFX_MSG
    DECLARE_MESSAGE_MAP()

private:
    CButtonListBar(const CButtonListBar&);
    CButtonListBar& operator=(const CButtonListBar&);
};

#endif // VELU_LISTBAR_VELULISTBAR_H
