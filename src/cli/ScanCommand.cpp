// korivmanager-cli scan: builds the library of a folder and prints its play list the way the
// application would show it.

#include "CliCommand.h"

#include "library/CameraPairing.h"
#include "library/RecordingName.h"
#include "library/VideoLibrary.h"

#include <chrono>
#include <cstdio>
#include <string>

namespace {

struct ScanOptions {
    std::string folder;
    PlaylistFilter filter;
    bool tsv = false;
};

int parse(std::span<const std::string_view> args, ScanOptions& options)
{
    for (size_t i = 0; i < args.size(); ++i) {
        std::string_view value;
        if (args[i] == "--day") {
            if (!cli::takeValue(args, i, value) || !cli::parseDay(value, options.filter.day))
                return cli::usageError("scan", "--day takes YYYY-MM-DD");
            options.filter.allDates = false;
        } else if (args[i] == "--categories") {
            if (!cli::takeValue(args, i, value) || !cli::parseCategories(value, options.filter.categories))
                return cli::usageError("scan", "--categories takes normal,event,parking,triplapse,timelapse");
        } else if (args[i] == "--format") {
            if (!cli::takeValue(args, i, value) || (value != "tsv" && value != "text"))
                return cli::usageError("scan", "--format takes text or tsv");
            options.tsv = value == "tsv";
        } else if (options.folder.empty() && !args[i].starts_with("--")) {
            options.folder = args[i];
        } else {
            return cli::usageError("scan", "unexpected argument " + std::string(args[i]));
        }
    }
    return options.folder.empty() ? cli::usageError("scan", "a folder is needed") : 0;
}

std::string dateText(const AMediaFile& file)
{
    return file.fileDate() ? pmIsoLocalText(*file.fileDate()) : std::string("-");
}

void printEntry(const Playlist& playlist, int index, bool tsv)
{
    const AMediaFile& file = playlist.at(index);
    const std::string& path = file.URL();
    int category = pmGetVideoType(path);
    int camera = pmGetCameraType(path);
    int partner = getAnotherCameraFile(playlist, index);
    if (tsv) {
        std::printf("%d\t%s\t%s\t%d\t%d\t%d\t%d\n", index, path.c_str(), dateText(file).c_str(), category, camera,
                    partner, pmGetMotorType(path));
        return;
    }
    std::string name(file.localizedName());
    std::printf("%5d  %s  %-9s  %-5s  %s", index, dateText(file).c_str(), pmVideoTypeName(category),
                pmCameraTypeName(camera), name.c_str());
    if (partner >= 0)
        std::printf("  (pairs with %d)", partner);
    std::putchar('\n');
}

} // namespace

int runScan(std::span<const std::string_view> args)
{
    ScanOptions options;
    if (int error = parse(args, options))
        return error;

    if (!cli::isReadableFolder("scan", options.folder))
        return 1;

    auto start = std::chrono::steady_clock::now();
    VideoLibrary library;
    size_t found = library.build(options.folder);
    Playlist playlist = library.buildPlaylist(options.filter);
    double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();

    for (int i = 0; i < playlist.count(); ++i)
        printEntry(playlist, i, options.tsv);
    std::fprintf(options.tsv ? stderr : stdout, "%d recordings in the play list (%zu in the library), %.1f ms\n",
                 playlist.count(), found, ms);
    return 0;
}
