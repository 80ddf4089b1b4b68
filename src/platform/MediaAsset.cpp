#include "MediaAsset.h"

#include "FfmpegSupport.h"
#include "LogText.h"

#include <QtConcurrent/QtConcurrentRun>

#include <chrono>
#include <cmath>
#include <deque>

extern "C" {
#include <libavutil/pixdesc.h>
#include <libswscale/swscale.h>
}

namespace {

using Clock = std::chrono::steady_clock;

// Upper bounds that keep a hostile file from holding a worker: wall time of opening and of
// one picture, and the packets one picture may read (a ten-second key-frame interval at
// 60 frames per second is 600 video packets).
constexpr auto kOpenTimeLimit = std::chrono::seconds(10);
constexpr auto kPictureTimeLimit = std::chrono::seconds(10);
constexpr int kMaxVideoPackets = 2000;
constexpr int kMaxPackets = 20000;
// Reading without decoding is cheap: a scan from the start may cover a long recording.
constexpr int kMaxScanPackets = 200000;
constexpr int64_t kMaxPendingBytes = 256 << 20;
// A first frame this much after the requested time (milliseconds) shows that the seek missed.
constexpr int kLateLanding = 500;
// A frame this close before the requested time counts as at it (container time stamps are
// rounded to their time base).
constexpr double kTimeTolerance = 0.0005;
// The largest picture side accepted from a stream.
constexpr int kMaxSide = 16384;
// The pixel format without the deprecated full-range "J" variants, and whether it is full range.
AVPixelFormat plainFormat(AVPixelFormat format, bool& fullRange)
{
    switch (format) {
    case AV_PIX_FMT_YUVJ420P: fullRange = true; return AV_PIX_FMT_YUV420P;
    case AV_PIX_FMT_YUVJ422P: fullRange = true; return AV_PIX_FMT_YUV422P;
    case AV_PIX_FMT_YUVJ444P: fullRange = true; return AV_PIX_FMT_YUV444P;
    case AV_PIX_FMT_YUVJ440P: fullRange = true; return AV_PIX_FMT_YUV440P;
    case AV_PIX_FMT_YUVJ411P: fullRange = true; return AV_PIX_FMT_YUV411P;
    default: return format;
    }
}

QSize displaySize(int width, int height, AVRational sampleAspect)
{
    if (sampleAspect.num > 0 && sampleAspect.den > 0 && sampleAspect.num != sampleAspect.den) {
        const long long w = std::llround(double(width) * sampleAspect.num / sampleAspect.den);
        if (w > 0 && w <= kMaxSide)
            return QSize(int(w), height);
    }
    return QSize(width, height);
}

} // namespace

// The FFmpeg objects of one open recording.
struct MediaAsset::Media {
    AvInputPtr input;
    AVFormatContext* format = nullptr;
    AvCodecPtr decoder;
    AVCodecContext* codec = nullptr;
    AVStream* stream = nullptr;
    SwsContext* scaler = nullptr;
    AVPacket* packet = av_packet_alloc();
    AVFrame* frame = av_frame_alloc();
    AVFrame* picture = av_frame_alloc(); // the best frame so far of the current request
    int64_t pictureTime = AV_NOPTS_VALUE;
    std::deque<AVPacket*> pending; // video packets read ahead by a scan from the start
    Clock::time_point deadline;

    enum class Landing { Found, Missed, Failed };
    enum class PacketUse { Decode, IfReferenced, Stop };

    ~Media()
    {
        dropPending();
        sws_freeContext(scaler);
        av_frame_free(&picture);
        av_frame_free(&frame);
        av_packet_free(&packet);
    }

    bool expired() const { return Clock::now() > deadline; }

    QString open(const QString& path);
    QString openDecoder();
    int64_t startTime() const;
    int64_t toStreamTime(double seconds) const;
    double toSeconds(int64_t time) const;
    int64_t frameTime() const;
    double lastFrameBound() const;
    void dropPending();
    bool readVideoPacket(int& packets);
    bool seekBefore(int64_t target);
    bool scanFromStart(int64_t target, QString& error);
    Landing decodeTo(int64_t target, bool skipUnneeded, bool checkLanding, QString& error);
    PacketUse classify(int64_t target, bool skipBefore, int64_t& first) const;
    bool keepFrame(int64_t target);
    QImage toImage(const AVFrame* source);
};

QString MediaAsset::Media::open(const QString& path)
{
    if (!packet || !frame || !picture)
        return QStringLiteral("out of memory");
    const AVIOInterruptCB interrupt{[](void* self) { return int(static_cast<Media*>(self)->expired()); }, this};
    if (QString error = pmOpenRecording(path, interrupt, input); !error.isEmpty())
        return error;
    format = input.get();
    return openDecoder();
}

