#include "FolderTrips.h"

#include "CliCommand.h"
#include "TrackCommon.h"

#include "library/VideoLibrary.h"

#include <cstdio>
#include <numeric>

namespace cli {

bool openFolderTrips(std::string_view command, const std::string& folder, FolderTrips& trips)
{
    if (!isReadableFolder(command, folder))
        return false;
    const long long start = nowNs();
    VideoLibrary library;
    library.build(folder);
    trips.entries = library.sortByFileDateAndPath();
    const long long grouped = nowNs();
    trips.index = TripIndex(trips.entries);
    std::fprintf(stderr, "%.*s: %zu recordings scanned in %.3f ms, %d trips grouped in %.3f ms\n",
                 static_cast<int>(command.size()), command.data(), trips.entries.size(),
                 static_cast<double>(grouped - start) / 1e6, trips.index.count(), elapsedMs(grouped));
    return true;
}

std::vector<int> tripsOf(const FolderTrips& trips, const std::optional<CalendarDate>& day)
{
    if (day)
        return trips.index.tripsOnDay(trips.entries, *day);
    std::vector<int> all(static_cast<size_t>(trips.index.count()));
    std::iota(all.begin(), all.end(), 0);
    return all;
}

} // namespace cli
