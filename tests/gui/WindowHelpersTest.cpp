// The one-button message box and the text-line rectangle every skinned control uses.
#include "app/AboutDialog.h"
#include "AppVersion.h"
#include "LocalizedText.h"
#include "MessageBox.h"
#include "TextLayout.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetricsF>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Presses the only button of the message box once it is up, after noting what it shows.
struct MessageBoxReader {
    QString heading;
    QStringList buttons;

    void pressWhenShown()
    {
        QTimer::singleShot(0, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            heading = box->text();
            for (QAbstractButton* button : box->buttons())
                buttons << button->text();
            box->buttons().first()->click();
        });
    }
};

} // namespace

TEST(MessageBox, ShowsOneOkButtonUnderTheTitleOrTheApplicationName)
{
    MessageBoxReader reader;
    reader.pressWhenShown();
    EXPECT_EQ(pmMessageBox("The folder is read-only.", "Backup"), 1);
    EXPECT_EQ(reader.heading, "Backup");
    EXPECT_EQ(reader.buttons, QStringList({pmLoadString("IDS_OK")}));

    MessageBoxReader untitled;
    untitled.pressWhenShown();
    pmMessageBox("No GPS data.");
    EXPECT_EQ(untitled.heading, pmLoadString("IDR_MAINFRAME"));
}

TEST(TextLayout, FitsTheRectangleToOneLineKeepingTheChosenEdge)
{
    QFont font("Helvetica");
    font.setPixelSize(14);
    const qreal line = QFontMetricsF(font).boundingRect("TEST").height();
    ASSERT_LT(line, 40);
    // y-up rectangles: y is the bottom edge.
    QRectF top(10, 100, 80, 40), centre = top, bottom = top;
    pmAdjustTextRect(top, font, 0);
    pmAdjustTextRect(centre, font, 1);
    pmAdjustTextRect(bottom, font, 2);
    EXPECT_DOUBLE_EQ(top.y() + top.height(), 140);
    EXPECT_DOUBLE_EQ(centre.y(), 100 + (40 - line) / 2);
    EXPECT_DOUBLE_EQ(bottom.y(), 100);
    for (const QRectF& r : {top, centre, bottom}) {
        EXPECT_DOUBLE_EQ(r.height(), line);
        EXPECT_DOUBLE_EQ(r.x(), 10);
        EXPECT_DOUBLE_EQ(r.width(), 80);
    }
}

TEST(AboutDialog, ShowsTheVersionInTheCopyrightText)
{
    AboutDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), pmLoadString("IDS_ABOUT"));
    bool versionShown = false;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        versionShown |= label->text().contains(pmGetVersion()) && !pmGetVersion().isEmpty();
    EXPECT_TRUE(versionShown);
}
