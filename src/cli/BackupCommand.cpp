// korivmanager-cli backup: copies a card's recordings and their GPS logs into a folder with
// the rules of the application's backup (every copy read back and compared, the times kept,
// earlier copies skipped), for scripts: the exit status is 0 only when everything asked for
// is in the destination.

#include "CliCommand.h"

#include "backup/BackupRun.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <string>
#include <unistd.h>

namespace {

struct BackupArgs {
    std::string source;
    std::string destination;
    BackupSelection selection;
    bool dryRun = false;
};

int parse(std::span<const std::string_view> args, BackupArgs& parsed)
{
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string_view option = args[i];
        std::string_view value;
        CalendarDate day;
        if (option == "--day" || option == "--since") {
            if (!cli::takeValue(args, i, value) || !cli::parseDay(value, day))
                return cli::usageError("backup", std::string(option) + " takes YYYY-MM-DD");
            (option == "--day" ? parsed.selection.day : parsed.selection.since) = day;
        } else if (args[i] == "--categories") {
            if (!cli::takeValue(args, i, value) || !cli::parseCategories(value, parsed.selection.categories))
                return cli::usageError("backup", "--categories takes normal,event,parking,triplapse,timelapse");
        } else if (args[i] == "--dry-run") {
            parsed.dryRun = true;
        } else if (args[i].starts_with("--")) {
            return cli::usageError("backup", "unknown option " + std::string(args[i]));
        } else if (parsed.source.empty()) {
            parsed.source = args[i];
        } else if (parsed.destination.empty()) {
            parsed.destination = args[i];
        } else {
            return cli::usageError("backup", "unexpected argument " + std::string(args[i]));
        }
    }
    if (parsed.selection.day && parsed.selection.since)
        return cli::usageError("backup", "--day and --since exclude each other");
    return parsed.destination.empty() ? cli::usageError("backup", "a source and a destination folder are needed") : 0;
}

const char* refusalText(BackupRefusal refusal)
{
    switch (refusal) {
    case BackupRefusal::SourceUnreadable:
        return "the source folder cannot be read";
    case BackupRefusal::DestinationMissing:
        return "the destination is not an existing folder";
    case BackupRefusal::DestinationReadOnly:
        return "the destination folder is read-only";
    case BackupRefusal::DestinationInsideSource:
        return "the destination lies inside the source folder";
    case BackupRefusal::None:
        break;
    }
    return "";
}

const char* failureText(BackupStatus status)
{
    switch (status) {
    case BackupStatus::NoDiskSpace:
        return "not enough free space in the destination";
    case BackupStatus::ReadFailed:
        return "the recording could not be read to its end";
    case BackupStatus::WriteFailed:
        return "the destination could not be written";
    case BackupStatus::VerifyFailed:
        return "the copy read back differs from the recording; it was removed";
    case BackupStatus::Cancelled:
        return "cancelled";
    default:
        return pmBackupStatusName(status);
    }
}

// The cancel flag of the running copy, raised by Ctrl-C so the partial file is removed.
std::atomic<bool>* gCancel = nullptr;

void onSignal(int)
{
    if (gCancel)
        gCancel->store(true);
}

void catchSignals(CopyControl& control)
{
    static_assert(std::atomic<bool>::is_always_lock_free);
    gCancel = &control.cancelled;
    struct sigaction action {};
    action.sa_handler = onSignal;
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);
}

// A one-line bar on standard error, redrawn at most ten times a second.
class ProgressLine {
public:
    explicit ProgressLine(const BackupPlan& plan) : mTotal(plan.totalBytes()), mCount(plan.items().size()) {}

    void file(size_t index) { mIndex = index; }
    void bytes(std::uint64_t done)
    {
        const auto now = std::chrono::steady_clock::now();
        if (now - mLast < std::chrono::milliseconds(100))
            return;
        mLast = now;
        const int percent = mTotal ? static_cast<int>(done * 100 / mTotal) : 100;
        const int filled = percent * 30 / 100;
        std::fprintf(stderr, "\r[%.*s%*s] %3d %% %zu/%zu", filled, "##############################", 30 - filled,
                     "", percent, mIndex, mCount);
    }
    void clear() { std::fputs("\r\033[K", stderr); }

private:
    std::uint64_t mTotal;
    size_t mCount;
    size_t mIndex = 0;
    std::chrono::steady_clock::time_point mLast;
};

int preview(const BackupPlan& plan)
{
    BackupEvents events;
    events.finished = [](const BackupItem& item, BackupStatus status) {
        std::printf("%s\t%s\n", status == BackupStatus::Copied ? "copy" : pmBackupStatusName(status),
                    item.source.c_str());
    };
    const BackupResult result = pmPreviewBackup(plan, events);
    std::printf("would copy %d (%llu bytes), skip %d, fail %d\n", result.copied,
                static_cast<unsigned long long>(result.bytesCopied), result.skipped, result.failed);
    return result.complete() ? 0 : 1;
}

int run(const BackupPlan& plan)
{
    CopyControl control;
    catchSignals(control);
    const bool bar = ::isatty(STDERR_FILENO);
    ProgressLine progress(plan);
    size_t index = 0;
    BackupEvents events;
    events.starting = [&](const BackupItem&) { progress.file(++index); };
    events.finished = [&](const BackupItem& item, BackupStatus status) {
        if (pmIsBackupDone(status))
            return;
        if (bar)
            progress.clear();
        std::fprintf(stderr, "korivmanager-cli backup: %s: %s\n", item.source.c_str(), failureText(status));
    };
    events.logFinished = [&](const std::string& log, BackupStatus status) {
        if (!pmIsBackupDone(status) && status != BackupStatus::Exists)
            std::fprintf(stderr, "korivmanager-cli backup: %s: %s\n", log.c_str(), failureText(status));
    };
    CopyOptions options;
    if (bar)
        options.onBlock = [&](std::uint64_t done) { progress.bytes(done); };
    const BackupResult result = pmRunBackup(plan, control, events, options);
    if (bar)
        progress.clear();
    std::printf("%d copied, %d skipped, %d failed, %d not started, %llu bytes copied, %d logs copied\n",
                result.copied, result.skipped, result.failed, result.notStarted,
                static_cast<unsigned long long>(result.bytesCopied), result.logsCopied);
    return result.complete() ? 0 : 1;
}

} // namespace

int runBackup(std::span<const std::string_view> args)
{
    BackupArgs parsed;
    if (int error = parse(args, parsed))
        return error;
    if (const BackupRefusal refusal = pmCheckBackupFolders(parsed.source, parsed.destination);
        refusal != BackupRefusal::None) {
        std::fprintf(stderr, "korivmanager-cli backup: %s\n", refusalText(refusal));
        return 1;
    }
    const BackupPlan plan = BackupPlan::forFolder(parsed.source, parsed.selection, parsed.destination);
    if (plan.empty()) {
        // Most likely a mistyped day or the wrong card: a script should hear of it.
        std::fprintf(stderr, "korivmanager-cli backup: no recordings match in %s\n", parsed.source.c_str());
        return 1;
    }
    return parsed.dryRun ? preview(plan) : run(plan);
}
