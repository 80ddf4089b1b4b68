#pragma once
// Shared by the GUI tests: the log as a list of messages, and a launched application.

#include "app/AppDelegate.h"

#include "NotificationCenter.h"

#include <QStringList>

#include <memory>
#include <vector>

// The messages of the log file, time stamps removed.
QStringList logMessages();
// The index of the first message equal to text at or after from, or -1.
int logIndexOf(const QStringList& messages, const QString& text, int from = 0);

// Lets queued events and timers of the given length run.
void runEventLoopFor(int milliseconds);

// An application launched on a folder, with the network check answering false.
std::unique_ptr<AppDelegate> launchApplication(const QString& folder);

// Writes a valid MP4 recording under the folder with the given modification day offset.
void writeRecording(const QString& folder, const QString& relativePath, int daysAgo = 0);

// The notifications of one name, as they arrive, while the recorder lives.
class NotificationRecorder {
public:
    explicit NotificationRecorder(const char* name)
    {
        NotificationCenter::defaultCenter().addObserver(this, name, [this](const Notification& n) { posts.push_back(n); });
    }
    ~NotificationRecorder() { NotificationCenter::defaultCenter().removeObserver(this); }
    NotificationRecorder(const NotificationRecorder&) = delete;
    NotificationRecorder& operator=(const NotificationRecorder&) = delete;

    std::vector<Notification> posts;
};
