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
    mOwnsFolder = true;
    mount(size);
}

TmpfsMount::TmpfsMount(const std::string& mountPoint, std::uint64_t size) : mPath(mountPoint)
{
    std::error_code error;
    std::filesystem::create_directories(mPath, error);
    mount(size);
}

void TmpfsMount::mount(std::uint64_t size)
{
    const std::string options = "size=" + std::to_string(size) + ",mode=0755";
    if (::mount("tmpfs", mPath.c_str(), "tmpfs", 0, options.c_str()) == 0)
        mMounted = true;
    else
        mError = std::string("mount -t tmpfs refused: ") + std::strerror(errno);
}

TmpfsMount::~TmpfsMount()
{
    unmount();
    if (mOwnsFolder)
        ::rmdir(mPath.c_str());
}

bool TmpfsMount::unmount()
{
    if (!mMounted)
        return false;
    if (::umount2(mPath.c_str(), MNT_DETACH) != 0) {
        mError = std::string("umount -l failed: ") + std::strerror(errno);
        return false;
    }
    mMounted = false;
    return true;
}

bool TmpfsMount::remountReadOnly()
{
    return mMounted && ::mount("tmpfs", mPath.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0;
}
