#include "GstPlayer.h"

#include <QList>
#include <QTimer>
#include <QUrl>

#include <gst/app/gstappsink.h>
#include <gst/gst.h>
#include <gst/video/video.h>

#include <atomic>
#include <cmath>
#include <mutex>
#include <thread>
#include <utility>

namespace {

std::atomic<int> gStopping{0};
// The longest a player with its first picture waits for the others it is to start with.
constexpr int kMaxStartWaitMs = 500;
thread_local bool gRecalculatingLatency = false;

// playbin's flags: video, audio and volume in software; no subtitles, no deinterlacing nor
// colour balance, which a dash camera's progressive recordings never need.
constexpr guint kFlagVideo = 0x1;
constexpr guint kFlagAudio = 0x2;
constexpr guint kFlagSoftVolume = 0x10;

gint64 toNanoseconds(double seconds)
{
    return gint64(std::llround(std::max(seconds, 0.0) * 1e9));
}

} // namespace

// The pipeline's threads reach the player through this: the player detaches it before it goes,
// and whatever was already posted to it is dropped with it by Qt.
class GstPlayerRelay {
public:
    explicit GstPlayerRelay(GstPlayer* target) : mTarget(target) {}

    void detach()
    {
        std::lock_guard lock(mMutex);
        mTarget = nullptr;
    }

    template <typename Action> void post(Action action)
    {
        std::lock_guard lock(mMutex);
        if (mTarget)
            QMetaObject::invokeMethod(
                mTarget, [target = mTarget, action] { action(target); }, Qt::QueuedConnection);
    }

    // Wraps the sample's mapped picture without a copy; the mapped frame holds its buffer for as
    // long as the picture lives. The sample itself goes at once: the sink reuses it for the next
    // one and may not change one that is still held.
    static GstFlowReturn onSample(GstAppSink* sink, gpointer data, bool preroll)
    {
        GstSample* sample = preroll ? gst_app_sink_pull_preroll(sink) : gst_app_sink_pull_sample(sink);
        if (!sample)
            return GST_FLOW_ERROR;
        GstVideoInfo info;
        GstBuffer* buffer = gst_sample_get_buffer(sample);
        auto* frame = new GstVideoFrame;
        if (!buffer || !gst_video_info_from_caps(&info, gst_sample_get_caps(sample)) ||
            !gst_video_frame_map(frame, &info, buffer, GST_MAP_READ)) {
            delete frame;
            gst_sample_unref(sample);
            return GST_FLOW_OK;
        }
        const GstSegment* segment = gst_sample_get_segment(sample);
        const guint64 pts = GST_BUFFER_PTS(buffer);
        const guint64 streamTime =
            segment && GST_CLOCK_TIME_IS_VALID(pts) ? gst_segment_to_stream_time(segment, GST_FORMAT_TIME, pts) : pts;
        const double seconds = GST_CLOCK_TIME_IS_VALID(streamTime) ? double(streamTime) / 1e9 : -1.0;
        gst_sample_unref(sample);
        const QImage picture(static_cast<const uchar*>(GST_VIDEO_FRAME_PLANE_DATA(frame, 0)), GST_VIDEO_FRAME_WIDTH(frame),
                             GST_VIDEO_FRAME_HEIGHT(frame), GST_VIDEO_FRAME_PLANE_STRIDE(frame, 0), QImage::Format_RGB32,
                             [](void* held) {
                                 auto* mapped = static_cast<GstVideoFrame*>(held);
                                 gst_video_frame_unmap(mapped);
                                 delete mapped;
                             },
                             frame);
        static_cast<GstPlayerRelay*>(data)->post(
            [picture, seconds](GstPlayer* player) { player->onPicture(picture, seconds); });
        return GST_FLOW_OK;
    }

    static GstBusSyncReply onMessage(GstBus*, GstMessage* message, gpointer data)
    {
        auto* relay = static_cast<GstPlayerRelay*>(data);
        switch (GST_MESSAGE_TYPE(message)) {
        case GST_MESSAGE_EOS: relay->post([](GstPlayer* player) { emit player->ended(); }); break;
        case GST_MESSAGE_ASYNC_DONE: relay->post([](GstPlayer* player) { player->onPrerolled(); }); break;
        case GST_MESSAGE_ERROR: {
            GError* error = nullptr;
            gst_message_parse_error(message, &error, nullptr);
            const QString text = QString::fromUtf8(error ? error->message : "unknown error");
            g_clear_error(&error);
            relay->post([text](GstPlayer* player) {
                player->arriveAtGate();
                emit player->failed(text);
            });
            break;
        }
        default: break;
        }
        return GST_BUS_DROP;
    }

private:
    std::mutex mMutex;
    GstPlayer* mTarget;
};

