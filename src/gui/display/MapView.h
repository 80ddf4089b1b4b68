#pragma once
// The panel beside the video that shows where the car was: a web map (the bundled Leaflet page,
// driven by script calls) or a dashboard drawn by the panel itself, with the current speed,
// heading, altitude and position. The track loader tells it whether a map can be shown
// (EnableMap), hands it the route (DrawPath) and the current sample (SetPosition).
//
// States: 1 map available, 0 map disabled (no internet), -1 no GPS data.
// Modes: 0 web map, 1 dashboard.

#include "gps/TrackSegment.h"

#include <QImage>
#include <QRect>
#include <QString>
#include <QWidget>

#include <optional>
#include <span>
#include <string>

class BitmapButton;
class ConnectivityMonitor;
class GpsList;
class MapPageBridge;
class MultiButtons;
class QMenu;
class QWebEngineView;

class MapView : public QWidget {
    Q_OBJECT
public:
    enum { kStateNoGps = -1, kStateDisabled = 0, kStateAvailable = 1 };
    enum { kModeWebMap = 0, kModeDashboard = 1 };
    static constexpr int kInfoBarHeight = 20;

    explicit MapView(const QRect& frame, QWidget* parent = nullptr);
    ~MapView() override;

    // Connectivity and the page.
    bool IsInternetConnected();
    bool IsOnLine() const { return m_bOnLine; }
    bool IsMapDocReady() const { return m_bMapDocReady; }
    void LoadMap();
    void WebLoadMap(bool enable);

    // State and mode.
    int GetMapState() const { return m_nMapState; }
    int GetMapMpde() const { return m_nMapMode; }
    void SetMapMode(int mode);
    void EnableMap(int state);

    // The sample shown and the route.
    void SetPosition(double latitude, double longitude, double speed, double altitude, double direction);
    void CenterLastLocation();
    void DrawPath(const GpsList* list);

    // The trip of the open recording, beside the Part's route: every recording's route (ids are
    // the segments' entries), the open one (current) stronger, events marked. One evaluation;
    // kept and drawn again whenever the page loads. The view and zoom are left as they are.
    void DrawTrip(std::span<const TrackSegment> segments, int current);
    // Another recording of the drawn trip is open.
    void SetTripCurrent(int current);
    void ClearTrip();
    // The trip's figures, shown along the bottom of the dashboard; cleared without a trip.
    void setTripFigures(double metres, int drivingSeconds);
    void clearTripFigures();
    // The text shown for them ("" without a trip), for tests and printing.
    QString tripFiguresText() const;

    // Script commands; each evaluates its call in the page.
    bool ScriptSetPosition(double latitude, double longitude);
    void ScriptAddPathPoint(double latitude, double longitude);
    void ScriptDrawPath();
    void ScriptAutoLocation();
    void ScriptSetZoom(int zoom);
    bool ScriptAddSamllMapControl() { return false; }

    // Buttons.
    void OnButtonFullMap();
    void OnButtonDashboard();
    void OnButtonPanelMap();
    void OnButtonSpeedUnit();
    void OnButtonPanelSpeedUnit();

    // Speed unit: 0 km/h, 1 mph.
    int getSpeedUnit() const { return m_nSpeedUnit; }
    void setSpeedUnit(int unit);
    QString getCurSpeedUnitString() const { return getSpeedUnitString(m_nSpeedUnit); }
    static QString getSpeedUnitString(int unit);

    void relayoutContents(double width, double height);
    void loadSkinBitmap();
    void changeLanguage();
    void enableJavaScript();

    // The panel's properties, readable and settable by its owner as the page's state is.
    bool bOnLine() const { return m_bOnLine; }
    void setBOnLine(bool online) { m_bOnLine = online; }
    bool bFullMap() const { return m_bFullMap; }
    void setBFullMap(bool fullMap) { m_bFullMap = fullMap; }
    float fLatitude() const { return m_fLatitude; }
    void setFLatitude(float value) { m_fLatitude = value; }
    float fLongitude() const { return m_fLongitude; }
    void setFLongitude(float value) { m_fLongitude = value; }
    int nMapState() const { return m_nMapState; }
    void setNMapState(int state) { m_nMapState = static_cast<qint16>(state); }
    float fSpeed() const { return m_fSpeed; }
    float fAltitude() const { return m_fAltitude; }
    float fDirection() const { return m_fDirection; }

