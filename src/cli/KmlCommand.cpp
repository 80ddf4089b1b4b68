// korivmanager-cli kml: writes the KML file the export button writes for a recording.

#include "CliCommand.h"
#include "TrackCommon.h"

#include "export/KmlExport.h"

#include <chrono>
#include <cstdio>

int runKml(std::span<const std::string_view> args)
{
    cli::TrackArgs options;
    if (int error = cli::parseTrackArgs("kml", args, true, options))
        return error;
    GpsList list;
    LoadedTrack track;
    if (!cli::loadRecordingTrack("kml", options, list, track))
        return 1;
    if (!list.IsGPSReady()) {
        std::fprintf(stderr, "korivmanager-cli kml: the recording has no GPS data\n");
        return 1;
    }
    const long long start = cli::nowNs();
    if (!outputKML(options.output, &list, std::chrono::system_clock::now())) {
        std::fprintf(stderr, "korivmanager-cli kml: cannot write %s\n", options.output.c_str());
        return 1;
    }
    std::fprintf(stderr, "kml: %s written in %.3f ms\n", options.output.c_str(), cli::elapsedMs(start));
    return 0;
}
