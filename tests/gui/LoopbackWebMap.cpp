#include "LoopbackWebMap.h"

#include "LoopbackHttpServer.h"

#include "ConnectivityMonitor.h"
#include "NotificationCenter.h"
#include "NotificationNames.h"
#include "controls/BitmapButton.h"
#include "display/MapView.h"

#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <gtest/gtest.h>

namespace {
using Answer = LoopbackHttpServer::Answer;
}

LoopbackWebMap::LoopbackWebMap() : mTiles(std::make_unique<LoopbackHttpServer>()), mCheck(std::make_unique<LoopbackHttpServer>())
{
    mTiles->listen();
    mTiles->setFallback([](const LoopbackHttpServer::Request&) { return Answer::text("no tile", 404); });
    mCheck->listen();
    mCheck->setFallback([](const LoopbackHttpServer::Request&) { return Answer::text("<html>up</html>"); });
    qputenv("KORIV_TILE_URL", (mTiles->baseUrl() + "/tiles/{z}/{x}/{y}.png").toUtf8());
    mView = std::make_unique<MapView>(QRect(0, 0, 480, 300));
    mView->connectivity()->setReachability([](std::uint32_t& flags) { flags = ReachabilityFlag::Reachable; return true; });
    mView->connectivity()->setPage(QUrl(mCheck->baseUrl() + "/"));
    mView->show();
}

LoopbackWebMap::~LoopbackWebMap()
{
    mView.reset();
    qunsetenv("KORIV_TILE_URL");
}

bool LoopbackWebMap::openWebMap()
{
    if (mView->IsMapDocReady() && mView->GetMapMpde() == MapView::kModeWebMap)
        return true;
    int ready = 0;
    NotificationCenter::defaultCenter().addObserver(&ready, kMapViewReadyNotification, [&ready](const Notification&) { ++ready; });
    QTest::mouseClick(mView->mapButton(), Qt::LeftButton);
    const bool ok = QTest::qWaitFor([&] { return ready > 0; }, 20000);
    NotificationCenter::defaultCenter().removeObserver(&ready);
    return ok;
}

QString LoopbackWebMap::evaluate(const QString& script)
{
    QVariant result;
    bool done = false;
    mView->webView()->page()->runJavaScript(script, [&](const QVariant& value) {
        result = value;
        done = true;
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return done; }, 5000));
    return result.toString();
}
