// Distance and largest speed over a trip's tracks, against values worked out by hand: steps
// along a meridian of 2^-13 degree (exact in a float near 25 degrees) are R x pi / 180 x 2^-13
// = 13.588805 m each on the 6378.137 km sphere.
#include "trips/TripSegments.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {

constexpr double kStep = 1.0 / 8192;
constexpr double kStepMetres = 13.588805028475779;
const FileTime kStart = std::chrono::system_clock::from_time_t(1773133200); // 2026-03-10 09:00 UTC

struct Point {
    double latitude;
    float speed = 40;
};

// One sample per second at longitude 121; a latitude of 0 is a sample without a position.
GpsList northbound(const std::vector<Point>& points)
{
    GpsList list;
    for (const Point& p : points)
        list.InsertData(static_cast<float>(p.latitude), p.latitude == 0 ? 0.0f : 121.0f, p.speed, 0, -1);
    list.setBGps(true);
    return list;
}

double at(int steps)
{
    return 25.0 + steps * kStep;
}

} // namespace

TEST(TripFigures, DistanceIsTheSumOfGreatCircleStepsBetweenOwnFixes)
{
    const GpsList straight = northbound({{at(0)}, {at(1)}, {at(2)}, {at(3)}, {at(4), 52.5f}});
    const TrackSegment segment = TrackSegment::of(straight, "A", kStart);
    TripTrackFigures figures = pmTripTrackFigures(std::span(&segment, 1));
    EXPECT_NEAR(figures.metres, 4 * kStepMetres, 1e-6);
    EXPECT_FLOAT_EQ(figures.largestKmh, 52.5);

    // A sample carried over from the last fix (speed -1) or without a position adds no step;
    // the next own fix is measured from the last one, over the seconds between them.
    GpsList gaps = northbound({{at(0)}, {at(0), -1}, {0}, {at(3)}});
    const TrackSegment gapped = TrackSegment::of(gaps, "B", std::nullopt);
    figures = pmTripTrackFigures(std::span(&gapped, 1));
    EXPECT_NEAR(figures.metres, 3 * kStepMetres, 1e-6);
    EXPECT_FLOAT_EQ(figures.largestKmh, 40);

    // At two samples a second, only each second's sample counts.
    GpsList dense = northbound({{at(0)}, {30.0}, {at(1)}, {30.0}, {at(2)}, {30.0}});
    dense.SetGpsFrequency(2);
    const TrackSegment stepped = TrackSegment::of(dense, "C", kStart);
    EXPECT_NEAR(pmTripTrackFigures(std::span(&stepped, 1)).metres, 2 * kStepMetres, 1e-6);
}

TEST(TripFigures, StepsFasterThan300KmhAreGlitchesAndSkipped)
{
    // A fix a degree away (111 km in a second) skips the step to it and the step back; a speed
    // of 999 km/h is no speed either. 22 steps in one second (299 m, 1076 km/h) are too fast,
    // 6 steps (81.5 m, 293.5 km/h) are not.
    const GpsList track = northbound({{at(0)}, {at(1)}, {at(2)}, {26.0, 999}, {at(4)}, {at(5)}, {at(27)}, {at(33), 290}});
    const TrackSegment segment = TrackSegment::of(track, "A", kStart);
    const TripTrackFigures figures = pmTripTrackFigures(std::span(&segment, 1));
    EXPECT_NEAR(figures.metres, (2 + 1 + 6) * kStepMetres, 1e-6);
    EXPECT_FLOAT_EQ(figures.largestKmh, 290);
}

TEST(TripFigures, StepsBetweenRecordingsAreTimedByTheirClocks)
{
    using std::chrono::seconds;
    // B begins 5 s after A: its first fix, 3 steps on from A's last one 3 s earlier, is a
    // step; C begins far away 2 s after B ends, a jump and no step; a recording without any
    // time gives no step to or from it.
    const GpsList a = northbound({{at(0)}, {at(1)}, {at(2)}});
    const GpsList b = northbound({{at(5)}, {at(6)}});
    const GpsList c = northbound({{at(6) + 1}, {at(6) + 1 + kStep}});
    const GpsList d = northbound({{at(6) + 1 + 2 * kStep}});
    const std::vector<TrackSegment> segments{TrackSegment::of(a, "A", kStart), TrackSegment::of(b, "B", kStart + seconds(5)),
                                             TrackSegment::of(c, "C", kStart + seconds(9)),
                                             TrackSegment::of(d, "D", std::nullopt)};
    const TripTrackFigures figures = pmTripTrackFigures(segments);
    EXPECT_NEAR(figures.metres, (2 + 3 + 1 + 1) * kStepMetres, 1e-6);
    EXPECT_EQ(pmTripTrackFigures({}).metres, 0);
}
