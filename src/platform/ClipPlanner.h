#pragma once
// Works out an export from its request: checks every part's times against its recordings,
// decides whether the packets can simply be copied (one camera, no overlay, recordings an MP4
// takes as they are and that follow each other in one track), and learns the picture formats
// the filter graph takes when they cannot.

#include "ClipPlan.h"
#include "ClipProbe.h"

#include <memory>

class ClipJob;

class ClipPlanner {
public:
    explicit ClipPlanner(ClipJob& job) : mJob(job), mProbe(job) {}
    // The plan, or none with the job's failure set.
    std::unique_ptr<ClipPlan> plan(const ClipRequest& request);
    bool copyable() const { return mCopyable; }

private:
    bool addSegment(const ClipRequest& request, const ClipSegment& segment, ClipPlan& plan);
    bool checkRange(const RecordingFacts& facts, const QString& path, const ClipSegment& segment);
    const RecordingFacts* optionalFacts(const QString& path, bool& failed);
    bool learnPictureFormats(ClipPlan& plan);

    ClipJob& mJob;
    ClipProbe mProbe;
    const RecordingFacts* mFirstMain = nullptr;
    const RecordingFacts* mFirstSound = nullptr;
    bool mCopyable = true;
    double mClipTime = 0; // where the next part starts in the clip
};
