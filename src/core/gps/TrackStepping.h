#pragma once
// Everything that walks a track for display, printing or export takes one sample per second
// of video: indices 0, f, 2f, ... with f the track's samples per second.

#include "gps/GpsList.h"

template <typename Visit>
void pmForEachSecondSample(const GpsList& list, Visit visit)
{
    const size_t step = list.GetGpsFrequency() > 0 ? static_cast<size_t>(list.GetGpsFrequency()) : 1;
    const std::vector<GpsData>& samples = list.gpslist();
    for (size_t i = 0; i < samples.size(); i += step)
        visit(static_cast<int>(i), samples[i]);
}
