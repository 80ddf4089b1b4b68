// The clip export against ffmpeg doing the same work, on camera-like recordings made at run
// time (H.264 at 30 frames per second with temporal noise, AAC sound on the front camera):
//   - copy: one camera, no overlay, 3 minutes of 1080p across 3 recordings (from 10 s into the
//     first to 50 s into the third) against `ffmpeg -f concat ... -c copy` over the same span;
//     target at most 1.25 times ffmpeg's time;
//   - compose: 60 s of a 1080p front and a 720p rear as picture in picture with the full
//     overlay and the front's sound, against one `ffmpeg -filter_complex` command with the same
//     scaling, frame, text, threads and x264 settings; targets at most 60 s and 1.2 times
//     ffmpeg's time;
//   - memory: the peak resident memory of each run, and of a 20 s composition beside the 60 s
//     one (it must not grow with the clip's length); target at most 300 MiB.
// Each run is a child process, timed and measured (wall clock, processor time, peak RSS) by the
// parent; each figure is the best of RUNS after a run that warms the file cache. On a machine
// shared with other work the processor times compare better than the wall clocks.
//
//   build/bench/clip_export_bench [RUNS]

#include "ClipExporter.h"
#include "TempDir.h"
#include "TestClips.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

struct Figures {
    double seconds = 0;    // wall clock
    double cpuSeconds = 0; // user and system
    double peakMiB = 0;
    bool ok = false;
};

double seconds(const timeval& t)
{
    return double(t.tv_sec) + t.tv_usec / 1e6;
}

// Runs the work in a child process: its wall time, its peak resident memory, its success.
Figures measure(const std::function<bool()>& work)
{
    const auto start = Clock::now();
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(work() ? 0 : 1);
    int status = 0;
    struct rusage usage {};
    ::wait4(child, &status, 0, &usage);
    return {std::chrono::duration<double>(Clock::now() - start).count(),
            seconds(usage.ru_utime) + seconds(usage.ru_stime), usage.ru_maxrss / 1024.0,
            WIFEXITED(status) && WEXITSTATUS(status) == 0};
}

Figures best(int runs, const std::function<bool()>& work)
{
    Figures result = measure(work); // warms the file cache
    result.seconds = 1e9;
    for (int i = 0; i < runs; ++i) {
        const Figures f = measure(work);
        result.ok = result.ok && f.ok;
        if (f.seconds < result.seconds)
            result.cpuSeconds = f.cpuSeconds;
        result.seconds = std::min(result.seconds, f.seconds);
        result.peakMiB = std::max(result.peakMiB, f.peakMiB);
    }
    return result;
}

bool shell(const std::string& command)
{
    return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
}

bool exportClip(const ClipRequest& request)
{
    ClipExporter exporter(request);
    const bool written = exporter.run();
    if (!written)
        std::fprintf(stderr, "clip_export_bench: %s\n", exporter.errorString().toLocal8Bit().constData());
    return written;
}

// The full overlay's texts, one a second, as long as the real ones.
std::vector<ClipOverlayCue> fullOverlay(int seconds)
{
    std::vector<ClipOverlayCue> cues;
    for (int s = 0; s < seconds; ++s)
        cues.push_back({double(s), "2026/01/02 10:00:" + std::to_string(10 + s % 50)
                                       + "\n52 km/h   N 25\xC2\xB0" "03'38.3\"  E 121\xC2\xB0" "33'12.0\"\nG 0.125 -0.031 0.984"});
    return cues;
}

// The same composition as ClipComposer's for a 1920x1080 front and a 1280x720 rear, the same
// text size and the same encoders.
std::string ffmpegComposition(const std::string& front, const std::string& rear, int seconds, const TempDir& dir)
{
    const std::string textFile = dir.file("overlay.txt");
    std::ofstream(textFile) << "%{pts:gmtime:1767348000:%Y/%m/%d %H\\:%M\\:%S}\n52 km/h   N 25\xC2\xB0"
                               "03'38.3\"  E 121\xC2\xB0" "33'12.0\"\nG 0.125 -0.031 0.984";
    const std::string graph =
        "[1:v]scale=640:360,pad=650:370:5:5:white[inset];"
        "[0:v]drawtext=font='DejaVu Sans':textfile=" + textFile + ":fontcolor=white:"
        "fontsize=45:line_spacing=9:box=1:boxcolor=black@0.6:boxborderw=11:x=22:y=h-th-22[text];"
        "[text][inset]overlay=x=1232:y=38,format=yuv420p[v]";
    const std::string length = std::to_string(seconds);
    const std::string decoding = " -threads " + std::to_string(kClipDecoderThreads) + " -t " + length + " -i '";
    return "ffmpeg -nostdin -loglevel error -y" + decoding + front + "'" + decoding + rear + "' -filter_complex \""
        + graph + "\" -map '[v]' -map 0:a -c:v libx264 -preset " + kClipVideoPreset + " -crf "
        + std::to_string(kClipVideoQuality) + " -x264-params " + kClipVideoParams + " -threads "
        + std::to_string(kClipEncoderThreads) + " -g 60 -c:a aac -b:a 64k '" + dir.file("peer.mp4") + "'";
}

