// VeluTips.h - tips and pop-ups: base tip window, balloon tips, the skinned tooltip manager
// and the task-bar notifier.
#ifndef VELU_TIPS_VELUTIPS_H
#define VELU_TIPS_VELUTIPS_H

#include <afxwin.h>
#include "frame/VeluFrame.h"

/////////////////////////////////////////////////////////////////////////////
// Base tip window constants

const UINT kBaseTipDelayTimerId   = 0x12364928;  // show delay, fires once
const UINT kBaseTipDisplayTimerId = 0x12928364;  // display time, hides the tip
const int  kBaseTipShowDelay      = 300;         // ms between ShowMe and the tip appearing
const int  kBaseTipDefaultShowTime = 30000;      // show time until the first ShowMe sets one

/////////////////////////////////////////////////////////////////////////////
// CBaseTipWnd: a borderless top-most pop-up that a derived class places at a
// rectangle of its own. It appears after a short delay, stays for the show
// time and goes away at a click anywhere, handing the click on to whatever
// lies under the cursor.

class AFX_EXT_CLASS CBaseTipWnd : public CWnd
{
// Constructors
public:
    CBaseTipWnd();
    // Creates the hidden pop-up; call once before the first ShowMe.
    virtual BOOL Create();

// Operations
public:
    // Places the tip where CalcLayout says; a hidden tip appears after the
    // show delay and stays nShowTime ms. A tip already up is moved and
    // repainted and keeps its running timer.
    void ShowMe(int nShowTime, int bActivate);
    void HideMe();

// Overridables
protected:
    // Fills *pRect (arriving all zero) with the tip's screen rectangle.
    virtual void CalcLayout(RECT* pRect) = 0;

// Implementation
protected:
    UINT m_nTimerId;            // the one running timer, 0 when none
    BOOL m_bActivate;
    int  m_nShowTime;

    void StopTimer();
    void ReplayClick(DWORD dwDownFlag, DWORD dwUpFlag, CPoint point);

    //{{AFX_MSG(CBaseTipWnd)
    afx_msg void OnTimer(UINT nIDEvent);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    //}}AFX_MSG
    DECLARE_MESSAGE_MAP()
};

/////////////////////////////////////////////////////////////////////////////
// Balloon tip constants

// Where the tail sits; any other value acts as kBalloonTailBottomLeft.
const int kBalloonTailTopLeft     = 0;   // balloon below and to the right of the anchor
const int kBalloonTailTopRight    = 1;   // below and to the left
const int kBalloonTailBottomRight = 2;   // above and to the left
const int kBalloonTailBottomLeft  = 3;   // above and to the right

const int kBalloonTextSize       = 1024;         // text buffer, terminator included
const int kBalloonTailInset      = 20;           // near side of the tail's base from the corner
const int kBalloonTailWidth      = 20;           // width of the tail's base
const int kBalloonShadowOffset   = 3;
const int kBalloonTextPadding    = 16;           // around the text, half on each side
const int kBalloonCornerEllipse  = 24;           // width and height of the corner ellipse
const int kBalloonTailSink       = 2;            // tail base raised into a rounded bottom edge
const int kBalloonShadowTailSink = 1;
const COLORREF kBalloonShadowColor = 0x00D4D4D4;

// A bitmap balloon samples its colours from a bitmap of at least this depth,
// otherwise it takes the system's info colours.
const int kBalloonMinSkinDepth   = 9;
const int kBalloonFillScanLine   = 12;           // scan lines count from the bottom
const int kBalloonFrameScanLine  = 35;
const int kBalloonSampleColumn   = 24;

/////////////////////////////////////////////////////////////////////////////
// CBalloonTip: a rounded box with a triangular tail touching a screen point,
// a soft shadow and a centred text.

