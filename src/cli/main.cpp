// korivmanager-cli: the core of Koriv Manager from the command line.

#include "CliCommand.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

int runScan(std::span<const std::string_view> args);
int runTrack(std::span<const std::string_view> args);
int runNmea(std::span<const std::string_view> args);
int runKml(std::span<const std::string_view> args);
int runGpx(std::span<const std::string_view> args);
int runCsv(std::span<const std::string_view> args);
int runTrips(std::span<const std::string_view> args);
int runBackup(std::span<const std::string_view> args);
#ifdef KORIV_CLI_MEDIA
int runFrame(std::span<const std::string_view> args);
int runClip(std::span<const std::string_view> args);
#endif

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
    CliCommand{"frame", "frame VIDEO --at SECONDS -o OUT.jpg", runFrame},
    CliCommand{"clip",
               "clip RECORDING --from S --to S [--until LATER_RECORDING] [--cameras front|rear|side|pip] "
               "[--overlay none|time|full] [--no-sound] -o OUT.mp4",
               runClip},
#endif
};

void printHelp()
{
    std::puts("usage: korivmanager-cli COMMAND [ARGS]\ncommands:");
    for (const CliCommand& c : kCommands)
        std::printf("  %.*s\n", static_cast<int>(c.usage.size()), c.usage.data());
}

} // namespace

namespace cli {

bool takeValue(std::span<const std::string_view> args, size_t& i, std::string_view& value)
{
    if (i + 1 >= args.size())
        return false;
    value = args[++i];
    return true;
}

bool parseSeconds(std::string_view text, double& seconds)
{
    const std::string copy(text);
    char* end = nullptr;
    seconds = std::strtod(copy.c_str(), &end);
    return end && *end == '\0' && !copy.empty() && seconds >= 0 && seconds < 1e9;
}

int usageError(std::string_view command, std::string_view message)
{
    std::fprintf(stderr, "korivmanager-cli %.*s: %.*s\n", static_cast<int>(command.size()), command.data(),
                 static_cast<int>(message.size()), message.data());
    return 2;
}

bool isReadableFolder(std::string_view command, const std::string& folder)
{
    std::error_code error;
    std::filesystem::directory_iterator(folder, error);
    if (!error)
        return true;
    std::fprintf(stderr, "korivmanager-cli %.*s: cannot read the folder %s: %s\n", static_cast<int>(command.size()),
                 command.data(), folder.c_str(), error.message().c_str());
    return false;
}

} // namespace cli

int main(int argc, char** argv)
{
    std::vector<std::string_view> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        printHelp();
        return args.empty() ? 2 : 0;
    }
    for (const CliCommand& c : kCommands)
        if (c.name == args[0])
            return c.run(std::span(args).subspan(1));
    std::fprintf(stderr, "korivmanager-cli: unknown command '%s'\n", argv[1]);
    printHelp();
    return 2;
}