    // The parts, for the window's owner and its tests. The web view is made at its first use.
    QWebEngineView* webView() const;
    MultiButtons* fullMapButton() const { return m_oFullMapBtn; }
    BitmapButton* speedUnitButton() const { return m_oSpeedUnitBtn; }
    BitmapButton* mapButton() const { return m_oMapBtn; }
    BitmapButton* panelSpeedUnitButton() const { return m_oPanelSpeedUnitBtn; }
    BitmapButton* dashboardButton() const { return m_oDashboardBtn; }
    ConnectivityMonitor* connectivity() const { return mConnectivity; }
    // The map button was pressed and the connectivity answer is awaited.
    bool isMapSwitchPending() const { return mPendingMapSwitch; }
    QMenu* speedUnitMenu() const { return mUnitMenu; }
    // The panel as drawn now (the web view excluded), for printing and tests.
    QImage panelImage();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void createButtons();
    void loadButtonImages();
    void webLoadComplete(bool ok);
    void onConnectivityAnswer(bool connected);
    void showSpeedUnitMenu(QWidget* button);
    void runScript(const QString& script);
    void updateUnitTitles();
    bool isRightToLeft() const { return bR2L; }
    // A y-up rectangle of this panel in Qt's top-down coordinates.
    QRect toQt(const QRectF& yUp) const;
    QRect mirrored(const QRectF& yUp) const;

    // Drawing (MapViewPaint.cpp).
    void drawPanel(QPainter& painter);
    void eraseBkgnd(QPainter& painter, const QRect& rect);
    void DrawDashboard(QPainter& painter);
    void DrawLedSpeed(QPainter& painter, int speed, const QRectF& yUpRect);
    void drawInfoBar(QPainter& painter);
    void drawStateImage(QPainter& painter);
    void drawTripFigures(QPainter& painter);
    QString tripScript() const;
    QColor labelColor() const;

    bool m_bOnLine = true;
    // Made when first needed: the web engine starts with it, and a window holding it is drawn
    // through OpenGL, pictures of the players included.
    mutable QWebEngineView* m_webView = nullptr;
    MultiButtons* m_oFullMapBtn = nullptr;
    bool m_bFullMap = false;
    qint16 m_nMapState = kStateAvailable;
    qint16 m_nInfoBarH = kInfoBarHeight;
    float m_fLatitude = 0;
    float m_fLongitude = 0;
    float m_fSpeed = 0;
    float m_fAltitude = 65535;
    float m_fDirection = 0;
    qint16 m_nSpeedUnit = 0;
    BitmapButton* m_oSpeedUnitBtn = nullptr;
    int m_nSpeedFontSize = 10;
    QRectF rectSpeedText;
    int nBackgroundWidth = 0;
    QRect m_rectGpsPanel;
    BitmapButton* m_oMapBtn = nullptr;
    BitmapButton* m_oPanelSpeedUnitBtn = nullptr;
    qint16 m_nMapMode = kModeDashboard;
    BitmapButton* m_oDashboardBtn = nullptr;
    int m_nDashboardSpeedFontSize = 20;
    bool m_bMapDocReady = false;

    ConnectivityMonitor* mConnectivity = nullptr;
    QMenu* mUnitMenu = nullptr;
    bool bR2L = false;
    bool mPendingMapSwitch = false; // the map button waits for a fresh connectivity answer
    // Skin images of the drawing, loaded once per skin.
    QImage mPanelBackground;   // "gps_panel_bg.png"
    QImage mInfoBar;           // "bg_map.png"
    int mInfoTileWidth = 0;    // width of "bg_map_info.bmp"
    QImage mNoGpsImage;        // "map_no_gps.png"
    QImage mDisabledImage;     // "map_disable.png"
    QImage mDigits[10];        // "ovl_speedno_0.png" ...

    MapPageBridge* mBridge = nullptr;
    std::string mTripParts; // the drawn trip's parts (JSON), sent again when the page loads
    int mTripCurrent = -1;
    struct TripFigures {
        double metres = 0;
        int drivingSeconds = 0;
    };
    std::optional<TripFigures> mTripFigures;
};
