// The calendar, 291 by 241 points: a 30-point band with the month buttons (30 by 30), the
// year and month drop-downs (67 by 27) and the mode button (85 by 30, titled by its owner);
// the weekday titles below it; then six weeks of 41 by 31 cells, 33 points apart, with dark
// day numbers on a light sheet. The file list panel's two header bands are 291 by 30.
#include "SkinAreas.h"

#include <QPainter>

namespace {

constexpr int kWidth = 291;
constexpr int kHeight = 241;
constexpr int kGridTop = 44;

void writeBackground(SkinWriter& writer, const SkinPalette& palette)
{
    writer.write("calendar_background.png", QSize(kWidth, kHeight), [&](QPainter& painter) {
        paintBar(painter, QRectF(0, 0, kWidth, 30), palette.raised, palette.panel);
        // The weekday titles are white, Sunday and Saturday dark red: a mid grey carries both.
        painter.fillRect(QRectF(0, 30, kWidth, kGridTop - 30), palette.muted);
        painter.fillRect(QRectF(0, kGridTop - 1, kWidth, kHeight - kGridTop + 1), palette.paper);
        painter.setPen(QPen(QColor(0, 0, 0, 22), 1));
        for (int row = 1; row < 6; ++row) {
            const qreal y = kGridTop + row * 33 - 1.5;
            painter.drawLine(QPointF(6, y), QPointF(kWidth - 6, y));
        }
    });
    writer.write("bg_calendar_title.png", QSize(kWidth, 30), [&](QPainter& painter) {
        paintBar(painter, QRectF(0, 0, kWidth, 30), palette.raised, palette.panel);
    });
}

void writeDayMarks(SkinWriter& writer, const SkinPalette& palette)
{
    const QSize cell(kWidth / 7, 31);
    writer.write("calendar_pic_d.png", cell, [&](QPainter& painter) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(palette.accent);
        painter.drawRoundedRect(QRectF(3, 2, cell.width() - 6, cell.height() - 4), 7, 7);
    });
    const auto dot = [&](const QString& name, const QColor& colour) {
        writer.write(name, cell, [&](QPainter& painter) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(colour);
            painter.drawEllipse(QPointF(cell.width() / 2.0, cell.height() - 5.5), 2.2, 2.2);
        });
    };
    dot("icon_calendar_black.png", palette.accentPressed());
    dot("icon_calendar_white.png", Qt::white);
}

void writeDropDown(SkinWriter& writer, const SkinContext& skin)
{
    const SkinPalette& palette = skin.palette;
    writer.write("enter_calendar.png", QSize(67, 27), [&](QPainter& painter) {
        painter.setPen(QPen(palette.muted, 1));
        painter.setBrush(palette.paper);
        painter.drawRoundedRect(QRectF(0.5, 1.5, 66, 24), 5, 5);
    });
    // The arrow sits on the light field, so its states run the other way: darker is stronger.
    writer.writeStates("button_enter.png", QSize(18, 21), [&](QPainter& painter, ButtonState state) {
        QColor glyph(0x4a, 0x4f, 0x57);
        if (state == ButtonState::Rollover) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(Qt::white);
            painter.drawRoundedRect(QRectF(1, 2, 16, 17), 4, 4);
            glyph = palette.accentPressed();
        } else if (state == ButtonState::Pressed) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(0, 0, 0, 40));
            painter.drawRoundedRect(QRectF(1, 2, 16, 17), 4, 4);
            glyph = QColor(0x1b, 0x1d, 0x21);
        } else if (state == ButtonState::Disabled) {
            glyph = QColor(0xb4, 0xb8, 0xbe);
        }
        skin.icons.paint(painter, "outline/chevron-down", QRectF(2, 3.5, 14, 14), glyph);
    });
}

} // namespace

void writeCalendarImages(SkinWriter& writer, const SkinContext& skin)
{
    const SkinPalette& palette = skin.palette;
    writeBackground(writer, palette);
    writeDayMarks(writer, palette);
    writeDropDown(writer, skin);
    for (const auto& [name, icon] : {std::pair{"button_calendar_back.png", "outline/chevron-left"},
                                     std::pair{"button_calendar_next.png", "outline/chevron-right"}}) {
        writer.writeStates(name, QSize(30, 30), [&](QPainter& painter, ButtonState state) {
            paintIconButton(painter, skin, QRectF(0, 0, 30, 30), icon, 18, state);
        });
    }
    writer.writeStates("button_calendar.png", QSize(85, 30), [&](QPainter& painter, ButtonState state) {
        paintPillButton(painter, palette, QRectF(0, 2, 85, 26), true, state);
    });
}
