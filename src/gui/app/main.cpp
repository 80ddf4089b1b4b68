// korivmanager: the desktop application.

#include "AppDelegate.h"
#include "AppTheme.h"
#include "DesktopSession.h"
#include "InstanceChannel.h"
#include "MainWindow.h"
#include "OpenTarget.h"
#include "Preferences.h"
#include "ProcessClock.h"
#include "SkinnedAccessibility.h"
#include "display/MapView.h"
#include "playback/GstPlayer.h"
#include "util/Log.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <thread>

#include <unistd.h>

namespace {

struct Options {
    QString folder;
    QString screenshot;
    QString play;
    double at = -1; // no seek
    bool map = false;
    bool timing = false;
};

constexpr int kPictureWaitMs = 15000;
constexpr int kPollMs = 50;
constexpr int kTileWaitMs = 2000;

void setIdentity()
{
    QCoreApplication::setApplicationName("korivmanager");
    QCoreApplication::setOrganizationName("Koriv");
    QCoreApplication::setApplicationVersion(KORIV_VERSION);
}

// Read before the window system is reached, so --help and --version work without a display.
Options parseOptions(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    setIdentity();
    QCommandLineParser parser;
    Options options;
    parser.setApplicationDescription("Koriv Manager: dash-camera recordings with their route and G-sensor curves.");
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption folder("folder", "Open FOLDER as if chosen with the browse button.", "FOLDER");
    const QCommandLineOption screenshot("screenshot", "Save the window as a PNG FILE once the library is built (with --play: once the pictures show), then quit.", "FILE");
    const QCommandLineOption play("play", "Open RECORDING of the library, as a double click on its row would.", "RECORDING");
    const QCommandLineOption at("at", "With --play: go to SECONDS and pause there.", "SECONDS");
    const QCommandLineOption map("map", "With --play: switch the map panel to the web map, as its map button would.");
    const QCommandLineOption timing("timing", "Print the times from process start to the first painted window and to the library shown.");
    parser.addOptions({folder, screenshot, play, at, map, timing});
    parser.addPositionalArgument("path", "A FOLDER to open, as --folder does, or a RECORDING to play from its folder, as --play does.",
                                 "[FOLDER | RECORDING]");
    parser.process(app);
    if (parser.isSet(play))
        options.play = QDir(parser.value(play)).absolutePath();
    if (parser.isSet(folder))
        options.folder = QDir(parser.value(folder)).absolutePath();
    // A file manager hands over one or more files (%U); the first one that exists is opened.
    for (const QString& argument : parser.positionalArguments()) {
        const OpenTarget target = OpenTarget::fromArgument(argument);
        if (target.isEmpty()) {
            std::fprintf(stderr, "korivmanager: %s is neither a folder nor a file\n", qPrintable(argument));
            std::exit(1);
        }
        if (options.folder.isEmpty() && options.play.isEmpty()) {
            options.folder = target.folder;
            options.play = target.recording;
        }
    }
    if (parser.isSet(at)) {
        bool ok = false;
        options.at = parser.value(at).toDouble(&ok);
        if (!ok || options.at < 0) {
            std::fprintf(stderr, "korivmanager: --at needs a number of seconds, 0 or more\n");
            std::exit(1);
        }
    }
    options.screenshot = parser.value(screenshot);
    options.timing = parser.isSet(timing);
    options.map = parser.isSet(map);
    return options;
}

// The laid-out window as a picture, taken once the layout of the first activation has run.
void saveScreenshotAndQuit(AppDelegate& delegate, const QString& file)
{
    const bool saved = delegate.mainWindow()->grab().save(file, "PNG");
    if (!saved)
        std::fprintf(stderr, "korivmanager: cannot save %s\n", qPrintable(file));
    QCoreApplication::exit(saved ? 0 : 1);
}

// Calls done once test() holds, or once the wait is over; a test every kPollMs.
void whenReady(QObject* context, std::function<bool()> test, std::function<void()> done)
{
    auto* poll = new QTimer(context);
    auto* clock = new QElapsedTimer;
    clock->start();
    QObject::connect(poll, &QTimer::timeout, context, [poll, clock, test = std::move(test), done = std::move(done)] {
        if (!test() && clock->elapsed() < kPictureWaitMs)
            return;
        poll->stop();
        poll->deleteLater();
        delete clock;
        done();
    });
    poll->start(kPollMs);
}

// --play and --at: the recording opened as from the list, then moved and paused once its
// players are ready.
void openRecordingFromCommandLine(AppDelegate& delegate, const Options& options, std::function<void()> shown)
{
    if (!delegate.openRecording(options.play)) {
        std::fprintf(stderr, "korivmanager: %s is not a recording of the library\n", qPrintable(options.play));
        shown();
        return;
    }
    whenReady(&delegate, [&delegate] { return delegate.playersShowSecond(-1); },
              [&delegate, options, shown = std::move(shown)] {
        if (options.at < 0) {
            shown();
            return;
        }
        delegate.pausePlayback();
        delegate.setCurrentMovieTime(int(options.at));
        delegate.onPlayTimerChange();
        whenReady(&delegate, [&delegate, options] { return delegate.playersShowSecond(options.at); }, shown);
    });
}

// --map: the web map as its button would show it, once its page (and its first tiles) are in,
// or at once when the switch is refused for want of a network.
void showWebMap(AppDelegate& delegate, std::function<void()> shown)
{
    MapView* map = delegate.mapView();
    map->OnButtonPanelMap();
    whenReady(&delegate, [map] {
        return !map->isMapSwitchPending() && (map->GetMapMpde() != MapView::kModeWebMap || map->IsMapDocReady());
    }, [map, shown = std::move(shown)] {
        QTimer::singleShot(map->IsMapDocReady() ? kTileWaitMs : 0, map, shown);
    });
}

} // namespace

