// korivmanager-cli-media: the commands of korivmanager-cli that decode pictures, with Qt and
// FFmpeg. korivmanager-cli runs it for them with the same arguments.

#include "CommandLine.h"
#include "MediaCommands.h"

#include <array>

int runFrame(std::span<const std::string_view> args);
int runClip(std::span<const std::string_view> args);

namespace {

constexpr std::array kCommands{
    CliCommand{"frame", cli::kFrameUsage, runFrame},
    CliCommand{"clip", cli::kClipUsage, runClip},
};

} // namespace

int main(int argc, char** argv)
{
    return cli::runCommandLine(kCommands, argc, argv);
}
