#pragma once
// Moves the bytes of one open file to another block by block, counting and cancelling between
// blocks, and hands them to a CopyVerifier that reads the copy back from the disk. A buffer of
// the block size (and the read-back's), whatever the file's size.

#include "backup/BackupStatus.h"
#include "backup/FileCopy.h"
#include "backup/CopyVerifier.h"

#include <cstdint>
#include <sys/types.h>
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
    std::unique_ptr<CopyVerifier> mVerifier; // when the copy is to be verified
    std::uint64_t mDone = 0;
    BackupStatus mStatus = BackupStatus::Copied;
};
