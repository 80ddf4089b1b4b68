#include "MultiButtons.h"

#include "CentredText.h"

#include <QPainter>

MultiButtons::MultiButtons(int width, int height, QWidget* parent)
    : SkinnedButton(width, height, parent)
{
}

MultiButtons* MultiButtons::windowButtonWithSize(int width, int height, QWidget* parent)
{
    return new MultiButtons(width, height, parent);
}

const StateImages& MultiButtons::images() const
{
    return mImages[static_cast<size_t>(nCurrentButtonIndex)];
}

void MultiButtons::addBitmapButton(const QString& toolTip, const QString& base,
                                   const QString& pressed, const QString& rollover,
                                   const QString& disabled)
{
    if (nButtonCount >= kMaxStates)
        return;
    const auto slot = static_cast<size_t>(nButtonCount);
    strToolTip[slot] = toolTip;
    mImages[slot] = StateImages::load(base, pressed, rollover, disabled);
    if (nButtonCount == 0)
        setToolTip(toolTip);
    ++nButtonCount;
    if (slot == static_cast<size_t>(nCurrentButtonIndex))
        updateImage();
}

void MultiButtons::addBitmapButton(const QString& toolTip, const QString& base)
{
    addBitmapButton(toolTip, base, pmStateImageName(base, "_d"), pmStateImageName(base, "_f"),
                    pmStateImageName(base, "_g"));
}

void MultiButtons::clearBitmaps()
{
    strToolTip = {};
    mImages = {};
    nButtonCount = 0;
}

void MultiButtons::changeButtonIndex()
{
    if (nButtonCount < 2)
        return;
    nCurrentButtonIndex = (nCurrentButtonIndex + 1) % nButtonCount;
    setToolTip(strToolTip[static_cast<size_t>(nCurrentButtonIndex)]);
    // The pointer is over the button that was just clicked.
    updateRollOverImage();
}

void MultiButtons::setButtonIndex(int index)
{
    if (nButtonCount < 2 || index < 0 || index >= nButtonCount || index == nCurrentButtonIndex)
        return;
    nCurrentButtonIndex = index;
    updateImage();
}

void MultiButtons::resetButtonState()
{
    nCurrentButtonIndex = 0;
    setToolTip(strToolTip[0]);
    updateImage();
}

void MultiButtons::changeToolTips(const std::array<QString, kMaxStates>& toolTips)
{
    for (size_t i = 0; i < toolTips.size(); ++i) {
        if (!toolTips[i].isNull())
            strToolTip[i] = toolTips[i];
    }
    setToolTip(strToolTip[static_cast<size_t>(nCurrentButtonIndex)]);
}

void MultiButtons::drawTitle(QPainter& painter)
{
    pmDrawCentredText(painter, QRectF(0, 0, width(), height()), height(), mTitle);
}
