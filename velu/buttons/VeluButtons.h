// VeluButtons.h - buttons: the skinned push button, the hot spot, the check box and the help button.
#ifndef VELU_BUTTONS_VELUBUTTONS_H
#define VELU_BUTTONS_VELUBUTTONS_H

#include <afxwin.h>
#include "frame/VeluFrame.h"

/////////////////////////////////////////////////////////////////////////////
// Visual states. A state's value is also its bit in a text colour mask.

const DWORD kStateDefault  = 0x01;   // default button, or a focused control
const DWORD kStateNormal   = 0x02;
const DWORD kStateDisabled = 0x04;
const DWORD kStateHot      = 0x08;
const DWORD kStatePressed  = 0x10;
const int   kStateCount    = 5;       // default, normal, disabled, hot, pressed
const DWORD kStateMaskAll  = 0xFFFFFFFF;

// Button shapes of CCoolButton::SetButtonShape; any value but flat is standard.
const int kButtonShapeStandard = 0;
const int kButtonShapeFlat     = 1;

// Window texts are read into buffers of this size (255 characters and the terminator).
const int kCaptionBufferSize = 256;

// Push button layout: content clip inset (left/right, top/bottom), focus
// rectangle inset on every side, and the gap between icon and caption.
const int kButtonClipInsetX  = 3;
const int kButtonClipInsetY  = 1;
const int kButtonFocusInset  = 3;
const int kButtonIconGap     = 5;

// Hover notification requested by the push button, in milliseconds.
const DWORD kButtonHoverTime = 1;

// Hot spot mouse flags.
const DWORD kHotSpotHot     = 0x08;   // pointer over the control, which holds the capture
const DWORD kHotSpotPressed = 0x10;   // the left button went down on it

// Caption colour of a hot or pressed hot spot unless the application sets one.
const COLORREF kHotSpotAccent = 0x000E7CBE;

// Pause between the played press and release of a double click, in milliseconds.
const DWORD kHotSpotDblClkPause = 100;

// Check box geometry and colour.
const int      kCheckBoxSize         = 12;   // side of the box outline
const int      kCheckCaptionLeft     = 20;   // caption starts this far from the left
const int      kCheckCaptionRight    = 2;    // and ends this far from the right
const int      kCheckFocusLeft       = 15;   // focus frame: left edge
const int      kCheckFocusExtra      = 2;    // frame runs this far beyond the caption width
const int      kCheckFocusInsetY     = 2;    // frame inset at top and bottom
const int      kCheckFocusEmptyWidth = 5;    // caption width counted without a caption
const COLORREF kCheckOutline         = kBarEdge;

// Help button link colours and the room it leaves beyond icon and caption.
const COLORREF kHelpLinkColor = 0x001197E8;
const COLORREF kHelpHotColor  = 0x0014DCDC;
const int      kHelpFitMargin = 16;

/////////////////////////////////////////////////////////////////////////////
// CVeluStateColors - a caption colour per visual state and the mask of the
// states whose colour has been given. Shared by the push button and the hot spot.

struct AFX_EXT_CLASS CVeluStateColors
{
    DWORD    m_dwMask;
    COLORREF m_crText[kStateCount];   // default, normal, disabled, hot, pressed

    void Init(DWORD dwMask, const COLORREF* pColors);
    void SetAll(COLORREF crDefault, COLORREF crNormal, COLORREF crDisabled,
                COLORREF crHot, COLORREF crPressed);
    void Set(DWORD dwState, COLORREF cr);
    BOOL Has(DWORD dwState) const;

    // Gives the DC the state's caption colour: the colour given for it, else
    // gray text when disabled, else leaves it alone. Returns the previous colour.
    COLORREF Select(CDC* pDC, DWORD dwState) const;

    // Index 0 to 4 of a state value, -1 for anything else.
    static int IndexOf(DWORD dwState);
};

/////////////////////////////////////////////////////////////////////////////
// CCoolButton - owner-drawn push button painted from one skin per state, with
// an optional icon, per-state caption colours, hover tracking and Enter as a click.

