#pragma once
// The track of a clip: the seconds it takes of each recording's track, joined in the clip's
// order. The overlay texts and the sidecar GPX are made from it; a caller that knows the
// journey across recordings hands over the spans of every recording the clip crosses.

#include "gps/GpsList.h"
#include "util/CalendarDate.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

struct ClipTrackSpan {
    const GpsList* track = nullptr;        // may be null or empty: no values for these seconds
    std::optional<FileTime> recordingStart; // the moment of the recording's second 0, if known
    double in = 0;                          // seconds into the recording
    double out = 0;
};

// A span the clip can take: a start in the recording, an end after it, at most a day long.
bool pmIsUsableSpan(const ClipTrackSpan& span);

// A recording's first moment: its file is last written when its recording ends.
FileTime pmRecordingStart(FileTime modified, double durationSeconds);

// One sample per second of the spans, in order, from the second holding `in` to the one
// holding the last moment before `out`; a second past a track's end is left out.
GpsList pmClipTrack(std::span<const ClipTrackSpan> spans);

// The sidecar GPX of the clip: false, writing nothing, when the spans hold no position.
bool pmWriteClipGpx(const std::string& path, std::span<const ClipTrackSpan> spans, std::string_view name);
