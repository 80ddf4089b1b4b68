// Backups the user can trust, through the window: the backup folder opened in the program
// shows each recording on its own day, a copy that does not read back equal is reported and
// removed, a second run tells how many recordings were already there, and an inserted card's
// event recordings are backed up when the setting asks for it.

#include "BackupScript.h"
#include "GuiTestSupport.h"
#include "ModalScript.h"
#include "TmpfsMount.h"
#include "VideoFixtures.h"

#include "LocalizedText.h"
#include "Preferences.h"
#include "ToolbarView.h"
#include "controls/BitmapButton.h"
#include "tools/BackupMessages.h"
#include "tools/BackupSession.h"
#include "tools/CardBackup.h"
#include "tools/ProgressDlg.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList namesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

bool waitForEnd(const BackupSession& session)
{
    return QTest::qWaitFor([&] { return !session.isRunning(); }, 20000);
}

std::vector<std::string> pathsIn(const QTemporaryDir& folder, const QStringList& names)
{
    std::vector<std::string> paths;
    for (const QString& name : names)
        paths.push_back(folder.filePath(name).toStdString());
    return paths;
}

} // namespace

TEST(BackupThroughTheWindow, TheBackupFolderShowsEachRecordingOnItsOwnDay)
{
    QTemporaryDir card, dest;
    const int daysAgo[] = {3, 12, 45};
    for (int i = 0; i < 3; ++i)
        writeRecording(card.path(), QString("DCIM/FILE000%1F.MP4").arg(i + 1), daysAgo[i]);
    auto app = launchApplication(card.path());
    ASSERT_TRUE(app->isLaunched());
    app->showCalendar(false); // every day in the list
    ASSERT_EQ(app->playlist().count(), 3);

    ModalScript script;
    scriptBackupOfEveryRow(script, dest.path());
    QTest::mouseClick(app->toolbarView()->oBackupBtn(), Qt::LeftButton);
    ASSERT_TRUE(script.waitDone());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !app->isBackupRunning(); }, 20000));
    ASSERT_EQ(namesIn(dest.path()), (QStringList{"FILE0001F.MP4", "FILE0002F.MP4", "FILE0003F.MP4"}));
    EXPECT_TRUE(script.messages().isEmpty()) << script.messages().join('\n').toStdString();

    app->openFolder(dest.path());
    const QDate today = QDate::currentDate();
    const QDate oldest = today.addDays(-daysAgo[2]);
    ASSERT_TRUE(QTest::qWaitFor([&] { return app->isMediaExistByDate(oldest.year(), oldest.month(), oldest.day()); },
                                10000));
    for (int days : daysAgo) {
        const QDate day = today.addDays(-days);
        EXPECT_TRUE(app->isMediaExistByDate(day.year(), day.month(), day.day())) << days;
    }
    EXPECT_FALSE(app->isMediaExistByDate(today.year(), today.month(), today.day()));
}

class BackupSessionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        saveLanguageId(0);
        ASSERT_TRUE(card.isValid() && dest.isValid());
        window.show();
    }

    QTemporaryDir card;
    QTemporaryDir dest;
    QWidget window;
    BackupSession session{&window};
    ModalScript script;
};

