#include "gps/TrackClock.h"

#include "util/UtcTime.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

// How far a log time may stray from the second it belongs to before it counts as a glitch;
// a camera starts its log up to a second or so after the video.
constexpr std::int64_t kToleranceMillis = 2000;

std::int64_t offsetOfIndex(int index, int frequency)
{
    return std::int64_t(index) * 1000 / frequency;
}

} // namespace

TrackClock::TrackClock(const GpsList& list, std::optional<FileTime> recordingDate)
    : mFrequency(std::max(1, list.GetGpsFrequency()))
{
    // Each log time implies a start; the median of them is the start most samples agree on.
    std::vector<std::int64_t> starts;
    const std::vector<GpsData>& samples = list.gpslist();
    for (size_t i = 0; i < samples.size(); ++i)
        if (samples[i].nUtcMillis() != 0)
            starts.push_back(samples[i].nUtcMillis() - offsetOfIndex(static_cast<int>(i), mFrequency));
    if (!starts.empty()) {
        auto middle = starts.begin() + static_cast<std::ptrdiff_t>(starts.size() / 2);
        std::nth_element(starts.begin(), middle, starts.end());
        mStart = *middle;
        mFromLog = true;
    } else if (recordingDate) {
        mStart = pmMillisOf(*recordingDate);
    }
}

std::optional<std::int64_t> TrackClock::millisAt(const GpsList& list, int index) const
{
    if (!mStart)
        return std::nullopt;
    const std::int64_t expected = *mStart + offsetOfIndex(index, mFrequency);
    const GpsData* sample = index >= 0 ? list.GetGpsData(index) : nullptr;
    if (sample && sample->nUtcMillis() != 0 && std::llabs(sample->nUtcMillis() - expected) <= kToleranceMillis)
        return sample->nUtcMillis();
    return expected;
}
