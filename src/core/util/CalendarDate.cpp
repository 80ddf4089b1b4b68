#include "util/CalendarDate.h"

#include <cstdio>
#include <ctime>

LocalTime pmLocalTime(FileTime time)
{
    std::time_t t = std::chrono::system_clock::to_time_t(time);
    std::tm tm{};
    localtime_r(&t, &tm);
    return {{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday}, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

CalendarDate pmCalendarDate(FileTime time)
{
    return pmLocalTime(time).date;
}

std::string pmDateText(FileTime time)
{
    LocalTime t = pmLocalTime(time);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d/%02d/%02d", t.date.year, t.date.month, t.date.day);
    return buf;
}

std::string pmTimeText(FileTime time)
{
    LocalTime t = pmLocalTime(time);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", t.hour, t.minute, t.second);
    return buf;
}

std::string pmIsoLocalText(FileTime time)
{
    LocalTime t = pmLocalTime(time);
    char buf[48];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02dT%02d:%02d:%02d", t.date.year, t.date.month, t.date.day,
                  t.hour, t.minute, t.second);
    return buf;
}
