#include "backup/FileCopy.h"

#include "backup/BlockCopier.h"
#include "util/FileQueries.h"
#include "util/Log.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A file descriptor closed on every way out.
class Fd {
public:
    explicit Fd(int fd = -1) : mFd(fd) {}
    ~Fd() { reset(-1); }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    void reset(int fd)
    {
        if (mFd >= 0)
            ::close(mFd);
        mFd = fd;
    }
    int get() const { return mFd; }
    bool valid() const { return mFd >= 0; }
    // Closes now and says whether the last writes made it (close reports delayed errors).
    bool close()
    {
        const int fd = mFd;
        mFd = -1;
        return fd < 0 || ::close(fd) == 0;
    }

private:
    int mFd;
};

std::string nameOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

void logFailure(const char* what, const std::string& path)
{
    pmWriteLog(std::string("pmBackupFile - ") + what + " " + path + " : " + std::strerror(errno));
}

std::chrono::nanoseconds sinceEpoch(const timespec& t)
{
    return std::chrono::seconds(t.tv_sec) + std::chrono::nanoseconds(t.tv_nsec);
}

bool isEarlierCopy(const struct stat& source, const struct stat& destination)
{
    const auto apart = sinceEpoch(source.st_mtim) - sinceEpoch(destination.st_mtim);
    return S_ISREG(destination.st_mode) && destination.st_size == source.st_size && apart < kBackupTimeStep
        && -apart < kBackupTimeStep;
}

// The source opened and looked at, and the destination as it stands.
struct CopyPlan {
    Fd in;
    struct stat source {};
    std::string destination;
    bool destinationExists = false;
    BackupStatus decision = BackupStatus::Copied;
};

// Decides what becomes of one file: Copied means a copy is to be made.
void plan(const std::string& source, const std::string& folder, const CopyOptions& options, CopyPlan& p)
{
    p.destination = pmBackupDestinationPath(source, folder);
    p.in.reset(::open(source.c_str(), O_RDONLY | O_CLOEXEC));
    if (!p.in.valid() || ::fstat(p.in.get(), &p.source) != 0 || !S_ISREG(p.source.st_mode)) {
        logFailure("cannot read", source);
        p.decision = BackupStatus::ReadFailed;
        return;
    }
    struct stat dst;
    if (::stat(folder.c_str(), &dst) != 0 || !S_ISDIR(dst.st_mode)) {
        logFailure("no folder", folder);
        p.decision = BackupStatus::WriteFailed;
        return;
    }
    p.destinationExists = ::stat(p.destination.c_str(), &dst) == 0;
    if (!p.destinationExists)
        return;
    if (dst.st_dev == p.source.st_dev && dst.st_ino == p.source.st_ino)
        p.decision = BackupStatus::SameFile;
    else if (options.skipUnchanged && isEarlierCopy(p.source, dst))
        p.decision = BackupStatus::Skipped;
    else if (!options.replaceExisting)
        p.decision = BackupStatus::Exists;
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

// Writes the copy into the open temporary file: every byte, checked when asked, with the
// source's times.
BackupStatus writeCopy(CopyPlan& p, int out, CopyControl* control, const CopyOptions& options)
{
    BlockCopier copier(p.in.get(), out, control, options);
    BackupStatus status = copier.copy();
    if (status == BackupStatus::Copied && copier.done() < static_cast<std::uint64_t>(p.source.st_size)) {
        errno = EIO;
        logFailure("ended before its end", p.destination);
        return BackupStatus::ReadFailed; // the file shrank under us: a card pulled or a file cut
    }
    if (status != BackupStatus::Copied)
        return status;
    if (options.verify)
        status = copier.verify();
    else if (p.destinationExists && ::fsync(out) != 0) // an older copy goes only for one on the disk
        status = BackupStatus::WriteFailed;
    // Last, as reading the copy back may have moved its access time.
    const timespec times[2] = {p.source.st_atim, p.source.st_mtim};
    if (status == BackupStatus::Copied && ::futimens(out, times) != 0)
        logFailure("cannot keep the times of", p.destination);
    return status;
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

BackupStatus pmPreviewBackupFile(const std::string& source, const std::string& folder, const CopyOptions& options)
{
    CopyPlan p;
    plan(source, folder, options, p);
    return p.decision;
}

BackupStatus pmBackupFile(const std::string& source, const std::string& folder, CopyControl* control,
                          const CopyOptions& options)
{
    if (control && control->cancelled.load())
        return BackupStatus::Cancelled;
    CopyPlan p;
    plan(source, folder, options, p);
    if (p.decision != BackupStatus::Copied)
        return p.decision;
    const auto size = static_cast<std::uint64_t>(p.source.st_size);
    if (options.checkFreeSpace
        && static_cast<std::uint64_t>(std::max<std::int64_t>(pmGetFreeDiskSpace(folder), 0)) < size + kBackupSpareBytes)
        return BackupStatus::NoDiskSpace;

    std::string temp = folder + "/." + nameOf(source) + ".XXXXXX";
    Fd out(::mkostemp(temp.data(), O_CLOEXEC));
    if (!out.valid()) {
        logFailure("cannot create a file in", folder);
        return BackupStatus::WriteFailed;
    }
    ::fchmod(out.get(), (p.source.st_mode & 0777) | S_IRUSR | S_IWUSR);
    BackupStatus status = writeCopy(p, out.get(), control, options);
    if (!out.close() && status == BackupStatus::Copied)
        status = BackupStatus::WriteFailed;
    bool existed = false;
    if (status == BackupStatus::Copied && !publish(temp, p.destination, options.replaceExisting, existed)) {
        if (!existed)
            logFailure("cannot rename into", p.destination);
        status = existed ? BackupStatus::Exists : BackupStatus::WriteFailed;
    }
    if (status != BackupStatus::Copied)
        ::unlink(temp.c_str());
    return status;
}

CopyStatus pmCopyFileIntoFolder(const std::string& source, const std::string& folder, CopyControl* control,
                                const CopyOptions& options)
{
    switch (pmBackupFile(source, folder, control, options)) {
    case BackupStatus::Copied:
        return CopyStatus::Copied;
    case BackupStatus::Skipped: // there already: done, or kept when a file of the name is to be kept
        return options.replaceExisting ? CopyStatus::Copied : CopyStatus::Exists;
    case BackupStatus::SameFile:
        return CopyStatus::SameFile;
    case BackupStatus::Exists:
        return CopyStatus::Exists;
    case BackupStatus::Cancelled:
        return CopyStatus::Cancelled;
    case BackupStatus::NoDiskSpace:
        return CopyStatus::NoDiskSpace;
    case BackupStatus::ReadFailed:
        return CopyStatus::ReadFailed;
    case BackupStatus::WriteFailed:
    case BackupStatus::VerifyFailed:
        break;
    }
    return CopyStatus::WriteFailed;
}
