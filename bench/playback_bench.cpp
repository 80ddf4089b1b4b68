// Playback of a 1080p H.264 recording (30 frames per second, a key frame every 2 s, 12 Mbit/s,
// 40 s), against gst-play-1.0 on the same file:
//   (a) opening an entry (as a double click on its row) to its first picture painted, median
//       of 10 after a warm-up run; the anchor is gst-play-1.0's time from its start to its
//       first picture (its video sink's preroll);
//   (b) a seek while paused to the picture of the new time painted, to key frames and to 1 s
//       into a key-frame interval;
//   (c) processor time (user + system) of the program playing the recording for 30 s, against
//       gst-play-1.0 playing it for 30 s (target: at most 1.5 times), with the dashboard and
//       with the web map;
//   (d) on five front and rear pairs of a 10 s 1080p recording: opening a pair (not prepared)
//       to both pictures painted, Next to both pictures of the next pair painted, and twenty
//       presses of Next in one second to the last pair painted; the capture button, playing and
//       paused, to the preview of both pictures painted.
// Needs a display and runs the program in this process for (a) and (b):
//
//   xvfb-run -a -s "-screen 0 1280x800x24" bench/playback.sh [RECORDING.MP4]

#include "app/AppDelegate.h"
#include "app/MainWindow.h"
#include "playback/VideoPlayerView.h"
#include "tools/CapturePreviewDlg.h"

