#include "MapView.h"

#include "controls/ViewGeometry.h"
#include "controls/BitmapButton.h"
#include "ConnectivityMonitor.h"
#include "LocalizedText.h"
#include "LogText.h"
#include "controls/MultiButtons.h"
#include "NotificationCenter.h"
#include "NotificationNames.h"
#include "PreferenceKeys.h"
#include "Preferences.h"
#include "ServiceAddresses.h"
#include "SkinImages.h"
#include "MapPageBridge.h"
#include "display/MapPath.h"
#include "display/MapScript.h"
#include "display/TripRouteScript.h"
#include "display/TripSummaryText.h"

#include <QActionGroup>
#include <QJsonDocument>
#include <QMenu>
#include <QPainter>
#include <QResizeEvent>
#include <QWebChannel>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include <cstdio>

// The page and Leaflet live in an object file of their own; naming its initialiser keeps the
// linker from dropping it out of the static library.
static void registerMapPage()
{
    Q_INIT_RESOURCE(map);
}

namespace {

const QUrl kMapPage("qrc:/DVR/map2.html");

// Hands the tile source to the page before its own scripts run.
QWebEngineScript tileSourceScript()
{
    const QString text = QString("window.korivTileUrl = %1; window.korivAttribution = %2;")
                             .arg(QString::fromUtf8(QJsonDocument::fromVariant(QVariantList{pmMapTileTemplate()})
                                                        .toJson(QJsonDocument::Compact)).mid(1).chopped(1),
                                  QString::fromUtf8(QJsonDocument::fromVariant(QVariantList{pmMapTileAttribution()})
                                                        .toJson(QJsonDocument::Compact)).mid(1).chopped(1));
    QWebEngineScript script;
    script.setName("koriv-tiles");
    script.setSourceCode(text);
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setWorldId(QWebEngineScript::MainWorld);
    return script;
}

} // namespace

MapView::MapView(const QRect& frame, QWidget* parent) : QWidget(parent), m_rectGpsPanel(frame)
{
    static const bool registered = (registerMapPage(), true);
    Q_UNUSED(registered);
    setObjectName("mapView");
    setGeometry(frame);
    nBackgroundWidth = frame.width();
    m_nSpeedUnit = static_cast<qint16>(pmGetProfileInt(kPrefSpeedUnit, kDefaultSpeedUnit) == 0 ? 0 : 1);
    bR2L = pmIsRightToLeft();

    mConnectivity = new ConnectivityMonitor(this);
    connect(mConnectivity, &ConnectivityMonitor::answered, this, &MapView::onConnectivityAnswer);

    mBridge = new MapPageBridge(this);
    connect(mBridge, &MapPageBridge::clicked, this, [](int recording, int second) {
        NotificationCenter::defaultCenter().postNotification(kMapViewRouteClickedNotification, recording,
                                                             {{kRouteSecondKey, second}});
    });

    createButtons();
    loadSkinBitmap();
    // The panel starts as a dashboard: nothing is loaded and nobody is asked until a recording
    // with a track opens or the user asks for the web map.
    EnableMap(m_nMapState);
    relayoutContents(frame.width(), frame.height());
}

MapView::~MapView() = default;

QWebEngineView* MapView::webView() const
{
    if (m_webView)
        return m_webView;
    auto* self = const_cast<MapView*>(this);
    m_webView = new QWebEngineView(self);
    m_webView->setObjectName("mainFrame");
    m_webView->setGeometry(0, 0, width(), height() - m_nInfoBarH);
    m_webView->page()->setBackgroundColor(QColor(0x23, 0x27, 0x2c));
    m_webView->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, true);
    m_webView->page()->scripts().insert(tileSourceScript());
    auto* channel = new QWebChannel(self);
    channel->registerObject("korivMap", mBridge);
    m_webView->page()->setWebChannel(channel);
    m_webView->hide();
    // A recording dropped on the map would replace the map page; the window takes it instead.
    m_webView->setAcceptDrops(false);
    connect(m_webView, &QWebEngineView::loadFinished, self, &MapView::webLoadComplete);
    self->enableJavaScript();
    return m_webView;
}