QString MediaAsset::Media::openDecoder()
{
    for (unsigned i = 0; i < format->nb_streams && !stream; ++i) {
        AVStream* candidate = format->streams[i];
        const AVCodecParameters* p = candidate->codecpar;
        if (p->codec_type != AVMEDIA_TYPE_VIDEO || (candidate->disposition & AV_DISPOSITION_ATTACHED_PIC))
            continue;
        if (p->width <= 0 || p->height <= 0 || p->width > kMaxSide || p->height > kMaxSide)
            continue;
        if (avcodec_find_decoder(p->codec_id))
            stream = candidate;
    }
    if (!stream)
        return QStringLiteral("no decodable video stream");
    QString error;
    decoder = pmOpenDecoder(stream, error);
    codec = decoder.get();
    return error;
}

int64_t MediaAsset::Media::startTime() const
{
    return stream->start_time == AV_NOPTS_VALUE ? 0 : stream->start_time;
}

// The first tick at or after the time.
int64_t MediaAsset::Media::toStreamTime(double seconds) const
{
    const double ticks = std::ceil(seconds * stream->time_base.den / stream->time_base.num);
    return startTime() + static_cast<int64_t>(std::min(ticks, 9.0e18));
}

// The presentation time of the decoded frame. Packets without one (AVI) leave FFmpeg the time
// of the packet that released the frame, which trails it by the frames held for reordering.
int64_t MediaAsset::Media::frameTime() const
{
    if (frame->pts != AV_NOPTS_VALUE || frame->pkt_dts == AV_NOPTS_VALUE || codec->has_b_frames <= 0)
        return frame->best_effort_timestamp;
    const AVRational rate = stream->avg_frame_rate;
    const int64_t frameTicks = rate.num > 0 && rate.den > 0 ? av_rescale_q(1, av_inv_q(rate), stream->time_base) : 1;
    return frame->pkt_dts - codec->has_b_frames * std::max<int64_t>(1, frameTicks);
}

// A time before the last frame of the video stream (seconds), with two frames to spare; 0 when
// the stream's length is unknown.
double MediaAsset::Media::lastFrameBound() const
{
    double end = stream->duration > 0 ? double(stream->duration) * av_q2d(stream->time_base) : 0;
    if (end <= 0 && format->duration > 0)
        end = double(format->duration) / AV_TIME_BASE;
    const AVRational rate = stream->avg_frame_rate;
    const double frameSeconds = rate.num > 0 && rate.den > 0 ? std::min(0.5, av_q2d(av_inv_q(rate))) : 0.5;
    return end - 2 * frameSeconds;
}

double MediaAsset::Media::toSeconds(int64_t time) const
{
    return double(time - startTime()) * av_q2d(stream->time_base);
}

bool MediaAsset::Media::seekBefore(int64_t target)
{
    dropPending();
    avcodec_flush_buffers(codec);
    return av_seek_frame(format, stream->index, target, AVSEEK_FLAG_BACKWARD) >= 0;
}

void MediaAsset::Media::dropPending()
{
    for (AVPacket* p : pending)
        av_packet_free(&p);
    pending.clear();
}

// For files whose index cannot be trusted (an AVI cut short has none): reads from the start,
// without decoding, and keeps the packets from the last key frame at or before the target on.
bool MediaAsset::Media::scanFromStart(int64_t target, QString& error)
{
    if (!seekBefore(startTime()) && avformat_seek_file(format, stream->index, INT64_MIN, 0, 0, 0) < 0) {
        error = QStringLiteral("cannot seek");
        return false;
    }
    int64_t pendingBytes = 0;
    for (int packets = 0; !expired() && packets < kMaxScanPackets && av_read_frame(format, packet) >= 0; ++packets) {
        if (packet->stream_index != stream->index) {
            av_packet_unref(packet);
            continue;
        }
        const bool key = packet->flags & AV_PKT_FLAG_KEY;
        const int64_t time = packet->pts != AV_NOPTS_VALUE ? packet->pts : packet->dts;
        if (key && time != AV_NOPTS_VALUE && time <= target) {
            dropPending();
            pendingBytes = 0;
        }
        pendingBytes += packet->size;
        pending.push_back(av_packet_alloc());
        av_packet_move_ref(pending.back(), packet);
        if ((key && time > target) || pending.size() > size_t(kMaxVideoPackets) || pendingBytes > kMaxPendingBytes)
            break;
    }
    return true;
}

