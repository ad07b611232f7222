// Calendar rules and the packed date-time value, without any window.
#include <math.h>
#include "support/harness.h"
#include "edits/VeluEdits.h"

namespace {

struct LeapCase { unsigned short year; int leap; };

struct MonthCase { unsigned short year; unsigned short month; int days; };

TEST(DateTimePack, LeapYearsAndMonthLengthsFollowTheGregorianCalendar)
{
    const LeapCase leaps[] = {
        {1900, 0}, {2000, 1}, {2012, 1}, {2013, 0}, {2100, 0}, {2400, 1}, {1996, 1}, {0, 1},
    };
    for (const LeapCase& c : leaps)
        EXPECT_EQ(c.leap, IsLeapYear(c.year)) << "year " << c.year;

    const MonthCase cases[] = {
        {2014, 1, 31}, {2014, 2, 28}, {2012, 2, 29}, {1900, 2, 28}, {2000, 2, 29},
        {2014, 3, 31}, {2014, 4, 30}, {2014, 6, 30}, {2014, 9, 30}, {2014, 11, 30},
        {2014, 12, 31}, {2014, 0, 0}, {2014, 13, 0},
    };
    for (const MonthCase& c : cases)
        EXPECT_EQ(c.days, GetMonthDays(c.year, c.month)) << c.year << "-" << c.month;
}

TEST(DateTimePack, PackedValueHoldsDateDigitsBeforeThePointAndTimeAfter)
{
    EXPECT_DOUBLE_EQ(20140506.080309, PackDateTime(2014, 5, 6, 8, 3, 9));
    EXPECT_DOUBLE_EQ(20121231.235959, PackDateTime(2012, 12, 31, 23, 59, 59));
    EXPECT_DOUBLE_EQ(10010101.0, PackDateTime(1001, 1, 1, 0, 0, 0));
    // The day is not checked against its month.
    EXPECT_DOUBLE_EQ(20130231.0, PackDateTime(2013, 2, 31, 0, 0, 0));
}

struct PackRejectCase { unsigned short y, mo, d, h, mi, s; };

TEST(DateTimePack, PackingRefusesValuesOutsideItsRanges)
{
    const PackRejectCase cases[] = {
        {1000, 1, 1, 0, 0, 0}, {3000, 1, 1, 0, 0, 0}, {2014, 0, 1, 0, 0, 0},
        {2014, 13, 1, 0, 0, 0}, {2014, 1, 0, 0, 0, 0}, {2014, 1, 32, 0, 0, 0},
        {2014, 1, 1, 24, 0, 0}, {2014, 1, 1, 0, 60, 0}, {2014, 1, 1, 0, 0, 60},
    };
    for (const PackRejectCase& c : cases)
        EXPECT_EQ(0.0, PackDateTime(c.y, c.mo, c.d, c.h, c.mi, c.s))
            << c.y << "-" << c.mo << "-" << c.d << " " << c.h << ":" << c.mi << ":" << c.s;
}

TEST(DateTimePack, UnpackingRoundTripsEveryPackedValue)
{
    const PackRejectCase cases[] = {
        {2014, 5, 6, 8, 3, 9}, {1001, 1, 1, 0, 0, 0}, {2999, 12, 31, 23, 59, 59},
        {2012, 2, 29, 12, 30, 45}, {1999, 7, 15, 0, 0, 1},
    };
    for (const PackRejectCase& c : cases)
    {
        unsigned short y, mo, d, h, mi, s;
        ASSERT_EQ(1, UnpackDateTime(PackDateTime(c.y, c.mo, c.d, c.h, c.mi, c.s),
                                    &y, &mo, &d, &h, &mi, &s));
        EXPECT_EQ(c.y, y);
        EXPECT_EQ(c.mo, mo);
        EXPECT_EQ(c.d, d);
        EXPECT_EQ(c.h, h);
        EXPECT_EQ(c.mi, mi);
        EXPECT_EQ(c.s, s);
    }
}

TEST(DateTimePack, UnpackingRoundsTheTimeToTheNearestSecond)
{
    unsigned short h, mi, s;
    // 0.4 of a second is dropped, 0.6 carries into the next second.
    ASSERT_EQ(1, UnpackDateTime(20140506.0803094, NULL, NULL, NULL, &h, &mi, &s));
    EXPECT_EQ(9, s);
    ASSERT_EQ(1, UnpackDateTime(20140506.0803086, NULL, NULL, NULL, &h, &mi, &s));
    EXPECT_EQ(8, h);
    EXPECT_EQ(3, mi);
    EXPECT_EQ(9, s);
}

TEST(DateTimePack, UnpackingRejectsZeroNegativeAndNotANumber)
{
    unsigned short y = 77;
    EXPECT_EQ(0, UnpackDateTime(0.0, &y, NULL, NULL, NULL, NULL, NULL));
    EXPECT_EQ(0, UnpackDateTime(-20140506.0, &y, NULL, NULL, NULL, NULL, NULL));
    EXPECT_EQ(0, UnpackDateTime(nan(""), &y, NULL, NULL, NULL, NULL, NULL));
    // Nothing is written when the value is refused outright.
    EXPECT_EQ(77, y);
}

TEST(DateTimePack, UnpackingWritesThePlacesEvenForAnInvalidDate)
{
    unsigned short y = 0, mo = 0, d = 0;
    EXPECT_EQ(0, UnpackDateTime(20130229.0, &y, &mo, &d, NULL, NULL, NULL));
    EXPECT_EQ(2013, y);
    EXPECT_EQ(2, mo);
    EXPECT_EQ(29, d);
    EXPECT_EQ(1, UnpackDateTime(20120229.0, &y, &mo, &d, NULL, NULL, NULL));
    // The year itself is never checked, the month and day are.
    EXPECT_EQ(1, UnpackDateTime(1231.0, &y, &mo, &d, NULL, NULL, NULL));
    EXPECT_EQ(0, y);
    EXPECT_EQ(0, UnpackDateTime(20140001.0, &y, &mo, &d, NULL, NULL, NULL));
    EXPECT_EQ(0, UnpackDateTime(0.5, &y, &mo, &d, NULL, NULL, NULL));
    EXPECT_EQ(0, UnpackDateTime(20140506.240000, NULL, NULL, NULL, NULL, NULL, NULL));
    EXPECT_EQ(0, UnpackDateTime(20140506.006000, NULL, NULL, NULL, NULL, NULL, NULL));
}

// The clock can tick between two reads; a second read on each side brackets it.
TEST(DateTimePack, CurrentDateTimeIsTheLocalClock)
{
    SYSTEMTIME before;
    ::GetLocalTime(&before);
    unsigned short y, mo, d, h, mi, s;
    GetCurrentDateTime(&y, &mo, &d, &h, &mi, &s);
    double packed = GetCurrentPackedDateTime();
    SYSTEMTIME after;
    ::GetLocalTime(&after);

    double low = PackDateTime(before.wYear, before.wMonth, before.wDay, before.wHour,
                              before.wMinute, before.wSecond);
    double high = PackDateTime(after.wYear, after.wMonth, after.wDay, after.wHour,
                               after.wMinute, after.wSecond);
    double mine = PackDateTime(y, mo, d, h, mi, s);
    EXPECT_GE(mine, low);
    EXPECT_LE(mine, high);
    EXPECT_GE(packed, low);
    EXPECT_LE(packed, high);
}

} // namespace
