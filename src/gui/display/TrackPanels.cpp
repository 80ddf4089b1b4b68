// The display subsystem's side of the map panel and the G-sensor graph: making them, the page-ready
// and re-centring hooks, the unit menu and the curve image.
#include "TrackController.h"

#include "GSensorView.h"
#include "LogText.h"
#include "MapView.h"
#include "NotificationCenter.h"
#include "NotificationNames.h"
#include "TripController.h"
#include "browse/BrowseController.h"
#include "display/SensorGraphic.h"
#include "playback/PlaybackController.h"

namespace {

// The frames the panels are made with: the dashboard's and the G-sensor panel's own size.
const QRect kMapPanelFrame(0, 0, 320, 212);
const QRect kGsensorPanelFrame(0, 0, 340, 212);

} // namespace

void TrackController::createPanels(QWidget* content, QWidget* window)
{
    mWindow = window;
    mMapView = new MapView(kMapPanelFrame, content);
    mGsensorView = new GSensorView(kGsensorPanelFrame, content);
    mTrips = new TripController(mMapView, this);
    connect(mTrips, &TripController::recordingClicked, this, &TrackController::routeClicked);
}

void TrackController::addObservers()
{
    NotificationCenter& center = NotificationCenter::defaultCenter();
    center.removeObserver(this);
    center.addObserver(this, kMapViewReadyNotification, [this](const Notification&) { onMapViewReady(); });
    center.addObserver(this, kMapViewSpeedUnitNotification,
                       [this](const Notification& n) { unitMenuItemClicked(n.object.toInt()); });
}

void TrackController::onMapViewReady()
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

void TrackController::playlistChanged()
{
    m_nMotorType = 0;
    mTrips->setRecordings(mBrowse.playlist().entries());
}

void TrackController::showTripOf(int entry)
{
    mTrips->showTrip(entry);
}

void TrackController::onCenterMap()
{
    mMapView->CenterLastLocation();
}

float TrackController::xCreateSensorGraphic(int eventTime)
{
    return pmBuildSensorGraphic(m_poGpsList, eventTime, mGsensorView->axisColors(), m_oSensorBitmap);
}

void TrackController::unitMenuItemClicked(int tag)
{
    pmWriteConsoleText("unitMenuItemClicked ! - " + QString::number(tag));
    mMapView->setSpeedUnit(tag);
}

void TrackController::changeLanguage()
{
    mMapView->loadSkinBitmap();
    mGsensorView->changeLanguage();
    redrawSensorGraphic();
}

void TrackController::loadSkinBitmap()
{
    mMapView->loadSkinBitmap();
    mGsensorView->loadSkinBitmap();
    redrawSensorGraphic();
}

// The curve takes the colours of the skin's arrows, so it is drawn again with the stored event.
void TrackController::redrawSensorGraphic()
{
    if (mPlayback.getCurPlayIndex() < 0)
        return;
    const float scale = xCreateSensorGraphic(m_nEventTime);
    mGsensorView->setGensorGraphic(m_oSensorBitmap, m_nMotorType, scale);
    drawSensorIndicator();
}

QImage TrackController::getGSensorBitmap() const
{
    return mGsensorView->getGensorBitmap();
}
