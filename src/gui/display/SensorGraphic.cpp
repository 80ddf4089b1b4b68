#include "SensorGraphic.h"

#include "SkinImages.h"

#include <QPainter>
#include <QPolygonF>

QImage pmDrawSensorGraphic(const SensorCurve& curve, const QImage& backdrop, const std::array<QColor, 3>& axisColors)
{
    QImage image(kSensorGraphWidth, kSensorGraphHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, backdrop);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    // The curve's y grows upwards from the image's bottom.
    const double H = kSensorGraphHeight;
    QPolygonF line;
    for (size_t axis = 0; axis < curve.axes.size(); ++axis) {
        const std::vector<CurvePoint>& points = curve.axes[axis];
        if (points.empty())
            continue;
        line.resize(static_cast<qsizetype>(points.size()));
        for (size_t i = 0; i < points.size(); ++i)
            line[static_cast<qsizetype>(i)] = QPointF(points[i].x, H - points[i].y);
        painter.setPen(QPen(axisColors[axis], 1));
        painter.drawPolyline(line);
    }
    if (curve.eventX >= 0) {
        painter.setPen(QPen(Qt::red, 1));
        painter.drawLine(QPointF(curve.eventX + 0.5, 0), QPointF(curve.eventX + 0.5, H - 1));
    }
    return image;
}

float pmBuildSensorGraphic(const GpsList& list, int eventIndex, const std::array<QColor, 3>& axisColors, QImage& image)
{
    image = QImage();
    const SensorCurve curve = pmSensorCurve(list, eventIndex);
    if (!curve.hasImage)
        return 0;
    image = pmDrawSensorGraphic(curve, pmGetSkinImage("GSensorGraphic.png"), axisColors);
    return curve.scale;
}
