#include "FileEventStream.h"

#include "MountWatcher.h"
#include "library/FolderEventFlags.h"
#include "util/FolderWalk.h"
#include "util/Log.h"

#include <QSocketNotifier>

#include <algorithm>
#include <cerrno>
#include <limits>
#include <sys/inotify.h>
#include <unistd.h>

namespace {

// Ids grow across the streams of the process, so a restarted watch never repeats one.
std::atomic<std::uint64_t> gLastEventId{0};

std::uint64_t nextEventId()
{
    return ++gLastEventId;
}

std::string withoutTrailingSlash(std::string path)
{
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

} // namespace

FileEventStream::FileEventStream(const std::vector<std::string>& paths, std::uint64_t sinceWhen,
                                 double latencySeconds, Callback callback)
    : mCallback(std::move(callback)), mSinceWhen(sinceWhen), mLatency(latencySeconds)
{
    // inotify keeps no history: ids given to start from continue past it instead.
    if (sinceWhen != kSinceNow) {
        std::uint64_t last = gLastEventId.load();
        while (last < sinceWhen && !gLastEventId.compare_exchange_weak(last, sinceWhen)) {
        }
    }
    mLatencyTimer.setSingleShot(true);
    // A coarse timer may fire 5 % early; the latency is a promise to the listener.
    mLatencyTimer.setTimerType(Qt::PreciseTimer);
    connect(&mLatencyTimer, &QTimer::timeout, this, &FileEventStream::deliver);
    mFd = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (mFd < 0) {
        pmWriteLog("FileEventStream - inotify_init1 failed, errno = " + std::to_string(errno));
        return;
    }
    for (const std::string& path : paths) {
        mRoots.push_back(withoutTrailingSlash(path));
        addTree(mRoots.back(), mRoots.size() - 1);
    }
}

FileEventStream::~FileEventStream()
{
    delete mNotifier; // before its descriptor goes
    if (mFd >= 0)
        ::close(mFd);
}

bool FileEventStream::isValid() const
{
    return mFd >= 0 && !mWatches.empty();
}

void FileEventStream::addTree(const std::string& root, size_t rootIndex)
{
    const size_t room = kMaxWatchedFolders > mWatches.size() ? kMaxWatchedFolders - mWatches.size() : 0;
    const std::vector<std::string> folders = listFolderTree(root, room + 1);
    mPartial = mPartial || folders.size() > room;
    if (folders.size() > room)
        pmWriteLog("FileEventStream - too many folders, watching the first " + std::to_string(room) + " of " + root);
    for (size_t i = 0; i < folders.size() && i < room; ++i) {
        const int wd = ::inotify_add_watch(mFd, folders[i].c_str(), folderWatchMask());
        if (wd < 0) {
            mPartial = true;
            if (i == 0)
                pmWriteLog("FileEventStream - cannot watch " + root + ", errno = " + std::to_string(errno));
            continue;
        }
        // A folder reached twice (a link, or the volume's tree around the folder's) keeps the
        // path it was first found under.
        mWatches.try_emplace(wd, Watch{folders[i], rootIndex});
    }
    mWatchCount = mWatches.size();
}

void FileEventStream::start()
{
    if (mNotifier || mFd < 0)
        return;
    mNotifier = new QSocketNotifier(mFd, QSocketNotifier::Read, this);
    connect(mNotifier, &QSocketNotifier::activated, this, &FileEventStream::readEvents);
    watchMounts();
}

void FileEventStream::watchMounts()
{
    mMounts = new MountWatcher(this);
    bool onVolume = false;
    for (const std::string& root : mRoots) {
        std::string point = mountPointOf(mMounts->mounts(), root);
        if (point == "/")
            point.clear(); // the system's own disk does not go away under the program
        onVolume = onVolume || !point.empty();
        mRootMounts.push_back(std::move(point));
    }
    if (onVolume)
        connect(mMounts, &MountWatcher::mountsChanged, this, &FileEventStream::checkMounts);
}

void FileEventStream::checkMounts()
{
    const std::vector<MountEntry>& mounts = mMounts->mounts();
    for (size_t i = 0; i < mRootMounts.size(); ++i) {
        std::string& point = mRootMounts[i];
        if (point.empty())
            continue;
        const bool mounted = std::any_of(mounts.begin(), mounts.end(),
                                         [&](const MountEntry& mount) { return mount.mountPoint == point; });
        if (!mounted) {
            mPending.add(nextEventId(), mRoots[i], kFolderEventUnmount);
            point.clear();
        }
    }
    queued();
}

void FileEventStream::readEvents()
{
    alignas(inotify_event) char buffer[16384];
    for (;;) {
        const ssize_t got = ::read(mFd, buffer, sizeof buffer);
        if (got <= 0)
            break;
        forEachInotifyRecord(buffer, size_t(got), [this](const InotifyRecord& record) {
            queueRecord(record.wd, record.mask, record.name);
        });
    }
    queued();
}

void FileEventStream::queued()
{
    if (!mPending.empty() && !mLatencyTimer.isActive())
        mLatencyTimer.start(int(std::clamp(mLatency * 1000, 0.0, double(std::numeric_limits<int>::max()))));
}

void FileEventStream::queueRecord(int wd, std::uint32_t mask, std::string_view name)
{
    if (mask & IN_Q_OVERFLOW) {
        mPending.add(nextEventId(), mRoots.empty() ? std::string("/") : mRoots.front(), folderEventFlags(mask, true));
        return;
    }
    const auto watch = mWatches.find(wd);
    if (watch == mWatches.end())
        return;
    if (mask & IN_IGNORED) {
        mWatches.erase(watch);
        mWatchCount = mWatches.size();
        return;
    }
    const std::string& root = mRoots[watch->second.root];
    const int flags = folderEventFlags(mask, watch->second.folder == root);
    if (flags == 0)
        return;
    // The volume is gone as a whole: one event for the watched path rather than one per folder.
    if (flags == kFolderEventUnmount || name.empty()) {
        mPending.add(nextEventId(), flags == kFolderEventUnmount ? root : watch->second.folder, flags);
        return;
    }
    std::string path = watch->second.folder;
    if (path.back() != '/')
        path += '/';
    path += name;
    mPending.add(nextEventId(), std::move(path), flags);
}

void FileEventStream::deliver()
{
    mLatencyTimer.stop();
    if (mInvalid || mPending.empty())
        return;
    const std::vector<FolderStreamEvent> batch = mPending.take();
    mCallback(this, batch);
}

void FileEventStream::flushSync()
{
    if (mFd >= 0)
        readEvents();
    deliver();
}

std::vector<FolderStreamEvent> FileEventStream::readPending()
{
    if (mFd >= 0)
        readEvents();
    return mPending.pending();
}

void FileEventStream::flushAsync()
{
    if (mFd >= 0)
        readEvents();
    mLatencyTimer.start(0);
}

QString FileEventStream::description() const
{
    QStringList roots;
    for (const std::string& root : mRoots)
        roots << QString::fromStdString(root);
    const QString since = mSinceWhen == kSinceNow ? QStringLiteral("now") : QString::number(mSinceWhen);
    return QString("FileEventStream { inotify fd = %1, watched folders = %2, latency = %3 s, since = %4, paths = %5 }")
        .arg(mFd)
        .arg(mWatchCount.load())
        .arg(mLatency, 0, 'f', 1)
        .arg(since, roots.join(", "));
}
