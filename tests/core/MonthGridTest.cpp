#include "util/MonthGrid.h"

#include <gtest/gtest.h>

TEST(MonthGrid, WeekdaysAndMonthLengthsFollowTheGregorianCalendar)
{
    EXPECT_EQ(pmWeekday({2000, 1, 1}), 6); // a Saturday
    EXPECT_EQ(pmWeekday({2015, 3, 1}), 0);
    EXPECT_EQ(pmWeekday({1970, 1, 1}), 4);
    EXPECT_EQ(pmDaysInMonth(2016, 2), 29);
    EXPECT_EQ(pmDaysInMonth(2015, 2), 28);
    EXPECT_EQ(pmDaysInMonth(2000, 2), 29);
    EXPECT_EQ(pmDaysInMonth(2100, 2), 28);
}

TEST(MonthGrid, GridsCrossYearBoundaries)
{
    const auto january = pmMonthGrid(2016, 1); // 1 January 2016 is a Friday
    EXPECT_EQ(january[0], (CalendarDate{2015, 12, 27}));
    EXPECT_EQ(january[5], (CalendarDate{2016, 1, 1}));
    const auto december = pmMonthGrid(2049, 12);
    EXPECT_EQ(december[41], (CalendarDate{2050, 1, 8}));
}
