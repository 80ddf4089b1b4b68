#include "CheckBox.h"

#include "NotificationCenter.h"
#include "NotificationNames.h"
#include "ScrollListBox.h"
#include "controls/AccessibleNotice.h"
#include "controls/ViewGeometry.h"
#include "controls/IdentityString.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int kDisabledState = 3;

} // namespace

CheckBox::CheckBox(const QRect& frame, QWidget* parent) : QWidget(parent)
{
    setGeometry(frame);
    setAttribute(Qt::WA_Hover);
    loadSkinBitmap();
    relayoutContents(false);
}

void CheckBox::loadSkinBitmap()
{
    // The "uncheckbox" images show the tick: they serve the checked state.
    oCheckImage = StateImages::load("calendar_uncheckbox.png", "calendar_uncheckbox_d.png",
                                    "calendar_uncheckbox_f.png", "calendar_uncheckbox_g.png");
    oUncheckImage = StateImages::load("calendar_checkbox.png", "calendar_checkbox_d.png", "calendar_checkbox_f.png",
                                      "calendar_checkbox_g.png");
    update();
}

void CheckBox::relayoutContents(bool rightToLeft)
{
    bDrawR2L = rightToLeft;
    const QSize image = oCheckImage.active.size();
    rectCheckBox = QRectF(0, (height() - image.height()) / 2, image.width(), image.height());
    rectText = QRectF(image.width(), 0, width() - image.width(), height());
    if (rightToLeft) {
        rectCheckBox = pmMirrorRect(rectCheckBox, width());
        rectText = pmMirrorRect(rectText, width());
    }
    update();
}

void CheckBox::resizeEvent(QResizeEvent*)
{
    relayoutContents(bDrawR2L);
}

void CheckBox::setTitle(const QString& title)
{
    mTitle = title;
    update();
}

void CheckBox::setCheck(bool checked)
{
    if (checked != bButtonIsCheck)
        pmAccessibleCheckedChanged(this);
    bButtonIsCheck = checked;
    update();
}

void CheckBox::enableCheckBox(bool enabled)
{
    bCheckboxEnable = enabled;
    update();
}

void CheckBox::setState(int state)
{
    if (nCheckBoxState == state)
        return;
    nCheckBoxState = state;
    update();
}

const QImage& CheckBox::shownImage() const
{
    const StateImages& images = bButtonIsCheck ? oCheckImage : oUncheckImage;
    return pmStateImage(images, bCheckboxEnable ? nCheckBoxState : kDisabledState);
}

void CheckBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(pmYUpToQt(rectCheckBox, height()).topLeft(), shownImage());
    if (mTitle.isEmpty())
        return;
    QFont font("Helvetica");
    font.setPixelSize(12);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(pmYUpToQt(rectText, height()), Qt::AlignCenter, mTitle);
}

void CheckBox::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !bCheckboxEnable)
        return;
    toggleByUser();
    nCheckBoxState = ScrollListBox::StateRollover;
    update();
}

void CheckBox::toggleByUser()
{
    // A disabled box keeps its mark: flipping it would show a filter that is not applied.
    if (!bCheckboxEnable)
        return;
    bButtonIsCheck = !bButtonIsCheck;
    pmAccessibleCheckedChanged(this);
    update();
    NotificationCenter::defaultCenter().postNotification(
        kCheckBoxChangedNotification, bButtonIsCheck,
        {{kParentWindowKey, strParentWindow}, {kCheckBoxWindowKey, pmIdentityString(this)}});
}

void CheckBox::mouseReleaseEvent(QMouseEvent*)
{
    setState(0);
}

void CheckBox::enterEvent(QEnterEvent* event)
{
    setState(ScrollListBox::StateRollover);
    QWidget::enterEvent(event);
}

void CheckBox::leaveEvent(QEvent* event)
{
    setState(0);
    QWidget::leaveEvent(event);
}
