#pragma once
// Shared by the sign-in and upload tests: alerts answered as they come up, console lines kept,
// and recordings of a chosen size.

#include <QString>
#include <QStringList>
#include <QTimer>

class QObject;

// Presses OK on every message box that comes up while it lives, keeping their messages.
class AlertRecorder {
public:
    AlertRecorder();
    ~AlertRecorder();
    const QStringList& messages() const { return mMessages; }

private:
    QTimer mTimer;
    QStringList mMessages;
};

// Keeps every console line written while it lives (and still prints them).
class ConsoleRecorder {
public:
    ConsoleRecorder();
    ~ConsoleRecorder();
    static QStringList lines();
};

// Writes a file of the given size whose bytes follow a pattern, and returns its path.
QString writePatternFile(const QString& path, qint64 size);

// Waits until every network request and upload made under the owner has ended: after it,
// nothing more of them reaches the host.
bool waitForRequestsToEnd(const QObject* owner);
