// The command-line tool as a program: it must start without the window's libraries, whatever
// the build links elsewhere.
#include "CommandRunner.h"

#include <gtest/gtest.h>

TEST(CliProgram, LoadsNeitherQtNorFfmpeg)
{
    const CommandResult r = runCommand(std::string("ldd ") + KORIV_CLI_PATH);
    ASSERT_EQ(r.exitCode, 0);
    // ldd did list the program's libraries, so an empty answer cannot pass.
    EXPECT_NE(r.out.find("libc.so"), std::string::npos) << r.out;
    for (const char* library : {"libQt", "libav", "libsw", "libgst", "libGL", "libEGL"})
        EXPECT_EQ(r.out.find(library), std::string::npos) << library << " in\n" << r.out;
}
