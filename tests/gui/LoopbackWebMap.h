#pragma once
// A map panel showing the bundled page, with loopback servers standing in for the tile source
// and the connectivity page (both answered at once). A suite keeps one for all its tests, so
// the web engine starts once.

#include <QString>

#include <memory>

class LoopbackHttpServer;
class MapView;

class LoopbackWebMap {
public:
    LoopbackWebMap();
    ~LoopbackWebMap();
    LoopbackWebMap(const LoopbackWebMap&) = delete;
    LoopbackWebMap& operator=(const LoopbackWebMap&) = delete;

    MapView* view() const { return mView.get(); }
    // Switches to the web map with the dashboard's map button, unless it shows already, and
    // waits for the page.
    bool openWebMap();
    // Runs a script in the page and waits for its answer, as text.
    QString evaluate(const QString& script);

private:
    std::unique_ptr<LoopbackHttpServer> mTiles;
    std::unique_ptr<LoopbackHttpServer> mCheck;
    std::unique_ptr<MapView> mView;
};
