#pragma once
// x264 through libavcodec with the clip settings, on a thread of its own: the composed frames
// queue up (one at most) while the calling thread decodes and composes the next ones, so the
// two kinds of work share the cores instead of taking turns. The coded packets are collected
// for the caller, which alone writes to the file.

#include "FfmpegSupport.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

class ClipVideoEncoder {
public:
    ClipVideoEncoder() = default;
    ~ClipVideoEncoder(); // abandons what is queued
    ClipVideoEncoder(const ClipVideoEncoder&) = delete;
    ClipVideoEncoder& operator=(const ClipVideoEncoder&) = delete;

    // Empty text on success, else why the encoder cannot be opened.
    QString open(int width, int height, AVRational rate);
    const AVCodecContext* context() const { return mCodec.get(); }
    // Takes the frame's reference; waits while one is queued. False once coding failed.
    bool encode(AVFrame* frame);
    // Codes what is queued and the frames x264 holds back; false when coding failed.
    bool finish();
    // The packets coded so far, in coding order, in the encoder's time base.
    std::deque<AvPacketPtr> takePackets();
    // Why coding failed.
    QString error();

private:
    static constexpr size_t kQueued = 1;

    bool queue(AvFramePtr frame);
    void work();
    bool code(AVFrame* frame, std::deque<AvPacketPtr>& coded);

    AvCodecPtr mCodec;
    std::thread mThread;
    std::mutex mMutex;
    std::condition_variable mChanged;
    std::deque<AvFramePtr> mFrames; // a null frame ends the coding
    std::deque<AvPacketPtr> mPackets;
    bool mEnded = false;
    bool mAbandoned = false;
    QString mError;
};
