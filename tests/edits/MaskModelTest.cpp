// The masked edit's model: formats, item ranges, all-or-nothing setting and packed values.
#include <math.h>
#include "EditFixture.h"

using namespace edits_test;

namespace {

class MaskModel : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CreateEdit(m_edit, m_host));
    }

    std::string Formatted()
    {
        char buffer[kDateTimeTextSize + 8] = "garbage";
        EXPECT_EQ(1, m_edit.FormatDateTimeString(buffer));
        return buffer;
    }

    vt::HostWnd m_host;
    CCoolMaskEdit m_edit;
};

struct FormatCase
{
    int format;
    const char* placeholder;
    const char* withValues;
    int isDateTime, isDate, isTime;
};

TEST_F(MaskModel, EachFormatShowsItsPlaceholderThenItsValues)
{
    const FormatCase cases[] = {
        {kMaskFormatDateTime, "YYYY-MM-DD HH:MM:SS", "2014-05-06 08:03:09", 1, 0, 0},
        {kMaskFormatDate, "YYYY-MM-DD", "2014-05-06", 0, 1, 0},
        {kMaskFormatTime, "HH:MM:SS", "08:03:09", 0, 0, 1},
    };
    for (const FormatCase& c : cases)
    {
        SCOPED_TRACE(c.placeholder);
        m_edit.MaskDateTime(c.format);
        EXPECT_EQ(1, m_edit.GetMaskType());
        EXPECT_EQ(c.isDateTime, m_edit.IsMaskDateTime());
        EXPECT_EQ(c.isDate, m_edit.IsMaskDate());
        EXPECT_EQ(c.isTime, m_edit.IsMaskTime());
        EXPECT_EQ(c.placeholder, Formatted());
        PaintNow(m_edit);
        EXPECT_EQ(c.placeholder, TextOf(m_edit));

        EXPECT_EQ(1, m_edit.SetDateTime(2014, 5, 6, 8, 3, 9));
        EXPECT_EQ(c.withValues, TextOf(m_edit));
        EXPECT_EQ(c.withValues, Formatted());
    }
}

TEST_F(MaskModel, ShortcutsPickFormatsAndEverySwitchClearsTheValues)
{
    EXPECT_EQ(0, m_edit.GetMaskType());
    m_edit.MaskDateTime(kMaskFormatDateTime);
    ASSERT_EQ(1, m_edit.SetDateTime(2014, 5, 6, 8, 3, 9));
    m_edit.MaskDateTime(kMaskFormatDateTime);
    EXPECT_EQ(0, m_edit.GetYear());
    EXPECT_EQ("YYYY-MM-DD HH:MM:SS", Formatted());
    m_edit.MaskDate();
    EXPECT_EQ("YYYY-MM-DD", Formatted());
    m_edit.MaskTime();
    EXPECT_EQ("HH:MM:SS", Formatted());
    // An unknown format switches the mask on but keeps the layout and values.
    m_edit.SetDateTime(0, 0, 0, 12, 0, 0);
    m_edit.MaskDateTime(7);
    EXPECT_EQ(1, m_edit.IsMaskTime());
    EXPECT_EQ(12, m_edit.GetHour());
}

TEST_F(MaskModel, PackedValueOfTheItemsAndItsRoundTrip)
{
    m_edit.MaskDateTime(kMaskFormatDateTime);
    ASSERT_EQ(1, m_edit.SetDateTime(2014, 5, 6, 8, 3, 9));
    EXPECT_DOUBLE_EQ(20140506.080309, m_edit.GetDateTime());
    EXPECT_NEAR(0.080309, m_edit.GetTime(), 1e-8);

    ASSERT_EQ(1, m_edit.SetDateTime(20121231.235958));
    EXPECT_EQ("2012-12-31 23:59:58", TextOf(m_edit));
    EXPECT_DOUBLE_EQ(20121231.235958, m_edit.GetDateTime());

    EXPECT_EQ(0, m_edit.SetDateTime(0.5));
    EXPECT_EQ(0, m_edit.SetDateTime(-1.0));
    EXPECT_EQ("2012-12-31 23:59:58", TextOf(m_edit));
}

