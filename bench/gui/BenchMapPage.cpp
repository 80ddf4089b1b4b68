#include "BenchMapPage.h"

#include "NotificationCenter.h"
#include "NotificationNames.h"
#include "display/MapView.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <QWebEnginePage>
#include <QTest>

#include <chrono>
#include <cstdio>
#include <unistd.h>

void prepareWebEngine()
{
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    qputenv("KORIV_TILE_URL", "http://127.0.0.1:9/{z}/{x}/{y}.png");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

bool loadMapPage(MapView& map, const char* bench)
{
    map.show();
    bool ready = false;
    NotificationCenter::defaultCenter().addObserver(&ready, kMapViewReadyNotification, [&](const Notification&) { ready = true; });
    map.setBOnLine(true);
    map.SetMapMode(MapView::kModeWebMap);
    const bool loaded = QTest::qWaitFor([&] { return ready; }, 30000);
    NotificationCenter::defaultCenter().removeObserver(&ready);
    if (!loaded)
        std::fprintf(stderr, "%s: the map page did not load\n", bench);
    // Shown as it is once a recording with a track is open: a hidden page paints nothing.
    map.EnableMap(MapView::kStateAvailable);
    return loaded;
}

QString pageAnswer(QWebEnginePage* page, const QString& script)
{
    // Waited for in an event loop of its own, as the application's would: QTest::qWaitFor sleeps
    // 10 ms between looks, and an answer crosses the GUI thread several times on its way.
    QString text;
    QEventLoop loop;
    QTimer::singleShot(60000, &loop, [&loop] {
        std::fprintf(stderr, "the page did not answer\n");
        loop.quit();
    });
    page->runJavaScript(script, [&](const QVariant& value) {
        text = value.toString();
        loop.quit();
    });
    loop.exec();
    return text;
}

double wallClockMs()
{
    return std::chrono::duration<double, std::milli>(std::chrono::system_clock::now().time_since_epoch()).count();
}

bool waitForPage(QWebEnginePage* page, const QString& condition)
{
    for (const double since = wallClockMs(); wallClockMs() - since < 60000;) {
        if (pageAnswer(page, condition) == "true")
            return true;
        QEventLoop pause;
        QTimer::singleShot(2, &pause, &QEventLoop::quit);
        pause.exec();
    }
    std::fprintf(stderr, "the page never answered true to %s\n", qPrintable(condition.left(80)));
    return false;
}

double untilPainted(QWebEnginePage* page, const QString& script, double since)
{
    pageAnswer(page, script + R"(;
        window.korivBenchPainted = 0;
        requestAnimationFrame(function () { requestAnimationFrame(function () {
            window.korivBenchPainted = performance.timeOrigin + performance.now();
        }); });
        "1")");
    if (!waitForPage(page, "String(window.korivBenchPainted > 0)"))
        return -1;
    return pageAnswer(page, "String(window.korivBenchPainted)").toDouble() - since;
}
