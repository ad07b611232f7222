// CCoolMaskEdit model: layouts of the three formats, item values and ranges, text and packing.
#include <afxwin.h>
#include <math.h>
#include <stdio.h>
#include <string.h>
#include "edits/VeluEdits.h"

IMPLEMENT_DYNAMIC(CCoolMaskEdit, CCoolEdit)

namespace
{

struct MaskFormat
{
    short layout[kLayoutSlots];
    const char* separators[kSeparatorLast - kSeparatorFirst + 1];
};

// Indexed by format minus one; separators by code minus 7. Unlisted separators stay empty.
const MaskFormat kFormats[3] =
{
    { { 1, 7, 2, 8, 3, 9, 4, 10, 5, 11, 6, 12 }, { "-", "-", " ", ":", ":", "" } },
    { { 1, 7, 2, 8, 3, 9 },                      { "-", "-", "", "", "", "" } },
    { { 4, 10, 5, 11, 6, 12 },                   { "", "", "", ":", ":", "" } },
};

const char* const kPlaceholders[kMaskItemCount] = { "YYYY", "MM", "DD", "HH", "MM", "SS" };

int IsItemCode(int code)
{
    return code >= kMaskItemYear && code <= kMaskItemSecond;
}

int IsSeparatorCode(int code)
{
    return code >= kSeparatorFirst && code <= kSeparatorLast;
}

} // namespace

CCoolMaskEdit::CCoolMaskEdit()
    : m_nMaskType(0),
      m_nDateTimeFormat(0)
{
    memset(m_nLayout, 0, sizeof(m_nLayout));
    memset(m_nValues, 0, sizeof(m_nValues));
    memset(m_szSeparators, 0, sizeof(m_szSeparators));
}

CCoolMaskEdit::~CCoolMaskEdit()
{
}

/////////////////////////////////////////////////////////////////////////////
// Mask

void CCoolMaskEdit::MaskDateTime(int format)
{
    m_nMaskType = 1;
    if (format < kMaskFormatDateTime || format > kMaskFormatTime)
        return;
    m_nDateTimeFormat = format;
    memset(m_nLayout, 0, sizeof(m_nLayout));
    memset(m_nValues, 0, sizeof(m_nValues));
    memset(m_szSeparators, 0, sizeof(m_szSeparators));

    const MaskFormat& f = kFormats[format - 1];
    memcpy(m_nLayout, f.layout, sizeof(m_nLayout));
    for (int i = 0; i <= kSeparatorLast - kSeparatorFirst; ++i)
        strcpy(m_szSeparators[i], f.separators[i]);
}

void CCoolMaskEdit::MaskDate()
{
    MaskDateTime(kMaskFormatDate);
}

void CCoolMaskEdit::MaskTime()
{
    MaskDateTime(kMaskFormatTime);
}

int CCoolMaskEdit::GetMaskType()
{
    return m_nMaskType;
}

int CCoolMaskEdit::IsMaskDateTime()
{
    return m_nDateTimeFormat == kMaskFormatDateTime;
}

int CCoolMaskEdit::IsMaskDate()
{
    return m_nDateTimeFormat == kMaskFormatDate;
}

int CCoolMaskEdit::IsMaskTime()
{
    return m_nDateTimeFormat == kMaskFormatTime;
}

/////////////////////////////////////////////////////////////////////////////
// Items

int CCoolMaskEdit::IsLayoutItem(int code) const
{
    if (!IsItemCode(code))
        return 0;
    for (int i = 0; i < kLayoutSlots; ++i)
        if (m_nLayout[i] == code)
            return 1;
    return 0;
}

int CCoolMaskEdit::AreAllValuesZero() const
{
    for (int i = 0; i < kMaskItemCount; ++i)
        if (m_nValues[i] != 0)
            return 0;
    return 1;
}

