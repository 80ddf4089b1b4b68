#include "util/FolderWalk.h"

#include <dirent.h>
#include <fcntl.h>
#include <limits>
#include <set>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

class FolderWalk {
public:
    FolderWalk(const FolderWalkLimits& limits, const std::function<bool(const std::string&, bool)>& visit)
        : mLimits(limits), mVisit(visit) {}

    // Marks the folder as seen; false when it was seen before (a link back up the tree).
    bool firstVisit(int dirFd);
    // Takes the descriptor; false once the walk is over.
    bool enter(int dirFd, std::string& path, int depth);
    bool limited() const { return mLimited; }

private:
    bool walkEntries(DIR* dir, std::string& path, int depth);

    const FolderWalkLimits& mLimits;
    const std::function<bool(const std::string&, bool)>& mVisit;
    std::set<std::pair<dev_t, ino_t>> mVisited;
    size_t mEntries = 0;
    bool mLimited = false;
};

bool FolderWalk::firstVisit(int dirFd)
{
    struct stat st;
    return ::fstat(dirFd, &st) == 0 && mVisited.emplace(st.st_dev, st.st_ino).second;
}

bool FolderWalk::enter(int dirFd, std::string& path, int depth)
{
    DIR* dir = ::fdopendir(dirFd);
    if (!dir) {
        ::close(dirFd);
        return true;
    }
    const bool goOn = walkEntries(dir, path, depth);
    ::closedir(dir);
    return goOn;
}

bool FolderWalk::walkEntries(DIR* dir, std::string& path, int depth)
{
    const int dirFd = ::dirfd(dir);
    const size_t base = path.size();
    while (const dirent* entry = ::readdir(dir)) {
        const char* name = entry->d_name;
        if (name[0] == '.')
            continue;
        if (++mEntries > mLimits.maxEntries) {
            mLimited = true;
            return false;
        }
        bool isFolder = entry->d_type == DT_DIR;
        if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
            struct stat st;
            isFolder = ::fstatat(dirFd, name, &st, 0) == 0 && S_ISDIR(st.st_mode);
        }
        int child = -1;
        if (isFolder) {
            child = ::openat(dirFd, name, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            if (child >= 0 && !firstVisit(child)) {
                ::close(child);
                continue;
            }
        }
        if (path.back() != '/')
            path += '/';
        path += name;
        bool goOn = mVisit(path, isFolder);
        if (child >= 0) {
            if (goOn && depth < mLimits.maxDepth) {
                goOn = enter(child, path, depth + 1);
            } else {
                mLimited = mLimited || (goOn && depth >= mLimits.maxDepth);
                ::close(child);
            }
        }
        path.resize(base);
        if (!goOn)
            return false;
    }
    return true;
}

} // namespace

bool walkFolderTree(const std::string& root, const FolderWalkLimits& limits,
                    const std::function<bool(const std::string& path, bool isFolder)>& visit)
{
    const int fd = ::open(root.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return true;
    std::string path = root;
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    FolderWalk walk(limits, visit);
    if (walk.firstVisit(fd))
        walk.enter(fd, path, 0);
    else
        ::close(fd);
    return !walk.limited();
}

std::vector<std::string> listFolderTree(const std::string& root, size_t maxFolders)
{
    std::vector<std::string> folders;
    if (maxFolders == 0)
        return folders;
    folders.push_back(root);
    FolderWalkLimits limits;
    limits.maxEntries = std::numeric_limits<size_t>::max();
    walkFolderTree(root, limits, [&](const std::string& path, bool isFolder) {
        if (isFolder)
            folders.push_back(path);
        return folders.size() < maxFolders;
    });
    return folders;
}
