#pragma once
// Which recordings the play list shows: the checked categories and, in calendar mode, one day.

#include "library/RecordingName.h"
#include "util/CalendarDate.h"

#include <array>

struct PlaylistFilter {
    bool allDates = true; // list mode; false shows only `day` (calendar mode)
    CalendarDate day;
    std::array<bool, kVideoTypeCount> categories{true, true, true, true, true};

    bool allCategories() const
    {
        for (bool shown : categories)
            if (!shown)
                return false;
        return true;
    }
};
