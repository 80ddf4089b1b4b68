#include "IconSet.h"

#include <QFile>
#include <QPainter>
#include <QStringList>
#include <QSvgRenderer>

IconSet::IconSet(const QString& folder) : mFolder(folder) {}

bool IconSet::paint(QPainter& painter, const QString& name, const QRectF& target, const QColor& color) const
{
    QFile file(mFolder + "/" + name + ".svg");
    if (!file.open(QIODevice::ReadOnly)) {
        mMissing.append(name);
        return false;
    }
    // The set draws with currentColor, so recolouring is a text substitution.
    QByteArray svg = file.readAll();
    svg.replace("currentColor", color.name().toLatin1());
    QSvgRenderer renderer(svg);
    painter.save();
    painter.setOpacity(painter.opacity() * color.alphaF());
    renderer.render(&painter, target);
    painter.restore();
    return true;
}
