// The controller's folder monitoring against real file-system changes: a recording deleted,
// the folder renamed, the card unmounted while watched, and the watch following the folder
// shown. Each waits for the watcher's latency (1 s) as a user would.
#include "GuiTestSupport.h"
#include "TmpfsMount.h"

#include "NotificationCenter.h"
#include "NotificationNames.h"
#include "browse/SCEvents.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <iostream>

namespace {

// Room for a few test recordings.
constexpr std::uint64_t kCardSize = 4 << 20;

// The application's handling of a folder event, the last step of each.
const char* const kEventHandled = "^AppDelegate::OnMonitorFolder\\(\\) - end$";

// A watcher of the test's own that reports a little after the application's watcher would:
// once it has reported a change, the application's would have too, had it watched there.
class LaterWatcher : public SCEventListenerProtocol {
public:
    LaterWatcher(const QStringList& folders, double applicationLatency)
    {
        mEvents.setDelegate(this);
        mEvents.setNotificationLatency(applicationLatency + 0.25);
        EXPECT_TRUE(mEvents.startWatchingPaths(folders));
    }
    void pathWatcher(SCEvents*, const SCEvent& event) override { mReported << QString::fromStdString(event.eventPath()); }
    bool waitForReport(const QString& path) const
    {
        return waitFor([&] { return mReported.contains(path); });
    }

private:
    SCEvents mEvents;
    QStringList mReported;
};

class FolderMonitorTest : public ::testing::Test {
protected:
    QString folder() const { return dir.filePath("CARD"); }
    QString recording(int n, const QString& camera = "F") const
    {
        return folder() + QString("/DCIM/100%1/FILE%2%1.MP4").arg(camera).arg(n, 4, 10, QChar('0'));
    }
    void writeCard(int count)
    {
        for (int i = 1; i <= count; ++i)
            writeRecording(folder(), recording(i).mid(folder().size() + 1));
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(FolderMonitorTest, ADeletedRecordingLeavesThePlayListAndNewFilesWaitForTheNextBuild)
{
    writeCard(3);
    auto app = launchApplication(folder());
    ASSERT_EQ(app->playlist().count(), 3);
    ASSERT_TRUE(app->folderEvents()->isWatchingPaths());
    EXPECT_EQ(app->folderEvents()->watchedPaths(), QStringList{folder()}); // not on a volume: alone

    ASSERT_TRUE(QFile::remove(recording(2)));
    EXPECT_EQ(app->playlist().count(), 3); // not before the latency
    EXPECT_TRUE(waitFor([&] { return app->playlist().count() == 2; }));
    EXPECT_EQ(app->videoLib().size(), 3u); // the library is not rescanned

    const QStringList log = logMessages();
    const QString event = QString("AppDelegate::pathWatcher\\(\\) - <SCEvent \\{ eventId = \\d+, eventPath = %1, eventFlags = 512 \\} >")
                              .arg(QRegularExpression::escape(recording(2)));
    EXPECT_EQ(countMatching(log, "^" + event + "$"), 1);
    int at = logIndexOf(log, "Folder is removed or rename - " + recording(2));
    EXPECT_GE(at, 0);
    for (const char* line : {"AppDelegate::OnMonitorFolder() - start", "AppDelegate::OnMonitorFolder() - Ready to VideoLibIsReady()",
                             "AppDelegate::OnMonitorFolder() - Ready to CheckLastVideoDate",
                             "AppDelegate::OnMonitorFolder() - Ready to RebuildPlayList",
                             "AppDelegate::rebuildPlaylist - video count = 2", "AppDelegate::OnMonitorFolder() - end"}) {
        const int found = logIndexOf(log, line, at);
        EXPECT_GT(found, at) << line;
        at = std::max(at, found);
    }
    EXPECT_EQ(countMatching(log, "Rentry"), 0);

    // A recording copied in is not offered until the folder is chosen again.
    writeRecording(folder(), "DCIM/100F/FILE0009F.MP4");
    // A file removed after the copy: its handling comes after anything the copy brought.
    const LogWatch handled(kEventHandled);
    QFile marker(folder() + "/marker");
    ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
    marker.close();
    ASSERT_TRUE(marker.remove());
    ASSERT_TRUE(handled.waitFor());
    EXPECT_EQ(app->playlist().count(), 2);
    app->openFolder(folder());
    EXPECT_EQ(app->playlist().count(), 3);
}

TEST_F(FolderMonitorTest, ADeletionOutsideThePlayListChangesNothingVisible)
{
    writeCard(2);
    writeRecording(folder(), "DCIM/100F/FILE0003F.MP4", 3); // another day: not in today's list
    auto app = launchApplication(folder());
    ASSERT_EQ(app->playlist().count(), 2);
    const int builds = countMatching(logMessages(), "^AppDelegate::rebuildPlaylist - video count");

    ASSERT_TRUE(QFile::remove(recording(3)));
    EXPECT_TRUE(waitFor([&] { return logIndexOf(logMessages(), "AppDelegate::OnMonitorFolder() - end") >= 0; }));
    const QStringList log = logMessages();
    EXPECT_GE(logIndexOf(log, "Folder is removed or rename - " + recording(3)), 0);
    EXPECT_EQ(logIndexOf(log, "AppDelegate::OnMonitorFolder() - Ready to RebuildPlayList"), -1);
    EXPECT_EQ(countMatching(log, "^AppDelegate::rebuildPlaylist - video count"), builds);
    EXPECT_EQ(app->playlist().count(), 2);
}

TEST_F(FolderMonitorTest, RenamingTheWatchedFolderEmptiesThePlayList)
{
    writeCard(2);
    writeRecording(folder(), "DCIM/100R/FILE0001R.MP4");
    auto app = launchApplication(folder());
    ASSERT_EQ(app->playlist().count(), 3);

    ASSERT_TRUE(QDir().rename(folder(), dir.filePath("CARD-renamed")));
    EXPECT_TRUE(waitFor([&] { return app->playlist().empty(); }));
    const QStringList log = logMessages();
    EXPECT_EQ(countMatching(log, QString("^AppDelegate::pathWatcher\\(\\) - <SCEvent \\{ eventId = \\d+, eventPath = %1, eventFlags = 32 \\} >$")
                                     .arg(QRegularExpression::escape(folder()))),
              1);
    EXPECT_GE(logIndexOf(log, "Folder is removed or unmounted - " + folder()), 0);
    EXPECT_GE(logIndexOf(log, "AppDelegate::rebuildPlaylist - video count = 0"), 0);
}

TEST_F(FolderMonitorTest, UnmountingTheCardWhileWatchedEmptiesThePlayList)
{
    TmpfsMount card(folder().toStdString(), kCardSize);
    if (!card.mounted())
        GTEST_SKIP() << "mounting a tmpfs was refused: " << card.error();
    writeCard(2);
    writeRecording(folder(), "DCIM/100R/FILE0001R.MP4");
    writeRecording(folder(), "DCIM/EVENT/EVT0001F.MP4");
    auto app = launchApplication(folder());
    ASSERT_EQ(app->playlist().count(), 4);

    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(card.unmount()) << card.error();
    ASSERT_TRUE(waitFor([&] { return app->playlist().empty(); }));
    const qint64 elapsed = clock.elapsed();
    // The figure of the unmount target: the watcher's latency plus the reaction.
    std::cout << "[ FIGURE   ] unmount to empty play list: " << elapsed << " ms (latency "
              << int(app->folderEvents()->notificationLatency() * 1000) << " ms)" << std::endl;

    const QStringList log = logMessages();
    // One unmount event for the card, however many of its folders were watched.
    EXPECT_EQ(countMatching(log, "^AppDelegate::pathWatcher\\(\\) - .*eventFlags = 128 \\} >$"), 1);
    EXPECT_GE(logIndexOf(log, "Folder is removed or unmounted - " + folder()), 0);
    EXPECT_EQ(countMatching(log, "Rentry"), 0);
    EXPECT_EQ(app->getState(), 0);
}

TEST_F(FolderMonitorTest, ACardPulledOutWhileARecordingIsOpenEmptiesThePlayListToo)
{
    TmpfsMount card(folder().toStdString(), kCardSize);
    if (!card.mounted())
        GTEST_SKIP() << "mounting a tmpfs was refused: " << card.error();
    writeCard(2);
    auto app = launchApplication(folder());
    ASSERT_EQ(app->playlist().count(), 2);
    // Held open as a player holds what it plays: the kernel keeps the volume, and tells of the
    // unmount only when the file is closed, but the volume has left the mount table.
    QFile playing(recording(1));
    ASSERT_TRUE(playing.open(QIODevice::ReadOnly));

    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(card.unmount()) << card.error();
    ASSERT_TRUE(waitFor([&] { return app->playlist().empty(); }));
    std::cout << "[ FIGURE   ] unmount to empty play list, a recording open: " << clock.elapsed() << " ms" << std::endl;
    EXPECT_GE(logIndexOf(logMessages(), "Folder is removed or unmounted - " + folder()), 0);
    const LogWatch handled(kEventHandled);
    playing.close();
    ASSERT_TRUE(handled.waitFor()); // the kernel's own report follows, and finds nothing left to do
    EXPECT_TRUE(app->playlist().empty());
}

TEST_F(FolderMonitorTest, EveryBuildMovesTheWatchAndTerminationStopsIt)
{
    writeCard(2);
    QTemporaryDir other;
    writeRecording(other.path(), "DCIM/100F/FILE0001F.MP4");
    writeRecording(other.path(), "DCIM/100F/FILE0002F.MP4");
    auto app = launchApplication(folder());
    app->openFolder(other.path());
    EXPECT_EQ(app->folderEvents()->watchedPaths(), QStringList{other.path()});
    EXPECT_GE(logIndexOf(logMessages(), "AppDelegate::startMonitorFolder() - " + other.path()), 0);

    // The folder no longer shown is not watched any more.
    const LaterWatcher later({folder(), other.path()}, app->folderEvents()->notificationLatency());
    ASSERT_TRUE(QFile::remove(recording(1)));
    ASSERT_TRUE(later.waitForReport(recording(1)));
    EXPECT_EQ(logIndexOf(logMessages(), "Folder is removed or rename - " + recording(1)), -1);

    app->applicationWillTerminate();
    EXPECT_FALSE(app->folderEvents()->isWatchingPaths());
    ASSERT_TRUE(QFile::remove(other.filePath("DCIM/100F/FILE0001F.MP4")));
    ASSERT_TRUE(later.waitForReport(other.filePath("DCIM/100F/FILE0001F.MP4")));
    EXPECT_EQ(countMatching(logMessages(), "^AppDelegate::pathWatcher"), 0);
    EXPECT_EQ(app->playlist().count(), 2);
}

TEST_F(FolderMonitorTest, AVanishedFileFoundWhenOpeningChecksAtOnce)
{
    writeCard(3);
    auto app = launchApplication(folder());
    app->folderEvents()->setNotificationLatency(30); // only the notification can be in time
    app->openFolder(folder());
    ASSERT_TRUE(QFile::remove(recording(1)));
    NotificationCenter::defaultCenter().postNotification(kVideoFileIsRemoved);
    EXPECT_EQ(app->playlist().count(), 2);
    EXPECT_GE(logIndexOf(logMessages(), "AppDelegate::OnMonitorFolder() - Ready to RebuildPlayList"), 0);
}
