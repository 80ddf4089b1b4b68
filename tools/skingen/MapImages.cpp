// The map panel and its dashboard. The panel is 212 points high; the dashboard's fields sit in
// a 320-wide frame, the speed digits in 60 by 85 cells. The small buttons over the web map are
// 30 by 20 (full map, dashboard) and 40 by 20 (unit, titled by its owner); the dashboard's map
// button is 40 by 40 and its unit button 70 by 25 (also titled by its owner).
#include "SkinAreas.h"

#include <QFontMetricsF>
#include <QPainter>

namespace {

constexpr int kPanelWidth = 320;
constexpr int kPanelHeight = 212;

void writeDigits(SkinWriter& writer)
{
    const QFont font = uiFont(84, true);
    for (int digit = 0; digit <= 9; ++digit) {
        writer.write(QString("ovl_speedno_%1.png").arg(digit), QSize(60, 85), [&](QPainter& painter) {
            // Fitted to the cell by the digit's own outline so every digit sits on one baseline.
            const QFontMetricsF metrics(font);
            const QRectF ink = metrics.tightBoundingRect("0");
            const qreal baseline = (85 + ink.height()) / 2;
            const qreal width = metrics.horizontalAdvance(QString::number(digit));
            painter.setFont(font);
            painter.setPen(Qt::white);
            painter.drawText(QPointF((60 - width) / 2, baseline), QString::number(digit));
        });
    }
}

void writeDashboard(SkinWriter& writer, const SkinPalette& palette)
{
    writer.write("gps_panel_bg.png", QSize(kPanelWidth, kPanelHeight), [&](QPainter& painter) {
        const QRectF card(6, 2, kPanelWidth - 12, kPanelHeight - 6);
        painter.setPen(QPen(palette.line, 1));
        painter.setBrush(palette.panel);
        painter.drawRoundedRect(card, 10, 10);
        // The labels and values run edge to edge in rows, so only the two columns below the
        // speed are parted, by a hairline.
        painter.setPen(QPen(palette.line, 1));
        painter.drawLine(QPointF(150.5, 110), QPointF(150.5, 198));
    });
    writer.write("bg_map.png", QSize(120, 20), [&](QPainter& painter) {
        paintBar(painter, QRectF(0, 0, 120, 20), palette.raised, palette.panel);
    });
}

void writeStateImage(SkinWriter& writer, const SkinContext& skin, const QString& name, const QString& icon)
{
    writer.write(name, QSize(200, 110), [&](QPainter& painter) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(skin.palette.panel);
        painter.drawEllipse(QPointF(100, 60), 44, 44);
        skin.icons.paint(painter, icon, QRectF(72, 32, 56, 56), skin.palette.muted);
    });
}

} // namespace

void writeMapImages(SkinWriter& writer, const SkinContext& skin)
{
    const SkinPalette& palette = skin.palette;
    struct Glyph {
        const char* name;
        const char* icon;
        QSize size;
        int iconSize;
    };
    static const Glyph kGlyphs[] = {
        {"button_full_map.png", "outline/arrows-maximize", QSize(30, 20), 14},
        {"button_full1_map.png", "outline/arrows-minimize", QSize(30, 20), 14},
        {"button_google_map.png", "outline/gauge", QSize(30, 20), 15},
        {"gps_link.png", "outline/map-2", QSize(40, 40), 22},
    };
    for (const Glyph& glyph : kGlyphs) {
        const QRectF face(QPointF(0, 0), glyph.size);
        writer.writeStates(glyph.name, glyph.size, [&](QPainter& painter, ButtonState state) {
            paintIconButton(painter, skin, face, glyph.icon, glyph.iconSize, state);
        });
    }
    writer.writeStates("km_map.png", QSize(40, 20), [&](QPainter& painter, ButtonState state) {
        paintPillButton(painter, palette, QRectF(0, 0, 40, 20), false, state);
    });
    writer.writeStates("km_gps.png", QSize(70, 25), [&](QPainter& painter, ButtonState state) {
        paintPillButton(painter, palette, QRectF(0, 0, 70, 25), false, state);
    });
    writeDigits(writer);
    writeDashboard(writer, palette);
    writeStateImage(writer, skin, "map_disable.png", "outline/world-off");
    writeStateImage(writer, skin, "map_no_gps.png", "outline/map-pin-off");
}
