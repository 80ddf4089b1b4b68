#include "io/ByteSource.h"

#include <algorithm>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

FileByteSource::FileByteSource(const std::string& path)
{
    mFd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (mFd < 0)
        return;
    struct stat st;
    if (::fstat(mFd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(mFd);
        mFd = -1;
        return;
    }
    mSize = static_cast<std::uint64_t>(st.st_size);
}

FileByteSource::~FileByteSource()
{
    if (mFd >= 0)
        ::close(mFd);
}

size_t FileByteSource::readAt(std::uint64_t offset, void* buffer, size_t count)
{
    if (mFd < 0 || offset >= mSize)
        return 0;
    ++mReads;
    ssize_t n = ::pread(mFd, buffer, count, static_cast<off_t>(offset));
    return n > 0 ? static_cast<size_t>(n) : 0;
}

size_t MemoryByteSource::readAt(std::uint64_t offset, void* buffer, size_t count)
{
    if (offset >= mSize)
        return 0;
    size_t n = static_cast<size_t>(std::min<std::uint64_t>(count, mSize - offset));
    std::memcpy(buffer, mData + offset, n);
    return n;
}
