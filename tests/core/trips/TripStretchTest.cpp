// The recordings a clip runs through: the chain of one trip between two of its recordings,
// whichever camera was named, and never across a break between drives.
#include "LocalDate.h"
#include "trips/TripStretch.h"

#include <gtest/gtest.h>

namespace {

using std::chrono::seconds;

const FileTime kNine = localFileTime(2026, 3, 10, 9, 0, 0);

// In date order: front and rear of minutes 0, 1 and 2 of a drive, then a front alone an hour
// later.
std::vector<AMediaFile> card()
{
    std::vector<AMediaFile> entries;
    for (int minute = 0; minute < 3; ++minute) {
        const std::string stem = "FILE000" + std::to_string(minute + 1);
        entries.emplace_back("/card/DCIM/CARDF/" + stem + "F.MP4", kNine + seconds(60 * minute), 60);
        entries.emplace_back("/card/DCIM/CARDR/" + stem + "R.MP4", kNine + seconds(60 * minute), 60);
    }
    entries.emplace_back("/card/DCIM/CARDF/FILE0004F.MP4", kNine + seconds(3600), 60);
    return entries;
}

} // namespace

TEST(TripStretch, TheTripsChainFromOneRecordingToTheOtherWhicheverCameraIsNamed)
{
    const std::vector<AMediaFile> entries = card();
    const TripIndex trips(entries);
    std::string error;
    EXPECT_EQ(pmTripChainBetween(trips, entries, 0, 4, error), (std::vector<int>{0, 2, 4}));
    EXPECT_EQ(pmTripChainBetween(trips, entries, 2, 2, error), (std::vector<int>{2}));
    // A rear recording stands for its front, at either end.
    EXPECT_EQ(pmTripChainBetween(trips, entries, 1, 5, error), (std::vector<int>{0, 2, 4}));
    EXPECT_EQ(pmTripChainBetween(trips, entries, 3, 2, error), (std::vector<int>{2}));
    EXPECT_EQ(error, "");
}

TEST(TripStretch, AnotherTripAnEarlierRecordingOrAPositionOutsideAreRefused)
{
    const std::vector<AMediaFile> entries = card();
    const TripIndex trips(entries);
    std::string error;
    EXPECT_TRUE(pmTripChainBetween(trips, entries, 4, 6, error).empty());
    EXPECT_EQ(error, "/card/DCIM/CARDF/FILE0004F.MP4 is not in the trip of /card/DCIM/CARDF/FILE0003F.MP4: a clip "
                     "runs within one drive");
    EXPECT_TRUE(pmTripChainBetween(trips, entries, 4, 0, error).empty());
    EXPECT_NE(error.find("does not follow"), std::string::npos);
    for (const auto& [first, last] : {std::pair{-1, 2}, {0, 7}, {7, 7}}) {
        error.clear();
        EXPECT_TRUE(pmTripChainBetween(trips, entries, first, last, error).empty());
        EXPECT_FALSE(error.empty());
    }
}