void MapView::createButtons()
{
    m_oFullMapBtn = new MultiButtons(30, 20, this);
    m_oFullMapBtn->setObjectName("fullMapButton");
    m_oSpeedUnitBtn = new BitmapButton(40, 20, this);
    m_oSpeedUnitBtn->setObjectName("speedUnitButton");
    m_oSpeedUnitBtn->setFontSize(m_nSpeedFontSize);
    m_oMapBtn = new BitmapButton(40, 40, this);
    m_oMapBtn->setObjectName("mapButton");
    m_oPanelSpeedUnitBtn = new BitmapButton(70, 25, this);
    m_oPanelSpeedUnitBtn->setObjectName("panelSpeedUnitButton");
    m_oPanelSpeedUnitBtn->setFontSize(m_nDashboardSpeedFontSize);
    m_oDashboardBtn = new BitmapButton(30, 20, this);
    m_oDashboardBtn->setObjectName("dashboardButton");
    connect(m_oFullMapBtn, &QAbstractButton::clicked, this, &MapView::OnButtonFullMap);
    connect(m_oSpeedUnitBtn, &QAbstractButton::clicked, this, &MapView::OnButtonSpeedUnit);
    connect(m_oMapBtn, &QAbstractButton::clicked, this, &MapView::OnButtonPanelMap);
    connect(m_oPanelSpeedUnitBtn, &QAbstractButton::clicked, this, &MapView::OnButtonPanelSpeedUnit);
    connect(m_oDashboardBtn, &QAbstractButton::clicked, this, &MapView::OnButtonDashboard);
}

void MapView::loadButtonImages()
{
    const int state = m_oFullMapBtn->getCurButtonIndex();
    m_oFullMapBtn->clearBitmaps();
    m_oFullMapBtn->addBitmapButton(pmLoadString("IDS_FULL_SCREEN"), "button_full_map.png");
    m_oFullMapBtn->addBitmapButton(pmLoadString("IDS_NORMAL_SCREEN"), "button_full1_map.png");
    m_oFullMapBtn->setButtonIndex(state);
    m_oSpeedUnitBtn->setBitmapButton("km_map.png", "km_map_d.png", "km_map_f.png", "km_map.png");
    m_oPanelSpeedUnitBtn->setBitmapButton("km_gps.png", "km_gps_d.png", "km_gps_f.png", "km_gps.png");
    m_oMapBtn->setBitmapButton("gps_link.png", "gps_link_d.png", "gps_link_f.png", "gps_link.png");
    m_oDashboardBtn->setBitmapButton("button_google_map.png", "button_google_map_d.png", "button_google_map_f.png",
                                     "button_google_map.png");
    for (BitmapButton* button : {m_oSpeedUnitBtn, m_oPanelSpeedUnitBtn, m_oMapBtn, m_oDashboardBtn})
        button->setButtonFlipped(bR2L);
    changeLanguage();
    updateUnitTitles();
}

void MapView::loadSkinBitmap()
{
    bR2L = pmIsRightToLeft();
    mPanelBackground = pmGetSkinImage("gps_panel_bg.png");
    mInfoBar = pmGetSkinImage("bg_map.png");
    mInfoTileWidth = pmGetSkinImage("bg_map_info.bmp").width();
    mNoGpsImage = pmGetSkinImage("map_no_gps.png");
    mDisabledImage = pmGetSkinImage("map_disable.png");
    for (int digit = 0; digit <= 9; ++digit)
        mDigits[digit] = pmGetSkinImage(QString("ovl_speedno_%1.png").arg(digit));
    loadButtonImages();
    update();
}

void MapView::changeLanguage()
{
    bR2L = pmIsRightToLeft();
    m_oFullMapBtn->changeToolTips({pmLoadString("IDS_FULL_SCREEN"), pmLoadString("IDS_NORMAL_SCREEN")});
    m_oSpeedUnitBtn->setToolTip(pmLoadString("IDS_CHANGE_SPEED_UNIT"));
    m_oPanelSpeedUnitBtn->setToolTip(pmLoadString("IDS_CHANGE_SPEED_UNIT"));
    relayoutContents(width(), height());
    update();
}

