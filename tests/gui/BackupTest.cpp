// Backups through the real dialogs: the tool bar's button, the selection dialog, the folder
// chooser and the progress window, with every copied byte compared.

#include "GuiTestSupport.h"
#include "ModalScript.h"
#include "TmpfsMount.h"
#include "VideoFixtures.h"

#include "LocalizedText.h"
#include "NotificationCenter.h"
#include "NotificationNames.h"
#include "app/ToolbarView.h"
#include "controls/BitmapButton.h"
#include "tools/BackupDlg.h"
#include "tools/ProgressDlg.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A valid recording padded with a pattern to exactly size bytes.
void writeSizedRecording(const QString& path, qint64 size, char seed)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    std::string bytes = makeMp4();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    QByteArray data(bytes.data(), qint64(bytes.size()));
    data.reserve(size);
    for (qint64 i = data.size(); i < size; ++i)
        data.append(char(seed + i * 7 + (i >> 11)));
    file.write(data.left(size));
}

class Backup : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(card.isValid() && dest.isValid());
    }

    void launch()
    {
        app = launchApplication(card.path());
        ASSERT_TRUE(app->isLaunched());
    }

    int rowOf(const QString& name) const
    {
        for (int i = 0; i < app->playlist().count(); ++i)
            if (QFileInfo(QString::fromStdString(app->playlist().at(i).URL())).fileName() == name)
                return i;
        return -1;
    }

    // Clicks the rows (the first plainly, the others with Control held) and OK.
    static void chooseRows(BackupDlg* dialog, const QList<int>& rows)
    {
        QTableWidget* table = dialog->tableView();
        for (int i = 0; i < rows.size(); ++i) {
            const QRect cell = table->visualRect(table->model()->index(rows[i], 0));
            QTest::mouseClick(table->viewport(), Qt::LeftButton, i ? Qt::ControlModifier : Qt::NoModifier,
                              cell.center());
        }
        QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    }

    // Once the selection dialog is up and laid out, so that its rows are where they are drawn.
    void chooseRowsWhenShown(const QList<int>& rows)
    {
        script.then(
            [](QWidget* w) {
                auto* dialog = qobject_cast<BackupDlg*>(w);
                return dialog && dialog->tableView()->isVisible()
                    && dialog->tableView()->viewport()->rect().contains(
                        dialog->tableView()->visualRect(dialog->tableView()->model()->index(0, 0)).center());
            },
            [rows](QWidget* w) { chooseRows(qobject_cast<BackupDlg*>(w), rows); });
    }

    // Backs the named recordings up into the folder through the tool bar; waits for the end.
    void backUp(const QStringList& names, const QString& folder)
    {
        QList<int> rows;
        for (const QString& name : names)
            rows << rowOf(name);
        chooseRowsWhenShown(rows);
        script.answerFileDialog(folder);
        BitmapButton* button = app->toolbarView()->oBackupBtn();
        ASSERT_TRUE(button->isEnabled());
        QTest::mouseClick(button, Qt::LeftButton);
        ASSERT_TRUE(script.waitDone());
        ASSERT_TRUE(QTest::qWaitFor([this] { return !app->isBackupRunning(); }, 20000));
        ASSERT_TRUE(script.waitDone());
    }

    QString cardFile(const QString& relative) const { return card.filePath(relative); }

    QTemporaryDir card;
    QTemporaryDir dest;
    ModalScript script;
    std::unique_ptr<AppDelegate> app;
};

} // namespace

