#pragma once
// The commands that decode pictures. They link Qt and FFmpeg, so they live in a program of
// their own that korivmanager-cli runs for them: the other commands start without loading
// those libraries.

#include <span>
#include <string_view>

namespace cli {

inline constexpr std::string_view kFrameUsage = "frame VIDEO --at SECONDS -o OUT.jpg";
inline constexpr std::string_view kClipUsage =
    "clip RECORDING --from S --to S [--until LATER_RECORDING] [--cameras front|rear|side|pip] "
    "[--overlay none|time|full] [--no-sound] -o OUT.mp4";

// Replaces this process by the media program with `command` and `args`, so its output and
// exit status are the command's own. Returns only when no media program can be started,
// after a message: 1.
int runMediaCommand(std::string_view command, std::span<const std::string_view> args);

} // namespace cli
