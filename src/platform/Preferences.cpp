#include "Preferences.h"

#include "PreferenceKeys.h"
#include "RecentFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <array>
#include <optional>

namespace {

int gCurrentSkin = 0;

// A fresh handle per call: QSettings shares the parsed file between handles, and a short-lived
// handle never holds a stale copy after another process (or a test) changed the file.
QSettings openStore()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Koriv", "KorivManager");
}

// The stored integer, or none when the key is absent or holds something that is no integer.
std::optional<int> readStoredInt(const QString& key)
{
    const QVariant value = openStore().value(key);
    bool ok = false;
    const int number = value.toInt(&ok);
    if (!value.isValid() || !ok) {
        return std::nullopt;
    }
    return number;
}

void writeAndFlush(const QString& key, int value)
{
    QSettings store = openStore();
    store.setValue(key, value);
    store.sync();
}

bool isExistingFolder(const QString& path)
{
    return !path.isEmpty() && QFileInfo(path).isDir();
}

QString standardFolderOrHome(QStandardPaths::StandardLocation location)
{
    const QString folder = QStandardPaths::writableLocation(location);
    return isExistingFolder(folder) ? folder : QDir::homePath();
}

QString storedFolderOr(const QString& key, const QString& fallback)
{
    const QString stored = pmGetProfileString(key, QString());
    return isExistingFolder(stored) ? stored : fallback;
}

// Tested in this order; "jp" and "ja" both mean Japanese.
struct LanguagePrefix {
    const char* prefix;
    int id;
};
constexpr std::array<LanguagePrefix, 23> kLanguagePrefixes{{
    {"en", 0}, {"zh-Hant", 1}, {"zh-Hans", 2}, {"ru", 3}, {"ko", 4}, {"cs", 5}, {"nl", 6},
    {"fr", 7}, {"de", 8}, {"hu", 9}, {"it", 10}, {"pl", 11}, {"es", 12}, {"sa", 13},
    {"lt", 14}, {"ro", 15}, {"sk", 16}, {"pt", 17}, {"sl", 18}, {"th", 19}, {"tr", 20},
    {"jp", 21}, {"ja", 21},
}};

} // namespace

int pmGetProfileInt(const QString& key, int defaultValue)
{
    return readStoredInt(key).value_or(defaultValue);
}

void pmSetProfileInt(const QString& key, int value)
{
    openStore().setValue(key, value);
}

QString pmGetProfileString(const QString& key, const QString& defaultValue)
{
    const QVariant value = openStore().value(key);
    return value.isValid() ? value.toString() : defaultValue;
}

void pmSetProfileString(const QString& key, const QString& value)
{
    openStore().setValue(key, value);
}

QStringList pmGetProfileStringList(const QString& key)
{
    return openStore().value(key).toStringList();
}

void pmSetProfileStringList(const QString& key, const QStringList& values)
{
    openStore().setValue(key, values);
}

int getLanguageId()
{
    // Signed comparisons on purpose: a stored negative id comes back as it is.
    if (const std::optional<int> stored = readStoredInt(kPrefLanguageId)) {
        return *stored > kLanguageCount - 1 ? kLanguageEnglish : *stored;
    }
    int id = pmGetSystemLanguageId();
    if (id > kLanguageCount - 1) {
        id = kLanguageEnglish;
    }
    saveLanguageId(id);
    return id;
}

void saveLanguageId(int id)
{
    writeAndFlush(kPrefLanguageId, id);
}

int getSkinId()
{
    // An id outside the four skins would name images that do not exist and leave every
    // control blank, so it reads as the first skin; the stored value is left alone.
    const int stored = readStoredInt(kPrefSkinId).value_or(0);
    gCurrentSkin = stored >= 0 && stored < kSkinCount ? stored : 0;
    return gCurrentSkin;
}

void saveSkinId(int id)
{
    gCurrentSkin = id >= 0 && id < kSkinCount ? id : 0;
    writeAndFlush(kPrefSkinId, id);
}

int pmGetCurrentSkin()
{
    return gCurrentSkin;
}

int pmGetSystemLanguageId()
{
    return pmSystemLanguageIdFor(pmPreferredLanguageTag(QLocale::system().uiLanguages().value(0)));
}

QString pmPreferredLanguageTag(const QString& systemTag)
{
    // Without this a Chinese desktop ("zh-TW", "zh-CN") would fall through to English.
    const QLocale locale(systemTag);
    if (locale.language() != QLocale::Chinese || systemTag.contains(QLatin1String("-Han"))) {
        return systemTag;
    }
    return QStringList{QStringLiteral("zh"), QLocale::scriptToCode(locale.script()),
                       QLocale::territoryToCode(locale.territory())}
        .join('-');
}

int pmSystemLanguageIdFor(const QString& preferredLanguage)
{
    for (const LanguagePrefix& entry : kLanguagePrefixes) {
        if (preferredLanguage.startsWith(QLatin1String(entry.prefix), Qt::CaseSensitive)) {
            return entry.id;
        }
    }
    return kLanguageEnglish;
}

QString pmGetCurrentFolder()
{
    return storedFolderOr(kPrefCurrentFolder, pmGetMoviesFolder());
}

void pmSaveCurrentFolder(const QString& path)
{
    if (isExistingFolder(path)) {
        pmSetProfileString(kPrefCurrentFolder, path);
        RecentFolders::add(path);
    }
}

QString getExportFolder()
{
    return storedFolderOr(kPrefExportFolder, pmGetDocumentsFolder());
}

void saveExportFolder(const QString& path)
{
    if (isExistingFolder(path)) {
        pmSetProfileString(kPrefExportFolder, path);
    }
}

QString pmGetCaptureFolder()
{
    return storedFolderOr(kPrefCaptureFolder, pmGetDocumentsFolder());
}

void pmSaveCaptureFolder(const QString& path)
{
    pmSetProfileString(kPrefCaptureFolder, path);
}

QString pmGetDocumentsFolder()
{
    return standardFolderOrHome(QStandardPaths::DocumentsLocation);
}

QString pmGetMoviesFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::MoviesLocation);
}
