// The controller's play list as the browsing panels drive it: each control rebuilds it, the
// list shows it row by row, and a double click asks for a recording to be opened.
#include "GuiTestSupport.h"

#include "LocalizedText.h"
#include "app/MainWindow.h"
#include "NotificationCenter.h"
#include "NotificationNames.h"
#include "Preferences.h"
#include "browse/CalendarView.h"
#include "browse/CheckBox.h"
#include "browse/FileListBox.h"
#include "browse/FileListView.h"
#include "controls/BitmapButton.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QStringList kToday = {"EVENT/EMER0001F.MP4", "F/FILE0001F.MP4", "PARK/PARK0001F.MP4", "F/FILE 0003F 100% #1.MP4",
                            "F/ファイル0004F.MP4", "F/FILE0005F שלום مرحبا.MP4"};
const char* const kEarlier = "F/FILE0002F.MP4"; // three days ago

class BrowseControllerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        saveLanguageId(0);
        for (const QString& name : kToday)
            writeRecording(folder.path(), name);
        writeRecording(folder.path(), kEarlier, 3);
        app = launchApplication(folder.path());
        app->mainWindow()->resize(1100, 720);
        const LogWatch layouts(kContentsLaidOut);
        app->applicationDidBecomeActive();
        ASSERT_TRUE(layouts.waitFor());
        NotificationCenter::defaultCenter().addObserver(this, kFileListViewDoubleClickNotification,
                                                        [this](const Notification& n) { opened.push_back(n.object.toInt()); });
    }
    void TearDown() override
    {
        NotificationCenter::defaultCenter().removeObserver(this);
        saveLanguageId(0);
    }

    FileListView* panel() const { return app->fileListView(); }
    FileListBox* list() const { return panel()->fileListBox(); }
    CalendarView* calendar() const { return app->calendarView(); }

    void click(FileListView::Box box) { QTest::mouseClick(panel()->checkBox(box), Qt::LeftButton); }
    void clickDay(const CalendarDate& day)
    {
        if (calendar()->shownMonth().month != day.month)
            QTest::mouseClick(calendar()->prevButton(), Qt::LeftButton);
        const auto& cells = calendar()->cells();
        const auto cell = std::find(cells.begin(), cells.end(), day) - cells.begin();
        QTest::mouseClick(calendar(), Qt::LeftButton, {}, calendar()->cellFrame(int(cell)).center());
    }
    // The file names of the rows, in order.
    QStringList rowNames() const
    {
        QStringList names;
        for (const QString& row : list()->listBoxData())
            names << row.section('/', -1);
        return names;
    }
    static CalendarDate dayOf(const QDate& date) { return {date.year(), date.month(), date.day()}; }

    QTemporaryDir folder;
    std::unique_ptr<AppDelegate> app;
    std::vector<int> opened;
};

} // namespace

TEST_F(BrowseControllerTest, LaunchShowsTheNewestDayWithItsRecordingsAndMarksEveryRecordedDay)
{
    const QDate today = QDate::currentDate();
    EXPECT_EQ(calendar()->chosenDay(), dayOf(today));
    ASSERT_EQ(list()->getCount(), 6);
    EXPECT_EQ(list()->getCount(), app->playlist().count());
    for (int i = 0; i < app->playlist().count(); ++i)
        EXPECT_EQ(list()->getText(i).toStdString(), app->playlist().at(i).URL());
    // Names of every kind are shown whole and their dates are read.
    for (int row = 0; row < list()->getCount(); ++row) {
        const QString name = list()->getText(row).section('/', -1);
        if (name.size() <= FileListBox::kNameLength) {
            EXPECT_EQ(list()->rowTexts(row).name, name);
        }
        EXPECT_EQ(list()->rowTexts(row).date, today.toString("yyyy/MM/dd"));
    }
    const auto& cells = calendar()->cells();
    for (int i = 0; i < kMonthGridCells; ++i) {
        const bool recorded = cells[size_t(i)] == dayOf(today) || cells[size_t(i)] == dayOf(today.addDays(-3));
        EXPECT_EQ(calendar()->hasMark(i), recorded) << i;
    }
}

