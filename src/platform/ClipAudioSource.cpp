#include "ClipAudioSource.h"

#include "ClipJob.h"
#include "ClipOutput.h"

#include <algorithm>
#include <array>

extern "C" {
#include <libavfilter/buffersink.h>
#include <libavfilter/buffersrc.h>
#include <libavutil/audio_fifo.h>
#include <libavutil/opt.h>
}

namespace {

constexpr int kBitRatePerChannel = 64000;
// Sound is read from this long before the part's start: a container may store it a little
// ahead of the pictures it goes with, and the reading starts at a key frame.
constexpr double kSoundLead = 1.0;
constexpr int kSilenceChunk = 4096;

} // namespace

ClipAudioSource::ClipAudioSource(ClipJob& job, ClipOutput& output, ClipStretches stretches)
    : mJob(job), mOutput(output), mStretches(std::move(stretches))
{
}

ClipAudioSource::~ClipAudioSource()
{
    if (mFifo)
        av_audio_fifo_free(mFifo);
}

bool ClipAudioSource::start(int sampleRate, int channels, double duration)
{
    mTotal = llround(duration * sampleRate);
    const AVCodec* aac = avcodec_find_encoder(AV_CODEC_ID_AAC);
    mEncoder.reset(aac ? avcodec_alloc_context3(aac) : nullptr);
    if (!mEncoder)
        return mJob.fail(ClipFailure::WriteFailed, QStringLiteral("no AAC encoder"));
    mEncoder->sample_fmt = AV_SAMPLE_FMT_FLTP;
    mEncoder->sample_rate = sampleRate;
    av_channel_layout_default(&mEncoder->ch_layout, std::clamp(channels, 1, 2));
    mEncoder->bit_rate = kBitRatePerChannel * mEncoder->ch_layout.nb_channels;
    mEncoder->time_base = {1, sampleRate};
    mEncoder->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    if (const int opened = avcodec_open2(mEncoder.get(), aac, nullptr); opened < 0)
        return mJob.fail(ClipFailure::WriteFailed, QStringLiteral("cannot encode the sound: %1").arg(pmAvError(opened)));
    mFifo = av_audio_fifo_alloc(AV_SAMPLE_FMT_FLTP, mEncoder->ch_layout.nb_channels, mEncoder->frame_size * 4);
    if (!mFifo)
        return mJob.fail(ClipFailure::WriteFailed, QStringLiteral("out of memory"));
    mStream = mOutput.addStream(mEncoder.get());
    return mStream >= 0;
}

bool ClipAudioSource::openStretch()
{
    const ClipStretch& stretch = mStretches[mIndex];
    mOpen = true;
    mInput = ClipInput();
    mDecoder.reset();
    if (stretch.path.isEmpty())
        return true;
    if (!mInput.open(stretch.path, mJob))
        return false;
    if (!mInput.audio())
        return true;
    QString error;
    if (!(mDecoder = pmOpenDecoder(mInput.audio(), error, 1)))
        return mJob.fail(ClipFailure::ReadFailed, QStringLiteral("cannot decode %1: %2").arg(stretch.path, error));
    mInput.seekBefore(std::max(0.0, stretch.in - kSoundLead));
    return buildConverter(mDecoder.get());
}

