// Calendar rules and the packed date-time value (YYYYMMDD.hhmmss) shared by the masked edit.
#include <afxwin.h>
#include <math.h>
#include <time.h>
#include "edits/VeluEdits.h"

namespace
{

// Integer part of a non-negative value, truncated toward zero.
double IntegerPart(double value)
{
    return floor(value);
}

// Largest value whose integer part still fits the 64-bit arithmetic below; anything
// larger cannot hold a date and is refused before any place is written.
const double kUnpackLimit = 9.0e18;

void StoreIfWanted(unsigned short* place, long long value)
{
    if (place != NULL)
        *place = (unsigned short)value;
}

} // namespace

int IsLeapYear(unsigned short year)
{
    if (year % 100 != 0)
        return year % 4 == 0;
    return year % 400 == 0;
}

int GetMonthDays(unsigned short year, unsigned short month)
{
    switch (month)
    {
    case 1: case 3: case 5: case 7: case 8: case 10: case 12:
        return 31;
    case 4: case 6: case 9: case 11:
        return 30;
    case 2:
        return IsLeapYear(year) ? 29 : 28;
    default:
        return 0;
    }
}

double PackDateTime(unsigned short year, unsigned short month, unsigned short day,
                    unsigned short hour, unsigned short minute, unsigned short second)
{
    // The mask's own limits 1000 and 3000 are deliberately outside the packable range.
    if (year <= kMaskYearMin || year >= kMaskYearMax)
        return 0.0;
    if (month < 1 || month > 12 || day < 1 || day > 31)
        return 0.0;
    if (hour > 23 || minute > 59 || second > 59)
        return 0.0;
    long datePart = (long)year * 10000 + (long)month * 100 + day;
    long timePart = (long)hour * 10000 + (long)minute * 100 + second;
    return timePart * 0.000001 + datePart;
}

int UnpackDateTime(double value, unsigned short* year, unsigned short* month, unsigned short* day,
                   unsigned short* hour, unsigned short* minute, unsigned short* second)
{
    // Also rejects NaN, which fails every comparison.
    if (!(value >= 0.000001) || !(value < kUnpackLimit))
        return 0;

    double datePart = IntegerPart(value);
    // Half a second's worth rounds the time to the nearest second.
    long long timePart = (long long)((value + 0.0000005 - datePart) * 1000000);

    long long d = (long long)datePart;
    long long y = (long long)(datePart * 0.0001);
    long long rest = d - y * 10000;
    long long mo = (long long)(rest * 0.01);
    long long dd = rest - mo * 100;

    long long h = (long long)(timePart * 0.0001);
    long long secs = timePart - h * 10000;
    long long mi = (long long)(secs * 0.01);
    long long s = secs - mi * 100;

    StoreIfWanted(year, y);
    StoreIfWanted(month, mo);
    StoreIfWanted(day, dd);
    StoreIfWanted(hour, h);
    StoreIfWanted(minute, mi);
    StoreIfWanted(second, s);

    // The year is not checked: only the calendar day and the clock have to be valid.
    if (dd < 1 || dd > 31 || mo < 0 || mo > 12)
        return 0;
    if (dd > GetMonthDays((unsigned short)y, (unsigned short)mo))
        return 0;
    if (h < 0 || h > 23 || mi < 0 || mi > 59 || s < 0 || s > 59)
        return 0;
    return 1;
}

void GetCurrentDateTime(unsigned short* year, unsigned short* month, unsigned short* day,
                        unsigned short* hour, unsigned short* minute, unsigned short* second)
{
    time_t now = time(NULL);
    struct tm fallback;
    struct tm* local = localtime(&now);
    if (local == NULL)
    {
        SYSTEMTIME st;
        ::GetLocalTime(&st);
        memset(&fallback, 0, sizeof(fallback));
        fallback.tm_year = st.wYear - 1900;
        fallback.tm_mon = st.wMonth - 1;
        fallback.tm_mday = st.wDay;
        fallback.tm_hour = st.wHour;
        fallback.tm_min = st.wMinute;
        fallback.tm_sec = st.wSecond;
        local = &fallback;
    }
    StoreIfWanted(year, local->tm_year + 1900);
    StoreIfWanted(month, local->tm_mon + 1);
    StoreIfWanted(day, local->tm_mday);
    StoreIfWanted(hour, local->tm_hour);
    StoreIfWanted(minute, local->tm_min);
    StoreIfWanted(second, local->tm_sec);
}

double GetCurrentPackedDateTime()
{
    unsigned short year, month, day, hour, minute, second;
    GetCurrentDateTime(&year, &month, &day, &hour, &minute, &second);
    return PackDateTime(year, month, day, hour, minute, second);
}
