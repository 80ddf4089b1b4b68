// Grouping recordings into trips from their dates and lengths alone, as the library holds them.
#include "LocalDate.h"
#include "trips/ExportScope.h"
#include "trips/TripIndex.h"

#include <gtest/gtest.h>


namespace {

using std::chrono::seconds;

FileTime localTime(int day, int hour, int minute, int second)
{
    return localFileTime(2026, 3, day, hour, minute, second);
}

const FileTime kNine = localTime(10, 9, 0, 0);

AMediaFile recording(const std::string& name, FileTime date, double length = 60)
{
    const char camera = name.size() > 9 ? name[8] : ' ';
    const std::string folder = camera == 'R' ? "/card/DCIM/CARDR/" : "/card/DCIM/CARDF/";
    return AMediaFile(folder + name, date, length);
}

} // namespace

TEST(TripIndex, ARecordingJoinsWhenItsDateIsAtMostSixtySecondsPastTheLastOnesEnd)
{
    // 60 s recordings: 120 s after a date is exactly the length plus 60 s (the same trip), a
    // second more starts a new one. A camera that stamps the end of its files gets the same
    // answer, since every date moves by the same length.
    const std::vector<AMediaFile> entries{
        recording("FILE0001.MP4", kNine),
        recording("FILE0002.MP4", kNine + seconds(120)),
        recording("FILE0003.MP4", kNine + seconds(120 + 121)),
        recording("EMER0004.MP4", kNine + seconds(120 + 121 + 30), 30),
        recording("FILE0005.MP4", kNine + seconds(120 + 121 + 30 + 90)),
    };
    const TripIndex index(entries);
    ASSERT_EQ(index.count(), 2);
    const Trip& first = index.trips()[0];
    EXPECT_EQ(first.chain, (std::vector<int>{0, 1}));
    EXPECT_EQ(first.start, kNine);
    EXPECT_EQ(first.end, kNine + seconds(180));
    EXPECT_EQ(first.drivingSeconds, 120);
    EXPECT_TRUE(first.events.empty());

    // The event recording is 30 s long: 90 s after its date is exactly its length plus 60 s.
    const Trip& second = index.trips()[1];
    EXPECT_EQ(second.chain, (std::vector<int>{2, 3, 4}));
    EXPECT_EQ(second.events, (std::vector<int>{3}));
    EXPECT_EQ(second.drivingSeconds, 150);
    EXPECT_EQ(second.recordingCount(), 3);
    EXPECT_EQ(index.tripOf(3), 1);
    EXPECT_EQ(index.tripOf(5), -1);
    EXPECT_EQ(index.tripOf(-1), -1);
}

TEST(TripIndex, RecordingsWithoutADateOrOutOfOrderStandAlone)
{
    const std::vector<AMediaFile> entries{
        AMediaFile("/card/FILE0001.MP4", std::nullopt, 60.0),
        recording("FILE0002.MP4", kNine),
        recording("FILE0003.MP4", kNine - seconds(5)), // a list not in date order
        AMediaFile("/card/FILE0004.MP4", kNine + seconds(10)), // no length: the gap alone
        recording("FILE0005.MP4", kNine + seconds(75)),
    };
    const TripIndex index(entries);
    ASSERT_EQ(index.count(), 4);
    EXPECT_FALSE(index.trips()[0].dated);
    EXPECT_EQ(index.trips()[1].chain, (std::vector<int>{1}));
    EXPECT_EQ(index.trips()[2].chain, (std::vector<int>{2, 3}));
    EXPECT_EQ(index.trips()[3].chain, (std::vector<int>{4}));
    EXPECT_EQ(TripIndex(std::vector<AMediaFile>{}).count(), 0);
}

TEST(TripIndex, RearRecordingsJoinTheirFrontsTripWhateverTheirDatesAndLengths)
{
    // The rear camera stamps its files two seconds later and records longer; a rear recording
    // whose front is gone joins the chain itself.
    const std::vector<AMediaFile> entries{
        recording("FILE0001F.MP4", kNine),
        recording("FILE0001R.MP4", kNine + seconds(2), 64),
        recording("FILE0002F.MP4", kNine + seconds(60)),
        recording("FILE0002R.MP4", kNine + seconds(62), 90),
        recording("FILE0003R.MP4", kNine + seconds(120), 20),
        recording("FILE0009F.MP4", kNine + seconds(3600)),
        recording("FILE0009R.MP4", kNine + seconds(3600 + 2)),
    };
    const TripIndex index(entries);
    ASSERT_EQ(index.count(), 2);
    const Trip& trip = index.trips()[0];
    EXPECT_EQ(trip.chain, (std::vector<int>{0, 2, 4}));
    EXPECT_EQ(trip.partners, (std::vector<int>{1, 3}));
    EXPECT_EQ(trip.recordingCount(), 5);
    EXPECT_EQ(trip.drivingSeconds, 140) << "the chain's seconds, not both cameras'";
    EXPECT_EQ(trip.end, kNine + seconds(62 + 90)) << "the longer rear recording ends the trip";
    EXPECT_EQ(index.tripOf(1), 0);
    EXPECT_EQ(index.tripOf(6), 1);
    EXPECT_EQ(index.trips()[1].partners, (std::vector<int>{6}));

    // A rear recording's trip and day are its front's; alone it is itself.
    EXPECT_EQ(pmExportRecordings(index, entries, ExportScope::Recording, 1), (std::vector<int>{1}));
    EXPECT_EQ(pmExportRecordings(index, entries, ExportScope::Trip, 3), (std::vector<int>{0, 2, 4}));
    EXPECT_EQ(pmExportRecordings(index, entries, ExportScope::Day, 6), (std::vector<int>{0, 2, 4, 5}));
    EXPECT_TRUE(pmExportRecordings(index, entries, ExportScope::Trip, 7).empty());
}

TEST(TripIndex, DaysTakeTheTripsAndRecordingsOfTheirLocalDate)
{
    // A drive across midnight belongs to both days; a day's export holds that day's recordings.
    const std::vector<AMediaFile> entries{
        recording("FILE0001.MP4", localTime(10, 8, 0, 0)),
        recording("FILE0002.MP4", localTime(10, 23, 59, 0)),
        recording("FILE0003.MP4", localTime(11, 0, 0, 0)),
        recording("FILE0004.MP4", localTime(11, 7, 0, 0)),
    };
    const TripIndex index(entries);
    ASSERT_EQ(index.count(), 3);
    EXPECT_EQ(index.tripsOnDay(entries, {2026, 3, 10}), (std::vector<int>{0, 1}));
    EXPECT_EQ(index.tripsOnDay(entries, {2026, 3, 11}), (std::vector<int>{1, 2}));
    EXPECT_TRUE(index.tripsOnDay(entries, {2026, 3, 12}).empty());
    EXPECT_EQ(index.chainOnDay(entries, {2026, 3, 11}), (std::vector<int>{2, 3}));
}
