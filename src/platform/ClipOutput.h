#pragma once
// The MP4 a clip is written into: its streams, the header, packets interleaved by time, and
// the trailer. A write error (a full disk, a removed volume) fails the job with FFmpeg's
// reason; the caller removes the file.

#include "FfmpegSupport.h"

class ClipJob;

class ClipOutput {
public:
    explicit ClipOutput(ClipJob& job) : mJob(job) {}
    ~ClipOutput();
    ClipOutput(const ClipOutput&) = delete;
    ClipOutput& operator=(const ClipOutput&) = delete;

    bool open(const QString& path);
    // A stream whose packets are copied: its index, or -1 (the job failed).
    int addStream(const AVCodecParameters* parameters, AVRational timeBase);
    // A stream of an encoder opened with AV_CODEC_FLAG_GLOBAL_HEADER.
    int addStream(const AVCodecContext* encoder);
    bool writeHeader();
    AVRational timeBase(int stream) const { return mFormat->streams[stream]->time_base; }
    // Takes the packet's data; its times are in the stream's time base (after writeHeader).
    bool write(AVPacket* packet);
    // Writes the index and closes the file.
    bool finish();

private:
    ClipJob& mJob;
    AVFormatContext* mFormat = nullptr;
    bool mHeaderWritten = false;
};
