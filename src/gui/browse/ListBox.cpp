#include "ListBox.h"

#include "NotificationCenter.h"
#include "NotificationNames.h"
#include "Preferences.h"
#include "SkinImages.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

namespace {

// Rows alternate from the bottom: the odd image first, so the top row is the even one.
QImage rowTile(const QImage& first, const QImage& second, int rows)
{
    const int rowHeight = first.height();
    QImage tile(first.width(), rowHeight * rows, QImage::Format_ARGB32_Premultiplied);
    tile.fill(Qt::transparent);
    QPainter painter(&tile);
    for (int i = 0; i < rows; ++i)
        painter.drawImage(0, tile.height() - (i + 1) * rowHeight, i % 2 == 0 ? first : second);
    return tile;
}

} // namespace

ListBox::ListBox(const QRect& frame, QWidget* parent) : ScrollListBox(frame, "calendar_list_d.png", 10, parent)
{
    mFont.setFamily("Helvetica");
    mFont.setPixelSize(12);
    finishConstruction();
}

ListBox::~ListBox()
{
    clearCaptureMouseEvent();
}

void ListBox::loadRowImages()
{
    mBackgroundTile = rowTile(pmGetSkinImage("calendar_list_bg_1.png"), pmGetSkinImage("calendar_list_bg_2.png"),
                              kVisibleRows);
}

int ListBox::visibleSlots(int) const
{
    return kVisibleRows;
}

double ListBox::scrollBarX() const
{
    return bDrawR2L ? width() - nSpinWidth - mBackgroundTile.width() : mBackgroundTile.width();
}

QRectF ListBox::clientRect() const
{
    return QRectF(bDrawR2L ? width() - mBackgroundTile.width() : 0, 0, mBackgroundTile.width(), height());
}

void ListBox::drawBackground(QPainter& painter, const QRect&)
{
    painter.drawImage(toQt(QRectF(rectListBoxClient.x(), 0, mBackgroundTile.width(), mBackgroundTile.height())).topLeft(),
                      mBackgroundTile);
}

void ListBox::drawTrack(QPainter& painter, const QRect&)
{
    const int imageHeight = scrollBarImage.height();
    for (int i = 0; i < kVisibleRows; ++i)
        painter.drawImage(QPointF(rectScroll.x(), height() - (i + 1) * imageHeight), scrollBarImage);
}

void ListBox::drawRows(QPainter& painter)
{
    const int skin = pmGetCurrentSkin();
    const QColor others = skin == 0 || skin == 3 ? Qt::white : Qt::black;
    painter.setFont(mFont);
    for (int slot = 0; slot < nItemCount; ++slot) {
        const int row = rowInSlot(slot);
        if (row < 0)
            continue;
        painter.setPen(row == nCurSelectIndex ? QColor(Qt::black) : others);
        painter.drawText(slotFrame(slot), Qt::AlignCenter, getText(row));
    }
}

void ListBox::postChoice(int entry)
{
    NotificationCenter::defaultCenter().postNotification(kListBoxChangedNotification, entry,
                                                         {{kParentWindowKey, strParentWindow}});
}

void ListBox::rowClicked(int row, int)
{
    postChoice(row);
}

void ListBox::setCaptureMouseEvent()
{
    setFocus();
    if (!mCapturing)
        qApp->installEventFilter(this);
    mCapturing = true;
}

void ListBox::clearCaptureMouseEvent()
{
    if (mCapturing)
        qApp->removeEventFilter(this);
    mCapturing = false;
}

bool ListBox::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonDblClick)
        return QWidget::eventFilter(watched, event);
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton)
        return QWidget::eventFilter(watched, event);
    const QRect own(mapToGlobal(QPoint(0, 0)), size());
    if (isVisible() && own.contains(mouse->globalPosition().toPoint()))
        return QWidget::eventFilter(watched, event);
    // Outside the open list: it closes, and the click reaches nothing else.
    postChoice(-1);
    return true;
}
