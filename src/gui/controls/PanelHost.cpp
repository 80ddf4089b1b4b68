#include "PanelHost.h"

#include "SkinImages.h"

#include <QPainter>

PanelHost::PanelHost(const QString& name, const QColor& color, QWidget* parent) : QWidget(parent)
{
    setObjectName(name);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, color);
    setPalette(palette);
    setAutoFillBackground(true);
}

void PanelHost::setBackgroundImageName(const QString& baseName, Fill fill)
{
    mBackgroundName = baseName;
    mFill = fill;
    loadSkinBitmap();
}

void PanelHost::loadSkinBitmap()
{
    if (mBackgroundName.isEmpty())
        return;
    mBackground = pmGetSkinImage(mBackgroundName);
    mMirrored = pmIsRightToLeft();
    if (mMirrored)
        mBackground = pmMirrorImage(mBackground);
    update();
}

void PanelHost::paintEvent(QPaintEvent*)
{
    if (mBackground.isNull())
        return;
    QPainter painter(this);
    const int w = mBackground.width();
    const int h = mBackground.height();
    switch (mFill) {
    case Fill::AtTop:
        painter.drawImage(mMirrored ? width() - w : 0, 0, mBackground);
        break;
    case Fill::Tiled:
        for (int i = 0; i < width() / w + 1; ++i)
            painter.drawImage(i * w, height() - h, mBackground);
        break;
    case Fill::TopCentred:
        painter.drawImage((width() - w) / 2, 0, mBackground);
        break;
    case Fill::TwoBands:
        painter.drawImage(0, 0, mBackground);
        painter.drawImage(0, h, mBackground);
        break;
    }
}
