// The backup button's run as a user meets it twice: the copies dated as the card's recordings
// when the backup folder is opened, a second backup that copies nothing and says so, and a
// copy that does not read back equal, reported while the older file of its name stays.

#include "BackupScript.h"
#include "GuiTestSupport.h"
#include "FolderFiles.h"
#include "ModalScript.h"

#include "LocalizedText.h"
#include "ToolbarView.h"
#include "controls/BitmapButton.h"
#include "tools/BackupMessages.h"
#include "tools/ProgressDlg.h"
#include "util/CalendarDate.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <map>
#include <sys/stat.h>
#include <unistd.h>

namespace {

ino_t inodeOf(const QString& path)
{
    struct stat st {};
    return ::stat(path.toLocal8Bit().constData(), &st) == 0 ? st.st_ino : 0;
}

// The day the library files each recording under, by file name.
std::map<QString, std::string> libraryDays(const AppDelegate& app)
{
    std::map<QString, std::string> days;
    for (const AMediaFile& file : app.videoLib().videoLib())
        if (file.fileDate())
            days[QFileInfo(QString::fromStdString(file.URL())).fileName()] = pmDateText(*file.fileDate());
    return days;
}

class BackupFlowTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(card.isValid() && dest.isValid()); }

    void launchOn(const QStringList& names, const QList<int>& daysAgo)
    {
        for (int i = 0; i < names.size(); ++i)
            writeRecording(card.path(), "DCIM/" + names[i], daysAgo.value(i));
        app = launchApplication(card.path());
        ASSERT_TRUE(app->isLaunched());
        app->showCalendar(false); // every day in the list
        ASSERT_EQ(app->playlist().count(), names.size());
    }

    // Every row through the selection dialog, the folder through its chooser, to the run's end.
    void backUpEverything()
    {
        scriptBackupOfEveryRow(script, dest.path());
        QTest::mouseClick(app->toolbarView()->oBackupBtn(), Qt::LeftButton);
        ASSERT_TRUE(script.waitDone());
        ASSERT_TRUE(QTest::qWaitFor([&] { return !app->isBackupRunning(); }, 20000));
        ASSERT_TRUE(script.waitDone());
    }

    std::string inDest(const QString& name) const { return dest.filePath(name).toStdString(); }
    std::string onCard(const QString& name) const { return card.filePath("DCIM/" + name).toStdString(); }

    QTemporaryDir card;
    QTemporaryDir dest;
    ModalScript script;
    std::unique_ptr<AppDelegate> app;
};

} // namespace

TEST_F(BackupFlowTest, ASecondBackupCopiesNothingAndTheCopiesKeepTheirDays)
{
    const QStringList names{"FILE0001F.MP4", "FILE0002F.MP4", "FILE0003F.MP4"};
    launchOn(names, {2, 9, 30});
    const auto cardDays = libraryDays(*app);
    ASSERT_EQ(cardDays.size(), 3u);

    backUpEverything();
    EXPECT_TRUE(script.messages().isEmpty()) << script.messages().join('\n').toStdString();
    ASSERT_EQ(fileNamesIn(dest.path().toStdString()),
              (std::vector<std::string>{"FILE0001F.MP4", "FILE0002F.MP4", "FILE0003F.MP4"}));
    std::vector<ino_t> copies;
    for (const QString& name : names)
        copies.push_back(inodeOf(dest.filePath(name)));

    // The same again: nothing is rewritten, and the user is told why the bar went through.
    backUpEverything();
    ASSERT_EQ(script.messages().size(), 1);
    EXPECT_EQ(script.messages()[0], pmLoadString("IDS_BACKUP_COPIED").arg(0) + '\n' + pmBackupSkippedText(3));
    EXPECT_NE(pmLoadString("IDS_BACKUP_SKIPPED"), "IDS_BACKUP_SKIPPED");
    for (size_t i = 0; i < copies.size(); ++i)
        EXPECT_EQ(inodeOf(dest.filePath(names[int(i)])), copies[i]) << names[int(i)].toStdString();
    ProgressDlg* progress = app->progressDlg();
    EXPECT_EQ(progress->percentTextField()->text(), "100 %");
    EXPECT_FALSE(progress->skippedTextField()->isHidden());
    EXPECT_EQ(progress->skippedTextField()->text(), pmBackupSkippedText(3));

    // Opened in the program, the backup files each recording under the card's day for it.
    app->openFolder(dest.path());
    ASSERT_TRUE(QTest::qWaitFor([&] { return app->currentFolder() == dest.path() && app->videoLib().size() == 3; },
                                10000));
    EXPECT_EQ(libraryDays(*app), cardDays);
    const QDate today = QDate::currentDate();
    EXPECT_FALSE(app->isMediaExistByDate(today.year(), today.month(), today.day()));
}

TEST_F(BackupFlowTest, ACopyThatDoesNotReadBackEqualIsToldAndTheOlderFileStays)
{
    const QStringList names{"FILE0001F.MP4", "FILE0002F.MP4", "FILE0003F.MP4"};
    launchOn(names, {1, 1, 1});
    QFile older(dest.filePath("FILE0002F.MP4"));
    ASSERT_TRUE(older.open(QIODevice::WriteOnly));
    older.write("older copy");
    older.close();
    // The medium gives back something else than it was given, for the second recording only.
    CopyOptions damaging;
    damaging.beforeReadBack = [](int fd) {
        char link[64], target[4096] = {};
        std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
        if (::readlink(link, target, sizeof target - 1) > 0 && std::string(target).find("FILE0002F") != std::string::npos) {
            ASSERT_EQ(::pwrite(fd, "!", 1, 64), 1);
        }
    };
    app->backupFlow().setCopyOptions(damaging);

    backUpEverything();
    ASSERT_EQ(script.messages().size(), 1);
    EXPECT_EQ(script.messages()[0], pmLoadString("IDS_ERR_BACKUP_VERIFY_FAILED") + "\nFILE0002F.MP4");
    EXPECT_NE(pmLoadString("IDS_ERR_BACKUP_VERIFY_FAILED"), "IDS_ERR_BACKUP_VERIFY_FAILED");
    // The run stopped there: the first is copied, the older second kept, the third not started,
    // and no temporary file is left behind.
    EXPECT_EQ(readFileBytes(inDest("FILE0001F.MP4")), readFileBytes(onCard("FILE0001F.MP4")));
    EXPECT_EQ(readFileBytes(inDest("FILE0002F.MP4")), "older copy");
    EXPECT_EQ(fileNamesIn(dest.path().toStdString()), (std::vector<std::string>{"FILE0001F.MP4", "FILE0002F.MP4"}));

    // A sound medium: that one recording on its own replaces the older file.
    app->backupFlow().setCopyOptions({});
    ASSERT_TRUE(app->backupFlow().writeMediaToPath(card.filePath("DCIM/FILE0002F.MP4"), dest.path()));
    EXPECT_FALSE(app->backupFlow().writeMediaToPath(card.filePath("DCIM/FILE0003F.MP4"), dest.path())); // one at a time
    ASSERT_TRUE(QTest::qWaitFor([&] { return !app->isBackupRunning(); }, 20000));
    ASSERT_TRUE(script.waitDone());
    EXPECT_EQ(script.messages().size(), 1);
    EXPECT_EQ(readFileBytes(inDest("FILE0002F.MP4")), readFileBytes(onCard("FILE0002F.MP4")));
    EXPECT_EQ(fileNamesIn(dest.path().toStdString()), (std::vector<std::string>{"FILE0001F.MP4", "FILE0002F.MP4"}));
}
