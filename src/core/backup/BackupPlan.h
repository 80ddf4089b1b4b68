#pragma once
// What a backup copies and where: the recordings in the order they are copied, each with its
// size, and the one folder they go into. Made from the recordings a user picked, or from a
// card's folder with a choice of categories and days, the way the play list picks them.

#include "library/RecordingName.h"
#include "util/CalendarDate.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct BackupItem {
    std::string source;
    std::uint64_t size = 0;
};

// Which recordings of a folder to back up.
struct BackupSelection {
    std::array<bool, kVideoTypeCount> categories{true, true, true, true, true};
    std::optional<CalendarDate> day;   // only the recordings of that day
    std::optional<CalendarDate> since; // that day and the days after
};

// Why a backup cannot start at all.
enum class BackupRefusal {
    None,
    SourceUnreadable,        // the card's folder cannot be listed (unmounted, mistyped)
    DestinationMissing,      // not an existing folder
    DestinationReadOnly,
    DestinationInsideSource, // the copies would join the recordings they were made from
};

class BackupPlan {
public:
    BackupPlan() = default;
    BackupPlan(std::string destination, std::vector<BackupItem> items);

    // The recordings in the given order; sizes are read now.
    static BackupPlan forRecordings(const std::vector<std::string>& sources, std::string destination);
    // The valid recordings under sourceRoot that the selection takes, in date order.
    static BackupPlan forFolder(const std::string& sourceRoot, const BackupSelection& selection,
                                std::string destination);

    const std::string& destination() const { return mDestination; }
    const std::vector<BackupItem>& items() const { return mItems; }
    bool empty() const { return mItems.empty(); }
    // The sum of the recordings' sizes (their GPS logs are not counted).
    std::uint64_t totalBytes() const;

private:
    std::string mDestination;
    std::vector<BackupItem> mItems;
};

// Checks the destination (and, when given, that it lies outside the source folder).
BackupRefusal pmCheckBackupFolders(const std::string& sourceRoot, const std::string& destination);
