#pragma once
// Makes the video files of the sample card with Debian's ffmpeg: small frames, a running
// clock of the recording time burnt in, at most two encoders at a time.

#include "CardPlan.h"

#include <string>
#include <vector>

struct EncodeJob {
    std::vector<std::string> arguments; // ffmpeg's, without the program name
    std::string output;
};

class ClipEncoder {
public:
    ClipEncoder();

    bool hasFfmpeg() const;
    EncodeJob recording(const PlannedClip& clip, bool rearCamera, const std::string& output) const;
    // A short H.265 clip in MP4 (a codec the card's readers refuse).
    EncodeJob hevc(const std::string& output) const;
    // Runs the jobs, two at a time; false when any of them failed.
    bool run(const std::vector<EncodeJob>& jobs) const;

private:
    std::string mFont;
};
