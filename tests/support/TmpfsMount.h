#pragma once
// A small tmpfs mounted on a fresh temporary folder for the tests of full and read-only
// destinations (CI runs as root). Unmounted and removed when the test ends.

#include <cstdint>
#include <string>

class TmpfsMount {
public:
    // size in bytes (rounded up to pages by the kernel).
    explicit TmpfsMount(std::uint64_t size);
    ~TmpfsMount();
    TmpfsMount(const TmpfsMount&) = delete;
    TmpfsMount& operator=(const TmpfsMount&) = delete;

    // False when mounting was refused (not root, no mount namespace); error() says why.
    bool mounted() const { return mMounted; }
    const std::string& error() const { return mError; }
    const std::string& path() const { return mPath; }

    // Makes the mount read-only, after the test has put its files on it.
    bool remountReadOnly();

private:
    std::string mPath;
    std::string mError;
    bool mMounted = false;
};
