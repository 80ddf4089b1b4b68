// The controller's side of the journey: the track of the selected recording, loaded when it
// opens and followed with the play time on the map panel and the G-sensor graph.
#include "AppDelegate.h"

#include "LogText.h"
#include "ToolbarView.h"
#include "controls/BitmapButton.h"
#include "controls/PlayControlView.h"
#include "controls/Slider.h"
#include "display/GSensorView.h"
#include "display/MapView.h"
#include "gps/TrackLoader.h"
#include "playback/VideoPlayerView.h"

#include <algorithm>

namespace {

int mapStateFor(bool online, bool hasGps)
{
    if (!hasGps)
        return MapView::kStateNoGps;
    return online ? MapView::kStateAvailable : MapView::kStateDisabled;
}

} // namespace

// ---- Following the play time ----

void AppDelegate::onOpenGPSFile()
{
    pmWriteLog("CSIVManagerDlg::OnOpenGpsFile() - Start !");
    // The slider's range goes first: loading the track reads it.
    updateTimeSliderRange();
    Slider* slider = mPlaybarView->poTimeSlider();
    slider->setCurrentValue(0);
    mToolbarView->oPrintBtn()->setEnabled(true);
    mToolbarView->oCaptureBtn()->setEnabled(true);
    m_nEventTime = -1;
    m_poGpsTempData.ResetData();
    const std::optional<std::string> path = mPlaylist.getFilePathInPlaylist(m_nCurPlayIndex);
    const LoadedTrack track = pmLoadTrack(path.value_or(std::string()), mSelectedMovieDuration, m_poGpsList);
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
            slider->setEventMarkPos(track.eventSecond);
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
    mToolbarView->oExportBtn()->setEnabled(hasGps);
    if (m_nEventTime < 0)
        slider->setEventMarkPos(-1);
    // Full-map mode without a map to show would leave the window with nothing in it.
    if (mMapView->GetMapState() != MapView::kStateAvailable && m_nScreenMode == kScreenMapFull)
        mMapView->OnButtonFullMap();
    pmWriteLog("CSIVManagerDlg::OnOpenGpsFile() - End !");
}

const GpsData* AppDelegate::getCurGpsData() const
{
    return pmGetCurGpsData(m_poGpsList, mSelectedMovieCurrentTime);
}

void AppDelegate::mapGoTo()
{
    mLastMapPosition = pmMapGoToValues(getCurGpsData());
    m_nSensorX = mLastMapPosition.sensorX;
    m_nSensorY = mLastMapPosition.sensorY;
    m_nSensorZ = mLastMapPosition.sensorZ;
    const MapGoToValues& v = mLastMapPosition;
    mMapView->SetPosition(v.latitude, v.longitude, v.speed, v.altitude, v.direction);
    mGsensorView->drawIndicator(mPlaybarView->poTimeSlider()->getCurrentPos(), m_nSensorX, m_nSensorY, m_nSensorZ);
}

void AppDelegate::onPlayTimerChange()
{
    double position = mVideoPlayView ? mVideoPlayView->getCurrentTime() : 0;
    position = std::clamp(position, 0.0, std::max(mSelectedMovieDuration, 0.0));
    changeSeekTime(int(position));
    mPlaybarView->poTimeSlider()->setCurrentValue(int(position));
    mGsensorView->drawIndicator(mPlaybarView->poTimeSlider()->getCurrentPos(), m_nSensorX, m_nSensorY, m_nSensorZ);
    drawTime();
    mapGoTo();
}
