#include "backup/BackupPlan.h"

#include "library/VideoLibrary.h"
#include "util/FileQueries.h"

#include <algorithm>
#include <filesystem>
#include <tuple>

namespace fs = std::filesystem;

namespace {

bool isOnOrAfter(const CalendarDate& a, const CalendarDate& b)
{
    return std::tie(a.year, a.month, a.day) >= std::tie(b.year, b.month, b.day);
}

bool isWithin(const fs::path& inner, const fs::path& outer)
{
    return std::mismatch(outer.begin(), outer.end(), inner.begin(), inner.end()).first == outer.end();
}

} // namespace

BackupPlan::BackupPlan(std::string destination, std::vector<BackupItem> items)
    : mDestination(std::move(destination)), mItems(std::move(items))
{
}

BackupPlan BackupPlan::forRecordings(const std::vector<std::string>& sources, std::string destination)
{
    std::vector<BackupItem> items;
    items.reserve(sources.size());
    for (const std::string& source : sources)
        items.push_back({source, pmGetFileSize(source)});
    return BackupPlan(std::move(destination), std::move(items));
}

BackupPlan BackupPlan::forFolder(const std::string& sourceRoot, const BackupSelection& selection,
                                 std::string destination)
{
    VideoLibrary library;
    library.build(sourceRoot);
    PlaylistFilter filter;
    filter.categories = selection.categories;
    if (selection.day) {
        filter.allDates = false;
        filter.day = *selection.day;
    }
    std::vector<std::string> sources;
    for (const AMediaFile& file : library.buildPlaylist(filter).entries()) {
        if (selection.since && (!file.fileDate() || !isOnOrAfter(pmCalendarDate(*file.fileDate()), *selection.since)))
            continue;
        sources.push_back(file.URL());
    }
    return forRecordings(sources, std::move(destination));
}

std::uint64_t BackupPlan::totalBytes() const
{
    std::uint64_t total = 0;
    for (const BackupItem& item : mItems)
        total += item.size;
    return total;
}

BackupRefusal pmCheckBackupFolders(const std::string& sourceRoot, const std::string& destination)
{
    std::error_code error;
    fs::path root;
    if (!sourceRoot.empty()) {
        // An unmounted card or a mistyped path must not pass for an empty card.
        fs::directory_iterator listing(sourceRoot, error);
        if (!error)
            root = fs::canonical(sourceRoot, error);
        if (error)
            return BackupRefusal::SourceUnreadable;
    }
    const fs::path folder = fs::canonical(destination, error);
    if (error || !fs::is_directory(folder))
        return BackupRefusal::DestinationMissing;
    if (pmIsReadOnly(destination))
        return BackupRefusal::DestinationReadOnly;
    if (!root.empty() && isWithin(folder, root))
        return BackupRefusal::DestinationInsideSource;
    return BackupRefusal::None;
}
