#pragma once
// What every play-list rebuild and calendar page asks of the library, worked out once per
// library: the date-and-path order, the calendar day of each recording and the set of days
// that hold recordings. The library is never edited in place between builds, so the index
// stays valid until the next edit, which drops it.

#include "library/AMediaFile.h"
#include "util/CalendarDate.h"

#include <cstdint>
#include <vector>

class LibraryIndex {
public:
    explicit LibraryIndex(const std::vector<AMediaFile>& files);

    // Library positions ascending by date, then by path text; records without a date first.
    const std::vector<size_t>& sortedOrder() const { return mOrder; }
    // The day of the recording at a library position, 0 when it has no date.
    std::int32_t dayKey(size_t position) const { return mDays[position]; }
    bool hasDay(const CalendarDate& day) const;

    // yyyymmdd as one number; 0 never names a day.
    static std::int32_t keyOf(const CalendarDate& day) { return day.year * 10000 + day.month * 100 + day.day; }

private:
    std::vector<size_t> mOrder;
    std::vector<std::int32_t> mDays;
    std::vector<std::int32_t> mDaysWithRecordings; // sorted, unique
};
