#include "util/FileQueries.h"

#include "util/MissingFolderMemo.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>
#include <vector>

bool pmIsAtOrBelow(std::string_view path, std::string_view folder)
{
    while (folder.size() > 1 && folder.back() == '/')
        folder.remove_suffix(1);
    if (folder == "/")
        return !path.empty() && path.front() == '/';
    return path.starts_with(folder) && (path.size() == folder.size() || path[folder.size()] == '/');
}

bool pmDeleteFile(const std::string& path)
{
    return ::unlink(path.c_str()) == 0;
}

bool pmIsFileExist(const std::string& path)
{
    if (path.empty())
        return false;
    if (MissingFolderMemo* memo = MissingFolderMemo::current(); memo && !memo->folderMayHold(path))
        return false;
    struct stat st;
    return ::stat(path.c_str(), &st) == 0;
}

std::string pmCreateFileBeside(const std::string& path, std::string& error)
{
    static std::atomic<unsigned> counter{0};
    const std::filesystem::path target(path);
    const std::string stem = "." + target.filename().string() + "." + std::to_string(::getpid()) + "-";
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string candidate = (target.parent_path() / (stem + std::to_string(counter++) + ".part")).string();
        const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            ::close(fd);
            return candidate;
        }
        if (errno != EEXIST)
            break;
    }
    error = std::strerror(errno);
    return {};
}

std::uint64_t pmGetFileSize(const std::string& path)
{
    struct stat st;
    if (path.empty() || ::stat(path.c_str(), &st) != 0)
        return 0;
    return static_cast<std::uint64_t>(st.st_size);
}

bool pmIsReadOnly(const std::string& path)
{
    struct stat st;
    if (::stat(path.c_str(), &st) != 0)
        return true;
    if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        return true;
    struct statvfs vfs;
    return ::statvfs(path.c_str(), &vfs) == 0 && (vfs.f_flag & ST_RDONLY) != 0;
}

bool pmCanListFolder(const std::string& path)
{
    DIR* folder = ::opendir(path.c_str());
    if (!folder)
        return false;
    ::closedir(folder);
    return true;
}

std::int64_t pmGetFreeDiskSpace(const std::string& path)
{
    struct statvfs vfs;
    if (::statvfs(path.c_str(), &vfs) != 0)
        return 0;
    return static_cast<std::int64_t>(vfs.f_bavail) * static_cast<std::int64_t>(vfs.f_frsize);
}

namespace {

std::vector<std::string_view> pathComponents(std::string_view path)
{
    std::vector<std::string_view> parts;
    size_t pos = 0;
    while (pos < path.size()) {
        size_t next = path.find('/', pos);
        if (next == std::string_view::npos)
            next = path.size();
        if (next > pos)
            parts.push_back(path.substr(pos, next - pos));
        pos = next + 1;
    }
    return parts;
}

std::string joinRoot(const std::vector<std::string_view>& parts, size_t count)
{
    std::string root;
    for (size_t i = 0; i < count; ++i) {
        root += '/';
        root += parts[i];
    }
    return root;
}

} // namespace

std::optional<std::string> pmGetVolumeRoot(std::string_view path)
{
    if (path.empty() || path.front() != '/')
        return std::nullopt;
    auto parts = pathComponents(path);
    // The first component of an absolute path is the one after the leading slash.
    if (parts.size() >= 2 && (parts[0] == "Volumes" || parts[0] == "mnt"))
        return joinRoot(parts, 2);
    if (parts.size() >= 3 && parts[0] == "media")
        return joinRoot(parts, 3);
    if (parts.size() >= 4 && parts[0] == "run" && parts[1] == "media")
        return joinRoot(parts, 4);
    return std::nullopt;
}