void MapView::enableJavaScript()
{
    QWebEngineSettings* settings = m_webView->settings();
    const bool enabled = settings->testAttribute(QWebEngineSettings::JavascriptEnabled);
    pmWriteLogText(QString("MapView - enableJavaScript() = %1 !").arg(enabled ? 1 : 0));
    if (!enabled)
        settings->setAttribute(QWebEngineSettings::JavascriptEnabled, true);
}

// ---- Connectivity and the page ----

bool MapView::IsInternetConnected()
{
    // The last answer stands until a fresher one arrives (onConnectivityAnswer).
    if (mConnectivity->hasAnswer())
        m_bOnLine = mConnectivity->lastAnswer();
    mConnectivity->refresh();
    pmWriteLog(m_bOnLine ? "MapView - pmIsInternetConnected() - TRUE" : "MapView - pmIsInternetConnected() - FALSE");
    return m_bOnLine;
}

void MapView::onConnectivityAnswer(bool connected)
{
    const bool changed = connected != m_bOnLine;
    m_bOnLine = connected;
    pmWriteLog(connected ? "MapView - pmIsInternetConnected() - TRUE" : "MapView - pmIsInternetConnected() - FALSE");
    if (mPendingMapSwitch) {
        mPendingMapSwitch = false;
        if (connected)
            SetMapMode(kModeWebMap);
    }
    if (!changed)
        return;
    if (!connected && m_nMapState == kStateAvailable)
        EnableMap(kStateDisabled);
    else if (connected && m_nMapState == kStateDisabled) {
        EnableMap(kStateAvailable);
        WebLoadMap(false);
    }
}

void MapView::LoadMap()
{
    const bool wasOnline = m_bOnLine;
    WebLoadMap(false);
    if (wasOnline && !m_bOnLine)
        EnableMap(kStateDisabled);
}

void MapView::WebLoadMap(bool enable)
{
    IsInternetConnected();
    if (m_nMapState != kStateAvailable || m_nMapMode != kModeWebMap)
        return;
    if (m_bOnLine) {
        pmWriteLog("MapView - WebLoadMap()");
        m_bMapDocReady = false;
        webView()->load(kMapPage);
    }
    if (enable)
        EnableMap(m_bOnLine ? kStateAvailable : kStateDisabled);
}

void MapView::webLoadComplete(bool ok)
{
    if (!ok) {
        pmWriteLog("MapView - webLoadComplete() - the page did not load");
        return;
    }
    m_webView->stop();
    m_bMapDocReady = true;
    if (!mTripParts.empty())
        runScript(tripScript());
    NotificationCenter::defaultCenter().postNotification(kMapViewReadyNotification);
    const QWebEngineSettings* settings = m_webView->settings();
    pmWriteLogText(QString("MapView - webLoadComplete() is JavaScript enabled = %1 !")
                       .arg(settings->testAttribute(QWebEngineSettings::JavascriptEnabled) ? 1 : 0));
    // The engine runs no Java applets.
    pmWriteLog("MapView - webLoadComplete() is Java enabled = 0 !");
    pmWriteLogText(QString("MapView - webLoadComplete() is PlugIns enabled = %1 !")
                       .arg(settings->testAttribute(QWebEngineSettings::PluginsEnabled) ? 1 : 0));
}

// ---- State and mode ----

void MapView::EnableMap(int state)
{
    m_nMapState = static_cast<qint16>(state);
    const bool dashboard = m_nMapMode == kModeDashboard;
    const bool webMap = state == kStateAvailable && !dashboard;
    const bool panelButtons = dashboard && (state == kStateAvailable || state == kStateDisabled);
    if (m_webView || webMap)
        webView()->setVisible(webMap);
    m_oFullMapBtn->setVisible(webMap);
    m_oSpeedUnitBtn->setVisible(webMap);
    m_oPanelSpeedUnitBtn->setVisible(panelButtons);
    m_oMapBtn->setVisible(panelButtons);
    m_oDashboardBtn->setVisible(webMap && !m_bFullMap);
    update();
}

