#pragma once
// The folders the user showed last, kept with the preferences for the File menu's Open
// Recent. A folder that is gone (a card pulled out) stays stored, since it may come back,
// but is not offered.

#include <QString>
#include <QStringList>

class RecentFolders {
public:
    static constexpr int kMaxFolders = 8;

    // Newest first, only those that exist now.
    static QStringList folders();
    // Makes the folder the newest; the oldest beyond the limit is dropped.
    static void add(const QString& folder);
    static void clear();
};
