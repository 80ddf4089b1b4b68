// What screen readers and desktop automation find in the window: the skinned buttons, check
// boxes, drop-downs, sliders and file list rows with their names, roles and states, and the
// actions that press them as a click would.
#include "GuiTestSupport.h"

#include "LocalizedText.h"
#include "PreferenceKeys.h"
#include "Preferences.h"
#include "SkinnedAccessibility.h"
#include "ToolbarView.h"
#include "browse/CalendarView.h"
#include "util/MonthGrid.h"
#include "browse/CheckBox.h"
#include "browse/ComboBox.h"
#include "browse/FileListBox.h"
#include "browse/FileListView.h"
#include "controls/BitmapButton.h"
#include "controls/MultiButtons.h"
#include "controls/PlayControlView.h"
#include "controls/Slider.h"

#include <QAccessible>
#include <QDate>
#include <QLocale>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class AccessibilityTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        pmInstallSkinnedAccessibility();
        saveLanguageId(kLanguageEnglish); // the days are named in English
        writeRecording(dir.path(), "DCIM/MOVIEF/FILE0001F.MP4");
        writeRecording(dir.path(), "DCIM/MOVIEF/FILE0002F.MP4");
        writeRecording(dir.path(), "DCIM/EVENTF/EMER0001F.MP4");
        app = launchApplication(dir.path());
    }
    static QAccessibleInterface* of(QObject* object)
    {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
        EXPECT_NE(iface, nullptr);
        return iface;
    }
    static QString name(QAccessibleInterface* iface) { return iface->text(QAccessible::Name); }

    QTemporaryDir dir;
    std::unique_ptr<AppDelegate> app;
};

} // namespace

TEST_F(AccessibilityTest, SkinnedButtonsAreNamedByTheirToolTipsAndFollowTheirState)
{
    QAccessibleInterface* browse = of(app->toolbarView()->oBrowseBtn());
    EXPECT_EQ(browse->role(), QAccessible::Button);
    EXPECT_EQ(name(browse), pmLoadString("IDS_OPEN"));

    MultiButtons* play = app->playbarView()->poPlayBtn();
    EXPECT_EQ(name(of(play)), pmLoadString("IDS_PLAY"));
    // Pressed through the framework, the button plays as a click would, and its name follows.
    of(play)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(QTest::qWaitFor([this] { return app->getState() == 2; })); // Qt animates the press
    EXPECT_EQ(name(of(play)), pmLoadString("IDS_PAUSE"));

    // A disabled button says so.
    app->enableMediaButton(false);
    EXPECT_TRUE(of(app->playbarView()->poNextBtn())->state().disabled);
    // The calendar's mode button has no tool tip: its drawn title names it.
    EXPECT_EQ(name(of(app->calendarView()->modeButton())), app->calendarView()->modeButton()->bitmapTitle());
}

TEST_F(AccessibilityTest, CategoryBoxesAreCheckBoxesThatToggleTheFilter)
{
    CheckBox* events = app->fileListView()->checkBox(FileListView::EventBox);
    QAccessibleInterface* box = of(events);
    EXPECT_EQ(box->role(), QAccessible::CheckBox);
    EXPECT_EQ(name(box), pmLoadString("IDS_EVENT"));
    EXPECT_TRUE(box->state().checkable);
    ASSERT_TRUE(box->state().checked);
    app->showCalendar(false); // every day
    ASSERT_EQ(app->playlist().count(), 3);

    box->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_FALSE(box->state().checked);
    EXPECT_EQ(app->playlist().count(), 2); // the play list lost the event recording, as after a click
}

TEST_F(AccessibilityTest, FileListRowsAreListItemsThatOpenTheirRecording)
{
    app->showCalendar(false);
    QAccessibleInterface* list = of(app->fileListView()->fileListBox());
    EXPECT_EQ(list->role(), QAccessible::List);
    ASSERT_EQ(list->childCount(), 3);
    QAccessibleInterface* row = list->child(1);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->role(), QAccessible::ListItem);
    EXPECT_EQ(list->indexOfChild(row), 1);
    EXPECT_EQ(row->parent()->object(), app->fileListView()->fileListBox());
    const QString file = QFileInfo(QString::fromStdString(app->playlist().at(1).URL())).fileName();
    EXPECT_TRUE(name(row).startsWith(file)) << name(row).toStdString();
    EXPECT_FALSE(row->state().selected);

    row->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(app->getCurPlayIndex(), 1);
    EXPECT_TRUE(row->state().selected);
    EXPECT_EQ(list->childAt(row->rect().center().x(), row->rect().center().y()), row);
}

