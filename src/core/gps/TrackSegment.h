#pragma once
// One recording's part of a journey: its track, the clock of its samples and its name. Trips,
// days and single recordings reach the map and the exports as lists of these.

#include "gps/TrackClock.h"
#include "gps/TrackStepping.h"

#include <memory>
#include <optional>
#include <string>

struct TrackSegment {
    int entry = -1;                       // the recording's position in the caller's list
    std::string name;                     // its file name
    bool event = false;                   // an event recording
    std::shared_ptr<const GpsList> list;  // never null; empty without a track
    TrackClock clock;

    // A segment of a track the caller keeps alive, its times from the recording's date.
    static TrackSegment of(const GpsList& track, std::string name, std::optional<FileTime> recordingDate)
    {
        TrackSegment segment;
        segment.name = std::move(name);
        segment.list = std::shared_ptr<const GpsList>(std::shared_ptr<const GpsList>(), &track);
        segment.clock = TrackClock(track, recordingDate);
        return segment;
    }
};

// One sample per second of video, as every consumer takes them, with the sample's moment.
template <typename Visit>
void pmForEachTimedSecond(const TrackSegment& segment, Visit visit)
{
    pmForEachSecondSample(*segment.list, [&](int index, const GpsData& sample) {
        visit(index, sample, segment.clock.millisAt(*segment.list, index));
    });
}
