#pragma once
// Copying recordings and their GPS logs into a backup folder without ever losing a byte: the
// copy goes into a temporary file beside the destination and takes the destination's name only
// once complete and read back equal to the source, a destination that is the source itself is
// never opened for writing, and a failed or cancelled copy leaves no partial file (and any
// older copy untouched). A copy carries the source's modification and access times, which the
// library dates recordings by, and a second backup leaves alone what the first one made.

#include "backup/BackupStatus.h"

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

// Room kept free on the destination beyond the file itself.
inline constexpr std::uint64_t kBackupSpareBytes = 1048576;
// One step of the copy: the bytes moved between two looks at the cancel flag and two counter
// updates. Large enough to keep up with cp, small enough that cancel answers at once.
inline constexpr std::size_t kCopyBlockSize = 1 << 20;
// FAT32 and exFAT cards keep modification times in 2-second steps: two times closer than
// that may be the same time.
inline constexpr std::chrono::nanoseconds kBackupTimeStep = std::chrono::seconds(2);

// Shared between the copy thread and the thread that shows progress and offers cancel.
struct CopyControl {
    // Bytes of the run done so far: copied, or found already copied.
    std::atomic<std::uint64_t> bytesCopied{0};
    std::atomic<bool> cancelled{false};
    // Files of the run found already copied.
    std::atomic<int> filesSkipped{0};
};

struct CopyOptions {
    bool replaceExisting = true;   // false: an existing file of the name is kept
    bool checkFreeSpace = true;
    // A destination of the source's size and modification time (within kBackupTimeStep) is
    // taken for an earlier copy and left alone.
    bool skipUnchanged = true;
    // Hashes the source while copying, then reads the copy back from the medium (past the
    // page cache) and compares.
    bool verify = true;
    // Reads the copy back with O_DIRECT where the file system allows; false (as where it does
    // not) drops the copy from the page cache once it is on the disk and reads it again.
    bool directReadBack = true;
    std::size_t blockSize = kCopyBlockSize;
    // Moves the bytes of a copy that is not verified with copy_file_range where the file
    // systems allow; otherwise (and always for a verified copy, whose bytes are hashed on the
    // way) reads and writes through one buffer of blockSize bytes.
    bool kernelCopy = true;
    // Called on the copying thread after each block with the new byte total.
    std::function<void(std::uint64_t)> onBlock;
    // Called with the copy's descriptor before each stretch of it is read back (once for a file
    // under kVerifyStretch), on the thread that reads it back: where a test stands in for a
    // medium that does not give back what it was given.
    std::function<void(int fd)> beforeReadBack;
};

// "%@/%@": the folder and the source's file name.
std::string pmBackupDestinationPath(const std::string& source, const std::string& folder);

// Copies source into folder under its own name. With control, adds each block's length to
// bytesCopied and stops after the block during which cancelled was set.
BackupStatus pmBackupFile(const std::string& source, const std::string& folder, CopyControl* control,
                          const CopyOptions& options = {});

// What pmBackupFile would do, without writing: Copied (a copy would be made), Skipped,
// SameFile, Exists, or ReadFailed / WriteFailed when the source or folder cannot be used.
BackupStatus pmPreviewBackupFile(const std::string& source, const std::string& folder,
                                 const CopyOptions& options = {});

// True when both paths name the same existing file (same device and inode).
bool pmIsSameFile(const std::string& a, const std::string& b);

// The statuses callers knew before skipping and verification: a skipped file reads as copied
// (as kept, when a file of the name is to be kept) and a failed verification as a failed write.
enum class CopyStatus {
    Copied,
    Cancelled,
    SameFile,
    Exists,
    NoDiskSpace,
    ReadFailed,
    WriteFailed,
};

CopyStatus pmCopyFileIntoFolder(const std::string& source, const std::string& folder,
                                CopyControl* control, const CopyOptions& options = {});