// The conversion of this recording's samples to the encoder's rate, format and channels.
bool ClipAudioSource::buildConverter(const AVCodecContext* decoder)
{
    mConverter.reset(avfilter_graph_alloc());
    char layout[64] = {};
    char wanted[64] = {};
    av_channel_layout_describe(&decoder->ch_layout, layout, sizeof layout);
    av_channel_layout_describe(&mEncoder->ch_layout, wanted, sizeof wanted);
    const std::string in = "time_base=1/" + std::to_string(decoder->sample_rate) + ":sample_rate="
        + std::to_string(decoder->sample_rate) + ":sample_fmt=" + av_get_sample_fmt_name(decoder->sample_fmt)
        + ":channel_layout=" + layout;
    const std::string format = "sample_fmts=fltp:sample_rates=" + std::to_string(mEncoder->sample_rate)
        + ":channel_layouts=" + wanted;
    AVFilterContext* formatter = nullptr;
    const bool built = mConverter
        && avfilter_graph_create_filter(&mConvertIn, avfilter_get_by_name("abuffer"), "in", in.c_str(), nullptr,
                                        mConverter.get()) >= 0
        && avfilter_graph_create_filter(&formatter, avfilter_get_by_name("aformat"), "format", format.c_str(),
                                        nullptr, mConverter.get()) >= 0
        && avfilter_graph_create_filter(&mConvertOut, avfilter_get_by_name("abuffersink"), "out", nullptr, nullptr,
                                        mConverter.get()) >= 0
        && avfilter_link(mConvertIn, 0, formatter, 0) >= 0 && avfilter_link(formatter, 0, mConvertOut, 0) >= 0
        && avfilter_graph_config(mConverter.get(), nullptr) >= 0;
    if (!built) {
        // Sound that cannot be converted is left out of this part: silence.
        mDecoder.reset();
        mConverter.reset();
    }
    return true;
}

bool ClipAudioSource::writeUntil(double clipTime)
{
    const int64_t target = std::min<int64_t>(mTotal, llround(clipTime * mEncoder->sample_rate));
    while (mWritten < target && !mEnded) {
        if (mJob.stopped())
            return false;
        if (!mOpen && !openStretch())
            return false;
        if (!readPacket())
            return false;
    }
    if (mEnded && mWritten < target)
        appendSilence(target - mWritten);
    return encodeFrames(false);
}

// Reads and decodes one packet of the open stretch, or ends the stretch.
bool ClipAudioSource::readPacket()
{
    const ClipStretch& stretch = mStretches[mIndex];
    if (!mDecoder) {
        endStretch();
        return true;
    }
    const int read = av_read_frame(mInput.format(), mPacket.get());
    if (read < 0 && read != AVERROR_EOF) {
        if (mJob.stopped())
            return false;
        return mJob.fail(ClipFailure::ReadFailed, QStringLiteral("cannot read %1: %2").arg(mInput.path(), pmAvError(read)));
    }
    const bool atEnd = read == AVERROR_EOF
        || (mPacket->stream_index == mInput.audio()->index && mPacket->pts != AV_NOPTS_VALUE
            && mInput.toSeconds(mInput.audio(), mPacket->pts) >= stretch.out);
    if (!atEnd && mPacket->stream_index != mInput.audio()->index) {
        av_packet_unref(mPacket.get());
        return true;
    }
    avcodec_send_packet(mDecoder.get(), atEnd ? nullptr : mPacket.get()); // damaged sound is skipped
    av_packet_unref(mPacket.get());
    while (avcodec_receive_frame(mDecoder.get(), mFrame.get()) == 0)
        if (!convert(mFrame.get()))
            return false;
    if (atEnd) {
        if (av_buffersrc_add_frame(mConvertIn, nullptr) < 0 || !drainConverter())
            return false;
        endStretch();
    }
    return true;
}

// Puts the decoded samples on the clip's time line and through the conversion.
bool ClipAudioSource::convert(AVFrame* decoded)
{
    const ClipStretch& stretch = mStretches[mIndex];
    const int64_t time = decoded->best_effort_timestamp;
    if (time == AV_NOPTS_VALUE) {
        av_frame_unref(decoded);
        return true;
    }
    const double seconds = mInput.toSeconds(mInput.audio(), time);
    decoded->pts = llround((stretch.clipStart + seconds - stretch.in) * decoded->sample_rate);
    if (av_buffersrc_add_frame(mConvertIn, decoded) < 0) {
        av_frame_unref(decoded);
        return true; // a frame the graph will not take (its layout changed) is left out
    }
    return drainConverter();
}

bool ClipAudioSource::drainConverter()
{
    AvFramePtr converted = pmNewFrame();
    while (av_buffersink_get_frame(mConvertOut, converted.get()) >= 0) {
        place(converted.get());
        av_frame_unref(converted.get());
    }
    return true;
}

