// The file list (rows 275 by 40 beside a 16-wide scroll bar, in a 291-wide panel), its
// category icons, the drop-down list of the calendar (rows 51 by 18 beside the same scroll bar,
// 8 rows in 144 points) and the category check boxes (18 by 18).
#include "SkinAreas.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int kScrollWidth = 16;

struct RowColours {
    QColor even;
    QColor odd;
    QColor separator;
};

RowColours rowColours(const SkinPalette& palette, bool light)
{
    if (light) {
        return {QColor(0xdf, 0xe3, 0xe8), QColor(0xd3, 0xd8, 0xde), QColor(0, 0, 0, 28)};
    }
    return {palette.panel, palette.panel.lighter(112), QColor(0, 0, 0, 90)};
}

void writeRows(SkinWriter& writer, const SkinPalette& palette, const QString& prefix, QSize size, bool light)
{
    const RowColours colours = rowColours(palette, light);
    const auto row = [&](const QColor& fill) {
        return [=](QPainter& painter) {
            painter.fillRect(QRect(QPoint(0, 0), size), fill);
            painter.fillRect(QRect(0, size.height() - 1, size.width(), 1), colours.separator);
        };
    };
    writer.write(prefix + "_bg_1.png", size, row(colours.even));
    writer.write(prefix + "_bg_2.png", size, row(colours.odd));
    // The selected row carries black text, so the bar is a pale tint with an accent edge.
    writer.write(prefix + "_d.png", size, [&](QPainter& painter) {
        painter.fillRect(QRect(QPoint(0, 0), size), palette.accentTint());
        painter.fillRect(QRect(0, 0, 3, size.height()), palette.accent);
    });
}

void writeScrollBar(SkinWriter& writer, const SkinContext& skin)
{
    const SkinPalette& palette = skin.palette;
    writer.write("scrollbar_background.png", QSize(kScrollWidth, 16), [&](QPainter& painter) {
        painter.fillRect(QRect(0, 0, kScrollWidth, 16), palette.window);
        painter.fillRect(QRectF(kScrollWidth / 2.0 - 1, 0, 2, 16), palette.raised);
    });
    const QRectF arrowFace(0, 0, kScrollWidth, 16);
    for (const auto& [name, icon] : {std::pair{"button_bar_up.png", "outline/chevron-up"},
                                     std::pair{"button_bar_down.png", "outline/chevron-down"}}) {
        writer.writeStates(name, QSize(kScrollWidth, 16), [&](QPainter& painter, ButtonState state) {
            painter.fillRect(arrowFace, palette.window);
            paintIconButton(painter, skin, arrowFace.adjusted(-1, -1, 1, 1), icon, 13, state);
        });
    }
    writer.writeStates("slider.png", QSize(kScrollWidth, 32), [&](QPainter& painter, ButtonState state) {
        QColor thumb = palette.muted;
        if (state == ButtonState::Rollover) {
            thumb = palette.muted.lighter(125);
        } else if (state == ButtonState::Pressed) {
            thumb = palette.accentPressed();
        } else if (state == ButtonState::Disabled) {
            thumb = palette.raised;
        }
        painter.setPen(Qt::NoPen);
        painter.setBrush(thumb);
        painter.drawRoundedRect(QRectF(4, 2, kScrollWidth - 8, 28), 4, 4);
    });
}

void writeRowIcons(SkinWriter& writer, const SkinContext& skin)
{
    writer.write("icon_play.png", QSize(20, 20), [&](QPainter& painter) {
        skin.icons.paint(painter, "filled/player-play", QRectF(2, 2, 16, 16), skin.palette.accent);
    });
    const auto badge = [&](const QString& name, const QColor& colour, const QString& icon) {
        writer.write(name, QSize(24, 24), [&](QPainter& painter) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(colour);
            painter.drawRoundedRect(QRectF(2, 2, 20, 20), 5, 5);
            skin.icons.paint(painter, icon, QRectF(5, 5, 14, 14), Qt::white);
        });
    };
    badge("icon_event.png", QColor(229, 72, 77), "outline/alert-triangle");
    badge("icon_parking.png", QColor(62, 124, 214), "outline/parking");
}

void writeCheckBoxes(SkinWriter& writer, const SkinPalette& palette)
{
    const QRectF box(2, 2, 14, 14);
    // "calendar_checkbox" is the box without a mark, "calendar_uncheckbox" the ticked one.
    writer.writeStates("calendar_checkbox.png", QSize(18, 18), [&](QPainter& painter, ButtonState state) {
        QColor border = state == ButtonState::Disabled ? palette.disabled : palette.muted;
        QColor fill = palette.window;
        if (state == ButtonState::Rollover) {
            border = Qt::white;
        } else if (state == ButtonState::Pressed) {
            border = palette.accent;
            fill = QColor(0, 0, 0);
        }
        painter.setPen(QPen(border, 1.5));
        painter.setBrush(fill);
        painter.drawRoundedRect(box, 3.5, 3.5);
    });
    writer.writeStates("calendar_uncheckbox.png", QSize(18, 18), [&](QPainter& painter, ButtonState state) {
        QColor fill = palette.accent;
        if (state == ButtonState::Rollover) {
            fill = palette.accentHover();
        } else if (state == ButtonState::Pressed) {
            fill = palette.accentPressed();
        } else if (state == ButtonState::Disabled) {
            fill = palette.raised;
        }
        painter.setPen(Qt::NoPen);
        painter.setBrush(fill);
        painter.drawRoundedRect(box.adjusted(-0.75, -0.75, 0.75, 0.75), 3.5, 3.5);
        const QColor mark = state == ButtonState::Disabled ? palette.disabled : palette.window;
        QPainterPath tick;
        tick.moveTo(5.2, 9.2);
        tick.lineTo(7.9, 11.9);
        tick.lineTo(12.8, 6.4);
        painter.setPen(QPen(mark, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(tick);
    });
}

} // namespace

void writeListImages(SkinWriter& writer, const SkinContext& skin)
{
    const SkinPalette& palette = skin.palette;
    writeRows(writer, palette, "list", QSize(291 - kScrollWidth, 40), palette.lightFileRows());
    writeRows(writer, palette, "calendar_list", QSize(67 - kScrollWidth, 18), palette.lightDropDownRows());
    writeScrollBar(writer, skin);
    writeRowIcons(writer, skin);
    writeCheckBoxes(writer, palette);
}
