#include "backup/BlockCopier.h"

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

ssize_t readSome(int fd, char* buffer, std::size_t size)
{
    ssize_t n;
    do
        n = ::read(fd, buffer, size);
    while (n < 0 && errno == EINTR);
    return n;
}

} // namespace

BlockCopier::BlockCopier(int in, int out, CopyControl* control, const CopyOptions& options)
    : mIn(in), mOut(out), mControl(control), mOptions(options)
{
    if (mOptions.verify)
        mVerifier = std::make_unique<CopyVerifier>(out, control, options);
    ::posix_fadvise(in, 0, 0, POSIX_FADV_SEQUENTIAL);
}

BackupStatus BlockCopier::copy()
{
    // A copy to be checked needs its bytes in hand: through the buffer they are read once,
    // where the kernel's copy would have them read again from the page cache.
    bool kernel = mOptions.kernelCopy && !mVerifier;
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
    return mVerifier ? mVerifier->finish() : BackupStatus::Copied;
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
    const ssize_t n = readSome(mIn, data, mOptions.blockSize);
    if (n < 0)
        return fail(BackupStatus::ReadFailed);
    for (ssize_t written = 0; written < n;) {
        const ssize_t w = ::write(mOut, data + written, static_cast<size_t>(n - written));
        if (w < 0 && errno == EINTR)
            continue;
        if (w <= 0)
            return fail(BackupStatus::WriteFailed);
        written += w;
    }
    if (!mVerifier || n == 0)
        return static_cast<long>(n);
    const BackupStatus status = mVerifier->written(data, static_cast<std::size_t>(n));
    return status == BackupStatus::Copied ? static_cast<long>(n) : fail(status);
}