int main(int argc, char** argv)
{
    const Options options = parseOptions(argc, argv);
    // The map's web engine refuses to start its sandbox as root.
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    // The embedded web views share the window's graphics contexts.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    setIdentity();
    QApplication::setApplicationDisplayName("Koriv Manager");
    QApplication::setDesktopFileName("korivmanager");
    QApplication::setWindowIcon(QIcon(":/desktop/korivmanager.png"));
    pmApplyAppTheme(app);
    pmInstallSkinnedAccessibility();

    // A screenshot run is a one-off that must not meet the user's running program.
    InstanceChannel channel("korivmanager-" + qEnvironmentVariable("USER", "user"));
    if (options.screenshot.isEmpty()) {
        if (channel.askRunningInstanceToReopen(options.folder, options.play))
            return 0;
        channel.listen();
        QApplication::setQuitOnLastWindowClosed(false);
    }

    pmSetLogFolder(pmGetDocumentsFolder().toStdString());
    AppDelegate delegate;
    delegate.setLaunchFolder(OpenTarget{options.folder, options.play}.folderToShow(pmGetCurrentFolder()));
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &delegate, [&delegate] {
        if (delegate.isLaunched())
            delegate.applicationWillTerminate();
    });

    delegate.awakeFromNib();
    delegate.applicationWillFinishLaunching();
    MainWindow* window = delegate.mainWindow();
    // A screenshot run is a one-off: the window as laid out for the screen, not as the user left it.
    DesktopSession session(delegate, options.screenshot.isEmpty() ? DesktopSession::kInteractive : DesktopSession::kOneOff);
    QObject::connect(&channel, &InstanceChannel::reopenRequested, &session, [&delegate, &session](const QString& folder, const QString& recording) {
        delegate.applicationShouldHandleReopen();
        if (delegate.isLaunched())
            session.open(OpenTarget{folder, recording});
    });
    // Launching finishes once the window has been painted, so the window appears at once even
    // when the connectivity check or a large folder takes a while.
    QObject::connect(window, &MainWindow::firstPainted, &delegate, [&delegate, options] {
        if (options.timing)
            std::fprintf(stderr, "korivmanager: first paint %lld ms after process start\n",
                         static_cast<long long>(pmMillisecondsSinceProcessStart()));
        // Loading the media plug-ins (the decoders' library above all) takes a good part of a
        // second: done beside the window rather than in the way of the first recording.
        std::thread(&GstPlayer::initialize).detach();
        QTimer::singleShot(0, &delegate, &AppDelegate::applicationDidFinishLaunching);
    });
    if (options.timing) {
        QObject::connect(&delegate, &AppDelegate::launchFinished, &delegate, [&delegate] {
            std::fprintf(stderr, "korivmanager: library of %zu recordings built %lld ms after process start\n",
                         delegate.videoLib().size(), static_cast<long long>(pmMillisecondsSinceProcessStart()));
        });
    }
    QObject::connect(&delegate, &AppDelegate::launchFinished, &delegate, [&delegate, options] {
        // A display without a window manager never activates the window.
        if (!options.screenshot.isEmpty() && !delegate.hasBeenActivated())
            delegate.applicationDidBecomeActive();
        const auto shown = [&delegate, options] {
            if (!options.screenshot.isEmpty())
                QTimer::singleShot(300, &delegate, [&delegate, options] { saveScreenshotAndQuit(delegate, options.screenshot); });
        };
        if (options.play.isEmpty())
            shown();
        else if (options.map)
            openRecordingFromCommandLine(delegate, options, [&delegate, shown] { showWebMap(delegate, shown); });
        else
            openRecordingFromCommandLine(delegate, options, shown);
    });
    window->show();
    return QApplication::exec();
}
