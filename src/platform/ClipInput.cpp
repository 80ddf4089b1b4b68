#include "ClipInput.h"

#include "ClipJob.h"

#include <cmath>

namespace {

// The largest picture side accepted from a stream.
constexpr int kMaxSide = 16384;

double streamSeconds(const AVStream* stream, int64_t time)
{
    return double(time) * av_q2d(stream->time_base);
}

} // namespace

bool ClipInput::open(const QString& path, ClipJob& job, StreamProbe probe)
{
    mPath = path;
    if (QString error = pmOpenRecording(path, job.interrupt(), mFormat, probe); !error.isEmpty()) {
        if (job.stopped())
            return false;
        return job.fail(ClipFailure::ReadFailed, QStringLiteral("cannot read %1: %2").arg(path, error));
    }
    for (unsigned i = 0; i < mFormat->nb_streams; ++i) {
        AVStream* stream = mFormat->streams[i];
        const AVCodecParameters* p = stream->codecpar;
        if (p->codec_type == AVMEDIA_TYPE_VIDEO && !mVideo && !(stream->disposition & AV_DISPOSITION_ATTACHED_PIC)
            && p->width > 0 && p->height > 0 && p->width <= kMaxSide && p->height <= kMaxSide)
            mVideo = stream;
        else if (p->codec_type == AVMEDIA_TYPE_AUDIO && !mAudio && p->sample_rate > 0 && p->ch_layout.nb_channels > 0)
            mAudio = stream;
    }
    if (!mVideo)
        return job.fail(ClipFailure::ReadFailed, QStringLiteral("cannot read %1: no video stream").arg(path));
    if (mVideo->start_time != AV_NOPTS_VALUE)
        mOrigin = streamSeconds(mVideo, mVideo->start_time);
    return true;
}

double ClipInput::duration() const
{
    if (mVideo->duration > 0 && mVideo->duration != AV_NOPTS_VALUE)
        return streamSeconds(mVideo, mVideo->duration);
    return mFormat->duration > 0 ? double(mFormat->duration) / AV_TIME_BASE : 0;
}

AVRational ClipInput::frameRate() const
{
    for (AVRational rate : {mVideo->avg_frame_rate, mVideo->r_frame_rate})
        if (rate.num > 0 && rate.den > 0 && av_q2d(rate) >= 1 && av_q2d(rate) <= 240)
            return av_d2q(av_q2d(rate), 1001000);
    return {30, 1};
}

bool ClipInput::isMovFamily() const
{
    return pmIsMovFamily(mFormat.get());
}

double ClipInput::toSeconds(const AVStream* stream, int64_t time) const
{
    return streamSeconds(stream, time) - mOrigin;
}

int64_t ClipInput::toStreamTime(const AVStream* stream, double seconds) const
{
    return std::llround((seconds + mOrigin) / av_q2d(stream->time_base));
}

bool ClipInput::seekBefore(double seconds)
{
    return av_seek_frame(mFormat.get(), mVideo->index, toStreamTime(mVideo, seconds), AVSEEK_FLAG_BACKWARD) >= 0;
}