void MapView::SetMapMode(int mode)
{
    if (mode == m_nMapMode)
        return;
    m_nMapMode = static_cast<qint16>(mode);
    if (mode == kModeWebMap)
        LoadMap();
    EnableMap(m_nMapState);
}

void MapView::OnButtonPanelMap()
{
    // The switch waits for a fresh answer in the background rather than blocking the window.
    mPendingMapSwitch = true;
    mConnectivity->refresh(0);
}

void MapView::OnButtonDashboard()
{
    SetMapMode(kModeDashboard);
}

void MapView::OnButtonFullMap()
{
    pmWriteConsoleText("OnButtonFullMap() - Fullscreen button pressed !");
    std::fflush(stdout);
    m_oFullMapBtn->setButtonIndex(m_bFullMap ? 0 : 1);
    m_bFullMap = !m_bFullMap;
    m_oDashboardBtn->setVisible(!m_bFullMap && m_nMapState == kStateAvailable && m_nMapMode == kModeWebMap);
    NotificationCenter::defaultCenter().postNotification(kMapViewFullMapNotification);
}

// ---- Position and route ----

void MapView::SetPosition(double latitude, double longitude, double speed, double altitude, double direction)
{
    m_fLatitude = static_cast<float>(latitude);
    m_fLongitude = static_cast<float>(longitude);
    m_fSpeed = static_cast<float>(speed);
    m_fAltitude = static_cast<float>(altitude);
    m_fDirection = static_cast<float>(direction);
    if (m_webView && m_nMapMode != kModeDashboard)
        CenterLastLocation();
    update();
}

void MapView::CenterLastLocation()
{
    if (m_nMapMode != kModeDashboard)
        ScriptSetPosition(m_fLatitude, m_fLongitude);
}

void MapView::DrawPath(const GpsList* list)
{
    if (m_nMapMode != kModeWebMap)
        return;
    const MapPathPlan plan = pmMapPath(list);
    if (plan.points.empty())
        ScriptDrawPath();
    else
        runScript(QString::fromStdString(pmDrawPathScript(plan)));
    update();
}

// ---- The trip ----

void MapView::DrawTrip(std::span<const TrackSegment> segments, int current)
{
    mTripParts = pmTripPartsJson(segments);
    mTripCurrent = current;
    runScript(tripScript());
}

QString MapView::tripScript() const
{
    return QString::fromStdString(pmDrawTripScript(mTripParts, mTripCurrent));
}

void MapView::SetTripCurrent(int current)
{
    if (mTripParts.empty())
        return;
    mTripCurrent = current;
    runScript(QString::fromStdString(pmSetTripCurrentScript(current)));
}

void MapView::ClearTrip()
{
    mTripParts.clear();
    runScript(kClearTripScript);
}

void MapView::setTripFigures(double metres, int drivingSeconds)
{
    mTripFigures = TripFigures{metres, drivingSeconds};
    update();
}

void MapView::clearTripFigures()
{
    mTripFigures.reset();
    update();
}

QString MapView::tripFiguresText() const
{
    if (!mTripFigures)
        return QString();
    return pmLoadString("IDS_TRIP_SUMMARY")
        .arg(QString::fromStdString(pmTripDistanceText(mTripFigures->metres, m_nSpeedUnit)),
             QString::fromStdString(pmClockText(mTripFigures->drivingSeconds)));
}

// ---- Script commands ----

void MapView::runScript(const QString& script)
{
    // Before the page is ready nothing can run; its ready notification brings a redraw.
    if (m_bMapDocReady)
        m_webView->page()->runJavaScript(script);
}

bool MapView::ScriptSetPosition(double latitude, double longitude)
{
    if (m_nMapState != kStateAvailable || m_nMapMode != kModeWebMap || !m_bMapDocReady)
        return false;
    const QString script = QString::fromStdString(pmMapSetCenterScript(latitude, longitude));
    m_webView->page()->runJavaScript(script, [](const QVariant& result) {
        const QString text = result.isValid() ? result.toString() : QString();
        if (text.isEmpty())
            pmWriteLog("MapView - JavaScript mapSetCenter() - error");
        else if (text != "1")
            pmWriteLogText("MapView - JavaScript mapSetCenter() - " + text);
    });
    return true;
}

