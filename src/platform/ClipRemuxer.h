#pragma once
// A clip of one camera without an overlay: the recordings' packets copied into the MP4, with
// the sound from the same recordings or from the other camera's, interleaved by time.

#include "ClipStretch.h"

class ClipJob;
class ClipOutput;

class ClipRemuxer {
public:
    ClipRemuxer(ClipJob& job, ClipOutput& output) : mJob(job), mOutput(output) {}
    // sound: empty for none; the same paths as video take the sound along with the pictures.
    bool run(const ClipStretches& video, const ClipStretches& sound);

private:
    ClipJob& mJob;
    ClipOutput& mOutput;
};
