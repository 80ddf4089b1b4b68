#pragma once
// What the parts of one clip export share: the cancel flag every blocking read looks at, the
// progress report, the first failure and the count of frames that would not decode.

#include "ClipExporter.h"
#include "FfmpegSupport.h"

#include <atomic>

class ClipJob {
public:
    std::atomic<bool> cancelled{false};
    ClipExporter::ProgressHandler progress;
    double duration = 0; // seconds of the clip
    int damagedFrames = 0;

    // For FFmpeg's blocking reads and writes: gives up once cancelled.
    AVIOInterruptCB interrupt();
    // Records the first failure; always false, for `return job.fail(...)`.
    bool fail(ClipFailure kind, const QString& text);
    // A failure of writing the output: a full disk is told apart.
    bool failWriting(int averror);
    // True (recording the cancel) once cancelled: callers stop at once.
    bool stopped();
    bool failed() const { return mFailure != ClipFailure::None; }
    ClipFailure failure() const { return mFailure; }
    const QString& error() const { return mError; }
    // Reports the clip written up to that second, when the share moved by a thousandth.
    void reached(double clipSeconds);

private:
    ClipFailure mFailure = ClipFailure::None;
    QString mError;
    int mReported = -1; // thousandths
};
