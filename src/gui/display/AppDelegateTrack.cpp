// The controller's side of the journey: the map panel and the G-sensor graph.
#include "AppDelegate.h"

#include "PanelHost.h"
#include "playback/VideoPlayerView.h"
#include "controls/PlayControlView.h"
#include "controls/Slider.h"
#include "gps/TrackLoader.h"

#include <algorithm>

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

// ---- Following the play time ----

void AppDelegate::onOpenGPSFile()
{
    // The slider's range goes first: loading the track reads it.
    updateTimeSliderRange();
    mPlaybarView->poTimeSlider()->setCurrentValue(0);
    m_nEventTime = -1;
    m_poGpsTempData.ResetData();
    const std::optional<std::string> path = mPlaylist.getFilePathInPlaylist(m_nCurPlayIndex);
    const LoadedTrack track = pmLoadTrack(path.value_or(std::string()), mSelectedMovieDuration, m_poGpsList);
    if (!path)
        return;
    m_nMotorType = track.motorType;
    if (track.loaded && track.eventIndex >= 0)
        m_nEventTime = track.eventIndex;
    mPlaybarView->poTimeSlider()->setEventMarkPos(m_nEventTime >= 0 ? track.eventSecond : -1);
    if (track.loaded)
        mapGoTo();
    else
        mLastMapPosition = pmMapGoToValues(nullptr);
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
}

void AppDelegate::onPlayTimerChange()
{
    double position = mVideoPlayView ? mVideoPlayView->getCurrentTime() : 0;
    position = std::clamp(position, 0.0, std::max(mSelectedMovieDuration, 0.0));
    changeSeekTime(int(position));
    mPlaybarView->poTimeSlider()->setCurrentValue(int(position));
    drawTime();
    mapGoTo();
}
