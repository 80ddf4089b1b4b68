// End to end: the program, started on a folder of recordings under a display, saves a picture
// of its window that shows something. Run by the korivmanager_screenshot test under xvfb-run,
// which names the program in KORIV_APP (and the sample card generator in KORIV_SAMPLECARD).
#include "GuiTestSupport.h"

#include <QImage>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The sample card when its generator is built, else a few recordings of today.
QString makeRecordingsFolder(const QTemporaryDir& dir)
{
    const QString card = dir.filePath("card");
    const QString generator = qEnvironmentVariable("KORIV_SAMPLECARD");
    if (!generator.isEmpty() && QProcess::execute(generator, {card}) == 0)
        return card;
    writeRecording(card, "DCIM/F/FILE0001F.MP4");
    writeRecording(card, "DCIM/R/FILE0001R.MP4");
    writeRecording(card, "DCIM/F/EMER0002F.MP4");
    return card;
}

int distinctColours(const QImage& image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 3) {
        for (int x = 0; x < image.width(); x += 3)
            colours.insert(image.pixel(x, y));
    }
    return int(colours.size());
}

} // namespace

TEST(Screenshot, ProgramOnRecordingsSavesAWindowPictureThatIsNotBlank)
{
    const QString program = qEnvironmentVariable("KORIV_APP");
    if (program.isEmpty())
        GTEST_SKIP() << "run by the korivmanager_screenshot test under xvfb-run";
    QTemporaryDir dir;
    const QString folder = makeRecordingsFolder(dir);
    const QString picture = dir.filePath("window.png");

    QProcess app;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("QT_QPA_PLATFORM"); // the display xvfb-run made
    app.setProcessEnvironment(environment);
    app.start(program, {"--folder", folder, "--screenshot", picture});
    ASSERT_TRUE(app.waitForFinished(60000)) << app.readAllStandardError().toStdString();
    EXPECT_EQ(app.exitCode(), 0) << app.readAllStandardError().toStdString();

    const QImage image(picture);
    ASSERT_FALSE(image.isNull());
    EXPECT_GE(image.width(), 980);
    EXPECT_GE(image.height(), 600);
    EXPECT_GT(distinctColours(image), 16);
}
