#include "trips/ExportScope.h"

std::vector<int> pmExportRecordings(const TripIndex& trips, const std::vector<AMediaFile>& entries, ExportScope scope,
                                    int entry)
{
    const int trip = trips.tripOf(entry);
    if (trip < 0 || static_cast<size_t>(entry) >= entries.size())
        return {};
    switch (scope) {
    case ExportScope::Recording: return {entry};
    case ExportScope::Trip: return trips.trips()[size_t(trip)].chain;
    case ExportScope::Day:
        if (!entries[size_t(entry)].fileDate())
            return trips.trips()[size_t(trip)].chain;
        return trips.chainOnDay(entries, pmCalendarDate(*entries[size_t(entry)].fileDate()));
    }
    return {};
}
