// The window's frame through the real preferences file: size, position and maximised state
// come back at the next start, and the layout rules then apply to the restored size.
#include "GuiTestSupport.h"

#include "DesktopSession.h"
#include "MainWindow.h"
#include "MainWindowLayout.h"
#include "PreferenceKeys.h"
#include "Preferences.h"
#include "WindowGeometry.h"
#include "controls/PlayControlView.h"

#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QString storedOnDisk()
{
    const QString file = QStandardPaths::writableLocation(QStandardPaths::ConfigLocation) + "/Koriv/KorivManager.conf";
    return QSettings(file, QSettings::IniFormat).value(kPrefWindowGeometry).toString();
}

// The program's start, as main() runs it, with the frame restored before the window shows.
struct ProgramRun {
    explicit ProgramRun(const QString& folder)
    {
        app->setConnectivityCheck([] { return false; });
        app->setLaunchFolder(folder);
        app->awakeFromNib();
        app->applicationWillFinishLaunching();
        session = std::make_unique<DesktopSession>(*app, DesktopSession::kInteractive);
        app->mainWindow()->show();
        app->applicationDidFinishLaunching();
        app->applicationDidBecomeActive();
    }
    std::unique_ptr<AppDelegate> app = std::make_unique<AppDelegate>();
    std::unique_ptr<DesktopSession> session;
};

} // namespace

TEST(WindowGeometry, SizeAndPositionComeBackAndTheLayoutFollows)
{
    QTemporaryDir folder;
    pmSetProfileString(kPrefWindowGeometry, QString());
    {
        ProgramRun first(folder.path());
        MainWindow* window = first.app->mainWindow();
        window->setGeometry(60, 50, 1180, 790);
        ASSERT_TRUE(QTest::qWaitFor([window] { return window->geometry() == QRect(60, 50, 1180, 790); }, 20000));
        window->close(); // the window closes; the program runs on
        EXPECT_FALSE(storedOnDisk().isEmpty());
    }
    ProgramRun second(folder.path());
    MainWindow* window = second.app->mainWindow();
    EXPECT_EQ(window->geometry(), QRect(60, 50, 1180, 790));
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return second.app->playbarView()->width() == window->contentView()->width() - int(kFileListWidth);
    }, 2000));

    // A full-screen frame is a passing state of the player, not the user's window.
    const QString stored = storedOnDisk();
    second.app->setScreenMode(kScreenVideoFull);
    window->setGeometry(0, 0, 1280, 800);
    window->close();
    EXPECT_EQ(storedOnDisk(), stored);
}

TEST(WindowGeometry, MaximisedStateComesBackAndAnUnreadableFrameIsIgnored)
{
    QWidget first;
    first.setGeometry(100, 80, 1000, 700);
    first.showMaximized();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&first));
    WindowGeometry::save(first);

    QWidget second;
    ASSERT_TRUE(WindowGeometry::restore(second));
    second.show();
    EXPECT_TRUE(second.isMaximized());

    // Nothing stored, or something unreadable, leaves the window alone.
    pmSetProfileString(kPrefWindowGeometry, "not a frame");
    QWidget third;
    third.resize(990, 670);
    EXPECT_FALSE(WindowGeometry::restore(third));
    EXPECT_EQ(third.size(), QSize(990, 670));
}
