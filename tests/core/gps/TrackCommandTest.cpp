#include "CommandRunner.h"
#include "NmeaWriter.h"
#include "RiffWriter.h"
#include "TempDir.h"
#include "VideoFixtures.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

std::string cli(const std::string& arguments)
{
    return std::string(KORIV_CLI_PATH) + " " + arguments;
}

std::string logOf(int samples)
{
    NmeaWriter nmea;
    for (int i = 0; i < samples; ++i)
        nmea.rmc({.secondOfDay = i, .latitude = 25.5, .longitude = 121.25, .speedKnots = 10, .course = 90})
            .gsensord(0.25, i == 3 ? -0.75 : 0, 0.5);
    return nmea.text();
}

} // namespace

TEST(TrackCommandTest, TsvIsExactlyTheSamplesAndTheSummary)
{
    TempDir dir;
    const std::string video = dir.write("CARD/EVENTF/EMER0001F.MP4", makeMp4());
    dir.write("CARD/NMEA/EMER0001N.NMEA", logOf(20));

    CommandResult tsv = runCommand(cli("track '" + video + "' --format tsv"));
    EXPECT_EQ(tsv.exitCode, 0);
    std::istringstream lines(tsv.out);
    std::string line;
    int count = 0;
    while (std::getline(lines, line) && line.rfind("summary", 0) != 0) {
        if (count == 0) {
            EXPECT_EQ(line, "0\t25.500000\t121.250000\t18.412464\t90.000000\t0.000000\t0.250000\t0.000000\t0.500000");
        }
        ++count;
    }
    EXPECT_EQ(count, 20);
    // 20 samples over the fixture's 10 seconds: 2 per second; -0.75 G at sample 3 is the event.
    EXPECT_EQ(line, "summary\t20\t2\t1\t1\t0.500000\t0\t-0.750000\t3\t3");
    EXPECT_FALSE(std::getline(lines, line)) << "nothing after the summary";

    CommandResult summary = runCommand(cli("track '" + video + "' --summary --duration 20"));
    EXPECT_EQ(summary.out, "summary\t20\t1\t1\t1\t0.500000\t0\t-0.750000\t3\t3\n");

    CommandResult text = runCommand(cli("track '" + video + "'"));
    EXPECT_NE(text.out.find("00:01  E 90\xC2\xB0 [25.50000\xC2\xB0N. 121.25000\xC2\xB0" "E] Alt.0.0m  18 km/h  G"
                            " 0.250 -0.750 0.500  EVENT\n"),
              std::string::npos)
        << text.out;

    CommandResult nmea = runCommand(cli("nmea '" + dir.path() + "/CARD/NMEA/EMER0001N.NMEA' --summary"));
    EXPECT_EQ(nmea.out, "summary\t20\t1\t1\t1\t0.500000\t0\t-0.750000\t3\t-1\n");
}

TEST(TrackCommandTest, ExportsAndFailures)
{
    TempDir dir;
    const std::string video = dir.write("CARD/MOVIEF/FILE0001F.AVI", makeAvi("H264", 150, 66666));
    dir.write("CARD/MOVIEF/FILE0001F.log", logOf(10));
    EXPECT_EQ(runCommand(cli("kml '" + video + "' -o '" + dir.path() + "/t.kml'")).exitCode, 0);
    std::ostringstream kml;
    kml << std::ifstream(dir.path() + "/t.kml").rdbuf();
    EXPECT_NE(kml.str().find("<coordinates>121.250000,25.500000</coordinates>"), std::string::npos);
    EXPECT_EQ(runCommand(cli("gpx '" + video + "' -o '" + dir.path() + "/t.gpx'")).exitCode, 0);

    const std::string silent = dir.write("CARD/MOVIEF/FILE0002F.AVI", RiffWriter().bytes());
    EXPECT_EQ(runCommand(cli("track '" + silent + "' --summary")).exitCode, 1) << "no length in its headers";
    CommandResult none = runCommand(cli("track '" + silent + "' --summary --duration 5"));
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_EQ(none.out, "summary\t0\t1\t0\t0\t0.000000\t-1\t0.000000\t-1\t-1\n");
    EXPECT_EQ(runCommand(cli("kml '" + silent + "' --duration 5 -o x.kml")).exitCode, 1);
    EXPECT_EQ(runCommand(cli("kml '" + video + "'")).exitCode, 2) << "-o is needed";
    EXPECT_EQ(runCommand(cli("track")).exitCode, 2);
    EXPECT_EQ(runCommand(cli("track a --duration x")).exitCode, 2);
}
