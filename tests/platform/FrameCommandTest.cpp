// korivmanager-cli frame, which the GUI build adds to the command-line tool.
#include "CommandRunner.h"
#include "TempDir.h"
#include "TestClips.h"

#include <QDir>
#include <QImage>

#include <gtest/gtest.h>

namespace {

CommandResult frame(const std::string& arguments)
{
    return runCommand("{ " + std::string(KORIV_CLI_PATH) + " frame " + arguments + " 2>&1; }");
}

} // namespace

TEST(FrameCommand, WritesThePictureAtTheTimeAsJpeg)
{
    TempDir dir;
    ClipOptions options;
    options.seconds = 3;
    const std::string clip = dir.file("cam/FILE0001F.MOV");
    ASSERT_TRUE(writeTestClip(clip, options));
    const std::string out = dir.file("out/picture.jpg");

    const CommandResult r = frame("'" + clip + "' --at 1.5 -o '" + out + "'");
    EXPECT_EQ(r.exitCode, 0) << r.out;
    QImage image;
    ASSERT_TRUE(image.load(QString::fromStdString(out), "JPG"));
    EXPECT_EQ(image.size(), QSize(160, 90));
    const QRgb pixel = image.pixel(80, 45);
    EXPECT_EQ(clipSecondOf(qRed(pixel), qGreen(pixel), qBlue(pixel)), 1);
    // Nothing but the picture is left in its folder.
    EXPECT_EQ(QDir(QString::fromStdString(dir.file("out"))).entryList(QDir::Files), QStringList{"picture.jpg"});
}

TEST(FrameCommand, FailuresAreExplainedAndWriteNothing)
{
    TempDir dir;
    ClipOptions options;
    options.seconds = 1;
    const std::string clip = dir.file("clip.MP4");
    ASSERT_TRUE(writeTestClip(clip, options));
    const std::string text = dir.write("note.MP4", "not a recording\n");
    const std::string out = dir.file("out.jpg");
    const struct {
        std::string arguments;
        const char* message;
    } failures[] = {
        {"'" + dir.file("gone.MP4") + "' --at 0 -o '" + out + "'", "cannot read"},
        {"'" + text + "' --at 0 -o '" + out + "'", "cannot read"},
        {"'" + clip + "' --at 0 -o '" + dir.path() + "/no/such/folder/out.jpg'", "cannot write"},
        {"'" + clip + "' --at 0 -o '" + dir.path() + "'", "cannot write"},
    };
    for (const auto& f : failures) {
        SCOPED_TRACE(f.arguments);
        const CommandResult r = frame(f.arguments);
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_NE(r.out.find(f.message), std::string::npos) << r.out;
    }
    EXPECT_FALSE(QFile::exists(QString::fromStdString(out)));
    EXPECT_EQ(frame("'" + clip + "' --at soon -o '" + out + "'").exitCode, 2);
    EXPECT_EQ(frame("'" + clip + "' --at -1 -o '" + out + "'").exitCode, 2);
    EXPECT_EQ(frame("'" + clip + "' --at 0").exitCode, 2);
}
