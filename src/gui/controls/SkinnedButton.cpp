#include "SkinnedButton.h"

#include <QMouseEvent>
#include <QPainter>

SkinnedButton::SkinnedButton(int width, int height, QWidget* parent) : QAbstractButton(parent)
{
    setGeometry(0, 0, width, height);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
}

void SkinnedButton::setEnabled(bool enabled)
{
    QAbstractButton::setEnabled(enabled);
    bButtonEnable = enabled;
    updateImage();
}

void SkinnedButton::setBitmapTitle(const QString& title)
{
    mTitle = title;
    updateAccessibleName();
    update();
}

void SkinnedButton::updateAccessibleName()
{
    setAccessibleName(toolTip().isEmpty() ? mTitle : toolTip());
}

bool SkinnedButton::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTipChange)
        updateAccessibleName();
    return QAbstractButton::event(event);
}

void SkinnedButton::showImage(const QImage& image)
{
    mShownImage = image;
    update();
}

void SkinnedButton::updateActiveImage()
{
    showImage(images().active);
}

void SkinnedButton::updateImage()
{
    if (bButtonEnable)
        updateActiveImage();
    else
        showImage(images().inactive);
}

void SkinnedButton::updateRollOverImage()
{
    if (bButtonEnable)
        showImage(images().rollover);
    else
        updateImage();
}

void SkinnedButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(QPointF(0, 0), mShownImage);
    if (!mTitle.isEmpty())
        drawTitle(painter);
}

void SkinnedButton::enterEvent(QEnterEvent* event)
{
    updateRollOverImage();
    QAbstractButton::enterEvent(event);
}

void SkinnedButton::leaveEvent(QEvent* event)
{
    updateImage();
    QAbstractButton::leaveEvent(event);
}

void SkinnedButton::mousePressEvent(QMouseEvent* event)
{
    if (!bButtonEnable) {
        event->accept(); // swallowed: no pressed image, no tracking, no action
        return;
    }
    showImage(images().pressed);
    QAbstractButton::mousePressEvent(event);
}

void SkinnedButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (bButtonEnable)
        updateActiveImage();
    QAbstractButton::mouseReleaseEvent(event);
}

void SkinnedButton::showEvent(QShowEvent* event)
{
    updateImage();
    QAbstractButton::showEvent(event);
}
