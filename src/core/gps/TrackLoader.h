#pragma once
// Loads the track of the recording that was just opened: its NMEA log when there is one,
// else, for AVI recordings, the chunks inside the file. Then derives what the map, the graph
// and the time slider need: samples per second, padding to the recording's length and the
// event mark.

#include "gps/GpsList.h"

#include <optional>
#include <string>

// Longer lengths are taken as damaged headers: padding to them would only fill memory.
inline constexpr int kMaxTrackSeconds = 24 * 3600;

struct LoadedTrack {
    bool loaded = false;
    int durationSeconds = 0;          // whole seconds of the recording (D)
    int videoType = 0;                // category of the recording
    int motorType = 0;                // handed to the G-sensor graph
    int eventIndex = -1;              // sample of the event peak, -1 for none
    int eventSecond = -1;             // slider second of that sample, -1 for none
    std::optional<std::string> logFile; // the NMEA log used, if any
};

// Whole seconds of a recording length, within 0 .. kMaxTrackSeconds.
int pmWholeSeconds(double seconds);
// Samples per second: count / seconds + 0.5, truncated; at least 1.
int pmGpsFrequency(int sampleCount, int seconds);
// The event sample of an event recording's track: the larger peak in absolute value (the
// maximum on a tie) when it exceeds 0.5 G; -1 otherwise.
int pmEventIndex(const GpsList& list, int videoType);

LoadedTrack pmLoadTrack(const std::string& videoPath, double durationSeconds, GpsList& list);
// The same without the controller's start and end lines, for tracks read beside the open one.
LoadedTrack pmReadTrack(const std::string& videoPath, double durationSeconds, GpsList& list);
