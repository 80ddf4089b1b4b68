// Whole backup runs: the second run over the same card, the free space looked at before each
// recording, and the card or the destination going away in the middle of a recording.

#include "backup/BackupRun.h"

#include "FileTimes.h"
#include "FolderFiles.h"
#include "TempDir.h"
#include "TmpfsMount.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

// Recordings of the given sizes on a card folder, FILE0001F.MP4 onwards, dated a day apart.
std::vector<std::string> writeCard(const std::string& folder, const std::vector<size_t>& sizes)
{
    std::vector<std::string> paths;
    for (size_t i = 0; i < sizes.size(); ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "/FILE%04zuF.MP4", i + 1);
        paths.push_back(folder + name);
        std::ofstream(paths.back(), std::ios::binary) << patternBytes(sizes[i], static_cast<char>(i));
        const timespec day{1709280000 + static_cast<time_t>(i) * 86400, 0};
        setFileTimes(paths.back(), {day, day});
    }
    return paths;
}

} // namespace

TEST(BackupRun, TheSecondRunCopiesNothingAndStillReachesTheEnd)
{
    TempDir card, dst;
    const auto sources = writeCard(card.path(), {1048576 + 1, 300000, 0});
    std::ofstream(card.path() + "/FILE0001F.NMEA") << "$GPRMC,1";
    const BackupPlan plan = BackupPlan::forRecordings(sources, dst.path());
    ASSERT_EQ(plan.totalBytes(), 1048576u + 1 + 300000);

    CopyControl first;
    BackupResult r = pmRunBackup(plan, first);
    EXPECT_TRUE(r.complete());
    EXPECT_EQ(r.copied, 3);
    EXPECT_EQ(r.logsCopied, 1);
    EXPECT_EQ(r.bytesCopied, plan.totalBytes());
    EXPECT_EQ(fileNamesIn(dst.path()),
              (std::vector<std::string>{"FILE0001F.MP4", "FILE0001F.NMEA", "FILE0002F.MP4", "FILE0003F.MP4"}));

    CopyControl second;
    std::vector<BackupStatus> seen;
    BackupEvents events;
    events.finished = [&](const BackupItem&, BackupStatus s) { seen.push_back(s); };
    r = pmRunBackup(plan, second, events);
    EXPECT_TRUE(r.complete());
    EXPECT_EQ(r.copied, 0);
    EXPECT_EQ(r.skipped, 3);
    EXPECT_EQ(r.bytesCopied, 0u);
    EXPECT_EQ(r.logsCopied, 0);
    EXPECT_EQ(seen, std::vector<BackupStatus>(3, BackupStatus::Skipped));
    // The progress window counts them as done.
    EXPECT_EQ(second.bytesCopied.load(), plan.totalBytes());
    EXPECT_EQ(second.filesSkipped.load(), 3);
    EXPECT_EQ(r.sameFile, 0);

    // Into the card's own folder: skipped as well, but told apart from earlier copies.
    CopyControl own;
    r = pmRunBackup(BackupPlan::forRecordings(sources, card.path()), own);
    EXPECT_EQ(r.skipped, 3);
    EXPECT_EQ(r.sameFile, 3);
    EXPECT_EQ(r.copied, 0);
}

TEST(BackupRun, TheFreeSpaceIsLookedAtBeforeEachRecording)
{
    TmpfsMount full(4 * 1048576);
    if (!full.mounted())
        GTEST_SKIP() << full.error();
    TempDir card;
    const auto sources = writeCard(card.path(), {1200000, 1200000, 1200000, 10});
    CopyControl control;
    const BackupResult r = pmRunBackup(BackupPlan::forRecordings(sources, full.path()), control);
    EXPECT_FALSE(r.complete());
    EXPECT_EQ(r.copied, 2);
    EXPECT_EQ(r.failed, 1);
    EXPECT_EQ(r.notStarted, 1);
    EXPECT_EQ(r.stoppedBy, BackupStatus::NoDiskSpace);
    EXPECT_EQ(r.stoppedAt, sources[2]);
    EXPECT_EQ(fileNamesIn(full.path()), (std::vector<std::string>{"FILE0001F.MP4", "FILE0002F.MP4"}));
}

TEST(BackupRun, ADestinationFillingUpMidFileKeepsTheOlderCopy)
{
    TmpfsMount dst(4 * 1048576);
    if (!dst.mounted())
        GTEST_SKIP() << dst.error();
    TempDir card;
    const auto sources = writeCard(card.path(), {300000, 2 * 1048576});
    std::ofstream(dst.path() + "/FILE0002F.MP4") << "older";
    CopyOptions options;
    options.blockSize = 65536;
    // Something else takes the room while the second recording is being written.
    options.onBlock = [&](std::uint64_t total) {
        if (total > 400000 && !fs::exists(dst.path() + "/other"))
            std::ofstream(dst.path() + "/other", std::ios::binary) << std::string(3 * 1048576, 'o');
    };
    CopyControl control;
    const BackupResult r = pmRunBackup(BackupPlan::forRecordings(sources, dst.path()), control, {}, options);
    EXPECT_EQ(r.copied, 1);
    EXPECT_EQ(r.stoppedBy, BackupStatus::WriteFailed);
    EXPECT_EQ(readFileBytes(dst.path() + "/FILE0002F.MP4"), "older");
    EXPECT_EQ(fileNamesIn(dst.path()), (std::vector<std::string>{"FILE0001F.MP4", "FILE0002F.MP4", "other"}));
}

