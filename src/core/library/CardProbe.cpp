#include "library/CardProbe.h"

#include "library/LibraryScanner.h"
#include "library/RecordingName.h"

#include <strings.h>

namespace {

std::optional<std::string> findDcimFolder(const std::string& volumeRoot)
{
    std::optional<std::string> found;
    // Only the volume's top level: the camera writes DCIM there.
    walkFolderTree(volumeRoot, {256, 0}, [&](const std::string& path, bool isFolder) {
        const std::string_view name = pmGetFileName(path, false);
        if (isFolder && name.size() == 4 && ::strncasecmp(name.data(), "DCIM", 4) == 0)
            found = path;
        return !found;
    });
    return found;
}

} // namespace

std::optional<std::string> pmFindCardRecordings(const std::string& volumeRoot, const FolderWalkLimits& limits)
{
    const std::optional<std::string> dcim = findDcimFolder(volumeRoot);
    if (!dcim)
        return std::nullopt;
    std::vector<AMediaFile> found;
    LibraryScanner scanner(found);
    walkFolderTree(*dcim, limits, [&](const std::string& path, bool isFolder) {
        return isFolder || pmGetFileType(path) == FileTypeOther || !scanner.addVideoFile(path);
    });
    if (found.empty())
        return std::nullopt;
    return dcim;
}
