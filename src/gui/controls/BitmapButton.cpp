#include "BitmapButton.h"

#include <QPainter>

BitmapButton::BitmapButton(int width, int height, QWidget* parent)
    : SkinnedButton(width, height, parent)
{
}

BitmapButton* BitmapButton::windowButtonWithSize(int width, int height, QWidget* parent)
{
    return new BitmapButton(width, height, parent);
}

void BitmapButton::setBitmapButton(const QString& base, const QString& pressed,
                                   const QString& rollover, const QString& disabled)
{
    mImages = StateImages::load(base, pressed, rollover, disabled);
    // A skin change reloads the images while the layout stays right to left.
    if (bR2L)
        mImages = mImages.mirrored();
    updateImage();
}

void BitmapButton::setBitmapButton(const QString& base)
{
    setBitmapButton(base, pmStateImageName(base, "_d"), pmStateImageName(base, "_f"),
                    pmStateImageName(base, "_g"));
}

void BitmapButton::checkButton(bool checked)
{
    bButtonChecked = checked;
    showImage(checked ? mImages.pressed : mImages.active);
}

void BitmapButton::setButtonFlipped(bool rightToLeft)
{
    if (bR2L == rightToLeft)
        return;
    bR2L = rightToLeft;
    mImages = mImages.mirrored();
    updateImage();
}

void BitmapButton::updateActiveImage()
{
    showImage(bButtonChecked ? mImages.pressed : mImages.active);
}

void BitmapButton::drawTitle(QPainter& painter)
{
    QFont font("Helvetica");
    font.setPixelSize(m_nFontSize);
    painter.setFont(font);
    painter.setPen(m_colorTitle);
    painter.drawText(rect(), Qt::AlignCenter, mTitle);
}
