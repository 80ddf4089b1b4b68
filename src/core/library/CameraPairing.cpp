#include "library/CameraPairing.h"

#include "library/RecordingName.h"

int checkDualCameraFileType(const Playlist& playlist, int index)
{
    return playlist.isValidIndex(index) ? pmGetCameraType(playlist.at(index).URL()) : CameraNone;
}

namespace {

// Whether two paths' file names differ in the camera letter only: the one name the partner
// can have. Asking the disk where the partner lies is left for such neighbours, so checking
// a play list of 100,000 recordings does not look up 100,000 files.
bool mayBePartners(std::string_view a, std::string_view b)
{
    a = pmGetFileName(a, false);
    b = pmGetFileName(b, false);
    if (a.size() != b.size() || a.size() < 5)
        return false;
    const size_t letter = a.size() - 5;
    return a.substr(0, letter) == b.substr(0, letter) && a.substr(letter + 1) == b.substr(letter + 1);
}

} // namespace

int getAnotherCameraFile(const Playlist& playlist, int index)
{
    return getAnotherCameraFile(playlist.entries(), index);
}

int getAnotherCameraFile(const std::vector<AMediaFile>& entries, int index, const PathExists& exists)
{
    const auto at = [&entries](int i) -> const std::string* {
        return i >= 0 && static_cast<size_t>(i) < entries.size() ? &entries[static_cast<size_t>(i)].URL() : nullptr;
    };
    const std::string* path = at(index);
    if (!path)
        return -1;
    const std::string* next = at(index + 1);
    const std::string* previous = at(index - 1);
    if (!(next && mayBePartners(*path, *next)) && !(previous && mayBePartners(*path, *previous)))
        return -1;
    auto other = pmGetAnotherCameraFile(*path, exists);
    if (!other)
        return -1;
    if (next && *next == *other)
        return index + 1;
    if (previous && *previous == *other)
        return index - 1;
    return -1;
}

bool checkDualCameraFolder(const Playlist& playlist)
{
    for (int i = 0; i < playlist.count(); ++i)
        if (checkDualCameraFileType(playlist, i) != CameraNone && getAnotherCameraFile(playlist, i) >= 0)
            return true;
    return false;
}

DualSelection dualSelectFile(const Playlist& playlist, int index)
{
    int partner = getAnotherCameraFile(playlist, index);
    if (partner < 0)
        return {index, -1, false, -1};
    if (checkDualCameraFileType(playlist, index) == CameraFront)
        return {index, partner, false, -1};
    // A rear recording: its front goes to the main player and is selected in the list.
    return {partner, index, true, partner};
}
