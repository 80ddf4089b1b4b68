// The trip commands on a card made here: a dual camera's morning drive of three minutes and a
// second drive an hour later, each recording with a minute of 1 Hz fixes heading north.
#include "CommandRunner.h"
#include "DriveCard.h"
#include "GpxSchema.h"
#include "TextFiles.h"

#include <gtest/gtest.h>


namespace {

std::string cli(const std::string& arguments)
{
    return std::string(KORIV_CLI_PATH) + " " + arguments;
}

class TripsCommand : public ::testing::Test {
protected:
    void SetUp() override
    {
        card.writeMinute("FILE0001", 9, 0, 0);
        card.writeMinute("EMER0002", 9, 1, 60);
        card.writeMinute("FILE0003", 9, 2, 120);
        card.writeMinute("FILE0004", 10, 0, 3600);
    }

    std::string folder() const { return "'" + card.folder() + "'"; }

    TempDir dir;
    DriveCard card{dir};
};

} // namespace

TEST_F(TripsCommand, OneLinePerTripWithItsFigures)
{
    const CommandResult tsv = runCommand(cli("trips " + folder() + " --format tsv"));
    ASSERT_EQ(tsv.exitCode, 0);
    // 179 steps along the three recordings (the steps between them included), 59 in the last.
    char expected[512];
    std::snprintf(expected, sizeof expected,
                  "2026-03-10T09:00:00\t2026-03-10T09:03:05\t6\t180\t%.0f\t48.6\t1\n"
                  "2026-03-10T10:00:00\t2026-03-10T10:01:05\t2\t60\t%.0f\t48.6\t0\n",
                  179 * DriveCard::kStepMetres, 59 * DriveCard::kStepMetres);
    EXPECT_EQ(tsv.out, expected);
    EXPECT_EQ(runCommand(cli("trips " + folder() + " --format tsv --day 2026-03-11")).out, "");

    const CommandResult text = runCommand(cli("trips " + folder() + " --day 2026-03-10"));
    EXPECT_NE(text.out.find("trip 1  2026-03-10T09:00:00 - 2026-03-10T09:03:05  6 recordings  0:03:00 driving  2.43 km"),
              std::string::npos)
        << text.out;

    EXPECT_EQ(runCommand(cli("trips")).exitCode, 2);
    EXPECT_EQ(runCommand(cli("trips " + folder() + " --day 2026-3")).exitCode, 2);
    EXPECT_EQ(runCommand(cli("trips '" + dir.path() + "/missing'")).exitCode, 1);
}

TEST_F(TripsCommand, ADayOrOneOfItsTripsAsGpxThatValidatesAndGpsbabelReadsWithTimes)
{
    const std::string day = dir.file("day.gpx");
    ASSERT_EQ(runCommand(cli("gpx " + folder() + " --day 2026-03-10 -o '" + day + "'")).exitCode, 0);
    const std::string gpx = readTextFile(day);
    EXPECT_EQ(gpxSchemaErrors(day), "");
    EXPECT_EQ(countOf(gpx, "<trkseg>"), 4u) << "one per recording of the front camera";
    EXPECT_EQ(countOf(gpx, "<trkpt "), 240u);
    EXPECT_EQ(countOf(gpx, "<time>"), 240u);
    EXPECT_NE(gpx.find("<time>2026-03-10T08:00:00Z</time>"), std::string::npos);
    EXPECT_NE(gpx.find("<time>2026-03-10T09:00:59Z</time>"), std::string::npos);

    // gpsbabel takes every point with its time.
    const CommandResult babel = runCommand("gpsbabel -t -i gpx -f '" + day + "' -o unicsv,utc=0 -F -");
    ASSERT_EQ(babel.exitCode, 0);
    EXPECT_NE(babel.out.find("Date"), std::string::npos) << babel.out.substr(0, 200);
    EXPECT_EQ(countOf(babel.out, "2026/03/10,08:0"), 180u) << babel.out.substr(0, 300);

    const std::string second = dir.file("second.gpx");
    ASSERT_EQ(runCommand(cli("gpx " + folder() + " --day 2026-03-10 --trip 2 -o '" + second + "'")).exitCode, 0);
    EXPECT_EQ(gpxSchemaErrors(second), "");
    EXPECT_EQ(countOf(readTextFile(second), "<trkseg>"), 1u);
    EXPECT_EQ(runCommand(cli("gpx " + folder() + " --day 2026-03-10 --trip 3 -o x.gpx")).exitCode, 1);
    EXPECT_EQ(runCommand(cli("gpx " + folder() + " --trip 1 -o x.gpx")).exitCode, 2) << "--trip needs --day";
    EXPECT_EQ(runCommand(cli("gpx " + folder() + " -o x.gpx")).exitCode, 2) << "a folder needs --day";

    // One recording keeps its command, now with times.
    const std::string one = dir.file("one.gpx");
    ASSERT_EQ(runCommand(cli("gpx '" + dir.path() + "/DCIM/CARDF/FILE0004F.MP4' -o '" + one + "'")).exitCode, 0);
    EXPECT_EQ(gpxSchemaErrors(one), "");
    EXPECT_EQ(countOf(readTextFile(one), "<time>"), 60u);
}

TEST_F(TripsCommand, CsvOfADayHasARowPerSecond)
{
    const std::string path = dir.file("day.csv");
    ASSERT_EQ(runCommand(cli("csv " + folder() + " --day 2026-03-10 -o '" + path + "'")).exitCode, 0);
    const std::string csv = readTextFile(path);
    EXPECT_EQ(countOf(csv, "\n"), 241u);
    EXPECT_EQ(countOf(csv, ",EMER0002F.MP4\n"), 60u);
    EXPECT_NE(csv.find("2026-03-10T08:01:00Z,"), std::string::npos);
}
