#include "backup/FileCopy.h"

#include "TempDir.h"
#include "TmpfsMount.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string randomBytes(size_t size, unsigned seed)
{
    std::mt19937 gen(seed);
    std::string bytes(size, '\0');
    for (char& c : bytes)
        c = static_cast<char>(gen());
    return bytes;
}

std::string readAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// Names in the folder other than the ones expected: a left-over temporary file shows here.
std::vector<std::string> namesIn(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

struct CopyMode {
    bool kernel;
    size_t block;
    bool verify = true; // a verified copy goes through the buffer whatever kernel says
    bool direct = true; // read back with O_DIRECT, or through the page cache emptied first
};

class FileCopyModes : public ::testing::TestWithParam<CopyMode> {
protected:
    CopyOptions options() const
    {
        CopyOptions o;
        o.kernelCopy = GetParam().kernel;
        o.blockSize = GetParam().block;
        o.verify = GetParam().verify;
        o.directReadBack = GetParam().direct;
        return o;
    }
};

} // namespace

TEST_P(FileCopyModes, CopiesEveryByteAndCountsThem)
{
    TempDir src, dst;
    const std::string bytes = randomBytes(3 * 1048576 + 777, 1);
    const std::string source = src.write("FILE0001F.MP4", bytes);
    CopyControl control;
    control.bytesCopied = 10; // the run's counter carries over from earlier files
    EXPECT_EQ(pmCopyFileIntoFolder(source, dst.path(), &control, options()), CopyStatus::Copied);
    EXPECT_EQ(readAll(dst.path() + "/FILE0001F.MP4"), bytes);
    EXPECT_EQ(control.bytesCopied.load(), bytes.size() + 10);
    EXPECT_EQ(namesIn(dst.path()), std::vector<std::string>{"FILE0001F.MP4"});
}

TEST_P(FileCopyModes, CancelAfterABlockLeavesNothingAndKeepsAnOlderCopy)
{
    TempDir src, dst;
    const std::string source = src.write("FILE0002F.MP4", randomBytes(4 * 1048576, 2));
    const std::string older = dst.write("FILE0002F.MP4", "the older copy");
    CopyControl control;
    CopyOptions o = options();
    int blocks = 0;
    o.onBlock = [&](std::uint64_t) {
        if (++blocks == 2)
            control.cancelled = true;
    };
    EXPECT_EQ(pmCopyFileIntoFolder(source, dst.path(), &control, o), CopyStatus::Cancelled);
    EXPECT_EQ(blocks, 2);
    EXPECT_EQ(readAll(older), "the older copy");
    EXPECT_EQ(namesIn(dst.path()), std::vector<std::string>{"FILE0002F.MP4"});
    // Once cancelled, the next file is not started.
    const std::string next = src.write("FILE0003F.MP4", "x");
    EXPECT_EQ(pmCopyFileIntoFolder(next, dst.path(), &control, o), CopyStatus::Cancelled);
    EXPECT_FALSE(fs::exists(dst.path() + "/FILE0003F.MP4"));
}

TEST_P(FileCopyModes, ASourceCutShortMidCopyFailsAndRemovesThePartialFile)
{
    TempDir src, dst;
    const std::string source = src.write("FILE0004F.MP4", randomBytes(4 * 1048576, 3));
    const std::string older = dst.write("FILE0004F.MP4", "kept");
    CopyOptions o = options();
    o.onBlock = [&](std::uint64_t) { ::truncate(source.c_str(), 0); };
    CopyControl control;
    EXPECT_EQ(pmCopyFileIntoFolder(source, dst.path(), &control, o), CopyStatus::ReadFailed);
    EXPECT_EQ(readAll(older), "kept");
    EXPECT_EQ(namesIn(dst.path()), std::vector<std::string>{"FILE0004F.MP4"});
}

INSTANTIATE_TEST_SUITE_P(FileCopy, FileCopyModes,
                         ::testing::Values(CopyMode{true, kCopyBlockSize}, CopyMode{false, kCopyBlockSize},
                                           CopyMode{false, 1024}, CopyMode{true, kCopyBlockSize, false},
                                           CopyMode{false, kCopyBlockSize, true, false}));

TEST(FileCopy, ReplacesAnExistingFileOnlyWithTheCompleteCopy)
{
    TempDir src, dst;
    const std::string bytes = randomBytes(1048576 + 5, 4);
    const std::string source = src.write("EMER0001R.MP4", bytes);
    const std::string older = dst.write("EMER0001R.MP4", "older");
    EXPECT_EQ(pmCopyFileIntoFolder(source, dst.path(), nullptr), CopyStatus::Copied);
    EXPECT_EQ(readAll(older), bytes);

    // A log file is kept when one of its name is there.
    const std::string log = src.write("EMER0001R.NMEA", "$GPRMC new");
    const std::string oldLog = dst.write("EMER0001R.NMEA", "$GPRMC old");
    CopyOptions keep;
    keep.replaceExisting = false;
    EXPECT_EQ(pmCopyFileIntoFolder(log, dst.path(), nullptr, keep), CopyStatus::Exists);
    EXPECT_EQ(readAll(oldLog), "$GPRMC old");
    EXPECT_EQ(namesIn(dst.path()), (std::vector<std::string>{"EMER0001R.MP4", "EMER0001R.NMEA"}));
}

