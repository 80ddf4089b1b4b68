#pragma once
// The display subsystem: the track of the open recording, read when it opens, and what the
// map panel, its information bar and the G-sensor graph are told as the play time moves.
// It owns the map panel and the graph; it reads the open entry and the play time from the
// playback subsystem and the play list from the browsing one.

#include "gps/CurrentSample.h"
#include "gps/GpsList.h"

#include <QImage>
#include <QObject>
#include <QString>

#include <functional>

class BrowseController;
class GSensorView;
class MapView;
class PlaybackController;
class QWidget;
class TripController;

class TrackController : public QObject {
    Q_OBJECT
public:
    TrackController(BrowseController& browse, PlaybackController& playback, QObject* parent = nullptr);
    ~TrackController() override;

    void createPanels(QWidget* content, QWidget* window);
    void addObservers();
    void reset();
    // Whether the window shows the map alone, which a recording without a map must end.
    void setMapFullScreenQuery(std::function<bool()> query) { mIsMapFullScreen = std::move(query); }

    // Following the play time (TrackController.cpp).
    void onOpenGPSFile();
    // The entry's trip goes to the map while its recording still opens: a trip drawn anew is
    // the page's dearest work, and it need not wait for the picture.
    void showTripOf(int entry);
    const GpsData* getCurGpsData() const;
    void mapGoTo();
    void onPlayTimerChange();
    // A rebuilt play list: nothing open, no motor type, trips of the new entries.
    void playlistChanged();
    bool hasGps() const { return m_poGpsList.IsGPSReady(); }

    // The panels' hooks, the unit menu and the curve (TrackPanels.cpp).
    void onMapViewReady();
    void onCenterMap();
    void unitMenuItemClicked(int tag);
    // Builds the curve image of the track into m_oSensorBitmap; returns its scale.
    float xCreateSensorGraphic(int eventTime);
    void changeLanguage();
    void loadSkinBitmap();
    void redrawSensorGraphic();
    QImage getGSensorBitmap() const;

    // The export button and the File menu's export command (TrackExport.cpp).
    void onButtonExport();
    // Writes the track as KML, or as GPX when the path ends in ".gpx"; false when nothing
    // could be written.
    bool exportTrack(const QString& path);

    MapView* mapView() const { return mMapView; }
    TripController* trips() const { return mTrips; }
    GSensorView* gsensorView() const { return mGsensorView; }
    const GpsList* gpsList() const { return &m_poGpsList; }
    const QImage& sensorBitmap() const { return m_oSensorBitmap; }
    // The values last handed to the map panel and the G-sensor indicator.
    const MapGoToValues& lastMapPosition() const { return mLastMapPosition; }
    int eventTime() const { return m_nEventTime; }

signals:
    // A recording's track was read: whether it holds GPS data to show and export.
    void trackOpened(bool hasGps);
    // A click on the trip's route: the play-list entry and second to show.
    void routeClicked(int entry, int second);

private:
    void drawSensorIndicator();

    BrowseController& mBrowse;
    PlaybackController& mPlayback;
    std::function<bool()> mIsMapFullScreen;
    QWidget* mWindow = nullptr;
    MapView* mMapView = nullptr;
    GSensorView* mGsensorView = nullptr;
    TripController* mTrips = nullptr;
    QImage m_oSensorBitmap;
    int m_nEventTime = -1;
    int m_nMotorType = 0;
    GpsList m_poGpsList;
    MapGoToValues mLastMapPosition;
};
