// Writing the KML of a one-hour 10 Hz track (36,000 samples, one location per second).
//
//   build/bench/gps_kml_bench

#include "export/KmlExport.h"
#include "gps/GpsList.h"

#include "TempDir.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>

int main()
{
    GpsList list;
    for (int i = 0; i < 36000; ++i) {
        list.InsertData(25.04f + i * 1e-6f, 121.5f + i * 1e-6f, 40, static_cast<float>(i % 360), -1);
        list.GetGpsData(-1)->setDAltitude(10 + std::sin(i / 100.0));
    }
    list.setBGps(true);
    list.SetGpsFrequency(10);
    TempDir dir;
    const std::string path = dir.file("FILE0001F.kml");
    double best = 1e9;
    for (int run = 0; run < 20; ++run) {
        const auto start = std::chrono::steady_clock::now();
        outputKML(path, &list, std::chrono::system_clock::now());
        best = std::min(best, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::printf("KML of a one-hour 10 Hz track: %ju bytes in %.3f ms (target 10 ms)\n",
                static_cast<std::uintmax_t>(std::filesystem::file_size(path)), best);
    return 0;
}