TEST_F(MaskModel, FebruaryTwentyNinthOnlyInLeapYears)
{
    m_edit.MaskDateTime(kMaskFormatDate);
    EXPECT_EQ(1, m_edit.SetDateTime(2012, 2, 29, 0, 0, 0));
    EXPECT_EQ(1, m_edit.SetDateTime(2000, 2, 29, 0, 0, 0));
    EXPECT_EQ(0, m_edit.SetDateTime(1900, 2, 29, 0, 0, 0));
    EXPECT_EQ(0, m_edit.SetDateTime(2013, 2, 29, 0, 0, 0));
}

TEST_F(MaskModel, RejectedDateRestoresEveryPreviousValueAndText)
{
    m_edit.MaskDateTime(kMaskFormatDateTime);
    ASSERT_EQ(1, m_edit.SetDateTime(2014, 5, 6, 8, 3, 9));
    // Year and month are valid and stored first; the bad day must undo them.
    EXPECT_EQ(0, m_edit.SetDateTime(2013, 2, 29, 1, 2, 3));
    EXPECT_EQ(2014, m_edit.GetYear());
    EXPECT_EQ(5, m_edit.GetMonth());
    EXPECT_EQ(6, m_edit.GetDay());
    EXPECT_EQ(8, m_edit.GetHour());
    EXPECT_EQ(3, m_edit.GetMin());
    EXPECT_EQ(9, m_edit.GetSec());
    EXPECT_EQ("2014-05-06 08:03:09", TextOf(m_edit));
    // A bad second after good date items undoes them too.
    EXPECT_EQ(0, m_edit.SetDateTime(2020, 1, 1, 0, 0, 60));
    EXPECT_EQ(2014, m_edit.GetYear());
}

TEST_F(MaskModel, YearRangeIsWiderThanWhatPacks)
{
    m_edit.MaskDateTime(kMaskFormatDateTime);
    EXPECT_EQ(0, m_edit.SetDateTime(999, 1, 1, 0, 0, 0));
    EXPECT_EQ(0, m_edit.SetDateTime(3001, 1, 1, 0, 0, 0));
    EXPECT_EQ(1, m_edit.SetDateTime(3000, 1, 1, 0, 0, 0));
    EXPECT_EQ("3000-01-01 00:00:00", TextOf(m_edit));
    EXPECT_EQ(0.0, m_edit.GetDateTime());
    EXPECT_EQ(1, m_edit.SetDateTime(1000, 1, 1, 0, 0, 0));
    EXPECT_EQ(0.0, m_edit.GetDateTime());
    EXPECT_EQ(1, m_edit.SetDateTime(1001, 1, 1, 0, 0, 0));
    EXPECT_DOUBLE_EQ(10010101.0, m_edit.GetDateTime());
}

TEST_F(MaskModel, ItemSettersCheckTheirRanges)
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
}

TEST_F(MaskModel, SettersDoNotTouchTheTextUntilThePaint)
{
    m_edit.MaskDateTime(kMaskFormatTime);
    PaintNow(m_edit);
    ASSERT_EQ("HH:MM:SS", TextOf(m_edit));
    EXPECT_EQ(1, m_edit.SetHour(7));
    EXPECT_EQ("HH:MM:SS", TextOf(m_edit));
    PaintNow(m_edit);
    EXPECT_EQ("07:00:00", TextOf(m_edit));
}

TEST_F(MaskModel, ItemsOutsideTheLayoutReadAsZeroAndCannotBeSet)
{
    m_edit.MaskDateTime(kMaskFormatTime);
    EXPECT_EQ(0, m_edit.SetYear(2014));
    EXPECT_EQ(0, m_edit.GetYear());
    m_edit.MaskDateTime(kMaskFormatDate);
    EXPECT_EQ(0, m_edit.SetHour(3));
    // Time arguments are ignored, even invalid ones, when the layout has no time.
    EXPECT_EQ(1, m_edit.SetDateTime(2014, 5, 6, 99, 99, 99));
    EXPECT_EQ("2014-05-06", TextOf(m_edit));
    EXPECT_EQ(0, m_edit.GetHour());
}

