#include "CommandRunner.h"
#include "TempDir.h"
#include "VideoFixtures.h"

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

std::string scan(const TempDir& dir, const std::string& options)
{
    CommandResult r = runCommand(std::string(KORIV_CLI_PATH) + " scan '" + dir.path() + "' " + options);
    EXPECT_EQ(r.exitCode, 0);
    return r.out;
}

void writeRecording(const TempDir& dir, const std::string& name, const char* localTime)
{
    std::string path = dir.write(name, makeMp4());
    std::tm tm{};
    ::strptime(localTime, "%Y-%m-%dT%H:%M:%S", &tm);
    tm.tm_isdst = -1;
    auto t = std::chrono::system_clock::from_time_t(std::mktime(&tm));
    std::filesystem::last_write_time(path, std::chrono::file_clock::from_sys(t));
}

} // namespace

TEST(ScanCommand, TsvHasOneLinePerEntryAndNothingElse)
{
    TempDir dir;
    writeRecording(dir, "CARDF/FILE0001F.MP4", "2026-03-01T10:00:00");
    writeRecording(dir, "CARDR/FILE0001R.MP4", "2026-03-01T10:00:00");
    writeRecording(dir, "CARDF/BE000002.MP4", "2026-03-02T08:30:05");
    dir.write("CARDF/BROKEN.MP4", "not a movie");

    std::string p = dir.path();
    EXPECT_EQ(scan(dir, "--format tsv"),
              "0\t" + p + "/CARDF/FILE0001F.MP4\t2026-03-01T10:00:00\t0\t1\t1\t1\n"
              "1\t" + p + "/CARDR/FILE0001R.MP4\t2026-03-01T10:00:00\t0\t2\t0\t1\n"
              "2\t" + p + "/CARDF/BE000002.MP4\t2026-03-02T08:30:05\t1\t0\t-1\t2\n");
    EXPECT_EQ(scan(dir, "--format tsv --day 2026-03-02"),
              "0\t" + p + "/CARDF/BE000002.MP4\t2026-03-02T08:30:05\t1\t0\t-1\t2\n");
    EXPECT_EQ(scan(dir, "--format tsv --categories parking,timelapse"), "");

    std::string text = scan(dir, "--categories event");
    EXPECT_NE(text.find("BE000002.MP4"), std::string::npos);
    EXPECT_NE(text.find("1 recordings in the play list (3 in the library)"), std::string::npos);
}

TEST(ScanCommand, RejectsBadArguments)
{
    EXPECT_EQ(runCommand(std::string(KORIV_CLI_PATH) + " scan").exitCode, 2);
    EXPECT_EQ(runCommand(std::string(KORIV_CLI_PATH) + " scan /tmp --day 2026-13-01").exitCode, 2);
    EXPECT_EQ(runCommand(std::string(KORIV_CLI_PATH) + " scan /tmp --categories cars").exitCode, 2);
    EXPECT_EQ(runCommand(std::string(KORIV_CLI_PATH) + " frobnicate").exitCode, 2);
}

TEST(ScanCommand, AFolderThatCannotBeReadIsAnErrorNotAnEmptyCard)
{
    TempDir dir;
    const std::string file = dir.write("FILE0001.MP4", makeMp4());
    for (const std::string& folder : {dir.file("unmounted/CARD"), file}) {
        CommandResult r = runCommand(std::string(KORIV_CLI_PATH) + " scan '" + folder + "' --format tsv");
        EXPECT_EQ(r.exitCode, 1) << folder;
        EXPECT_EQ(r.out, "") << folder;
    }
    EXPECT_EQ(runCommand(std::string(KORIV_CLI_PATH) + " scan '" + dir.path() + "/' --format tsv").exitCode, 0);
}
