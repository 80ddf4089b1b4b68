#include "ScrollListBox.h"

#include "SkinImages.h"
#include "controls/AccessibleNotice.h"
#include "controls/ViewGeometry.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <cmath>

namespace {

constexpr int kScrollRepeatMs = 200;

} // namespace

const QImage& pmStateImage(const StateImages& images, int state)
{
    switch (state) {
    case 1: return images.pressed;
    case 2: return images.rollover;
    case 3: return images.inactive;
    default: return images.active;
    }
}

ScrollListBox::ScrollListBox(const QRect& frame, const QString& selectionImageName, int slotTableSize,
                             QWidget* parent)
    : QWidget(parent), rectItem(static_cast<size_t>(slotTableSize)), mSelectionImageName(selectionImageName)
{
    setGeometry(frame);
    setMouseTracking(true);
    // Clicks count even while the window is in the background; Qt delivers them as they come.
    hScrollTimer.setInterval(kScrollRepeatMs);
    connect(&hScrollTimer, &QTimer::timeout, this, &ScrollListBox::onScrollTimer);
    loadScrollImages();
    // The row, arrow and thumb sizes come from the skin once; a skin change keeps them.
    nItemWidth = selectedImage.width();
    nItemHeight = selectedImage.height();
    nSpinWidth = mUpSpinImages.active.width();
    nSpinHeight = mUpSpinImages.active.height();
    nThumbW = mThumbImages.active.width();
    nThumbH = mThumbImages.active.height();
}

void ScrollListBox::finishConstruction()
{
    loadRowImages();
    relayoutContents(false, size());
}

void ScrollListBox::loadScrollImages()
{
    selectedImage = pmGetSkinImage(mSelectionImageName);
    scrollBarImage = pmGetSkinImage("scrollbar_background.png");
    mUpSpinImages = StateImages::load("button_bar_up.png", "button_bar_up_d.png", "button_bar_up_f.png",
                                      "button_bar_up_g.png");
    mDownSpinImages = StateImages::load("button_bar_down.png", "button_bar_down_d.png", "button_bar_down_f.png",
                                        "button_bar_down_g.png");
    mThumbImages = StateImages::load("slider.png", "slider_d.png", "slider_f.png", "slider_g.png");
}

void ScrollListBox::loadSkinBitmap()
{
    loadScrollImages();
    loadRowImages();
    update();
}

QRect ScrollListBox::toQt(const QRectF& yUp) const
{
    return pmYUpToQt(yUp, height());
}

void ScrollListBox::relayoutContents(bool rightToLeft, const QSize& size)
{
    bDrawR2L = rightToLeft;
    nBackgroundWidth = size.width();
    nBackgroundHeight = size.height();
    const double W = size.width();
    const double H = size.height();
    const double scrollX = scrollBarX();
    rectScroll = QRectF(scrollX, 0, nSpinWidth, H);
    rectUpSpin = QRectF(scrollX, H - nSpinHeight, nSpinWidth, nSpinHeight);
    rectDownSpin = QRectF(scrollX, 0, nSpinWidth, nSpinHeight);
    rectThumbBegin = QRectF(scrollX, H - nThumbH - nSpinHeight, nThumbW, nThumbH);
    nDragBegin = static_cast<short>(nSpinHeight);
    nDragEnd = static_cast<short>(H - nSpinHeight - nThumbH);
    nItemCount = nItemHeight > 0 ? std::min(visibleSlots(size.height()), int(rectItem.size())) : 0;
    for (size_t i = 0; i < rectItem.size(); ++i) {
        const double x = rightToLeft ? W - nItemWidth : 0;
        rectItem[i] = QRectF(x, H - double(i + 1) * nItemHeight, nItemWidth, nItemHeight);
    }
    rectListBoxClient = clientRect();
    updateScrollState();
    clampStart();
    update();
}

void ScrollListBox::updateScrollState()
{
    bScrollEnable = nTotalCount > nItemCount;
    if (bScrollEnable)
        fThumbGap = float(nDragEnd - nDragBegin) / float(nTotalCount - nItemCount);
}

void ScrollListBox::clampStart()
{
    nListBoxStartIndex = std::clamp(nListBoxStartIndex, 0, maxStart());
}

