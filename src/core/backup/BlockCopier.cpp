#include "backup/BlockCopier.h"

#include "util/Log.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr long kFallBack = -2;

bool isWriteErrno(int error)
{
    return error == ENOSPC || error == EDQUOT || error == EFBIG || error == EROFS || error == EBADF;
}

ssize_t readSome(int fd, char* buffer, std::size_t size, off_t* at)
{
    ssize_t n;
    do
        n = at ? ::pread(fd, buffer, size, *at) : ::read(fd, buffer, size);
    while (n < 0 && errno == EINTR);
    return n;
}

} // namespace

BlockCopier::BlockCopier(int in, int out, CopyControl* control, const CopyOptions& options)
    : mIn(in), mOut(out), mControl(control), mOptions(options)
{
}

BackupStatus BlockCopier::copy()
{
    // The kernel's copy never shows the bytes, so a copy to be verified goes through the buffer.
    bool kernel = mOptions.kernelCopy && !mOptions.verify;
    for (;;) {
        const long moved = kernel ? kernelBlock() : bufferBlock();
        if (moved == kFallBack) {
            kernel = false;
            continue;
        }
        if (moved < 0)
            return mStatus;
        if (moved == 0)
            return BackupStatus::Copied;
        mDone += static_cast<std::uint64_t>(moved);
        if (!countBlock(moved))
            return BackupStatus::Cancelled;
    }
}

// Adds the block to the run's count and says whether to go on.
bool BlockCopier::countBlock(long moved)
{
    if (!mControl) {
        if (mOptions.onBlock)
            mOptions.onBlock(mDone);
        return true;
    }
    const auto bytes = static_cast<std::uint64_t>(moved);
    const std::uint64_t total = mControl->bytesCopied.fetch_add(bytes, std::memory_order_relaxed) + bytes;
    if (mOptions.onBlock)
        mOptions.onBlock(total);
    return !mControl->cancelled.load(std::memory_order_relaxed);
}

BackupStatus BlockCopier::verify()
{
    if (mOptions.afterWrite)
        mOptions.afterWrite(mOut);
    // Clean pages can be dropped; the read-back then comes from the medium, not from memory.
    if (::fsync(mOut) != 0)
        return BackupStatus::WriteFailed;
    ::posix_fadvise(mOut, 0, 0, POSIX_FADV_DONTNEED);
    StreamHash copyHash;
    for (off_t at = 0;;) {
        const ssize_t n = readSome(mOut, buffer(), mOptions.blockSize, &at);
        if (n < 0) {
            pmWriteLog(std::string("BlockCopier::verify - the copy cannot be read back : ") + std::strerror(errno));
            return BackupStatus::VerifyFailed;
        }
        if (n == 0)
            break;
        copyHash.update(buffer(), static_cast<std::size_t>(n));
        at += n;
        if (mControl && mControl->cancelled.load(std::memory_order_relaxed))
            return BackupStatus::Cancelled;
    }
    if (copyHash.length() != mSourceHash.length() || copyHash.digest() != mSourceHash.digest()) {
        pmWriteLog("BlockCopier::verify - the copy read back differs from its source");
        return BackupStatus::VerifyFailed;
    }
    return BackupStatus::Copied;
}

long BlockCopier::fail(BackupStatus status)
{
    mStatus = status;
    return -1;
}

char* BlockCopier::buffer()
{
    if (!mBuffer)
        mBuffer = std::make_unique<char[]>(mOptions.blockSize);
    return mBuffer.get();
}

long BlockCopier::kernelBlock()
{
    for (;;) {
        const ssize_t n = ::copy_file_range(mIn, nullptr, mOut, nullptr, mOptions.blockSize, 0);
        if (n >= 0)
            return static_cast<long>(n);
        if (errno == EINTR)
            continue;
        // Not offered between these two files: the ordinary copy takes over from here.
        if (errno == EXDEV || errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP || errno == ETXTBSY)
            return kFallBack;
        return fail(isWriteErrno(errno) ? BackupStatus::WriteFailed : BackupStatus::ReadFailed);
    }
}

long BlockCopier::bufferBlock()
{
    char* data = buffer();
    const ssize_t n = readSome(mIn, data, mOptions.blockSize, nullptr);
    if (n < 0)
        return fail(BackupStatus::ReadFailed);
    mSourceHash.update(data, static_cast<std::size_t>(n));
    for (ssize_t written = 0; written < n;) {
        const ssize_t w = ::write(mOut, data + written, static_cast<size_t>(n - written));
        if (w < 0 && errno == EINTR)
            continue;
        if (w <= 0)
            return fail(BackupStatus::WriteFailed);
        written += w;
    }
    return static_cast<long>(n);
}