#include "CommandRunner.h"
#include "NmeaWriter.h"
#include "TempDir.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <csignal>
#include <fcntl.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kRuns = 10;
constexpr int kPlaySeconds = 30;
constexpr int kWaitMs = 15000;

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double median(std::vector<double> values)
{
    if (values.empty())
        return -1;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

bool makeClip(const std::string& path, int seconds = 40)
{
    return runCommand("ffmpeg -nostdin -loglevel error -y -f lavfi -i testsrc2=size=1920x1080:rate=30:duration=" +
                      std::to_string(seconds) +
                      " -vf noise=alls=10:allf=t -c:v libx264 -preset veryfast -b:v 12M -maxrate 12M -bufsize 24M"
                      " -pix_fmt yuv420p -g 60 -keyint_min 60 -sc_threshold 0 '" + path + "'")
               .exitCode == 0;
}

// A child process with its standard error on a pipe (or discarded).
struct Child {
    pid_t pid = -1;
    FILE* err = nullptr;
};

Child spawn(const std::vector<std::string>& argv, bool readErrors)
{
    int fds[2] = {-1, -1};
    if (readErrors && ::pipe(fds) != 0)
        return {};
    std::fflush(nullptr); // or the child would print what this process has buffered
    Child child;
    child.pid = ::fork();
    if (child.pid == 0) {
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(readErrors ? fds[1] : null, STDERR_FILENO);
        ::dup2(null, STDOUT_FILENO);
        std::vector<char*> args;
        for (const std::string& a : argv)
            args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        ::execvp(args[0], args.data());
        ::_exit(127);
    }
    if (readErrors) {
        ::close(fds[1]);
        child.err = ::fdopen(fds[0], "r");
    }
    return child;
}

// Stops the child and returns its processor time in seconds.
double stop(Child& child)
{
    ::kill(child.pid, SIGTERM);
    if (child.err)
        std::fclose(child.err);
    int status = 0;
    rusage usage{};
    ::wait4(child.pid, &status, 0, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double cpuOfPlaying(const std::vector<std::string>& argv)
{
    Child child = spawn(argv, false);
    std::this_thread::sleep_for(std::chrono::seconds(kPlaySeconds));
    return stop(child);
}

// gst-play-1.0 from its start to the preroll of its video sink (its first picture).
double gstFirstPicture(const std::string& clip)
{
    ::setenv("GST_DEBUG", "basesink:5", 1);
    ::setenv("GST_DEBUG_NO_COLOR", "1", 1);
    const auto start = Clock::now();
    Child child = spawn({"gst-play-1.0", "--no-interactive", clip}, true);
    ::unsetenv("GST_DEBUG");
    double ms = -1;
    char line[2048];
    while (child.err && std::fgets(line, sizeof line, child.err)) {
        const std::string text = line;
        if (text.find("preroll buffer") != std::string::npos && text.find("imagesink") != std::string::npos) {
            ms = msSince(start);
            break;
        }
    }
    stop(child);
    return ms;
}

void wait(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Runs the event loop until test() holds or the wait is over; false on time-out.
bool waitFor(const std::function<bool()>& test)
{
    QEventLoop loop;
    QTimer poll;
    QElapsedTimer clock;
    clock.start();
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (test() || clock.elapsed() > kWaitMs)
            loop.quit();
    });
    poll.start(2);
    loop.exec();
    return test();
}

// Notes the paint events of the player view's picture that show a picture of the wanted second
// (any second when negative).
class PaintWatch : public QObject {
public:
    QPointer<VideoPlayerView> view;
    double second = -1;
    bool painted = false;

    void watch(VideoPlayerView* v, double wantedSecond)
    {
        if (view != v) {
            view = v;
            v->normalView()->installEventFilter(this);
        }
        second = wantedSecond;
        painted = false;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && view && watched == view->normalView() && view->isReadyToPlay()) {
            const double shown = view->pictureTime();
            painted = painted || (shown >= 0 && (second < 0 || std::floor(shown) == second));
        }
        return false;
    }
};

double openToFirstPicture(AppDelegate& app, const QString& recording, PaintWatch& watch)
{
    const QPointer<VideoPlayerView> previous = app.videoPlayView(); // null once released
    const auto start = Clock::now();
    if (!app.openRecording(recording))
        return -1;
    const bool shown = waitFor([&] {
        VideoPlayerView* view = app.videoPlayView();
        if (view && view != previous && watch.view != view)
            watch.watch(view, -1);
        return watch.view == view && view != previous && watch.painted;
    });
    return shown ? msSince(start) : -1;
}

double seekToPicture(AppDelegate& app, int second, PaintWatch& watch)
{
    watch.watch(app.videoPlayView(), second);
    const auto start = Clock::now();
    app.setCurrentMovieTime(second);
    return waitFor([&] { return watch.painted; }) ? msSince(start) : -1;
}

void printFigure(const char* what, double ours, double theirs)
{
    std::printf("  %-44s %9.1f ms  gst-play-1.0 %9.1f ms  ratio %.2f\n", what, ours, theirs, ours / theirs);
}

// Five pairs of one clip, a minute apart, so that the play list keeps each pair together.
bool makePairs(const fs::path& card)
{
    const fs::path clip = card / "clip.mp4";
    fs::create_directories(card / "DCIM/100F");
    fs::create_directories(card / "DCIM/100R");
    if (!makeClip(clip.string(), 10))
        return false;
    const auto start = fs::file_time_type::clock::now() - std::chrono::hours(1);
    for (int i = 1; i <= 5; ++i) {
        for (const char* camera : {"F", "R"}) {
            const fs::path path = card / (std::string("DCIM/100") + camera) / ("FILE000" + std::to_string(i) + camera + ".MP4");
            fs::copy_file(clip, path);
            fs::last_write_time(path, start + std::chrono::minutes(i));
        }
    }
    fs::remove(clip);
    return true;
}

// From the action to both players of a new pair having painted a picture; -1 on time-out.
double untilPairPainted(AppDelegate& app, const std::function<void()>& action)
{
    const QPointer<VideoPlayerView> front = app.videoPlayView();
    const QPointer<VideoPlayerView> rear = app.videoPlayView2();
    PaintWatch frontWatch, rearWatch;
    const auto start = Clock::now();
    action();
    const auto shown = [&](PaintWatch& watch, VideoPlayerView* view, VideoPlayerView* previous) {
        if (view && view != previous && watch.view != view)
            watch.watch(view, -1);
        return view && view != previous && watch.view == view && watch.painted;
    };
    const bool both = waitFor([&] {
        const bool a = shown(frontWatch, app.videoPlayView(), front);
        const bool b = shown(rearWatch, app.videoPlayView2(), rear);
        return a && b;
    });
    return both ? msSince(start) : -1;
}

// The capture button to its preview shown and painted.
double captureToPreview(AppDelegate& app)
{
    double ms = -1;
    QTimer poll; // the preview runs an event loop of its own: it is looked for from inside it
    poll.setInterval(1);
    const auto start = Clock::now();
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (CapturePreviewDlg* dialog = app.capturePreviewDlg(); dialog && dialog->isVisible()) {
            dialog->repaint();
            ms = msSince(start);
            poll.stop();
            dialog->reject();
        }
    });
    poll.start();
    app.onButtonCapture();
    waitFor([&] { return ms >= 0; });
    return ms;
}

