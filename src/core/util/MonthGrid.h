#pragma once
// The six weeks a month page shows: 42 days from the Sunday on or before the 1st, running
// into the neighbouring months.

#include "util/CalendarDate.h"

#include <array>

inline constexpr int kMonthGridCells = 42;

// 0 = Sunday .. 6 = Saturday, in the Gregorian calendar for any year.
int pmWeekday(const CalendarDate& date);
int pmDaysInMonth(int year, int month);
// The month before or after, across year boundaries (the day is not used).
CalendarDate pmPreviousMonth(int year, int month);
CalendarDate pmNextMonth(int year, int month);

// Row by row, Sunday first; the 1st of the month sits in row 0 under its weekday.
std::array<CalendarDate, kMonthGridCells> pmMonthGrid(int year, int month);
