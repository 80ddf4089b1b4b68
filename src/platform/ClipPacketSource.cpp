#include "ClipPacketSource.h"

#include "ClipJob.h"

#include <limits>

namespace {

// Times closer than this to a bound count as on it (container time bases round).
constexpr double kTimeTolerance = 1e-6;
// More frames than this after the end, all needed by frames before it, mean a broken stream.
constexpr size_t kMaxHeld = 64;

} // namespace

ClipPacketSource::ClipPacketSource(ClipJob& job, ClipStretches stretches, bool video, bool audio)
    : mJob(job), mStretches(std::move(stretches))
{
    mRoutes[Video].wanted = video;
    mRoutes[Audio].wanted = audio;
}

bool ClipPacketSource::start()
{
    return !mStretches.empty() && openStretch();
}

const AVStream* ClipPacketSource::stream(Kind kind) const
{
    if (!mOpen)
        return nullptr;
    return kind == Video ? mInput.video() : mInput.audio();
}

void ClipPacketSource::route(Kind kind, int outputStream, AVRational timeBase)
{
    mRoutes[kind].stream = outputStream;
    mRoutes[kind].timeBase = timeBase;
    mRoutes[kind].wanted = outputStream >= 0;
}

bool ClipPacketSource::openStretch()
{
    const ClipStretch& stretch = mStretches[mIndex];
    mInput = ClipInput();
    mHeld.clear();
    mOpen = true;
    for (Route& r : mRoutes)
        r.done = !r.wanted;
    if (stretch.path.isEmpty()) {
        mRoutes[Video].done = mRoutes[Audio].done = true;
        return true;
    }
    if (!mInput.open(stretch.path, mJob))
        return false;
    if (!mInput.seekBefore(stretch.in) && stretch.in > 0)
        return mJob.fail(ClipFailure::ReadFailed, QStringLiteral("cannot seek in %1").arg(stretch.path));
    mRoutes[Video].done |= !mInput.video();
    mRoutes[Audio].done |= !mInput.audio();
    for (Route& r : mRoutes)
        r.shiftSet = false;
    return true;
}

void ClipPacketSource::finishStretch()
{
    mHeld.clear();
    mInput = ClipInput();
    mOpen = false;
    ++mIndex;
}

bool ClipPacketSource::next(AVPacket* packet)
{
    while (mReady.empty()) {
        if (mJob.stopped() || mJob.failed())
            return false;
        if (!mOpen && (mIndex >= mStretches.size() || !openStretch()))
            return false;
        if (!readStretch())
            return false;
    }
    av_packet_move_ref(packet, mReady.front().get());
    mReady.pop_front();
    return true;
}

double ClipPacketSource::peekTime()
{
    AvPacketPtr packet = pmNewPacket();
    if (!next(packet.get()))
        return std::numeric_limits<double>::infinity();
    const Route& r = mRoutes[packet->stream_index == mRoutes[Video].stream ? Video : Audio];
    const double time = double(packet->dts) * av_q2d(r.timeBase);
    mReady.push_front(std::move(packet));
    return time;
}

// Reads one packet of the open stretch; false when the job failed.
bool ClipPacketSource::readStretch()
{
    if (mRoutes[Video].done && mRoutes[Audio].done) {
        finishStretch();
        return true;
    }
    const int read = av_read_frame(mInput.format(), mRead.get());
    if (read == AVERROR_EOF) {
        finishStretch();
        return true;
    }
    if (read < 0) {
        if (mJob.stopped())
            return false;
        return mJob.fail(ClipFailure::ReadFailed, QStringLiteral("cannot read %1: %2").arg(mInput.path(), pmAvError(read)));
    }
    const AVStream* from = mInput.format()->streams[mRead->stream_index];
    if (from == mInput.video() && !mRoutes[Video].done)
        return take(mRead.get(), mRoutes[Video], from);
    if (from == mInput.audio() && !mRoutes[Audio].done)
        return take(mRead.get(), mRoutes[Audio], from);
    av_packet_unref(mRead.get());
    return true;
}

bool ClipPacketSource::take(AVPacket* packet, Route& route, const AVStream* from)
{
    if (packet->dts == AV_NOPTS_VALUE)
        packet->dts = packet->pts;
    if (packet->pts == AV_NOPTS_VALUE)
        packet->pts = packet->dts;
    if (packet->pts == AV_NOPTS_VALUE) { // nowhere to put it
        av_packet_unref(packet);
        return true;
    }
    const ClipStretch& stretch = mStretches[mIndex];
    const double end = stretch.out - kTimeTolerance;
    const double shown = mInput.toSeconds(from, packet->pts);
    if (&route == &mRoutes[Audio]) {
        const double length = double(packet->duration) * av_q2d(from->time_base);
        if (shown >= end)
            route.done = true;
        if (shown >= end || shown + length <= stretch.in + kTimeTolerance)
            av_packet_unref(packet);
        else
            place(packet, route, from);
        return true;
    }
    // No frame decoded at or after the end is shown before it.
    if (mInput.toSeconds(from, packet->dts) >= end) {
        route.done = true;
        av_packet_unref(packet);
        return true;
    }
    AvPacketPtr copy = pmNewPacket();
    av_packet_move_ref(copy.get(), packet);
    if (shown >= end) {
        if (mHeld.size() >= kMaxHeld)
            route.done = true;
        else
            mHeld.push_back(std::move(copy));
        return true;
    }
    // A frame before the end: the ones after it that came first are its references.
    for (AvPacketPtr& held : mHeld)
        place(held.get(), route, from);
    mHeld.clear();
    place(copy.get(), route, from);
    mJob.reached(stretch.clipStart + shown - stretch.in);
    return true;
}

// Moves the packet onto the clip's time line and queues it; a packet whose decoding time
// would not increase (a damaged index) is dropped, as the muxer would refuse it.
void ClipPacketSource::place(AVPacket* packet, Route& route, const AVStream* from)
{
    const ClipStretch& stretch = mStretches[mIndex];
    const int64_t in = mInput.toStreamTime(from, stretch.in);
    packet->pts -= in;
    packet->dts -= in;
    av_packet_rescale_ts(packet, from->time_base, route.timeBase);
    const int64_t start = llround(stretch.clipStart / av_q2d(route.timeBase));
    if (!route.shiftSet) {
        const int64_t dts = packet->dts + start;
        route.shift = route.lastDts != INT64_MIN && dts <= route.lastDts ? route.lastDts + 1 - dts : 0;
        route.shiftSet = true;
    }
    packet->pts += start + route.shift;
    packet->dts += start + route.shift;
    if (packet->dts <= route.lastDts || packet->pts < packet->dts) {
        av_packet_unref(packet);
        return;
    }
    route.lastDts = packet->dts;
    packet->stream_index = route.stream;
    packet->pos = -1;
    AvPacketPtr placed = pmNewPacket();
    av_packet_move_ref(placed.get(), packet);
    mReady.push_back(std::move(placed));
}
