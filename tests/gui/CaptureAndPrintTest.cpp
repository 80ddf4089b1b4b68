// Capture and print previews on real clips: every second of a clip has its own colour and the
// rear camera's colours are inverted, so a saved or printed picture tells its second and camera.

#include "ModalScript.h"
#include "TestClips.h"
#include "TmpfsMount.h"

#include "LocalizedText.h"
#include "MediaAsset.h"
#include "Preferences.h"
#include "controls/BitmapButton.h"
#include "tools/CameraButtonStrip.h"
#include "tools/CapturePreviewDlg.h"
#include "tools/PrintCanvasView.h"
#include "tools/PrintWindowController.h"

#include <QFileDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

int secondOf(const QImage& image, QPoint at, bool inverted)
{
    const QColor c = image.pixelColor(at);
    return clipSecondOf(c.red(), c.green(), c.blue(), inverted);
}

class CaptureAndPrint : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ClipOptions rear;
        rear.inverted = true;
        ASSERT_TRUE(writeTestClip(dir.filePath("FILE0001F.MP4").toStdString()));
        ASSERT_TRUE(writeTestClip(dir.filePath("FILE0001R.MP4").toStdString(), rear));
        front = MediaAsset(dir.filePath("FILE0001F.MP4")).imageAt(2.0);
        back = MediaAsset(dir.filePath("FILE0001R.MP4")).imageAt(2.0);
        ASSERT_FALSE(front.isNull());
        ASSERT_FALSE(back.isNull());
        owner.show();
    }

    QTemporaryDir dir;
    QImage front, back;
    QWidget owner;
};

} // namespace

TEST_F(CaptureAndPrint, BothCamerasGiveTwoFilesOfThatSecondAndAFailedWriteIsTold)
{
    pmSaveCaptureFolder(dir.path());
    CapturePreviewDlg dialog(front, back, &owner);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), pmLoadString("IDS_CAPTURE_PREVIEW"));
    EXPECT_EQ(dialog.captureOptions(), 3);
    const QImage combined = dialog.shownImage();
    ASSERT_EQ(combined.size(), QSize(front.width(), 2 * front.height()));
    EXPECT_EQ(secondOf(combined, {5, 5}, false), 2);
    EXPECT_EQ(secondOf(combined, {5, front.height() + 5}, true), 2);

    // The camera buttons act as a radio group.
    QTest::mouseClick(dialog.cameraButtons()->oCamera2Btn(), Qt::LeftButton);
    EXPECT_EQ(dialog.captureOptions(), 2);
    EXPECT_TRUE(dialog.cameraButtons()->oCamera2Btn()->isButtonChecked());
    EXPECT_FALSE(dialog.cameraButtons()->oCamera12Btn()->isButtonChecked());
    EXPECT_EQ(secondOf(dialog.shownImage(), {5, 5}, true), 2);
    QTest::mouseClick(dialog.cameraButtons()->oCamera12Btn(), Qt::LeftButton);
    EXPECT_EQ(dialog.captureOptions(), 3);

    ModalScript script;
    QStringList proposed;
    for (const char* suffix : {"-1.jpg", "-2.jpg"}) {
        script.then<QFileDialog>([&, suffix](QFileDialog* panel) {
            proposed << panel->selectedFiles().value(0);
            EXPECT_TRUE(proposed.last().endsWith(suffix)) << proposed.last().toStdString();
            pmAnswerFileDialog(panel, proposed.last());
        });
    }
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    ASSERT_TRUE(script.waitDone());
    ASSERT_EQ(proposed.size(), 2);
    EXPECT_TRUE(dialog.isOK());
    EXPECT_FALSE(dialog.isVisible());
    // The same moment in both names, in the capture folder.
    EXPECT_EQ(proposed[0].chopped(6), proposed[1].chopped(6));
    EXPECT_TRUE(proposed[0].startsWith(dir.path()));
    const QImage saved1(proposed[0]), saved2(proposed[1]);
    EXPECT_EQ(saved1.size(), front.size());
    EXPECT_EQ(secondOf(saved1, {20, 20}, false), 2);
    EXPECT_EQ(secondOf(saved2, {20, 20}, true), 2);

    // A single picture onto a read-only disk: nothing written, the user told.
    TmpfsMount readOnly(1048576);
    if (!readOnly.mounted() || !readOnly.remountReadOnly())
        GTEST_SKIP() << readOnly.error();
    CapturePreviewDlg single(front, QImage(), &owner);
    single.show();
    EXPECT_EQ(single.captureOptions(), 0);
    EXPECT_EQ(single.cameraButtons(), nullptr);
    const QString nowhere = QString::fromStdString(readOnly.path()) + "/x.jpg";
    script.answerFileDialog(nowhere);
    QTest::mouseClick(single.okButton(), Qt::LeftButton);
    ASSERT_TRUE(script.waitDone());
    EXPECT_FALSE(single.isOK());
    EXPECT_FALSE(QFile::exists(nowhere));
    EXPECT_EQ(script.messages(), QStringList{pmLoadString("IDS_ERR_CAPTURE_SAVE_FAILED")});
}

