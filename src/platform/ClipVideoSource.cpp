#include "ClipVideoSource.h"

#include "ClipJob.h"

extern "C" {
#include <libswscale/swscale.h>
}

namespace {

// Frame times within this of a moment count as at it (container time bases round).
constexpr double kTimeTolerance = 1e-3;

} // namespace

ClipVideoSource::ClipVideoSource(ClipJob& job, ClipStretches stretches, const ClipPictureFormat& format)
    : mJob(job), mStretches(std::move(stretches)), mFormat(format)
{
}

ClipVideoSource::~ClipVideoSource()
{
    sws_freeContext(mScaler);
}

bool ClipVideoSource::open(size_t index)
{
    mIndex = index;
    mOpen = true;
    mInput = ClipInput();
    mDecoder.reset();
    mCurrent.reset();
    mNext.reset();
    mDraining = false;
    mEnded = true;
    const ClipStretch& stretch = mStretches[index];
    if (stretch.path.isEmpty())
        return true;
    if (!mInput.open(stretch.path, mJob))
        return false;
    QString error;
    if (!(mDecoder = pmOpenDecoder(mInput.video(), error, kClipDecoderThreads)))
        return mJob.fail(ClipFailure::ReadFailed, QStringLiteral("cannot decode %1: %2").arg(stretch.path, error));
    // Without an index the reading starts at the beginning; frames before `in` are passed over.
    mInput.seekBefore(stretch.in);
    mFrameLength = av_q2d(av_inv_q(mInput.frameRate()));
    mEnded = false;
    return true;
}

const AVFrame* ClipVideoSource::frameAt(double clipTime)
{
    size_t index = mOpen ? mIndex : 0;
    while (index + 1 < mStretches.size() && clipTime >= mStretches[index].clipEnd() - kTimeTolerance)
        ++index;
    if ((!mOpen || index != mIndex) && !open(index))
        return nullptr;
    for (;;) {
        if (!mNext && !mEnded)
            decodeNext();
        if (mJob.failed())
            return nullptr;
        if (!mNext || mNextTime > clipTime + kTimeTolerance)
            break;
        mCurrent = std::move(mNext);
        mCurrentTime = mNextTime;
    }
    // Past the last frame's own length the camera has stopped recording.
    if (mEnded && !mNext && clipTime >= mCurrentTime + 1.5 * mFrameLength)
        return nullptr;
    return mCurrent.get();
}

// Decodes up to the next frame of the stretch (into mNext), or to its end (mEnded).
void ClipVideoSource::decodeNext()
{
    while (!mEnded && !mJob.stopped()) {
        const int received = avcodec_receive_frame(mDecoder.get(), mDecoded.get());
        if (received == 0) {
            if (accept(mDecoded.get()))
                return;
            continue;
        }
        if (received == AVERROR_EOF || (received != AVERROR(EAGAIN) && mDraining)) {
            mEnded = true;
        } else if (received != AVERROR(EAGAIN)) {
            ++mJob.damagedFrames;
        } else if (!sendNextPacket()) {
            return;
        }
    }
}

// Feeds the decoder the next packet of the video stream, or the end; false when reading failed.
bool ClipVideoSource::sendNextPacket()
{
    for (;;) {
        const int read = av_read_frame(mInput.format(), mPacket.get());
        if (read == AVERROR_EOF) {
            avcodec_send_packet(mDecoder.get(), nullptr);
            mDraining = true;
            return true;
        }
        if (read < 0) {
            if (mJob.stopped())
                return false;
            return mJob.fail(ClipFailure::ReadFailed,
                             QStringLiteral("cannot read %1: %2").arg(mInput.path(), pmAvError(read)));
        }
        const bool video = mPacket->stream_index == mInput.video()->index;
        if (video && avcodec_send_packet(mDecoder.get(), mPacket.get()) < 0)
            ++mJob.damagedFrames; // the next packet may decode again
        av_packet_unref(mPacket.get());
        if (video)
            return true;
    }
}

// Takes a decoded frame as the next one to show; false for a frame to pass over.
bool ClipVideoSource::accept(AVFrame* decoded)
{
    const ClipStretch& stretch = mStretches[mIndex];
    const int64_t time = decoded->best_effort_timestamp;
    const bool damaged = (decoded->flags & AV_FRAME_FLAG_CORRUPT) || decoded->decode_error_flags;
    if (time == AV_NOPTS_VALUE || damaged) {
        mJob.damagedFrames += damaged;
        av_frame_unref(decoded);
        return false;
    }
    const double seconds = mInput.toSeconds(mInput.video(), time);
    if (seconds >= stretch.out - kTimeTolerance) {
        mEnded = true; // the rest is after the clip
        av_frame_unref(decoded);
        return false;
    }
    AVFrame* picture = normalised(decoded);
    if (!picture)
        return false;
    mNext = pmNewFrame();
    av_frame_move_ref(mNext.get(), picture);
    // Frames before `in` still count: the last of them is on show at the stretch's start.
    mNextTime = stretch.clipStart + seconds - stretch.in;
    return true;
}

// The frame at the source's size and pixel format, converted when a recording differs.
AVFrame* ClipVideoSource::normalised(AVFrame* decoded)
{
    if (decoded->width == mFormat.width && decoded->height == mFormat.height && decoded->format == mFormat.format)
        return decoded;
    mScaler = sws_getCachedContext(mScaler, decoded->width, decoded->height, AVPixelFormat(decoded->format),
                                   mFormat.width, mFormat.height, mFormat.format, SWS_BILINEAR, nullptr, nullptr,
                                   nullptr);
    AvFramePtr converted = pmNewFrame();
    converted->width = mFormat.width;
    converted->height = mFormat.height;
    converted->format = mFormat.format;
    if (!mScaler || av_frame_get_buffer(converted.get(), 0) < 0
        || sws_scale(mScaler, decoded->data, decoded->linesize, 0, decoded->height, converted->data,
                     converted->linesize) <= 0) {
        ++mJob.damagedFrames;
        av_frame_unref(decoded);
        return nullptr;
    }
    av_frame_copy_props(converted.get(), decoded);
    av_frame_unref(decoded);
    av_frame_move_ref(decoded, converted.get());
    return decoded;
}
