#include "RecentFolders.h"

#include "PreferenceKeys.h"
#include "Preferences.h"

#include <QDir>
#include <QFileInfo>

namespace {

// One spelling per folder, so "/media/CARD/" and "/media/CARD" are one entry.
QString normalised(const QString& folder)
{
    return QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
}

} // namespace

QStringList RecentFolders::folders()
{
    QStringList shown;
    for (const QString& folder : pmGetProfileStringList(kPrefRecentFolders)) {
        if (QFileInfo(folder).isDir())
            shown << folder;
    }
    return shown;
}

void RecentFolders::add(const QString& folder)
{
    if (folder.isEmpty())
        return;
    const QString entry = normalised(folder);
    QStringList stored = pmGetProfileStringList(kPrefRecentFolders);
    stored.removeAll(entry);
    stored.prepend(entry);
    pmSetProfileStringList(kPrefRecentFolders, stored.mid(0, kMaxFolders));
}

void RecentFolders::clear()
{
    pmSetProfileStringList(kPrefRecentFolders, {});
}
