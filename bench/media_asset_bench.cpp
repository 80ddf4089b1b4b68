// The picture at a time (MediaAsset::imageAt) against FFmpeg's own command line, on a 1080p
// H.264 recording of 20 s at 30 frames per second with a key frame every 2 s. The times fall
// on a key frame, inside a run of frames, and at 1.9 s into a run (the worst case: 57 frames
// to decode). Each figure is the median of several runs after one that warms the file cache:
//   - MediaAsset open: probing the file (duration and natural size);
//   - open + imageAt: a fresh asset per picture, as the capture and imageAtAsync take it;
//   - imageAt, open asset: the picture alone;
//   - ffmpeg -ss T -i FILE -frames:v 1 -f image2 out.jpg, timed in the same run.
// Targets: open + imageAt at most 100 ms, and below ffmpeg (ratio of the wall times < 1). The
// processor times beside them hold on a busy machine, where wall times stretch.
//
//   build/bench/media_asset_bench [RUNS]

#include "MediaAsset.h"

#include "CommandRunner.h"
#include "TempDir.h"
#include "TestClips.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Wall and processor time (this process and its children) of one piece of work.
struct Cost {
    double wallMs = 0;
    double cpuMs = 0;
};

double cpuMs()
{
    double ms = 0;
    for (int who : {RUSAGE_SELF, RUSAGE_CHILDREN}) {
        rusage usage{};
        getrusage(who, &usage);
        ms += (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    }
    return ms;
}

Cost measure(const std::function<bool()>& work, bool& ok)
{
    const auto start = Clock::now();
    const double cpuStart = cpuMs();
    ok = work() && ok;
    return {std::chrono::duration<double, std::milli>(Clock::now() - start).count(), cpuMs() - cpuStart};
}

// Medians of several runs after one that warms the file cache and the code.
Cost median(int runs, const std::function<bool()>& work, bool& ok)
{
    measure(work, ok);
    std::vector<double> wall, cpu;
    for (int i = 0; i < runs; ++i) {
        const Cost c = measure(work, ok);
        wall.push_back(c.wallMs);
        cpu.push_back(c.cpuMs);
    }
    std::sort(wall.begin(), wall.end());
    std::sort(cpu.begin(), cpu.end());
    return {wall[wall.size() / 2], cpu[cpu.size() / 2]};
}

} // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    TempDir dir;
    const std::string clip = dir.file("FILE0001F.MP4");
    const std::string jpeg = dir.file("out.jpg");
    std::printf("making a 20 s 1080p H.264 clip (2 s key-frame interval)...\n");
    if (!writeCameraLikeClip(clip, 20)) {
        std::fprintf(stderr, "media_asset_bench: ffmpeg could not make the clip\n");
        return 1;
    }
    const QString path = QString::fromStdString(clip);
    bool ok = true;

    QSize size;
    double duration = 0;
    const Cost open = median(runs, [&] {
        MediaAsset asset(path);
        size = asset.naturalSize();
        duration = asset.duration();
        return asset.isValid();
    }, ok);
    std::printf("MediaAsset open (duration %.2f s, size %dx%d): %.1f ms (processor %.1f ms)\n", duration,
                size.width(), size.height(), open.wallMs, open.cpuMs);

    MediaAsset shared(path);
    std::printf("medians, wall time / processor time:\n%-24s %19s %19s %19s %6s\n", "time", "open+imageAt",
                "imageAt only", "ffmpeg", "ratio");
    const struct {
        double seconds;
        const char* what;
    } times[] = {{0.0, "0.0 s (key frame)"}, {1.0, "1.0 s (30 frames in)"}, {1.9, "1.9 s (57 frames in)"},
                 {11.9, "11.9 s (57 frames in)"}, {19.9, "19.9 s (near the end)"}};
    for (const auto& t : times) {
        const Cost fresh = median(runs, [&] { return !MediaAsset(path).imageAt(t.seconds).isNull(); }, ok);
        const Cost reused = median(runs, [&] { return !shared.imageAt(t.seconds).isNull(); }, ok);
        const std::string command = "ffmpeg -nostdin -loglevel error -y -ss " + std::to_string(t.seconds) + " -i '"
                                    + clip + "' -frames:v 1 -f image2 '" + jpeg + "'";
        const Cost ffmpeg = median(runs, [&] { return runCommand(command).exitCode == 0; }, ok);
        std::printf("%-24s %8.1f / %6.1f ms %8.1f / %6.1f ms %8.1f / %6.1f ms %6.2f\n", t.what, fresh.wallMs,
                    fresh.cpuMs, reused.wallMs, reused.cpuMs, ffmpeg.wallMs, ffmpeg.cpuMs, fresh.wallMs / ffmpeg.wallMs);
    }
    if (!ok) {
        std::fprintf(stderr, "media_asset_bench: a picture or an ffmpeg run failed\n");
        return 1;
    }
    return 0;
}
