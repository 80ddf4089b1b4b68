#include "ClipTranscoder.h"

#include "ClipAudioSource.h"
#include "ClipJob.h"
#include "ClipOutput.h"

#include <cmath>

extern "C" {
#include <libavutil/opt.h>
}

namespace {

// The overlay text on show at a clip time; cues come in time order.
class CueCursor {
public:
    explicit CueCursor(const std::vector<ClipOverlayCue>* cues) : mCues(cues) {}
    const std::string& at(double time)
    {
        static const std::string none;
        if (!mCues || mCues->empty())
            return none;
        while (mNext < mCues->size() && (*mCues)[mNext].at <= time + 1e-6)
            ++mNext;
        return mNext == 0 ? none : (*mCues)[mNext - 1].text;
    }

private:
    const std::vector<ClipOverlayCue>* mCues;
    size_t mNext = 0;
};

} // namespace

bool ClipTranscoder::openEncoder(int width, int height, AVRational rate)
{
    const AVCodec* x264 = avcodec_find_encoder_by_name("libx264");
    mEncoder.reset(x264 ? avcodec_alloc_context3(x264) : nullptr);
    if (!mEncoder)
        return mJob.fail(ClipFailure::WriteFailed, QStringLiteral("the x264 encoder is missing"));
    mEncoder->width = width;
    mEncoder->height = height;
    mEncoder->pix_fmt = AV_PIX_FMT_YUV420P;
    mEncoder->time_base = av_inv_q(rate);
    mEncoder->framerate = rate;
    mEncoder->sample_aspect_ratio = {1, 1};
    mEncoder->gop_size = std::max(1, int(std::lround(2 * av_q2d(rate))));
    mEncoder->thread_count = kClipEncoderThreads;
    mEncoder->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    av_opt_set(mEncoder->priv_data, "preset", kClipVideoPreset, 0);
    av_opt_set_double(mEncoder->priv_data, "crf", kClipVideoQuality, 0);
    av_opt_set(mEncoder->priv_data, "x264-params", kClipVideoParams, 0);
    if (const int opened = avcodec_open2(mEncoder.get(), x264, nullptr); opened < 0)
        return mJob.fail(ClipFailure::WriteFailed, QStringLiteral("cannot encode the pictures: %1").arg(pmAvError(opened)));
    mStream = mOutput.addStream(mEncoder.get());
    return mStream >= 0;
}

// Hands a composed frame (null: the end) to the encoder and writes what comes out.
bool ClipTranscoder::encode(AVFrame* frame)
{
    if (avcodec_send_frame(mEncoder.get(), frame) < 0)
        return mJob.fail(ClipFailure::WriteFailed, QStringLiteral("cannot encode the pictures"));
    for (;;) {
        const int received = avcodec_receive_packet(mEncoder.get(), mPacket.get());
        if (received == AVERROR(EAGAIN) || received == AVERROR_EOF)
            return true;
        if (received < 0)
            return mJob.fail(ClipFailure::WriteFailed, QStringLiteral("cannot encode the pictures: %1").arg(pmAvError(received)));
        av_packet_rescale_ts(mPacket.get(), mEncoder->time_base, mOutput.timeBase(mStream));
        mPacket->stream_index = mStream;
        if (!mOutput.write(mPacket.get()))
            return false;
    }
}

bool ClipTranscoder::drainComposer(bool ending)
{
    for (;;) {
        const int pulled = mComposer.pull(mComposed.get());
        if (pulled == AVERROR(EAGAIN) || (pulled == AVERROR_EOF && ending))
            return true;
        if (pulled < 0)
            return mJob.fail(ClipFailure::WriteFailed, QStringLiteral("cannot compose the pictures: %1").arg(pmAvError(pulled)));
        mComposed->pict_type = AV_PICTURE_TYPE_NONE;
        mComposed->pts = av_rescale_q(mComposed->pts, mComposer.timeBase(), mEncoder->time_base);
        const bool encoded = encode(mComposed.get());
        av_frame_unref(mComposed.get());
        if (!encoded)
            return false;
    }
}

bool ClipTranscoder::run(const ClipPlan& plan)
{
    const AVRational rate = plan.mainFormat.rate;
    if (QString error = mComposer.build(plan.cameras, plan.mainFormat, plan.secondFormat, plan.overlay && !plan.overlay->empty());
        !error.isEmpty())
        return mJob.fail(ClipFailure::WriteFailed, QStringLiteral("cannot compose the pictures: %1").arg(error));
    if (!openEncoder(mComposer.width(), mComposer.height(), rate))
        return false;
    ClipAudioSource sound(mJob, mOutput, plan.sound);
    const bool withSound = !plan.sound.empty() && plan.sampleRate > 0;
    if (withSound && !sound.start(plan.sampleRate, plan.channels, mJob.duration))
        return false;
    if (!mOutput.writeHeader())
        return false;
    ClipVideoSource main(mJob, plan.main, plan.mainFormat);
    std::optional<ClipVideoSource> second;
    if (plan.secondFormat)
        second.emplace(mJob, plan.second, *plan.secondFormat);
    CueCursor cues(plan.overlay);
    const double frameLength = av_q2d(av_inv_q(rate));
    const int64_t frames = std::max<int64_t>(1, std::llround(mJob.duration / frameLength));
    for (int64_t n = 0; n < frames; ++n) {
        const double time = double(n) * frameLength;
        const AVFrame* front = main.frameAt(time);
        const AVFrame* rear = second ? second->frameAt(time) : nullptr;
        if (mJob.stopped() || mJob.failed())
            return false;
        if (!mComposer.push(n, front, rear, cues.at(time)))
            return mJob.fail(ClipFailure::WriteFailed, QStringLiteral("cannot compose the pictures"));
        if (!drainComposer(false) || (withSound && !sound.writeUntil(time + frameLength)))
            return false;
        mJob.reached(time + frameLength);
    }
    return mComposer.close() && drainComposer(true) && encode(nullptr) && (!withSound || sound.finish());
}
