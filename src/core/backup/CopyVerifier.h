#pragma once
// Reads a copy back from the medium as it is written and compares it with the source, stretch
// by stretch, so that the disk writes one stretch while the copy reads the next from the card
// and the one before comes back: the writes are started as soon as a stretch is full, waited
// for two stretches later, dropped from the page cache and read again from the disk. What is
// left at the end is flushed with the file and read back the same way. A few stretches are in
// flight at any time, whatever the file's size.

#include "backup/BackupStatus.h"
#include "backup/FileCopy.h"
#include "backup/StreamHash.h"

#include <cstdint>
#include <deque>
#include <memory>

// One stretch of the copy is read back in one go once it is on the disk.
inline constexpr std::uint64_t kVerifyStretch = 8 << 20;

class CopyVerifier {
public:
    CopyVerifier(int fd, CopyControl* control, const CopyOptions& options);

    // The bytes just written at the copy's end: Copied, or why the copy cannot be kept.
    BackupStatus written(const char* data, std::size_t size);
    // Once every byte is written: Copied, Cancelled, WriteFailed (the flush failed) or
    // VerifyFailed.
    BackupStatus finish();

private:
    struct Stretch {
        std::uint64_t start = 0;
        std::uint64_t length = 0;
        StreamHash source;
    };

    BackupStatus settle(const Stretch& stretch);
    BackupStatus check(const Stretch& stretch);

    int mFd;
    CopyControl* mControl;
    const CopyOptions& mOptions;
    std::unique_ptr<char[]> mBuffer;
    Stretch mOpen;
    std::deque<Stretch> mWritten; // full stretches not yet read back, oldest first
};
