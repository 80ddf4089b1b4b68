// The text-line rectangle every skinned control uses.
#include "TextLayout.h"

#include <QFontMetricsF>
#include <gtest/gtest.h>

TEST(TextLayout, FitsTheRectangleToOneLineKeepingTheChosenEdge)
{
    QFont font("Helvetica");
    font.setPixelSize(14);
    const qreal line = QFontMetricsF(font).boundingRect("TEST").height();
    ASSERT_LT(line, 40);
    // y-up rectangles: y is the bottom edge.
    QRectF top(10, 100, 80, 40), centre = top, bottom = top;
    pmAdjustTextRect(top, font, 0);
    pmAdjustTextRect(centre, font, 1);
    pmAdjustTextRect(bottom, font, 2);
    EXPECT_DOUBLE_EQ(top.y() + top.height(), 140);
    EXPECT_DOUBLE_EQ(centre.y(), 100 + (40 - line) / 2);
    EXPECT_DOUBLE_EQ(bottom.y(), 100);
    for (const QRectF& r : {top, centre, bottom}) {
        EXPECT_DOUBLE_EQ(r.height(), line);
        EXPECT_DOUBLE_EQ(r.x(), 10);
        EXPECT_DOUBLE_EQ(r.width(), 80);
    }
}
