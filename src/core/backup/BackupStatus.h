#pragma once
// How the backup of one file ended.

enum class BackupStatus {
    Copied,
    Skipped,       // an earlier copy of the same size and time was there and was left alone
    SameFile,      // the destination is the source itself: left alone
    Exists,        // a file of that name was there and was to be kept
    Cancelled,
    NoDiskSpace,   // less than the file's size plus kBackupSpareBytes free
    ReadFailed,    // the source could not be opened or read through to its end
    WriteFailed,   // the destination could not be made, written or renamed
    VerifyFailed,  // the copy read back from the destination differs from the source
};

// The file is in the destination as it is in the source (copied now or earlier).
inline bool pmIsBackupDone(BackupStatus status)
{
    return status == BackupStatus::Copied || status == BackupStatus::Skipped || status == BackupStatus::SameFile;
}

// A short English word for logs and scripts ("copied", "verify-failed").
const char* pmBackupStatusName(BackupStatus status);
