#include "MountWatcher.h"

#include "util/Log.h"

#include <QSocketNotifier>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace {

constexpr const char* kMountTable = "/proc/self/mountinfo";

// The whole table; reading it from the start also clears the change mark.
std::string readTable(int fd)
{
    std::string text;
    char buffer[8192];
    off_t offset = 0;
    for (;;) {
        const ssize_t got = ::pread(fd, buffer, sizeof buffer, offset);
        if (got <= 0)
            break;
        text.append(buffer, size_t(got));
        offset += got;
    }
    return text;
}

} // namespace

MountWatcher::MountWatcher(QObject* parent) : QObject(parent)
{
    mFd = ::open(kMountTable, O_RDONLY | O_CLOEXEC);
    if (mFd < 0) {
        pmWriteLog(std::string("MountWatcher - cannot open ") + kMountTable + ", errno = " + std::to_string(errno));
        return;
    }
    mMounts = parseMountInfo(readTable(mFd));
    mNotifier = new QSocketNotifier(mFd, QSocketNotifier::Exception, this);
    connect(mNotifier, &QSocketNotifier::activated, this, &MountWatcher::reread);
}

MountWatcher::~MountWatcher()
{
    delete mNotifier;
    if (mFd >= 0)
        ::close(mFd);
}

void MountWatcher::reread()
{
    std::vector<MountEntry> mounts = parseMountInfo(readTable(mFd));
    const auto samePoint = [](const MountEntry& a, const MountEntry& b) { return a.mountPoint == b.mountPoint; };
    if (std::equal(mounts.begin(), mounts.end(), mMounts.begin(), mMounts.end(), samePoint))
        return;
    mMounts = std::move(mounts);
    emit mountsChanged();
}
