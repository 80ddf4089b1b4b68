#include "TempDir.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace fs = std::filesystem;

TempDir::TempDir()
{
    std::string pattern = (fs::temp_directory_path() / "koriv-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp failed");
    mPath = pattern;
}

TempDir::~TempDir()
{
    std::error_code ec;
    // Restore write and search bits that tests removed, so everything can be deleted.
    for (auto it = fs::recursive_directory_iterator(mPath, fs::directory_options::skip_permission_denied, ec);
         it != fs::recursive_directory_iterator(); it.increment(ec))
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(mPath, ec);
}

std::string TempDir::file(std::string_view relative) const
{
    fs::path p = fs::path(mPath) / relative;
    fs::create_directories(p.parent_path());
    return p.string();
}

std::string TempDir::write(std::string_view relative, std::string_view bytes) const
{
    std::string p = file(relative);
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return p;
}
