#pragma once
// What the user asked to open from outside the window (the command line, a second launch, a
// drop, a recent folder): a folder to show, a recording to play, or both. A recording is
// played from the library of the folder shown when that folder holds it; otherwise the
// folder that holds it and its other camera's recording becomes the library, so a card's
// front and rear recordings still pair up.

#include <QList>
#include <QString>
#include <QUrl>

class AppDelegate;

struct OpenTarget {
    QString folder;
    QString recording;

    // A path, relative or absolute, or a file URL as a desktop entry's %U passes it; empty
    // when it names no existing folder or file.
    static OpenTarget fromArgument(const QString& argument);
    // The first of the URLs that names an existing local folder or file.
    static OpenTarget fromUrls(const QList<QUrl>& urls);
    // The folder whose library is to hold the recording: shownFolder when it holds it, else
    // the nearest folder holding both the recording and its other camera's recording, else
    // the recording's own folder.
    static QString libraryFolderFor(const QString& recording, const QString& shownFolder);

    bool isEmpty() const { return folder.isEmpty() && recording.isEmpty(); }
    // The folder, or for a recording without one the folder of its library.
    QString folderToShow(const QString& shownFolder) const;
    // Shows the folder as the browse button would (a recording's library only when it is not
    // shown already), then plays the recording as a double click on its row would; false
    // when the recording is not a recording of that library.
    bool openIn(AppDelegate& delegate) const;
};