class AFX_EXT_CLASS CCoolButton : public CButton
{
    DECLARE_DYNAMIC(CCoolButton)

// Constructors
public:
    CCoolButton();

// Attributes
public:
    // A negative shape is ignored.
    void SetButtonShape(int nShape);
    // A null skin puts the matching shared button skin back.
    void SetButtonInfo(int nShape, HBITMAP hDefault, HBITMAP hNormal, HBITMAP hDisabled,
                       HBITMAP hHot, HBITMAP hPressed);
    void SetIcons(HICON hIcon, HICON hHotIcon);
    void SetDrawFocusedRect(BOOL bDraw);
    void SetTextColors(COLORREF crDefault, COLORREF crNormal, COLORREF crDisabled,
                       COLORREF crHot, COLORREF crPressed);
    void SetDefaultTextColor(COLORREF cr);
    void SetNormalTextColor(COLORREF cr);
    void SetDisabledTextColor(COLORREF cr);
    void SetHotTextColor(COLORREF cr);
    void SetPressedTextColor(COLORREF cr);

// Overridables
public:
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    virtual void DrawBackground(CDC* pDC, RECT* pRect, DWORD dwState);
    virtual void DrawContent(CDC* pDC, RECT* pRect, DWORD dwState);
    virtual void DrawFocusRect(CDC* pDC, RECT* pRect);
    virtual BOOL PreTranslateMessage(MSG* pMsg);

protected:
    virtual void PreSubclassWindow();

// Implementation
public:
    virtual ~CCoolButton();

protected:
    HICON GetDrawIcon(SIZE* pSize, DWORD dwState);
    COLORREF SelectTextColor(CDC* pDC, DWORD dwState);
    // The visual state of one paint, from the item state and hover.
    DWORD GetDrawState(UINT nItemState) const;

    HICON            m_hHotIcon;
    HICON            m_hIcon;
    BOOL             m_bIsDefault;
    int              m_nShape;
    BOOL             m_bDrawFocusRect;
    BOOL             m_bHover;
    BOOL             m_bTracking;
    HBITMAP          m_hSkins[kStateCount];   // default, normal, disabled, hot, pressed
    CVeluStateColors m_colors;

    //{{AFX_MSG(CCoolButton)
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg LRESULT OnMouseHover(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
    //}}AFX_MSG
    DECLARE_MESSAGE_MAP()

private:
    CCoolButton(const CCoolButton&);
    CCoolButton& operator=(const CCoolButton&);
};

/////////////////////////////////////////////////////////////////////////////
// CHotSpot - a clickable area that tracks the mouse (by capturing it) and the
// focus, works out a visual state and draws through three empty hooks.

class AFX_EXT_CLASS CHotSpot : public CWndForXCtrl
{
    DECLARE_DYNAMIC(CHotSpot)

// Constructors
public:
    CHotSpot();

// Attributes
public:
    void SetDrawFocusedRect(BOOL bDraw);
    BOOL GetDrawFocusedRect() const;
    void SetTextColors(COLORREF crDefault, COLORREF crNormal, COLORREF crDisabled,
                       COLORREF crHot, COLORREF crPressed);
    void SetDefaultTextColor(COLORREF cr);
    void SetNormalTextColor(COLORREF cr);
    void SetDisabledTextColor(COLORREF cr);
    void SetHotTextColor(COLORREF cr);
    void SetPressedTextColor(COLORREF cr);

// Overridables
protected:
    virtual void DrawBackground(CDC* pDC, RECT* pRect, DWORD dwState);
    virtual void DrawContent(CDC* pDC, RECT* pRect, DWORD dwState);
    virtual void DrawFocusRect(CDC* pDC, RECT* pRect);
    virtual void OnDraw(CDC* pDC);

// Implementation
public:
    virtual ~CHotSpot();

protected:
    COLORREF SelectTextColor(CDC* pDC, DWORD dwState);
    void PrivateDraw(CDC* pDC);
    void PrivateDraw();
    // The visual state from the enabled state, the mouse flags and the focus.
    DWORD GetDrawState() const;
    // The window rectangle in client coordinates: what the control draws into.
    void GetDrawRect(RECT* pRect) const;

