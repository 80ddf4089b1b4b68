// A dash camera's card mounted while the program runs: the question, its answers, and the
// volumes that are not offered. The mounts are real tmpfs volumes under a mount root of the
// test's own.
#include "GuiTestSupport.h"
#include "TmpfsMount.h"

#include "LocalizedText.h"
#include "Preferences.h"
#include "browse/CardAnnouncer.h"
#include "browse/SCEvents.h"

#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <iostream>

namespace {

// Room for a few test recordings.
constexpr std::uint64_t kCardSize = 4 << 20;

QPushButton* buttonTitled(QMessageBox* box, const QString& title)
{
    for (QAbstractButton* button : box->buttons()) {
        if (button->text() == title)
            return qobject_cast<QPushButton*>(button);
    }
    return nullptr;
}

class CardAnnouncerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        saveLanguageId(0);
        app = launchApplication(folder.path());
        app->cardAnnouncer()->setMountRoots({roots.path()});
    }

    // Mounts a card and fills it before the event loop runs again, as a camera's card comes.
    std::unique_ptr<TmpfsMount> mountCard(const QString& name, const QStringList& files)
    {
        auto card = std::make_unique<TmpfsMount>(roots.filePath(name).toStdString(), kCardSize);
        for (const QString& file : files)
            writeRecording(QString::fromStdString(card->path()), file);
        return card;
    }

    QMessageBox* waitForQuestion()
    {
        const bool asked = waitFor([&] { return app->cardAnnouncer()->question() != nullptr; });
        return asked ? app->cardAnnouncer()->question() : nullptr;
    }

    QTemporaryDir folder;
    QTemporaryDir roots;
    std::unique_ptr<AppDelegate> app;
};

} // namespace

TEST_F(CardAnnouncerTest, ANewCardWithRecordingsIsOfferedAndYesOpensIt)
{
    auto card = mountCard("CARD", {"DCIM/100F/FILE0001F.MP4", "DCIM/100R/FILE0001R.MP4", "DCIM/100F/FILE0002F.MP4"});
    if (!card->mounted())
        GTEST_SKIP() << "mounting a tmpfs was refused: " << card->error();
    QElapsedTimer clock;
    clock.start();
    QMessageBox* question = waitForQuestion();
    ASSERT_NE(question, nullptr);
    std::cout << "[ FIGURE   ] mount to question: " << clock.elapsed() << " ms" << std::endl;
    EXPECT_TRUE(question->isVisible());
    EXPECT_EQ(question->text(), pmLoadString("IDS_CARD_INSERTED").arg("CARD"));
    EXPECT_EQ(question->text(), "A memory card with recordings was inserted: CARD. Open it?");
    EXPECT_EQ(app->currentFolder(), folder.path()); // nothing happens before the answer

    QPushButton* open = buttonTitled(question, pmLoadString("IDS_OPEN"));
    ASSERT_NE(open, nullptr);
    QTest::mouseClick(open, Qt::LeftButton);
    EXPECT_EQ(app->cardAnnouncer()->question(), nullptr);
    EXPECT_EQ(app->currentFolder(), QString::fromStdString(card->path()));
    EXPECT_EQ(pmGetCurrentFolder(), QString::fromStdString(card->path()));
    EXPECT_EQ(app->playlist().count(), 3);
    EXPECT_EQ(app->folderEvents()->watchedPaths(), QStringList{QString::fromStdString(card->path())});

    // Pulled out again: the list follows.
    ASSERT_TRUE(card->unmount());
    EXPECT_TRUE(waitFor([&] { return app->playlist().empty(); }));
}

TEST_F(CardAnnouncerTest, NoQuestionForAVolumeWithoutRecordingsOrForTheFolderShown)
{
    QSignalSpy probed(app->cardAnnouncer(), &CardAnnouncer::volumeProbed);
    auto photos = std::make_unique<TmpfsMount>(roots.filePath("PHOTOS").toStdString(), kCardSize);
    if (!photos->mounted())
        GTEST_SKIP() << "mounting a tmpfs was refused: " << photos->error();
    QDir().mkpath(QString::fromStdString(photos->path()) + "/DCIM/100CANON");
    QFile picture(QString::fromStdString(photos->path()) + "/DCIM/100CANON/IMG_0001.JPG");
    ASSERT_TRUE(picture.open(QIODevice::WriteOnly));
    picture.close();
    ASSERT_TRUE(probed.wait(kWaitMs));
    EXPECT_EQ(probed.takeFirst().value(1).toBool(), false);

    // Opened through the browse button before the card was looked at: it is what is shown.
    auto card = mountCard("CARD", {"DCIM/100F/FILE0001F.MP4"});
    app->openFolder(QString::fromStdString(card->path()));
    ASSERT_TRUE(probed.wait(kWaitMs));
    EXPECT_EQ(probed.takeFirst().value(1).toBool(), true);
    // The announcer's decision about the card ends its handling of the probe.
    const QString shown = "CardAnnouncer::onProbed - already shown - " + QString::fromStdString(card->path());
    EXPECT_TRUE(waitFor([&] { return logIndexOf(logMessages(), shown) >= 0; }));
    EXPECT_EQ(app->cardAnnouncer()->question(), nullptr);
}

TEST_F(CardAnnouncerTest, CancelOrACardPulledOutLeavesTheFolderShown)
{
    auto first = mountCard("CARD1", {"DCIM/100F/FILE0001F.MP4"});
    if (!first->mounted())
        GTEST_SKIP() << "mounting a tmpfs was refused: " << first->error();
    QMessageBox* question = waitForQuestion();
    ASSERT_NE(question, nullptr);
    QTest::mouseClick(buttonTitled(question, pmLoadString("IDS_CANCEL")), Qt::LeftButton);
    EXPECT_EQ(app->cardAnnouncer()->question(), nullptr);
    EXPECT_EQ(app->currentFolder(), folder.path());

    auto second = mountCard("CARD2", {"DCIM/100F/FILE0001F.MP4"});
    ASSERT_NE(waitForQuestion(), nullptr);
    ASSERT_TRUE(second->unmount());
    EXPECT_TRUE(waitFor([&] { return app->cardAnnouncer()->question() == nullptr; }));
    EXPECT_EQ(app->currentFolder(), folder.path());
}

TEST(CardAnnouncerRoots, TheEnvironmentReplacesTheUsualMountRoots)
{
    const QByteArray saved = qgetenv("KORIV_MOUNT_ROOTS");
    qunsetenv("KORIV_MOUNT_ROOTS");
    const QStringList usual = CardAnnouncer::defaultMountRoots();
    EXPECT_TRUE(usual.contains("/mnt"));
    EXPECT_EQ(usual.size(), 3) << usual.join(", ").toStdString(); // the user's two folders and /mnt
    qputenv("KORIV_MOUNT_ROOTS", "/srv/cards:/tmp/x");
    EXPECT_EQ(CardAnnouncer::defaultMountRoots(), (QStringList{"/srv/cards", "/tmp/x"}));
    if (saved.isEmpty())
        qunsetenv("KORIV_MOUNT_ROOTS");
    else
        qputenv("KORIV_MOUNT_ROOTS", saved);
}
