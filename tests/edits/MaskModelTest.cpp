// The masked edit's model: formats, item ranges, all-or-nothing setting and packed values.
#include <math.h>
#include "EditFixture.h"

using namespace edits_test;

namespace {

using MaskModel = EditTest<CCoolMaskEdit>;

// Every switch of the mask, to another layout or the same one, empties the values (clearing
// them is checked with the Delete and Backspace keys); the paint shows the formatted text.
TEST_F(MaskModel, EachFormatShowsItsPlaceholderThenItsValues)
{
    const struct { int format; const char* placeholder; const char* withValues;
                   int isDateTime, isDate, isTime; } cases[] = {
        {kMaskFormatDateTime, "YYYY-MM-DD HH:MM:SS", kExampleText, 1, 0, 0},
        {kMaskFormatDateTime, "YYYY-MM-DD HH:MM:SS", kExampleText, 1, 0, 0},
        {kMaskFormatDate, "YYYY-MM-DD", "2014-05-06", 0, 1, 0},
        {kMaskFormatTime, "HH:MM:SS", "08:03:09", 0, 0, 1},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.placeholder);
        m_edit.MaskDateTime(c.format);
        EXPECT_EQ(1, m_edit.GetMaskType());
        EXPECT_EQ(c.isDateTime, m_edit.IsMaskDateTime());
        EXPECT_EQ(c.isDate, m_edit.IsMaskDate());
        EXPECT_EQ(c.isTime, m_edit.IsMaskTime());
        vt::PaintNow(m_edit.m_hWnd);
        EXPECT_EQ(c.placeholder, TextOf(m_edit));
        EXPECT_EQ(1, m_edit.SetDateTime(2014, 5, 6, 8, 3, 9));
        EXPECT_EQ(c.withValues, TextOf(m_edit));
    }
    // An unknown format switches the mask on but keeps the layout and values.
    m_edit.MaskDateTime(7);
    EXPECT_EQ(1, m_edit.IsMaskTime());
    EXPECT_EQ(8, m_edit.GetHour());
}

TEST_F(MaskModel, WithoutAMaskNothingIsSetAndTheTextIsFree)
{
    EXPECT_EQ(0, m_edit.GetMaskType());
    EXPECT_EQ(0, m_edit.SetDateTime(2014, 5, 6, 8, 3, 9));
    EXPECT_EQ(0, m_edit.SetYear(2014));
    EXPECT_EQ(0.0, m_edit.GetDateTime());
    m_edit.SetWindowText("free text");
    vt::PaintNow(m_edit.m_hWnd);
    EXPECT_EQ("free text", TextOf(m_edit));
}

// Leap days only in leap years; the years 1000 and 3000 are accepted but do not pack.
// A refused date leaves every earlier value and the text as they were, even
// where its year and month were valid and stored first.
TEST_F(MaskModel, DatesAcceptedWhatTheyPackToAndTheRoundTrip)
{
    const struct { unsigned short y, mo, d, h, mi, s; int accepted; double packed; } cases[] = {
        {2012, 2, 29, 0, 0, 0, 1, 20120229.0}, {2000, 2, 29, 0, 0, 0, 1, 20000229.0},
        {1900, 2, 29, 0, 0, 0, 0, 0.0},        {2013, 2, 29, 1, 2, 3, 0, 0.0},
        {999, 1, 1, 0, 0, 0, 0, 0.0},          {3001, 1, 1, 0, 0, 0, 0, 0.0},
        {3000, 1, 1, 0, 0, 0, 1, 0.0},         {1000, 1, 1, 0, 0, 0, 1, 0.0},
        {1001, 1, 1, 0, 0, 0, 1, 10010101.0},  {2014, 5, 6, 8, 3, 9, 1, 20140506.080309},
        {2020, 1, 1, 0, 0, 60, 0, 0.0},        {2012, 12, 31, 23, 59, 58, 1, 20121231.235958},
    };
    m_edit.MaskDateTime(kMaskFormatDateTime);
    std::string last;
    for (const auto& c : cases)
    {
        const std::string when = Stamp(c.y, c.mo, c.d, c.h, c.mi, c.s);
        SCOPED_TRACE(when);
        EXPECT_EQ(c.accepted, m_edit.SetDateTime(c.y, c.mo, c.d, c.h, c.mi, c.s));
        if (c.accepted)
            last = when;
        EXPECT_EQ(last, ItemsOf(m_edit));
        EXPECT_EQ(last, TextOf(m_edit));
        if (!c.accepted)
            continue;
        EXPECT_DOUBLE_EQ(c.packed, m_edit.GetDateTime());
        if (c.packed == 0.0)
            continue;
        EXPECT_NEAR(c.packed - floor(c.packed), m_edit.GetTime(), 1e-8);
        ASSERT_EQ(1, m_edit.ClearDateTime());
        EXPECT_EQ(1, m_edit.SetDateTime(c.packed));
        EXPECT_EQ(when, TextOf(m_edit));
    }
    EXPECT_EQ(0, m_edit.SetDateTime(0.5));
    EXPECT_EQ(0, m_edit.SetDateTime(-1.0));
    EXPECT_EQ(last, TextOf(m_edit));
}