void report(const char* what, const Figures& ours, const Figures& peer, double targetRatio)
{
    const auto line = [](const char* who, const Figures& f) {
        std::printf("  %-13s %8.2f s  (processor %8.2f s)  peak %6.1f MiB%s\n", who, f.seconds, f.cpuSeconds,
                    f.peakMiB, f.ok ? "" : "  FAILED");
    };
    std::printf("%s\n", what);
    line("Koriv Manager", ours);
    line("ffmpeg", peer);
    std::printf("  ratio %.2f, processor time ratio %.2f (target at most %.2f)\n", ours.seconds / peer.seconds,
                ours.cpuSeconds / peer.cpuSeconds, targetRatio);
}

} // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2;
    TempDir dir;
    const auto made = Clock::now();
    const std::string recordings[] = {dir.file("FILE0001F.MP4"), dir.file("FILE0002F.MP4"), dir.file("FILE0003F.MP4")};
    const std::string rear = dir.file("FILE0004R.MP4");
    // The three recordings are copies of one: each is a file of its own to read.
    if (!writeCameraLikeClip(recordings[0], 70, 1080, true) || !writeCameraLikeClip(rear, 60, 720)
        || !std::filesystem::copy_file(recordings[0], recordings[1])
        || !std::filesystem::copy_file(recordings[0], recordings[2])) {
        std::fprintf(stderr, "clip_export_bench: the recordings could not be made (ffmpeg missing?)\n");
        return 1;
    }
    std::printf("clip_export_bench: recordings made in %.0f s; best of %d runs\n",
                std::chrono::duration<double>(Clock::now() - made).count(), runs);

    ClipRequest copy;
    copy.segments = {{QString::fromStdString(recordings[0]), {}, 10, 70},
                     {QString::fromStdString(recordings[1]), {}, 0, 70},
                     {QString::fromStdString(recordings[2]), {}, 0, 50}};
    copy.output = QString::fromStdString(dir.file("copy.mp4"));
    std::ofstream(dir.file("concat.txt")) << "file '" << recordings[0] << "'\ninpoint 10\nfile '" << recordings[1]
                                          << "'\nfile '" << recordings[2] << "'\noutpoint 50\n";
    const Figures ourCopy = best(runs, [&] { return exportClip(copy); });
    const Figures peerCopy = best(runs, [&] {
        return shell("ffmpeg -nostdin -loglevel error -y -f concat -safe 0 -i '" + dir.file("concat.txt")
                     + "' -c copy '" + dir.file("concat.mp4") + "'");
    });
    report("copy: 180 s of 1080p across 3 recordings, no overlay", ourCopy, peerCopy, 1.25);

    const auto composition = [&](int seconds) {
        ClipRequest pip;
        pip.segments = {{QString::fromStdString(recordings[0]), QString::fromStdString(rear), 0, double(seconds)}};
        pip.cameras = ClipCameras::PictureInPicture;
        pip.overlay = fullOverlay(seconds);
        pip.output = QString::fromStdString(dir.file("pip.mp4"));
        return pip;
    };
    const ClipRequest pip = composition(60);
    const Figures ourPip = best(runs, [&] { return exportClip(pip); });
    const Figures peerPip = best(runs, [&] {
        return shell(ffmpegComposition(recordings[0], rear, 60, dir));
    });
    report("compose: 60 s of a 1080p front and a 720p rear, picture in picture, full overlay, sound", ourPip, peerPip,
           1.2);
    std::printf("  real time: %.2f s for 60 s (target at most 60 s)\n", ourPip.seconds);

    const ClipRequest shortPip = composition(20);
    const Figures ourShort = best(1, [&] { return exportClip(shortPip); });
    std::printf("memory: peak %.1f MiB for 20 s, %.1f MiB for 60 s composed, %.1f MiB for 180 s copied "
                "(target at most 300 MiB)\n",
                ourShort.peakMiB, ourPip.peakMiB, ourCopy.peakMiB);
    return ourCopy.ok && peerCopy.ok && ourPip.ok && peerPip.ok && ourShort.ok ? 0 : 1;
}