TEST_F(MaskModel, SetTimeTakesOnlyTheFractionOfEitherForm)
{
    m_edit.MaskDateTime(kMaskFormatDateTime);
    ASSERT_EQ(1, m_edit.SetDateTime(2014, 5, 6, 8, 3, 9));
    EXPECT_EQ(1, m_edit.SetTime(0.123045));
    EXPECT_EQ(12, m_edit.GetHour());
    EXPECT_EQ(30, m_edit.GetMin());
    EXPECT_EQ(45, m_edit.GetSec());
    EXPECT_EQ(1, m_edit.SetTime(20140506.235959));
    EXPECT_EQ(23, m_edit.GetHour());
    EXPECT_EQ(59, m_edit.GetMin());
    EXPECT_EQ(59, m_edit.GetSec());
    EXPECT_EQ(2014, m_edit.GetYear());
    EXPECT_EQ(5, m_edit.GetMonth());
    EXPECT_EQ(6, m_edit.GetDay());
    EXPECT_EQ(0, m_edit.SetTime(0.250000));
    EXPECT_EQ(23, m_edit.GetHour());
    EXPECT_EQ(0, m_edit.SetTime(nan("")));
}

TEST_F(MaskModel, TimeOnlyMaskHasNoPackedValue)
{
    m_edit.MaskTime();
    ASSERT_EQ(1, m_edit.SetDateTime(0, 0, 0, 12, 30, 45));
    EXPECT_EQ("12:30:45", TextOf(m_edit));
    EXPECT_EQ(0.0, m_edit.GetTime());
    EXPECT_EQ(0.0, m_edit.GetDateTime());

    unsigned short y = 9, mo = 9, d = 9, h = 0, mi = 0, s = 0;
    EXPECT_EQ(1, m_edit.GetDateTime(&y, &mo, &d, &h, &mi, &s));
    EXPECT_EQ(0, y);
    EXPECT_EQ(0, mo);
    EXPECT_EQ(0, d);
    EXPECT_EQ(12, h);
    EXPECT_EQ(30, mi);
    EXPECT_EQ(45, s);
}

TEST_F(MaskModel, TimeAloneOnTheFullFormatShowsZeroDate)
{
    m_edit.MaskDateTime(kMaskFormatDateTime);
    EXPECT_EQ(1, m_edit.SetTime(0.123045));
    EXPECT_EQ("0000-00-00 12:30:45", Formatted());
    PaintNow(m_edit);
    EXPECT_EQ("0000-00-00 12:30:45", TextOf(m_edit));

    // The empty year fails the range check; only the places written before it are set.
    unsigned short y = 9, h = 9;
    EXPECT_EQ(0, m_edit.GetDateTime(&y, NULL, NULL, &h, NULL, NULL));
    EXPECT_EQ(0, y);
    EXPECT_EQ(0, h);
    // Places left null are neither written nor checked.
    EXPECT_EQ(1, m_edit.GetDateTime(NULL, NULL, NULL, &h, NULL, NULL));
    EXPECT_EQ(12, h);
    EXPECT_EQ(0.0, m_edit.GetDateTime());
}

TEST_F(MaskModel, ClearingShowsThePlaceholderAgain)
{
    m_edit.MaskDateTime(kMaskFormatDateTime);
    ASSERT_EQ(1, m_edit.SetDateTime(2014, 5, 6, 8, 3, 9));
    EXPECT_EQ(1, m_edit.ClearDateTime());
    EXPECT_EQ("YYYY-MM-DD HH:MM:SS", TextOf(m_edit));
    EXPECT_EQ(0, m_edit.GetSec());
}

TEST_F(MaskModel, WithoutAMaskNothingCanBeSet)
{
    EXPECT_EQ(0, m_edit.SetDateTime(2014, 5, 6, 8, 3, 9));
    EXPECT_EQ(0, m_edit.SetYear(2014));
    EXPECT_EQ(0.0, m_edit.GetDateTime());
    // Unmasked, the box keeps whatever text it is given through paints.
    m_edit.SetWindowText("free text");
    PaintNow(m_edit);
    EXPECT_EQ("free text", TextOf(m_edit));
}

TEST_F(MaskModel, PaintReplacesForeignTextWithTheFormattedValues)
{
    m_edit.MaskDateTime(kMaskFormatDateTime);
    ASSERT_EQ(1, m_edit.SetDateTime(2014, 5, 6, 8, 3, 9));
    m_edit.SendMessage(WM_SETTEXT, 0, (LPARAM) "hello");
    ASSERT_EQ("hello", TextOf(m_edit));
    PaintNow(m_edit);
    EXPECT_EQ("2014-05-06 08:03:09", TextOf(m_edit));
}

} // namespace
