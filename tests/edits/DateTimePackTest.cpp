// Calendar rules and the packed date-time value, without any window.
#include <math.h>
#include "EditFixture.h"

using namespace edits_test;

namespace {

// Date digits before the point, time digits after; 0.0 for anything out of range.
// Leap days, the years 1000 and 3000, a 60th second and the round trip through
// unpacking are met through the masked edit, and the local clock through its keys.
TEST(DateTimePack, MonthLengthsLeapYearsAndPackingCheckEachRange)
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
    // The day is not checked against its month (2013-02-31).
    const struct { unsigned short y, mo, d, h, mi, s; double packed; } cases[] = {
        {2014, 5, 6, 8, 3, 9, 20140506.080309}, {2999, 12, 31, 23, 59, 59, 29991231.235959},
        {1999, 7, 15, 0, 0, 1, 19990715.000001}, {1000, 1, 1, 0, 0, 0, 0.0}, {2014, 0, 1, 0, 0, 0, 0.0},
        {2014, 13, 1, 0, 0, 0, 0.0}, {2014, 1, 0, 0, 0, 0, 0.0},  {2014, 1, 32, 0, 0, 0, 0.0},
        {2014, 1, 1, 24, 0, 0, 0.0}, {2014, 1, 1, 0, 60, 0, 0.0}, {2013, 2, 31, 0, 0, 0, 20130231.0},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(c.packed, PackDateTime(c.y, c.mo, c.d, c.h, c.mi, c.s)) << Stamp(c.y, c.mo, c.d, c.h, c.mi, c.s);
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

} // namespace
