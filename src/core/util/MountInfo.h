#pragma once
// The kernel's table of mounts as /proc/self/mountinfo lists it: one line per mount, fields
// separated by spaces, with space, tab, newline and backslash in paths written as octal
// escapes ("\040").

#include <string>
#include <string_view>
#include <vector>

struct MountEntry {
    std::string mountPoint;
    std::string fsType;
    std::string source;
};

// The mounts of the table in its order; malformed lines are skipped.
std::vector<MountEntry> parseMountInfo(std::string_view text);

// The mount points that lie strictly below one of the roots (a mount at the root itself is
// the folder that holds volumes, not a volume).
std::vector<std::string> volumesUnder(const std::vector<MountEntry>& mounts, const std::vector<std::string>& roots);

// The mount point that holds the path: the longest mount point that is the path or one of
// its parents ("/" when nothing else matches and "/" is mounted).
std::string mountPointOf(const std::vector<MountEntry>& mounts, std::string_view path);
