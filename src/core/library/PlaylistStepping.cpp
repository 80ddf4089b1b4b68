#include "library/PlaylistStepping.h"

#include "library/CameraPairing.h"
#include "library/RecordingName.h"

namespace {

std::optional<int> inRange(int index, int count)
{
    if (index < 0 || index >= count)
        return std::nullopt;
    return index;
}

} // namespace

std::optional<int> nextPlaylistIndex(int current, int count)
{
    if (count < 2)
        return std::nullopt;
    return inRange(current + 1 < count ? current + 1 : 0, count);
}

std::optional<int> previousPlaylistIndex(int current, int count)
{
    if (count < 2)
        return std::nullopt;
    return inRange(current >= 1 ? current - 1 : count - 1, count);
}

int dualNextTarget(const Playlist& playlist, int current, bool forward, bool wrap, bool hasSecondPlayer)
{
    const int count = playlist.count();
    if (forward) {
        int target = current + (hasSecondPlayer ? 2 : 1);
        if (target >= count)
            target = wrap ? 0 : current;
        return target;
    }
    if (current < 1)
        return wrap ? count - 1 : current;
    int target = current - 1;
    if (checkDualCameraFileType(playlist, target) == CameraRear) {
        int partner = getAnotherCameraFile(playlist, target);
        if (partner >= 0)
            target = partner;
    }
    return target;
}