class AFX_EXT_CLASS CBalloonTip : public CBaseTipWnd
{
// Constructors
public:
    CBalloonTip();

// Attributes
public:
    void SetTipFont(CFont* pFont);
    void NeedActivation(int bNeedActivation);

// Operations
public:
    // The tail's tip touches (x, y) on screen; lines of pszText break at its line breaks.
    virtual void ShowMe(int x, int y, const char* pszText, int nTailLength, int nDirection,
                        unsigned long crFill, unsigned long crFrame, unsigned long crText,
                        int nShowTime);

// Overridables
protected:
    virtual void CalcLayout(RECT* pRect);
    // Draws the text centred in the box; the font and text colour are selected.
    virtual void OnDraw(CDC* pDC);

// Implementation
protected:
    char     m_szText[kBalloonTextSize];
    int      m_nTailLength;
    int      m_nDirection;
    int      m_xAnchor;
    int      m_yAnchor;
    CFont*   m_pFont;               // not owned
    COLORREF m_crFill;
    COLORREF m_crFrame;
    COLORREF m_crText;
    BOOL     m_bNeedActivation;
    RECT     m_rcBox;               // client coordinates
    RECT     m_rcShadowBox;
    POINT    m_ptTail[3];           // base point 1, base point 2, tip
    POINT    m_ptShadowTail[3];

    static void CalcPosition(const RECT* pArea, int nTailLength, int nDirection, RECT* pBox,
                             POINT* pTail);
    BOOL IsTailAtBottom() const;
    BOOL HasTail() const;
    void SinkTail(POINT* pTail, int nSink) const;
    void DrawShadow(CDC* pDC, POINT* pShadowTail);
    void DrawBalloon(CDC* pDC, POINT* pTail);
    void DrawTailOutline(CDC* pDC, const POINT* pTail);

    //{{AFX_MSG(CBalloonTip)
    afx_msg void OnPaint();
    //}}AFX_MSG
    DECLARE_MESSAGE_MAP()
};

/////////////////////////////////////////////////////////////////////////////
// CBitmapBalloonTip: a balloon painted with the balloon tip skin, its fill and
// frame colours sampled from a bitmap (the skin itself unless one is given).

class AFX_EXT_CLASS CBitmapBalloonTip : public CBalloonTip
{
// Constructors
public:
    CBitmapBalloonTip();

// Operations
public:
    // The given fill and frame colours are replaced by the bitmap's; nothing
    // shows while there is no bitmap at all.
    virtual void ShowMe(int x, int y, const char* pszText, int nTailLength, int nDirection,
                        unsigned long crFill, unsigned long crFrame, unsigned long crText,
                        int nShowTime);
    // Takes hBitmap (not owned; NULL for the shared skin) for the colours.
    virtual void ShowMe(int x, int y, const char* pszText, int nTailLength, int nDirection,
                        HBITMAP hBitmap, unsigned long crText, int nShowTime);

// Overridables
protected:
    virtual void OnDraw(CDC* pDC);

// Implementation
protected:
    HBITMAP m_hBitmap;              // not owned
    int     m_nColorDepth;          // planes times bits per pixel of m_hBitmap

    void SampleColors(COLORREF* pcrFill, COLORREF* pcrFrame);
    void DrawSkin(CDC* pDC);
};

/////////////////////////////////////////////////////////////////////////////
// Tooltip manager constants

const UINT kToolTipDelayTimerId = 0xE2A6C;      // show-delay timer
const UINT kToolTipHideTimerId  = 0xE2A6D;      // hide timer

const int kToolTipDelay           = 400;        // ms a cursor rests on a tool before its tip shows
const int kToolTipShowTime        = 12000;      // ms a relayed tip stays up
const int kToolTipDefaultShowTime = 15000;      // show time until the first ShowMe sets one
const int kToolTipSlotGrowth      = 16;         // slots added when the tool arrays are full
const int kToolTipCursorOffset    = 10;         // tip's distance right of and below the cursor
const int kToolTipWorkAreaGap     = 5;          // gap kept to the work area's right and bottom
const int kToolTipTextSize        = 512;        // text buffer, terminator included
const int kToolTipMargin          = 5;          // default margin between frame and text
const COLORREF kToolTipTextColor  = 0x00000000;

