// CCoolMaskEdit at the keyboard and mouse: item stepping, digit overwrite, blocked editing.
#include <afxwin.h>
#include <mbstring.h>
#include <stdlib.h>
#include <string.h>
#include "edits/VeluEdits.h"

BEGIN_MESSAGE_MAP(CCoolMaskEdit, CCoolEdit)
    ON_WM_CHAR()
    ON_WM_KEYDOWN()
    ON_WM_PAINT()
    ON_WM_RBUTTONUP()
END_MESSAGE_MAP()

namespace
{

// Codes that OnCharDateTime reads the same way from WM_CHAR and from WM_KEYDOWN.
const UINT kCodeLeft = VK_LEFT;     // also '%'
const UINT kCodeUp = VK_UP;         // also '&'
const UINT kCodeRight = VK_RIGHT;   // also '\''
const UINT kCodeDown = VK_DOWN;     // also '('
const UINT kCodeEnter = VK_RETURN;
const UINT kCodeEscape = VK_ESCAPE;

// Size of the buffers the window text is read into.
const int kTextBufferSize = 256;
const int kClearTextBufferSize = 64;

int IsDigitCode(UINT code)
{
    return code >= '0' && code <= '9';
}

int IsCopyChord(UINT code)
{
    if (code != 'c' && code != 'C' && code != '-')
        return 0;
    return (::GetAsyncKeyState(VK_CONTROL) & 0x8000) != 0;
}

} // namespace

/////////////////////////////////////////////////////////////////////////////
// Layout walk

int CCoolMaskEdit::GetSlotWidth(int code) const
{
    if (code == kMaskItemYear)
        return 4;
    if (code >= kMaskItemMonth && code <= kMaskItemSecond)
        return 2;
    if (code >= kSeparatorFirst && code <= kSeparatorLast)
        return (int)strlen(m_szSeparators[code - kSeparatorFirst]);
    return 0;
}

// Finds the first slot holding the selection; returns its code, 0 for none. A caret on an
// item's end belongs to that item; a separator only holds a selection strictly inside it.
int CCoolMaskEdit::FindItemAtSelection(int nStart, int nEnd, ItemSpan* pSpan)
{
    int pos = 0;
    for (int i = 0; i < kLayoutSlots; ++i)
    {
        int code = m_nLayout[i];
        int end = pos + GetSlotWidth(code);
        int isItem = code >= kMaskItemYear && code <= kMaskItemSecond;
        int isSeparator = code >= kSeparatorFirst && code <= kSeparatorLast;
        int contains = (isItem && nStart >= pos && nEnd <= end)
                    || (isSeparator && nStart > pos && nEnd < end);
        if (!contains)
        {
            pos = end;
            continue;
        }
        pSpan->code = code;
        pSpan->start = pos;
        pSpan->end = end;
        // Without a following item the caret stays at this item's end.
        pSpan->next = end;
        int next = end;
        for (int j = i + 1; j < kLayoutSlots; ++j)
        {
            int nextCode = m_nLayout[j];
            if (nextCode >= kMaskItemYear && nextCode <= kMaskItemSecond)
            {
                pSpan->next = next;
                break;
            }
            next += GetSlotWidth(nextCode);
        }
        return code;
    }
    return 0;
}

// Adds delta (+1 or -1) to the item; returns 0 when the year is at its limit and so
// nothing at all may change. Every other item wraps around.
int CCoolMaskEdit::StepItem(int code, int delta)
{
    int nMin, nMax;
    GetItemRange(code, &nMin, &nMax);
    short& value = m_nValues[code - 1];
    int stepped = value + delta;
    int past = (delta > 0) ? stepped > nMax : stepped < nMin;
    if (!past)
    {
        value = (short)stepped;
        return 1;
    }
    if (code == kMaskItemYear)
        return 0;
    value = (short)((delta > 0) ? nMin : nMax);
    return 1;
}

// Overwrites the digit at the caret in the item's text and takes the clamped number as the
// item's value; returns where the caret goes next.
int CCoolMaskEdit::TypeDigit(char* text, UINT digit, int caret, const ItemSpan& span)
{
    // A caret on the item's end overwrites its last digit.
    int place = (caret == span.end) ? span.end - 1 : caret;
    text[place] = (char)digit;
    text[span.end] = '\0';
    int typed = atoi(text + span.start);
    int nMin, nMax;
    GetItemRange(span.code, &nMin, &nMax);
    if (typed > nMax)
        typed = nMax;
    if (typed < nMin)
        typed = nMin;
    m_nValues[span.code - 1] = (short)typed;
    return (caret + 1 < span.end) ? caret + 1 : span.next;
}

