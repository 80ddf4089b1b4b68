#include "trips/TripIndex.h"

#include "gps/TrackLoader.h"
#include "library/CameraPairing.h"
#include "library/LibraryIndex.h"
#include "library/RecordingName.h"

#include <algorithm>
#include <string_view>
#include <unordered_set>

namespace {

FileTime endOf(const AMediaFile& recording)
{
    const double seconds = recording.duration().value_or(0);
    return *recording.fileDate() + std::chrono::milliseconds(static_cast<std::int64_t>(std::max(seconds, 0.0) * 1000));
}

// The rule of one trip: the date at most the predecessor's length plus the gap after its date.
bool follows(const AMediaFile& predecessor, const AMediaFile& next)
{
    return predecessor.fileDate() && next.fileDate() && *next.fileDate() >= *predecessor.fileDate() &&
           *next.fileDate() <= endOf(predecessor) + kTripJoinGap;
}

void widen(Trip& trip, const AMediaFile& recording)
{
    if (trip.dated && recording.fileDate())
        trip.end = std::max(trip.end, endOf(recording));
}

std::int32_t dayKeyOf(const AMediaFile& recording)
{
    return recording.fileDate() ? LibraryIndex::keyOf(pmCalendarDate(*recording.fileDate())) : 0;
}

} // namespace

TripIndex::TripIndex(const std::vector<AMediaFile>& entries) : mTripOf(entries.size(), -1)
{
    // Rear recordings with a front partner wait for their partner's trip. Where a partner may
    // lie is asked of the list (the library holds every recording found), not of the disk:
    // grouping a library touches no file.
    std::vector<int> cameras(entries.size());
    std::unordered_set<std::string_view> fronts;
    fronts.reserve(entries.size() / 2 + 1);
    for (size_t i = 0; i < entries.size(); ++i) {
        cameras[i] = pmGetCameraType(entries[i].URL());
        if (cameras[i] == CameraFront)
            fronts.insert(entries[i].URL());
    }
    const PathExists listed = [&fronts](const std::string& path) { return fronts.contains(path); };
    std::vector<int> frontOf(entries.size(), -1);
    for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
        if (cameras[size_t(i)] != CameraRear)
            continue;
        const int partner = getAnotherCameraFile(entries, i, listed);
        if (partner >= 0 && cameras[size_t(partner)] == CameraFront)
            frontOf[size_t(i)] = partner;
    }

    int previous = -1;
    for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
        if (frontOf[size_t(i)] >= 0)
            continue;
        const AMediaFile& recording = entries[size_t(i)];
        if (previous < 0 || !follows(entries[size_t(previous)], recording)) {
            Trip trip;
            trip.dated = recording.fileDate().has_value();
            if (trip.dated)
                trip.start = trip.end = *recording.fileDate();
            mTrips.push_back(std::move(trip));
        }
        Trip& trip = mTrips.back();
        trip.chain.push_back(i);
        trip.drivingSeconds += pmWholeSeconds(recording.duration().value_or(0));
        if (pmGetVideoType(recording.URL()) == VideoEvent)
            trip.events.push_back(i);
        widen(trip, recording);
        mTripOf[size_t(i)] = static_cast<int>(mTrips.size()) - 1;
        previous = i;
    }

    for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
        const int front = frontOf[size_t(i)];
        if (front < 0)
            continue;
        const int trip = mTripOf[size_t(front)];
        mTrips[size_t(trip)].partners.push_back(i);
        widen(mTrips[size_t(trip)], entries[size_t(i)]);
        mTripOf[size_t(i)] = trip;
    }
}

int TripIndex::tripOf(int entry) const
{
    return entry >= 0 && static_cast<size_t>(entry) < mTripOf.size() ? mTripOf[size_t(entry)] : -1;
}

std::vector<int> TripIndex::tripsOnDay(const std::vector<AMediaFile>& entries, const CalendarDate& day) const
{
    // Only the first and last recordings are asked for their day: a trip is on every day
    // between them.
    const std::int32_t key = LibraryIndex::keyOf(day);
    std::vector<int> found;
    for (int t = 0; t < count(); ++t) {
        const Trip& trip = mTrips[size_t(t)];
        if (!trip.dated || entries.size() <= size_t(trip.last()))
            continue;
        const std::int32_t first = dayKeyOf(entries[size_t(trip.first())]);
        if (first <= key && key <= dayKeyOf(entries[size_t(trip.last())]))
            found.push_back(t);
    }
    return found;
}

std::vector<int> TripIndex::chainOnDay(const std::vector<AMediaFile>& entries, const CalendarDate& day) const
{
    const std::int32_t key = LibraryIndex::keyOf(day);
    std::vector<int> chain;
    for (int t : tripsOnDay(entries, day))
        for (int entry : mTrips[size_t(t)].chain)
            if (dayKeyOf(entries[size_t(entry)]) == key)
                chain.push_back(entry);
    return chain;
}
