#include "FrameGrab.h"

#include <QList>

void pmWhenPictures(QFuture<QImage> front, QFuture<QImage> rear, QObject* context,
                    std::function<void(const QImage& front, const QImage& rear)> done)
{
    QList<QFuture<QImage>> pictures{front, rear};
    QtFuture::whenAll(pictures.begin(), pictures.end()).then(context, [done = std::move(done)](const QList<QFuture<QImage>>& results) {
        done(results.at(0).result(), results.at(1).result());
    });
}
