#include "export/ClipTrack.h"

#include "export/GpxWriter.h"
#include "gps/TrackLoader.h"

#include <chrono>
#include <cmath>

bool pmIsUsableSpan(const ClipTrackSpan& span)
{
    return span.in >= 0 && span.out > span.in && span.out - span.in <= kMaxTrackSeconds;
}

FileTime pmRecordingStart(FileTime modified, double durationSeconds)
{
    const double seconds = std::isfinite(durationSeconds) && durationSeconds > 0 ? durationSeconds : 0;
    return modified - std::chrono::duration_cast<FileTime::duration>(std::chrono::duration<double>(seconds));
}

GpsList pmClipTrack(std::span<const ClipTrackSpan> spans)
{
    GpsList clip;
    for (const ClipTrackSpan& span : spans) {
        if (!span.track || !pmIsUsableSpan(span))
            continue;
        const std::vector<GpsData>& samples = span.track->gpslist();
        const size_t step = span.track->GetGpsFrequency() > 0 ? size_t(span.track->GetGpsFrequency()) : 1;
        const auto first = static_cast<size_t>(std::floor(span.in));
        const auto end = static_cast<size_t>(std::ceil(span.out));
        for (size_t second = first; second < end && second * step < samples.size(); ++second)
            clip.InsertData(&samples[second * step], -1);
        clip.setBGps(clip.bGps() || span.track->bGps());
        clip.setBSenser(clip.bSenser() || span.track->bSenser());
    }
    return clip;
}

bool pmWriteClipGpx(const std::string& path, std::span<const ClipTrackSpan> spans, std::string_view name)
{
    return pmWriteGpx(path, pmClipTrack(spans), name);
}
