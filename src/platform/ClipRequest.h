#pragma once
// What a clip export is asked to make: the recordings' parts in playing order, the cameras,
// the overlay texts, the sound and the file.

#include "display/ClipOverlayText.h"
#include "export/ClipParts.h"

#include <QString>

#include <vector>

// One recording's part of the clip: the same seconds of both cameras' recordings.
struct ClipSegment {
    QString front;   // empty when the front camera has no recording of that moment
    QString rear;    // empty when the rear camera has none: its picture is black there
    double in = 0;   // seconds into the recordings
    double out = 0;
};

enum class ClipCameras { Front, Rear, SideBySide, PictureInPicture };

struct ClipRequest {
    std::vector<ClipSegment> segments;   // in playing order
    ClipCameras cameras = ClipCameras::Front;
    std::vector<ClipOverlayCue> overlay; // texts burnt into the picture; none: no overlay
    bool sound = true;                   // the front camera's sound
    QString output;                      // the MP4 file, replaced when it exists
};

// The request for a clip of these parts, the overlay texts made from their tracks.
ClipRequest pmClipRequest(const std::vector<ClipPart>& parts, ClipCameras cameras, ClipOverlay overlay, bool sound,
                          int speedUnit, const QString& output);
// The sidecar GPX beside a clip: the same name, ending in ".gpx".
QString pmClipSidecarPath(const QString& clipPath);
// Whether the parts hold a rear recording at all (else only the front can be exported).
bool pmClipHasRear(const std::vector<ClipPart>& parts);
