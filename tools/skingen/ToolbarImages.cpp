// The tool bar: 30 points high; buttons 45 by 30 (YouTube 60, Facebook 90) and the settings
// button 45 by 45, whose glyph sits in its upper 30 points so it lines up with the others.
#include "SkinAreas.h"

#include <QPainter>

void writeToolbarImages(SkinWriter& writer, const SkinContext& skin)
{
    const SkinPalette& palette = skin.palette;
    writer.write("toolbar_background.png", QSize(64, 30), [&](QPainter& painter) {
        paintBar(painter, QRectF(0, 0, 64, 30), palette.raised, palette.panel);
    });

    struct Button {
        const char* name;
        const char* icon;
        int width;
    };
    static const Button kButtons[] = {
        {"button_open.png", "outline/folder-open", 45},
        {"button_print.png", "outline/printer", 45},
        {"button_backup.png", "outline/archive", 45},
        {"button_capture.png", "outline/camera", 45},
        {"button_export.png", "outline/file-export", 45},
        {"button_youtube.png", "outline/brand-youtube", 60},
        {"button_facebook.png", "outline/brand-facebook", 90},
        {"button_window_switch.png", "outline/arrows-exchange", 45},
    };
    for (const Button& button : kButtons) {
        const QRectF face(0, 0, button.width, 30);
        writer.writeStates(button.name, QSize(button.width, 30), [&](QPainter& painter, ButtonState state) {
            paintIconButton(painter, skin, face, button.icon, 20, state);
        });
    }
    writer.writeStates("button_settings.png", QSize(45, 45), [&](QPainter& painter, ButtonState state) {
        paintIconButton(painter, skin, QRectF(0, 0, 45, 30), "outline/settings", 20, state);
    });
}
