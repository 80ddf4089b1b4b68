#pragma once
// The pictures of the front and rear recordings at one time, decoded on worker threads so the
// window stays responsive; the answer arrives on the context object's thread.

#include <QImage>
#include <QObject>
#include <QString>

#include <functional>

// rearPath empty: single camera, the rear picture comes back null. A picture that cannot be
// decoded comes back null as well.
void pmGrabFrames(const QString& frontPath, const QString& rearPath, double seconds, QObject* context,
                  std::function<void(const QImage& front, const QImage& rear)> done);