void pairFigures(AppDelegate& app, const fs::path& card, double gst)
{
    if (!makePairs(card)) {
        std::fprintf(stderr, "playback_bench: ffmpeg could not make the pairs\n");
        return;
    }
    app.openFolder(QString::fromStdString(card.string()));
    if (!waitFor([&] { return app.videoLib().size() == 10 && app.isDualCameraMode(); }))
        return;
    const auto front = [&](int i) { return QString::fromStdString((card / ("DCIM/100F/FILE000" + std::to_string(i) + "F.MP4")).string()); };
    // Each pair is two entries away from the one before: never the prepared neighbour.
    std::vector<double> open, next;
    for (int i : {1, 3, 5, 2, 4, 1, 3, 5, 2, 4, 1})
        if (double ms = untilPairPainted(app, [&] { app.openRecording(front(i)); }); ms >= 0 && i != 1)
            open.push_back(ms);
    for (int i = 0; i < 10; ++i) {
        wait(1500); // the neighbours are prepared while a recording plays
        if (double ms = untilPairPainted(app, [&] { app.onButtonNext(true); }); ms >= 0)
            next.push_back(ms);
    }
    wait(1500);
    double pressesMs = 0;
    const double burst = untilPairPainted(app, [&] {
        const auto first = Clock::now();
        for (int i = 0; i < 20; ++i) {
            app.onButtonNext(true);
            if (i < 19)
                wait(50);
        }
        pressesMs = std::chrono::duration<double, std::milli>(Clock::now() - first).count();
    });
    std::vector<double> playing, paused;
    for (int i = 0; i < 4; ++i) {
        app.onButtonPlay();
        wait(700);
        playing.push_back(captureToPreview(app)); // the button pauses first
        wait(300);
        paused.push_back(captureToPreview(app));
    }
    std::printf("(d) front and rear pairs, 1080p:\n");
    printFigure("open a pair -> both painted (median)", median(open), gst);
    printFigure("Next -> both painted (median)", median(next), gst);
    std::printf("  20 Next presses in 1 s -> last pair painted: %.1f ms from the first press, %.1f ms from the last "
                "(the presses took %.1f ms)\n", burst, burst - pressesMs, pressesMs);
    std::printf("  capture -> preview of both pictures painted (median): while playing %.1f ms, paused %.1f ms "
                "(target 300 ms)\n", median(playing), median(paused));
}

// A 1 Hz log of the recording's drive, where the camera keeps it, so the map has a route.
void writeLog(const fs::path& dcim, int seconds)
{
    NmeaWriter log;
    for (int s = 0; s < seconds; ++s) {
        const NmeaFix fix{.secondOfDay = 8 * 3600 + s, .latitude = 25.0 + s * 1e-4, .longitude = 121.0,
                          .speedKnots = 26.4, .altitude = 30, .date = "100326"};
        log.rmc(fix).gga(fix);
    }
    fs::create_directories(dcim / "NMEA");
    std::ofstream(dcim / "NMEA/FILE0001N.NMEA") << log.text();
}

// The processor time with the web map shown: the connectivity check answered by a loopback
// server, tiles asked of an address nobody answers.
double cpuWithWebMap(const std::string& program, const std::string& folder, const std::string& clip)
{
    writeLog(fs::path(folder) / "DCIM", 40);
    Child server = spawn({"python3", "-m", "http.server", "18741", "--bind", "127.0.0.1", "--directory", folder}, false);
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    ::setenv("KORIV_CHECK_URL", "http://127.0.0.1:18741/", 1);
    ::setenv("KORIV_TILE_URL", "http://127.0.0.1:9/{z}/{x}/{y}.png", 1);
    const double cpu = cpuOfPlaying({program, "--folder", folder, "--play", clip, "--map"});
    ::unsetenv("KORIV_CHECK_URL");
    ::unsetenv("KORIV_TILE_URL");
    stop(server);
    fs::remove_all(fs::path(folder) / "DCIM/NMEA");
    return cpu;
}

