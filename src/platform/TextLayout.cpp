#include "TextLayout.h"

#include <QFontMetricsF>

void pmAdjustTextRect(QRectF& rect, const QFont& font, int alignment)
{
    const qreal textHeight = QFontMetricsF(font).boundingRect("TEST").height();
    const qreal spare = rect.height() - textHeight;
    if (alignment == 0)
        rect.moveTop(rect.top() + spare);
    else if (alignment == 1)
        rect.moveTop(rect.top() + spare / 2);
    rect.setHeight(textHeight);
}
