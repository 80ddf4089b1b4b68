// File > Open Recent through the real preferences file: the folders shown, newest first and
// at most eight, vanished ones left out but kept, Clear, and a choice that shows the folder.
#include "GuiTestSupport.h"

#include "DesktopSession.h"
#include "LocalizedText.h"
#include "MainWindow.h"
#include "PreferenceKeys.h"
#include "RecentFolders.h"
#include "RecentFoldersMenu.h"

#include <QDir>
#include <QFileInfo>
#include <QMenuBar>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The preferences as another process would read them from disk.
QStringList storedOnDisk()
{
    const QString file = QStandardPaths::writableLocation(QStandardPaths::ConfigLocation) + "/Koriv/KorivManager.conf";
    return QSettings(file, QSettings::IniFormat).value(kPrefRecentFolders).toStringList();
}

QStringList menuTexts(RecentFoldersMenu* menu)
{
    emit menu->aboutToShow();
    QStringList texts;
    for (QAction* action : menu->actions()) {
        if (!action->isSeparator())
            texts << action->text();
    }
    return texts;
}

class RecentFoldersTest : public ::testing::Test {
protected:
    void SetUp() override { RecentFolders::clear(); }
    QString folder(const QString& name) const
    {
        QDir().mkpath(root.filePath(name));
        return root.filePath(name);
    }
    QTemporaryDir root;
};

} // namespace

TEST_F(RecentFoldersTest, TheNewestEightAreKeptOnDiskAndVanishedOnesAreNotOffered)
{
    for (int i = 0; i < 10; ++i)
        RecentFolders::add(folder(QString("card%1").arg(i)));
    RecentFolders::add(folder("card5") + "/"); // the same folder spelt otherwise moves to the front
    QStringList expected{folder("card5"), folder("card9"), folder("card8"), folder("card7"), folder("card6"),
                         folder("card4"), folder("card3"), folder("card2")};
    EXPECT_EQ(storedOnDisk().join('|').toStdString(), expected.join('|').toStdString());
    EXPECT_EQ(RecentFolders::folders(), expected);

    // A card pulled out is left out of the menu but comes back with the card.
    QDir(folder("card9")).removeRecursively();
    expected.removeAll(root.filePath("card9"));
    EXPECT_EQ(RecentFolders::folders(), expected);
    EXPECT_EQ(storedOnDisk().size(), 8);
    folder("card9");
    EXPECT_EQ(RecentFolders::folders().value(1), folder("card9"));
}

TEST_F(RecentFoldersTest, TheMenuListsTheShownFoldersChoosesOneAndClears)
{
    QTemporaryDir first, second;
    writeRecording(first.path(), "FILE0001F.MP4");
    writeRecording(second.path(), "FILE0002F.MP4");
    auto app = launchApplication(first.path());
    DesktopSession session(*app, DesktopSession::kOneOff);
    app->openFolder(second.path()); // as the browse button does

    RecentFoldersMenu* menu = app->mainWindow()->recentFoldersMenu();
    EXPECT_EQ(menu->title(), pmLoadString("IDS_OPEN_RECENT"));
    const QStringList texts = menuTexts(menu);
    ASSERT_EQ(texts.size(), 3);
    EXPECT_EQ(texts[0], QDir::toNativeSeparators(second.path()));
    EXPECT_EQ(texts[1], QDir::toNativeSeparators(first.path()));
    EXPECT_EQ(texts[2], pmLoadString("IDS_CLEAR_RECENT"));
    // The menu hangs in the File menu of the window's menu bar.
    EXPECT_TRUE(app->mainWindow()->menuBar()->actions().first()->menu()->actions().contains(menu->menuAction()));

    menu->actions()[1]->trigger();
    EXPECT_EQ(app->currentFolder(), first.path());
    EXPECT_EQ(storedOnDisk().value(0), first.path());

    menu->actions().last()->trigger(); // Clear
    EXPECT_TRUE(storedOnDisk().isEmpty());
    EXPECT_EQ(menuTexts(menu), QStringList{pmLoadString("IDS_CLEAR_RECENT")});
    EXPECT_FALSE(menu->actions().last()->isEnabled());
}
