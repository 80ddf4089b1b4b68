#pragma once
// A small tmpfs mounted for a test (CI runs as root): on a fresh temporary folder for the
// tests of full and read-only destinations, or on a given folder for the tests of cards
// coming and going. Unmounted lazily when the test ends, unless the test has done it.

#include <cstdint>
#include <string>

class TmpfsMount {
public:
    // size in bytes (rounded up to pages by the kernel).
    explicit TmpfsMount(std::uint64_t size);
    // Creates the mount point when missing; it stays when the test ends.
    TmpfsMount(const std::string& mountPoint, std::uint64_t size);
    ~TmpfsMount();
    TmpfsMount(const TmpfsMount&) = delete;
    TmpfsMount& operator=(const TmpfsMount&) = delete;

    // False when mounting was refused (not root, no mount namespace); error() says why.
    bool mounted() const { return mMounted; }
    const std::string& error() const { return mError; }
    const std::string& path() const { return mPath; }

    // Makes the mount read-only, after the test has put its files on it.
    bool remountReadOnly();
    // "umount -l": the volume goes away even while something holds it open.
    bool unmount();

private:
    void mount(std::uint64_t size);

    std::string mPath;
    std::string mError;
    bool mMounted = false;
    bool mOwnsFolder = false;
};