// The tooltip skin's corners: 12 pixels, only the outermost row starts one pixel in.
const int kToolTipCornerSize = 12;

// Kinds of a tool record (its first byte).
const BYTE kToolRecordText     = 0;
const BYTE kToolRecordCallback = 1;

// Fills pszBuffer (nBufferSize bytes) with the tip text of hTool; an empty text shows no tip.
// pData is the manager's own copy of the registered data, NULL when its length is 0.
typedef int (*VELUTOOLTEXTPROC)(HWND hTool, unsigned char* pData, int nDataLength,
                                char* pszBuffer, int nBufferSize);

/////////////////////////////////////////////////////////////////////////////
// CCoolToolTip: one skinned pop-up that serves any number of tool windows.
// The owner registers tools and relays its mouse messages; a tip shows beside
// the cursor once it has rested on a tool.

class AFX_EXT_CLASS CCoolToolTip : public CWnd
{
// Constructors
public:
    CCoolToolTip();
    BOOL Create();

// Attributes
public:
    void SetTipFont(CFont* pFont);
    void SetTipColor(COLORREF crText);
    void SetMarginToAdjustSize(int cxMargin, int cyMargin);

// Operations
public:
    BOOL AddTool(HWND hTool, const char* pszText);
    BOOL AddTool(HWND hTool, VELUTOOLTEXTPROC pfnText, unsigned char* pData, int nDataLength);
    BOOL DelTool(HWND hTool);
    BOOL IsTool(HWND hTool, void** ppRecord);
    void Clear();

    // Only pMsg->message is read; the cursor and the window under it are taken at call time.
    void RelayEvent(MSG* pMsg);

    // Shows pszText at once for nShowTime ms at (x, y) on screen, or beside
    // the cursor when both are negative.
    void ShowMe(const char* pszText, int nShowTime, int x, int y);
    void HideMe();

    static void DrawEdge(HDC hDC, RECT* pRect);

protected:
    BOOL ShowMe(HWND hTool, int nDelay, int nShowTime);
    BOOL MoveToolTip();

// Overridables
protected:
    // Fetches hTool's text into pszBuffer and sets *pSize and *pPoint (screen)
    // of the tip; leaves both alone when the tool has no text.
    virtual void CalcLayout(HWND hTool, POINT* pPoint, SIZE* pSize, char* pszBuffer,
                            int nBufferSize);

// Implementation
public:
    virtual ~CCoolToolTip();

protected:
    UINT     m_nTimerId;            // the one running timer, 0 when none
    int      m_nShowTime;
    CFont*   m_pFont;               // not owned
    COLORREF m_crText;
    int      m_cxMargin;
    int      m_cyMargin;
    char     m_szText[kToolTipTextSize];
    HWND     m_hCurrentTool;
    int      m_nToolCapacity;
    HWND*    m_phToolWnds;          // NULL marks a free slot
    BYTE**   m_ppToolRecords;       // text or callback record of each slot, or NULL

    int  AllocToolSlot(HWND hTool);
    int  FindToolSlot(HWND hTool) const;
    int  FindFreeToolSlot() const;
    void FreeToolSlot(int nSlot);
    const char* FetchToolText(HWND hTool, const BYTE* pRecord, char* pszBuffer, int nBufferSize);
    SIZE MeasureText(CDC* pDC, const char* pszText) const;
    POINT PlaceBesideCursor(SIZE size) const;
    BOOL IsTipVisible() const;
    BOOL IsCursorInTool(POINT ptCursor) const;
    void RelayMouseMove();
    void RelayButton();
    void PresentTip(BOOL bWasVisible);
    void TakeOverFromActiveTip();
    void StartTimer(UINT nId, int nElapse);
    void StopTimer();
    void OnDraw(CDC* pDC);