// Appends the part of the converted samples that falls in the stretch and after what is
// already placed; a gap before them is filled with silence.
void ClipAudioSource::place(const AVFrame* converted)
{
    const ClipStretch& stretch = mStretches[mIndex];
    const int rate = mEncoder->sample_rate;
    const int64_t end = llround(stretch.clipEnd() * rate);
    const int64_t start = av_rescale_q(converted->pts, av_buffersink_get_time_base(mConvertOut), {1, rate});
    if (start > mWritten)
        appendSilence(std::min(start, end) - mWritten);
    const int64_t from = std::max(start, mWritten);
    const int64_t to = std::min(start + converted->nb_samples, end);
    if (to <= from)
        return;
    std::array<void*, 2> planes{};
    const int channels = mEncoder->ch_layout.nb_channels;
    for (int c = 0; c < channels; ++c)
        planes[size_t(c)] = reinterpret_cast<float*>(converted->extended_data[c]) + (from - start);
    av_audio_fifo_write(mFifo, planes.data(), int(to - from));
    mWritten = to;
}

void ClipAudioSource::appendSilence(int64_t samples)
{
    static const std::array<float, kSilenceChunk> zeros{};
    std::array<void*, 2> planes{const_cast<float*>(zeros.data()), const_cast<float*>(zeros.data())};
    while (samples > 0) {
        const int chunk = int(std::min<int64_t>(samples, kSilenceChunk));
        av_audio_fifo_write(mFifo, planes.data(), chunk);
        samples -= chunk;
        mWritten += chunk;
    }
}

// The stretch's sound has ended: silence up to its end, then the next stretch.
void ClipAudioSource::endStretch()
{
    const int64_t end = llround(mStretches[mIndex].clipEnd() * mEncoder->sample_rate);
    if (end > mWritten)
        appendSilence(end - mWritten);
    mInput = ClipInput();
    mDecoder.reset();
    mConverter.reset();
    mOpen = false;
    mEnded = ++mIndex >= mStretches.size();
}

bool ClipAudioSource::encodeFrames(bool last)
{
    const int size = mEncoder->frame_size;
    while (av_audio_fifo_size(mFifo) >= size || (last && av_audio_fifo_size(mFifo) > 0)) {
        AvFramePtr frame = pmNewFrame();
        frame->nb_samples = std::min(size, av_audio_fifo_size(mFifo));
        frame->format = AV_SAMPLE_FMT_FLTP;
        frame->sample_rate = mEncoder->sample_rate;
        av_channel_layout_copy(&frame->ch_layout, &mEncoder->ch_layout);
        if (av_frame_get_buffer(frame.get(), 0) < 0)
            return mJob.fail(ClipFailure::WriteFailed, QStringLiteral("out of memory"));
        av_audio_fifo_read(mFifo, reinterpret_cast<void**>(frame->data), frame->nb_samples);
        frame->pts = mEncoded;
        mEncoded += frame->nb_samples;
        if (avcodec_send_frame(mEncoder.get(), frame.get()) < 0 || !receivePackets())
            return encodingFailed();
    }
    return true;
}

bool ClipAudioSource::encodingFailed()
{
    return mJob.failed() ? false : mJob.fail(ClipFailure::WriteFailed, QStringLiteral("cannot encode the sound"));
}

bool ClipAudioSource::receivePackets()
{
    AvPacketPtr packet = pmNewPacket();
    for (;;) {
        const int received = avcodec_receive_packet(mEncoder.get(), packet.get());
        if (received == AVERROR(EAGAIN) || received == AVERROR_EOF)
            return true;
        if (received < 0)
            return false;
        av_packet_rescale_ts(packet.get(), mEncoder->time_base, mOutput.timeBase(mStream));
        packet->stream_index = mStream;
        if (!mOutput.write(packet.get()))
            return false;
    }
}

bool ClipAudioSource::finish()
{
    mEnded = true; // whatever is still unread lies past the clip's end
    if (!writeUntil(double(mTotal) / mEncoder->sample_rate) || !encodeFrames(true))
        return false;
    avcodec_send_frame(mEncoder.get(), nullptr);
    return receivePackets() || encodingFailed();
}
