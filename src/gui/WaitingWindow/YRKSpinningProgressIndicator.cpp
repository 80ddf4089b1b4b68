#include "YRKSpinningProgressIndicator.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int kFinCount = 12;
constexpr int kStepMs = 50;
// Just under a full turn, so the first and last fins never coincide.
constexpr qreal kFullTurn = 6.282185;
constexpr qreal kStoppedAlpha = 0.15;

} // namespace

YRKSpinningProgressIndicator::YRKSpinningProgressIndicator(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    mTimer.setInterval(kStepMs);
    connect(&mTimer, &QTimer::timeout, this, [this] {
        mPosition = (mPosition + 1) % kFinCount;
        update();
    });
}

void YRKSpinningProgressIndicator::startAnimation()
{
    mTimer.start();
    update();
}

void YRKSpinningProgressIndicator::stopAnimation()
{
    mTimer.stop();
    update();
}

void YRKSpinningProgressIndicator::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (mBackColor.isValid())
        painter.fillRect(rect(), mBackColor);
    const qreal size = std::min(width(), height());
    painter.translate(width() / 2.0, height() / 2.0);
    if (mIndeterminate)
        drawFins(painter, size);
    else
        drawPie(painter, size);
}

void YRKSpinningProgressIndicator::drawFins(QPainter& painter, qreal size)
{
    QPen pen(mForeColor, size * 0.0859375, Qt::SolidLine, Qt::RoundCap);
    const qreal step = kFullTurn / kFinCount;
    painter.rotate(-90.0 + mPosition * step * 180.0 / M_PI);
    for (int i = 0; i < kFinCount; ++i) {
        // The leading fin is fully opaque; those behind it fade in turn.
        const qreal alpha = isAnimating() ? 1.0 - qreal(i) / kFinCount : kStoppedAlpha;
        QColor color = mForeColor;
        color.setAlphaF(static_cast<float>(alpha));
        pen.setColor(color);
        painter.setPen(pen);
        painter.drawLine(QPointF(size * 0.234375, 0), QPointF(size * 0.421875, 0));
        painter.rotate(-step * 180.0 / M_PI);
    }
}

void YRKSpinningProgressIndicator::drawPie(QPainter& painter, qreal size)
{
    const qreal radius = size * 0.45;
    const qreal fraction = mMaxValue > 0 ? std::clamp(mCurrentValue / mMaxValue, 0.0, 1.0) : 0;
    painter.setPen(QPen(mForeColor, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(0, 0), radius, radius);
    painter.setBrush(mForeColor);
    painter.drawPie(QRectF(-radius, -radius, 2 * radius, 2 * radius), 90 * 16,
                    -static_cast<int>(fraction * 360 * 16));
}
