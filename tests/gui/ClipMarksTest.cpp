// A clip marked while watching: the I and O keys and the Playback menu's commands, the marks
// on the time slider of each recording the clip runs through, kept from one recording to the
// next of a drive and cleared by a mark in another drive, and the marked clip exported through
// its dialog across two recordings with both cameras and the overlay.
#include "GpxSchema.h"
#include "GuiTestSupport.h"
#include "ModalScript.h"
#include "NmeaWriter.h"
#include "TestClips.h"

#include "LocalizedText.h"
#include "MediaAsset.h"
#include "Preferences.h"
#include "app/MainWindow.h"
#include "controls/PlayControlView.h"
#include "controls/Slider.h"
#include "playback/VideoPlayerView.h"
#include "tools/ClipExportDlg.h"
#include "tools/ClipExportFlow.h"

#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>

namespace {

class ClipMarksTest : public ::testing::Test {
protected:
    // Front and rear of two minutes of one drive (4 s each, with the front's track), then a
    // front alone two hours later: another drive.
    void SetUp() override
    {
        const QDateTime ten(QDate::currentDate().addDays(-1), QTime(10, 0));
        write("FILE0001", ten, true);
        write("FILE0002", ten.addSecs(60), true);
        write("FILE0003", ten.addSecs(7200), false);
        app = launchApplication(dir.path());
        app->mainWindow()->activateWindow(); // window shortcuts act in the active window only
        ASSERT_TRUE(QTest::qWaitForWindowActive(app->mainWindow()));
        slider = app->playbarView()->poTimeSlider();
        QMenu* playback = app->mainWindow()->menuBar()->actions().at(1)->menu();
        ASSERT_NE(playback, nullptr);
        for (QAction* action : playback->actions()) {
            if (action->text() == pmLoadString("IDS_MARK_CLIP_END"))
                markEnd = action;
            if (action->text() == pmLoadString("IDS_EXPORT_CLIP_MENU"))
                exportClip = action;
        }
        ASSERT_NE(markEnd, nullptr);
        ASSERT_NE(exportClip, nullptr);
    }

    void write(const QString& stem, const QDateTime& date, bool rear)
    {
        ClipOptions options;
        options.seconds = 4;
        options.width = 320;
        options.height = 240;
        const QString front = dir.filePath("DCIM/100F/" + stem + "F.MP4");
        QDir().mkpath(QFileInfo(front).absolutePath());
        ASSERT_TRUE(writeTestClip(front.toStdString(), options));
        NmeaWriter nmea;
        for (int s = 0; s < 4; ++s)
            nmea.rmc({.secondOfDay = date.time().msecsSinceStartOfDay() / 1000 + s, .latitude = 25.5 + s * 0.0002,
                      .longitude = 121.25, .speedKnots = 27});
        QFile log(dir.filePath("DCIM/100F/" + stem + "F.nmea"));
        ASSERT_TRUE(log.open(QIODevice::WriteOnly));
        log.write(nmea.text().data(), qint64(nmea.text().size()));
        log.close();
        setDate(front, date);
        if (!rear)
            return;
        const QString back = dir.filePath("DCIM/100R/" + stem + "R.MP4");
        QDir().mkpath(QFileInfo(back).absolutePath());
        options.inverted = true;
        ASSERT_TRUE(writeTestClip(back.toStdString(), options));
        setDate(back, date);
    }

    static void setDate(const QString& path, const QDateTime& date)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        file.setFileTime(date, QFileDevice::FileModificationTime);
    }

    int indexOf(const QString& stem) const
    {
        for (int i = 0; i < app->playlist().count(); ++i)
            if (QFileInfo(QString::fromStdString(app->playlist().at(i).URL())).completeBaseName() == stem)
                return i;
        return -1;
    }

    // Opens the recording, paused at that second, as a click on the route would show it.
    void showAt(const QString& stem, int second)
    {
        app->openAt(indexOf(stem), second);
        ASSERT_TRUE(waitFor([&] { return app->getCurPlayIndex() == indexOf(stem) && app->playersShowSecond(-1); }));
        app->pausePlayback();
        app->openAt(indexOf(stem), second);
        ASSERT_TRUE(waitFor([&] { return std::fabs(app->videoPlayView()->getitemTime() - second) < 0.05; }));
    }

    void key(Qt::Key qtKey) { QTest::keyClick(app->mainWindow(), qtKey); }

    QTemporaryDir dir;
    std::unique_ptr<AppDelegate> app;
    Slider* slider = nullptr;
    QAction* markEnd = nullptr;
    QAction* exportClip = nullptr;
};

SliderMarks marks(std::optional<int> in, std::optional<int> out, bool fromStart = false, bool toEnd = false)
{
    return {in, out, fromStart, toEnd};
}

} // namespace

