// The file list driven with the mouse and the wheel: which rows show, how far the scroll
// bar moves the rows, what a click posts and what each row says.
#include "GuiTestSupport.h"
#include "browse/FileListBox.h"
#include "NotificationCenter.h"
#include "NotificationNames.h"
#include "SkinImages.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class FileListBoxTest : public ::testing::Test {
protected:
    // A list five rows high with the rows given, shown so that it gets mouse events.
    std::unique_ptr<FileListBox> makeList(int rows, int shown = 5)
    {
        auto list = std::make_unique<FileListBox>(QRect(0, 0, 291, 40 * shown));
        for (int i = 0; i < rows; ++i)
            list->insertString(i, folder.filePath(QString::asprintf("FILE%04dF.MP4", i)));
        list->show();
        return list;
    }

    static void wheel(QWidget* widget, int delta, int times = 1)
    {
        for (int i = 0; i < times; ++i) {
            QWheelEvent event(QPointF(10, 10), widget->mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, delta),
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(widget, &event);
        }
    }

    QTemporaryDir tmp;
    QDir folder{tmp.path()};
};

} // namespace

TEST_F(FileListBoxTest, RowSizeComesFromTheSkinAndTallViewsShowAtMostFortyRows)
{
    auto list = makeList(100);
    EXPECT_EQ(list->itemSize(), pmGetSkinImage("list_d.png").size());
    EXPECT_EQ(list->itemCount(), 5);
    list->relayoutContents(false, QSize(291, 40 * 45));
    EXPECT_EQ(list->itemCount(), FileListBox::kSlotTableSize);
    list->grab(); // paints every slot without reading past the table
}

TEST_F(FileListBoxTest, WheelArrowsAndTrackStopAtTheEnds)
{
    auto list = makeList(12);
    wheel(list.get(), 120);
    EXPECT_EQ(list->startIndex(), 0); // already at the top
    wheel(list.get(), -120, 20);
    EXPECT_EQ(list->startIndex(), 7); // 12 rows, 5 shown
    QTest::mouseClick(list.get(), Qt::LeftButton, {}, list->downSpinFrame().center());
    EXPECT_EQ(list->startIndex(), 7);
    // Two rows above the slots: a page up goes to the top, not below it.
    wheel(list.get(), 120, 5);
    ASSERT_EQ(list->startIndex(), 2);
    const QRect thumb = list->thumbFrame();
    QTest::mouseClick(list.get(), Qt::LeftButton, {}, QPoint(thumb.center().x(), thumb.top() - 2));
    EXPECT_EQ(list->startIndex(), 0);
    QTest::mouseClick(list.get(), Qt::LeftButton, {}, QPoint(thumb.center().x(), list->thumbFrame().bottom() + 3));
    EXPECT_EQ(list->startIndex(), 5);
    QTest::mouseClick(list.get(), Qt::LeftButton, {}, list->upSpinFrame().center());
    EXPECT_EQ(list->startIndex(), 4);
}

TEST_F(FileListBoxTest, AHeldArrowRepeatsFiveRowsASecondUntilReleased)
{
    auto list = makeList(100);
    QTest::mousePress(list.get(), Qt::LeftButton, {}, list->downSpinFrame().center());
    EXPECT_EQ(list->startIndex(), 1);
    // Each repeat moves one row, whenever it comes.
    ASSERT_TRUE(waitFor([&] { return list->startIndex() >= 4; }));
    EXPECT_EQ(list->startIndex(), 4);
    QTest::mouseRelease(list.get(), Qt::LeftButton, {}, list->downSpinFrame().center());
    // A list held from now on repeats twice: the released one, had it kept repeating, would
    // have moved in that time too.
    auto clock = makeList(100);
    QTest::mousePress(clock.get(), Qt::LeftButton, {}, clock->downSpinFrame().center());
    ASSERT_TRUE(waitFor([&] { return clock->startIndex() >= 3; }));
    QTest::mouseRelease(clock.get(), Qt::LeftButton, {}, clock->downSpinFrame().center());
    EXPECT_EQ(list->startIndex(), 4);
}

TEST_F(FileListBoxTest, DraggingTheThumbMovesARowPerThumbGapAndSmallMovesAddUp)
{
    auto list = makeList(100);
    // Travel = 200 - 16 - 16 - 32 = 136 points for 95 rows.
    const double gap = 136.0 / 95.0;
    const QPoint grip = list->thumbFrame().center();
    QTest::mousePress(list.get(), Qt::LeftButton, {}, grip);
    QTest::mouseMove(list.get(), grip + QPoint(0, 1));
    EXPECT_EQ(list->startIndex(), 0); // under one row
    QTest::mouseMove(list.get(), grip + QPoint(0, 2));
    EXPECT_EQ(list->startIndex(), 1); // two points add up to a row
    QTest::mouseMove(list.get(), grip + QPoint(0, 2 + 30));
    EXPECT_EQ(list->startIndex(), 1 + int(30 / gap));
    QTest::mouseMove(list.get(), grip + QPoint(0, 400));
    EXPECT_EQ(list->startIndex(), 95);
    QTest::mouseRelease(list.get(), Qt::LeftButton, {}, grip + QPoint(0, 400));
}

