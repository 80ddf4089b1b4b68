// The check box and the drop-down, driven with the mouse: what they show, what they post and
// how an open list takes the application's clicks.
#include "GuiTestSupport.h"
#include "browse/CheckBox.h"
#include "browse/ComboBox.h"
#include "browse/ListBox.h"
#include "NotificationCenter.h"
#include "NotificationNames.h"
#include "SkinImages.h"
#include "controls/BitmapButton.h"
#include "controls/IdentityString.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A window with a year drop-down at the top left and a plain button far from it.
struct DropDownWindow {
    DropDownWindow()
    {
        window.resize(400, 300);
        combo = new ComboBox(QRect(10, 10, 67, 27), &window);
        combo->setRealParent("<Calendar: 0x1>");
        for (int year = 2000; year <= 2049; ++year)
            combo->insertString(year - 2000, QString::number(year));
        combo->setCurSel(26);
        other = new QPushButton("elsewhere", &window);
        other->setGeometry(250, 200, 100, 30);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    void open() { QTest::mouseClick(combo->spinButton(), Qt::LeftButton); }
    ListBox* list() const { return combo->listBox(); }

    QWidget window;
    ComboBox* combo = nullptr;
    QPushButton* other = nullptr;
};

} // namespace

TEST(CheckBox, AClickFlipsTheMarkAndPostsItWithBothIdentities)
{
    CheckBox box(QRect(0, 0, 80, 18));
    box.setRealParent("<Panel: 0x1>");
    box.enableCheckBox(true);
    box.show();
    NotificationRecorder posts(kCheckBoxChangedNotification);
    EXPECT_EQ(box.shownImage(), pmGetSkinImage("calendar_checkbox.png"));
    QTest::mousePress(&box, Qt::LeftButton);
    EXPECT_TRUE(box.isButtonChecked());
    // The "uncheckbox" images are the ticked ones; pressed, the roll-over variant shows.
    EXPECT_EQ(box.shownImage(), pmGetSkinImage("calendar_uncheckbox_f.png"));
    QTest::mouseRelease(&box, Qt::LeftButton);
    EXPECT_EQ(box.shownImage(), pmGetSkinImage("calendar_uncheckbox.png"));
    ASSERT_EQ(posts.posts.size(), 1u);
    EXPECT_EQ(posts.posts[0].object.toBool(), true);
    EXPECT_EQ(posts.posts[0].userInfo.value(kParentWindowKey).toString(), "<Panel: 0x1>");
    EXPECT_EQ(posts.posts[0].userInfo.value(kCheckBoxWindowKey).toString(), pmIdentityString(&box));
}

TEST(CheckBox, ADisabledBoxKeepsItsMarkAndPostsNothing)
{
    CheckBox box(QRect(0, 0, 80, 18));
    box.setCheck(true);
    box.show();
    NotificationRecorder posts(kCheckBoxChangedNotification);
    QTest::mouseClick(&box, Qt::LeftButton);
    EXPECT_TRUE(box.isButtonChecked());
    EXPECT_TRUE(posts.posts.empty());
    EXPECT_EQ(box.shownImage(), pmGetSkinImage("calendar_uncheckbox_g.png"));
}

TEST(CheckBox, MirroredTheBoxGoesRightAndTheTextLeft)
{
    CheckBox box(QRect(0, 0, 100, 18));
    box.setTitle("Event");
    const QImage left = box.grab().toImage();
    box.relayoutContents(true);
    const QImage right = box.grab().toImage();
    const QImage mark = pmGetSkinImage("calendar_checkbox.png");
    EXPECT_EQ(left.copy(0, 0, mark.width(), mark.height()).convertToFormat(QImage::Format_ARGB32),
              right.copy(100 - mark.width(), 0, mark.width(), mark.height()).convertToFormat(QImage::Format_ARGB32));
}

