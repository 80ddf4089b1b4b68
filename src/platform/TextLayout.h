#pragma once
// Fitting a rectangle (y-up, origin at its bottom-left) to one line of text in a font.

#include <QFont>
#include <QRectF>

// Shrinks the rectangle to the height of "TEST" in the font. Alignment 0 keeps the top edge,
// 1 centres the line, 2 keeps the bottom edge.
void pmAdjustTextRect(QRectF& rect, const QFont& font, int alignment);
