#pragma once
// The export commands that take a recording or a day of a folder (gpx, csv): one recording's
// track, a day's recordings or one of the day's trips, one segment per recording.

#include "export/TrackExport.h"

#include <span>
#include <string_view>

namespace cli {

int runTrackExport(std::string_view command, ExportFormat format, std::span<const std::string_view> args);

} // namespace cli
