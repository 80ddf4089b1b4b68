#pragma once
// The journeys in a list of recordings. A camera cuts every drive into files of a minute or
// three; a trip puts them back together. The recordings of one camera (front, or unmarked) in
// date order form the trip's chain: a recording follows its predecessor in the same trip when
// its date is at most the predecessor's length plus 60 seconds after the predecessor's date
// (so the rule holds whether a camera stamps the start or the end of a file). A rear recording
// belongs to the trip of its front partner, found as dual playback finds it.
//
// Everything here comes from the dates and lengths the library already holds: building the
// trips of a library opens no file. The figures that need tracks are in TripSegments.h.

#include "library/AMediaFile.h"
#include "util/CalendarDate.h"

#include <chrono>
#include <cstdint>
#include <vector>

inline constexpr std::chrono::seconds kTripJoinGap{60};

struct Trip {
    std::vector<int> chain;    // the recordings that carry the route, in date order
    std::vector<int> partners; // rear recordings of the chain's, in date order
    std::vector<int> events;   // event recordings of the chain
    bool dated = false;        // the recordings have dates: start and end hold
    FileTime start;            // the first recording's date
    FileTime end;              // the latest date plus length among the recordings
    int drivingSeconds = 0;    // whole seconds of the chain's recordings

    int first() const { return chain.front(); }
    int last() const { return chain.back(); }
    int recordingCount() const { return static_cast<int>(chain.size() + partners.size()); }
};

class TripIndex {
public:
    TripIndex() = default;
    // entries: recordings in date order, as a play list or the library's sorted list holds them.
    // Indices in the trips are positions in this list.
    explicit TripIndex(const std::vector<AMediaFile>& entries);

    const std::vector<Trip>& trips() const { return mTrips; }
    int count() const { return static_cast<int>(mTrips.size()); }
    // The trip of an entry; -1 outside the list.
    int tripOf(int entry) const;
    // The trips with a recording on that calendar day (local time), in date order.
    std::vector<int> tripsOnDay(const std::vector<AMediaFile>& entries, const CalendarDate& day) const;
    // The chain recordings made on that day, in date order: what a day's export holds.
    std::vector<int> chainOnDay(const std::vector<AMediaFile>& entries, const CalendarDate& day) const;

private:
    std::vector<Trip> mTrips;
    std::vector<int> mTripOf;
};
