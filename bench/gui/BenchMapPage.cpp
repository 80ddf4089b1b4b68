#include "BenchMapPage.h"

#include "NotificationCenter.h"
#include "NotificationNames.h"
#include "display/MapView.h"

#include <QCoreApplication>
#include <QWebEnginePage>
#include <QTest>

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
    return loaded;
}

QString pageAnswer(QWebEnginePage* page, const QString& script)
{
    QString text;
    bool done = false;
    page->runJavaScript(script, [&](const QVariant& value) {
        text = value.toString();
        done = true;
    });
    if (!QTest::qWaitFor([&] { return done; }, 60000))
        std::fprintf(stderr, "the page did not answer\n");
    return text;
}
