#include "OpenTarget.h"

#include "AppDelegate.h"
#include "library/RecordingName.h"

#include <QDir>
#include <QFileInfo>

namespace {

bool isInside(const QString& path, const QString& folder)
{
    const QString canonicalFolder = QFileInfo(folder).canonicalFilePath();
    return !canonicalFolder.isEmpty() && QFileInfo(path).canonicalFilePath().startsWith(canonicalFolder + '/');
}

// The deepest folder that holds both folders (both canonical and absolute).
QString commonFolder(const QString& a, const QString& b)
{
    QString common = a;
    while (common != "/" && !(b == common || b.startsWith(common + '/')))
        common = QFileInfo(common).path();
    return common;
}

} // namespace

OpenTarget OpenTarget::fromArgument(const QString& argument)
{
    const QUrl url(argument);
    const QString path = url.isLocalFile() ? url.toLocalFile() : argument;
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return {};
    if (info.isDir())
        return {info.absoluteFilePath(), QString()};
    return {QString(), info.absoluteFilePath()};
}

OpenTarget OpenTarget::fromUrls(const QList<QUrl>& urls)
{
    for (const QUrl& url : urls) {
        if (!url.isLocalFile())
            continue;
        const OpenTarget target = fromArgument(url.toLocalFile());
        if (!target.isEmpty())
            return target;
    }
    return {};
}

QString OpenTarget::libraryFolderFor(const QString& recording, const QString& shownFolder)
{
    if (isInside(recording, shownFolder))
        return shownFolder;
    const QString own = QFileInfo(QFileInfo(recording).canonicalFilePath()).path();
    const std::optional<std::string> partner = pmGetAnotherCameraFile(QFileInfo(recording).canonicalFilePath().toStdString());
    if (!partner)
        return own;
    const QString partnerFolder = QFileInfo(QFileInfo(QString::fromStdString(*partner)).path()).canonicalFilePath();
    return partnerFolder.isEmpty() ? own : commonFolder(own, partnerFolder);
}

QString OpenTarget::folderToShow(const QString& shownFolder) const
{
    if (!folder.isEmpty() || recording.isEmpty())
        return folder;
    return libraryFolderFor(recording, shownFolder);
}

bool OpenTarget::openIn(AppDelegate& delegate) const
{
    const QString shown = folderToShow(delegate.currentFolder());
    if (!shown.isEmpty() && (recording.isEmpty() || shown != delegate.currentFolder()))
        delegate.openFolder(shown);
    return recording.isEmpty() || delegate.openRecording(recording);
}
