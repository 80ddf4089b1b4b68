#include "TrackExportCommand.h"

#include "CliCommand.h"
#include "FolderTrips.h"
#include "TrackCommon.h"

#include "library/RecordingName.h"
#include "trips/TripSegments.h"

#include <chrono>
#include <cstdio>
#include <filesystem>

namespace cli {

namespace {

std::optional<FileTime> modificationTime(const std::string& path)
{
    std::error_code error;
    const auto time = std::filesystem::last_write_time(path, error);
    if (error)
        return std::nullopt;
    return std::chrono::time_point_cast<FileTime::duration>(std::chrono::file_clock::to_sys(time));
}

std::string dayText(const CalendarDate& day)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", day.year, day.month, day.day);
    return text;
}

int write(std::string_view command, ExportFormat format, const std::string& output,
          std::span<const TrackSegment> segments, const std::string& name)
{
    const long long start = nowNs();
    if (!pmExportSegments(output, format, segments, name, std::chrono::system_clock::now())) {
        std::fprintf(stderr, "korivmanager-cli %.*s: no positions to write, or cannot write %s\n",
                     static_cast<int>(command.size()), command.data(), output.c_str());
        return 1;
    }
    std::fprintf(stderr, "%.*s: %s written in %.3f ms (%zu recordings)\n", static_cast<int>(command.size()),
                 command.data(), output.c_str(), elapsedMs(start), segments.size());
    return 0;
}

int exportRecording(std::string_view command, ExportFormat format, const TrackArgs& options)
{
    GpsList list;
    LoadedTrack track;
    if (!loadRecordingTrack(command, options, list, track))
        return 1;
    const std::string name(pmGetFileName(options.input, false));
    const TrackSegment segment = TrackSegment::of(list, name, modificationTime(options.input));
    return write(command, format, options.output, std::span(&segment, 1), name);
}

int exportDay(std::string_view command, ExportFormat format, const TrackArgs& options)
{
    FolderTrips trips;
    if (!openFolderTrips(command, options.input, trips))
        return 1;
    std::string name = dayText(*options.day);
    std::vector<int> recordings;
    if (options.trip > 0) {
        const std::vector<int> ofDay = tripsOf(trips, options.day);
        if (static_cast<size_t>(options.trip) > ofDay.size()) {
            std::fprintf(stderr, "korivmanager-cli %.*s: %s has %zu trips\n", static_cast<int>(command.size()),
                         command.data(), name.c_str(), ofDay.size());
            return 1;
        }
        recordings = trips.index.trips()[size_t(ofDay[size_t(options.trip - 1)])].chain;
        name += " trip " + std::to_string(options.trip);
    } else {
        recordings = trips.index.chainOnDay(trips.entries, *options.day);
    }
    const long long start = nowNs();
    const std::vector<TrackSegment> segments = pmTrackSegments(recordings, trips.entries, trips.cache);
    std::fprintf(stderr, "%.*s: %zu tracks read in %.3f ms\n", static_cast<int>(command.size()), command.data(),
                 segments.size(), elapsedMs(start));
    return write(command, format, options.output, segments, name);
}

} // namespace

int runTrackExport(std::string_view command, ExportFormat format, std::span<const std::string_view> args)
{
    TrackArgs options;
    if (int error = parseTrackArgs(command, args, true, options, true))
        return error;
    if (options.day)
        return exportDay(command, format, options);
    std::error_code error;
    if (std::filesystem::is_directory(options.input, error))
        return usageError(command, "a folder needs --day YYYY-MM-DD");
    return exportRecording(command, format, options);
}

} // namespace cli
