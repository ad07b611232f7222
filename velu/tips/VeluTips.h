// VeluTips.h - tips and pop-ups: the skinned tooltip manager.
#ifndef VELU_TIPS_VELUTIPS_H
#define VELU_TIPS_VELUTIPS_H

#include <afxwin.h>
#include "frame/VeluFrame.h"

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

#endif // VELU_TIPS_VELUTIPS_H
