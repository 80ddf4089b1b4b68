#include "FileListBox.h"

#include "NotificationCenter.h"
#include "NotificationNames.h"
#include "Preferences.h"
#include "SkinImages.h"
#include "library/RecordingName.h"
#include "util/CalendarDate.h"
#include "util/TextHelpers.h"

#include <QFile>
#include <QFontMetricsF>
#include <QPainter>

#include <sys/stat.h>

namespace {

QImage stackedTile(const QImage& lower, const QImage& upper)
{
    QImage tile(lower.width(), lower.height() * 2, QImage::Format_ARGB32_Premultiplied);
    tile.fill(Qt::transparent);
    QPainter painter(&tile);
    painter.drawImage(0, 0, upper);
    painter.drawImage(0, lower.height(), lower);
    return tile;
}

// Helvetica, sized in points of the view.
QFont helvetica(int size)
{
    QFont font("Helvetica");
    font.setPixelSize(size);
    return font;
}

QString fileNameOf(const QString& path)
{
    return path.mid(path.lastIndexOf('/') + 1);
}

} // namespace

FileListBox::FileListBox(const QRect& frame, QWidget* parent)
    : ScrollListBox(frame, "list_d.png", kSlotTableSize, parent), mNameFont(helvetica(15)), mDateFont(helvetica(11))
{
    mNameLineHeight = QFontMetricsF(mNameFont).tightBoundingRect("TEST").height();
    finishConstruction();
}

void FileListBox::loadRowImages()
{
    mBackgroundTile = stackedTile(pmGetSkinImage("list_bg_1.png"), pmGetSkinImage("list_bg_2.png"));
    poPlayBitamp = pmGetSkinImage("icon_play.png");
    poEvenBitamp = pmGetSkinImage("icon_event.png");
    poParkingBitamp = pmGetSkinImage("icon_parking.png");
}

int FileListBox::visibleSlots(int height) const
{
    return height / nItemHeight;
}

double FileListBox::scrollBarX() const
{
    return bDrawR2L ? 0 : nBackgroundWidth - nSpinWidth;
}

QRectF FileListBox::clientRect() const
{
    return QRectF(bDrawR2L ? nSpinWidth : 0, 0, nBackgroundWidth - nSpinWidth, nBackgroundHeight);
}

void FileListBox::showPlayMark(int index)
{
    nPlayVideoIndex = index;
    update();
}

void FileListBox::drawBackground(QPainter& painter, const QRect& area)
{
    const int tileHeight = mBackgroundTile.height();
    if (tileHeight <= 0)
        return;
    // From the top of the area down, so the top row shows "list_bg_2.png" when the area
    // reaches the top of the view. Tiles start on whole tile heights from the top.
    const int x = toQt(rectListBoxClient).x();
    const int first = area.top() - area.top() % tileHeight;
    const int copies = area.height() / tileHeight + 2;
    for (int i = 0; i < copies; ++i)
        painter.drawImage(x, first + i * tileHeight, mBackgroundTile);
}

void FileListBox::drawTrack(QPainter& painter, const QRect& area)
{
    const int imageHeight = scrollBarImage.height();
    if (imageHeight <= 0)
        return;
    const int copies = area.height() / imageHeight + 1;
    for (int i = 0; i <= copies; ++i)
        painter.drawImage(QPointF(rectScroll.x(), height() - (i + 1) * imageHeight), scrollBarImage);
}

double FileListBox::mirroredX(double x, double width) const
{
    return bDrawR2L ? nBackgroundWidth - width - x : x;
}

QColor FileListBox::textColour(int row) const
{
    if (row == nCurSelectIndex)
        return Qt::black;
    const int skin = pmGetCurrentSkin();
    return skin == 1 || skin > 3 ? Qt::black : Qt::white;
}

const QImage& FileListBox::categoryIcon(int row) const
{
    static const QImage none;
    switch (pmGetVideoType(getText(row).toStdString())) {
    case VideoEvent: return poEvenBitamp;
    case VideoParking:
    case VideoTimelapse: return poParkingBitamp;
    default: return none;
    }
}

