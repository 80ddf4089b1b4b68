#pragma once
// Every valid recording under the current folder, in scan order, and the play list derived
// from it: sorted by date and path, filtered by category and calendar day.

#include "library/AMediaFile.h"
#include "library/LibraryIndex.h"
#include "library/Playlist.h"
#include "library/PlaylistFilter.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

class VideoLibrary {
public:
    // Empties the library and scans the folder tree into it; returns the recordings found.
    size_t build(const std::string& folder);

    const std::vector<AMediaFile>& videoLib() const { return mVideoLib; }
    size_t size() const { return mVideoLib.size(); }

    bool addVideoFile(const std::string& path);
    void insertMediaToVideoLib(AMediaFile file, size_t index);
    void clearVideoLibrary();
    void setVideoLib(std::vector<AMediaFile> files);

    // Ascending by date, then by path text; records without a date come first.
    std::vector<AMediaFile> sortByFileDateAndPath() const;

    // The play list for a filter: existing files only, in date order. Only the recordings the
    // filter takes are looked up on disk, and no calendar conversion is made per rebuild.
    // While watched, the disk is not asked at all: the reported removals stand for it.
    Playlist buildPlaylist(const PlaylistFilter& filter) const;

    // A watch that sees every removal under the folder now runs: from here on a play list
    // trusts the removals reported to markVanishedUnder instead of looking up each recording.
    // Any edit of the library, or setWatched(false), ends that trust.
    void setWatched(bool watched);
    bool isWatched() const { return mWatched; }
    // Something at or below that path was removed or renamed: the recordings there that are
    // gone are left out of every later play list. The library keeps them, and so does the
    // calendar, which is worked out from the library.
    void markVanishedUnder(const std::string& path);

    // Some recording (any category) was made on that calendar day; a lookup, not a walk.
    bool isMediaExistByDate(int year, int month, int day) const;
    // The day of the newest recording whose file still exists.
    std::optional<CalendarDate> lastVideoDate() const;

private:
    const LibraryIndex& index() const;
    void edited();
    bool isPresent(size_t index) const;

    std::vector<AMediaFile> mVideoLib;
    // Made on first use after an edit; every edit drops it.
    mutable std::unique_ptr<LibraryIndex> mIndex;
    bool mWatched = false;
    std::vector<bool> mVanished; // by library index, while watched
};
