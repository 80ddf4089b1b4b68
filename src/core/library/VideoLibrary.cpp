#include "library/VideoLibrary.h"

#include "library/LibraryScanner.h"
#include "library/RecordingName.h"
#include "util/FileQueries.h"

#include <algorithm>
#include <numeric>

namespace {

bool isEarlier(const AMediaFile& a, const AMediaFile& b)
{
    if (a.fileDate() != b.fileDate())
        return a.fileDate() < b.fileDate(); // an absent date orders first
    return a.URL() < b.URL();
}

bool matchesDay(const AMediaFile& file, const CalendarDate& day)
{
    return file.fileDate() && pmCalendarDate(*file.fileDate()) == day;
}

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
    mVideoLib.clear();
    LibraryScanner(mVideoLib).searchFolder(folder);
    return mVideoLib.size();
}

bool VideoLibrary::addVideoFile(const std::string& path)
{
    return LibraryScanner(mVideoLib).addVideoFile(path);
}

void VideoLibrary::insertMediaToVideoLib(AMediaFile file, size_t index)
{
    index = std::min(index, mVideoLib.size());
    mVideoLib.insert(mVideoLib.begin() + static_cast<std::ptrdiff_t>(index), std::move(file));
}

// Sorting indexes rather than records keeps a 100,000-recording rebuild from copying paths.
std::vector<size_t> VideoLibrary::sortedOrder() const
{
    std::vector<size_t> order(mVideoLib.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [this](size_t a, size_t b) { return isEarlier(mVideoLib[a], mVideoLib[b]); });
    return order;
}

std::vector<AMediaFile> VideoLibrary::sortByFileDateAndPath() const
{
    std::vector<AMediaFile> sorted;
    sorted.reserve(mVideoLib.size());
    for (size_t i : sortedOrder())
        sorted.push_back(mVideoLib[i]);
    return sorted;
}

Playlist VideoLibrary::buildPlaylist(const PlaylistFilter& filter) const
{
    Playlist playlist;
    for (size_t i : sortedOrder()) {
        const AMediaFile& file = mVideoLib[i];
        if (!pmIsFileExist(file.URL()))
            continue;
        if (!filter.allDates && !matchesDay(file, filter.day))
            continue;
        if (matchesCategory(file, filter))
            playlist.append(AMediaFile(file.URL(), file.fileDate()));
    }
    return playlist;
}

bool VideoLibrary::isMediaExistByDate(int year, int month, int day) const
{
    const CalendarDate wanted{year, month, day};
    return std::any_of(mVideoLib.begin(), mVideoLib.end(),
                       [&](const AMediaFile& f) { return matchesDay(f, wanted); });
}

std::optional<CalendarDate> VideoLibrary::lastVideoDate() const
{
    auto order = sortedOrder();
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        const AMediaFile& file = mVideoLib[*it];
        if (pmIsFileExist(file.URL()))
            return file.fileDate() ? std::optional(pmCalendarDate(*file.fileDate())) : std::nullopt;
    }
    return std::nullopt;
}
