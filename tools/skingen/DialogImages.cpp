// The camera choice of the capture and print dialogs (76 by 35, no disabled image; the checked
// button shows its pressed image) and the logo of the about box (128 by 128).
#include "SkinAreas.h"

#include <QPainter>

namespace {

void writeCameraButton(SkinWriter& writer, const SkinContext& skin, const QString& name, const QString& label)
{
    const SkinPalette& palette = skin.palette;
    writer.writeStatesWithoutDisabled(name, QSize(76, 35), [&](QPainter& painter, ButtonState state) {
        // Pressed is also the chosen camera: a dark inset drawn in the accent.
        QColor fill = palette.raised;
        QColor text = palette.glyph;
        QPen border(palette.line, 1);
        if (state == ButtonState::Rollover) {
            fill = palette.raised.lighter(135);
            text = Qt::white;
        } else if (state == ButtonState::Pressed) {
            fill = QColor(0x0c, 0x0d, 0x10);
            text = palette.accent;
            border = QPen(palette.accent, 1.5);
        }
        const QRectF face(2, 3, 72, 29);
        painter.setPen(border);
        painter.setBrush(fill);
        painter.drawRoundedRect(face, 7, 7);
        skin.icons.paint(painter, "outline/video", QRectF(10, 8.5, 18, 18), text);
        paintCentredText(painter, face.adjusted(24, 0, 0, 0), label, uiFont(14, true), text);
    });
}

void writeLogo(SkinWriter& writer, const SkinPalette& palette)
{
    writer.write("icon_logo.png", QSize(128, 128), [&](QPainter& painter) {
        QLinearGradient tile(0, 0, 0, 128);
        tile.setColorAt(0, palette.raised.lighter(120));
        tile.setColorAt(1, palette.window);
        painter.setPen(Qt::NoPen);
        painter.setBrush(tile);
        painter.drawRoundedRect(QRectF(4, 4, 120, 120), 28, 28);
        // A lens: accent ring, dark glass, a highlight, and the recording light.
        painter.setBrush(palette.accent);
        painter.drawEllipse(QPointF(64, 66), 40, 40);
        painter.setBrush(palette.window);
        painter.drawEllipse(QPointF(64, 66), 29, 29);
        painter.setBrush(palette.raised);
        painter.drawEllipse(QPointF(64, 66), 15, 15);
        painter.setBrush(QColor(255, 255, 255, 150));
        painter.drawEllipse(QPointF(56, 58), 5, 5);
        painter.setBrush(QColor(229, 72, 77));
        painter.drawEllipse(QPointF(104, 22), 6, 6);
    });
}

} // namespace

void writeDialogImages(SkinWriter& writer, const SkinContext& skin)
{
    writeCameraButton(writer, skin, "button_print_camera1.png", "1");
    writeCameraButton(writer, skin, "button_print_camera2.png", "2");
    writeCameraButton(writer, skin, "button_print_camera12.png", "1+2");
    writeLogo(writer, skin.palette);
}
