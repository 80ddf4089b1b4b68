// korivmanager: the desktop application.

#include "AppDelegate.h"
#include "AppTheme.h"
#include "InstanceChannel.h"
#include "MainWindow.h"
#include "Preferences.h"
#include "ProcessClock.h"
#include "util/Log.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QTimer>

#include <cstdio>

#include <unistd.h>

namespace {

struct Options {
    QString folder;
    QString screenshot;
    bool timing = false;
};

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
    parser.setApplicationDescription("Koriv Manager: dash-camera recordings with their route and G-sensor curves.");
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption folder("folder", "Open FOLDER as if chosen with the browse button.", "FOLDER");
    const QCommandLineOption screenshot("screenshot", "Save the window as a PNG FILE once the library is built, then quit.", "FILE");
    const QCommandLineOption timing("timing", "Print the times from process start to the first painted window and to the library shown.");
    parser.addOptions({folder, screenshot, timing});
    parser.process(app);
    Options options;
    if (parser.isSet(folder))
        options.folder = QDir(parser.value(folder)).absolutePath();
    options.screenshot = parser.value(screenshot);
    options.timing = parser.isSet(timing);
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

} // namespace

int main(int argc, char** argv)
{
    const Options options = parseOptions(argc, argv);
    // The map's web engine refuses to start its sandbox as root.
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    setIdentity();
    QApplication::setApplicationDisplayName("Koriv Manager");
    QApplication::setDesktopFileName("korivmanager");
    QApplication::setWindowIcon(QIcon(":/desktop/korivmanager.png"));
    pmApplyAppTheme(app);

    // A screenshot run is a one-off that must not meet the user's running program.
    InstanceChannel channel("korivmanager-" + qEnvironmentVariable("USER", "user"));
    if (options.screenshot.isEmpty()) {
        if (channel.askRunningInstanceToReopen(options.folder))
            return 0;
        channel.listen();
        QApplication::setQuitOnLastWindowClosed(false);
    }

    pmSetLogFolder(pmGetDocumentsFolder().toStdString());
    AppDelegate delegate;
    delegate.setLaunchFolder(options.folder);
    QObject::connect(&channel, &InstanceChannel::reopenRequested, &delegate, [&delegate](const QString& folder) {
        delegate.applicationShouldHandleReopen();
        if (!folder.isEmpty() && delegate.isLaunched())
            delegate.openFolder(folder);
    });
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &delegate, [&delegate] {
        if (delegate.isLaunched())
            delegate.applicationWillTerminate();
    });

    delegate.awakeFromNib();
    delegate.applicationWillFinishLaunching();
    MainWindow* window = delegate.mainWindow();
    // Launching finishes once the window has been painted, so the window appears at once even
    // when the connectivity check or a large folder takes a while.
    QObject::connect(window, &MainWindow::firstPainted, &delegate, [&delegate, options] {
        if (options.timing)
            std::fprintf(stderr, "korivmanager: first paint %lld ms after process start\n",
                         static_cast<long long>(pmMillisecondsSinceProcessStart()));
        QTimer::singleShot(0, &delegate, &AppDelegate::applicationDidFinishLaunching);
    });
    if (options.timing) {
        QObject::connect(&delegate, &AppDelegate::launchFinished, &delegate, [&delegate] {
            std::fprintf(stderr, "korivmanager: library of %zu recordings built %lld ms after process start\n",
                         delegate.videoLib().size(), static_cast<long long>(pmMillisecondsSinceProcessStart()));
        });
    }
    if (!options.screenshot.isEmpty()) {
        QObject::connect(&delegate, &AppDelegate::launchFinished, &delegate, [&delegate, options] {
            // A display without a window manager never activates the window.
            if (!delegate.hasBeenActivated())
                delegate.applicationDidBecomeActive();
            QTimer::singleShot(300, &delegate, [&delegate, options] { saveScreenshotAndQuit(delegate, options.screenshot); });
        });
    }
    window->show();
    return QApplication::exec();
}
