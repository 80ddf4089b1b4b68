#pragma once
// Moves the bytes of one open file to another block by block, counting and cancelling between
// blocks, and checks the copy by reading it back from the medium: the source's bytes are
// hashed on their way through, the copy is flushed and dropped from the page cache, read
// again and hashed, and the two hashes compared. One buffer of the block size, whatever the
// file's size.

#include "backup/BackupStatus.h"
#include "backup/FileCopy.h"
#include "backup/StreamHash.h"

#include <cstdint>
#include <memory>

class BlockCopier {
public:
    BlockCopier(int in, int out, CopyControl* control, const CopyOptions& options);

    // Copied, Cancelled, ReadFailed or WriteFailed.
    BackupStatus copy();
    // After copy(): Copied, Cancelled, WriteFailed (the flush failed) or VerifyFailed.
    BackupStatus verify();

    std::uint64_t done() const { return mDone; }

private:
    long kernelBlock();
    long bufferBlock();
    long fail(BackupStatus status);
    char* buffer();
    bool countBlock(long moved);

    int mIn;
    int mOut;
    CopyControl* mControl;
    const CopyOptions& mOptions;
    std::unique_ptr<char[]> mBuffer;
    StreamHash mSourceHash;
    std::uint64_t mDone = 0;
    BackupStatus mStatus = BackupStatus::Copied;
};
