// The clip export as the user meets it: the dialog's choices and proposed name, mirrored in
// Arabic, and the export behind the progress window: written with its GPX, cancelled, or
// failed with a message, never leaving a partial file.

#include "ModalScript.h"
#include "NmeaWriter.h"
#include "TestClips.h"
#include "TmpfsMount.h"

#include "LocalizedText.h"
#include "PreferenceKeys.h"
#include "Preferences.h"
#include "display/GpsInfoText.h"
#include "tools/ClipExportDlg.h"
#include "tools/ClipExportFlow.h"
#include "tools/ProgressDlg.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A front and rear pair of 4 s with a track beside the front one.
std::vector<ClipPart> recordedPair(const QTemporaryDir& dir)
{
    ClipOptions o;
    o.seconds = 4;
    o.width = 320;
    o.height = 240;
    const std::string front = dir.filePath("FILE0001F.MP4").toStdString();
    EXPECT_TRUE(writeTestClip(front, o));
    o.inverted = true;
    EXPECT_TRUE(writeTestClip(dir.filePath("FILE0001R.MP4").toStdString(), o));
    NmeaWriter nmea;
    for (int s = 0; s < 4; ++s)
        nmea.rmc({.secondOfDay = 43200 + s, .latitude = 48.1 + s * 0.0002, .longitude = 11.5, .speedKnots = 20});
    QFile log(dir.filePath("FILE0001F.nmea"));
    EXPECT_TRUE(log.open(QIODevice::WriteOnly));
    log.write(nmea.text().data(), qint64(nmea.text().size()));
    log.close();
    std::string error;
    std::vector<ClipPart> parts = pmClipParts(std::vector<std::string>{front}, 0.5, 3.5, error);
    EXPECT_FALSE(parts.empty()) << error;
    return parts;
}

QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden);
}

} // namespace

TEST(ClipExportDlg, OffersTheChoicesAndProposesTheName)
{
    QTemporaryDir folder;
    EXPECT_EQ(ClipExportDlg::defaultFileName("/card/DCIM/FILE0002F.MP4", 12.4, 46.2), "FILE0002F_12-47.mp4");

    ClipExportDlg frontOnly("/card/DCIM/FILE0002F.MP4", 12.4, 46.2, false, folder.path(), nullptr);
    EXPECT_EQ(frontOnly.camerasBox()->count(), 1) << "no rear recording: the front alone";
    EXPECT_EQ(frontOnly.choice().output, QDir(folder.path()).filePath("FILE0002F_12-47.mp4"));
    EXPECT_EQ(frontOnly.windowTitle(), pmLoadString("IDS_EXPORT_CLIP"));

    ClipExportDlg dialog("/card/DCIM/FILE0002F.MP4", 12.4, 46.2, true, folder.path(), nullptr);
    ASSERT_EQ(dialog.camerasBox()->count(), 4);
    EXPECT_EQ(dialog.overlayBox()->count(), 3);
    dialog.camerasBox()->setCurrentIndex(3);
    dialog.overlayBox()->setCurrentIndex(2);
    dialog.soundBox()->setCurrentIndex(1);
    dialog.fileNameEdit()->setText("crash");
    const ClipExportChoice choice = dialog.choice();
    EXPECT_EQ(choice.cameras, ClipCameras::PictureInPicture);
    EXPECT_EQ(choice.overlay, ClipOverlay::Full);
    EXPECT_FALSE(choice.sound);
    EXPECT_EQ(choice.output, QDir(folder.path()).filePath("crash.mp4"));
    for (const char* bad : {"", "  ", "a/b.mp4", ".."}) {
        dialog.fileNameEdit()->setText(bad);
        EXPECT_FALSE(dialog.okButton()->isEnabled()) << bad;
    }
    dialog.fileNameEdit()->setText("clip.mov");
    EXPECT_TRUE(dialog.okButton()->isEnabled());
}

