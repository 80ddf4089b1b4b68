// korivmanager-cli nmea: parses one NMEA log alone into an empty track.

#include "CliCommand.h"
#include "TrackCommon.h"

#include "gps/GpsParser.h"

#include <cstdio>

int runNmea(std::span<const std::string_view> args)
{
    cli::TrackArgs options;
    if (int error = cli::parseTrackArgs("nmea", args, false, options))
        return error;
    GpsList list;
    const long long start = cli::nowNs();
    const bool parsed = GpsParser().ParseFile(options.input, list);
    std::fprintf(stderr, "nmea: %s, %d samples parsed in %.3f ms\n", options.input.c_str(), list.GetDataCount(),
                 cli::elapsedMs(start));
    if (options.tsv) {
        cli::printTrackTsv(list, -1, options.summary);
    } else {
        for (int i = 0; i < list.GetDataCount(); ++i)
            cli::printShownSample("#" + std::to_string(i), list.GetGpsData(i), false);
    }
    return parsed ? 0 : 1;
}
