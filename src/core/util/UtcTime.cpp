#include "util/UtcTime.h"

#include <chrono>

using namespace std::chrono;

std::optional<std::int64_t> pmUtcMillis(int year, int month, int day, int hour, int minute, int second,
                                        int millisecond)
{
    const year_month_day date{std::chrono::year(year), std::chrono::month(static_cast<unsigned>(month)),
                              std::chrono::day(static_cast<unsigned>(day))};
    // A leap second (60) is folded into the next minute's first second.
    if (!date.ok() || hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 60 ||
        millisecond < 0 || millisecond > 999)
        return std::nullopt;
    const std::int64_t days = sys_days(date).time_since_epoch().count();
    return ((days * 24 + hour) * 60 + minute) * 60000 + std::int64_t(second) * 1000 + millisecond;
}

std::int64_t pmMillisOf(FileTime time)
{
    return duration_cast<milliseconds>(time.time_since_epoch()).count();
}

FileTime pmFileTimeOf(std::int64_t millis)
{
    return FileTime(duration_cast<FileTime::duration>(milliseconds(millis)));
}

std::pair<std::int64_t, int> pmSplitMillis(std::int64_t millis)
{
    std::int64_t seconds = millis / 1000;
    int rest = static_cast<int>(millis % 1000);
    if (rest < 0) {
        rest += 1000;
        --seconds;
    }
    return {seconds, rest};
}
