#pragma once
// The folder watcher: watches a list of paths through the file-system event stream and tells
// its delegate of each change as an SCEvent. Start, stop, flush and the descriptions take one
// lock, so they may be called from any thread; events reach the delegate on the thread of the
// event loop the watch was started on. The settings (delegate, latency, excluded paths) are
// read by the delivery without the lock: change them on that thread, while not watching.

#include "SCEventListenerProtocol.h"
#include "library/SCEvent.h"

#include <QMutex>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <cstdint>
#include <vector>

class FileEventStream;
struct FolderStreamEvent;
class QThread;

class SCEvents : public QObject {
    Q_OBJECT
public:
    explicit SCEvents(QObject* parent = nullptr);
    ~SCEvents() override;

    SCEventListenerProtocol* delegate() const { return _delegate; }
    void setDelegate(SCEventListenerProtocol* delegate) { _delegate = delegate; }
    bool isWatchingPaths() const;
    // Watching, and no folder under the paths is left out.
    bool watchesEveryFolder() const;
    // The changes seen but not delivered yet (their latency has not passed).
    std::vector<SCEvent> pendingEvents() const;
    bool ignoreEventsFromSubDirs() const { return _ignoreEventsFromSubDirs; }
    void setIgnoreEventsFromSubDirs(bool ignore) { _ignoreEventsFromSubDirs = ignore; }
    double notificationLatency() const { return _notificationLatency; }
    void setNotificationLatency(double seconds) { _notificationLatency = seconds; }
    std::uint64_t resumeFromEventId() const { return _resumeFromEventId; }
    void setResumeFromEventId(std::uint64_t eventId) { _resumeFromEventId = eventId; }
    SCEvent lastEvent() const;
    QStringList watchedPaths() const;
    QStringList excludedPaths() const { return _excludedPaths; }
    void setExcludedPaths(const QStringList& paths) { _excludedPaths = paths; }

    // Watches on the calling thread's event loop.
    bool startWatchingPaths(const QStringList& paths);
    // False when the list is empty, a watch already runs or nothing could be watched.
    bool startWatchingPaths(const QStringList& paths, QThread* runLoop);
    // False when not watching.
    bool stopWatchingPaths();
    // Deliver the pending events now, waiting for them or not; false when not watching.
    bool flushEventStreamSync();
    bool flushEventStreamAsync();
    // The stream's own description, or an empty text when not watching.
    QString streamDescription() const;
    // "<SCEvents { watchedPaths = ("/a", "/b"), excludedPaths = () } >"
    QString description() const;

private:
    void deliverBatch(FileEventStream* stream, const std::vector<FolderStreamEvent>& batch);
    QPointer<FileEventStream> currentStream() const;

    SCEventListenerProtocol* _delegate = nullptr;
    bool _isWatchingPaths = false;
    bool _ignoreEventsFromSubDirs = true;
    QThread* _runLoop = nullptr;
    QPointer<FileEventStream> _eventStream;
    double _notificationLatency = 1.0;
    std::uint64_t _resumeFromEventId = ~std::uint64_t(0);
    SCEvent _lastEvent;
    QStringList _watchedPaths;
    QStringList _excludedPaths;
    mutable QMutex mEventsLock;
};
