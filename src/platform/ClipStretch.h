#pragma once
// One recording's part of a clip for one camera: which file, which of its seconds, and where
// they fall in the clip.

#include <QString>

#include <vector>

struct ClipStretch {
    QString path;          // empty: the camera has nothing for this part
    double in = 0;         // seconds into the recording
    double out = 0;
    double clipStart = 0;  // where `in` falls in the clip

    double clipEnd() const { return clipStart + out - in; }
};

using ClipStretches = std::vector<ClipStretch>;
