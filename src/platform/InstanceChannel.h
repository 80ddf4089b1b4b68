#pragma once
// One running program per user: a second launch asks the first to bring its window back
// (the desktop's way of reopening an application whose window was closed), hands it the
// folder it was given, and ends.

#include <QObject>

class QLocalServer;

class InstanceChannel : public QObject {
    Q_OBJECT
public:
    explicit InstanceChannel(const QString& name, QObject* parent = nullptr);

    // True when another instance answered and was asked to reopen its window and, when
    // folder is not empty, to open that folder.
    bool askRunningInstanceToReopen(const QString& folder);
    // Starts answering later launches; false (logged) when the channel cannot be opened.
    bool listen();

signals:
    void reopenRequested(const QString& folder);

private:
    QString mName;
    QLocalServer* mServer = nullptr;
};
