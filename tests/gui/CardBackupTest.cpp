// The backup of an inserted card as a user turns it on: the settings menu's item asks for the
// folder, a card mounted under the mount roots the environment names brings the question with
// the backup among its answers, and the backup copies the card's event recordings only.

#include "GuiTestSupport.h"
#include "FolderFiles.h"
#include "ModalScript.h"
#include "TmpfsMount.h"

#include "LocalizedText.h"
#include "Preferences.h"
#include "ToolbarView.h"
#include "browse/CardAnnouncer.h"
#include "controls/BitmapButton.h"
#include "tools/BackupMessages.h"
#include "tools/CardBackup.h"
#include "tools/ProgressDlg.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

constexpr std::uint64_t kCardSize = 4 << 20;

QStringList buttonTexts(QMessageBox* box)
{
    QStringList texts;
    for (QAbstractButton* button : box->buttons())
        texts << button->text();
    return texts;
}

class CardBackupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        saveLanguageId(0);
        CardBackup::setFolder(QString());
        savedRoots = qgetenv("KORIV_MOUNT_ROOTS");
        qputenv("KORIV_MOUNT_ROOTS", roots.path().toLocal8Bit());
        app = launchApplication(folder.path());
        ASSERT_TRUE(app->isLaunched());
    }

    void TearDown() override
    {
        app.reset();
        CardBackup::setFolder(QString());
        if (savedRoots.isEmpty())
            qunsetenv("KORIV_MOUNT_ROOTS");
        else
            qputenv("KORIV_MOUNT_ROOTS", savedRoots);
    }

    // Opens the settings menu from its tool bar button and clicks the card backup's item.
    void clickSettingItem()
    {
        QTest::mouseClick(app->toolbarView()->oSettingBtn(), Qt::LeftButton);
        ASSERT_TRUE(waitFor([] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()) != nullptr; }));
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        auto* item = menu->findChild<QAction*>("cardBackupSetting");
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->text(), CardBackup::settingText());
        EXPECT_EQ(item->isChecked(), CardBackup::isOffered());
        QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(item).center());
    }

    std::unique_ptr<TmpfsMount> mountCard(const QString& name, const QStringList& files)
    {
        auto card = std::make_unique<TmpfsMount>(roots.filePath(name).toStdString(), kCardSize);
        for (const QString& file : files)
            writeRecording(QString::fromStdString(card->path()), file, 3);
        return card;
    }

    QMessageBox* waitForQuestion()
    {
        const bool asked = waitFor([&] { return app->cardAnnouncer() && app->cardAnnouncer()->question(); });
        return asked ? app->cardAnnouncer()->question() : nullptr;
    }

    QTemporaryDir folder;
    QTemporaryDir roots;
    QTemporaryDir dest;
    QByteArray savedRoots;
    std::unique_ptr<AppDelegate> app;
};

} // namespace

TEST_F(CardBackupTest, WithTheSettingOnTheQuestionOffersTheBackupOfTheEventRecordings)
{
    ASSERT_EQ(app->cardAnnouncer()->mountRoots(), QStringList{roots.path()});
    {
        // Checking the item asks for the folder; cancelling the chooser leaves the setting off.
        ModalScript script;
        script.answerFileDialog(QString());
        clickSettingItem();
        ASSERT_TRUE(script.waitDone());
        EXPECT_FALSE(CardBackup::isOffered());
        script.answerFileDialog(dest.path());
        clickSettingItem();
        ASSERT_TRUE(script.waitDone());
        EXPECT_EQ(CardBackup::folder(), dest.path());
        EXPECT_TRUE(script.messages().isEmpty());
    }

    auto card = mountCard("CARD", {"DCIM/100MEDIA/EMER0001F.MP4", "DCIM/100MEDIA/FILE0002F.MP4",
                                   "DCIM/100MEDIA/EVEN0003R.MP4", "DCIM/100MEDIA/PARK0004F.MP4"});
    if (!card->mounted())
        GTEST_SKIP() << "mounting a tmpfs was refused: " << card->error();
    const QString cardRoot = QString::fromStdString(card->path());
    QFile log(cardRoot + "/DCIM/100MEDIA/EMER0001F.NMEA");
    ASSERT_TRUE(log.open(QIODevice::WriteOnly));
    log.write("$GPRMC,1\r\n");
    log.close();

    QMessageBox* question = waitForQuestion();
    ASSERT_NE(question, nullptr);
    ASSERT_EQ(buttonTexts(question), (QStringList{pmLoadString("IDS_OPEN"), pmLoadString("IDS_CARD_BACKUP_OFFER"),
                                                  pmLoadString("IDS_CANCEL")}));
    EXPECT_NE(pmLoadString("IDS_CARD_BACKUP_OFFER"), "IDS_CARD_BACKUP_OFFER");
    QTest::mouseClick(question->buttons()[1], Qt::LeftButton);
    EXPECT_EQ(app->cardAnnouncer()->question(), nullptr);
    {
        // Gone before the next question, which it would answer.
        ModalScript script;
        ASSERT_TRUE(waitFor([&] { return script.messages().size() == 1; }, 20000));
        EXPECT_EQ(script.messages()[0], pmLoadString("IDS_BACKUP_COPIED").arg(2) + '\n' + pmBackupSkippedText(0));
    }
    EXPECT_FALSE(app->progressDlg()->isVisible());
    EXPECT_EQ(app->progressDlg()->percent(), 100);

    // The event recordings and their log, as on the card; the card itself is not opened.
    EXPECT_EQ(fileNamesIn(dest.path().toStdString()), (std::vector<std::string>{"EMER0001F.MP4", "EMER0001F.NMEA", "EVEN0003R.MP4"}));
    for (const QString name : {"EMER0001F.MP4", "EVEN0003R.MP4"}) {
        const QFileInfo copy(dest.filePath(name)), original(cardRoot + "/DCIM/100MEDIA/" + name);
        EXPECT_EQ(readFileBytes(copy.filePath().toStdString()), readFileBytes(original.filePath().toStdString()));
        EXPECT_EQ(copy.lastModified(), original.lastModified());
    }
    EXPECT_EQ(app->currentFolder(), folder.path());

    // Unchecked, the setting is off and the next card is only offered to be opened.
    clickSettingItem();
    EXPECT_TRUE(waitFor([] { return !CardBackup::isOffered(); }));
    auto second = mountCard("CARD2", {"DCIM/100MEDIA/EMER0005F.MP4"});
    question = waitForQuestion();
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(buttonTexts(question), (QStringList{pmLoadString("IDS_OPEN"), pmLoadString("IDS_CANCEL")}));
    QTest::mouseClick(question->buttons()[1], Qt::LeftButton);
}