TEST_F(BrowseControllerTest, EachControlRebuildsThePlayList)
{
    click(FileListView::EventBox);
    EXPECT_FALSE(panel()->isShowEventFile());
    EXPECT_EQ(app->playlist().count(), 5);
    EXPECT_FALSE(rowNames().contains("EMER0001F.MP4"));
    EXPECT_GE(logIndexOf(logMessages(), "AppDelegate::rebuildPlaylist - video count = 5"), 0);
    for (FileListView::Box box : {FileListView::NormalBox, FileListView::ParkingBox, FileListView::TriplapseBox,
                                  FileListView::TimelapseBox})
        click(box);
    EXPECT_EQ(app->playlist().count(), 0);
    EXPECT_EQ(list()->getCount(), 0);
    list()->grab(); // an empty list paints
    for (int box = 0; box < FileListView::BoxCount; ++box)
        click(FileListView::Box(box));
    EXPECT_EQ(app->playlist().count(), 6);

    clickDay(dayOf(QDate::currentDate().addDays(-3)));
    EXPECT_EQ(rowNames(), QStringList{"FILE0002F.MP4"});

    QTest::mouseClick(calendar()->modeButton(), Qt::LeftButton); // all files
    EXPECT_EQ(app->playlist().count(), 7);
    EXPECT_EQ(list()->getCount(), 7);
    EXPECT_EQ(calendar()->height(), calendar()->calendarSize().height() - CalendarView::kFoldHeight);
    EXPECT_FALSE(calendar()->prevButton()->isVisible());
    EXPECT_EQ(calendar()->modeButton()->bitmapTitle(), pmLoadString("IDS_CALENDAR"));
    QTest::mouseClick(calendar()->modeButton(), Qt::LeftButton); // back to the chosen day
    EXPECT_EQ(rowNames(), QStringList{"FILE0002F.MP4"});
    EXPECT_EQ(calendar()->height(), calendar()->calendarSize().height());
}

TEST_F(BrowseControllerTest, ADoubleClickedRowIsMarkedAndAskedForOnce)
{
    const QPoint row = list()->slotFrame(1).center();
    QTest::mouseDClick(list()->window()->windowHandle(), Qt::LeftButton, {}, list()->mapTo(list()->window(), row));
    EXPECT_EQ(opened, std::vector<int>{1});
    EXPECT_EQ(panel()->playMarkIndex(), 1);
    EXPECT_EQ(list()->playMarkIndex(), 1);

    panel()->setCurSel(list()->getCount(), true); // past the end: nothing moves
    EXPECT_EQ(panel()->getCurSel(), 1);
    EXPECT_EQ(list()->playMarkIndex(), 1);
    panel()->setCurSel(4, true);
    EXPECT_EQ(panel()->getCurSel(), 4);
    EXPECT_EQ(list()->playMarkIndex(), 4);

    click(FileListView::EventBox); // a rebuild clears the mark
    EXPECT_EQ(list()->playMarkIndex(), -1);
}

TEST_F(BrowseControllerTest, VanishedRecordingsShowADashAndLeaveAtTheNextRebuild)
{
    const int row = int(rowNames().indexOf("FILE0001F.MP4"));
    ASSERT_GE(row, 0);
    ASSERT_TRUE(QFile::remove(list()->getText(row)));
    EXPECT_EQ(list()->rowTexts(row).date, "-");
    list()->grab();
    click(FileListView::EventBox);
    click(FileListView::EventBox);
    EXPECT_EQ(app->playlist().count(), 5);
    EXPECT_FALSE(rowNames().contains("FILE0001F.MP4"));

    // With every recording of the newest day gone, the newest day left is chosen.
    for (const QString& name : kToday)
        QFile::remove(QDir(folder.path()).filePath(name));
    app->checkLastVideoDate();
    EXPECT_EQ(calendar()->chosenDay(), dayOf(QDate::currentDate().addDays(-3)));
}

TEST_F(BrowseControllerTest, PanelsFollowTheLanguageAndTheWritingDirection)
{
    app->languageMenuItemClicked(7); // French
    EXPECT_EQ(panel()->checkBox(FileListView::EventBox)->title(), pmLoadString("IDS_EVENT"));
    EXPECT_EQ(calendar()->modeButton()->bitmapTitle(), pmLoadString("IDS_ALL"));
    const LogWatch layouts(kContentsLaidOut);
    app->languageMenuItemClicked(13); // Arabic: laid out again, mirrored
    ASSERT_TRUE(layouts.waitFor());
    EXPECT_EQ(panel()->x(), 0);
    EXPECT_EQ(list()->x(), panel()->width() - FileListView::kContentWidth);
    EXPECT_GT(panel()->checkBox(FileListView::EventBox)->x(), panel()->checkBox(FileListView::NormalBox)->x());
    EXPECT_TRUE(calendar()->prevButton()->isButtonFlipped());
}