TEST(BackupRun, ACardPulledMidFileEndsTheRunWithTheOpenRecordingWhole)
{
    TempDir mountPoint, dst;
    TmpfsMount card(mountPoint.path() + "/CARD", 8 * 1048576);
    if (!card.mounted())
        GTEST_SKIP() << card.error();
    const auto sources = writeCard(card.path(), {3 * 1048576, 1048576});
    const std::string first = readFileBytes(sources[0]);
    CopyOptions options;
    options.onBlock = [&](std::uint64_t) { card.unmount(); }; // umount -l
    CopyControl control;
    const BackupResult r = pmRunBackup(BackupPlan::forRecordings(sources, dst.path()), control, {}, options);
    // The open recording is read to its end through its descriptor; the next one is gone.
    EXPECT_EQ(r.copied, 1);
    EXPECT_EQ(r.stoppedBy, BackupStatus::ReadFailed);
    EXPECT_EQ(r.stoppedAt, sources[1]);
    EXPECT_EQ(readFileBytes(dst.path() + "/FILE0001F.MP4"), first);
    EXPECT_EQ(fileNamesIn(dst.path()), std::vector<std::string>{"FILE0001F.MP4"});
}

TEST(BackupRun, ADestinationRemovedMidRunStopsIt)
{
    TempDir card, dst;
    const auto sources = writeCard(card.path(), {2 * 1048576, 1000});
    const std::string folder = dst.path() + "/backup";
    fs::create_directory(folder);
    CopyOptions options;
    options.onBlock = [&](std::uint64_t) { fs::remove_all(folder); };
    CopyControl control;
    const BackupResult r = pmRunBackup(BackupPlan::forRecordings(sources, folder), control, {}, options);
    EXPECT_EQ(r.copied, 0);
    EXPECT_EQ(r.stoppedBy, BackupStatus::WriteFailed);
    EXPECT_EQ(r.notStarted, 1);
    EXPECT_FALSE(fs::exists(folder));
    EXPECT_EQ(fileNamesIn(card.path()), (std::vector<std::string>{"FILE0001F.MP4", "FILE0002F.MP4"}));
}

TEST(BackupRun, AFailedVerificationStopsTheRunAndCancelLeavesTheRestUnstarted)
{
    TempDir card, dst;
    const auto sources = writeCard(card.path(), {100000, 200000, 300000});
    std::ofstream(dst.path() + "/FILE0002F.MP4") << "older";
    CopyOptions options;
    options.beforeReadBack = [](int fd) {
        if (::lseek(fd, 0, SEEK_END) == 200000) {
            ASSERT_EQ(::pwrite(fd, "?", 1, 0), 1);
        }
    };
    CopyControl control;
    const BackupPlan plan = BackupPlan::forRecordings(sources, dst.path());
    BackupResult r = pmRunBackup(plan, control, {}, options);
    EXPECT_EQ(r.copied, 1);
    EXPECT_EQ(r.failed, 1);
    EXPECT_EQ(r.notStarted, 1);
    EXPECT_EQ(r.stoppedBy, BackupStatus::VerifyFailed);
    EXPECT_EQ(readFileBytes(dst.path() + "/FILE0002F.MP4"), "older");
    EXPECT_EQ(fileNamesIn(dst.path()), (std::vector<std::string>{"FILE0001F.MP4", "FILE0002F.MP4"}));

    CopyControl cancel;
    BackupEvents events;
    events.starting = [&](const BackupItem& item) { cancel.cancelled = item.source == sources[1]; };
    r = pmRunBackup(plan, cancel, events);
    EXPECT_EQ(r.skipped, 1);
    EXPECT_EQ(r.failed, 0);
    EXPECT_EQ(r.notStarted, 2);
    EXPECT_EQ(r.stoppedBy, BackupStatus::Cancelled);
    EXPECT_FALSE(r.complete());
    EXPECT_EQ(readFileBytes(dst.path() + "/FILE0002F.MP4"), "older");
}

TEST(BackupFolders, TheDestinationMayNotLieInsideTheSource)
{
    TempDir root;
    fs::create_directories(root.path() + "/card/DCIM/backup");
    fs::create_directories(root.path() + "/card2");
    const std::string card = root.path() + "/card";
    EXPECT_EQ(pmCheckBackupFolders(card, card), BackupRefusal::DestinationInsideSource);
    EXPECT_EQ(pmCheckBackupFolders(card + "/", card + "/DCIM/backup/"), BackupRefusal::DestinationInsideSource);
    EXPECT_EQ(pmCheckBackupFolders(card + "/DCIM/..", card + "/DCIM/backup"), BackupRefusal::DestinationInsideSource);
    fs::create_directory_symlink(card + "/DCIM", root.path() + "/link");
    EXPECT_EQ(pmCheckBackupFolders(card, root.path() + "/link"), BackupRefusal::DestinationInsideSource);
    // A name that merely starts like the card's is another folder.
    EXPECT_EQ(pmCheckBackupFolders(card, root.path() + "/card2"), BackupRefusal::None);
    EXPECT_EQ(pmCheckBackupFolders(card + "/DCIM/backup", card), BackupRefusal::None);
    EXPECT_EQ(pmCheckBackupFolders(root.path() + "/gone", card), BackupRefusal::SourceUnreadable);
    EXPECT_EQ(pmCheckBackupFolders(card, root.path() + "/gone"), BackupRefusal::DestinationMissing);
    fs::permissions(root.path() + "/card2", fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    EXPECT_EQ(pmCheckBackupFolders(card, root.path() + "/card2"), BackupRefusal::DestinationReadOnly);
}
