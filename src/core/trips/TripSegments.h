#pragma once
// A trip's (or a day's) recordings with their tracks, read through the cache, and the figures
// only tracks can give: the distance driven and the largest speed.

#include "gps/TrackSegment.h"
#include "trips/TrackCache.h"

#include <span>
#include <vector>

// Steps faster than this between two fixes are GPS glitches, not driving.
inline constexpr double kMaxPlausibleKmh = 300.0;

struct TripTrackFigures {
    double metres = 0;       // great-circle steps between own fixes, glitches skipped
    double largestKmh = 0;   // the largest plausible speed of an own fix
};

// The segments of these recordings (positions in entries), in the given order.
std::vector<TrackSegment> pmTrackSegments(std::span<const int> recordings, const std::vector<AMediaFile>& entries,
                                          TrackCache& cache);
// Distance and largest speed over the segments, steps between segments included.
TripTrackFigures pmTripTrackFigures(std::span<const TrackSegment> segments);
