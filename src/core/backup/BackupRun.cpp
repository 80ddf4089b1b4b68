#include "backup/BackupRun.h"

#include "gps/GpsLogFile.h"
#include "util/Log.h"

namespace {

// Adds one recording's outcome; false when the run stops there.
bool count(BackupResult& result, const BackupItem& item, BackupStatus status)
{
    switch (status) {
    case BackupStatus::Copied:
        ++result.copied;
        result.bytesCopied += item.size;
        return true;
    case BackupStatus::SameFile:
        ++result.sameFile;
        [[fallthrough]];
    case BackupStatus::Skipped:
        ++result.skipped;
        return true;
    case BackupStatus::Cancelled:
        break;
    default:
        ++result.failed;
        break;
    }
    if (result.stoppedBy == BackupStatus::Copied) {
        result.stoppedBy = status;
        result.stoppedAt = item.source;
    }
    return false;
}

void finish(const BackupEvents& events, const BackupItem& item, BackupStatus status)
{
    if (events.finished)
        events.finished(item, status);
}

// The log goes beside its recording; one of that name already there is kept.
void copyLog(const BackupItem& item, const std::string& folder, const CopyOptions& recordingOptions,
             const BackupEvents& events, BackupResult& result)
{
    const auto log = pmGetGpsLogFile(item.source);
    if (!log)
        return;
    CopyOptions options = recordingOptions;
    options.replaceExisting = false;
    options.checkFreeSpace = false;
    options.onBlock = nullptr;
    const BackupStatus status = pmBackupFile(*log, folder, nullptr, options);
    if (status == BackupStatus::Copied)
        ++result.logsCopied;
    else if (!pmIsBackupDone(status) && status != BackupStatus::Exists)
        ++result.logsFailed;
    if (events.logFinished)
        events.logFinished(*log, status);
}

} // namespace

BackupResult pmRunBackup(const BackupPlan& plan, CopyControl& control, const BackupEvents& events,
                         const CopyOptions& options)
{
    BackupResult result;
    const auto& items = plan.items();
    for (size_t i = 0; i < items.size(); ++i) {
        const BackupItem& item = items[i];
        pmWriteLog("sourcePath : " + item.source + " destFolderPath:" + plan.destination());
        if (events.starting)
            events.starting(item);
        const BackupStatus status = pmBackupFile(item.source, plan.destination(), &control, options);
        if (status == BackupStatus::Skipped || status == BackupStatus::SameFile) {
            // Found done: the progress moves past it as if it had been copied.
            control.bytesCopied.fetch_add(item.size);
            ++control.filesSkipped;
        }
        const bool goOn = count(result, item, status);
        finish(events, item, status);
        if (!goOn) {
            result.notStarted = static_cast<int>(items.size() - i) - result.failed;
            break;
        }
        copyLog(item, plan.destination(), options, events, result);
    }
    return result;
}

BackupResult pmPreviewBackup(const BackupPlan& plan, const BackupEvents& events)
{
    BackupResult result;
    for (const BackupItem& item : plan.items()) {
        // A preview looks at every recording, past one that would fail.
        const BackupStatus status = pmPreviewBackupFile(item.source, plan.destination());
        count(result, item, status);
        finish(events, item, status);
    }
    return result;
}
