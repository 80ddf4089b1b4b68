#pragma once
// Glyphs from the Tabler icon set (outline and filled SVGs, installed from npm at build time),
// drawn in any colour at any size.

#include <QColor>
#include <QRectF>
#include <QString>
#include <QStringList>

class QPainter;

class IconSet {
public:
    explicit IconSet(const QString& folder);

    // Draws the icon ("outline/camera" or "filled/player-play") into the rectangle. Returns false,
    // and remembers the name, when the set has no such icon.
    bool paint(QPainter& painter, const QString& name, const QRectF& target, const QColor& color) const;

    // Icons asked for that the set does not have.
    const QStringList& missing() const { return mMissing; }

private:
    QString mFolder;
    mutable QStringList mMissing;
};
