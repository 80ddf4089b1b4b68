#include "backup/CopyVerifier.h"

#include "util/Log.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Stretches whose writes are waited for and then read back, behind the one being written.
constexpr size_t kSettleBehind = 1;
constexpr size_t kCheckBehind = 2;

BackupStatus mismatch(const char* why)
{
    pmWriteLog(std::string("CopyVerifier - ") + why);
    return BackupStatus::VerifyFailed;
}

} // namespace

CopyVerifier::CopyVerifier(int fd, CopyControl* control, const CopyOptions& options)
    : mFd(fd), mControl(control), mOptions(options), mBuffer(std::make_unique<char[]>(options.blockSize))
{
}

BackupStatus CopyVerifier::written(const char* data, std::size_t size)
{
    mOpen.source.update(data, size);
    mOpen.length += size;
    if (mOpen.length < kVerifyStretch)
        return BackupStatus::Copied;
    ::sync_file_range(mFd, static_cast<off_t>(mOpen.start), static_cast<off_t>(mOpen.length),
                      SYNC_FILE_RANGE_WRITE);
    const std::uint64_t next = mOpen.start + mOpen.length;
    mWritten.push_back(std::move(mOpen));
    mOpen = Stretch();
    mOpen.start = next;
    if (mWritten.size() > kSettleBehind) {
        const BackupStatus status = settle(mWritten[mWritten.size() - 1 - kSettleBehind]);
        if (status != BackupStatus::Copied)
            return status;
    }
    if (mWritten.size() <= kCheckBehind)
        return BackupStatus::Copied;
    const BackupStatus status = check(mWritten.front());
    mWritten.pop_front();
    return status;
}

// Waits for the stretch's writes, drops it from the page cache and asks the disk for it.
BackupStatus CopyVerifier::settle(const Stretch& stretch)
{
    const auto start = static_cast<off_t>(stretch.start);
    const auto length = static_cast<off_t>(stretch.length);
    constexpr unsigned kWriteAndWait = SYNC_FILE_RANGE_WAIT_BEFORE | SYNC_FILE_RANGE_WRITE | SYNC_FILE_RANGE_WAIT_AFTER;
    if (::sync_file_range(mFd, start, length, kWriteAndWait) != 0 && ::fdatasync(mFd) != 0)
        return BackupStatus::WriteFailed;
    ::posix_fadvise(mFd, start, length, POSIX_FADV_DONTNEED);
    ::posix_fadvise(mFd, start, length, POSIX_FADV_WILLNEED);
    return BackupStatus::Copied;
}

BackupStatus CopyVerifier::check(const Stretch& stretch)
{
    if (mOptions.beforeReadBack)
        mOptions.beforeReadBack(mFd);
    StreamHash copy;
    for (std::uint64_t done = 0; done < stretch.length;) {
        const std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(mOptions.blockSize, stretch.length - done));
        ssize_t n;
        do
            n = ::pread(mFd, mBuffer.get(), want, static_cast<off_t>(stretch.start + done));
        while (n < 0 && errno == EINTR);
        if (n < 0)
            return mismatch(std::strerror(errno));
        if (n == 0)
            break;
        copy.update(mBuffer.get(), static_cast<std::size_t>(n));
        done += static_cast<std::uint64_t>(n);
        if (mControl && mControl->cancelled.load(std::memory_order_relaxed))
            return BackupStatus::Cancelled;
    }
    if (copy.length() != stretch.length || copy.digest() != stretch.source.digest())
        return mismatch("the copy read back differs from its source");
    return BackupStatus::Copied;
}

BackupStatus CopyVerifier::finish()
{
    if (::fsync(mFd) != 0)
        return BackupStatus::WriteFailed;
    // Flushed and clean: the pages can be dropped, and the rest comes back from the disk.
    ::posix_fadvise(mFd, 0, 0, POSIX_FADV_DONTNEED);
    const std::uint64_t end = mOpen.start + mOpen.length;
    mWritten.push_back(std::move(mOpen));
    for (const Stretch& stretch : mWritten)
        if (const BackupStatus status = check(stretch); status != BackupStatus::Copied)
            return status;
    mWritten.clear();
    struct stat st;
    if (::fstat(mFd, &st) != 0 || static_cast<std::uint64_t>(st.st_size) != end)
        return mismatch("the copy's length differs from its source's");
    return BackupStatus::Copied;
}
