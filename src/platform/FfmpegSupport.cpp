#include "FfmpegSupport.h"

#include <QFile>

#include <cstring>
#include <mutex>

QString pmAvError(int code)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return QString::fromUtf8(text);
}

void pmQuietFfmpeg()
{
    static std::once_flag once;
    std::call_once(once, [] { av_log_set_level(AV_LOG_QUIET); });
}

bool pmIsMovFamily(const AVFormatContext* format)
{
    return std::strstr(format->iformat->name, "mp4") != nullptr;
}

QString pmOpenRecording(const QString& path, AVIOInterruptCB interrupt, AvInputPtr& format, StreamProbe probe)
{
    AVFormatContext* context = avformat_alloc_context();
    if (!context)
        return QStringLiteral("out of memory");
    context->interrupt_callback = interrupt;
    AVDictionary* options = nullptr;
    av_dict_set(&options, "format_whitelist", kRecordingFormats, 0);
    av_dict_set(&options, "protocol_whitelist", "file", 0);
    const QByteArray name = QFile::encodeName(path);
    const int opened = avformat_open_input(&context, name.constData(), nullptr, &options);
    av_dict_free(&options);
    if (opened < 0)
        return pmAvError(opened); // avformat_open_input freed the context
    format.reset(context);
    if (probe == StreamProbe::HeadersWhereEnough && pmIsMovFamily(context))
        return {};
    if (const int probed = avformat_find_stream_info(context, nullptr); probed < 0)
        return pmAvError(probed);
    return {};
}

AvCodecPtr pmOpenDecoder(const AVStream* stream, QString& error, int threads)
{
    const AVCodec* decoder = avcodec_find_decoder(stream->codecpar->codec_id);
    if (!decoder) {
        error = QStringLiteral("no decoder for %1").arg(QString::fromUtf8(avcodec_get_name(stream->codecpar->codec_id)));
        return {};
    }
    AvCodecPtr codec(avcodec_alloc_context3(decoder));
    if (!codec || avcodec_parameters_to_context(codec.get(), stream->codecpar) < 0) {
        error = QStringLiteral("out of memory");
        return {};
    }
    // Frame threads for the run of frames after a key frame.
    codec->thread_count = threads;
    codec->thread_type = FF_THREAD_FRAME | FF_THREAD_SLICE;
    codec->pkt_timebase = stream->time_base;
    if (const int result = avcodec_open2(codec.get(), decoder, nullptr); result < 0) {
        error = pmAvError(result);
        return {};
    }
    return codec;
}
