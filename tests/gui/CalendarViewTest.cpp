// The calendar driven with the mouse: the month grids, the limits of the months shown, the
// chosen day and what a click on a day posts.
#include "browse/CalendarView.h"
#include "browse/ComboBox.h"
#include "browse/ListBox.h"
#include "NotificationCenter.h"
#include "NotificationNames.h"
#include "controls/BitmapButton.h"
#include "controls/IdentityString.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

class CalendarViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        NotificationCenter::defaultCenter().addObserver(this, kCalendarSelChangedNotification,
                                                        [this](const Notification& n) { posts.push_back(n); });
        calendar.show();
    }
    void TearDown() override { NotificationCenter::defaultCenter().removeObserver(this); }

    // The cell of a day of the shown month.
    int cellOf(int day) const
    {
        for (int i = 0; i < kMonthGridCells; ++i)
            if (calendar.cells()[size_t(i)].day == day && calendar.cells()[size_t(i)].month == calendar.shownMonth().month)
                return i;
        return -1;
    }
    void clickCell(int cell) { QTest::mouseClick(&calendar, Qt::LeftButton, {}, calendar.cellFrame(cell).center()); }

    CalendarView calendar{QRect(0, 0, 291, 241)};
    std::vector<Notification> posts;
};

} // namespace

TEST_F(CalendarViewTest, MonthGridsStartOnTheFirstsWeekday)
{
    calendar.SetActivateDay(2015, 3, 18);
    EXPECT_EQ(calendar.cells()[0], (CalendarDate{2015, 3, 1})); // a Sunday
    EXPECT_EQ(calendar.cells()[6], (CalendarDate{2015, 3, 7}));
    EXPECT_EQ(calendar.cells()[41], (CalendarDate{2015, 4, 11}));
    EXPECT_EQ(calendar.yearComboBox()->title(), "2015");
    EXPECT_EQ(calendar.monthComboBox()->title(), "3");

    calendar.SetActivateDay(2016, 2, 1);
    EXPECT_EQ(calendar.cells()[0], (CalendarDate{2016, 1, 31}));
    EXPECT_EQ(calendar.cells()[cellOf(29) + 1], (CalendarDate{2016, 3, 1}));
    calendar.SetActivateDay(2015, 2, 1);
    EXPECT_EQ(cellOf(29), -1);
    EXPECT_EQ(calendar.cells()[cellOf(28) + 1], (CalendarDate{2015, 3, 1}));
}

TEST_F(CalendarViewTest, ClickingADayChoosesItAndGreyDaysAreIgnored)
{
    calendar.SetActivateDay(2015, 3, 18);
    clickCell(41); // 11 April, grey
    EXPECT_EQ(calendar.chosenDay(), (CalendarDate{2015, 3, 18}));
    EXPECT_TRUE(posts.empty());
    clickCell(cellOf(5));
    EXPECT_EQ(calendar.chosenDay(), (CalendarDate{2015, 3, 5}));
    ASSERT_EQ(posts.size(), 1u);
    EXPECT_EQ(posts[0].userInfo.value(kCalendarWindowKey).toString(), pmIdentityString(&calendar));
    short year = 0, month = 0, day = 0;
    calendar.GetSelectDay(year, month, day);
    EXPECT_EQ((CalendarDate{year, month, day}), (CalendarDate{2015, 3, 5}));
}

TEST_F(CalendarViewTest, MonthButtonsStopAtJanuary2000AndDecember2049AndKeepTheChosenDay)
{
    calendar.SetActivateDay(2000, 2, 10);
    QTest::mouseClick(calendar.prevButton(), Qt::LeftButton);
    EXPECT_EQ(calendar.shownMonth(), (CalendarDate{2000, 1, 1}));
    QTest::mouseClick(calendar.prevButton(), Qt::LeftButton);
    EXPECT_EQ(calendar.shownMonth(), (CalendarDate{2000, 1, 1}));
    EXPECT_EQ(calendar.chosenDay(), (CalendarDate{2000, 2, 10}));

    calendar.SetActivateDay(2049, 11, 30);
    QTest::mouseClick(calendar.nextButton(), Qt::LeftButton);
    QTest::mouseClick(calendar.nextButton(), Qt::LeftButton);
    EXPECT_EQ(calendar.shownMonth(), (CalendarDate{2049, 12, 1}));
    EXPECT_EQ(calendar.yearComboBox()->title(), "2049");
    EXPECT_EQ(calendar.monthComboBox()->title(), "12");
    EXPECT_EQ(calendar.chosenDay(), (CalendarDate{2049, 11, 30}));
    EXPECT_TRUE(posts.empty());
}

TEST_F(CalendarViewTest, DaysOutsideTheYearsShownAreHandledSafely)
{
    calendar.SetActivateDay(2021, 6, 1);
    calendar.SetActivateDay(2050, 1, 1); // ignored
    EXPECT_EQ(calendar.chosenDay(), (CalendarDate{2021, 6, 1}));
    calendar.SetActivateDay(1999, 12, 31);
    EXPECT_EQ(calendar.yearComboBox()->title(), "2000");
    // A camera without a clock: the grid is still the real one.
    EXPECT_EQ(calendar.cells()[3], (CalendarDate{1999, 12, 1})); // a Wednesday
    calendar.SetActivateDay(2021, 2, 30); // no such day
    EXPECT_EQ(calendar.chosenDay(), (CalendarDate{1999, 12, 31}));
}

TEST_F(CalendarViewTest, TheYearDropDownShowsAnotherYearWithoutChoosingADay)
{
    calendar.SetActivateDay(2015, 3, 18);
    ComboBox* years = calendar.yearComboBox();
    QTest::mouseClick(years->spinButton(), Qt::LeftButton);
    ListBox* list = years->listBox();
    ASSERT_TRUE(list->isVisible());
    EXPECT_EQ(list->parentWidget(), &calendar);
    QTest::mouseClick(list, Qt::LeftButton, {}, list->slotFrame(0).center());
    EXPECT_EQ(calendar.shownMonth(), (CalendarDate{2000 + list->startIndex(), 3, 1}));
    EXPECT_EQ(calendar.chosenDay(), (CalendarDate{2015, 3, 18}));
    EXPECT_TRUE(posts.empty());
}

TEST_F(CalendarViewTest, MirroredTheGridRunsFromTheRight)
{
    const QRect sunday = calendar.cellFrame(0);
    calendar.relayoutContents(true);
    EXPECT_EQ(calendar.cellFrame(0).right(), 291 - 1 - sunday.left());
    EXPECT_EQ(calendar.prevButton()->geometry().right(), 290);
    EXPECT_TRUE(calendar.prevButton()->isButtonFlipped());
}
