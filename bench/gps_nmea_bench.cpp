// NMEA parsing: an 80 MB synthetic 10 Hz log (RMC, GGA and GSENSOR per tick) parsed by
// GpsParser and, in the same run, by gpsbabel (-i nmea -o unicsv) when it is installed.
// Also the size of one sample and of a one-hour 10 Hz track.
//
//   build/bench/gps_nmea_bench [MEGABYTES]

#include "gps/GpsList.h"
#include "gps/GpsParser.h"
#include "gps/TrackLoader.h"

#include "NmeaWriter.h"
#include "TempDir.h"

#include <algorithm>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/resource.h>

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// CPU seconds of this process or of its finished children: on a shared machine the wall
// clock also counts the time others took.
double cpuSeconds(int who)
{
    rusage usage{};
    getrusage(who, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

struct Timing {
    double wall = 1e9;
    double cpu = 1e9;
};

Timing bestParse(const std::string& path, int& samples)
{
    Timing best;
    for (int run = 0; run < 5; ++run) {
        GpsList list;
        const auto start = Clock::now();
        const double cpuStart = cpuSeconds(RUSAGE_SELF);
        GpsParser().ParseFile(path, list);
        best.cpu = std::min(best.cpu, cpuSeconds(RUSAGE_SELF) - cpuStart);
        best.wall = std::min(best.wall, secondsSince(start));
        samples = list.GetDataCount();
    }
    return best;
}

} // namespace

int main(int argc, char** argv)
{
    const double megabytes = argc > 1 ? std::atof(argv[1]) : 80;
    TempDir dir;
    const std::string path = dir.file("drive.nmea");
    {
        const std::string log = tenHertzDriveLog(megabytes, INT_MAX);
        std::ofstream(path, std::ios::binary).write(log.data(), static_cast<std::streamsize>(log.size()));
    }
    const double mb = static_cast<double>(std::ifstream(path, std::ios::ate | std::ios::binary).tellg()) / 1e6;

    int samples = 0;
    const Timing ours = bestParse(path, samples);
    std::printf("GpsParser: %.1f MB, %d samples in %.3f s = %.0f MB/s wall, %.0f MB/s of CPU time (target 300 MB/s)\n",
                mb, samples, ours.wall, mb / ours.wall, mb / ours.cpu);

    if (std::system("command -v gpsbabel >/dev/null 2>&1") != 0) {
        std::printf("gpsbabel: not installed, comparison skipped (apt-get install gpsbabel)\n");
    } else {
        const auto start = Clock::now();
        const double cpuStart = cpuSeconds(RUSAGE_CHILDREN);
        const std::string command = "gpsbabel -i nmea -f '" + path + "' -o unicsv -F /dev/null >/dev/null 2>&1";
        const int status = std::system(command.c_str());
        const double wall = secondsSince(start);
        const double cpu = cpuSeconds(RUSAGE_CHILDREN) - cpuStart;
        std::printf("gpsbabel:  %.1f MB in %.3f s = %.1f MB/s wall, %.1f MB/s of CPU time (exit %d)\n", mb, wall,
                    mb / wall, mb / cpu, status);
        std::printf("ratio: GpsParser is %.0fx faster than gpsbabel (wall), %.0fx (CPU time)\n", wall / ours.wall,
                    cpu / ours.cpu);
    }

    // A one-hour recording with its 10 Hz log beside it, loaded as the application loads it.
    const std::string hourLog = tenHertzDriveLog(1e9, 36000);
    dir.write("CARD/MOVIEF/FILE0001F.nmea", hourLog);
    GpsList hour;
    pmLoadTrack(dir.file("CARD/MOVIEF/FILE0001F.MP4"), 3600, hour);
    std::printf("sizeof(GpsData) = %zu bytes (target 48); one-hour 10 Hz track: %d samples, %.2f MiB "
                "allocated (target 2 MiB)\n",
                sizeof(GpsData), hour.GetDataCount(), hour.gpslist().capacity() * sizeof(GpsData) / 1048576.0);
    return 0;
}
