#pragma once
// Calendar days and the date and time texts of a moment, in the user's time zone.

#include <chrono>
#include <string>

using FileTime = std::chrono::system_clock::time_point;

struct CalendarDate {
    int year = 0;
    int month = 0; // 1..12
    int day = 0;   // 1..31

    friend bool operator==(const CalendarDate&, const CalendarDate&) = default;
};

struct LocalTime {
    CalendarDate date;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

LocalTime pmLocalTime(FileTime time);
CalendarDate pmCalendarDate(FileTime time);

// "YYYY/MM/DD" and "hh:mm:ss".
std::string pmDateText(FileTime time);
std::string pmTimeText(FileTime time);
// "YYYY-MM-DDThh:mm:ss", for scripts.
std::string pmIsoLocalText(FileTime time);
