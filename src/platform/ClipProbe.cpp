#include "ClipProbe.h"

#include "ClipInput.h"
#include "ClipJob.h"

namespace {

QByteArray setupOf(const AVCodecParameters* p)
{
    return QByteArray(reinterpret_cast<const char*>(p->extradata), p->extradata_size);
}

} // namespace

bool RecordingFacts::videoCopyable() const
{
    return movFamily && (videoCodec == AV_CODEC_ID_H264 || videoCodec == AV_CODEC_ID_HEVC) && !videoSetup.isEmpty();
}

bool RecordingFacts::sameVideo(const RecordingFacts& other) const
{
    return videoCodec == other.videoCodec && picture.width == other.picture.width
        && picture.height == other.picture.height && videoSetup == other.videoSetup;
}

bool RecordingFacts::sameSound(const RecordingFacts& other) const
{
    return audioCodec == other.audioCodec && sampleRate == other.sampleRate && channels == other.channels
        && audioSetup == other.audioSetup;
}

const RecordingFacts* ClipProbe::facts(const QString& path, StreamProbe probe)
{
    auto known = mKnown.find(path);
    if (known != mKnown.end() && (probe == StreamProbe::HeadersWhereEnough || known->second.decoded))
        return &known->second;
    ClipInput input;
    if (!input.open(path, mJob, probe))
        return nullptr;
    RecordingFacts facts;
    facts.decoded = probe == StreamProbe::Decode || !input.isMovFamily();
    facts.duration = input.duration();
    const AVCodecParameters* video = input.video()->codecpar;
    facts.picture.width = video->width;
    facts.picture.height = video->height;
    if (video->format >= 0)
        facts.picture.format = AVPixelFormat(video->format);
    facts.picture.rate = input.frameRate();
    facts.videoCodec = video->codec_id;
    facts.videoSetup = setupOf(video);
    facts.movFamily = input.isMovFamily();
    if (const AVStream* audio = input.audio()) {
        facts.audioCodec = audio->codecpar->codec_id;
        facts.sampleRate = audio->codecpar->sample_rate;
        facts.channels = audio->codecpar->ch_layout.nb_channels;
        facts.audioSetup = setupOf(audio->codecpar);
    }
    return &(mKnown[path] = facts);
}