TEST_F(AccessibilityTest, SlidersAndDropDownsReportTheirValues)
{
    app->showCalendar(false);
    app->dblClickFile(0);
    QAccessibleInterface* time = of(app->playbarView()->poTimeSlider());
    EXPECT_EQ(time->role(), QAccessible::Slider);
    EXPECT_EQ(name(time), pmLoadString("IDS_PLAY_POSITION"));
    EXPECT_EQ(name(of(app->playbarView()->poVolumeSlider())), pmLoadString("IDS_VOLUME"));
    QAccessibleValueInterface* value = of(app->playbarView()->poVolumeSlider())->valueInterface();
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->maximumValue().toInt(), 10);
    value->setCurrentValue(3); // as a drag of the volume slider
    EXPECT_EQ(app->volume(), 3);
    value->setCurrentValue(40);
    EXPECT_EQ(app->volume(), 10);

    ComboBox* year = app->calendarView()->yearComboBox();
    QAccessibleInterface* combo = of(year);
    EXPECT_EQ(combo->role(), QAccessible::ComboBox);
    EXPECT_EQ(combo->text(QAccessible::Value), year->title());
    EXPECT_TRUE(combo->state().collapsed);
    combo->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(year->isListShown());
    QAccessibleInterface* years = of(year->listBox());
    EXPECT_EQ(years->role(), QAccessible::List);
    EXPECT_EQ(name(years->child(0)), year->listBox()->getText(0));
    combo->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_FALSE(year->isListShown());
}

TEST_F(AccessibilityTest, CalendarDaysAreButtonsNamedByTheirDatesThatChooseTheDay)
{
    CalendarView* calendar = app->calendarView();
    QAccessibleInterface* grid = of(calendar);
    const int widgets = grid->childCount() - kMonthGridCells;
    ASSERT_GE(widgets, 5); // month buttons, mode button, year and month drop-downs
    int chosen = -1, other = -1, grey = -1;
    for (int cell = 0; cell < kMonthGridCells; ++cell) {
        const CalendarDate& day = calendar->cells()[size_t(cell)];
        if (day == calendar->chosenDay())
            chosen = cell;
        else if (day.month != calendar->shownMonth().month)
            grey = cell;
        else
            other = cell;
    }
    ASSERT_GE(chosen, 0);
    ASSERT_GE(other, 0);
    QAccessibleInterface* today = grid->child(widgets + chosen);
    EXPECT_EQ(today->role(), QAccessible::Button);
    const CalendarDate& date = calendar->cells()[size_t(chosen)];
    EXPECT_EQ(name(today), QLocale("en").toString(QDate(date.year, date.month, date.day), QLocale::LongFormat));
    EXPECT_TRUE(today->state().checked);
    // The recordings were written today, the day the calendar chose.
    EXPECT_EQ(today->text(QAccessible::Description), pmLoadString("IDS_DAY_HAS_RECORDINGS"));
    EXPECT_EQ(grid->indexOfChild(today), widgets + chosen);
    EXPECT_EQ(grid->childAt(today->rect().center().x(), today->rect().center().y()), today);

    QAccessibleInterface* another = grid->child(widgets + other);
    EXPECT_TRUE(another->text(QAccessible::Description).isEmpty());
    another->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(another->state().checked);
    EXPECT_FALSE(today->state().checked);
    EXPECT_EQ(app->playlist().count(), 0); // the play list follows the chosen day
    if (grey >= 0) {
        EXPECT_TRUE(grid->child(widgets + grey)->state().disabled);
    }

    app->showCalendar(false); // the grid folds away, and its days with it
    EXPECT_EQ(grid->childCount(), widgets);
}
