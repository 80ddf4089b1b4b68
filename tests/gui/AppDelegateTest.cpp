// The controller's life cycle as the log records it, and what the tool bar and its settings
// menu change.
#include "GuiTestSupport.h"
#include "SkinFolder.h"

#include "LocalizedText.h"
#include "app/MainWindow.h"
#include "controls/PanelHost.h"
#include "browse/CalendarView.h"
#include "browse/FileListView.h"
#include "Preferences.h"
#include "app/ToolbarView.h"
#include "controls/PlayControlView.h"
#include "controls/Slider.h"
#include "controls/BitmapButton.h"
#include "util/Log.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QStringList toolbarImageNames()
{
    QStringList names{"toolbar_background.png"};
    for (int i = 0; i < ToolbarView::ButtonCount; ++i)
        names << ToolbarView::imageName(static_cast<ToolbarView::Button>(i));
    return names;
}

class AppDelegateTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        saveLanguageId(0);
        saveSkinId(0);
    }
    void TearDown() override
    {
        saveLanguageId(0);
        saveSkinId(0);
    }

    QTemporaryDir folder;
};

QList<QAction*> checkedItems(QMenu* menu)
{
    QList<QAction*> checked;
    for (QAction* action : menu->actions()) {
        if (action->isChecked())
            checked << action;
    }
    return checked;
}

} // namespace

TEST_F(AppDelegateTest, LaunchOnAnEmptyFolderLogsTheStartUpInOrder)
{
    auto app = launchApplication(folder.path());
    const QStringList log = logMessages();
    const QStringList expected = {
        "-- Start Video Player! - AppDelegate.",
        "Version : " KORIV_VERSION,
        "applicationDidFinishLaunching - pmIsInternetConnected() - FALSE",
        "AppDelegate::buildVideoLibrary - Start! - " + folder.path(),
        "pmStartWait()",
        "AppDelegate::buildVideoLibrary - found video count = 0, bOK = 1",
        "AppDelegate::rebuildPlaylist - Start - Ready to call setCurPlaylistIndex:-1",
        "AppDelegate::rebuildPlaylist - video count = 0",
        "pmEndWait()",
        "AppDelegate::buildVideoLibrary - End !",
    };
    ASSERT_FALSE(log.isEmpty());
    EXPECT_EQ(log.first(), expected.first()); // the previous run's lines are gone
    int at = 0;
    for (const QString& line : expected) {
        const int found = logIndexOf(log, line, at);
        EXPECT_GE(found, at) << line.toStdString();
        at = std::max(at, found);
    }
    EXPECT_TRUE(app->playlist().empty());
    ToolbarView* bar = app->toolbarView();
    for (BitmapButton* button : {bar->oPrintBtn(), bar->oBackupBtn(), bar->oCaptureBtn(), bar->oExportBtn(),
                                 bar->oUploadYouTubeBtn(), bar->oUploadFacebookBtn()})
        EXPECT_FALSE(button->isButtonEnabled()) << button->objectName().toStdString();
    EXPECT_TRUE(bar->oBrowseBtn()->isButtonEnabled());
    EXPECT_TRUE(bar->oSettingBtn()->isButtonEnabled());
    EXPECT_EQ(pmGetCurrentFolder(), folder.path()); // opened as if browsed to
}

TEST_F(AppDelegateTest, RecordingsEnableTheBackupAndUploadButtonsAndPairsShowTheSecondVideo)
{
    writeRecording(folder.path(), "F/FILE0001F.MP4");
    writeRecording(folder.path(), "R/FILE0001R.MP4");
    writeRecording(folder.path(), "F/FILE0002F.MP4", 3); // another day: not in today's list
    auto app = launchApplication(folder.path());
    EXPECT_EQ(app->videoLib().size(), 3u);
    EXPECT_EQ(app->playlist().count(), 2);
    EXPECT_GE(logIndexOf(logMessages(), "AppDelegate::rebuildPlaylist - video count = 2"), 0);
    EXPECT_TRUE(app->toolbarView()->oUploadYouTubeBtn()->isButtonEnabled());
    EXPECT_TRUE(app->toolbarView()->oBackupBtn()->isButtonEnabled());
    EXPECT_FALSE(app->toolbarView()->oPrintBtn()->isButtonEnabled()); // nothing open yet

    EXPECT_TRUE(app->isDualCameraMode());
    EXPECT_TRUE(app->toolbarView()->oWindowSwitchBtn()->isVisibleTo(app->toolbarView()));
    app->mainWindow()->resize(1100, 720);
    const LogWatch layouts(kContentsLaidOut);
    app->applicationDidBecomeActive();
    ASSERT_TRUE(layouts.waitFor());
    EXPECT_TRUE(app->playerView2()->isVisibleTo(app->mainWindow()));
    EXPECT_EQ(app->playerView2()->geometry(), QRect(app->mainWindow()->contentView()->width() - 291,
                                                    app->toolbarView()->height(), 291, 184));
}

