// Trips, timed: grouping a library of 100,000 recordings (50,000 front and rear pairs, no file
// opened), and an 8-hour day of driving (480 one-minute pairs with 1 Hz logs) exported as one
// GPX file, against gpsbabel turning the same 480 logs into one GPX file.
//
//   build/bench/trips_bench

#include "CommandRunner.h"
#include "DriveCard.h"
#include "GpxSchema.h"
#include "TempDir.h"
#include "export/GpxWriter.h"
#include "trips/TripIndex.h"
#include "trips/TripSegments.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>

namespace {

double bestMs(int runs, const std::function<void()>& work)
{
    double best = 1e9;
    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        work();
        best = std::min(best, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    return best;
}

// Pairs a minute apart, a stop of an hour after every 40 (a drive of 40 minutes).
std::vector<AMediaFile> largeLibrary(int pairs)
{
    std::vector<AMediaFile> entries;
    entries.reserve(size_t(pairs) * 2);
    FileTime date = std::chrono::system_clock::from_time_t(1735722000);
    char name[64];
    for (int i = 0; i < pairs; ++i) {
        date += std::chrono::seconds(i % 40 == 0 ? 3600 : 60);
        for (char camera : {'F', 'R'}) {
            std::snprintf(name, sizeof name, "/media/user/CARD/DCIM/CARD%c/FILE%05d%c.MP4", camera, i, camera);
            entries.emplace_back(name, date, 60.0);
        }
    }
    return entries;
}

} // namespace

int main()
{
    const std::vector<AMediaFile> library = largeLibrary(50000);
    int trips = 0;
    const double groupMs = bestMs(5, [&] { trips = TripIndex(library).count(); });
    std::printf("trips of %zu recordings: %d trips in %.2f ms (best of 5; target 100 ms)\n", library.size(), trips,
                groupMs);

    TempDir dir;
    const DriveCard card(dir);
    card.writeDay(480);
    const std::vector<AMediaFile> day = card.scan();
    const TripIndex index(day);
    const std::vector<int> chain = index.chainOnDay(day, {2026, 3, 10});
    const std::string gpx = dir.file("day.gpx");
    TrackCache cache;
    std::vector<TrackSegment> segments;
    const double readMs = bestMs(1, [&] { segments = pmTrackSegments(chain, day, cache); });
    const double writeMs = bestMs(5, [&] { pmWriteGpx(gpx, segments, "2026-03-10"); });
    const double cachedMs = bestMs(5, [&] { pmWriteGpx(gpx, pmTrackSegments(chain, day, cache), "2026-03-10"); });
    std::printf("GPX of an 8-hour day (%zu recordings, %zu bytes): written in %.2f ms from read tracks, %.2f ms with "
                "the tracks from the cache, %.2f ms reading the 480 logs first (target 50 ms); schema: %s\n",
                chain.size(), static_cast<size_t>(std::filesystem::file_size(gpx)), writeMs, cachedMs,
                readMs + writeMs, gpxSchemaErrors(gpx).empty() ? "valid" : "INVALID");

    std::string babel = "gpsbabel -i nmea";
    for (int minute = 0; minute < 480; ++minute) {
        char log[32];
        std::snprintf(log, sizeof log, "/NMEA/FILE%04dN.NMEA", minute);
        babel += " -f '" + card.folder() + log + "'";
    }
    babel += " -o gpx -F '" + dir.file("babel.gpx") + "'";
    const double babelMs = bestMs(3, [&] { runCommand(babel); });
    std::printf("gpsbabel, the same 480 logs to one GPX file: %.2f ms (best of 3, a whole process)\n", babelMs);
    return 0;
}