const FileListBox::DateCache& FileListBox::dateTexts(int slot, const QString& path)
{
    DateCache& cache = mDateCache[static_cast<size_t>(slot)];
    struct stat info {};
    const bool exists = ::stat(QFile::encodeName(path).constData(), &info) == 0;
    const qint64 modified = exists ? qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec : -1;
    if (cache.path == path && cache.modified == modified)
        return cache;
    cache.path = path;
    cache.modified = modified;
    if (!exists) {
        // A vanished file has no date to show.
        cache.date = cache.time = QStringLiteral("-");
        return cache;
    }
    const FileTime time{std::chrono::duration_cast<FileTime::duration>(std::chrono::nanoseconds(modified))};
    cache.date = QString::fromStdString(pmDateText(time));
    cache.time = QString::fromStdString(pmTimeText(time));
    return cache;
}

FileListBox::RowTexts FileListBox::rowTexts(int row)
{
    const QString path = getText(row);
    const int slot = std::clamp(row - nListBoxStartIndex, 0, kSlotTableSize - 1);
    const DateCache& dates = dateTexts(slot, path);
    return {QString::fromStdString(pmShortenText(fileNameOf(path).toStdString())), dates.date, dates.time};
}

void FileListBox::drawRow(QPainter& painter, int slot, int row)
{
    const QRectF& item = rectItem[static_cast<size_t>(slot)];
    const auto drawIcon = [&](const QImage& icon, double x) {
        if (icon.isNull())
            return;
        const double y = item.y() + std::trunc((nItemHeight - icon.height()) / 2.0);
        painter.drawImage(toQt(QRectF(mirroredX(x, icon.width()), y, icon.width(), icon.height())).topLeft(), icon);
    };
    if (row == nPlayVideoIndex)
        drawIcon(poPlayBitamp, 2);
    drawIcon(categoryIcon(row), 28);

    const RowTexts texts = rowTexts(row);
    // The list mirrors itself; the application's writing direction must not swap it back.
    const Qt::Alignment side = (bDrawR2L ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignAbsolute | Qt::AlignTop;
    painter.setPen(textColour(row));
    // The lines are placed by their capitals: the row is laid out for a face whose line box
    // hugs them, and installed faces add different room above, which would make the two
    // lines run into each other.
    const auto drawLine = [&](const QRectF& yUp, double baseline, const QFontMetricsF& metrics, const QString& text) {
        const QRect frame = toQt(yUp);
        painter.drawText(QRectF(frame.x(), baseline - metrics.ascent(), frame.width(), metrics.height()), side, text);
    };
    const QFontMetricsF nameMetrics(mNameFont);
    const QFontMetricsF dateMetrics(mDateFont);
    painter.setFont(mNameFont);
    const double half = std::trunc(nItemHeight / 2.0);
    const QRectF name(mirroredX(65, 210), item.y() + half - 6, 210, half);
    drawLine(name, toQt(name).top() + nameMetrics.capHeight(), nameMetrics, texts.name);
    painter.setFont(mDateFont);
    const QRectF band(0, item.y() + 6, 0, mNameLineHeight);
    const double dateBaseline = toQt(band).top() + (mNameLineHeight + dateMetrics.capHeight()) / 2;
    drawLine(QRectF(mirroredX(65, 66), band.y(), 66, band.height()), dateBaseline, dateMetrics, texts.date);
    drawLine(QRectF(mirroredX(143, 56), band.y(), 56, band.height()), dateBaseline, dateMetrics, texts.time);
}

void FileListBox::drawRows(QPainter& painter)
{
    for (int slot = 0; slot < nItemCount; ++slot) {
        const int row = rowInSlot(slot);
        if (row >= 0)
            drawRow(painter, slot, row);
    }
}

void FileListBox::rowClicked(int row, int clickCount)
{
    const char* name = clickCount == 1 ? kFileListBoxChangedNotification : kFileListBoxDoubleClickNotification;
    NotificationCenter::defaultCenter().postNotification(name, row, {{kParentWindowKey, strParentWindow}});
}
