// korivmanager-cli: the core of Koriv Manager from the command line. It links the core alone,
// so a scan starts as fast as a small C program; the decoding commands run in the media
// program (MediaCommands.h).

#include "CommandLine.h"
#include "MediaCommands.h"

#include <array>

int runScan(std::span<const std::string_view> args);
int runTrack(std::span<const std::string_view> args);
int runNmea(std::span<const std::string_view> args);
int runKml(std::span<const std::string_view> args);
int runGpx(std::span<const std::string_view> args);
int runCsv(std::span<const std::string_view> args);
int runTrips(std::span<const std::string_view> args);
int runBackup(std::span<const std::string_view> args);

namespace {

constexpr std::array kCommands{
    CliCommand{"scan", "scan FOLDER [--day YYYY-MM-DD] [--categories LIST] [--format text|tsv]", runScan},
    CliCommand{"track", "track VIDEO [--duration SECONDS] [--format text|tsv] [--summary]", runTrack},
    CliCommand{"nmea", "nmea LOGFILE [--format text|tsv] [--summary]", runNmea},
    CliCommand{"kml", "kml VIDEO -o OUT.kml [--duration SECONDS]", runKml},
    CliCommand{"gpx", "gpx VIDEO -o OUT.gpx [--duration SECONDS] | gpx FOLDER --day YYYY-MM-DD [--trip N] -o OUT.gpx",
               runGpx},
    CliCommand{"csv", "csv VIDEO -o OUT.csv [--duration SECONDS] | csv FOLDER --day YYYY-MM-DD [--trip N] -o OUT.csv",
               runCsv},
    CliCommand{"trips", "trips FOLDER [--day YYYY-MM-DD] [--format text|tsv]", runTrips},
    CliCommand{"backup",
               "backup SOURCE DEST [--categories LIST] [--day YYYY-MM-DD | --since YYYY-MM-DD] [--dry-run]",
               runBackup},
#ifdef KORIV_CLI_MEDIA
    CliCommand{"frame", cli::kFrameUsage,
               [](std::span<const std::string_view> args) { return cli::runMediaCommand("frame", args); }},
    CliCommand{"clip", cli::kClipUsage,
               [](std::span<const std::string_view> args) { return cli::runMediaCommand("clip", args); }},
#endif
};

} // namespace

int main(int argc, char** argv)
{
    return cli::runCommandLine(kCommands, argc, argv);
}
