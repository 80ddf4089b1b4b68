#include "ClipRequest.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

ClipRequest pmClipRequest(const std::vector<ClipPart>& parts, ClipCameras cameras, ClipOverlay overlay, bool sound,
                          int speedUnit, const QString& output)
{
    ClipRequest request;
    request.cameras = cameras;
    request.sound = sound;
    request.output = output;
    for (const ClipPart& part : parts)
        request.segments.push_back({QFile::decodeName(part.front.c_str()), QFile::decodeName(part.rear.c_str()),
                                    part.in, part.out});
    request.overlay = pmClipOverlayCues(pmClipTrackSpans(parts), overlay, speedUnit);
    return request;
}

bool pmClipHasRear(const std::vector<ClipPart>& parts)
{
    return std::any_of(parts.begin(), parts.end(), [](const ClipPart& part) { return !part.rear.empty(); });
}

QString pmClipSidecarPath(const QString& clipPath)
{
    const QFileInfo clip(clipPath);
    return clip.dir().filePath(clip.completeBaseName() + QLatin1String(".gpx"));
}