// The next packet of the video stream, read-ahead ones first; false at the end.
bool MediaAsset::Media::readVideoPacket(int& packets)
{
    if (!pending.empty()) {
        av_packet_move_ref(packet, pending.front());
        av_packet_free(&pending.front());
        pending.pop_front();
        return true;
    }
    while (packets++ < kMaxPackets && av_read_frame(format, packet) >= 0) {
        if (packet->stream_index == stream->index)
            return true;
        av_packet_unref(packet);
    }
    return false;
}

// Takes the decoded frame as the picture so far; true when it is at or after the target.
bool MediaAsset::Media::keepFrame(int64_t target)
{
    int64_t time = frameTime();
    if (time == AV_NOPTS_VALUE)
        time = pictureTime == AV_NOPTS_VALUE ? AV_NOPTS_VALUE : pictureTime + 1;
    av_frame_unref(picture);
    av_frame_move_ref(picture, frame);
    pictureTime = time;
    return time != AV_NOPTS_VALUE && time >= target;
}

// What the packet just read means for the search of the first frame at or after the target,
// whose presentation time (the smallest at or after the target so far) is kept in first.
MediaAsset::Media::PacketUse MediaAsset::Media::classify(int64_t target, bool skipBefore, int64_t& first) const
{
    const int64_t pts = packet->pts;
    if (pts == AV_NOPTS_VALUE)
        return PacketUse::Decode;
    // A frame is never presented before it is decoded: once a packet decodes at or after the
    // first frame found, no frame still to come is presented between the target and it.
    if (first != AV_NOPTS_VALUE && packet->dts != AV_NOPTS_VALUE && packet->dts >= first)
        return PacketUse::Stop;
    if (pts >= target && (first == AV_NOPTS_VALUE || pts < first)) {
        first = pts;
        return PacketUse::Decode;
    }
    const bool unneeded = (first != AV_NOPTS_VALUE && pts > first) || (skipBefore && pts < target);
    return unneeded ? PacketUse::IfReferenced : PacketUse::Decode;
}

// Decodes from the current position to the first frame at or after the target; at the end of
// the stream the last frame is taken. Frames that are not that frame and that no other frame
// refers to are dropped undecoded; skipUnneeded allows it for frames before the target too. With checkLanding, no frame at all or a
// first frame well after the target means that the seek went wrong (Missed).
MediaAsset::Media::Landing MediaAsset::Media::decodeTo(int64_t target, bool skipUnneeded, bool checkLanding,
                                                      QString& error)
{
    av_frame_unref(picture);
    pictureTime = AV_NOPTS_VALUE;
    const int64_t lateBy = av_rescale_q(kLateLanding, AVRational{1, 1000}, stream->time_base);
    int packets = 0;
    int videoPackets = 0;
    int64_t first = AV_NOPTS_VALUE;
    bool draining = false;
    while (!expired()) {
        const int received = avcodec_receive_frame(codec, frame);
        if (received == 0) {
            const bool firstPicture = picture->buf[0] == nullptr;
            const bool reached = keepFrame(target);
            if (firstPicture && checkLanding && pictureTime != AV_NOPTS_VALUE && pictureTime > target + lateBy)
                return Landing::Missed;
            if (reached)
                return Landing::Found;
            continue;
        }
        if (received != AVERROR(EAGAIN) || draining) {
            if (received != AVERROR_EOF && received != AVERROR(EAGAIN))
                error = pmAvError(received);
            if (picture->buf[0])
                return Landing::Found;
            return checkLanding ? Landing::Missed : Landing::Failed;
        }
        if (videoPackets++ >= kMaxVideoPackets) {
            error = QStringLiteral("too many frames before the time");
            return Landing::Failed;
        }
        if (!readVideoPacket(packets)) {
            avcodec_send_packet(codec, nullptr);
            draining = true;
            continue;
        }
        const PacketUse use = classify(target, skipUnneeded, first);
        if (use == PacketUse::Stop) {
            av_packet_unref(packet);
            avcodec_send_packet(codec, nullptr); // hands out the frames held for reordering
            draining = true;
            continue;
        }
        codec->skip_frame = use == PacketUse::IfReferenced ? AVDISCARD_NONREF : AVDISCARD_DEFAULT;
        avcodec_send_packet(codec, packet); // a damaged packet is dropped, the next may decode
        av_packet_unref(packet);
    }
    error = QStringLiteral("decoding took too long");
    return Landing::Failed;
}

