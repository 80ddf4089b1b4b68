#include "library/VideoLibrary.h"

#include "library/LibraryScanner.h"
#include "library/RecordingName.h"
#include "util/FileQueries.h"
#include "util/MissingFolderMemo.h"

#include <algorithm>

namespace {

bool matchesCategory(const AMediaFile& file, const PlaylistFilter& filter)
{
    if (filter.allCategories())
        return true;
    int category = pmGetVideoType(file.URL());
    return category >= 0 && category < kVideoTypeCount && filter.categories[static_cast<size_t>(category)];
}

} // namespace

size_t VideoLibrary::build(const std::string& folder)
{
    clearVideoLibrary();
    LibraryScanner(mVideoLib).searchFolder(folder);
    return mVideoLib.size();
}

bool VideoLibrary::addVideoFile(const std::string& path)
{
    edited();
    return LibraryScanner(mVideoLib).addVideoFile(path);
}

void VideoLibrary::clearVideoLibrary()
{
    edited();
    mVideoLib.clear();
}

void VideoLibrary::setVideoLib(std::vector<AMediaFile> files)
{
    edited();
    mVideoLib = std::move(files);
}

void VideoLibrary::insertMediaToVideoLib(AMediaFile file, size_t index)
{
    edited();
    index = std::min(index, mVideoLib.size());
    mVideoLib.insert(mVideoLib.begin() + static_cast<std::ptrdiff_t>(index), std::move(file));
}

void VideoLibrary::edited()
{
    mIndex.reset();
    mWatched = false;
    mVanished.clear();
}

void VideoLibrary::setWatched(bool watched)
{
    mWatched = watched;
    mVanished.assign(watched ? mVideoLib.size() : 0, false);
}

void VideoLibrary::markVanishedUnder(const std::string& path)
{
    if (!mWatched)
        return;
    // A pulled card or a removed folder: one look per folder, not per recording.
    const MissingFolderMemo memo;
    for (size_t i = 0; i < mVideoLib.size(); ++i) {
        const std::string& url = mVideoLib[i].URL();
        if (!mVanished[i] && pmIsAtOrBelow(url, path) && !pmIsFileExist(url))
            mVanished[i] = true;
    }
}

bool VideoLibrary::isPresent(size_t index) const
{
    return mWatched ? !mVanished[index] : pmIsFileExist(mVideoLib[index].URL());
}

const LibraryIndex& VideoLibrary::index() const
{
    if (!mIndex)
        mIndex = std::make_unique<LibraryIndex>(mVideoLib);
    return *mIndex;
}

std::vector<AMediaFile> VideoLibrary::sortByFileDateAndPath() const
{
    std::vector<AMediaFile> sorted;
    sorted.reserve(mVideoLib.size());
    for (size_t i : index().sortedOrder())
        sorted.push_back(mVideoLib[i]);
    return sorted;
}

Playlist VideoLibrary::buildPlaylist(const PlaylistFilter& filter) const
{
    const LibraryIndex& order = index();
    const std::int32_t day = LibraryIndex::keyOf(filter.day);
    Playlist playlist;
    for (size_t i : order.sortedOrder()) {
        const AMediaFile& file = mVideoLib[i];
        // The disk is asked last: it is the dearest of the three tests, and the order of the
        // tests does not change which recordings are taken.
        if (!filter.allDates && (order.dayKey(i) == 0 || order.dayKey(i) != day))
            continue;
        if (matchesCategory(file, filter) && isPresent(i))
            playlist.append(file);
    }
    return playlist;
}

bool VideoLibrary::isMediaExistByDate(int year, int month, int day) const
{
    return index().hasDay(CalendarDate{year, month, day});
}

std::optional<CalendarDate> VideoLibrary::lastVideoDate() const
{
    const std::vector<size_t>& order = index().sortedOrder();
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        const AMediaFile& file = mVideoLib[*it];
        if (pmIsFileExist(file.URL()))
            return file.fileDate() ? std::optional(pmCalendarDate(*file.fileDate())) : std::nullopt;
    }
    return std::nullopt;
}
