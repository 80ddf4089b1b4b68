#pragma once
// What the user is told about a backup: why a recording was not copied, and at the end of a
// run, how many were copied and how many were already there.

#include "backup/BackupStatus.h"

#include <QString>

#include <string>

struct BackupResult;

// The message for a recording's outcome; empty when nothing is said (copied, skipped, cancelled).
QString pmBackupFailureMessage(BackupStatus status, const std::string& source);
// "Already backed up, skipped: N", as the progress window shows it.
QString pmBackupSkippedText(int skipped);
// Copied, skipped and (when some were) not copied, one line each.
QString pmBackupSummaryText(const BackupResult& result);
