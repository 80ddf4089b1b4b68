#pragma once
// Drawing shared by the skin images: the faces of buttons in their four states, bars and text.
// Everything is drawn for a dark surface: a glyph is light at rest, white on roll-over, in the
// accent on a darker plate when pressed, and grey when disabled.

#include "IconSet.h"
#include "SkinPalette.h"
#include "SkinWriter.h"

#include <QFont>
#include <QRectF>

class QPainter;

struct SkinContext {
    const SkinPalette& palette;
    const IconSet& icons;
};

QColor glyphColor(const SkinPalette& palette, ButtonState state);
QFont uiFont(int pixelSize, bool bold);

// The rounded plate behind a glyph: none at rest, lighter on roll-over, darker when pressed.
void paintPlate(QPainter& painter, const SkinPalette& palette, const QRectF& face, ButtonState state);
void paintIconButton(QPainter& painter, const SkinContext& skin, const QRectF& face, const QString& icon,
                     qreal iconSize, ButtonState state);
// An accent disc with a dark glyph, for the main action of a bar (play and pause).
void paintDiscButton(QPainter& painter, const SkinContext& skin, const QRectF& face, const QString& icon,
                     ButtonState state);
// A glyph-coloured outlined badge with a short text (the playback speeds).
void paintBadgeButton(QPainter& painter, const SkinPalette& palette, const QRectF& face, const QString& text,
                      ButtonState state);
// A filled pill whose owner draws a title over it; dark, or in the accent.
void paintPillButton(QPainter& painter, const SkinPalette& palette, const QRectF& face, bool accentFill,
                     ButtonState state);
// A horizontal bar: vertical gradient with a highlight line on top and a shadow line below.
void paintBar(QPainter& painter, const QRectF& rect, const QColor& top, const QColor& bottom);
// A rounded horizontal track centred vertically, inset by the given margin at both ends.
void paintTrack(QPainter& painter, const QRectF& rect, qreal margin, qreal thickness, const QColor& color);
void paintCentredText(QPainter& painter, const QRectF& rect, const QString& text, const QFont& font,
                      const QColor& color);
