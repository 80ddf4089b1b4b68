#include "GSensorView.h"

#include "controls/ViewGeometry.h"
#include "LocalizedText.h"
#include "Preferences.h"
#include "PreferenceKeys.h"
#include "SkinImages.h"
#include "display/SensorGraph.h"

#include <QPainter>

namespace {

constexpr int kLanguageKorean = 4;

QFont helvetica(int pixelSize)
{
    QFont font("Helvetica");
    font.setPixelSize(pixelSize);
    return font;
}

const char* const kArrowNames[3][2] = {
    {"arrow_x1.png", "arrow_x2.png"}, {"arrow_y1.png", "arrow_y2.png"}, {"arrow_z1.png", "arrow_z2.png"}};
// Value rectangles (left, bottom edge counted down from the top), positive then negative.
constexpr int kValueAt[3][2][2] = {{{64, 196}, {232, 106}}, {{232, 196}, {58, 108}}, {{146, 88}, {146, 210}}};
// Arrow images (left, distance of their top edge from the panel's top).
constexpr int kArrowAt[3][2][2] = {{{114, 168}, {210, 105}}, {{210, 169}, {107, 104}}, {{162, 90}, {162, 170}}};
const char* const kAxisLetters[3] = {"X", "Y", "Z"};

} // namespace

GSensorView::GSensorView(const QRect& frame, QWidget* parent) : QWidget(parent)
{
    setObjectName("gsensorView");
    setGeometry(frame);
    loadImages();
    createGensorBitmap(0, 0, 0);
    nIndicatorPos = -1;
}

void GSensorView::loadImages()
{
    poDisableBitmap = pmGetSkinImage(backgroundImageName);
    poBackgroundBitmap = poDisableBitmap;
    poDefaultUnknownBmp = pmGetSkinImage("G-Sensor Screen_default.png");
    poDisableMotoBmp = poDefaultUnknownBmp;
    if (IsShowNoSensorMsg()) {
        const QString message = pmLoadString("IDS_ERR_NO_GSENSOR_DATA");
        poDisableMotoBmp = xCombineBitmapWithText(poDisableMotoBmp, message);
        poDisableBitmap = xCombineBitmapWithText(poDisableBitmap, message);
    }
    for (int axis = 0; axis < 3; ++axis) {
        for (int sign = 0; sign < 2; ++sign)
            poArrowBitmap[axis][sign] = pmGetSkinImage(kArrowNames[axis][sign]);
    }
    xCheckArrowColor();
    poGraphicBitmap = QImage();
    poGensorBitmap = QImage();
    if (!poBackgroundBitmap.isNull()) {
        nBackgroundWidth = poBackgroundBitmap.width();
        nBackgroundHeight = poBackgroundBitmap.height();
    }
    layoutParts();
    xCreateBackgroundBitmap();
}

void GSensorView::layoutParts()
{
    const double H = nBackgroundHeight;
    rectGraphic = QRectF(51, H - 66, kSensorGraphWidth, kSensorGraphHeight);
    for (int axis = 0; axis < 3; ++axis) {
        rectKey[axis] = QRectF(302, H - 20 - 20 * axis, 10, 10);
        for (int sign = 0; sign < 2; ++sign) {
            rectValue[axis][sign] = QRectF(kValueAt[axis][sign][0], H - kValueAt[axis][sign][1], 48, 14);
            const int imageHeight = poArrowBitmap[axis][sign].height();
            ptArrow[axis][sign] = QPointF(kArrowAt[axis][sign][0], H - imageHeight - kArrowAt[axis][sign][1]);
        }
    }
    rectMax = QRectF(0, H - 21, 46, 16);
    rectMean = QRectF(0, H - 44, 46, 16);
    rectMin = QRectF(0, H - 66, 46, 16);
}

QRect GSensorView::toQt(const QRectF& yUp) const
{
    return pmYUpToQt(yUp, nBackgroundHeight);
}

QRect GSensorView::valueRect(int axis, int arrowIndex) const
{
    return toQt(rectValue[axis][arrowIndex]);
}

QPoint GSensorView::arrowPoint(int axis, int arrowIndex) const
{
    const QPointF point = ptArrow[axis][arrowIndex];
    const int imageHeight = poArrowBitmap[axis][arrowIndex].height();
    return QPoint(static_cast<int>(point.x()), nBackgroundHeight - static_cast<int>(point.y()) - imageHeight);
}

const QImage& GSensorView::arrowImage(int axis, int arrowIndex) const
{
    return poArrowBitmap[axis][arrowIndex];
}

bool GSensorView::IsShowNoSensorMsg() const
{
    const int language = getLanguageId();
    return language != kLanguageKorean && language != kLanguageArabic;
}

void GSensorView::xCheckArrowColor()
{
    const auto centre = [](const QImage& image) {
        return image.isNull() ? QColor(Qt::white) : image.pixelColor(image.width() / 2, image.height() / 2);
    };
    colorXAxis = centre(poArrowBitmap[0][0]);
    colorYAxis = centre(poArrowBitmap[1][0]);
    colorZAxis = centre(poArrowBitmap[2][0]);
}