TEST_F(AppDelegateTest, MissingFolderOrCorruptPreferencesStillShowTheWindow)
{
    {
        QSettings store(QSettings::NativeFormat, QSettings::UserScope, "Koriv", "KorivManager");
        QFile file(store.fileName());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("\x00\xff[General\nVolume=@Invalid(\nSKIN_ID=banana\n", 50);
    }
    auto app = launchApplication(folder.filePath("gone/away"));
    EXPECT_TRUE(app->mainWindow()->isVisible());
    EXPECT_TRUE(app->playlist().empty());
    const QStringList log = logMessages();
    EXPECT_GE(logIndexOf(log, "AppDelegate::buildVideoLibrary - cannot read the folder - " + folder.filePath("gone/away")), 0);
    EXPECT_GE(logIndexOf(log, "AppDelegate::buildVideoLibrary - found video count = 0, bOK = 1"), 0);
    EXPECT_EQ(getSkinId(), 0);
}

TEST_F(AppDelegateTest, SettingsMenuChecksTheStoredLanguageAndSkin)
{
    auto app = launchApplication(folder.path());
    saveLanguageId(8);
    saveSkinId(2);
    std::unique_ptr<QMenu> menu(app->toolbarView()->buildSettingsMenu());
    const QList<QAction*> items = menu->actions();
    ASSERT_EQ(items.size(), 4);
    // The backup of inserted cards, off until asked for.
    EXPECT_TRUE(items[2]->isCheckable());
    EXPECT_FALSE(items[2]->isChecked());
    EXPECT_EQ(items[3]->text(), pmLoadString("IDS_ABOUT"));
    QMenu* languages = items[0]->menu();
    QMenu* skins = items[1]->menu();
    ASSERT_EQ(languages->actions().size(), 22);
    ASSERT_EQ(skins->actions().size(), 4);
    ASSERT_EQ(checkedItems(languages).size(), 1);
    EXPECT_EQ(checkedItems(languages).first()->data().toInt(), 8);
    ASSERT_EQ(checkedItems(skins).size(), 1);
    EXPECT_EQ(checkedItems(skins).first()->data().toInt(), 2);

    // Choosing from the menu stores the choice; a new menu shows it.
    skins->actions()[1]->trigger();
    languages->actions()[7]->trigger();
    EXPECT_EQ(getSkinId(), 1);
    EXPECT_EQ(getLanguageId(), 7);
    std::unique_ptr<QMenu> again(app->toolbarView()->buildSettingsMenu());
    EXPECT_EQ(checkedItems(again->actions()[0]->menu()).first()->data().toInt(), 7);
    EXPECT_EQ(checkedItems(again->actions()[1]->menu()).first()->data().toInt(), 1);
}

TEST_F(AppDelegateTest, SkinChangeReloadsEveryToolbarImage)
{
    SkinFolder skins(toolbarImageNames());
    auto app = launchApplication(folder.path());
    ToolbarView* bar = app->toolbarView();
    app->skinMenuItemClicked(3);
    EXPECT_EQ(getSkinId(), 3);
    for (int i = 0; i < ToolbarView::ButtonCount; ++i) {
        const auto which = static_cast<ToolbarView::Button>(i);
        const QString name = ToolbarView::imageName(which);
        EXPECT_EQ(bar->button(which)->stateImages().active, skins.image(name)) << name.toStdString();
        EXPECT_EQ(bar->button(which)->stateImages().inactive,
                  skins.image(QString(name).replace(".png", "_g.png")));
        EXPECT_EQ(bar->button(which)->shownImage(),
                  bar->button(which)->isButtonEnabled() ? skins.image(name)
                                                        : skins.image(QString(name).replace(".png", "_g.png")));
    }
    saveSkinId(0);
    EXPECT_NE(bar->oBrowseBtn()->stateImages().active, skins.image("button_open.png"));
}

