// Calendar rules and the packed date-time value, without any window.
#include <math.h>
#include "EditFixture.h"

using namespace edits_test;

namespace {

// Date digits before the point, time digits after; 0.0 for anything out of range.
// Leap days, the years 1000 and 3000 and a 60th second are also met through the masked edit.
TEST(DateTimePack, MonthLengthsLeapYearsAndPackingCheckEachRangeAndUnpackingRoundTrips)
{
    const struct { unsigned short year, month; int days; } months[] = {
        {1900, 2, 28}, {2000, 2, 29}, {2100, 2, 28}, {2400, 2, 29}, {0, 2, 29}, {2014, 1, 31},
        {2014, 4, 30}, {2014, 11, 30}, {2014, 12, 31}, {2014, 0, 0}, {2014, 13, 0},
    };
    for (const auto& c : months)
    {
        EXPECT_EQ(c.days, GetMonthDays(c.year, c.month)) << c.year << "-" << c.month;
        EXPECT_TRUE(c.month != 2 || (c.days == 29) == (IsLeapYear(c.year) != 0)) << "year " << c.year;
    }
    const struct { unsigned short y, mo, d, h, mi, s; double packed; } cases[] = {
        {2014, 5, 6, 8, 3, 9, 20140506.080309}, {2999, 12, 31, 23, 59, 59, 29991231.235959},
        {1999, 7, 15, 0, 0, 1, 19990715.000001}, {1000, 1, 1, 0, 0, 0, 0.0}, {2014, 0, 1, 0, 0, 0, 0.0},
        {2014, 13, 1, 0, 0, 0, 0.0}, {2014, 1, 0, 0, 0, 0, 0.0},  {2014, 1, 32, 0, 0, 0, 0.0},
        {2014, 1, 1, 24, 0, 0, 0.0}, {2014, 1, 1, 0, 60, 0, 0.0},
    };
    for (const auto& c : cases)
    {
        const std::string when = Stamp(c.y, c.mo, c.d, c.h, c.mi, c.s);
        const double packed = PackDateTime(c.y, c.mo, c.d, c.h, c.mi, c.s);
        EXPECT_DOUBLE_EQ(c.packed, packed) << when;
        unsigned short y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
        if (c.packed == 0.0)
            continue;
        EXPECT_EQ(1, UnpackDateTime(packed, &y, &mo, &d, &h, &mi, &s));
        EXPECT_EQ(when, Stamp(y, mo, d, h, mi, s));
    }
    // The day is not checked against its month.
    EXPECT_DOUBLE_EQ(20130231.0, PackDateTime(2013, 2, 31, 0, 0, 0));
}

// The year itself is never checked, the month, day and time are.
TEST(DateTimePack, UnpackingRoundsToTheSecondAndChecksMonthDayAndTime)
{
    const struct { double value; int valid; } cases[] = {{20120229.0, 1}, {1231.0, 1}, {20130229.0, 0},
        {20140001.0, 0}, {0.0, 0}, {-20140506.0, 0}, {20140506.240000, 0}, {20140506.006000, 0}};
    unsigned short y = 77, mo = 0, d = 0, h, mi, s;
    // Nothing is written when the value is refused outright.
    EXPECT_EQ(0, UnpackDateTime(nan(""), &y, NULL, NULL, NULL, NULL, NULL));
    EXPECT_EQ(0, UnpackDateTime(-1.0, &y, NULL, NULL, NULL, NULL, NULL));
    EXPECT_EQ(77, y);
    for (const auto& c : cases)
        EXPECT_EQ(c.valid, UnpackDateTime(c.value, &y, &mo, &d, &h, &mi, &s)) << c.value;
    // 0.4 of a second is dropped, 0.6 carries into the next second.
    ASSERT_EQ(1, UnpackDateTime(20140506.0803094, NULL, NULL, NULL, &h, &mi, &s));
    EXPECT_EQ(9, s);
    ASSERT_EQ(1, UnpackDateTime(20140506.0803086, NULL, NULL, NULL, &h, &mi, &s));
    EXPECT_EQ(Stamp(0, 0, 0, 8, 3, 9), Stamp(0, 0, 0, h, mi, s));
}

// The clock can tick between two reads; a read on each side brackets it.
TEST(DateTimePack, CurrentDateTimeIsTheLocalClock)
{
    const auto now = [] {
        SYSTEMTIME t;
        ::GetLocalTime(&t);
        return PackDateTime(t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond);
    };
    const double low = now();
    unsigned short y, mo, d, h, mi, s;
    GetCurrentDateTime(&y, &mo, &d, &h, &mi, &s);
    const double packed = GetCurrentPackedDateTime(), high = now();
    for (const double read : {PackDateTime(y, mo, d, h, mi, s), packed})
        EXPECT_TRUE(low <= read && read <= high) << std::fixed << low << " <= " << read << " <= " << high;
}

} // namespace
