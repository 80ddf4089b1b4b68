#include "BackupMessages.h"

#include "LocalizedText.h"
#include "backup/BackupRun.h"

#include <QFileInfo>

namespace {

QString withName(const char* key, const std::string& source)
{
    return QStringLiteral("%1\n%2").arg(pmLoadString(key), QFileInfo(QString::fromStdString(source)).fileName());
}

} // namespace

QString pmBackupFailureMessage(BackupStatus status, const std::string& source)
{
    switch (status) {
    case BackupStatus::NoDiskSpace:
        return pmLoadString("IDS_ERR_NO_DISK_SPACE");
    case BackupStatus::SameFile:
        return withName("IDS_ERR_BACKUP_SAME_FILE", source);
    case BackupStatus::VerifyFailed:
        return withName("IDS_ERR_BACKUP_VERIFY_FAILED", source);
    case BackupStatus::ReadFailed:
    case BackupStatus::WriteFailed:
    case BackupStatus::Exists:
        return withName("IDS_ERR_BACKUP_FAILED", source);
    case BackupStatus::Copied:
    case BackupStatus::Skipped:
    case BackupStatus::Cancelled:
        break;
    }
    return {};
}

QString pmBackupSkippedText(int skipped)
{
    return pmLoadString("IDS_BACKUP_SKIPPED").arg(skipped);
}

QString pmBackupSummaryText(const BackupResult& result)
{
    QString text = pmLoadString("IDS_BACKUP_COPIED").arg(result.copied) + '\n' + pmBackupSkippedText(result.skipped);
    if (const int missing = result.failed + result.notStarted)
        text += '\n' + pmLoadString("IDS_BACKUP_NOT_COPIED").arg(missing);
    return text;
}