TEST_F(AppDelegateTest, ArabicMirrorsTheLayoutAfterHalfASecondAndFrenchDoesNot)
{
    auto app = launchApplication(folder.path());
    app->mainWindow()->resize(1100, 720);
    const LogWatch layouts(kContentsLaidOut);
    app->applicationDidBecomeActive();
    ASSERT_TRUE(layouts.waitFor());
    const int width = app->mainWindow()->contentView()->width();

    ToolbarView* bar = app->toolbarView();
    const QString englishTip = bar->oBrowseBtn()->toolTip();
    EXPECT_EQ(englishTip, pmLoadString("IDS_OPEN"));
    app->languageMenuItemClicked(7);
    EXPECT_EQ(bar->oBrowseBtn()->toolTip(), pmLoadString("IDS_OPEN"));
    EXPECT_NE(bar->oBrowseBtn()->toolTip(), englishTip);
    EXPECT_LT(logIndexOf(logMessages(), "AppDelegate - ready to relayout for language changed."), 0);
    EXPECT_FALSE(app->isRightToLeft());

    const LogWatch mirrored(kContentsLaidOut);
    app->languageMenuItemClicked(13);
    EXPECT_TRUE(app->isRightToLeft());
    EXPECT_GE(logIndexOf(logMessages(), "AppDelegate - ready to relayout for language changed."), 0);
    EXPECT_EQ(app->fileListView()->x(), width - 291); // not yet
    ASSERT_TRUE(mirrored.waitFor());
    EXPECT_EQ(app->fileListView()->x(), 0);
    EXPECT_EQ(app->calendarView()->x(), 0);
    EXPECT_EQ(app->playbarView()->x(), 291);
    EXPECT_EQ(app->playbarView()->poTimeSlider()->x(), 44); // the bar's contents follow
    EXPECT_EQ(bar->buttonRect(ToolbarView::Browse).x(), width - 45);
    EXPECT_EQ(bar->oBrowseBtn()->x(), width - 45);
    EXPECT_EQ(bar->buttonRect(ToolbarView::WindowSwitch).x(), 291 - 22); // not mirrored
}

TEST_F(AppDelegateTest, ClosingTheWindowKeepsTheApplicationAndReopenBringsItBack)
{
    auto app = launchApplication(folder.path());
    app->mainWindow()->close();
    EXPECT_FALSE(app->mainWindow()->isVisible());
    EXPECT_GE(logIndexOf(logMessages(), "Window will be closed!!"), 0);
    EXPECT_TRUE(app->applicationShouldHandleReopen());
    EXPECT_TRUE(app->mainWindow()->isVisible());

    app->makeSleep();
    app->makeWake();
    app->applicationWillTerminate();
    const QStringList log = logMessages();
    const int sleep = logIndexOf(log, "AppDelegate::makeSleep - MAC will make sleep!");
    EXPECT_GT(logIndexOf(log, "AppDelegate::makeWake - MAC will wake up!", sleep), sleep);
    EXPECT_GE(logIndexOf(log, "Application will be closed!"), 0);
}

TEST_F(AppDelegateTest, FoldingTheCalendarListsAllDatesAndGivesTheFileListItsHeight)
{
    writeRecording(folder.path(), "F/FILE0001F.MP4");
    writeRecording(folder.path(), "F/FILE0002F.MP4", 3);
    auto app = launchApplication(folder.path());
    app->mainWindow()->resize(1100, 720);
    const LogWatch layouts(kContentsLaidOut);
    app->applicationDidBecomeActive();
    ASSERT_TRUE(layouts.waitFor());
    EXPECT_EQ(app->playlist().count(), 1); // the newest day
    const QRect calendar = app->calendarView()->geometry();
    const QRect fileList = app->fileListView()->geometry();

    app->showCalendar(false);
    EXPECT_EQ(app->playlist().count(), 2);
    EXPECT_EQ(app->calendarView()->geometry(), calendar.adjusted(0, 0, 0, -209));
    EXPECT_EQ(app->fileListView()->geometry(), fileList.adjusted(0, -209, 0, 0));
    app->showCalendar(false); // already folded
    EXPECT_EQ(app->calendarView()->height(), calendar.height() - 209);
    app->relayoutContents(); // a new layout keeps the folded height
    EXPECT_EQ(app->fileListView()->geometry(), fileList.adjusted(0, -209, 0, 0));

    app->showCalendar(true);
    EXPECT_EQ(app->playlist().count(), 1);
    EXPECT_EQ(app->calendarView()->geometry(), calendar);
    EXPECT_EQ(app->fileListView()->geometry(), fileList);
}

