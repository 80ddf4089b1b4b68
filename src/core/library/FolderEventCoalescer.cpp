#include "library/FolderEventCoalescer.h"

bool FolderEventCoalescer::add(std::uint64_t id, std::string path, int flags)
{
    std::string key = std::to_string(flags);
    key += ':';
    key += path;
    if (!mSeen.insert(std::move(key)).second)
        return false;
    mPending.push_back({id, std::move(path), flags});
    return true;
}

std::vector<FolderStreamEvent> FolderEventCoalescer::take()
{
    mSeen.clear();
    std::vector<FolderStreamEvent> batch;
    batch.swap(mPending);
    return batch;
}
