// The bounded folder walk behind the watches and the card probe, on real folders.
#include "library/CardProbe.h"
#include "util/FileQueries.h"
#include "util/FolderWalk.h"
#include "util/MissingFolderMemo.h"

#include "TempDir.h"
#include "VideoFixtures.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

TEST(FolderWalk, ListsVisibleFoldersOnceEvenThroughALinkCycle)
{
    TempDir dir;
    dir.write("DCIM/100F/a.MP4", "x");
    dir.write("DCIM/100R/b.MP4", "x");
    dir.write(".hidden/c.MP4", "x");
    dir.write("DCIM/.trash/d.MP4", "x");
    ASSERT_EQ(::symlink(dir.path().c_str(), dir.file("DCIM/100F/loop").c_str()), 0);
    std::vector<std::string> folders = listFolderTree(dir.path(), 100);
    ASSERT_FALSE(folders.empty());
    EXPECT_EQ(folders.front(), dir.path());
    std::sort(folders.begin() + 1, folders.end());
    // The link leads back to the root, which is already listed.
    EXPECT_EQ(folders, (std::vector<std::string>{dir.path(), dir.file("DCIM"), dir.file("DCIM/100F"),
                                                 dir.file("DCIM/100R")}));
    EXPECT_EQ(listFolderTree(dir.path(), 2).size(), 2u);
    EXPECT_TRUE(listFolderTree(dir.path(), 0).empty());
}

TEST(FolderWalk, LimitsEndTheWalkAndSayItWasCut)
{
    TempDir dir;
    for (int i = 0; i < 20; ++i)
        dir.write("a/b/c/f" + std::to_string(i), "x");
    size_t seen = 0;
    EXPECT_FALSE(walkFolderTree(dir.path(), {10, 64}, [&](const std::string&, bool) { return ++seen, true; }));
    EXPECT_EQ(seen, 10u);
    std::vector<std::string> paths;
    EXPECT_FALSE(walkFolderTree(dir.path(), {1000, 1}, [&](const std::string& path, bool) {
        paths.push_back(path);
        return true;
    }));
    EXPECT_EQ(paths, (std::vector<std::string>{dir.file("a"), dir.file("a/b")})); // a/b is not entered
    EXPECT_TRUE(walkFolderTree(dir.file("missing"), {}, [](const std::string&, bool) { return true; }));
}

TEST(CardProbe, ADcimFolderWithAValidRecordingMakesACard)
{
    TempDir card;
    card.write("dcim/100F/FILE0001F.MP4", makeMp4());
    EXPECT_EQ(pmFindCardRecordings(card.path()), card.file("dcim"));

    TempDir notACard; // recordings, but not in a DCIM folder
    notACard.write("Videos/FILE0001F.MP4", makeMp4());
    EXPECT_FALSE(pmFindCardRecordings(notACard.path()));

    TempDir photos; // a DCIM folder of pictures, and a broken video
    photos.write("DCIM/100CANON/IMG_0001.JPG", "jpeg");
    photos.write("DCIM/100CANON/MVI_0002.MP4", "not a movie");
    EXPECT_FALSE(pmFindCardRecordings(photos.path()));

    TempDir deep; // past the walk's limits the probe gives up rather than search the disk
    for (int i = 0; i < 30; ++i)
        deep.write("DCIM/A/x" + std::to_string(i) + ".JPG", "jpeg");
    deep.write("DCIM/A/zz/FILE0001F.MP4", makeMp4());
    EXPECT_TRUE(pmFindCardRecordings(deep.path()));
    EXPECT_FALSE(pmFindCardRecordings(deep.path(), {10, 4}));
}

TEST(MissingFolderMemo, FilesOfAMissingFolderAreMissingAndOthersAreStillChecked)
{
    TempDir dir;
    const std::string kept = dir.write("DCIM/100F/a.MP4", "x");
    const std::string gone = dir.path() + "/DCIM/100R/b.MP4"; // its folder is not made
    {
        const MissingFolderMemo memo;
        EXPECT_TRUE(pmIsFileExist(kept));
        EXPECT_FALSE(pmIsFileExist(dir.file("DCIM/100F/deleted.MP4"))); // the folder is there, the file not
        EXPECT_FALSE(pmIsFileExist(gone));
        dir.write("DCIM/100R/b.MP4", "x"); // back during the pass: not seen in it
        EXPECT_FALSE(pmIsFileExist(gone));
        EXPECT_TRUE(pmIsFileExist("/")); // no folder part to look up
    }
    EXPECT_EQ(MissingFolderMemo::current(), nullptr);
    EXPECT_TRUE(pmIsFileExist(gone));
}