TEST_F(Backup, CopiesTheChosenRecordingsWithTheirLogsAndKeepsAnExistingLog)
{
    writeSizedRecording(cardFile("F/FILE0001F.MP4"), 3 * 1048576 + 17, 1);
    writeSizedRecording(cardFile("F/FILE0002F.MP4"), 200000, 2);
    writeSizedRecording(cardFile("F/FILE0003F.MP4"), 5 * 1048576, 3);
    QFile log(cardFile("F/FILE0001F.NMEA"));
    ASSERT_TRUE(log.open(QIODevice::WriteOnly));
    log.write("$GPRMC,new\r\n");
    log.close();
    QFile log3(cardFile("F/FILE0003F.NMEA"));
    ASSERT_TRUE(log3.open(QIODevice::WriteOnly));
    log3.write("$GPRMC,card\r\n");
    log3.close();
    // An older copy of the third recording and of its log are in the destination.
    QFile old(dest.filePath("FILE0003F.MP4"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("older copy");
    old.close();
    QFile oldLog(dest.filePath("FILE0003F.NMEA"));
    ASSERT_TRUE(oldLog.open(QIODevice::WriteOnly));
    oldLog.write("$GPRMC,kept\r\n");
    oldLog.close();
    launch();

    backUp({"FILE0001F.MP4", "FILE0003F.MP4"}, dest.path());
    EXPECT_TRUE(script.messages().isEmpty()) << script.messages().join('\n').toStdString();
    EXPECT_EQ(readAll(dest.filePath("FILE0001F.MP4")), readAll(cardFile("F/FILE0001F.MP4")));
    EXPECT_EQ(readAll(dest.filePath("FILE0003F.MP4")), readAll(cardFile("F/FILE0003F.MP4")));
    EXPECT_EQ(readAll(dest.filePath("FILE0001F.NMEA")), "$GPRMC,new\r\n");
    EXPECT_EQ(readAll(dest.filePath("FILE0003F.NMEA")), "$GPRMC,kept\r\n");
    EXPECT_FALSE(QFile::exists(dest.filePath("FILE0002F.MP4")));
    EXPECT_EQ(QDir(dest.path()).entryList(QDir::Files | QDir::Hidden).size(), 4);

    ProgressDlg* progress = app->progressDlg();
    ASSERT_NE(progress, nullptr);
    EXPECT_FALSE(progress->isVisible());
    EXPECT_EQ(progress->percent(), 100);
    EXPECT_EQ(progress->percentTextField()->text(), "100 %");
    EXPECT_EQ(progress->progressIndicator()->value(), progress->progressIndicator()->maximum());
    EXPECT_EQ(app->copiedBytes(), quint64(3 * 1048576 + 17 + 5 * 1048576));
    const QStringList log2 = logMessages();
    EXPECT_GE(logIndexOf(log2, "BackupDlg Start"), 0);
    EXPECT_GE(logIndexOf(log2, QStringLiteral("sourcePath : %1 destFolderPath:%2")
                                   .arg(cardFile("F/FILE0003F.MP4"), dest.path())), 0);
}

TEST_F(Backup, TheRecordingsOwnFolderIsNeverWrittenAndAMissingSourceStopsTheRun)
{
    writeSizedRecording(cardFile("F/FILE0001F.MP4"), 400000, 4);
    writeSizedRecording(cardFile("F/FILE0002F.MP4"), 300000, 5);
    writeSizedRecording(cardFile("F/FILE0003F.MP4"), 300000, 6);
    const QByteArray first = readAll(cardFile("F/FILE0001F.MP4"));
    launch();

    // Into the card's own folder: each recording is skipped, untouched, and the user told.
    backUp({"FILE0001F.MP4", "FILE0002F.MP4"}, cardFile("F"));
    ASSERT_EQ(script.messages().size(), 2);
    EXPECT_TRUE(script.messages()[0].startsWith(pmLoadString("IDS_ERR_BACKUP_SAME_FILE")));
    EXPECT_TRUE(script.messages()[1].endsWith("FILE0002F.MP4"));
    EXPECT_EQ(readAll(cardFile("F/FILE0001F.MP4")), first);
    EXPECT_EQ(QDir(cardFile("F")).entryList(QDir::Files | QDir::Hidden).size(), 3);

    // The second recording disappears (a card pulled) before its turn: the first copy stays,
    // the user is told, the third is not started.
    chooseRowsWhenShown({rowOf("FILE0001F.MP4"), rowOf("FILE0002F.MP4"), rowOf("FILE0003F.MP4")});
    script.then<QFileDialog>([this](QFileDialog* dialog) {
        QFile::remove(cardFile("F/FILE0002F.MP4"));
        pmAnswerFileDialog(dialog, dest.path());
    });
    QTest::mouseClick(app->toolbarView()->oBackupBtn(), Qt::LeftButton);
    ASSERT_TRUE(script.waitDone());
    ASSERT_TRUE(QTest::qWaitFor([this] { return !app->isBackupRunning(); }, 20000));
    ASSERT_EQ(script.messages().size(), 3);
    EXPECT_TRUE(script.messages()[2].startsWith(pmLoadString("IDS_ERR_BACKUP_FAILED")));
    EXPECT_EQ(readAll(dest.filePath("FILE0001F.MP4")), first);
    EXPECT_EQ(QDir(dest.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"FILE0001F.MP4"});
}

TEST_F(Backup, CancelStopsTheRunAndKeepsWhatWasCopied)
{
    writeSizedRecording(cardFile("F/FILE0001F.MP4"), 600000, 7);
    writeSizedRecording(cardFile("F/FILE0002F.MP4"), 600000, 8);
    writeSizedRecording(cardFile("F/FILE0003F.MP4"), 600000, 9);
    launch();
    // The first recording is copied; the second is the destination's own file, and while
    // the copy waits on that message the user presses Cancel on the progress window.
    QDir().mkpath(dest.filePath("dst"));
    ASSERT_EQ(::link(cardFile("F/FILE0002F.MP4").toLocal8Bit().constData(),
                     dest.filePath("dst/FILE0002F.MP4").toLocal8Bit().constData()), 0);
    script.onMessage([this] {
        if (ProgressDlg* progress = app->progressDlg(); progress && progress->isVisible())
            QTest::mouseClick(progress->cancelButton(), Qt::LeftButton);
    });
    backUp({"FILE0001F.MP4", "FILE0002F.MP4", "FILE0003F.MP4"}, dest.filePath("dst"));
    ASSERT_EQ(script.messages().size(), 1);
    EXPECT_TRUE(app->progressDlg()->isCanceled());
    EXPECT_EQ(readAll(dest.filePath("dst/FILE0001F.MP4")), readAll(cardFile("F/FILE0001F.MP4")));
    EXPECT_FALSE(QFile::exists(dest.filePath("dst/FILE0003F.MP4")));
    EXPECT_EQ(QDir(dest.filePath("dst")).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

TEST_F(Backup, ReadOnlyDestinationsAreRefusedBeforeAnythingIsCopied)
{
    writeSizedRecording(cardFile("F/FILE0001F.MP4"), 100000, 10);
    launch();
    QDir().mkpath(dest.filePath("ro"));
    ASSERT_EQ(::chmod(dest.filePath("ro").toLocal8Bit().constData(), 0555), 0);
    backUp({"FILE0001F.MP4"}, dest.filePath("ro"));
    ASSERT_EQ(script.messages(), QStringList{pmLoadString("IDS_ERR_FOLDER_READ_ONLY")});
    EXPECT_TRUE(QDir(dest.filePath("ro")).entryList(QDir::Files | QDir::Hidden).isEmpty());
    EXPECT_FALSE(app->isBackupRunning());

    TmpfsMount mount(4 * 1048576);
    if (!mount.mounted())
        GTEST_SKIP() << mount.error();
    ASSERT_TRUE(mount.remountReadOnly());
    backUp({"FILE0001F.MP4"}, QString::fromStdString(mount.path()));
    ASSERT_EQ(script.messages().size(), 2);
    EXPECT_EQ(script.messages()[1], pmLoadString("IDS_ERR_FOLDER_READ_ONLY"));
    EXPECT_TRUE(QDir(QString::fromStdString(mount.path())).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

TEST_F(Backup, FreeSpaceOfTheSizePlusOneMebibyteIsEnoughAndOneByteLessIsNot)
{
    constexpr qint64 kFs = 4 * 1048576;
    writeSizedRecording(cardFile("F/FILE0001F.MP4"), kFs - 1048576, 11);
    writeSizedRecording(cardFile("F/FILE0002F.MP4"), kFs - 1048576 + 1, 12);
    launch();
    {
        TmpfsMount fits(kFs);
        if (!fits.mounted())
            GTEST_SKIP() << fits.error();
        const QString folder = QString::fromStdString(fits.path());
        backUp({"FILE0002F.MP4"}, folder);
        ASSERT_EQ(script.messages(), QStringList{pmLoadString("IDS_ERR_NO_DISK_SPACE")});
        EXPECT_TRUE(QDir(folder).entryList(QDir::Files | QDir::Hidden).isEmpty());
        backUp({"FILE0001F.MP4"}, folder);
        EXPECT_EQ(script.messages().size(), 1);
        EXPECT_EQ(readAll(folder + "/FILE0001F.MP4"), readAll(cardFile("F/FILE0001F.MP4")));
    }
    // A run stopped by a full disk keeps the earlier file.
    TmpfsMount full(kFs);
    ASSERT_TRUE(full.mounted());
    const QString folder = QString::fromStdString(full.path());
    backUp({"FILE0001F.MP4", "FILE0002F.MP4"}, folder);
    ASSERT_EQ(script.messages().size(), 2);
    EXPECT_EQ(script.messages()[1], pmLoadString("IDS_ERR_NO_DISK_SPACE"));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"FILE0001F.MP4"});
}

TEST(BackupSelection, TheUploadTakesAtMostTenRowsAndCancelHandsNothingOver)
{
    std::vector<AMediaFile> files;
    for (int i = 0; i < 11; ++i)
        files.emplace_back(QString("/card/F/FILE%1F.MP4").arg(i, 4, 10, QChar('0')).toStdString(), std::nullopt);
    QWidget owner;
    owner.show();
    BackupDlg dialog(files, &owner);
    dialog.setNMaxSelFileCount(10);
    dialog.setTitle("upload");
    dialog.show();
    ASSERT_EQ(dialog.tableView()->rowCount(), 11);
    EXPECT_EQ(dialog.tableView()->item(3, 0)->text(), "FILE0003F.MP4");

    QList<QVariantMap> handed;
    QList<QList<int>> indexes;
    const int owner2 = 0;
    NotificationCenter::defaultCenter().addObserver(&owner2, kUploadVideoChangedNotification, [&](const Notification& n) {
        handed << n.userInfo;
        indexes << n.object.value<QList<int>>();
    });
    QTest::mouseClick(dialog.tableView()->viewport(), Qt::LeftButton, Qt::NoModifier,
                      dialog.tableView()->visualRect(dialog.tableView()->model()->index(0, 0)).center());
    QTest::keyClick(dialog.tableView(), Qt::Key_A, Qt::ControlModifier);
    ModalScript script;
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    ASSERT_TRUE(script.waitDone());
    EXPECT_EQ(script.messages(), QStringList{pmLoadString("IDS_ERR_OVER_MAX_UPLOAD")});
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(handed.isEmpty());

    const QRect last = dialog.tableView()->visualRect(dialog.tableView()->model()->index(10, 0));
    QTest::mouseClick(dialog.tableView()->viewport(), Qt::LeftButton, Qt::ControlModifier, last.center());
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    ASSERT_EQ(handed.size(), 1);
    EXPECT_EQ(handed[0].value(kUploadTypeKey).toInt(), 2);
    EXPECT_EQ(indexes[0], (QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(dialog.getSelCount(), 10);

    BackupDlg again(files, &owner);
    again.show();
    QTest::keyClick(&again, Qt::Key_Escape);
    ASSERT_EQ(handed.size(), 2);
    EXPECT_EQ(handed[1].value(kUploadTypeKey).toInt(), 0);
    EXPECT_TRUE(indexes[1].isEmpty());
    NotificationCenter::defaultCenter().removeObserver(&owner2);
}
