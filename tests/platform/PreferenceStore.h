#pragma once
// Points the preference store and the user's standard folders at a temporary folder for the
// length of one test, so tests never read or write the real user's settings.

#include "TempDir.h"

#include <QString>

class PreferenceStore {
public:
    PreferenceStore();
    ~PreferenceStore();
    PreferenceStore(const PreferenceStore&) = delete;
    PreferenceStore& operator=(const PreferenceStore&) = delete;

    // The settings file the application writes.
    QString settingsFile() const;
    // Replaces the settings file with these bytes.
    void writeSettingsFile(const QByteArray& bytes) const;
    // The store as another process would read it from disk.
    QString readOnDisk(const QString& key) const;

    // A folder inside the temporary folder, created.
    QString makeFolder(const QString& name) const;
    QString moviesFolder() const { return mMovies; }
    QString documentsFolder() const { return mDocuments; }

private:
    TempDir mDir;
    QString mMovies;
    QString mDocuments;
    QByteArray mOldConfigHome;
};