TEST(ClipExportDlg, MirroredInArabic)
{
    QTemporaryDir folder;
    const int language = getLanguageId();
    saveLanguageId(kLanguageArabic);
    {
        ClipExportDlg dialog("/card/FILE0001F.MP4", 0, 10, true, folder.path(), nullptr);
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        EXPECT_EQ(dialog.layoutDirection(), Qt::RightToLeft);
        const QLabel* label = dialog.findChild<QLabel*>("camerasLabel");
        ASSERT_NE(label, nullptr);
        EXPECT_GT(label->geometry().left(), dialog.camerasBox()->geometry().right()) << "the label on the right";
        EXPECT_GT(dialog.cancelButton()->geometry().left(), dialog.okButton()->geometry().right());
        EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("تصدير مقطع"));
    }
    saveLanguageId(language);
    ClipExportDlg dialog("/card/FILE0001F.MP4", 0, 10, true, folder.path(), nullptr);
    EXPECT_EQ(dialog.layoutDirection(), Qt::LeftToRight);
}

TEST(ClipExportFlow, ExportsTheChoiceBehindTheProgressWindowWithItsGpx)
{
    QTemporaryDir cards;
    QTemporaryDir out;
    saveExportFolder(out.path());
    ClipExportFlow flow(nullptr);
    QSignalSpy finished(&flow, &ClipExportFlow::finished);
    ModalScript script;
    script.then<ClipExportDlg>([](ClipExportDlg* dialog) {
        dialog->camerasBox()->setCurrentIndex(3);
        dialog->overlayBox()->setCurrentIndex(2);
        QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    });
    ASSERT_TRUE(flow.start(recordedPair(cards), SpeedUnitKmh));
    ASSERT_TRUE(flow.isRunning());
    EXPECT_TRUE(flow.progressWindow()->isVisible());
    EXPECT_EQ(flow.progressWindow()->windowTitle(), pmLoadString("IDS_EXPORT_CLIP"));
    ASSERT_TRUE(finished.wait(30000));
    EXPECT_TRUE(finished.at(0).at(0).toBool());
    EXPECT_EQ(finished.at(0).at(1).toString(), QDir(out.path()).filePath("FILE0001F_0-4.mp4"));
    EXPECT_EQ(filesIn(out.path()), (QStringList{"FILE0001F_0-4.gpx", "FILE0001F_0-4.mp4"}));
    EXPECT_FALSE(flow.progressWindow()->isVisible());
    EXPECT_EQ(flow.progressWindow()->percent(), 100);
    EXPECT_TRUE(script.messages().isEmpty());
}

TEST(ClipExportFlow, CancelAndFailureLeaveNothing)
{
    QTemporaryDir cards;
    const std::vector<ClipPart> parts = recordedPair(cards);
    QTemporaryDir out;
    ClipExportFlow flow(nullptr);
    QSignalSpy finished(&flow, &ClipExportFlow::finished);
    ClipExportChoice choice{ClipCameras::SideBySide, ClipOverlay::DateTime, true, QDir(out.path()).filePath("a.mp4")};
    ASSERT_TRUE(flow.run(parts, choice, SpeedUnitKmh));
    EXPECT_FALSE(flow.run(parts, choice, SpeedUnitKmh)) << "one export at a time";
    QTest::mouseClick(flow.progressWindow()->cancelButton(), Qt::LeftButton);
    ModalScript script;
    ASSERT_TRUE(finished.wait(30000));
    EXPECT_FALSE(finished.at(0).at(0).toBool());
    EXPECT_TRUE(script.messages().isEmpty()) << "a cancel says nothing";
    EXPECT_TRUE(filesIn(out.path()).isEmpty());

    TmpfsMount full(64 * 1024);
    if (!full.mounted())
        GTEST_SKIP() << full.error();
    // One page left free: less than the clip needs.
    QFile filler(QString::fromStdString(full.path() + "/filler"));
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
    filler.write(QByteArray(60 * 1024, 'x'));
    filler.close();
    choice.output = QString::fromStdString(full.path() + "/a.mp4");
    ASSERT_TRUE(flow.run(parts, choice, SpeedUnitKmh));
    ASSERT_TRUE(finished.wait(30000));
    EXPECT_FALSE(finished.at(1).at(0).toBool());
    ASSERT_TRUE(script.waitDone());
    EXPECT_EQ(script.messages(), QStringList{pmLoadString("IDS_ERR_NO_DISK_SPACE")});
    EXPECT_EQ(filesIn(QString::fromStdString(full.path())), QStringList{"filler"});
}