QImage MediaAsset::Media::toImage(const AVFrame* source)
{
    bool fullRange = source->color_range == AVCOL_RANGE_JPEG;
    const AVPixelFormat pixels = plainFormat(AVPixelFormat(source->format), fullRange);
    if (source->width <= 0 || source->height <= 0 || source->width > kMaxSide || source->height > kMaxSide
        || !av_pix_fmt_desc_get(pixels))
        return {};
    const QSize size = displaySize(source->width, source->height,
                                   av_guess_sample_aspect_ratio(format, stream, const_cast<AVFrame*>(source)));
    scaler = sws_getCachedContext(scaler, source->width, source->height, pixels, size.width(), size.height(),
                                  AV_PIX_FMT_RGB32, SWS_BILINEAR, nullptr, nullptr, nullptr);
    if (!scaler)
        return {};
    // Unmarked streams: BT.709 for HD pictures, BT.601 below, as players assume.
    int colours = source->colorspace;
    if (colours == AVCOL_SPC_UNSPECIFIED || colours == AVCOL_SPC_RESERVED || colours >= AVCOL_SPC_NB)
        colours = source->height >= 720 ? AVCOL_SPC_BT709 : AVCOL_SPC_BT470BG;
    const int* coefficients = sws_getCoefficients(colours);
    sws_setColorspaceDetails(scaler, coefficients, fullRange, coefficients, 1, 0, 1 << 16, 1 << 16);
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        return {};
    uint8_t* planes[4] = {image.bits(), nullptr, nullptr, nullptr};
    const int strides[4] = {int(image.bytesPerLine()), 0, 0, 0};
    if (sws_scale(scaler, source->data, source->linesize, 0, source->height, planes, strides) <= 0)
        return {};
    return image;
}

MediaAsset::MediaAsset(const QString& path) : m(std::make_unique<Media>()), mPath(path)
{
    pmQuietFfmpeg();
    m->deadline = Clock::now() + kOpenTimeLimit;
    mError = m->open(path);
    if (!mError.isEmpty()) {
        pmWriteLogText(QStringLiteral("MediaAsset::MediaAsset - cannot open %1: %2").arg(path, mError));
        m.reset();
        return;
    }
    if (m->format->duration > 0)
        mDuration = double(m->format->duration) / AV_TIME_BASE;
    else if (m->stream->duration > 0)
        mDuration = double(m->stream->duration) * av_q2d(m->stream->time_base);
    const AVCodecParameters* p = m->stream->codecpar;
    mNaturalSize = displaySize(p->width, p->height, av_guess_sample_aspect_ratio(m->format, m->stream, nullptr));
}

MediaAsset::~MediaAsset() = default;

bool MediaAsset::isValid() const
{
    return m != nullptr;
}

QString MediaAsset::errorString() const
{
    return mError;
}

double MediaAsset::duration() const
{
    return mDuration;
}

QSize MediaAsset::naturalSize() const
{
    return mNaturalSize;
}

double MediaAsset::actualTime() const
{
    return mActualTime;
}

QImage MediaAsset::fail(const QString& reason)
{
    mError = reason;
    mActualTime = -1;
    pmWriteLogText(QStringLiteral("MediaAsset::imageAt - %1: %2").arg(mPath, reason));
    return {};
}

QImage MediaAsset::imageAt(double seconds)
{
    if (!m)
        return fail(mError);
    if (!std::isfinite(seconds) || seconds < 0)
        return fail(QStringLiteral("invalid time %1").arg(seconds));
    m->deadline = Clock::now() + kPictureTimeLimit;
    const int64_t target = m->toStreamTime(std::max(0.0, seconds - kTimeTolerance));
    // Near the end the picture may be the last frame, which must not be skipped.
    const bool skipUnneeded = seconds < m->lastFrameBound();
    QString error;
    auto landing = m->seekBefore(target) ? m->decodeTo(target, skipUnneeded, true, error) : Media::Landing::Missed;
    if (landing == Media::Landing::Missed && m->scanFromStart(target, error))
        landing = m->decodeTo(target, skipUnneeded, false, error);
    if (landing != Media::Landing::Found)
        return fail(error.isEmpty() ? QStringLiteral("no picture could be decoded") : error);
    QImage image = m->toImage(m->picture);
    if (image.isNull())
        return fail(QStringLiteral("the picture cannot be converted"));
    mError.clear();
    mActualTime = m->pictureTime == AV_NOPTS_VALUE ? seconds : m->toSeconds(m->pictureTime);
    return image;
}

QFuture<QImage> MediaAsset::imageAtAsync(const QString& path, double seconds)
{
    return QtConcurrent::run([path, seconds] { return MediaAsset(path).imageAt(seconds); });
}
