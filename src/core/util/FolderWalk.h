#pragma once
// A bounded, depth-first walk of a folder tree: hidden entries are skipped, each real folder
// is entered once (so symbolic-link cycles end), and the walk stops after a number of entries
// or at a depth, so a huge or hostile tree cannot hold its caller for long.

#include <functional>
#include <string>
#include <vector>

struct FolderWalkLimits {
    size_t maxEntries = 100000; // entries looked at, folders and files together
    int maxDepth = 64;          // folders below the root that are entered
};

// Calls visit(path, isFolder) for the root's entries and, depth first, those of its
// sub-folders; visit returns false to end the walk. Returns false when a limit ended it.
bool walkFolderTree(const std::string& root, const FolderWalkLimits& limits,
                    const std::function<bool(const std::string& path, bool isFolder)>& visit);

// The root and every folder below it, parents before children, at most maxFolders of them.
std::vector<std::string> listFolderTree(const std::string& root, size_t maxFolders);