TEST(ComboBox, ChoosingAnEntryAfterScrollingPostsItsIndexAndShowsItsText)
{
    DropDownWindow w;
    NotificationRecorder combos(kComboBoxChangedNotification);
    w.open();
    ASSERT_TRUE(w.combo->isListShown());
    EXPECT_EQ(w.list()->geometry(), QRect(10, 37, 67, 144)); // directly below the field
    EXPECT_EQ(w.list()->startIndex(), 19); // the chosen entry in the bottom slot
    for (int i = 0; i < 14; ++i)
        QTest::mouseClick(w.list(), Qt::LeftButton, {}, w.list()->downSpinFrame().center());
    ASSERT_EQ(w.list()->startIndex(), 33);
    QTest::mouseClick(w.list(), Qt::LeftButton, {}, w.list()->slotFrame(6).center());
    EXPECT_FALSE(w.combo->isListShown());
    EXPECT_FALSE(w.list()->isVisible());
    ASSERT_EQ(combos.posts.size(), 1u);
    EXPECT_EQ(combos.posts[0].object.toInt(), 39);
    EXPECT_EQ(combos.posts[0].userInfo.value(kComboWindowKey).toString(), pmIdentityString(w.combo));
    EXPECT_EQ(combos.posts[0].userInfo.value(kParentWindowKey).toString(), "<Calendar: 0x1>");
    EXPECT_EQ(w.combo->title(), "2039");
    EXPECT_EQ(w.combo->getCurSel(), 39);
}

TEST(ComboBox, AClickOutsideTheOpenListClosesItAndReachesNothingElse)
{
    DropDownWindow w;
    NotificationRecorder rows(kListBoxChangedNotification);
    NotificationRecorder combos(kComboBoxChangedNotification);
    QSignalSpy pressed(w.other, &QPushButton::pressed);
    w.open();
    ASSERT_TRUE(w.list()->isCapturingMouse());
    QTest::mouseClick(w.window.windowHandle(), Qt::LeftButton, {}, w.other->geometry().center());
    EXPECT_EQ(pressed.count(), 0); // swallowed
    EXPECT_FALSE(w.combo->isListShown());
    EXPECT_FALSE(w.list()->isCapturingMouse());
    ASSERT_EQ(rows.posts.size(), 1u);
    EXPECT_EQ(rows.posts[0].object.toInt(), -1);
    EXPECT_TRUE(combos.posts.empty());
    EXPECT_EQ(w.combo->title(), "2026");
    EXPECT_EQ(w.combo->getCurSel(), 26);
    // Closed, clicks go where they are aimed again.
    QTest::mouseClick(w.window.windowHandle(), Qt::LeftButton, {}, w.other->geometry().center());
    EXPECT_EQ(pressed.count(), 1);
    EXPECT_EQ(rows.posts.size(), 1u);
}

TEST(ComboBox, TheArrowClosesTheListItOpened)
{
    DropDownWindow w;
    NotificationRecorder combos(kComboBoxChangedNotification);
    w.open();
    ASSERT_TRUE(w.combo->isListShown());
    w.open(); // the arrow lies outside the list: the click closes it and goes no further
    EXPECT_FALSE(w.combo->isListShown());
    EXPECT_TRUE(combos.posts.empty());
}

TEST(ListBox, EightEntriesOrFewerCannotScroll)
{
    ListBox list(QRect(0, 0, 67, 144));
    for (int i = 0; i < 8; ++i)
        list.insertString(i, QString::number(i + 1));
    list.show();
    EXPECT_FALSE(list.isScrollEnabled());
    QTest::mouseClick(&list, Qt::LeftButton, {}, list.downSpinFrame().center());
    QTest::mouseMove(&list, list.downSpinFrame().center());
    EXPECT_EQ(list.startIndex(), 0);
    EXPECT_EQ(list.downSpinState(), 0);
    list.insertString(8, "9");
    EXPECT_TRUE(list.isScrollEnabled());
    list.setCurSel(8);
    EXPECT_EQ(list.startIndex(), 1);
}
