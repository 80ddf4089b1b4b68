// korivmanager-cli gpx: writes a recording's track as GPX 1.1 for other mapping tools.

#include "CliCommand.h"
#include "TrackCommon.h"

#include "export/GpxWriter.h"
#include "library/RecordingName.h"

#include <cstdio>

int runGpx(std::span<const std::string_view> args)
{
    cli::TrackArgs options;
    if (int error = cli::parseTrackArgs("gpx", args, true, options))
        return error;
    GpsList list;
    LoadedTrack track;
    if (!cli::loadRecordingTrack("gpx", options, list, track))
        return 1;
    const long long start = cli::nowNs();
    if (!list.IsGPSReady() || !pmWriteGpx(options.output, list, pmGetFileName(options.input, false))) {
        std::fprintf(stderr, "korivmanager-cli gpx: no positions to write, or cannot write %s\n",
                     options.output.c_str());
        return 1;
    }
    std::fprintf(stderr, "gpx: %s written in %.3f ms\n", options.output.c_str(), cli::elapsedMs(start));
    return 0;
}
