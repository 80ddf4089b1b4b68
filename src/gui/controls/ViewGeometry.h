#pragma once
// The skinned views lay themselves out y-up, with the origin at the bottom-left corner, as
// their arithmetic is written; these turn such frames and points into Qt's top-down ones.

#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QSize>

inline QRect pmYUpToQt(const QRectF& yUp, double viewHeight)
{
    return QRectF(yUp.x(), viewHeight - yUp.y() - yUp.height(), yUp.width(), yUp.height()).toRect();
}

inline QPointF pmQtToYUp(const QPointF& point, int viewHeight)
{
    return QPointF(point.x(), viewHeight - point.y());
}

// A frame mirrored inside a container of the given width (right-to-left layouts).
inline QRectF pmMirrorRect(const QRectF& rect, double containerWidth)
{
    return QRectF(containerWidth - rect.width() - rect.x(), rect.y(), rect.width(), rect.height());
}

// A panel's natural size from its skin background, or the given size when the skin has none.
inline QSize sizeOr(const QSize& size, int width, int height)
{
    return size.isEmpty() ? QSize(width, height) : size;
}
