// The copy core's promises beyond moving bytes: the source's times on the copy, the 2-second
// step of FAT times, earlier copies left alone, and a copy that does not read back equal to
// its source never taking the destination's name.

#include "backup/CopyVerifier.h"
#include "backup/FileCopy.h"
#include "backup/StreamHash.h"

#include "FileTimes.h"
#include "FolderFiles.h"
#include "TempDir.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

timespec shifted(timespec t, long long nanos)
{
    const long long total = t.tv_sec * 1000000000LL + t.tv_nsec + nanos; // times after 1970
    return {static_cast<time_t>(total / 1000000000LL), static_cast<long>(total % 1000000000LL)};
}

// A recording with times of its own, as a camera leaves them on the card.
std::string cardRecording(const TempDir& card, const std::string& name, size_t size)
{
    const std::string path = card.write(name, patternBytes(size, static_cast<char>(name.size())));
    setFileTimes(path, {{1714557600, 5000}, {1714554000, 123456789}});
    return path;
}

} // namespace

TEST(StreamHash, MatchesXxh64InPiecesOfAnySize)
{
    // Reference values from `xxhsum -H1`.
    StreamHash empty;
    EXPECT_EQ(empty.digest(), 0xEF46DB3751D8E999ull);
    StreamHash abc;
    abc.update("abc", 3);
    EXPECT_EQ(abc.digest(), 0x44BC2CF5AD770999ull);

    std::string bytes(100003, '\0');
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>((i * 131) ^ (i >> 3));
    const std::pair<size_t, std::uint64_t> prefixes[] = {
        {31, 0xFDE643635593F757ull}, {32, 0x534CCE89AA6534B7ull}, {45, 0xA75704F6F9CA79DDull},
        {100003, 0xE6C43697B88C2D9Dull}};
    for (const auto& [length, expected] : prefixes) {
        for (size_t piece : {size_t(1), size_t(7), size_t(32), size_t(33), size_t(65536)}) {
            StreamHash hash;
            for (size_t at = 0; at < length; at += piece)
                hash.update(bytes.data() + at, std::min(piece, length - at));
            EXPECT_EQ(hash.digest(), expected) << length << " in pieces of " << piece;
            EXPECT_EQ(hash.length(), length);
        }
    }
}

TEST(BackupFile, TheCopyCarriesTheSourcesTimes)
{
    TempDir card, dst;
    const std::string source = cardRecording(card, "FILE0001F.MP4", 3 * 1048576 + 9);
    const FileTimes before = fileTimesOf(source);
    CopyControl control;
    ASSERT_EQ(pmBackupFile(source, dst.path(), &control), BackupStatus::Copied);
    const FileTimes copy = fileTimesOf(dst.path() + "/FILE0001F.MP4");
    EXPECT_EQ(nanosApart(copy.modification, before.modification), 0);
    EXPECT_EQ(nanosApart(copy.access, before.access), 0);
    EXPECT_EQ(readFileBytes(dst.path() + "/FILE0001F.MP4"), readFileBytes(source));

    // Without verification too, and through the calls the window makes.
    const std::string log = card.write("FILE0001F.NMEA", "$GPRMC");
    setFileTimes(log, before);
    CopyOptions unverified;
    unverified.verify = false;
    ASSERT_EQ(pmCopyFileIntoFolder(log, dst.path(), nullptr, unverified), CopyStatus::Copied);
    EXPECT_EQ(nanosApart(fileTimesOf(dst.path() + "/FILE0001F.NMEA").modification, before.modification), 0);
}

TEST(BackupFile, AnEarlierCopyWithinTheTwoSecondStepIsLeftAlone)
{
    TempDir card, dst;
    const std::string source = cardRecording(card, "EMER0001F.MP4", 200000);
    const timespec mtime = fileTimesOf(source).modification;
    const std::string copy = dst.write("EMER0001F.MP4", patternBytes(200000, 99)); // same size, other bytes
    CopyControl control;
    // A FAT card's time, cut down to its 2-second step, or rounded up.
    for (long long apart : {0LL, -1999999999LL, 1999999999LL}) {
        setFileTimes(copy, {mtime, shifted(mtime, apart)});
        EXPECT_EQ(pmPreviewBackupFile(source, dst.path()), BackupStatus::Skipped) << apart;
        EXPECT_EQ(pmBackupFile(source, dst.path(), &control), BackupStatus::Skipped) << apart;
        EXPECT_EQ(readFileBytes(copy), patternBytes(200000, 99));
    }
    EXPECT_EQ(control.bytesCopied.load(), 0u);

    // Two seconds apart or more, or another size: another recording, replaced.
    for (long long apart : {2000000000LL, -2000000000LL}) {
        setFileTimes(copy, {mtime, shifted(mtime, apart)});
        EXPECT_EQ(pmPreviewBackupFile(source, dst.path()), BackupStatus::Copied) << apart;
        ASSERT_EQ(pmBackupFile(source, dst.path(), &control), BackupStatus::Copied) << apart;
        EXPECT_EQ(readFileBytes(copy), readFileBytes(source));
        std::ofstream(copy, std::ios::binary) << patternBytes(200000, 98);
    }
    std::ofstream(copy, std::ios::binary) << patternBytes(200001, 97);
    setFileTimes(copy, {mtime, mtime});
    ASSERT_EQ(pmBackupFile(source, dst.path(), &control), BackupStatus::Copied);
    EXPECT_EQ(readFileBytes(copy), readFileBytes(source));

    // A log of the same name and time is kept, and counted as done.
    CopyOptions keep;
    keep.replaceExisting = false;
    EXPECT_EQ(pmBackupFile(source, dst.path(), nullptr, keep), BackupStatus::Skipped);
    keep.skipUnchanged = false;
    EXPECT_EQ(pmBackupFile(source, dst.path(), nullptr, keep), BackupStatus::Exists);
    EXPECT_EQ(fileNamesIn(dst.path()).size(), 1u);
}

