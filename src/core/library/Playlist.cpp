#include "library/Playlist.h"

#include "util/FileQueries.h"

#include <algorithm>

void Playlist::insertObject(AMediaFile file, int index)
{
    size_t at = static_cast<size_t>(std::clamp(index, 0, count()));
    mEntries.insert(mEntries.begin() + static_cast<std::ptrdiff_t>(at), std::move(file));
}

std::optional<std::string> Playlist::getFilePathInPlaylist(int index) const
{
    if (!isValidIndex(index))
        return std::nullopt;
    return at(index).URL();
}

bool Playlist::isAllMediaExist() const
{
    if (mEntries.empty())
        return false;
    return std::all_of(mEntries.begin(), mEntries.end(),
                       [](const AMediaFile& f) { return pmIsFileExist(f.URL()); });
}
