// Start-up of the application: from process start to the first painted window, and to the
// library built and shown, with a current folder of 1,000 recordings (ten days of 100 MP4
// files, front and rear). Each run starts the program with --timing and --screenshot, so it
// quits by itself; the first run warms the file cache and is not counted. Needs a display:
//
//   xvfb-run -a bench/startup.sh            (or: build/bench/startup_bench build/src/gui/korivmanager)

#include "VideoFixtures.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kRecordings = 1000;
constexpr int kDays = 10;

void makeCard(const fs::path& card)
{
    const std::string mp4 = makeMp4();
    const auto now = fs::file_time_type::clock::now();
    for (int i = 0; i < kRecordings; ++i) {
        const bool rear = i % 2 == 1;
        const fs::path folder = card / "DCIM" / (rear ? "Rear" : "Front");
        fs::create_directories(folder);
        char name[32];
        std::snprintf(name, sizeof name, "FILE%04d%c.MP4", i / 2, rear ? 'R' : 'F');
        const fs::path file = folder / name;
        std::ofstream(file, std::ios::binary) << mp4;
        fs::last_write_time(file, now - std::chrono::hours(24 * (i % kDays)) - std::chrono::minutes(i / 2));
    }
}

struct Figures {
    long firstPaint = -1;
    long libraryShown = -1;
    int recordings = -1;
};

Figures runOnce(const std::string& program, const fs::path& work, const fs::path& card)
{
    const std::string command = "HOME='" + (work / "home").string() + "' XDG_CONFIG_HOME='" +
                                (work / "home/.config").string() + "' '" + program + "' --timing --folder '" +
                                card.string() + "' --screenshot '" + (work / "window.png").string() + "' 2>&1";
    Figures figures;
    FILE* output = popen(command.c_str(), "r");
    if (!output)
        return figures;
    char line[512];
    while (std::fgets(line, sizeof line, output)) {
        long ms = 0;
        if (std::sscanf(line, "korivmanager: first paint %ld ms", &ms) == 1)
            figures.firstPaint = ms;
        else if (std::sscanf(line, "korivmanager: library of %d recordings built %ld ms", &figures.recordings, &ms) == 2)
            figures.libraryShown = ms;
    }
    pclose(output);
    return figures;
}

long median(std::vector<long> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? -1 : values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    const std::string program = argc > 1 ? argv[1] : "build/src/gui/korivmanager";
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 7;
    const fs::path work = fs::temp_directory_path() / "koriv-startup-bench";
    fs::remove_all(work);
    fs::create_directories(work / "home/Documents");
    makeCard(work / "card");

    runOnce(program, work, work / "card");
    std::vector<long> paint, shown;
    for (int i = 0; i < runs; ++i) {
        const Figures f = runOnce(program, work, work / "card");
        if (f.firstPaint < 0 || f.libraryShown < 0) {
            std::fprintf(stderr, "startup_bench: run %d gave no figures (is there a display?)\n", i + 1);
            return 1;
        }
        if (f.recordings != kRecordings) {
            std::fprintf(stderr, "startup_bench: the program found %d recordings, not %d\n", f.recordings, kRecordings);
            return 1;
        }
        paint.push_back(f.firstPaint);
        shown.push_back(f.libraryShown);
    }
    std::printf("start-up with %d recordings, %d runs (median / max):\n", kRecordings, runs);
    std::printf("  process start -> first painted window:  %ld / %ld ms\n", median(paint),
                *std::max_element(paint.begin(), paint.end()));
    std::printf("  process start -> library built, shown:  %ld / %ld ms\n", median(shown),
                *std::max_element(shown.begin(), shown.end()));
    fs::remove_all(work);
    return 0;
}
