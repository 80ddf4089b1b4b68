// korivmanager-cli track: loads a recording's track as the application does and prints, one
// line per second of video, what the map, the panel and the G-sensor graph will show.

#include "CliCommand.h"
#include "TrackCommon.h"

#include "gps/CurrentSample.h"

#include <cstdio>

int runTrack(std::span<const std::string_view> args)
{
    cli::TrackArgs options;
    if (int error = cli::parseTrackArgs("track", args, false, options))
        return error;
    GpsList list;
    LoadedTrack track;
    if (!cli::loadRecordingTrack("track", options, list, track))
        return 1;
    if (options.tsv) {
        cli::printTrackTsv(list, track.eventIndex, options.summary);
    } else {
        for (int second = 0; second < std::max(track.durationSeconds, 1); ++second) {
            char label[16];
            std::snprintf(label, sizeof label, "%02d:%02d", second / 60, second % 60);
            cli::printShownSample(label, pmGetCurGpsData(list, second), second == track.eventSecond);
        }
    }
    return track.loaded ? 0 : 1;
}
