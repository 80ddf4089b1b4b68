// The web map against its bundled page: loopback servers stand in for the tile source and the
// connectivity page, and what the page shows (route points, centre, zoom) is read back from it.
// One panel and one page serve the whole suite, so the engine starts once.
#include "GuiTestSupport.h"
#include "LoopbackHttpServer.h"

#include "ConnectivityMonitor.h"
#include "NotificationCenter.h"
#include "NotificationNames.h"
#include "controls/BitmapButton.h"
#include "display/MapView.h"
#include "gps/GpsList.h"
#include "util/Log.h"

#include <QBuffer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>

namespace {

constexpr double kKmPerDegree = 6378.137 * std::numbers::pi / 180.0;

QByteArray tilePng()
{
    QImage tile(256, 256, QImage::Format_RGB32);
    tile.fill(QColor(90, 140, 90));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    tile.save(&buffer, "PNG");
    return png;
}

// A track of count samples going north from (25, 121) over the given distance.
GpsList northboundTrack(int count, double km, int frequency = 1)
{
    GpsList list;
    for (int i = 0; i < count; ++i) {
        const double fraction = count > 1 ? double(i) / (count - 1) : 0;
        list.InsertData(static_cast<float>(25.0 + fraction * km / kKmPerDegree), 121.0f, 40, 0, -1);
    }
    list.setBGps(true);
    list.SetGpsFrequency(frequency);
    return list;
}

using Answer = LoopbackHttpServer::Answer;

Answer tileAnswer(const LoopbackHttpServer::Request&)
{
    Answer answer = Answer::text(tilePng());
    answer.contentType = "image/png";
    return answer;
}

class MapPage : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        sTiles = new LoopbackHttpServer;
        sTiles->listen();
        sTiles->setFallback(tileAnswer);
        sCheck = new LoopbackHttpServer;
        sCheck->listen();
        sCheck->setFallback([](const LoopbackHttpServer::Request&) { return Answer::text("<html>up</html>"); });
        qputenv("KORIV_TILE_URL", (sTiles->baseUrl() + "/tiles/{z}/{x}/{y}.png").toUtf8());
        sView = new MapView(QRect(0, 0, 480, 300));
        sView->connectivity()->setReachability([](std::uint32_t& flags) { flags = ReachabilityFlag::Reachable; return true; });
        sView->connectivity()->setPage(QUrl(sCheck->baseUrl() + "/"));
        sView->show();
    }

    static void TearDownTestSuite()
    {
        delete sView;
        delete sTiles;
        delete sCheck;
        qunsetenv("KORIV_TILE_URL");
    }

    // Switches to the web map with the dashboard's map button and waits for the page.
    static bool openWebMap()
    {
        int ready = 0;
        NotificationCenter::defaultCenter().addObserver(&ready, kMapViewReadyNotification,
                                                        [&ready](const Notification&) { ++ready; });
        QTest::mouseClick(sView->mapButton(), Qt::LeftButton);
        const bool ok = waitFor([&] { return ready > 0; });
        NotificationCenter::defaultCenter().removeObserver(&ready);
        return ok;
    }

    static QJsonObject evaluate(const QString& script)
    {
        QVariant result;
        bool done = false;
        sView->webView()->page()->runJavaScript(script, [&](const QVariant& value) {
            result = value;
            done = true;
        });
        EXPECT_TRUE(waitFor([&] { return done; }));
        return QJsonDocument::fromJson(result.toString().toUtf8()).object();
    }

    // The page's state once the scripts sent so far have run (they run in order).
    static QJsonObject pageState() { return evaluate("korivMapState()"); }

    static MapView* sView;
    static LoopbackHttpServer* sTiles;
    static LoopbackHttpServer* sCheck;
};

MapView* MapPage::sView = nullptr;
LoopbackHttpServer* MapPage::sTiles = nullptr;
LoopbackHttpServer* MapPage::sCheck = nullptr;

