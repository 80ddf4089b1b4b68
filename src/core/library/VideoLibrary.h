#pragma once
// Every valid recording under the current folder, in scan order, and the play list derived
// from it: sorted by date and path, filtered by category and calendar day.

#include "library/AMediaFile.h"
#include "library/Playlist.h"
#include "library/PlaylistFilter.h"

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
    void clearVideoLibrary() { mVideoLib.clear(); }
    void setVideoLib(std::vector<AMediaFile> files) { mVideoLib = std::move(files); }

    // Ascending by date, then by path text; records without a date come first.
    std::vector<AMediaFile> sortByFileDateAndPath() const;

    // The play list for a filter: existing files only, in date order.
    Playlist buildPlaylist(const PlaylistFilter& filter) const;

    // Some recording (any category) was made on that calendar day.
    bool isMediaExistByDate(int year, int month, int day) const;
    // The day of the newest recording whose file still exists.
    std::optional<CalendarDate> lastVideoDate() const;

private:
    std::vector<size_t> sortedOrder() const;

    std::vector<AMediaFile> mVideoLib;
};
