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
    if (pmIsRightToLeft())
        mBackground = pmMirrorImage(mBackground);
    update();
}

void PanelHost::paintEvent(QPaintEvent*)
{
    if (mBackground.isNull())
        return;
    QPainter painter(this);
    const int y = height() - mBackground.height();
    if (mFill == Fill::AtBottomLeft) {
        const int x = pmIsRightToLeft() ? width() - mBackground.width() : 0;
        painter.drawImage(x, y, mBackground);
        return;
    }
    const int copies = width() / mBackground.width() + 1;
    for (int i = 0; i < copies; ++i)
        painter.drawImage(i * mBackground.width(), y, mBackground);
}
