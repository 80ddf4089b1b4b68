// korivmanager-cli clip, which the GUI build adds to the command-line tool: a pair of
// recordings into the next pair, both cameras with the full overlay and its GPX, and the
// failures a user meets at the command line.
#include "CommandRunner.h"
#include "GpxSchema.h"
#include "MediaAsset.h"
#include "NmeaWriter.h"
#include "TempDir.h"
#include "TestClips.h"

#include <QDir>
#include <QImage>

#include <gtest/gtest.h>

namespace {

CommandResult clip(const std::string& arguments)
{
    return runCommand("{ " + std::string(KORIV_CLI_PATH) + " clip " + arguments + " 2>&1; }");
}

std::string track(int firstSecond, int seconds)
{
    NmeaWriter nmea;
    for (int s = firstSecond; s < firstSecond + seconds; ++s)
        nmea.rmc({.secondOfDay = 36000 + s, .latitude = 25.5 + s * 0.0001, .longitude = 121.25, .speedKnots = 27,
                  .course = 90});
    return nmea.text();
}

void writePair(const TempDir& dir, int number, int firstSecond)
{
    const std::string name = "FILE000" + std::to_string(number);
    ClipOptions o;
    o.seconds = 3;
    o.width = 320;
    o.height = 240;
    o.audio = true;
    ASSERT_TRUE(writeTestClip(dir.file("DCIM/MOVIEF/" + name + "F.MP4"), o));
    o.inverted = true;
    o.audio = false;
    ASSERT_TRUE(writeTestClip(dir.file("DCIM/MOVIER/" + name + "R.MP4"), o));
    dir.write("DCIM/MOVIEF/" + name + "F.nmea", track(firstSecond, 3));
}

} // namespace

TEST(ClipCommand, BothCamerasAcrossRecordingsWithTheirTrack)
{
    TempDir dir;
    writePair(dir, 1, 0);
    writePair(dir, 2, 3);
    const std::string first = dir.file("DCIM/MOVIEF/FILE0001F.MP4");
    const std::string out = dir.file("out/moment.mp4");
    QDir().mkpath(QString::fromStdString(dir.file("out")));

    const CommandResult r = clip("'" + first + "' --from 1.5 --to 1.5 --until '" + dir.file("DCIM/MOVIEF/FILE0002F.MP4")
                                 + "' --cameras pip --overlay full -o '" + out + "'");
    ASSERT_EQ(r.exitCode, 0) << r.out;
    EXPECT_NE(r.out.find("100 %"), std::string::npos) << "progress on standard error";
    EXPECT_NE(r.out.find("moment.mp4 written (3.000 s, encoded again)"), std::string::npos) << r.out;
    MediaAsset asset(QString::fromStdString(out));
    EXPECT_NEAR(asset.duration(), 3.0, 0.04);
    const QImage late = asset.imageAt(2.0); // 0.5 s into the second pair
    ASSERT_FALSE(late.isNull());
    const QRgb front = late.pixel(160, 100);
    const QRgb rear = late.pixel(259, 45);
    EXPECT_EQ(clipSecondOf(qRed(front), qGreen(front), qBlue(front)), 0);
    EXPECT_EQ(clipSecondOf(qRed(rear), qGreen(rear), qBlue(rear), true), 0);

    const std::string gpx = dir.file("out/moment.gpx");
    EXPECT_EQ(gpxSchemaErrors(gpx), "");
    EXPECT_EQ(QDir(QString::fromStdString(dir.file("out"))).entryList(QDir::Files | QDir::Hidden),
              (QStringList{"moment.gpx", "moment.mp4"}));
}

TEST(ClipCommand, FailuresAreExplained)
{
    TempDir dir;
    ClipOptions o;
    o.seconds = 2;
    const std::string alone = dir.file("cam/FILE0001F.MP4");
    ASSERT_TRUE(writeTestClip(alone, o));
    const std::string out = dir.file("out.mp4");
    const struct {
        std::string arguments;
        const char* message;
    } failures[] = {
        {"'" + alone + "' --from 1 --to 0.5 -o '" + out + "'", "does not come after"},
        {"'" + alone + "' --from 0 --to 5 -o '" + out + "'", "cannot end at 5"},
        {"'" + alone + "' --from 0 --to 1 --cameras rear -o '" + out + "'", "no rear recording"},
        {"'" + alone + "' --from 0 --to 1 --until '" + dir.file("elsewhere/FILE0002F.MP4") + "' -o '" + out + "'",
         "does not follow"},
        {"'" + alone + "' --from 0 --to 1 -o '" + dir.path() + "/no/such/folder/out.mp4'", "cannot write"},
    };
    for (const auto& f : failures) {
        SCOPED_TRACE(f.arguments);
        const CommandResult r = clip(f.arguments);
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_NE(r.out.find(f.message), std::string::npos) << r.out;
    }
    EXPECT_EQ(QDir(QString::fromStdString(dir.path())).entryList(QDir::Files | QDir::Hidden), QStringList{});
    EXPECT_EQ(clip("'" + alone + "' --from soon --to 1 -o '" + out + "'").exitCode, 2);
    EXPECT_EQ(clip("'" + alone + "' --from 0 --to 1 --cameras all -o '" + out + "'").exitCode, 2);
    EXPECT_EQ(clip("'" + alone + "' --from 0 --to 1").exitCode, 2);
}