TEST(BackupFile, ACopyThatDoesNotReadBackEqualIsRemovedAndTheOlderFileKept)
{
    TempDir card, dst;
    const std::string source = cardRecording(card, "FILE0002F.MP4", 5 * 1048576 + 3);
    const std::string older = dst.write("FILE0002F.MP4", "the older copy");
    using Damage = std::function<void(int)>;
    const Damage damages[] = {
        [](int fd) { ASSERT_EQ(::pwrite(fd, "X", 1, 3 * 1048576 + 11), 1); },  // one byte flipped
        [](int fd) { ASSERT_EQ(::ftruncate(fd, 4 * 1048576), 0); },             // the end lost
        [](int fd) { ASSERT_EQ(::pwrite(fd, "tail", 4, 5 * 1048576 + 3), 4); }, // bytes added
    };
    for (const Damage& damage : damages) {
        // Read back past the page cache either way: directly, or from a cache emptied of it.
        for (bool direct : {true, false}) {
            CopyOptions options;
            options.beforeReadBack = damage;
            options.directReadBack = direct;
            CopyControl control;
            EXPECT_EQ(pmBackupFile(source, dst.path(), &control, options), BackupStatus::VerifyFailed) << direct;
            EXPECT_EQ(readFileBytes(older), "the older copy");
            EXPECT_EQ(fileNamesIn(dst.path()).size(), 1u); // no temporary file left behind
            EXPECT_EQ(pmCopyFileIntoFolder(source, dst.path(), &control, options), CopyStatus::WriteFailed);
        }
    }
    // A copy long enough to be read back in stretches while it is written: its first stretch
    // is checked before the last is written.
    const std::string longer = cardRecording(card, "FILE0003F.MP4", 3 * kVerifyStretch + 3 * 1048576 + 5);
    CopyOptions early;
    early.beforeReadBack = [](int fd) { ASSERT_EQ(::pwrite(fd, "X", 1, 7), 1); };
    early.onBlock = [&](std::uint64_t done) { EXPECT_LT(done, 3 * kVerifyStretch + 3 * 1048576 + 5); };
    EXPECT_EQ(pmBackupFile(longer, dst.path(), nullptr, early), BackupStatus::VerifyFailed);
    EXPECT_EQ(fileNamesIn(dst.path()).size(), 1u);
    ASSERT_EQ(pmBackupFile(longer, dst.path(), nullptr), BackupStatus::Copied);
    EXPECT_EQ(readFileBytes(dst.path() + "/FILE0003F.MP4"), readFileBytes(longer));

    fs::remove(older);
    fs::remove(dst.path() + "/FILE0003F.MP4");
    CopyOptions flip;
    flip.beforeReadBack = damages[0];
    EXPECT_EQ(pmBackupFile(source, dst.path(), nullptr, flip), BackupStatus::VerifyFailed);
    EXPECT_EQ(fileNamesIn(dst.path()).size(), 0u);
    // The same medium, giving back what it was given.
    flip.beforeReadBack = [](int) {};
    EXPECT_EQ(pmBackupFile(source, dst.path(), nullptr, flip), BackupStatus::Copied);
    EXPECT_EQ(readFileBytes(dst.path() + "/FILE0002F.MP4"), readFileBytes(source));
}

TEST(BackupFile, APreviewWritesNothing)
{
    TempDir card, dst;
    const std::string source = cardRecording(card, "PARK0001F.MP4", 1000);
    EXPECT_EQ(pmPreviewBackupFile(source, dst.path()), BackupStatus::Copied);
    EXPECT_EQ(pmPreviewBackupFile(source, card.path()), BackupStatus::SameFile);
    EXPECT_EQ(pmPreviewBackupFile(card.path() + "/gone.MP4", dst.path()), BackupStatus::ReadFailed);
    EXPECT_EQ(pmPreviewBackupFile(source, dst.path() + "/missing"), BackupStatus::WriteFailed);
    EXPECT_EQ(fileNamesIn(dst.path()).size(), 0u);
}