namespace {

// A copy of the relay's shared pointer for each of the pipeline's callbacks, freed by it.
gpointer holdRelay(const std::shared_ptr<GstPlayerRelay>& relay)
{
    return new std::shared_ptr<GstPlayerRelay>(relay);
}

void dropRelay(gpointer held)
{
    delete static_cast<std::shared_ptr<GstPlayerRelay>*>(held);
}

GstPlayerRelay* relayOf(gpointer held)
{
    return static_cast<std::shared_ptr<GstPlayerRelay>*>(held)->get();
}

GstElement* makeVideoSink(const std::shared_ptr<GstPlayerRelay>& relay)
{
    GstElement* sink = gst_element_factory_make("appsink", nullptr);
    GstCaps* caps = gst_caps_new_simple("video/x-raw", "format", G_TYPE_STRING, "BGRx", nullptr);
    // Two pictures at most wait for the GUI thread: a late one is dropped, not queued.
    g_object_set(sink, "caps", caps, "max-buffers", 2u, "drop", TRUE, "enable-last-sample", FALSE, nullptr);
    gst_caps_unref(caps);
    GstAppSinkCallbacks callbacks{};
    callbacks.new_preroll = [](GstAppSink* s, gpointer data) { return GstPlayerRelay::onSample(s, relayOf(data), true); };
    callbacks.new_sample = [](GstAppSink* s, gpointer data) { return GstPlayerRelay::onSample(s, relayOf(data), false); };
    gst_app_sink_set_callbacks(GST_APP_SINK(sink), &callbacks, holdRelay(relay), dropRelay);
    return sink;
}

} // namespace

struct GstPlayer::StartGate {
    QList<GstPlayer*> held;    // rest on their first picture
    QList<GstPlayer*> awaited; // have no first picture yet
    bool deadlineSet = false;

    void open()
    {
        for (GstPlayer* player : std::exchange(held, {})) {
            player->mGate.reset();
            player->applyState();
        }
    }
};

void GstPlayer::startTogether(const QList<GstPlayer*>& players)
{
    auto gate = std::make_shared<StartGate>();
    for (GstPlayer* player : players) {
        if (player && !player->mPrerolled && !player->mGate)
            gate->awaited << player;
    }
    // One alone has nobody to wait for: the others already run.
    if (gate->awaited.size() < 2)
        return;
    for (GstPlayer* player : gate->awaited) {
        gate->held << player;
        player->mGate = gate;
        player->applyState();
    }
}

void GstPlayer::arriveAtGate()
{
    const std::shared_ptr<StartGate> gate = mGate;
    if (!gate || !gate->awaited.removeOne(this))
        return;
    if (gate->awaited.isEmpty()) {
        gate->open();
    } else if (!std::exchange(gate->deadlineSet, true)) {
        QTimer::singleShot(kMaxStartWaitMs, [weak = std::weak_ptr<StartGate>(gate)] {
            if (const std::shared_ptr<StartGate> waiting = weak.lock())
                waiting->open();
        });
    }
}

void GstPlayer::applyState()
{
    if (mPipeline)
        gst_element_set_state(mPipeline, mPlaying && !mGate ? GST_STATE_PLAYING : GST_STATE_PAUSED);
}

void GstPlayer::initialize()
{
    static std::once_flag once;
    std::call_once(once, [] {
        gst_init(nullptr, nullptr);
        // The factories of the usual recording: loaded now rather than at the first opening.
        for (const char* name : {"playbin", "appsink", "qtdemux", "h264parse", "avdec_h264", "videoconvert"}) {
            if (GstElementFactory* factory = gst_element_factory_find(name)) {
                GstPluginFeature* loaded = gst_plugin_feature_load(GST_PLUGIN_FEATURE(factory));
                if (loaded)
                    gst_object_unref(loaded);
                gst_object_unref(factory);
            }
        }
    });
}

int GstPlayer::stoppingCount()
{
    return gStopping.load();
}

GstPlayer::GstPlayer(const QString& path, bool withAudio, int openDelayMs, QObject* parent)
    : QObject(parent), mRelay(std::make_shared<GstPlayerRelay>(this))
{
    if (openDelayMs > 0)
        QTimer::singleShot(openDelayMs, this, [this, path, withAudio] { open(path, withAudio); });
    else
        open(path, withAudio);
}

