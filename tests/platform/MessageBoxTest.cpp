// The one-button message box: its heading and its button.
#include "LocalizedText.h"
#include "MessageBox.h"

#include <QAbstractButton>
#include <QApplication>
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
