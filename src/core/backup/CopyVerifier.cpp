#include "backup/CopyVerifier.h"

#include "util/Log.h"

#include <algorithm>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

static_assert(kVerifyStretch % CopyReadBack::kAlignment == 0, "stretches start where direct reads may");

CopyVerifier::CopyVerifier(int fd, CopyControl* control, const CopyOptions& options)
    : mFd(fd), mReadBack(fd, control, options)
{
}

BackupStatus CopyVerifier::written(const char* data, std::size_t size)
{
    // A stretch ends at a multiple of its length whatever the blocks, so that each one starts
    // where a direct read may.
    while (size > 0) {
        const auto room = static_cast<std::size_t>(kVerifyStretch - mSource.length());
        const std::size_t taken = std::min(size, room);
        mSource.update(data, taken);
        data += taken;
        size -= taken;
        if (mSource.length() == kVerifyStretch) {
            ::sync_file_range(mFd, static_cast<off_t>(mStart), static_cast<off_t>(kVerifyStretch), SYNC_FILE_RANGE_WRITE);
            if (const BackupStatus status = handOver(); status != BackupStatus::Copied)
                return status;
        }
    }
    return mReadBack.status();
}

BackupStatus CopyVerifier::handOver()
{
    const CopyStretch stretch{mStart, mSource.length(), mSource.digest()};
    mStart += stretch.length;
    mSource = StreamHash();
    return mReadBack.add(stretch);
}

BackupStatus CopyVerifier::finish()
{
    if (::fsync(mFd) != 0)
        return BackupStatus::WriteFailed;
    const std::uint64_t end = mStart + mSource.length();
    if (mSource.length() > 0 || end == 0)
        handOver();
    if (const BackupStatus status = mReadBack.drain(); status != BackupStatus::Copied)
        return status;
    struct stat st;
    if (::fstat(mFd, &st) != 0 || static_cast<std::uint64_t>(st.st_size) != end) {
        pmWriteLog("CopyVerifier - the copy's length differs from its source's");
        return BackupStatus::VerifyFailed;
    }
    return BackupStatus::Copied;
}
