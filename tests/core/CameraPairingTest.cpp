#include "library/CameraPairing.h"
#include "library/PlaylistStepping.h"
#include "library/RecordingName.h"

#include "TempDir.h"

#include <gtest/gtest.h>

namespace {

// A play list of existing files, in the order given.
Playlist playlistOf(const TempDir& dir, std::initializer_list<const char*> names)
{
    Playlist list;
    for (const char* name : names)
        list.append(AMediaFile(dir.write(name, "x"), std::nullopt));
    return list;
}

} // namespace

TEST(CameraPairing, PartnersMustBeNeighbours)
{
    TempDir dir;
    Playlist list = playlistOf(dir, {"F/FILE0001F.MP4", "R/FILE0001R.MP4", "F/FILE0002F.MP4", "F/CLIP.MP4",
                                     "R/FILE0002R.MP4"});
    EXPECT_EQ(getAnotherCameraFile(list, 0), 1);
    EXPECT_EQ(getAnotherCameraFile(list, 1), 0);
    EXPECT_EQ(getAnotherCameraFile(list, 2), -1); // partner two rows away
    EXPECT_EQ(getAnotherCameraFile(list, 3), -1);
    EXPECT_EQ(getAnotherCameraFile(list, 9), -1);
    EXPECT_EQ(checkDualCameraFileType(list, 1), CameraRear);
    EXPECT_EQ(checkDualCameraFileType(list, -1), CameraNone);
    EXPECT_TRUE(checkDualCameraFolder(list));
}

TEST(CameraPairing, DualModeNeedsAPair)
{
    TempDir dir;
    EXPECT_FALSE(checkDualCameraFolder(Playlist()));
    EXPECT_FALSE(checkDualCameraFolder(playlistOf(dir, {"F/FILE0001F.MP4", "F/FILE0002F.MP4"})));
    EXPECT_TRUE(checkDualCameraFolder(playlistOf(dir, {"F/FILE0003F.MP4", "F/FILE0004F.MP4", "R/FILE0004R.MP4"})));
}

TEST(CameraPairing, FrontGoesToTheMainPlayer)
{
    TempDir dir;
    Playlist list = playlistOf(dir, {"F/FILE0001F.MP4", "R/FILE0001R.MP4", "F/FILE0002F.MP4"});
    DualSelection front = dualSelectFile(list, 0);
    EXPECT_EQ(front.mainIndex, 0);
    EXPECT_EQ(front.secondIndex, 1);
    EXPECT_FALSE(front.showRearLarge);

    DualSelection rear = dualSelectFile(list, 1);
    EXPECT_EQ(rear.mainIndex, 0);
    EXPECT_EQ(rear.secondIndex, 1);
    EXPECT_TRUE(rear.showRearLarge);
    EXPECT_EQ(rear.selectIndex, 0);

    DualSelection alone = dualSelectFile(list, 2);
    EXPECT_EQ(alone.mainIndex, 2);
    EXPECT_EQ(alone.secondIndex, -1);
}

TEST(PlaylistStepping, SinglePlayerWrapsBothWays)
{
    EXPECT_EQ(nextPlaylistIndex(2, 3), 0);
    EXPECT_EQ(nextPlaylistIndex(0, 3), 1);
    EXPECT_EQ(previousPlaylistIndex(0, 3), 2);
    EXPECT_EQ(previousPlaylistIndex(-1, 3), 2);
    EXPECT_EQ(nextPlaylistIndex(0, 1), std::nullopt);
    EXPECT_EQ(previousPlaylistIndex(0, 1), std::nullopt);
}

TEST(PlaylistStepping, DualStepsMoveFromPairToPair)
{
    TempDir dir;
    Playlist list = playlistOf(dir, {"F/FILE0001F.MP4", "R/FILE0001R.MP4", "F/FILE0002F.MP4", "R/FILE0002R.MP4"});
    EXPECT_EQ(dualNextTarget(list, 0, true, false, true), 2);
    EXPECT_EQ(dualNextTarget(list, 0, true, false, false), 1);
    EXPECT_EQ(dualNextTarget(list, 2, true, false, true), 2); // last pair, no wrap: stop
    EXPECT_EQ(dualNextTarget(list, 2, true, true, true), 0);
    // Backward lands on the front of the previous pair.
    EXPECT_EQ(dualNextTarget(list, 2, false, true, true), 0);
    EXPECT_EQ(dualNextTarget(list, 0, false, true, true), 3);
    EXPECT_EQ(dualNextTarget(list, 0, false, false, true), 0);
}