TEST_F(ClipMarksTest, MarksFollowTheDriveAcrossRecordingsAndAreClearedByAnotherDrive)
{
    showAt("FILE0001F", 1);
    key(Qt::Key_I);
    EXPECT_EQ(app->clipMarks().in().entry, indexOf("FILE0001F"));
    EXPECT_NEAR(app->clipMarks().in().seconds, 1, 0.05);
    EXPECT_EQ(slider->clipMarks(), marks(1, std::nullopt));
    EXPECT_FALSE(exportClip->isEnabled()) << "no end yet";

    key(Qt::Key_PageDown); // the next pair of the same drive
    ASSERT_TRUE(waitFor([&] { return app->getCurPlayIndex() == indexOf("FILE0002F"); }));
    EXPECT_TRUE(app->clipMarks().in().isSet()) << "the start stays behind in its recording";
    EXPECT_EQ(slider->clipMarks(), SliderMarks());
    showAt("FILE0002F", 2);
    markEnd->trigger();
    EXPECT_EQ(app->clipMarks().out().entry, indexOf("FILE0002F"));
    EXPECT_TRUE(exportClip->isEnabled());
    EXPECT_EQ(slider->clipMarks(), marks(std::nullopt, 2, true)) << "shaded from the start up to the end";
    key(Qt::Key_PageUp);
    ASSERT_TRUE(waitFor([&] { return app->getCurPlayIndex() == indexOf("FILE0001F"); }));
    EXPECT_EQ(slider->clipMarks(), marks(1, std::nullopt, false, true)) << "from the start on to the end";

    // An end before the start makes no clip: the start goes, the user's last mark stands.
    showAt("FILE0001F", 0);
    key(Qt::Key_O);
    EXPECT_FALSE(app->clipMarks().in().isSet());
    EXPECT_EQ(app->clipMarks().out().entry, indexOf("FILE0001F"));
    EXPECT_FALSE(exportClip->isEnabled());
    key(Qt::Key_I); // at the same moment: still no clip
    EXPECT_FALSE(app->clipMarks().out().isSet());
    EXPECT_EQ(slider->clipMarks(), marks(0, std::nullopt));

    // A mark in another drive clears the start: a clip never jumps from one drive to another.
    showAt("FILE0003F", 1);
    key(Qt::Key_O);
    EXPECT_FALSE(app->clipMarks().in().isSet());
    EXPECT_EQ(app->clipMarks().out().entry, indexOf("FILE0003F"));
    EXPECT_FALSE(exportClip->isEnabled());
    EXPECT_EQ(slider->clipMarks(), marks(std::nullopt, 1));

    // A new play list: the positions the marks named are gone.
    app->rebuildPlaylist();
    EXPECT_FALSE(app->clipMarks().out().isSet());
    EXPECT_FALSE(exportClip->isEnabled());
}

TEST_F(ClipMarksTest, TheMarkedClipIsExportedAcrossTwoRecordingsWithBothCamerasAndItsTrack)
{
    QTemporaryDir out;
    saveExportFolder(out.path());
    showAt("FILE0001F", 1);
    key(Qt::Key_I);
    showAt("FILE0002F", 2);
    key(Qt::Key_O);
    ASSERT_TRUE(exportClip->isEnabled());

    QSignalSpy finished(app->clipExportFlow(), &ClipExportFlow::finished);
    ModalScript script;
    script.then<ClipExportDlg>([](ClipExportDlg* dialog) {
        dialog->camerasBox()->setCurrentIndex(3); // the rear in the front's picture
        dialog->overlayBox()->setCurrentIndex(2); // date, time, speed, position and G values
        QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    });
    exportClip->trigger();
    ASSERT_TRUE(finished.wait(60000));
    ASSERT_TRUE(finished.at(0).at(0).toBool()) << script.messages().join('\n').toStdString();
    EXPECT_TRUE(script.messages().isEmpty());

    const QString clip = finished.at(0).at(1).toString();
    const double in = app->clipMarks().in().seconds;
    const double length = MediaAsset(dir.filePath("DCIM/100F/FILE0001F.MP4")).duration() - in + app->clipMarks().out().seconds;
    MediaAsset asset(clip);
    EXPECT_NEAR(asset.duration(), length, 0.04) << "within a frame";
    // Half a second into the second recording: its second 0, front and rear.
    const QImage picture = asset.imageAt(length - app->clipMarks().out().seconds + 0.5);
    ASSERT_FALSE(picture.isNull());
    const QRgb front = picture.pixel(160, 100);
    const QRgb rear = picture.pixel(259, 45);
    EXPECT_EQ(clipSecondOf(qRed(front), qGreen(front), qBlue(front)), 0);
    EXPECT_EQ(clipSecondOf(qRed(rear), qGreen(rear), qBlue(rear), true), 0);

    const QString gpx = QFileInfo(clip).dir().filePath(QFileInfo(clip).completeBaseName() + ".gpx");
    EXPECT_EQ(gpxSchemaErrors(gpx.toStdString()), "");
    EXPECT_EQ(QDir(out.path()).entryList(QDir::Files | QDir::Hidden).size(), 2) << "no temporary left";
}