int CCoolMaskEdit::GetItemRange(int code, int* pMin, int* pMax)
{
    switch (code)
    {
    case kMaskItemYear:   *pMin = kMaskYearMin; *pMax = kMaskYearMax; return 1;
    case kMaskItemMonth:  *pMin = 1; *pMax = 12; return 1;
    case kMaskItemDay:    *pMin = 1; *pMax = GetDaysOfCurrentMonth(); return 1;
    case kMaskItemHour:   *pMin = 0; *pMax = 23; return 1;
    case kMaskItemMinute:
    case kMaskItemSecond: *pMin = 0; *pMax = 59; return 1;
    default:          return 0;
    }
}

int CCoolMaskEdit::GetDateTimeItemVal(int code)
{
    if (!IsLayoutItem(code))
        return 0;
    return m_nValues[code - 1];
}

int CCoolMaskEdit::SetDateTimeItemVal(int code, int value)
{
    int nMin, nMax;
    if (!IsLayoutItem(code) || !GetItemRange(code, &nMin, &nMax))
        return 0;
    if (value < nMin || value > nMax)
        return 0;
    m_nValues[code - 1] = (short)value;
    return 1;
}

int CCoolMaskEdit::GetDaysOfCurrentMonth()
{
    int year = m_nValues[kMaskItemYear - 1];
    if (year < kMaskYearMin || year > kMaskYearMax)
        return 31;
    int days = GetMonthDays((unsigned short)year, (unsigned short)m_nValues[kMaskItemMonth - 1]);
    return days > 31 ? 31 : days;
}

int CCoolMaskEdit::GetYear()  { return GetDateTimeItemVal(kMaskItemYear); }
int CCoolMaskEdit::GetMonth() { return GetDateTimeItemVal(kMaskItemMonth); }
int CCoolMaskEdit::GetDay()   { return GetDateTimeItemVal(kMaskItemDay); }
int CCoolMaskEdit::GetHour()  { return GetDateTimeItemVal(kMaskItemHour); }
int CCoolMaskEdit::GetMin()   { return GetDateTimeItemVal(kMaskItemMinute); }
int CCoolMaskEdit::GetSec()   { return GetDateTimeItemVal(kMaskItemSecond); }

int CCoolMaskEdit::SetYear(int year)    { return SetDateTimeItemVal(kMaskItemYear, year); }
int CCoolMaskEdit::SetMonth(int month)  { return SetDateTimeItemVal(kMaskItemMonth, month); }
int CCoolMaskEdit::SetDay(int day)      { return SetDateTimeItemVal(kMaskItemDay, day); }
int CCoolMaskEdit::SetHour(int hour)    { return SetDateTimeItemVal(kMaskItemHour, hour); }
int CCoolMaskEdit::SetMin(int minute)   { return SetDateTimeItemVal(kMaskItemMinute, minute); }
int CCoolMaskEdit::SetSec(int second)   { return SetDateTimeItemVal(kMaskItemSecond, second); }

/////////////////////////////////////////////////////////////////////////////
// Text

int CCoolMaskEdit::FormatDateTimeString(char* buffer)
{
    // The caller's buffer is trusted to hold kDateTimeTextSize bytes, the longest text.
    buffer[0] = '\0';
    int placeholder = AreAllValuesZero();
    for (int i = 0; i < kLayoutSlots; ++i)
    {
        int code = m_nLayout[i];
        if (IsSeparatorCode(code))
        {
            strcat(buffer, m_szSeparators[code - kSeparatorFirst]);
            continue;
        }
        if (!IsItemCode(code))
            continue;
        if (placeholder)
        {
            strcat(buffer, kPlaceholders[code - 1]);
            continue;
        }
        // An item without a value shows as zeros once any other item has one.
        char digits[16];
        sprintf(digits, "%d", m_nValues[code - 1]);
        size_t width = (code == kMaskItemYear) ? 4 : 2;
        for (size_t n = strlen(digits); n < width; ++n)
            strcat(buffer, "0");
        strcat(buffer, digits);
    }
    return 1;
}

int CCoolMaskEdit::ClearDateTime()
{
    memset(m_nValues, 0, sizeof(m_nValues));
    char text[kDateTimeTextSize];
    FormatDateTimeString(text);
    SetWindowText(text);
    return 1;
}

