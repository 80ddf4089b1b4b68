#include "ContactSheet.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace {

constexpr int kMargin = 16;
constexpr int kGap = 12;
constexpr int kLabelHeight = 16;
constexpr int kTitleHeight = 40;

QFont labelFont()
{
    QFont font("Liberation Sans");
    font.setPixelSize(11);
    return font;
}

// Transparent parts show as a checker board.
void paintChecker(QPainter& painter, const QRect& area)
{
    painter.fillRect(area, QColor(0x1b, 0x1d, 0x21));
    for (int y = area.top(); y < area.bottom(); y += 8) {
        for (int x = area.left() + ((y - area.top()) / 8 % 2) * 8; x < area.right(); x += 16) {
            painter.fillRect(QRect(x, y, 8, 8).intersected(area), QColor(0x25, 0x28, 0x2d));
        }
    }
}

} // namespace

ContactSheet::ContactSheet(const QString& title, int width) : mTitle(title), mWidth(width) {}

void ContactSheet::add(const QImage& picture, const QString& label)
{
    mCells.push_back({picture, label, false});
}

void ContactSheet::addHeading(const QString& heading)
{
    mCells.push_back({QImage(), heading, true});
}

QImage ContactSheet::render() const
{
    const QFontMetrics metrics(labelFont());
    struct Placed {
        const Cell* cell;
        QRect frame;
    };
    std::vector<Placed> placed;
    int x = kMargin;
    int y = kTitleHeight;
    int rowHeight = 0;
    const auto newRow = [&] {
        y += rowHeight + kGap;
        x = kMargin;
        rowHeight = 0;
    };
    for (const Cell& cell : mCells) {
        if (cell.heading) {
            newRow();
            placed.push_back({&cell, QRect(kMargin, y, mWidth - 2 * kMargin, 20)});
            rowHeight = 20;
            newRow();
            continue;
        }
        const int width = std::max({cell.picture.width(), metrics.horizontalAdvance(cell.label), 40});
        if (x + width > mWidth - kMargin && x > kMargin) {
            newRow();
        }
        placed.push_back({&cell, QRect(x, y, width, cell.picture.height() + kLabelHeight)});
        x += width + kGap;
        rowHeight = std::max(rowHeight, cell.picture.height() + kLabelHeight);
    }
    QImage sheet(mWidth, y + rowHeight + kMargin, QImage::Format_ARGB32);
    sheet.fill(QColor(0x3a, 0x3d, 0x44));
    QPainter painter(&sheet);
    painter.setPen(Qt::white);
    QFont titleFont = labelFont();
    titleFont.setPixelSize(20);
    titleFont.setBold(true);
    painter.setFont(titleFont);
    painter.drawText(QRect(kMargin, 0, mWidth, kTitleHeight), Qt::AlignVCenter, mTitle);
    for (const Placed& item : placed) {
        if (item.cell->heading) {
            QFont headingFont = labelFont();
            headingFont.setPixelSize(15);
            headingFont.setBold(true);
            painter.setFont(headingFont);
            painter.setPen(QColor(0xf0, 0xf0, 0xf0));
            painter.drawText(item.frame, Qt::AlignLeft | Qt::AlignVCenter, item.cell->label);
            continue;
        }
        const QRect pictureArea(item.frame.topLeft(), item.cell->picture.size());
        paintChecker(painter, pictureArea);
        painter.drawImage(pictureArea.topLeft(), item.cell->picture);
        painter.setFont(labelFont());
        painter.setPen(QColor(0xc8, 0xcb, 0xd0));
        painter.drawText(QRect(item.frame.left(), pictureArea.bottom() + 2, item.frame.width() + kGap, kLabelHeight),
                         Qt::AlignLeft | Qt::AlignTop, item.cell->label);
    }
    return sheet;
}
