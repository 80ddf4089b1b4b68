#pragma once
// Reads a copy back from the medium on a thread of its own while the copy goes on, and
// compares each stretch with the hash its source bytes had. The copying thread hands a stretch
// over once its writes are started; this thread waits for them to reach the disk, then reads
// the stretch past the page cache: through a second descriptor opened with O_DIRECT, in large
// aligned blocks, or, where the file system refuses direct reads (tmpfs, some FUSE), by
// dropping the stretch from the cache and reading it again. One stretch waits at most beside
// the one being read, so the copy never runs more than two stretches ahead of its check.

#include "backup/BackupStatus.h"
#include "backup/FileCopy.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>

struct CopyStretch {
    std::uint64_t start = 0; // a multiple of the direct-read alignment
    std::uint64_t length = 0;
    std::uint64_t sourceDigest = 0;
};

class CopyReadBack {
public:
    // Reads kept aligned for O_DIRECT, and the size of one read: a whole stretch, which the
    // disk serves as a few requests at once (direct reads have no readahead to keep it busy).
    static constexpr std::size_t kAlignment = 4096;
    static constexpr std::size_t kBlockSize = 8 << 20;

    CopyReadBack(int fd, CopyControl* control, const CopyOptions& options);
    // Stops the thread; a stretch being read is abandoned.
    ~CopyReadBack();
    CopyReadBack(const CopyReadBack&) = delete;
    CopyReadBack& operator=(const CopyReadBack&) = delete;

    // Hands a stretch over once its writes are started, waiting while another one waits.
    // The outcome so far: Copied while every stretch read back has matched.
    BackupStatus add(const CopyStretch& stretch);
    BackupStatus status() const { return mStatus.load(); }
    // Waits for every stretch handed over to be checked: Copied, Cancelled, WriteFailed or
    // VerifyFailed.
    BackupStatus drain();

private:
    void run();
    BackupStatus check(const CopyStretch& stretch);
    BackupStatus settle(const CopyStretch& stretch);
    // Reads at most one block at the offset: the bytes read, or -1.
    long readBlock(std::uint64_t offset, std::size_t length);

    int mFd;
    int mDirectFd = -1; // the copy opened again for direct reads, when the file system allows
    CopyControl* mControl;
    const CopyOptions& mOptions;
    std::unique_ptr<char, void (*)(void*)> mBuffer;

    std::mutex mMutex;
    std::condition_variable mChanged;
    std::deque<CopyStretch> mWaiting;
    bool mReading = false;
    bool mStopping = false;
    std::atomic<BackupStatus> mStatus{BackupStatus::Copied};
    std::thread mThread; // last: it runs on everything above
};
