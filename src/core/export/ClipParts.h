#pragma once
// The recordings a clip is made of: from a moment of one recording to a moment of the same
// or a later one, each recording with its other camera's partner (the pairing rules), its
// length, the moment it started and its track, ready for the exporter, the overlay texts and
// the sidecar GPX.

#include "export/ClipTrack.h"
#include "gps/GpsList.h"
#include "util/CalendarDate.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

struct ClipPart {
    std::string front;                 // empty when the front camera has no recording of it
    std::string rear;                  // empty when the rear camera has none
    double in = 0;                     // seconds into the recordings
    double out = 0;
    double duration = 0;               // the recording's length
    std::optional<FileTime> start;     // the moment of its second 0
    GpsList track;
};

// The parts from `from` seconds into the first recording to `to` seconds into the last; the
// recordings in between are taken whole. Empty, with the reason in error, when a recording's
// length cannot be read or the times do not fit.
std::vector<ClipPart> pmClipParts(std::span<const std::string> recordings, double from, double to, std::string& error);

// The recordings from first to last, inclusive, in the library's order (date, then path)
// among those of the same camera in first's folder. Empty, with the reason, when last is not
// among them or comes before first.
std::vector<std::string> pmRecordingsBetween(const std::string& first, const std::string& last, std::string& error);

// The parts as spans of their tracks, for the overlay texts and the GPX.
std::vector<ClipTrackSpan> pmClipTrackSpans(const std::vector<ClipPart>& parts);
