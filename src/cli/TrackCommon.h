#pragma once
// What the track commands (track, nmea, kml, gpx) share: their options, loading a
// recording's track as the application does, and the printed forms of a track.

#include "gps/GpsList.h"
#include "gps/TrackLoader.h"
#include "util/CalendarDate.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace cli {

struct TrackArgs {
    std::string input;
    std::string output;              // -o
    std::optional<double> duration;  // --duration, else the container's headers
    bool tsv = false;                // --format tsv
    bool summary = false;            // --summary
    std::optional<CalendarDate> day; // --day: INPUT is a folder, the export covers that day
    int trip = 0;                    // --trip N: only the day's Nth trip (from 1)
};

// Reads INPUT and the options; 0 on success, else the usage error's exit code. Output is
// required for the export commands; --day and --trip only where a folder may be given.
int parseTrackArgs(std::string_view command, std::span<const std::string_view> args, bool needsOutput,
                   TrackArgs& parsed, bool folderOptions = false);

// Loads the recording's track (log file first, else the AVI chunks) and writes the time it
// took to standard error. False, with a message, when the recording's length is unknown.
bool loadRecordingTrack(std::string_view command, const TrackArgs& args, GpsList& list, LoadedTrack& track);

// One line per sample (index, latitude, longitude, speed, direction, altitude, G X/Y/Z)
// unless summaryOnly, then the summary line.
void printTrackTsv(const GpsList& list, int eventIndex, bool summaryOnly);
// One line of what the application shows for a sample, with a leading label.
void printShownSample(std::string_view label, const GpsData* sample, bool eventMark);

// Milliseconds since `start`, for the timing lines.
double elapsedMs(long long startNs);
long long nowNs();

} // namespace cli