TEST_F(CaptureAndPrint, ThePageShowsThePicturesAndTextsOnScreenAndInAPdf)
{
    PrintPageContent content;
    content.videoImage = front;
    content.videoImage2 = back;
    GpsData sample(37.5f, 127.0f, 100, 90);
    sample.setDAltitude(70000);
    content.sample = sample;
    content.date = QDate(2025, 1, 1);
    PrintWindowController dialog(content, &owner);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), pmLoadString("IDS_PRINT_PREVIEW"));
    PrintCanvasView* canvas = dialog.canvasView();
    EXPECT_EQ(canvas->printOptions(), 3);

    const QImage page = canvas->renderPage();
    const QRectF top = PrintCanvasView::toTopDown(canvas->videoRect());
    const QRectF bottom = PrintCanvasView::toTopDown(canvas->video2Rect());
    EXPECT_LT(top.bottom(), bottom.top());
    EXPECT_EQ(secondOf(page, top.center().toPoint(), false), 2);
    EXPECT_EQ(secondOf(page, bottom.center().toPoint(), true), 2);

    // Camera 2 alone: the rear picture stretched to the wide box.
    QTest::mouseClick(dialog.cameraButtons()->oCamera2Btn(), Qt::LeftButton);
    EXPECT_EQ(canvas->printOptions(), 2);
    const QRectF wide = PrintCanvasView::toTopDown(canvas->videoRect());
    EXPECT_DOUBLE_EQ(wide.width(), PrintCanvasView::kPageWidth - 20);
    EXPECT_EQ(secondOf(canvas->renderPage(), wide.center().toPoint(), true), 2);

    // Print through the dialog, answered with a PDF file.
    const QString pdf = dir.filePath("page.pdf");
    dialog.setPrintDialogRunner([&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    });
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    ASSERT_NE(dialog.thePrintInfo(), nullptr);
    EXPECT_EQ(dialog.thePrintInfo()->pageLayout().margins(QPageLayout::Point).top(), 0);
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_TRUE(QFile::exists(pdf));

    QProcess text;
    text.start("pdftotext", {pdf, "-"});
    if (!text.waitForStarted())
        GTEST_SKIP() << "poppler-utils (pdftotext, pdftoppm) are not installed";
    text.waitForFinished();
    const QString words = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_TRUE(words.contains("2025/01/01")) << words.toStdString();
    EXPECT_TRUE(words.contains(pmLoadString("IDS_PRINT_DATE")));
    EXPECT_TRUE(words.contains("100 km/h"));
    EXPECT_TRUE(words.contains("37.50000"));
    EXPECT_TRUE(words.contains(pmLoadString("IDS_ALTITUDE")));
    EXPECT_EQ(QProcess::execute("pdfinfo", {pdf}), 0);

    QProcess::execute("pdftoppm", {"-r", "72", "-png", "-singlefile", pdf, dir.filePath("page")});
    const QImage raster(dir.filePath("page.png"));
    ASSERT_FALSE(raster.isNull());
    // The page is scaled onto the paper from its top; find the rear picture at its place.
    const double scale = raster.width() / double(PrintCanvasView::kPageWidth + 0.0);
    const QPoint centre((wide.center().x() * scale * 0.9 + raster.width() * 0.05), wide.center().y() * scale * 0.9);
    EXPECT_EQ(secondOf(raster, centre, true), 2);
}
