#pragma once
// A temporary folder for fixture files, removed with everything in it when the test ends.

#include <string>
#include <string_view>

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return mPath; }
    // Absolute path of a file or folder inside, parents created.
    std::string file(std::string_view relative) const;
    // Writes bytes to a file inside (parents created) and returns its path.
    std::string write(std::string_view relative, std::string_view bytes) const;

private:
    std::string mPath;
};
