#include "SCEvents.h"

#include "FileEventStream.h"
#include "library/WatchedPaths.h"

#include <QMutexLocker>
#include <QThread>

namespace {

QString pathListText(const QStringList& paths)
{
    QStringList quoted;
    for (const QString& path : paths)
        quoted << '"' + path + '"';
    return '(' + quoted.join(", ") + ')';
}

SCEvent toEvent(const FolderStreamEvent& raw)
{
    return SCEvent(raw.id, SCEvent::Clock::now(), raw.path, raw.flags);
}

std::vector<std::string> toStdPaths(const QStringList& paths)
{
    std::vector<std::string> out;
    out.reserve(size_t(paths.size()));
    for (const QString& path : paths)
        out.push_back(path.toStdString());
    return out;
}

// Runs the call on the stream's thread and waits for it.
template <typename Call>
void callOnStreamThread(FileEventStream* stream, Call call)
{
    if (stream->thread() == QThread::currentThread())
        call(stream);
    else
        QMetaObject::invokeMethod(stream, [stream, call] { call(stream); }, Qt::BlockingQueuedConnection);
}

} // namespace

SCEvents::SCEvents(QObject* parent) : QObject(parent)
{
}

SCEvents::~SCEvents()
{
    stopWatchingPaths();
}

bool SCEvents::isWatchingPaths() const
{
    QMutexLocker lock(&mEventsLock);
    return _isWatchingPaths;
}

bool SCEvents::watchesEveryFolder() const
{
    const QPointer<FileEventStream> stream = currentStream();
    return stream && stream->watchesEveryFolder();
}

std::vector<SCEvent> SCEvents::pendingEvents() const
{
    const QPointer<FileEventStream> stream = currentStream();
    std::vector<FolderStreamEvent> pending;
    if (stream)
        callOnStreamThread(stream.data(), [&pending](FileEventStream* s) { pending = s->readPending(); });
    std::vector<SCEvent> events;
    for (const FolderStreamEvent& event : pending)
        events.push_back(toEvent(event));
    return events;
}

SCEvent SCEvents::lastEvent() const
{
    QMutexLocker lock(&mEventsLock);
    return _lastEvent;
}

QStringList SCEvents::watchedPaths() const
{
    QMutexLocker lock(&mEventsLock);
    return _watchedPaths;
}

bool SCEvents::startWatchingPaths(const QStringList& paths)
{
    return startWatchingPaths(paths, QThread::currentThread());
}

bool SCEvents::startWatchingPaths(const QStringList& paths, QThread* runLoop)
{
    QMutexLocker lock(&mEventsLock);
    if (paths.isEmpty() || _isWatchingPaths || !runLoop)
        return false;
    auto* stream = new FileEventStream(toStdPaths(paths), _resumeFromEventId, _notificationLatency,
                                       [this](FileEventStream* from, const std::vector<FolderStreamEvent>& batch) {
                                           deliverBatch(from, batch);
                                       });
    if (!stream->isValid()) {
        delete stream;
        return false;
    }
    _watchedPaths = paths;
    _runLoop = runLoop;
    _eventStream = stream;
    _isWatchingPaths = true;
    if (runLoop == QThread::currentThread()) {
        stream->start();
    } else {
        stream->moveToThread(runLoop);
        QMetaObject::invokeMethod(stream, &FileEventStream::start, Qt::QueuedConnection);
    }
    return true;
}

bool SCEvents::stopWatchingPaths()
{
    QMutexLocker lock(&mEventsLock);
    if (!_isWatchingPaths)
        return false;
    _isWatchingPaths = false;
    if (_eventStream) {
        _eventStream->invalidate();
        // Deleted from its own loop: a delegate may stop the watch from inside a delivery.
        _eventStream->deleteLater();
    }
    _eventStream = nullptr;
    _runLoop = nullptr;
    return true;
}

QPointer<FileEventStream> SCEvents::currentStream() const
{
    QMutexLocker lock(&mEventsLock);
    return _isWatchingPaths ? _eventStream : nullptr;
}

bool SCEvents::flushEventStreamSync()
{
    // The delivery runs without the lock, so the delegate may call back in.
    const QPointer<FileEventStream> stream = currentStream();
    if (!stream)
        return false;
    callOnStreamThread(stream.data(), [](FileEventStream* s) { s->flushSync(); });
    return true;
}

bool SCEvents::flushEventStreamAsync()
{
    const QPointer<FileEventStream> stream = currentStream();
    if (!stream)
        return false;
    QMetaObject::invokeMethod(stream.data(), &FileEventStream::flushAsync, Qt::AutoConnection);
    return true;
}

QString SCEvents::streamDescription() const
{
    QMutexLocker lock(&mEventsLock);
    return _isWatchingPaths && _eventStream ? _eventStream->description() : QString();
}

QString SCEvents::description() const
{
    QMutexLocker lock(&mEventsLock);
    return "<SCEvents { watchedPaths = " + pathListText(_watchedPaths) +
           ", excludedPaths = " + pathListText(_excludedPaths) + " } >";
}

void SCEvents::deliverBatch(FileEventStream* stream, const std::vector<FolderStreamEvent>& batch)
{
    const std::vector<std::string> excluded = toStdPaths(_excludedPaths);
    for (size_t i = 0; i < batch.size(); ++i) {
        const FolderStreamEvent& raw = batch[i];
        if (pmIsExcludedEventPath(raw.path, excluded, _ignoreEventsFromSubDirs))
            continue;
        const SCEvent event = toEvent(raw);
        if (_delegate)
            _delegate->pathWatcher(this, event);
        if (i + 1 == batch.size()) {
            QMutexLocker lock(&mEventsLock);
            _lastEvent = event;
        }
        // The delegate stopped or restarted the watch: the rest of this batch is not its concern.
        if (currentStream() != stream)
            return;
    }
}
