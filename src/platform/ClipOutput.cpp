#include "ClipOutput.h"

#include "ClipJob.h"

#include <QFile>

ClipOutput::~ClipOutput()
{
    if (!mFormat)
        return;
    avio_closep(&mFormat->pb);
    avformat_free_context(mFormat);
}

bool ClipOutput::open(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    if (avformat_alloc_output_context2(&mFormat, nullptr, "mp4", name.constData()) < 0 || !mFormat)
        return mJob.fail(ClipFailure::WriteFailed, QStringLiteral("out of memory"));
    const AVIOInterruptCB interrupt = mJob.interrupt();
    if (const int opened = avio_open2(&mFormat->pb, name.constData(), AVIO_FLAG_WRITE, &interrupt, nullptr);
        opened < 0)
        return mJob.failWriting(opened);
    return true;
}

int ClipOutput::addStream(const AVCodecParameters* parameters, AVRational timeBase)
{
    AVStream* stream = avformat_new_stream(mFormat, nullptr);
    if (!stream || avcodec_parameters_copy(stream->codecpar, parameters) < 0)
        return mJob.fail(ClipFailure::WriteFailed, QStringLiteral("out of memory")), -1;
    // The tag of the source container (an AVI's FourCC) means nothing in an MP4.
    stream->codecpar->codec_tag = 0;
    stream->time_base = timeBase;
    return stream->index;
}

int ClipOutput::addStream(const AVCodecContext* encoder)
{
    AVStream* stream = avformat_new_stream(mFormat, nullptr);
    if (!stream || avcodec_parameters_from_context(stream->codecpar, encoder) < 0)
        return mJob.fail(ClipFailure::WriteFailed, QStringLiteral("out of memory")), -1;
    stream->time_base = encoder->time_base;
    stream->avg_frame_rate = encoder->framerate;
    return stream->index;
}

bool ClipOutput::writeHeader()
{
    if (const int written = avformat_write_header(mFormat, nullptr); written < 0)
        return mJob.failWriting(written);
    mHeaderWritten = true;
    return true;
}

bool ClipOutput::write(AVPacket* packet)
{
    if (const int written = av_interleaved_write_frame(mFormat, packet); written < 0)
        return mJob.failWriting(written);
    return true;
}

bool ClipOutput::finish()
{
    if (!mHeaderWritten)
        return mJob.fail(ClipFailure::WriteFailed, QStringLiteral("nothing was written"));
    if (const int written = av_write_trailer(mFormat); written < 0)
        return mJob.failWriting(written);
    if (const int closed = avio_closep(&mFormat->pb); closed < 0)
        return mJob.failWriting(closed);
    return true;
}
