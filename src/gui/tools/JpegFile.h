#pragma once
// Writing a picture as a JPEG file atomically: into a temporary file beside it, renamed over
// the name only once complete, so a failed write never leaves a broken or half picture.

#include <QImage>
#include <QString>

// With the encoder's default quality. False (and logged) when the file could not be written.
bool pmWriteJpegFile(const QImage& image, const QString& path);