TEST_F(AppDelegateTest, BrowseAsksForAFolderOverTheWindowAndOpensIt)
{
    auto app = launchApplication(folder.path());
    QTemporaryDir other;
    writeRecording(other.path(), "FILE0001F.MP4");
    app->toolbarView()->oBrowseBtn()->click();
    auto* chooser = app->mainWindow()->findChild<QFileDialog*>();
    ASSERT_NE(chooser, nullptr);
    EXPECT_EQ(chooser->windowModality(), Qt::WindowModal);
    EXPECT_EQ(chooser->fileMode(), QFileDialog::Directory);
    EXPECT_EQ(QDir(chooser->directory()).absolutePath(), folder.path()); // the stored folder
    EXPECT_EQ(chooser->windowTitle(), pmLoadString("IDS_OPEN"));
    EXPECT_EQ(chooser->labelText(QFileDialog::Accept), pmLoadString("IDS_OK"));
    EXPECT_EQ(chooser->labelText(QFileDialog::Reject), pmLoadString("IDS_CANCEL"));
    emit chooser->fileSelected(other.path());
    EXPECT_EQ(app->currentFolder(), other.path());
    EXPECT_EQ(app->videoLib().size(), 1u);
    EXPECT_EQ(pmGetCurrentFolder(), other.path());
    EXPECT_GE(logIndexOf(logMessages(), "AppDelegate - onButtonBrowse()"), 0);
    chooser->reject();
}

TEST_F(AppDelegateTest, PanelsShowTheStoredSkinFromTheStart)
{
    SkinFolder skins({"playbar_background.png", "calendar_background.png"}, QSize(64, 44));
    // Stored by an earlier run; this process has not read it yet.
    QSettings(QSettings::NativeFormat, QSettings::UserScope, "Koriv", "KorivManager").setValue("SKIN_ID", 2);
    auto app = launchApplication(folder.path());
    ASSERT_EQ(getSkinId(), 2);
    const QImage bar = app->playbarView()->grab().toImage();
    // In the play bar, the gap between the speed and volume buttons (x 160 to 180).
    EXPECT_EQ(bar.pixelColor(170, bar.height() - 20), skins.image("playbar_background.png").pixelColor(170 % 64, 24));
    // The calendar is as big as its background; its top-right corner is free of controls.
    const QImage calendar = app->calendarView()->grab().toImage();
    ASSERT_EQ(calendar.size(), QSize(64, 44));
    EXPECT_EQ(calendar.pixelColor(63, 1), skins.image("calendar_background.png").pixelColor(63, 1));
}

TEST_F(AppDelegateTest, MenuBarTextsFollowTheLanguage)
{
    auto app = launchApplication(folder.path());
    const auto menuTexts = [&app] {
        QStringList texts;
        for (QAction* menu : app->mainWindow()->menuBar()->actions()) {
            texts << menu->text();
            for (QAction* item : menu->menu()->actions()) {
                if (!item->isSeparator())
                    texts << item->text();
            }
        }
        return texts;
    };
    const QStringList english = menuTexts();
    app->languageMenuItemClicked(8);
    const QStringList german = menuTexts();
    ASSERT_EQ(german.size(), english.size());
    for (qsizetype i = 0; i < english.size(); ++i)
        EXPECT_NE(german[i], english[i]) << english[i].toStdString();
}

TEST_F(AppDelegateTest, SettingsMenuGoesAwayOnceDismissed)
{
    auto app = launchApplication(folder.path());
    ToolbarView* bar = app->toolbarView();
    for (int i = 0; i < 3; ++i) {
        bar->onSettingButtonPressed();
        auto* menu = bar->findChild<QMenu*>(QString(), Qt::FindDirectChildrenOnly);
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->pos(), bar->oSettingBtn()->mapToGlobal(QPoint(0, 0)));
        QTest::keyClick(menu, Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(bar->findChildren<QMenu*>(QString(), Qt::FindDirectChildrenOnly).isEmpty());
    }
}

TEST_F(AppDelegateTest, MenusAndDialogsRunRightToLeftInArabic)
{
    saveLanguageId(13);
    auto app = launchApplication(folder.path());
    EXPECT_TRUE(app->mainWindow()->menuBar()->isRightToLeft());
    app->languageMenuItemClicked(8);
    EXPECT_FALSE(app->mainWindow()->menuBar()->isRightToLeft());
    app->languageMenuItemClicked(13);
    std::unique_ptr<QMenu> menu(app->toolbarView()->buildSettingsMenu());
    EXPECT_TRUE(menu->isRightToLeft());
    app->languageMenuItemClicked(0);
}