    DWORD            m_dwMouseFlags;
    BOOL             m_bDrawFocusRect;
    CVeluStateColors m_colors;

    //{{AFX_MSG(CHotSpot)
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    //}}AFX_MSG
    DECLARE_MESSAGE_MAP()

private:
    CHotSpot(const CHotSpot&);
    CHotSpot& operator=(const CHotSpot&);
};

// The hot spot that last received the focus; null while none has it.
// Shared by every hot spot and check box of the process.
extern AFX_EXT_DATA CHotSpot* g_pFocusedHotSpot;

/////////////////////////////////////////////////////////////////////////////
// CCoolCheckBox - a flat check box on a transparent background: a thin box,
// a three-pixel check mark and the caption to its right.

class CCoolCheckBox;
typedef void (*VELUCHECKCHANGEDPROC)(void* pContext, CCoolCheckBox* pCheckBox);

class AFX_EXT_CLASS CCoolCheckBox : public CHotSpot
{
    DECLARE_DYNAMIC(CCoolCheckBox)

// Constructors
public:
    CCoolCheckBox();

// Attributes
public:
    int GetCheck() const;
    // Only a change between zero and nonzero is stored.
    void SetCheck(int nCheck, BOOL bRepaint, BOOL bNotify);
    // A null callback switches notification off.
    void SetChangedCallback(void* pContext, VELUCHECKCHANGEDPROC pfnChanged);

// Overridables
public:
    virtual void OnCheckChanged();

protected:
    virtual void DrawContent(CDC* pDC, RECT* pRect, DWORD dwState);
    virtual void DrawFocusRect(CDC* pDC, RECT* pRect);

// Implementation
public:
    virtual ~CCoolCheckBox();

protected:
    void ToggleCheck(BOOL bRepaint);
    void Repaint();
    void DrawCaption(CDC* pDC, const RECT& rc, DWORD dwState, LPCSTR pszText, int nLength);
    void DrawBox(CDC* pDC, const RECT& rc);
    void InvalidateInParent(CWnd* pParent);

    int                  m_nCheck;
    void*                m_pCallbackContext;
    VELUCHECKCHANGEDPROC m_pfnChanged;

    //{{AFX_MSG(CCoolCheckBox)
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    //}}AFX_MSG
    DECLARE_MESSAGE_MAP()

private:
    CCoolCheckBox(const CCoolCheckBox&);
    CCoolCheckBox& operator=(const CCoolCheckBox&);
};

/////////////////////////////////////////////////////////////////////////////
// CCoolHelpButton - a push button that looks like a hyperlink: no skin, no
// focus rectangle, link colours, the hand cursor, and fitting to its caption.

class AFX_EXT_CLASS CCoolHelpButton : public CCoolButton
{
    DECLARE_DYNAMIC(CCoolHelpButton)

// Constructors
public:
    CCoolHelpButton();

// Operations
public:
    void LeftAndFitText();
    void RightAndFitText();

// Overridables
public:
    virtual void DrawBackground(CDC* pDC, RECT* pRect, DWORD dwState);
    virtual void DrawContent(CDC* pDC, RECT* pRect, DWORD dwState);
    virtual void DrawFocusRect(CDC* pDC, RECT* pRect);

// Implementation
public:
    virtual ~CCoolHelpButton();

protected:
    void FitText(BOOL bKeepRight);

    //{{AFX_MSG(CCoolHelpButton)
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    //}}AFX_MSG
    DECLARE_MESSAGE_MAP()

private:
    CCoolHelpButton(const CCoolHelpButton&);
    CCoolHelpButton& operator=(const CCoolHelpButton&);
};

#endif // VELU_BUTTONS_VELUBUTTONS_H
