#pragma once
// Walks a folder tree depth first, in the order the file system lists it, and offers every
// video file to the library. Hidden entries are skipped, unreadable folders contribute
// nothing, and each real folder is visited once, so symbolic-link cycles end.

#include "library/AMediaFile.h"

#include <set>
#include <sys/types.h>
#include <string>
#include <utility>
#include <vector>

class LibraryScanner {
public:
    explicit LibraryScanner(std::vector<AMediaFile>& library) : mLibrary(library) {}

    // searchFolder: scans the tree under folder and appends what it accepts.
    void searchFolder(const std::string& folder);
    // Validates one file by its type and appends it; false when it is refused.
    bool addVideoFile(const std::string& path);

    int depth() const { return m_nCurFolderLevel; }

private:
    void scanDirectory(int dirFd, std::string& path);
    bool enterDirectory(int dirFd, std::string& path);
    bool addOpenedFile(int fd, std::string path);

    std::vector<AMediaFile>& mLibrary;
    std::set<std::pair<dev_t, ino_t>> mVisited;
    int m_nCurFolderLevel = 0;
};
