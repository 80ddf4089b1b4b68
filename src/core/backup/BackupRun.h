#pragma once
// One backup run, the same for the window and the command line: each recording of the plan is
// copied (or found already copied and skipped), then its GPS log beside it, an existing log of
// that name being kept; the run stops at the first recording that fails or at cancel, and
// what was copied before stays.

#include "backup/BackupPlan.h"
#include "backup/BackupStatus.h"
#include "backup/FileCopy.h"

#include <cstdint>
#include <functional>
#include <string>

struct BackupResult {
    int copied = 0;     // recordings copied by this run
    int skipped = 0;    // recordings already there: an earlier copy, or the source itself
    int sameFile = 0;   // of the skipped, those that were the source itself
    int failed = 0;     // the recording the run stopped at (0 or 1)
    int notStarted = 0; // recordings left after a failure or cancel, the interrupted one included
    int logsCopied = 0;
    int logsFailed = 0; // logs that could not be copied (one of the name already there is no failure)
    std::uint64_t bytesCopied = 0; // of the recordings copied by this run
    // Why the run ended early (Cancelled or the failure), or Copied when it went through.
    BackupStatus stoppedBy = BackupStatus::Copied;
    std::string stoppedAt; // the recording it ended at

    // Everything asked for is in the destination (or, for a preview, would be).
    bool complete() const { return failed == 0 && stoppedBy == BackupStatus::Copied && logsFailed == 0; }
};

struct BackupEvents {
    // Before a recording is copied.
    std::function<void(const BackupItem&)> starting;
    // After a recording, with its outcome; called on the copying thread, which waits for it.
    std::function<void(const BackupItem&, BackupStatus)> finished;
    // After a GPS log, with its outcome.
    std::function<void(const std::string& log, BackupStatus)> logFinished;
};

// Runs the plan. The control's byte count and skipped count advance as recordings are copied
// or skipped; options apply to the recordings (logs are copied without the free-space check
// and never replace a log of the same name).
BackupResult pmRunBackup(const BackupPlan& plan, CopyControl& control, const BackupEvents& events = {},
                         const CopyOptions& options = {});

// What a run would do, writing nothing: copied counts the recordings that would be copied and
// bytesCopied their bytes; every recording that could not be read is counted as failed, and
// stoppedBy tells the first.
BackupResult pmPreviewBackup(const BackupPlan& plan, const BackupEvents& events = {});
