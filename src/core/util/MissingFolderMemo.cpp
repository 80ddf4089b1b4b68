#include "util/MissingFolderMemo.h"

#include <sys/stat.h>

namespace {

thread_local MissingFolderMemo* tCurrent = nullptr;

} // namespace

MissingFolderMemo::MissingFolderMemo() : mOuter(tCurrent)
{
    tCurrent = this;
}

MissingFolderMemo::~MissingFolderMemo()
{
    tCurrent = mOuter;
}

MissingFolderMemo* MissingFolderMemo::current()
{
    return tCurrent;
}

bool MissingFolderMemo::folderMayHold(std::string_view filePath)
{
    const size_t slash = filePath.rfind('/');
    if (slash == std::string_view::npos || slash == 0)
        return true;
    const std::string_view folder = filePath.substr(0, slash);
    if (mPresent.find(folder) != mPresent.end())
        return true;
    if (mMissing.find(folder) != mMissing.end())
        return false;
    std::string name(folder);
    struct stat st;
    const bool present = ::stat(name.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
    (present ? mPresent : mMissing).insert(std::move(name));
    return present;
}
