#pragma once
// Which paths the folder watcher is given for a folder, and which events it drops.

#include <string>
#include <vector>

// The folder itself and, when it lies on a mounted volume, the volume's mount point as the
// second path, so that the volume going away is reported even for a folder deep inside it.
std::vector<std::string> pmMonitorPaths(const std::string& folder);

// An event for path is dropped when an excluded path equals it, or, with ignoreSubDirs, when
// the path lies under an excluded one.
bool pmIsExcludedEventPath(const std::string& path, const std::vector<std::string>& excludedPaths,
                           bool ignoreSubDirs);