void ScrollListBox::insertString(int, const QString& text)
{
    mListBoxData.append(text);
    ++nTotalCount;
    if (nTotalCount > nItemCount)
        updateScrollState();
}

QString ScrollListBox::getText(int index) const
{
    return index >= 0 && index < nTotalCount ? mListBoxData[index] : QString();
}

void ScrollListBox::setCurSel(int index)
{
    nCurSelectIndex = index;
    pmAccessibleSelectionChanged(this, index);
    // The least scrolling that brings the row into a slot: to the bottom slot from above, to
    // the top slot from below.
    if (index >= nListBoxStartIndex + nItemCount)
        nListBoxStartIndex = index - nItemCount + 1;
    if (index < nListBoxStartIndex)
        nListBoxStartIndex = index;
    nListBoxStartIndex = std::max(nListBoxStartIndex, 0);
}

void ScrollListBox::resetContent()
{
    mListBoxData.clear();
    nListBoxStartIndex = 0;
    nTotalCount = 0;
    nCurSelectIndex = 0;
    bScrollEnable = false;
}

void ScrollListBox::setListBoxData(const QStringList& rows)
{
    mListBoxData = rows;
    nTotalCount = int(rows.size());
    updateScrollState();
    clampStart();
}

int ScrollListBox::rowInSlot(int slot) const
{
    const int row = nListBoxStartIndex + slot;
    return slot < nItemCount && row >= 0 && row < nTotalCount ? row : -1;
}

bool ScrollListBox::isSelectionVisible() const
{
    return nTotalCount > 0 && nCurSelectIndex >= nListBoxStartIndex && nCurSelectIndex < nListBoxStartIndex + nItemCount;
}

QRectF ScrollListBox::currentThumbRect() const
{
    const double drop = std::trunc(nListBoxStartIndex * fThumbGap);
    return rectThumbBegin.translated(0, -drop);
}

QRect ScrollListBox::slotFrame(int slot) const
{
    return toQt(rectItem[static_cast<size_t>(slot)]);
}

QRect ScrollListBox::upSpinFrame() const
{
    return toQt(rectUpSpin);
}

QRect ScrollListBox::downSpinFrame() const
{
    return toQt(rectDownSpin);
}

QRect ScrollListBox::thumbFrame() const
{
    return toQt(currentThumbRect());
}

void ScrollListBox::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    drawBackground(painter, event->rect());
    drawTrack(painter, event->rect());
    painter.drawImage(toQt(rectUpSpin).topLeft(), pmStateImage(mUpSpinImages, nUpSpinState));
    painter.drawImage(toQt(rectDownSpin).topLeft(), pmStateImage(mDownSpinImages, nDownSpinState));
    painter.drawImage(toQt(currentThumbRect()).topLeft(), pmStateImage(mThumbImages, nThumbState));
    if (isSelectionVisible())
        painter.drawImage(slotFrame(nCurSelectIndex - nListBoxStartIndex).topLeft(), selectedImage);
    drawRows(painter);
}

ScrollListBox::ScrollHit ScrollListBox::hitTest(const QPointF& p) const
{
    const QRectF thumb = currentThumbRect();
    const double thumbTop = thumb.y() + thumb.height();
    const double downTop = rectDownSpin.y() + rectDownSpin.height();
    if (rectUpSpin.contains(p))
        return HitUpSpin;
    if (rectDownSpin.contains(p))
        return HitDownSpin;
    if (QRectF(rectUpSpin.x(), thumbTop, thumb.width(), rectUpSpin.y() - thumbTop).contains(p))
        return HitPageUp;
    if (QRectF(rectDownSpin.x(), downTop, thumb.width(), thumb.y() - downTop).contains(p))
        return HitPageDown;
    if (thumb.contains(p))
        return HitThumb;
    return HitNone;
}

void ScrollListBox::clickRow(int row, int clickCount)
{
    if (row < 0 || row >= nTotalCount)
        return;
    setCurSel(row);
    update();
    rowClicked(row, clickCount);
}