void MapView::ScriptAddPathPoint(double latitude, double longitude)
{
    runScript(QString::fromStdString(pmAddPathPointScript(latitude, longitude)));
}

void MapView::ScriptDrawPath()
{
    runScript(kDrawPathScript);
    update();
}

void MapView::ScriptAutoLocation()
{
    runScript(kAutoLocationScript);
}

void MapView::ScriptSetZoom(int zoom)
{
    runScript(QString::fromStdString(pmSetZoomScript(zoom)));
}

// ---- Speed unit ----

QString MapView::getSpeedUnitString(int unit)
{
    return unit == 0 ? QStringLiteral("km/h") : QStringLiteral("mph");
}

void MapView::setSpeedUnit(int unit)
{
    m_nSpeedUnit = static_cast<qint16>(unit == 0 ? 0 : 1);
    updateUnitTitles();
    update();
    pmSetProfileInt(kPrefSpeedUnit, m_nSpeedUnit);
}

void MapView::updateUnitTitles()
{
    m_oSpeedUnitBtn->setBitmapTitle(getCurSpeedUnitString());
    m_oPanelSpeedUnitBtn->setBitmapTitle(getCurSpeedUnitString());
}

void MapView::OnButtonSpeedUnit()
{
    showSpeedUnitMenu(m_oSpeedUnitBtn);
}

void MapView::OnButtonPanelSpeedUnit()
{
    showSpeedUnitMenu(m_oPanelSpeedUnitBtn);
}

void MapView::showSpeedUnitMenu(QWidget* button)
{
    delete mUnitMenu;
    mUnitMenu = new QMenu("Speed Unit", this);
    mUnitMenu->setObjectName("speedUnitMenu");
    mUnitMenu->setLayoutDirection(bR2L ? Qt::RightToLeft : Qt::LeftToRight);
    auto* group = new QActionGroup(mUnitMenu);
    for (int tag : {0, 1}) {
        QAction* action = mUnitMenu->addAction(getSpeedUnitString(tag));
        action->setCheckable(true);
        action->setChecked(tag == m_nSpeedUnit);
        action->setData(tag);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [tag] {
            NotificationCenter::defaultCenter().postNotification(kMapViewSpeedUnitNotification, tag);
        });
    }
    mUnitMenu->popup(button->mapToGlobal(QPoint(0, button->height())));
}

// ---- Layout ----

QRect MapView::toQt(const QRectF& yUp) const
{
    return pmYUpToQt(yUp, height());
}

QRect MapView::mirrored(const QRectF& yUp) const
{
    if (!bR2L)
        return toQt(yUp);
    return toQt(QRectF(width() - yUp.width() - yUp.x(), yUp.y(), yUp.width(), yUp.height()));
}

void MapView::relayoutContents(double width, double height)
{
    const double W = width;
    const double H = height;
    nBackgroundWidth = static_cast<int>(W);
    if (m_webView)
        m_webView->setGeometry(QRectF(0, 0, W, H - m_nInfoBarH).toAlignedRect());
    m_oFullMapBtn->setGeometry(mirrored(QRectF(W - 30, 0, 30, 20)));
    m_oDashboardBtn->setGeometry(mirrored(QRectF(W - 59, 0, 30, 20)));
    m_oSpeedUnitBtn->setGeometry(mirrored(QRectF(234, 0, 40, 20)));
    rectSpeedText = bR2L ? QRectF(W - 234, 0, 40, 20) : QRectF(194, 0, 40, 20);
    m_oMapBtn->setGeometry(mirrored(QRectF(W - 40, 0, 40, 40)));
    const double panelX = 246 + (W - m_rectGpsPanel.width()) / 2;
    m_oPanelSpeedUnitBtn->setGeometry(mirrored(QRectF(panelX, H - 103, 70, 25)));
    update();
}

void MapView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    relayoutContents(event->size().width(), event->size().height());
}
