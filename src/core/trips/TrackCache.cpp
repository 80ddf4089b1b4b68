#include "trips/TrackCache.h"

#include "library/MediaDuration.h"

std::shared_ptr<const CachedTrack> TrackCache::track(const AMediaFile& recording)
{
    if (auto kept = find(recording))
        return kept;
    auto loaded = std::make_shared<CachedTrack>();
    const double seconds = recording.duration() ? *recording.duration() : pmGetMediaDuration(recording.URL()).value_or(0);
    loaded->info = pmReadTrack(recording.URL(), seconds, loaded->list);
    keep(recording, loaded);
    return loaded;
}

std::shared_ptr<const CachedTrack> TrackCache::find(const AMediaFile& recording)
{
    std::lock_guard lock(mMutex);
    auto it = mTracks.find(recording.URL());
    if (it == mTracks.end() || it->second.fileDate != recording.fileDate())
        return nullptr;
    mAges.splice(mAges.begin(), mAges, it->second.age);
    return it->second.track;
}

void TrackCache::keep(const AMediaFile& recording, std::shared_ptr<const CachedTrack> track)
{
    std::lock_guard lock(mMutex);
    auto it = mTracks.find(recording.URL());
    if (it != mTracks.end()) {
        mAges.splice(mAges.begin(), mAges, it->second.age);
        it->second.track = std::move(track);
        it->second.fileDate = recording.fileDate();
        return;
    }
    mAges.push_front(recording.URL());
    mTracks.emplace(recording.URL(), Entry{std::move(track), recording.fileDate(), mAges.begin()});
    if (mTracks.size() > mCapacity) {
        mTracks.erase(mAges.back());
        mAges.pop_back();
    }
}

void TrackCache::forget(const std::string& path)
{
    std::lock_guard lock(mMutex);
    auto it = mTracks.find(path);
    if (it == mTracks.end())
        return;
    mAges.erase(it->second.age);
    mTracks.erase(it);
}

void TrackCache::clear()
{
    std::lock_guard lock(mMutex);
    mTracks.clear();
    mAges.clear();
}

size_t TrackCache::size() const
{
    std::lock_guard lock(mMutex);
    return mTracks.size();
}
