#include "ClipTranscoder.h"

#include "ClipAudioSource.h"
#include "ClipJob.h"
#include "ClipOutput.h"

#include <cmath>


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

// Writes the packets the encoder has coded so far; false when the encoder or the file failed.
bool ClipTranscoder::writeCoded()
{
    for (AvPacketPtr& packet : mEncoder.takePackets()) {
        av_packet_rescale_ts(packet.get(), mEncoder.context()->time_base, mOutput.timeBase(mStream));
        packet->stream_index = mStream;
        if (!mOutput.write(packet.get()))
            return false;
    }
    return true;
}

bool ClipTranscoder::encodingFailed()
{
    return mJob.fail(ClipFailure::WriteFailed, QStringLiteral("cannot encode the pictures: %1").arg(mEncoder.error()));
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
        mComposed->pts = av_rescale_q(mComposed->pts, mComposer.timeBase(), mEncoder.context()->time_base);
        if (!mEncoder.encode(mComposed.get()))
            return encodingFailed();
        if (!writeCoded())
            return false;
    }
}

bool ClipTranscoder::run(const ClipPlan& plan)
{
    const AVRational rate = plan.mainFormat.rate;
    if (QString error = mComposer.build(plan.cameras, plan.mainFormat, plan.secondFormat, plan.overlay && !plan.overlay->empty());
        !error.isEmpty())
        return mJob.fail(ClipFailure::WriteFailed, QStringLiteral("cannot compose the pictures: %1").arg(error));
    if (QString error = mEncoder.open(mComposer.width(), mComposer.height(), rate); !error.isEmpty())
        return mJob.fail(ClipFailure::WriteFailed, QStringLiteral("cannot encode the pictures: %1").arg(error));
    if ((mStream = mOutput.addStream(mEncoder.context())) < 0)
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
    if (!mComposer.close() || !drainComposer(true))
        return false;
    if (!mEncoder.finish())
        return encodingFailed();
    return writeCoded() && (!withSound || sound.finish());
}
