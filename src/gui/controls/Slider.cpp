#include "LogText.h"
#include "Slider.h"

#include "AccessibleNotice.h"

#include "IdentityString.h"
#include "NotificationCenter.h"
#include "NotificationNames.h"
#include "SkinImages.h"

#include <QDebug>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {

const char* const kEventMarkImage = "icon_m1.png";

} // namespace

Slider::Slider(const QRect& frame, QWidget* parent) : QWidget(parent)
{
    setGeometry(frame);
    setFocusPolicy(Qt::NoFocus);
}

void Slider::loadBitmaps(const QString& full, const QString& empty, const QString& thumb)
{
    poSliderFullBitmap = pmGetSkinImage(full);
    poSliderEmptyBitmap = pmGetSkinImage(empty);
    poThumbBitmap = pmGetSkinImage(thumb);
    poEventBitmap = pmGetSkinImage(kEventMarkImage);
    nBackgroundWidth = poSliderEmptyBitmap.width();
    nBackgroundHeight = poSliderEmptyBitmap.height();
    nThumbWidth = poThumbBitmap.width();
    nThumbHeight = poThumbBitmap.height();
    nThumbXPos = pixelPosition(nCurrentValue);
    update();
}

void Slider::setRange(int min, int max)
{
    bInDragMode = false;
    nMinValue = min;
    nMaxValue = max;
    nSliderLength = width() - nThumbWidth;
}

void Slider::setCurrentValue(int value)
{
    if (value != nCurrentValue)
        pmAccessibleValueChanged(this, value);
    nCurrentValue = value;
    update();
}

void Slider::moveByUser(int value)
{
    if (!m_bEnabled)
        return;
    setCurrentValue(clamped(value));
    postChange();
}

int Slider::getCurrentPos()
{
    nThumbXPos = pixelPosition(nCurrentValue);
    return nThumbXPos;
}

void Slider::setEventMarkPos(int value)
{
    nEventPos = value == -1 ? -1 : pixelPosition(value) + nThumbWidth / 2;
    update();
}

void Slider::setRealParent(const QString& parentIdentity)
{
    strParentWindow = parentIdentity;
}

void Slider::setEnabled(bool enabled)
{
    m_bEnabled = enabled;
    if (!enabled)
        bInDragMode = false;
}

void Slider::loadSkinBitmap()
{
    update();
}

// The minimum is not subtracted: every slider of the program starts at 0.
int Slider::pixelPosition(int value) const
{
    const int span = nMaxValue - nMinValue;
    if (span == 0)
        return 0;
    return (nBackgroundWidth - nThumbWidth) * value / span;
}

int Slider::valueDistance(int pixels) const
{
    if (nSliderLength <= 0)
        return 0;
    return (nMaxValue - nMinValue) * pixels / nSliderLength;
}

int Slider::clamped(int value) const
{
    return std::clamp(value, std::min(nMinValue, nMaxValue), nMaxValue);
}

QPoint Slider::yUpPoint(const QMouseEvent* event) const
{
    const QPointF position = event->position();
    // The pixel row under the pointer, counted from the bottom.
    return QPoint(static_cast<int>(position.x()), flippedY(static_cast<int>(position.y()), 1));
}

void Slider::beginDrag(const QPoint& point)
{
    nStartValue = nCurrentValue;
    bInDragMode = true;
    ptLastPoint = point;
}

void Slider::postChange()
{
    NotificationCenter::defaultCenter().postNotification(
        kSliderChangedNotification, nCurrentValue,
        {{kParentWindowKey, strParentWindow}, {kSliderWindowKey, pmIdentityString(this)}});
}

void Slider::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    if (!m_bEnabled || event->button() != Qt::LeftButton)
        return;
    const QPoint point = yUpPoint(event);
    nThumbXPos = pixelPosition(nCurrentValue);
    const QRect thumb(nThumbXPos, 0, nThumbWidth, nThumbHeight);
    if (thumb.contains(point)) {
        beginDrag(point);
        return;
    }
    if (point.x() >= nThumbXPos && point.x() <= nThumbXPos + nThumbWidth)
        return; // above or below the thumb
    // An empty range has no other value to jump to.
    if (nMinValue == nMaxValue)
        return;
    nCurrentValue = clamped(nMinValue + valueDistance(point.x() - nThumbWidth / 2));
    update();
    postChange();
    beginDrag(point);
}

void Slider::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    if (!bInDragMode || !m_bEnabled)
        return;
    const QPoint point = yUpPoint(event);
    const int value = clamped(nStartValue + valueDistance(point.x() - ptLastPoint.x()));
    if (value == nCurrentValue)
        return;
    nCurrentValue = value;
    update();
    pmWriteConsoleText(pmIdentityString(this));
    postChange();
}

void Slider::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    bInDragMode = false;
}

void Slider::paintEvent(QPaintEvent*)
{
    nThumbXPos = pixelPosition(nCurrentValue);
    QPainter painter(this);
    painter.drawImage(0, flippedY(0, poSliderEmptyBitmap.height()), poSliderEmptyBitmap);
    // The track is filled up to the thumb's centre.
    const QRect filled(0, 0, nThumbXPos + nThumbWidth / 2, poSliderFullBitmap.height());
    painter.drawImage(QPoint(0, flippedY(0, filled.height())), poSliderFullBitmap, filled);
    if (nEventPos != -1) {
        // Centred on its position, hanging from the top edge.
        const int left = nEventPos - poEventBitmap.width() / 2;
        const int bottom = height() - poEventBitmap.height();
        painter.drawImage(left, flippedY(bottom, poEventBitmap.height()), poEventBitmap);
    }
    painter.drawImage(nThumbXPos, flippedY(0, nThumbHeight), poThumbBitmap);
}
