// From unmounting a card to the emptied play list, through the real controller: a tmpfs card
// of 100,000 recordings over 365 days (one file per day, the others hard links to it, to spare
// memory), the library built from it and watched, then "umount -l". The figure is the
// watcher's latency (1.0 s) plus the controller's reaction. Needs root (mount) and no display:
//
//   build/bench/monitor_unmount_bench [RECORDINGS]

#include "app/AppDelegate.h"
#include "app/MainWindow.h"
#include "browse/SCEvents.h"
#include "util/Log.h"

#include "VideoFixtures.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace {

constexpr int kDays = 365;

void makeCard(const fs::path& card, int recordings)
{
    const std::string mp4 = makeMp4();
    const auto now = fs::file_time_type::clock::now();
    for (int day = 0; day < kDays; ++day) {
        const fs::path folder = card / "DCIM" / ("DAY" + std::to_string(day));
        fs::create_directories(folder);
        const fs::path first = folder / "FILE00000F.MP4";
        std::ofstream(first, std::ios::binary) << mp4;
        fs::last_write_time(first, now - std::chrono::hours(24 * day));
    }
    for (int i = kDays; i < recordings; ++i) {
        const fs::path folder = card / "DCIM" / ("DAY" + std::to_string(i % kDays));
        char name[32];
        std::snprintf(name, sizeof name, "FILE%05d%c.MP4", i / kDays, i % 2 ? 'R' : 'F');
        fs::create_hard_link(folder / "FILE00000F.MP4", folder / name);
    }
}

bool run(const std::string& command)
{
    return std::system(command.c_str()) == 0;
}

} // namespace

int main(int argc, char** argv)
{
    const int recordings = argc > 1 ? std::atoi(argv[1]) : 100000;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/.config").toUtf8());
    QDir(home.path()).mkpath("Documents");
    QApplication application(argc, argv);
    pmSetLogFolder((home.path() + "/Documents").toStdString());

    const std::string card = (home.path() + "/CARD").toStdString();
    fs::create_directories(card);
    if (!run("mount -t tmpfs -o size=64m tmpfs '" + card + "'")) {
        std::fprintf(stderr, "mounting a tmpfs was refused (run as root)\n");
        return 1;
    }
    makeCard(card, recordings);

    AppDelegate app;
    app.setConnectivityCheck([] { return false; });
    app.setLaunchFolder(QString::fromStdString(card));
    app.awakeFromNib();
    app.applicationWillFinishLaunching();
    app.mainWindow()->show();
    QElapsedTimer clock;
    clock.start();
    app.applicationDidFinishLaunching();
    std::printf("library of %zu recordings built and watched in %lld ms; play list %d\n", app.videoLib().size(),
                clock.elapsed(), app.playlist().count());
    // In list mode the play list holds the whole library: the largest list to empty.
    app.showCalendar(false);
    std::printf("play list in list mode: %d\n", app.playlist().count());
    QCoreApplication::processEvents();

    clock.restart();
    if (!run("umount -l '" + card + "'"))
        return 1;
    // The kernel's own work (and starting the command) is not the program's.
    std::printf("umount -l took %lld ms\n", clock.restart());
    while (!app.playlist().empty() && clock.elapsed() < 20000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    const qint64 elapsed = clock.elapsed();
    const qint64 latency = qint64(app.folderEvents()->notificationLatency() * 1000);
    std::printf("unmount to empty play list: %lld ms = latency %lld ms + %lld ms (target: + 100 ms)\n", elapsed,
                latency, elapsed - latency);
    if (std::getenv("KORIV_BENCH_LOG"))
        run("grep -E -A1 'startMonitorFolder|Folder is removed' '" + pmGetLogPath() + "'");
    return app.playlist().empty() ? 0 : 1;
}
