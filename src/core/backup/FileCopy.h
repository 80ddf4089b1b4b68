#pragma once
// Copying recordings and their GPS logs into a backup folder without ever losing a byte: the
// copy goes into a temporary file beside the destination and takes the destination's name only
// once complete, a destination that is the source itself is never opened for writing, and a
// failed or cancelled copy leaves no partial file (and any older copy untouched).

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

// Room kept free on the destination beyond the file itself.
inline constexpr std::uint64_t kBackupSpareBytes = 1048576;
// One step of the copy: the bytes moved between two looks at the cancel flag and two counter
// updates. Large enough to keep up with cp, small enough that cancel answers at once.
inline constexpr std::size_t kCopyBlockSize = 1 << 20;

// Shared between the copy thread and the thread that shows progress and offers cancel.
struct CopyControl {
    std::atomic<std::uint64_t> bytesCopied{0};
    std::atomic<bool> cancelled{false};
};

enum class CopyStatus {
    Copied,
    Cancelled,
    SameFile,      // the destination is the source itself: skipped
    Exists,        // a file of that name was there and was to be kept
    NoDiskSpace,   // less than the file's size plus kBackupSpareBytes free
    ReadFailed,    // the source could not be opened or read through to its end
    WriteFailed,   // the destination could not be made, written or renamed
};

struct CopyOptions {
    bool replaceExisting = true;   // false: an existing file of the name is kept
    bool checkFreeSpace = true;
    std::size_t blockSize = kCopyBlockSize;
    // Moves bytes with copy_file_range where the file systems allow, else read and write
    // through one buffer of blockSize bytes.
    bool kernelCopy = true;
    // Called on the copying thread after each block with the new byte total.
    std::function<void(std::uint64_t)> onBlock;
};

// "%@/%@": the folder and the source's file name.
std::string pmBackupDestinationPath(const std::string& source, const std::string& folder);

// Copies source into folder under its own name. With control, adds each block's length to
// bytesCopied and stops after the block during which cancelled was set.
CopyStatus pmCopyFileIntoFolder(const std::string& source, const std::string& folder,
                                CopyControl* control, const CopyOptions& options = {});

// True when both paths name the same existing file (same device and inode).
bool pmIsSameFile(const std::string& a, const std::string& b);
