// Edit controls: the flat edit box, the date/time masked edit and the packed date-time helpers.
#ifndef VELU_EDITS_VELUEDITS_H
#define VELU_EDITS_VELUEDITS_H

#include <afxwin.h>
#include "frame/VeluFrame.h"

/////////////////////////////////////////////////////////////////////////////
// Constants

// Default colour of the flat edit's 1-pixel frame: the edge colour the bars use too.
const COLORREF kEditEdgeColor = kBarEdge;

// Width of the band painted in the class background colour inside the frame.
const int kEditBandWidth = 2;

// Where the hint text goes, relative to the window rectangle in client coordinates.
const int kEditTipInsetLeft = 5;
const int kEditTipInsetTop = 2;
const int kEditTipInsetRight = 3;
const int kEditTipInsetBottom = 3;

// Case modes of CCoolEdit::SetUpperLower.
const int kEditCaseNone = 0;
const int kEditCaseUpper = 1;
const int kEditCaseLower = 2;

// CCoolMaskEdit::MaskDateTime formats.
const int kMaskFormatDateTime = 1;
const int kMaskFormatDate = 2;
const int kMaskFormatTime = 3;

// Item codes of the date/time layout; a separator's code is its item's code plus 6.
const int kMaskItemYear = 1;
const int kMaskItemMonth = 2;
const int kMaskItemDay = 3;
const int kMaskItemHour = 4;
const int kMaskItemMinute = 5;
const int kMaskItemSecond = 6;
const int kMaskItemCount = 6;
const int kSeparatorFirst = 7;
const int kSeparatorLast = 12;
const int kLayoutSlots = 12;
const int kSeparatorSize = 16;

// Year range of the mask; a packed value only holds the years strictly inside it.
const int kMaskYearMin = 1000;
const int kMaskYearMax = 3000;

// Longest text of the three formats, "YYYY-MM-DD HH:MM:SS", plus its terminator.
const int kDateTimeTextSize = 20;

/////////////////////////////////////////////////////////////////////////////
// Packed date-time helpers: the integer part holds YYYYMMDD, the fraction hhmmss x 0.000001.

AFX_EXT_API int IsLeapYear(unsigned short year);
AFX_EXT_API int GetMonthDays(unsigned short year, unsigned short month);
AFX_EXT_API double PackDateTime(unsigned short year, unsigned short month, unsigned short day,
                                unsigned short hour, unsigned short minute, unsigned short second);
AFX_EXT_API int UnpackDateTime(double value, unsigned short* year, unsigned short* month,
                               unsigned short* day, unsigned short* hour, unsigned short* minute,
                               unsigned short* second);
AFX_EXT_API void GetCurrentDateTime(unsigned short* year, unsigned short* month, unsigned short* day,
                                    unsigned short* hour, unsigned short* minute,
                                    unsigned short* second);
AFX_EXT_API double GetCurrentPackedDateTime();

/////////////////////////////////////////////////////////////////////////////
// CCoolEdit: single-line edit with a flat frame, an in-place hint and case forcing

class AFX_EXT_CLASS CCoolEdit : public CEdit
{
    DECLARE_DYNAMIC(CCoolEdit)

// Constructors
public:
    CCoolEdit();

// Attributes
public:
    void SetEdgeColor(unsigned long color);
    void SetUpperLower(int mode);
    void SetTipText(const char* text, unsigned long color, int showWhenFocused);
    int CheckReadonly();

// Operations
public:
    void DrawTipText(HDC hdc, RECT* rect);
    void DrawEdit();

// Implementation
public:
    virtual ~CCoolEdit();

protected:
    COLORREF m_crEdge;
    char* m_pszTipText;
    int m_bTipWhenFocused;
    COLORREF m_crTip;
    int m_nCaseMode;

    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    afx_msg void OnPaint();
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()

private:
    CCoolEdit(const CCoolEdit&);
    CCoolEdit& operator=(const CCoolEdit&);
};

/////////////////////////////////////////////////////////////////////////////
// CCoolMaskEdit: flat edit restricted to a date, a time or both

class AFX_EXT_CLASS CCoolMaskEdit : public CCoolEdit
{
    DECLARE_DYNAMIC(CCoolMaskEdit)

// Constructors
public:
    CCoolMaskEdit();

// Attributes
public:
    int GetMaskType();
    int IsMaskDateTime();
    int IsMaskDate();
    int IsMaskTime();

    int GetYear();
    int GetMonth();
    int GetDay();
    int GetHour();
    int GetMin();
    int GetSec();
    int SetYear(int year);
    int SetMonth(int month);
    int SetDay(int day);
    int SetHour(int hour);
    int SetMin(int minute);
    int SetSec(int second);

    int GetDateTime(unsigned short* year, unsigned short* month, unsigned short* day,
                    unsigned short* hour, unsigned short* minute, unsigned short* second);
    double GetDateTime();
    int SetDateTime(unsigned short year, unsigned short month, unsigned short day,
                    unsigned short hour, unsigned short minute, unsigned short second);
    int SetDateTime(double value);
    int SetTime(double value);
    double GetTime();

// Operations
public:
    void MaskDateTime(int format);
    void MaskDate();
    void MaskTime();
    int ClearDateTime();
    int FormatDateTimeString(char* buffer);

// Overridables
public:
    virtual BOOL PreTranslateMessage(MSG* pMsg);

// Implementation
public:
    virtual ~CCoolMaskEdit();

protected:
    int GetDateTimeItemVal(int code);
    int SetDateTimeItemVal(int code, int value);
    int GetDaysOfCurrentMonth();
    int OnCharDateTime(UINT nCode, UINT nRepCnt, UINT nFlags);

    int m_nMaskType;
    int m_nDateTimeFormat;
    short m_nLayout[kLayoutSlots];
    short m_nValues[kMaskItemCount];
    char m_szSeparators[kSeparatorLast - kSeparatorFirst + 1][kSeparatorSize];

    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnPaint();
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    // Where an item sits in the text, and where the item after it starts.
    struct ItemSpan
    {
        int code;
        int start;
        int end;
        int next;
    };

    int IsLayoutItem(int code) const;
    int AreAllValuesZero() const;
    int GetItemRange(int code, int* pMin, int* pMax);
    int GetSlotWidth(int code) const;
    int FindItemAtSelection(int nStart, int nEnd, ItemSpan* pSpan);
    int StepItem(int code, int delta);
    int TypeDigit(char* text, UINT digit, int caret, const ItemSpan& span);
    void RefitDay();
    void ClearIfWholeTextSelected();
    void PlaceCaret(int pos);

    CCoolMaskEdit(const CCoolMaskEdit&);
    CCoolMaskEdit& operator=(const CCoolMaskEdit&);
};

#endif // VELU_EDITS_VELUEDITS_H
