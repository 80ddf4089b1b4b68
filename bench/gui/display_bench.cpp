// The journey on screen, timed: a one-hour route (3,600 points) from the loaded track to the
// route drawn on the bundled map page, as one evaluation and the naive way (one evaluation per
// call); the GUI work of one 0.5-s tick; the curve image of a one-hour 10 Hz track.
// Run: QT_QPA_PLATFORM=offscreen build/bench/gui/display_bench
#include "BenchMapPage.h"
#include "ConnectivityMonitor.h"
#include "display/GSensorView.h"
#include "display/MapScript.h"
#include "display/MapView.h"
#include "display/SensorGraphic.h"
#include "gps/GpsList.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <cstdio>

namespace {

GpsList hourTrack(int samples, int frequency)
{
    GpsList list;
    for (int i = 0; i < samples; ++i) {
        GpsData sample(25.0f + i * 1e-5f, 121.0f + i * 1e-5f, 50, 90);
        sample.setSensorValueGSensor((i % 37) / 40.0f, -(i % 23) / 30.0f, 0.1f);
        list.InsertData(&sample, -1);
        list.UpdatePeaks(i, sample.GetGValueX(), sample.GetGValueY(), sample.GetGValueZ());
    }
    list.setBGps(true);
    list.setBSenser(true);
    list.SetGpsFrequency(frequency);
    return list;
}

// Runs the scripts and waits until the page has run the last, and so all of them.
double timedEvaluations(QWebEnginePage* page, const QStringList& scripts)
{
    QElapsedTimer clock;
    clock.start();
    for (qsizetype i = 0; i + 1 < scripts.size(); ++i)
        page->runJavaScript(scripts[i]);
    pageAnswer(page, scripts.back());
    return clock.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    prepareWebEngine();
    QApplication app(argc, argv);

    MapView map(QRect(0, 0, 480, 300));
    if (!loadMapPage(map, "display_bench"))
        return 1;
    const GpsList route = hourTrack(3600, 1);
    QWebEnginePage* page = map.webView()->page();
    // What any evaluation costs: the way to the page and back.
    std::printf("an empty evaluation: %.1f ms\n", timedEvaluations(page, {"1"}));
    for (int round = 0; round < 3; ++round) {
        QElapsedTimer build;
        build.start();
        const QString one = QString::fromStdString(pmDrawPathScript(pmMapPath(&route)));
        const double buildMs = build.nsecsElapsed() / 1e6;
        const double oneMs = buildMs + untilPainted(page, one);
        QStringList naive;
        for (const MapPoint& point : pmMapPath(&route).points)
            naive << QString::fromStdString(pmAddPathPointScript(point.latitude, point.longitude));
        naive << "drawPath()" << "setZoom(13)";
        const double naiveMs = timedEvaluations(page, naive);
        std::printf("route of 3600 points: one evaluation to the route painted %.1f ms (script built in %.2f ms), "
                    "3602 evaluations %.1f ms, ratio %.1f\n", oneMs, buildMs, naiveMs, naiveMs / oneMs);
    }

    // One tick: the position to the panel (dashboard) and the G-sensor cursor, painted.
    GSensorView graph(QRect(0, 0, 340, 212));
    graph.show();
    const GpsList sensor = hourTrack(36000, 10);
    QImage curve;
    QElapsedTimer curveClock;
    double best = 1e9;
    for (int round = 0; round < 5; ++round) {
        curveClock.restart();
        const float scale = pmBuildSensorGraphic(sensor, 18000, graph.axisColors(), curve);
        best = std::min(best, curveClock.nsecsElapsed() / 1e6);
        graph.setGensorGraphic(curve, 1, scale);
    }
    std::printf("curve image of 36000 samples: %.2f ms (best of 5)\n", best);

    map.SetMapMode(MapView::kModeDashboard);
    constexpr int kTicks = 200;
    QElapsedTimer tickClock;
    tickClock.start();
    for (int tick = 0; tick < kTicks; ++tick) {
        const GpsData* sample = route.GetGpsData(tick);
        map.SetPosition(sample->fLatitude(), sample->fLongitude(), sample->fSpeed(), 30, sample->fDirection());
        graph.drawIndicator(tick % 238, 120, -300, 50);
        graph.drawIndicator(tick % 238, 120, -300, 50);
        map.repaint();
        graph.repaint();
    }
    std::printf("one tick (dashboard, cursor, both painted): %.3f ms\n", tickClock.nsecsElapsed() / 1e6 / kTicks);
    return 0;
}
