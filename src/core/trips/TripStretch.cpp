#include "trips/TripStretch.h"

#include "library/CameraPairing.h"

#include <algorithm>

namespace {

// The entry that carries the route at that moment: the entry itself, or the front partner of
// a rear recording. Partners are neighbours in date order, so only those are asked.
int chainMember(const Trip& trip, const std::vector<AMediaFile>& entries, int entry)
{
    if (std::binary_search(trip.chain.begin(), trip.chain.end(), entry))
        return entry;
    const auto neighbour = [&entries, entry](const std::string& path) {
        for (int i : {entry - 1, entry + 1})
            if (i >= 0 && static_cast<size_t>(i) < entries.size() && entries[size_t(i)].URL() == path)
                return true;
        return false;
    };
    return getAnotherCameraFile(entries, entry, neighbour);
}

} // namespace

std::vector<int> pmTripChainBetween(const TripIndex& trips, const std::vector<AMediaFile>& entries, int first,
                                    int last, std::string& error)
{
    const int trip = trips.tripOf(first);
    if (trip < 0 || trips.tripOf(last) < 0 || std::max(first, last) >= static_cast<int>(entries.size())) {
        error = "the recording is not in the list";
        return {};
    }
    const std::string& from = entries[size_t(first)].URL();
    const std::string& to = entries[size_t(last)].URL();
    if (trips.tripOf(last) != trip) {
        error = to + " is not in the trip of " + from + ": a clip runs within one drive";
        return {};
    }
    const Trip& journey = trips.trips()[size_t(trip)];
    const auto begin = std::find(journey.chain.begin(), journey.chain.end(), chainMember(journey, entries, first));
    const auto end = std::find(journey.chain.begin(), journey.chain.end(), chainMember(journey, entries, last));
    if (begin == journey.chain.end() || end == journey.chain.end() || end < begin) {
        error = to + " does not follow " + from + " in their trip";
        return {};
    }
    return {begin, end + 1};
}