TEST_F(MaskModel, ItemSettersCheckTheirRangesAndLeaveTheTextToThePaint)
{
    m_edit.MaskDateTime(kMaskFormatDateTime);
    EXPECT_EQ(0, m_edit.SetMonth(13));
    EXPECT_EQ(0, m_edit.SetMonth(0));
    EXPECT_EQ(0, m_edit.SetHour(24));
    EXPECT_EQ(0, m_edit.SetMin(60));
    EXPECT_EQ(0, m_edit.SetSec(-1));
    // Without a year every month is taken to have 31 days.
    EXPECT_EQ(1, m_edit.SetDay(31));
    EXPECT_EQ(1, m_edit.SetYear(2014));
    EXPECT_EQ(1, m_edit.SetMonth(4));
    EXPECT_EQ(0, m_edit.SetDay(31));
    EXPECT_EQ(1, m_edit.SetDay(30));
    // Setting the month does not refit the day.
    EXPECT_EQ(1, m_edit.SetMonth(2));
    EXPECT_EQ(30, m_edit.GetDay());
    // Setters leave the text alone; the next paint formats it from the values
    // (and replaces foreign text: ReadOnlyKeysDoNothingButPaintStillFormats).
    EXPECT_NE("2014-02-30 00:00:00", TextOf(m_edit));
    vt::PaintNow(m_edit.m_hWnd);
    EXPECT_EQ("2014-02-30 00:00:00", TextOf(m_edit));
}

TEST_F(MaskModel, SetTimeTakesOnlyTheFractionOfEitherForm)
{
    m_edit.MaskDateTime(kMaskFormatDateTime);
    ASSERT_EQ(1, m_edit.SetDateTime(2014, 5, 6, 8, 3, 9));
    EXPECT_EQ(1, m_edit.SetTime(0.123045));
    EXPECT_EQ(Stamp(2014, 5, 6, 12, 30, 45), ItemsOf(m_edit));
    EXPECT_EQ(1, m_edit.SetTime(19990101.235959));
    EXPECT_EQ(Stamp(2014, 5, 6, 23, 59, 59), ItemsOf(m_edit));
    EXPECT_EQ(0, m_edit.SetTime(0.250000));
    EXPECT_EQ(0, m_edit.SetTime(nan("")));
    EXPECT_EQ(Stamp(2014, 5, 6, 23, 59, 59), ItemsOf(m_edit));
}

// Items outside the layout are neither set nor written; without a date there is no
// packed value, on a time-only mask or with the date still empty.
TEST_F(MaskModel, ItemsOutsideTheLayoutStayEmptyAndATimeWithoutADateHasNoPackedValue)
{
    m_edit.MaskTime();
    EXPECT_EQ(0, m_edit.SetYear(2014));
    ASSERT_EQ(1, m_edit.SetDateTime(0, 0, 0, 12, 30, 45));
    EXPECT_EQ("12:30:45", TextOf(m_edit));
    EXPECT_EQ(0.0, m_edit.GetTime());
    EXPECT_EQ(0.0, m_edit.GetDateTime());
    unsigned short y = 9, mo = 9, d = 9, h = 0, mi = 0, s = 0;
    EXPECT_EQ(1, m_edit.GetDateTime(&y, &mo, &d, &h, &mi, &s));
    EXPECT_EQ(Stamp(0, 0, 0, 12, 30, 45), Stamp(y, mo, d, h, mi, s));

    m_edit.MaskDate();
    EXPECT_EQ(0, m_edit.SetHour(3));
    // Time arguments are ignored, even invalid ones, when the layout has no time.
    EXPECT_EQ(1, m_edit.SetDateTime(2014, 5, 6, 99, 99, 99));
    EXPECT_EQ("2014-05-06", TextOf(m_edit));
    EXPECT_EQ(0, m_edit.GetHour());

    m_edit.MaskDateTime(kMaskFormatDateTime);
    EXPECT_EQ(1, m_edit.SetTime(0.123045));
    char buffer[kDateTimeTextSize + 8] = "garbage";
    EXPECT_EQ(1, m_edit.FormatDateTimeString(buffer));
    EXPECT_STREQ("0000-00-00 12:30:45", buffer);
    vt::PaintNow(m_edit.m_hWnd);
    EXPECT_EQ("0000-00-00 12:30:45", TextOf(m_edit));
    EXPECT_EQ(0.0, m_edit.GetDateTime());
}

} // namespace
