// The display subsystem's side of the journey: the track of the selected recording, loaded when it
// opens and followed with the play time on the map panel and the G-sensor graph.
#include "TrackController.h"

#include "GSensorView.h"
#include "LogText.h"
#include "MapView.h"
#include "NotificationCenter.h"
#include "TripController.h"
#include "browse/BrowseController.h"
#include "gps/TrackLoader.h"
#include "playback/PlaybackController.h"

#include <algorithm>

namespace {

int mapStateFor(bool online, bool hasGps)
{
    if (!hasGps)
        return MapView::kStateNoGps;
    return online ? MapView::kStateAvailable : MapView::kStateDisabled;
}

} // namespace

TrackController::TrackController(BrowseController& browse, PlaybackController& playback, QObject* parent)
    : QObject(parent), mBrowse(browse), mPlayback(playback), mIsMapFullScreen([] { return false; })
{
}

TrackController::~TrackController()
{
    NotificationCenter::defaultCenter().removeObserver(this);
}

void TrackController::reset()
{
    m_nEventTime = -1;
    m_nMotorType = 0;
    mLastMapPosition = MapGoToValues();
}

// ---- Following the play time ----

void TrackController::onOpenGPSFile()
{
    pmWriteLog("CSIVManagerDlg::OnOpenGpsFile() - Start !");
    // The slider's range goes first: loading the track reads it.
    mPlayback.updateTimeSliderRange();
    mPlayback.setTimeSliderValue(0);
    m_nEventTime = -1;
    const std::optional<std::string> path = mBrowse.playlist().getFilePathInPlaylist(mPlayback.getCurPlayIndex());
    const LoadedTrack track =
        pmLoadTrack(path.value_or(std::string()), mPlayback.selectedMovieDuration(), m_poGpsList);
    if (!path)
        return;
    m_nMotorType = track.motorType;
    const bool hasGps = m_poGpsList.IsGPSReady();
    if (track.loaded) {
        bool online = false;
        if (!mMapView->IsOnLine() || !mMapView->IsMapDocReady()) {
            mMapView->LoadMap();
            online = mMapView->IsOnLine();
        } else {
            online = mMapView->IsInternetConnected();
        }
        mMapView->EnableMap(mapStateFor(online, hasGps));
        if (track.eventIndex >= 0) {
            m_nEventTime = track.eventIndex;
            mPlayback.setEventMark(track.eventSecond);
        }
        const float scale = xCreateSensorGraphic(m_nEventTime);
        mGsensorView->setGensorGraphic(m_oSensorBitmap, m_nMotorType, scale);
        mMapView->DrawPath(&m_poGpsList);
        mapGoTo();
    } else {
        if (mMapView->IsOnLine()) {
            mMapView->EnableMap(mMapView->IsInternetConnected() ? mapStateFor(true, hasGps) : MapView::kStateDisabled);
        } else {
            mMapView->LoadMap();
            if (mMapView->IsOnLine())
                mMapView->EnableMap(mapStateFor(true, hasGps));
            else if (!hasGps)
                mMapView->EnableMap(MapView::kStateNoGps);
        }
        const float scale = xCreateSensorGraphic(-1);
        mGsensorView->setGensorGraphic(m_oSensorBitmap, m_nMotorType, scale);
        mLastMapPosition = pmMapGoToValues(nullptr);
        mMapView->SetPosition(0, 0, 0, 0, -1);
        mMapView->DrawPath(nullptr);
    }
    // The whole journey around the recording, read off the GUI thread.
    mTrips->showTrip(mPlayback.getCurPlayIndex());
    emit trackOpened(hasGps);
    if (m_nEventTime < 0)
        mPlayback.setEventMark(-1);
    // Full-map mode without a map to show would leave the window with nothing in it.
    if (mMapView->GetMapState() != MapView::kStateAvailable && mIsMapFullScreen())
        mMapView->OnButtonFullMap();
    pmWriteLog("CSIVManagerDlg::OnOpenGpsFile() - End !");
}

const GpsData* TrackController::getCurGpsData() const
{
    return pmGetCurGpsData(m_poGpsList, mPlayback.selectedMovieCurrentTime());
}

void TrackController::mapGoTo()
{
    mLastMapPosition = pmMapGoToValues(getCurGpsData());
    const MapGoToValues& v = mLastMapPosition;
    mMapView->SetPosition(v.latitude, v.longitude, v.speed, v.altitude, v.direction);
    drawSensorIndicator();
}

// The graph's cursor at the time slider's position, with the last sample's G values.
void TrackController::drawSensorIndicator()
{
    const MapGoToValues& v = mLastMapPosition;
    mGsensorView->drawIndicator(mPlayback.timeSliderPosition(), v.sensorX, v.sensorY, v.sensorZ);
}

void TrackController::onPlayTimerChange()
{
    const double position = std::clamp(mPlayback.playerTime(), 0.0, std::max(mPlayback.selectedMovieDuration(), 0.0));
    mPlayback.changeSeekTime(int(position));
    mPlayback.setTimeSliderValue(int(position));
    drawSensorIndicator();
    mPlayback.drawTime();
    mapGoTo();
}
