// End to end: the program started with --play on a front recording and --at saves a picture
// whose two video areas show that second of the front and of the rear recording. Run by the
// korivmanager_play_screenshot test under xvfb-run, which names the program in KORIV_APP.
#include "TestClips.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

constexpr int kSecond = 3;

// The box around the pixels of one clip colour, and how many there are.
struct Region {
    QRect box;
    int pixels = 0;
};

Region regionOf(const QImage& image, int second, bool inverted)
{
    Region region;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (clipSecondOf(qRed(p), qGreen(p), qBlue(p), inverted) != second)
                continue;
            region.box |= QRect(x, y, 1, 1);
            ++region.pixels;
        }
    }
    return region;
}

} // namespace

TEST(PlayScreenshot, BothPicturesShowTheAskedSecond)
{
    const QString program = qEnvironmentVariable("KORIV_APP");
    if (program.isEmpty())
        GTEST_SKIP() << "run by the korivmanager_play_screenshot test under xvfb-run";
    QTemporaryDir dir;
    const QString front = dir.filePath("DCIM/100F/FILE0001F.MP4");
    const QString rear = dir.filePath("DCIM/100R/FILE0001R.MP4");
    QDir().mkpath(dir.filePath("DCIM/100F"));
    QDir().mkpath(dir.filePath("DCIM/100R"));
    ClipOptions options;
    options.seconds = 6;
    options.width = 320;
    options.height = 180;
    ASSERT_TRUE(writeTestClip(front.toStdString(), options));
    options.inverted = true;
    ASSERT_TRUE(writeTestClip(rear.toStdString(), options));
    const QString picture = dir.filePath("window.png");

    QProcess app;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("QT_QPA_PLATFORM");
    environment.insert("HOME", dir.path()); // the user's settings and log stay untouched
    app.setProcessEnvironment(environment);
    app.start(program, {"--folder", dir.path(), "--play", front, "--at", QString::number(kSecond), "--screenshot", picture});
    ASSERT_TRUE(app.waitForFinished(60000));
    ASSERT_EQ(app.exitCode(), 0) << app.readAllStandardError().toStdString();

    const QImage image(picture);
    ASSERT_FALSE(image.isNull());
    // The front's colour of that second fills the large area, the rear's the small one.
    const Region large = regionOf(image, kSecond, false);
    const Region small = regionOf(image, kSecond, true);
    EXPECT_GE(large.pixels, 300 * 160);
    EXPECT_GE(small.pixels, 100 * 50);
    EXPECT_FALSE(large.box.intersects(small.box));
    EXPECT_GT(large.pixels, small.pixels);
    // Not the second before (the second after would share the colours, swapped).
    EXPECT_LT(regionOf(image, kSecond - 1, false).pixels, 100);
    EXPECT_LT(regionOf(image, kSecond - 1, true).pixels, 100);
}
