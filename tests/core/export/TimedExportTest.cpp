// A trip or a day as one file: GPX with one segment per recording and the UTC time of every
// point, CSV with one row per second, KML with one line per recording.
#include "CommaLocale.h"
#include "GpxSchema.h"
#include "LocalDate.h"
#include "TempDir.h"
#include "TextFiles.h"
#include "export/CsvWriter.h"
#include "export/GpxWriter.h"
#include "export/KmlExport.h"
#include "export/TrackExport.h"
#include "util/UtcTime.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> all;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        all.push_back(line);
    return all;
}

// The process's time zone for the test's length.
class TimeZone {
public:
    explicit TimeZone(const char* zone)
    {
        if (const char* old = std::getenv("TZ"))
            mOld = old;
        ::setenv("TZ", zone, 1);
        ::tzset();
    }
    ~TimeZone()
    {
        if (mOld)
            ::setenv("TZ", mOld->c_str(), 1);
        else
            ::unsetenv("TZ");
        ::tzset();
    }

private:
    std::optional<std::string> mOld;
};

GpsList track(int seconds, double latitude)
{
    GpsList list;
    for (int s = 0; s < seconds; ++s) {
        GpsData sample(static_cast<float>(latitude + s * 1e-4), 121.5f, 36.0f + s, 90);
        sample.setDAltitude(s == 1 ? kNoAltitude : 35.25);
        sample.setSensorValueGSensor(0.125f, -0.5f, 1.0f);
        list.InsertData(&sample, -1);
    }
    list.setBGps(true);
    return list;
}

} // namespace

TEST(TimedExport, ADayIsOneGpxTrackWithASegmentPerRecordingAndUtcTimes)
{
    TempDir dir;
    const GpsList morning = track(3, 25.0);
    GpsList blank;
    blank.InsertData(0, 0, 0, 0, -1);
    GpsList logged = track(2, 25.1);
    logged.GetGpsData(0)->setNUtcMillis(*pmUtcMillis(2026, 3, 10, 7, 59, 58, 250));
    const std::vector<TrackSegment> day{
        TrackSegment::of(morning, "FILE0001F.MP4", pmFileTimeOf(*pmUtcMillis(2026, 3, 10, 7, 0, 0))),
        TrackSegment::of(blank, "FILE0002F.MP4", pmFileTimeOf(*pmUtcMillis(2026, 3, 10, 7, 1, 0))),
        TrackSegment::of(logged, "FILE0003F.MP4", pmFileTimeOf(*pmUtcMillis(2026, 3, 10, 8, 0, 0)))};
    const std::string path = dir.file("day.gpx");
    ASSERT_TRUE(pmWriteGpx(path, day, "2026-03-10 <day>"));
    const std::string gpx = readTextFile(path);
    EXPECT_EQ(gpxSchemaErrors(path), "");
    EXPECT_EQ(countOf(gpx, "<trkseg>"), 2u) << "a recording without positions adds no segment";
    EXPECT_EQ(countOf(gpx, "<trkpt "), 5u);
    EXPECT_EQ(countOf(gpx, "<time>"), 5u);
    EXPECT_NE(gpx.find("<name>2026-03-10 &lt;day&gt;</name>"), std::string::npos);
    EXPECT_NE(gpx.find("<trkpt lat=\"25.000000\" lon=\"121.500000\"><ele>35.2</ele><time>2026-03-10T07:00:00Z</time>"
                       "</trkpt>\n<trkpt lat=\"25.000099\" lon=\"121.500000\"><time>2026-03-10T07:00:01Z</time>"),
              std::string::npos)
        << gpx;
    // The log's time wins over the file's date, and the file's next second follows the log.
    EXPECT_NE(gpx.find("<time>2026-03-10T07:59:58.250Z</time>"), std::string::npos);
    EXPECT_NE(gpx.find("<time>2026-03-10T07:59:59.250Z</time>"), std::string::npos);

    EXPECT_FALSE(pmWriteGpx(dir.file("none.gpx"), std::span(&day[1], 1), "x"));
    EXPECT_FALSE(std::ifstream(dir.file("none.gpx")).good());
}

