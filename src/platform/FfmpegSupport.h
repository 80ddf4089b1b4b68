#pragma once
// What every user of the FFmpeg libraries here shares: error texts, a quiet log, owning
// pointers that free the library's objects, and opening a recording the way the program
// trusts it (only its own containers, only local files, bounded by a deadline or a flag).

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavfilter/avfilter.h>
#include <libavformat/avformat.h>
}

#include <QString>

#include <memory>

// FFmpeg's text for an error code ("No space left on device").
QString pmAvError(int code);
// FFmpeg reports every damaged macroblock on standard error; the failures that matter come
// back to the callers as texts.
void pmQuietFfmpeg();

struct AvPacketFree {
    void operator()(AVPacket* p) const { av_packet_free(&p); }
};
struct AvFrameFree {
    void operator()(AVFrame* f) const { av_frame_free(&f); }
};
struct AvCodecFree {
    void operator()(AVCodecContext* c) const { avcodec_free_context(&c); }
};
struct AvInputClose {
    void operator()(AVFormatContext* f) const { avformat_close_input(&f); }
};
struct AvGraphFree {
    void operator()(AVFilterGraph* g) const { avfilter_graph_free(&g); }
};
using AvPacketPtr = std::unique_ptr<AVPacket, AvPacketFree>;
using AvFramePtr = std::unique_ptr<AVFrame, AvFrameFree>;
using AvCodecPtr = std::unique_ptr<AVCodecContext, AvCodecFree>;
using AvInputPtr = std::unique_ptr<AVFormatContext, AvInputClose>;
using AvGraphPtr = std::unique_ptr<AVFilterGraph, AvGraphFree>;

inline AvPacketPtr pmNewPacket() { return AvPacketPtr(av_packet_alloc()); }
inline AvFramePtr pmNewFrame() { return AvFramePtr(av_frame_alloc()); }

// The containers recordings come in; anything else is refused rather than guessed at.
inline constexpr const char* kRecordingFormats = "mov,mp4,avi";

// How much opening a recording learns of its streams. An MP4 or MOV's headers say what copying
// and decoding need; decoding its first frames (avformat_find_stream_info) adds the pixel
// format and costs tens of milliseconds at 1080p. An AVI's headers say too little: it is
// always probed.
enum class StreamProbe { Decode, HeadersWhereEnough };

// Opens a recording (mov, mp4 or avi, local files only) and probes its streams; every
// blocking read asks interrupt(opaque) whether to give up. Empty text on success, else why.
QString pmOpenRecording(const QString& path, AVIOInterruptCB interrupt, AvInputPtr& format,
                        StreamProbe probe = StreamProbe::Decode);
// Whether the recording was opened by the MP4/MOV demuxer.
bool pmIsMovFamily(const AVFormatContext* format);
// A decoder for the stream, on that many threads (0: one per core), or none with the reason.
AvCodecPtr pmOpenDecoder(const AVStream* stream, QString& error, int threads = 0);
