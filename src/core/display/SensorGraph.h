#pragma once
// The G-sensor curve image as geometry: one polyline per axis over all samples, scaled so
// that the largest peak reaches the image's edge band, an optional event line, and the
// texts of the scale and of the indicator values. y grows upwards from the image's bottom.

#include "gps/GpsList.h"

#include <array>
#include <string>
#include <vector>

inline constexpr int kSensorGraphWidth = 238;
inline constexpr int kSensorGraphHeight = 63;

struct CurvePoint {
    double x = 0;
    double y = 0;
};

struct SensorCurve {
    bool hasImage = false; // false: no G-sensor data, the graph shows its placeholder
    float scale = 0;       // E: the G value of the full height; returned to the graph
    double factor = 1;     // F = 2 / E, or 1 when E is 0
    int mid = 0;           // K: the mid-line
    int half = 0;          // L: half the amplitude
    double step = 0;       // s: x distance between samples
    std::array<std::vector<CurvePoint>, 3> axes; // X, Y, Z; empty with fewer than 2 samples
    int eventX = -1;       // the red event line, -1 for none
};

SensorCurve pmSensorCurve(const GpsList& list, int eventIndex, int width = kSensorGraphWidth,
                          int height = kSensorGraphHeight);

struct ScaleLabels {
    std::string max;  // "%2.1fG"
    std::string mean; // "0.0"
    std::string min;  // "-%2.1fG"
};
ScaleLabels pmScaleLabels(float scale);

// "%.3f" of the value in G, for thousandths of a G.
std::string pmIndicatorText(int thousandths);
// 0 for the positive arrow, 1 for the negative one.
int pmArrowIndex(int thousandths);