TEST_F(MapPage, LoadsFromTheBundleWithTilesFromTheConfiguredSource)
{
    pmClearLog();
    ASSERT_TRUE(openWebMap());
    EXPECT_EQ(sView->GetMapMpde(), MapView::kModeWebMap);
    EXPECT_TRUE(sView->IsMapDocReady());
    EXPECT_EQ(sView->webView()->url(), QUrl("qrc:/DVR/map2.html"));
    EXPECT_TRUE(sView->webView()->isVisible());
    EXPECT_TRUE(sView->dashboardButton()->isVisible());
    EXPECT_FALSE(sView->mapButton()->isVisible());
    const QStringList log = logMessages();
    const int load = logIndexOf(log, "MapView - WebLoadMap()");
    EXPECT_GE(load, 0);
    EXPECT_GT(logIndexOf(log, "MapView - webLoadComplete() is JavaScript enabled = 1 !", load), load);
    EXPECT_GE(logIndexOf(log, "MapView - webLoadComplete() is Java enabled = 0 !"), 0);
    // Leaflet itself came from the bundle: the page defines the map and asked for tiles here.
    EXPECT_TRUE(waitFor([] { return !sTiles->requests().isEmpty(); }));
    EXPECT_TRUE(sTiles->requests().first().path.startsWith("/tiles/"));
    EXPECT_EQ(evaluate("JSON.stringify({v: L.version})").value("v").toString(), "1.9.4");
}

TEST_F(MapPage, RouteZoomAndCentreFollowTheTrack)
{
    ASSERT_TRUE(sView->IsMapDocReady() || openWebMap());
    sView->EnableMap(MapView::kStateAvailable);

    // One sample: one point and no zoom sent, so the zoom stays as it was.
    sView->ScriptSetZoom(9);
    const GpsList single = northboundTrack(1, 0);
    sView->DrawPath(&single);
    QJsonObject state = pageState();
    EXPECT_EQ(state.value("added").toInt(), 1);
    EXPECT_EQ(state.value("drawn").toInt(), 1);
    EXPECT_EQ(state.value("zoom").toInt(), 9);
    EXPECT_NEAR(state.value("lat").toDouble(), 25.0, 1e-4);

    struct Case {
        double km;
        int zoom;
    };
    for (const Case& c : {Case{0.08, 18}, Case{0.3, 15}, Case{0.8, 14}, Case{5.0, 13}}) {
        const GpsList track = northboundTrack(30, c.km);
        sView->DrawPath(&track);
        state = pageState();
        EXPECT_EQ(state.value("added").toInt(), 30) << c.km;
        EXPECT_EQ(state.value("zoom").toInt(), c.zoom) << c.km;
        // The view is centred on the route.
        EXPECT_NEAR(state.value("lat").toDouble(), 25.0 + c.km / kKmPerDegree / 2, 1e-4) << c.km;
        EXPECT_NEAR(state.value("lon").toDouble(), 121.0, 1e-4) << c.km;
    }

    // Ten samples a second: one point per second of video.
    const GpsList dense = northboundTrack(600, 1.0, 10);
    sView->DrawPath(&dense);
    EXPECT_EQ(pageState().value("added").toInt(), 60);

    // Samples without a position are sent but not drawn; no track clears the route.
    GpsList gaps = northboundTrack(4, 0.2);
    gaps.GetGpsData(1)->setFLatitude(0);
    gaps.GetGpsData(1)->setFLongitude(0);
    sView->DrawPath(&gaps);
    state = pageState();
    EXPECT_EQ(state.value("added").toInt(), 4);
    EXPECT_EQ(state.value("drawn").toInt(), 3);
    sView->DrawPath(nullptr);
    EXPECT_EQ(pageState().value("drawn").toInt(), 0);
}

