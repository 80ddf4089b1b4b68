// The controller's side of the map panel and the G-sensor graph: making them, the page-ready
// and re-centring hooks, the unit menu and the curve image.
#include "AppDelegate.h"

#include "NotificationCenter.h"
#include "NotificationNames.h"
#include "display/GSensorView.h"
#include "display/MapView.h"
#include "display/SensorGraphic.h"

#include <QDebug>

namespace {

// The frames the panels are made with: the dashboard's and the G-sensor panel's own size.
const QRect kMapPanelFrame(0, 0, 320, 212);
const QRect kGsensorPanelFrame(0, 0, 340, 212);

} // namespace

void AppDelegate::createDisplayPanels(QWidget* content)
{
    mMapView = new MapView(kMapPanelFrame, content);
    mGsensorView = new GSensorView(kGsensorPanelFrame, content);
    connect(mMapView, &MapView::speedUnitChosen, this, &AppDelegate::unitMenuItemClicked);
}

void AppDelegate::addDisplayObservers()
{
}

void AppDelegate::unitMenuItemClicked(int tag)
{
    qInfo().noquote() << "unitMenuItemClicked ! - " + QString::number(tag);
    mMapView->setSpeedUnit(tag);
}

void AppDelegate::changeDisplayLanguage()
{
    mMapView->loadSkinBitmap();
    mGsensorView->changeLanguage();
}

void AppDelegate::loadDisplaySkin()
{
    mMapView->loadSkinBitmap();
    mGsensorView->loadSkinBitmap();
}