void GSensorView::xCreateBackgroundBitmap()
{
    QImage background(nBackgroundWidth, nBackgroundHeight, QImage::Format_ARGB32_Premultiplied);
    background.fill(Qt::transparent);
    QPainter painter(&background);
    const char* name = m_nMotorType == 1   ? "G-Sensor Screen_bg.png"
                       : m_nMotorType == 2 ? "G-Sensor Screen_default.png"
                                           : "G-Sensor Screen_default_d.png";
    painter.drawImage(0, 0, pmGetSkinImage(name));
    const std::array<QColor, 3> colors = axisColors();
    painter.setFont(helvetica(14));
    for (int axis = 0; axis < 3; ++axis) {
        const QRect key = toQt(rectKey[axis]);
        painter.fillRect(key, colors[axis]);
        painter.setPen(colors[axis]);
        painter.drawText(QRect(key.right() + 3, key.top() - 4, 18, 18), Qt::AlignCenter, kAxisLetters[axis]);
    }
    const ScaleLabels labels = pmScaleLabels(fDisplayGValue);
    painter.setPen(Qt::white);
    painter.setFont(helvetica(12));
    painter.drawText(toQt(rectMax), Qt::AlignCenter, QString::fromStdString(labels.max));
    painter.drawText(toQt(rectMean), Qt::AlignCenter, QString::fromStdString(labels.mean));
    painter.drawText(toQt(rectMin), Qt::AlignCenter, QString::fromStdString(labels.min));
    poBackgroundBitmap = background;
}

QImage GSensorView::xCombineBitmapWithText(const QImage& image, const QString& text) const
{
    QImage combined = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&combined);
    painter.setFont(helvetica(16));
    painter.setPen(QColor(103, 103, 103));
    const QRect area(0, 70 - 62, combined.width(), 62);
    painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, text);
    return combined;
}

void GSensorView::createGensorBitmap(int x, int y, int z)
{
    if (poBackgroundBitmap.isNull())
        return;
    QImage panel(nBackgroundWidth, nBackgroundHeight, QImage::Format_ARGB32_Premultiplied);
    panel.fill(Qt::transparent);
    QPainter painter(&panel);
    painter.drawImage(0, 0, poBackgroundBitmap);
    if (!poGraphicBitmap.isNull())
        painter.drawImage(toQt(rectGraphic).topLeft(), poGraphicBitmap);
    else
        painter.drawImage(0, 0, m_nMotorType == 2 ? poDisableMotoBmp
                                : m_nMotorType != 0 ? poDisableBitmap
                                                    : poDefaultUnknownBmp);
    const std::array<int, 3> values{x, y, z};
    const std::array<QColor, 3> colors = axisColors();
    painter.setFont(helvetica(12));
    for (int axis = 0; axis < 3; ++axis) {
        const int value = values[axis];
        if (value == 0)
            continue;
        const int sign = pmArrowIndex(value);
        painter.drawImage(arrowPoint(axis, sign), poArrowBitmap[axis][sign]);
        painter.setPen(colors[axis]);
        painter.drawText(valueRect(axis, sign), Qt::AlignCenter, QString::fromStdString(pmIndicatorText(value)));
    }
    poGensorBitmap = panel;
}

void GSensorView::setGensorGraphic(const QImage& graphic, int motorType, float scale)
{
    fDisplayGValue = scale;
    m_nMotorType = static_cast<qint16>(motorType);
    poGraphicBitmap = graphic.isNull() ? QImage() : graphic.copy();
    if (!graphic.isNull())
        xCreateBackgroundBitmap();
    createGensorBitmap(0, 0, 0);
    update();
}

void GSensorView::drawIndicator(int position, int x, int y, int z)
{
    nIndicatorPos = position + static_cast<int>(rectGraphic.left());
    if (poGraphicBitmap.isNull())
        return;
    createGensorBitmap(x, y, z);
    QPainter painter(&poGensorBitmap);
    painter.setPen(QPen(Qt::white, 1));
    const QRect area = toQt(rectGraphic);
    painter.drawLine(nIndicatorPos, area.top() + 1, nIndicatorPos, area.bottom());
    update();
}

void GSensorView::loadSkinBitmap()
{
    loadImages();
    createGensorBitmap(0, 0, 0);
    update();
}

void GSensorView::changeLanguage()
{
    // The placeholders carry the message in the language they were made in.
    const QImage graphic = poGraphicBitmap;
    loadImages();
    poGraphicBitmap = graphic;
    if (!graphic.isNull())
        xCreateBackgroundBitmap();
    createGensorBitmap(0, 0, 0);
    update();
}

void GSensorView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0x14, 0x14, 0x14));
    painter.drawImage(0, 0, poGensorBitmap);
}
