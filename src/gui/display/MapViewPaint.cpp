// What the map panel draws itself: the dashboard in dashboard mode, the information bar under
// the web map, and the state pictures when no map can be shown. Positions of the dashboard
// count down from the panel's top; the information bar is the strip of height 20 at the bottom.
#include "MapView.h"

#include "LocalizedText.h"
#include "Preferences.h"
#include "SkinImages.h"
#include "display/GpsInfoText.h"

#include <QPainter>

namespace {

QFont helvetica(int pointSize)
{
    QFont font("Helvetica");
    font.setPixelSize(pointSize);
    return font;
}

std::string degreeSign()
{
    return pmLoadString("IDS_UNIT_DEGREE").toStdString();
}

const QColor kStateBackground(55, 55, 55);
const QColor kMessageColor(103, 103, 103);

} // namespace

QColor MapView::labelColor() const
{
    switch (pmGetCurrentSkin()) {
    case 1: return QColor(155, 198, 56);
    case 2: return QColor(160, 127, 73);
    case 3: return QColor(39, 182, 233);
    default: return QColor(230, 105, 1);
    }
}

void MapView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    drawPanel(painter);
}

QImage MapView::panelImage()
{
    QImage image(size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    drawPanel(painter);
    return image;
}

void MapView::drawPanel(QPainter& painter)
{
    const bool dashboard = m_nMapMode == kModeDashboard && m_nMapState != kStateNoGps;
    eraseBkgnd(painter, rect());
    if (dashboard) {
        DrawDashboard(painter);
        drawTripFigures(painter);
    } else if (m_bOnLine && m_nMapState == kStateAvailable)
        drawInfoBar(painter);
    else
        drawStateImage(painter);
}

void MapView::eraseBkgnd(QPainter& painter, const QRect& area)
{
    const bool dashboard = m_nMapMode == kModeDashboard && m_nMapState != kStateNoGps;
    painter.fillRect(area, dashboard ? QColor(Qt::black) : kStateBackground);
}

void MapView::DrawDashboard(QPainter& painter)
{
    const int W = width();
    if (bR2L)
        painter.drawImage(0, 0, pmMirrorImage(mPanelBackground));
    else
        painter.drawImage((W - mPanelBackground.width()) / 2, 0, mPanelBackground);

    const int left = (W - m_rectGpsPanel.width()) / 2;
    // A field of the panel area by its left edge, the distance of its bottom edge from the
    // top, and its size.
    const auto field = [&](double x, double bottom, double w, double h) {
        return QRectF(left + x, bottom - h, w, h);
    };

    painter.setFont(helvetica(12));
    painter.setPen(labelColor());
    const int labelAlign = (bR2L ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
    QRectF speedLabel = field(20, 19, 130, 15);
    if (bR2L)
        speedLabel.moveLeft(W - speedLabel.width() - speedLabel.left());
    painter.drawText(speedLabel, labelAlign, pmLoadString("IDS_SPEED"));
    painter.drawText(field(20, 119, 130, 15), labelAlign, pmLoadString("IDS_DIRECTION"));
    painter.drawText(field(150, 119, 130, 15), labelAlign, pmLoadString("IDS_ALTITUDE"));
    painter.drawText(field(20, 166, 130, 15), labelAlign, pmLoadString("IDS_LATITUDE"));
    painter.drawText(field(150, 166, 130, 15), labelAlign, pmLoadString("IDS_LONGITUDE"));

    const int speed = pmRoundedSpeed(pmDisplaySpeed(m_fSpeed, m_nSpeedUnit));
    DrawLedSpeed(painter, speed, field(bR2L ? 94 : 64, 104, 60, 85));

    const DashboardTexts texts =
        pmDashboardTexts(m_fLatitude, m_fLongitude, m_fSpeed, m_fAltitude, m_fDirection, degreeSign());
    painter.setPen(Qt::white);
    painter.setFont(helvetica(20));
    painter.drawText(field(20, 151, 130, 32), Qt::AlignCenter, QString::fromStdString(texts.direction));
    painter.drawText(field(150, 151, 130, 32), Qt::AlignCenter, QString::fromStdString(texts.altitude));
    painter.setFont(helvetica(18));
    painter.drawText(field(20, 198, 130, 32), Qt::AlignCenter, QString::fromStdString(texts.latitude));
    painter.drawText(field(150, 198, 130, 32), Qt::AlignCenter, QString::fromStdString(texts.longitude));
}

void MapView::DrawLedSpeed(QPainter& painter, int speed, const QRectF& cell)
{
    const std::array<int, 3> digits = pmSpeedDigits(speed);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    for (int i = 0; i < 3; ++i) {
        if (digits[static_cast<size_t>(i)] >= 0)
            painter.drawImage(QPointF(cell.left() + 60 * i, cell.top()), mDigits[digits[static_cast<size_t>(i)]]);
    }
}

void MapView::drawInfoBar(QPainter& painter)
{
    const int W = width();
    const QRect strip = toQt(QRectF(0, 0, W, m_nInfoBarH));
    // The bar image closes the strip on the right; its left part fills the rest, one tile
    // width at a time.
    QImage bar(strip.size(), QImage::Format_ARGB32_Premultiplied);
    bar.fill(kStateBackground);
    {
        QPainter barPainter(&bar);
        const int end = W - mInfoBar.width();
        barPainter.drawImage(end, 0, mInfoBar);
        const int tile = mInfoTileWidth > 0 ? std::min(mInfoTileWidth, mInfoBar.width()) : mInfoBar.width();
        for (int x = end - tile; tile > 0 && x > -tile; x -= tile)
            barPainter.drawImage(QPoint(x, 0), mInfoBar, QRect(0, 0, tile, mInfoBar.height()));
    }
    painter.drawImage(strip.topLeft(), bR2L ? pmMirrorImage(bar) : bar);

    painter.setPen(Qt::white);
    painter.setFont(helvetica(10));
    const QRect speedText = toQt(rectSpeedText);
    const QRect infoText = bR2L ? QRect(speedText.right() + 5, strip.top(), W - speedText.right() - 10, strip.height())
                                : QRect(5, strip.top(), speedText.left() - 5, strip.height());
    const std::string info =
        pmInfoBarText(m_fLatitude, m_fLongitude, m_fSpeed, m_fAltitude, m_fDirection, degreeSign());
    painter.drawText(infoText, (bR2L ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter, QString::fromStdString(info));
    painter.setFont(helvetica(m_nSpeedFontSize));
    painter.drawText(speedText, (bR2L ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter,
                     QString::fromStdString(pmSpeedText(m_fSpeed, m_nSpeedUnit)));
}

// The trip's distance and driving time along the bottom of the dashboard, clear of the map
// button in its corner.
void MapView::drawTripFigures(QPainter& painter)
{
    const QString text = tripFiguresText();
    if (text.isEmpty())
        return;
    const int buttonRoom = 45;
    painter.setPen(Qt::white);
    painter.setFont(helvetica(10));
    painter.drawText(mirrored(QRectF(5, 0, width() - 5 - buttonRoom, m_nInfoBarH)),
                     (bR2L ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter, text);
}

void MapView::drawStateImage(QPainter& painter)
{
    const QImage& image = m_nMapState == kStateNoGps ? mNoGpsImage : mDisabledImage;
    painter.drawImage((width() - image.width()) / 2, 0, image);
    if (m_nMapState != kStateNoGps)
        return;
    painter.setFont(helvetica(16));
    painter.setPen(kMessageColor);
    painter.drawText(toQt(QRectF(0, 0, width(), height() - 120)), Qt::AlignCenter | Qt::TextWordWrap,
                     pmLoadString("IDS_ERR_NO_GPS_DATA"));
}
