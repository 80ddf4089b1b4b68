#include "backup/CopyReadBack.h"

#include "backup/StreamHash.h"
#include "util/Log.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace {

BackupStatus mismatch(const char* why)
{
    pmWriteLog(std::string("CopyReadBack - ") + why);
    return BackupStatus::VerifyFailed;
}

// The copy opened once more, for reads that skip the page cache; -1 where that is refused.
int openDirect(int fd)
{
    const std::string path = "/proc/self/fd/" + std::to_string(fd);
    return ::open(path.c_str(), O_RDONLY | O_DIRECT | O_CLOEXEC);
}

std::size_t alignedUp(std::size_t length, std::size_t alignment)
{
    return (length + alignment - 1) / alignment * alignment;
}

} // namespace

CopyReadBack::CopyReadBack(int fd, CopyControl* control, const CopyOptions& options)
    : mFd(fd), mDirectFd(options.directReadBack ? openDirect(fd) : -1), mControl(control), mOptions(options),
      mBuffer(static_cast<char*>(std::aligned_alloc(kAlignment, kBlockSize)), &std::free),
      mThread(&CopyReadBack::run, this)
{
}

CopyReadBack::~CopyReadBack()
{
    {
        std::lock_guard lock(mMutex);
        mStopping = true;
    }
    mChanged.notify_all();
    mThread.join();
    if (mDirectFd >= 0)
        ::close(mDirectFd);
}

BackupStatus CopyReadBack::add(const CopyStretch& stretch)
{
    {
        std::unique_lock lock(mMutex);
        mChanged.wait(lock, [this] { return mWaiting.empty() || mStatus.load() != BackupStatus::Copied; });
        if (mStatus.load() == BackupStatus::Copied)
            mWaiting.push_back(stretch);
    }
    mChanged.notify_all();
    return mStatus.load();
}

BackupStatus CopyReadBack::drain()
{
    std::unique_lock lock(mMutex);
    mChanged.wait(lock, [this] { return mWaiting.empty() && !mReading; });
    return mStatus.load();
}

void CopyReadBack::run()
{
    for (;;) {
        CopyStretch stretch;
        {
            std::unique_lock lock(mMutex);
            mChanged.wait(lock, [this] { return mStopping || !mWaiting.empty(); });
            if (mStopping)
                return;
            stretch = mWaiting.front();
            mWaiting.pop_front();
            mReading = true;
        }
        mChanged.notify_all(); // room for the next stretch
        // After a failure the rest is not read: the copy is going to be removed.
        const BackupStatus status = mStatus.load() == BackupStatus::Copied ? check(stretch) : mStatus.load();
        {
            std::lock_guard lock(mMutex);
            if (mStatus.load() == BackupStatus::Copied)
                mStatus = status;
            mReading = false;
        }
        mChanged.notify_all();
    }
}

// Waits for the stretch's writes to reach the disk.
BackupStatus CopyReadBack::settle(const CopyStretch& stretch)
{
    const auto start = static_cast<off_t>(stretch.start);
    const auto length = static_cast<off_t>(stretch.length);
    constexpr unsigned kWriteAndWait = SYNC_FILE_RANGE_WAIT_BEFORE | SYNC_FILE_RANGE_WRITE | SYNC_FILE_RANGE_WAIT_AFTER;
    if (::sync_file_range(mFd, start, length, kWriteAndWait) != 0 && ::fdatasync(mFd) != 0)
        return BackupStatus::WriteFailed;
    return BackupStatus::Copied;
}

BackupStatus CopyReadBack::check(const CopyStretch& stretch)
{
    if (const BackupStatus status = settle(stretch); status != BackupStatus::Copied)
        return status;
    if (mOptions.beforeReadBack)
        mOptions.beforeReadBack(mFd);
    if (mDirectFd < 0) // flushed and clean: the pages can go, and the stretch comes from the disk
        ::posix_fadvise(mFd, static_cast<off_t>(stretch.start), static_cast<off_t>(stretch.length), POSIX_FADV_DONTNEED);
    StreamHash copy;
    for (std::uint64_t done = 0; done < stretch.length;) {
        const std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(kBlockSize, stretch.length - done));
        const long n = readBlock(stretch.start + done, want);
        if (n < 0)
            return mismatch(std::strerror(errno));
        // A direct read runs on to the alignment; what lies past the stretch is the next one's.
        const std::size_t used = std::min(static_cast<std::size_t>(n), want);
        copy.update(mBuffer.get(), used);
        done += used;
        if (used < want) // the copy ends early
            break;
        if (mControl && mControl->cancelled.load(std::memory_order_relaxed))
            return BackupStatus::Cancelled;
    }
    if (copy.length() != stretch.length || copy.digest() != stretch.sourceDigest)
        return mismatch("the copy read back differs from its source");
    return BackupStatus::Copied;
}

long CopyReadBack::readBlock(std::uint64_t offset, std::size_t length)
{
    for (;;) {
        const bool direct = mDirectFd >= 0;
        const ssize_t n = direct ? ::pread(mDirectFd, mBuffer.get(), alignedUp(length, kAlignment), static_cast<off_t>(offset))
                                 : ::pread(mFd, mBuffer.get(), length, static_cast<off_t>(offset));
        if (n >= 0)
            return static_cast<long>(n);
        if (errno == EINTR)
            continue;
        if (!direct || errno != EINVAL)
            return -1;
        // Opened, but direct reads refused after all: the rest goes through the page cache,
        // emptied of it first.
        ::close(mDirectFd);
        mDirectFd = -1;
        ::posix_fadvise(mFd, static_cast<off_t>(offset), 0, POSIX_FADV_DONTNEED);
    }
}
