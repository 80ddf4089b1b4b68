#include "TmpfsMount.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sys/mount.h>
#include <unistd.h>

TmpfsMount::TmpfsMount(std::uint64_t size)
{
    std::string pattern = (std::filesystem::temp_directory_path() / "koriv-tmpfs-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) {
        mError = std::strerror(errno);
        return;
    }
    mPath = pattern;
    const std::string options = "size=" + std::to_string(size) + ",mode=0755";
    if (::mount("tmpfs", mPath.c_str(), "tmpfs", 0, options.c_str()) == 0)
        mMounted = true;
    else
        mError = std::string("mount -t tmpfs refused: ") + std::strerror(errno);
}

TmpfsMount::~TmpfsMount()
{
    if (mMounted)
        ::umount2(mPath.c_str(), MNT_DETACH);
    if (!mPath.empty())
        ::rmdir(mPath.c_str());
}

bool TmpfsMount::remountReadOnly()
{
    return mMounted && ::mount("tmpfs", mPath.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0;
}
