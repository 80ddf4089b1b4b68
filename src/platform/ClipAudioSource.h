#pragma once
// The front camera's sound along a clip's time line, encoded as AAC: each recording's samples
// from its part's start to its end, silence where a recording has no sound or the sound
// stops early, so the sound stays in step with the pictures across the recordings.

#include "ClipInput.h"
#include "ClipStretch.h"

#include <cstdint>

struct AVAudioFifo;
class ClipJob;
class ClipOutput;

class ClipAudioSource {
public:
    ClipAudioSource(ClipJob& job, ClipOutput& output, ClipStretches stretches);
    ~ClipAudioSource();
    ClipAudioSource(const ClipAudioSource&) = delete;
    ClipAudioSource& operator=(const ClipAudioSource&) = delete;

    // Opens the encoder at the sample rate and channel count of the first recording with
    // sound, and adds the output stream; false when the job failed.
    bool start(int sampleRate, int channels, double duration);
    // Encodes and writes the sound up to that clip time.
    bool writeUntil(double clipTime);
    // The rest of the sound up to the clip's end.
    bool finish();

private:
    bool openStretch();
    bool buildConverter(const AVCodecContext* decoder);
    bool readPacket();
    bool convert(AVFrame* decoded);
    bool drainConverter();
    void place(const AVFrame* converted);
    void appendSilence(int64_t samples);
    bool encodeFrames(bool last);
    bool receivePackets();
    bool encodingFailed();
    void endStretch();

    ClipJob& mJob;
    ClipOutput& mOutput;
    ClipStretches mStretches;
    size_t mIndex = 0;
    bool mOpen = false;
    bool mEnded = false;       // every stretch read
    ClipInput mInput;
    AvCodecPtr mDecoder;
    AvGraphPtr mConverter;
    AVFilterContext* mConvertIn = nullptr;
    AVFilterContext* mConvertOut = nullptr;
    AvCodecPtr mEncoder;
    int mStream = -1;
    AVAudioFifo* mFifo = nullptr;
    int64_t mTotal = 0;        // samples of the whole clip
    int64_t mWritten = 0;      // samples placed on the clip's time line
    int64_t mEncoded = 0;      // samples handed to the encoder
    AvPacketPtr mPacket = pmNewPacket();
    AvFramePtr mFrame = pmNewFrame();
};