TEST(FileCopy, TheSourceFolderAsDestinationLeavesTheRecordingUntouched)
{
    TempDir src;
    const std::string bytes = randomBytes(200000, 5);
    const std::string source = src.write("FILE0005F.MP4", bytes);
    CopyControl control;
    EXPECT_EQ(pmCopyFileIntoFolder(source, src.path(), &control), CopyStatus::SameFile);
    EXPECT_EQ(readAll(source), bytes);
    EXPECT_EQ(namesIn(src.path()), std::vector<std::string>{"FILE0005F.MP4"});
    // The same file reached through a hard link in another folder is the same file too.
    TempDir other;
    fs::create_hard_link(source, other.path() + "/FILE0005F.MP4");
    EXPECT_TRUE(pmIsSameFile(source, other.path() + "/FILE0005F.MP4"));
    EXPECT_EQ(pmCopyFileIntoFolder(source, other.path(), &control), CopyStatus::SameFile);
    EXPECT_EQ(readAll(source), bytes);
}

TEST(FileCopy, ZeroLengthMissingAndUnwritable)
{
    TempDir src, dst;
    const std::string empty = src.write("PARK0001F.MP4", "");
    CopyControl control;
    EXPECT_EQ(pmCopyFileIntoFolder(empty, dst.path(), &control), CopyStatus::Copied);
    EXPECT_TRUE(fs::exists(dst.path() + "/PARK0001F.MP4"));
    EXPECT_EQ(fs::file_size(dst.path() + "/PARK0001F.MP4"), 0u);

    EXPECT_EQ(pmCopyFileIntoFolder(src.path() + "/gone.MP4", dst.path(), &control), CopyStatus::ReadFailed);
    EXPECT_EQ(pmCopyFileIntoFolder(src.path(), dst.path(), &control), CopyStatus::ReadFailed); // a folder
    EXPECT_EQ(pmCopyFileIntoFolder(empty, dst.path() + "/missing", &control), CopyStatus::WriteFailed);
}

TEST(FileCopy, FreeSpaceOfExactlyTheSizePlusOneMebibyteIsEnough)
{
    constexpr std::uint64_t kFs = 4 * 1048576;
    TempDir src;
    const std::string fits = src.write("FILE0006F.MP4", randomBytes(kFs - kBackupSpareBytes, 6));
    const std::string tooBig = src.write("FILE0007F.MP4", randomBytes(kFs - kBackupSpareBytes + 1, 7));
    {
        TmpfsMount fsOne(kFs);
        if (!fsOne.mounted())
            GTEST_SKIP() << fsOne.error();
        CopyControl control;
        EXPECT_EQ(pmCopyFileIntoFolder(tooBig, fsOne.path(), &control), CopyStatus::NoDiskSpace);
        EXPECT_TRUE(namesIn(fsOne.path()).empty());
        EXPECT_EQ(pmCopyFileIntoFolder(fits, fsOne.path(), &control), CopyStatus::Copied);
        EXPECT_EQ(readAll(fsOne.path() + "/FILE0006F.MP4"), readAll(fits));
    }
    // A write that fails on a full disk, past the check, removes its partial file.
    TmpfsMount small(1048576);
    ASSERT_TRUE(small.mounted()) << small.error();
    CopyOptions unchecked;
    unchecked.checkFreeSpace = false;
    CopyControl control;
    EXPECT_EQ(pmCopyFileIntoFolder(fits, small.path(), &control, unchecked), CopyStatus::WriteFailed);
    EXPECT_TRUE(namesIn(small.path()).empty());
}

TEST(FileCopy, AReadOnlyMountIsNeverWritten)
{
    TempDir src;
    const std::string source = src.write("FILE0008F.MP4", "abc");
    TmpfsMount ro(1048576 * 4);
    if (!ro.mounted())
        GTEST_SKIP() << ro.error();
    ASSERT_TRUE(ro.remountReadOnly());
    CopyOptions unchecked;
    unchecked.checkFreeSpace = false;
    EXPECT_EQ(pmCopyFileIntoFolder(source, ro.path(), nullptr, unchecked), CopyStatus::WriteFailed);
    EXPECT_TRUE(namesIn(ro.path()).empty());
}
