// Edit and display controls: the flat edit box, the date/time masked edit, the packed date-time
// helpers, the flat combo box, the label and the progress bar.
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

// Drawing states of CCoolComboBox::DrawCombo; any other value paints the drop button without a skin.
const DWORD kComboStateNormal  = 1;
const DWORD kComboStateHot     = 2;
const DWORD kComboStatePressed = 4;

// Bit of the combo box's hot flags: the pointer is over the drop button and captured.
const DWORD kComboHotButton = 0x01;

// The combo box's drop button: the arrow glyph's index in the control-bar
// strip, and the square corners of its skin.
const int kComboArrowGlyph = kGlyphArrowDown;
const int kComboSkinCornerSize = 4;

// Edges the combo box removes from a window made elsewhere, so that its own frame is the only one.
const DWORD kComboRemovedExStyles = WS_EX_STATICEDGE | WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME;

// A read-only combo box draws its window text, up to this many characters,
// inside its client rectangle moved in by these amounts (the right one plus
// the drop button's width).
const int kComboTextMax = 1023;
const int kComboTextInsetLeft = 4;
const int kComboTextInsetY = 1;
const int kComboTextInsetRight = 2;

// Label defaults: one line, vertically centred; window texts are read up to this many characters.
const DWORD kLabelDefaultFormat = DT_SINGLELINE | DT_VCENTER;
const int kLabelTextMax = 511;

// Progress bar styles of CCoolProgress::SetType; any other value is smooth.
const int kProgressSmooth = 0;
const int kProgressProcessing = 1;

// Caption buffers hold 255 characters; a pre-text must be shorter than 128.
const int kProgressTextSize = 256;
const int kProgressPreTextLimit = 128;

// Progress colours: the bar or blocks, and the caption.
const COLORREF kProgressBarColor = 0x002CD229;
const COLORREF kProgressCaptionColor = 0x00808080;

// The content rectangle lies this far inside the client rectangle.
const int kProgressContentLeft = 3;
const int kProgressContentTop = 3;
const int kProgressContentRight = 2;
const int kProgressContentBottom = 2;

// Processing blocks: width and distance from one block's left edge to the next one's.
const int kProgressBlockWidth = 8;
const int kProgressBlockPitch = 10;
// The span a processing group travels by counts this much a block, less 2.
const int kProgressGroupSpanPerBlock = 12;

// Caption formats: DT_CALCRECT | DT_SINGLELINE | DT_CENTER | DT_VCENTER to
// measure, centred to draw, right-aligned when the caption is wider than the bar.
const UINT kProgressMeasureFormat = DT_CALCRECT | DT_SINGLELINE | DT_CENTER | DT_VCENTER;
const UINT kProgressCentredFormat = DT_SINGLELINE | DT_VCENTER | DT_CENTER;
const UINT kProgressRightFormat = DT_SINGLELINE | DT_VCENTER | DT_RIGHT;

// Supplies a progress caption: called at each paint with the application's
// data, the percentage and a 256-byte buffer whose first byte is 0.
typedef void (*VELUPROGRESSTEXTPROC)(unsigned long data, int percent, char* text);

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

/////////////////////////////////////////////////////////////////////////////
// CCoolComboBox: a combo box with the flat edit's frame, a skinned drop
// button that lights up under the mouse, a hint text and a read-only mode

class AFX_EXT_CLASS CCoolComboBox : public CComboBox
{
    DECLARE_DYNAMIC(CCoolComboBox)

// Constructors
public:
    CCoolComboBox();

// Attributes
public:
    void SetEdgeColor(unsigned long color);
    void SetTipText(const char* text, unsigned long color);
    void SetReadOnly(int readOnly);
    int GetReadOnly();

// Operations
public:
    void ForceRepaint();
    void DrawCombo(unsigned long state);
    void DrawTipText(HDC hdc, RECT* rect);
    HICON GetDrawIcon(SIZE* size);

// Implementation
public:
    virtual ~CCoolComboBox();

protected:
    virtual void PreSubclassWindow();

    int m_bButtonPressed;
    DWORD m_dwHotFlags;
    COLORREF m_crEdge;
    HICON m_hArrowIcon;
    char* m_pszTipText;
    COLORREF m_crTip;
    int m_bReadOnly;

    //{{AFX_MSG(CCoolComboBox)
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnPaint();
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    //}}AFX_MSG
    DECLARE_MESSAGE_MAP()

private:
    void GetDropButtonRect(RECT* rect);
    void DrawFrame(HDC hdc, const RECT& window);
    void DrawDropButton(HDC hdc, unsigned long state);
    void DrawReadOnlyText(CDC* pDC);
    void SetCursorForPoint(CWnd* pEdit, CPoint point);
    void ShowHiddenEdit();

    CCoolComboBox(const CCoolComboBox&);
    CCoolComboBox& operator=(const CCoolComboBox&);
};

/////////////////////////////////////////////////////////////////////////////
// CCoolLabel: a static text painted by the control itself, with optional
// background and text colours, DrawText flags and a wide (UTF-16) text

class AFX_EXT_CLASS CCoolLabel : public CStatic
{
    DECLARE_DYNAMIC(CCoolLabel)

// Constructors
public:
    CCoolLabel();

// Attributes
public:
    void SetBackColor(unsigned long color);
    void SetTextColor(unsigned long color);
    void SetTextFormat(unsigned long format);
    void SetWideText(const unsigned short* text);

// Implementation
public:
    virtual ~CCoolLabel();

protected:
    COLORREF m_crBack;
    COLORREF m_crText;
    int m_bBackSet;
    int m_bTextColorSet;
    DWORD m_dwFormat;
    unsigned short* m_pszWideText;

    //{{AFX_MSG(CCoolLabel)
    afx_msg void OnPaint();
    //}}AFX_MSG
    DECLARE_MESSAGE_MAP()

private:
    CCoolLabel(const CCoolLabel&);
    CCoolLabel& operator=(const CCoolLabel&);
};

/////////////////////////////////////////////////////////////////////////////
// CCoolProgress: a skinned progress bar, either a growing bar (smooth) or a
// group of blocks moving across (processing), with a grey caption

class AFX_EXT_CLASS CCoolProgress : public CWndForXCtrl
{
    DECLARE_DYNAMIC(CCoolProgress)

// Constructors
public:
    CCoolProgress();

// Attributes
public:
    void SetType(int type);
    void SetPreText(const char* text);
    void SetTextFunc(VELUPROGRESSTEXTPROC pfnText, unsigned long data);
    void GetContentRect(RECT* rect);

// Operations
public:
    void Init(int range, int pos, int step);
    void SetPos(int pos);
    void SetPos(int range, int pos);
    void Inc(int n);
    void Inc();
    void SetPosToMax();

// Implementation
public:
    virtual ~CCoolProgress();

protected:
    void DrawSmooth(HDC hdc);
    void DrawProcessing(HDC hdc);

    int m_nRange;
    int m_nPos;
    int m_nStep;
    int m_nType;
    char m_szPreText[kProgressTextSize];
    unsigned long m_dwTextData;
    VELUPROGRESSTEXTPROC m_pfnText;

    //{{AFX_MSG(CCoolProgress)
    afx_msg void OnPaint();
    //}}AFX_MSG
    DECLARE_MESSAGE_MAP()

private:
    int GetPercent() const;
    void DrawCaption(HDC hdc, const char* caption);

    CCoolProgress(const CCoolProgress&);
    CCoolProgress& operator=(const CCoolProgress&);
};

#endif // VELU_EDITS_VELUEDITS_H
