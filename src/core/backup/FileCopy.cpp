#include "backup/FileCopy.h"

#include "util/FileQueries.h"
#include "util/Log.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A file descriptor closed on every way out.
class Fd {
public:
    explicit Fd(int fd = -1) : mFd(fd) {}
    ~Fd() { reset(); }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return mFd; }
    bool valid() const { return mFd >= 0; }
    // Closes now and says whether the last writes made it (close reports delayed errors).
    bool close()
    {
        const int fd = mFd;
        mFd = -1;
        return fd < 0 || ::close(fd) == 0;
    }
    void reset()
    {
        if (mFd >= 0)
            ::close(mFd);
        mFd = -1;
    }

private:
    int mFd;
};

bool isWriteErrno(int error)
{
    return error == ENOSPC || error == EDQUOT || error == EFBIG || error == EROFS || error == EBADF;
}

// Moves the bytes of one open file to another, block by block, counting and cancelling
// between blocks.
class BlockCopier {
public:
    BlockCopier(int in, int out, CopyControl* control, const CopyOptions& options)
        : mIn(in), mOut(out), mControl(control), mOptions(options) {}

    CopyStatus run()
    {
        bool kernel = mOptions.kernelCopy;
        for (;;) {
            long moved = kernel ? kernelBlock() : bufferBlock();
            if (moved == kFallBack) {
                kernel = false;
                continue;
            }
            if (moved < 0)
                return mStatus;
            if (moved == 0)
                return CopyStatus::Copied;
            mDone += static_cast<std::uint64_t>(moved);
            if (mControl) {
                const std::uint64_t total = mControl->bytesCopied.fetch_add(
                    static_cast<std::uint64_t>(moved), std::memory_order_relaxed) + static_cast<std::uint64_t>(moved);
                if (mOptions.onBlock)
                    mOptions.onBlock(total);
                if (mControl->cancelled.load(std::memory_order_relaxed))
                    return CopyStatus::Cancelled;
            } else if (mOptions.onBlock) {
                mOptions.onBlock(mDone);
            }
        }
    }

    std::uint64_t done() const { return mDone; }

private:
    static constexpr long kFallBack = -2;

    long fail(CopyStatus status)
    {
        mStatus = status;
        return -1;
    }

    long kernelBlock()
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
            return fail(isWriteErrno(errno) ? CopyStatus::WriteFailed : CopyStatus::ReadFailed);
        }
    }

    long bufferBlock()
    {
        if (!mBuffer)
            mBuffer = std::make_unique<char[]>(mOptions.blockSize);
        ssize_t n;
        do
            n = ::read(mIn, mBuffer.get(), mOptions.blockSize);
        while (n < 0 && errno == EINTR);
        if (n < 0)
            return fail(CopyStatus::ReadFailed);
        for (ssize_t written = 0; written < n;) {
            const ssize_t w = ::write(mOut, mBuffer.get() + written, static_cast<size_t>(n - written));
            if (w < 0 && errno == EINTR)
                continue;
            if (w <= 0)
                return fail(CopyStatus::WriteFailed);
            written += w;
        }
        return static_cast<long>(n);
    }

    int mIn;
    int mOut;
    CopyControl* mControl;
    const CopyOptions& mOptions;
    std::unique_ptr<char[]> mBuffer;
    std::uint64_t mDone = 0;
    CopyStatus mStatus = CopyStatus::Copied;
};

std::string nameOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Gives the finished temporary file the destination's name: over an older copy, or only
// where no file of that name exists.
bool publish(const std::string& temp, const std::string& destination, bool replace, bool& existed)
{
    existed = false;
    if (replace)
        return ::rename(temp.c_str(), destination.c_str()) == 0;
    if (::renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, destination.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno == EEXIST) {
        existed = true;
        return false;
    }
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // A file system without the no-replace flag: link fails as well when the name is taken.
    if (::link(temp.c_str(), destination.c_str()) == 0) {
        ::unlink(temp.c_str());
        return true;
    }
    existed = errno == EEXIST;
    return false;
}

void logFailure(const char* what, const std::string& path)
{
    pmWriteLog(std::string("pmCopyFileIntoFolder - ") + what + " " + path + " : " + std::strerror(errno));
}

} // namespace

std::string pmBackupDestinationPath(const std::string& source, const std::string& folder)
{
    return folder + "/" + nameOf(source);
}

bool pmIsSameFile(const std::string& a, const std::string& b)
{
    struct stat sa, sb;
    return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev
        && sa.st_ino == sb.st_ino;
}

CopyStatus pmCopyFileIntoFolder(const std::string& source, const std::string& folder, CopyControl* control,
                                const CopyOptions& options)
{
    if (control && control->cancelled.load())
        return CopyStatus::Cancelled;
    const std::string destination = pmBackupDestinationPath(source, folder);

    Fd in(::open(source.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat st;
    if (!in.valid() || ::fstat(in.get(), &st) != 0 || !S_ISREG(st.st_mode)) {
        logFailure("cannot read", source);
        return CopyStatus::ReadFailed;
    }
    struct stat dst;
    if (::stat(folder.c_str(), &dst) != 0 || !S_ISDIR(dst.st_mode)) {
        logFailure("no folder", folder);
        return CopyStatus::WriteFailed;
    }
    const bool destinationExists = ::stat(destination.c_str(), &dst) == 0;
    if (destinationExists && dst.st_dev == st.st_dev && dst.st_ino == st.st_ino)
        return CopyStatus::SameFile;
    if (destinationExists && !options.replaceExisting)
        return CopyStatus::Exists;
    const auto size = static_cast<std::uint64_t>(st.st_size);
    if (options.checkFreeSpace
        && static_cast<std::uint64_t>(std::max<std::int64_t>(pmGetFreeDiskSpace(folder), 0)) < size + kBackupSpareBytes)
        return CopyStatus::NoDiskSpace;

    std::string temp = folder + "/." + nameOf(source) + ".XXXXXX";
    Fd out(::mkostemp(temp.data(), O_CLOEXEC));
    if (!out.valid()) {
        logFailure("cannot create a file in", folder);
        return CopyStatus::WriteFailed;
    }
    ::fchmod(out.get(), (st.st_mode & 0777) | S_IRUSR | S_IWUSR);

    BlockCopier copier(in.get(), out.get(), control, options);
    CopyStatus status = copier.run();
    if (status == CopyStatus::Copied && copier.done() < size) {
        errno = EIO;
        logFailure("ended before its end", source);
        status = CopyStatus::ReadFailed; // the file shrank under us: a card pulled or a file cut
    }
    // An older copy is given up only for a new one that is safely on the disk.
    if (status == CopyStatus::Copied && destinationExists && ::fsync(out.get()) != 0)
        status = CopyStatus::WriteFailed;
    if (!out.close() && status == CopyStatus::Copied)
        status = CopyStatus::WriteFailed;
    bool existed = false;
    if (status == CopyStatus::Copied && !publish(temp, destination, options.replaceExisting, existed)) {
        if (!existed)
            logFailure("cannot rename into", destination);
        status = existed ? CopyStatus::Exists : CopyStatus::WriteFailed;
    }
    if (status != CopyStatus::Copied)
        ::unlink(temp.c_str());
    return status;
}
