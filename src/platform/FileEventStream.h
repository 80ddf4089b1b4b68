#pragma once
// The file-system event stream of the folder watcher, over inotify: every folder of the
// watched trees has a watch, the kernel's events become the stream's flag bits, and they go to
// the callback in batches, one latency period after the first change of a batch.
// The kernel reports an unmount only once nothing on the volume is open any more, so a card
// pulled out while a recording plays would go unnoticed; the mount table is watched as well,
// and a watched path whose volume leaves it is reported unmounted at once.

#include "library/FolderEventCoalescer.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

class MountWatcher;
class QSocketNotifier;

class FileEventStream : public QObject {
    Q_OBJECT
public:
    using Callback = std::function<void(FileEventStream* stream, const std::vector<FolderStreamEvent>& batch)>;

    // Event id that means "from now on".
    static constexpr std::uint64_t kSinceNow = ~std::uint64_t(0);
    // Folders watched per stream at most; the kernel limits watches per user.
    static constexpr size_t kMaxWatchedFolders = 8192;

    // Creates the stream: watches on every folder of each path's tree. Nothing is delivered
    // until start() runs on the thread whose event loop delivers.
    FileEventStream(const std::vector<std::string>& paths, std::uint64_t sinceWhen, double latencySeconds,
                    Callback callback);
    ~FileEventStream() override;

    // The kernel gave a descriptor and at least one watch.
    bool isValid() const;
    // Every folder of every path's tree is watched, so no removal below them goes unseen.
    bool watchesEveryFolder() const { return isValid() && !mPartial; }
    // Starts reading on the calling thread's event loop (the thread this object lives in).
    void start();
    // Stops delivering for good; safe from any thread.
    void invalidate() { mInvalid = true; }
    // Reads what the kernel has queued and delivers the pending batch now.
    void flushSync();
    // The same, delivered from the event loop as soon as it runs.
    void flushAsync();
    // Reads what the kernel has queued and tells what waits for delivery, without delivering:
    // a change made a moment ago is known before its latency has passed.
    std::vector<FolderStreamEvent> readPending();
    // Safe from any thread: it reads only what does not change once the stream is made.
    QString description() const;

private:
    void addTree(const std::string& root, size_t rootIndex);
    void readEvents();
    void queueRecord(int wd, std::uint32_t mask, std::string_view name);
    void watchMounts();
    void checkMounts();
    void queued();
    void deliver();

    struct Watch {
        std::string folder;
        size_t root = 0; // index into mRoots
    };

    int mFd = -1;
    std::vector<std::string> mRoots;
    std::unordered_map<int, Watch> mWatches;
    bool mPartial = false; // a folder of the trees has no watch
    std::atomic<size_t> mWatchCount{0}; // mWatches.size(), for description() on other threads
    std::vector<std::string> mRootMounts; // the mount point under each root; empty once gone or for "/"
    MountWatcher* mMounts = nullptr;
    FolderEventCoalescer mPending;
    QSocketNotifier* mNotifier = nullptr;
    QTimer mLatencyTimer;
    Callback mCallback;
    std::atomic<bool> mInvalid{false};
    std::uint64_t mSinceWhen;
    double mLatency;
};
