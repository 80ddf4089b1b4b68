#pragma once
// The per-user preference store (QSettings, organisation "Koriv", application "KorivManager"):
// typed access, the language and skin choice, and the three remembered folders.

#include <QString>
#include <QStringList>

// A get returns the default only when the key is absent or cannot be read as the type asked
// for; a present key is returned as stored.
int pmGetProfileInt(const QString& key, int defaultValue);
void pmSetProfileInt(const QString& key, int value);
QString pmGetProfileString(const QString& key, const QString& defaultValue);
void pmSetProfileString(const QString& key, const QString& value);
// A list stored as the store's own list type; empty when absent.
QStringList pmGetProfileStringList(const QString& key);
void pmSetProfileStringList(const QString& key, const QStringList& values);

// The stored language, or on first use the system's language, which is then stored. A stored
// value above 21 gives English (the store keeps it); a negative one is returned as it is.
int getLanguageId();
// Stores the language and writes the store to disk at once.
void saveLanguageId(int id);

// The stored skin (0 when absent or out of range) and the process-wide current skin, which
// both set. saveSkinId writes the store to disk at once.
int getSkinId();
void saveSkinId(int id);
int pmGetCurrentSkin();

// The language id of the system's first preferred language.
int pmGetSystemLanguageId();
// A preferred-language tag as Qt reports it, in the form the prefix table expects: Chinese
// tags gain their script ("zh-TW" becomes "zh-Hant-TW"), as the system lists them elsewhere.
QString pmPreferredLanguageTag(const QString& systemTag);
// The language id of one preferred-language tag ("de-DE", "zh-Hant-TW", ...): the first of the
// table's prefixes that the tag starts with, case-sensitively; 0 when none does.
int pmSystemLanguageIdFor(const QString& preferredLanguage);

// Remembered folders. A stored folder that no longer exists gives the default folder, and
// the stored value is kept for when it comes back.
QString pmGetCurrentFolder();
// Only an existing folder is stored; it also becomes the newest of the recent folders.
void pmSaveCurrentFolder(const QString& path);
QString getExportFolder();
void saveExportFolder(const QString& path);      // only an existing folder is stored
QString pmGetCaptureFolder();
void pmSaveCaptureFolder(const QString& path);   // stored as given

// The user's Documents folder, or the home folder when it does not exist (the log and the
// exports need somewhere to go).
QString pmGetDocumentsFolder();
// The user's Movies (XDG Videos) folder, even when it does not exist: falling back to the home
// folder would make the first launch scan the whole home tree.
QString pmGetMoviesFolder();
