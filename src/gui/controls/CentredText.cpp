#include "CentredText.h"

#include "TextLayout.h"

#include <QPainter>

void pmDrawCentredText(QPainter& painter, const QRectF& yUpRect, int viewHeight, const QString& text)
{
    QFont font("Helvetica");
    font.setPixelSize(14);
    QRectF line = yUpRect;
    pmAdjustTextRect(line, font, 1);
    const QRectF drawn(line.x(), viewHeight - line.y() - line.height(), line.width(), line.height());
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(drawn, Qt::AlignCenter, text);
}
