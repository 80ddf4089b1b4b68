#pragma once
// One line of Helvetica 14 in white, centred in a rectangle given y-up (origin at the view's
// bottom-left) and fitted to the line's height: the titles of multi-state buttons and the
// play bar's time texts.

#include <QRectF>
#include <QString>

class QPainter;

void pmDrawCentredText(QPainter& painter, const QRectF& yUpRect, int viewHeight, const QString& text);