TEST(TimedExport, CsvHasARowPerSecondInUtcAndLocalTimeAcrossADaylightSavingChange)
{
    // Berlin springs forward at 01:00 UTC on 2026-03-29: local 01:59:59 is followed by 03:00:00
    // while UTC runs on. The zone is spelled out so no zone database is needed.
    const TimeZone berlin("CET-1CEST,M3.5.0,M10.5.0/3");
    const CommaLocale comma;
    TempDir dir;
    const GpsList drive = track(60, 52.5);
    GpsList noFix;
    noFix.InsertData(0, 0, 0, -1, -1);
    const FileTime start = localFileTime(2026, 3, 29, 1, 59, 30);
    const std::vector<TrackSegment> segments{TrackSegment::of(drive, "FILE0001F.MP4", start),
                                             TrackSegment::of(noFix, "odd, \"name\".MP4", std::nullopt)};
    const std::string path = dir.file("trip.csv");
    ASSERT_TRUE(pmWriteCsv(path, segments));
    const std::vector<std::string> rows = lines(readTextFile(path));
    ASSERT_EQ(rows.size(), 62u);
    EXPECT_EQ(rows[0] + "\n", kCsvHeader);
    EXPECT_EQ(rows[1], "2026-03-29T00:59:30Z,2026-03-29 01:59:30,52.500000,121.500000,36.0,90.0,35.2,0.125,-0.500,1.000,"
                       "FILE0001F.MP4");
    const auto starts = [](const std::string& row, const std::string& prefix) { return row.rfind(prefix, 0) == 0; };
    EXPECT_PRED2(starts, rows[2], "2026-03-29T00:59:31Z,2026-03-29 01:59:31,52.500099,121.500000,37.0,90.0,,0.125");
    EXPECT_PRED2(starts, rows[30], "2026-03-29T00:59:59Z,2026-03-29 01:59:59,");
    EXPECT_PRED2(starts, rows[31], "2026-03-29T01:00:00Z,2026-03-29 03:00:00,");
    EXPECT_EQ(rows[61], ",,,,,,,0.000,0.000,0.000,\"odd, \"\"name\"\".MP4\"") << "what a sample lacks is left empty";

    GpsList empty;
    const TrackSegment nothing = TrackSegment::of(empty, "x", start);
    EXPECT_FALSE(pmWriteCsv(dir.file("empty.csv"), std::span(&nothing, 1)));
}

TEST(TimedExport, KmlOfSeveralRecordingsHasALinePerRecordingAndTheFormatFollowsTheExtension)
{
    TempDir dir;
    const GpsList a = track(3, 25.0);
    const GpsList b = track(2, 25.5);
    GpsList noPosition;
    noPosition.InsertData(0, 0, 0, 0, -1);
    const std::vector<TrackSegment> segments{TrackSegment::of(a, "A", std::nullopt),
                                             TrackSegment::of(noPosition, "N", std::nullopt),
                                             TrackSegment::of(b, "B", std::nullopt)};
    const FileTime now = std::chrono::system_clock::now();
    const std::string path = dir.file("trip.KML");
    ASSERT_EQ(pmExportFormatOf(path), ExportFormat::Kml);
    ASSERT_TRUE(pmExportSegments(path, ExportFormat::Kml, segments, "trip", now));
    const std::string kml = readTextFile(path);
    EXPECT_EQ(countOf(kml, "<LineString>"), 2u);
    EXPECT_EQ(countOf(kml, "0.000000,0.000000"), 0u) << "a recording without positions draws no line to 0, 0";
    EXPECT_NE(kml.find("<coordinates>121.500000,25.000000</coordinates>"), std::string::npos) << "start";
    EXPECT_NE(kml.find("<coordinates>121.500000,25.500099</coordinates>"), std::string::npos) << "end";

    EXPECT_EQ(pmExportFormatOf("/x/day.Gpx"), ExportFormat::Gpx);
    EXPECT_EQ(pmExportFormatOf("day.csv"), ExportFormat::Csv);
    EXPECT_FALSE(pmExportFormatOf("day.txt"));
    EXPECT_FALSE(pmExportFormatOf("/x.gpx/day"));
}
