#include "PreferenceStore.h"

#include <QDir>
#include <QFile>
#include <QSettings>

PreferenceStore::PreferenceStore()
{
    const QString root = QString::fromStdString(mDir.path());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, root + "/config");
    mMovies = makeFolder("Videos");
    mDocuments = makeFolder("Documents");
    // QStandardPaths takes the XDG user folders from user-dirs.dirs under XDG_CONFIG_HOME.
    mOldConfigHome = qgetenv("XDG_CONFIG_HOME");
    const QString xdg = makeFolder("xdg");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(xdg));
    QFile dirs(xdg + "/user-dirs.dirs");
    dirs.open(QIODevice::WriteOnly);
    dirs.write(("XDG_VIDEOS_DIR=\"" + mMovies + "\"\nXDG_DOCUMENTS_DIR=\"" + mDocuments + "\"\n").toUtf8());
}

PreferenceStore::~PreferenceStore()
{
    qputenv("XDG_CONFIG_HOME", mOldConfigHome);
}

QString PreferenceStore::settingsFile() const
{
    return QString::fromStdString(mDir.path()) + "/config/Koriv/KorivManager.conf";
}

void PreferenceStore::writeSettingsFile(const QByteArray& bytes) const
{
    QDir().mkpath(QFileInfo(settingsFile()).path());
    QFile file(settingsFile());
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(bytes);
}

QString PreferenceStore::readOnDisk(const QString& key) const
{
    QFile file(settingsFile());
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (line.startsWith(key.toUtf8() + "=")) {
            return QString::fromUtf8(line.mid(key.size() + 1));
        }
    }
    return {};
}

QString PreferenceStore::makeFolder(const QString& name) const
{
    const QString path = QString::fromStdString(mDir.path()) + "/" + name;
    QDir().mkpath(path);
    return path;
}