TEST_F(MapPage, PositionCentresTheMapAndChecksTheAnswer)
{
    ASSERT_TRUE(sView->IsMapDocReady() || openWebMap());
    sView->EnableMap(MapView::kStateAvailable);
    pmClearLog();
    sView->SetPosition(24.5, 120.75, 50, 30, 90);
    QJsonObject state = pageState();
    EXPECT_NEAR(state.value("lat").toDouble(), 24.5, 1e-4);
    EXPECT_NEAR(state.value("lon").toDouble(), 120.75, 1e-4);
    EXPECT_TRUE(state.value("car").toBool());
    // No position: the marker goes, the view stays.
    sView->SetPosition(0, 0, 0, 0, -1);
    state = pageState();
    EXPECT_FALSE(state.value("car").toBool());
    EXPECT_NEAR(state.value("lat").toDouble(), 24.5, 1e-4);
    EXPECT_LT(logIndexOf(logMessages(), "MapView - JavaScript mapSetCenter() - error"), 0);

    // A page that answers something else, or nothing, is logged.
    evaluate("window.korivSaved = mapSetCenter; mapSetCenter = function () { return 'busy'; }; '{}'");
    sView->SetPosition(24.6, 120.7, 50, 30, 90);
    pageState();
    EXPECT_TRUE(waitFor([] { return logIndexOf(logMessages(), "MapView - JavaScript mapSetCenter() - busy") >= 0; }));
    evaluate("mapSetCenter = function () {}; '{}'");
    sView->SetPosition(24.6, 120.7, 50, 30, 90);
    pageState();
    EXPECT_TRUE(waitFor([] { return logIndexOf(logMessages(), "MapView - JavaScript mapSetCenter() - error") >= 0; }));
    evaluate("mapSetCenter = window.korivSaved; '{}'");

    // In dashboard mode nothing goes to the page.
    QTest::mouseClick(sView->dashboardButton(), Qt::LeftButton);
    EXPECT_EQ(sView->GetMapMpde(), MapView::kModeDashboard);
    EXPECT_FALSE(sView->webView()->isVisible());
    sView->SetPosition(10.0, 10.0, 1, 1, 1);
    EXPECT_FLOAT_EQ(sView->fLatitude(), 10.0f);
    EXPECT_NEAR(pageState().value("lat").toDouble(), 24.5, 1e-4);
}

TEST_F(MapPage, TileErrorsAndASilentTileServerLeaveThePageWorking)
{
    Answer silent;
    silent.action = Answer::NeverAnswer;
    for (const Answer& answer : {Answer::text("down", 500), silent}) {
        sTiles->setFallback([answer](const LoopbackHttpServer::Request&) { return answer; });
        sView->SetMapMode(MapView::kModeDashboard);
        ASSERT_TRUE(openWebMap());
        const GpsList track = northboundTrack(5, 0.3);
        sView->DrawPath(&track);
        EXPECT_EQ(pageState().value("zoom").toInt(), 15);
    }
    sTiles->setFallback(tileAnswer);
}

TEST_F(MapPage, WithoutNetworkTheWebMapIsRefusedAndTheMapDisabled)
{
    sView->SetMapMode(MapView::kModeDashboard);
    sView->EnableMap(MapView::kStateAvailable);
    pmClearLog();
    sView->connectivity()->setReachability([](std::uint32_t& flags) { flags = 0; return true; });
    QTest::mouseClick(sView->mapButton(), Qt::LeftButton);
    EXPECT_TRUE(waitFor([] { return sView->GetMapState() == MapView::kStateDisabled; }));
    EXPECT_EQ(sView->GetMapMpde(), MapView::kModeDashboard);
    EXPECT_FALSE(sView->IsOnLine());
    EXPECT_LT(logIndexOf(logMessages(), "MapView - WebLoadMap()"), 0);
    EXPECT_GE(logIndexOf(logMessages(), "MapView - pmIsInternetConnected() - FALSE"), 0);
    // The dashboard stays usable; its buttons remain.
    EXPECT_TRUE(sView->mapButton()->isVisible());
    sView->connectivity()->setReachability([](std::uint32_t& flags) { flags = ReachabilityFlag::Reachable; return true; });
}

} // namespace
