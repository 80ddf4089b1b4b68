#include "library/LibraryScanner.h"

#include "io/ByteSource.h"
#include "library/ContainerCheck.h"
#include "library/RecordingName.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

FileTime modificationTime(const struct stat& st)
{
    using namespace std::chrono;
    auto since = seconds(st.st_mtim.tv_sec) + nanoseconds(st.st_mtim.tv_nsec);
    return FileTime(duration_cast<FileTime::duration>(since));
}

// Validates by file type and notes the length the headers give; the descriptor belongs to the
// source from here on.
bool isAcceptedVideo(int fileType, int fd, const struct stat& st, const std::string& path,
                     std::optional<double>& seconds)
{
    FileByteSource source(fd, static_cast<std::uint64_t>(st.st_size));
    if (fileType == FileTypeAvi)
        return isAviCodecReady(source, &seconds);
    return isMovCodecReady(source, path, &seconds);
}

void appendName(std::string& path, const char* name)
{
    if (path.empty() || path.back() != '/')
        path += '/';
    path += name;
}

} // namespace

void LibraryScanner::searchFolder(const std::string& folder)
{
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    std::string path = folder;
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    if (!enterDirectory(fd, path))
        ::close(fd);
}

bool LibraryScanner::addVideoFile(const std::string& path)
{
    if (pmGetFileType(path) == FileTypeOther)
        return false;
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    return fd >= 0 && addOpenedFile(fd, path);
}

bool LibraryScanner::addOpenedFile(int fd, std::string path)
{
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return false;
    }
    std::optional<double> seconds;
    if (!isAcceptedVideo(pmGetFileType(path), fd, st, path, seconds))
        return false;
    mLibrary.emplace_back(std::move(path), modificationTime(st), seconds);
    return true;
}

// Takes ownership of dirFd when it returns true.
bool LibraryScanner::enterDirectory(int dirFd, std::string& path)
{
    struct stat st;
    if (::fstat(dirFd, &st) != 0 || !mVisited.emplace(st.st_dev, st.st_ino).second)
        return false;
    ++m_nCurFolderLevel;
    scanDirectory(dirFd, path);
    --m_nCurFolderLevel;
    return true;
}

void LibraryScanner::scanDirectory(int dirFd, std::string& path)
{
    DIR* dir = ::fdopendir(dirFd);
    if (!dir) {
        ::close(dirFd);
        return;
    }
    const size_t base = path.size();
    while (const dirent* entry = ::readdir(dir)) {
        const char* name = entry->d_name;
        if (name[0] == '.')
            continue;
        unsigned char type = entry->d_type;
        if (type == DT_LNK || type == DT_UNKNOWN) {
            struct stat st;
            if (::fstatat(dirFd, name, &st, 0) != 0)
                continue; // vanished, or a dangling link
            type = S_ISDIR(st.st_mode) ? DT_DIR : S_ISREG(st.st_mode) ? DT_REG : DT_UNKNOWN;
        }
        appendName(path, name);
        if (type == DT_DIR) {
            int child = ::openat(dirFd, name, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            if (child >= 0 && !enterDirectory(child, path))
                ::close(child);
        } else if (type == DT_REG && pmGetFileType(name) != FileTypeOther) {
            // Non-blocking, so a FIFO that took the place of a file cannot stall the scan.
            int fd = ::openat(dirFd, name, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
            if (fd >= 0)
                addOpenedFile(fd, path);
        }
        path.resize(base);
    }
    ::closedir(dir);
}
