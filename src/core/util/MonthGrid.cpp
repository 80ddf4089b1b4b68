#include "util/MonthGrid.h"

namespace {

bool isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// Days since 1 January 1970 of a Gregorian date (Howard Hinnant's days_from_civil).
long daysFromCivil(int y, int m, int d)
{
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

} // namespace

int pmWeekday(const CalendarDate& date)
{
    // 1 January 1970 was a Thursday (4).
    const long days = daysFromCivil(date.year, date.month, date.day);
    return int(((days % 7) + 7 + 4) % 7);
}

int pmDaysInMonth(int year, int month)
{
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

CalendarDate pmPreviousMonth(int year, int month)
{
    return month <= 1 ? CalendarDate{year - 1, 12, 1} : CalendarDate{year, month - 1, 1};
}

CalendarDate pmNextMonth(int year, int month)
{
    return month >= 12 ? CalendarDate{year + 1, 1, 1} : CalendarDate{year, month + 1, 1};
}

std::array<CalendarDate, kMonthGridCells> pmMonthGrid(int year, int month)
{
    std::array<CalendarDate, kMonthGridCells> cells{};
    const int lead = pmWeekday({year, month, 1});
    const CalendarDate before = pmPreviousMonth(year, month);
    const int daysBefore = pmDaysInMonth(before.year, before.month);
    const int days = pmDaysInMonth(year, month);
    const CalendarDate after = pmNextMonth(year, month);
    for (int i = 0; i < kMonthGridCells; ++i) {
        const int day = i - lead + 1;
        if (day < 1)
            cells[size_t(i)] = {before.year, before.month, daysBefore + day};
        else if (day > days)
            cells[size_t(i)] = {after.year, after.month, day - days};
        else
            cells[size_t(i)] = {year, month, day};
    }
    return cells;
}
