#pragma once
// Gathers the events of one latency period into a batch. A change reported again for the same
// path with the same flags before the batch goes out adds nothing: an unmount, for one, reaches
// every watched folder of the volume at once, and a flood of deletions in one folder repeats
// nothing the listener needs twice.

#include <cstdint>
#include <string>
#include <unordered_set>
#include <vector>

struct FolderStreamEvent {
    std::uint64_t id = 0;
    std::string path;
    int flags = 0;
};

class FolderEventCoalescer {
public:
    // Queues the event; false when it repeats a queued one.
    bool add(std::uint64_t id, std::string path, int flags);
    bool empty() const { return mPending.empty(); }
    size_t size() const { return mPending.size(); }
    const std::vector<FolderStreamEvent>& pending() const { return mPending; }
    // The batch in the order the changes happened; the coalescer starts empty again.
    std::vector<FolderStreamEvent> take();

private:
    std::vector<FolderStreamEvent> mPending;
    std::unordered_set<std::string> mSeen; // path and flags of each queued event
};