void GstPlayer::open(const QString& path, bool withAudio)
{
    initialize();
    mPipeline = gst_element_factory_make("playbin", nullptr);
    if (!mPipeline) {
        QMetaObject::invokeMethod(
            this, [this] { emit failed(QStringLiteral("no playbin element")); }, Qt::QueuedConnection);
        return;
    }
    const QByteArray uri = QUrl::fromLocalFile(path).toEncoded();
    g_object_set(mPipeline, "uri", uri.constData(), "flags", kFlagVideo | (withAudio ? kFlagAudio | kFlagSoftVolume : 0u),
                 "video-sink", makeVideoSink(mRelay), "volume", mVolume, "mute", gboolean(mMuted), nullptr);
    GstBus* bus = gst_element_get_bus(mPipeline);
    gst_bus_set_sync_handler(
        bus, [](GstBus* b, GstMessage* m, gpointer data) { return GstPlayerRelay::onMessage(b, m, relayOf(data)); },
        holdRelay(mRelay), dropRelay);
    gst_object_unref(bus);
    // The pipeline would redo its latency in the streaming thread that reported the change, and
    // that waits for the state lock a seek holds while it waits for that very thread.
    g_signal_connect_data(mPipeline, "do-latency", G_CALLBACK(+[](GstElement*, gpointer data) -> gboolean {
                              // The recalculation posted here asks again: that time it is done.
                              if (gRecalculatingLatency)
                                  return FALSE;
                              relayOf(data)->post([](GstPlayer* player) {
                                  gRecalculatingLatency = true;
                                  gst_bin_recalculate_latency(GST_BIN(player->mPipeline));
                                  gRecalculatingLatency = false;
                              });
                              return TRUE;
                          }),
                          holdRelay(mRelay), [](gpointer data, GClosure*) { dropRelay(data); }, GConnectFlags(0));
    applyState();
}

GstPlayer::~GstPlayer()
{
    mRelay->detach();
    if (mGate)
        mGate->held.removeAll(this);
    arriveAtGate();
    if (!mPipeline)
        return;
    // Stopping joins the pipeline's threads: not on the GUI thread.
    ++gStopping;
    std::thread([pipeline = mPipeline] {
        gst_element_set_state(pipeline, GST_STATE_NULL);
        gst_object_unref(pipeline);
        --gStopping;
    }).detach();
}

void GstPlayer::play()
{
    mPlaying = true;
    applyState();
}

void GstPlayer::pause()
{
    mPlaying = false;
    applyState();
}

void GstPlayer::setRate(double rate)
{
    if (rate <= 0 || rate == mRate)
        return;
    mRate = rate;
    if (!mPrerolled) {
        mPendingRate = true;
        return;
    }
    // A change of rate without a flush leaves the pipeline's position reports astray for a
    // while: the rate is set by an exact seek to where the picture stands.
    seekNow(position(), rate);
}

void GstPlayer::seek(double seconds)
{
    mSeekTarget = seconds;
    if (!mPrerolled) {
        mPendingSeek = seconds;
        return;
    }
    seekNow(seconds, mRate);
}

void GstPlayer::seekNow(double seconds, double rate)
{
    mSeekTarget = seconds;
    gst_element_seek(mPipeline, rate, GST_FORMAT_TIME, GstSeekFlags(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_ACCURATE),
                     GST_SEEK_TYPE_SET, toNanoseconds(seconds), GST_SEEK_TYPE_NONE, 0);
}

// An exact seek's first picture is the one of the time asked for, within a frame.
void GstPlayer::onPicture(const QImage& picture, double seconds)
{
    constexpr double kFrameSeconds = 0.1;
    if (mSeekTarget >= 0 && std::fabs(seconds - mSeekTarget) < kFrameSeconds)
        mSeekTarget = -1;
    emit pictureArrived(picture, seconds);
}

void GstPlayer::onPrerolled()
{
    if (mPrerolled)
        return;
    mPrerolled = true;
    if (mPendingSeek >= 0 || mPendingRate)
        seekNow(mPendingSeek >= 0 ? mPendingSeek : position(), mRate);
    else
        mSeekTarget = -1;
    mPendingSeek = -1;
    mPendingRate = false;
    arriveAtGate();
}

double GstPlayer::position() const
{
    if (mSeekTarget >= 0)
        return mSeekTarget;
    gint64 ns = 0;
    return mPipeline && gst_element_query_position(mPipeline, GST_FORMAT_TIME, &ns) && ns > 0 ? double(ns) / 1e9 : 0.0;
}

double GstPlayer::duration() const
{
    gint64 ns = 0;
    return mPipeline && gst_element_query_duration(mPipeline, GST_FORMAT_TIME, &ns) && ns > 0 ? double(ns) / 1e9 : 0.0;
}

void GstPlayer::setVolume(double volume)
{
    mVolume = std::clamp(volume, 0.0, 1.0);
    if (mPipeline)
        g_object_set(mPipeline, "volume", mVolume, nullptr);
}

void GstPlayer::setMuted(bool muted)
{
    mMuted = muted;
    if (mPipeline)
        g_object_set(mPipeline, "mute", gboolean(muted), nullptr);
}
