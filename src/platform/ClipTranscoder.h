#pragma once
// A clip that is decoded and encoded again: the main camera's frames, the second camera's
// when both are shown, composed (ClipComposer), encoded with x264 at the main camera's frame
// rate (ClipVideoEncoder), with the front camera's sound when asked.

#include "ClipComposer.h"
#include "ClipPlan.h"
#include "ClipVideoEncoder.h"

class ClipJob;
class ClipOutput;

class ClipTranscoder {
public:
    ClipTranscoder(ClipJob& job, ClipOutput& output) : mJob(job), mOutput(output) {}
    bool run(const ClipPlan& plan);

private:
    bool drainComposer(bool ending);
    bool writeCoded();
    bool encodingFailed();

    ClipJob& mJob;
    ClipOutput& mOutput;
    ClipComposer mComposer;
    ClipVideoEncoder mEncoder;
    int mStream = -1;
    AvFramePtr mComposed = pmNewFrame();
};