// After a year or month change the day may lie past the end of its month.
void CCoolMaskEdit::RefitDay()
{
    int days = GetDaysOfCurrentMonth();
    int day = m_nValues[kMaskItemDay - 1];
    // A month without days (no month yet) is refused by the setter and leaves the day alone.
    if (day < 1 || day > days)
        SetDateTimeItemVal(kMaskItemDay, days);
}

void CCoolMaskEdit::PlaceCaret(int pos)
{
    SetSel(pos, pos, TRUE);
    SendMessage(EM_SCROLLCARET, 0, 0);
    SetModify(TRUE);
}

void CCoolMaskEdit::ClearIfWholeTextSelected()
{
    int nStart, nEnd;
    GetSel(nStart, nEnd);
    if (nStart != 0)
        return;
    char text[kClearTextBufferSize];
    int length = GetWindowText(text, kClearTextBufferSize);
    if (nEnd == length)
        ClearDateTime();
}

/////////////////////////////////////////////////////////////////////////////
// Editing

int CCoolMaskEdit::OnCharDateTime(UINT nCode, UINT /*nRepCnt*/, UINT /*nFlags*/)
{
    if (nCode == kCodeLeft || nCode == kCodeRight || nCode == kCodeEnter || nCode == kCodeEscape)
        return 0;
    if (IsCopyChord(nCode))
        return 0;

    int nStart, nEnd;
    GetSel(nStart, nEnd);

    if (AreAllValuesZero())
    {
        // The placeholder has nothing to edit: the current date and time come in first.
        unsigned short now[kMaskItemCount];
        if (!UnpackDateTime(GetCurrentPackedDateTime(), &now[0], &now[1], &now[2], &now[3],
                            &now[4], &now[5]))
            return 1;
        if (nCode == kCodeUp || nCode == kCodeDown)
        {
            SetDateTime(now[0], now[1], now[2], now[3], now[4], now[5]);
            PlaceCaret(nStart);
            return 1;
        }
        if (!IsDigitCode(nCode))
            return 1;
        SetDateTime(now[0], now[1], now[2], now[3], now[4], now[5]);
    }

    ItemSpan span;
    int code = FindItemAtSelection(nStart, nEnd, &span);
    if (code < kMaskItemYear || code > kMaskItemSecond)
        return 1;

    int caret = nStart;
    char text[kTextBufferSize];
    int length = GetWindowText(text, kTextBufferSize);
    if (nCode == kCodeUp || nCode == kCodeDown)
    {
        if (!StepItem(code, nCode == kCodeUp ? 1 : -1))
            return 1;
    }
    else if (IsDigitCode(nCode) && nStart == nEnd && length >= span.start && span.end > span.start)
        caret = TypeDigit(text, nCode, nStart, span);

    if (code == kMaskItemYear || code == kMaskItemMonth)
        RefitDay();

    FormatDateTimeString(text);
    SetWindowText(text);
    PlaceCaret(caret);
    return 1;
}

/////////////////////////////////////////////////////////////////////////////
// Message handlers

void CCoolMaskEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!CheckReadonly() && m_nMaskType == 1 && OnCharDateTime(nChar, nRepCnt, nFlags))
        return;
    CCoolEdit::OnChar(nChar, nRepCnt, nFlags);
}

void CCoolMaskEdit::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (CheckReadonly() || m_nMaskType != 1)
    {
        Default();
        return;
    }
    switch (nChar)
    {
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
        if (!OnCharDateTime(nChar, nRepCnt, nFlags))
            Default();
        break;
    case VK_DELETE:
    case VK_BACK:
        // Single characters are never deleted: only the whole value can be cleared.
        ClearIfWholeTextSelected();
        break;
    default:
        Default();
        break;
    }
}

void CCoolMaskEdit::OnPaint()
{
    // Whatever text got into the box, the values decide what it shows.
    if (m_nMaskType == 1)
    {
        char current[kTextBufferSize];
        char formatted[kTextBufferSize];
        GetWindowText(current, kTextBufferSize);
        FormatDateTimeString(formatted);
        if (_mbsicmp((const unsigned char*)current, (const unsigned char*)formatted) != 0)
            SetWindowText(formatted);
    }
    CCoolEdit::OnPaint();
}

void CCoolMaskEdit::OnRButtonUp(UINT /*nFlags*/, CPoint /*point*/)
{
    // Swallowing the button-up keeps the edit's context menu (cut, paste...) from opening.
    if (m_nMaskType == 1)
        return;
    Default();
}

BOOL CCoolMaskEdit::PreTranslateMessage(MSG* pMsg)
{
    if (m_nMaskType == 1)
    {
        switch (pMsg->message)
        {
        case WM_CONTEXTMENU:
        case WM_PASTE:
        case WM_CUT:
        case EM_REPLACESEL:
        case WM_SETTEXT:
            return TRUE;
        }
    }
    return CWnd::PreTranslateMessage(pMsg);
}
