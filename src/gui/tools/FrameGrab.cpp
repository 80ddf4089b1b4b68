#include "FrameGrab.h"

#include "MediaAsset.h"

#include <QFuture>
#include <QList>

void pmGrabFrames(const QString& frontPath, const QString& rearPath, double seconds, QObject* context,
                  std::function<void(const QImage& front, const QImage& rear)> done)
{
    QList<QFuture<QImage>> pictures{MediaAsset::imageAtAsync(frontPath, seconds)};
    if (!rearPath.isEmpty())
        pictures.append(MediaAsset::imageAtAsync(rearPath, seconds));
    QtFuture::whenAll(pictures.begin(), pictures.end())
        .then(context, [done = std::move(done)](const QList<QFuture<QImage>>& results) {
            done(results.at(0).result(), results.size() > 1 ? results.at(1).result() : QImage());
        });
}
