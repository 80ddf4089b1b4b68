#pragma once
// Bars draw their background as copies side by side from the left, (width / image width) + 1
// of them, resting on the bar's bottom edge. A missing image draws nothing.

#include <QImage>
#include <QPainter>

inline void pmDrawTiledBackground(QPainter& painter, const QImage& image, int width, int height)
{
    if (image.isNull())
        return;
    const int copies = width / image.width() + 1;
    const int y = height - image.height();
    for (int i = 0; i < copies; ++i)
        painter.drawImage(i * image.width(), y, image);
}