TEST_F(BackupSessionTest, ACopyThatDoesNotReadBackEqualIsToldAndTheOlderFileKept)
{
    for (const char* name : {"FILE0001F.MP4", "FILE0002F.MP4", "FILE0003F.MP4"})
        writeRecording(card.path(), name);
    QFile older(dest.filePath("FILE0002F.MP4"));
    ASSERT_TRUE(older.open(QIODevice::WriteOnly));
    older.write("older copy");
    older.close();
    CopyOptions damaged;
    damaged.beforeReadBack = [](int fd) {
        const std::string second = "FILE0002F";
        // Only the second recording's copy, recognised by its temporary name.
        char link[64], target[4096] = {};
        std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
        if (::readlink(link, target, sizeof target - 1) > 0 && std::string(target).find(second) != std::string::npos) {
            ASSERT_EQ(::pwrite(fd, "!", 1, 100), 1);
        }
    };
    const auto sources = pathsIn(card, {"FILE0001F.MP4", "FILE0002F.MP4", "FILE0003F.MP4"});
    const std::string folder = dest.path().toStdString();
    ASSERT_TRUE(session.start([&] { return BackupPlan::forRecordings(sources, folder); }, damaged));
    ASSERT_TRUE(waitForEnd(session));
    ASSERT_TRUE(script.waitDone());
    ASSERT_EQ(script.messages().size(), 1);
    EXPECT_EQ(script.messages()[0], pmLoadString("IDS_ERR_BACKUP_VERIFY_FAILED") + "\nFILE0002F.MP4");
    EXPECT_NE(pmLoadString("IDS_ERR_BACKUP_VERIFY_FAILED"), "IDS_ERR_BACKUP_VERIFY_FAILED");
    EXPECT_EQ(readAll(dest.filePath("FILE0002F.MP4")), "older copy");
    EXPECT_EQ(namesIn(dest.path()), (QStringList{"FILE0001F.MP4", "FILE0002F.MP4"}));
    EXPECT_EQ(session.result().stoppedBy, BackupStatus::VerifyFailed);

    // Again without the damage: the first is already there, the others are copied.
    ASSERT_TRUE(session.start([&] { return BackupPlan::forRecordings(sources, folder); }));
    ASSERT_TRUE(waitForEnd(session));
    EXPECT_EQ(script.messages().size(), 1);
    EXPECT_TRUE(session.result().complete());
    EXPECT_EQ(readAll(dest.filePath("FILE0002F.MP4")), readAll(card.filePath("FILE0002F.MP4")));
    ProgressDlg* progress = session.progressDlg();
    EXPECT_FALSE(progress->isVisible());
    EXPECT_EQ(progress->percentTextField()->text(), "100 %");
    EXPECT_FALSE(progress->skippedTextField()->isHidden());
    EXPECT_EQ(progress->skippedTextField()->text(), pmBackupSkippedText(1));
}

TEST_F(BackupSessionTest, AnInsertedCardsEventRecordingsGoToTheChosenFolder)
{
    QTemporaryDir roots;
    TmpfsMount volume(roots.filePath("CARD").toStdString(), 4 << 20);
    if (!volume.mounted())
        GTEST_SKIP() << volume.error();
    const QString cardRoot = QString::fromStdString(volume.path());
    writeRecording(cardRoot, "DCIM/100MEDIA/EMER0001F.MP4", 2);
    writeRecording(cardRoot, "DCIM/100MEDIA/FILE0002F.MP4", 2);
    writeRecording(cardRoot, "DCIM/100MEDIA/EVEN0003R.MP4", 1);
    QFile log(cardRoot + "/DCIM/100MEDIA/EMER0001F.NMEA");
    ASSERT_TRUE(log.open(QIODevice::WriteOnly));
    log.write("$GPRMC,1\r\n");
    log.close();

    CardBackup backup(session);
    CardBackup::setFolder(QString());
    EXPECT_FALSE(CardBackup::isOffered());
    EXPECT_FALSE(backup.start(cardRoot));
    EXPECT_EQ(CardBackup::settingText(), pmLoadString("IDS_CARD_BACKUP_SETTING").arg("…"));

    CardBackup::setFolder(dest.filePath("missing"));
    EXPECT_FALSE(backup.start(cardRoot));
    ASSERT_TRUE(script.waitDone());
    EXPECT_EQ(script.messages(), QStringList{pmLoadString("IDS_ERR_BACKUP_FOLDER").arg(dest.filePath("missing"))});

    CardBackup::setFolder(dest.path());
    EXPECT_TRUE(CardBackup::isOffered());
    EXPECT_TRUE(CardBackup::settingText().endsWith(dest.path()));
    for (int run = 0; run < 2; ++run) {
        ASSERT_TRUE(backup.start(cardRoot));
        EXPECT_FALSE(backup.start(cardRoot)); // one at a time
        ASSERT_TRUE(QTest::qWaitFor([&] { return script.messages().size() == 2 + run; }, 20000));
        EXPECT_FALSE(backup.isRunning());
        EXPECT_EQ(script.messages().last(),
                  pmLoadString("IDS_BACKUP_COPIED").arg(run ? 0 : 2) + '\n' + pmBackupSkippedText(run ? 2 : 0));
        EXPECT_EQ(namesIn(dest.path()), (QStringList{"EMER0001F.MP4", "EMER0001F.NMEA", "EVEN0003R.MP4"}));
    }
    // The copies keep the card's days.
    EXPECT_EQ(QFileInfo(dest.filePath("EMER0001F.MP4")).lastModified(),
              QFileInfo(cardRoot + "/DCIM/100MEDIA/EMER0001F.MP4").lastModified());
    CardBackup::setFolder(QString());
}
