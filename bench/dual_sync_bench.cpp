// Front and rear in step: plays a pair through the controller and prints the largest
// difference between the two players' positions after a seek and at every 0.5 s tick over
// 60 s at the rates 1.0, 2.0 and 0.5; first the same pair on two free-running player views,
// for comparison. Run by hand: QT_QPA_PLATFORM=offscreen build/bench/dual_sync_bench [seconds]
#include "app/AppDelegate.h"
#include "TestClips.h"
#include "playback/VideoPlayerView.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <cmath>
#include <cstdio>
#include <functional>

namespace {

constexpr int kTickMs = 500;

void wait(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

bool waitFor(const std::function<bool()>& test, int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (!test() && clock.elapsed() < ms)
        wait(20);
    return test();
}

double difference(VideoPlayerView* front, VideoPlayerView* rear)
{
    return std::fabs(front->getitemTime() - rear->getitemTime());
}

// The largest difference seen at the ticks of the given span.
double largestOverTicks(VideoPlayerView* front, VideoPlayerView* rear, int seconds)
{
    double largest = 0;
    for (int tick = 0; tick < seconds * 1000 / kTickMs; ++tick) {
        wait(kTickMs);
        largest = std::max(largest, difference(front, rear));
    }
    return largest;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/.config").toUtf8());
    QApplication app(argc, argv);
    const int span = argc > 1 ? std::atoi(argv[1]) : 60;

    QTemporaryDir dir;
    const QString front = dir.filePath("DCIM/100F/FILE0001F.MP4");
    const QString rear = dir.filePath("DCIM/100R/FILE0001R.MP4");
    QDir().mkpath(dir.filePath("DCIM/100F"));
    QDir().mkpath(dir.filePath("DCIM/100R"));
    ClipOptions options;
    options.seconds = 2 * span + 20;
    options.width = 320;
    options.height = 180;
    if (!writeTestClip(front.toStdString(), options) || !writeTestClip(rear.toStdString(), options)) {
        std::fprintf(stderr, "dual_sync_bench: ffmpeg failed\n");
        return 1;
    }

    {
        QWidget box;
        box.resize(640, 360);
        auto* a = new VideoPlayerView(box.rect(), &box);
        auto* b = new VideoPlayerView(box.rect(), &box);
        a->loadURL(front, false);
        b->loadURL(rear, false);
        b->setMuted(true);
        waitFor([&] { return a->isReadyToPlay() && b->isReadyToPlay(); }, 10000);
        std::printf("free-running views, rate 1.0, %d s: largest difference %.0f ms\n", span / 2,
                    1000 * largestOverTicks(a, b, span / 2));
    }

    AppDelegate delegate;
    delegate.setConnectivityCheck([] { return false; });
    delegate.setLaunchFolder(dir.path());
    delegate.awakeFromNib();
    delegate.applicationWillFinishLaunching();
    delegate.applicationDidFinishLaunching();
    if (!delegate.openRecording(front) ||
        !waitFor([&] { return delegate.has2Videos() && delegate.playersShowSecond(-1); }, 10000)) {
        std::fprintf(stderr, "dual_sync_bench: the pair did not open\n");
        return 1;
    }
    double overall = 0;
    for (const float rate : {1.0f, 2.0f, 0.5f}) {
        delegate.setPlaySpeed(rate);
        delegate.setCurrentMovieTime(5);
        wait(kTickMs);
        const double afterSeek = difference(delegate.videoPlayView(), delegate.videoPlayView2());
        const double ticks = largestOverTicks(delegate.videoPlayView(), delegate.videoPlayView2(), span);
        overall = std::max({overall, afterSeek, ticks});
        std::printf("controller, rate %.1f: %.0f ms 0.5 s after a seek, largest at a tick over %d s %.0f ms\n",
                    double(rate), 1000 * afterSeek, span, 1000 * ticks);
    }
    std::printf("largest difference seen: %.0f ms (one frame at 25 fps: 40 ms)\n", 1000 * overall);
    delegate.applicationWillTerminate();
    return 0;
}