void ScrollListBox::mouseDown(const QPointF& qtPoint, int clickCount)
{
    const QPointF p = pmQtToYUp(qtPoint, height());
    const int rows = std::min(nItemCount, nTotalCount);
    for (int i = 0; i < rows; ++i) {
        if (rectItem[static_cast<size_t>(i)].contains(p)) {
            nCurSelectIndex = nListBoxStartIndex + i;
            pmAccessibleSelectionChanged(this, nCurSelectIndex);
            update();
            rowClicked(nCurSelectIndex, clickCount);
            return;
        }
    }
    if (!bScrollEnable)
        return;
    const ScrollHit hit = hitTest(p);
    switch (hit) {
    case HitUpSpin:
        if (nListBoxStartIndex > 0)
            --nListBoxStartIndex;
        break;
    case HitDownSpin:
        if (nListBoxStartIndex < maxStart())
            ++nListBoxStartIndex;
        break;
    case HitPageUp: nListBoxStartIndex -= nItemCount; break;
    case HitPageDown: nListBoxStartIndex += nItemCount; break;
    case HitThumb: bDragging = true; break;
    case HitNone: return;
    }
    clampStart();
    update();
    ptLastPoint = QPointF(std::trunc(p.x()), std::trunc(p.y()));
    if (hit == HitUpSpin || hit == HitDownSpin)
        hScrollTimer.start();
}

void ScrollListBox::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        mouseDown(event->position(), 1);
}

void ScrollListBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        mouseDown(event->position(), 2);
}

void ScrollListBox::onScrollTimer()
{
    const ScrollHit hit = hitTest(ptLastPoint);
    if (hit == HitDownSpin && nListBoxStartIndex < maxStart())
        ++nListBoxStartIndex;
    else if (hit == HitUpSpin && nListBoxStartIndex > 0)
        --nListBoxStartIndex;
    update();
}

void ScrollListBox::setHoverState(int& state, const QRectF& rect, const QPointF& p)
{
    if (rect.contains(p) && state != StateRollover) {
        state = StateRollover;
        update();
    } else if (!rect.contains(p) && state == StateRollover) {
        state = StateNormal;
        update();
    }
}

void ScrollListBox::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF p = pmQtToYUp(event->position(), height());
    const QPointF whole(std::trunc(p.x()), std::trunc(p.y()));
    if (event->buttons() == Qt::NoButton) {
        ptLastPoint = whole;
        if (bScrollEnable) {
            setHoverState(nUpSpinState, rectUpSpin, p);
            setHoverState(nDownSpinState, rectDownSpin, p);
            setHoverState(nThumbState, currentThumbRect(), p);
        }
        return;
    }
    // A view too short for any thumb travel has no rows per point to drag by.
    if (!bDragging || fThumbGap <= 0) {
        ptLastPoint = whole;
        return;
    }
    // Small movements add up until they make a whole row.
    const int rows = int(std::trunc(std::trunc(ptLastPoint.y() - whole.y()) / fThumbGap));
    const int start = std::clamp(nListBoxStartIndex + rows, 0, maxStart());
    if (start == nListBoxStartIndex)
        return;
    nListBoxStartIndex = start;
    update();
    ptLastPoint = whole;
}

void ScrollListBox::mouseReleaseEvent(QMouseEvent*)
{
    nUpSpinState = nDownSpinState = nThumbState = StateNormal;
    update();
    hScrollTimer.stop();
    bDragging = false;
}

void ScrollListBox::leaveEvent(QEvent* event)
{
    // No move reaches the list once the pointer is outside: nothing stays lit.
    if (!bDragging && (nUpSpinState | nDownSpinState | nThumbState) != StateNormal) {
        nUpSpinState = nDownSpinState = nThumbState = StateNormal;
        update();
    }
    QWidget::leaveEvent(event);
}

void ScrollListBox::wheelEvent(QWheelEvent* event)
{
    if (!hasWheelScrolling() || !bScrollEnable)
        return;
    // One row per event, whatever the size of the turn.
    const int delta = event->angleDelta().y() != 0 ? event->angleDelta().y() : event->pixelDelta().y();
    if (delta < 0 && nListBoxStartIndex < maxStart())
        ++nListBoxStartIndex;
    else if (delta > 0 && nListBoxStartIndex > 0)
        --nListBoxStartIndex;
    clampStart();
    update();
    event->accept();
}
