#pragma once
// One video file of a moment: a stretch of consecutive recordings, from the front camera, the
// rear one, both side by side, or the rear as a picture in the front's, into one MP4.
//
// One camera without an overlay is copied packet for packet (no loss, no re-encoding): from
// the key frame at or before the start, with the MP4 edit list hiding what comes before the
// start, across the recordings' boundaries with the time stamps continued. Anything else is
// decoded, composed with an FFmpeg filter graph (scale, hstack, overlay, drawtext), encoded
// with x264 and, if asked, the front camera's sound as AAC. The output always takes the
// clip's length exactly (the edit list ends it too).
//
// run() blocks: call it on a worker thread. The file appears only when complete (a temporary
// file in the destination folder, renamed at the end); a failure or a cancel leaves nothing.

#include "ClipRequest.h"

#include <QString>

#include <functional>
#include <memory>

// The settings of re-encoded clips: x264's preset and constant rate factor, and the threads
// of the encoder and of each decoder. x264 codes each picture in slices on its threads rather
// than several pictures at once: a 1080p clip then fits in 300 MiB whatever the machine.
inline constexpr const char* kClipVideoPreset = "veryfast";
inline constexpr int kClipVideoQuality = 23;
inline constexpr const char* kClipVideoParams = "sliced-threads=1";
inline constexpr int kClipEncoderThreads = 2;
inline constexpr int kClipDecoderThreads = 2;

enum class ClipFailure { None, Cancelled, BadRange, ReadFailed, WriteFailed, NoDiskSpace };

class ClipJob;
struct ClipPlan;

class ClipExporter {
public:
    // Called on the exporting thread with the share done, 0..1, a thousand times at most.
    using ProgressHandler = std::function<void(double)>;

    explicit ClipExporter(ClipRequest request);
    ~ClipExporter();
    ClipExporter(const ClipExporter&) = delete;
    ClipExporter& operator=(const ClipExporter&) = delete;

    void setProgressHandler(ProgressHandler handler);
    // Writes the clip; false, with nothing left behind, on failure or cancel.
    bool run();
    // From any thread: run() stops soon after and returns false.
    void cancel();

    ClipFailure failure() const;
    QString errorString() const;
    // Seconds of the clip, once run() has checked the request.
    double duration() const;
    // Whether the pictures were decoded and encoded again (else packets were copied).
    bool reencoded() const { return mReencoded; }
    // Frames that would not decode and were replaced by the picture before them.
    int damagedFrames() const;

private:
    bool write(const QString& temporary);

    ClipRequest mRequest;
    std::unique_ptr<ClipJob> m;
    std::unique_ptr<ClipPlan> mPlan;
    bool mReencoded = false;
};
