#pragma once
// An export worked out from its request and its recordings: what each camera shows along the
// clip's time line, their picture formats, and the sound.

#include "ClipExporter.h"
#include "ClipStretch.h"
#include "ClipVideoSource.h"

#include <optional>
#include <vector>

struct ClipPlan {
    ClipCameras cameras = ClipCameras::Front;
    ClipStretches main;                       // the camera shown alone, or the front
    ClipPictureFormat mainFormat;             // its rate is the clip's
    ClipStretches second;                     // the rear beside or inside it; empty for one camera
    std::optional<ClipPictureFormat> secondFormat;
    const std::vector<ClipOverlayCue>* overlay = nullptr;
    ClipStretches sound;                      // the front's recordings; empty: no sound
    int sampleRate = 0;
    int channels = 0;
};
