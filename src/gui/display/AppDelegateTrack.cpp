// The controller's side of the journey: the map panel and the G-sensor graph.
#include "AppDelegate.h"

#include "PanelHost.h"

void AppDelegate::createDisplayPanels(QWidget* content)
{
    mMapView = new PanelHost("mapView", QColor(0x23, 0x27, 0x2c), content);
    mMapView->setBackgroundImageName("map_disable.png", PanelHost::Fill::TopCentred);
    mGsensorView = new PanelHost("gsensorView", QColor(0x14, 0x14, 0x14), content);
    mGsensorView->setBackgroundImageName("G-Sensor Screen_disable.png", PanelHost::Fill::AtTop);
}

void AppDelegate::addDisplayObservers()
{
}
