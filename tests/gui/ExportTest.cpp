// The export button on a recording with a track: the save dialog in the export folder, named
// after the recording, writing the KML (or GPX) the user confirms, and a message when the file
// cannot be written.
#include "GuiTestSupport.h"

#include "NmeaWriter.h"
#include "Preferences.h"
#include "TempDir.h"
#include "TestClips.h"
#include "app/ToolbarView.h"
#include "controls/BitmapButton.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

QFileDialog* openDialog()
{
    QFileDialog* found = nullptr;
    EXPECT_TRUE(waitFor([&] {
        found = qApp->activeModalWidget() ? qobject_cast<QFileDialog*>(qApp->activeModalWidget()) : nullptr;
        if (!found) {
            for (QWidget* widget : QApplication::topLevelWidgets())
                if (auto* dialog = qobject_cast<QFileDialog*>(widget); dialog && dialog->isVisible())
                    found = dialog;
        }
        return found != nullptr;
    }));
    return found;
}

void typeNameAndSave(QFileDialog* dialog, const QString& name)
{
    auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit");
    ASSERT_NE(edit, nullptr);
    edit->clear();
    QTest::keyClicks(edit, name);
    QTest::keyClick(edit, Qt::Key_Return);
}

TEST(Export, ButtonWritesTheTrackThroughTheSaveDialog)
{
    TempDir card;
    const std::string clip = card.file("DCIM/MOVIEF/FILE0001F.MP4");
    ASSERT_TRUE(writeTestClip(clip, {.seconds = 3}));
    NmeaWriter nmea;
    for (int s = 0; s < 3; ++s)
        nmea.rmc({.secondOfDay = 36000 + s, .latitude = 25.1 + s * 0.001, .longitude = 121.5, .speedKnots = 20});
    QFile log(QString::fromStdString(card.file("DCIM/MOVIEF/FILE0001F.nmea")));
    ASSERT_TRUE(log.open(QIODevice::WriteOnly));
    log.write(nmea.text().c_str());
    log.close();
    TempDir exports;
    saveExportFolder(QString::fromStdString(exports.path()));

    auto app = launchApplication(QString::fromStdString(card.path()));
    ASSERT_TRUE(app->openRecording(QString::fromStdString(clip)));
    BitmapButton* exportButton = app->toolbarView()->oExportBtn();
    ASSERT_TRUE(waitFor([&] { return exportButton->isButtonEnabled(); }));

    QTest::mouseClick(exportButton, Qt::LeftButton);
    QFileDialog* dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(app->getState(), 3); // paused for the dialog
    EXPECT_EQ(dialog->windowModality(), Qt::WindowModal);
    EXPECT_EQ(QDir(dialog->directory()).absolutePath(), QDir(QString::fromStdString(exports.path())).absolutePath());
    EXPECT_EQ(dialog->findChild<QLineEdit*>("fileNameEdit")->text(), "FILE0001F.kml");
    EXPECT_EQ(dialog->nameFilters().size(), 3); // KML, GPX 1.1 and CSV
    QTest::keyClick(dialog->findChild<QLineEdit*>("fileNameEdit"), Qt::Key_Return);
    const QString kml = QString::fromStdString(exports.path()) + "/FILE0001F.kml";
    ASSERT_TRUE(waitFor([&] { return QFile::exists(kml); }));
    QFile written(kml);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray text = written.readAll();
    EXPECT_TRUE(text.contains("<name><![CDATA[FILE0001F.kml]]></name>"));
    EXPECT_TRUE(text.contains("121.500000,25.100000,"));

    // GPX as the second file type.
    QTest::mouseClick(exportButton, Qt::LeftButton);
    dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    dialog->selectNameFilter("GPX 1.1 (*.gpx)");
    emit dialog->filterSelected("GPX 1.1 (*.gpx)");
    EXPECT_EQ(dialog->findChild<QLineEdit*>("fileNameEdit")->text(), "FILE0001F.gpx");
    typeNameAndSave(dialog, "FILE0001F.gpx");
    EXPECT_TRUE(waitFor([&] { return QFile::exists(QString::fromStdString(exports.path()) + "/FILE0001F.gpx"); }));

    // A folder that cannot be written: the user is told, and nothing is left behind.
    const QString locked = QString::fromStdString(exports.path()) + "/locked";
    QDir().mkpath(locked);
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const bool rootIgnoresPermissions = QFile(locked + "/probe").open(QIODevice::WriteOnly);
    QFile::remove(locked + "/probe");
    QString message;
    QTest::mouseClick(exportButton, Qt::LeftButton);
    dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    const QString target = rootIgnoresPermissions ? "/proc/koriv-cannot-write.kml" : locked + "/x.kml";
    auto* watcher = new QTimer(app.get());
    QObject::connect(watcher, &QTimer::timeout, [&] {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible()) {
                message = box->text() + "|" + box->informativeText() + "|" + box->detailedText();
                box->accept();
            }
    });
    watcher->start(50);
    // The dialog refuses names in folders it cannot write to, so the choice is handed over as
    // the dialog itself reports it.
    emit dialog->fileSelected(target);
    dialog->close();
    EXPECT_TRUE(waitFor([&] { return !message.isEmpty(); }));
    EXPECT_TRUE(message.contains("The file could not be saved.")) << message.toStdString();
    EXPECT_FALSE(QFile::exists(target));
    watcher->stop();
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

} // namespace
