#pragma once
// Moments as milliseconds since 1970-01-01 UTC: the one clock of track samples, whatever told
// the time (the GPS log or the file's date).

#include "util/CalendarDate.h"

#include <cstdint>
#include <optional>
#include <utility>

// Milliseconds of a civil UTC date and time; none for a date or time that does not exist.
std::optional<std::int64_t> pmUtcMillis(int year, int month, int day, int hour, int minute, int second,
                                        int millisecond = 0);
std::int64_t pmMillisOf(FileTime time);
FileTime pmFileTimeOf(std::int64_t millis);
// Whole seconds and the milliseconds within, the latter never negative.
std::pair<std::int64_t, int> pmSplitMillis(std::int64_t millis);
