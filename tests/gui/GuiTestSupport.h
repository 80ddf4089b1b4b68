#pragma once
// Shared by the GUI tests: a launched application, the log and what the tests wait for.

#include "LogMessages.h"
#include "LogWatch.h"
#include "WaitFor.h"
#include "app/AppDelegate.h"

#include "NotificationCenter.h"

#include <memory>
#include <vector>

class VideoPlayerView;

// The controller's layout of the window's contents, which its timers run a moment after a
// change (activation, a resize, the language, full screen): a LogWatch pattern.
inline const char* const kContentsLaidOut = "^AppDelegate::relayoutContents \\(\\) .* OK!$";

// An application launched on a folder, with the network check answering false.
std::unique_ptr<AppDelegate> launchApplication(const QString& folder);

// Writes a valid MP4 recording under the folder with the given modification day offset.
void writeRecording(const QString& folder, const QString& relativePath, int daysAgo = 0);

// Waits for more ticks of the player view's clock, which reads the play position every half
// second: the view's own measure of a while, for a test that shows that nothing changed.
bool waitForClockTicks(VideoPlayerView* view, int ticks);

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
