// korivmanager-cli runs frame and clip in korivmanager-cli-media: found beside the tool or
// where the package installs it, through a link to the tool, and explained when it is missing.
#include "CommandRunner.h"
#include "TempDir.h"
#include "TestClips.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

// A copy of the tool, so that it looks for the media program from another folder.
std::string copyTool(const TempDir& dir, const std::string& folder)
{
    const fs::path tool = fs::path(dir.file(folder)) / "korivmanager-cli";
    fs::create_directories(tool.parent_path());
    fs::copy_file(KORIV_CLI_PATH, tool);
    return tool.string();
}

CommandResult frameThrough(const std::string& tool, const std::string& clip, const std::string& out)
{
    return runCommand("{ '" + tool + "' frame '" + clip + "' --at 0.5 -o '" + out + "' 2>&1; }");
}

std::string writeClip(const TempDir& dir)
{
    ClipOptions options;
    options.seconds = 1;
    const std::string clip = dir.file("clip.MP4");
    EXPECT_TRUE(writeTestClip(clip, options));
    return clip;
}

} // namespace

TEST(MediaProgram, IsFoundInTheInstalledLayoutAndThroughALink)
{
    TempDir dir;
    const std::string clip = writeClip(dir);

    const std::string installed = copyTool(dir, "usr/bin");
    const fs::path media = fs::path(dir.file("usr/bin")) / KORIV_CLI_MEDIA_RELATIVE_DIR / "korivmanager-cli-media";
    fs::create_directories(media.parent_path());
    fs::create_symlink(KORIV_CLI_MEDIA_PATH, media);
    CommandResult r = frameThrough(installed, clip, dir.file("installed.jpg"));
    EXPECT_EQ(r.exitCode, 0) << r.out;
    EXPECT_TRUE(fs::exists(dir.file("installed.jpg")));

    // A link in the user's own folder of programs: the media program is beside the linked file.
    const std::string link = dir.file("home/bin/korivmanager-cli");
    fs::create_directories(fs::path(link).parent_path());
    fs::create_symlink(KORIV_CLI_PATH, link);
    r = frameThrough(link, clip, dir.file("linked.jpg"));
    EXPECT_EQ(r.exitCode, 0) << r.out;
    EXPECT_TRUE(fs::exists(dir.file("linked.jpg")));
}

TEST(MediaProgram, AMissingOneIsExplainedAndTheCoreCommandsStillRun)
{
    TempDir dir;
    const std::string clip = writeClip(dir);
    const std::string alone = copyTool(dir, "alone");

    const CommandResult frame = frameThrough(alone, clip, dir.file("out.jpg"));
    EXPECT_EQ(frame.exitCode, 1);
    EXPECT_NE(frame.out.find("cannot start korivmanager-cli-media"), std::string::npos) << frame.out;
    EXPECT_FALSE(fs::exists(dir.file("out.jpg")));
    const CommandResult clipRun =
        runCommand("{ '" + alone + "' clip '" + clip + "' --from 0 --to 1 -o '" + dir.file("out.mp4") + "' 2>&1; }");
    EXPECT_EQ(clipRun.exitCode, 1);
    EXPECT_NE(clipRun.out.find("korivmanager-cli clip: cannot start"), std::string::npos) << clipRun.out;

    EXPECT_EQ(runCommand("'" + alone + "' scan '" + dir.path() + "'").exitCode, 0);
}
