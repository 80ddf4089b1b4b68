// Reading the track of a one-hour AVI recording: 36,000 "SLLT" and 36,000 "SGLT" records
// (10 Hz) after the index, by the readers alone and by the whole track loader.
//
//   build/bench/gps_avi_track_bench

#include "gps/AviTrackReader.h"
#include "gps/GpsList.h"
#include "gps/TrackLoader.h"

#include "RiffWriter.h"
#include "TempDir.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kSeconds = 3600;
constexpr int kRecords = 36000;

double bestMs(const std::function<void()>& work)
{
    double best = 1e9;
    for (int run = 0; run < 20; ++run) {
        const auto start = Clock::now();
        work();
        best = std::min(best, std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    return best;
}

std::string oneHourAvi()
{
    std::vector<TrackPosition> positions;
    std::vector<TrackGValue> g;
    for (int i = 0; i < kRecords; ++i) {
        positions.push_back({25.04 + i * 1e-6, 121.5 + i * 1e-6, 40 + i % 20});
        g.push_back({0.01 * std::sin(i), -0.02, 0.05 * std::cos(i)});
    }
    RiffWriter riff;
    riff.chunk("LIST", "hdrl" + std::string(300, 'h'))
        .chunk("LIST", "movi" + std::string(4 << 20, 'm'))
        .chunk("idx1", std::string(16 * 4096, 'i'))
        .positions(positions)
        .gValues(g);
    return riff.bytes();
}

} // namespace

int main()
{
    TempDir dir;
    const std::string path = dir.write("CARD/MOVIEF/FILE0001F.AVI", oneHourAvi());
    int samples = 0;
    const double readers = bestMs([&] {
        GpsList list;
        pmReadAviGpsTrack(path, list, kSeconds);
        samples = list.GetDataCount();
    });
    std::printf("AVI track readers: %d samples of a one-hour recording in %.3f ms (target 10 ms)\n", samples,
                readers);
    const double loader = bestMs([&] {
        GpsList list;
        pmLoadTrack(path, kSeconds, list);
    });
    std::printf("track loader (log lookup, readers, frequency, padding, event): %.3f ms\n", loader);
    return 0;
}
