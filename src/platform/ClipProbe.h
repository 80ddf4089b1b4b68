#pragma once
// What an export needs to know of each recording before it starts: its length, its picture,
// its sound, and whether its packets can be copied into an MP4 as they are. Each recording is
// opened once, however many roles it plays in the clip.

#include "ClipVideoSource.h"

#include <QByteArray>

#include <map>

class ClipJob;

struct RecordingFacts {
    double duration = 0;         // seconds, 0 when unknown
    ClipPictureFormat picture;   // YUV 4:2:0 until frames were decoded to learn it
    bool decoded = false;        // frames were decoded to learn the streams
    AVCodecID videoCodec = AV_CODEC_ID_NONE;
    QByteArray videoSetup;       // the codec's extradata
    bool movFamily = false;
    AVCodecID audioCodec = AV_CODEC_ID_NONE; // none: no sound
    int sampleRate = 0;
    int channels = 0;
    QByteArray audioSetup;

    bool hasSound() const { return audioCodec != AV_CODEC_ID_NONE; }
    // Pictures an MP4 takes as they are.
    bool videoCopyable() const;
    // The same stream parameters: packets of both can follow each other in one track.
    bool sameVideo(const RecordingFacts& other) const;
    bool sameSound(const RecordingFacts& other) const;
};

class ClipProbe {
public:
    explicit ClipProbe(ClipJob& job) : mJob(job) {}
    // The recording's facts; none when it cannot be read (the job failed). Decode: learn the
    // pixel format too.
    const RecordingFacts* facts(const QString& path, StreamProbe probe = StreamProbe::HeadersWhereEnough);

private:
    ClipJob& mJob;
    std::map<QString, RecordingFacts> mKnown; // nodes stay put: the pointers handed out hold
};
