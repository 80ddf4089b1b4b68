// korivmanager-cli gpx: a recording's track, a day's or one of its trips as GPX 1.1 with the
// UTC time of every point, for other mapping tools and photo geotaggers.

#include "TrackExportCommand.h"

int runGpx(std::span<const std::string_view> args)
{
    return cli::runTrackExport("gpx", ExportFormat::Gpx, args);
}
