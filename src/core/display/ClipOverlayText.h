#pragma once
// The texts burnt into an exported clip: the date and time of each second, and with the full
// overlay the speed, the position and the G values of the second's sample, as the dashboard
// shows them. A cue starts where a second of the recording starts, so the clock in the
// picture turns when the recording's clock turns, whatever second the clip starts in.

#include "display/GpsInfoText.h"
#include "export/ClipTrack.h"

#include <span>
#include <string>
#include <vector>

enum class ClipOverlay { None, DateTime, Full };

struct ClipOverlayCue {
    double at = 0;    // seconds into the clip; shown until the next cue
    std::string text; // UTF-8, lines separated by '\n'
};

// No cues for ClipOverlay::None. speedUnit: SpeedUnitKmh or SpeedUnitMph.
std::vector<ClipOverlayCue> pmClipOverlayCues(std::span<const ClipTrackSpan> spans, ClipOverlay overlay,
                                              int speedUnit);
// The text of one second of a recording: its moment (if known) and, for the full overlay,
// the values of the track's sample of that second that the track has.
std::string pmClipOverlayText(const std::optional<FileTime>& moment, const GpsList* track, int second,
                              ClipOverlay overlay, int speedUnit);
