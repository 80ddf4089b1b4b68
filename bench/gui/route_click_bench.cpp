// The trip in the whole program, timed: a day of 8 hours of driving (480 one-minute pairs with
// 1 Hz logs) on a card, the program started on it with the web map. From opening a recording to
// its trip's route drawn on the page, and from a click on the route, made through the page, to
// the picture of the clicked second of another recording shown (its rear partner following).
// The trip counts as drawn once the page has painted the frame after drawing it, by the page's
// clock (the wall clock both sides share). The click comes once the page has drawn the zoomed-in route, as a user's would.
// The two recordings opened are real 640x360 H.264 clips; the others are headers only, as the
// trip needs no more of them.
//
//   QT_QPA_PLATFORM=offscreen build/bench/route_click_bench

#include "BenchMapPage.h"
#include "DriveCard.h"
#include "TempDir.h"
#include "TestClips.h"
#include "app/AppDelegate.h"
#include "app/MainWindow.h"
#include "display/MapView.h"
#include "playback/GstPlayer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <cstdio>
#include <filesystem>
#include <memory>

namespace {

constexpr int kMinutes = 480;
constexpr int kWaitMs = 60000;

std::string recording(const TempDir& dir, int minute, char camera)
{
    char name[64];
    std::snprintf(name, sizeof name, "DCIM/CARD%c/FILE%04d%c.MP4", camera, minute, camera);
    return dir.file(name);
}

// Pictures for the minute's pair, dated as the card dated the headers they replace.
bool writePictures(const TempDir& dir, int minute)
{
    for (const char camera : {'F', 'R'}) {
        const std::string path = recording(dir, minute, camera);
        const auto date = std::filesystem::last_write_time(path);
        ClipOptions options;
        options.seconds = camera == 'F' ? 60 : 65;
        options.fps = 30;
        options.width = 640;
        options.height = 360;
        options.keyFrameInterval = 60;
        options.inverted = camera == 'R';
        if (!writeTestClip(path, options))
            return false;
        std::filesystem::last_write_time(path, date);
    }
    return true;
}

int entryOf(const AppDelegate& app, const std::string& path)
{
    const auto& entries = app.playlist().entries();
    for (size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].URL() == path)
            return int(i);
    }
    return -1;
}

// Until the page answers at once: a user clicks on a route the page has finished drawing.
void waitUntilSettled(QWebEnginePage* page)
{
    for (int i = 0; i < 50; ++i) {
        QElapsedTimer clock;
        clock.start();
        pageAnswer(page, "1");
        if (clock.nsecsElapsed() < 30'000'000)
            return;
    }
    std::fprintf(stderr, "route_click_bench: the page stayed busy\n");
}

QJsonObject tripState(QWebEnginePage* page)
{
    return QJsonDocument::fromJson(pageAnswer(page, "korivTripState()").toUtf8()).object();
}

// The page's answer "true" once it has drawn the whole day's trip with the entry open.
QString tripDrawn(int entry)
{
    return QString("(function () { var s = JSON.parse(korivTripState()); return String(s.parts === %1 && s.current === %2); })()")
        .arg(kMinutes)
        .arg(entry);
}

} // namespace

int main(int argc, char** argv)
{
    prepareWebEngine();
    QApplication qapp(argc, argv);
    TempDir dir;
    qputenv("HOME", QByteArray::fromStdString(dir.file("home"))); // the user's settings stay untouched
    const DriveCard card(dir);
    card.writeDay(kMinutes);
    if (!writePictures(dir, 100) || !writePictures(dir, 240)) {
        std::fprintf(stderr, "route_click_bench: ffmpeg could not write the clips\n");
        return 1;
    }

    AppDelegate app;
    app.setConnectivityCheck([] { return true; });
    app.setLaunchFolder(QString::fromStdString(card.folder()));
    app.awakeFromNib();
    app.applicationWillFinishLaunching();
    app.mainWindow()->resize(1280, 860);
    app.mainWindow()->show();
    app.applicationDidFinishLaunching();

    // The program loads the media plug-ins beside its first painted window, long before a user opens anything.
    GstPlayer::initialize();
    if (!loadMapPage(*app.mapView(), "route_click_bench"))
        return 1;
    QWebEnginePage* page = app.mapView()->webView()->page();
    waitUntilSettled(page);
    // Opening a recording, then another of the same day, each until its trip is drawn.
    double openMs[2] = {0, 0};
    const int minutes[2] = {100, 240};
    int entry240 = -1;
    bool drawn = true;
    for (int i = 0; i < 2; ++i) {
        const double since = wallClockMs();
        app.openRecording(QString::fromStdString(recording(dir, minutes[i], 'F')));
        const int entry = entryOf(app, recording(dir, minutes[i], 'F'));
        openMs[i] = waitForPage(page, tripDrawn(entry)) ? untilPainted(page, "1", since) : -1;
        drawn = drawn && openMs[i] >= 0;
        entry240 = entry;
        if (!QTest::qWaitFor([&] { return app.playersShowSecond(-1); }, kWaitMs))
            std::fprintf(stderr, "route_click_bench: no picture of minute %d\n", minutes[i]);
    }
    std::printf("opening a recording of an 8-hour day to its trip drawn: %.1f ms (the trip drawn anew), %.1f ms (another "
                "recording of the day; %s; target 300 ms)\n",
                openMs[0], openMs[1], drawn ? "drawn" : "not drawn");

    // Back to minute 100, its trip drawn, then a click on the route at second 30 of minute 240.
    app.openRecording(QString::fromStdString(recording(dir, 100, 'F')));
    const int entry100 = entryOf(app, recording(dir, 100, 'F'));
    if (!QTest::qWaitFor([&] {
            return app.playersShowSecond(-1) && app.getCurPlayIndex() == entry100 &&
                   tripState(page).value("current").toInt() == entry100;
        }, kWaitMs))
        std::fprintf(stderr, "route_click_bench: minute 100 did not open again\n");
    // Paused first, as a user would before looking around: a playing recording keeps the map on its car.
    app.onButtonPause();
    const double latitude = DriveCard::latitudeAt(240 * 60 + 30);
    app.mapView()->ScriptSetZoom(17);
    pageAnswer(page, QString("mapSetCenter(%1, 121)").arg(latitude, 0, 'f', 7));
    waitUntilSettled(page);
    QElapsedTimer clock;
    clock.start();
    page->runJavaScript(QString("korivClickAt(%1, 121)").arg(latitude, 0, 'f', 7));
    const bool shown = QTest::qWaitFor([&] {
        return app.getCurPlayIndex() == entry240 && app.has2Videos() && app.playersShowSecond(30);
    }, kWaitMs);
    std::printf("click on the route to the picture of that second of another recording, its partner too: %.1f ms "
                "(%s; target 500 ms)\n",
                clock.nsecsElapsed() / 1e6, shown ? "shown" : "not shown");
    return shown && drawn ? 0 : 1;
}
