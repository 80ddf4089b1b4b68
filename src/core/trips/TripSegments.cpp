#include "trips/TripSegments.h"

#include "display/MapPath.h"
#include "library/RecordingName.h"

#include <algorithm>

namespace {

struct Fix {
    double latitude = 0;
    double longitude = 0;
    std::optional<std::int64_t> millis;
    size_t segment = 0;
    int index = 0;
};

// The time between two fixes: their moments, or within one recording the seconds between
// them; none when neither tells.
std::optional<double> secondsBetween(const Fix& a, const Fix& b, int frequency)
{
    if (a.millis && b.millis)
        return static_cast<double>(*b.millis - *a.millis) / 1000.0;
    if (a.segment == b.segment)
        return static_cast<double>(b.index - a.index) / std::max(1, frequency);
    return std::nullopt;
}

} // namespace

std::vector<TrackSegment> pmTrackSegments(std::span<const int> recordings, const std::vector<AMediaFile>& entries,
                                          TrackCache& cache)
{
    std::vector<TrackSegment> segments;
    segments.reserve(recordings.size());
    for (int entry : recordings) {
        if (entry < 0 || static_cast<size_t>(entry) >= entries.size())
            continue;
        const AMediaFile& recording = entries[size_t(entry)];
        std::shared_ptr<const CachedTrack> track = cache.track(recording);
        TrackSegment segment;
        segment.entry = entry;
        segment.name = std::string(recording.localizedName());
        segment.event = pmGetVideoType(recording.URL()) == VideoEvent;
        segment.list = std::shared_ptr<const GpsList>(track, &track->list);
        segment.clock = TrackClock(track->list, recording.fileDate());
        segments.push_back(std::move(segment));
    }
    return segments;
}

TripTrackFigures pmTripTrackFigures(std::span<const TrackSegment> segments)
{
    TripTrackFigures figures;
    std::optional<Fix> previous;
    for (size_t s = 0; s < segments.size(); ++s) {
        const TrackSegment& segment = segments[s];
        pmForEachTimedSecond(segment, [&](int index, const GpsData& sample, std::optional<std::int64_t> millis) {
            if (!sample.hasOwnFix())
                return;
            if (sample.fSpeed() <= kMaxPlausibleKmh)
                figures.largestKmh = std::max(figures.largestKmh, double(sample.fSpeed()));
            const Fix fix{sample.fLatitude(), sample.fLongitude(), millis, s, index};
            if (previous) {
                const double metres =
                    pmGreatCircleKm(previous->latitude, previous->longitude, fix.latitude, fix.longitude) * 1000.0;
                const std::optional<double> seconds = secondsBetween(*previous, fix, segment.list->GetGpsFrequency());
                if (seconds && *seconds > 0 && metres / *seconds * 3.6 <= kMaxPlausibleKmh)
                    figures.metres += metres;
            }
            previous = fix;
        });
    }
    return figures;
}
