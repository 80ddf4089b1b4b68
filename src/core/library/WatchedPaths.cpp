#include "library/WatchedPaths.h"

#include "util/FileQueries.h"

#include <algorithm>

namespace {

std::string withoutTrailingSlash(std::string path)
{
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

} // namespace

std::vector<std::string> pmMonitorPaths(const std::string& folder)
{
    std::vector<std::string> paths{folder};
    if (const std::optional<std::string> volume = pmGetVolumeRoot(folder)) {
        if (withoutTrailingSlash(*volume) != withoutTrailingSlash(folder))
            paths.push_back(*volume);
    }
    return paths;
}

bool pmIsExcludedEventPath(const std::string& path, const std::vector<std::string>& excludedPaths,
                           bool ignoreSubDirs)
{
    return std::any_of(excludedPaths.begin(), excludedPaths.end(), [&](const std::string& excluded) {
        return path == excluded || (ignoreSubDirs && path.starts_with(excluded));
    });
}