void prepareHome(const fs::path& work)
{
    const fs::path runtime = work / "runtime";
    fs::create_directories(work / "home/Documents");
    fs::create_directories(runtime);
    fs::permissions(runtime, fs::perms::owner_all, fs::perm_options::replace);
    ::setenv("HOME", (work / "home").c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (work / "home/.config").c_str(), 1);
    ::setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    // The program's single-instance channel is named after the user: meet no other copy.
    ::setenv("USER", ("koriv-bench-" + std::to_string(::getpid())).c_str(), 1);
}

} // namespace

int main(int argc, char** argv)
{
    const std::string program = argc > 1 ? argv[1] : "build/src/gui/korivmanager";
    // The map's web engine refuses to start its sandbox as root.
    if (::geteuid() == 0)
        ::setenv("QTWEBENGINE_DISABLE_SANDBOX", "1", 0);
    if (!std::getenv("DISPLAY")) {
        std::fprintf(stderr, "playback_bench: needs a display (run it under xvfb-run)\n");
        return 1;
    }
    TempDir work;
    prepareHome(work.path());
    const fs::path card = fs::path(work.path()) / "card/DCIM/Front";
    fs::create_directories(card);
    const std::string clip = (card / "FILE0001F.MP4").string();
    if (argc > 2) {
        fs::copy_file(argv[2], clip);
    } else {
        std::printf("making a 40 s 1080p H.264 recording (2 s key-frame interval, 12 Mbit/s)...\n");
        if (!makeClip(clip)) {
            std::fprintf(stderr, "playback_bench: ffmpeg could not make the recording\n");
            return 1;
        }
    }
    const std::string folder = (fs::path(work.path()) / "card").string();

    std::printf("(c) processor time playing for %d s:\n", kPlaySeconds);
    const double ourCpu = cpuOfPlaying({program, "--folder", folder, "--play", clip});
    const double gstCpu = cpuOfPlaying({"gst-play-1.0", "--no-interactive", clip});
    std::printf("  korivmanager %.2f s, gst-play-1.0 %.2f s, ratio %.2f (target at most 1.5)\n", ourCpu, gstCpu,
                ourCpu / gstCpu);
    const double webCpu = cpuWithWebMap(program, folder, clip);
    std::printf("  with the web map shown: korivmanager %.2f s, ratio %.2f\n", webCpu, webCpu / gstCpu);

    std::vector<double> gst;
    for (int i = 0; i <= kRuns; ++i)
        if (double ms = gstFirstPicture(clip); i > 0 && ms >= 0)
            gst.push_back(ms);

    QApplication application(argc, argv);
    AppDelegate app;
    app.setConnectivityCheck([] { return false; });
    app.setLaunchFolder(QString::fromStdString(folder));
    app.awakeFromNib();
    app.applicationWillFinishLaunching();
    app.mainWindow()->show();
    app.applicationDidFinishLaunching();
    if (!waitFor([&] { return app.videoLib().size() == 1; })) {
        std::fprintf(stderr, "playback_bench: the program did not find the recording\n");
        return 1;
    }
    PaintWatch watch;
    std::vector<double> open;
    for (int i = 0; i <= kRuns; ++i)
        if (double ms = openToFirstPicture(app, QString::fromStdString(clip), watch); i > 0 && ms >= 0)
            open.push_back(ms);
    std::printf("(a) opening an entry to its first picture painted (median of %zu):\n", open.size());
    printFigure("korivmanager (open -> painted)", median(open), median(gst));

    app.pausePlayback();
    std::vector<double> keySeeks, midSeeks;
    const int seconds[] = {10, 4, 16, 8, 30, 2, 24, 12, 20, 6, 28, 11, 5, 17, 9, 31, 3, 25, 13, 21, 7, 29};
    for (int s : seconds)
        if (double ms = seekToPicture(app, s, watch); ms >= 0)
            (s % 2 == 0 ? keySeeks : midSeeks).push_back(ms);
    std::printf("(b) a seek while paused to its picture painted (median):\n");
    std::printf("  to a key frame:        %7.1f ms (%zu seeks)\n", median(keySeeks), keySeeks.size());
    std::printf("  1 s after a key frame: %7.1f ms (%zu seeks)\n", median(midSeeks), midSeeks.size());

    pairFigures(app, fs::path(work.path()) / "pairs", median(gst));
    return open.empty() || gst.empty() ? 1 : 0;
}
