// korivmanager-cli backup on a card made here: the second run copies nothing, the backup's
// recordings keep their days, the choice of categories and days, and the exit status of
// every way it can fail.

#include "CommandRunner.h"
#include "FileTimes.h"
#include "FolderFiles.h"
#include "TempDir.h"
#include "TmpfsMount.h"
#include "VideoFixtures.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

CommandResult backup(const std::string& source, const std::string& destination, const std::string& options = "")
{
    return runCommand(std::string(KORIV_CLI_PATH) + " backup '" + source + "' '" + destination + "' " + options);
}

class BackupCommand : public ::testing::Test {
protected:
    void SetUp() override
    {
        Mp4Options big;
        big.mediaBytes = 2 * 1048576;
        record("DCIM/100MEDIA/FILE0001F.MP4", "2026-03-01T10:00:00", big);
        record("DCIM/100MEDIA/EMER0002F.MP4", "2026-03-01T23:59:58");
        record("DCIM/100MEDIA/PARK0003F.MP4", "2026-03-02T00:00:01");
        record("DCIM/100MEDIA/FILE0004F.MP4", "2026-03-03T08:30:00");
        setLocalTime(card.write("DCIM/100MEDIA/FILE0001F.NMEA", "$GPRMC,100000"), "2026-03-01T10:00:00");
    }

    void record(const std::string& name, const char* localTime, const Mp4Options& options = {})
    {
        setLocalTime(card.write(name, makeMp4(options)), localTime);
    }

    TempDir card;
    TempDir dst;
};

} // namespace

TEST_F(BackupCommand, ASecondRunCopiesNothingAndTheBackupKeepsItsDays)
{
    CommandResult r = backup(card.path(), dst.path());
    EXPECT_EQ(r.exitCode, 0) << r.out;
    EXPECT_NE(r.out.find("4 copied, 0 skipped, 0 failed, 0 not started"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("1 logs copied"), std::string::npos) << r.out;
    EXPECT_EQ(fileNamesIn(dst.path()), (std::vector<std::string>{"EMER0002F.MP4", "FILE0001F.MP4", "FILE0001F.NMEA",
                                                             "FILE0004F.MP4", "PARK0003F.MP4"}));

    r = backup(card.path(), dst.path());
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_NE(r.out.find("0 copied, 4 skipped, 0 failed, 0 not started, 0 bytes copied, 0 logs copied"),
              std::string::npos) << r.out;

    // The program dates the backup's recordings on the card's days.
    const CommandResult scan = runCommand(std::string(KORIV_CLI_PATH) + " scan '" + dst.path() + "' --format tsv");
    const std::string p = dst.path();
    EXPECT_EQ(scan.out, "0\t" + p + "/FILE0001F.MP4\t2026-03-01T10:00:00\t0\t1\t-1\t1\n"
                        "1\t" + p + "/EMER0002F.MP4\t2026-03-01T23:59:58\t1\t1\t-1\t1\n"
                        "2\t" + p + "/PARK0003F.MP4\t2026-03-02T00:00:01\t2\t1\t-1\t1\n"
                        "3\t" + p + "/FILE0004F.MP4\t2026-03-03T08:30:00\t0\t1\t-1\t1\n");
}

TEST_F(BackupCommand, CategoriesAndDaysPickTheRecordings)
{
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {"--categories event", {"EMER0002F.MP4"}},
        {"--categories event,parking", {"EMER0002F.MP4", "PARK0003F.MP4"}},
        {"--day 2026-03-01 --categories normal", {"FILE0001F.MP4", "FILE0001F.NMEA"}},
        {"--day 2026-03-02", {"PARK0003F.MP4"}},
        {"--since 2026-03-02", {"FILE0004F.MP4", "PARK0003F.MP4"}},
    };
    for (const auto& [options, names] : cases) {
        TempDir into;
        const CommandResult preview = backup(card.path(), into.path(), options + " --dry-run");
        EXPECT_EQ(preview.exitCode, 0) << options;
        EXPECT_TRUE(fileNamesIn(into.path()).empty()) << options;
        EXPECT_EQ(backup(card.path(), into.path(), options).exitCode, 0) << options;
        EXPECT_EQ(fileNamesIn(into.path()), names) << options;
    }
    const std::string folder = card.path() + "/DCIM/100MEDIA/";
    const auto bytes = fs::file_size(folder + "PARK0003F.MP4") + fs::file_size(folder + "FILE0004F.MP4");
    const CommandResult preview = backup(card.path(), dst.path(), "--since 2026-03-02 --dry-run");
    EXPECT_EQ(preview.out, "copy\t" + folder + "PARK0003F.MP4\ncopy\t" + folder + "FILE0004F.MP4\nwould copy 2 ("
                               + std::to_string(bytes) + " bytes), skip 0, fail 0\n");
}

TEST_F(BackupCommand, EveryFailureEndsWithANonZeroStatus)
{
    // Nothing on that day, or nothing of that kind.
    EXPECT_EQ(backup(card.path(), dst.path(), "--day 2026-04-01").exitCode, 1);
    EXPECT_EQ(backup(card.path(), dst.path(), "--categories timelapse").exitCode, 1);
    // Folders that cannot take part.
    EXPECT_EQ(backup(card.path(), card.path() + "/DCIM/backup").exitCode, 1); // missing
    fs::create_directories(card.path() + "/DCIM/backup");
    EXPECT_EQ(backup(card.path(), card.path() + "/DCIM/backup").exitCode, 1); // inside the card
    EXPECT_EQ(backup(card.path() + "/unmounted", dst.path()).exitCode, 1);
    fs::create_directories(dst.path() + "/ro");
    fs::permissions(dst.path() + "/ro", fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    EXPECT_EQ(backup(card.path(), dst.path() + "/ro").exitCode, 1);
    EXPECT_TRUE(fileNamesIn(dst.path() + "/ro").empty());
    EXPECT_TRUE(fileNamesIn(card.path() + "/DCIM/backup").empty());
    // Usage.
    EXPECT_EQ(backup(card.path(), dst.path(), "--day 2026-03-01 --since 2026-03-01").exitCode, 2);
    EXPECT_EQ(backup(card.path(), dst.path(), "--day 2026-3-1x").exitCode, 2);
    EXPECT_EQ(runCommand(std::string(KORIV_CLI_PATH) + " backup '" + card.path() + "'").exitCode, 2);
    EXPECT_TRUE(fileNamesIn(dst.path()) == std::vector<std::string>{"ro"});

    // A destination too small for the first recording: the others fit, but the run has stopped.
    TmpfsMount full(2 * 1048576);
    if (!full.mounted())
        GTEST_SKIP() << full.error();
    const CommandResult r = backup(card.path(), full.path());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.out.find("0 copied, 0 skipped, 1 failed, 3 not started"), std::string::npos) << r.out;
    EXPECT_TRUE(fileNamesIn(full.path()).empty());
    // Failures are told on standard error, with no progress bar when it is not a terminal.
    const CommandResult told = runCommand("sh -c \"" + std::string(KORIV_CLI_PATH) + " backup '" + card.path() + "' '"
                                          + full.path() + "' 2>&1 >/dev/null\"");
    EXPECT_NE(told.out.find("FILE0001F.MP4: not enough free space"), std::string::npos) << told.out;
    EXPECT_EQ(told.out.find('\r'), std::string::npos);
}