    //{{AFX_MSG(CCoolToolTip)
    afx_msg void OnPaint();
    afx_msg void OnTimer(UINT nIDEvent);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    //}}AFX_MSG
    DECLARE_MESSAGE_MAP()
};

/////////////////////////////////////////////////////////////////////////////
// Task-bar notifier constants

const UINT kTaskBarPopShowTimerId = 100;    // sliding out, one step per tick
const UINT kTaskBarPopHideTimerId = 101;    // sliding back, one step per tick
const UINT kTaskBarPopStayTimerId = 102;    // fully shown for the stay time
const int  kTaskBarPopTickTime    = 1;      // ms between slide steps (the system's minimum applies)
const int  kTaskBarPopMoveStep    = 10;     // pixels per slide step
const double kTaskBarPopMinShown  = 0.3;    // share of the height it appears with and hides below
const int  kTaskBarPopScreenGap   = 3;      // kept to the work area's edges

// Sides of the task bar (GetTaskBarPos).
const int kTaskBarBottom = 0;
const int kTaskBarTop    = 1;
const int kTaskBarLeft   = 2;
const int kTaskBarRight  = 3;               // also: no task bar to be seen

// Hit codes of MouseHitTest (the letters as numbers); 0 is none.
const int kTaskBarPopHitClose  = 'C';
const int kTaskBarPopHitLeft   = 'L';
const int kTaskBarPopHitRight  = 'R';
const int kTaskBarPopHitTop    = 'T';
const int kTaskBarPopHitBottom = 'B';

const int kTaskBarPopEdgeStrip   = 6;       // width of the edge strips
const int kTaskBarPopCloseSize   = 15;      // the close button's square
const int kTaskBarPopCloseMargin = 4;       // from the top and right edges
const int kTaskBarPopTextMargin  = 12;      // left, right and bottom of the message
const int kTaskBarPopTextTop     = 16;      // top of the message
const int kTaskBarPopTextSize    = 1024;    // characters of the window text drawn
const int kTaskBarPopFontSize    = 100;     // tenths of a point

/////////////////////////////////////////////////////////////////////////////
// CTaskBarPopWnd: a notifier that slides out of the screen edge beside the
// task bar, stays a while, slides back and hides. It shows its window text
// word-wrapped on the bar colour, with a close button at its top right.

class AFX_EXT_CLASS CTaskBarPopWnd : public CWnd
{
// Constructors
public:
    CTaskBarPopWnd();
    // Creates the hidden pop-up; call once before the first ShowMe.
    int Create();

// Operations
public:
    // Starts sliding out a window of nWidth by nHeight that stays nStayTime ms;
    // the message is the window text.
    void ShowMe(int nWidth, int nHeight, int nStayTime);
    void GetCloseButtonRect(RECT* pRect);
    int MouseHitTest(POINT point);

protected:
    int GetTaskBarPos();
    int GetMoveStep();
    void EndPop();
    void DrawBackground(CDC* pDC);

// Overridables
protected:
    // Draws the window text word-wrapped and centred below the close button.
    virtual void OnDraw(CDC* pDC);

// Implementation
public:
    virtual ~CTaskBarPopWnd();

protected:
    UINT m_nTimerId;                // the one recorded timer, 0 when none
    int  m_nLastHit;
    int  m_nWidth;
    int  m_nHeight;
    int  m_nStayTime;
    RECT m_rcWindow;                // the fully shown window, screen coordinates
    int  m_nVisibleHeight;
    int  m_nTaskBarPos;

    int MinShownHeight() const;
    void StopTimer();
    void StartTimer(UINT nId, int nElapse);
    void PlaceWindow();
    void SlideOut();
    void SlideBack();

    //{{AFX_MSG(CTaskBarPopWnd)
    afx_msg void OnPaint();
    afx_msg void OnTimer(UINT nIDEvent);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    //}}AFX_MSG
    DECLARE_MESSAGE_MAP()
};

#endif // VELU_TIPS_VELUTIPS_H
