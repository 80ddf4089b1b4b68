#pragma once
// What the trip commands (trips, and gpx or csv of a day) share: a folder's library in date
// order and its trips, with the tracks read through one cache.

#include "trips/TrackCache.h"
#include "trips/TripIndex.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

struct FolderTrips {
    std::vector<AMediaFile> entries; // every recording of the folder, in date order
    TripIndex index;
    TrackCache cache;
};

// Scans the folder and groups its recordings, writing the time it took to standard error.
// False, with a message, when the folder cannot be read.
bool openFolderTrips(std::string_view command, const std::string& folder, FolderTrips& trips);
// The trips of a day, or all of them.
std::vector<int> tripsOf(const FolderTrips& trips, const std::optional<CalendarDate>& day);

} // namespace cli
