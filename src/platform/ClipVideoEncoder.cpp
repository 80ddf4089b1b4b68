#include "ClipVideoEncoder.h"

#include "ClipExporter.h"

#include <cmath>
#include <utility>

extern "C" {
#include <libavutil/opt.h>
}

ClipVideoEncoder::~ClipVideoEncoder()
{
    {
        const std::lock_guard lock(mMutex);
        mAbandoned = true;
    }
    mChanged.notify_all();
    if (mThread.joinable())
        mThread.join();
}

QString ClipVideoEncoder::open(int width, int height, AVRational rate)
{
    const AVCodec* x264 = avcodec_find_encoder_by_name("libx264");
    mCodec.reset(x264 ? avcodec_alloc_context3(x264) : nullptr);
    if (!mCodec)
        return QStringLiteral("the x264 encoder is missing");
    mCodec->width = width;
    mCodec->height = height;
    mCodec->pix_fmt = AV_PIX_FMT_YUV420P;
    mCodec->time_base = av_inv_q(rate);
    mCodec->framerate = rate;
    mCodec->sample_aspect_ratio = {1, 1};
    mCodec->gop_size = std::max(1, int(std::lround(2 * av_q2d(rate))));
    mCodec->thread_count = kClipEncoderThreads;
    mCodec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    av_opt_set(mCodec->priv_data, "preset", kClipVideoPreset, 0);
    av_opt_set_double(mCodec->priv_data, "crf", kClipVideoQuality, 0);
    av_opt_set(mCodec->priv_data, "x264-params", kClipVideoParams, 0);
    if (const int opened = avcodec_open2(mCodec.get(), x264, nullptr); opened < 0)
        return pmAvError(opened);
    mThread = std::thread([this] { work(); });
    return {};
}

bool ClipVideoEncoder::encode(AVFrame* frame)
{
    AvFramePtr queued = pmNewFrame();
    if (!queued)
        return false;
    av_frame_move_ref(queued.get(), frame);
    return queue(std::move(queued));
}

bool ClipVideoEncoder::finish()
{
    if (!queue(nullptr))
        return false;
    std::unique_lock lock(mMutex);
    mChanged.wait(lock, [this] { return mEnded; });
    return mError.isEmpty();
}

bool ClipVideoEncoder::queue(AvFramePtr frame)
{
    std::unique_lock lock(mMutex);
    mChanged.wait(lock, [this] { return mEnded || mFrames.size() < kQueued; });
    if (mEnded)
        return false;
    mFrames.push_back(std::move(frame));
    mChanged.notify_all();
    return true;
}

std::deque<AvPacketPtr> ClipVideoEncoder::takePackets()
{
    const std::lock_guard lock(mMutex);
    return std::exchange(mPackets, {});
}

QString ClipVideoEncoder::error()
{
    const std::lock_guard lock(mMutex);
    return mError;
}

void ClipVideoEncoder::work()
{
    for (;;) {
        AvFramePtr frame;
        {
            std::unique_lock lock(mMutex);
            mChanged.wait(lock, [this] { return mAbandoned || !mFrames.empty(); });
            if (mAbandoned)
                return;
            frame = std::move(mFrames.front());
            mFrames.pop_front();
        }
        mChanged.notify_all();
        std::deque<AvPacketPtr> coded;
        const bool ok = code(frame.get(), coded);
        {
            const std::lock_guard lock(mMutex);
            for (AvPacketPtr& packet : coded)
                mPackets.push_back(std::move(packet));
            mEnded = !ok || !frame;
        }
        mChanged.notify_all();
        if (!ok || !frame)
            return;
    }
}

// Sends the frame (null: the end) and collects what comes out; false with the error set.
bool ClipVideoEncoder::code(AVFrame* frame, std::deque<AvPacketPtr>& coded)
{
    int result = avcodec_send_frame(mCodec.get(), frame);
    while (result >= 0) {
        AvPacketPtr packet = pmNewPacket();
        result = avcodec_receive_packet(mCodec.get(), packet.get());
        if (result >= 0)
            coded.push_back(std::move(packet));
    }
    if (result == AVERROR(EAGAIN) || result == AVERROR_EOF)
        return true;
    const std::lock_guard lock(mMutex);
    mError = pmAvError(result);
    return false;
}