TEST_F(FileListBoxTest, AShortListCannotScrollAndItsScrollBarStaysUnlit)
{
    auto list = makeList(5);
    EXPECT_FALSE(list->isScrollEnabled());
    wheel(list.get(), -120, 3);
    QTest::mouseClick(list.get(), Qt::LeftButton, {}, list->downSpinFrame().center());
    QTest::mouseMove(list.get(), list->downSpinFrame().center());
    EXPECT_EQ(list->startIndex(), 0);
    EXPECT_EQ(list->downSpinState(), 0);

    list->hide(); // the other list's window lies on top of it
    auto longList = makeList(6);
    QTest::mouseMove(longList.get(), QPoint(50, 50));
    QTest::mouseMove(longList.get(), longList->downSpinFrame().center());
    EXPECT_EQ(longList->downSpinState(), ScrollListBox::StateRollover);
    QTest::mouseMove(longList.get(), QPoint(100, 100));
    EXPECT_EQ(longList->downSpinState(), 0);
}

TEST_F(FileListBoxTest, ClicksSelectAndADoubleClickPostsEachNotificationOnce)
{
    auto list = makeList(20);
    list->setRealParent("<Owner: 0x1>");
    NotificationRecorder changed(kFileListBoxChangedNotification);
    NotificationRecorder doubled(kFileListBoxDoubleClickNotification);
    wheel(list.get(), -120, 3);
    // Through the window, as the windowing system delivers a double click.
    QTest::mouseDClick(list->windowHandle(), Qt::LeftButton, {}, list->slotFrame(2).center());
    EXPECT_EQ(list->getCurSel(), 5);
    ASSERT_EQ(changed.posts.size(), 1u);
    ASSERT_EQ(doubled.posts.size(), 1u);
    EXPECT_EQ(doubled.posts[0].object.toInt(), 5);
    EXPECT_EQ(doubled.posts[0].userInfo.value(kParentWindowKey).toString(), "<Owner: 0x1>");

    // Below the last row of a short list nothing is chosen.
    auto shortList = makeList(2);
    QTest::mouseClick(shortList.get(), Qt::LeftButton, {}, shortList->slotFrame(3).center());
    EXPECT_EQ(changed.posts.size(), 1u);
}

TEST_F(FileListBoxTest, SelectingARowOutOfViewScrollsItToTheNearestEdge)
{
    auto list = makeList(50);
    list->setCurSel(12);
    EXPECT_EQ(list->startIndex(), 8); // the bottom slot
    list->setCurSel(3);
    EXPECT_EQ(list->startIndex(), 3); // the top slot
    list->setCurSel(5);
    EXPECT_EQ(list->startIndex(), 3); // already in view
}

TEST_F(FileListBoxTest, RowsShowTheNameCutAfterTwentyThreeCharactersAndTheFileTime)
{
    FileListBox list(QRect(0, 0, 291, 200));
    const QStringList names = {"EVEN0001F_ABCDEFGHIJKL.MP4" /* 26 */, "FILE0001F_abcdefghij.MP4" /* 24 */,
                               "FILE0001F_abcdefghi.MP4" /* 23 */, "Trip 100% #1 カメラ.MP4",
                               "PARK01 שלום مرحبا.MP4"};
    const QDateTime when(QDate(2015, 3, 7), QTime(8, 9, 10));
    for (const QString& name : names) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.setFileTime(when, QFileDevice::FileModificationTime);
        list.insertString(0, file.fileName());
    }
    EXPECT_EQ(list.rowTexts(0).name, "EVEN0001F_ABCDEFGHIJKL....");
    EXPECT_EQ(list.rowTexts(1).name, "FILE0001F_abcdefghij.MP...");
    EXPECT_EQ(list.rowTexts(2).name, "FILE0001F_abcdefghi.MP4");
    EXPECT_EQ(list.rowTexts(3).name, names[3]);
    EXPECT_EQ(list.rowTexts(4).name, names[4]);
    EXPECT_EQ(list.rowTexts(4).date, "2015/03/07");
    EXPECT_EQ(list.rowTexts(4).time, "08:09:10");

    ASSERT_TRUE(QFile::remove(folder.filePath(names[4])));
    EXPECT_EQ(list.rowTexts(4).name, names[4]);
    EXPECT_EQ(list.rowTexts(4).date, "-");
    EXPECT_EQ(list.rowTexts(4).time, "-");
    list.grab(); // a vanished row paints as well
}

TEST_F(FileListBoxTest, EachCategoryHasItsIcon)
{
    FileListBox list(QRect(0, 0, 291, 200));
    for (const char* name : {"FILE0001F.MP4", "EMER0001F.MP4", "PARK0001F.MP4", "TRIP0001F.MP4", "TIME0001F.MP4"})
        list.insertString(0, folder.filePath(name));
    const QImage event = pmGetSkinImage("icon_event.png");
    const QImage parking = pmGetSkinImage("icon_parking.png");
    EXPECT_TRUE(list.categoryIcon(0).isNull());
    EXPECT_EQ(list.categoryIcon(1), event);
    EXPECT_EQ(list.categoryIcon(2), parking);
    EXPECT_TRUE(list.categoryIcon(3).isNull()); // triplapse
    EXPECT_EQ(list.categoryIcon(4), parking);   // time-lapse
}

TEST_F(FileListBoxTest, MirroredRowsKeepTheirTextsAtTheRightUnderARightToLeftApplication)
{
    QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    FileListBox list(QRect(0, 0, 291, 80));
    list.relayoutContents(true, list.size());
    list.insertString(0, folder.filePath("A.MP4"));
    list.setCurSel(1); // no selection bar behind the row
    const QImage shown = list.grab().toImage();
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    // The name's box runs from x 16 to 226 and its text ends at the right.
    const auto inked = [&](int from, int to) {
        const QColor ground = shown.pixelColor(from, 40 - 34 + 2);
        for (int x = from; x < to; ++x)
            for (int y = 6; y < 22; ++y)
                if (shown.pixelColor(x, y) != ground)
                    return true;
        return false;
    };
    EXPECT_FALSE(inked(16, 150));
    EXPECT_TRUE(inked(180, 226));
}
