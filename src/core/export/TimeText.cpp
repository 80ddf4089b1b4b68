#include "export/TimeText.h"

#include "display/NumberText.h"
#include "util/UtcTime.h"

#include <chrono>
#include <ctime>

namespace {

void appendDateTime(std::string& out, int year, int month, int day, int hour, int minute, int second, char between)
{
    pmAppendInt(out, year, 4);
    out += '-';
    pmAppendInt(out, month, 2);
    out += '-';
    pmAppendInt(out, day, 2);
    out += between;
    pmAppendInt(out, hour, 2);
    out += ':';
    pmAppendInt(out, minute, 2);
    out += ':';
    pmAppendInt(out, second, 2);
}

} // namespace

void pmAppendUtcText(std::string& out, std::int64_t millis)
{
    using namespace std::chrono;
    const auto [seconds, rest] = pmSplitMillis(millis);
    const sys_seconds moment{std::chrono::seconds(seconds)};
    const sys_days day = floor<days>(moment);
    const year_month_day date(day);
    const hh_mm_ss clock(moment - day);
    appendDateTime(out, int(date.year()), int(unsigned(date.month())), int(unsigned(date.day())),
                   int(clock.hours().count()), int(clock.minutes().count()), int(clock.seconds().count()), 'T');
    if (rest != 0) {
        out += '.';
        pmAppendInt(out, rest, 3);
    }
    out += 'Z';
}

void pmAppendLocalText(std::string& out, std::int64_t millis)
{
    const std::time_t t = static_cast<std::time_t>(pmSplitMillis(millis).first);
    std::tm tm{};
    localtime_r(&t, &tm);
    appendDateTime(out, tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec, ' ');
}
