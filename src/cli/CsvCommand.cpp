// korivmanager-cli csv: a recording's track, a day's or one of its trips as CSV, one row per
// second, for spreadsheets.

#include "TrackExportCommand.h"

int runCsv(std::span<const std::string_view> args)
{
    return cli::runTrackExport("csv", ExportFormat::Csv, args);
}
