#pragma once
// The tracks of recordings other than the open one (the rest of its trip, a day to export),
// read on first use and kept, so drawing a trip again or exporting it after drawing reads no
// file twice. Safe to share between the GUI thread and a worker: tracks are handed out as
// shared, immutable objects, and a track being read does not hold the others up.

#include "gps/GpsList.h"
#include "gps/TrackLoader.h"
#include "library/AMediaFile.h"

#include <cstddef>
#include <list>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>

struct CachedTrack {
    GpsList list;
    LoadedTrack info;
};

class TrackCache {
public:
    // Keeps at most this many tracks, dropping the least recently used.
    explicit TrackCache(size_t capacity = 4096) : mCapacity(capacity == 0 ? 1 : capacity) {}

    // The recording's track, read now unless already kept for the same file date. Its length
    // is the library's, else the container's headers'.
    std::shared_ptr<const CachedTrack> track(const AMediaFile& recording);
    // Drops a recording's track (the file changed or went away).
    void forget(const std::string& path);
    void clear();
    size_t size() const;

private:
    struct Entry {
        std::shared_ptr<const CachedTrack> track;
        std::optional<FileTime> fileDate;
        std::list<std::string>::iterator age;
    };

    std::shared_ptr<const CachedTrack> find(const AMediaFile& recording);
    void keep(const AMediaFile& recording, std::shared_ptr<const CachedTrack> track);

    const size_t mCapacity;
    mutable std::mutex mMutex;
    std::unordered_map<std::string, Entry> mTracks;
    std::list<std::string> mAges; // most recently used first
};
