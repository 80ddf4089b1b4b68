// The picture at a time (MediaAsset::imageAt) against FFmpeg's own command line, on a 1080p
// H.264 recording of 20 s at 30 frames per second with a key frame every 2 s. The times fall
// on a key frame, inside a run of frames, and at 1.9 s into a run (the worst case: 57 frames
// to decode). Each figure is the median of several runs after one that warms the file cache:
//   - MediaAsset open: probing the file (duration and natural size);
//   - open + imageAt: a fresh asset per picture, as the capture and imageAtAsync take it;
//   - imageAt, open asset: the picture alone;
//   - ffmpeg -ss T -i FILE -frames:v 1 -f image2 out.jpg, timed in the same run.
// Targets: open + imageAt at most 100 ms, and below ffmpeg (ratio < 1).
//
//   build/bench/media_asset_bench [RUNS]

#include "MediaAsset.h"

#include "CommandRunner.h"
#include "TempDir.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double timeMs(const std::function<bool()>& work, bool& ok)
{
    const auto start = Clock::now();
    ok = work() && ok;
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double medianMs(int runs, const std::function<bool()>& work, bool& ok)
{
    timeMs(work, ok); // warms the file cache and the code
    std::vector<double> times;
    for (int i = 0; i < runs; ++i)
        times.push_back(timeMs(work, ok));
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

bool makeClip(const std::string& path)
{
    // Moving test pattern with temporal noise, so frames cost what camera frames cost to decode.
    return runCommand("ffmpeg -nostdin -loglevel error -y -f lavfi -i testsrc2=size=1920x1080:rate=30:duration=20"
                      " -vf noise=alls=10:allf=t -c:v libx264 -preset veryfast -b:v 12M -maxrate 12M -bufsize 24M"
                      " -pix_fmt yuv420p -g 60 -keyint_min 60 -sc_threshold 0 '" + path + "'")
               .exitCode == 0;
}

} // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    TempDir dir;
    const std::string clip = dir.file("FILE0001F.MP4");
    const std::string jpeg = dir.file("out.jpg");
    std::printf("making a 20 s 1080p H.264 clip (2 s key-frame interval)...\n");
    if (!makeClip(clip)) {
        std::fprintf(stderr, "media_asset_bench: ffmpeg could not make the clip\n");
        return 1;
    }
    const QString path = QString::fromStdString(clip);
    bool ok = true;

    QSize size;
    double duration = 0;
    const double open = medianMs(runs, [&] {
        MediaAsset asset(path);
        size = asset.naturalSize();
        duration = asset.duration();
        return asset.isValid();
    }, ok);
    std::printf("MediaAsset open (duration %.2f s, size %dx%d): %.1f ms\n", duration, size.width(), size.height(), open);

    MediaAsset shared(path);
    std::printf("%-28s %14s %14s %12s %8s\n", "time", "open+imageAt", "imageAt only", "ffmpeg", "ratio");
    const struct {
        double seconds;
        const char* what;
    } times[] = {{0.0, "0.0 s (key frame)"}, {1.0, "1.0 s (30 frames in)"}, {1.9, "1.9 s (57 frames in)"},
                 {11.9, "11.9 s (57 frames in)"}, {19.9, "19.9 s (near the end)"}};
    for (const auto& t : times) {
        const double fresh = medianMs(runs, [&] { return !MediaAsset(path).imageAt(t.seconds).isNull(); }, ok);
        const double reused = medianMs(runs, [&] { return !shared.imageAt(t.seconds).isNull(); }, ok);
        const std::string command = "ffmpeg -nostdin -loglevel error -y -ss " + std::to_string(t.seconds) + " -i '"
                                    + clip + "' -frames:v 1 -f image2 '" + jpeg + "'";
        const double ffmpeg = medianMs(runs, [&] { return runCommand(command).exitCode == 0; }, ok);
        std::printf("%-28s %11.1f ms %11.1f ms %9.1f ms %8.2f\n", t.what, fresh, reused, ffmpeg, fresh / ffmpeg);
    }
    if (!ok) {
        std::fprintf(stderr, "media_asset_bench: a picture or an ffmpeg run failed\n");
        return 1;
    }
    return 0;
}
