#include "backup/BackupStatus.h"

const char* pmBackupStatusName(BackupStatus status)
{
    switch (status) {
    case BackupStatus::Copied:
        return "copied";
    case BackupStatus::Skipped:
        return "skipped";
    case BackupStatus::SameFile:
        return "same-file";
    case BackupStatus::Exists:
        return "kept-existing";
    case BackupStatus::Cancelled:
        return "cancelled";
    case BackupStatus::NoDiskSpace:
        return "no-disk-space";
    case BackupStatus::ReadFailed:
        return "read-failed";
    case BackupStatus::WriteFailed:
        return "write-failed";
    case BackupStatus::VerifyFailed:
        return "verify-failed";
    }
    return "unknown";
}
