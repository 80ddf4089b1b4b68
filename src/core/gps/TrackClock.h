#pragma once
// The UTC moment of each sample of one recording's track. The log's own date and time win where
// it has them; every other sample is placed by the second it belongs to, counted from the start
// the log's times imply or, without any, from the recording's date. A log time that disagrees
// with most of the others (a receiver without a fix still reporting its reset clock, a date
// that jumps) is taken as a glitch, so the times of one recording stay in step with its seconds.

#include "gps/GpsList.h"
#include "util/CalendarDate.h"

#include <cstdint>
#include <optional>

class TrackClock {
public:
    TrackClock() = default;
    TrackClock(const GpsList& list, std::optional<FileTime> recordingDate);

    // Milliseconds since 1970 UTC of the sample at index; none when neither the log nor the
    // file gives a time.
    std::optional<std::int64_t> millisAt(const GpsList& list, int index) const;
    // When the first second of the recording began, as the clock reckons it.
    std::optional<std::int64_t> startMillis() const { return mStart; }
    // The log's times are used (at least one sample had one).
    bool fromLog() const { return mFromLog; }

private:
    std::optional<std::int64_t> mStart;
    int mFrequency = 1;
    bool mFromLog = false;
};