/////////////////////////////////////////////////////////////////////////////
// Date and time as a whole

int CCoolMaskEdit::GetDateTime(unsigned short* year, unsigned short* month, unsigned short* day,
                               unsigned short* hour, unsigned short* minute, unsigned short* second)
{
    unsigned short* places[kMaskItemCount] = { year, month, day, hour, minute, second };
    for (int i = 0; i < kMaskItemCount; ++i)
        if (places[i] != NULL)
            *places[i] = 0;

    for (int i = 0; i < kLayoutSlots; ++i)
    {
        int code = m_nLayout[i];
        if (!IsItemCode(code) || places[code - 1] == NULL)
            continue;
        int nMin, nMax;
        GetItemRange(code, &nMin, &nMax);
        int value = m_nValues[code - 1];
        if (value < nMin || value > nMax)
            return 0;
        *places[code - 1] = (unsigned short)value;
    }
    return 1;
}

double CCoolMaskEdit::GetDateTime()
{
    unsigned short year, month, day, hour, minute, second;
    if (!GetDateTime(&year, &month, &day, &hour, &minute, &second))
        return 0.0;
    return PackDateTime(year, month, day, hour, minute, second);
}

int CCoolMaskEdit::SetDateTime(unsigned short year, unsigned short month, unsigned short day,
                               unsigned short hour, unsigned short minute, unsigned short second)
{
    short savedLayout[kLayoutSlots];
    short savedValues[kMaskItemCount];
    char savedSeparators[kSeparatorLast - kSeparatorFirst + 1][kSeparatorSize];
    memcpy(savedLayout, m_nLayout, sizeof(m_nLayout));
    memcpy(savedValues, m_nValues, sizeof(m_nValues));
    memcpy(savedSeparators, m_szSeparators, sizeof(m_szSeparators));

    const unsigned short args[kMaskItemCount] = { year, month, day, hour, minute, second };
    int ok = 1;
    // The day waits until the month it is checked against has been stored.
    for (int i = 0; i < kLayoutSlots && ok; ++i)
    {
        int code = m_nLayout[i];
        if (!IsItemCode(code) || code == kMaskItemDay)
            continue;
        int nMin, nMax;
        GetItemRange(code, &nMin, &nMax);
        int value = args[code - 1];
        if (value < nMin || value > nMax)
            ok = 0;
        else
            m_nValues[code - 1] = (short)value;
    }
    if (ok && m_nDateTimeFormat != kMaskFormatTime)
        ok = SetDateTimeItemVal(kMaskItemDay, day);

    if (!ok)
    {
        memcpy(m_nLayout, savedLayout, sizeof(m_nLayout));
        memcpy(m_nValues, savedValues, sizeof(m_nValues));
        memcpy(m_szSeparators, savedSeparators, sizeof(m_szSeparators));
        return 0;
    }
    char text[kDateTimeTextSize];
    FormatDateTimeString(text);
    CWnd::SetWindowText(text);
    return 1;
}

int CCoolMaskEdit::SetDateTime(double value)
{
    unsigned short year, month, day, hour, minute, second;
    if (!UnpackDateTime(value, &year, &month, &day, &hour, &minute, &second))
        return 0;
    return SetDateTime(year, month, day, hour, minute, second);
}

int CCoolMaskEdit::SetTime(double value)
{
    // The time part is unpacked on a date that always passes, 2000-01-01.
    double whole;
    double fraction = modf(value, &whole);
    unsigned short hour, minute, second;
    if (!UnpackDateTime(fraction + 20000101.0, NULL, NULL, NULL, &hour, &minute, &second))
        return 0;
    SetDateTimeItemVal(kMaskItemHour, hour);
    SetDateTimeItemVal(kMaskItemMinute, minute);
    SetDateTimeItemVal(kMaskItemSecond, second);
    return 1;
}

double CCoolMaskEdit::GetTime()
{
    double whole;
    return modf(GetDateTime(), &whole);
}
