#include "ClipRemuxer.h"

#include "ClipJob.h"
#include "ClipOutput.h"
#include "ClipPacketSource.h"

#include <algorithm>
#include <optional>

namespace {

bool samePaths(const ClipStretches& a, const ClipStretches& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const ClipStretch& x, const ClipStretch& y) { return x.path == y.path; });
}

// Adds an output stream for the source's stream of that kind and routes the packets there.
bool addRoute(ClipPacketSource& source, ClipPacketSource::Kind kind, ClipOutput& output)
{
    const AVStream* stream = source.stream(kind);
    if (!stream) {
        source.route(kind, -1, {1, 1});
        return true;
    }
    const int index = output.addStream(stream->codecpar, stream->time_base);
    source.route(kind, index, stream->time_base);
    return index >= 0;
}

} // namespace

bool ClipRemuxer::run(const ClipStretches& video, const ClipStretches& sound)
{
    const bool soundAlong = !sound.empty() && samePaths(video, sound);
    ClipPacketSource pictures(mJob, video, true, soundAlong);
    if (!pictures.start() || !addRoute(pictures, ClipPacketSource::Video, mOutput))
        return false;
    if (soundAlong && !addRoute(pictures, ClipPacketSource::Audio, mOutput))
        return false;
    std::optional<ClipPacketSource> voice;
    if (!sound.empty() && !soundAlong) {
        voice.emplace(mJob, sound, false, true);
        if (!voice->start() || !addRoute(*voice, ClipPacketSource::Audio, mOutput))
            return false;
    }
    if (!mOutput.writeHeader())
        return false;
    AvPacketPtr packet = pmNewPacket();
    for (;;) {
        // The earlier of the two sources' next packets, so the muxer need not hold either.
        ClipPacketSource& from = voice && voice->peekTime() < pictures.peekTime() ? *voice : pictures;
        if (!from.next(packet.get()))
            break;
        if (!mOutput.write(packet.get()))
            return false;
    }
    return !mJob.stopped() && !mJob.failed();
}
