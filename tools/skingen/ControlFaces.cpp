#include "ControlFaces.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

QColor glyphColor(const SkinPalette& palette, ButtonState state)
{
    switch (state) {
    case ButtonState::Pressed:
        return palette.accent;
    case ButtonState::Rollover:
        return Qt::white;
    case ButtonState::Disabled:
        return palette.disabled;
    case ButtonState::Normal:
        break;
    }
    return palette.glyph;
}

QFont uiFont(int pixelSize, bool bold)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

void paintPlate(QPainter& painter, const SkinPalette&, const QRectF& face, ButtonState state)
{
    QColor plate;
    if (state == ButtonState::Rollover) {
        plate = QColor(255, 255, 255, 34);
    } else if (state == ButtonState::Pressed) {
        plate = QColor(0, 0, 0, 120);
    } else {
        return;
    }
    const QRectF area = face.adjusted(2, 2, -2, -2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(plate);
    painter.drawRoundedRect(area, 5, 5);
}

void paintIconButton(QPainter& painter, const SkinContext& skin, const QRectF& face, const QString& icon,
                     qreal iconSize, ButtonState state)
{
    paintPlate(painter, skin.palette, face, state);
    const QRectF target(face.center() - QPointF(iconSize / 2, iconSize / 2), QSizeF(iconSize, iconSize));
    skin.icons.paint(painter, icon, target, glyphColor(skin.palette, state));
}

void paintDiscButton(QPainter& painter, const SkinContext& skin, const QRectF& face, const QString& icon,
                     ButtonState state)
{
    const SkinPalette& palette = skin.palette;
    QColor disc = palette.accent;
    QColor glyph = palette.window;
    if (state == ButtonState::Rollover) {
        disc = palette.accentHover();
    } else if (state == ButtonState::Pressed) {
        disc = palette.accentPressed();
    } else if (state == ButtonState::Disabled) {
        disc = palette.raised;
        glyph = palette.disabled;
    }
    const qreal diameter = qMin(face.width(), face.height()) - 8;
    const QRectF circle(face.center() - QPointF(diameter / 2, diameter / 2), QSizeF(diameter, diameter));
    painter.setPen(Qt::NoPen);
    painter.setBrush(disc);
    painter.drawEllipse(circle);
    const qreal iconSize = diameter * 0.5;
    skin.icons.paint(painter, icon, QRectF(face.center() - QPointF(iconSize / 2, iconSize / 2), QSizeF(iconSize, iconSize)),
                     glyph);
}

void paintBadgeButton(QPainter& painter, const SkinPalette& palette, const QRectF& face, const QString& text,
                      ButtonState state)
{
    paintPlate(painter, palette, face, state);
    const QColor color = glyphColor(palette, state);
    const QRectF badge(face.center() - QPointF(15, 9), QSizeF(30, 18));
    painter.setPen(QPen(color, 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(badge, 4, 4);
    paintCentredText(painter, badge, text, uiFont(11, true), color);
}

void paintPillButton(QPainter& painter, const SkinPalette& palette, const QRectF& face, bool accentFill,
                     ButtonState state)
{
    QColor fill = accentFill ? palette.accent : palette.raised;
    QColor border = accentFill ? palette.accent.lighter(115) : palette.line.lighter(130);
    if (state == ButtonState::Rollover) {
        fill = fill.lighter(accentFill ? 120 : 135);
    } else if (state == ButtonState::Pressed) {
        fill = fill.darker(145);
        border = fill;
    } else if (state == ButtonState::Disabled) {
        fill = palette.panel;
        border = palette.line;
    }
    const QRectF pill = face.adjusted(1.5, 1.5, -1.5, -1.5);
    painter.setPen(QPen(border, 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(pill, pill.height() / 2, pill.height() / 2);
}

void paintBar(QPainter& painter, const QRectF& rect, const QColor& top, const QColor& bottom)
{
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    painter.fillRect(rect, gradient);
    painter.fillRect(QRectF(rect.left(), rect.top(), rect.width(), 1), top.lighter(130));
    painter.fillRect(QRectF(rect.left(), rect.bottom() - 1, rect.width(), 1), QColor(0, 0, 0, 160));
}

void paintTrack(QPainter& painter, const QRectF& rect, qreal margin, qreal thickness, const QColor& color)
{
    const QRectF track(rect.left() + margin, rect.center().y() - thickness / 2, rect.width() - 2 * margin, thickness);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawRoundedRect(track, thickness / 2, thickness / 2);
}

void paintCentredText(QPainter& painter, const QRectF& rect, const QString& text, const QFont& font,
                      const QColor& color)
{
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(rect, Qt::AlignCenter, text);
}
