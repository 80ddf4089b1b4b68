#pragma once
// One running program per user: a second launch asks the first to bring its window back
// (the desktop's way of reopening an application whose window was closed), hands it the
// folder and the recording it was given, and ends.

#include <QObject>

class QLocalServer;

class InstanceChannel : public QObject {
    Q_OBJECT
public:
    explicit InstanceChannel(const QString& name, QObject* parent = nullptr);

    // True when another instance answered and was asked to reopen its window and to open
    // the folder and play the recording, each when not empty.
    bool askRunningInstanceToReopen(const QString& folder, const QString& recording = QString());
    // Starts answering later launches; false (logged) when the channel cannot be opened.
    bool listen();

signals:
    void reopenRequested(const QString& folder, const QString& recording);

private:
    QString mName;
    QLocalServer* mServer = nullptr;
};
