#pragma once
// The recordings the user currently wants to see, in date order. Playback addresses them by
// index; each entry is a record of its own, never shared with the library.

#include "library/AMediaFile.h"

#include <optional>
#include <string>
#include <vector>

class Playlist {
public:
    Playlist() = default;
    explicit Playlist(std::vector<AMediaFile> entries) : mEntries(std::move(entries)) {}

    const std::vector<AMediaFile>& entries() const& { return mEntries; }
    // A temporary list hands its entries over, so `for (x : make().entries())` stays valid.
    std::vector<AMediaFile> entries() && { return std::move(mEntries); }
    int count() const { return static_cast<int>(mEntries.size()); }
    bool empty() const { return mEntries.empty(); }
    bool isValidIndex(int index) const { return index >= 0 && index < count(); }
    const AMediaFile& at(int index) const { return mEntries[static_cast<size_t>(index)]; }

    void insertObject(AMediaFile file, int index);
    void append(AMediaFile file) { mEntries.push_back(std::move(file)); }
    void clearPlayList() { mEntries.clear(); }

    // The path of an entry, or none for an index outside the list.
    std::optional<std::string> getFilePathInPlaylist(int index) const;
    // False for an empty list or as soon as one entry's file is gone.
    bool isAllMediaExist() const;

private:
    std::vector<AMediaFile> mEntries;
};
