// The play bar: 44 points high; buttons 40 by 44, the volume slider 70 wide and the time
// slider 260 wide. Slider images are as high as the bar, with the track centred, so that the
// slider can draw every image at its origin; the thumb is 16 wide.
#include "SkinAreas.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int kBarHeight = 44;
constexpr int kThumbWidth = 16;

void writeSliderTrack(SkinWriter& writer, const QString& name, int width, const QColor& color)
{
    writer.write(name, QSize(width, kBarHeight), [&](QPainter& painter) {
        paintTrack(painter, QRectF(0, 0, width, kBarHeight), kThumbWidth / 2 - 2, 4, color);
    });
}

void writeThumbAndMark(SkinWriter& writer, const SkinPalette& palette)
{
    writer.write("volume_button.png", QSize(kThumbWidth, kBarHeight), [&](QPainter& painter) {
        const QPointF centre(kThumbWidth / 2.0, kBarHeight / 2.0);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, 90));
        painter.drawEllipse(centre + QPointF(0, 1), 7, 7);
        painter.setBrush(Qt::white);
        painter.drawEllipse(centre, 6.5, 6.5);
        painter.setBrush(palette.accent);
        painter.drawEllipse(centre, 2.5, 2.5);
    });
    // The event mark hangs from the top of the time slider, pointing at the track.
    writer.write("icon_m1.png", QSize(10, 12), [&](QPainter& painter) {
        QPainterPath marker;
        marker.moveTo(1, 1);
        marker.lineTo(9, 1);
        marker.lineTo(9, 6);
        marker.lineTo(5, 11);
        marker.lineTo(1, 6);
        marker.closeSubpath();
        painter.setPen(QPen(QColor(120, 20, 24), 1));
        painter.setBrush(QColor(229, 72, 77));
        painter.drawPath(marker);
    });
}

} // namespace

void writePlaybarImages(SkinWriter& writer, const SkinContext& skin)
{
    const SkinPalette& palette = skin.palette;
    const QSize buttonSize(40, kBarHeight);
    const QRectF face(0, 0, 40, kBarHeight);
    writer.write("playbar_background.png", QSize(64, kBarHeight), [&](QPainter& painter) {
        paintBar(painter, QRectF(0, 0, 64, kBarHeight), palette.panel, palette.window);
    });

    struct Glyph {
        const char* name;
        const char* icon;
    };
    static const Glyph kGlyphs[] = {
        {"button_previous.png", "filled/player-skip-back"},
        {"button_next.png", "filled/player-skip-forward"},
        {"icon_volume_on.png", "outline/volume"},
        {"icon_volume_off.png", "outline/volume-off"},
        {"button_full.png", "outline/arrows-maximize"},
        {"button_full1.png", "outline/arrows-minimize"},
    };
    for (const Glyph& glyph : kGlyphs) {
        writer.writeStates(glyph.name, buttonSize, [&](QPainter& painter, ButtonState state) {
            paintIconButton(painter, skin, face, glyph.icon, 20, state);
        });
    }
    writer.writeStates("button_play.png", buttonSize, [&](QPainter& painter, ButtonState state) {
        paintDiscButton(painter, skin, face, "filled/player-play", state);
    });
    writer.writeStates("button_pause.png", buttonSize, [&](QPainter& painter, ButtonState state) {
        paintDiscButton(painter, skin, face, "filled/player-pause", state);
    });

    // Rates 1, 1.5, 2, 0.25 and 0.5.
    static const std::pair<const char*, const char*> kSpeeds[] = {
        {"button_playback1.png", "1×"}, {"button_playback1.5.png", "1.5×"}, {"button_playback2.png", "2×"},
        {"button_playback.png", "¼×"}, {"button_playback1-2.png", "½×"},
    };
    for (const auto& [name, label] : kSpeeds) {
        writer.writeStates(name, buttonSize, [&](QPainter& painter, ButtonState state) {
            paintBadgeButton(painter, palette, face, QString::fromUtf8(label), state);
        });
    }

    writeSliderTrack(writer, "volume_bg.png", 70, palette.line.lighter(140));
    writeSliderTrack(writer, "volume_full.png", 70, palette.accent);
    writeSliderTrack(writer, "track_bar_bg.png", 260, palette.line.lighter(140));
    writeSliderTrack(writer, "track_bar_full.png", 260, palette.accent);
    writeThumbAndMark(writer, palette);
}
