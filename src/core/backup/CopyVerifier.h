#pragma once
// Checks a copy while it is written: the source bytes are hashed as they go by, cut into
// stretches at fixed offsets, and each stretch, once its writes are started, is handed to a
// CopyReadBack that reads it back from the disk on a thread of its own while the copy reads
// the next ones from the card. What is left at the end is flushed with the file and read back
// the same way. A few stretches are in flight at any time, whatever the file's size.

#include "backup/BackupStatus.h"
#include "backup/CopyReadBack.h"
#include "backup/FileCopy.h"
#include "backup/StreamHash.h"

#include <cstdint>

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
    BackupStatus handOver();

    int mFd;
    std::uint64_t mStart = 0; // of the stretch being written
    StreamHash mSource;       // of its bytes so far
    CopyReadBack mReadBack;
};
