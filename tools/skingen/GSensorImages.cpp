// The G-sensor panel, 340 by 212 points: the curve area at (51, 3) from the top-left, 238 by
// 63, scale labels on the left, axis keys at x 302, and below them the vehicle with the six
// 24 by 24 arrows around the point (174, 146). The graph takes each axis colour from the centre
// pixel of the positive arrow, so the arrows are solid there.
#include "SkinAreas.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace {

constexpr QSize kPanel(340, 212);
const QRectF kCurveArea(51, 3, 238, 63);
const QPointF kFigureCentre(174, 146);

void paintCard(QPainter& painter, const SkinPalette& palette)
{
    painter.setPen(QPen(palette.line, 1));
    painter.setBrush(palette.panel);
    painter.drawRoundedRect(QRectF(0.5, 0.5, kPanel.width() - 1, kPanel.height() - 1), 10, 10);
    painter.setBrush(QColor(0x10, 0x12, 0x15));
    painter.drawRect(kCurveArea.adjusted(-1, -1, 1, 1));
}

// Faint guides along the three axes and two rings around the vehicle.
void paintAxesFigure(QPainter& painter, const SkinPalette& palette)
{
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(palette.line, 1));
    painter.drawEllipse(kFigureCentre, 62, 62);
    painter.drawEllipse(kFigureCentre, 34, 34);
    const auto guide = [&](const QColor& axis, QPointF direction) {
        QColor color = axis;
        color.setAlpha(90);
        painter.setPen(QPen(color, 1.5, Qt::DashLine));
        painter.drawLine(kFigureCentre - direction * 44, kFigureCentre + direction * 44);
    };
    guide(palette.axisX, QPointF(-0.707, 0.707));
    guide(palette.axisY, QPointF(0.707, 0.707));
    guide(palette.axisZ, QPointF(0, 1));
}

void writeBackground(SkinWriter& writer, const SkinContext& skin, const QString& name, const QString& vehicle)
{
    writer.write(name, kPanel, [&](QPainter& painter) {
        paintCard(painter, skin.palette);
        paintAxesFigure(painter, skin.palette);
        if (!vehicle.isEmpty()) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(skin.palette.raised);
            painter.drawEllipse(kFigureCentre, 24, 24);
            skin.icons.paint(painter, vehicle, QRectF(kFigureCentre - QPointF(16, 16), QSizeF(32, 32)),
                             skin.palette.glyph);
        }
    });
}

void writeCurveBackdrop(SkinWriter& writer, const SkinPalette& palette)
{
    writer.write("GSensorGraphic.png", QSize(238, 63), [&](QPainter& painter) {
        painter.fillRect(QRect(0, 0, 238, 63), QColor(0x10, 0x12, 0x15));
        painter.setPen(QPen(QColor(255, 255, 255, 18), 1));
        for (int x = 34; x < 238; x += 34) {
            painter.drawLine(QPointF(x + 0.5, 0), QPointF(x + 0.5, 63));
        }
        painter.setPen(QPen(QColor(255, 255, 255, 26), 1, Qt::DotLine));
        painter.drawLine(QPointF(0, 16.5), QPointF(238, 16.5));
        painter.drawLine(QPointF(0, 47.5), QPointF(238, 47.5));
        painter.setPen(QPen(palette.line.lighter(120), 1));
        painter.drawLine(QPointF(0, 31.5), QPointF(238, 31.5));
    });
}

// A solid arrow through the image centre, pointing at the angle (degrees, y down).
void writeArrow(SkinWriter& writer, const QString& name, const QColor& color, qreal angle)
{
    writer.write(name, QSize(24, 24), [&](QPainter& painter) {
        QPainterPath arrow;
        arrow.addRect(QRectF(-10, -3, 11, 6));
        arrow.moveTo(0, -8);
        arrow.lineTo(10, 0);
        arrow.lineTo(0, 8);
        arrow.closeSubpath();
        arrow.setFillRule(Qt::WindingFill);
        painter.translate(12, 12);
        painter.rotate(angle);
        painter.setPen(Qt::NoPen);
        painter.setBrush(color);
        painter.drawPath(arrow.simplified());
    });
}

} // namespace

void writeGSensorImages(SkinWriter& writer, const SkinContext& skin)
{
    const SkinPalette& palette = skin.palette;
    writeBackground(writer, skin, "G-Sensor Screen_bg.png", "outline/car");
    writeBackground(writer, skin, "G-Sensor Screen_default.png", "outline/motorbike");
    writeBackground(writer, skin, "G-Sensor Screen_default_d.png", QString());
    writer.write("G-Sensor Screen_disable.png", kPanel, [&](QPainter& painter) { paintCard(painter, palette); });
    writeCurveBackdrop(writer, palette);
    // Positive X points to the lower left, positive Y to the lower right, positive Z up.
    writeArrow(writer, "arrow_x1.png", palette.axisX, 135);
    writeArrow(writer, "arrow_x2.png", palette.axisX, -45);
    writeArrow(writer, "arrow_y1.png", palette.axisY, 45);
    writeArrow(writer, "arrow_y2.png", palette.axisY, -135);
    writeArrow(writer, "arrow_z1.png", palette.axisZ, -90);
    writeArrow(writer, "arrow_z2.png", palette.axisZ, 90);
}
