#pragma once
// One recording opened for a clip: its video stream and its sound, with times in seconds
// from the first video frame (the recording's second 0, as the player and the slider count).

#include "FfmpegSupport.h"

class ClipJob;

class ClipInput {
public:
    // Opens, reading the streams' frames only where the headers do not say enough (see
    // StreamProbe); false, with the job's failure set, when it cannot be read.
    bool open(const QString& path, ClipJob& job, StreamProbe probe = StreamProbe::HeadersWhereEnough);

    const QString& path() const { return mPath; }
    AVFormatContext* format() const { return mFormat.get(); }
    AVStream* video() const { return mVideo; }
    AVStream* audio() const { return mAudio; } // null when the recording has no sound
    // Seconds of the video stream (else of the container), 0 when unknown.
    double duration() const;
    // The stream's frames per second; 30 when the headers do not say.
    AVRational frameRate() const;
    // MP4 and MOV: packets can be copied into an MP4 with their time stamps.
    bool isMovFamily() const;

    double toSeconds(const AVStream* stream, int64_t time) const;
    int64_t toStreamTime(const AVStream* stream, double seconds) const;
    // Positions the reading at the key frame at or before the time.
    bool seekBefore(double seconds);

private:
    QString mPath;
    AvInputPtr mFormat;
    AVStream* mVideo = nullptr;
    AVStream* mAudio = nullptr;
    double mOrigin = 0; // seconds of the first video frame on the container's clock
};
