// The controller's side of the map panel and the G-sensor graph: making them, the page-ready
// and re-centring hooks, the unit menu and the curve image.
#include "AppDelegate.h"

#include "LogText.h"
#include "NotificationCenter.h"
#include "NotificationNames.h"
#include "display/GSensorView.h"
#include "display/MapView.h"
#include "controls/PlayControlView.h"
#include "controls/Slider.h"
#include "display/SensorGraphic.h"

#include <QDebug>
#include <QTimer>

namespace {

// The frames the panels are made with: the dashboard's and the G-sensor panel's own size.
const QRect kMapPanelFrame(0, 0, 320, 212);
const QRect kGsensorPanelFrame(0, 0, 340, 212);
// After a full-map switch while paused, the map re-centres once the window has its new size.
constexpr int kCenterMapDelayMs = 200;

} // namespace

void AppDelegate::createDisplayPanels(QWidget* content)
{
    mMapView = new MapView(kMapPanelFrame, content);
    mGsensorView = new GSensorView(kGsensorPanelFrame, content);
    connect(mMapView, &MapView::speedUnitChosen, this, &AppDelegate::unitMenuItemClicked);
    connect(mMapView, &MapView::fullMapSwitched, this, [this] {
        onButtonMapFullScreen();
        if (getState() == 3)
            QTimer::singleShot(kCenterMapDelayMs, this, &AppDelegate::onCenterMap);
    });
}

void AppDelegate::addDisplayObservers()
{
    NotificationCenter::defaultCenter().addObserver(this, kMapViewReadyNotification,
                                                    [this](const Notification&) { onMapViewReady(); });
}

void AppDelegate::onMapViewReady()
{
    pmWriteLog("AppDelegate - onMapViewReady()");
    if (!mMapView->IsOnLine())
        mMapView->LoadMap();
    if (m_poGpsList.IsGPSReady()) {
        mMapView->DrawPath(&m_poGpsList);
        mapGoTo();
    } else {
        mMapView->SetPosition(0, 0, 0, 0, -1);
        mMapView->DrawPath(nullptr);
    }
}

void AppDelegate::onCenterMap()
{
    mMapView->CenterLastLocation();
}

float AppDelegate::xCreateSensorGraphic(int eventTime)
{
    return pmBuildSensorGraphic(m_poGpsList, eventTime, mGsensorView->axisColors(), m_oSensorBitmap);
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
    redrawSensorGraphic();
}

void AppDelegate::loadDisplaySkin()
{
    mMapView->loadSkinBitmap();
    mGsensorView->loadSkinBitmap();
    redrawSensorGraphic();
}

// The curve takes the colours of the skin's arrows, so it is drawn again with the stored event.
void AppDelegate::redrawSensorGraphic()
{
    if (m_nCurPlayIndex < 0)
        return;
    const float scale = xCreateSensorGraphic(m_nEventTime);
    mGsensorView->setGensorGraphic(m_oSensorBitmap, m_nMotorType, scale);
    mGsensorView->drawIndicator(mPlaybarView->poTimeSlider()->getCurrentPos(), m_nSensorX, m_nSensorY, m_nSensorZ);
}
