// korivmanager-cli trips: the journeys of a folder, one line per trip, with the figures the map
// shows for them.

#include "CliCommand.h"
#include "FolderTrips.h"
#include "TrackCommon.h"

#include "display/NumberText.h"
#include "display/TripSummaryText.h"
#include "trips/TripSegments.h"

#include <cstdio>

namespace {

struct TripsOptions {
    std::string folder;
    std::optional<CalendarDate> day;
    bool tsv = false;
};

int parse(std::span<const std::string_view> args, TripsOptions& options)
{
    for (size_t i = 0; i < args.size(); ++i) {
        std::string_view value;
        if (args[i] == "--day") {
            CalendarDate day;
            if (!cli::takeValue(args, i, value) || !cli::parseDay(value, day))
                return cli::usageError("trips", "--day takes YYYY-MM-DD");
            options.day = day;
        } else if (args[i] == "--format") {
            if (!cli::takeValue(args, i, value) || (value != "tsv" && value != "text"))
                return cli::usageError("trips", "--format takes text or tsv");
            options.tsv = value == "tsv";
        } else if (options.folder.empty() && !args[i].starts_with("--")) {
            options.folder = args[i];
        } else {
            return cli::usageError("trips", "unexpected argument " + std::string(args[i]));
        }
    }
    return options.folder.empty() ? cli::usageError("trips", "a folder is needed") : 0;
}

std::string dateText(const Trip& trip, FileTime time)
{
    return trip.dated ? pmIsoLocalText(time) : std::string("-");
}

void printTrip(int number, const Trip& trip, const TripTrackFigures& figures, bool tsv)
{
    std::string line;
    if (tsv) {
        line = dateText(trip, trip.start) + '\t' + dateText(trip, trip.end) + '\t';
        pmAppendInt(line, trip.recordingCount());
        line += '\t';
        pmAppendInt(line, trip.drivingSeconds);
        line += '\t';
        pmAppendFixed(line, figures.metres, 0);
        line += '\t';
        pmAppendFixed(line, figures.largestKmh, 1);
        line += '\t';
        pmAppendInt(line, static_cast<long long>(trip.events.size()));
    } else {
        line = "trip ";
        pmAppendInt(line, number);
        line += "  " + dateText(trip, trip.start) + " - " + dateText(trip, trip.end) + "  ";
        pmAppendInt(line, trip.recordingCount());
        line += " recordings  " + pmClockText(trip.drivingSeconds) + " driving  ";
        pmAppendFixed(line, figures.metres / 1000.0, 2);
        line += " km  largest ";
        pmAppendFixed(line, figures.largestKmh, 1);
        line += " km/h  ";
        pmAppendInt(line, static_cast<long long>(trip.events.size()));
        line += " events";
    }
    line += '\n';
    std::fwrite(line.data(), 1, line.size(), stdout);
}

} // namespace

int runTrips(std::span<const std::string_view> args)
{
    TripsOptions options;
    if (int error = parse(args, options))
        return error;
    cli::FolderTrips trips;
    if (!cli::openFolderTrips("trips", options.folder, trips))
        return 1;
    const long long start = cli::nowNs();
    int number = 0;
    for (int t : cli::tripsOf(trips, options.day)) {
        const Trip& trip = trips.index.trips()[size_t(t)];
        const std::vector<TrackSegment> segments = pmTrackSegments(trip.chain, trips.entries, trips.cache);
        printTrip(++number, trip, pmTripTrackFigures(segments), options.tsv);
    }
    std::fprintf(stderr, "trips: %d trips, tracks read and measured in %.3f ms\n", number, cli::elapsedMs(start));
    return 0;
}
