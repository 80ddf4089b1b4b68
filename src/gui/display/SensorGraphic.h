#pragma once
// The G-sensor curve image: the skin's backdrop with one polyline per axis in the axis colours
// and the red event line, from the curve geometry the core computes.

#include "display/SensorGraph.h"

#include <QColor>
#include <QImage>

#include <array>

class GpsList;

// The curve image of a track (null without G-sensor data) with the event line at the sample
// eventIndex (-1 for none); returns the scale, 0 without an image.
float pmBuildSensorGraphic(const GpsList& list, int eventIndex, const std::array<QColor, 3>& axisColors,
                           QImage& image);
QImage pmDrawSensorGraphic(const SensorCurve& curve, const QImage& backdrop, const std::array<QColor, 3>& axisColors);
